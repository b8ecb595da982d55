#pragma once

// The master-data windows that the main window opens by class name.
void RegisterMasterDataWindows();
