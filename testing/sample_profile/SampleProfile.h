#pragma once
// A profile the size of a long-standing seller's: two sellers with their
// folders and `itemCount` items spread over the in-progress, ended and
// archive lists, each with the fields a site update fills.

#include "itemdb/AucDoc.h"

namespace gb::testing {

void FillSampleProfile(gb::itemdb::CAucDoc& doc, int itemCount);

}  // namespace gb::testing
