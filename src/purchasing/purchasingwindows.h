#pragma once

// The purchasing windows and the datasets they reach by name.
void DeclarePurchasingDatasets();
void RegisterPurchasingWindows();
