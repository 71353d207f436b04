// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/runtime_error.h"

namespace platform {
namespace {

const char* describe(RuntimeError::Number number)
{
    switch (number) {
    case RuntimeError::Number::Overflow: return "Overflow";
    case RuntimeError::Number::SubscriptOutOfRange: return "Subscript out of range";
    case RuntimeError::Number::DivisionByZero: return "Division by zero";
    case RuntimeError::Number::TypeMismatch: return "Type mismatch";
    case RuntimeError::Number::FileNotFound: return "File not found";
    case RuntimeError::Number::DeviceIOError: return "Device I/O error";
    case RuntimeError::Number::DiskFull: return "Disk full";
    case RuntimeError::Number::PermissionDenied: return "Permission denied";
    case RuntimeError::Number::PathFileAccessError: return "Path/File access error";
    case RuntimeError::Number::InternalError: break;
    }
    return "Internal error";
}

}

RuntimeError::RuntimeError(Number number) : number_(number), description_(describe(number)) {}

RuntimeError::RuntimeError(Number number, const std::string& detail)
    : number_(number), description_(describe(number) + (": " + detail))
{
}

void raise(RuntimeError::Number number) { throw RuntimeError(number); }

}
