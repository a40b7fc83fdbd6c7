// The toolbar and context-menu commands as the user reaches them in the
// window: search, marks and their colours, comments, saving and the close
// prompt, export, printing and the About window.
#include "WindowFixture.h"
#include "app/AboutUnit.h"
#include "list/ListLoader.h"
#include "marks/RowColours.h"
#include "output/TextExport.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <cstdio>
#include <filesystem>

namespace dk {
namespace {

using Commands = test::WindowTest;

// The data of a saved list, loaded again.
std::unique_ptr<ListDocument> Reload(const std::string& path) {
    ListContainer container;
    LoadResult loaded = LoadList(container, path, nullptr);
    EXPECT_EQ(loaded.Error, LoadError::None);
    return std::move(loaded.Document);
}

void SearchFor(const QString& mask) {
    test::WhenModal([mask](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>("ledMask");
        ASSERT_TRUE(edit);
        QTest::keyClicks(edit, mask);
        QTest::mouseClick(dialog->findChild<QPushButton*>("FindBitBtn"), Qt::LeftButton);
    });
}

TEST_F(Commands, SearchThroughTheDialogAndBackToTheResults) {
    Start({MakeList("photos.dk")});
    SearchFor("B");
    QTest::mouseClick(form->spbtSearch, Qt::LeftButton);
    EXPECT_TRUE(form->State.Shown.SearchMode);
    EXPECT_EQ(Rows(), QStringList({"A\\B", "A\\B\\b.txt"}));
    EXPECT_TRUE(form->centralWidget()->isEnabled());

    DoubleClickRow(1); // a file: only remembered
    QTest::mouseClick(form->spbtUp, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"A\\B", "A\\B\\b.txt"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});

    DoubleClickRow(0); // the found folder
    EXPECT_FALSE(form->State.Shown.SearchMode);
    EXPECT_EQ(Rows(), QStringList({"..", "C", "b.txt"}));
    EXPECT_EQ(SelectedTreeCaption(), "B");
    QTest::mouseClick(form->spbtBack, Qt::LeftButton); // nothing before the search
    EXPECT_EQ(Rows(), QStringList({"..", "C", "b.txt"}));

    SearchFor("b");
    QTest::mouseClick(form->spbtSearch, Qt::LeftButton);
    ClickTree(Node("Z")); // a tree click leaves the result view
    QTest::mouseClick(form->spbtBack, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"A", "Z", "top.txt"}));
}

TEST_F(Commands, SearchWithoutAListSaysSo) {
    Start();
    QTest::mouseClick(form->spbtSearch, Qt::LeftButton);
    EXPECT_EQ(prompts.MessageTexts(), QStringList{"Список пуст"});
}

