// A check for fuzz targets: a broken property is a finding, reported as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

#define GD_FUZZ_CHECK(condition) \
  ((condition) ? void() : (std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition), std::abort()))
