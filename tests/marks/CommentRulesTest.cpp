#include "marks/CommentRules.h"
#include "TestSupport.h"
#include "browse/ListFolder.h"

#include <gtest/gtest.h>

namespace dk {
namespace {

TEST(CommentRules, LineBreaksBecomeBlanks) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"first line\r\nsecond line", "first line second line"},
        {"first line \r\nsecond line", "first line second line"},
        {"ab\r\nc", "ab c"},
        {"ab\r\n", "ab"},
        {"a\r\n\r\nb", "a b"},
        {"a\r\n\r\n", "a "}, // the first break has text (a break) after it
        {"x\r\n y", "x  y"}, // only the character before counts
        {"\r\nab", "ab"},    // nothing before: no blank
        {"\r\n\r\n", ""},
        {" ", " "},
        {"a\nb\rc\n", "a b c"}, // breaks as this system's edit box gives them
        {"Отчёт\r\nготов", "Отчёт готов"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinCommentLines(c.typed), c.stored) << c.typed;
    EXPECT_EQ(AcceptCommentText(""), std::nullopt) << "message::NoComment, cancelled";
    EXPECT_EQ(AcceptCommentText("\r\n"), std::string()) << "accepted, empties the comment";
}

TEST(CommentRules, SelectionChecks) {
    auto document = test::LoadDescription("D A\n  F a\n  F b\n");
    ListNode& root = *document->Root();
    ShownList shown;
    ASSERT_TRUE(ListFolder(shown, "C:\\*A*", root, ""));
    using Status = CommentSelection::Status;

    CommentSelection none = CheckCommentSelection(shown, {});
    EXPECT_EQ(none.State, Status::NothingSelected);
    EXPECT_EQ(none.Message, message::SelectToComment);
    CommentSelection several = CheckCommentSelection(shown, {0, 2});
    EXPECT_EQ(several.State, Status::SeveralSelected);
    EXPECT_EQ(several.Message, message::SeveralSelected);
    CommentSelection parent = CheckCommentSelection(shown, {0});
    EXPECT_EQ(parent.State, Status::NoEntry);
    EXPECT_EQ(parent.Message, -1);

    CommentSelection one = CheckCommentSelection(shown, {2, 2});
    EXPECT_EQ(one.State, Status::Ready);
    EXPECT_EQ(one.Row, 2u);
    EXPECT_EQ(one.Entry, test::At(root, "A/b"));
}

TEST(CommentRules, DialogTitleInBothLanguages) {
    localeTexts texts;
    BuildInterfaceTexts(texts);
    const localItems& captions = texts.CaptionTexts;
    EXPECT_EQ(CommentDialogTitle(captions, "rus", KindFile, "report.txt"),
              "Ввод комментарияКомментарий для файла report.txt");
    EXPECT_EQ(CommentDialogTitle(captions, "eng", KindFile, "report.txt"),
              "Enter comment Comment for File report.txt");
    EXPECT_EQ(CommentDialogTitle(captions, "ENG", KindFolder, "Docs\\Отчёты"),
              "Enter comment Commeny for folfer Docs\\Отчёты");
    EXPECT_EQ(CommentDialogTitle(captions, "rus", KindFolder, "Docs"),
              "Ввод комментарияКомментарий для папки Docs");
    EXPECT_EQ(CommentDialogTitle(captions, "eng", 'X', "odd"), "Enter comment ");
}

TEST(CommentRules, TheRecordGetsCodePageBytesThatFit) {
    const TextCodec& cp1251 = test::Cp1251();
    EXPECT_EQ(CommentBytes(cp1251, "Отчёт 漢"), test::Enc("Отчёт ") + "?");
    EXPECT_EQ(CommentBytes(cp1251, std::string(300, 'a')), std::string(255, 'a'));

    // Two bytes a character: the cut falls between characters.
    const auto utf8 = TextCodec::Create("UTF-8");
    std::string cyrillic;
    for (int i = 0; i < 200; ++i)
        cyrillic += "ж";
    EXPECT_EQ(CommentBytes(*utf8, cyrillic), cyrillic.substr(0, 254));

    WindowState state;
    state.Document = test::LoadDescription("F a comment=old\n");
    state.Codec = TextCodec::Create(DefaultEncoding);
    ListNode& a = *state.Root()->Children[0];
    ApplyComment(state, a, std::string(300, 'z'));
    EXPECT_TRUE(state.ListChanged);
    EXPECT_EQ(a.Record->Comment(), std::string(255, 'z'));
    EXPECT_EQ(a.Record->Raw[ListRecord::CommentOffset + 255], 0) << "still terminated";
    ApplyComment(state, a, "");
    EXPECT_EQ(a.Record->Comment(), "");
}

} // namespace
} // namespace dk
