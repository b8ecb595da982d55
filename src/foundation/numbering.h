#pragma once
#include <QString>

// Codes of master records and numbers of documents. Every number is the largest in
// use plus one; nothing is reserved, so two operators drafting at the same moment
// can draw the same number and the document windows check again on saving.
//
// A code or maximum that is not a whole number throws std::invalid_argument, as
// does a document date that is not a date.

// Six-digit code of a master table: the largest + 1, "100001" for the first.
QString GetNextSn(const QString& table, const QString& column);
// The same on the account-set catalogue.
QString GetNextSnZt(const QString& table, const QString& column);
// Member number: the largest six-digit numeric one + 1, else "100001" (also when
// that gives fewer than six digits, "000002" + 1, which the next look-up would miss).
QString GetNextMemberNo(const QString& table, const QString& column);

// Document number: prefix + date as yymmdd + five-digit serial from 10001.
QString NextDocNo(const QString& table, const QString& column, const QString& prefix, const QString& date);
QString NextDocNoToday(const QString& table, const QString& column, const QString& prefix);
// Whether a drafted number has meanwhile been taken by another operator.
bool DocNoExists(const QString& table, const QString& column, const QString& number);

// Code for the goods category with this key: four digits from 1000 at the top,
// the parent's code + three digits from 100 below.
QString GetNextClassSn(const QString& key);
// Next numeric goods code under a category prefix, as a rule eight digits.
QString GetNextGoodsSn(const QString& prefix);
