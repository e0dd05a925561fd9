#pragma once
// What the retrieval worker needs from a web browser: load a page and wait for
// it, read it, fill in form fields and submit a form. The worker drives one
// browser per retrieval; tests drive the worker with a scripted browser.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "retrieval/browser/PasswordRecipients.h"

namespace gb::retrieval {

class Browser {
public:
    virtual ~Browser() = default;

    // Loads `url` and waits until the transfer has ended. False when the page
    // could not be loaded (no answer, time limit, cancelled); an HTTP error page
    // still counts as a loaded page. A failed load leaves no current page.
    // Loads, and the form operations below, throw std::runtime_error with a
    // text for the user when the retrieval cannot go on: a page that cannot be
    // read safely, or a site that has sent no whole page for too long.
    virtual bool Navigate(const std::string& url) = 0;

    // The address of the current page after every redirect.
    virtual std::string LocationUrl() const = 0;

    // The current page as Windows-1252 text, cut at its first zero byte;
    // nothing when no page is loaded.
    virtual std::optional<std::string> PageHtml() const = 0;

    // Sets the value of the `index`-th form field (0-based, document order) whose
    // name or id is `name`. False when there is no such field.
    virtual bool SetFieldValue(std::string_view name, int index, std::string_view value) = 0;

    // Submits the `index`-th form whose name or id is `formName` (any form when
    // `formName` is empty) with its first submit input, and waits for the answer.
    // False when there is no such form, it has no submit input, or the answer
    // could not be loaded.
    virtual bool SubmitForm(std::string_view formName, int index) = 0;

    // The address the `index`-th form whose name or id is `formName` would be
    // sent to, resolved against the current page; nothing when there is no
    // such form or its action cannot be resolved.
    virtual std::optional<std::string> FormAction(std::string_view formName, int index) = 0;

    // As SubmitForm, for a form that carries a password: it goes out over
    // https only (an http action is sent to the same address over https), and
    // only to a server `recipients` accept, also when the answer redirects it.
    virtual bool SubmitFormSecurely(std::string_view formName, int index,
                                    const PasswordRecipients& recipients) = 0;

    // Why the last load failed, for the session log; empty after a load that
    // succeeded.
    virtual std::string FailureReason() const = 0;

    // False when the last load failed because the site could not be reached at
    // all (no name resolution, no connection).
    virtual bool IsConnected() const = 0;

    // Opens a connection to the server of `url` and closes it again, loading
    // nothing; IsConnected then tells whether the server could be reached.
    // Returns what IsConnected then returns.
    virtual bool TestConnection(const std::string& url) = 0;

    // Called on the loading thread while a page arrives.
    virtual void SetProgressHandler(std::function<void()> handler) = 0;

    // Aborts the load in progress and makes every later load fail at once.
    // Safe to call from any thread.
    virtual void Cancel() = 0;
};

}  // namespace gb::retrieval
