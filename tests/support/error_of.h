#pragma once
// Test support: the run-time error number an action raises.

#include "platform/errors.h"

namespace vexar::testing {

// Runs `action` and returns the run-time error number it raised (0 when it raised none).
int ErrorOf(const auto& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace vexar::testing
