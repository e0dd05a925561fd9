#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "HandBuiltRecord.h"
#include "itemdb/TDocText.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Archive.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

CTDocText Template(std::string_view name, std::string_view description = "d") {
    CTDocText t;
    t.SetName(name);
    t.SetDescription(description);
    return t;
}

CTemplateLibrary LibraryOf(std::initializer_list<std::string_view> names) {
    CTemplateLibrary library;
    for (std::string_view name : names) {
        library.AddTemplate(Template(name));
    }
    return library;
}

std::vector<std::string> Names(const CTemplateLibrary& library) {
    std::vector<std::string> names;
    for (int i = 0; i < library.GetCount(); ++i) {
        names.push_back(library.GetTemplate(i)->GetName());
    }
    return names;
}

std::string Store(CTemplateLibrary& library) {
    gb::Archive ar = gb::Archive::ForStoring("test.cta");
    library.Serialize(ar);
    return ar.Bytes();
}

CTDocText Report() {
    CTDocText t;
    t.SetName("Sales");
    t.SetDescription("All sales");
    t.SetKind(CTDocText::Report);
    t.SetSubject("");
    t.SetHeader("<BODY>h");
    t.SetRepeat("[Auction_ID]");
    t.SetFooter("</BODY>");
    return t;
}

CTDocText Mail() {
    CTDocText t;
    t.SetName("Thanks");
    t.SetDescription("Thank the buyer");
    t.SetKind(CTDocText::Email);
    t.SetSubject("Your [Description]");
    t.SetHeader("Hi");
    t.SetRepeat("r");
    t.SetFooter("Bye");
    return t;
}

// The two templates above with the second one selected, laid out by hand.
std::string TwoTemplateBytes() {
    HandBuiltRecord r;
    r.Int32(1).Byte(2).Byte(0);
    r.Text("Sales").Text("All sales").Int32(0).Text("");
    r.Text("<BODY>h").Text("[Auction_ID]").Text("</BODY>");
    r.Text("Thanks").Text("Thank the buyer").Int32(1).Text("Your [Description]");
    r.Text("Hi").Text("r").Text("Bye");
    return r.Bytes();
}

TEST(TemplateRecord, NewTemplateDefaultsDifferByProgram) {
    const CTDocText program;
    EXPECT_EQ(program.GetName(), "New");
    EXPECT_EQ(program.GetDescription(), "New");
    EXPECT_EQ(program.GetSubject(), "New");
    EXPECT_EQ(program.GetHeader(), "Blank");
    EXPECT_EQ(program.GetRepeat(), "Blank");
    EXPECT_EQ(program.GetFooter(), "Blank");
    EXPECT_EQ(program.GetKind(), CTDocText::Email);

    const CTDocText editor(CTDocText::Defaults::Editor);
    EXPECT_EQ(editor.GetName(), "New Template");
    EXPECT_EQ(editor.GetDescription(), "The purpose of this template is ...");
    EXPECT_EQ(editor.GetSubject(),
              "Enter your email subject line. It can contain fields - [Description]");
    EXPECT_EQ(editor.GetHeader(), "");
    EXPECT_EQ(editor.GetRepeat(), "");
    EXPECT_EQ(editor.GetFooter(), "");
    EXPECT_EQ(editor.GetKind(), CTDocText::Email);
}

TEST(TemplateRecord, IsEqualComparesEveryFieldExactly) {
    const std::vector<std::function<void(CTDocText&)>> changes = {
        [](CTDocText& t) { t.SetName("thanks"); },
        [](CTDocText& t) { t.SetDescription("Thank the buyer "); },
        [](CTDocText& t) { t.SetKind(CTDocText::Report); },
        [](CTDocText& t) { t.SetSubject("Your [description]"); },
        [](CTDocText& t) { t.SetHeader("hi"); },
        [](CTDocText& t) { t.SetRepeat("R"); },
        [](CTDocText& t) { t.SetFooter(""); },
    };
    EXPECT_TRUE(Mail().IsEqual(Mail()));
    for (const auto& change : changes) {
        CTDocText changed = Mail();
        change(changed);
        EXPECT_FALSE(changed.IsEqual(Mail()));
    }
}

TEST(TemplateRecord, RecordReadInPartLeavesTemplateUnchanged) {
    HandBuiltRecord r;
    r.Text("Other").Text("desc").Int32(0);  // the record ends before its subject
    gb::Archive ar = gb::Archive::ForLoading(r.Bytes(), "short.cta");
    CTDocText t = Mail();
    EXPECT_THROW(t.Serialize(ar), gb::ArchiveException);
    EXPECT_TRUE(t.IsEqual(Mail()));
}

TEST(TemplateLibraryFile, EmptyLibraryIsSelectedIndexAndZeroCount) {
    CTemplateLibrary library;
    EXPECT_EQ(Store(library), std::string("\0\0\0\0\0\0", 6));
}

