#pragma once

#include "browse/ShownList.h"
#include "list/TextCodec.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QStringList>

namespace dk {

class FileIcons;

// The detail list as a Qt model over the shown rows: nothing per row is kept,
// texts are decoded only for the rows being painted, so a folder of a million
// entries lists at once.
class ListViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListViewModel(const ShownList& shown, QObject* parent = nullptr);

    void SetCodec(const TextCodec* codec) { codec_ = codec; }
    // Where row icons come from; none when not set.
    void SetIcons(FileIcons* icons) { icons_ = icons; }
    void SetColumnCaptions(const QStringList& captions);
    // The rows were replaced wholesale.
    void RowsReplaced();
    // Repaints one row after its entry changed.
    void RowChanged(int row);
    // The list's own font, which struck-out names are drawn in.
    void SetFont(const QFont& font) { font_ = font; }
    // Shows `text` in a row's comment column until the rows are replaced: an
    // accepted comment appears as it was accepted, even when it is empty.
    void ShowComment(std::size_t row, const QString& text);

    QString Decode(std::string_view bytes) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    const ShownList& shown_;

private:
    QIcon RowIconAt(std::size_t row) const;

    const TextCodec* codec_ = nullptr;
    FileIcons* icons_ = nullptr;
    QStringList captions_;
    // Icons of the rows painted so far, for this listing only.
    mutable QHash<std::size_t, QIcon> rowIcons_;
    QHash<std::size_t, QString> comments_;
    QFont font_;
};

} // namespace dk
