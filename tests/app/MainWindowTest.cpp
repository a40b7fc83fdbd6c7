#include "WindowFixture.h"
#include "browse/FolderTreeModel.h"
#include "browse/ListViewModel.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <gtest/gtest.h>

namespace dk {
namespace {

using MainWindow = test::WindowTest;

TEST_F(MainWindow, LayoutTextsAndControls) {
    Start();
    EXPECT_EQ(form->windowTitle(), "Dorvik.light");
    EXPECT_EQ(form->size(), QSize(922, 499));
    struct Button {
        QToolButton* button;
        int left, width;
        const char* caption;
        const char* hint;
    };
    const Button buttons[] = {
        {form->spbtOpen, 0, 52, "Открыть", "Открыть список файлов"},
        {form->spbtBack, 54, 52, "Назад", "Назад"},
        {form->spbtForward, 106, 52, "Вперёд", "Вперёд"},
        {form->spbtUp, 158, 52, "Вверх", "Вверх"},
        {form->spbtSearch, 210, 57, "Поиск", "Поиск"},
        {form->spbtNeed, 268, 61, "Нужно", "Пометить как нужный"},
        {form->spbtNotNeed, 329, 61, "Не нужно", "Пометить как не нужный"},
        {form->spbtUnmark, 390, 61, "Очистить", "Снять метки"},
        {form->spbtSave, 451, 61, "Сохранить", "Сохранить файл"},
        {form->spbtPrint, 514, 61, "Печать", "Распечатать"},
        {form->spbtSaveText, 575, 61, "Экспорт", "Экспорт в текстовый формат"},
        {form->spbtAbout, 636, 75, "О программе", "О программе (Ctrl+F1)"},
    };
    for (const Button& b : buttons) {
        EXPECT_EQ(b.button->x(), b.left) << b.caption;
        EXPECT_EQ(b.button->width(), b.width) << b.caption;
        EXPECT_EQ(b.button->height(), 48) << b.caption;
        EXPECT_EQ(b.button->text(), QString(b.caption));
        EXPECT_EQ(b.button->toolTip(), QString(b.hint)) << b.caption;
        EXPECT_EQ(b.button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    }
    EXPECT_EQ(form->Panel->height(), 53);
    EXPECT_EQ(form->minimumWidth(), 636 + 75 + 15);
    EXPECT_EQ(form->minimumHeight(), 201);

    const char* columns[] = {"Имя файла", "Размер, Кбайт", "Создан", "Изменён", "Атрибуты",
                             "Комментарии"};
    const int widths[] = {150, 87, 121, 120, 70, 139};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(form->ListModel().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QString(columns[c]));
        EXPECT_EQ(form->lvInfo->horizontalHeader()->sectionSize(c), widths[c]);
    }
    EXPECT_FALSE(form->lvInfo->horizontalHeader()->sectionsClickable());
    EXPECT_EQ(form->lvInfo->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(form->tvTreeOfFile->indentation(), 19);
    EXPECT_EQ(form->tvTreeOfFile->width(), 201);
    EXPECT_EQ(form->Splitter->handleWidth(), 3);

    QStringList menu;
    for (QAction* item : form->PopupMenu->actions())
        menu << item->objectName() + "=" + item->text();
    EXPECT_EQ(menu, QStringList({"N1=Нужно", "N2=Не нужно", "N8=Очистить",
                                 "pupComment=Комментировать"}));
    EXPECT_EQ(form->helpAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    EXPECT_EQ(form->odOpen.Title, "Открыть");
    EXPECT_EQ(form->odOpen.Filter, "Список файлов (*.dk)|*.dk");
    EXPECT_EQ(QtNameFilters(form->odOpen.Filter), QStringList{"Список файлов (*.dk)"});
    EXPECT_EQ(form->sdSaveText.Title, "Экспортировать в текстовый формат");
}

TEST_F(MainWindow, EnglishForEnglishSpeakers) {
    Start({"--lang", "ENG"}, "eng");
    EXPECT_EQ(form->spbtAbout->width(), 61);
    EXPECT_EQ(form->minimumWidth(), 636 + 61 + 15);
    EXPECT_EQ(form->spbtOpen->text(), "Open");
    EXPECT_EQ(form->spbtAbout->toolTip(), "About... (Ctrl+F1)");
    EXPECT_EQ(form->ListModel().headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
              "Attributes");
    EXPECT_EQ(form->odOpen.Filter, "Files (*.dk)|*.dk");
}

TEST_F(MainWindow, OpensTheListNamedOnTheCommandLine) {
    const std::string list = MakeList("photos.dk");
    Start({"  " + list + "  "});
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Rows(), QStringList({"A", "Z", "top.txt"}));
    EXPECT_EQ(SelectedTreeCaption(), "photos.dk");
    EXPECT_TRUE(form->tvTreeOfFile->isExpanded(form->tvTreeOfFile->currentIndex()));
    EXPECT_EQ(form->spbtBack->toolTip(), "Назад");
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(MainWindow, AnArgumentThatNamesNoListFile) {
    const std::pair<std::string, bool> cases[] = {
        {dir / "missing.dk", true}, {dir.Path(), true}, {"   ", false}};
    for (const auto& [argument, complains] : cases) {
        prompts.messages.clear();
        Start({argument});
        ASSERT_EQ(prompts.messages.size(), complains ? 1u : 0u) << argument;
        if (complains) {
            EXPECT_EQ(prompts.messages[0].text,
                      QString::fromStdString("Не найден файл: " + argument));
            EXPECT_EQ(prompts.messages[0].caption, "Ошибка");
        }
        EXPECT_EQ(form->ListModel().rowCount(), 0);
        EXPECT_EQ(form->TreeModel().rowCount(), 0);
        form.reset();
    }
    Start({dir / "missing.dk"}, "eng");
    EXPECT_EQ(prompts.messages.back().text, QString::fromStdString("File not found " + (dir / "missing.dk")));
    EXPECT_EQ(prompts.messages.back().caption, "Error");
}

TEST_F(MainWindow, TreeClicksThenBackAndForward) {
    Start({MakeList("photos.dk")});
    form->tvTreeOfFile->expandAll();
    ClickTree(Node("A"));
    ClickTree(Node("AB"));
    ClickTree(Node("ABC"));
    EXPECT_EQ(Rows(), QStringList({"..", "c.txt"}));
    EXPECT_EQ(form->spbtBack->toolTip(), "B");

    QTest::mouseClick(form->spbtBack, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"..", "C", "b.txt"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
    EXPECT_EQ(form->spbtForward->toolTip(), "C");
    QTest::mouseClick(form->spbtBack, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"..", "B", "a.txt"}));
    QTest::mouseClick(form->spbtBack, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"A", "Z", "top.txt"}));
    EXPECT_EQ(SelectedTreeCaption(), "photos.dk");

