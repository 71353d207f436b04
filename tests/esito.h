#pragma once

#include "platform/core/runtime_error.h"

#include <functional>
#include <iostream>
#include <string>

// A runner for the tests that need no toolkit: each failed check prints its
// case, and esito() prints the tally and gives the exit status.
inline int passati = 0, falliti = 0;

template <typename A, typename B>
void uguale(const std::string& caso, const A& ottenuto, const B& atteso)
{
    if (ottenuto == atteso)
        return void(++passati);
    ++falliti;
    std::cout << "FAIL " << caso << ": got '" << ottenuto << "', want '" << atteso << "'\n";
}

inline int esito()
{
    std::cout << passati << " passed, " << falliti << " failed\n";
    return falliti == 0 ? 0 : 1;
}

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
