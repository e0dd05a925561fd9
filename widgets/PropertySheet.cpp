#include "widgets/PropertySheet.h"

#include <QtGui/QGuiApplication>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QVBoxLayout>

#include "widgets/GuardedTabBar.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalRunner.h"
#include "widgets/PropertyPage.h"
#include "widgets/QtText.h"

namespace gb::widgets {

PropertySheet::PropertySheet(ModalRunner& runner, QWidget* parent)
    : QDialog(parent),
      runner_(runner),
      header_(new QLabel(this)),
      tabs_(new GuardedTabBar(this)),
      stack_(new QStackedWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      messageCaption_(QGuiApplication::applicationDisplayName()) {
    header_->setObjectName(QStringLiteral("header"));
    header_->hide();
    tabs_->setObjectName(QStringLiteral("tabs"));
    buttons_->setObjectName(QStringLiteral("buttons"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header_);
    layout->addWidget(tabs_);
    layout->addWidget(stack_, 1);
    layout->addWidget(buttons_);

    tabs_->SetLeaveCheck([this](int shown) { return StorePage(shown); });
    connect(tabs_, &GuardedTabBar::TabEntered, this, &PropertySheet::Activate);
    connect(tabs_, &GuardedTabBar::LeaveRefused, this, &PropertySheet::ShowRefusal);
    connect(buttons_, &QDialogButtonBox::accepted, this, &PropertySheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PropertySheet::reject);
}

PropertySheet::~PropertySheet() = default;

int PropertySheet::AddPage(const QString& title, PageFactory factory) {
    pages_.push_back({std::move(factory), nullptr});
    tabs_->addTab(title);
    return PageCount() - 1;
}

void PropertySheet::RemovePage(int index) {
    Q_ASSERT(!initialised_);
    tabs_->removeTab(index);
    pages_.erase(pages_.begin() + index);
}

PropertyPage* PropertySheet::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[index].page : nullptr;
}

int PropertySheet::ActiveIndex() const {
    return tabs_->currentIndex();
}

void PropertySheet::SetHeaderText(const QString& text) {
    header_->setText(text);
    header_->setVisible(!text.isEmpty());
}

bool PropertySheet::SetActivePage(int index) {
    return tabs_->SelectTab(index);
}

bool PropertySheet::Run() {
    return runner_.Run(*this) == QDialog::Accepted;
}

void PropertySheet::accept() {
    if (const std::optional<QString> refusal = StorePage(ActiveIndex())) {
        ShowRefusal(*refusal);
        return;
    }
    QDialog::accept();
}

void PropertySheet::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        InitSheet();
        Activate(ActiveIndex());
    }
    QDialog::showEvent(event);
}

void PropertySheet::Activate(int index) {
    // The tab bar reports its first tab as soon as it is added; pages are
    // built only once the sheet shows.
    if (!initialised_ || index < 0 || index >= PageCount()) {
        return;
    }
    PageSlot& slot = pages_[index];
    if (slot.page == nullptr) {
        std::unique_ptr<PropertyPage> page = slot.factory();
        slot.page = page.get();
        stack_->addWidget(page.release());
    }
    stack_->setCurrentWidget(slot.page);
    slot.page->Load();
}

std::optional<QString> PropertySheet::StorePage(int index) {
    PropertyPage* page = Page(index);
    if (page == nullptr) {
        return std::nullopt;
    }
    if (std::optional<std::string> refusal = page->Store()) {
        return ToQt(*refusal);
    }
    return std::nullopt;
}

void PropertySheet::ShowRefusal(const QString& message) {
    ShowMessage(runner_, this, {messageCaption_, message, QMessageBox::Warning, QMessageBox::Ok});
}

}  // namespace gb::widgets
