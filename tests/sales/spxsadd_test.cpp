#include "spxstest.h"

#include "foundation/functionwindows.h"
#include "platform/grid/datagrid.h"
#include "sales/spxsadd.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QTabWidget>

namespace {

// The goods browser over the delivery under entry: G1 (stock 4 in the default
// warehouse) and G2 "AB" goods without stock rows.
class BrowserTest : public SpxsTest {
protected:
    void SetUp() override
    {
        SpxsTest::SetUp();
        fixture::GoodsSpec g2 { QStringLiteral("G2"), U8("长裙"), { U8("R:红") }, { U8("S:小码") }, 60, 60 };
        g2.salePrice = 150;
        fixture::AddGoods(g2);
        Sql(QStringLiteral("update jxc_goods set g_jm='XAB' where g_sn='G2'"));
        StockRow();
        fixture::AddWarehouse(QStringLiteral("W2"), U8("空仓"));
        EnterStartsSearch = QStringLiteral("0");
        ActiveDocKind = QStringLiteral("spxs");
        // The quantity picker, standing in: the tests script what it writes.
        FunctionWindows::Register<Form>(QStringLiteral("TF_Spxs_Sele"));
        b = std::make_unique<TF_Spxs_Add>();
        b->Activate();
    }
    void TearDown() override
    {
        b.reset();
        FunctionWindows::Unregister(QStringLiteral("TF_Spxs_Sele"));
        SpxsTest::TearDown();
    }
    QStringList Shown(DataGrid* grid)
    {
        QStringList codes;
        for (int r = 0; r < grid->RowCount(); ++r)
            codes << grid->Value(r, QStringLiteral("g_sn")).toString();
        return codes;
    }
    // A scratch line as the colour-by-size picker leaves it, with one red S row.
    void Picked(const QString& goods, double qty, double rate = 1)
    {
        Sql(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_je,ts_dzl,ts_cbj,ts_zcb,t_zp,a_name) "
                           "values ('%1',100,%2,%3,%3,%4,40,%5,'','%6')")
                .arg(goods)
                .arg(qty)
                .arg(qty * 100)
                .arg(rate)
                .arg(qty * 40)
                .arg(CurrentAdminName));
        const QString id = Scalar(QStringLiteral("select max(id) from jxc_tempspxf"));
        Sql(QStringLiteral("insert into jxc_tempspxfmx (g_sn,color_sn,cm_sn,t_sl,a_name,tid) values ('%1','R','S',%2,"
                           "'%3',%4)")
                .arg(goods)
                .arg(qty)
                .arg(CurrentAdminName, id));
        b->Q_Tempspxf.Requery();
    }
    std::unique_ptr<TF_Spxs_Add> b;
};

TEST_F(BrowserTest, TheListFollowsZeroStockSalesTheWarehouseBoxAndTheCustomerBox)
{
    EXPECT_EQ(Shown(b->cxGridView), QStringList { QStringLiteral("G1") });
    EXPECT_TRUE(b->chkCk->isHidden());

    struct Case {
        const char* zeroStock;
        bool warehouseBox;
        QStringList listed;
    };
    // A warehouse without stock rows.
    const Case cases[]
        = { { "0", false, {} }, { "1", false, { QStringLiteral("G1"), QStringLiteral("G2") } }, { "1", true, {} } };
    for (const Case& c : cases) {
        AllowZeroStockOut = QLatin1String(c.zeroStock);
        b->Activate();
        b->BrowseWarehouseSn = QStringLiteral("W2");
        b->chkCk->setChecked(c.warehouseBox);
        b->cxPageChange();
        EXPECT_EQ(Shown(b->cxGridView), c.listed) << c.zeroStock << c.warehouseBox;
        for (int r = 0; r < b->cxGridView->RowCount(); ++r)
            EXPECT_EQ(b->cxGridView->Value(r, QStringLiteral("kc_sl")).toDouble(), 0);
    }

    // Only goods of the customer's approved deliveries; the box acts at the next reload.
    b->chkCk->setChecked(false);
    b->cxPageChange();
    Pending(QStringLiteral("XS1"), QStringLiteral("K1"), { 1 });
    Sql(QStringLiteral("update jxc_lsxssp set g_sn='G2'"));
    b->BrowseCustomerSn = QStringLiteral("K1");
    b->chkKh->setChecked(true);
    EXPECT_EQ(Shown(b->cxGridView).size(), 2);
    b->cxPageChange();
    EXPECT_TRUE(Shown(b->cxGridView).isEmpty());
    Sql(QStringLiteral("update jxc_lsxsd set ls_status=1"));
    b->cxPageChange();
    EXPECT_EQ(Shown(b->cxGridView), QStringList { QStringLiteral("G2") });
}

