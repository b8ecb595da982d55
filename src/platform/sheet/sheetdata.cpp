#include "platform/sheet/sheetdata.h"

#include <QSet>

int SheetData::ColumnIndex(const QString& column) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString SheetData::Text(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
        return QString();
    return rows[static_cast<size_t>(row)].at(column);
}

QString SheetData::Text(int row, const QString& column) const
{
    return Text(row, ColumnIndex(column));
}

bool SheetBuilder::Set(int row, int column, const QString& text)
{
    if (row < 0 || row >= MaxRows || column < 0 || column >= MaxColumns)
        return false;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        cells_[row].erase(column);
    else
        cells_[row][column] = trimmed;
    return true;
}

bool SheetBuilder::Build(const QString& name, SheetData* out, QString* error) const
{
    *out = SheetData();
    out->name = name;
    int first = -1, last = -1, width = 0;
    for (const auto& [row, cells] : cells_) {
        if (cells.empty())
            continue;
        if (first < 0)
            first = row;
        last = row;
        width = std::max(width, cells.rbegin()->first + 1);
    }
    if (first < 0)
        return true;
    // A crafted file may place one cell far down and one far right; refuse a table
    // that would need more memory than any real sheet of an import.
    const qint64 size = qint64(last - first + 1) * width;
    if (size > 50'000'000) {
        if (error)
            *error = QStringLiteral("工作表过大");
        return false;
    }

    QSet<QString> seen;
    const auto header = cells_.find(first);
    for (int c = 0; c < width; ++c) {
        const auto cell = header->second.find(c);
        QString heading = cell == header->second.end() ? QString() : cell->second;
        if (heading.isEmpty() || seen.contains(heading.toLower()))
            heading = QStringLiteral("F") + QString::number(c + 1);
        // A later heading may itself read "F3"; keep every name distinct.
        while (seen.contains(heading.toLower()))
            heading += QLatin1Char('_');
        seen.insert(heading.toLower());
        out->columns << heading;
    }

    QStringList blank;
    for (int c = 0; c < width; ++c)
        blank << QString();
    out->rows.reserve(static_cast<size_t>(last - first));
    auto it = std::next(header);
    for (int r = first + 1; r <= last; ++r) {
        QStringList row = blank;
        while (it != cells_.end() && it->first < r)
            ++it;
        if (it != cells_.end() && it->first == r) {
            for (const auto& [c, text] : it->second)
                row[c] = text;
        }
        out->rows.push_back(std::move(row));
    }
    return true;
}
