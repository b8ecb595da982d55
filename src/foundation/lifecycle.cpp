#include "foundation/lifecycle.h"

#include "foundation/globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {
bool g_ending = false;
int g_exitCode = 0;

// The signal handler may only write to a descriptor; the message loop reads it.
int g_signalFds[2] = { -1, -1 };
QSocketNotifier* g_signalNotifier = nullptr;
std::function<void()> g_onSignal;

void onExitSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalFds[1], &byte, 1);
}
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

QString SingleInstanceLockFile(const QString& name)
{
    // XDG_RUNTIME_DIR, or a private folder of this user when the session has none.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(name + QStringLiteral(".lock"));
}

QLockFile* AcquireSingleInstance(const QString& name)
{
    auto lock = std::make_unique<QLockFile>(SingleInstanceLockFile(name));
    // No age limit: a lock counts as stale only when the copy that wrote it has gone.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock.release();
}

void EndProgram(int code)
{
    if (!g_ending) {
        g_ending = true;
        g_exitCode = code;
    }
    if (QCoreApplication::instance())
        QCoreApplication::exit(g_exitCode);
}

bool ProgramEnding()
{
    return g_ending;
}

int ProgramExitCode()
{
    return g_exitCode;
}

void ResetProgramEnding()
{
    g_ending = false;
    g_exitCode = 0;
}

void InstallExitSignals(std::function<void()> onSignal)
{
    RemoveExitSignals();
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalFds) != 0)
        return;
    g_onSignal = std::move(onSignal);
    g_signalNotifier = new QSocketNotifier(g_signalFds[0], QSocketNotifier::Read);
    QObject::connect(g_signalNotifier, &QSocketNotifier::activated, [] {
        char buffer[16];
        while (::read(g_signalFds[0], buffer, sizeof buffer) > 0) { }
        // A copy: the routine may remove the handlers while it runs.
        if (auto run = g_onSignal)
            run();
    });
    struct sigaction action = {};
    action.sa_handler = onExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void RemoveExitSignals()
{
    if (!g_signalNotifier)
        return;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    // Possibly called from the notifier's own slot: it goes once that has returned.
    g_signalNotifier->setEnabled(false);
    g_signalNotifier->deleteLater();
    g_signalNotifier = nullptr;
    ::close(g_signalFds[0]);
    ::close(g_signalFds[1]);
    g_signalFds[0] = g_signalFds[1] = -1;
    g_onSignal = nullptr;
}
