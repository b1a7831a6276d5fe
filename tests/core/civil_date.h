// A civil date as the calendar tests write their tables: year, month, day of the reformed
// calendar (Julian up to 4 October 1582, Gregorian from 15 October 1582).
#pragma once

#include <cstdint>
#include <ostream>

#include "calendar/reformed.h"

namespace almanix::testing_support {

struct Ymd {
    std::uint16_t y, m, d;
    bool operator==(const Ymd&) const = default;
    TDateTime Date() const { return EncodeReformedDate(y, m, d); }
};

inline std::ostream& operator<<(std::ostream& os, const Ymd& v) {
    return os << v.y << '-' << v.m << '-' << v.d;
}

// The reformed-calendar day that holds the instant t.
inline Ymd Decode(TDateTime t) {
    Ymd r{};
    DecodeReformedDate(t, r.y, r.m, r.d);
    return r;
}

}  // namespace almanix::testing_support
