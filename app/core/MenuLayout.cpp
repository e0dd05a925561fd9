#include "app/core/MenuLayout.h"

#include <array>

#include "app/core/CommandIds.h"

namespace gb::app {

namespace {

constexpr int kSep = kMenuSeparator;

constexpr std::array kFile{cmd::FileNew,
                           cmd::FileOpen,
                           cmd::FileSave,
                           cmd::FileSaveAs,
                           kSep,
                           cmd::ExportItems,
                           kSep,
                           cmd::FilePrint,
                           cmd::FilePrintPreview,
                           cmd::FilePrintSetup,
                           kSep,
                           kMenuRecentProfiles,
                           cmd::AppExit};
constexpr std::array kEdit{cmd::EditCopy,      cmd::MailTo, cmd::Report,    kSep,
                           cmd::EditSelectAll, kSep,        cmd::ItemSearch};
constexpr std::array kItems{cmd::EditItems,      cmd::CreateDuplicate,
                            cmd::StoreItem,      kSep,
                            cmd::DeleteItems,    cmd::ArchiveItems,
                            cmd::MoveItems,      cmd::SetStatus,
                            cmd::BulkUpdate,     kSep,
                            cmd::ViewListing,    cmd::BidHistory,
                            cmd::Feedback,       kSep,
                            cmd::InstantSummary, kSep,
                            cmd::UpdateDatabase};
constexpr std::array kView{cmd::NavigationTree, cmd::UserProfile,    kSep,
                           cmd::ViewToolbar,    cmd::ViewStatusBar,  kSep,
                           cmd::DoubleSpace,    cmd::MatureAudiences};
constexpr std::array kTools{cmd::FeeSchedule, cmd::ClipboardTemplates, cmd::DropDownLists, kSep,
                            cmd::ShowCalendar};
constexpr std::array kHelp{cmd::HelpUserGuide, cmd::HelpIndex, kSep, cmd::AppAbout};

constexpr std::array kMainMenus{
    MenuLayout{"&File", kFile}, MenuLayout{"&Edit", kEdit},   MenuLayout{"&Items", kItems},
    MenuLayout{"&View", kView}, MenuLayout{"&Tools", kTools}, MenuLayout{"&Help", kHelp},
};

}  // namespace

std::span<const MenuLayout> MainMenus() {
    return kMainMenus;
}

}  // namespace gb::app
