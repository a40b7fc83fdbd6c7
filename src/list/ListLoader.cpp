#include "list/ListLoader.h"

#include "list/MappedFile.h"
#include "list/ReadNode.h"

#include <cstring>
#include <unistd.h>

namespace dk {

LoadResult LoadList(ListContainer& container, const std::string& listPath, FolderSink* sink,
                    const std::function<void()>& beforeRead) {
    const UnpackResult unpacked = container.UnpackList(listPath);
    if (unpacked.Error == ContainerError::ArchiveUnreadable)
        return {LoadError::ArchiveUnreadable, nullptr, unpacked.Detail};
    if (unpacked.Error != ContainerError::None) {
        std::string detail = ContainerErrorText(unpacked.Error);
        if (!unpacked.Detail.empty())
            detail += ": " + unpacked.Detail;
        return {LoadError::UnpackFailed, nullptr, detail};
    }

    int error = 0;
    auto data = MappedFile::OpenPrivate(unpacked.DataPath, error);
    if (!data)
        return {LoadError::DataFileUnopenable, nullptr, std::strerror(error)};
    if (data->Bytes().empty())
        return {LoadError::DataFileEmpty, nullptr, {}};

    if (beforeRead)
        beforeRead();
    ReadResult read = ReadNode(std::move(data), sink);
    // The mapping keeps the bytes after the file is gone.
    ::unlink(unpacked.DataPath.c_str());
    if (read.Error != ReadError::None)
        return {LoadError::DataTruncated, nullptr,
                read.Error == ReadError::OutOfMemory ? "not enough memory" : "the data ends early"};
    return {LoadError::None, std::move(read.Document), {}};
}

std::string LoadMessage(const localeTexts& texts, LoadError error, const std::string& listPath) {
    const auto& table = texts.MessageTexts;
    switch (error) {
    case LoadError::None:
        return {};
    case LoadError::ArchiveUnreadable:
    case LoadError::UnpackFailed:
        return Text(table, message::UnpackError) + " - " + listPath;
    case LoadError::DataFileUnopenable:
        return Text(table, message::UnpackError) + " - " + listPath + "\n" +
               Text(table, message::SameNameFolder) + " \n" + Text(table, message::OpenElsewhere);
    case LoadError::DataFileEmpty:
        return Text(table, message::FileEmpty);
    case LoadError::DataTruncated:
        return Text(table, message::LoadError);
    }
    return {};
}

} // namespace dk
