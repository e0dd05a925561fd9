#pragma once
// The program's own small modal dialogs, injectable so that tests never wait
// on a modal window.

namespace ui {

struct RetrievalProblems;

class DialogService {
public:
    // "There is a problem...": what the retrievals logged during an update run
    // in which one of them failed.
    virtual void ShowProblems(const RetrievalProblems& problems) = 0;
    // "A Helpful Hint" with the text of `stringId`; true when the user closed
    // it with OK after ticking "Do not display this message again.".
    virtual bool ShowHint(int stringId) = 0;

protected:
    ~DialogService() = default;
};

}  // namespace ui
