#include "cli/CliSession.h"

#include "list/ListLoader.h"

#include <ostream>

namespace dk::cli {

bool CliSession::Open(const std::string& listPath) {
    ListPath = listPath;
    LoadResult loaded = LoadList(Container, listPath, nullptr);
    if (loaded.Error != LoadError::None) {
        *Err << LoadMessage(Texts, loaded.Error, listPath);
        if (!loaded.Detail.empty())
            *Err << " (" << loaded.Detail << ")";
        *Err << "\n";
        return false;
    }
    Document = std::move(loaded.Document);
    return true;
}

int CliSession::Fail(const std::string& message) const {
    *Err << "dklist: " << message << "\n";
    return 1;
}

} // namespace dk::cli
