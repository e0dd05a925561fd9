#pragma once
// A main window on a profile of its own, with settings, program folder and
// services of the test.

#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <memory>

#include "FakeServices.h"
#include "TestProfile.h"
#include "app/core/CLotkeeperApp.h"
#include "app/core/ServicePrompts.h"
#include "app/ui/CInvView.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CMainView.h"
#include "app/ui/CNavView.h"
#include "app/ui/ItemListModel.h"
#include "itemdb/AucDoc.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

class FrameFixture : public ::testing::Test {
protected:
    FrameFixture() {
        document.SetHost(&app);
        document.SetPrompts(&prompts);
        app.LoadSettings();
    }
    ~FrameFixture() override {
        frame.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The window with the tree and the right-hand view, shown.
    void OpenWindow() {
        frame = std::make_unique<gb::app::ui::CMainFrame>(app, document, services.Services());
        frame->ShowMainView();
        frame->show();
        Settle();
    }
    // Lets queued work (folder loads, deletions) run.
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    gb::app::ui::CNavView& Tree() const { return *frame->GetMainView()->GetTreeView(); }
    gb::app::ui::CInvView* List() const {
        return dynamic_cast<gb::app::ui::CInvView*>(frame->GetRightView());
    }
    // Opens a folder as a double click in the tree does.
    void Open(std::int32_t folderId) {
        Tree().OpenFolderItem(Tree().FindTreeItem(folderId));
        Settle();
    }

    gb::test::TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    gb::app::CLotkeeperApp app{user, folder.Path()};
    FakeServices services;
    gb::app::ServicePrompts prompts{services.messages, services.files, app.GetRecentFiles(),
                                    folder.Path()};
    gb::itemdb::CAucDoc document;
    std::unique_ptr<gb::app::ui::CMainFrame> frame;
};
