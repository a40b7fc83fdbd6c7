#include "output/Opensaveunit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>

namespace dk {

TOpenSaveForm::TOpenSaveForm(const localeTexts& texts, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), texts_(texts) {
    setObjectName(QStringLiteral("OpenSaveForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(214, 64);

    ProgressPanel = new QLabel(this);
    ProgressPanel->setObjectName(QStringLiteral("ProgressPanel"));
    ProgressPanel->setGeometry(rect());
    ProgressPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ProgressPanel->setAlignment(Qt::AlignCenter);
    ProgressPanel->setAutoFillBackground(true);
}

void TOpenSaveForm::ShowBusy(std::optional<std::int32_t> captionIndex) {
    ProgressPanel->setText(captionIndex
                               ? QString::fromStdString(Text(texts_.CaptionTexts, *captionIndex))
                               : QString());
    if (QWidget* owner = parentWidget()) {
        const QPoint centre = owner->window()->frameGeometry().center();
        move(centre - QPoint(width() / 2, height() / 2));
    }
    show();
    repaint();
    QCoreApplication::processEvents();
}

// Only the operation that showed the window closes it: the work it stands for
// cannot be interrupted, and the operation still holds the window.
void TOpenSaveForm::closeEvent(QCloseEvent* event) {
    if (event->spontaneous())
        event->ignore();
    else
        event->accept();
}

} // namespace dk
