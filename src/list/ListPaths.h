#pragma once

#include <string>

namespace dk {

constexpr char PathSeparator = '/';

// The folder part of a path, with its trailing separator; empty for a bare name.
std::string FolderOf(const std::string& path);

// The name after the last separator.
std::string FileNameOf(const std::string& path);

// A list file's name without folder and extension: the name is cut at the
// first occurrence of its extension, so a.dk.old.dk gives a; a name without a
// dot is kept whole.
std::string BaseName(const std::string& listPath);

// The folder for temporary files, with a trailing separator: TMP, else TEMP,
// else TMPDIR, else /tmp.
std::string TempFolder();

bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);
bool Exists(const std::string& path);

// `path` made absolute against the working folder, when it is not already.
std::string AbsolutePath(const std::string& path);

} // namespace dk
