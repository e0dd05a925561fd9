#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include <string>

#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"
#include "template_editor/dialogs/DocPrompts.h"
#include "template_editor/dialogs/LibraryDlg.h"
#include "template_editor/dialogs/OpenDlg.h"
#include "template_editor/dialogs/SaveDlg.h"
#include "tests/app/qt/Screenshots.h"
#include "tests/support/TempFolder.h"
#include "widgets/ScriptedModalRunner.h"

namespace gb::editor {
namespace {

using gb::itemdb::CTDocText;
using gb::itemdb::CTemplateLibrary;
using gb::widgets::ScriptedModalRunner;

template <typename T>
T& Child(QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return *child;
}

void SelectRow(QDialog& dialog, int row) {
    auto& list = Child<QTreeWidget>(dialog, "templateList");
    list.setCurrentItem(list.topLevelItem(row));
}

void Click(QDialog& dialog, const char* button) {
    Child<QPushButton>(dialog, button).click();
}

class TemplateDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        CTemplateLibrary library;
        for (const char* name : {"Invoice", "Packing", "Thanks"}) {
            CTDocText t(CTDocText::Defaults::Editor);
            t.SetName(name);
            t.SetDescription(std::string(name) + " text");
            library.AddTemplate(t);
        }
        library.SetPath(library_);
        ASSERT_TRUE(library.SaveFile());
        before_ = Bytes(library_);
    }

    static std::string Bytes(const std::filesystem::path& path) {
        return gb::ReadWholeFile(path).value_or("<missing>");
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& record : runner_.Ran()) {
            if (!record.text.isEmpty()) {
                texts.push_back(record.text.toStdString());
            }
        }
        return texts;
    }

    gb::test::TempFolder folder_;
    std::filesystem::path library_ = folder_ / "VizEvav.cta";
    std::string before_;
    ScriptedModalRunner runner_{[](const std::string& failure) { ADD_FAILURE() << failure; }};
};

TEST_F(TemplateDialogs, OpenListsTheLibraryAndGivesTheSelectedTemplate) {
    runner_.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& list = Child<QTreeWidget>(dialog, "templateList");
        EXPECT_EQ(list.topLevelItemCount(), 3);
        EXPECT_EQ(list.currentItem()->text(0), "Packing");
        EXPECT_EQ(Child<QLabel>(dialog, "libraryName").text(), "VizEvav.cta");
        SelectRow(dialog, 2);
    }));
    COpenDlg dialog(runner_, library_, 1);
    ASSERT_EQ(runner_.Run(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.GetSelected(), 2);
    EXPECT_EQ(dialog.GetLibraryPath(), library_);
    EXPECT_EQ(Bytes(library_), before_);
}

TEST_F(TemplateDialogs, ADoubleClickOnATemplateOpensIt) {
    runner_.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& list = Child<QTreeWidget>(dialog, "templateList");
        SelectRow(dialog, 2);
        Q_EMIT list.itemDoubleClicked(list.topLevelItem(2), 0);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }));
    COpenDlg dialog(runner_, library_, 0);
    ASSERT_EQ(runner_.Run(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.GetSelected(), 2);
}

TEST_F(TemplateDialogs, DeletionsReachTheFileOnlyWithOpen) {
    const auto deleteFirst = [](QDialog& dialog) {
        SelectRow(dialog, 0);
        Click(dialog, "deleteButton");
        auto& list = Child<QTreeWidget>(dialog, "templateList");
        EXPECT_EQ(list.topLevelItemCount(), 2);
        EXPECT_EQ(list.currentItem()->text(0), "Packing");
    };
    // The question comes while the dialog is up: steps go in order of arrival.
    runner_.Then(ScriptedModalRunner::Reject(deleteFirst))
        .Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    {
        COpenDlg dialog(runner_, library_, 0);
        EXPECT_EQ(runner_.Run(dialog), QDialog::Rejected);
    }
    EXPECT_EQ(Bytes(library_), before_);

    runner_.Then(ScriptedModalRunner::Accept(deleteFirst))
        .Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    COpenDlg dialog(runner_, library_, 0);
    ASSERT_EQ(runner_.Run(dialog), QDialog::Accepted);
    CTemplateLibrary read;
    ASSERT_TRUE(read.OpenFile(library_));
    EXPECT_EQ(read.GetCount(), 2);
    EXPECT_EQ(read.FindByName("Invoice"), -1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Delete template 'Invoice'?",
                                                 "Delete template 'Invoice'?"}));
}

