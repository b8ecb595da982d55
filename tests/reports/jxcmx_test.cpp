#include "reportsfixture.h"

#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "posting/purchaseposting.h"
#include "reports/jxcmx.h"
#include "reports/jxcmxrules.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class DetailTest : public ReportsTest {
protected:
    QStringList Movements(const DetailFilter& f = Period())
    {
        return Rows(QStringLiteral("select dnote,g_sn,ck_name,rksl,rkje,cksl,ckje from (") + MovementStatement(f)
            + QStringLiteral(") t"));
    }
    static DetailFilter Period()
    {
        DetailFilter f;
        f.from = QDate(2024, 3, 1);
        f.to = QDate(2024, 3, 31);
        return f;
    }
};

TEST_F(DetailTest, KindsShowOnTheirSideWithPositiveQuantities)
{
    Goods(QStringLiteral("A"));
    Ledger(QStringLiteral("xs"), QStringLiteral("2024-03-02 10:00"), QStringLiteral("A"), -2, -24, 0, 0,
        QStringLiteral("100001"), -16);
    Ledger(QStringLiteral("xs"), QStringLiteral("2024-03-03 10:00"), QStringLiteral("A"), 1, 12, 0, 0,
        QStringLiteral("100001"), 8);
    Ledger(QStringLiteral("db"), QStringLiteral("2024-03-04 10:00"), QStringLiteral("A"), -3, -30, 0, 0,
        QStringLiteral("100001"));
    Ledger(QStringLiteral("db"), QStringLiteral("2024-03-04 10:00"), QStringLiteral("A"), 3, 30, 0, 0,
        QStringLiteral("W2"));
    // Left out: a kind the view does not list, a zero opening row, a row after the period.
    Ledger(QStringLiteral("bh"), QStringLiteral("2024-03-05 10:00"), QStringLiteral("A"), 1, 10);
    Ledger(QStringLiteral("qc"), QStringLiteral("2024-03-05 10:00"), QStringLiteral("A"), 0, 0);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-04-01 00:00"), QStringLiteral("A"), 1, 10);
    // Ordered by warehouse name (二号仓 after 默认仓库 or before it, as the collation says), goods, date.
    const QStringList rows = Movements();
    ASSERT_EQ(rows.size(), 4) << rows.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(rows.contains(
        S("销售退货单 A %1 2 16 0 0").arg(Scalar(S("select ck_name from jxc_ckxx where ck_sn='100001'")))));
    EXPECT_TRUE(rows.contains(
        S("商品销售单 A %1 0 0 1 8").arg(Scalar(S("select ck_name from jxc_ckxx where ck_sn='100001'")))));
    EXPECT_TRUE(rows.contains(
        S("库存调拨出库 A %1 0 0 3 30").arg(Scalar(S("select ck_name from jxc_ckxx where ck_sn='100001'")))));
    EXPECT_TRUE(rows.contains(S("库存调拨入库 A 二号仓 3 30 0 0")));
}

TEST_F(DetailTest, ZeroOpeningRowsShowInTheOpeningEntriesUnlessHidden)
{
    Goods(QStringLiteral("A"));
    Ledger(QStringLiteral("qc"), QStringLiteral("2023-12-31 10:00"), QStringLiteral("A"), 0, 0);
    Ledger(QStringLiteral("qc"), QStringLiteral("2023-12-31 11:00"), QStringLiteral("A"), 2, 20);
    Ledger(QStringLiteral("cj"), QStringLiteral("2023-12-31 12:00"), QStringLiteral("A"), 2, 20);
    const auto count = [this](bool hideZero) {
        return Rows(QStringLiteral("select dnote,rksl from (") + OpeningEntriesStatement(Period(), hideZero)
            + QStringLiteral(") t"));
    };
    EXPECT_EQ(count(false), (QStringList { S("期初数 0"), S("期初数 2") }));
    EXPECT_EQ(count(true), QStringList { S("期初数 2") });
}

TEST_F(DetailTest, GoodsTextMatchesExactlyOrContained)
{
    Goods(QStringLiteral("A"));
    Goods(QStringLiteral("AB"));
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-02 10:00"), QStringLiteral("A"), 1, 10);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-02 10:00"), QStringLiteral("AB"), 1, 10);
    DetailFilter f = Period();
    f.key = QStringLiteral("A");
    EXPECT_EQ(Movements(f).size(), 2);
    f.exact = true;
    EXPECT_EQ(Movements(f).size(), 1);
}

