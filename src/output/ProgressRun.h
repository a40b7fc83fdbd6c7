#pragma once

#include "output/ProgressSink.h"

#include <cstdint>

namespace dk {

// Which operation owns a progress run.
constexpr std::int32_t ProgressKindNone = 0;
constexpr std::int32_t ProgressKindExport = 2;
constexpr std::int32_t ProgressKindSaving = 5;

// The window side of a progress run: the progress window moves its bar and
// lets the window system handle pending events once, which is when a close of
// the window reaches the run (as RequestCancel).
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    // `percent` is the bar's new position, 0 to 100.
    virtual void ShowPosition(int percent) = 0;
};

// The counting of one long tree walk at a time: how many steps it expects,
// how many are done, and whether the user has asked to stop. The window is
// told only when the whole percentage changes, so a run of any size lets
// events run about a hundred times.
//
// One object serves every run of the program; each run begins with Start,
// which clears a cancel left by the run before.
class ProgressRun final : public ProgressSink {
public:
    // Begins a run of `kind` expecting `total` steps (for a tree walk, the
    // nodes below its root); `window` may be null when nothing shows it.
    void Start(std::int32_t kind, std::int64_t total, ProgressWindow* window);

    // One step: counts it and moves the bar when the percentage changes.
    // Nothing happens once cancellation is requested.
    void Step() override;
    bool CancelRequested() const override { return cancelRequested_; }

    // The user closed the progress window: the walk stops at its next check.
    void RequestCancel() { cancelRequested_ = true; }

    // The run is over: the window is forgotten and the cancel request cleared.
    void End();

    std::int32_t Kind() const { return kind_; }
    std::int64_t Total() const { return total_; }
    std::int64_t Done() const { return done_; }
    // The percentage the last counted step computed; above 100 when a run
    // steps past its total (a save steps once more, for the root).
    std::int64_t Percent() const { return percent_; }
    // Where the bar stands, 0 to 100.
    int Position() const { return position_; }

private:
    std::int32_t kind_ = ProgressKindNone;
    std::int64_t total_ = 0;
    std::int64_t done_ = 0;
    std::int64_t percent_ = 0;
    int position_ = 0;
    bool cancelRequested_ = false;
    ProgressWindow* window_ = nullptr;
};

// done / total × 100 to the nearest whole number, an exact half to the even
// one; computed exactly, so a half is recognised as a half. A total of 0 (a
// run over nothing) counts as complete: 100.
std::int64_t ProgressPercent(std::int64_t done, std::int64_t total);

} // namespace dk
