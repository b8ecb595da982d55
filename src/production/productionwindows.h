#pragma once

// The department and production windows and the data sets they use.
void DeclareProductionDatasets();
void RegisterProductionWindows();
