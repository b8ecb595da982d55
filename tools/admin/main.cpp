// vestora-admin: administration commands that need no window.
//   vestora-admin create-server-set URI NAME
// builds an account set in the server database of URI (which must exist; the
// password, if the server asks for one, comes from PGPASSWORD) and lists it under
// NAME in the catalogue of the program folder beside this command.
#include "foundation/schema/serveraccountset.h"
#include "platform/base/programfolder.h"

#include <QCoreApplication>
#include <QTextStream>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    QTextStream out(stdout);
    if (args.size() != 3 || args[0] != QLatin1String("create-server-set")) {
        err << "usage: vestora-admin create-server-set URI NAME\n";
        return 2;
    }
    try {
        const QString code = CreateServerAccountSet(args[1], args[2], qEnvironmentVariable("PGPASSWORD"),
            ProgramFolder::File(QStringLiteral("data/codeinfo.dll")));
        out << "account set " << code << " \"" << args[2] << "\" created on " << args[1] << "\n";
        return 0;
    } catch (const std::exception& e) {
        err << "vestora-admin: " << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
}
