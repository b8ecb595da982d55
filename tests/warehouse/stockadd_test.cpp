#include "warehousetest.h"

#include "platform/grid/datagrid.h"
#include "platform/grid/matrixgrid.h"
#include "warehouse/stockadd.h"
#include "warehouse/stocksele.h"

#include <QLineEdit>
#include <memory>

namespace {

// The catalogue browsers against a stand-in document window; the entry dialogs
// they open are answered by typing cells and confirming.
class StockAddTest : public WarehouseTest {
protected:
    void TearDown() override
    {
        b.reset();
        WarehouseTest::TearDown();
    }
    template <class T> T& Open(const QString& tag)
    {
        ActiveDocKind = tag;
        b = std::make_unique<T>();
        b->Activate();
        return static_cast<T&>(*b);
    }
    // The next entry dialog gets these cells and is confirmed.
    void Enter(const QList<std::tuple<int, int, const char*>>& cells)
    {
        prompt.OnModal(QString(), [cells](QDialog* d) {
            auto* s = static_cast<StockSele*>(d);
            for (const auto& [col, row, qty] : cells)
                s->StringGridIn->CommitEdit(col, row, QLatin1String(qty));
            s->btnOKClick();
            return 1;
        });
    }
    // Picks the goods of the catalogue row.
    void PickRow(const QString& goods)
    {
        DataGrid* g = b->cxGridView;
        for (int r = 0; r < g->RowCount(); ++r)
            if (g->Value(r, QStringLiteral("g_sn")).toString() == goods)
                g->SetCurrentRow(r);
        b->btnSeleClick();
    }
    std::unique_ptr<StockAdd> b;
};

TEST_F(StockAddTest, PicksAreChangedDroppedAndCopiedIntoTheDraft)
{
    FakeHost host(QStringLiteral("DB"));
    // Another operator holds a line under the draft number.
    TransferLine(host.number, QStringLiteral("op2"), QStringLiteral("G2"), 30, { { "100001", "100001", 1 } });
    auto& a = Open<TF_Kcdb_Add>(QStringLiteral("kcdb"));
    EXPECT_EQ(a.cxGridView->RowCount(), 2);
    Enter({ { 1, 1, "2" } });
    PickRow(QStringLiteral("G1"));
    Enter({ { 1, 1, "1" } });
    PickRow(QStringLiteral("G2"));
    ASSERT_EQ(a.cxGrid1View->RowCount(), 2);
    // Change the first pick, drop the second.
    a.cxGrid1View->SetCurrentRow(0);
    Enter({ { 2, 2, "3" } });
    a.btnModiClick();
    a.cxGrid1View->SetCurrentRow(1);
    prompt.Answer(Prompt::Answer::Yes);
    a.btnDelClick();
    ASSERT_EQ(a.cxGrid1View->RowCount(), 1);

    a.btnOKClick();
    EXPECT_NE(host.number, QStringLiteral("DB24051010001"));
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,db_sl,a_name from jxc_dbsp where gl_djh='%1'").arg(host.number)),
        QStringList { QStringLiteral("G1 5 admin") });
    EXPECT_EQ(Rows(QStringLiteral("select b.color_sn,b.t_sl from jxc_dbsp a,jxc_dbspmx b where b.tid=a.id and "
                                  "a.tid=a.id and a.gl_djh='%1' order by b.id")
                       .arg(host.number)),
        (QStringList { QStringLiteral("R 2"), QStringLiteral("B 3") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_dbsp"), QStringLiteral("gl_djh='DB24051010001' and a_name='op2'")), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_tempspxf")), 0);
    EXPECT_EQ(host.draftReloads, 1);
}

TEST_F(StockAddTest, APendingDocumentReceivesLinesOfTheCurrentOperator)
{
    FakeHost host(QStringLiteral("DB"));
    PendingTransfer(QStringLiteral("DB24050910001"));
    TransferLine(QStringLiteral("DB24050910001"), QStringLiteral("op2"), QStringLiteral("G1"), 10, { { "R", "S", 1 } });
    host.pending = { { QStringLiteral("gl_djh"), QStringLiteral("DB24050910001") },
        { QStringLiteral("ck_out"), QStringLiteral("100001") } };
    auto& a = Open<TF_Kcdb_Add>(QStringLiteral("kcdbsh"));
    Enter({ { 2, 2, "1" } });
    PickRow(QStringLiteral("G1"));
    a.btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select a_name,db_sl from jxc_dbsp where gl_djh='DB24050910001' order by id")),
        (QStringList { QStringLiteral("op2 1"), QStringLiteral("admin 1") }));
    EXPECT_EQ(host.pendingReloads, 1);
}

