#include "foundation/startup.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/loading.h"
#include "foundation/mainform.h"
#include "platform/base/clock.h"

#include <QDir>
#include <QLockFile>
#include <QLocale>
#include <QMessageBox>
#include <memory>

namespace {
bool g_ending = false;
int g_exitCode = 0;
}

void SetProductConstants()
{
    BrandWord = QStringLiteral("Vestora");
    ProductVersion = QStringLiteral("2023V2");
}

bool ForceDateTimeFormats(const QString& systemText, const QString& wantedText)
{
    if (systemText == wantedText)
        return false;
    ShortDateFormat = QStringLiteral("yyyy-MM-dd");
    LongTimeFormat = QStringLiteral("HH:mm:ss");
    return true;
}

QLockFile* AcquireSingleInstance(const QString& name)
{
    auto lock = std::make_unique<QLockFile>(QDir::temp().filePath(name + QStringLiteral(".lock")));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock.release();
}

void EndProgram(int code)
{
    g_ending = true;
    g_exitCode = code;
    if (QCoreApplication::instance())
        QCoreApplication::exit(code);
}

bool ProgramEnding()
{
    return g_ending;
}

void ResetProgramEnding()
{
    g_ending = false;
    g_exitCode = 0;
}

VestoraApplication::VestoraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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

int RunProgram(int argc, char** argv)
{
    std::unique_ptr<QLockFile> lock(AcquireSingleInstance(QStringLiteral("vestpos")));
    if (!lock)
        return 0;

    VestoraApplication app(argc, argv);
    ProgramWindows windows;
    if (!StartProgram(windows))
        return g_exitCode;
    windows.mainForm->show();
    int rc = app.exec();
    if (ProgramEnding())
        rc = g_exitCode;
    // The data module goes after the windows that use it.
    windows.mainForm.reset();
    windows.dataModule.reset();
    return rc;
}
