#include "app/AboutUnit.h"

#include "app/UserPrompts.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

#include <algorithm>

namespace dk {

namespace {

constexpr int ClientHeight = 184;

QString AboutText(const localeTexts& texts, std::int32_t index) {
    return QString::fromStdString(Text(texts.AboutTexts, index));
}

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    return label;
}

} // namespace

TAboutForm::TAboutForm(const localeTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(367, ClientHeight);

    Bevel = new QFrame(this);
    Bevel->setObjectName(QStringLiteral("Bevel"));
    Bevel->setFrameShape(QFrame::HLine);
    Bevel->setFrameShadow(QFrame::Sunken);
    Bevel->setGeometry(4, 125, 357, 6);

    BitBtn = new QPushButton(this);
    BitBtn->setObjectName(QStringLiteral("BitBtn"));
    BitBtn->setGeometry(127, 143, 98, 31);
    BitBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    QPalette buttonColours = BitBtn->palette();
    buttonColours.setColor(QPalette::ButtonText, buttonColours.color(QPalette::Highlight));
    BitBtn->setPalette(buttonColours);
    connect(BitBtn, &QPushButton::clicked, this, &QDialog::accept);

    VersionLabel = MakeLabel(this, "VersionLabel", 113, 16);
    QFont bold = VersionLabel->font();
    bold.setBold(true);
    VersionLabel->setFont(bold);

    Label1 = MakeLabel(this, "Label1", 64, 39);

    Link1Label = MakeLabel(this, "Link1Label", 123, 98);
    Link1Label->setCursor(Qt::PointingHandCursor);
    QPalette linkColours = Link1Label->palette();
    linkColours.setColor(QPalette::WindowText, Qt::blue);
    Link1Label->setPalette(linkColours);
    Link1Label->installEventFilter(this);

    Label2 = MakeLabel(this, "Label2", 64, 58);
    Label3 = MakeLabel(this, "Label3", 64, 76);
}

void TAboutForm::ApplyTexts() {
    setWindowTitle(AboutText(texts_, about::Title));
    Label1->setText(AboutText(texts_, about::Line1));
    Label2->setText(AboutText(texts_, about::Line2));
    Label3->setText(AboutText(texts_, about::Line3));
    Link1Label->setText(AboutText(texts_, about::Link));
    BitBtn->setText(AboutText(texts_, about::Close));
    Link1Label->setToolTip(AboutText(texts_, about::Address));
    for (QLabel* label : {Label1, Label2, Label3, Link1Label})
        label->adjustSize();
}

void TAboutForm::SetUrlOpener(UrlOpener opener) {
    openUrl_ = std::move(opener);
}

void TAboutForm::setVisible(bool visible) {
    if (visible && !isVisible())
        FormShow();
    QDialog::setVisible(visible);
}

// The link is a plain label, so its click is taken from the release of the
// left button over it.
bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Link1Label && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Link1Label->rect().contains(mouse->position().toPoint())) {
            Link1LabelClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Qt sizes a window by its client area and only the window manager knows the
// frame, so the width computed here is given to the window itself. Halves are
// whole pixels, rounded toward zero.
void TAboutForm::FormShow() {
    ensurePolished(); // the labels measure their texts in the fonts the style gives them
    VersionLabel->setText(QStringLiteral("Dorvik.light ") + QString::fromLatin1(VersionText));
    for (QLabel* label : {VersionLabel, Label1, Label2, Label3, Link1Label})
        label->adjustSize();

    const int windowWidth = std::max(Label1->width(), Label2->width()) + Label1->x() + 80;
    VersionLabel->move((windowWidth - 10) / 2 - VersionLabel->width() / 2, VersionLabel->y());
    Link1Label->move((windowWidth - 10) / 2 - Link1Label->width() / 2, Link1Label->y());
    BitBtn->resize(100, BitBtn->height());
    BitBtn->move((windowWidth - 5) / 2 - 100 / 2, BitBtn->y());
    Bevel->resize(windowWidth - 25, Bevel->height());
    setFixedSize(windowWidth, ClientHeight);
    BitBtn->setFocus();
}

void TAboutForm::Link1LabelClick() {
    const QString address = Link1Label->toolTip();
    if (!openUrl_ || !openUrl_(QUrl(address)))
        ShowPlainMessage(this,
                         QString::fromStdString(Text(texts_.MessageTexts, message::PageNotOpened)) +
                             QStringLiteral(" - ") + address);
}

} // namespace dk
