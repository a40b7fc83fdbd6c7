#include "list/ListSaver.h"

#include "list/DataOutput.h"
#include "list/ListPaths.h"
#include "list/WriteNode.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace dk {

std::string SaveDataPath(const std::string& listPath) {
    const std::string name = FileNameOf(listPath);
    std::string path = FolderOf(listPath) + "~tmp~" + name;
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) // a name without extension is not cut
        path.resize(path.find(name.substr(dot)));
    return path;
}

std::string ChooseSaveDataPath(const std::string& listPath) {
    const std::string path = SaveDataPath(listPath);
    if (!Exists(path))
        return path;
    return TempFolder() + FileNameOf(path);
}

SaveResult SaveList(ListDocument& document, const std::string& listPath, ProgressSink* progress,
                    const std::function<void()>& beforePack) {
    const std::string dataPath = ChooseSaveDataPath(listPath);
    FileOutput out;
    if (!out.Create(dataPath))
        return {SaveError::TempFileFailed, dataPath + ": " + std::strerror(errno)};

    const WriteResult written = WriteListData(document, out, progress);
    const bool closed = out.Finish();
    SaveResult result;
    if (written == WriteResult::Cancelled) {
        result.Error = SaveError::Cancelled;
    } else if (written == WriteResult::Failed || !closed) {
        result = {SaveError::WriteFailed, dataPath + ": " + std::strerror(errno)};
    } else {
        if (beforePack)
            beforePack();
        std::string detail;
        const ContainerError packed = PackList(dataPath, listPath, &detail);
        if (packed != ContainerError::None)
            result = {SaveError::PackFailed, std::string(ContainerErrorText(packed)) +
                                                 (detail.empty() ? "" : ": " + detail)};
    }
    ::unlink(dataPath.c_str());
    return result;
}

} // namespace dk
