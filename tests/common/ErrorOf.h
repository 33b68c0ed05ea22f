// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/VeltraneError.h"

#include <gtest/gtest.h>

#include <functional>

// Runs call and returns the error it raised; fails the test when it raised none.
inline VeltraneError ErrorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const VeltraneError &error) {
        return error;
    }
    ADD_FAILURE() << "no error raised";
    return VeltraneError(0, {}, {});
}
