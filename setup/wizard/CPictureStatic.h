#pragma once
// A picture that fills its space, scaled to keep its proportions.

#include <QtGui/QPixmap>
#include <QtWidgets/QLabel>

namespace gb::setup::ui {

class CPictureStatic : public QLabel {
    Q_OBJECT
public:
    explicit CPictureStatic(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Rescale();

    QPixmap picture_;
};

}  // namespace gb::setup::ui
