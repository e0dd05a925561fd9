#pragma once
// The fee schedule shipped as "AucField.fee": a few typical entries in use and
// the rest left for the seller.

#include "itemdb/FeeSchedule.h"

// The amounts are written for US English, the locale gbtool works in.
gb::itemdb::CFeeSchedule DefaultFeeSchedule();
