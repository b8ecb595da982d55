#include "masterdata/boundsql.h"

#include "foundation/datamodule.h"
#include "platform/db/query.h"

QString ScalarBound(const QString& sql, const SqlParams& params)
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(sql);
    for (auto it = params.begin(); it != params.end(); ++it)
        q.SetParam(it.key(), it.value());
    q.Open();
    return q.IsEmpty() || q.FieldCount() == 0 ? QString() : q.FieldAt(0).AsString();
}

void ExecBound(const QString& sql, const SqlParams& params)
{
    F_DataModule->ADOConn.Exec(sql, params);
}
