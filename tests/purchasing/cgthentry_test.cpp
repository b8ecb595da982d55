#include "cgthtest.h"
#include "platform/db/valuetext.h"
#include "platform/ui/keyedcombo.h"
#include "purchasing/jthcx.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

class CgthEntryTest : public CgthTest {
protected:
    void SetUp() override
    {
        CgthTest::SetUp();
        Open();
    }
    // A draft line of G1 under the window's number, one colour-by-size row per quantity.
    void Line(double price, const QList<double>& rows)
    {
        double qty = 0;
        for (double r : rows)
            qty += r;
        Sql(QStringLiteral("insert into jxc_thsp (gl_djh,g_sn,a_name,th_sl,th_dj,th_tax,th_taxdj,th_dzl,th_je,th_taxje,"
                           "th_zje) values ('%1','G1','admin',%2,%3,0,%3,1,%4,0,%4)")
                .arg(w->jsn->text())
                .arg(qty)
                .arg(price)
                .arg(qty * price));
        Sql(QStringLiteral("update jxc_thsp set tid=id where tid is null"));
        const char* cells[][2] = { { "R", "S" }, { "B", "M" } };
        for (int i = 0; i < rows.size(); ++i)
            Sql(QStringLiteral("insert into jxc_thspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                               "select gl_djh,'G1','%1','%2',%3,'admin',id from jxc_thsp where id=(select max(id) "
                               "from jxc_thsp)")
                    .arg(QLatin1String(cells[i][1]), QLatin1String(cells[i][0]))
                    .arg(rows[i]));
        w->openGridViewData(w->jsn->text());
        w->updateBottomJe();
    }
    // An approved goods-in of S1 with two lines of G1 (R/S 1 + B/M 2, then R/M 4).
    void GoodsIn(const QString& number)
    {
        fixture::AddDocument({ fixture::Trade::GoodsIn, number, QStringLiteral("2024-05-09 09:00"),
            QStringLiteral("S1"), QStringLiteral("100001"), QStringLiteral("100001"), 1,
            { { QStringLiteral("G1"), 3, 10,
                  { { QStringLiteral("R"), QStringLiteral("S"), 1 },
                      { QStringLiteral("B"), QStringLiteral("M"), 2 } } },
                { QStringLiteral("G1"), 4, 12, { { QStringLiteral("R"), QStringLiteral("M"), 4 } } } } });
    }
    // Every copied row with its line: line gl_djh2, goods-in price, row colour, size, quantity.
    QStringList CopiedRows()
    {
        return Rows(QStringLiteral("select a.gl_djh2,a.th_dj,b.color_sn,b.cm_sn,b.t_sl from jxc_thsp a "
                                   "inner join jxc_thspmx b on b.tid=a.id and b.gl_djh=a.gl_djh order by b.id"));
    }
    void Stock(double qty)
    {
        fixture::SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), qty, 10, qty);
        fixture::AddColorSizeStock(
            QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("R"), QStringLiteral("S"), qty);
    }
};

TEST_F(CgthEntryTest, GoodsWithoutAStockRowAsksOrRefusesBySetting)
{
    struct Case {
        const char* allow;
        bool asks;
    };
    for (const Case c : { Case { "1", true }, Case { "0", false } }) {
        w->Activate();
        AllowZeroStockOut = QLatin1String(c.allow);
        Line(10, { 1 });
        prompt.Clear();
        if (c.asks) {
            prompt.Answer(Prompt::Answer::Yes);
            prompt.Answer(Prompt::Answer::Yes);
        }
        w->btnOKClick();
        if (c.asks) {
            EXPECT_EQ(
                prompt.Questions().value(0), T("当前仓库中商品‘衬衫’不存在，\r\n\r\n退货将会出现负库存，是否继续？"));
            EXPECT_EQ(Count(QStringLiteral("jxc_thd")), 1);
        } else {
            EXPECT_EQ(prompt.Messages(), QStringList { T("当前仓库中商品‘衬衫’库存不足，\r\n\r\n不能退货。") });
            EXPECT_EQ(Count(QStringLiteral("jxc_thd")), 1) << "nothing more saved";
            EXPECT_TRUE(w->btnOK->isEnabled());
        }
    }
}

