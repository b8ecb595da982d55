#include "foundation/startup.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/loading.h"
#include "foundation/mainform.h"

#include <QLockFile>
#include <QMessageBox>
#include <memory>

VestoraApplication::VestoraApplication(int& argc, char** argv) : QApplication(argc, argv) { }

bool VestoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (F_DataModule)
            F_DataModule->ApplicationEvents1Exception(receiver, e);
        else
            QMessageBox::critical(nullptr, QStringLiteral("系统提示"), QString::fromUtf8(e.what()).toLower());
    }
    return false;
}

ProgramWindows::~ProgramWindows() = default;

bool StartProgram(ProgramWindows& w)
{
    ResetProgramEnding();
    {
        TF_Loading splash;
        splash.ShowModal();
    }
    // The main window is made first and must not touch the database.
    w.mainForm = std::make_unique<TF_MainForm>();
    w.dataModule = std::make_unique<TF_DataModule>();
    try {
        w.dataModule->DataModuleCreate();
    } catch (const std::exception& e) {
        w.dataModule->ApplicationEvents1Exception(w.dataModule.get(), e);
    }
    return !ProgramEnding();
}

void ExitWithoutAsking(TF_MainForm* mainForm)
{
    if (ProgramEnding())
        return;
    if (mainForm && !CurrentAdminName.isEmpty() && F_DataModule && F_DataModule->ADOConn.Connected())
        mainForm->ExitConfirmed();
    else
        EndProgram(0);
}

int RunProgram(int argc, char** argv)
{
    std::unique_ptr<QLockFile> lock(AcquireSingleInstance(QStringLiteral("vestpos")));
    if (!lock)
        return 0;

    VestoraApplication app(argc, argv);
    ProgramWindows windows;
    if (!StartProgram(windows))
        return ProgramExitCode();
    InstallExitSignals([&windows] { ExitWithoutAsking(windows.mainForm.get()); });
    windows.mainForm->show();
    int rc = app.exec();
    RemoveExitSignals();
    if (ProgramEnding())
        rc = ProgramExitCode();
    // The data module goes after the windows that use it; it closes the database.
    windows.mainForm.reset();
    windows.dataModule.reset();
    return rc;
}