    QTest::mouseClick(form->spbtForward, Qt::LeftButton);
    EXPECT_EQ(SelectedTreeCaption(), "A");
    QTest::mouseClick(form->spbtForward, Qt::LeftButton);
    QTest::mouseClick(form->spbtForward, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"..", "c.txt"}));
    EXPECT_EQ(SelectedTreeCaption(), "C");
}

TEST_F(MainWindow, DoubleClickEnterParentRowAndUp) {
    Start({MakeList("photos.dk")});
    QTest::mouseClick(form->spbtUp, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"A", "Z", "top.txt"})) << "Up at the root does nothing";

    DoubleClickRow(0); // A
    EXPECT_EQ(Rows(), QStringList({"..", "B", "a.txt"}));
    EXPECT_EQ(SelectedTreeCaption(), "A");
    ClickRow(1);
    form->lvInfo->setFocus();
    QTest::keyClick(form->lvInfo, Qt::Key_Return); // Enter opens like a double click
    EXPECT_EQ(Rows(), QStringList({"..", "C", "b.txt"}));
    EXPECT_EQ(SelectedTreeCaption(), "B");

    DoubleClickRow(0); // ".."
    EXPECT_EQ(Rows(), QStringList({"..", "B", "a.txt"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1}) << "the folder left is selected";
    EXPECT_EQ(form->lvInfo->currentIndex().row(), 1);
    EXPECT_EQ(SelectedTreeCaption(), "A");

    QTest::mouseClick(form->spbtUp, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"A", "Z", "top.txt"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{0});
}

