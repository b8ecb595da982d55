#include "pos/poskeys.h"

#include "foundation/datamodule.h"
#include "foundation/keynames.h"
#include "masterdata/boundsql.h"
#include "platform/db/transaction.h"

const QStringList& PosKeyFunctions()
{
    static const QStringList names = { QStringLiteral("删除当前"), QStringLiteral("删除全部"), QStringLiteral("挂单"),
        QStringLiteral("解挂"), QStringLiteral("修改数量"), QStringLiteral("修改折扣"), QStringLiteral("选择会员"),
        QStringLiteral("付款结账"), QStringLiteral("选择员工"), QStringLiteral("选择仓库"), QStringLiteral("锁定屏幕"),
        QStringLiteral("打开钱箱"), QStringLiteral("浏览图片"), QStringLiteral("设为赠品") };
    return names;
}

int getKeyValue(const QString& function)
{
    return ScalarBound(
        QStringLiteral("select gn_jz from jxc_gnb where gn_name=:f"), { { QStringLiteral("f"), function } })
        .toInt();
}

void PosKeyTable::Load()
{
    codes_.clear();
    for (const QString& f : PosKeyFunctions())
        codes_.insert(f, getKeyValue(f));
}

QStringList PosKeyTable::FunctionsOf(int keyCode) const
{
    QStringList out;
    if (keyCode == 0)
        return out;
    for (const QString& f : PosKeyFunctions())
        if (Code(f) == keyCode)
            out << f;
    return out;
}

QString BindPosKey(const QString& function, int keyCode, bool* bound)
{
    if (bound)
        *bound = false;
    QString holder = ScalarBound(
        QStringLiteral("select gn_name from jxc_gnb where gn_jz=:k"), { { QStringLiteral("k"), keyCode } });
    if (keyCode == 116)
        holder = QStringLiteral("付款结账");
    else if (keyCode == 112)
        holder = QStringLiteral("帮助");
    if (!holder.isEmpty())
        return QStringLiteral("该键已设置为 “") + holder + QStringLiteral("” 的快捷键，") + QStringLiteral("\r\n\r\n")
            + QStringLiteral("请选择其它键！");
    if (KeyCodeToName(keyCode).isEmpty())
        return QString();
    const SqlParams p { { QStringLiteral("k"), keyCode }, { QStringLiteral("f"), function } };
    Transaction t(F_DataModule->ADOConn);
    if (!ScalarBound(
            QStringLiteral("select gn_name from jxc_gnb where gn_name=:f"), { { QStringLiteral("f"), function } })
             .isEmpty())
        ExecBound(QStringLiteral("update jxc_gnb set gn_jz=:k where gn_name=:f"), p);
    else
        ExecBound(QStringLiteral("insert into jxc_gnb (gn_name,gn_jz) values (:f,:k)"), p);
    t.Commit();
    if (bound)
        *bound = true;
    return QString();
}