class DetailWindowTest : public DetailTest {
protected:
    void SetUp() override
    {
        DetailTest::SetUp();
        fixture::AddSupplier(QStringLiteral("S1"), S("供应一"));
        fixture::AddGoods({ QStringLiteral("G1"), S("衬衫") });
        Sql(QStringLiteral("update jxc_goods set gc_sn='1000' where g_sn='G1'"));
        UseInvoices = QStringLiteral("0");
        fixture::AddDocument(
            { fixture::Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-03-10 09:00"), QStringLiteral("S1"),
                QStringLiteral("100001"), QStringLiteral("100001"), 1, { { QStringLiteral("G1"), 4, 10, {} } } });
        Sql(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl,jh_tax=0 where gl_djh='CJ1'"));
        Sql(S("update jxc_jhd set j_yfje=40,j_sfje=0,j_jsfs='1',j_kmmc='现金',j_checker='admin' where gl_djh='CJ1'"));
        ApprovePurchaseDoc(QStringLiteral("CJ1"));
        Ledger(QStringLiteral("qc"), QStringLiteral("2024-03-01 08:00"), QStringLiteral("G1"), 1, 10, 1, 10,
            QStringLiteral("100001"), 0, QString());
        PrintLog::Clear();
    }
    // Puts the window's cursor on the row of a kind.
    static void Select(const QString& kind) { ASSERT_TRUE(TF_Jxcmx::Rows().Locate(QStringLiteral("gl_flag"), kind)); }
};

TEST_F(DetailWindowTest, ViewDocumentOffersTheTemplateChoiceForGoodsInAndNothingForOpenings)
{
    ChoosePurchasePrintFormat = QStringLiteral("True");
    TF_Jxcmx w;
    w.Activate();
    ASSERT_EQ(w.cxGrid1View->RowCount(), 2);
    Select(QStringLiteral("qc"));
    w.btnChakan2Click();
    EXPECT_TRUE(prompt.ModalNames().isEmpty());
    EXPECT_EQ(PrintLog::Last(), nullptr);

    Select(QStringLiteral("cj"));
    prompt.OnModal(QStringLiteral("TF_PrinSele"), [](QDialog*) { return 0; });
    w.btnChakan2Click();
    EXPECT_EQ(prompt.ModalNames(), (QStringList { QStringLiteral("TF_PrinSele"), QStringLiteral("ReportPreview") }));
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(PurchaseDocTemplate));
    EXPECT_EQ(PrintTemplateKind, QString());
}

TEST_F(DetailWindowTest, CancelRemovesTheDocumentsRowsAndKeepsTheFilters)
{
    TF_Jxcmx w;
    w.Activate();
    w.tkey->setText(QStringLiteral("G1"));
    w.btnSearch1Click();
    ASSERT_EQ(w.cxGrid1View->RowCount(), 2);
    Select(QStringLiteral("cj"));
    prompt.Answer(Prompt::Answer::No);
    w.btn_UnChkClick();
    EXPECT_EQ(w.cxGrid1View->RowCount(), 2);
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh='CJ1'")), 1);

    Select(QStringLiteral("cj"));
    prompt.Answer(Prompt::Answer::Yes);
    w.btn_UnChkClick();
    EXPECT_EQ(UnapproveResult, QStringLiteral("ok"));
    EXPECT_EQ(w.cxGrid1View->RowCount(), 1);
    EXPECT_EQ(w.tkey->text(), QStringLiteral("G1"));
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh='CJ1'")), 0);
}

TEST_F(DetailWindowTest, LongListOpensAPageAndTheFooterSumsEveryRow)
{
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-10 11:00"), QStringLiteral("G1"), 1, 10, 0, 0,
        QStringLiteral("100001"), 0, QStringLiteral("LONG"));
    for (int i = 0; i < 8; ++i)
        Sql(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,ck_sn,ck_name,gl_sl,gl_dj,"
                           "gl_je,gl_zje,a_name) select gl_flag,gl_djh,gl_kdrq,g_sn,g_name,ck_sn,ck_name,gl_sl,gl_dj,"
                           "gl_je,gl_zje,a_name from jxc_goodslist where gl_djh='LONG'"));
    TF_Jxcmx w;
    w.Activate();
    // 256 rows of the long document, the goods-in CJ1 of 4 and the opening entry of 1.
    EXPECT_EQ(w.cxGrid1View->RowCount(), 258);
    EXPECT_FALSE(TF_Jxcmx::Rows().Complete());
    DataGrid* g = w.cxGrid1View;
    EXPECT_DOUBLE_EQ(g->FooterSum(g->ColumnByField(QStringLiteral("rksl"))), 256 + 4 + 1);
    EXPECT_DOUBLE_EQ(g->FooterSum(g->ColumnByField(QStringLiteral("rkje"))), 2560 + 40 + 10);
    EXPECT_DOUBLE_EQ(g->FooterSum(g->ColumnByField(QStringLiteral("cksl"))), 0);
}

TEST_F(DetailWindowTest, WithoutCostRightNoInOrBalanceValuesAndNoPrint)
{
    ShowCostPrice = false;
    TF_Jxcmx w;
    w.Activate();
    DataGrid* g = w.cxGrid1View;
    for (const char* f : { "gl_sqje", "rkdj", "rkje", "gl_pjjj", "gl_kczje" })
        EXPECT_FALSE(g->ColumnVisible(g->ColumnByField(QString::fromLatin1(f)))) << f;
    EXPECT_TRUE(g->ColumnVisible(g->ColumnByField(QStringLiteral("ckje"))));
    EXPECT_FALSE(w.btn_Prin->isEnabled());
    EXPECT_FALSE(w.btnChakan2->isEnabled());
}

} // namespace
