#pragma once
#include <QString>

// Clearing that the main window and the till do at start: scratch lines, ended
// promotions, held sales of earlier days.

// Empties the current operator's scratch lines of the pickers and imports.
void ClearTempLines();
// Switches off the promotions whose period ended before today.
void ClearSpecialPrices();
// Deletes sales held at the POS on earlier days, unless the setting keeps them.
void DeleteOldHeldPosSales();
