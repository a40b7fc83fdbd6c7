#pragma once

#include "app/CommandLine.h"
#include "app/LocaleTexts.h"
#include "app/UserPrompts.h"
#include "app/WindowState.h"
#include "browse/FileIcons.h"
#include "browse/Navigation.h"
#include "list/ListContainer.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QMenu;
class QSplitter;
class QTableView;
class QToolButton;
class QTreeView;

namespace dk {

class FolderTreeModel;
class ListViewModel;
class TAboutForm;
class TCommentForm;
class TMaskForm;
class TOpenSaveForm;

// The main window. It owns the loaded list and everything that lives longer
// than one command, and wires the controls to the commands; the commands'
// logic lives in their subsystems.
class TInfoFileForm : public QMainWindow, private NavigationView {
    Q_OBJECT
public:
    // `prompts` answers message boxes and file dialogs; the real ones when null.
    explicit TInfoFileForm(const StartupOptions& options, UserPrompts* prompts = nullptr,
                           QWidget* parent = nullptr);
    ~TInfoFileForm() override;

    // The controls, by the names the program gives them.
    QWidget* Panel = nullptr; // the toolbar
    QToolButton* spbtOpen = nullptr;
    QToolButton* spbtBack = nullptr;
    QToolButton* spbtForward = nullptr;
    QToolButton* spbtUp = nullptr;
    QToolButton* spbtSearch = nullptr;
    QToolButton* spbtNeed = nullptr;
    QToolButton* spbtNotNeed = nullptr;
    QToolButton* spbtUnmark = nullptr;
    QToolButton* spbtSave = nullptr;
    QToolButton* spbtPrint = nullptr;
    QToolButton* spbtSaveText = nullptr;
    QToolButton* spbtAbout = nullptr;
    QTreeView* tvTreeOfFile = nullptr;
    QSplitter* Splitter = nullptr;
    QTableView* lvInfo = nullptr;
    QMenu* PopupMenu = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* N8 = nullptr;
    QAction* pupComment = nullptr;
    QAction* helpAction = nullptr;
    QAction* commentAction = nullptr;
    QAction* neededAction = nullptr;
    QAction* notneededAction = nullptr;
    QAction* clearAction = nullptr;

    // The file dialogs' texts; the dialogs themselves are made when run.
    struct FileDialog {
        QString Title;
        QString Filter;
        QString FileName;
    };
    FileDialog odOpen, sdSaveText, odFileWithError;

    // The dialogs, made with the window and kept for the whole run.
    TMaskForm* MaskForm = nullptr;
    TAboutForm* AboutForm = nullptr;
    TCommentForm* CommentForm = nullptr;

    localeTexts Texts;
    WindowState State;
    bool OpenPending = false;
    bool OpenFromDrop = false;
    QObject* OperationSender = nullptr;

    UserPrompts& Prompts() { return *prompts_; }

    FolderTreeModel& TreeModel() { return *treeModel_; }
    ListViewModel& ListModel() { return *listModel_; }
    Navigation& Navigator() { return navigation_; }

    // Commands.
    void spbtOpenClick(QObject* sender);
    void spbtBackClick() { navigation_.Back(); }
    void spbtForwardClick() { navigation_.Forward(); }
    void spbtUpClick() { navigation_.Up(); }
    void spbtSearchClick();
    void N1Click();
    void N2Click();
    void N6Click();
    void spbtCommentClick();
    // True when the save completed; a cancelled or failed one keeps the old
    // list file and the unsaved changes.
    bool spbtSaveClick(QObject* sender);
    void mmPrintClick();
    void mmSaveTextClick();
    void spbtAboutClick();

    // Text of a hint as navigation sets it.
    QString HintText(const Hint& hint) const;

    // What the commands use of the window.
    void ShowMessage(int messageIndex, const QString& suffix = {});
    // The busy window for the running operation, chosen by OperationSender;
    // the window takes no input until it is closed.
    void ShowBusyWindow();
    void CloseBusyWindow();
    // While a long operation runs, nothing but its own window takes input.
    void EnableCommands(bool enabled);
    std::vector<std::size_t> SelectedRows() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Guarded(const std::function<void()>& command);
    void Wire(QToolButton* button, std::function<void()> command);
    void Wire(QAction* action, std::function<void()> command);
    void CreateToolbar();
    void CreateTree();
    void CreateList();
    void CreateActions();
    void CheckListArgument();
    void OpenPendingList();
    void RunMark(bool (*command)(WindowState&, const std::vector<std::size_t>&));
    void lvInfoContextPopup(const QPoint& at);
    void DiscardList();

    // Navigation's view of the window.
    FolderTreeNode* SelectedTreeNode() const override;
    void SelectTreeNode(FolderTreeNode* node) override;
    void ExpandTreeNode(FolderTreeNode* node) override;
    void CollapseTreeNode(FolderTreeNode* node) override;
    void RowsReplaced() override;
    std::optional<std::size_t> FirstSelectedRow() const override;
    void SelectRow(std::size_t row, bool focus) override;
    void SetBackHint(const Hint& hint) override;
    void SetForwardHint(const Hint& hint) override;
    void RepaintAfterTreeClick() override;

    StartupOptions options_;
    QtUserPrompts qtPrompts_;
    UserPrompts* prompts_;
    ListContainer container_;
    FileIcons fileIcons_;
    Navigation navigation_;
    FolderTreeModel* treeModel_ = nullptr;
    ListViewModel* listModel_ = nullptr;
    TOpenSaveForm* busyWindow_ = nullptr;
    bool busy_ = false;
    bool shownOnce_ = false;
};

} // namespace dk
