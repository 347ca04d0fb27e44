#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is a finding: say which, and stop so that the fuzzer
// keeps the input (and a replay run fails).
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)
