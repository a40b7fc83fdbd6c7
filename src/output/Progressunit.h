#pragma once

#include "app/LocaleTexts.h"

#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace dk {

// The progress window of one run over the tree (saving, text export): a
// percentage bar, and closing it is the user's only way to cancel. A new
// window is made for each run; it deletes itself once closed, so holders
// keep it in a QPointer.
class TProgressForm : public QWidget {
    Q_OBJECT

public:
    explicit TProgressForm(const localeTexts& texts, QWidget* parent = nullptr);

    // Turns the first look into the run's look (counters hidden, bar shown,
    // `caption` as the title), shows and repaints the window at once and lets
    // pending window events run once, so the window is up before the walk.
    void ShowProgress(const QString& caption);

    // Moves the bar and repaints it at once; a position above 100 shows a
    // full bar. Position() answers what was set, not what is drawn.
    void SetPosition(int percent);
    int Position() const { return position_; }

    // Lets pending window events run once: the point where a close by the
    // user reaches the window.
    void ProcessEventsOnce();

    // SetPosition, then ProcessEventsOnce: what a step that changes the
    // whole percentage does.
    void ShowPosition(int percent);

    // The run completed: restores the first look and closes the window
    // without asking for a cancel.
    void FinishProgress();

    // The user closed the window (or pressed its cancel button) during the run.
    bool CancelRequested() const { return cancelRequested_; }

signals:
    // Emitted once, when the user asks the run to stop.
    void UserCancelled();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void btnOKClick();
    void btnCancelClick();

private:
    void RestoreFirstLook();
    void RequestCancel();

    const localeTexts& texts_;
    QString firstCaption_;
    QString firstDirsCaption_;
    QString firstFilesCaption_;
    bool okFlag_ = false;
    bool cancelRequested_ = false;
    int position_ = 0;

    QLabel* CountDirsLabel;
    QLabel* laDir;
    QLabel* CountFilesLabel;
    QLabel* laFile;
    QProgressBar* pBar;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

} // namespace dk
