#pragma once

// Makes the administration windows known to the main window by class name.
void RegisterAdminWindows();
