#pragma once

// The datasets of the member windows (tests declare them without the windows).
void DeclareMembersDatasets();
// The member windows for the main window and the screenshot command.
void RegisterMembersWindows();
