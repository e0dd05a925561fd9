#include "retrieval/RetrievalApp.h"

#include "platform/Paths.h"
#include "retrieval/RetrievalStrings.h"

namespace gb::retrieval {

namespace {

constexpr char kReturnedPage[] = "AucPage.htm";

std::filesystem::path LogPath(const std::filesystem::path& folder, int nameId) {
    return folder / std::string(RetrievalStrings().Get(nameId));
}

}  // namespace

CRetrievalApp& CRetrievalApp::Instance() {
    static CRetrievalApp app(gb::paths::StateFolder());
    return app;
}

CRetrievalApp::CRetrievalApp(const std::filesystem::path& folder)
    : folder_(folder),
      details_(LogPath(folder, IDS_DETAILS_LOG)),
      summary_(LogPath(folder, IDS_SUMMARY_LOG)) {}

EngineLogs CRetrievalApp::Logs() {
    return {details_, summary_, folder_ / kReturnedPage};
}

}  // namespace gb::retrieval
