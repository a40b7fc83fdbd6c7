#include "browse/ListViewModel.h"

#include "browse/FileIcons.h"
#include "browse/ListingTexts.h"
#include "marks/RowColours.h"

#include <QBrush>
#include <QColor>

namespace dk {

ListViewModel::ListViewModel(const ShownList& shown, QObject* parent)
    : QAbstractTableModel(parent), shown_(shown) {}

void ListViewModel::SetColumnCaptions(const QStringList& captions) {
    captions_ = captions;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void ListViewModel::RowsReplaced() {
    beginResetModel();
    rowIcons_.clear();
    comments_.clear();
    if (icons_)
        icons_->Clear();
    endResetModel();
}

QIcon ListViewModel::RowIconAt(std::size_t row) const {
    const ListNode* entry = shown_.EntryAt(row);
    if (!icons_ || !entry)
        return {};
    const auto cached = rowIcons_.constFind(row);
    if (cached != rowIcons_.constEnd())
        return *cached;
    // Where the entry would lie on this disk: the listed folder's path and
    // the Name, or in the result view the result's full path.
    const std::string local = shown_.ResultPaths
                                  ? std::string(shown_.ResultPath(row))
                                  : shown_.LocalPath + std::string(entry->Record->Name());
    const std::string localUtf8 = codec_ ? codec_->Decode(local) : local;
    const QIcon icon = icons_->Icon(ChooseRowIcon(*entry->Record, localUtf8, *icons_));
    rowIcons_.insert(row, icon);
    return icon;
}

void ListViewModel::ShowComment(std::size_t row, const QString& text) {
    comments_.insert(row, text);
    const QModelIndex cell = index(static_cast<int>(row), CommentColumn);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void ListViewModel::RowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

QString ListViewModel::Decode(std::string_view bytes) const {
    if (!codec_)
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QString::fromStdString(codec_->Decode(bytes));
}

int ListViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.RowCount());
}

int ListViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        if (column == NameColumn)
            return Decode(shown_.Caption(row));
        if (column == CommentColumn) {
            const auto accepted = comments_.constFind(row);
            if (accepted != comments_.constEnd())
                return *accepted;
        }
        const ListNode* entry = shown_.EntryAt(row);
        return entry ? Decode(ColumnText(*entry->Record, column)) : QString();
    }
    if (role == Qt::DecorationRole && column == NameColumn)
        return RowIconAt(row);
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole || role == Qt::FontRole) {
        const CellLook look = RowCellLook(shown_, row, column);
        if (role == Qt::BackgroundRole && look.Background)
            return QBrush(QColor(look.Background->Red, look.Background->Green, look.Background->Blue));
        if (role == Qt::ForegroundRole && look.Text)
            return QBrush(QColor(look.Text->Red, look.Text->Green, look.Text->Blue));
        if (role == Qt::FontRole && look.StrikeOut) {
            QFont struck = font_;
            struck.setStrikeOut(true);
            return struck;
        }
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        switch (column) {
        case NameColumn:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        case SizeColumn:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return int(Qt::AlignCenter);
        }
    }
    return {};
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < captions_.size())
        return captions_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace dk
