#pragma once
// "Gavelbook Template Management": picks the template library of the program
// folder and one of its report or e-mail templates. "Select" hands back the
// library and the template; the caller makes them current.

#include <QtWidgets/QDialog>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/report/TemplateChoice.h"
#include "itemdb/TemplateLibrary.h"

namespace gb::app::ui::Ui {
class CTemplateDlg;
}  // namespace gb::app::ui::Ui

namespace gb::app::ui {

class CTemplateDlg final : public QDialog {
    Q_OBJECT

public:
    // The two tabs, by the kind of template they list.
    enum Mode { ReportMode = 0, MailMode = 1 };

    // `libraryName`: the current library's file name in `programFolder`;
    // `templateIndex`: the current template. `showHelp` runs on "&Help".
    CTemplateDlg(std::filesystem::path programFolder, const std::string& libraryName,
                 int templateIndex, Mode mode, std::function<void()> showHelp,
                 QWidget* parent = nullptr);
    ~CTemplateDlg() override;

    Ui::CTemplateDlg& Form() { return *ui_; }

    // What "Select" chose; nothing after Cancel or without a template.
    const std::optional<TemplateSelection>& Chosen() const { return chosen_; }

    void OnSelect();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenLibrary();
    void FillList();

    std::unique_ptr<Ui::CTemplateDlg> ui_;
    std::filesystem::path programFolder_;
    int templateIndex_;
    std::function<void()> showHelp_;
    gb::itemdb::CTemplateLibrary library_;
    std::vector<TemplateRow> rows_;
    std::optional<TemplateSelection> chosen_;
};

}  // namespace gb::app::ui
