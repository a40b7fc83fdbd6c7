#include "app/InterfaceTexts.h"

#include "app/AboutUnit.h"
#include "app/Mainunit.h"
#include "browse/ListViewModel.h"

#include <QAction>
#include <QToolButton>

namespace dk {

void loadInterfaceTexts(TInfoFileForm& form) {
    localeTexts& texts = form.Texts;
    BuildInterfaceTexts(texts);
    auto caption = [&](int index) { return QString::fromStdString(Text(texts.CaptionTexts, index)); };
    auto hintText = [&](int index) { return QString::fromStdString(Text(texts.HintTexts, index)); };
    auto button = [&](QToolButton* target, int index) {
        target->setText(caption(index));
        target->setToolTip(hintText(index));
    };
    auto action = [&](QAction* target, int index) {
        target->setText(caption(index));
        target->setToolTip(hintText(index));
    };

    button(form.spbtOpen, caption::Open);
    button(form.spbtBack, caption::Back);
    button(form.spbtForward, caption::Forward);
    button(form.spbtUp, caption::Up);
    button(form.spbtSearch, caption::Find);
    button(form.spbtSave, caption::Save);
    button(form.spbtPrint, caption::Print);
    button(form.spbtSaveText, caption::Export);
    button(form.spbtAbout, caption::About);
    QStringList columns;
    for (int column = 0; column < 6; ++column)
        columns << caption(caption::ColumnName + column);
    form.ListModel().SetColumnCaptions(columns);
    form.sdSaveText.Title = caption(caption::ExportTitle);
    form.odOpen.Title = caption(caption::Open);
    form.odOpen.Filter = caption(caption::OpenFilter);
    form.odFileWithError.Title = caption(caption::DamagedListTitle);
    form.odFileWithError.Filter = caption(caption::DamagedListFilter);
    action(form.helpAction, caption::About);
    action(form.commentAction, caption::Comment);
    action(form.neededAction, caption::Needed);
    action(form.notneededAction, caption::NotNeeded);
    action(form.clearAction, caption::Clear);
    if (form.AboutForm)
        form.AboutForm->ApplyTexts();
}

} // namespace dk
