#include "template_editor/core/TemplateDoc.h"

#include <optional>
#include <system_error>
#include <utility>

#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/PageBody.h"

namespace gb::editor {

using gb::itemdb::CTDocText;
using gb::itemdb::CTemplateLibrary;

namespace {

// The three bodies of a source section.
struct SourceBodies {
    std::string header;
    std::string repeat;
    std::string footer;
};

// Cuts a source body at its markers. With neither marker everything is the
// header; with only one the source cannot be stored.
std::optional<SourceBodies> CutAtMarkers(std::string_view body) {
    const std::string_view start = EditorStrings().Get(string_id::StartMarker);
    const std::string_view end = EditorStrings().Get(string_id::EndMarker);
    const std::size_t s = FindMarker(body, start);
    const std::size_t e = FindMarker(body, end);
    if (s == body.npos && e == body.npos) {
        return SourceBodies{std::string(body), {}, {}};
    }
    if (s == body.npos || e == body.npos) {
        return std::nullopt;
    }
    const std::size_t repeatFrom = s + start.size();
    const std::string_view repeat =
        e > repeatFrom ? body.substr(repeatFrom, e - repeatFrom) : std::string_view();
    return SourceBodies{std::string(body.substr(0, s)), std::string(repeat),
                        std::string(body.substr(e + end.size()))};
}

}  // namespace

CTemplateDoc::CTemplateDoc(TemplateDocPrompts& prompts, gb::Settings& settings,
                           std::filesystem::path programFolder)
    : prompts_(prompts), settings_(settings), programFolder_(std::move(programFolder)) {}

bool CTemplateDoc::SplitBody(std::string& page, bool renew) {
    std::optional<PageParts> parts = SplitPage(page);
    if (!parts) {
        return false;
    }
    if (template_.GetHeader().empty()) {
        template_.SetHeader(parts->prefix + parts->suffix);
    }
    if (template_.GetFooter().empty()) {
        template_.SetFooter(parts->prefix + parts->suffix);
    }
    if (renew) {
        prefix_ = std::move(parts->prefix);
        suffix_ = std::move(parts->suffix);
    }
    page = std::move(parts->body);
    return true;
}

bool CTemplateDoc::GetSectionHTML(std::string& out, int section) const {
    const std::string* page = nullptr;
    switch (section) {
        case section::Header:
            page = &template_.GetHeader();
            break;
        case section::Repeat:
            page = &template_.GetRepeat();
            break;
        case section::Footer:
            page = &template_.GetFooter();
            break;
        default:
            return false;
    }
    const std::optional<PageParts> parts = SplitPage(*page);
    out = parts ? parts->body : *page;
    return true;
}

bool CTemplateDoc::StoreSection(std::string_view text, int section) {
    if (section < section::Header || section > section::Source) {
        return false;
    }
    std::string body(text);
    if (section == section::Source) {
        // Checked before anything changes: a source that cannot be stored
        // whole is not stored at all.
        const std::optional<PageParts> parts = SplitPage(text);
        if (!parts || !CutAtMarkers(parts->body)) {
            return false;
        }
    }
    if (!SplitBody(body, section == section::Header || section == section::Source)) {
        return false;
    }
    switch (section) {
        case section::Header:
            template_.SetHeader(Page(body));
            break;
        case section::Repeat:
            template_.SetRepeat(Page(body));
            break;
        case section::Footer:
            template_.SetFooter(Page(body));
            break;
        default: {
            const SourceBodies bodies = *CutAtMarkers(body);
            template_.SetHeader(Page(bodies.header));
            template_.SetRepeat(Page(bodies.repeat));
            template_.SetFooter(Page(bodies.footer));
        }
    }
    return true;
}

std::string CTemplateDoc::GetSourceHTML() const {
    std::string header;
    std::string repeat;
    std::string footer;
    GetSectionHTML(header, section::Header);
    GetSectionHTML(repeat, section::Repeat);
    GetSectionHTML(footer, section::Footer);
    return prefix_ + header + std::string(EditorStrings().Get(string_id::StartMarker)) + repeat +
           std::string(EditorStrings().Get(string_id::EndMarker)) + footer + suffix_;
}

void CTemplateDoc::SetKindAndSubject(int kind, std::string_view subject) {
    template_.SetKind(kind);
    template_.SetSubject(kind == CTDocText::Email ? subject : std::string_view());
}

bool CTemplateDoc::SelectTemplate(int index) {
    if (index < 0) {
        currentIndex_ = -1;
        template_.SetDefaults(CTDocText::Defaults::Editor);
    } else if (index < library_.GetCount()) {
        template_ = *library_.GetTemplate(index);
        currentIndex_ = index;
        library_.SetCurrent(index);
    } else {
        return false;
    }
    if (template_.GetHeader().empty()) {
        return true;
    }
    return SplitPageOf(template_.GetHeader(), true);
}

bool CTemplateDoc::SplitPageOf(const std::string& page, bool renew) {
    std::string copy = page;
    return SplitBody(copy, renew);
}

Answer CTemplateDoc::SaveWanted(bool ask) {
    int question = string_id::SaveNewTemplate;
    if (currentIndex_ >= 0) {
        const CTDocText* stored = library_.GetTemplate(currentIndex_);
        if (stored != nullptr && stored->IsEqual(template_)) {
            return Answer::No;
        }
        question = string_id::SaveChanges;
    }
    return ask ? prompts_.AskYesNoCancel(EditorStrings().Get(question)) : Answer::Yes;
}

SaveOutcome CTemplateDoc::SaveTemplate(bool saveAs, bool ask) {
    const Answer wanted = SaveWanted(ask);
    if (wanted == Answer::Cancel) {
        return SaveOutcome::Cancelled;
    }
    if (wanted == Answer::No && !saveAs) {
        // Nothing changed, or the user said No: nothing is written, now or
        // later, since the library in memory is left as it was read.
        return SaveOutcome::Done;
    }
    if (currentIndex_ < 0 || saveAs) {
        std::optional<SaveAsChoice> choice = prompts_.ChooseSaveAs(path_, currentIndex_);
        if (!choice) {
            return SaveOutcome::Cancelled;
        }
        template_.SetName(choice->name);
        template_.SetDescription(choice->description);
        if (!PutInLibrary(choice->index, choice->library)) {
            return SaveOutcome::Failed;
        }
        // The document follows that library, showing the template just saved.
        return LoadLibrary(choice->library, currentIndex_) == LibraryState::Read
                   ? SaveOutcome::Done
                   : SaveOutcome::Failed;
    }
    const int stored = library_.SetTemplate(template_, currentIndex_);
    if (stored < 0) {
        ReportNotSaved();
        return SaveOutcome::Failed;
    }
    currentIndex_ = stored;
    return SaveModified() ? SaveOutcome::Done : SaveOutcome::Failed;
}

bool CTemplateDoc::PutInLibrary(int index, const std::filesystem::path& path) {
    CTemplateLibrary target;
    if (!MayWrite(ReadLibrary(target, path))) {
        prompts_.ShowMessage(UnreadableLibraryMessage(path));
        return false;
    }
    const int stored =
        index < 0 ? target.AddTemplate(template_) : target.SetTemplate(template_, index);
    if (stored < 0 || !target.SaveFile()) {
        return ReportNotSaved();
    }
    currentIndex_ = stored;
    return true;
}

void CTemplateDoc::NewDocument() {
    SelectTemplate(-1);
    library_ = CTemplateLibrary();
    path_ = programFolder_ / settings_.GetLibraryName();
    library_.SetPath(path_);
    std::error_code error;
    mayWriteLibrary_ = !std::filesystem::exists(path_, error) && !error;
}

LibraryState CTemplateDoc::OpenLibrary(const std::filesystem::path& path) {
    const int index = library_.GetCount() > 1 ? currentIndex_ : settings_.GetTemplateIndex();
    return LoadLibrary(path, index);
}

LibraryState CTemplateDoc::LoadLibrary(const std::filesystem::path& path, int index) {
    CTemplateLibrary read;
    const LibraryState state = ReadLibrary(read, path);
    if (state != LibraryState::Read) {
        if (state == LibraryState::Unreadable) {
            prompts_.ShowMessage(UnreadableLibraryMessage(path));
        }
        return state;
    }
    SelectTemplate(-1);
    library_ = std::move(read);
    path_ = path;
    mayWriteLibrary_ = true;
    SelectTemplate(index >= 0 && index < library_.GetCount() ? index : 0);
    return state;
}

void CTemplateDoc::CloseDocument() {
    settings_.Store(GetTitle(), currentIndex_);
}

bool CTemplateDoc::SaveModified() {
    if (!IsModified()) {
        return true;
    }
    if (!mayWriteLibrary_) {
        prompts_.ShowMessage(UnreadableLibraryMessage(path_));
        return false;
    }
    library_.SetPath(path_);
    return library_.SaveFile() || ReportNotSaved();
}

bool CTemplateDoc::ReportNotSaved() {
    prompts_.ShowMessage(EditorStrings().Get(string_id::TemplateNotSaved));
    return false;
}

}  // namespace gb::editor
