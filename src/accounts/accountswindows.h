#pragma once

// Registers the windows of accounts and money with the main window and declares
// their datasets.
void RegisterAccountsWindows();
// The dataset declarations alone (tests).
void DeclareAccountsDatasets();
