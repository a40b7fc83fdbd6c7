#pragma once

#include "app/LocaleTexts.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QPlainTextEdit;
class QPushButton;

namespace dk {

// The comment dialog: a multi-line edit for the comment of one entry, Apply
// and Cancel. Created once and shown modally; the commenting command fills in
// the exchange texts before showing it and reads CommentText after an
// accepted showing.
class TCommentForm : public QDialog {
    Q_OBJECT

public:
    // Turns the typed text into the one line the comment becomes. The text
    // arrives in UTF-8 with every line break as CR LF; the result is accepted
    // as it is, even when empty.
    using LineJoin = std::function<std::string(std::string_view)>;

    // What the edit lets the user type; a longer present comment is shown
    // whole and only further typing is refused.
    static constexpr int MaxTypedLength = 254;

    explicit TCommentForm(const localeTexts& texts, QWidget* parent = nullptr);

    // Without one, the text is taken with its line breaks as typed.
    void SetLineJoin(LineJoin join);

    // The entry's present comment on the way in; the accepted text on the way
    // out. The caller empties it after every use.
    void SetCommentText(const QString& text) { CommentText_ = text; }
    const QString& CommentText() const { return CommentText_; }
    // The caption of the row being commented, which ends the title.
    void SetCommentTarget(const QString& target) { CommentTarget_ = target; }
    // The Kind of the entry, 'F' or 'D'; it chooses the title's wording.
    void SetCommentKind(char kind) { CommentKind_ = kind; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void btOkClick();
    void redCommentChange(int position, int removed, int added);

private:
    void FormShow();

    const localeTexts& texts_;
    LineJoin joinLines_;
    QString CommentText_;
    QString CommentTarget_;
    char CommentKind_ = 0;
    bool fillingEdit_ = false;

    QPlainTextEdit* redComment;
    QPushButton* btOk;
    QPushButton* btCancel;
};

} // namespace dk
