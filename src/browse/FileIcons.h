#pragma once

#include "browse/RowIcons.h"

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <array>

namespace dk {

// Icons from the file system (files and folders that exist here), the MIME
// database with the icon theme (file types), and the style (the rest).
class FileIcons : public IconLookup {
public:
    // Whether the sources can be used at all: the MIME database must know
    // common file types. The window reports a failure once, at start.
    static bool InitShellIcons();

    // The folder tree's images: drive, folder, open folder.
    static std::array<QIcon, 3> LoadTreeIcons();

    bool Exists(const std::string& path) override;
    bool HasFileTypeIcon(const std::string& extension) override;
    QIcon Icon(const RowIcon& choice);

    // Icons are kept for the current listing only.
    void Clear() { typeIcons_.clear(); }

private:
    QIcon TypeIcon(const QString& extension);

    QFileIconProvider provider_;
    QMimeDatabase mime_;
    QHash<QString, QIcon> typeIcons_;
};

} // namespace dk
