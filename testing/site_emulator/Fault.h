#pragma once
// What the site emulator can be told to do wrong for one seller, and on which
// page.

#include <cstddef>
#include <optional>
#include <string_view>

namespace gb::emulator {

enum class FaultKind {
    None,
    WrongPassword,   // the sign-in check refuses every password
    NoSignInField,   // the sign-in page of the seller's site has no user ID field
    NoRows,          // the listing pages hold no item rows
    ServerError,     // HTTP 500 with an error page
    Stall,           // the answer does not come until the emulator stops
    DropConnection,  // the connection is closed halfway through the answer
    // Hostile servers:
    EndlessPages,         // every listing page says another page follows
    HugePage,             // an answer of far more bytes than any page holds
    Drip,                 // an answer that comes a byte at a time and never ends
    ResetConnection,      // the connection is reset halfway through the answer
    RedirectLoop,         // the answer redirects to itself
    CompressionBomb,      // a gzip answer that expands without end
    PlainSignInAction,    // the site's sign-in form posts to an http address
    ForeignSignInAction,  // the site's sign-in form posts to another host
    // Where the password may go, tried further:
    OtherPortSignInAction,  // the sign-in form posts to the same host at another port
    ForeignSignInPage,      // the sign-in page redirects to another host, whose form posts there
    ForeignSignInRedirect,  // the sign-in check redirects the post (307) to another host
    DeepNesting,            // the page's elements nest far deeper than any real page's
};

// The pages a fault can strike. The sign-in page is the site's, not the
// seller's: it is struck for every seller of a site that shares it.
enum class FaultPoint { SignInPage, SignInCheck, AdultPage, Listing, BuyerPage };

struct Fault {
    FaultKind kind = FaultKind::None;
    // Where the kinds that can strike any page strike (ServerError, Stall,
    // DropConnection, HugePage, Drip, ResetConnection, RedirectLoop,
    // CompressionBomb; DeepNesting on the sign-in or adult-consent page);
    // the other kinds have a page of their own.
    FaultPoint point = FaultPoint::Listing;
    // What a DeepNesting page repeats before the page itself, and how often.
    struct Nesting {
        std::string_view piece = "<div>";
        std::size_t times = 20'000;  // 100 kilobytes
    };
    Nesting nesting = {};

    bool Strikes(FaultPoint page) const;
};

// A fault as the command line gives it: a kind ("wrong-password",
// "no-signin-field", "no-rows", "server-error", "stall", "drop",
// "endless-pages", "huge-page", "drip", "reset", "redirect-loop", "gzip-bomb",
// "http-signin-action", "foreign-signin-action", "other-port-signin-action",
// "foreign-signin-page", "foreign-signin-redirect", "deep-nesting"), optionally
// followed by "@" and a page ("signin-page", "signin-check", "adult-page",
// "listing", "buyer-page"). Nothing when the text names neither.
std::optional<Fault> ParseFault(std::string_view text);

}  // namespace gb::emulator
