#include "browse/FileIcons.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyle>

namespace dk {

bool FileIcons::InitShellIcons() {
    const QMimeDatabase mime;
    return mime.mimeTypeForFile("a.txt", QMimeDatabase::MatchExtension).inherits("text/plain") &&
           !QFileIconProvider().icon(QFileIconProvider::File).isNull();
}

std::array<QIcon, 3> FileIcons::LoadTreeIcons() {
    QStyle* style = QApplication::style();
    return {style->standardIcon(QStyle::SP_DriveHDIcon),
            style->standardIcon(QStyle::SP_DirClosedIcon),
            style->standardIcon(QStyle::SP_DirOpenIcon)};
}

bool FileIcons::Exists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

QIcon FileIcons::TypeIcon(const QString& extension) {
    const auto cached = typeIcons_.constFind(extension);
    if (cached != typeIcons_.constEnd())
        return *cached;
    QIcon icon;
    const QMimeType type = mime_.mimeTypeForFile("file" + extension, QMimeDatabase::MatchExtension);
    if (!extension.isEmpty() && type.isValid() && !type.isDefault()) {
        icon = QIcon::fromTheme(type.iconName());
        if (icon.isNull())
            icon = QIcon::fromTheme(type.genericIconName());
    }
    typeIcons_.insert(extension, icon);
    return icon;
}

bool FileIcons::HasFileTypeIcon(const std::string& extension) {
    return !TypeIcon(QString::fromStdString(extension)).isNull();
}

QIcon FileIcons::Icon(const RowIcon& choice) {
    switch (choice.source) {
    case RowIcon::Source::LocalPath:
        return provider_.icon(QFileInfo(QString::fromStdString(choice.key)));
    case RowIcon::Source::Folder:
        return provider_.icon(QFileIconProvider::Folder);
    case RowIcon::Source::FileType:
        return TypeIcon(QString::fromStdString(choice.key));
    case RowIcon::Source::GenericFile:
        break;
    }
    return provider_.icon(QFileIconProvider::File);
}

} // namespace dk
