#include "search/Maskunit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace dk {

namespace {

QString CaptionText(const localeTexts& texts, std::int32_t index) {
    return QString::fromStdString(Text(texts.CaptionTexts, index));
}

QPushButton* MakeButton(QWidget* parent, const char* name, QStyle::StandardPixmap glyph, int left,
                        int top) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, 100, 25);
    // The style draws the disabled look of the glyph itself.
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setIconSize(QSize(18, 18));
    return button;
}

} // namespace

TMaskForm::TMaskForm(const localeTexts& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
    setObjectName(QStringLiteral("MaskForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(374, 81);

    ledMask = new QLineEdit(this);
    ledMask->setObjectName(QStringLiteral("ledMask"));
    ledMask->setGeometry(8, 16, 353, 21);
    connect(ledMask, &QLineEdit::textChanged, this, &TMaskForm::ledMaskChange);

    FindBitBtn = MakeButton(this, "FindBitBtn", QStyle::SP_FileDialogContentsView, 64, 48);
    FindBitBtn->setDefault(true);
    FindBitBtn->setEnabled(false);
    connect(FindBitBtn, &QPushButton::clicked, this, &TMaskForm::FindBitBtnClick);

    CancelBitBtn = MakeButton(this, "CancelBitBtn", QStyle::SP_DialogCancelButton, 215, 48);
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TMaskForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TMaskForm::FormShow() {
    ledMask->clear();
    ledMaskChange();
    ledMask->setFocus();
    setWindowTitle(CaptionText(texts_, caption::Find));
    FindBitBtn->setText(CaptionText(texts_, caption::Find));
    CancelBitBtn->setText(CaptionText(texts_, caption::Cancel));
}

void TMaskForm::ledMaskChange() {
    FindBitBtn->setEnabled(!ledMask->text().isEmpty());
}

void TMaskForm::FindBitBtnClick() {
    SearchMask_ = ledMask->text();
    accept();
}

} // namespace dk
