#include "posting/postingdb.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"

#include <cmath>

namespace posting {

Connection& Db()
{
    return F_DataModule->ADOConn;
}

void Run(const QString& sql, const Params& params)
{
    Db().Exec(sql, params);
}

QVariant First(const QString& sql, const Params& params)
{
    Query q(&Db());
    q.SetSQL(sql);
    for (auto it = params.begin(); it != params.end(); ++it)
        q.SetParam(it.key(), it.value());
    q.Open();
    return q.IsEmpty() ? QVariant() : q.ValueAt(0, 0);
}

bool FindNumber(const QString& sql, const Params& params, double& out)
{
    const QVariant v = First(sql, params);
    if (!v.isValid() || v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        return false;
    out = ValueNumber(v);
    return true;
}

double FirstNumber(const QString& sql, const Params& params, double fallback)
{
    double v = fallback;
    return FindNumber(sql, params, v) ? v : fallback;
}

double RoundUp(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round((x + 0.000000001) * scale) / scale;
}

double Round8(double x)
{
    const double r = std::round(x * 1e8) / 1e8;
    return r == 0 ? 0.0 : r; // no "-0" in stored values
}

int ValueDecimals()
{
    return IsTrue(RoundTotals) ? TotalDecimals.toInt() : AmountDecimals;
}

} // namespace posting
