#include "output/Progressunit.h"
#include "TestSupport.h"
#include "UiTestHelpers.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>

namespace dk {
namespace {

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A progress window as a run holds it: made fresh, deleting itself on close.
struct ProgressRun {
    ~ProgressRun() { delete form.data(); }
    localeTexts texts = test::BuiltTexts();
    QPointer<TProgressForm> form = new TProgressForm(texts);
    template <class T> T* child(const char* name) { return form->findChild<T*>(name); }

    // The window as it was made: counters up, bar and buttons hidden.
    void ExpectFirstLook() {
        EXPECT_EQ(form->windowTitle(), QStringLiteral(u"Прогресс считывания структуры каталога"));
        EXPECT_EQ(child<QLabel>("CountDirsLabel")->text(), QStringLiteral(u"Папок:"));
        EXPECT_EQ(child<QLabel>("CountFilesLabel")->text(), QStringLiteral(u"Файлов:"));
        for (const char* label : {"CountDirsLabel", "laDir", "CountFilesLabel", "laFile"})
            EXPECT_TRUE(child<QLabel>(label)->isVisibleTo(form)) << label;
        EXPECT_FALSE(child<QProgressBar>("pBar")->isVisibleTo(form));
        EXPECT_FALSE(child<QPushButton>("btnOK")->isVisibleTo(form));
        EXPECT_FALSE(child<QPushButton>("btnCancel")->isVisibleTo(form));
    }
};

TEST(ProgressForm, RunShowsOnlyTheBarAndFinishRestoresTheFirstLook) {
    test::ScopedLanguage english("eng");
    ProgressRun run;
    run.ExpectFirstLook();
    EXPECT_EQ(run.child<QLabel>("laDir")->text(), "0");
    EXPECT_EQ(run.child<QPushButton>("btnCancel")->text(), "Cancel");

    QSignalSpy cancelled(run.form.data(), &TProgressForm::UserCancelled);
    run.form->ShowProgress("Saving DK-file");
    EXPECT_TRUE(run.form->isVisible());
    EXPECT_EQ(run.form->windowTitle(), "Saving DK-file");
    EXPECT_EQ(run.form->size(), QSize(410, 123));
    for (const char* label : {"CountDirsLabel", "laDir", "CountFilesLabel", "laFile"})
        EXPECT_FALSE(run.child<QLabel>(label)->isVisible()) << label;
    EXPECT_EQ(run.child<QLabel>("CountDirsLabel")->text(), "Folders:");
    EXPECT_EQ(run.child<QLabel>("CountFilesLabel")->text(), "Files:");
    EXPECT_TRUE(run.child<QProgressBar>("pBar")->isVisible());
    EXPECT_FALSE(run.child<QPushButton>("btnCancel")->isVisible());

    run.form->FinishProgress();
    EXPECT_FALSE(run.form->isVisible());
    run.ExpectFirstLook();
    EXPECT_EQ(cancelled.count(), 0);
    EXPECT_FALSE(run.form->CancelRequested());
    DeleteClosedWindows();
    EXPECT_TRUE(run.form.isNull());
}

TEST(ProgressForm, BarShowsThePositionAndAnythingAboveAHundredAsFull) {
    ProgressRun run;
    run.form->ShowProgress("run");
    auto* bar = run.child<QProgressBar>("pBar");
    EXPECT_EQ(bar->value(), 0);
    const struct {
        int position, shown;
    } cases[] = {{1, 1}, {37, 37}, {100, 100}, {125, 100}, {99, 99}, {-3, 0}};
    for (const auto& c : cases) {
        run.form->ShowPosition(c.position);
        EXPECT_EQ(run.form->Position(), c.position);
        EXPECT_EQ(bar->value(), c.shown) << c.position;
    }
}

TEST(ProgressForm, ClosingByTheUserRequestsACancelOnce) {
    ProgressRun run;
    QSignalSpy cancelled(run.form.data(), &TProgressForm::UserCancelled);
    run.form->ShowProgress("run");
    run.form->ShowPosition(40);

    run.form->windowHandle()->close();
    EXPECT_EQ(cancelled.count(), 1);
    ASSERT_FALSE(run.form.isNull());
    EXPECT_TRUE(run.form->CancelRequested());
    EXPECT_FALSE(run.form->isVisible());
    run.ExpectFirstLook();
    DeleteClosedWindows();
    EXPECT_TRUE(run.form.isNull());
}

} // namespace
} // namespace dk
