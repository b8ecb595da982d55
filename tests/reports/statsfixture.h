#pragma once
#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/valuetext.h"
#include "platform/report/printlog.h"
#include "reports/reportswindows.h"
#include "support/accountset.h"
#include "support/text.h"
#include "support/tradefixtures.h"

#include <QDate>

// An account set with two categories (20 女装 and below it 2001 裙子), goods T1 in
// 20 and Q1 in 2001, customers K1 and K2, supplier G1, department 01, and the clock
// in March 2024.
class StatsTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        Clock::SetFixed(QDateTime(QDate(2024, 3, 20), QTime(10, 0)));
        LoadSystemSettings();
        DeclareReportsDatasets();
        ExecSQL(S("insert into jxc_goodsclass (gc_sn,gc_name,gc_jm,gc_key,gc_pid,gc_cid) values "
                  "('20','女装','NZ',10,1,10),('2001','裙子','QZ',11,10,11)"));
        fixture::AddGoods({ QStringLiteral("T1"), S("T恤") });
        fixture::AddGoods({ QStringLiteral("Q1"), S("长裙") });
        ExecSQL(S("update jxc_goods set gc_sn='20' where g_sn='T1'"));
        ExecSQL(S("update jxc_goods set gc_sn='2001' where g_sn='Q1'"));
        fixture::AddCustomer(QStringLiteral("K1"), S("甲服饰"));
        fixture::AddCustomer(QStringLiteral("K2"), S("乙服饰"));
        fixture::AddSupplier(QStringLiteral("G1"), S("丙布行"));
        ExecSQL(S("insert into jxc_dept (de_sn,de_name) values ('01','门店部')"));
        PrintLog::Clear();
    }
    void TearDown() override
    {
        CurrentCustomerSn.clear();
        CurrentSupplierSn.clear();
        AccountSetTest::TearDown();
    }

    struct Line {
        const char* kind;
        const char* number;
        const char* date;
        const char* goods;
        const char* partner;
        double qty;
        double price;
        const char* handler = "业务甲";
        double cost = 0; // unit cost
        const char* goodsName = nullptr;
        double discount = 1;
    };
    // One stock-ledger row; returns carry their quantity and amounts negative, as
    // posted. The amount is price × discount × quantity, the profit amount less cost.
    void Ledger(const Line& l)
    {
        const double amount = l.price * l.discount * l.qty;
        const QString handler = l.handler ? QLatin1Char('\'') + S(l.handler) + QLatin1Char('\'') : S("null");
        ExecSQL(
            QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_cbj,"
                           "gl_zcb,gl_dzl,gl_sl,gl_zje,gl_je,gl_taxje,gl_lr,u_name,ck_sn,ck_name,ghs_sn,ghs_name) "
                           "values ('%1','%2','%3','%4','%5','%4','件',%6,%7,%8,%9,%10,%11,%11,0,%12,%13,'100001',"
                           "(select ck_name from jxc_ckxx where ck_sn='100001'),'%14',"
                           "coalesce((select kh_name from jxc_khxx where kh_sn='%14'),'%14'))")
                .arg(QString::fromLatin1(l.kind), QString::fromLatin1(l.number), QString::fromLatin1(l.date),
                    QString::fromLatin1(l.goods),
                    l.goodsName ? S(l.goodsName)
                                : Scalar(S("select g_name from jxc_goods where g_sn='") + QString::fromLatin1(l.goods)
                                    + QLatin1Char('\'')))
                .arg(l.price)
                .arg(l.cost)
                .arg(l.cost * l.qty)
                .arg(l.discount)
                .arg(l.qty)
                .arg(amount)
                .arg(amount - l.cost * l.qty)
                .arg(handler, QString::fromLatin1(l.partner)));
    }
    // The values of one column of a statement's rows, in order.
    QStringList Values(const QString& sql, const QString& column)
    {
        return Column(QStringLiteral("select ") + column + QStringLiteral(" from (") + sql + QStringLiteral(") t"));
    }
    double Sum(const QString& sql, const QString& column)
    {
        return ValueNumber(
            Scalar(QStringLiteral("select sum(") + column + QStringLiteral(") from (") + sql + QStringLiteral(") t")));
    }
};
