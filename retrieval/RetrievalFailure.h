#pragma once
// A failure code (501 to 507) raised inside the retrieval worker and turned
// into its text at the worker's top.

namespace gb::retrieval {

struct RetrievalFailure {
    int code;
};

inline constexpr int kCodeCancelled = 501;
inline constexpr int kCodeListingFailed = 503;
inline constexpr int kCodeNoProperResponse = 504;
inline constexpr int kCodeNotConnected = 505;
inline constexpr int kCodeSignInRejected = 506;

}  // namespace gb::retrieval
