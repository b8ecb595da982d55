#include "admin/adminwindows.h"
#include "admin/openingstock.h"
#include "admin/qcjz.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/keyedcombo.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

class OpeningStockTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
        LoadSystemSettings();
        ExecSQL("insert into jxc_goodsclass (gc_sn,gc_name) values ('9001','上衣')");
        fixture::AddGoods({ "G1", "衬衫", { "C1:红", "C2:白", "C3:黑" }, { "S1:S", "S2:M", "S3:L", "S4:XL" }, 8 });
        fixture::AddGoods({ "G2", "裤子", { "C1:红" }, { "S1:S" }, 20 });
        fixture::AddGoods({ "G3", "外套", { "C1:红" }, { "S1:S" }, 30 });
        ExecSQL("update jxc_goods set gc_sn='9001'");
        warehouse = Scalar("select ck_sn from jxc_ckxx order by id limit 1");
    }

    // One of each colour and size of G1.
    OpeningStockInput ShirtEach(double qty, double cost)
    {
        OpeningStockInput in { "G1", warehouse, "主仓库", cost, {} };
        for (const QString& c : { "C1", "C2", "C3" })
            for (const QString& s : { "S1", "S2", "S3", "S4" })
                in.cells.append({ c, s, qty });
        return in;
    }

    OpeningStockInput Single(const QString& goods, double qty, double cost)
    {
        return { goods, warehouse, "主仓库", cost, { { "C1", "S1", qty } } };
    }

    // The columns of the rows as text joined by "/", numbers in their shortest form.
    QStringList Rows(const QString& sql)
    {
        QStringList out;
        for (const auto& row : dm->ADOConn.Fetch(sql).rows) {
            QStringList fields;
            for (const QVariant& v : row)
                fields << (v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 15) : v.toString());
            out << fields.join('/');
        }
        return out;
    }
    QString Row(const QString& sql) { return Rows(sql).value(0); }

    QString warehouse;
};

TEST_F(OpeningStockTest, AddingWritesStockLedgerDetailAndTotals)
{
    const QString month = "2024-03";
    ASSERT_EQ(AddOpeningStock(ShirtEach(1, 5)), "");
    EXPECT_EQ(Rows("select kc_sl,kc_zsl,kc_cbj,kc_zcb from jxc_kcsp where g_sn='G1'"), QStringList({ "12/12/5/60" }));
    EXPECT_EQ(Rows("select gl_flag,gl_djh,gl_kdrq,gl_sl,gl_kc,gl_zje,gl_pjjj,"
                   "ghs_name,gl_chkrq from jxc_goodslist where g_sn='G1'"),
        QStringList({ "qc//2019-01-01/12/12/60/5/期初建账/2024-03-05" }));
    EXPECT_EQ(Count("jxc_tkc", "g_sn='G1' and t_sl=1"), 12);
    EXPECT_EQ(Count("jxc_goodslistmx", "g_sn='G1' and gl_flag='qc' and gl_sl=1"), 12);
    EXPECT_EQ(Row("select g_kc,g_jj,g_pjjj from jxc_goods where g_sn='G1'"), "12/5/5");
    EXPECT_EQ(
        Row("select js_sl,js_zje from jxc_kcjs where js_rq='" + month + "' and ck_sn='" + warehouse + "'"), "12/60");

    EXPECT_EQ(AddOpeningStock(ShirtEach(2, 5)), "当前仓库中已存在该商品，不能重复建账！");
    EXPECT_EQ(Scalar("select g_kc from jxc_goods where g_sn='G1'"), "12");
}

TEST_F(OpeningStockTest, ChangingMovesTotalsByTheDifferenceUnlessTheGoodsHasBusiness)
{
    ASSERT_EQ(AddOpeningStock(ShirtEach(1, 5)), "");
    // A synchronisation row has no number: it is no business, and it is rewritten too.
    fixture::AddLedgerRow({ "qc", "", "2023-01-01", "G1", warehouse, 12, 60, 5 });
    OpeningStockInput more = ShirtEach(1, 6);
    more.cells[0].qty = 4;
    ASSERT_EQ(ChangeOpeningStock(more, 12, 5), "");
    EXPECT_EQ(Row("select g_kc,g_jj from jxc_goods where g_sn='G1'"), "15/6");
    EXPECT_EQ(
        Rows("select gl_sl,gl_zje from jxc_goodslist where g_sn='G1' order by id"), QStringList({ "15/90", "15/90" }));
    EXPECT_EQ(Row("select kc_sl,kc_cbj from jxc_kcsp where g_sn='G1'"), "15/6");
    EXPECT_EQ(Row("select js_sl,js_zje from jxc_kcjs where js_rq='2024-03' and ck_sn='" + warehouse + "'"), "15/90");
    EXPECT_EQ(Scalar("select t_sl from jxc_tkc where g_sn='G1' and color_sn='C1' and cm_sn='S1'"), "4");

    fixture::AddLedgerRow({ "xs", "XS24030500001", "2024-03-05 09:00", "G1", warehouse, -1, -6, 6 });
    EXPECT_EQ(ChangeOpeningStock(ShirtEach(2, 6), 15, 6), "该商品发生过业务，不能修改建账信息！");
    EXPECT_EQ(Scalar("select g_kc from jxc_goods where g_sn='G1'"), "15");
}

