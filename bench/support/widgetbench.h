#pragma once
#include <functional>

// The main routine of a benchmark program that builds windows: an offscreen
// application (unless a platform is named), then every benchmark of the program.
// atEnd runs after the benchmarks, while the application still exists.
int RunWidgetBenchmarks(int argc, char** argv, const std::function<void()>& atEnd = {});
