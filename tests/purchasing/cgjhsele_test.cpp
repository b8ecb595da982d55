#include "cgjhtest.h"

#include "foundation/functionwindows.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/keyedcombo.h"
#include "purchasing/cgjhsele.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// The colour-by-size dialog opened from the goods-in window on goods G1 (colours
// red, blue; sizes S, M: column 1 is 小码, row 1 红).
class SeleTest : public CgjhTest {
protected:
    void TearDown() override
    {
        OpenMode.clear();
        SelectedSn.clear();
        ActiveDocKind.clear();
        d.reset();
        CgjhTest::TearDown();
    }
    TF_Cgjh_Sele& Open(const QString& mode, const QString& goods = QStringLiteral("G1"))
    {
        OpenMode = mode;
        SelectedSn = goods;
        ActiveDocKind = QStringLiteral("cgjh");
        d = std::make_unique<TF_Cgjh_Sele>();
        d->Activate();
        return *d;
    }
    QString Warehouse() const { return w->comCk->Code(w->comCk->currentIndex()); }
    void Stock(const QString& color, const QString& size, double qty)
    {
        Sql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values ('G1','%1','%2','%3',%4)")
                .arg(Warehouse(), size, color)
                .arg(qty));
    }
    void Type(int col, int row, const QString& text) { d->StringGridIn->CommitEdit(col, row, text); }
    std::unique_ptr<TF_Cgjh_Sele> d;
};

TEST_F(SeleTest, TheGridFollowsTheGoodsGroupsAndTotalsEachKeystroke)
{
    auto& s = Open(QStringLiteral("cgjh_new"));
    MatrixGrid& g = *s.StringGridIn;
    ASSERT_EQ(g.ColCount(), 4);
    ASSERT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cell(0, 0), U8("颜色/尺码"));
    EXPECT_EQ(g.Cell(1, 0), U8("小码"));
    EXPECT_EQ(g.Cell(0, 2), U8("蓝"));
    EXPECT_EQ(g.Cell(3, 0), U8("合计"));

    Type(1, 1, QStringLiteral("5"));
    Type(2, 2, QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(s.tsl->Value(), 8);
    EXPECT_EQ(g.Cell(3, 3), QStringLiteral("8"));
    EXPECT_EQ(g.Cell(2, 3), QStringLiteral("3"));
    Type(2, 2, QString());
    EXPECT_DOUBLE_EQ(s.tsl->Value(), 5);

    Type(2, 1, QStringLiteral("123456789"));
    EXPECT_EQ(g.Cell(2, 1), QStringLiteral("1234567"));
    for (const char* bad : { ".", "1.2.3", "x" }) {
        Type(1, 2, QLatin1String(bad));
        EXPECT_EQ(g.Cell(1, 2), QString()) << bad;
    }
}

TEST_F(SeleTest, AGoodsWithEmptyGroupsGetsTheBuiltInColourAndSize)
{
    Sql(QStringLiteral(
        "insert into jxc_goods (g_sn,g_name,cmz_sn,colorz_sn,g_pjjj) values ('G2','plain','nz','nz',0)"));
    auto& s = Open(QStringLiteral("cgjh_new"), QStringLiteral("G2"));
    ASSERT_EQ(s.StringGridIn->ColCount(), 3);
    ASSERT_EQ(s.StringGridIn->RowCount(), 3);
    Type(1, 1, QStringLiteral("4"));
    s.btnOKClick();
    EXPECT_EQ(Scalar(QStringLiteral("select cm_sn || '/' || color_sn from jxc_jhspmx where g_sn='G2'")),
        QStringLiteral("100001/100001"));
}

