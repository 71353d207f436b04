#pragma once

#include "platform/core/runtime_error.h"

#include <functional>

// The number of the run-time error a call raises, or 0 when it raises none.
inline int errore(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
}
