#pragma once

// Makes the administration windows known to the main window by class name.
void RegisterAdminWindows();
// Makes them known to the developers' screenshot command.
void RegisterAdminScreenshots();
