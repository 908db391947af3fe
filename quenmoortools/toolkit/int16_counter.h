#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "platform/com/com_error.h"

namespace quenmoor::toolkit {

// A signed 16-bit counter over rows, list entries or features: a step past 32767 raises
// the automation runtime's overflow error and leaves the counter as it was.
class Int16Counter {
public:
    Int16Counter() = default;
    explicit Int16Counter(std::int16_t value) : value_(value) {}

    std::int16_t value() const { return value_; }
    void set(std::int16_t value) { value_ = value; }
    // Throws ComError(CTL_E_OVERFLOW) naming `what` when the counter is at 32767.
    Int16Counter& increment(std::string_view what = "counter") {
        if (value_ == std::numeric_limits<std::int16_t>::max()) {
            throw com::ComError(com::CTL_E_OVERFLOW,
                                "Overflow: " + std::string(what) + " cannot go past 32767");
        }
        ++value_;
        return *this;
    }

private:
    std::int16_t value_ = 0;
};

}  // namespace quenmoor::toolkit
