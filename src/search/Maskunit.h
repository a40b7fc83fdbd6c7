#pragma once

#include "app/LocaleTexts.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace dk {

// The search dialog: one line for a name mask, Find and Cancel. Created once
// and shown modally; it ends accepted when Find (or Enter) confirms a mask.
class TMaskForm : public QDialog {
    Q_OBJECT

public:
    explicit TMaskForm(const localeTexts& texts, QWidget* parent = nullptr);

    // The mask of the last confirmed showing, exactly as typed (blanks kept).
    // A cancelled showing leaves it as it was. The caller encodes it into the
    // list's code page before searching.
    const QString& SearchMask() const { return SearchMask_; }

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void ledMaskChange();
    void FindBitBtnClick();

private:
    void FormShow();

    const localeTexts& texts_;
    QString SearchMask_;

    QLineEdit* ledMask;
    QPushButton* FindBitBtn;
    QPushButton* CancelBitBtn;
};

} // namespace dk
