#include "marks/Commentunit.h"

#include "app/UserPrompts.h"

#include "list/ListRecord.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace dk {

namespace {

QString CaptionText(const localeTexts& texts, std::int32_t index) {
    return QString::fromStdString(Text(texts.CaptionTexts, index));
}

QPushButton* MakeButton(QWidget* parent, const char* name, int left) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 125, 102, 21);
    return button;
}

} // namespace

TCommentForm::TCommentForm(const localeTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
    setObjectName(QStringLiteral("CommentForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(358, 148);

    redComment = new QPlainTextEdit(this);
    redComment->setObjectName(QStringLiteral("redComment"));
    redComment->setGeometry(0, 0, 358, 121);
    redComment->setLineWrapMode(QPlainTextEdit::NoWrap);
    redComment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    redComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    redComment->setTabChangesFocus(true);
    connect(redComment->document(), &QTextDocument::contentsChange, this,
            &TCommentForm::redCommentChange);

    btOk = MakeButton(this, "btOk", 63);
    connect(btOk, &QPushButton::clicked, this, &TCommentForm::btOkClick);

    btCancel = MakeButton(this, "btCancel", 202);
    btCancel->setDefault(true);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TCommentForm::SetLineJoin(LineJoin join) {
    joinLines_ = std::move(join);
}

void TCommentForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

// No button answers Esc here: a half-written comment is not thrown away by a
// stray key. The close box still cancels.
void TCommentForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCommentForm::FormShow() {
    QString title = CaptionText(texts_, caption::CommentTitle);
    btOk->setText(CaptionText(texts_, caption::CommentApply));
    btCancel->setText(CaptionText(texts_, caption::CommentCancel));

    fillingEdit_ = true;
    redComment->setPlainText(CommentText_);
    fillingEdit_ = false;
    redComment->setFocus();

    if (CommentKind_ == KindFile)
        title += CaptionText(texts_, caption::CommentForFile) + u' ' + CommentTarget_;
    else if (CommentKind_ == KindFolder)
        title += CaptionText(texts_, caption::CommentForFolder) + u' ' + CommentTarget_;
    setWindowTitle(title);
}

// Whatever arrives past the limit, typed, pasted or dropped, is taken back
// out of the end of what just arrived.
void TCommentForm::redCommentChange(int position, int, int added) {
    if (fillingEdit_ || added <= 0)
        return;
    const int length = redComment->document()->characterCount() - 1; // less the closing mark
    const int arrivedEnd = std::min(position + added, length);
    const int excess = std::min(length - MaxTypedLength, arrivedEnd - position);
    if (excess <= 0)
        return;
    QTextCursor cursor(redComment->document());
    cursor.setPosition(arrivedEnd - excess);
    cursor.setPosition(arrivedEnd, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TCommentForm::btOkClick() {
    QString typed = redComment->toPlainText();
    if (typed.isEmpty()) {
        ShowPlainMessage(this,
                         QString::fromStdString(Text(texts_.MessageTexts, message::NoComment)));
        reject();
        return;
    }
    typed.replace(u'\n', QStringLiteral("\r\n"));
    CommentText_ = joinLines_ ? QString::fromStdString(joinLines_(typed.toStdString())) : typed;
    accept();
}

} // namespace dk
