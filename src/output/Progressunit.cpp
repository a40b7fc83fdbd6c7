#include "output/Progressunit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace dk {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 88, 75, 25);
    button->hide();
    return button;
}

} // namespace

TProgressForm::TProgressForm(const localeTexts& texts, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      texts_(texts) {
    setObjectName(QStringLiteral("ProgressForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(410, 123);
    // The first look: the counters of a directory scan. A run never shows it;
    // the window is made with it and returns to it when it closes.
    setWindowTitle(QStringLiteral(u"Прогресс считывания структуры каталога"));

    CountDirsLabel = MakeLabel(this, "CountDirsLabel", QStringLiteral(u"Папок:"), 8, 8);
    laDir = MakeLabel(this, "laDir", QStringLiteral("0"), 97, 8);
    CountFilesLabel = MakeLabel(this, "CountFilesLabel", QStringLiteral(u"Файлов:"), 8, 26);
    laFile = MakeLabel(this, "laFile", QStringLiteral("0"), 97, 26);

    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setGeometry(8, 48, 393, 17);
    pBar->setRange(0, 100);
    pBar->setValue(0);
    pBar->setTextVisible(false);
    pBar->hide();

    btnOK = MakeButton(this, "btnOK", QStringLiteral("OK"), 168);
    connect(btnOK, &QPushButton::clicked, this, &TProgressForm::btnOKClick);
    btnCancel = MakeButton(this, "btnCancel", QString(), 328);
    connect(btnCancel, &QPushButton::clicked, this, &TProgressForm::btnCancelClick);

    firstCaption_ = windowTitle();
    firstDirsCaption_ = CountDirsLabel->text();
    firstFilesCaption_ = CountFilesLabel->text();
    btnCancel->setText(QString::fromStdString(Text(texts_.CaptionTexts, caption::Cancel)));
}

void TProgressForm::ShowProgress(const QString& caption) {
    for (QLabel* label : {CountDirsLabel, laDir, CountFilesLabel, laFile})
        label->hide();
    pBar->show();
    CountDirsLabel->setText(QString::fromStdString(Text(texts_.CaptionTexts, caption::Folders)));
    CountFilesLabel->setText(QString::fromStdString(Text(texts_.CaptionTexts, caption::Files)));
    setWindowTitle(caption);
    if (QWidget* owner = parentWidget()) {
        const QPoint centre = owner->window()->frameGeometry().center();
        move(centre - QPoint(width() / 2, height() / 2));
    }
    show();
    repaint();
    ProcessEventsOnce();
}

void TProgressForm::SetPosition(int percent) {
    position_ = percent;
    pBar->setValue(std::clamp(percent, 0, 100));
    pBar->repaint();
}

void TProgressForm::ProcessEventsOnce() {
    QCoreApplication::processEvents();
}

void TProgressForm::ShowPosition(int percent) {
    SetPosition(percent);
    ProcessEventsOnce();
}

void TProgressForm::FinishProgress() {
    okFlag_ = true;
    RestoreFirstLook();
    close();
}

// Any close that the run itself did not ask for is the user's wish to stop.
void TProgressForm::closeEvent(QCloseEvent* event) {
    RestoreFirstLook();
    if (!okFlag_)
        RequestCancel();
    event->accept();
}

void TProgressForm::btnOKClick() {
    okFlag_ = true;
    close();
}

void TProgressForm::btnCancelClick() {
    RequestCancel();
}

void TProgressForm::RestoreFirstLook() {
    setWindowTitle(firstCaption_);
    for (QLabel* label : {laDir, laFile, CountDirsLabel, CountFilesLabel})
        label->show();
    pBar->hide();
    CountDirsLabel->setText(firstDirsCaption_);
    CountFilesLabel->setText(firstFilesCaption_);
    btnOK->hide();
}

void TProgressForm::RequestCancel() {
    if (cancelRequested_)
        return;
    cancelRequested_ = true;
    emit UserCancelled();
}

} // namespace dk
