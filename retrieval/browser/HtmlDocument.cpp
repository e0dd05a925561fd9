#include "retrieval/browser/HtmlDocument.h"

namespace gb::retrieval {

HtmlDocument HtmlDocument::Parse(std::string_view utf8) {
    return HtmlDocument(PageReader::Installed().Read(utf8).page);
}

FormControl* HtmlDocument::FindControl(std::string_view name, int index) {
    if (name.empty()) {
        return nullptr;
    }
    int seen = 0;
    for (FormControl& control : page_.controls) {
        if ((control.name == name || control.id == name) && seen++ == index) {
            return &control;
        }
    }
    return nullptr;
}

std::optional<std::size_t> HtmlDocument::FindForm(std::string_view name, int index) const {
    const std::vector<HtmlForm>& forms = page_.forms;
    int seen = 0;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const HtmlForm& form = forms[i];
        if ((name.empty() || form.name == name || form.id == name) && seen++ == index) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace gb::retrieval