TEST_F(OpeningStockTest, TheWindowAddsChangesAndDeletesThroughItsDialogs)
{
    TF_Qcjz w;
    prompt.OnModal("TF_Qcjz", [&](QDialog* d) {
        auto& q = *static_cast<TF_Qcjz*>(d);
        EXPECT_EQ(q.cxGridGoods1View->RowCount(), 3);
        // Add G1 through the quantity grid: a letter is refused, an 8th character cut off.
        prompt.OnModal("TF_Qcjz_Add", [&](QDialog* a) {
            auto& add = *static_cast<TF_Qcjz_Add*>(a);
            MatrixGrid& g = *add.StringGridIn;
            EXPECT_EQ(g.ColCount(), 6);
            EXPECT_EQ(g.RowCount(), 5);
            EXPECT_EQ(g.Cell(0, 0), "颜色/尺码");
            g.CommitEdit(1, 1, "a");
            EXPECT_EQ(g.Cell(1, 1), "");
            g.CommitEdit(1, 1, "12345678");
            EXPECT_EQ(g.Cell(1, 1), "1234567");
            g.CommitEdit(1, 1, "2");
            g.CommitEdit(2, 3, "3");
            EXPECT_EQ(g.Cell(5, 1), "2");
            EXPECT_EQ(add.tsl->text(), "5");
            add.tcbj->setText("5");
            add.btnOKClick();
            return a->result();
        });
        q.btnAddClick();
        EXPECT_EQ(q.cxGridView->RowCount(), 1);
        EXPECT_EQ(q.cxGridGoods1View->Value(0, "gsn").toString(), "G1");
        // Adding the same goods again is refused before the dialog opens.
        q.cxGridGoods1View->SetCurrentRow(0);
        q.btnAddClick();
        EXPECT_EQ(prompt.LastMessage(), "当前仓库中已存在该商品，不能重复建账！");

        // Change: the grid comes back with the stored quantities.
        prompt.OnModal("TF_Qcjz_Add", [&](QDialog* a) {
            auto& add = *static_cast<TF_Qcjz_Add*>(a);
            EXPECT_EQ(add.StringGridIn->Cell(2, 3), "3");
            EXPECT_EQ(add.tsl->text(), "5");
            add.StringGridIn->CommitEdit(2, 3, "6");
            add.btnOKClick();
            return a->result();
        });
        q.cxGridView->SetCurrentRow(0);
        q.btnModiClick();
        EXPECT_EQ(Scalar("select g_kc from jxc_goods where g_sn='G1'"), "8");

        // Bulk delete of three, one with a goods-in.
        for (const QString& g : { "G2", "G3" })
            AddOpeningStock(Single(g, 2, 10));
        fixture::AddDocument({ fixture::Trade::GoodsIn, "CJ24030500001", "2024-03-05 09:00", "100001", warehouse,
            "100001", 0, { { "G3", 1, 10 } } });
        q.OpenStockList();
        EXPECT_EQ(q.cxGridView->RowCount(), 3);
        for (int r = 0; r < 3; ++r)
            q.cxGridView->selectionModel()->select(
                q.cxGridView->model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        prompt.Answer(Prompt::Answer::Yes);
        prompt.OnModal("TF_Qcjz_Dele", [&](QDialog* a) {
            auto& dele = *static_cast<TF_Qcjz_Dele*>(a);
            dele.btnOKClick();
            EXPECT_EQ(dele.mResult->toPlainText(),
                "商品编号：G3 商品名称：外套  已发生过业务，单据号：CJ24030500001 不能删除！");
            return a->result();
        });
        q.mnuDeleClick();
        EXPECT_EQ(prompt.LastMessage(), "成功删除：2  个商品信息。");
        EXPECT_EQ(q.cxGridView->RowCount(), 1);
        d->reject();
        return d->result();
    });
    w.ShowModal();
    EXPECT_EQ(Rows("select g_sn,g_kc from jxc_goods where g_sn in ('G1','G2','G3') order by g_sn"),
        QStringList({ "G1/0", "G2/0", "G3/2" }));
    EXPECT_EQ(Count("jxc_goodslistmx", "g_sn in ('G1','G2')"), 0);
    EXPECT_EQ(Count("jxc_tkc", "g_sn in ('G1','G2')"), 0);
    EXPECT_EQ(
        Row("select js_sl,js_zje,js_cgsl from jxc_kcjs where js_rq='2024-03' and ck_sn='" + warehouse + "'"), "2/20/0");
}

TEST_F(OpeningStockTest, SortingRequeriesAndClearingItGivesTheFirstOrder)
{
    TF_Qcjz w;
    prompt.OnModal("TF_Qcjz", [&](QDialog* d) {
        auto& q = *static_cast<TF_Qcjz*>(d);
        const auto codes = [&] {
            QStringList out;
            for (int r = 0; r < q.cxGridGoods1View->RowCount(); ++r)
                out << q.cxGridGoods1View->Value(r, "g_sn").toString();
            return out;
        };
        q.cxGridGoods1View->SortByColumn(q.cxGridGoods1View->ColumnByField("g_name"), Qt::DescendingOrder);
        EXPECT_EQ(codes(), QStringList({ "G2", "G1", "G3" })); // 裤子, 衬衫, 外套 by code point
        q.cxGridGoods1View->ClearSort();
        EXPECT_EQ(codes(), QStringList({ "G1", "G2", "G3" }));
        q.tKey->setText("外");
        EXPECT_EQ(q.cxGridGoods1View->RowCount(), 1);
        d->reject();
        return d->result();
    });
    w.ShowModal();
}

}
