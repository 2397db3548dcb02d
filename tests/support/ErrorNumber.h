#pragma once

#include "platform/Error.h"

#include <utility>

namespace rp::test {

// The number of the rp::Error a call throws, or 0 when it throws none.
template <class F> int errorNumberOf(F&& call) {
    try {
        std::forward<F>(call)();
    } catch (const Error& e) {
        return e.number;
    }
    return 0;
}

} // namespace rp::test
