// Helpers shared by the fuzz targets: reading typed values from the fuzzer's bytes and
// checking the error contract of a call (a result that passes a consistency check, or one of
// the documented exceptions with its documented message).
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "rtl/exceptions.h"
#include "rtl/types.h"

namespace almanix::fuzz {

// Consumes the input front to back; once it is used up every read returns zero bytes.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool Bool() { return Byte() & 1; }

    template <typename T>
    T Raw() {
        T value{};
        unsigned char bytes[sizeof(T)] = {};
        for (auto& b : bytes) b = Byte();
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    std::uint16_t U16() { return Raw<std::uint16_t>(); }
    std::int32_t I32() { return Raw<std::int32_t>(); }

    // A year-like integer: mostly near the supported range, sometimes any 32-bit value.
    std::int32_t Year() {
        switch (Byte() % 4) {
            case 0: return I32();
            case 1: return static_cast<std::int32_t>(U16());
            default: return static_cast<std::int32_t>(U16() % 10400) - 200;
        }
    }

    // A TDateTime: any bit pattern (NaN, infinities, subnormals, 1e308), a whole day, or a day
    // and time of day in and around the years 1 to 9999.
    TDateTime DateTime() {
        switch (Byte() % 4) {
            case 0: return Raw<double>();
            case 1: return static_cast<double>(I32());
            case 2: return Special();
            default: {
                const double day = static_cast<double>(static_cast<std::int32_t>(Raw<std::uint32_t>() % 3800000u) - 800000);
                return day + U16() / 65536.0;
            }
        }
    }

    // Values at the edges of the representable and the supported ranges.
    double Special() {
        static constexpr double kValues[] = {
            NAN, -NAN, INFINITY, -INFINITY, 0.0, -0.0, 1e308, -1e308, 4.9e-324, -4.9e-324,
            9.2233720368547758e18, -9.2233720368547758e18, 4.6e18, 2147483647.0, -2147483648.0,
            -693594.0, -693593.0, 2958465.0, 2958466.0, -2415018.5, -2415019.0, -2415018.4999,
            -100840.0, -100841.0, 1e15, 1e18, -1e18, 2958465.9999999, -0.5, 0.99999999999,
        };
        return kValues[Byte() % (sizeof(kValues) / sizeof(kValues[0]))];
    }

    // A short text of the remaining bytes up to Max characters (stops at a 0 byte).
    std::string Text(std::size_t Max) {
        std::string s;
        while (s.size() < Max && pos_ < size_) {
            const char c = static_cast<char>(Byte());
            if (c == '\0') break;
            s += c;
        }
        return s;
    }

    bool Empty() const { return pos_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A broken contract: prints what and where, then aborts so that the fuzzer keeps the input.
[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz contract broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Check(bool ok, const std::string& what) {
    if (!ok) Fail(what);
}

// The message is one of the allowed ones (exact match), or starts with one of the allowed
// prefixes written with a trailing '*'.
inline void CheckMessage(const Exception& e, std::initializer_list<std::string_view> allowed,
                         const std::string& call) {
    const std::string_view msg = e.what();
    for (std::string_view a : allowed) {
        if (!a.empty() && a.back() == '*') {
            if (msg.substr(0, a.size() - 1) == a.substr(0, a.size() - 1)) return;
        } else if (msg == a) {
            return;
        }
    }
    Fail(call + " raised an undocumented message: \"" + std::string(msg) + "\"");
}

inline std::string Show(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

}  // namespace almanix::fuzz
