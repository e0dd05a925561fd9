#pragma once
// "Monthly Calendar": a month calendar that opens on today's date, and
// "Close".

#include <QtWidgets/QDialog>

#include <memory>

namespace gb::app::ui::Ui {
class CCalendarDlg;
}

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

class CCalendarDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CCalendarDlg(QWidget* parent = nullptr);
    ~CCalendarDlg() override;

    Ui::CCalendarDlg& Form() { return *ui_; }

    // The frame's Show Calendar command.
    static void Run(gb::widgets::ModalRunner& runner, QWidget* parent);

private:
    std::unique_ptr<Ui::CCalendarDlg> ui_;
};

}  // namespace gb::app::ui
