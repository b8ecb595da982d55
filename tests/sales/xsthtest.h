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
#include "sales/xsth.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>

// The sales return window on an account set with customer K1 and goods G1 in red
// and blue, sizes S and M, the clock on 2024-05-10 10:20 and saving that leaves
// returns pending.
class XsthTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
        fixture::AddCustomer(QStringLiteral("K1"), QStringLiteral("客户一"));
        fixture::GoodsSpec g { QStringLiteral("G1"), QStringLiteral("衬衫"),
            { QStringLiteral("R:红"), QStringLiteral("B:蓝") }, { QStringLiteral("S:小码"), QStringLiteral("M:中码") },
            50, 40 };
        g.salePrice = 100;
        fixture::AddGoods(g);
        Sql(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name) values ('GC1','上衣')"));
        Sql(QStringLiteral("update jxc_goods set gc_sn='GC1'"));
        ApproveOnSave = QStringLiteral("0");
        SalesCollectDefault = QStringLiteral("0");
        RoundTotals = QStringLiteral("0");
        TotalDecimals = QStringLiteral("2");
        AmountDecimals = 2;
        DefaultTaxRate = QStringLiteral("0");
        UseCashBank = QStringLiteral("0");
        ReturnOnlyCustomerGoods = QStringLiteral("1");
        w = std::make_unique<TF_Xsth>();
        F_Xsth = w.get();
        w->Activate();
        fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 0, 40, 0);
    }
    void TearDown() override
    {
        w.reset();
        WholeReturnDocNo.clear();
        ActiveDocKind.clear();
        OpenMode.clear();
        SelectedSn.clear();
        CurrentAdminName = QStringLiteral("admin");
        Clock::Release();
        AccountSetTest::TearDown();
    }

    QString Warehouse() const { return w->comCk->Code(w->comCk->currentIndex()); }
    QString No() const { return w->gldjh->text(); }
    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }
    double Number(const QString& sql) { return ValueNumber(Scalar(sql)); }
    void ChooseK1()
    {
        w->tkh->setText(QStringLiteral("客户一"));
        CurrentCustomerSn = QStringLiteral("K1");
    }
    // A draft line of the operator under the window's number: qty pieces of red S at
    // the price, its total as given (the price times the quantity when 0).
    qint64 DraftLine(double qty, double price, double total = 0, const QString& goods = QStringLiteral("G1"))
    {
        const QString n = No();
        Sql(QStringLiteral("insert into jxc_xsthsp (gl_djh,g_sn,th_dj,th_sl,th_dzl,th_tax,th_taxdj,th_je,th_zje,"
                           "th_cbj,th_zcb,a_name) values ('%1','%2',%3,%4,1,0,%3,%5,%5,40,%6,'%7')")
                .arg(n, goods, QString::number(price), QString::number(qty),
                    QString::number(total != 0 ? total : price * qty), QString::number(40 * qty), CurrentAdminName));
        const qint64 id = Scalar(QStringLiteral("select max(id) from jxc_xsthsp")).toLongLong();
        Sql(QStringLiteral("update jxc_xsthsp set tid=id where id=%1").arg(id));
        if (goods != QLatin1String("00000000"))
            Sql(QStringLiteral("insert into jxc_xsthspmx (gl_djh,g_sn,t_sl,cm_sn,color_sn,a_name,tid) "
                               "values ('%1','%2',%3,'S','R','%4',%5)")
                    .arg(n, goods, QString::number(qty), CurrentAdminName, QString::number(id)));
        w->openGridViewData(n);
        w->updateBottomJe();
        return id;
    }
    // Saves with Yes to the question.
    void Save()
    {
        prompt.Answer(Prompt::Answer::Yes);
        w->btnOKClick();
    }

    std::unique_ptr<TF_Xsth> w;
};
