#pragma once
// The base of the wizard's pages: the caption with the page's place among the
// numbered pages, and the bold text the pages show.

#include <QtWidgets/QLabel>
#include <QtWidgets/QWizardPage>

namespace gb::setup::ui {

class CWizardPage : public QWizardPage {
    Q_OBJECT
public:
    // `position` 1 to `count`; 0 for a page outside the numbered ones.
    CWizardPage(int position, int count, QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }

protected:
    // A word-wrapped label in the pages' bold font.
    QLabel* MakeText(QWidget* parent);
    // A page's title: bold and larger.
    QLabel* MakeTitle(QWidget* parent);
    // Draws the page's own background in `color`.
    void SetBackground(const QColor& color);

private:
    int position_;
    QString caption_;
};

}  // namespace gb::setup::ui
