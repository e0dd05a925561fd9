#pragma once
// The template library shipped as "VizEvav.cta": report and e-mail templates
// that use the item fields and the shipped fee schedule's entries.

#include <cstdint>
#include <span>
#include <string_view>

#include "itemdb/TemplateLibrary.h"

// One template as written here: its three pages' bodies, each of which gets
// the same head around it, as the template editor writes them.
struct TemplateDefinition {
    std::string_view name;
    std::string_view description;
    std::int32_t kind;
    std::string_view subject;
    std::string_view header;
    std::string_view repeat;
    std::string_view footer;
};

// A library of the given templates, the first one selected.
gb::itemdb::CTemplateLibrary TemplateLibraryOf(std::span<const TemplateDefinition> definitions);

gb::itemdb::CTemplateLibrary DefaultTemplateLibrary();
