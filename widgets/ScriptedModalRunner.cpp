#include "widgets/ScriptedModalRunner.h"

#include <QtCore/QDebug>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QDialog>

namespace gb::widgets {

namespace {

std::string Describe(const QDialog& dialog) {
    return std::string(dialog.metaObject()->className()) + " \"" +
           dialog.windowTitle().toStdString() + "\" (object name \"" +
           dialog.objectName().toStdString() + "\")";
}

}  // namespace

ScriptedModalRunner::ScriptedModalRunner(FailureHandler onFailure)
    : onFailure_(std::move(onFailure)) {}

ScriptedModalRunner::Step ScriptedModalRunner::Accept(std::function<void(QDialog&)> fill) {
    Step step;
    step.fill = std::move(fill);
    return step;
}

ScriptedModalRunner::Step ScriptedModalRunner::Reject(std::function<void(QDialog&)> fill) {
    Step step;
    step.fill = std::move(fill);
    step.answer = Answer::Reject;
    return step;
}

ScriptedModalRunner::Step ScriptedModalRunner::Press(QMessageBox::StandardButton button) {
    Step step;
    step.className = QStringLiteral("QMessageBox");
    step.answer = Answer::PressButton;
    step.button = button;
    return step;
}

ScriptedModalRunner& ScriptedModalRunner::Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

int ScriptedModalRunner::Run(QDialog& dialog) {
    // Recorded on arrival, so that windows opened from inside this one follow it.
    const std::size_t index = ran_.size();
    const auto* box = qobject_cast<const QMessageBox*>(&dialog);
    ran_.push_back({dialog.metaObject()->className(), dialog.objectName(), dialog.windowTitle(),
                    box != nullptr ? box->text() : QString(), QDialog::Rejected});

    std::string failure;
    if (steps_.empty()) {
        failure = "no scripted step left for " + Describe(dialog);
    } else {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        failure = Mismatch(dialog, step);
        if (failure.empty()) {
            ran_[index].result = Respond(dialog, step);
            return ran_[index].result;
        }
    }
    Fail(failure);
    dialog.reject();
    ran_[index].result = dialog.result();
    return ran_[index].result;
}

std::string ScriptedModalRunner::Mismatch(const QDialog& dialog, const Step& step) {
    if (!step.className.isEmpty() && !dialog.inherits(step.className.toLatin1().constData())) {
        return "expected a " + step.className.toStdString() + ", got " + Describe(dialog);
    }
    if (!step.objectName.isEmpty() && dialog.objectName() != step.objectName) {
        return "expected the window named \"" + step.objectName.toStdString() + "\", got " +
               Describe(dialog);
    }
    return {};
}

int ScriptedModalRunner::Respond(QDialog& dialog, const Step& step) {
    dialog.show();
    if (step.fill) {
        step.fill(dialog);
    }
    switch (step.answer) {
        case Answer::Accept:
            dialog.accept();
            break;
        case Answer::Reject:
            dialog.reject();
            break;
        case Answer::PressButton: {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            QAbstractButton* button = box != nullptr ? box->button(step.button) : nullptr;
            if (button == nullptr) {
                Fail(Describe(dialog) + " has no button " + std::to_string(step.button));
                dialog.reject();
            } else {
                button->click();
            }
            break;
        }
    }
    if (dialog.isVisible()) {
        Fail(Describe(dialog) + " stayed open after its scripted answer");
        dialog.reject();
    }
    return dialog.result();
}

void ScriptedModalRunner::Fail(const std::string& failure) {
    qWarning().noquote() << "ScriptedModalRunner:" << QString::fromStdString(failure);
    failures_.push_back(failure);
    if (onFailure_) {
        onFailure_(failure);
    }
}

}  // namespace gb::widgets