TEST_F(SeleTest, OkOnANewLineWritesTheLineAndItsRowsLinkedByTid)
{
    auto& s = Open(QStringLiteral("cgjh_new"));
    Type(1, 1, QStringLiteral("2"));
    Type(2, 2, QStringLiteral("3"));
    Type(1, 2, QStringLiteral("0"));
    s.tnote->setText(QStringLiteral("it's"));
    s.btnOKClick();
    EXPECT_EQ(s.result(), int(QDialog::Accepted));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhsp")), 1);
    const QString id = Scalar(QStringLiteral("select id from jxc_jhsp"));
    EXPECT_EQ(Scalar(QStringLiteral("select tid from jxc_jhsp")), id);
    EXPECT_EQ(Scalar(QStringLiteral("select gl_djh from jxc_jhsp")), No());
    EXPECT_EQ(Number(QStringLiteral("select jh_sl from jxc_jhsp")), 5);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhspmx where tid=") + id), 2);
    EXPECT_EQ(Scalar(QStringLiteral("select cm_sn || color_sn || gl_djh from jxc_jhspmx where t_sl=3")),
        QStringLiteral("MB") + No());
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 2) << "the window's lines were reloaded";
}

TEST_F(SeleTest, OkWithoutQuantityWritesNothingAndStaysOpen)
{
    auto& s = Open(QStringLiteral("cgjh_new"));
    Type(1, 1, QStringLiteral("0"));
    s.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("数量不能为0或负数，重新输入！"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhsp")), 0);
    EXPECT_NE(s.result(), int(QDialog::Accepted));
}

TEST_F(SeleTest, TaxPriceAndTotalFollowThePriceAndATypedTaxPriceRepricesTheLine)
{
    DefaultTaxRate = QStringLiteral("17");
    auto& s = Open(QStringLiteral("cgjh_new"));
    s.tgpjjj->setText(QStringLiteral("10"));
    s.tgpjjjChange();
    Type(1, 1, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(s.ttaxdj->Value(), 11.7);
    EXPECT_DOUBLE_EQ(s.tzje->Value(), 23.4);
    // Amounts show the settings' format while they are not being edited.
    EXPECT_EQ(s.ttaxdj->text(), QStringLiteral("￥11.70"));
    s.tdzl->setText(QStringLiteral("0.5"));
    s.tdzlPropertiesChange();
    EXPECT_DOUBLE_EQ(s.tzje->Value(), 11.7);

    s.ttaxdj->setText(QStringLiteral("11.7"));
    s.ttaxdjKeyUp();
    EXPECT_DOUBLE_EQ(s.tgpjjj->Value(), 10);
    EXPECT_DOUBLE_EQ(s.ttaxdj->Value(), 11.7);
    s.btnOKClick();
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select jh_dj from jxc_jhsp")), 10);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select jh_taxdj from jxc_jhsp")), 11.7);
    EXPECT_NEAR(Number(QStringLiteral("select jh_taxje from jxc_jhsp")), 1.7, 1e-9);
}

TEST_F(SeleTest, RoundedTotals)
{
    struct Case {
        const char* round;
        double total;
    };
    for (const Case& c : { Case { "1", 10 }, Case { "0", 9.99 } }) {
        Sql(QStringLiteral("delete from jxc_jhsp"));
        RoundTotals = QLatin1String(c.round);
        TotalDecimals = QStringLiteral("0");
        DefaultTaxRate = QStringLiteral("0");
        auto& s = Open(QStringLiteral("cgjh_new"));
        s.tgpjjj->setText(QStringLiteral("3.33"));
        s.tgpjjjChange();
        Type(1, 1, QStringLiteral("3"));
        EXPECT_DOUBLE_EQ(s.tzje->Value(), c.total) << c.round;
        s.btnOKClick();
        EXPECT_NEAR(Number(QStringLiteral("select jh_je from jxc_jhsp")), c.total, 1e-9) << c.round;
        EXPECT_NEAR(Number(QStringLiteral("select jh_zje from jxc_jhsp")), c.total, 1e-9) << c.round;
    }
}

TEST_F(SeleTest, TheProposedPriceFollowsThePurchasePriceSetting)
{
    Sql(QStringLiteral("update jxc_goods set g_scjj=8 where g_sn='G1'"));
    for (const auto& [setting, price] : std::initializer_list<std::pair<const char*, double>> {
             { "1", 8 }, { "2", 12.345 }, { "", 10 }, { "0", 10 } }) {
        PurchasePriceDefault = QLatin1String(setting);
        EXPECT_DOUBLE_EQ(Open(QStringLiteral("cgjh_new")).tgpjjj->Value(), price) << setting;
    }
}

