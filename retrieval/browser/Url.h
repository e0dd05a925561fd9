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

// The server of the absolute address `address` as "scheme://host:port", in
// lower case and with the scheme's default port written out, so that two
// addresses of one server give the same text; nothing when it cannot be
// parsed or names no host.
std::optional<std::string> OriginOf(std::string_view address);

// `address` as it must be to carry a password: an http address goes to the
// same server over https (its explicit port 80 becomes https's own); any
// other address is given back as it is.
std::string UpgradeToHttps(std::string_view address);

}  // namespace gb::retrieval::url
