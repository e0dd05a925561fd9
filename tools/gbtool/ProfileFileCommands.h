#pragma once
// gbtool make-profile --items N FILE
//   Writes a profile of N typical items (two sellers with their folders, the
//   items spread over the in-progress, ended and archive lists).
// gbtool open-profile FILE [--save OUT]
//   Opens a profile as the main program does, prints the number of items it
//   holds and, with --save, saves it to OUT. Together they time the profile
//   file as a whole process.

#include <span>

// 0 when done; 1 when the profile cannot be read or written; 2 on wrong
// arguments.
int MakeProfile(std::span<char* const> args);
int OpenProfile(std::span<char* const> args);
