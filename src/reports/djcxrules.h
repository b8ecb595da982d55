#pragma once
#include <QDate>
#include <QString>

// The approved documents of every kind that moves stock between two days (the end
// day whole), grouped by kind; text, when given, must be in the number, the note or,
// for goods-in and sales, the reference number. A bound operator sees the trade,
// transfer, gift, loss, overflow, split and bundle documents of his warehouses only.
QString DocumentQueryStatement(const QDate& from, const QDate& to, const QString& text);

// The goods lines of one document, by its number's prefix, in line order; empty for
// a prefix of no listed kind.
QString DocumentLinesStatement(const QString& number);

// Shows the document behind a listed number: a till sale or return through the POS
// document template, every other kind with its own template. A gift exchange shows
// nothing; false then.
bool ViewQueriedDocument(const QString& number);
