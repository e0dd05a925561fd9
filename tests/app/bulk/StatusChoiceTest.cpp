// The statuses the bulk update offers, and the one it suggests: the status
// after the items' current one.

#include <gtest/gtest.h>

#include "app/core/bulk/StatusChoice.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"

using namespace gb::itemdb;
using gb::app::StatusChoices;
using gb::app::SuggestedStatusIndex;

namespace {

TEST(StatusChoice, NeedsAttentionThenTheStatusFoldersInTreeOrder) {
    CFolderTree tree;
    FolderBlueprint::AddDefaultFolders(tree);
    const std::int32_t added = tree.AddNode(folder::ByStatus, folder::ByStatus, 0);
    const auto choices = StatusChoices(tree);
    ASSERT_GE(choices.size(), 3u);
    EXPECT_EQ(choices[0].id, folder::NeedsAttention);
    EXPECT_EQ(choices[0].name, "Needs Attention");
    EXPECT_EQ(choices[1].id, added);
}

TEST(StatusChoice, SuggestsTheNextStatusTheLastOneForTheLastAndTheFirstForNone) {
    const std::vector<gb::app::StatusChoice> choices{
        {folder::NeedsAttention, "Needs Attention"}, {151, "Paid"}, {152, "Shipped"}};
    EXPECT_EQ(SuggestedStatusIndex(choices, folder::NeedsAttention), 1);
    EXPECT_EQ(SuggestedStatusIndex(choices, 151), 2);
    EXPECT_EQ(SuggestedStatusIndex(choices, 152), 2);
    EXPECT_EQ(SuggestedStatusIndex(choices, 999), 0);
}

}  // namespace
