#pragma once
#include <QApplication>
#include <QString>
#include <memory>

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

class TF_MainForm;
class TF_DataModule;

// What start-up makes once the application object exists.
struct ProgramWindows {
    std::unique_ptr<TF_MainForm> mainForm;
    std::unique_ptr<TF_DataModule> dataModule;
    ~ProgramWindows();
};

// The splash, then the main window, then the data module connected to data/jxc.mdb.
// False when start-up had to end the program.
bool StartProgram(ProgramWindows& w);

// The main routine: single instance, start-up, message loop.
int RunProgram(int argc, char** argv);
