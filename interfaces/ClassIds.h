#pragma once
// The class identifiers of the component libraries and the category through
// which the main program finds the installed sites.

#include <cstdint>
#include <string_view>

#include "platform/Guid.h"

// Bidscope: one class per auction site.
inline constexpr gb::Guid CLSID_eBayUSA =
    gb::Guid::Literal("{74CCD217-6278-11D5-9B10-00AA00558C1A}");
inline constexpr gb::Guid CLSID_eBayCAN =
    gb::Guid::Literal("{74CCD221-6278-11D5-9B10-00AA00558C1A}");
inline constexpr gb::Guid CLSID_eBayUK =
    gb::Guid::Literal("{74CCD224-6278-11D5-9B10-00AA00558C1A}");
inline constexpr gb::Guid CLSID_eBayAUS =
    gb::Guid::Literal("{74CCD227-6278-11D5-9B10-00AA00558C1A}");
inline constexpr gb::Guid CLSID_eBayNZ =
    gb::Guid::Literal("{040C0984-67F3-11D5-9B16-00AA00558C1A}");
inline constexpr gb::Guid CLSID_eBayGER =
    gb::Guid::Literal("{E2B45D8C-5C06-4A53-8E92-647FC3F13683}");
inline constexpr gb::Guid CLSID_eBayNET =
    gb::Guid::Literal("{09360657-A3DC-4DE9-81FC-2B61CA86DBBA}");
inline constexpr gb::Guid CLSID_eBayFRN =
    gb::Guid::Literal("{886694F5-1DD0-48CF-8090-9C066AE27CA6}");
inline constexpr gb::Guid CLSID_eBayATR =
    gb::Guid::Literal("{E45D2429-BA6A-451B-8789-E7FC2BC3D81C}");

// Fetchwell: the retrieval engine and the session logs.
inline constexpr gb::Guid CLSID_WebSource =
    gb::Guid::Literal("{EB68BCB7-1F65-4854-83D6-C0A3B965080E}");
inline constexpr gb::Guid CLSID_SessionSummary =
    gb::Guid::Literal("{C8A3FD80-EF09-42F6-BCCB-13277D47FE0B}");

// The category every site class implements, with its description.
inline constexpr gb::Guid CATID_GavelbookSiteSources =
    gb::Guid::Literal("{49E1A7E8-59D2-4C5A-BEB7-F8090BDCBB06}");
inline constexpr std::string_view kSiteCategoryDescription = "Gavelbook Site Sources";
inline constexpr std::uint32_t kSiteCategoryLocale = 1033;
