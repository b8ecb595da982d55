#pragma once

// The master-data windows that the main window opens by class name.
void RegisterMasterDataWindows();
// The developers' screenshots of the master-data windows and dialogs, each on a
// small sample account set.
void RegisterMasterDataScreenshots();
