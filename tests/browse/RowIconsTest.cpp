#include "browse/RowIcons.h"

#include <gtest/gtest.h>
#include <set>

namespace dk {
namespace {

struct FakeLookup : IconLookup {
    std::set<std::string> existing;
    std::set<std::string> types;
    std::vector<std::string> asked;
    bool Exists(const std::string& path) override { return existing.count(path) > 0; }
    bool HasFileTypeIcon(const std::string& extension) override {
        asked.push_back(extension);
        return types.count(extension) > 0;
    }
};

ListRecord Entry(char kind) {
    ListRecord record;
    record.SetKind(kind);
    return record;
}

TEST(RowIcons, TheChoiceGoesFromTheRealFileToTheGenericIcon) {
    FakeLookup lookup;
    lookup.existing = {"/home/u/Photos/a.JPG", "/home/u/Photos"};
    lookup.types = {".jpg", ".txt"};
    using S = RowIcon::Source;
    struct Case {
        char kind;
        const char* path;
        RowIcon expected;
    };
    const Case cases[] = {
        {'F', "\\home\\u\\Photos\\a.JPG", {S::LocalPath, "/home/u/Photos/a.JPG"}},
        {'F', "\\home\\u\\Photos", {S::LocalPath, "/home/u/Photos"}}, // whatever the Kind
        {'D', "C:\\Windows\\System", {S::Folder, ""}},
        {'F', "C:\\Docs\\b.JPG", {S::FileType, ".jpg"}},
        {'F', "C:\\Docs\\notes.Txt", {S::FileType, ".txt"}},
        {'F', "C:\\Docs\\archive.xyz", {S::GenericFile, ""}},
        {'F', "C:\\Docs.old\\README", {S::GenericFile, ""}},
        {'X', "C:\\Docs\\b.jpg", {S::GenericFile, ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseRowIcon(Entry(c.kind), c.path, lookup), c.expected) << c.path;
    EXPECT_EQ(LowerExtension("C:\\Docs.old\\README"), "");
    EXPECT_EQ(LowerExtension("C:\\x\\Отчёт.ДОК"), ".док");
}

} // namespace
} // namespace dk
