#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "../itemdb/ShippedData.h"
#include "FakePrompts.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "template_editor/core/EditorSettings.h"
#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/LibraryFile.h"
#include "template_editor/core/SaveBeforeCommand.h"
#include "template_editor/core/TemplateDoc.h"
#include "tests/support/TempFolder.h"

namespace gb::editor {
namespace {

using gb::itemdb::CTDocText;
using gb::itemdb::CTemplateLibrary;

CTDocText Template(const std::string& name) {
    CTDocText t(CTDocText::Defaults::Editor);
    t.SetName(name);
    t.SetDescription(name + " description");
    t.SetHeader("<html><body>" + name + " header</body></html>");
    t.SetRepeat("<html><body>[Auction_ID]</body></html>");
    t.SetFooter("<html><body>end</body></html>");
    return t;
}

// The main program's reading of a library file.
CTemplateLibrary ReadBack(const std::filesystem::path& path) {
    CTemplateLibrary library;
    EXPECT_TRUE(library.OpenFile(path)) << path;
    return library;
}

class TemplateDocSave : public ::testing::Test {
protected:
    void SetUp() override {
        CTemplateLibrary library;
        for (const char* name : {"Invoice", "Packing", "Thanks"}) {
            library.AddTemplate(Template(name));
        }
        library.SetPath(library_);
        ASSERT_TRUE(library.SaveFile());
    }

    std::string Bytes(const std::filesystem::path& path) const {
        return gb::ReadWholeFile(path).value_or("<missing>");
    }

    // Replaces the repeat section of the current template with a change.
    void EditRepeat() {
        ASSERT_TRUE(doc_.StoreSection("<html><body>changed</body></html>", section::Repeat));
    }

