#pragma once

#include "app/LocaleTexts.h"

#include <QWidget>
#include <cstdint>
#include <optional>

class QLabel;

namespace dk {

// The busy window: a borderless panel with one line of text, shown while a
// list is read or searched. It cannot cancel anything. A new window is made
// for each operation; it deletes itself once the operation closes it.
class TOpenSaveForm : public QWidget {
    Q_OBJECT

public:
    explicit TOpenSaveForm(const localeTexts& texts, QWidget* parent = nullptr);

    // Shows the window with the CaptionTexts entry `captionIndex` on its panel
    // (the operation's sender chooses it: caption::BusyLoading, BusySaving,
    // BusySearching), or with an empty panel when none is given; repaints it
    // at once and lets pending window events run once, so it is up before the
    // work starts.
    void ShowBusy(std::optional<std::int32_t> captionIndex);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const localeTexts& texts_;
    QLabel* ProgressPanel;
};

} // namespace dk
