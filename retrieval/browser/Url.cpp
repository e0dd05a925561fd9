#include "retrieval/browser/Url.h"

#include <curl/curl.h>

#include <memory>
#include <utility>

namespace gb::retrieval::url {

namespace {

struct UrlHandleDeleter {
    void operator()(CURLU* handle) const { curl_url_cleanup(handle); }
};
using UrlHandle = std::unique_ptr<CURLU, UrlHandleDeleter>;

// Parsing flags: keep whatever scheme the page uses, and leave the address's
// own percent-encoding as it is.
constexpr unsigned kParseFlags = CURLU_NON_SUPPORT_SCHEME;

UrlHandle Parse(std::string_view address) {
    UrlHandle handle(curl_url());
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, std::string(address).c_str(),
                                kParseFlags) != CURLUE_OK) {
        return nullptr;
    }
    return handle;
}

std::optional<std::string> Text(CURLU* handle) {
    char* text = nullptr;
    if (curl_url_get(handle, CURLUPART_URL, &text, 0) != CURLUE_OK) {
        return std::nullopt;
    }
    std::string result(text);
    curl_free(text);
    return result;
}

}  // namespace

std::optional<std::string> Resolve(std::string_view base, std::string_view reference) {
    UrlHandle handle = Parse(base);
    if (!handle) {
        return std::nullopt;
    }
    // Setting a relative address on a parsed one resolves it against it.
    if (curl_url_set(handle.get(), CURLUPART_URL, std::string(reference).c_str(), kParseFlags) !=
        CURLUE_OK) {
        return std::nullopt;
    }
    return Text(handle.get());
}

std::optional<std::string> WithQuery(std::string_view address, std::string_view query) {
    UrlHandle handle = Parse(address);
    if (!handle) {
        return std::nullopt;
    }
    const std::string text(query);
    if (curl_url_set(handle.get(), CURLUPART_QUERY, text.empty() ? nullptr : text.c_str(), 0) !=
            CURLUE_OK ||
        curl_url_set(handle.get(), CURLUPART_FRAGMENT, nullptr, 0) != CURLUE_OK) {
        return std::nullopt;
    }
    return Text(handle.get());
}

std::optional<std::string> OriginOf(std::string_view address) {
    UrlHandle handle = Parse(address);
    if (!handle) {
        return std::nullopt;
    }
    std::string origin;
    for (const auto& [part, separator] :
         {std::pair{CURLUPART_SCHEME, "://"}, std::pair{CURLUPART_HOST, ":"},
          std::pair{CURLUPART_PORT, ""}}) {
        char* text = nullptr;
        if (curl_url_get(handle.get(), part, &text, CURLU_DEFAULT_PORT) != CURLUE_OK) {
            return std::nullopt;
        }
        const std::string_view value(text);
        const bool empty = value.empty();
        origin.append(value).append(separator);
        curl_free(text);
        if (empty) {
            return std::nullopt;
        }
    }
    for (char& c : origin) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return origin;
}

std::string UpgradeToHttps(std::string_view address) {
    UrlHandle handle = Parse(address);
    char* scheme = nullptr;
    if (!handle || curl_url_get(handle.get(), CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK) {
        return std::string(address);
    }
    const bool plain = std::string_view(scheme) == "http";
    curl_free(scheme);
    if (!plain) {
        return std::string(address);
    }
    char* port = nullptr;
    const bool defaultPort = curl_url_get(handle.get(), CURLUPART_PORT, &port, 0) == CURLUE_OK &&
                             std::string_view(port) == "80";
    curl_free(port);
    if (curl_url_set(handle.get(), CURLUPART_SCHEME, "https", 0) != CURLUE_OK ||
        (defaultPort && curl_url_set(handle.get(), CURLUPART_PORT, nullptr, 0) != CURLUE_OK)) {
        return std::string(address);
    }
    return Text(handle.get()).value_or(std::string(address));
}

}  // namespace gb::retrieval::url
