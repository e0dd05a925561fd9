#include "app/core/report/ReportRun.h"

#include <string_view>

#include "app/core/report/ReportRenderer.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"

namespace gb::app {

gb::itemdb::CTDocText LoadTemplate(const std::filesystem::path& libraryPath, int index) {
    gb::itemdb::CTemplateLibrary library;
    // A library that cannot be read leaves the templates read until then.
    library.OpenFile(libraryPath);
    library.SetCurrent(index);
    const gb::itemdb::CTDocText* chosen = library.GetTemplate(index);
    return chosen != nullptr ? *chosen : gb::itemdb::CTDocText();
}

std::optional<RenderedReport> RenderReport(const ReportSource& source,
                                           std::span<const gb::itemdb::CAucItem* const> items) {
    if (items.empty()) {
        return std::nullopt;
    }
    ReportRenderer renderer(source.fees, source.folders);
    renderer.BeginReport(LoadTemplate(source.libraryPath, source.templateIndex));
    for (const gb::itemdb::CAucItem* item : items) {
        renderer.AppendItem(*item);
    }
    return RenderedReport{renderer.GetTemplateName(), renderer.BuildReport(),
                          renderer.BuildMailTo(), renderer.IsSameBuyer()};
}

std::filesystem::path WriteReportFile(const std::filesystem::path& folder,
                                      const std::string& html) {
    const std::filesystem::path path = folder / kReportFileName;
    // The page holds buyers' names and addresses: for the user's eyes only.
    gb::WriteFileAtomically(path, html, gb::FileAccess::OwnerOnly);
    return path;
}

std::string FileUrl(const std::filesystem::path& path) {
    // Characters that mean something in an address ('#', '?', '%', blanks)
    // are escaped, so that the address names exactly this file.
    static constexpr char kHex[] = "0123456789ABCDEF";
    static constexpr std::string_view kPlain =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/-._~";
    std::string url = "file://";
    for (const char c : std::filesystem::absolute(path).string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (kPlain.find(c) != std::string_view::npos) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}

}  // namespace gb::app
