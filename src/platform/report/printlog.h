#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// What the reports showed and printed, newest last: the template, the variables,
// the rows of every dataset, the copies and the printer. Tests read it to check
// what a window or a posting printed; the program keeps only the latest records.
struct PrintedRows {
    QStringList fields;
    QList<QStringList> rows; // as text, in print order

    // The column of a field, by name regardless of case; -1 when absent.
    int Column(const QString& field) const;
    QString Text(int row, const QString& field) const;
};

struct PrintRecord {
    QString action; // "preview" or "print"
    QString templateFile;
    QMap<QString, QString> variables;
    QMap<QString, PrintedRows> datasets;
    int pages = 0;
    int copies = 0;
    QString printer;    // empty: the default printer
    QString outputFile; // the PDF that stood in for paper (offscreen)
};

namespace PrintLog {
const QList<PrintRecord>& Records();
// The latest record, or nullptr.
const PrintRecord* Last();
int Count(const QString& action);
void Clear();
void Add(PrintRecord record);

// Without a display (the offscreen platform) printing writes PDF files here instead of
// sending pages to a printer. By default the folder "printed" of the program folder.
QString OutputFolder();
void SetOutputFolder(const QString& folder);
bool PrintsToFiles();
}
