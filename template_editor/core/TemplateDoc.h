#pragma once
// The template editor's document: the template library file open in the editor
// and the one template being edited, shown as four sections: the header, the
// repeated part and the footer pages (their bodies), and the source, all three
// joined by two marker comments. The pages share one prefix (everything
// through the opening body tag) and suffix (from the closing body tag on).
//
// The library file is written only for an explicit save, and only over a file
// that was read completely or did not exist.

#include <filesystem>
#include <string>
#include <string_view>

#include "itemdb/TDocText.h"
#include "itemdb/TemplateLibrary.h"
#include "template_editor/core/EditorSettings.h"
#include "template_editor/core/LibraryFile.h"
#include "template_editor/core/TemplateDocPrompts.h"

namespace gb {
class Settings;
}

namespace gb::editor {

// The section numbers: the template bar's tabs, in order.
namespace section {
inline constexpr int Header = 0;
inline constexpr int Repeat = 1;
inline constexpr int Footer = 2;
inline constexpr int Source = 3;
}  // namespace section

// How a save ended.
enum class SaveOutcome {
    Done,       // saved, or there was nothing to save, or the user said No
    Cancelled,  // the user cancelled the question or Save Template As: nothing written
    Failed,     // nothing written; the user has been told why
};

class CTemplateDoc {
public:
    CTemplateDoc(TemplateDocPrompts& prompts, gb::Settings& settings,
                 std::filesystem::path programFolder);

    const gb::itemdb::CTDocText& GetTemplate() const { return template_; }
    const std::string& GetPagePrefix() const { return prefix_; }
    const std::string& GetPageSuffix() const { return suffix_; }
    // The current template's place in the library; -1 for a new one.
    int GetCurrentIndex() const { return currentIndex_; }
    const gb::itemdb::CTemplateLibrary& GetLibrary() const { return library_; }
    // The library file's full path; its file name is the document's title.
    const std::filesystem::path& GetPathName() const { return path_; }
    std::string GetTitle() const { return path_.filename().string(); }

    // Replaces `page` by its body. On success the prefix and suffix also fill
    // an empty header or footer page of the template and, with `renew`, become
    // the document's. False, with everything unchanged, when the page has no
    // body tags.
    bool SplitBody(std::string& page, bool renew);
    // The body of the header, repeat or footer page (the whole page when it has
    // no body tags); false for any other section.
    bool GetSectionHTML(std::string& out, int section) const;
    // Stores edited HTML of a section: a whole page for sections 0 to 2, the
    // joined source for section 3. Either all of it is stored or, when the page
    // cannot be split or the source holds only one marker, nothing.
    bool StoreSection(std::string_view text, int section);
    // The source section: prefix, the three bodies separated by the markers,
    // suffix.
    std::string GetSourceHTML() const;
    // The type and, for an e-mail template, the subject from the template bar.
    void SetKindAndSubject(int kind, std::string_view subject);

    // Makes library template `index`, or a new template (-1), current.
    bool SelectTemplate(int index);
    // Whether the current template is to be saved: it is new or differs from
    // its library copy and, with `ask`, the user answers Yes.
    bool QuerySave(bool ask) { return SaveWanted(ask) == Answer::Yes; }
    // Saves the current template into its library, or with `saveAs` (or for a
    // new template) into the library and place the user chooses. With `ask`
    // the user may answer Cancel, which ends it as Cancelled.
    SaveOutcome SaveTemplate(bool saveAs, bool ask);
    // Writes the current template into the library file at `path`: added for
    // index -1, else replacing the template at `index`. On success the index it
    // got becomes current.
    bool PutInLibrary(int index, const std::filesystem::path& path);

    // A new template in the remembered library, whose file is not read.
    void NewDocument();
    // Reads the library file and selects the current template (when the
    // library in memory holds several) or the remembered one. False, with the
    // document unchanged, when the file is missing or unreadable; an
    // unreadable file is reported.
    bool OpenDocument(const std::filesystem::path& path) {
        return OpenLibrary(path) == LibraryState::Read;
    }
    // OpenDocument telling a missing file from an unreadable one.
    LibraryState OpenLibrary(const std::filesystem::path& path);
    // Remembers the library's file name and the current index.
    void CloseDocument();
    // Writes the library when it holds unsaved changes; false when that fails.
    bool SaveModified();
    bool IsModified() const { return library_.IsModified(); }

private:
    // No when there is nothing to save; else, with `ask`, the user's answer to
    // Yes, No or Cancel, and Yes without.
    Answer SaveWanted(bool ask);
    // Replaces the library by the file at `path` and selects `index` (0 when
    // outside the library).
    LibraryState LoadLibrary(const std::filesystem::path& path, int index);
    bool SplitPageOf(const std::string& page, bool renew);
    std::string Page(std::string_view body) const { return prefix_ + std::string(body) + suffix_; }
    bool ReportNotSaved();

    TemplateDocPrompts& prompts_;
    EditorSettings settings_;
    std::filesystem::path programFolder_;

    gb::itemdb::CTDocText template_{gb::itemdb::CTDocText::Defaults::Editor};
    std::string prefix_;
    std::string suffix_;
    int currentIndex_ = -1;
    gb::itemdb::CTemplateLibrary library_;
    std::filesystem::path path_;
    // The library came from its file, or there was no file: writing it back
    // loses nothing.
    bool mayWriteLibrary_ = false;
};

}  // namespace gb::editor
