// A number read from a project or save file turned into an integer: rounded half to even, as
// the classic runtime converts, and an Overflow error when it does not fit the target type.
// Every such conversion goes through here, so bad file data never wraps or reaches undefined
// behaviour.
#pragma once

#include "run/project/record/RecordError.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace run {

template <typename T> T WholeNumber(double value) {
    static_assert(std::numeric_limits<T>::is_integer && sizeof(T) <= 4,
                  "doubles hold every value of T exactly");
    const double v = std::nearbyint(value);
    // Written so that NaN fails too.
    if (!(v >= double(std::numeric_limits<T>::min()) && v <= double(std::numeric_limits<T>::max()))) {
        throw RecordError(RecordError::Kind::Overflow, std::to_string(value) + " does not fit in " +
                                                           std::to_string(sizeof(T) * 8) + " bits");
    }
    return static_cast<T>(v);
}

} // namespace run
