// The item list's commands at the size of a long-standing seller's profile:
// all 100,000 items of a folder selected and deleted through the main
// window's item list. Should stay under a second.

#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandIds.h"
#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"
#include "app/core/UiServices.h"
#include "app/ui/CInvView.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CMainView.h"
#include "app/ui/CNavView.h"
#include "app/ui/ItemListModel.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "widgets/ModalRunner.h"

using namespace gb::itemdb;

namespace {

constexpr int kItems = 100'000;

// Answers every question with Yes and every other window with OK.
class YesRunner final : public gb::widgets::ModalRunner {
public:
    int Run(QDialog& dialog) override {
        if (qobject_cast<QMessageBox*>(&dialog) != nullptr) {
            return QMessageBox::Yes;
        }
        return QDialog::Accepted;
    }
};

class Silent final : public gb::app::MessageService,
                     public gb::app::FileDialogService,
                     public gb::app::ShellService {
public:
    gb::app::MessageResult Show(std::string_view, gb::app::MessageButtons,
                                gb::app::MessageIcon) override {
        return gb::app::MessageResult::Yes;
    }
    std::optional<std::filesystem::path> AskOpenFile(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> AskSaveFile(std::string_view, std::string_view,
                                                     const std::filesystem::path&) override {
        return std::nullopt;
    }
    bool OpenLink(std::string_view) override { return true; }
    bool StartProgram(const std::filesystem::path&, const std::filesystem::path&) override {
        return true;
    }
};

// Settings, logs and pages of the run, removed at its end.
std::filesystem::path BenchFolder() {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("gb_bench_ui_" + std::to_string(::getpid()));
    return folder;
}

// The folder of `kind` below `parentId`; 0 when none.
std::int32_t ChildFolder(CFolderTree& tree, std::int32_t parentId, std::int32_t kind) {
    tree.FindNode(folder::Root);
    do {
        if (tree.GetCurParent() == parentId && tree.GetCurKind() == kind) {
            return tree.GetCurId();
        }
    } while (tree.MoveNext());
    return 0;
}

// A profile of one seller whose ended items all lie in the seller's folder;
// gives the seller's folder of all ended items.
std::int32_t FillProfile(CAucDoc& document) {
    document.OnNewDocument();
    document.SetProfileName("Bench");
    document.GetSellerList().AddSeller("seller1", "eBay USA",
                                       "{6E1E0C2A-3D4B-4B8E-9C1F-2A7B5D3E9F10}");
    document.EnsureSellerFolders();
    document.GetSellerList().SetCurrent(0);
    const std::int32_t sellerFolder = document.GetSellerList().GetFolderId();
    CAucItem model;
    model.SetSite("eBay USA");
    model.SetSellerId("seller1");
    model.SetFolderId(sellerFolder);
    model.SetDescription("Antique brass compass with case, working order");
    model.SetStartDate("3/1/2023 10:00:00 AM");
    model.SetBuyerId("buyer1");
    model.SetMaxBid("20.00");
    for (int i = 0; i < kItems; ++i) {
        CAucItem item = model;
        item.SetAuctionId(std::to_string(2'150'000'000LL + i));
        item.SetEndDate(std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) +
                        "/2023 10:00:00 AM");
        document.GetItemList().AddItem(item, folder::AuctionEnded);
    }
    CFolderTree& tree = document.EditFolders();
    const std::int32_t ended = ChildFolder(tree, sellerFolder, folder::AuctionEnded);
    return ChildFolder(tree, ended, folder::AllItems);
}

// The program's settings and services for the benchmarks' windows: every
// question answered Yes, nothing shown.
struct BenchProgram {
    gb::Settings user{BenchFolder() / "user.settings"};
    gb::app::CLotkeeperApp app{user, BenchFolder()};
    Silent silent;
    YesRunner runner;
    const gb::app::UiServices services{silent, silent, silent, runner};

    BenchProgram() { app.LoadSettings(); }
};

// The main window with the seller's folder of all ended items open: the list
// shows its first rows only, as a folder of that size opens.
struct OpenFolder {
    CAucDoc document;
    std::unique_ptr<gb::app::ui::CMainFrame> frame;
    gb::app::ui::CInvView* list = nullptr;

    OpenFolder(gb::app::CLotkeeperApp& app, const gb::app::UiServices& services) {
        document.SetHost(&app);
        const std::int32_t endedItems = FillProfile(document);
        frame = std::make_unique<gb::app::ui::CMainFrame>(app, document, services);
        frame->ShowMainView();
        frame->show();
        gb::app::ui::CNavView& tree = *frame->GetMainView()->GetTreeView();
        tree.OpenFolderItem(tree.FindTreeItem(endedItems));
        QApplication::processEvents();
        list = dynamic_cast<gb::app::ui::CInvView*>(frame->GetRightView());
    }
};

// Clicks `column` of the list and paints the window as the user then sees it.
void ClickColumn(OpenFolder& open, int column) {
    open.list->OnColumnClick(column);
    open.frame->repaint();
    QApplication::processEvents();
}

void BM_SelectAndDeleteAHundredThousandItems(benchmark::State& state) {
    BenchProgram program;

    for (auto _ : state) {
        state.PauseTiming();
        auto open = std::make_unique<OpenFolder>(program.app, program.services);
        // A column click loads every item of the folder.
        open->list->OnColumnClick(1);
        state.ResumeTiming();

        open->list->OnSelectAll();
        open->frame->ExecuteCommand(gb::app::cmd::DeleteItems);
        // The rows leave once the command is done.
        QApplication::processEvents();

        state.PauseTiming();
        if (open->list->Model().rowCount() != 0 ||
            open->document.GetItemList().GetStateList(folder::DeletedItems)->Size() != kItems) {
            state.SkipWithError("not every item was deleted");
            break;
        }
        open.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectAndDeleteAHundredThousandItems)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first column click on a partly loaded folder loads all its items.
void BM_LoadAllAHundredThousandItems(benchmark::State& state) {
    BenchProgram program;

    for (auto _ : state) {
        state.PauseTiming();
        auto open = std::make_unique<OpenFolder>(program.app, program.services);
        state.ResumeTiming();

        ClickColumn(*open, 1);

        state.PauseTiming();
        if (open->list->Model().rowCount() != kItems) {
            state.SkipWithError("not every item was loaded");
            break;
        }
        open.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadAllAHundredThousandItems)->Unit(benchmark::kMillisecond)->Iterations(3);

// Sorting the loaded list of 100,000 items by another column.
void BM_SortAHundredThousandItemsByColumn(benchmark::State& state) {
    BenchProgram program;
    OpenFolder open(program.app, program.services);
    ClickColumn(open, 1);

    int column = 2;
    for (auto _ : state) {
        ClickColumn(open, column);
        column = column == 2 ? 1 : 2;
    }
}
BENCHMARK(BM_SortAHundredThousandItemsByColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    for (const char* variable : {"GAVELBOOK_USER_SETTINGS", "GAVELBOOK_MACHINE_SETTINGS",
                                 "GAVELBOOK_STATE_DIR", "GAVELBOOK_PROGRAM_DIR"}) {
        const std::filesystem::path place = BenchFolder() / variable;
        std::filesystem::create_directories(place);
        qputenv(variable, QByteArray::fromStdString(place.string()));
    }
    gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
    {
        QApplication application(argc, argv);
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    std::filesystem::remove_all(BenchFolder());
    return 0;
}