TEST_F(TemplateDialogs, AnUnreadableLibraryIsReportedListedEmptyAndNotWritten) {
    folder_.Write("VizEvav.cta", before_.substr(0, before_.size() - 5));
    const std::string damaged = Bytes(library_);
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok))
        .Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
            EXPECT_EQ(Child<QTreeWidget>(dialog, "templateList").topLevelItemCount(), 0);
            Click(dialog, "deleteButton");
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    COpenDlg dialog(runner_, library_, 0);
    ASSERT_EQ(runner_.Run(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.GetSelected(), -1);
    EXPECT_EQ(Bytes(library_), damaged);
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_NE(Texts()[0].find("VizEvav.cta could not be read"), std::string::npos);
    EXPECT_EQ(Texts()[1], "Nothing to delete");
}

TEST_F(TemplateDialogs, SavingUnderANewNameAsksToRenameAndNoAddsANewTemplate) {
    runner_
        .Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
            EXPECT_EQ(Child<QLineEdit>(dialog, "nameEdit").text(), "Thanks");
            Child<QLineEdit>(dialog, "nameEdit").setText("Receipt");
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::No));
    CSaveDlg dialog(runner_, library_, 2);
    ASSERT_EQ(runner_.Run(dialog), QDialog::Accepted);
    const SaveAsChoice choice = dialog.GetChoice();
    EXPECT_EQ(choice.index, -1);
    EXPECT_EQ(choice.name, "Receipt");
    EXPECT_EQ(choice.description, "Thanks text");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Rename template 'Thanks' to template 'Receipt'?"});
}

TEST_F(TemplateDialogs, SavingOverAnotherTemplateAsksAndNoKeepsTheDialogOpen) {
    runner_
        .Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
            Child<QLineEdit>(dialog, "nameEdit").setText("Invoice");
            Click(dialog, "saveButton");
            EXPECT_TRUE(dialog.isVisible());
            Child<QLineEdit>(dialog, "nameEdit").setText("");
            Click(dialog, "saveButton");
            Child<QLineEdit>(dialog, "nameEdit").setText("../Invoice");
            Click(dialog, "saveButton");
            EXPECT_TRUE(dialog.isVisible());
            Child<QLineEdit>(dialog, "nameEdit").setText("Invoice");
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::No))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok))
        .Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    CSaveDlg dialog(runner_, library_, 2);
    ASSERT_EQ(runner_.Run(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.GetChoice().index, 0);
    const std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Template 'Invoice' already exists. Do you want to replace it?");
    EXPECT_EQ(texts[1], "You must supply a Name and a Description for your template.");
    EXPECT_NE(texts[2].find("../Invoice is not a valid template name"), std::string::npos);
    EXPECT_EQ(texts[3], texts[0]);
}

TEST_F(TemplateDialogs, ANewLibraryIsCreatedUnderATypedNameWithTheExtension) {
    runner_
        .Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
            auto& list = Child<QListWidget>(dialog, "libraryList");
            EXPECT_EQ(list.count(), 1);
            auto& edit = Child<QLineEdit>(dialog, "libraryEdit");
            EXPECT_EQ(edit.text(), "VizEvav.cta");
            for (const char* refused : {"a:b", ".hidden", "../up"}) {
                edit.setText(refused);
                Click(dialog, "selectButton");
            }
            EXPECT_TRUE(dialog.isVisible());
            edit.setText(" My Library.2024 ");
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok))
        .Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    CLibraryDlg dialog(runner_, library_, true);
    ASSERT_EQ(runner_.Run(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.GetLibraryPath(), folder_ / "My Library.2024.cta");
    CTemplateLibrary created;
    EXPECT_TRUE(created.OpenFile(dialog.GetLibraryPath()));
    EXPECT_EQ(created.GetCount(), 0);
    const std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Cannot create library. a:b.cta is not a valid name. Please revise.");
    EXPECT_EQ(texts[3], "Create new library My Library.2024.cta?");
    EXPECT_FALSE(std::filesystem::exists(folder_ / ".hidden.cta"));
}

