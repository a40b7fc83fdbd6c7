#include "browse/FolderTreeModel.h"

namespace dk {

FolderTreeModel::FolderTreeModel(const FolderTree& tree, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree) {}

FolderTreeNode* FolderTreeModel::NodeAt(const QModelIndex& index) {
    return index.isValid() ? static_cast<FolderTreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex FolderTreeModel::IndexOf(const FolderTreeNode* node) const {
    if (!node)
        return {};
    return createIndex(static_cast<int>(node->Row), 0, const_cast<FolderTreeNode*>(node));
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0)
        return {};
    if (!parent.isValid()) {
        const FolderTreeNode* root = tree_.Root();
        return row == 0 && root ? createIndex(0, 0, const_cast<FolderTreeNode*>(root))
                                : QModelIndex();
    }
    const FolderTreeNode* node = NodeAt(parent);
    if (static_cast<std::size_t>(row) >= node->Children.size())
        return {};
    return createIndex(row, 0, node->Children[static_cast<std::size_t>(row)]);
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
    const FolderTreeNode* node = NodeAt(child);
    return node && node->Parent ? IndexOf(node->Parent) : QModelIndex();
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return tree_.Root() ? 1 : 0;
    if (parent.column() != 0)
        return 0;
    return static_cast<int>(NodeAt(parent)->Children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const { return 1; }

QString FolderTreeModel::CaptionText(const FolderTreeNode& node) const {
    const std::string_view caption = tree_.Caption(node);
    // The root's caption is the list file's name as the file system spells it.
    if (node.IsRoot() || !codec_)
        return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    return QString::fromStdString(codec_->Decode(caption));
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const {
    const FolderTreeNode* node = NodeAt(index);
    if (!node)
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return CaptionText(*node);
    if (role == Qt::DecorationRole) {
        const int image = node == selected_ ? node->SelectedImageIndex : node->ImageIndex;
        return image >= 0 && image < 3 ? images_[static_cast<std::size_t>(image)] : QIcon();
    }
    return {};
}

void FolderTreeModel::SetSelectedNode(const FolderTreeNode* node) {
    const FolderTreeNode* old = selected_;
    selected_ = node;
    NodeChanged(old);
    NodeChanged(node);
}

void FolderTreeModel::NodeChanged(const FolderTreeNode* node) {
    if (node) {
        const QModelIndex index = IndexOf(node);
        emit dataChanged(index, index, {Qt::DecorationRole});
    }
}

} // namespace dk
