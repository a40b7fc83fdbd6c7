#pragma once

#include "app/LocaleTexts.h"
#include "output/ProgressRun.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace dk {

class TProgressForm;

// One progress run on screen: a new progress window for the run, the bar
// moved by the run's steps, and the user's closing of the window turned into
// the run's cancel request.
class ProgressDisplay : public ProgressWindow {
public:
    ProgressDisplay(const localeTexts& texts, QWidget* parent, ProgressRun& run);
    ~ProgressDisplay() override;

    // Starts the run and shows the window with `caption`.
    void Show(std::int32_t kind, std::int64_t total, const QString& caption);
    // Closes the window when the run was not cancelled; ends the run.
    void Finish();

    void ShowPosition(int percent) override;

private:
    ProgressRun& run_;
    QPointer<TProgressForm> window_;
};

} // namespace dk