TEST_F(Commands, MarksFromTheToolbarAndTheirColours) {
    const std::string list = MakeList("photos.dk", R"(root "C:\"
F plain.txt
F damaged.bin attr=0x80
F struck.doc strike=1
D Folder
  F inside
)");
    Start({list});
    EXPECT_EQ(Rows(), QStringList({"Folder", "damaged.bin", "struck.doc", "plain.txt"}));
    ClickRow(0);
    QTest::mouseClick(form->spbtNeed, Qt::LeftButton);
    EXPECT_TRUE(form->State.ListChanged);
    EXPECT_EQ(test::At(*form->State.Root(), "Folder/inside")->Record->Mark(), 1);
    const QColor needed(201, 249, 204);
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(form->ListModel().index(0, column).data(Qt::BackgroundRole).value<QBrush>().color(),
                  needed);

    ClickRow(3);
    QTest::mouseClick(form->spbtNotNeed, Qt::LeftButton);
    EXPECT_EQ(form->ListModel().index(3, 2).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(219, 217, 213));

    const QModelIndex damaged = form->ListModel().index(1, 0);
    EXPECT_EQ(damaged.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_FALSE(damaged.data(Qt::FontRole).value<QFont>().strikeOut());
    const QModelIndex struck = form->ListModel().index(2, 0);
    EXPECT_EQ(struck.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_TRUE(struck.data(Qt::FontRole).value<QFont>().strikeOut());
    EXPECT_EQ(form->ListModel().index(2, 3).data(Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0, 0, 0));
    EXPECT_FALSE(form->ListModel().index(2, 3).data(Qt::FontRole).value<QFont>().strikeOut());
}

TEST_F(Commands, TheContextMenuShowsItsItemsOnlyForEntries) {
    Start({MakeList("photos.dk")});
    auto popup = [&] {
        emit form->lvInfo->customContextMenuRequested(QPoint(10, 10));
        const bool visible = form->N1->isVisible() && form->N2->isVisible() &&
                             form->N8->isVisible() && form->pupComment->isVisible();
        form->PopupMenu->hide();
        return visible;
    };
    EXPECT_FALSE(popup()) << "nothing selected";
    EXPECT_EQ(prompts.MessageTexts(), QStringList{"Файлы не выбраны"});
    ClickRow(2);
    EXPECT_TRUE(popup());
    form->N2->trigger(); // Not needed on top.txt
    EXPECT_EQ(test::At(*form->State.Root(), "top.txt")->Record->Mark(), 2);

    DoubleClickRow(0); // into A: row 0 is ".."
    ClickRow(0);
    EXPECT_FALSE(popup()) << "\"..\" as the first selected row";
}

TEST_F(Commands, CommentThroughTheDialog) {
    Start({MakeList("photos.dk")});
    ClickRow(2); // top.txt
    test::WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Ввод комментарияКомментарий для файла top.txt");
        auto* edit = dialog->findChild<QPlainTextEdit*>("redComment");
        edit->insertPlainText("первая"); // QTest types ASCII only
        QTest::keyClick(edit, Qt::Key_Return);
        edit->insertPlainText("вторая");
        QTest::mouseClick(dialog->findChild<QPushButton*>("btOk"), Qt::LeftButton);
    });
    form->commentAction->trigger();
    EXPECT_EQ(test::At(*form->State.Root(), "top.txt")->Record->Comment(), test::Enc("первая вторая"));
    EXPECT_EQ(form->ListModel().index(2, 5).data().toString(), "первая вторая");
    EXPECT_TRUE(form->State.ListChanged);

    ClickRow(0);
    QTest::mouseClick(form->lvInfo->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(1));
    form->commentAction->trigger();
    EXPECT_EQ(prompts.MessageTexts().value(0), "Выбрано более одного файла и/или папки!");
}

TEST_F(Commands, SaveWritesMarksBackAndTheClosePromptSavesOnYes) {
    const std::string list = MakeList("photos.dk");
    Start({list});
    ClickRow(2);
    QTest::mouseClick(form->spbtNeed, Qt::LeftButton);
    QTest::mouseClick(form->spbtSave, Qt::LeftButton);
    EXPECT_FALSE(form->State.ListChanged);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(test::At(*Reload(list)->Root(), "top.txt")->Record->Mark(), 1);
    EXPECT_TRUE(form->close()) << "saved: nothing to ask";

    Start({list});
    ClickRow(2);
    QTest::mouseClick(form->spbtNeed, Qt::LeftButton); // back to unmarked
    prompts.answers = {QMessageBox::Yes};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(test::At(*Reload(list)->Root(), "top.txt")->Record->Mark(), 0);
}

TEST_F(Commands, AFailedSaveKeepsTheWindowTheChangesAndTheOldList) {
    const std::string list = MakeList("photos.dk");
    Start({list});
    const auto before = test::ReadBytes(list);
    // Folders stand where the temporary data file would go, in both places.
    std::filesystem::create_directory(dir / "~tmp~photos");
    ClickRow(2);
    QTest::mouseClick(form->spbtNeed, Qt::LeftButton);
    prompts.answers = {QMessageBox::Yes};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(
        QString::fromStdString("Ошибка при создании файла! - " + list)));
    EXPECT_TRUE(form->State.ListChanged);
    EXPECT_EQ(test::ReadBytes(list), before);
    EXPECT_TRUE(form->centralWidget()->isEnabled());

    prompts.answers = {QMessageBox::No};
    EXPECT_TRUE(form->close());
}

