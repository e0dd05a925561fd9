#pragma once
// The bar above the views: the template's title line, the section tabs, the
// template's type with its subject (shown for e-mail templates only), the
// Fields button and the help text of the section shown.

#include <QtWidgets/QWidget>

#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gb::widgets {
class GuardedTabBar;
}

namespace gb::editor {

class CTemplateBar final : public QWidget {
    Q_OBJECT

public:
    explicit CTemplateBar(QWidget* parent = nullptr);

    // "name : description  (library file)".
    void SetTitle(std::string_view name, std::string_view description, std::string_view library);
    // The type (0 report, 1 e-mail) and, for an e-mail template, its subject.
    void SetTypeAndSubject(int type, std::string_view subject);
    int GetType() const;
    std::string GetSubject() const;
    void ShowHelp(int section);

    gb::widgets::GuardedTabBar& Tabs() { return *tabs_; }
    QLineEdit& SubjectEdit() { return *subject_; }
    QPushButton& FieldsButton() { return *fields_; }
    QLabel& TitleLine() { return *title_; }

private:
    void ApplyTypeRule();

    QLabel* title_;
    gb::widgets::GuardedTabBar* tabs_;
    QComboBox* type_;
    QPushButton* fields_;
    QLabel* subjectLabel_;
    QLineEdit* subject_;
    QLabel* help_;
};

}  // namespace gb::editor
