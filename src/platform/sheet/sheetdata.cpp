#include "platform/sheet/sheetdata.h"

#include <QSet>
#include <utility>

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
    if (tooLarge_
        || (trimmed.isEmpty() && (row >= static_cast<int>(rows_.size()) || column >= rows_[size_t(row)].size())))
        return true;
    if (row >= static_cast<int>(rows_.size()))
        rows_.resize(static_cast<size_t>(row) + 1);
    QStringList& cells = rows_[static_cast<size_t>(row)];
    if (column >= cells.size()) {
        slots_ += column + 1 - cells.size();
        if (slots_ > MaxCells) {
            tooLarge_ = true;
            rows_.clear();
            return true;
        }
        // A row takes at once the width of the widest row so far, so that a large
        // sheet's rows hold no spare room.
        if (column >= cells.capacity()) {
            const qsizetype want = std::max<qsizetype>(column + 1, widest_);
            cells.reserve(want > widest_ ? std::max(want, cells.capacity() * 2) : want);
        }
        widest_ = std::max<qsizetype>(widest_, column + 1);
        cells.resize(column + 1);
    }
    cells[column] = trimmed;
    return true;
}

namespace {

// The number of cells up to the last one that holds text.
qsizetype UsedWidth(const QStringList& cells)
{
    qsizetype width = cells.size();
    while (width > 0 && cells.at(width - 1).isEmpty())
        --width;
    return width;
}

}

bool SheetBuilder::Build(const QString& name, SheetData* out, QString* error)
{
    *out = SheetData();
    out->name = name;
    std::vector<QStringList> rows;
    rows.swap(rows_);
    slots_ = 0;
    widest_ = 0;
    if (std::exchange(tooLarge_, false)) {
        if (error)
            *error = QStringLiteral("工作表过大");
        return false;
    }
    int first = -1, last = -1;
    qsizetype width = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        const qsizetype used = UsedWidth(rows[r]);
        if (used == 0)
            continue;
        if (first < 0)
            first = static_cast<int>(r);
        last = static_cast<int>(r);
        width = std::max(width, used);
    }
    if (first < 0)
        return true;
    if (qint64(last - first + 1) * width > MaxCells) {
        if (error)
            *error = QStringLiteral("工作表过大");
        return false;
    }

    QSet<QString> seen;
    const QStringList& header = rows[static_cast<size_t>(first)];
    for (qsizetype c = 0; c < width; ++c) {
        QString heading = c < header.size() ? header.at(c) : QString();
        if (heading.isEmpty() || seen.contains(heading.toLower()))
            heading = QStringLiteral("F") + QString::number(c + 1);
        // A later heading may itself read "F3"; keep every name distinct.
        while (seen.contains(heading.toLower()))
            heading += QLatin1Char('_');
        seen.insert(heading.toLower());
        out->columns << heading;
    }

    // Rows without cells share one blank list.
    QStringList blank;
    blank.resize(width);
    out->rows.reserve(static_cast<size_t>(last - first));
    for (int r = first + 1; r <= last; ++r) {
        QStringList& cells = rows[static_cast<size_t>(r)];
        if (UsedWidth(cells) == 0) {
            out->rows.push_back(blank);
            continue;
        }
        cells.resize(width);
        out->rows.push_back(std::move(cells));
    }
    return true;
}
