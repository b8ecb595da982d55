#include "warehousetest.h"

#include "platform/grid/matrixgrid.h"
#include "warehouse/stocksele.h"

#include <QLineEdit>
#include <memory>

namespace {

// The colour-by-size dialogs opened against a stand-in document window. Goods G1:
// column 1 is 小码 (S), row 1 红 (R); the main warehouse holds red S 10, blue M 10.
class StockSeleTest : public WarehouseTest {
protected:
    void TearDown() override
    {
        d.reset();
        Sql(QStringLiteral("delete from jxc_tempspxf"));
        WarehouseTest::TearDown();
    }
    template <class T> T& Open(const QString& mode, const QString& tag, const QString& goods = QStringLiteral("G1"))
    {
        OpenMode = mode;
        SelectedSn = goods;
        ActiveDocKind = tag;
        d = std::make_unique<T>();
        d->Activate();
        return static_cast<T&>(*d);
    }
    void Type(int col, int row, const QString& text) { d->StringGridIn->CommitEdit(col, row, text); }
    // Confirms; answers the refusal shown, empty when it wrote.
    QString Confirm()
    {
        prompt.Clear();
        d->btnOKClick();
        return prompt.Messages().isEmpty() ? QString() : prompt.LastMessage();
    }
    void OpenPicks()
    {
        Query& q = F_DataModule->Q(BrowserLinesDataset());
        q.Close();
        q.SetSQL(QStringLiteral("select * from jxc_tempspxf order by id"));
        q.Open();
    }
    std::unique_ptr<StockSele> d;
};

TEST_F(StockSeleTest, TheTransferCellCheckComparesWithTheSummedStock)
{
    FakeHost host(QStringLiteral("DB"));
    // Red S lies in two batch rows: the stock is their sum.
    Sql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values ('G1','100001','S','R',3)"));
    Sql(QStringLiteral("update jxc_tkc set t_sl=-2 where g_sn='G1' and ck_sn='100001' and color_sn='B'"));
    struct Case {
        int col, row;
        const char* qty;
        const char* message;
    };
    const Case cases[] = {
        { 1, 1, "13", "" },
        { 1, 1, "14", "调拨数量不能大于库存数量，重新输入！" },
        { 2, 1, "1", "库存为0不能调拨，重新输入！" },
        { 2, 2, "1", "调拨数量不能大于库存数量，重新输入！" }, // negative stock
        { 1, 1, "", "数量不能为0或负数，重新输入！" },
        { 1, 1, "0", "数量不能为0或负数，重新输入！" },
    };
    for (const Case& c : cases) {
        auto& s = Open<TF_Kcdb_Sele>(QStringLiteral("kcdb_add"), QStringLiteral("kcdb"));
        EXPECT_EQ(s.StringGridKc->Cell(1, 1), QStringLiteral("13"));
        Type(c.col, c.row, QLatin1String(c.qty));
        EXPECT_EQ(Confirm(), U8(c.message)) << c.col << c.row << c.qty;
    }
    EXPECT_EQ(Rows(QStringLiteral("select ts_sl from jxc_tempspxf")), QStringList { QStringLiteral("13") });
    EXPECT_EQ(Rows(QStringLiteral("select cm_sn,color_sn,t_sl from jxc_tempspxfmx")),
        QStringList { QStringLiteral("S R 13") });
}

TEST_F(StockSeleTest, OfSeveralOffendingRowsTheLastIsReported)
{
    fixture::AddGoods({ QStringLiteral("G5"), QStringLiteral("five"),
        { QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C3"), QStringLiteral("C4"),
            QStringLiteral("C5") },
        { QStringLiteral("Z") } });
    Sql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values ('G5','100001','Z','C1',5),"
                       "('G5','100001','Z','C5',1)"));
    FakeHost host(QStringLiteral("DB"));
    auto& s = Open<TF_Kcdb_Sele>(QStringLiteral("kcdb_add"), QStringLiteral("kcdb"), QStringLiteral("G5"));
    Type(1, 1, QStringLiteral("1"));
    Type(1, 2, QStringLiteral("1"));
    Type(1, 5, QStringLiteral("2"));
    EXPECT_EQ(Confirm(), U8("调拨数量不能大于库存数量，重新输入！"));
    EXPECT_EQ(s.StringGridIn->currentRow(), 5);
    EXPECT_EQ(Count(QStringLiteral("jxc_tempspxf")), 0);
}

