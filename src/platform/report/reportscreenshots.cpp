// Sample reports for the developers' screenshot command.
void RegisterReportScreenshots() {}
