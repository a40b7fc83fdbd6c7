#include "app/AboutUnit.h"
#include "TestSupport.h"
#include "UiTestHelpers.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace dk {
namespace {

struct Layout {
    QSize window;
    QRect version, link, button, bevel;
    bool operator==(const Layout&) const = default;
};

Layout Capture(const TAboutForm& form) {
    return {form.size(), form.findChild<QLabel*>("VersionLabel")->geometry(),
            form.findChild<QLabel*>("Link1Label")->geometry(),
            form.findChild<QPushButton*>("BitBtn")->geometry(),
            form.findChild<QFrame*>("Bevel")->geometry()};
}

TEST(AboutForm, LaysItselfOutFromTheWiderLineTheSameAtEveryShowing) {
    for (const char* language : {"rus", "eng"}) {
        SCOPED_TRACE(language);
        test::ScopedLanguage scoped(language);
        localeTexts texts;
        BuildInterfaceTexts(texts);
        QWidget mainWindow;
        mainWindow.setGeometry(20, 20, 600, 400);
        mainWindow.show();
        TAboutForm form(texts, &mainWindow);
        form.ApplyTexts();

        form.show();
        const Layout first = Capture(form);
        // Placed over the main window at its new width, not at the designed one.
        EXPECT_LE((form.geometry().center() - mainWindow.geometry().center()).manhattanLength(), 1);
        form.hide();
        form.show();
        EXPECT_EQ(Capture(form), first);

        const int line1 = form.findChild<QLabel*>("Label1")->width();
        const int line2 = form.findChild<QLabel*>("Label2")->width();
        ASSERT_GT(line2, 0);
        if (std::string(language) == "rus") {
            ASSERT_GT(line2, line1); // so the window is Label2 + 64 + 80 wide
        }
        const int width = std::max(line1, line2) + 64 + 80;
        EXPECT_EQ(first.window, QSize(width, 184));

        const auto* version = form.findChild<QLabel*>("VersionLabel");
        EXPECT_EQ(version->text(), "Dorvik.light 1.0");
        EXPECT_EQ(first.version.topLeft(),
                  QPoint((width - 10) / 2 - first.version.width() / 2, 16));
        EXPECT_EQ(first.link.topLeft(), QPoint((width - 10) / 2 - first.link.width() / 2, 98));
        EXPECT_EQ(first.button, QRect((width - 5) / 2 - 50, 143, 100, 31));
        EXPECT_EQ(first.bevel, QRect(4, 125, width - 25, 6));
        EXPECT_EQ(form.windowTitle().toStdString(), Text(texts.AboutTexts, about::Title));
    }
}

TEST(AboutForm, LinkOpensItsHintAndReportsAFailureWithTheAddress) {
    localeTexts texts;
    BuildInterfaceTexts(texts);
    TAboutForm form(texts);
    form.ApplyTexts();
    auto* link = form.findChild<QLabel*>("Link1Label");
    const QString address = link->toolTip();
    ASSERT_EQ(address.toStdString(), Text(texts.AboutTexts, about::Address));

    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens);
        QUrl asked;
        form.SetUrlOpener([&](const QUrl& url) {
            asked = url;
            return opens;
        });
        form.show();
        test::MessageCatcher catcher;
        QTest::mouseClick(link, Qt::LeftButton);
        QCoreApplication::processEvents();

        EXPECT_EQ(asked, QUrl(address));
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(catcher.seen, !opens);
        if (!opens) {
            EXPECT_EQ(catcher.text, QStringLiteral(u"Не удалось открыть страницу - ") + address);
            EXPECT_EQ(catcher.title, "Dorvik.light");
            EXPECT_EQ(catcher.buttons, QMessageBox::Ok);
        }
    }
}

} // namespace
} // namespace dk
