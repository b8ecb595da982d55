#include "cgjhtest.h"

#include "documents/docwindow.h"
#include "platform/grid/matrixgrid.h"
#include "purchasing/cgjhsele.h"

namespace {

// The purchase-return line dialog on goods G1 (rows 红, 蓝; columns 小码, 中码)
// and G5 (five colours, one size), with a return window stand-in on warehouse W1.
class ReturnSeleTest : public CgjhTest {
protected:
    void SetUp() override
    {
        CgjhTest::SetUp();
        fixture::AddWarehouse(QStringLiteral("W1"), U8("一号库"));
        fixture::AddGoods({ QStringLiteral("G5"), U8("袜子"),
            { QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C3"), QStringLiteral("C4"),
                QStringLiteral("C5") },
            { QStringLiteral("F") }, 5, 5 });
        host = { [] { return QStringLiteral("CT-20240510-0001"); }, [](const QString&) {},
            [] { return QStringLiteral("2024-05-10"); }, [] { return QStringLiteral("W1"); }, [] {}, [] {} };
        SetDocHost(QStringLiteral("CT"), &host);
        AllowZeroStockOut = QStringLiteral("0");
        DefaultTaxRate = QStringLiteral("13");
        F_DataModule->Q(QStringLiteral("Q_Tempspxf")).SetSQL(QStringLiteral("select * from jxc_tempspxf order by id"));
        F_DataModule->Q(QStringLiteral("Q_Tempspxf")).Open();
    }
    void TearDown() override
    {
        SetDocHost(QStringLiteral("CT"), nullptr);
        d.reset();
        OpenMode.clear();
        SelectedSn.clear();
        CgjhTest::TearDown();
    }
    TF_Cgth_Sele& Open(const QString& mode, const QString& goods = QStringLiteral("G1"))
    {
        OpenMode = mode;
        SelectedSn = goods;
        ActiveDocKind = QStringLiteral("cgth");
        d = std::make_unique<TF_Cgth_Sele>();
        d->Activate();
        return *d;
    }
    void Stock(const QString& goods, const QString& color, const QString& size, double qty)
    {
        Sql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values ('%1','W1','%2','%3',%4)")
                .arg(goods, size, color)
                .arg(qty));
    }
    double Picked() { return Number(QStringLiteral("select count(*) from jxc_tempspxf")); }
    DocHost host;
    std::unique_ptr<TF_Cgth_Sele> d;
};

TEST_F(ReturnSeleTest, ReturnedQuantitiesStayWithinTheWarehouseStock)
{
    Stock(QStringLiteral("G1"), QStringLiteral("R"), QStringLiteral("S"), 2);
    auto& s = Open(QStringLiteral("cgth_add"));
    EXPECT_EQ(s.gkc->text(), QStringLiteral("2"));
    s.StringGridIn->CommitEdit(1, 1, QStringLiteral("3"));
    s.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("退货数量不能大于库存数量，重新输入！"));
    EXPECT_EQ(Picked(), 0);
    s.StringGridIn->CommitEdit(1, 1, QStringLiteral("2"));
    s.btnOKClick();
    EXPECT_EQ(Picked(), 1);
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tempspxfmx")), 2);
}

TEST_F(ReturnSeleTest, TheFirstFailingCellIsReportedAndSelected)
{
    Stock(QStringLiteral("G5"), QStringLiteral("C2"), QStringLiteral("F"), 1);
    auto& s = Open(QStringLiteral("cgth_add"), QStringLiteral("G5"));
    s.StringGridIn->CommitEdit(1, 5, QStringLiteral("1")); // no stock at all
    s.StringGridIn->CommitEdit(1, 2, QStringLiteral("4")); // above the stock of 1
    s.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("退货数量不能大于库存数量，重新输入！"));
    EXPECT_EQ(s.StringGridIn->currentRow(), 2);
    s.StringGridIn->CommitEdit(1, 2, QStringLiteral("1"));
    s.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("库存为0不允许退货，重新输入！"));
    EXPECT_EQ(s.StringGridIn->currentRow(), 5);
    EXPECT_EQ(Picked(), 0);
    AllowZeroStockOut = QStringLiteral("1");
    s.btnOKClick();
    EXPECT_EQ(Picked(), 1);
}

TEST_F(ReturnSeleTest, TheStockCursorShowsOnlyOnceAnEntryCellIsSelected)
{
    Stock(QStringLiteral("G1"), QStringLiteral("R"), QStringLiteral("S"), 2);
    auto& s = Open(QStringLiteral("cgth_add"));
    MatrixGrid& kc = *s.StringGridKc;
    const QColor selection = kc.palette().color(QPalette::Highlight);
    ASSERT_TRUE(kc.IsCurrent(1, 1));
    EXPECT_EQ(kc.item(1, 1)->background().color(), QColor(248, 182, 81)) << "drawn like every stocked cell";
    s.StringGridIn->setCurrentCell(1, 1);
    EXPECT_EQ(kc.item(1, 1)->background().color(), selection);
}

TEST_F(ReturnSeleTest, NoQuantity)
{
    Open(QStringLiteral("cgth_add")).btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("数量必须大于0，重新输入！"));
    EXPECT_EQ(Picked(), 0);
}

TEST_F(ReturnSeleTest, TotalsOfADraftLineAndOfAPickedLine)
{
    AllowZeroStockOut = QStringLiteral("1");
    Query& thsp = F_DataModule->Q(QStringLiteral("Q_Thsp"));
    for (const char* round : { "0", "1" }) {
        RoundTotals = QLatin1String(round);
        Sql(QStringLiteral("delete from jxc_thsp"));
        Sql(QStringLiteral("delete from jxc_thspmx"));
        Sql(QStringLiteral("delete from jxc_tempspxf"));
        Sql(QStringLiteral("insert into jxc_thsp (gl_djh,g_sn,a_name,th_sl,th_dj,th_tax,th_dzl) "
                           "values ('CT-20240510-0001','G1','admin',1,9.99,13,1)"));
        thsp.SetSQL(QStringLiteral("select * from jxc_thsp"));
        thsp.Open();
        for (const char* mode : { "cgth", "cgth_add" }) {
            auto& s = Open(QLatin1String(mode));
            s.tgpjjj->setText(QStringLiteral("9.99"));
            s.tgpjjjChange();
            s.StringGridIn->CommitEdit(1, 1, QStringLiteral("2"));
            EXPECT_NEAR(s.ttaxdj->Value(), 11.2887, 1e-9);
            s.btnOKClick();
        }
        const double draft = Number(QStringLiteral("select th_zje from jxc_thsp"));
        EXPECT_NEAR(draft, *round == '1' ? 22.58 : 22.5774, 1e-9) << round;
        EXPECT_NEAR(Number(QStringLiteral("select ts_zje from jxc_tempspxf")), 22.58, 1e-9) << round;
        EXPECT_NEAR(Number(QStringLiteral("select th_taxdj from jxc_thsp")), 11.29, 1e-9);
        EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_thspmx where gl_djh='CT-20240510-0001'")), 1);
    }

    auto& s = Open(QStringLiteral("cgth_add"));
    s.ttaxdj->setText(QStringLiteral("11.3"));
    s.ttaxdjPropertiesChange();
    EXPECT_DOUBLE_EQ(s.tgpjjj->Value(), 10);
}

} // namespace
