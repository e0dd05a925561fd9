#pragma once
// The maker's web site, as the programs' About boxes show it and link to it.

#include "platform/MakerSite.h"

namespace gb::widgets {

using gb::kMakerSiteUrl;
using gb::kMakerWebAddress;

}  // namespace gb::widgets
