#pragma once

#include "browse/FolderTree.h"
#include "list/TextCodec.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <array>

namespace dk {

// The folder tree as a Qt model: one item per FolderTreeNode, the node in the
// index's internal pointer, rows kept in the nodes so parent() costs nothing.
// The selected node shows its selected image (the open folder once clicked).
class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    FolderTreeModel(const FolderTree& tree, QObject* parent = nullptr);

    // The three tree images: drive, folder, open folder.
    void SetImages(const std::array<QIcon, 3>& images) { images_ = images; }
    void SetCodec(const TextCodec* codec) { codec_ = codec; }

    // Bracket every change of the tree's shape (reading a list, clearing it).
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }

    QModelIndex IndexOf(const FolderTreeNode* node) const;
    static FolderTreeNode* NodeAt(const QModelIndex& index);
    // The node drawn with its selected image; others show their image.
    void SetSelectedNode(const FolderTreeNode* node);
    // Repaints a node whose image indexes changed.
    void NodeChanged(const FolderTreeNode* node);
    QString CaptionText(const FolderTreeNode& node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const FolderTree& tree_;
    const TextCodec* codec_ = nullptr;
    const FolderTreeNode* selected_ = nullptr;
    std::array<QIcon, 3> images_;
};

} // namespace dk
