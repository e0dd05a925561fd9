#include "app/core/report/ReportRun.h"

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
    gb::WriteFileAtomically(path, html);
    return path;
}

std::string FileUrl(const std::filesystem::path& path) {
    return "file://" + std::filesystem::absolute(path).string();
}

}  // namespace gb::app
