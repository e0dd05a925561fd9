#pragma once
// What the report criteria pages offer besides the criteria themselves: the
// fee schedule's columns, the status and category folders, the sellers, and
// the day the Date page proposes its month from.

#include "platform/DateTime.h"

namespace gb::itemdb {
class CFeeSchedule;
class CFolderTree;
class CSellerList;
}  // namespace gb::itemdb

namespace gb::app::ui {

struct ReportSheetSources {
    const gb::itemdb::CFeeSchedule& fees;
    gb::itemdb::CFolderTree& folders;
    gb::itemdb::CSellerList& sellers;
    gb::DateTime now;
};

}  // namespace gb::app::ui
