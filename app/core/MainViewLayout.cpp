#include "app/core/MainViewLayout.h"

#include <algorithm>

namespace gb::app {

int TreeColumnWidth(int storedWidth, int viewWidth) {
    const int width = std::min(storedWidth, viewWidth * 14 / 15);
    return width > viewWidth / 15 ? width : viewWidth / 6;
}

}  // namespace gb::app
