#pragma once
// Item Search on the item list: the modeless search dialog and what its
// requests do, finding the next matching row of the folder on display or
// filing the matches of all folders in Search Results.

#include <QtCore/QPointer>

namespace gb::app {
class IFrame;
}  // namespace gb::app

namespace gb::app::ui {

class CFindDlg;
class CInvView;
struct SearchRequest;

class ItemListSearch {
public:
    ItemListSearch(IFrame& frame, CInvView& list) : frame_(frame), list_(list) {}

    // Opens the Item Search dialog, or brings it forward.
    void OnItemSearch();
    void OnFindItem(const SearchRequest& request);
    // The Item Search dialog while it is open.
    CFindDlg* FindDialog() const;

private:
    IFrame& frame_;
    CInvView& list_;
    QPointer<CFindDlg> findDlg_;
};

}  // namespace gb::app::ui
