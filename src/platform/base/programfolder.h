#pragma once
#include <QString>

// The program folder holds data/, report/, Layout/ and the other delivered
// folders. Everything that builds a path starts here.
namespace ProgramFolder {
// The folder with a trailing '/'; by default the folder of the running program.
QString Path();
// Point the program at another folder (tests use a temporary one).
void Set(const QString& folder);
// Path() + relative, with '\' in the relative part taken as '/'.
QString File(const QString& relative);
}
