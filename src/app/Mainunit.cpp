#include "app/Mainunit.h"

#include "app/AboutUnit.h"
#include "app/InterfaceTexts.h"
#include "browse/FileIcons.h"
#include "browse/FolderTreeModel.h"
#include "browse/ListViewModel.h"
#include "browse/ListingTexts.h"
#include "list/ListLoader.h"
#include "list/ListPaths.h"
#include "list/SaveCommand.h"
#include "marks/CommentCommand.h"
#include "marks/CommentRules.h"
#include "marks/Commentunit.h"
#include "marks/Marks.h"
#include "output/Opensaveunit.h"
#include "output/PrintCommand.h"
#include "output/TextExportCommand.h"
#include "search/Maskunit.h"
#include "search/SearchCommand.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace dk {
namespace {

// The toolbar, left to right: left edge and width of each button.
struct ButtonPlace {
    QToolButton* TInfoFileForm::*button;
    int left;
    int width;
};

// The selection looks the same whether or not the view has the focus.
void KeepSelectionVisible(QAbstractItemView* view) {
    QPalette palette = view->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

QIcon Glyph(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(themeName, QApplication::style()->standardIcon(fallback));
}

} // namespace

TInfoFileForm::TInfoFileForm(const StartupOptions& options, UserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), options_(options), prompts_(prompts ? prompts : &qtPrompts_),
      navigation_(State, *this) {
    setObjectName("InfoFileForm");
    setWindowTitle(ApplicationTitle);
    // The layout is measured for a small 8-point sans-serif face of Arial's
    // proportions; the font system substitutes when it is not installed.
    QFont small("Liberation Sans", 8);
    small.setStyleHint(QFont::SansSerif);
    setFont(small);
    resize(922, 499);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    std::string error;
    State.Codec =
        TextCodec::Create(options.Encoding.empty() ? DefaultEncoding : options.Encoding, &error);
    if (!State.Codec)
        State.Codec = TextCodec::Create(DefaultEncoding);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateToolbar();
    layout->addWidget(Panel);
    Splitter = new QSplitter(Qt::Horizontal, central);
    Splitter->setObjectName("Splitter");
    Splitter->setHandleWidth(3);
    Splitter->setChildrenCollapsible(false);
    CreateTree();
    CreateList();
    Splitter->addWidget(tvTreeOfFile);
    Splitter->addWidget(lvInfo);
    Splitter->setStretchFactor(0, 0);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({201, 922 - 201 - 3});
    layout->addWidget(Splitter, 1);
    setCentralWidget(central);
    statusBar()->setFixedHeight(19);
    statusBar()->setSizeGripEnabled(true);
    CreateActions();

    // The window never gets narrower than the toolbar's last button plus 15,
    // nor 200 pixels high or less.
    setMinimumSize(spbtAbout->x() + spbtAbout->width() + 15, 201);
    setAcceptDrops(true);
    MaskForm = new TMaskForm(Texts, this);
    AboutForm = new TAboutForm(Texts, this);
    CommentForm = new TCommentForm(Texts, this);
    CommentForm->SetLineJoin(JoinCommentLines);
    // The tables are filled again when the window is shown; a failure found
    // before that must not be reported with empty texts.
    BuildInterfaceTexts(Texts);
    if (!FileIcons::InitShellIcons())
        prompts_->Message(nullptr,
                          QString::fromStdString(Text(Texts.MessageTexts, message::InitError)) +
                              " shared-mime-info",
                          QMessageBox::Critical,
                          QString::fromStdString(Text(Texts.MessageTexts, message::Error)));
    CheckListArgument();
}

TInfoFileForm::~TInfoFileForm() {
    // The models refer to the state; they go first.
    lvInfo->setModel(nullptr);
    tvTreeOfFile->setModel(nullptr);
    FreeTree(State.Document);
}

void TInfoFileForm::Guarded(const std::function<void()>& command) {
    // Commands report the failures they expect themselves; anything else
    // (memory running out, say) ends the command with a word to the user
    // instead of escaping into the event loop.
    try {
        command();
    } catch (const std::exception& error) {
        if (busyWindow_)
            CloseBusyWindow();
        EnableCommands(true);
        QApplication::restoreOverrideCursor();
        prompts_->Message(this,
                          QString::fromStdString(Text(Texts.MessageTexts, message::Error)) + " - " +
                              QString::fromLocal8Bit(error.what()),
                          QMessageBox::Critical);
    }
}

void TInfoFileForm::Wire(QToolButton* button, std::function<void()> command) {
    connect(button, &QToolButton::clicked, this, [this, command] { Guarded(command); });
}

void TInfoFileForm::Wire(QAction* action, std::function<void()> command) {
    connect(action, &QAction::triggered, this, [this, command] { Guarded(command); });
}

void TInfoFileForm::CreateToolbar() {
    Panel = new QWidget(this);
    Panel->setObjectName("Panel");
    Panel->setFixedHeight(53);
    const bool english = IsLanguage(currentLanguage, "ENG");
    const ButtonPlace places[] = {
        {&TInfoFileForm::spbtOpen, 0, 52},
        {&TInfoFileForm::spbtBack, 54, 52},
        {&TInfoFileForm::spbtForward, 106, 52},
        {&TInfoFileForm::spbtUp, 158, 52},
        {&TInfoFileForm::spbtSearch, 210, 57},
        {&TInfoFileForm::spbtNeed, 268, 61},
        {&TInfoFileForm::spbtNotNeed, 329, 61},
        {&TInfoFileForm::spbtUnmark, 390, 61},
        {&TInfoFileForm::spbtSave, 451, 61},
        {&TInfoFileForm::spbtPrint, 514, 61},
        {&TInfoFileForm::spbtSaveText, 575, 61},
        {&TInfoFileForm::spbtAbout, 636, english ? 61 : 75},
    };
    const char* const names[] = {"spbtOpen",   "spbtBack",  "spbtForward",  "spbtUp",
                                 "spbtSearch", "spbtNeed",  "spbtNotNeed",  "spbtUnmark",
                                 "spbtSave",   "spbtPrint", "spbtSaveText", "spbtAbout"};
    int i = 0;
    for (const ButtonPlace& place : places) {
        auto* button = new QToolButton(Panel);
        button->setObjectName(names[i++]);
        button->setGeometry(place.left, 2, place.width, 48);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setIconSize(QSize(24, 24));
        button->setStyleSheet("QToolButton { padding: 1px; }");
        this->*(place.button) = button;
    }
    for (const int x : {0, 53, 266, 512, 635}) {
        auto* line = new QFrame(Panel);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(x, 2, 2, 48);
        line->lower();
    }
    spbtOpen->setIcon(Glyph("document-open", QStyle::SP_DialogOpenButton));
    spbtBack->setIcon(Glyph("go-previous", QStyle::SP_ArrowBack));
    spbtForward->setIcon(Glyph("go-next", QStyle::SP_ArrowForward));
    spbtUp->setIcon(Glyph("go-up", QStyle::SP_ArrowUp));
    spbtSearch->setIcon(Glyph("edit-find", QStyle::SP_FileDialogContentsView));
    spbtSave->setIcon(Glyph("document-save", QStyle::SP_DialogSaveButton));
    spbtPrint->setIcon(Glyph("document-print", QStyle::SP_FileDialogDetailedView));
    spbtSaveText->setIcon(Glyph("document-export", QStyle::SP_FileIcon));
    spbtAbout->setIcon(Glyph("help-about", QStyle::SP_MessageBoxInformation));

    Wire(spbtOpen, [this] { spbtOpenClick(spbtOpen); });
    Wire(spbtBack, [this] { spbtBackClick(); });
    Wire(spbtForward, [this] { spbtForwardClick(); });
    Wire(spbtUp, [this] { spbtUpClick(); });
    Wire(spbtSearch, [this] { spbtSearchClick(); });
    Wire(spbtSave, [this] { spbtSaveClick(spbtSave); });
    Wire(spbtPrint, [this] { mmPrintClick(); });
    Wire(spbtSaveText, [this] { mmSaveTextClick(); });
    Wire(spbtAbout, [this] { spbtAboutClick(); });
}

void TInfoFileForm::CreateTree() {
    tvTreeOfFile = new QTreeView(this);
    tvTreeOfFile->setObjectName("tvTreeOfFile");
    treeModel_ = new FolderTreeModel(State.Tree, this);
    treeModel_->SetCodec(State.Codec.get());
    treeModel_->SetImages(FileIcons::LoadTreeIcons());
    tvTreeOfFile->setModel(treeModel_);
    tvTreeOfFile->setHeaderHidden(true);
    tvTreeOfFile->setIndentation(19);
    tvTreeOfFile->setUniformRowHeights(true);
    tvTreeOfFile->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvTreeOfFile->setSelectionMode(QAbstractItemView::SingleSelection);
    tvTreeOfFile->setMinimumWidth(30);
    KeepSelectionVisible(tvTreeOfFile);
    tvTreeOfFile->viewport()->installEventFilter(this);
    connect(tvTreeOfFile->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                treeModel_->SetSelectedNode(FolderTreeModel::NodeAt(current));
            });
    // The model is reset with every list; the selection model stays.
    connect(treeModel_, &QAbstractItemModel::modelReset, this,
            [this] { treeModel_->SetSelectedNode(nullptr); });
}

