#pragma once
// The demonstration profile shipped as "Demo.pro": two sellers on two sites
// with their folders, statuses and categories of the seller's own, and about
// two dozen items in every state (running with and without bids, ended with
// and without bids, paid, shipped, archived). Dates lie around the day it is
// made, so that the running items are still running when it is first opened.

#include <filesystem>

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb

// Fills an empty document with the demonstration profile.
void BuildDemoProfile(gb::itemdb::CAucDoc& doc);

// Writes the demonstration profile, replacing an old file only when the whole
// write succeeded; throws gb::FileError when it cannot.
void WriteDemoProfile(const std::filesystem::path& path);
