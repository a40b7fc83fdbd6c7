#include "marks/Commentunit.h"
#include "TestSupport.h"
#include "UiTestHelpers.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>

namespace dk {
namespace {

struct CommentDialog {
    localeTexts texts = test::BuiltTexts();
    TCommentForm form{texts};
    QPlainTextEdit* edit() { return form.findChild<QPlainTextEdit*>("redComment"); }
    QPushButton* ok() { return form.findChild<QPushButton*>("btOk"); }
    QPushButton* cancel() { return form.findChild<QPushButton*>("btCancel"); }
};

TEST(CommentForm, TitleNamesTheEntryInEitherLanguage) {
    struct Case {
        const char* language;
        char kind;
        const char* target;
        const char16_t* title;
        const char16_t* ok;
        const char16_t* cancel;
    };
    const Case cases[] = {
        {"rus", 'F', "report.txt", u"Ввод комментарияКомментарий для файла report.txt", u"Принять",
         u"Отмена"},
        {"eng", 'F', "report.txt", u"Enter comment Comment for File report.txt", u"Apply",
         u"Cancel"},
        {"rus", 'D', "Docs\\Old", u"Ввод комментарияКомментарий для папки Docs\\Old", u"Принять",
         u"Отмена"},
        {"eng", 'D', "Docs", u"Enter comment Commeny for folfer Docs", u"Apply", u"Cancel"},
        {"rus", 'X', "odd", u"Ввод комментария", u"Принять", u"Отмена"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.kind);
        test::ScopedLanguage language(c.language);
        CommentDialog dialog;
        dialog.form.SetCommentKind(c.kind);
        dialog.form.SetCommentTarget(QString::fromUtf8(c.target));
        dialog.form.open();
        EXPECT_EQ(dialog.form.windowTitle(), QString::fromUtf16(c.title));
        EXPECT_EQ(dialog.ok()->text(), QString::fromUtf16(c.ok));
        EXPECT_EQ(dialog.cancel()->text(), QString::fromUtf16(c.cancel));
    }
}

TEST(CommentForm, EmptyTextIsRefusedWithAMessageAndCancels) {
    CommentDialog dialog;
    dialog.form.SetCommentText("old");
    dialog.form.SetCommentKind('F');
    dialog.form.open();
    EXPECT_EQ(dialog.edit()->toPlainText(), "old");
    dialog.edit()->clear();

    QSignalSpy rejected(&dialog.form, &QDialog::rejected);
    test::MessageCatcher catcher;
    QTest::mouseClick(dialog.ok(), Qt::LeftButton);
    EXPECT_TRUE(catcher.seen);
    EXPECT_EQ(catcher.text, QStringLiteral(u"Комментарий не введён!"));
    EXPECT_EQ(catcher.title, "Dorvik.light");
    EXPECT_EQ(catcher.buttons, QMessageBox::Ok);
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_FALSE(dialog.form.isVisible());
}

TEST(CommentForm, AcceptedTextGoesThroughTheLineJoinWithCrLfBreaks) {
    CommentDialog dialog;
    std::string joined;
    dialog.form.SetLineJoin([&](std::string_view text) {
        joined = text;
        return std::string("one line");
    });
    dialog.form.open();
    QSignalSpy accepted(&dialog.form, &QDialog::accepted);
    QTest::keyClicks(dialog.edit(), "ab");
    QTest::keyClick(dialog.edit(), Qt::Key_Return); // a new line, not the default button
    EXPECT_TRUE(dialog.form.isVisible());
    QTest::keyClicks(dialog.edit(), "c");
    QTest::mouseClick(dialog.ok(), Qt::LeftButton);

    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(joined, "ab\r\nc");
    EXPECT_EQ(dialog.form.CommentText(), "one line");
}

TEST(CommentForm, EscDoesNothingAndTheCloseBoxCancels) {
    CommentDialog dialog;
    dialog.form.open();
    QSignalSpy rejected(&dialog.form, &QDialog::rejected);
    QTest::keyClicks(dialog.edit(), "draft");
    QTest::keyClick(dialog.edit(), Qt::Key_Escape);
    QTest::keyClick(dialog.cancel(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.form.isVisible());
    EXPECT_EQ(rejected.count(), 0);

    dialog.form.windowHandle()->close();
    EXPECT_FALSE(dialog.form.isVisible());
    EXPECT_EQ(rejected.count(), 1);
}

TEST(CommentForm, TypingStopsAtTheLimitButALongerCommentIsShownWhole) {
    CommentDialog dialog;
    dialog.form.open();
    QTest::keyClicks(dialog.edit(), QString(TCommentForm::MaxTypedLength + 6, u'x'));
    EXPECT_EQ(dialog.edit()->toPlainText().size(), TCommentForm::MaxTypedLength);
    dialog.edit()->insertPlainText(QStringLiteral("pasted"));
    EXPECT_EQ(dialog.edit()->toPlainText().size(), TCommentForm::MaxTypedLength);

    dialog.form.reject();
    const QString present(255, u'p');
    dialog.form.SetCommentText(present);
    dialog.form.open();
    EXPECT_EQ(dialog.edit()->toPlainText(), present);
    QTest::keyClicks(dialog.edit(), "more");
    EXPECT_EQ(dialog.edit()->toPlainText(), present);
}

} // namespace
} // namespace dk
