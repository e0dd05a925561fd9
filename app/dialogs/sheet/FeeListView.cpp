#include "app/dialogs/sheet/FeeListView.h"

#include <QtCore/QEvent>
#include <QtCore/QSignalBlocker>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QTreeWidget>

#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {
constexpr int kNameColumn = 0;
constexpr int kAmountColumn = 1;
constexpr auto kAmountAlignment = Qt::AlignRight | Qt::AlignVCenter;

// Sizes the list's columns each time its viewport is resized.
class ColumnSizer final : public QObject {
public:
    explicit ColumnSizer(QTreeWidget& list) : QObject(&list), list_(list) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const int width = list_.viewport()->width();
            const int nameWidth = width * 60 / 100;
            list_.setColumnWidth(kNameColumn, nameWidth);
            list_.setColumnWidth(kAmountColumn, width - nameWidth - 5);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTreeWidget& list_;
};

}  // namespace

void FillFeeList(QTreeWidget& list, const FeeListKind& kind, const std::vector<FeeRow>& rows) {
    const QSignalBlocker blocker(list);
    list.headerItem()->setText(kNameColumn, QString::fromLatin1(kind.title));
    list.headerItem()->setTextAlignment(kAmountColumn, kAmountAlignment);
    for (const FeeRow& row : rows) {
        auto* item = new QTreeWidgetItem(&list);
        item->setText(kNameColumn, widgets::ToQt(row.name));
        item->setText(kAmountColumn, widgets::ToQt(row.amount));
        item->setTextAlignment(kAmountColumn, kAmountAlignment);
        item->setData(kNameColumn, Qt::UserRole, row.entry);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(kNameColumn, row.checked ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<int> CheckedEntries(const QTreeWidget& list) {
    std::vector<int> entries;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        if (item->checkState(kNameColumn) == Qt::Checked) {
            entries.push_back(item->data(kNameColumn, Qt::UserRole).toInt());
        }
    }
    return entries;
}

void KeepFeeListColumnsSized(QTreeWidget& list) {
    list.header()->setStretchLastSection(false);
    list.viewport()->installEventFilter(new ColumnSizer(list));
}

}  // namespace gb::app::ui