TEST_F(TemplateDialogs, TheSaveDialogSwitchesToALibraryChosenInTheLibraryDialog) {
    CTemplateLibrary other;
    other.SetPath(folder_ / "Other.cta");
    ASSERT_TRUE(other.SaveFile());
    runner_
        .Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
            Click(dialog, "libraryButton");
            EXPECT_EQ(Child<QLabel>(dialog, "libraryName").text(), "Other.cta");
            EXPECT_EQ(Child<QTreeWidget>(dialog, "templateList").topLevelItemCount(), 0);
            Child<QLineEdit>(dialog, "nameEdit").setText("Thanks");
            Child<QLineEdit>(dialog, "descriptionEdit").setText("Moved");
        }))
        .Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
            auto& list = Child<QListWidget>(dialog, "libraryList");
            list.setCurrentItem(list.findItems("Other.cta", Qt::MatchExactly).front());
        }));
    CSaveDlg dialog(runner_, library_, 2);
    ASSERT_EQ(runner_.Run(dialog), QDialog::Accepted);
    const SaveAsChoice choice = dialog.GetChoice();
    EXPECT_EQ(choice.library, folder_ / "Other.cta");
    EXPECT_EQ(choice.index, -1);
    EXPECT_EQ(choice.description, "Moved");
}

TEST_F(TemplateDialogs, CancelInTheSaveDialogGivesNoChoice) {
    runner_.Then(ScriptedModalRunner::Reject());
    DocPrompts prompts(runner_);
    EXPECT_FALSE(prompts.ChooseSaveAs(library_, 0).has_value());
    ASSERT_EQ(runner_.Ran().size(), 1u);
    EXPECT_EQ(runner_.Ran()[0].title, "Save Template As");
}

TEST_F(TemplateDialogs, TheSaveQuestionOffersCancelAndClosingTheBoxCancels) {
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Cancel))
        .Then(ScriptedModalRunner::Press(QMessageBox::No))
        .Then(ScriptedModalRunner::Reject());
    DocPrompts prompts(runner_);
    EXPECT_EQ(prompts.AskYesNoCancel("Save your changes?"), Answer::Cancel);
    EXPECT_EQ(prompts.AskYesNoCancel("Save your changes?"), Answer::No);
    EXPECT_EQ(prompts.AskYesNoCancel("Save your changes?"), Answer::Cancel);
}

TEST_F(TemplateDialogs, TheOpenListShowsNamesAndDescriptionsWholeAtTheDefaultSize) {
    CTemplateLibrary library;
    for (const char* name : {"Buyer Invoice", "Thank you for a winning bid 30", "Packing list"}) {
        CTDocText t(CTDocText::Defaults::Editor);
        t.SetName(name);
        t.SetDescription(std::string("What the ") + name + " template is for");
        library.AddTemplate(t);
    }
    library.SetPath(library_);
    ASSERT_TRUE(library.SaveFile());
    runner_.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        auto& list = Child<QTreeWidget>(dialog, "templateList");
        QApplication::processEvents();
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            for (int column : {0, 1}) {
                const QString text = list.topLevelItem(row)->text(column);
                EXPECT_LE(list.fontMetrics().horizontalAdvance(text), list.columnWidth(column))
                    << text.toStdString();
            }
        }
        EXPECT_GT(list.columnWidth(1), list.columnWidth(0));
        if (!gb::test::ScreenshotFolder().isEmpty()) {
            gb::test::SaveScreenshot(dialog, QStringLiteral("template-open-dialog.png"));
        }
    }));
    COpenDlg dialog(runner_, library_, 1);
    runner_.Run(dialog);
    EXPECT_EQ(runner_.StepsLeft(), 0u);
}

}  // namespace
}  // namespace gb::editor
