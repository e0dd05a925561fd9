#pragma once
// Sums of several amounts, as the totals of an item and of a folder add them.

#include <initializer_list>

#include "platform/Money.h"

namespace gb {

// Adds the valid ones of `amounts` to a valid 0, passing over null and invalid
// ones; an overflow makes the sum invalid.
Money SumOfValid(std::initializer_list<Money> amounts);

}  // namespace gb
