#include "search/Maskunit.h"
#include "TestSupport.h"
#include "UiTestHelpers.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

namespace dk {
namespace {

struct MaskDialog {
    localeTexts texts = test::BuiltTexts();
    TMaskForm form{texts};
    QLineEdit* edit() { return form.findChild<QLineEdit*>("ledMask"); }
    QPushButton* find() { return form.findChild<QPushButton*>("FindBitBtn"); }
    QPushButton* cancel() { return form.findChild<QPushButton*>("CancelBitBtn"); }
};

TEST(MaskForm, ShowsEmptyWithTitleAndCaptionsFromTheTables) {
    MaskDialog dialog;
    dialog.form.open();
    EXPECT_EQ(dialog.form.windowTitle(), QStringLiteral(u"Поиск"));
    EXPECT_EQ(dialog.find()->text(), QStringLiteral(u"Поиск"));
    EXPECT_EQ(dialog.cancel()->text(), QStringLiteral(u"Отменить"));
    EXPECT_EQ(dialog.form.focusWidget(), dialog.edit());

    // A showing after a confirmed mask starts empty again, with Find off.
    QTest::keyClicks(dialog.edit(), "abc");
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    dialog.form.open();
    EXPECT_TRUE(dialog.edit()->text().isEmpty());
    EXPECT_FALSE(dialog.find()->isEnabled());
}

TEST(MaskForm, FindIsEnabledOnlyWhileThereIsText) {
    MaskDialog dialog;
    dialog.form.open();
    EXPECT_FALSE(dialog.find()->isEnabled());
    QTest::keyClick(dialog.edit(), Qt::Key_Space);
    EXPECT_TRUE(dialog.find()->isEnabled()) << "a blank is a character";
    QTest::keyClick(dialog.edit(), Qt::Key_Backspace);
    EXPECT_FALSE(dialog.find()->isEnabled());

    // Enter does nothing while Find is off.
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.form.isVisible());
}

TEST(MaskForm, EnterAndFindConfirmTheMaskAsTyped) {
    const std::function<void(MaskDialog&)> confirms[] = {
        [](MaskDialog& d) { QTest::keyClick(d.edit(), Qt::Key_Return); },
        [](MaskDialog& d) { QTest::mouseClick(d.find(), Qt::LeftButton); },
    };
    for (const auto& confirm : confirms) {
        MaskDialog dialog;
        dialog.form.open();
        QSignalSpy accepted(&dialog.form, &QDialog::accepted);
        QTest::keyClicks(dialog.edit(), " *.txt ");
        confirm(dialog);
        EXPECT_FALSE(dialog.form.isVisible());
        EXPECT_EQ(accepted.count(), 1);
        EXPECT_EQ(dialog.form.SearchMask(), " *.txt ");
    }
}

TEST(MaskForm, EscCancelAndTheCloseBoxCancelAndKeepThePreviousMask) {
    const std::function<void(MaskDialog&)> cancels[] = {
        [](MaskDialog& d) { QTest::keyClick(d.edit(), Qt::Key_Escape); },
        [](MaskDialog& d) { QTest::mouseClick(d.cancel(), Qt::LeftButton); },
        [](MaskDialog& d) { d.form.windowHandle()->close(); },
    };
    for (const auto& cancel : cancels) {
        MaskDialog dialog;
        dialog.form.open();
        QTest::keyClicks(dialog.edit(), "old");
        QTest::keyClick(dialog.edit(), Qt::Key_Return);
        ASSERT_EQ(dialog.form.SearchMask(), "old");

        dialog.form.open();
        QSignalSpy rejected(&dialog.form, &QDialog::rejected);
        QTest::keyClicks(dialog.edit(), "new");
        cancel(dialog);
        EXPECT_FALSE(dialog.form.isVisible());
        EXPECT_EQ(rejected.count(), 1);
        EXPECT_EQ(dialog.form.SearchMask(), "old");
    }
}

} // namespace
} // namespace dk
