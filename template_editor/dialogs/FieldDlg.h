#pragma once
// The Add Fields dialog: the item fields and the fee schedule's active
// calculated fields, sorted by name; OK gives the tokens of the fields chosen,
// in list order.

#include <QtWidgets/QDialog>

#include <memory>
#include <string>

namespace Ui {
class CFieldDlg;
}

namespace gb::itemdb {
class CFeeSchedule;
}

namespace gb::editor {

class CFieldDlg : public QDialog {
    Q_OBJECT

public:
    CFieldDlg(gb::itemdb::CFeeSchedule& schedule, QWidget* parent = nullptr);
    ~CFieldDlg() override;

    // Valid after OK: each chosen field as "[Name] ".
    const std::string& GetResult() const { return result_; }

    void accept() override;

private:
    std::unique_ptr<Ui::CFieldDlg> ui_;
    std::string result_;
};

}  // namespace gb::editor
