// The foundation's windows for the developers' screenshot command.
void RegisterFoundationScreenshots() {}