TEST(TemplateLibraryFile, TwoTemplatesMatchHandBuiltBytes) {
    CTemplateLibrary library;
    library.AddTemplate(Report());
    library.AddTemplate(Mail());
    library.SetCurrent(1);
    EXPECT_EQ(Store(library), TwoTemplateBytes());
    EXPECT_FALSE(library.IsModified());
}

TEST(TemplateLibraryFile, ReadingHandBuiltBytesGivesBothTemplates) {
    CTemplateLibrary library = LibraryOf({"Old"});
    gb::Archive ar = gb::Archive::ForLoading(TwoTemplateBytes(), "test.cta");
    library.Serialize(ar);
    ASSERT_EQ(library.GetCount(), 2);
    EXPECT_EQ(library.GetSelected(), 1);
    EXPECT_TRUE(library.GetTemplate(0)->IsEqual(Report()));
    EXPECT_TRUE(library.GetTemplate(1)->IsEqual(Mail()));
    EXPECT_FALSE(library.IsModified());
}

TEST(TemplateLibraryFile, SavedLibraryReadsBackWholeWithLongSections) {
    TempFolder folder;
    CTemplateLibrary library;
    CTDocText big = Report();
    big.SetRepeat(std::string(70000, 'x'));  // beyond the two-byte length form
    library.AddTemplate(big);
    library.AddTemplate(Mail());
    library.SetCurrent(1);
    library.SetPath(folder / "lib.cta");
    ASSERT_TRUE(library.SaveFile());

    CTemplateLibrary read;
    ASSERT_TRUE(read.OpenFile(folder / "lib.cta"));
    EXPECT_EQ(read.GetPath(), folder / "lib.cta");
    EXPECT_EQ(read.GetSelected(), 1);
    ASSERT_EQ(read.GetCount(), 2);
    EXPECT_TRUE(read.GetTemplate(0)->IsEqual(big));
    EXPECT_TRUE(read.GetTemplate(1)->IsEqual(Mail()));
}

TEST(TemplateLibraryFile, OpenFailsOnMissingFileButKeepsThePath) {
    TempFolder folder;
    CTemplateLibrary library;
    EXPECT_FALSE(library.OpenFile(folder / "none.cta"));
    EXPECT_EQ(library.GetPath(), folder / "none.cta");
    EXPECT_EQ(library.GetCount(), 0);
}

TEST(TemplateLibraryFile, TruncatedFileKeepsTheTemplatesReadWhole) {
    TempFolder folder;
    const std::string bytes = TwoTemplateBytes();
    const auto path = folder.Write("cut.cta", bytes.substr(0, bytes.size() - 2));
    CTemplateLibrary library;
    EXPECT_FALSE(library.OpenFile(path));
    ASSERT_EQ(library.GetCount(), 1);
    EXPECT_TRUE(library.GetTemplate(0)->IsEqual(Report()));
}

TEST(TemplateLibraryFile, CountBeyondTheFileKeepsTheTemplatesPresent) {
    TempFolder folder;
    const std::string bytes = TwoTemplateBytes();
    HandBuiltRecord count;
    count.Byte(0xFF).Byte(0xFF).Int32(0x7FFFFFFF);
    const std::string claimed = bytes.substr(0, 4) + count.Bytes() + bytes.substr(6);
    CTemplateLibrary library;
    EXPECT_FALSE(library.OpenFile(folder.Write("claims.cta", claimed)));
    ASSERT_EQ(library.GetCount(), 2);
    EXPECT_TRUE(library.GetTemplate(1)->IsEqual(Mail()));
}

TEST(TemplateLibraryFile, CountLargerThanTheFileFailsBeforeReading) {
    TempFolder folder;
    HandBuiltRecord r;
    r.Int32(0).Byte(0xFF).Byte(0xFF).Int32(0x7FFFFFFF);
    CTemplateLibrary library;
    EXPECT_FALSE(library.OpenFile(folder.Write("huge.cta", r.Bytes())));
    EXPECT_EQ(library.GetCount(), 0);
}

TEST(TemplateLibraryFile, SaveFailsWithoutPathOrWhenTheFileCannotBeReplaced) {
    CTemplateLibrary library = LibraryOf({"A"});
    EXPECT_FALSE(library.SaveFile());

    TempFolder folder;
    std::filesystem::create_directory(folder / "taken.cta");
    library.SetPath(folder / "taken.cta");
    EXPECT_FALSE(library.SaveFile());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.cta"));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(TemplateLibraryEditing, AddInsertsInByteOrderAndRefusesTakenNames) {
    CTemplateLibrary library = LibraryOf({"Gamma", "Alpha"});
    EXPECT_EQ(library.AddTemplate(Template("Beta")), 1);
    EXPECT_EQ(library.AddTemplate(Template("Beta")), -1);
    EXPECT_EQ(library.AddTemplate(Template("beta")), 3);
    EXPECT_EQ(Names(library), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "beta"}));
    EXPECT_TRUE(library.IsModified());
    EXPECT_EQ(library.FindByName("beta"), 3);
    EXPECT_EQ(library.FindByName("BETA"), -1);
}

