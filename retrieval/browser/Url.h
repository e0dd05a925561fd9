#pragma once
// Web addresses, resolved the way a browser resolves links and form actions.

#include <optional>
#include <string>
#include <string_view>

namespace gb::retrieval::url {

// `reference` resolved against the absolute address `base`; nothing when
// either cannot be parsed.
std::optional<std::string> Resolve(std::string_view base, std::string_view reference);

// `address` with its query replaced by `query` and its fragment removed, as a
// form submitted by GET builds its target.
std::optional<std::string> WithQuery(std::string_view address, std::string_view query);

}  // namespace gb::retrieval::url
