#include "platform/ComponentRegistry.h"

#include <cstdio>

namespace gb {

namespace {

constexpr std::string_view kClasses = "CLSID";
constexpr std::string_view kAppIds = "AppID";
constexpr std::string_view kCategories = "Component Categories";
constexpr std::string_view kImplemented = "Implemented Categories";
constexpr std::string_view kServer = "InprocServer32";
constexpr std::string_view kProgId = "ProgID";
constexpr std::string_view kIndependentProgId = "VersionIndependentProgID";
constexpr std::string_view kTypeLibrary = "TypeLib";
constexpr std::string_view kCurrentVersion = "CurVer";
constexpr std::string_view kThreadingModel = "ThreadingModel";
constexpr std::size_t kMaxDescription = 127;

std::string Join(std::string_view a, std::string_view b) {
    std::string path(a);
    path += '\\';
    path += b;
    return path;
}

std::string ClassKey(const Guid& clsid) {
    return Join(kClasses, clsid.ToString());
}

std::string LocaleName(std::uint32_t locale) {
    char name[9];
    std::snprintf(name, sizeof name, "%x", static_cast<unsigned>(locale));
    return name;
}

void SetDefault(SettingsKey& key, std::string_view text) {
    key.SetValue({}, SettingsValue::Text(std::string(text)));
}

std::string TextOf(const SettingsKey* key, std::string_view name = {}) {
    const SettingsValue* value = key != nullptr ? key->FindValue(name) : nullptr;
    return value != nullptr && value->type == SettingsValue::Type::Text ? value->text
                                                                        : std::string();
}

std::optional<Guid> GuidOf(const SettingsKey* key, std::string_view name = {}) {
    return Guid::Parse(TextOf(key, name));
}

void WriteProgId(SettingsKey& root, const ClassRegistration& registration, std::string_view progId,
                 std::string_view currentVersion) {
    if (progId.empty()) {
        return;
    }
    SettingsKey& key = root.CreateKey(progId);
    SetDefault(key, registration.userTypeName);
    SetDefault(key.CreateKey("CLSID"), registration.clsid.ToString());
    if (!currentVersion.empty()) {
        SetDefault(key.CreateKey(kCurrentVersion), currentVersion);
    }
}

}  // namespace

HRESULT ComponentRegistry::Write(const std::function<void(SettingsKey& root)>& change) {
    return root_.Edit([&](SettingsKey& root) {
        change(root);
        return true;
    })
               ? S_OK
               : E_ACCESSDENIED;
}

HRESULT ComponentRegistry::RegisterClass(const ClassRegistration& registration) {
    return Write([&](SettingsKey& root) {
        const std::string classKey = ClassKey(registration.clsid);
        root.RemoveKey(classKey);
        SettingsKey& key = root.CreateKey(classKey);
        SetDefault(key, registration.userTypeName);
        if (registration.appId) {
            key.SetValue(kAppIds, SettingsValue::Text(registration.appId->ToString()));
        }
        SettingsKey& server = key.CreateKey(kServer);
        SetDefault(server, registration.libraryPath);
        server.SetValue(kThreadingModel, SettingsValue::Text(registration.threadingModel));
        if (!registration.progId.empty()) {
            SetDefault(key.CreateKey(kProgId), registration.progId);
        }
        if (!registration.versionIndependentProgId.empty()) {
            SetDefault(key.CreateKey(kIndependentProgId), registration.versionIndependentProgId);
        }
        if (registration.typeLibrary) {
            SetDefault(key.CreateKey(kTypeLibrary), registration.typeLibrary->ToString());
        }
        WriteProgId(root, registration, registration.progId, {});
        WriteProgId(root, registration, registration.versionIndependentProgId, registration.progId);
    });
}

HRESULT ComponentRegistry::UnregisterClass(const ClassRegistration& registration) {
    return Write([&](SettingsKey& root) {
        for (const std::string* progId :
             {&registration.progId, &registration.versionIndependentProgId}) {
            if (!progId->empty()) {
                root.RemoveKey(*progId);
            }
        }
        root.RemoveKey(ClassKey(registration.clsid));
    });
}

HRESULT ComponentRegistry::RegisterAppId(const Guid& appId, std::string_view name,
                                         std::string_view libraryFileName) {
    return Write([&](SettingsKey& root) {
        SetDefault(root.CreateKey(Join(kAppIds, appId.ToString())), name);
        root.CreateKey(Join(kAppIds, libraryFileName))
            .SetValue(kAppIds, SettingsValue::Text(appId.ToString()));
    });
}

HRESULT ComponentRegistry::UnregisterAppId(const Guid& appId, std::string_view libraryFileName) {
    return Write([&](SettingsKey& root) {
        root.RemoveKey(Join(kAppIds, appId.ToString()));
        root.RemoveKey(Join(kAppIds, libraryFileName));
    });
}

HRESULT ComponentRegistry::RegisterCategory(const Guid& category, std::uint32_t locale,
                                            std::string_view description) {
    return Write([&](SettingsKey& root) {
        root.CreateKey(Join(kCategories, category.ToString()))
            .SetValue(LocaleName(locale),
                      SettingsValue::Text(std::string(description.substr(0, kMaxDescription))));
    });
}

HRESULT ComponentRegistry::RegisterClassImplCategories(const Guid& clsid,
                                                       std::span<const Guid> categories) {
    return Write([&](SettingsKey& root) {
        SettingsKey& implemented = root.CreateKey(Join(ClassKey(clsid), kImplemented));
        for (const Guid& category : categories) {
            implemented.CreateKey(category.ToString());
        }
    });
}

HRESULT ComponentRegistry::UnregisterClassImplCategories(const Guid& clsid,
                                                         std::span<const Guid> categories) {
    return Write([&](SettingsKey& root) {
        const std::string implementedPath = Join(ClassKey(clsid), kImplemented);
        SettingsKey* implemented = root.FindKey(implementedPath);
        if (implemented == nullptr) {
            return;
        }
        for (const Guid& category : categories) {
            implemented->RemoveKey(category.ToString());
        }
        if (!implemented->HasSubKeys() && implemented->Values().empty()) {
            root.RemoveKey(implementedPath);
        }
    });
}

std::optional<ClassRegistration> ComponentRegistry::FindClass(const Guid& clsid) const {
    const std::shared_ptr<const SettingsKey> root = root_.Snapshot();
    const SettingsKey* key = root ? root->FindKey(ClassKey(clsid)) : nullptr;
    if (key == nullptr) {
        return std::nullopt;
    }
    const SettingsKey* server = key->FindKey(kServer);
    ClassRegistration found;
    found.clsid = clsid;
    found.userTypeName = TextOf(key);
    found.progId = TextOf(key->FindKey(kProgId));
    found.versionIndependentProgId = TextOf(key->FindKey(kIndependentProgId));
    found.libraryPath = TextOf(server);
    found.threadingModel = TextOf(server, kThreadingModel);
    found.appId = GuidOf(key, kAppIds);
    found.typeLibrary = GuidOf(key->FindKey(kTypeLibrary));
    return found;
}

std::optional<Guid> ComponentRegistry::ClassOfProgId(std::string_view progId) const {
    const std::shared_ptr<const SettingsKey> root = root_.Snapshot();
    if (!root || progId.empty()) {
        return std::nullopt;
    }
    return GuidOf(root->FindKey(Join(progId, "CLSID")));
}

std::optional<std::string> ComponentRegistry::CategoryDescription(const Guid& category,
                                                                  std::uint32_t locale) const {
    const std::shared_ptr<const SettingsKey> root = root_.Snapshot();
    const SettingsKey* key = root ? root->FindKey(Join(kCategories, category.ToString())) : nullptr;
    const SettingsValue* value = key != nullptr ? key->FindValue(LocaleName(locale)) : nullptr;
    if (value == nullptr || value->type != SettingsValue::Type::Text) {
        return std::nullopt;
    }
    return value->text;
}

HRESULT ComponentRegistry::ClassesOfCategory(const Guid& category,
                                             std::vector<CategoryMember>& members) const {
    members.clear();
    const std::shared_ptr<const SettingsKey> root = root_.Snapshot();
    if (!root) {
        return E_FAIL;
    }
    const SettingsKey* classes = root->FindKey(kClasses);
    if (classes == nullptr) {
        return S_OK;
    }
    const std::string membership = Join(kImplemented, category.ToString());
    // Sub-keys come ordered by name, and every class key is a braced identifier.
    for (const SettingsKey* key : classes->SubKeys()) {
        const std::optional<Guid> clsid = Guid::Parse(key->Name());
        if (clsid && key->FindKey(membership) != nullptr) {
            members.push_back(CategoryMember{*clsid, TextOf(key)});
        }
    }
    return S_OK;
}

}  // namespace gb
