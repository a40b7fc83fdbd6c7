#pragma once

// Answers the window's message boxes and file dialogs in the user's place,
// and remembers what was shown.
#include "app/UserPrompts.h"

#include "UiTestHelpers.h"

#include <QStringList>
#include <deque>

namespace dk::test {

struct FakePrompts : UserPrompts {
    struct Shown {
        QString text;
        QString caption;
        QMessageBox::Icon icon;
    };
    std::vector<Shown> messages;
    std::vector<QString> questions;
    std::deque<QMessageBox::StandardButton> answers; // Question answers, in order
    std::deque<QString> files;                       // names the file dialogs return
    QString lastFilter, lastTitle, lastProposed;

    void Message(QWidget*, const QString& text, QMessageBox::Icon icon,
                 const QString& caption) override {
        messages.push_back({text, caption, icon});
    }
    QMessageBox::StandardButton Question(QWidget*, const QString& text, const QString&,
                                         QMessageBox::StandardButtons) override {
        questions.push_back(text);
        if (answers.empty())
            return QMessageBox::Cancel;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString OpenFileName(QWidget*, const QString& title, const QString& filter,
                         const QString&) override {
        lastTitle = title;
        lastFilter = filter;
        return Next();
    }
    QString SaveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& proposed) override {
        lastTitle = title;
        lastFilter = filter;
        lastProposed = proposed;
        return Next();
    }
    QString Next() {
        if (files.empty())
            return {};
        const QString file = files.front();
        files.pop_front();
        return file;
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const Shown& m : messages)
            texts << m.text;
        return texts;
    }
};

} // namespace dk::test
