#include "platform/report/printlog.h"

#include "platform/base/programfolder.h"

#include <QGuiApplication>

namespace {
QList<PrintRecord> g_records;
QString g_folder;
// A long session prints a great deal; only the latest records are of use.
constexpr int kKeep = 50;
}

int PrintedRows::Column(const QString& field) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString PrintedRows::Text(int row, const QString& field) const
{
    const int c = Column(field);
    if (c < 0 || row < 0 || row >= rows.size())
        return QString();
    return rows[row].value(c);
}

namespace PrintLog {

const QList<PrintRecord>& Records()
{
    return g_records;
}

const PrintRecord* Last()
{
    return g_records.isEmpty() ? nullptr : &g_records.last();
}

int Count(const QString& action)
{
    int n = 0;
    for (const PrintRecord& r : g_records)
        n += r.action == action ? 1 : 0;
    return n;
}

void Clear()
{
    g_records.clear();
}

void Add(PrintRecord record)
{
    g_records.append(std::move(record));
    while (g_records.size() > kKeep)
        g_records.removeFirst();
}

QString OutputFolder()
{
    return g_folder.isEmpty() ? ProgramFolder::File(QStringLiteral("printed")) : g_folder;
}

void SetOutputFolder(const QString& folder)
{
    g_folder = folder;
}

bool PrintsToFiles()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

}
