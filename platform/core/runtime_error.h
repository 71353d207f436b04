// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <string>

namespace platform {

// The program's only failure path: a numbered run-time error that ends the
// running operation and travels up to the one handler of untrapped errors.
class RuntimeError : public std::exception {
public:
    enum class Number {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InternalError = 51,
        FileNotFound = 53,
        DeviceIOError = 57,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccessError = 75,
    };

    explicit RuntimeError(Number number);
    // With what failed and why, after the description: a file's name, the
    // system's reason.
    RuntimeError(Number number, const std::string& detail);

    // The number as the error box shows it.
    int number() const noexcept { return static_cast<int>(number_); }
    const std::string& description() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    Number number_;
    std::string description_;
};

[[noreturn]] void raise(RuntimeError::Number number);

}
