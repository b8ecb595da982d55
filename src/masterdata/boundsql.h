#pragma once
#include <QHash>
#include <QString>
#include <QVariant>

// Statements whose values are operator text or codes go through bound parameters,
// so that a pasted quote or percent sign is matched as typed and never read as SQL.
using SqlParams = QHash<QString, QVariant>;

// The first value of the first row as text; "" when there is none.
QString ScalarBound(const QString& sql, const SqlParams& params);
void ExecBound(const QString& sql, const SqlParams& params);
