// The "Export Items" command and its dialog on the real widgets, with every
// modal window answered by the scripted runner.

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/core/export/ExportSettings.h"
#include "app/dialogs/export/CExportDlg.h"
#include "app/dialogs/export/ExportItems.h"
#include "export/ExportTestItems.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"
#include "widgets/ScriptedModalRunner.h"

using gb::test::TempFolder;

namespace {

using gb::app::ExportSettings;
using gb::app::ExportType;
using gb::widgets::ScriptedModalRunner;

template <typename Widget>
Widget* Child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void ClickOk(QDialog& dialog) {
    Child<QDialogButtonBox>(dialog, "buttons")->button(QDialogButtonBox::Ok)->click();
}

class ExportItemsTest : public ::testing::Test {
protected:
    ExportItemsTest()
        : runner_([](const std::string& failure) { ADD_FAILURE() << failure; }),
          user_(folder_ / "user.settings") {}

    void Export(const std::string& folderColumns, bool partial = false) {
        const gb::app::HeldItems rows = items_.Held();
        gb::app::ui::ExportItems({rows, folderColumns, partial, items_.Fees()}, user_, runner_,
                                 nullptr);
    }

    TempFolder folder_;
    ScriptedModalRunner runner_;
    gb::Settings user_;
    gb::test::ExportTestItems items_;
};

// The target's name has a letter beyond ASCII: the file gets it as the file
// system writes it (UTF-8).
TEST_F(ExportItemsTest, WritesTheChosenColumnsAndStoresTheChoices) {
    const std::string target = (folder_ / "Verk\xC3\xA4ufe.txt").string();
    runner_
        .Then(ScriptedModalRunner::Accept([&](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), "CExportDlg");
            EXPECT_EQ(Child<QLineEdit>(dialog, "itemCount")->text(), "3");
            auto* exported = Child<QListWidget>(dialog, "exported");
            auto* available = Child<QListWidget>(dialog, "available");
            ASSERT_EQ(exported->count(), 2);  // the folder's Auction ID and Buyer ID
            EXPECT_EQ(exported->currentRow(), 0);
            EXPECT_EQ(available->currentRow(), 0);
            exported->setCurrentRow(1);
            Child<QPushButton>(dialog, "remove")->click();
            EXPECT_EQ(exported->count(), 1);
            // Buyer ID is selected among the available; the export list has no selection.
            EXPECT_TRUE(exported->selectedItems().isEmpty());
            ASSERT_NE(available->currentItem(), nullptr);
            EXPECT_EQ(available->currentItem()->text(), "Buyer ID");
            // Only the buttons move columns here.
            Q_EMIT available->itemDoubleClicked(available->item(0));
            EXPECT_EQ(exported->count(), 1);
            Child<QLineEdit>(dialog, "target")->setText(QString::fromStdString(target));
            Child<QComboBox>(dialog, "type")->setCurrentIndex(2);
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));

    Export("#AG");

    ASSERT_EQ(runner_.Ran().size(), 2u);
    EXPECT_EQ(runner_.Ran()[1].text, "Export Complete!");
    const std::string written = (folder_ / "Verk\xC3\xA4ufe.tab").string();
    EXPECT_EQ(gb::ReadWholeFile(written), "Auction ID\r\n1001\r\n1002\r\n1003\r\n");
    EXPECT_EQ(ExportSettings::Load(user_, folder_.Path()),
              (ExportSettings{ExportType::Tab, "\"A", written}));
}

TEST_F(ExportItemsTest, RefusingToOverwriteKeepsTheDialogOpenAndTheFile) {
    const auto target = folder_ / "old.csv";
    gb::WriteFileAtomically(target, "old");
    ExportSettings{ExportType::Separated, "#AB", target.string()}.Save(user_);
    runner_
        .Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
            ClickOk(dialog);
            EXPECT_TRUE(dialog.isVisible());
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::No));

    Export("");

    ASSERT_EQ(runner_.Ran().size(), 2u);
    EXPECT_TRUE(runner_.Ran()[1].text.startsWith("The export file already exists."));
    EXPECT_EQ(gb::ReadWholeFile(target), "old");
}

TEST_F(ExportItemsTest, ATargetThatCannotBeWrittenIsReportedInTheDialog) {
    runner_
        .Then(ScriptedModalRunner::Reject([&](QDialog& dialog) {
            Child<QLineEdit>(dialog, "target")
                ->setText(QString::fromStdString((folder_ / "missing" / "x.csv").string()));
            ClickOk(dialog);
            EXPECT_TRUE(dialog.isVisible());
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));

    Export("#AB");

    ASSERT_EQ(runner_.Ran().size(), 2u);
    EXPECT_TRUE(runner_.Ran()[1].text.startsWith("Cannot access the export file."));
}

TEST_F(ExportItemsTest, BrowseTakesTheChosenPathAndTheTypeSetsTheExtension) {
    const auto chosen = folder_ / "chosen.txt";
    QString shown;
    runner_
        .Then(ScriptedModalRunner::Reject([&](QDialog& dialog) {
            Child<QPushButton>(dialog, "browse")->click();
            shown = Child<QLineEdit>(dialog, "target")->text();
            Child<QComboBox>(dialog, "type")->setCurrentIndex(0);
            if (const char* shot = std::getenv("GB_SCREENSHOT_EXPORT"); shot != nullptr) {
                dialog.grab().save(QString::fromLocal8Bit(shot));
            }
        }))
        .Then(ScriptedModalRunner::Accept([&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Select Export File");
            auto& files = static_cast<QFileDialog&>(dialog);
            files.selectFile(QString::fromStdString(chosen.string()));
        }));

    Export("#AB");

    EXPECT_EQ(shown.toStdString(), chosen.string());
}

TEST_F(ExportItemsTest, TheFirstExportProposesAFileInTheUsersDocuments) {
    QString proposed;
    runner_.Then(ScriptedModalRunner::Reject(
        [&](QDialog& dialog) { proposed = Child<QLineEdit>(dialog, "target")->text(); }));

    Export("#AB");

    const QFileInfo file(proposed);
    EXPECT_TRUE(file.isAbsolute()) << proposed.toStdString();
    EXPECT_EQ(file.fileName(), "Export.csv");
    EXPECT_TRUE(file.dir().exists()) << proposed.toStdString();
}

TEST_F(ExportItemsTest, APartlyLoadedFolderWarnsAndAnEmptyOneIsNotExported) {
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok)).Then(ScriptedModalRunner::Reject());
    Export("#AB", true);
    ASSERT_EQ(runner_.Ran().size(), 2u);
    EXPECT_TRUE(runner_.Ran()[0].text.startsWith("Warning - Not all inventory items"));

    ScriptedModalRunner empty([](const std::string& failure) { ADD_FAILURE() << failure; });
    empty.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    const gb::app::HeldItems none(items_.List(), {});
    gb::app::ui::ExportItems({none, "#AB", false, items_.Fees()}, user_, empty, nullptr);
    ASSERT_EQ(empty.Ran().size(), 1u);
    EXPECT_EQ(empty.Ran()[0].text, "The current folder is empty. There are no items to export. ");
}

}  // namespace
