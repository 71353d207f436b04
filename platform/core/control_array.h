#pragma once

#include "platform/core/runtime_error.h"

#include <map>

namespace platform {

// Controls that share one name and are told apart by an element index, which
// need not start at 0. An index with no element raises error 9.
template <typename Control>
class ControlArray {
public:
    void add(int index, Control* control) { elements_[index] = control; }

    Control& operator()(int index) const
    {
        const auto found = elements_.find(index);
        if (found == elements_.end())
            raise(RuntimeError::Number::SubscriptOutOfRange);
        return *found->second;
    }

private:
    std::map<int, Control*> elements_;
};

}
