#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// Rows that postings append, written as one insert of named columns with bound
// values: no text is ever spliced into the statement, and the statement text of a
// table stays the same from row to row, so the connection's cache reuses it.
namespace posting {

using Row = QList<QPair<QString, QVariant>>;

// Appends the row and answers its id.
qint64 InsertRow(const QString& table, const Row& values);

} // namespace posting
