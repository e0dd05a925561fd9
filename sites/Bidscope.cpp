// The exports of the component library Bidscope: the nine site classes, their
// class objects, and their registration with the category "Gavelbook Site
// Sources" through which the main program finds the installed sites.

#include <string>
#include <vector>

#include "interfaces/ClassIds.h"
#include "platform/ComponentServer.h"
#include "sites/SiteClasses.h"

namespace {

// "Bidscope.eBayUSA", named "eBay USA".
template <class SiteClass>
gb::ServedClass Served(const gb::Guid& clsid, gb::sites::SiteClass site) {
    const gb::sites::SiteProfile& profile = gb::sites::SiteProfileOf(site);
    return {{clsid, &gb::CreateObject<SiteClass>},
            std::string(profile.displayName),
            "Bidscope." + std::string(profile.className)};
}

const gb::ComponentServer& Server() {
    using namespace gb::sites;
    static const gb::ComponentServer server(
        {
            .appName = "Bidscope",
            .appId = gb::Guid::Literal("{3BF4B964-8F72-41C2-BE3C-7F90B0B99927}"),
            .typeLibrary = gb::Guid::Literal("{A06B402C-3F5D-43F0-86A5-608C5BEB8BE6}"),
            // In the order of the library's object map.
            .classes =
                {
                    Served<eBayCAN>(CLSID_eBayCAN, SiteClass::eBayCAN),
                    Served<eBayUSA>(CLSID_eBayUSA, SiteClass::eBayUSA),
                    Served<eBayATR>(CLSID_eBayATR, SiteClass::eBayATR),
                    Served<eBayAUS>(CLSID_eBayAUS, SiteClass::eBayAUS),
                    Served<eBayFRN>(CLSID_eBayFRN, SiteClass::eBayFRN),
                    Served<eBayGER>(CLSID_eBayGER, SiteClass::eBayGER),
                    Served<eBayNET>(CLSID_eBayNET, SiteClass::eBayNET),
                    Served<eBayNZ>(CLSID_eBayNZ, SiteClass::eBayNZ),
                    Served<eBayUK>(CLSID_eBayUK, SiteClass::eBayUK),
                },
            .category =
                gb::ServedCategory{
                    CATID_GavelbookSiteSources,
                    kSiteCategoryLocale,
                    std::string(kSiteCategoryDescription),
                    {CLSID_eBayUSA, CLSID_eBayCAN, CLSID_eBayATR, CLSID_eBayAUS, CLSID_eBayFRN,
                     CLSID_eBayGER, CLSID_eBayNET, CLSID_eBayNZ, CLSID_eBayUK},
                },
        },
        &server);
    return server;
}

}  // namespace

GB_COMPONENT_SERVER_EXPORTS(Server())
