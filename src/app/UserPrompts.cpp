#include "app/UserPrompts.h"

#include <QFileDialog>

namespace dk {

QStringList QtNameFilters(const QString& tableFilter) {
    const QStringList parts = tableFilter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        // Qt reads the patterns from the parentheses of the description.
        filters << (parts[i].contains("(" + patterns + ")") ? parts[i]
                                                           : parts[i] + " (" + patterns + ")");
    }
    return filters;
}

void ShowPlainMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                      const QString& caption) {
    QMessageBox box(icon, caption.isEmpty() ? QString(ApplicationTitle) : caption, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

void QtUserPrompts::Message(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                            const QString& caption) {
    ShowPlainMessage(parent, text, icon, caption);
}

QMessageBox::StandardButton QtUserPrompts::Question(QWidget* parent, const QString& text,
                                                    const QString& caption,
                                                    QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Question, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString QtUserPrompts::OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder,
                                        QtNameFilters(filter).join(";;"));
}

QString QtUserPrompts::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& proposed) {
    // The window asks about replacing files itself.
    return QFileDialog::getSaveFileName(parent, title, proposed, QtNameFilters(filter).join(";;"),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

} // namespace dk
