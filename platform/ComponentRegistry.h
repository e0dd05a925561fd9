#pragma once
// The component registry, kept in the settings store's classes root in the
// registry's own layout:
//   CLSID\{class}                   default value: user-type name; value AppID
//     InprocServer32                default value: library path; value ThreadingModel
//     ProgID, VersionIndependentProgID, TypeLib   default values
//     Implemented Categories\{category}
//   <ProgID>                        default value: user-type name; CLSID, CurVer
//   Component Categories\{category} value named by the locale in hex: description
//   AppID\{application}             default value: name
//   AppID\<library file name>       value AppID

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Guid.h"
#include "platform/HResult.h"
#include "platform/Settings.h"

namespace gb {

// A class's entries in the registry.
struct ClassRegistration {
    Guid clsid;
    std::string userTypeName;              // "eBay USA"
    std::string progId;                    // "Bidscope.eBayUSA.1"; empty: none
    std::string versionIndependentProgId;  // "Bidscope.eBayUSA"; empty: none
    std::string libraryPath;               // full path of the component library
    std::string threadingModel = "Apartment";
    std::optional<Guid> appId;
    std::optional<Guid> typeLibrary;

    friend bool operator==(const ClassRegistration&, const ClassRegistration&) = default;
};

struct CategoryMember {
    Guid clsid;
    std::string userTypeName;

    friend bool operator==(const CategoryMember&, const CategoryMember&) = default;
};

class ComponentRegistry {
public:
    explicit ComponentRegistry(Settings& classesRoot = Settings::ClassesRoot())
        : root_(classesRoot) {}

    // Every write returns E_ACCESSDENIED when the registry cannot be written.

    // Writes the class key whole, replacing what was there, and both ProgID keys.
    HRESULT RegisterClass(const ClassRegistration& registration);
    // Removes the class key and the two ProgID keys that `registration` names.
    HRESULT UnregisterClass(const ClassRegistration& registration);
    HRESULT RegisterAppId(const Guid& appId, std::string_view name,
                          std::string_view libraryFileName);
    HRESULT UnregisterAppId(const Guid& appId, std::string_view libraryFileName);
    // Creates the category, or updates its description for `locale`; the
    // description is cut to 127 characters.
    HRESULT RegisterCategory(const Guid& category, std::uint32_t locale,
                             std::string_view description);
    HRESULT RegisterClassImplCategories(const Guid& clsid, std::span<const Guid> categories);
    HRESULT UnregisterClassImplCategories(const Guid& clsid, std::span<const Guid> categories);

    std::optional<ClassRegistration> FindClass(const Guid& clsid) const;
    std::optional<Guid> ClassOfProgId(std::string_view progId) const;
    std::optional<std::string> CategoryDescription(const Guid& category,
                                                   std::uint32_t locale) const;
    // The classes that implement `category`, ordered by their identifiers'
    // text, with their user-type names. E_FAIL when the registry cannot be read.
    HRESULT ClassesOfCategory(const Guid& category, std::vector<CategoryMember>& members) const;

private:
    HRESULT Write(const std::function<void(SettingsKey& root)>& change);

    Settings& root_;
};

}  // namespace gb
