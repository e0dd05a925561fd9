#pragma once
// The nine site component classes: the one site object over each site's
// profile, with the host names the user configured.

#include "sites/ConfiguredSiteHosts.h"
#include "sites/SiteBase.h"

namespace gb::sites {

template <SiteClass kSite>
class SiteComponent final : public CSiteBase {
public:
    SiteComponent() : CSiteBase(SiteProfileOf(kSite), ConfiguredSiteHosts()) {}
};

using eBayUSA = SiteComponent<SiteClass::eBayUSA>;
using eBayCAN = SiteComponent<SiteClass::eBayCAN>;
using eBayUK = SiteComponent<SiteClass::eBayUK>;
using eBayAUS = SiteComponent<SiteClass::eBayAUS>;
using eBayNZ = SiteComponent<SiteClass::eBayNZ>;
using eBayGER = SiteComponent<SiteClass::eBayGER>;
using eBayNET = SiteComponent<SiteClass::eBayNET>;
using eBayFRN = SiteComponent<SiteClass::eBayFRN>;
using eBayATR = SiteComponent<SiteClass::eBayATR>;

}  // namespace gb::sites
