#pragma once
// The modal runner of the tests: answers each modal window from a queue of
// scripted steps instead of waiting for a user, and records what ran.
//
// A step may check the window's class and object name, fill its fields, and
// then accepts it, rejects it or presses one of a message box's buttons. The
// window is shown (not modally) while its step runs, as exec() would show it,
// so that whatever it builds when first shown exists; a window that arrives
// with no step left, or that does not match its step, is a failure: it is
// recorded, handed to the failure handler and the window is rejected.

#include <QtCore/QString>
#include <QtWidgets/QMessageBox>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "widgets/ModalRunner.h"

namespace gb::widgets {

class ScriptedModalRunner final : public ModalRunner {
public:
    enum class Answer { Accept, Reject, PressButton };

    struct Step {
        // A class the window must be or inherit ("QMessageBox"); empty: any.
        QString className;
        // The window's object name; empty: any.
        QString objectName;
        // Runs while the window is shown, before the answer.
        std::function<void(QDialog&)> fill;
        Answer answer = Answer::Accept;
        // The button pressed for Answer::PressButton.
        QMessageBox::StandardButton button = QMessageBox::NoButton;
    };

    // What one window was and how it ended.
    struct Record {
        QString className;
        QString objectName;
        QString title;
        // A message box's text; empty for other windows.
        QString text;
        int result = 0;
    };

    using FailureHandler = std::function<void(const std::string& failure)>;

    // The handler hears each failure as it happens (a test reports it); the
    // failures are kept in Failures() in any case.
    explicit ScriptedModalRunner(FailureHandler onFailure = {});

    // Steps for the common answers.
    static Step Accept(std::function<void(QDialog&)> fill = {});
    static Step Reject(std::function<void(QDialog&)> fill = {});
    static Step Press(QMessageBox::StandardButton button);

    ScriptedModalRunner& Then(Step step);

    int Run(QDialog& dialog) override;

    const std::vector<Record>& Ran() const { return ran_; }
    const std::vector<std::string>& Failures() const { return failures_; }
    std::size_t StepsLeft() const { return steps_.size(); }

private:
    void Fail(const std::string& failure);
    // Checks the window against its step; the failure, or empty.
    static std::string Mismatch(const QDialog& dialog, const Step& step);
    int Respond(QDialog& dialog, const Step& step);

    FailureHandler onFailure_;
    std::deque<Step> steps_;
    std::vector<Record> ran_;
    std::vector<std::string> failures_;
};

}  // namespace gb::widgets
