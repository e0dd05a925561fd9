#pragma once
// The wizard's pictures: the program's logo, and three drawn here for the
// last page (waiting, success, problem).

#include <QtGui/QPixmap>

namespace gb::setup::ui {

enum class SetupPicture { Logo, Wait, Success, Problem };

QPixmap PictureOf(SetupPicture picture);

}  // namespace gb::setup::ui