TEST_F(StockSeleTest, TransferAmountsFollowThePriceModeAndTheRounding)
{
    FakeHost host(QStringLiteral("DB"));
    struct Case {
        const char* mode;
        const char* round;
        int decimals;
        const char* line; // db_sl db_dj db_sj db_zje
    };
    const Case cases[] = {
        { "0", "1", 0, "3 1.5 30 5" },
        { "0", "0", 0, "3 1.5 30 4.5" },
        { "1", "0", 2, "3 1.5 30 90" },
    };
    for (const Case& c : cases) {
        const qint64 id
            = TransferLine(host.number, QStringLiteral("admin"), QStringLiteral("G1"), 10, { { "R", "S", 1 } });
        host.draftLine = id;
        TransferPriceMode = QLatin1String(c.mode);
        RoundTotals = QLatin1String(c.round);
        TotalDecimals = QString::number(c.decimals);
        auto& s = Open<TF_Kcdb_Sele>(QStringLiteral("kcdb"), QStringLiteral("kcdb"));
        EXPECT_EQ(s.StringGridIn->Cell(1, 1), QStringLiteral("1"));
        s.tgpjjj->setText(QStringLiteral("1.5"));
        Type(1, 1, QStringLiteral("2"));
        Type(2, 2, QStringLiteral("1"));
        EXPECT_EQ(Confirm(), QString());
        EXPECT_EQ(Rows(QStringLiteral("select db_sl,db_dj,db_sj,db_zje from jxc_dbsp where id=%1").arg(id)),
            QStringList { QLatin1String(c.line) })
            << c.mode << c.round;
        EXPECT_EQ(Rows(QStringLiteral("select t_sl from jxc_dbspmx where tid=%1 order by id").arg(id)),
            (QStringList { QStringLiteral("2"), QStringLiteral("1") }));
        EXPECT_GT(host.draftReloads, 0);
    }
}

TEST_F(StockSeleTest, APendingLineTakesTheModifyingOperator)
{
    FakeHost host(QStringLiteral("DB"));
    PendingTransfer(QStringLiteral("DB24050910001"));
    host.pending = { { QStringLiteral("gl_djh"), QStringLiteral("DB24050910001") },
        { QStringLiteral("ck_out"), QStringLiteral("100001") },
        { QStringLiteral("db_dbrq"), QStringLiteral("2024-05-09") } };
    host.pendingLine = TransferLine(
        QStringLiteral("DB24050910001"), QStringLiteral("op2"), QStringLiteral("G1"), 10, { { "R", "S", 1 } });
    Open<TF_Kcdb_Sele>(QStringLiteral("modish"), QStringLiteral("kcdbsh"));
    Type(2, 2, QStringLiteral("4"));
    EXPECT_EQ(Confirm(), QString());
    EXPECT_EQ(Rows(QStringLiteral("select a_name,db_sl from jxc_dbsp")), QStringList { QStringLiteral("admin 5") });
    EXPECT_EQ(Count(QStringLiteral("jxc_dbspmx"), QStringLiteral("gl_djh='DB24050910001' and a_name='admin'")), 2);
    EXPECT_EQ(host.pendingReloads, 1);
}

TEST_F(StockSeleTest, LossLinesValueTheStoredPriceAtTheTotalDecimals)
{
    FakeHost host(QStringLiteral("BS"));
    Sql(QStringLiteral("insert into jxc_bssp (gl_djh,g_sn,bs_sl,bs_dj,bs_zje,a_name) values "
                       "('BS24051010001','G1',1,3.333,3.333,'admin')"));
    host.draftLine = qint64(Number(QStringLiteral("select max(id) from jxc_bssp")));
    RoundTotals = QStringLiteral("0");
    auto& s = Open<TF_Bsby_Sele>(QStringLiteral("bsby"), QStringLiteral("bsby"));
    EXPECT_TRUE(s.tgpjjj->isHidden());
    Type(1, 1, QStringLiteral("3"));
    s.tnote->setText(QStringLiteral("wet"));
    EXPECT_EQ(Confirm(), QString());
    EXPECT_EQ(
        Rows(QStringLiteral("select bs_sl,bs_zje,bs_note from jxc_bssp")), QStringList { QStringLiteral("3 10 wet") });

    // A pending overflow line goes to the overflow tables whatever the entry type shows.
    host.pending = { { QStringLiteral("gl_djh"), QStringLiteral("BY24050910001") },
        { QStringLiteral("ck_sn"), QStringLiteral("100001") } };
    Sql(QStringLiteral("insert into jxc_bysp (gl_djh,g_sn,by_sl,by_dj,by_zje,a_name) values "
                       "('BY24050910001','G1',1,2,2,'op2')"));
    host.pendingLine = qint64(Number(QStringLiteral("select max(id) from jxc_bysp")));
    Sql(QStringLiteral("update jxc_bysp set tid=id"));
    Open<TF_Bsby_Sele>(QStringLiteral("bsby_sh"), QStringLiteral("bsby_sh"));
    EXPECT_EQ(d->windowTitle().left(10), U8("商品信息(商品报溢)"));
    Type(2, 2, QStringLiteral("2"));
    EXPECT_EQ(Confirm(), QString());
    EXPECT_EQ(
        Rows(QStringLiteral("select by_sl,by_zje,a_name from jxc_bysp")), QStringList { QStringLiteral("2 4 admin") });
    EXPECT_EQ(
        Rows(QStringLiteral("select cm_sn,color_sn,t_sl from jxc_byspmx")), QStringList { QStringLiteral("M B 2") });
    EXPECT_EQ(Count(QStringLiteral("jxc_bsspmx")), 1);
}

