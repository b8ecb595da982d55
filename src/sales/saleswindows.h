#pragma once

// The sales windows and the datasets they reach by name.
void DeclareSalesDatasets();
void RegisterSalesWindows();
