// Exception classes of the run-time library stand-in and of the calculation routines.
#pragma once

#include <stdexcept>
#include <string>

namespace almanix {

// Base class of every error the program raises on purpose; what() is the message.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Invalid dates, times and numbers in conversions.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Input outside the range a formula covers.
class E_OutOfAlgorithmRange : public Exception {
public:
    using Exception::Exception;
};

// Floating-point errors the x87 unit would raise in its default state.
class EMathError : public Exception {
public:
    using Exception::Exception;
};
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
    using EMathError::EMathError;
};
class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
    using EMathError::EMathError;
};

// Integer division by zero.
class EDivByZero : public Exception {
public:
    EDivByZero() : Exception("Division by zero") {}
    using Exception::Exception;
};

}  // namespace almanix
