#pragma once

// The stock analysis and report windows and the datasets they reach by name.
void DeclareReportsDatasets();
void RegisterReportsWindows();