TEST_F(StockAddTest, AnEmptyOkClosesTheTransferButNotTheStockTake)
{
    FakeHost transfer(QStringLiteral("DB"));
    auto& a = Open<TF_Kcdb_Add>(QStringLiteral("kcdb"));
    a.btnOKClick();
    EXPECT_EQ(a.result(), int(QDialog::Accepted));
    EXPECT_EQ(transfer.draftReloads, 1);

    FakeHost take(QStringLiteral("PD"));
    auto& p = Open<TF_Kcpd_Add>(QStringLiteral("kcpd"));
    p.btnOKClick();
    EXPECT_NE(p.result(), int(QDialog::Accepted));
    EXPECT_EQ(take.draftReloads, 0);
}

TEST_F(StockAddTest, AStockTakeCountsAGoodsOnce)
{
    FakeHost host(QStringLiteral("PD"));
    Sql(QStringLiteral("insert into jxc_kcpdsp (gl_djh,g_sn,pd_sl,kc_sl,a_name) values ('%1','G2',9,10,'admin')")
            .arg(host.number));
    auto& a = Open<TF_Kcpd_Add>(QStringLiteral("kcpd"));
    Enter({});
    PickRow(QStringLiteral("G1"));
    PickRow(QStringLiteral("G1"));
    EXPECT_EQ(prompt.LastMessage(), U8("该商品已加入，不能重复加入！"));
    Enter({});
    PickRow(QStringLiteral("G2"));
    ASSERT_EQ(a.cxGrid1View->RowCount(), 2);
    a.btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,pd_sl,kc_sl from jxc_kcpdsp order by id")),
        (QStringList { QStringLiteral("G2 9 10"), QStringLiteral("G1 20 20") }));
    EXPECT_EQ(Rows(QStringLiteral("select color_sn,t_sl,t_oldsl from jxc_kcpdspmx order by id")),
        (QStringList { QStringLiteral("R 10 10"), QStringLiteral("B 10 10") }));
}

TEST_F(StockAddTest, AWholeReturnCopiesTheOpenLinesOnly)
{
    FakeHost host(QStringLiteral("LT"));
    host.number = QStringLiteral("LT24051010001");
    CurrentDeptSn = QStringLiteral("D1");
    Sql(QStringLiteral("insert into jxc_bmlyd (gl_djh,ck_sn,de_sn,ly_rq,ly_status,ly_flag,u_sn,a_name) values "
                       "('LY0','100001','D1','2024-05-01 09:00',1,1,'100001','admin')"));
    Sql(QStringLiteral("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,ly_hhsl,ly_qxsl,ly_dj,a_name) values "
                       "('LY0','G1',5,5,0,10,'admin'),('LY0','G2',3,1,0,30,'admin')"));
    Sql(QStringLiteral("update jxc_bmlysp set tid=id,id2=id"));
    Sql(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select gl_djh,g_sn,"
                       "'100001','100001',ly_sl,a_name,id from jxc_bmlysp"));
    auto& a = Open<TF_Bmth_Add>(QStringLiteral("bmth"));
    ASSERT_EQ(a.cxGridView->RowCount(), 1);
    a.btnZdrkClick();
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,ly_sl,ly_zje,ly_flag,gl_djh2 from jxc_bmlysp where gl_djh='%1'")
                       .arg(host.number)),
        QStringList { QStringLiteral("G2 3 90 -1 LY0") });
    EXPECT_EQ(Count(QStringLiteral("jxc_bmlyspmx"),
                  QStringLiteral("gl_djh='%1' and tid=(select id from jxc_bmlysp where gl_djh='%1')").arg(host.number)),
        1);
    CurrentDeptSn.clear();
}

TEST_F(StockAddTest, TheSearchKeyIsUpperCasedAndSortingRequeries)
{
    FakeHost host(QStringLiteral("DB"));
    Sql(QStringLiteral("update jxc_goods set g_jm='CSX' where g_sn='G1'"));
    auto& a = Open<TF_Kcdb_Add>(QStringLiteral("kcdb"));
    a.tkey->setText(QStringLiteral("csx"));
    a.hcjSx();
    ASSERT_EQ(a.cxGridView->RowCount(), 1);
    EXPECT_EQ(a.cxGridView->Value(0, QStringLiteral("g_sn")).toString(), QStringLiteral("G1"));
    a.tkey->setText(QStringLiteral("   "));
    a.hcjSx();
    EXPECT_EQ(a.cxGridView->RowCount(), 2);
    a.cxGridSortChange(a.cxGridView, a.cxGridView->ColumnByField(QStringLiteral("g_sn")), Qt::DescendingOrder);
    EXPECT_TRUE(a.Q_Goods.SQL().endsWith(QStringLiteral("order by a.g_sn desc")));
    EXPECT_EQ(a.Q_Goods.AsString(QStringLiteral("g_sn")), QStringLiteral("G2"));
}

} // namespace
