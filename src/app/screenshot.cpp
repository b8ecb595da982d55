// Developers' tool: renders a named window headless and writes it as a PNG.
// Usage: vestora-screenshot NAME OUT.png   (vestora-screenshot --list)
#include "platform/base/programfolder.h"
#include "platform/ui/screenshots.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <memory>

void RegisterGridScreenshots();
void RegisterReportScreenshots();
void RegisterFoundationScreenshots();
void RegisterAdminScreenshots();
void RegisterDocumentsScreenshots();

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ProgramFolder::Set(folder.path());
    RegisterGridScreenshots();
    RegisterReportScreenshots();
    RegisterFoundationScreenshots();
    RegisterAdminScreenshots();
    RegisterDocumentsScreenshots();

    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vestora-screenshot NAME OUT.png\nnames: %s\n",
                     qPrintable(Screenshots::Names().join(QStringLiteral(", "))));
        return args.contains(QStringLiteral("--list")) ? 0 : 2;
    }
    auto build = Screenshots::Find(args[1]);
    if (!build) {
        std::fprintf(stderr, "unknown window '%s'; names: %s\n", qPrintable(args[1]),
                     qPrintable(Screenshots::Names().join(QStringLiteral(", "))));
        return 2;
    }
    std::unique_ptr<QWidget> w(build());
    if (!w)
        return 1;
    w->show();
    for (int i = 0; i < 5; ++i)
        app.processEvents();
    if (!w->grab().save(args[2])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
