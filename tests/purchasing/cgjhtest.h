#pragma once
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "purchasing/cgjh.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include "platform/base/programfolder.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <memory>

inline QString U8(const char* text)
{
    return QString::fromUtf8(text);
}

// The goods-in window on an account set with supplier S1, goods G1 in red and blue,
// sizes S and M (barcodes "G1RS", "G1BM", ...; average purchase price 10, preset
// 12.345), the clock on 2024-05-10 10:20 and saving that leaves documents pending.
class CgjhTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
        fixture::AddSupplier(QStringLiteral("S1"), U8("供应一"));
        fixture::AddGoods({ QStringLiteral("G1"), U8("衬衫"), { U8("R:红"), U8("B:蓝") },
            { U8("S:小码"), U8("M:中码") }, 12.345, 10 });
        ApproveOnSave = QStringLiteral("0");
        PurchasePayDefault = QStringLiteral("0");
        PurchasePriceDefault = QStringLiteral("0");
        DiscountLineMode = QStringLiteral("0");
        RoundTotals = QStringLiteral("0");
        TotalDecimals = QStringLiteral("2");
        AmountDecimals = 2;
        UseStockIn = QStringLiteral("0");
        DocDateMode = QStringLiteral("0");
        UseCashBank = QStringLiteral("0");
        w = std::make_unique<TF_Cgjh>();
        F_Cgjh = w.get();
        w->Activate();
    }
    void TearDown() override
    {
        w.reset();
        CurrentAdminName = QStringLiteral("admin");
        Clock::Release();
        AccountSetTest::TearDown();
    }

    void Scan(const QString& code)
    {
        w->tSptm->setText(code);
        w->tSptmKeyDown();
    }
    QString No() const { return w->jsn->text(); }
    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }
    double Number(const QString& sql) { return ValueNumber(Scalar(sql)); }
    // A line of goods G1 with one colour-by-size row per quantity given (red/small,
    // blue/medium, ...), entered by the operator under the number.
    qint64 Line(
        const QString& number, const QString& op, double price, double tax, double discount, const QList<double>& rows)
    {
        double qty = 0;
        for (double r : rows)
            qty += r;
        const double taxPrice = price * (1 + tax / 100);
        Sql(QStringLiteral("insert into jxc_jhsp (gl_djh,g_sn,a_name,jh_sl,jh_dj,jh_tax,jh_taxdj,jh_dzl,jh_je,jh_taxje,"
                           "jh_zje,jh_rksl) values ('%1','G1','%2',%3,%4,%5,%6,%7,%8,%9,%10,%3)")
                .arg(number, op)
                .arg(qty)
                .arg(price)
                .arg(tax)
                .arg(taxPrice)
                .arg(discount)
                .arg(qty * price * discount)
                .arg(qty * (taxPrice - price) * discount)
                .arg(qty * taxPrice * discount));
        const qint64 id = qint64(Number(QStringLiteral("select max(id) from jxc_jhsp")));
        Sql(QStringLiteral("update jxc_jhsp set tid=id where id=%1").arg(id));
        const char* cells[][2] = { { "R", "S" }, { "B", "M" }, { "R", "M" }, { "B", "S" } };
        for (int i = 0; i < rows.size(); ++i)
            Sql(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                               "values ('%1','G1','%2','%3',%4,'%5',%6)")
                    .arg(number, QLatin1String(cells[i][1]), QLatin1String(cells[i][0]))
                    .arg(rows[i])
                    .arg(op)
                    .arg(id));
        return id;
    }
    // A saved pending document of the operator with one line.
    void Pending(const QString& number, const QString& op, double payable, double paid, int settle,
        const QString& date = QStringLiteral("2024-05-10 09:00"))
    {
        Sql(QStringLiteral("insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,a_name,j_status,"
                           "j_yhje,j_hkje,j_jsfs,j_kmmc,j_th,j_crk,j_qk,j_yf,j_bzf,j_fpje) values "
                           "('%1','S1','100001','%2',%3,%4,'100001','%5',0,0,0,%6,'',0,1,1,0,0,0)")
                .arg(number, date)
                .arg(payable)
                .arg(paid)
                .arg(op)
                .arg(settle));
        Line(number, op, payable / 2, 0, 1, { 1, 1 });
    }
    // The goods in the default class, as the query views join goods with their class,
    // and the delivered templates in the program folder, for the prints.
    void PrepareForQueries()
    {
        Sql(QStringLiteral("update jxc_goods set gc_sn='1000'"));
        const QDir source(SourceResource(QStringLiteral("report")));
        QDir().mkpath(ProgramFolder::File(QStringLiteral("report")));
        for (const QString& name : source.entryList({ QStringLiteral("*.fr3") }, QDir::Files))
            QFile::copy(source.filePath(name), ProgramFolder::File(QStringLiteral("report/") + name));
    }
    void ShowPending()
    {
        w->cxPage->setCurrentWidget(w->cxTab2);
        w->btnSearch2Click();
    }

    std::unique_ptr<TF_Cgjh> w;
};
