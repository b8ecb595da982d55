#pragma once

// The main routine of a benchmark program that builds windows: an offscreen
// application (unless a platform is named), then every benchmark of the program.
int RunWidgetBenchmarks(int argc, char** argv);
