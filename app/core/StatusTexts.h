#pragma once
// The texts the main window shows about the folder on display and the list.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace gb::app {

// String 59523 with the rows shown and the folder's item count.
std::string PartialLoadText(std::size_t shown, std::size_t total);

// The caption panel's title: the folder group's name, and after a partial
// load " - " and the partial-load text.
std::string FolderCaption(std::string_view name, std::string_view partialText);

// The status bar after a click in the list: the idle text for fewer than two
// selected rows, else "%d Items selected".
std::string SelectionText(std::size_t selected);

// The status bar's template pane: "Current Template: %s  (%s)" with the
// template's name ("Unknown" when there is none) and the library's file name.
std::string TemplatePaneText(std::string_view templateName, std::string_view libraryName);

// The caption panel's text: the title, an empty line and the description.
std::string CaptionPanelText(std::string_view title, std::string_view description);

// A text with each "%d" in turn replaced by the next number.
std::string FormatCounts(std::string_view format, std::initializer_list<long long> numbers);

}  // namespace gb::app
