#pragma once

// The master-data windows that the main window opens by class name.
void RegisterMasterDataWindows();
// The datasets its windows reach through the data module's Q() and D().
void DeclareMasterDataDatasets();
