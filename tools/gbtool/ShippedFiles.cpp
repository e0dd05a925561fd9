#include "ShippedFiles.h"

#include "DefaultFeeSchedule.h"
#include "DefaultTemplates.h"
#include "DemoProfile.h"
#include "GermanTemplates.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Archive.h"
#include "platform/FileIo.h"

namespace {

// Writes anything that serializes itself into an archive.
template <typename Record>
void WriteRecord(Record record, const std::filesystem::path& path) {
    gb::Archive ar = gb::Archive::ForStoring(path.string());
    record.Serialize(ar);
    gb::WriteFileAtomically(path, ar.Bytes());
}

void WriteFeeSchedule(const std::filesystem::path& path) {
    WriteRecord(DefaultFeeSchedule(), path);
}

void WriteTemplateLibrary(const std::filesystem::path& path) {
    WriteRecord(DefaultTemplateLibrary(), path);
}

void WriteGermanTemplateLibrary(const std::filesystem::path& path) {
    WriteRecord(GermanTemplateLibrary(), path);
}

constexpr ShippedFile kShippedFiles[] = {
    {"AucField.fee", &WriteFeeSchedule},
    {"VizEvav.cta", &WriteTemplateLibrary},
    {"German.cta", &WriteGermanTemplateLibrary},
    {"Demo.pro", &WriteDemoProfile},
};

}  // namespace

std::span<const ShippedFile> ShippedFiles() {
    return kShippedFiles;
}
