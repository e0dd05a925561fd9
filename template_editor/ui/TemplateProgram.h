#pragma once
// The editor's start-up: one instance per user, then the main window with the
// library named on the command line, or else the remembered one from the
// program folder. The program owns the document, which outlives the window.

#include <QtCore/QObject>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/InstanceNames.h"
#include "template_editor/core/TemplateDoc.h"
#include "template_editor/dialogs/DocPrompts.h"
#include "widgets/SingleInstance.h"

namespace gb {
class Settings;
}

namespace gb::widgets {
class HelpService;
class ModalRunner;
}  // namespace gb::widgets

namespace gb::editor {

class CMainFrame;

class TemplateProgram final : public QObject {
    Q_OBJECT

public:
    // The name under which the first instance is found.
    static constexpr const char* kInstanceName = gb::kTemplateInstanceName;

    TemplateProgram(std::vector<std::string> arguments, gb::Settings& user,
                    std::filesystem::path programFolder, gb::widgets::ModalRunner& runner,
                    gb::widgets::HelpService& help,
                    const QString& instanceName = QString::fromLatin1(kInstanceName));
    ~TemplateProgram() override;

    // False when another instance runs: it has been asked to come to the
    // front, and this one is to end.
    bool InitInstance();

    CMainFrame* Frame() const { return frame_.get(); }
    gb::widgets::SingleInstance& Instance() { return instance_; }

private:
    std::filesystem::path StartupLibrary() const;

    std::vector<std::string> arguments_;
    gb::Settings& user_;
    std::filesystem::path programFolder_;
    gb::widgets::ModalRunner& runner_;
    gb::widgets::HelpService& help_;
    gb::widgets::SingleInstance instance_;
    DocPrompts prompts_;
    CTemplateDoc doc_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace gb::editor
