// The template chooser's lists: the libraries of the folder and a library's
// templates of one kind with the current one's row.

#include "app/core/report/TemplateChoice.h"

#include <gtest/gtest.h>

#include "itemdb/TemplateLibrary.h"
#include "tests/support/TempFolder.h"

namespace gb::app {
namespace {

using gb::itemdb::CTDocText;
using gb::itemdb::CTemplateLibrary;

CTemplateLibrary Library() {
    CTemplateLibrary library;
    for (const auto& [name, kind] :
         {std::pair{"Invoice", CTDocText::Email}, std::pair{"Monthly sales", CTDocText::Report},
          std::pair{"Thanks", CTDocText::Email}}) {
        CTDocText text;
        text.SetName(name);
        text.SetDescription(std::string(name) + " text");
        text.SetKind(kind);
        library.AddTemplate(text);
    }
    return library;
}

TEST(TemplateChoice, ListsTheTemplatesOfOneKindWithTheirLibraryIndex) {
    const CTemplateLibrary library = Library();
    const std::vector<TemplateRow> mail = TemplateRows(library, CTDocText::Email);
    ASSERT_EQ(mail.size(), 2u);
    EXPECT_EQ(mail[1].name, "Thanks");
    EXPECT_EQ(mail[1].description, "Thanks text");
    EXPECT_EQ(mail[1].index, 2);
    // The current template's row; the first row when it is of the other kind.
    EXPECT_EQ(RowOfTemplate(mail, 2), 1);
    EXPECT_EQ(RowOfTemplate(mail, 1), 0);
    EXPECT_EQ(RowOfTemplate(TemplateRows(CTemplateLibrary(), 0), 0), -1);
}

TEST(TemplateChoice, OffersTheLibraryFilesOfTheFolderOnly) {
    gb::test::TempFolder folder;
    folder.Write("VizEvav.cta", "");
    folder.Write("German.CTA", "");
    folder.Write("notes.txt", "");
    EXPECT_EQ(TemplateLibraryFiles(folder.Path()),
              (std::vector<std::string>{"German.CTA", "VizEvav.cta"}));
}

}  // namespace
}  // namespace gb::app
