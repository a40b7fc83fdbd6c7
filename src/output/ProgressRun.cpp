#include "output/ProgressRun.h"

#include <algorithm>

namespace dk {

std::int64_t ProgressPercent(std::int64_t done, std::int64_t total) {
    if (total <= 0)
        return 100;
    const std::int64_t scaled = done * 100;
    std::int64_t percent = scaled / total;
    const std::int64_t twiceRest = (scaled % total) * 2;
    if (twiceRest > total || (twiceRest == total && percent % 2 != 0))
        ++percent;
    return percent;
}

void ProgressRun::Start(std::int32_t kind, std::int64_t total, ProgressWindow* window) {
    kind_ = kind;
    total_ = total;
    done_ = 0;
    percent_ = 0;
    position_ = 0; // every run shows a new bar
    cancelRequested_ = false;
    window_ = window;
}

void ProgressRun::Step() {
    if (cancelRequested_)
        return;
    ++done_;
    percent_ = ProgressPercent(done_, total_);
    // The bar holds at most 100, so a run that steps past its total still
    // moves it once more, to full, and lets events run then.
    if (percent_ == position_)
        return;
    position_ = static_cast<int>(std::clamp<std::int64_t>(percent_, 0, 100));
    if (window_)
        window_->ShowPosition(position_);
}

void ProgressRun::End() {
    cancelRequested_ = false;
    window_ = nullptr;
}

} // namespace dk
