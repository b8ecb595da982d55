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

int RunProgram(int argc, char** argv)
{
    std::unique_ptr<QLockFile> lock(AcquireSingleInstance(QStringLiteral("vestpos")));
    if (!lock)
        return 0;

    VestoraApplication app(argc, argv);
    ResetProgramEnding();
    {
        TF_Loading splash;
        splash.ShowModal();
    }

    TF_MainForm mainForm;
    TF_DataModule dataModule;
    try {
        dataModule.DataModuleCreate();
    } catch (const std::exception& e) {
        dataModule.ApplicationEvents1Exception(&dataModule, e);
    }
    if (ProgramEnding())
        return g_exitCode;
    mainForm.show();
    int rc = app.exec();
    if (ProgramEnding())
        rc = g_exitCode;
    return rc;
}
