#pragma once
// Dialogs that record what the program would have shown and answer with what
// the test chose.

#include <deque>
#include <vector>

#include "app/core/DialogService.h"
#include "app/core/RetrievalProblems.h"

class FakeDialogs final : public ui::DialogService {
public:
    void ShowProblems(const ui::RetrievalProblems& shown) override { problems.push_back(shown); }
    bool ShowHint(int stringId) override {
        hints.push_back(stringId);
        if (doNotShowAgain.empty()) {
            return false;
        }
        const bool answer = doNotShowAgain.front();
        doNotShowAgain.pop_front();
        return answer;
    }

    std::vector<ui::RetrievalProblems> problems;
    std::vector<int> hints;
    // Whether the user ticks "Do not display this message again." in the next
    // hints; unticked when none is left.
    std::deque<bool> doNotShowAgain;
};
