#pragma once
// The servers a password may be sent to: the servers of the site's own
// addresses, over https. A server is its scheme, host and port together, so
// another port or another name of the same machine is another server; an http
// address of the site stands for the same server over https, where the
// password goes instead. Redirects never widen the set.

#include <string>
#include <string_view>
#include <vector>

namespace gb::retrieval {

class PasswordRecipients {
public:
    explicit PasswordRecipients(const std::vector<std::string>& siteAddresses);

    // True when `address` is an https address of one of the servers.
    bool Accepts(std::string_view address) const;

    // The servers, for the session log: "https://a:443, https://b:443".
    std::string Servers() const;

private:
    std::vector<std::string> origins_;
};

}  // namespace gb::retrieval
