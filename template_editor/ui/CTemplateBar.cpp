#include "template_editor/ui/CTemplateBar.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include <array>

#include "itemdb/TDocText.h"
#include "template_editor/core/EditorStrings.h"
#include "widgets/GuardedTabBar.h"
#include "widgets/QtText.h"

namespace gb::editor {

namespace {

constexpr std::array kTabs{"Header", "Repeat", "Footer", "Source"};
constexpr std::array kHelp{string_id::HeaderHelp, string_id::RepeatHelp, string_id::FooterHelp,
                           string_id::SourceHelp};
constexpr int kSubjectLength = 255;

}  // namespace

CTemplateBar::CTemplateBar(QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(this)),
      tabs_(new gb::widgets::GuardedTabBar(this)),
      type_(new QComboBox(this)),
      fields_(new QPushButton(tr("Fields"), this)),
      subjectLabel_(new QLabel(tr("Subject:"), this)),
      subject_(new QLineEdit(this)),
      help_(new QLabel(this)) {
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setObjectName(QStringLiteral("title"));
    for (const char* tab : kTabs) {
        tabs_->addTab(QString::fromLatin1(tab));
    }
    tabs_->setDrawBase(false);
    type_->addItems({tr("Report"), tr("email")});
    type_->setObjectName(QStringLiteral("type"));
    subject_->setObjectName(QStringLiteral("subject"));
    subject_->setMaxLength(kSubjectLength);
    subjectLabel_->setBuddy(subject_);
    // The button leaves the focus where it was, so that Fields knows whether
    // the caret stood in the subject.
    fields_->setFocusPolicy(Qt::NoFocus);
    // Moving to the bar as a pane (F6) lands on the section tabs.
    setFocusProxy(tabs_);
    fields_->setObjectName(QStringLiteral("fields"));
    help_->setWordWrap(true);
    help_->setObjectName(QStringLiteral("help"));

    auto* typeLabel = new QLabel(tr("Type:"), this);
    typeLabel->setBuddy(type_);
    auto* controls = new QHBoxLayout;
    controls->addWidget(tabs_);
    controls->addSpacing(12);
    controls->addWidget(typeLabel);
    controls->addWidget(type_);
    controls->addWidget(fields_);
    controls->addSpacing(12);
    controls->addWidget(subjectLabel_);
    controls->addWidget(subject_, 1);
    controls->addStretch(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 2);
    layout->addWidget(title_);
    layout->addLayout(controls);
    layout->addWidget(help_);

    connect(type_, &QComboBox::currentIndexChanged, this, &CTemplateBar::ApplyTypeRule);
    type_->setCurrentIndex(gb::itemdb::CTDocText::Report);
    ApplyTypeRule();
    ShowHelp(0);
}

void CTemplateBar::SetTitle(std::string_view name, std::string_view description,
                            std::string_view library) {
    title_->setText(gb::widgets::ToQt(std::string(name) + " : " + std::string(description) + "  (" +
                                      std::string(library) + ")"));
}

void CTemplateBar::SetTypeAndSubject(int type, std::string_view subject) {
    type_->setCurrentIndex(type == gb::itemdb::CTDocText::Email ? 1 : 0);
    ApplyTypeRule();
    subject_->setText(GetType() == gb::itemdb::CTDocText::Email ? gb::widgets::ToQt(subject)
                                                                : QString());
}

int CTemplateBar::GetType() const {
    return type_->currentIndex() == 1 ? gb::itemdb::CTDocText::Email
                                      : gb::itemdb::CTDocText::Report;
}

std::string CTemplateBar::GetSubject() const {
    return gb::widgets::FromQt(subject_->text());
}

void CTemplateBar::ShowHelp(int section) {
    if (section >= 0 && section < static_cast<int>(kHelp.size())) {
        help_->setText(gb::widgets::ToQt(EditorStrings().Get(kHelp[section])));
    }
}

void CTemplateBar::ApplyTypeRule() {
    const bool email = type_->currentIndex() == 1;
    subjectLabel_->setVisible(email);
    subject_->setVisible(email);
}

}  // namespace gb::editor
