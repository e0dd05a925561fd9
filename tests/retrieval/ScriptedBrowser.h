#pragma once
// A browser whose pages are scripted by address. A page's text may hold the
// markers "field:<name>" (a form field) and "form:<name>" (a form with a submit
// button); submitting a form loads the address scripted for it.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "retrieval/browser/Browser.h"

namespace gb::test {

class ScriptedBrowser final : public retrieval::Browser {
public:
    // Pages by address; an address without a page fails to load.
    std::map<std::string, std::string> pages;
    // Where a load of an address ends after redirects, when not at itself.
    std::map<std::string, std::string> redirects;
    // The address each form loads when submitted.
    std::map<std::string, std::string> formTargets;
    bool connected = true;
    // Called at the start of every load, with its address.
    std::function<void(const std::string&)> onLoad;
    // Called when a field is set, as the page's forms are read.
    std::function<void()> onFormRead;

    // What the worker did.
    std::vector<std::string> loads;
    std::map<std::string, std::string> fieldValues;
    std::vector<std::string> submittedForms;
    std::vector<std::string> securelySubmittedForms;
    std::vector<std::string> connectionTests;

    bool Navigate(const std::string& url) override {
        loads.push_back(url);
        if (onLoad) {
            onLoad(url);
        }
        current_.reset();
        const auto page = pages.find(url);
        if (cancelled_ || page == pages.end()) {
            return false;
        }
        if (progress_) {
            progress_();
        }
        current_ = page->second;
        const auto redirect = redirects.find(url);
        location_ = redirect != redirects.end() ? redirect->second : url;
        return true;
    }

    std::string LocationUrl() const override { return location_; }
    std::optional<std::string> PageHtml() const override { return current_; }

    bool SetFieldValue(std::string_view name, int index, std::string_view value) override {
        if (onFormRead) {
            onFormRead();
        }
        if (!current_ || index != 0 ||
            current_->find("field:" + std::string(name)) == std::string::npos) {
            return false;
        }
        fieldValues[std::string(name)] = value;
        return true;
    }

    bool SubmitForm(std::string_view formName, int index) override {
        const std::string name(formName);
        if (!current_ || index != 0 || current_->find("form:" + name) == std::string::npos) {
            return false;
        }
        submittedForms.push_back(name);
        const auto target = formTargets.find(name);
        return target != formTargets.end() && Navigate(target->second);
    }

    std::optional<std::string> FormAction(std::string_view formName, int index) override {
        const std::string name(formName);
        if (!current_ || index != 0 || current_->find("form:" + name) == std::string::npos) {
            return std::nullopt;
        }
        const auto target = formTargets.find(name);
        return target != formTargets.end() ? target->second : location_;
    }

    bool SubmitFormSecurely(std::string_view formName, int index,
                            const retrieval::PasswordRecipients&) override {
        securelySubmittedForms.push_back(std::string(formName));
        return SubmitForm(formName, index);
    }

    std::string FailureReason() const override {
        return current_ ? std::string() : std::string("no such page");
    }

    bool IsConnected() const override { return connected; }
    bool TestConnection(const std::string& url) override {
        connectionTests.push_back(url);
        return connected;
    }
    void SetProgressHandler(std::function<void()> handler) override {
        progress_ = std::move(handler);
    }
    void Cancel() override { cancelled_ = true; }

private:
    std::optional<std::string> current_;
    std::string location_;
    std::function<void()> progress_;
    bool cancelled_ = false;
};

}  // namespace gb::test