TEST_F(BrowserTest, TheSearchMatchesUpperCasedAndWaitsForEnterWhenAsked)
{
    AllowZeroStockOut = QStringLiteral("1");
    b->Activate();
    b->tkey->setText(QStringLiteral(" ab "));
    EXPECT_EQ(Shown(b->cxGridView), QStringList { QStringLiteral("G2") });
    b->tkey->clear();
    EXPECT_EQ(Shown(b->cxGridView).size(), 2);

    EnterStartsSearch = QStringLiteral("1");
    b->tkey->setText(QStringLiteral("ab"));
    EXPECT_EQ(Shown(b->cxGridView).size(), 2);
    b->tkeyKeyPress();
    EXPECT_EQ(Shown(b->cxGridView), QStringList { QStringLiteral("G2") });

    // Removing every sort brings the default order back instead of an empty list.
    b->cxGridSortChange(b->cxGridView, b->cxGridView->ColumnByField(QStringLiteral("g_sn")), Qt::DescendingOrder);
    EXPECT_TRUE(b->Q_GoodsXs.SQL().endsWith(QStringLiteral("order by a.g_sn desc")));
    b->cxGridSortChange(b->cxGridView, -1, Qt::AscendingOrder);
    EXPECT_TRUE(b->Q_GoodsXs.Active());
    EXPECT_TRUE(b->Q_GoodsXs.SQL().endsWith(QStringLiteral("order by a.g_xspl desc,a.g_sn")));
}

TEST_F(BrowserTest, ALongListOpensWithOnePageYetCountsSearchesAndSortsEveryGoods)
{
    Sql(QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<250) "
                       "insert into jxc_goods (g_sn,g_name,g_jm) select 'L'||cast(1000+i as varchar(10)),"
                       "'长款'||cast(i as varchar(10)),'CK' from n"));
    AllowZeroStockOut = QStringLiteral("1");
    b->Activate();
    EXPECT_EQ(b->Q_GoodsXs.RecordCount(), 252);
    EXPECT_FALSE(b->Q_GoodsXs.Complete());
    EXPECT_EQ(b->cxGridView->FooterText(1), QStringLiteral("252"));
    EXPECT_EQ(b->cxGridView->Value(251, QStringLiteral("g_sn")).toString(), QStringLiteral("L1250"));

    b->tkey->setText(QStringLiteral("l1249"));
    EXPECT_EQ(Shown(b->cxGridView), QStringList { QStringLiteral("L1249") });
    b->tkey->clear();
    EXPECT_EQ(b->cxGridView->RowCount(), 252);

    b->cxGridSortChange(b->cxGridView, b->cxGridView->ColumnByField(QStringLiteral("g_sn")), Qt::DescendingOrder);
    EXPECT_EQ(b->Q_GoodsXs.RecordCount(), 252);
    EXPECT_EQ(b->cxGridView->Value(0, QStringLiteral("g_sn")).toString(), QStringLiteral("L1250"));
    EXPECT_EQ(b->cxGridView->Value(251, QStringLiteral("g_sn")).toString(), QStringLiteral("G1"));
}

TEST_F(BrowserTest, PickingTwiceAsksAndConfirmingCopiesEveryScratchLineWithItsRows)
{
    // The picker, standing in: one scratch line per confirmed pick.
    const auto picker = [this](QDialog*) {
        EXPECT_EQ(OpenMode, QStringLiteral("spxs_add"));
        Picked(SelectedSn, 2);
        return int(QDialog::Accepted);
    };
    prompt.OnModal(QString(), picker);
    b->btnSeleClick();
    prompt.Answer(Prompt::Answer::No);
    b->btnSeleClick();
    EXPECT_EQ(prompt.Questions().value(0), U8("该商品已添加，需要重复添加吗？"));
    prompt.OnModal(QString(), picker);
    prompt.Answer(Prompt::Answer::Yes);
    b->btnSeleClick();
    EXPECT_TRUE(OpenMode.isEmpty());
    // A line with rate 0 is left out of the picked list but goes into the document.
    Picked(QStringLiteral("G1"), 1, 0);
    EXPECT_EQ(b->Q_Tempspxf.RecordCount(), 2);

    const QString number = No();
    b->btnOKClick();
    const QString where = QStringLiteral("gl_djh='") + number + QStringLiteral("'");
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp"), where), 3);
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp"), where + QStringLiteral(" and tid=id and ls_cksl=ls_sl")), 3);
    EXPECT_EQ(Number(QStringLiteral("select sum(ls_zcb) from jxc_lsxssp where ") + where), 200);
    EXPECT_EQ(
        Count(QStringLiteral("jxc_lsxsspmx"),
            where + QStringLiteral(" and tid in (select id from jxc_lsxssp where ") + where + QStringLiteral(")")),
        3);
    EXPECT_EQ(Count(QStringLiteral("jxc_tempspxf")), 0);
    EXPECT_TRUE(w->EntryHasRows());
}

