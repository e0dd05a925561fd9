#include "Fault.h"

#include <array>
#include <utility>

namespace gb::emulator {

namespace {

constexpr std::array<std::pair<std::string_view, FaultKind>, 18> kKindNames{{
    {"wrong-password", FaultKind::WrongPassword},
    {"no-signin-field", FaultKind::NoSignInField},
    {"no-rows", FaultKind::NoRows},
    {"server-error", FaultKind::ServerError},
    {"stall", FaultKind::Stall},
    {"drop", FaultKind::DropConnection},
    {"endless-pages", FaultKind::EndlessPages},
    {"huge-page", FaultKind::HugePage},
    {"drip", FaultKind::Drip},
    {"reset", FaultKind::ResetConnection},
    {"redirect-loop", FaultKind::RedirectLoop},
    {"gzip-bomb", FaultKind::CompressionBomb},
    {"http-signin-action", FaultKind::PlainSignInAction},
    {"foreign-signin-action", FaultKind::ForeignSignInAction},
    {"other-port-signin-action", FaultKind::OtherPortSignInAction},
    {"foreign-signin-page", FaultKind::ForeignSignInPage},
    {"foreign-signin-redirect", FaultKind::ForeignSignInRedirect},
    {"deep-nesting", FaultKind::DeepNesting},
}};

constexpr std::array<std::pair<std::string_view, FaultPoint>, 5> kPointNames{{
    {"signin-page", FaultPoint::SignInPage},
    {"signin-check", FaultPoint::SignInCheck},
    {"adult-page", FaultPoint::AdultPage},
    {"listing", FaultPoint::Listing},
    {"buyer-page", FaultPoint::BuyerPage},
}};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<std::pair<std::string_view, Value>, N>& names,
                            std::string_view name) {
    for (const auto& [text, value] : names) {
        if (text == name) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

bool Fault::Strikes(FaultPoint page) const {
    switch (kind) {
        case FaultKind::None:
            return false;
        case FaultKind::WrongPassword:
            return page == FaultPoint::SignInCheck;
        case FaultKind::NoSignInField:
            return page == FaultPoint::SignInPage;
        case FaultKind::NoRows:
        case FaultKind::EndlessPages:
            return page == FaultPoint::Listing;
        case FaultKind::PlainSignInAction:
        case FaultKind::ForeignSignInAction:
        case FaultKind::OtherPortSignInAction:
        case FaultKind::ForeignSignInPage:
            return page == FaultPoint::SignInPage;
        case FaultKind::ForeignSignInRedirect:
            return page == FaultPoint::SignInCheck;
        case FaultKind::ServerError:
        case FaultKind::Stall:
        case FaultKind::DropConnection:
        case FaultKind::HugePage:
        case FaultKind::Drip:
        case FaultKind::ResetConnection:
        case FaultKind::RedirectLoop:
        case FaultKind::CompressionBomb:
        case FaultKind::DeepNesting:
            return page == point;
    }
    return false;
}

std::optional<Fault> ParseFault(std::string_view text) {
    const std::size_t at = text.find('@');
    const std::optional<FaultKind> kind = Lookup(kKindNames, text.substr(0, at));
    if (!kind) {
        return std::nullopt;
    }
    Fault fault{*kind};
    if (at != std::string_view::npos) {
        const std::optional<FaultPoint> point = Lookup(kPointNames, text.substr(at + 1));
        if (!point) {
            return std::nullopt;
        }
        fault.point = *point;
    }
    return fault;
}

}  // namespace gb::emulator
