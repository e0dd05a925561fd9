#include "platform/ComObject.h"

namespace gb {

namespace {

std::atomic<long> gAlive{0};

}  // namespace

void ModuleUsage::Acquire() {
    ++gAlive;
}

void ModuleUsage::Drop() {
    --gAlive;
}

bool ModuleUsage::InUse() {
    return gAlive.load() != 0;
}

}  // namespace gb
