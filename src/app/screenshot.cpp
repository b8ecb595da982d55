// Developers' tool: renders a named window headless and writes it as a PNG.
// Usage: vestora-screenshot NAME OUT.png   (vestora-screenshot --list prints the names)
#include "app/allwindows.h"
#include "app/devtools/samplescreenshots.h"
#include "platform/base/programfolder.h"
#include "platform/ui/prompt.h"
#include "platform/ui/screenshots.h"
#include "platform/ui/scriptedprompt.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ProgramFolder::Set(folder.path());
    // No message box or dialog may wait for a hand headless: messages are noted on
    // stderr, questions and dialogs that a window opens while it is built are declined.
    ScriptedPrompt prompt;
    prompt.SetRejectUnscriptedModals(true);
    prompt.OnFailure = [](const QString& what) { std::fprintf(stderr, "declined: %s\n", qPrintable(what)); };
    Prompt::Install(&prompt);
    RegisterAllWindows();
    RegisterSampleScreenshots();

    const QStringList args = app.arguments();
    if (args.size() == 2 && args[1] == QLatin1String("--list")) {
        for (const QString& name : Screenshots::Names())
            std::printf("%s\n", qPrintable(name));
        return 0;
    }
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vestora-screenshot NAME OUT.png | --list\n");
        return 2;
    }
    auto build = Screenshots::Find(args[1]);
    if (!build) {
        std::fprintf(stderr, "unknown window '%s'; see vestora-screenshot --list\n", qPrintable(args[1]));
        return 2;
    }
    std::unique_ptr<QWidget> w(build());
    if (!w)
        return 1;
    w->show();
    for (int i = 0; i < 5; ++i)
        app.processEvents();
    for (const QString& m : prompt.Messages())
        std::fprintf(stderr, "message: %s\n", qPrintable(m));
    if (!w->grab().save(args[2])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