void TInfoFileForm::CreateList() {
    lvInfo = new QTableView(this);
    lvInfo->setObjectName("lvInfo");
    listModel_ = new ListViewModel(State.Shown, this);
    listModel_->SetCodec(State.Codec.get());
    listModel_->SetIcons(&fileIcons_);
    listModel_->SetFont(lvInfo->font());
    lvInfo->setModel(listModel_);
    lvInfo->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvInfo->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvInfo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvInfo->setShowGrid(true);
    lvInfo->setWordWrap(false);
    lvInfo->setTabKeyNavigation(false);
    lvInfo->setIconSize(QSize(16, 16));
    lvInfo->setCornerButtonEnabled(false);
    QHeaderView* rows = lvInfo->verticalHeader();
    rows->hide();
    // Fixed row heights keep a million rows cheap to lay out.
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(qMax(18, lvInfo->fontMetrics().height() + 4));
    QHeaderView* columns = lvInfo->horizontalHeader();
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    const int widths[] = {150, 87, 121, 120, 70, 139};
    for (int column = 0; column < ColumnCount; ++column)
        columns->resizeSection(column, widths[column]);
    KeepSelectionVisible(lvInfo);
    lvInfo->setContextMenuPolicy(Qt::CustomContextMenu);
    lvInfo->installEventFilter(this);
    lvInfo->viewport()->installEventFilter(this);
    connect(lvInfo->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.isEmpty())
                    navigation_.RowSelected();
            });
}

