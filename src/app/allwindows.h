#pragma once

// Registers every subsystem's windows in FunctionWindows (which also names their
// screenshots); the program and the screenshot command call it once at start.
void RegisterAllWindows();
