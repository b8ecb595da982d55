#pragma once
#include <functional>

// The main routine of a benchmark program that needs widgets: an application on the
// offscreen platform (unless QT_QPA_PLATFORM names another), the benchmarks run, then
// `beforeExit` while the application still lives.
int RunWidgetBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = {});
