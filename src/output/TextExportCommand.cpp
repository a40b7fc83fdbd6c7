#include "output/TextExportCommand.h"

#include "app/Mainunit.h"
#include "output/ProgressDisplay.h"
#include "output/ProgressRun.h"
#include "output/TextExport.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QToolButton>

namespace dk {

void RunTextExportCommand(TInfoFileForm& form) {
    form.EnableCommands(false);
    // Every way out of the command gives the window back.
    struct Reenable {
        TInfoFileForm& form;
        ~Reenable() { form.EnableCommands(true); }
    } reenable{form};
    if (!form.State.Root()) {
        form.ShowMessage(message::NoDataToExport);
        return;
    }
    if (form.State.Shown.SearchMode)
        return;
    const QString proposed =
        QFileInfo(QString::fromStdString(form.State.ListPath))
            .dir()
            .filePath(QString::fromStdString(
                DefaultExportName(std::string(form.State.Tree.Caption(*form.State.Tree.Root())))));
    const QString chosen =
        form.Prompts().SaveFileName(&form, form.sdSaveText.Title, "*.TXT|*.txt", proposed);
    if (chosen.isEmpty())
        return;
    const std::string path = ExportFileName(chosen.toStdString());
    if (QFileInfo::exists(QString::fromStdString(path)) &&
        form.Prompts().Question(
            &form, QString::fromStdString(Text(form.Texts.MessageTexts, message::ReplaceFile)),
            QString::fromStdString(Text(form.Texts.MessageTexts, message::Request)),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    form.OperationSender = form.spbtSaveText;
    QApplication::processEvents();
    ExportFile file;
    ExportResult result = file.Create(path);
    if (result.Status == ExportStatus::Done) {
        ProgressRun run;
        ProgressDisplay progress(form.Texts, &form, run);
        progress.Show(
            ProgressKindExport, static_cast<std::int64_t>(CountNodesBelow(*form.State.Root())),
            QString::fromStdString(Text(form.Texts.MessageTexts, message::ExportProgress)));
        result = WriteTextExport(*form.State.Root(), file, LastExportFolder(), &run);
        progress.Finish();
    }
    const std::string failure = ExportMessage(form.Texts, result, path);
    if (!failure.empty())
        form.Prompts().Message(&form, QString::fromStdString(failure));
}

} // namespace dk
