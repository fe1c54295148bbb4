#pragma once
#include <gtest/gtest.h>

#include <cstdlib>

// Tests that open a window fail without a display instead of skipping: the test command always
// runs under xvfb-run, and a skip would count as a pass. Use in SetUp or a test body.
#define REQUIRE_DISPLAY()                                                  \
    if (!std::getenv("DISPLAY"))                                           \
    GTEST_FAIL() << "no X display (run the tests under xvfb-run)"