TEST_F(BrowserTest, AddingToAPendingDocumentKeepsItsLinesAndShipsNothingOnceOneShipsNothing)
{
    Pending(QStringLiteral("XS1"), QStringLiteral("K1"), { 1 });
    Sql(QStringLiteral("update jxc_lsxssp set ls_cksl=0"));
    const QString oldRows = Rows(QStringLiteral("select tid,t_sl from jxc_lsxsspmx")).join(QLatin1Char('|'));
    w->cxPage->setCurrentWidget(w->cxTab2);
    ActiveDocKind = QStringLiteral("spxssh");
    b->Activate();
    EXPECT_EQ(b->BrowseCustomerSn, QStringLiteral("K1"));
    // The scratch line gets the id the old line carries as tid.
    const QString oldTid = Scalar(QStringLiteral("select tid from jxc_lsxssp"));
    Sql(QStringLiteral("delete from jxc_tempspxf"));
    Sql(QStringLiteral("insert into jxc_tempspxf (id,g_sn,ts_dj,ts_sl,ts_zje,ts_dzl,a_name) values (") + oldTid
        + QStringLiteral(",'G1',100,3,300,1,'") + CurrentAdminName + QStringLiteral("')"));
    Sql(QStringLiteral("insert into jxc_tempspxfmx (g_sn,color_sn,cm_sn,t_sl,a_name,tid) values ('G1','B','M',3,'")
        + CurrentAdminName + QStringLiteral("',") + oldTid + QStringLiteral(")"));
    b->Q_Tempspxf.Requery();
    b->btnOKClick();
    ActiveDocKind = QStringLiteral("spxs");
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp"), QStringLiteral("gl_djh='XS1'")), 2);
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp"), QStringLiteral("ls_cksl<>0")), 0);
    EXPECT_EQ(
        Rows(QStringLiteral("select tid,t_sl from jxc_lsxsspmx where tid=") + oldTid).join(QLatin1Char('|')), oldRows);
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsspmx"), QStringLiteral("gl_djh='XS1'")), 2);
}

TEST_F(BrowserTest, TheOrderBrowserWritesOrderLines)
{
    Sql(QStringLiteral("insert into jxc_xsd (gl_djh,kh_sn,ck_sn,ls_status) values ('XD1','K1','") + Warehouse()
        + QStringLiteral("',0)"));
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_Shdj")),
        QStringLiteral("select a.*,b.kh_name from jxc_xsd a,jxc_khxx b where a.kh_sn=b.kh_sn"));
    ActiveDocKind = QStringLiteral("spxssh");
    TF_Spdd_Add order;
    order.Activate();
    Picked(QStringLiteral("G1"), 2);
    order.Q_Tempspxf.Requery();
    order.btnOKClick();
    ActiveDocKind = QStringLiteral("spxs");
    EXPECT_EQ(Count(QStringLiteral("jxc_xssp"), QStringLiteral("gl_djh='XD1' and ls_sl=2 and tid=id")), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_xsspmx"), QStringLiteral("gl_djh='XD1'")), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 0);
}

TEST_F(BrowserTest, TheGiftBrowserOffersGiftsWithStockRowsAndConfirmsFreeLines)
{
    Sql(QStringLiteral("update jxc_goods set g_iszp=1 where g_sn='G2'"));
    fixture::SetWarehouseStock(QStringLiteral("G2"), Warehouse(), 0, 60, 0);
    TF_Spxs_Add2 gifts;
    struct Case {
        const char* zeroStock;
        const char* warehouse;
        QStringList listed;
    };
    const Case cases[] = { { "0", "", {} }, { "1", "", { QStringLiteral("G2") } }, { "1", "W2", {} } };
    for (const Case& c : cases) {
        AllowZeroStockOut = QLatin1String(c.zeroStock);
        gifts.Activate();
        if (*c.warehouse) {
            gifts.BrowseWarehouseSn = QLatin1String(c.warehouse);
            gifts.cxPageChange();
        }
        EXPECT_EQ(Shown(gifts.cxGridView), c.listed) << c.zeroStock << c.warehouse;
    }
    gifts.Activate();
    gifts.tkey->setText(QStringLiteral("xab"));
    EXPECT_EQ(Shown(gifts.cxGridView), QStringList { QStringLiteral("G2") });
    gifts.tkey->setText(QStringLiteral("nothing"));
    EXPECT_TRUE(Shown(gifts.cxGridView).isEmpty());

    // A gift line as the gift picker leaves it.
    Sql(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_je,ts_dzl,ts_cbj,ts_zcb,t_zp,a_name) "
                       "values ('G2',0,2,0,0,1,35.5,71,'(赠品)','")
        + CurrentAdminName + QStringLiteral("')"));
    gifts.Q_Tempspxf.Requery();
    gifts.btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select t_zp,ls_dj,ls_zje,ls_zcb from jxc_lsxssp where g_sn='G2'")),
        QStringList { U8("(赠品) 0 0 71") });
}

TEST(SalesBrowserLayout, ThePickedGroupWidensOnlyPast1300)
{
    EXPECT_EQ(SelectedGoodsWidth(1100), 509);
    EXPECT_EQ(SelectedGoodsWidth(1300), 509);
    EXPECT_EQ(SelectedGoodsWidth(1400), 600);
}

} // namespace
