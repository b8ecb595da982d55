#pragma once
#include <QString>
#include <functional>

class QLockFile;

// The small routines of the program's life that windows and the data module call:
// product constants, the forced date and time forms, the single-instance lock, the
// end of the program and the signals that ask for it. The composition root that
// creates the windows is startup.h.

// Fills the brand word and version; harmless to call twice.
void SetProductConstants();

// Forces "yyyy-MM-dd" and "HH:mm:ss" when the system's default text of a moment
// differs from "yyyy-MM-dd HH:mm:ss". Returns whether it forced them.
bool ForceDateTimeFormats(const QString& systemText, const QString& wantedText);

// The lock file of that name in this user's runtime folder: each user of a machine
// runs one copy of the program, whatever other users run.
QString SingleInstanceLockFile(const QString& name);
// Takes the lock; nullptr when a running copy of this user holds it. A lock left by
// a copy that is no longer running is taken over.
QLockFile* AcquireSingleInstance(const QString& name);

// Ends the program: leaves every message loop, or keeps one from starting. The
// first reason given stands when several parts end it.
void EndProgram(int code);
bool ProgramEnding();
int ProgramExitCode();
void ResetProgramEnding();

// SIGTERM and SIGHUP (a desktop logout, a shutdown) call onSignal on the main thread
// from the message loop; RemoveExitSignals gives both back their default action.
void InstallExitSignals(std::function<void()> onSignal);
void RemoveExitSignals();
