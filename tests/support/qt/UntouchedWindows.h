#pragma once
// Scripted steps that open the item sheet, the bulk-update sheet and the fee
// editor and press OK without touching anything: the round trip that must
// leave the profile and "AucField.fee" byte for byte as they were. Queue the
// steps on the test's modal runner, then run the command that opens the
// window (the Edit Item and Bulk Update commands, the Fee Schedule command).

#include "widgets/ScriptedModalRunner.h"

namespace gb::itemdb {
class CFeeSchedule;
}

namespace gb::test {

// A property sheet (the item sheet, the bulk-update sheet): every page is
// shown in turn, then OK.
widgets::ScriptedModalRunner::Step ShowEveryPageThenOk();

// The fee-schedule list and, within it, the entry editor on each of the 32
// entries in turn, each closed with OK untouched; a formula question the
// editor asks about an entry is answered No (keep the entry as it is). The
// list is then closed. `schedule` is the schedule the list will show.
void QueueUntouchedFeeEdits(widgets::ScriptedModalRunner& runner,
                            const itemdb::CFeeSchedule& schedule);

}  // namespace gb::test
