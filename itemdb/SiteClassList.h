#pragma once
// The installed auction sites: the classes registered in the site component
// category, each with its display name (the class's user-type name, "eBay
// USA") and its class id in registry text form, in the registry's order.

#include <string>
#include <string_view>
#include <vector>

#include "platform/ComponentRegistry.h"

namespace gb::itemdb {

class SiteClassList {
public:
    // Replaces the lists with the category's members. False (lists emptied)
    // when the registry cannot be read; an empty category is no failure.
    bool Load(const gb::ComponentRegistry& registry = gb::ComponentRegistry());

    bool IsEmpty() const { return names_.empty(); }
    const std::vector<std::string>& Names() const { return names_; }
    // The class id of the first site whose name equals `name` ignoring case;
    // empty when none has it.
    std::string ClassIdOf(std::string_view name) const;

private:
    std::vector<std::string> names_;
    std::vector<std::string> classIds_;
};

}  // namespace gb::itemdb
