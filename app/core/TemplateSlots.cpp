#include "app/core/TemplateSlots.h"

#include "itemdb/TemplateLibrary.h"

using namespace gb::itemdb;

namespace gb::app {

TemplateSlots TemplateSlots::From(const CTemplateLibrary& library, int currentIndex) {
    TemplateSlots slots;
    const CTDocText* current = currentIndex >= 0 && currentIndex < library.GetCount()
                                   ? library.GetTemplate(currentIndex)
                                   : nullptr;
    for (int i = 0; i < library.GetCount() && slots.names.size() < kMaxSlots; ++i) {
        const CTDocText* candidate = library.GetTemplate(i);
        if (candidate == nullptr || candidate->GetKind() != CTDocText::Email) {
            continue;
        }
        if (current != nullptr && !slots.defaultSlot &&
            candidate->GetName() == current->GetName()) {
            slots.defaultSlot = slots.names.size();
        }
        slots.names.push_back(candidate->GetName());
        slots.indexes.push_back(i);
    }
    return slots;
}

}  // namespace gb::app
