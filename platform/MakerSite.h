#pragma once
// The maker's web site: the About boxes show it and link to it, and the
// installer writes it as the first of the programs' web sites.

namespace gb {

inline constexpr char kMakerWebAddress[] = "www.norvel-software.example";
inline constexpr char kMakerSiteUrl[] = "https://www.norvel-software.example/";

}  // namespace gb
