#pragma once
// Setup's table of user-visible texts.

#include <string_view>

#include "platform/StringTable.h"

namespace gb::setup {

namespace ids {
inline constexpr int Caption = 1;
inline constexpr int Welcome = 2;
inline constexpr int Ready = 3;
inline constexpr int SuccessTitle = 4;
inline constexpr int ReadyTitle = 5;
inline constexpr int ProblemTitle = 6;
inline constexpr int BrowserTitle = 7;
inline constexpr int BrowserText = 8;
inline constexpr int SuccessText = 9;
inline constexpr int ProblemText = 10;
inline constexpr int WaitTitle = 11;
inline constexpr int WaitText = 12;
inline constexpr int FolderPrompt = 100;
inline constexpr int FolderBrowserTitle = 101;
inline constexpr int ReadmeMissing = 204;
inline constexpr int EarlierInstallation = 205;
inline constexpr int SuccessTextWithoutDesktop = 206;
}  // namespace ids

const StringTable& SetupStrings();

inline std::string_view SetupText(int id) {
    return SetupStrings().Get(id);
}

}  // namespace gb::setup
