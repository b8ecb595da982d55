#pragma once
#include "foundation/datamodule.h"
#include "support/accountset.h"

#include <QString>
#include <QStringList>

// An account set with a few categories and goods, written row by row so that each
// test states only the rows it is about.
class GoodsTest : public AccountSetTest {
protected:
    void AddClass(const QString& name, int key, int parentKey, const QString& code)
    {
        ExecSQL(QStringLiteral(
            "insert into jxc_goodsclass (gc_name,gc_key,gc_pid,gc_cid,gc_sn,gc_jm) values ('%1',%2,%3,%2,'%4','')")
                    .arg(name)
                    .arg(key)
                    .arg(parentKey)
                    .arg(code));
    }
    void AddGoods(const QString& code, const QString& classCode, double stock = 0, bool disabled = false,
        const QString& name = QString())
    {
        ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,gc_sn,gc_cid,g_kc,g_zhxs,g_jy,g_sj,g_jj) "
                               "values ('%1','%2','','%3',0,%4,1,%5,100,60)")
                    .arg(code, name.isEmpty() ? QStringLiteral("货") + code : name, classCode)
                    .arg(stock)
                    .arg(disabled ? 1 : 0));
    }
    void AddLine(const QString& table, const QString& docNo, const QString& code, const QString& flag = QString())
    {
        if (table == QLatin1String("jxc_goodslist"))
            ExecSQL(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,g_sn) values ('%1','%2','%3')")
                        .arg(flag, docNo, code));
        else
            ExecSQL(QStringLiteral("insert into %1 (gl_djh,g_sn) values ('%2','%3')").arg(table, docNo, code));
    }
    QString Scalar(const QString& sql) { return QueryScalar(sql); }
    QString ClassCode(const QString& name)
    {
        return Scalar(QStringLiteral("select gc_sn from jxc_goodsclass where gc_name='") + name + QStringLiteral("'"));
    }
    qint64 ClassId(const QString& name)
    {
        return Scalar(QStringLiteral("select id from jxc_goodsclass where gc_name='") + name + QStringLiteral("'"))
            .toLongLong();
    }
    qint64 GoodsId(const QString& code)
    {
        return Scalar(QStringLiteral("select id from jxc_goods where g_sn='") + code + QStringLiteral("'"))
            .toLongLong();
    }
};
