#pragma once

// The warehouse windows and the datasets they reach by name.
void DeclareWarehouseDatasets();
void RegisterWarehouseWindows();
