#include "app/core/export/ExportSettings.h"

#include "app/core/AppSettings.h"
#include "itemdb/ColumnSet.h"
#include "platform/PathText.h"
#include "platform/Settings.h"

namespace gb::app {

namespace {

constexpr std::string_view kSection = "Export";
constexpr std::string_view kType = "Type";
constexpr std::string_view kColumns = "Columns";
constexpr std::string_view kTarget = "Target";
constexpr std::string_view kDefaultTarget = "Export.txt";

}  // namespace

ExportSettings ExportSettings::Load(const gb::Settings& user,
                                    const std::filesystem::path& documentsFolder) {
    const std::string key = gb::app::SectionKey(kSection);
    ExportSettings settings;
    const std::uint32_t type = user.GetNumber(key, kType, 0);
    if (type < kExportTypeCount) {
        settings.type = static_cast<ExportType>(type);
    }
    const std::string defaultColumns =
        gb::itemdb::ColumnSet::Standard(gb::itemdb::StandardColumnSet::Default).ToText();
    settings.columns = user.GetString(key, kColumns, defaultColumns);
    const std::filesystem::path target =
        gb::paths::FromSettingText(user.GetString(key, kTarget, kDefaultTarget));
    settings.target = (target.is_absolute() ? target : documentsFolder / target).string();
    return settings;
}

bool ExportSettings::Save(gb::Settings& user) const {
    const std::string key = gb::app::SectionKey(kSection);
    return user.SetNumber(key, kType, static_cast<std::uint32_t>(type)) &&
           user.SetString(key, kColumns, columns) &&
           user.SetString(key, kTarget, gb::paths::ToSettingText(target));
}

}  // namespace gb::app
