#include "cli/CliSession.h"

#include "browse/ListFolder.h"
#include "list/ListLoader.h"
#include "list/ListSaver.h"

#include <ostream>

namespace dk::cli {

bool CliSession::Open(const std::string& listPath) {
    LoadResult loaded = LoadList(Container, listPath, nullptr);
    if (loaded.Error != LoadError::None) {
        *Err << LoadMessage(Texts, loaded.Error, listPath);
        if (!loaded.Detail.empty())
            *Err << " (" << loaded.Detail << ")";
        *Err << "\n";
        return false;
    }
    State.Document = std::move(loaded.Document);
    State.ListPath = listPath;
    State.ListChanged = false;
    ListNode& root = *State.Root();
    ListFolder(State.Shown, std::string(root.Record->Name()) + "*", root,
               RootLocalPath(root.Record->Name()));
    return true;
}

std::vector<std::string> CliSession::PathComponents(std::string_view utf8Path) const {
    std::vector<std::string> components;
    std::string part;
    for (const char c : utf8Path) {
        if (c == '/' || c == '\\') {
            if (!part.empty())
                components.push_back(Bytes(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        components.push_back(Bytes(part));
    return components;
}

ListNode* CliSession::Resolve(std::string_view utf8Path) {
    ListNode* node = State.Root();
    for (const std::string& name : PathComponents(utf8Path))
        if (!(node = FindChild(*node, name)))
            return nullptr;
    return node;
}

int CliSession::Save() {
    const SaveResult saved = SaveList(*State.Document, State.ListPath, nullptr);
    if (saved.Error != SaveError::None)
        return Fail(Text(Texts.MessageTexts, message::CreateFileError) + " - " + State.ListPath +
                    " (" + saved.Detail + ")");
    State.ListChanged = false;
    return 0;
}

int CliSession::Fail(const std::string& message) const {
    *Err << "dklist: " << message << "\n";
    return 1;
}

} // namespace dk::cli
