#pragma once
// The world every end-to-end test runs in: settings roots, the component
// registry and the session logs in a temporary folder, the two component
// libraries of the build registered there as the installer registers them,
// the user's locale US English, and short retrieval time limits.

#include <filesystem>

namespace gb::e2e {

// The temporary folder of the test program.
const std::filesystem::path& WorldFolder();

// The stall limit of every page load in the tests: far above what the
// emulator needs for its largest page on a busy machine under
// ThreadSanitizer, so that only an answer that never comes reaches it.
inline constexpr int kStallSeconds = 10;
// The overall limit of every page load in the tests.
inline constexpr int kEnvironmentOverallSeconds = 30;

}  // namespace gb::e2e
