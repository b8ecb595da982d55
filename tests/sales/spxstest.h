#pragma once
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/ui/keyedcombo.h"
#include "sales/spxs.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>

inline QString U8(const char* text)
{
    return QString::fromUtf8(text);
}

// The sales delivery window on an account set with customer K1, goods G1 in red
// and blue, sizes S and M (barcodes "G1RS", "G1BM", ...; its own barcode "6901"
// stands for red S) at the sale price 100 with the default discount 0.9 and the
// purchase price 50, one piece of stock in every colour and size of the default
// warehouse, the clock on 2024-05-10 10:20 and saving that leaves documents pending.
class SpxsTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
        fixture::AddCustomer(QStringLiteral("K1"), U8("客户一"));
        fixture::GoodsSpec g { QStringLiteral("G1"), U8("衬衫"), { U8("R:红"), U8("B:蓝") },
            { U8("S:小码"), U8("M:中码") }, 50, 40 };
        g.salePrice = 100;
        g.discount = 0.9;
        g.barcode = QStringLiteral("6901");
        fixture::AddGoods(g);
        Sql(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name) values ('GC1','上衣')"));
        Sql(QStringLiteral("update jxc_goods set gc_sn='GC1'"));
        ApproveOnSave = QStringLiteral("0");
        SalesCollectDefault = QStringLiteral("0");
        DiscountLineMode = QStringLiteral("1");
        RoundTotals = QStringLiteral("0");
        TotalDecimals = QStringLiteral("2");
        AmountDecimals = 2;
        UseStockOut = QStringLiteral("0");
        AllowZeroStockOut = QStringLiteral("0");
        ScanAccumulates = QStringLiteral("0");
        DefaultTaxRate = QStringLiteral("0");
        DocDateMode = QStringLiteral("0");
        UseCashBank = QStringLiteral("0");
        WarnLowPrepayment = QStringLiteral("0");
        AutoPrintSalesDoc = QStringLiteral("0");
        ChooseSalesPrintFormat = QStringLiteral("0");
        MinSaleDiscount = QStringLiteral("0");
        w = std::make_unique<TF_Spxs>();
        F_Spxs = w.get();
        w->Activate();
        for (const char* color : { "R", "B" })
            for (const char* size : { "S", "M" })
                fixture::AddColorSizeStock(
                    QStringLiteral("G1"), Warehouse(), QLatin1String(color), QLatin1String(size), 1);
    }
    void TearDown() override
    {
        w.reset();
        CurrentAdminName = QStringLiteral("admin");
        Clock::Release();
        AccountSetTest::TearDown();
    }

    QString Warehouse() const { return w->comCk->Code(w->comCk->currentIndex()); }
    void Scan(const QString& code)
    {
        w->tSptm->setText(code);
        w->tSptmKeyDown();
    }
    QString No() const { return w->gldjh->text(); }
    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }
    double Number(const QString& sql) { return ValueNumber(Scalar(sql)); }
    // The goods' stock row in the warehouse, which a sale needs unless negative stock
    // is allowed.
    void StockRow() { fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 4, 40, 4); }
    // Scans two pieces (red S, blue M) and picks customer K1.
    void TwoPieces()
    {
        Scan(QStringLiteral("G1RS"));
        Scan(QStringLiteral("G1BM"));
        w->tkh->setText(U8("客户一"));
        CurrentCustomerSn = QStringLiteral("K1");
    }

    // A pending delivery of one or more red S lines at 100 a piece, paid in full.
    void Pending(const QString& number, const QString& customer, QList<double> quantities,
        const QString& date = QStringLiteral("2024-05-10 09:00"))
    {
        fixture::DocSpec d { fixture::Trade::Sale, number, date, customer, Warehouse(), w->comUser->Code(0), 0, {} };
        double total = 0;
        for (double q : quantities) {
            d.lines.append(fixture::LineSpec {
                QStringLiteral("G1"), q, 100, { { QStringLiteral("R"), QStringLiteral("S"), q } } });
            total += q * 100;
        }
        fixture::AddDocument(d);
        Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=") + QString::number(total)
            + QStringLiteral(",ls_jsfs=0,ls_dhbz=0") + QStringLiteral(" where gl_djh='") + number
            + QStringLiteral("'"));
        Sql(QStringLiteral("update jxc_lsxssp set ls_zje=ls_sl*ls_dj,ls_taxdj=ls_dj where gl_djh='") + number
            + QStringLiteral("'"));
    }

    std::unique_ptr<TF_Spxs> w;
};