TEST_F(SeleTest, ModifyingADraftLineShowsItsRowsAndRewritesThemInPlace)
{
    // Rows of 1 and 1 on a line stored with quantity 5: the rows count.
    const qint64 id = Line(No(), CurrentAdminName, 10, 0, 1, { 1, 1 });
    Sql(QStringLiteral("update jxc_jhsp set jh_sl=5 where id=%1").arg(id));
    w->openGridViewData(No());
    auto& s = Open(QStringLiteral("cgjh"));
    EXPECT_DOUBLE_EQ(s.tsl->Value(), 2);
    EXPECT_EQ(s.StringGridIn->Cell(1, 1), QStringLiteral("1"));
    Type(2, 2, QStringLiteral("4"));
    s.btnOKClick();
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhsp")), 1);
    EXPECT_EQ(Number(QStringLiteral("select id from jxc_jhsp")), id);
    EXPECT_EQ(Number(QStringLiteral("select jh_sl from jxc_jhsp")), 5);
    EXPECT_EQ(Number(QStringLiteral("select sum(t_sl) from jxc_jhspmx where tid=%1").arg(id)), 5);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhspmx")), 2);
}

TEST_F(SeleTest, ModifyingAPendingLineWithoutRowsKeepsItsQuantity)
{
    Pending(QStringLiteral("CJ-20240510-0001"), QStringLiteral("other"), 20, 20, 0);
    Sql(QStringLiteral("delete from jxc_jhspmx"));
    Sql(QStringLiteral("update jxc_jhsp set jh_sl=7"));
    ShowPending();
    ASSERT_GT(w->Q_Shsp.RecordCount(), 0);
    OpenMode = QStringLiteral("cgjh_modish");
    SelectedSn = QStringLiteral("G1");
    ActiveDocKind = QStringLiteral("cgjhsh");
    d = std::make_unique<TF_Cgjh_Sele>();
    d->Activate();
    EXPECT_EQ(d->StringGridIn->GrandTotal(), QString());
    EXPECT_DOUBLE_EQ(d->tsl->Value(), 7);
    d->btnOKClick();
    EXPECT_EQ(Number(QStringLiteral("select jh_sl from jxc_jhsp")), 7);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhspmx")), 0);
    EXPECT_EQ(Scalar(QStringLiteral("select a_name from jxc_jhsp")), CurrentAdminName);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select j_yfje from jxc_jhd")), 70) << "the header follows its lines";
}

TEST_F(SeleTest, StockOutsideTheGroupsIsNotShownAndHidingLeavesOnlyStockedColoursAndSizes)
{
    Sql(QStringLiteral("insert into jxc_color (color_sn,color_name) values ('X','gone')"));
    Stock(QStringLiteral("R"), QStringLiteral("S"), 4);
    Stock(QStringLiteral("X"), QStringLiteral("S"), 9);
    auto& s = Open(QStringLiteral("cgjh_new"));
    EXPECT_EQ(s.gkc->text(), QStringLiteral("4"));
    EXPECT_TRUE(s.windowTitle().endsWith(U8(",当前库存:4)")));

    s.chkHide->setChecked(true);
    s.chkHideClick();
    for (MatrixGrid* g : { s.StringGridIn, s.StringGridKc }) {
        EXPECT_FALSE(g->isRowHidden(1));
        EXPECT_TRUE(g->isRowHidden(2));
        EXPECT_TRUE(g->isColumnHidden(2));
        EXPECT_FALSE(g->isColumnHidden(3)) << "the totals column stays";
    }
    s.btnCancelClick();
    EXPECT_FALSE(s.StringGridIn->isRowHidden(2)) << "the next opening shows all";
    EXPECT_FALSE(s.chkHide->isChecked());
}

