// Sample grids for the developers' screenshot command.
void RegisterGridScreenshots() {}
