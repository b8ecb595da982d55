#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

// What a grid or list hands over for export: the captions (the first row, bold),
// the rows, and per column an optional display format. A number in a column with
// a format is written as the text the format gives, as the grid shows it; other
// numbers stay numbers; null is an empty cell; everything else is text.
struct SheetTable {
    QStringList captions;
    QVector<QVector<QVariant>> rows;
    QStringList formats;
    // Renders a number by a display format (the program's FormatFloat).
    std::function<QString(const QString& format, double value)> formatNumber;
};

// Writes the table as the only worksheet ("Sheet1") of a new file, replacing the
// file only when the whole of it could be written. False with the reason to show
// otherwise. A text is cut to 32,767 characters, the most a cell holds.
bool WriteXlsx(const QString& path, const SheetTable& table, QString* error);
bool WriteXls(const QString& path, const SheetTable& table, QString* error);