TEST_F(Commands, SaveWithoutAListSaysSo) {
    Start();
    QTest::mouseClick(form->spbtSave, Qt::LeftButton);
    EXPECT_EQ(prompts.MessageTexts(), QStringList{"Отсутствуют данные для сохранения"});
}

TEST_F(Commands, ExportThroughTheDialog) {
    const std::string list = MakeList("my.list.dk");
    Start({list});
    LastExportFolder().clear(); // as in the first export of a run
    prompts.files = {QString::fromStdString(dir / "out")};
    QTest::mouseClick(form->spbtSaveText, Qt::LeftButton);
    EXPECT_EQ(prompts.lastProposed, QString::fromStdString(dir / "my.list.txt"));
    EXPECT_EQ(prompts.lastFilter, "*.TXT|*.txt");
    EXPECT_EQ(test::ReadText(dir / "out.txt"),
              "\r\nA\\a.txt\r\n\r\nA\\B\\C\\c.txt\r\n\r\nA\\B\\b.txt\r\n\r\nZ\\z.txt\r\n"
              "\r\ntop.txt\r\n")
        << "folders first where a folder was listed (the root here), file order elsewhere";
    EXPECT_TRUE(prompts.messages.empty());

    // The file exists now: No leaves it alone.
    test::WriteBytes(dir / "out.txt", {'x'});
    prompts.files = {QString::fromStdString(dir / "out.txt")};
    prompts.answers = {QMessageBox::No};
    QTest::mouseClick(form->spbtSaveText, Qt::LeftButton);
    EXPECT_EQ(prompts.questions.back(), "Заменить файл ?");
    EXPECT_EQ(test::ReadText(dir / "out.txt"), "x");
    EXPECT_TRUE(form->centralWidget()->isEnabled());
}

TEST_F(Commands, PrintingToAPdf) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string pdf = dir / "print.pdf";
    test::ScopedEnv printTo("DORVIK_PRINT_TO", pdf.c_str());
    Start({MakeList("photos.dk", R"(root "C:\"
F first.txt
F last.txt
D Sub
  F "Отчёт.doc" attr=0x80
)")});
    QTest::mouseClick(form->spbtPrint, Qt::LeftButton);
    ASSERT_TRUE(prompts.messages.empty()) << prompts.MessageTexts().join(";").toStdString();
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + dir / "print.txt" + "'").c_str()), 0);
    const std::string text = test::ReadText(dir / "print.txt");
    const auto first = text.find("*Sub\\Отчёт.doc");
    const auto second = text.find("last.txt");
    const auto third = text.find("first.txt");
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_LT(first, second);
    EXPECT_LT(second, third) << "in the listing's order: F1 F2 D1 shows as D1 F2 F1";
    EXPECT_EQ(text.find("\f\f"), std::string::npos) << "no empty page";
}

TEST_F(Commands, PrintAndExportDoNothingOnResults) {
    Start({MakeList("photos.dk")});
    SearchFor("a");
    QTest::mouseClick(form->spbtSearch, Qt::LeftButton);
    QTest::mouseClick(form->spbtPrint, Qt::LeftButton);
    QTest::mouseClick(form->spbtSaveText, Qt::LeftButton);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(form->centralWidget()->isEnabled());
}

TEST_F(Commands, CtrlF1OpensTheAboutWindow) {
    Start();
    bool shown = false;
    test::WhenModal([&](QWidget* dialog) {
        shown = dialog == form->AboutForm;
        dialog->close();
    });
    QTest::keyClick(form.get(), Qt::Key_F1, Qt::ControlModifier);
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace dk
