#include "list/SaveCommand.h"

#include "app/Mainunit.h"
#include "list/ListSaver.h"
#include "output/ProgressDisplay.h"
#include "output/ProgressRun.h"

#include <QApplication>

namespace dk {

bool RunSaveCommand(TInfoFileForm& form, QObject* sender) {
    if (!form.State.Root()) {
        form.ShowMessage(message::NoDataToSave);
        return false;
    }
    form.OperationSender = sender;
    QApplication::processEvents();
    form.EnableCommands(false);
    ProgressRun run;
    ProgressDisplay progress(form.Texts, &form, run);
    progress.Show(ProgressKindSaving,
                  static_cast<std::int64_t>(CountNodesBelow(*form.State.Root())),
                  QString::fromStdString(Text(form.Texts.MessageTexts, message::SaveProgress)));
    bool cursorSet = false;
    const SaveResult saved = SaveList(*form.State.Document, form.State.ListPath, &run, [&] {
        form.EnableCommands(true);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        cursorSet = true;
    });
    progress.Finish();
    if (cursorSet)
        QApplication::restoreOverrideCursor();
    form.EnableCommands(true);
    if (saved.Error == SaveError::None) {
        form.State.ListChanged = false;
        return true;
    }
    if (saved.Error != SaveError::Cancelled)
        form.ShowMessage(message::CreateFileError,
                         " - " + QString::fromStdString(form.State.ListPath) + "\n" +
                             QString::fromLocal8Bit(saved.Detail.c_str()));
    return false;
}

} // namespace dk
