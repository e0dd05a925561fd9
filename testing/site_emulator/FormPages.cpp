#include "FormPages.h"

#include "HtmlText.h"

namespace gb::emulator {

std::string SignInPage(std::string_view action, std::string_view returnTo, bool withUserField) {
    std::string form = "<form name=\"SignInForm\" method=\"post\" action=\"" + EscapeHtml(action) +
                       "\">\r\n<input type=\"hidden\" name=\"" + kReturnToField + "\" value=\"" +
                       EscapeHtml(returnTo) + "\">\r\n<table>\r\n";
    if (withUserField) {
        form +=
            "<tr><td>User ID</td><td><input type=\"text\" name=\"userid\" size=\"20\">"
            "</td></tr>\r\n";
    }
    form +=
        "<tr><td>Password</td><td><input type=\"password\" name=\"pass\" size=\"20\">"
        "</td></tr>\r\n"
        "<tr><td></td><td><input type=\"submit\" value=\"Sign In\"></td></tr>\r\n"
        "</table>\r\n</form>\r\n";
    return HtmlDocument("Sign In", "<h2>Sign In</h2>\r\n" + form);
}

std::string AdultConsentPage(std::string_view action) {
    return HtmlDocument(
        "Mature Audiences",
        "<h2>Mature Audiences</h2>\r\n<form name=\"AdultCheck\" method=\"post\" action=\"" +
            EscapeHtml(action) +
            "\">\r\n<p><input type=\"checkbox\" name=\"agree\" value=\"1\" checked> I am at least "
            "18 years old and wish to see items for mature audiences.</p>\r\n"
            "<input type=\"submit\" value=\"I Agree\">\r\n</form>\r\n");
}

std::string MessagePage(std::string_view title, std::string_view text) {
    return HtmlDocument(
        title, "<h2>" + EscapeHtml(title) + "</h2>\r\n<p>" + EscapeHtml(text) + "</p>\r\n");
}

}  // namespace gb::emulator
