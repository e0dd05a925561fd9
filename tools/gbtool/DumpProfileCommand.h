#pragma once
// gbtool dump-profile FILE
//
// Prints a profile file for tests and diagnosis, in UTF-8: its header (name,
// file version, selected folder, header value), its seller IDs (passwords
// only as "set" or "none"), its folders in display order indented by depth,
// and its items, one line each, in progress first, then ended, then archived.
// The fields of a line are separated by tabs.

#include <span>

// 0 when the profile was printed; 1 when it cannot be read; 2 on wrong
// arguments.
int DumpProfile(std::span<char* const> args);
