#pragma once

// What the window tests share: readable QStrings in failures, and a catcher
// for message boxes that a form shows itself.
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <ostream>

// Failures print texts rather than their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace dk::test {

// Answers the first message box that comes up while it lives: keeps what the
// box showed and presses its OK button.
class MessageCatcher : public QObject {
public:
    MessageCatcher() {
        connect(&timer_, &QTimer::timeout, this, &MessageCatcher::Look);
        timer_.start(10);
    }
    bool seen = false;
    QString title, text;
    QMessageBox::StandardButtons buttons;

private:
    void Look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || seen)
            return;
        seen = true;
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        box->done(QMessageBox::Ok);
    }
    QTimer timer_;
};

} // namespace dk::test