    gb::test::TempFolder folder_;
    std::filesystem::path library_ = folder_ / "VizEvav.cta";
    FakePrompts prompts_;
    gb::Settings settings_{folder_ / "user.settings"};
    CTemplateDoc doc_{prompts_, settings_, folder_.Path()};
};

TEST_F(TemplateDocSave, AnUnchangedShippedLibraryStaysByteForByte) {
    gb::test::TempFolder shipped;
    ASSERT_TRUE(MakeShippedData(shipped.Path()));
    const std::filesystem::path path = shipped / "VizEvav.cta";
    const std::string before = Bytes(path);
    ASSERT_TRUE(doc_.OpenDocument(path));
    ASSERT_GT(doc_.GetLibrary().GetCount(), 1);

    // Every section stored back as the views hand it over, then saved.
    for (int index = 0; index < doc_.GetLibrary().GetCount(); ++index) {
        ASSERT_TRUE(doc_.SelectTemplate(index));
        const CTDocText& t = doc_.GetTemplate();
        for (const auto& [page, section] :
             {std::pair{t.GetHeader(), section::Header}, std::pair{t.GetRepeat(), section::Repeat},
              std::pair{t.GetFooter(), section::Footer}}) {
            ASSERT_TRUE(doc_.StoreSection(page, section)) << t.GetName() << " " << section;
        }
        ASSERT_TRUE(doc_.StoreSection(doc_.GetSourceHTML(), section::Source));
        EXPECT_FALSE(doc_.QuerySave(false)) << t.GetName();
        EXPECT_EQ(doc_.SaveTemplate(false, false), SaveOutcome::Done);
    }
    EXPECT_TRUE(doc_.SaveModified());
    EXPECT_EQ(Bytes(path), before);
    EXPECT_TRUE(prompts_.shown.empty());
}

TEST_F(TemplateDocSave, ASavedChangeReadsBackThroughTheMainProgramsLibrary) {
    ASSERT_TRUE(doc_.OpenDocument(library_));
    ASSERT_TRUE(doc_.SelectTemplate(1));
    EditRepeat();
    doc_.SetKindAndSubject(CTDocText::Report, "");

    EXPECT_EQ(doc_.SaveTemplate(false, false), SaveOutcome::Done);

    const CTemplateLibrary read = ReadBack(library_);
    ASSERT_EQ(read.GetCount(), 3);
    EXPECT_TRUE(read.GetTemplate(1)->IsEqual(doc_.GetTemplate()));
    EXPECT_TRUE(read.GetTemplate(0)->IsEqual(Template("Invoice")));
    EXPECT_TRUE(read.GetTemplate(2)->IsEqual(Template("Thanks")));
    EXPECT_EQ(read.GetSelected(), 1);
}

TEST_F(TemplateDocSave, NoToSaveChangesWritesNothingNowOrAtClose) {
    const std::string before = Bytes(library_);
    ASSERT_TRUE(doc_.OpenDocument(library_));
    EditRepeat();
    prompts_.answers = {Answer::No};

    EXPECT_TRUE(SaveBeforeCommand(doc_, prompts_, FileCommand::Close, true));
    EXPECT_TRUE(doc_.SaveModified());

    EXPECT_EQ(prompts_.asked, std::vector<std::string>{"Save your changes?"});
    EXPECT_EQ(Bytes(library_), before);
}

TEST_F(TemplateDocSave, AnUnchangedExistingTemplateIsNotOfferedButANewOneIs) {
    ASSERT_TRUE(doc_.OpenDocument(library_));
    EXPECT_FALSE(doc_.QuerySave(true));
    doc_.SelectTemplate(-1);
    EXPECT_FALSE(doc_.QuerySave(true));
    EXPECT_EQ(prompts_.asked, std::vector<std::string>{"Save the new template?"});
}

TEST_F(TemplateDocSave, CancelInSaveAsSavesNothing) {
    const std::string before = Bytes(library_);
    ASSERT_TRUE(doc_.OpenDocument(library_));
    EditRepeat();
    prompts_.saveAs = {std::nullopt};

    EXPECT_EQ(doc_.SaveTemplate(true, false), SaveOutcome::Cancelled);
    EXPECT_TRUE(doc_.SaveModified());
    EXPECT_EQ(Bytes(library_), before);

    // A new template asked about at New: Yes, then Cancel stops the command.
    doc_.SelectTemplate(-1);
    prompts_.answers = {Answer::Yes};
    prompts_.saveAs = {std::nullopt};
    EXPECT_FALSE(SaveBeforeCommand(doc_, prompts_, FileCommand::New, true));
    EXPECT_EQ(Bytes(library_), before);
}

TEST_F(TemplateDocSave, AfterSaveAsTheSavedTemplateIsCurrent) {
    // A new document shows a new template; the remembered index points elsewhere.
    EditorSettings(settings_).Store("Other.cta", 2);
    doc_.NewDocument();
    ASSERT_EQ(doc_.GetPathName(), folder_ / "Other.cta");
    ASSERT_TRUE(doc_.StoreSection("<html><body>mine</body></html>", section::Header));
    prompts_.saveAs = {SaveAsChoice{library_, -1, "Auction list", "All auctions"}};

    ASSERT_EQ(doc_.SaveTemplate(false, false), SaveOutcome::Done);

    EXPECT_EQ(doc_.GetPathName(), library_);
    EXPECT_EQ(doc_.GetCurrentIndex(), 0);
    EXPECT_EQ(doc_.GetTemplate().GetName(), "Auction list");
    EXPECT_EQ(doc_.GetTemplate().GetHeader(), "<html><body>mine</body></html>");
    EXPECT_EQ(ReadBack(library_).GetCount(), 4);
    EXPECT_FALSE(doc_.QuerySave(false));
}

TEST_F(TemplateDocSave, SaveAsUnderANewNameRenamesTheTemplate) {
    ASSERT_TRUE(doc_.OpenDocument(library_));
    ASSERT_TRUE(doc_.SelectTemplate(2));
    prompts_.saveAs = {SaveAsChoice{library_, 2, "Agreement", "Renamed"}};

    ASSERT_EQ(doc_.SaveTemplate(true, false), SaveOutcome::Done);

    const CTemplateLibrary read = ReadBack(library_);
    ASSERT_EQ(read.GetCount(), 3);
    EXPECT_EQ(read.FindByName("Thanks"), -1);
    EXPECT_EQ(read.FindByName("Agreement"), 0);
    EXPECT_EQ(doc_.GetCurrentIndex(), 0);
    EXPECT_EQ(doc_.GetTemplate().GetName(), "Agreement");
}

// A library cut short or holding garbage is reported and never overwritten.
class UnreadableLibrary : public TemplateDocSave,
                          public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        TemplateDocSave::SetUp();
        const std::string whole = Bytes(library_);
        const std::string damaged = GetParam() == std::string("truncated")
                                        ? whole.substr(0, whole.size() - 20)
                                        : std::string("\x01\x00\x00\x00\xff\xff\xff\xff\x7f", 9);
        folder_.Write("VizEvav.cta", damaged);
        before_ = Bytes(library_);
    }
    std::string before_;
};

