#pragma once
// The maker's web site, as the programs' About boxes show it and link to it,
// and as Setup writes it for the first of the programs' web sites.

namespace gb::widgets {

inline constexpr char kMakerWebAddress[] = "www.norvel-software.example";
inline constexpr char kMakerSiteUrl[] = "https://www.norvel-software.example/";

}  // namespace gb::widgets
