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
    case RuntimeError::Number::InternalError: break;
    }
    return "Internal error";
}

}

RuntimeError::RuntimeError(Number number) : number_(number), description_(describe(number)) {}

void raise(RuntimeError::Number number) { throw RuntimeError(number); }

}
