#pragma once
#include <QApplication>
#include <QString>

class QLockFile;

// Fills the brand word and version; harmless to call twice.
void SetProductConstants();

// Forces "yyyy-MM-dd" and "HH:mm:ss" when the system's default text of a moment
// differs from "yyyy-MM-dd HH:mm:ss". Returns whether it forced them.
bool ForceDateTimeFormats(const QString& systemText, const QString& wantedText);

// Takes the one-per-machine lock of that name; nullptr when another copy holds it.
QLockFile* AcquireSingleInstance(const QString& name);

// Ends the program: leaves the message loop, or keeps it from starting.
void EndProgram(int code);
bool ProgramEnding();
void ResetProgramEnding();

// The application object: errors that escape an event handler reach the data
// module's handler instead of ending the program.
class VestoraApplication : public QApplication {
public:
    VestoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The main routine: single instance, splash, main window, data module, message loop.
int RunProgram(int argc, char** argv);