void TInfoFileForm::CreateActions() {
    auto makeAction = [this](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        addAction(action);
        return action;
    };
    helpAction = makeAction("helpAction");
    helpAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    helpAction->setShortcutContext(Qt::WindowShortcut);
    commentAction = makeAction("commentAction");
    neededAction = makeAction("neededAction");
    notneededAction = makeAction("notneededAction");
    clearAction = makeAction("clearAction");
    Wire(helpAction, [this] { spbtAboutClick(); });
    Wire(commentAction, [this] { spbtCommentClick(); });
    Wire(neededAction, [this] { N1Click(); });
    Wire(notneededAction, [this] { N2Click(); });
    Wire(clearAction, [this] { N6Click(); });
    neededAction->setIcon(Glyph("emblem-default", QStyle::SP_DialogApplyButton));
    notneededAction->setIcon(Glyph("edit-delete", QStyle::SP_DialogDiscardButton));
    clearAction->setIcon(Glyph("edit-clear", QStyle::SP_DialogResetButton));
    spbtNeed->setDefaultAction(neededAction);
    spbtNotNeed->setDefaultAction(notneededAction);
    spbtUnmark->setDefaultAction(clearAction);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName("PopupMenu");
    auto menuItem = [this](const char* name, QAction* action) {
        // A menu item of its own, bound to its action, so hiding it hides it
        // in the menu only.
        auto* item = PopupMenu->addAction(action->icon(), action->text());
        item->setObjectName(name);
        connect(item, &QAction::triggered, action, &QAction::trigger);
        connect(action, &QAction::changed, item, [item, action] {
            item->setText(action->text());
            item->setToolTip(action->toolTip());
        });
        return item;
    };
    N1 = menuItem("N1", neededAction);
    N2 = menuItem("N2", notneededAction);
    N8 = menuItem("N8", clearAction);
    pupComment = menuItem("pupComment", commentAction);
    connect(lvInfo, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { Guarded([&] { lvInfoContextPopup(at); }); });
}

void TInfoFileForm::CheckListArgument() {
    const std::string& argument = options_.ListArgument;
    if (argument.empty())
        return;
    if (IsFile(argument)) {
        OpenPending = true;
        return;
    }
    const QString name = QString::fromStdString(argument);
    const bool english = IsLanguage(currentLanguage, "ENG");
    prompts_->Message(nullptr, (english ? "File not found " : "Не найден файл: ") + name,
                      QMessageBox::Critical, english ? "Error" : "Ошибка");
}

void TInfoFileForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    loadInterfaceTexts(*this);
    if (OpenPending && !shownOnce_)
        // After the window has appeared, so the busy window stands over it.
        QMetaObject::invokeMethod(this, &TInfoFileForm::OpenPendingList, Qt::QueuedConnection);
    shownOnce_ = true;
}

void TInfoFileForm::OpenPendingList() {
    if (OpenPending)
        Guarded([this] { spbtOpenClick(this); });
}