TEST_F(CgthEntryTest, ReturningMoreThanTheStockIsRefused)
{
    Stock(2);
    Line(10, { 3 });
    w->btnOKClick();
    EXPECT_TRUE(prompt.LastMessage().endsWith(T("库存出现负数，不能出库"))) << prompt.LastMessage().toStdString();
    EXPECT_EQ(Count(QStringLiteral("jxc_thd")), 0);

    // Within the stock the same return saves.
    Sql(QStringLiteral("update jxc_thspmx set t_sl=2"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_thd")), 1);
}

TEST_F(CgthEntryTest, SavedReturnStoresNegativeAmountsAndApprovesWhenAsked)
{
    Stock(10);
    UseInvoices = QStringLiteral("1");
    ApproveOnSave.clear(); // empty counts as approving at once
    Line(10, { 1, 2 });
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("30"));
    EXPECT_FALSE(w->comCk->isEnabled()) << "the warehouse is fixed once there are lines";
    w->tsfje->setText(QStringLiteral("25"));
    w->tfpje->setText(QStringLiteral("30"));
    const QString number = w->jsn->text();
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_TRUE(prompt.Questions().value(0).startsWith(T("单据保存后将直接审核")));
    EXPECT_EQ(
        Rows(QStringLiteral("select gl_djh,th_yfje,th_sfje,th_fpje,th_jsfs,th_hkje,th_status,th_thrq from jxc_thd")),
        QStringList { number + QStringLiteral(" -30 -25 -30 1 0 1 2024-05-10 10:20") });
    EXPECT_NE(w->jsn->text(), number) << "a new document is prepared";
    EXPECT_FALSE(w->EntryHasRows());
    EXPECT_TRUE(w->comCk->isEnabled());
}

TEST_F(CgthEntryTest, HandedOverGoodsInIsCopiedRelinkedAndMarkedAtSaving)
{
    GoodsIn(QStringLiteral("CJ1"));
    Stock(10);
    AllowZeroStockOut = QStringLiteral("1");
    WholeReturnDocNo = QStringLiteral("CJ1");
    w->Activate();
    EXPECT_TRUE(WholeReturnDocNo.isEmpty());
    EXPECT_EQ(w->tghs->text(), T("供应一"));
    EXPECT_FALSE(w->tghs->isEnabled());
    EXPECT_EQ(CopiedRows(),
        (QStringList {
            QStringLiteral("CJ1 10 R S 1"), QStringLiteral("CJ1 10 B M 2"), QStringLiteral("CJ1 12 R M 4") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_thsp"), QStringLiteral("tid<>id")), 0);
    EXPECT_EQ(w->Q_Thsp.RecordCount(), 3);

    const QString number = w->jsn->text();
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select j_th,j_dhdid from jxc_jhd where gl_djh='CJ1'")),
        QStringList { QStringLiteral("1 ") + number });
}

TEST_F(CgthEntryTest, WholeReturnChosenInTheQueryFillsTheWindow)
{
    GoodsIn(QStringLiteral("CJ1"));
    Sql(QStringLiteral("update jxc_jhd set j_yfje=52,j_sfje=50"));
    prompt.OnModal(QStringLiteral("TF_Jthcx"), [](QDialog* d) {
        auto* q = static_cast<TF_Jthcx*>(d);
        EXPECT_EQ(OpenMode, QStringLiteral("cgth"));
        q->btnSearchClick();
        q->btnZdthClick();
        return 0;
    });
    w->btnZdthClick();
    EXPECT_TRUE(OpenMode.isEmpty());
    EXPECT_EQ(w->wholeReturnOf, QStringLiteral("CJ1"));
    EXPECT_EQ(w->tsfje->text(), QStringLiteral("50"));
    EXPECT_EQ(CopiedRows().size(), 3);

    // With lines the choice is refused; Cancel on closing keeps the goods-in with the
    // draft, No discards both.
    prompt.Clear();
    w->btnZdthClick();
    EXPECT_EQ(prompt.Messages(), QStringList { T("请先保存本次的退货单据！") });
    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_FALSE(w->FormCloseQuery());
    EXPECT_EQ(w->wholeReturnOf, QStringLiteral("CJ1"));
    prompt.Answer(Prompt::Answer::No);
    EXPECT_TRUE(w->FormCloseQuery());
    EXPECT_TRUE(w->wholeReturnOf.isEmpty());
    EXPECT_EQ(Count(QStringLiteral("jxc_thsp")), 0);
}

TEST_F(CgthEntryTest, WholeReturnIsRefusedWhileTheQueryIsShown)
{
    TF_Jthcx query;
    query.show();
    w->btnZdthClick();
    EXPECT_EQ(prompt.Messages(), QStringList { T("“进退货查询”已经打开，请先关闭“采购退货”窗口再选择退货单据！") });
    query.hide();
}

TEST_F(CgthEntryTest, DeletingTheLastRowFreesSupplierAndWarehouse)
{
    Line(10, { 1 });
    EXPECT_TRUE(w->btnDel->isVisibleTo(w.get()));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_thsp")), 0);
    EXPECT_FALSE(w->btnDel->isVisibleTo(w.get()));
    EXPECT_TRUE(w->comCk->isEnabled());
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("0"));
}

} // namespace
