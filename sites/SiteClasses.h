#pragma once
// The nine site component classes: the one site object over each site's
// profile, with the host names the user configured.

#include "sites/ConfiguredSiteHosts.h"
#include "sites/SiteBase.h"

template <gb::SiteClass kSite>
class SiteComponent final : public CSiteBase {
public:
    SiteComponent() : CSiteBase(gb::SiteProfileOf(kSite), gb::ConfiguredSiteHosts()) {}
};

using eBayUSA = SiteComponent<gb::SiteClass::eBayUSA>;
using eBayCAN = SiteComponent<gb::SiteClass::eBayCAN>;
using eBayUK = SiteComponent<gb::SiteClass::eBayUK>;
using eBayAUS = SiteComponent<gb::SiteClass::eBayAUS>;
using eBayNZ = SiteComponent<gb::SiteClass::eBayNZ>;
using eBayGER = SiteComponent<gb::SiteClass::eBayGER>;
using eBayNET = SiteComponent<gb::SiteClass::eBayNET>;
using eBayFRN = SiteComponent<gb::SiteClass::eBayFRN>;
using eBayATR = SiteComponent<gb::SiteClass::eBayATR>;
