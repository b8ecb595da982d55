#pragma once
#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "posting/purchaseposting.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"
#include "warehouse/warehousewindows.h"

#include <QString>

inline QString U8(const char* text)
{
    return QString::fromUtf8(text);
}

// An account set with a second warehouse W2 ("二号仓"), goods G1 in red and blue,
// sizes S and M (barcodes "G1RS", "G1BM", ...; preset purchase price 12, sale price
// 30) and plain goods G2, stocked in the main warehouse by an approved goods-in
// (G1 red S 10 and blue M 10 at 10, G2 10 at 30); the clock on 2024-05-10 10:20 and
// the settings that leave saved documents pending.
class WarehouseTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterWarehouseWindows();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
        fixture::AddWarehouse(QStringLiteral("W2"), U8("二号仓"));
        fixture::AddSupplier(QStringLiteral("S1"), U8("供应一"));
        fixture::AddGoods(
            { QStringLiteral("G1"), U8("衬衫"), { U8("R:红"), U8("B:蓝") }, { U8("S:小码"), U8("M:中码") }, 12, 10 });
        fixture::AddGoods({ QStringLiteral("G2"), U8("纽扣") });
        Sql(QStringLiteral("update jxc_goods set g_sj=30 where g_sn='G1'"));
        fixture::AddDocument({ fixture::Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-05-01 09:00"),
            QStringLiteral("S1"), QStringLiteral("100001"), QStringLiteral("100001"), 1,
            { { QStringLiteral("G1"), 20, 10,
                  { { QStringLiteral("R"), QStringLiteral("S"), 10 },
                      { QStringLiteral("B"), QStringLiteral("M"), 10 } } },
                { QStringLiteral("G2"), 10, 30, {} } } });
        Sql(QStringLiteral("update jxc_jhd set j_sfje=0,j_kmmc='现金',j_jsfs='1',j_checker='admin'"));
        Sql(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl,jh_tax=0"));
        ApprovePurchaseDoc(QStringLiteral("CJ1"));
        ApproveOnSave = QStringLiteral("0");
        TransferPriceMode = QStringLiteral("0");
        ScanAccumulates = QStringLiteral("0");
        AllowZeroStockOut = QStringLiteral("0");
        RoundTotals = QStringLiteral("0");
        TotalDecimals = QStringLiteral("2");
        AmountDecimals = 2;
        NoPrintBeforeSave = QStringLiteral("0");
    }
    void TearDown() override
    {
        OpenMode.clear();
        SelectedSn.clear();
        ActiveDocKind.clear();
        CurrentAdminName = QStringLiteral("admin");
        Clock::Release();
        AccountSetTest::TearDown();
    }

    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }
    double Number(const QString& sql) { return ValueNumber(Scalar(sql)); }
    // A draft or pending line of the operator with one colour-by-size row per
    // (colour, size, quantity); answers its id.
    qint64 TransferLine(const QString& number, const QString& op, const QString& goods, double price,
        const QList<std::tuple<QString, QString, double>>& rows)
    {
        double qty = 0;
        for (const auto& r : rows)
            qty += std::get<2>(r);
        Sql(QStringLiteral("insert into jxc_dbsp (gl_djh,g_sn,db_sl,db_dj,db_sj,db_zje,a_name) values "
                           "('%1','%2',%3,%4,30,%5,'%6')")
                .arg(number, goods)
                .arg(qty)
                .arg(price)
                .arg(qty * price)
                .arg(op));
        const qint64 id = qint64(Number(QStringLiteral("select max(id) from jxc_dbsp")));
        Sql(QStringLiteral("update jxc_dbsp set tid=id where id=%1").arg(id));
        for (const auto& r : rows)
            Sql(QStringLiteral("insert into jxc_dbspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                               "('%1','%2','%3','%4',%5,'%6',%7)")
                    .arg(number, goods, std::get<1>(r), std::get<0>(r))
                    .arg(std::get<2>(r))
                    .arg(op)
                    .arg(id));
        return id;
    }
    void PendingTransfer(const QString& number, const QString& date = QStringLiteral("2024-05-09 08:30"))
    {
        Sql(QStringLiteral("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,db_dbrq,db_status,db_checker,db_chkrq,u_sn,"
                           "db_note,a_name) values ('%1','100001','W2','%2',0,'','','100001','note','admin')")
                .arg(number, date));
    }
};

// A document host standing in for a stock-document window: the dialogs and
// browsers reach their window through it.
struct FakeHost {
    QString number = QStringLiteral("DB24051010001");
    QString date = QStringLiteral("2024-05-10");
    QString warehouse = QStringLiteral("100001");
    QString type = QStringLiteral("BS");
    QHash<QString, QString> pending;
    qint64 draftLine = 0;
    qint64 pendingLine = 0;
    int draftReloads = 0;
    int pendingReloads = 0;
    DocHost host;
    QString prefix;

    explicit FakeHost(const QString& kindPrefix) : prefix(kindPrefix)
    {
        host.number = [this] { return number; };
        host.showNumber = [this](const QString& n) { number = n; };
        host.date = [this] { return date; };
        host.warehouse = [this] { return warehouse; };
        host.reloadDraft = [this] { ++draftReloads; };
        host.reloadPending = [this] { ++pendingReloads; };
        host.pendingHeader = [this](const QString& c) { return pending.value(c); };
        host.draftLine = [this] { return draftLine; };
        host.pendingLine = [this] { return pendingLine; };
        host.docType = [this] { return type; };
        SetDocHost(prefix, &host);
    }
    ~FakeHost() { SetDocHost(prefix, nullptr); }
};