void TInfoFileForm::ShowMessage(int messageIndex, const QString& suffix) {
    prompts_->Message(this,
                      QString::fromStdString(Text(Texts.MessageTexts, messageIndex)) + suffix);
}

void TInfoFileForm::ShowBusyWindow() {
    std::optional<std::int32_t> text;
    if (OperationSender == spbtOpen)
        text = caption::BusyLoading;
    else if (OperationSender == spbtSaveText)
        text = caption::BusySaving;
    else if (OperationSender == spbtSearch)
        text = caption::BusySearching;
    busyWindow_ = new TOpenSaveForm(Texts, this);
    busyWindow_->ShowBusy(text);
    EnableCommands(false);
}

void TInfoFileForm::CloseBusyWindow() {
    if (busyWindow_)
        busyWindow_->close();
    busyWindow_ = nullptr;
    EnableCommands(true);
}

void TInfoFileForm::EnableCommands(bool enabled) {
    // The window object itself stays enabled: disabling it would disable the
    // progress window too, and with it the user's only way to cancel.
    busy_ = !enabled;
    centralWidget()->setEnabled(enabled);
    for (QAction* action : actions())
        action->setEnabled(enabled);
}

std::vector<std::size_t> TInfoFileForm::SelectedRows() const {
    std::vector<std::size_t> rows;
    for (const QItemSelectionRange& range : lvInfo->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(static_cast<std::size_t>(row));
    return rows;
}

void TInfoFileForm::DiscardList() {
    // Nothing may refer to the old tree once it is gone.
    treeModel_->BeginReset();
    State.Shown.Clear();
    listModel_->RowsReplaced();
    State.History = {};
    FreeTree(State.Document);
    State.Tree.Clear();
}

void TInfoFileForm::spbtOpenClick(QObject* sender) {
    std::string fileName;
    if (OpenPending) {
        OpenPending = false;
        fileName = options_.ListArgument;
    } else {
        navigation_.BeforeOpen();
        if (OpenFromDrop) {
            OpenFromDrop = false;
            fileName = odOpen.FileName.toStdString();
        } else {
            const QString chosen =
                prompts_->OpenFileName(this, odOpen.Title, odOpen.Filter,
                                       QFileInfo(QString::fromStdString(State.ListPath)).path());
            if (chosen.isEmpty())
                return;
            odOpen.FileName = chosen;
            fileName = chosen.toStdString();
        }
    }

    bool reading = false;
    auto beforeRead = [&] {
        reading = true;
        State.Shown.SearchMode = false;
        State.ListChanged = false;
        OperationSender = sender;
        State.ListPath = fileName;
        ShowBusyWindow();
        DiscardList();
    };
    LoadResult loaded = LoadList(container_, fileName, &State.Tree, beforeRead);
    if (loaded.Error != LoadError::None) {
        if (reading) {
            // The old list is gone and the new one did not come: an empty window.
            State.Tree.Clear();
            treeModel_->EndReset();
            CloseBusyWindow();
        }
        prompts_->Message(this, QString::fromStdString(LoadMessage(Texts, loaded.Error, fileName)));
        return;
    }
    State.Document = std::move(loaded.Document);
    State.Tree.Attach(*State.Document, FileNameOf(fileName));
    treeModel_->EndReset();
    CloseBusyWindow();
    navigation_.ShowLoadedList();
    tvTreeOfFile->setFocus();
    QApplication::processEvents();
}

void TInfoFileForm::closeEvent(QCloseEvent* event) {
    if (busy_) { // a long operation is still running
        event->ignore();
        return;
    }
    if (State.Root() && State.ListChanged) {
        const auto answer = prompts_->Question(
            this, QString::fromStdString(Text(Texts.MessageTexts, message::SaveChanges)),
            QString::fromStdString(Text(Texts.MessageTexts, message::Request)),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            event->ignore();
            return;
        }
        // A save that did not complete keeps the window, and the changes, open.
        if (answer == QMessageBox::Yes && !spbtSaveClick(nullptr)) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TInfoFileForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TInfoFileForm::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        const QString name = QFileInfo(path).fileName();
        const int dot = name.lastIndexOf('.');
        // The extension exactly as written: ".DK" is not a list.
        if (dot >= 0 && name.mid(dot) == ".dk") {
            OpenFromDrop = true;
            odOpen.FileName = path;
            event->acceptProposedAction();
            Guarded([this] { spbtOpenClick(this); });
            return;
        }
    }
}

bool TInfoFileForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tvTreeOfFile->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (FolderTreeNode* node =
                FolderTreeModel::NodeAt(tvTreeOfFile->indexAt(mouse->position().toPoint()))) {
            Guarded([&] {
                navigation_.TreeMouseUp(node, State.Shown.SearchMode);
                navigation_.TreeClick();
                treeModel_->NodeChanged(SelectedTreeNode());
            });
        }
    } else if (watched == lvInfo->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Guarded([this] { navigation_.OpenSelectedRow(); });
        return true;
    } else if (watched == lvInfo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Guarded([this] { navigation_.OpenSelectedRow(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TInfoFileForm::RunMark(bool (*command)(WindowState&, const std::vector<std::size_t>&)) {
    // The rows take their new colours when they are next painted.
    command(State, SelectedRows());
}

void TInfoFileForm::N1Click() {
    RunMark(MarkNeeded);
}
void TInfoFileForm::N2Click() {
    RunMark(MarkNotNeeded);
}
void TInfoFileForm::N6Click() {
    RunMark(ClearMarks);
}

void TInfoFileForm::lvInfoContextPopup(const QPoint& at) {
    const ContextMenuDecision decision = ContextMenuFor(State.Shown, SelectedRows());
    if (decision.ShowNoSelectionMessage)
        ShowMessage(message::NoSelection);
    for (QAction* item : {N1, N2, N8, pupComment})
        item->setVisible(decision.ItemsVisible);
    PopupMenu->popup(lvInfo->viewport()->mapToGlobal(at));
}

// The commands live in their subsystems; the window hands itself over.
void TInfoFileForm::spbtSearchClick() {
    RunSearchCommand(*this);
}
void TInfoFileForm::spbtCommentClick() {
    RunCommentCommand(*this);
}
bool TInfoFileForm::spbtSaveClick(QObject* sender) {
    return RunSaveCommand(*this, sender);
}
void TInfoFileForm::mmPrintClick() {
    RunPrintCommand(*this);
}
void TInfoFileForm::mmSaveTextClick() {
    RunTextExportCommand(*this);
}

void TInfoFileForm::spbtAboutClick() {
    AboutForm->exec();
}

QString TInfoFileForm::HintText(const Hint& hint) const {
    switch (hint.kind) {
    case Hint::Kind::Text:
        return QString::fromStdString(Text(Texts.HintTexts, hint.text));
    case Hint::Kind::Folder:
        return treeModel_->CaptionText(*hint.folder);
    case Hint::Kind::Entry:
        return listModel_->Decode(hint.entry->Record->Name());
    case Hint::Kind::Empty:
        break;
    }
    return {};
}

FolderTreeNode* TInfoFileForm::SelectedTreeNode() const {
    const QModelIndex current = tvTreeOfFile->currentIndex();
    return tvTreeOfFile->selectionModel()->isSelected(current) ? FolderTreeModel::NodeAt(current)
                                                               : nullptr;
}

void TInfoFileForm::SelectTreeNode(FolderTreeNode* node) {
    const QModelIndex index = treeModel_->IndexOf(node);
    tvTreeOfFile->setCurrentIndex(index);
    tvTreeOfFile->scrollTo(index);
}

void TInfoFileForm::ExpandTreeNode(FolderTreeNode* node) {
    tvTreeOfFile->expand(treeModel_->IndexOf(node));
}

void TInfoFileForm::CollapseTreeNode(FolderTreeNode* node) {
    tvTreeOfFile->collapse(treeModel_->IndexOf(node));
}

void TInfoFileForm::RowsReplaced() {
    listModel_->RowsReplaced();
}

std::optional<std::size_t> TInfoFileForm::FirstSelectedRow() const {
    std::optional<std::size_t> first;
    for (const QItemSelectionRange& range : lvInfo->selectionModel()->selection())
        if (!first || static_cast<std::size_t>(range.top()) < *first)
            first = static_cast<std::size_t>(range.top());
    return first;
}

void TInfoFileForm::SelectRow(std::size_t row, bool focus) {
    if (row >= State.Shown.RowCount())
        return;
    const QModelIndex index = listModel_->index(static_cast<int>(row), 0);
    lvInfo->selectionModel()->select(index,
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (focus)
        lvInfo->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    lvInfo->scrollTo(index);
}

void TInfoFileForm::SetBackHint(const Hint& hint) {
    spbtBack->setToolTip(HintText(hint));
}

void TInfoFileForm::SetForwardHint(const Hint& hint) {
    spbtForward->setToolTip(HintText(hint));
}

void TInfoFileForm::RepaintAfterTreeClick() {
    QApplication::processEvents();
    tvTreeOfFile->viewport()->repaint();
    lvInfo->viewport()->repaint();
    QApplication::processEvents();
}

} // namespace dk