TEST_F(MainWindow, OpenFailuresAreReported) {
    const std::string good = MakeList("good.dk");
    auto cut = test::Describe("F a\n").Data();
    cut.erase(cut.end() - 100, cut.end());
    std::string error;
    ASSERT_TRUE(mkdk::WriteListFile(cut, dir / "cut.dk", &error));
    ASSERT_TRUE(mkdk::WriteListFile({}, dir / "empty.dk", &error));
    test::WriteBytes(dir / "text.dk", {'t', 'e', 'x', 't'});
    Start({good});

    prompts.files = {QString::fromStdString(dir / "text.dk")};
    QTest::mouseClick(form->spbtOpen, Qt::LeftButton);
    EXPECT_EQ(prompts.lastFilter, "Список файлов (*.dk)|*.dk");
    EXPECT_EQ(prompts.MessageTexts().value(0),
              QString::fromStdString("Неудачная попытка разархивировать файл - " + (dir / "text.dk")));
    EXPECT_EQ(Rows(), QStringList({"A", "Z", "top.txt"})) << "the loaded list stays";

    prompts.files = {QString::fromStdString(dir / "empty.dk")};
    QTest::mouseClick(form->spbtOpen, Qt::LeftButton);
    EXPECT_EQ(prompts.MessageTexts().value(1), "Файл пуст!");
    EXPECT_EQ(Rows(), QStringList({"A", "Z", "top.txt"}));

    prompts.files = {QString::fromStdString(dir / "cut.dk")};
    QTest::mouseClick(form->spbtOpen, Qt::LeftButton);
    EXPECT_EQ(prompts.MessageTexts().value(2), "Ошибка при загрузке файла! Возможно он повреждён");
    EXPECT_EQ(form->ListModel().rowCount(), 0) << "no list loaded now";
    EXPECT_EQ(form->TreeModel().rowCount(), 0);
    EXPECT_FALSE(form->State.Root());
    EXPECT_TRUE(form->isEnabled());

    prompts.files = {}; // the dialog is cancelled
    QTest::mouseClick(form->spbtOpen, Qt::LeftButton);
    EXPECT_EQ(prompts.messages.size(), 3u);
}

TEST_F(MainWindow, ADropOpensTheFirstFileEndingInDk) {
    const std::string list = MakeList("dropped.dk");
    const std::string upper = MakeList("UPPER.DK");
    Start();
    auto drop = [&](const std::vector<std::string>& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& file : files)
            urls << QUrl::fromLocalFile(QString::fromStdString(file));
        data.setUrls(urls);
        // Qt hands a drop to the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(form.get(), &enter);
        QDropEvent event(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(form.get(), &event);
    };
    drop({dir / "a.txt", upper, dir / "b.zip"});
    EXPECT_EQ(form->TreeModel().rowCount(), 0) << ".DK is not .dk";
    drop({dir / "a.txt", list, upper});
    EXPECT_EQ(SelectedTreeCaption(), "dropped.dk");
    EXPECT_EQ(Rows(), QStringList({"A", "Z", "top.txt"}));
}

TEST_F(MainWindow, ClosingAsksOnlyWhenMarksOrCommentsChanged) {
    Start({MakeList("photos.dk")});
    EXPECT_TRUE(form->close()) << "unchanged: no question";
    EXPECT_TRUE(prompts.questions.empty());

    Start({MakeList("photos.dk")});
    form->State.ListChanged = true;
    prompts.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(prompts.questions, std::vector<QString>{"Сохранить изменения ?"});
    EXPECT_TRUE(form->isVisible());
    prompts.answers = {QMessageBox::No};
    EXPECT_TRUE(form->close());
}

} // namespace
} // namespace dk
