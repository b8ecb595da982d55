#include "foundation/zones.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "foundation/sqltext.h"

void EnsureZone(const QString& name)
{
    if (name.isEmpty())
        return;
    if (!QueryScalar(QStringLiteral("select z_name from jxc_zone where z_name=") + SqlQuoted(name)).isEmpty())
        return;
    ExecSQL(QStringLiteral("insert into jxc_zone (z_sn,z_name,z_jm,z_default) values (")
        + SqlQuoted(GetNextSn(QStringLiteral("jxc_zone"), QStringLiteral("z_sn"))) + QStringLiteral(",")
        + SqlQuoted(name) + QStringLiteral(",") + SqlQuoted(GetPyCode(name)) + QStringLiteral(",0)"));
}
