#pragma once
// gbtool update PROFILE
//
// Brings a profile up to date from the auction sites as "Update Database" of
// the main program does: the same profile document and update run, the site
// and retrieval components created through the component registry (the
// classes root beside the machine settings), the adult flag from the user's
// "Settings"/"Adult". The thread that runs the command owns the document and
// takes the retrievals' messages from a window of its own. When the run has
// ended it prints the session's summary log (and, when a retrieval failed,
// the details log to the error output, as the problem dialog would show
// them), and saves the profile to its file.

#include <span>

// 0 when every retrieval succeeded and the profile was saved; 1 when the
// profile cannot be read, the update cannot start, a retrieval failed or the
// profile cannot be saved (it is saved whenever the run took place); 2 on
// wrong arguments.
int UpdateProfile(std::span<char* const> args);