TEST(TemplateLibraryEditing, SetTemplateOverwritesTheOneWithTheSameName) {
    CTemplateLibrary library = LibraryOf({"A", "B", "C"});
    EXPECT_EQ(library.SetTemplate(Template("C", "changed"), 0), 2);
    EXPECT_EQ(Names(library), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(library.GetTemplate(2)->GetDescription(), "changed");
}

TEST(TemplateLibraryEditing, SetTemplateWithNewNameMovesItIntoNameOrder) {
    CTemplateLibrary library = LibraryOf({"A", "B", "C"});
    EXPECT_EQ(library.SetTemplate(Template("AA"), 2), 1);
    EXPECT_EQ(Names(library), (std::vector<std::string>{"A", "AA", "B"}));
}

TEST(TemplateLibraryEditing, SetTemplateNegativeIndexMeansTheCursor) {
    CTemplateLibrary library = LibraryOf({"A", "B", "C"});
    library.SetCurrent(1);
    EXPECT_EQ(library.SetTemplate(Template("Z"), -1), 2);
    EXPECT_EQ(Names(library), (std::vector<std::string>{"A", "C", "Z"}));
    EXPECT_EQ(library.SetTemplate(Template("Q"), 3), -1);
}

TEST(TemplateLibraryEditing, DeletingTheOnlyTemplateLeavesNoCursor) {
    CTemplateLibrary library = LibraryOf({"A"});
    library.SetCurrent(0);
    EXPECT_TRUE(library.DeleteTemplate(0));
    EXPECT_EQ(library.GetSelected(), -1);
    EXPECT_EQ(library.GetTemplate(-1), nullptr);
    // With no template under the cursor there is nothing to replace.
    EXPECT_EQ(library.SetTemplate(Template("B"), -1), -1);
    EXPECT_EQ(library.GetCount(), 0);
}

TEST(TemplateLibraryEditing, DeleteAllAndOutOfRangeIndexes) {
    CTemplateLibrary library = LibraryOf({"A", "B"});
    gb::Archive ar = gb::Archive::ForStoring("x.cta");
    library.Serialize(ar);  // clears the modified flag
    EXPECT_FALSE(library.DeleteTemplate(2));
    EXPECT_FALSE(library.DeleteTemplate(-2));
    EXPECT_EQ(library.GetCount(), 2);
    EXPECT_FALSE(library.IsModified());

    EXPECT_FALSE(library.DeleteTemplate(-1));
    EXPECT_EQ(library.GetCount(), 0);
    EXPECT_FALSE(library.IsModified());
    EXPECT_EQ(library.GetSelected(), -1);
}

TEST(TemplateLibraryCursor, GetTemplateWrapsPastTheEndAndGivesNoneWhenEmpty) {
    CTemplateLibrary library = LibraryOf({"A", "B"});
    EXPECT_EQ(library.GetTemplate(5)->GetName(), "A");
    EXPECT_EQ(library.GetTemplate(1)->GetName(), "B");
    EXPECT_EQ(CTemplateLibrary().GetTemplate(0), nullptr);
    EXPECT_EQ(CTemplateLibrary().GetTemplate(-1), nullptr);
}

TEST(TemplateLibraryCursor, WalkAndSelect) {
    CTemplateLibrary library = LibraryOf({"A", "B"});
    EXPECT_FALSE(CTemplateLibrary().MoveFirst());
    ASSERT_TRUE(library.MoveFirst());
    EXPECT_EQ(library.GetTemplate()->GetName(), "A");
    ASSERT_TRUE(library.MoveNext());
    EXPECT_EQ(library.GetTemplate()->GetName(), "B");
    EXPECT_FALSE(library.MoveNext());
    EXPECT_EQ(library.GetSelected(), 0);  // walking does not select

    EXPECT_FALSE(library.SetCurrent(2));
    EXPECT_FALSE(library.SetCurrent(-1));
    EXPECT_EQ(library.GetTemplate()->GetName(), "B");
    ASSERT_TRUE(library.SetCurrent(0));
    EXPECT_EQ(library.GetSelected(), 0);
    EXPECT_EQ(library.GetTemplate()->GetName(), "A");
}

TEST(TemplateLibraryCursor, ReadingKeepsTheCursor) {
    CTemplateLibrary library = LibraryOf({"A", "B", "C"});
    library.MoveFirst();
    library.MoveNext();
    gb::Archive ar = gb::Archive::ForLoading(TwoTemplateBytes(), "test.cta");
    library.Serialize(ar);
    EXPECT_EQ(library.GetTemplate()->GetName(), "Thanks");
}

}  // namespace
