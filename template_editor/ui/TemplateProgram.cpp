#include "template_editor/ui/TemplateProgram.h"

#include <QtWidgets/QStatusBar>

#include <string>

#include "template_editor/core/EditorSettings.h"
#include "template_editor/ui/CMainFrame.h"
#include "widgets/QtText.h"
#include "widgets/WebEngineStart.h"

namespace gb::editor {

TemplateProgram::TemplateProgram(std::vector<std::string> arguments, gb::Settings& user,
                                 std::filesystem::path programFolder,
                                 gb::widgets::ModalRunner& runner, gb::widgets::HelpService& help,
                                 const QString& instanceName)
    : arguments_(std::move(arguments)),
      user_(user),
      programFolder_(std::move(programFolder)),
      runner_(runner),
      help_(help),
      instance_(instanceName),
      prompts_(runner),
      doc_(prompts_, user, programFolder_) {}

TemplateProgram::~TemplateProgram() = default;

bool TemplateProgram::InitInstance() {
    if (!instance_.Claim()) {
        return false;
    }
    frame_ = std::make_unique<CMainFrame>(doc_, prompts_, runner_, help_, programFolder_);
    // The window's design view has started the web engine.
    const std::string note = gb::widgets::WebEngineSandboxNote();
    if (!note.empty()) {
        frame_->statusBar()->showMessage(gb::widgets::ToQt(note));
    }
    prompts_.SetParent(frame_.get());
    connect(&instance_, &gb::widgets::SingleInstance::Activated, frame_.get(),
            &CMainFrame::BringToFront);
    frame_->PlaceWindow();
    frame_->show();
    frame_->OpenStartupLibrary(StartupLibrary());
    return true;
}

std::filesystem::path TemplateProgram::StartupLibrary() const {
    if (!arguments_.empty()) {
        return std::filesystem::absolute(arguments_.front());
    }
    return programFolder_ / EditorSettings(user_).GetLibraryName();
}

}  // namespace gb::editor
