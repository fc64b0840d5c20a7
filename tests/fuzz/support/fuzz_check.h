// The check of a harness: a property that does not hold stops the run with
// the condition and its place, so that a finding says what broke.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition)                                                             \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "\n*** %s:%d: property does not hold: %s\n", __FILE__, __LINE__, \
                   #condition);                                                             \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
