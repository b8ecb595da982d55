#pragma once
#include "foundation/lifecycle.h"

#include <QApplication>
#include <QString>
#include <memory>

// The composition root: the application object, the windows that live as long as
// the program, and the main routine that ties them together.

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

// The end asked for by a signal: the exit as if the operator had answered Yes (log
// line, exit backup) once somebody is logged in; before that, just the end.
void ExitWithoutAsking(TF_MainForm* mainForm);

// The main routine: single instance, start-up, message loop.
int RunProgram(int argc, char** argv);
