#include "platform/core/runtime_error.h"

namespace platform {
namespace {

const char* describe(int number)
{
    switch (number) {
    case RuntimeError::Overflow: return "Overflow";
    case RuntimeError::SubscriptOutOfRange: return "Subscript out of range";
    case RuntimeError::DivisionByZero: return "Division by zero";
    case RuntimeError::TypeMismatch: return "Type mismatch";
    default: return "Internal error";
    }
}

}

RuntimeError::RuntimeError(int number) : number_(number), description_(describe(number)) {}

void raise(int number) { throw RuntimeError(number); }

}