TEST_F(SeleTest, TheStockCursorFollowsTheEntryGridInTheSelectionColours)
{
    Stock(QStringLiteral("R"), QStringLiteral("S"), 4);
    Stock(QStringLiteral("B"), QStringLiteral("M"), 2);
    auto& s = Open(QStringLiteral("cgjh_new"));
    MatrixGrid& kc = *s.StringGridKc;
    const QColor selection = kc.palette().color(QPalette::Highlight);
    auto background = [&](int col, int row) { return kc.item(row, col)->background().color(); };
    EXPECT_EQ(background(1, 1), selection) << "from the opening, on the first cell";
    s.StringGridIn->setCurrentCell(2, 2);
    EXPECT_EQ(background(2, 2), selection);
    EXPECT_EQ(kc.item(2, 2)->foreground().color(), kc.palette().color(QPalette::HighlightedText));
    EXPECT_EQ(background(1, 1), QColor(248, 182, 81)) << "a stocked cell off the cursor";
    EXPECT_EQ(kc.item(1, 1)->foreground().color(), QColor(Qt::red));
    EXPECT_NE(background(2, 1), selection);
}

TEST_F(SeleTest, ANewLineUnderANumberAnotherOperatorHoldsMovesToAFreshNumber)
{
    const QString held = No();
    Line(held, QStringLiteral("other"), 10, 0, 1, { 1 });
    auto& s = Open(QStringLiteral("cgjh_new"));
    Type(1, 1, QStringLiteral("1"));
    s.btnOKClick();
    EXPECT_NE(No(), held);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhsp where a_name='admin' and gl_djh='") + No()
                  + QStringLiteral("'")),
        1);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhspmx where a_name='admin' and gl_djh='") + No()
                  + QStringLiteral("'")),
        1);
}

TEST_F(SeleTest, TheOrderDialogWritesOrderLinesThroughItsHost)
{
    QString number = QStringLiteral("CD-20240510-0001");
    int reloads = 0;
    DocHost host { [&] { return number; }, [&](const QString& n) { number = n; },
        [] { return QStringLiteral("2024-05-10"); }, [this] { return Warehouse(); }, [&] { ++reloads; }, [] {} };
    SetDocHost(QStringLiteral("CD"), &host);
    Sql(QStringLiteral("insert into jxc_cgsp (gl_djh,g_sn,a_name,jh_sl) values ('CD-20240510-0001','G1','other',1)"));
    OpenMode = QStringLiteral("cgjh_new");
    SelectedSn = QStringLiteral("G1");
    ActiveDocKind = QStringLiteral("cgjh");
    TF_Cgd_Sele o;
    o.Activate();
    o.StringGridIn->CommitEdit(1, 1, QStringLiteral("2"));
    o.btnOKClick();
    SetDocHost(QStringLiteral("CD"), nullptr);
    EXPECT_NE(number, QStringLiteral("CD-20240510-0001"));
    EXPECT_TRUE(number.startsWith(QStringLiteral("CD")));
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_cgsp where a_name='admin' and gl_djh='") + number
                  + QStringLiteral("'")),
        1);
    EXPECT_EQ(
        Number(QStringLiteral("select count(*) from jxc_cgspmx where gl_djh='") + number + QStringLiteral("'")), 1);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhsp")), 0);
}

TEST_F(SeleTest, TheGoodsInWindowOpensTheDialogToModifyALine)
{
    FunctionWindows::Register<TF_Cgjh_Sele>(QStringLiteral("TF_Cgjh_Sele"));
    const qint64 id = Line(No(), CurrentAdminName, 10, 0, 1, { 1 });
    w->openGridViewData(No());
    prompt.OnModal(QStringLiteral("TF_Cgjh_Sele"), [](QDialog* dlg) {
        auto* s = static_cast<TF_Cgjh_Sele*>(dlg);
        EXPECT_EQ(OpenMode, QStringLiteral("cgjh"));
        s->StringGridIn->CommitEdit(1, 1, QStringLiteral("6"));
        s->btnOKClick();
        return s->result();
    });
    w->btnModiClick();
    EXPECT_TRUE(OpenMode.isEmpty());
    EXPECT_EQ(Number(QStringLiteral("select jh_sl from jxc_jhsp where id=%1").arg(id)), 6);
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("60"));
    FunctionWindows::Unregister(QStringLiteral("TF_Cgjh_Sele"));
}

} // namespace
