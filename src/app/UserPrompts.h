#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace dk {

// The standard dialogs the window puts in front of the user. The window talks
// to them only through this, so tests can answer in the user's place.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A plain message box: OK only, the application's title as caption
    // unless one is given.
    virtual void Message(QWidget* parent, const QString& text,
                         QMessageBox::Icon icon = QMessageBox::Warning,
                         const QString& caption = {}) = 0;
    virtual QMessageBox::StandardButton Question(QWidget* parent, const QString& text,
                                                 const QString& caption,
                                                 QMessageBox::StandardButtons buttons) = 0;
    // The file chosen in an Open dialog, or empty when cancelled. `filter` is
    // in the "description|pattern|..." form of the text tables.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& proposed) = 0;
};

// The real dialogs.
class QtUserPrompts : public UserPrompts {
public:
    void Message(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                 const QString& caption) override;
    QMessageBox::StandardButton Question(QWidget* parent, const QString& text,
                                         const QString& caption,
                                         QMessageBox::StandardButtons buttons) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& proposed) override;
};

// The caption of plain message boxes, and the main window's.
inline constexpr const char* ApplicationTitle = "Dorvik.light";

// A plain message box: OK only, the application's title as caption.
void ShowPlainMessage(QWidget* parent, const QString& text,
                      QMessageBox::Icon icon = QMessageBox::NoIcon, const QString& caption = {});

// A filter of the text tables ("Files (*.dk)|*.dk|...") as Qt's name filters.
QStringList QtNameFilters(const QString& tableFilter);

} // namespace dk
