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
#include "sales/spdd.h"
#include "sales/spddorder.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>

inline QString U8d(const char* text)
{
    return QString::fromUtf8(text);
}

// The sales order window on an account set with customer K1, goods G1 in red (R)
// and blue (B), sizes S and M (barcodes "G1RS", ...) at the sale price 100 without
// a default discount, stock in every colour and size, and the clock on 2024-05-10
// 10:20. Saving leaves orders pending.
class SpddTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
        fixture::AddCustomer(QStringLiteral("K1"), U8d("客户一"));
        fixture::GoodsSpec g { QStringLiteral("G1"), U8d("衬衫"), { U8d("R:红"), U8d("B:蓝") },
            { U8d("S:小码"), U8d("M:中码") }, 50, 40 };
        g.salePrice = 100;
        fixture::AddGoods(g);
        dm->ADOConn.Exec(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name) values ('GC1','上衣')"));
        dm->ADOConn.Exec(QStringLiteral("update jxc_goods set gc_sn='GC1'"));
        ApproveOnSave = QStringLiteral("0");
        SalesCollectDefault = QStringLiteral("0");
        DiscountLineMode = QStringLiteral("1");
        RoundTotals = QStringLiteral("0");
        TotalDecimals = QStringLiteral("2");
        AmountDecimals = 2;
        UseStockOut = QStringLiteral("0");
        AllowZeroStockOut = QStringLiteral("1");
        ScanAccumulates = QStringLiteral("0");
        DefaultTaxRate = QStringLiteral("0");
        DocDateMode = QStringLiteral("0");
        UseCashBank = QStringLiteral("0");
        AutoPrintSalesDoc = QStringLiteral("0");
        w = std::make_unique<TF_Spdd>();
        F_Spdd = w.get();
        w->Activate();
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
    // Scans red S and blue M, picks K1 and saves with Yes; answers the number.
    QString SaveTwo(double paid = -1, int mode = 0)
    {
        Scan(QStringLiteral("G1RS"));
        Scan(QStringLiteral("G1BM"));
        w->tkh->setText(U8d("客户一"));
        CurrentCustomerSn = QStringLiteral("K1");
        w->comJsfs->setCurrentIndex(mode);
        if (paid >= 0)
            w->tssje->setText(NumberText(paid));
        const QString number = No();
        prompt.Answer(Prompt::Answer::Yes);
        w->btnOKClick();
        return number;
    }

    std::unique_ptr<TF_Spdd> w;
};
