// One main for every benchmark of the suite.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
