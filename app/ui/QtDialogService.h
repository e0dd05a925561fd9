#pragma once
// The program's own dialogs on the screen, over the main window.

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include "app/core/DialogService.h"

namespace ui {

class QtDialogService final : public DialogService {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowProblems(const RetrievalProblems& problems) override;
    bool ShowHint(int stringId) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace ui
