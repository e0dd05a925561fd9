#include "template_editor/dialogs/DialogMessages.h"

#include "widgets/MessageBox.h"
#include "widgets/QtText.h"

namespace gb::editor {

namespace {

const QString kCaption = QStringLiteral("Template");

}  // namespace

void Tell(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view text) {
    gb::widgets::ShowMessage(
        runner, parent, {kCaption, gb::widgets::ToQt(text), QMessageBox::Warning, QMessageBox::Ok});
}

bool Ask(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view question) {
    return gb::widgets::ShowMessage(runner, parent,
                                    {kCaption, gb::widgets::ToQt(question), QMessageBox::Question,
                                     QMessageBox::Yes | QMessageBox::No}) == QMessageBox::Yes;
}

QMessageBox::StandardButton AskOrCancel(gb::widgets::ModalRunner& runner, QWidget* parent,
                                        std::string_view question) {
    return gb::widgets::ShowMessage(runner, parent,
                                    {kCaption, gb::widgets::ToQt(question), QMessageBox::Question,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel});
}

}  // namespace gb::editor
