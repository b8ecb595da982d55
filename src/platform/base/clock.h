#pragma once
#include <QDate>
#include <QDateTime>

// The one place the program reads the time of day. Tests fix it so that dates
// written into documents, logs and numbers are known in advance.
namespace Clock {
QDateTime Now();
QDate Today();
// Fix "now" at a moment; an invalid moment lets the real clock through again.
void SetFixed(const QDateTime& moment);
void Release();
}
