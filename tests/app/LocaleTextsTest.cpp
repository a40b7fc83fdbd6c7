#include "app/LocaleTexts.h"

#include <gtest/gtest.h>

namespace dk {
namespace {

TEST(LocaleTexts, LookupByIndexAndLanguage) {
    localeTexts texts;
    EXPECT_EQ(localText(texts.MessageTexts, 0, "rus"), "") << "nothing stored yet";
    BuildInterfaceTexts(texts);
    EXPECT_EQ(texts.CaptionTexts.count(), 34);
    EXPECT_EQ(texts.HintTexts.count(), 21);
    EXPECT_EQ(texts.AboutTexts.count(), 7);
    EXPECT_EQ(texts.MessageTexts.count(), 23);

    EXPECT_EQ(localText(texts.HintTexts, 20, "rus"), "Повреждённый");
    EXPECT_EQ(localText(texts.HintTexts, 21, "rus"), "");
    EXPECT_EQ(localText(texts.CaptionTexts, -1, "rus"), "");
    EXPECT_EQ(localText(texts.CaptionTexts, 34, "eng"), "");
    EXPECT_EQ(localText(texts.MessageTexts, 0, "Rus"), "Ошибка");
    EXPECT_EQ(localText(texts.MessageTexts, 0, "ENG"), "Error");
    EXPECT_EQ(localText(texts.MessageTexts, 0, "deu"), "");
    EXPECT_EQ(localText(texts.CaptionTexts, 23, "eng"), localText(texts.CaptionTexts, 31, "eng"))
        << "equal texts at two indexes are both kept";
    EXPECT_EQ(localText(texts.CaptionTexts, 29, "eng"), "Enter comment ");
    EXPECT_EQ(localText(texts.CaptionTexts, 22, "rus"), "Список файлов (*.dk)|*.dk");
    EXPECT_EQ(localText(texts.HintTexts, hint::Hidden, "eng"), "Hidden");

    localeTexts again = texts;
    BuildInterfaceTexts(again);
    EXPECT_EQ(again.CaptionTexts.russian(), texts.CaptionTexts.russian()) << "a second build";
}

TEST(LocaleTexts, AddLanguage) {
    localItems table;
    const std::vector<std::string> two = {"a", "b"};
    EXPECT_FALSE(table.addLanguage("rus", nullptr));
    EXPECT_EQ(table.count(), 0);
    EXPECT_TRUE(table.addLanguage("rus", &two));
    EXPECT_EQ(table.count(), 2);
    const std::vector<std::string> three = {"x", "y", "z"};
    EXPECT_TRUE(table.addLanguage("fra", &three)) << "an unknown code stores nothing";
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(table.russian(), two);
    EXPECT_TRUE(table.english().empty());
    EXPECT_EQ(localText(table, 1, "rus"), "b");
}

} // namespace
} // namespace dk
