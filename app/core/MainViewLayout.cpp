#include "app/core/MainViewLayout.h"

#include <algorithm>

namespace gb::app {

int TreeColumnWidth(int storedWidth, int viewWidth, int labelsWidth) {
    const int width = std::min(storedWidth, viewWidth * 14 / 15);
    if (width > viewWidth / 15) {
        return width;
    }
    return std::max(viewWidth / 6, std::min(labelsWidth, viewWidth / 2));
}

}  // namespace gb::app
