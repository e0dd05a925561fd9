#include "app/ui/MenuText.h"

#include "app/core/CommandCatalog.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

QString QtMenuText(std::string_view menuText) {
    return ToQt(menuText.substr(0, menuText.find('\t')));
}

QKeySequence QtShortcut(std::string_view menuText) {
    const std::string_view shortcut = ShortcutOf(menuText);
    return shortcut.empty() ? QKeySequence()
                            : QKeySequence(ToQt(shortcut), QKeySequence::PortableText);
}

}  // namespace gb::app::ui
