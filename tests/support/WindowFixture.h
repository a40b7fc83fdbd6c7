#pragma once

// A main window on the offscreen platform, with the user's answers to its
// message boxes and file dialogs given by the test, and the gestures tests
// make on it.
#include "FakePrompts.h"
#include "TestSupport.h"
#include "app/Mainunit.h"
#include "browse/FolderTreeModel.h"
#include "browse/ListViewModel.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>

namespace dk::test {

class WindowTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScopedEnv tmp{"TMP", dir.Path().c_str()};
    test::FakePrompts prompts;
    std::unique_ptr<TInfoFileForm> form;

    std::string MakeList(const std::string& name, const std::string& description = SampleTree) {
        const std::string path = dir / name;
        std::string error;
        EXPECT_TRUE(test::Describe(description).WriteListFile(path, &error)) << error;
        return path;
    }
    void Start(std::vector<std::string> args = {}, const char* language = "rus") {
        currentLanguage = language;
        form = std::make_unique<TInfoFileForm>(ParseStartupOptions(args), &prompts);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QApplication::processEvents(); // the open queued behind the first show
    }
    void TearDown() override {
        form.reset();
        currentLanguage = "rus";
    }

    FolderTreeNode* Node(const std::string& path) { return TreeNode(form->State.Tree, path); }
    void ClickTree(FolderTreeNode* node) {
        const QModelIndex index = form->TreeModel().IndexOf(node);
        form->tvTreeOfFile->scrollTo(index);
        QTest::mouseClick(form->tvTreeOfFile->viewport(), Qt::LeftButton, {},
                          form->tvTreeOfFile->visualRect(index).center());
    }
    QPoint RowPoint(int row) {
        return form->lvInfo->visualRect(form->ListModel().index(row, 0)).center();
    }
    void ClickRow(int row) {
        QTest::mouseClick(form->lvInfo->viewport(), Qt::LeftButton, {}, RowPoint(row));
    }
    void DoubleClickRow(int row) {
        ClickRow(row);
        QTest::mouseDClick(form->lvInfo->viewport(), Qt::LeftButton, {}, RowPoint(row));
    }
    QStringList Rows() {
        QStringList rows;
        for (int r = 0; r < form->ListModel().rowCount(); ++r)
            rows << form->ListModel().index(r, 0).data().toString();
        return rows;
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& index : form->lvInfo->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    QString SelectedTreeCaption() { return form->tvTreeOfFile->currentIndex().data().toString(); }
};

// Runs `answer` on the modal dialog that the next step opens, once it is up.
inline void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog)
            answer(dialog);
    });
}

} // namespace dk::test
