#pragma once
// The names under which the programs hold their single-instance locks while
// they run: the programs take them, Setup and Remove look for them.

namespace gb {

inline constexpr const char* kLotkeeperInstanceName = "Norvel_Gavelbook";
inline constexpr const char* kTemplateInstanceName = "Norvel_EDT";

}  // namespace gb
