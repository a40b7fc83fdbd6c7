#pragma once

namespace dk {

// What a long tree walk reports to: one step per node, and the user's wish to
// stop, which the walk checks after every step.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void Step() = 0;
    virtual bool CancelRequested() const = 0;
};

} // namespace dk
