#pragma once
// A profile's contents held apart from the document, and a writer (test code
// only) that lays them out as a profile file of any version the reader takes:
// the legacy record of 272247, the raised first character of folder data up
// to 272248, and the item records without the fields later versions added.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "itemdb/AucDoc.h"
#include "itemdb/AucItem.h"
#include "itemdb/FolderTree.h"
#include "itemdb/SellerList.h"

struct ProfileModel {
    std::string name;
    std::int32_t selectedFolder = 100;
    std::int32_t headerValue = 0;
    gb::itemdb::CSellerList sellers;
    gb::itemdb::CFolderTree folders;
    // In progress, ended and archive, each in key order.
    std::array<std::vector<gb::itemdb::CAucItem>, 3> items;
};

// The state codes of ProfileModel::items, in file order.
inline constexpr std::array<std::int32_t, 3> kStoredLists = {102, 103, 107};

// The file bytes of `model` in `version`. Items must hold their new-item
// values in the fields a version lacks, or the writer reports a failure.
std::string WriteProfile(const ProfileModel& model, std::int32_t version);

// The bytes before the seller list: version, name, selected folder, header
// value and, in 272247, the legacy record.
std::string WriteProfileHeader(const ProfileModel& model, std::int32_t version);

// Checks that the document holds exactly the model.
void ExpectDocumentHolds(gb::itemdb::CAucDoc& doc, const ProfileModel& model);

// A profile with two sellers, their folders, a folder of the user's own and
// items in every stored state, using only fields every version holds.
ProfileModel SampleProfile();

// Loads bytes into a fresh document; throws what the reader throws.
void LoadProfile(gb::itemdb::CAucDoc& doc, const std::string& bytes);
// The document as the production writer stores it.
std::string StoreProfile(gb::itemdb::CAucDoc& doc);
