#include "itemdb/SiteClassList.h"

#include "interfaces/ClassIds.h"
#include "platform/Cp1252.h"

namespace gb::itemdb {

bool SiteClassList::Load(const gb::ComponentRegistry& registry) {
    names_.clear();
    classIds_.clear();
    std::vector<gb::CategoryMember> members;
    if (gb::Failed(registry.ClassesOfCategory(CATID_GavelbookSiteSources, members))) {
        return false;
    }
    for (const gb::CategoryMember& member : members) {
        names_.push_back(member.userTypeName);
        classIds_.push_back(member.clsid.ToString());
    }
    return true;
}

std::string SiteClassList::ClassIdOf(std::string_view name) const {
    for (std::size_t index = 0; index < names_.size(); ++index) {
        if (gb::cp1252::EqualsNoCase(names_[index], name)) {
            return classIds_[index];
        }
    }
    return {};
}

}  // namespace gb::itemdb
