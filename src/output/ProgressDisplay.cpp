#include "output/ProgressDisplay.h"

#include "output/Progressunit.h"

namespace dk {

ProgressDisplay::ProgressDisplay(const localeTexts& texts, QWidget* parent, ProgressRun& run)
    : run_(run), window_(new TProgressForm(texts, parent)) {
    QObject::connect(window_, &TProgressForm::UserCancelled, window_, [this] { run_.RequestCancel(); });
}

ProgressDisplay::~ProgressDisplay() {
    if (window_)
        window_->close();
}

void ProgressDisplay::Show(std::int32_t kind, std::int64_t total, const QString& caption) {
    run_.Start(kind, total, this);
    window_->ShowProgress(caption);
}

void ProgressDisplay::Finish() {
    if (window_ && !run_.CancelRequested())
        window_->FinishProgress();
    run_.End();
}

void ProgressDisplay::ShowPosition(int percent) {
    if (window_)
        window_->ShowPosition(percent);
}

} // namespace dk
