#include "search/SearchCommand.h"

#include "app/Mainunit.h"
#include "browse/ListViewModel.h"
#include "search/Maskunit.h"
#include "search/Search.h"

#include <QToolButton>

#include <QDialog>

namespace dk {

void RunSearchCommand(TInfoFileForm& form) {
    if (!form.State.Root()) {
        form.ShowMessage(message::ListEmpty);
        return;
    }
    if (!form.State.Tree.Root() || form.MaskForm->exec() != QDialog::Accepted)
        return;
    const std::string mask = form.State.Codec->Encode(form.MaskForm->SearchMask().toStdString());
    if (!MaskStartsSearch(mask))
        return;
    form.OperationSender = form.spbtSearch;
    form.ShowBusyWindow();
    const SearchOutcome outcome = RunSearch(form.State, mask);
    form.CloseBusyWindow();
    form.ListModel().RowsReplaced();
    if (outcome == SearchOutcome::OutOfMemory)
        form.ShowMessage(message::Error,
                         " - " + QString(IsLanguage(currentLanguage, "ENG")
                                             ? "the results do not fit in memory"
                                             : "результаты не помещаются в памяти"));
}

} // namespace dk