TEST_P(UnreadableLibrary, IsReportedAndLeftAsItWas) {
    const std::string message = UnreadableLibraryMessage(library_);
    EXPECT_NE(message.find("VizEvav.cta"), std::string::npos);

    EXPECT_FALSE(doc_.OpenDocument(library_));
    EXPECT_EQ(prompts_.shown, std::vector<std::string>{message});

    // The program goes on with a new document in the same library, whose
    // first save writes into it through Save As.
    doc_.NewDocument();
    ASSERT_EQ(doc_.GetPathName(), library_);
    ASSERT_TRUE(doc_.StoreSection("<html><body>new</body></html>", section::Header));
    prompts_.saveAs = {SaveAsChoice{library_, -1, "New one", "d"}};
    EXPECT_EQ(doc_.SaveTemplate(false, false), SaveOutcome::Failed);
    EXPECT_TRUE(doc_.SaveModified());

    EXPECT_EQ(prompts_.shown, (std::vector<std::string>{message, message}));
    EXPECT_EQ(Bytes(library_), before_);
}

INSTANTIATE_TEST_SUITE_P(Damage, UnreadableLibrary, ::testing::Values("truncated", "garbage"));

TEST_F(TemplateDocSave, ASectionThatCannotBeStoredStopsSaveAndIsDiscardedOnlyWhenTheUserSays) {
    const std::string before = Bytes(library_);
    ASSERT_TRUE(doc_.OpenDocument(library_));
    EditRepeat();
    EXPECT_FALSE(SaveBeforeCommand(doc_, prompts_, FileCommand::Save, false));
    EXPECT_EQ(prompts_.shown, std::vector<std::string>{
                                  std::string(EditorStrings().Get(string_id::TemplateMalformed))});
    EXPECT_TRUE(prompts_.asked.empty());

    // New, Open and Close ask: No goes back to the edits, Yes discards them
    // and goes on to offer what was stored before.
    const std::string discard(EditorStrings().Get(string_id::DiscardMalformedSection));
    for (const FileCommand command : {FileCommand::New, FileCommand::Open, FileCommand::Close}) {
        prompts_.asked.clear();
        prompts_.answers = {Answer::No};
        EXPECT_FALSE(SaveBeforeCommand(doc_, prompts_, command, false));
        prompts_.answers = {Answer::Yes, Answer::No};
        EXPECT_TRUE(SaveBeforeCommand(doc_, prompts_, command, false));
        EXPECT_EQ(prompts_.asked,
                  (std::vector<std::string>{discard, discard, "Save your changes?"}));
    }
    EXPECT_EQ(Bytes(library_), before);
}

TEST_F(TemplateDocSave, CancelToSaveYourChangesStopsTheCommandAndWritesNothing) {
    const std::string before = Bytes(library_);
    ASSERT_TRUE(doc_.OpenDocument(library_));
    EditRepeat();
    prompts_.answers = {Answer::Cancel};
    EXPECT_EQ(doc_.SaveTemplate(false, true), SaveOutcome::Cancelled);
    prompts_.answers = {Answer::Cancel};
    EXPECT_FALSE(SaveBeforeCommand(doc_, prompts_, FileCommand::Close, true));
    EXPECT_EQ(prompts_.asked,
              (std::vector<std::string>{"Save your changes?", "Save your changes?"}));
    EXPECT_EQ(Bytes(library_), before);
}

TEST_F(TemplateDocSave, AFailedWriteIsReportedAsNotSaved) {
    ASSERT_TRUE(doc_.OpenDocument(library_));
    EditRepeat();
    // A folder in the library's place cannot be replaced by the written file.
    std::filesystem::remove(library_);
    std::filesystem::create_directory(library_);

    EXPECT_EQ(doc_.SaveTemplate(false, false), SaveOutcome::Failed);
    EXPECT_EQ(prompts_.shown, std::vector<std::string>{
                                  std::string(EditorStrings().Get(string_id::TemplateNotSaved))});
    EXPECT_TRUE(std::filesystem::is_directory(library_));
}

TEST_F(TemplateDocSave, OpenSelectsTheRememberedTemplateAndCloseRemembersIt) {
    EditorSettings(settings_).Store("VizEvav.cta", 2);
    ASSERT_TRUE(doc_.OpenDocument(library_));
    EXPECT_EQ(doc_.GetTemplate().GetName(), "Thanks");
    EXPECT_EQ(doc_.GetPagePrefix(), "<html><body>");

    EditorSettings(settings_).Store("VizEvav.cta", 7);
    CTemplateDoc other(prompts_, settings_, folder_.Path());
    ASSERT_TRUE(other.OpenDocument(library_));
    EXPECT_EQ(other.GetCurrentIndex(), 0);

    ASSERT_TRUE(other.SelectTemplate(1));
    other.CloseDocument();
    EXPECT_EQ(EditorSettings(settings_).GetTemplateIndex(), 1);
    EXPECT_EQ(EditorSettings(settings_).GetLibraryName(), "VizEvav.cta");
}

}  // namespace
}  // namespace gb::editor
