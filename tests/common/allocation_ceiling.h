#pragma once
// Included by exactly one file of a test suite: under AddressSanitizer, any
// single allocation above 256 MB then stops the suite with a report. So a
// passing suite shows that no damaged header made the code ask for the
// gigabytes it claims, whatever the machine would have given.

extern "C" const char* __asan_default_options() {
  return "max_allocation_size_mb=256";
}
