#pragma once
// A site object whose listing pages, rows and answers are scripted. It records
// the calls made to it and whether every text buffer it got was zeroed.

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "interfaces/IBidscope.h"
#include "platform/ComObject.h"

namespace gb::test {

struct ScriptedListingPage {
    std::string url;
    // SetSummaryPage's answer per load of the page; the last one repeats.
    std::vector<HRESULT> summaryResults{S_OK};
    // One entry per row: its buyer page address, or empty for none.
    std::vector<std::string> buyerUrls;
    bool morePages = false;
};

class ScriptedSite final : public ComObject<IBidscope> {
public:
    std::uint16_t request = 1;
    std::string siteId = "eBay USA:seller";
    std::string signInUrl;
    std::string adultUrl;
    std::string user = "seller";
    std::string password;
    std::vector<ScriptedListingPage> pages;
    // Thrown from SetSummaryPage when set: an exception from deep inside a retrieval.
    std::function<void()> onSummaryPage;

    std::vector<std::string> summaryPages;  // every text given to SetSummaryPage
    std::vector<std::string> parsedRows;    // every text given to ParseData
    bool everyBufferZeroed = true;
    int nextPageCalls = 0;

    static ComPtr<ScriptedSite> Make() { return MakeObject<ScriptedSite>(); }

    HRESULT SetUser(const char*, const char*) override { return S_OK; }
    HRESULT SetRequest(std::uint16_t) override { return S_OK; }
    HRESULT GetItemURL(const char*, char*, std::uint32_t) override { return E_FAIL; }
    HRESULT SetDays(std::uint16_t) override { return S_OK; }
    HRESULT GetAuxURL(std::uint16_t, char*, std::uint32_t) override { return E_FAIL; }
    HRESULT SetAdult(std::uint16_t) override { return S_OK; }

    HRESULT GetRequest(std::uint16_t* number) override {
        *number = request;
        return S_OK;
    }
    HRESULT GetSiteID(char* buffer, std::uint32_t size) override {
        return Copy(siteId, buffer, size);
    }
    HRESULT GetInitURL(char* buffer, std::uint32_t size) override {
        return Copy(signInUrl, buffer, size);
    }
    HRESULT GetUser(char* userBuffer, char* passwordBuffer, std::uint32_t size) override {
        Check(passwordBuffer, size);
        Copy(password, passwordBuffer, size);
        return Copy(user, userBuffer, size);
    }
    HRESULT GetAdultURL(char* buffer, std::uint32_t size) override {
        return Copy(adultUrl, buffer, size);
    }
    HRESULT GetURL(char* buffer, std::uint32_t size) override {
        return Copy(Page().url, buffer, size);
    }
    HRESULT SetSummaryPage(const char* html) override {
        summaryPages.emplace_back(html);
        if (onSummaryPage) {
            onSummaryPage();
        }
        const auto& results = Page().summaryResults;
        const HRESULT result = results[std::min(attempt_++, results.size() - 1)];
        row_ = 0;
        return result;
    }
    HRESULT GetBuyerURL(char* buffer, std::uint32_t size) override {
        const auto& rows = Page().buyerUrls;
        return Copy(row_ < rows.size() ? rows[row_] : std::string(), buffer, size);
    }
    HRESULT ParseData(const char* data) override {
        parsedRows.emplace_back(data);
        return S_OK;
    }
    HRESULT MoveNextRow() override { return ++row_ < Page().buyerUrls.size() ? S_OK : S_FALSE; }
    HRESULT GoNextPage(std::uint16_t* more) override {
        ++nextPageCalls;
        *more = Page().morePages ? 1 : 0;
        if (Page().morePages && page_ + 1 < pages.size()) {
            ++page_;
            attempt_ = 0;
        }
        return S_OK;
    }

private:
    const ScriptedListingPage& Page() const { return pages.at(page_); }

    void Check(const char* buffer, std::uint32_t size) {
        everyBufferZeroed = everyBufferZeroed && size > 0 &&
                            std::all_of(buffer, buffer + size, [](char c) { return c == '\0'; });
    }

    HRESULT Copy(const std::string& text, char* buffer, std::uint32_t size) {
        Check(buffer, size);
        if (text.size() >= size) {
            return E_FAIL;
        }
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        return S_OK;
    }

    std::size_t page_ = 0;
    std::size_t attempt_ = 0;
    std::size_t row_ = 0;
};

}  // namespace gb::test
