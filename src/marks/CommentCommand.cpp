#include "marks/CommentCommand.h"

#include "app/Mainunit.h"
#include "browse/ListViewModel.h"
#include "marks/CommentRules.h"
#include "marks/Commentunit.h"

#include <QDialog>

namespace dk {

void RunCommentCommand(TInfoFileForm& form) {
    const CommentSelection selection = CheckCommentSelection(form.State.Shown, form.SelectedRows());
    if (selection.Message >= 0)
        form.ShowMessage(selection.Message);
    if (selection.State != CommentSelection::Status::Ready)
        return;
    ListNode& entry = *selection.Entry;
    form.CommentForm->SetCommentText(form.ListModel().Decode(entry.Record->Comment()));
    form.CommentForm->SetCommentTarget(
        form.ListModel().Decode(form.State.Shown.Caption(selection.Row)));
    form.CommentForm->SetCommentKind(entry.Record->Kind());
    if (form.CommentForm->exec() == QDialog::Accepted) {
        ApplyComment(form.State, entry, form.CommentForm->CommentText().toStdString());
        form.ListModel().ShowComment(selection.Row, form.CommentForm->CommentText());
    }
    form.CommentForm->SetCommentText({});
}

} // namespace dk
