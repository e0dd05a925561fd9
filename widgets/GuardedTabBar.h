#pragma once
// A tab bar whose tab shown can refuse to be left. Qt cannot veto a tab
// change, so the bar asks after the change and, when the tab that was shown
// refuses, puts it back with its signals blocked before it reports the
// refusal: listeners only ever hear of changes that stand.

#include <QtCore/QString>
#include <QtWidgets/QTabBar>

#include <functional>
#include <optional>

namespace gb::widgets {

class GuardedTabBar final : public QTabBar {
    Q_OBJECT

public:
    // Asked before the bar leaves tab `shown`: why it cannot be left, or
    // nothing when it may.
    using LeaveCheck = std::function<std::optional<QString>(int shown)>;

    explicit GuardedTabBar(QWidget* parent = nullptr);

    void SetLeaveCheck(LeaveCheck check) { leaveCheck_ = std::move(check); }

    // Selects `index` as a click on its tab would; false when the tab shown
    // refused to be left. Inserting and removing tabs is not meant to leave a
    // tab that may refuse: do it while no tab would.
    bool SelectTab(int index);

Q_SIGNALS:
    // A change that stands: `index` is the tab shown now.
    void TabEntered(int index);
    // The tab shown refused to be left and is shown again.
    void LeaveRefused(const QString& message);

protected:
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    void OnCurrentChanged(int index);

    LeaveCheck leaveCheck_;
    // The tab whose change stood last; -1 before there is one.
    int shown_ = -1;
    bool lastChangeStood_ = true;
};

}  // namespace gb::widgets
