#pragma once

// The till's datasets, declared for the windows that reach them by name.
void DeclarePosDatasets();
// Registers the POS windows with the main window (and the screenshot command).
void RegisterPosWindows();
