#include "TestSupport.h"

#include "Description.h"
#include "app/LocaleTexts.h"
#include "list/ReadNode.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace dk::test {

TempDir::TempDir() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/dorvik-test-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (old)
        old_ = old;
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
    if (had_)
        ::setenv(name_.c_str(), old_.c_str(), 1);
    else
        ::unsetenv(name_.c_str());
}

localeTexts BuiltTexts() {
    localeTexts texts;
    BuildInterfaceTexts(texts);
    return texts;
}

ScopedLanguage::ScopedLanguage(const char* code) : old_(currentLanguage) {
    currentLanguage = code;
}
ScopedLanguage::~ScopedLanguage() {
    currentLanguage = old_;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

const TextCodec& Cp1251() {
    static const auto codec = TextCodec::Create(DefaultEncoding);
    return *codec;
}

std::string Enc(const std::string& utf8) {
    return Cp1251().Encode(utf8);
}

std::unique_ptr<ListDocument> Load(const std::vector<std::uint8_t>& data) {
    ReadResult read = ReadNode(std::make_unique<BufferBlock>(data), nullptr);
    EXPECT_EQ(read.Error, ReadError::None);
    return std::move(read.Document);
}

std::unique_ptr<ListDocument> Load(const mkdk::ListBuilder& builder) {
    return Load(builder.Data());
}

mkdk::ListBuilder Describe(const std::string& description) {
    std::string error;
    auto builder = mkdk::ParseDescription(description, Cp1251(), &error);
    EXPECT_TRUE(builder) << error;
    return builder ? std::move(*builder) : mkdk::ListBuilder();
}

std::unique_ptr<ListDocument> LoadDescription(const std::string& description) {
    return Load(Describe(description));
}

const char* const SampleTree = R"(root "C:\"
F top.txt
D A
  F a.txt
  D B
    D C
      F c.txt
    F b.txt
D Z
  F z.txt
)";

FolderTreeNode* TreeNode(FolderTree& tree, const std::string& letters) {
    FolderTreeNode* node = tree.Root();
    for (const char letter : letters) {
        FolderTreeNode* next = nullptr;
        for (FolderTreeNode* child : node ? node->Children : std::span<FolderTreeNode*>())
            if (tree.Caption(*child) == std::string(1, letter))
                next = child;
        node = next;
    }
    return node;
}

ListNode* Child(ListNode& node, const std::string& utf8Name) {
    const std::string name = Enc(utf8Name);
    for (ListNode* child : node.Children)
        if (child->Record->Name() == name)
            return child;
    return nullptr;
}

ListNode* At(ListNode& root, const std::string& utf8Path) {
    ListNode* node = &root;
    std::stringstream parts(utf8Path);
    std::string part;
    while (node && std::getline(parts, part, '/'))
        node = Child(*node, part);
    return node;
}

} // namespace dk::test
