#pragma once

// Helpers the tests share: scratch folders, whole-file reads, and lists made
// in code with the mkdk library.
#include "ListBuilder.h"
#include "app/LocaleTexts.h"
#include "browse/FolderTree.h"
#include "list/ListDocument.h"
#include "list/TextCodec.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dk::test {

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();

private:
    std::string name_;
    bool had_;
    std::string old_;
};

// The four text tables, filled.
localeTexts BuiltTexts();

// The interface language for the life of the object.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const char* code);
    ~ScopedLanguage();

private:
    std::string old_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::string ReadText(const std::string& path);
bool FileExists(const std::string& path);

// The codec lists are written in by default.
const TextCodec& Cp1251();

// Bytes in the list's code page from UTF-8 source text.
std::string Enc(const std::string& utf8);

// The loaded tree of in-memory list data, without a folder tree.
std::unique_ptr<ListDocument> Load(const std::vector<std::uint8_t>& data);

// A builder's list, loaded.
std::unique_ptr<ListDocument> Load(const mkdk::ListBuilder& builder);

// A list from an indented description (see mkdk), loaded; fails the test on
// a bad description.
std::unique_ptr<ListDocument> LoadDescription(const std::string& description);
mkdk::ListBuilder Describe(const std::string& description);

// A small tree the navigation and window tests walk:
// top.txt, A (a.txt, B (C (c.txt), b.txt)), Z (z.txt), below the root "C:\".
extern const char* const SampleTree;

// The folder-tree node named by one letter per level below the root ("AB"
// is B inside A), or null.
FolderTreeNode* TreeNode(FolderTree& tree, const std::string& letters);

// The child of `node` with this name (list bytes, UTF-8 source), or null.
ListNode* Child(ListNode& node, const std::string& utf8Name);
// A node by "/"-separated path of names below `root`.
ListNode* At(ListNode& root, const std::string& utf8Path);

} // namespace dk::test
