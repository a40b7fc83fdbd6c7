// Listing a folder of a million entries: the folders-first pass against
// std::stable_partition of the same entries, and the whole listing in the
// window (pass, model reset, first paint); then opening a list of 100,000
// folders in the window against reading it in the core alone.
#include "BenchUtil.h"

#include "Synthetic.h"
#include "app/Mainunit.h"
#include "browse/FoldersFirst.h"
#include "browse/ListViewModel.h"
#include "browse/ListFolder.h"
#include "list/ListLoader.h"

#include <QApplication>
#include <QTableView>
#include <algorithm>

namespace {

bool MakeList(const dk::mkdk::SyntheticShape& shape, const std::string& folder,
              const std::string& listPath) {
    const std::string dataPath = folder + "/data";
    const bool made = bench::MakeSyntheticList(shape, dataPath, listPath);
    std::remove(dataPath.c_str());
    return made;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string folder = bench::ScratchFolder("listing");

    // One folder holding a million entries, a third of them folders, mixed.
    dk::mkdk::SyntheticShape wide;
    wide.records = 1'000'001;
    wide.fanout = 1'000'000;
    wide.depth = 1;
    wide.folderShare = 0.33;
    const std::string wideList = folder + "/wide.dk";
    if (!MakeList(wide, folder, wideList))
        return 1;
    dk::ListContainer container;
    dk::LoadResult loaded = dk::LoadList(container, wideList, nullptr);
    if (!loaded.Document)
        return 1;
    dk::ListNode& root = *loaded.Document->Root();
    const std::vector<dk::ListNode*> original(root.Children.begin(), root.Children.end());

    std::vector<dk::ListNode*> entries;
    const double pass = bench::BestSeconds(5, [&] {
        entries = original;
        dk::FoldersFirst(entries);
    });
    const double partition = bench::BestSeconds(5, [&] {
        entries = original;
        std::stable_partition(entries.begin(), entries.end(),
                              [](const dk::ListNode* n) { return n->Record->IsFolder(); });
    });
    std::printf("folders first, 1,000,000 entries: %.4f s, std::stable_partition %.4f s, "
                "ratio %.2f (goal < 2)\n",
                pass, partition, pass / partition);

    // The same folder listed in the window: pass, model reset, first paint.
    {
        dk::TInfoFileForm window(dk::ParseStartupOptions({wideList}));
        window.show();
        QApplication::processEvents();
        QApplication::processEvents();
        dk::ListNode& shownRoot = *window.State.Root();
        std::copy(original.begin(), original.end(), shownRoot.Children.begin());
        const double listing = bench::Seconds([&] {
            dk::ListFolder(window.State.Shown, std::string(shownRoot.Record->Name()) + "*",
                           shownRoot, "");
            window.ListModel().RowsReplaced();
            window.lvInfo->viewport()->repaint();
        });
        std::printf("listing that folder in the window: %.3f s (goal: well under a second)\n",
                    listing);
    }

    // 100,000 folders: opening in the window fills the folder tree while reading.
    dk::mkdk::SyntheticShape folders;
    folders.records = 200'000;
    folders.fanout = 20;
    folders.depth = 8;
    folders.folderShare = 0.5;
    const std::string folderList = folder + "/folders.dk";
    if (!MakeList(folders, folder, folderList))
        return 1;
    const double core = bench::BestSeconds(3, [&] {
        dk::ListContainer c;
        dk::LoadList(c, folderList, nullptr);
    });
    double inWindow = 0;
    std::size_t treeNodes = 0;
    {
        dk::TInfoFileForm window(dk::ParseStartupOptions({}));
        window.show();
        QApplication::processEvents();
        window.odOpen.FileName = QString::fromStdString(folderList);
        inWindow = bench::BestSeconds(3, [&] {
            window.OpenFromDrop = true;
            window.spbtOpenClick(&window);
        });
        treeNodes = window.State.Tree.Size();
    }
    std::printf("opening %zu folders in the window: %.3f s, reading alone %.3f s, ratio %.2f\n",
                treeNodes, inWindow, core, inWindow / core);
    bench::RemoveFolder(folder);
    return 0;
}
