#pragma once

#include "app/LocaleTexts.h"

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QUrl;

namespace dk {

// The only version information the program shows.
inline constexpr const char* VersionText = "1.0";

// The About window: the program's name and version, what it is for, and a
// link to the support page. Created once and shown modally on demand; its
// layout is recomputed from the label widths at every showing.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    // Opens a web address in the user's browser; false when the system could
    // not. Replaceable so the failure path can be exercised without a browser.
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit TAboutForm(const localeTexts& texts, QWidget* parent = nullptr);

    // Puts the title, the three lines, the link caption, the link address (its
    // hint) and the close caption on the window in the current language. The
    // main window calls it each time it applies its own texts.
    void ApplyTexts();

    void SetUrlOpener(UrlOpener opener);

    // Lays the window out before it is placed, so it is centred at its new width.
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Link1LabelClick();

private:
    void FormShow();

    const localeTexts& texts_;
    UrlOpener openUrl_;

    QFrame* Bevel;
    QPushButton* BitBtn;
    QLabel* VersionLabel;
    QLabel* Label1;
    QLabel* Link1Label;
    QLabel* Label2;
    QLabel* Label3;
};

} // namespace dk
