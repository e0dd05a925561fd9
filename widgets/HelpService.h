#pragma once
// The programs' help: the user guide "Lotkeeper.html" beside the programs
// (and on the install medium), opened in the desktop's web browser at
// the contents or at the place of a help context number. Each context is an
// anchor "context-<number>" of the guide.

#include <QtCore/QUrl>

#include <filesystem>
#include <string>
#include <string_view>

class QWidget;

namespace gb::widgets {

class ModalRunner;

inline constexpr std::string_view kHelpFileName = "Lotkeeper.html";

// The help contexts the programs open; the guide has an anchor for each.
namespace help_context {
inline constexpr int Setup = 1;        // the installer
inline constexpr int MainWindow = 3;   // the main program's Help (F1)
inline constexpr int UserProfile = 7;  // the user profile's Help button
inline constexpr int Templates = 8;    // the template editor and template management
}  // namespace help_context

// What the user reads when no browser could show the help file `helpFile`
// (a 1252 text).
std::string NoHelpProgramText(std::string_view helpFile);

// Opens an address in the desktop's browser; injectable so that tests open
// nothing.
class HelpOpener {
public:
    virtual ~HelpOpener() = default;
    // False when nothing could open it.
    virtual bool Open(const QUrl& address) = 0;
};

class DesktopHelpOpener final : public HelpOpener {
public:
    bool Open(const QUrl& address) override;
};

class HelpService {
public:
    // `helpFile`: the guide, normally the program folder's kHelpFileName.
    HelpService(std::filesystem::path helpFile, HelpOpener& opener);

    // The guide in the program folder.
    static std::filesystem::path DefaultHelpFile();

    // Help Topics: the guide at its contents.
    bool ShowContents();
    // The guide at the place of a help context.
    bool ShowContext(int context);
    // The same, and when nothing could open the guide a message box over
    // `parent` names the help file.
    bool ShowContextOrTell(int context, ModalRunner& runner, QWidget* parent);

    // The browser the guide opens in, for the programs' other links.
    HelpOpener& Opener() const { return opener_; }

    QUrl ContentsAddress() const;
    QUrl ContextAddress(int context) const;

private:
    QUrl Address(const QString& anchor) const;

    std::filesystem::path helpFile_;
    HelpOpener& opener_;
};

}  // namespace gb::widgets