TEST_F(StockSeleTest, ANewCountOpensAtTheBookStock)
{
    FakeHost host(QStringLiteral("PD"));
    auto& s = Open<TF_Kcpd_Sele>(QStringLiteral("kcpd_add"), QStringLiteral("kcpd"));
    EXPECT_EQ(s.tsl->text(), QStringLiteral("20"));
    EXPECT_EQ(s.StringGridIn->Cell(1, 1), QStringLiteral("10"));
    EXPECT_EQ(Confirm(), QString());
    EXPECT_EQ(
        Rows(QStringLiteral("select ts_sl,ts_dj,ts_zje from jxc_tempspxf")), QStringList { QStringLiteral("20 20 0") });
    EXPECT_EQ(Rows(QStringLiteral("select cm_sn,color_sn,t_sl,t_oldsl from jxc_tempspxfmx order by id")),
        (QStringList { QStringLiteral("S R 10 10"), QStringLiteral("M B 10 10") }));

    // A count confirmed on a line replaces that line's rows only.
    Sql(QStringLiteral("insert into jxc_kcpdsp (gl_djh,g_sn,pd_sl,kc_sl,a_name) values ('PD1','G1',20,20,'admin'),"
                       "('PD1','G1',1,1,'admin')"));
    Sql(QStringLiteral("update jxc_kcpdsp set tid=id"));
    const qint64 first = qint64(Number(QStringLiteral("select min(id) from jxc_kcpdsp")));
    Sql(QStringLiteral("insert into jxc_kcpdspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                       "('PD1','G1','S','R',1,'admin',%1)")
            .arg(first + 1));
    host.draftLine = first;
    Open<TF_Kcpd_Sele>(QStringLiteral("kcpd"), QStringLiteral("kcpd"));
    Type(1, 1, QStringLiteral("8"));
    EXPECT_EQ(Confirm(), QString());
    EXPECT_EQ(Rows(QStringLiteral("select tid,t_sl,coalesce(t_oldsl,0) from jxc_kcpdspmx order by id")),
        (QStringList { QStringLiteral("%1 1 0").arg(first + 1), QStringLiteral("%1 8 10").arg(first) }));
    EXPECT_EQ(Rows(QStringLiteral("select pd_sl,pd_zje from jxc_kcpdsp where id=%1").arg(first)),
        QStringList { QStringLiteral("8 -120") });
}

TEST_F(StockSeleTest, AReturnStaysWithinTheRequisition)
{
    FakeHost host(QStringLiteral("LT"));
    Sql(QStringLiteral("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,ly_hhsl,ly_qxsl,ly_dj,a_name) values "
                       "('LY0','G1',5,1,0,10,'admin')"));
    const qint64 source = qint64(Number(QStringLiteral("select max(id) from jxc_bmlysp")));
    Sql(QStringLiteral("update jxc_bmlysp set tid=id"));
    Sql(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                       "('LY0','G1','S','R',3,'admin',%1),('LY0','G1','M','B',2,'admin',%1)")
            .arg(source));
    struct Case {
        QList<std::tuple<int, int, const char*>> cells;
        const char* message;
    };
    const Case cases[] = {
        { { { 1, 1, "3" }, { 2, 2, "2" } }, "退回数量不能大于剩余数量！" },
        { { { 2, 1, "1" } }, "只能退回领用的尺码颜色，重新输入！" },
        { { { 2, 2, "3" } }, "数量不能大于领用数量，重新输入！" },
        { { { 1, 1, "3" }, { 2, 2, "1" } }, "" },
    };
    for (const Case& c : cases) {
        auto& s = Open<TF_Bmth_Sele>(QStringLiteral("bmly_add"), QStringLiteral("bmth"), QString::number(source));
        EXPECT_EQ(s.gkc->text(), QStringLiteral("5"));
        for (const auto& [col, row, qty] : c.cells)
            Type(col, row, QLatin1String(qty));
        EXPECT_EQ(Confirm(), U8(c.message));
    }
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,ts_sl,ghs_sn,t_zp from jxc_tempspxf")),
        QStringList { QStringLiteral("G1 4 %1 LY0").arg(source) });
}

TEST_F(StockSeleTest, ABrowserLineIsChangedInPlace)
{
    FakeHost host(QStringLiteral("DB"));
    Open<TF_Kcdb_Sele>(QStringLiteral("kcdb_add"), QStringLiteral("kcdb"));
    Type(1, 1, QStringLiteral("2"));
    ASSERT_EQ(Confirm(), QString());
    OpenPicks();
    auto& s = Open<TF_Kcdb_Sele>(QStringLiteral("kcdb_modi"), QStringLiteral("kcdb"));
    EXPECT_EQ(s.tsl->text(), QStringLiteral("2"));
    EXPECT_EQ(s.StringGridIn->Cell(1, 1), QStringLiteral("2"));
    Type(1, 1, QString());
    Type(2, 2, QStringLiteral("3"));
    ASSERT_EQ(Confirm(), QString());
    EXPECT_EQ(Rows(QStringLiteral("select ts_sl from jxc_tempspxf")), QStringList { QStringLiteral("3") });
    EXPECT_EQ(Rows(QStringLiteral("select color_sn,t_sl from jxc_tempspxfmx")), QStringList { QStringLiteral("B 3") });
}

} // namespace
