#pragma once

// The till's datasets, declared for the windows that reach them by name.
void DeclarePosDatasets();
// Gives the till its payment, hold, resume and member functions.
void InstallPosTillHooks();
// Registers the POS windows with the main window (and the screenshot command).
void RegisterPosWindows();
