#include "spxstest.h"

#include "foundation/functionwindows.h"
#include "platform/grid/matrixgrid.h"
#include "sales/price.h"
#include "sales/spxssele.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// The colour-by-size picker over the delivery window on goods G1 (column 1 is 小码,
// column 2 中码; row 1 红, row 2 蓝), one piece of stock in every cell.
class SeleTest : public SpxsTest {
protected:
    void SetUp() override
    {
        SpxsTest::SetUp();
        AllowEditSaleCost = QStringLiteral("1");
        CanEditSaleCost = true;
        UseDiscount = QStringLiteral("1");
    }
    void TearDown() override
    {
        OpenMode.clear();
        SelectedSn.clear();
        ActiveDocKind.clear();
        d.reset();
        SpxsTest::TearDown();
    }
    template <class T = TF_Spxs_Sele> T& Open(const QString& mode, const QString& kind = QStringLiteral("spxs"))
    {
        d.reset();
        OpenMode = mode;
        SelectedSn = QStringLiteral("G1");
        ActiveDocKind = kind;
        d = std::make_unique<T>();
        d->Activate();
        return static_cast<T&>(*d);
    }
    void Type(int col, int row, const QString& text) { d->StringGridIn->CommitEdit(col, row, text); }
    void Field(QLineEdit* e, const QString& text, void (TF_Spxs_Sele::*handler)())
    {
        e->setText(text);
        (d.get()->*handler)();
    }
    // Price 10, tax 17 %, discount 0.9, cost 6, three pieces of red S.
    void TypeTheLine()
    {
        Field(d->tgsj, QStringLiteral("10"), &TF_Spxs_Sele::tgsjPropertiesChange);
        Field(d->ttax, QStringLiteral("17"), &TF_Spxs_Sele::ttaxPropertiesChange);
        Field(d->tdzl, QStringLiteral("0.9"), &TF_Spxs_Sele::tdzlPropertiesChange);
        d->tcbj->setText(QStringLiteral("6"));
        Type(1, 1, QStringLiteral("3"));
    }
    std::unique_ptr<TF_Spxs_Sele> d;
};

TEST_F(SeleTest, TheLineIsPricedWithTaxDiscountAndCost)
{
    AllowZeroStockOut = QStringLiteral("1");
    auto& s = Open(QStringLiteral("spxs_new"));
    TypeTheLine();
    EXPECT_EQ(s.ttaxdj->text(), QStringLiteral("11.7"));
    EXPECT_EQ(s.tzje->text(), QStringLiteral("31.59"));
    prompt.Answer(Prompt::Answer::Yes); // below the purchase price of 50
    s.btnOKClick();
    EXPECT_EQ(prompt.Questions(), QStringList { U8("打折后售价小于进价，继续销售吗?") });
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ls_sl,ls_dj,ls_taxdj,ls_dzl,ls_tax,ls_zje,ls_je,ls_taxje,ls_cbj,"
                                  "ls_cbj2,ls_zcb,ls_cksl,ls_zhje,ls_zsl,a_name from jxc_lsxssp")),
        QStringList { No() + QStringLiteral(" 3 10 11.7 0.9 17 31.59 27 4.59 6 6 18 3 10 3 admin") });
    EXPECT_EQ(Rows(QStringLiteral("select b.color_sn,b.cm_sn,b.t_sl,b.gl_djh from jxc_lsxssp a,jxc_lsxsspmx b "
                                  "where a.tid=a.id and b.tid=a.id")),
        QStringList { QStringLiteral("R S 3 ") + No() });
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("31.59")) << "the window reloads its lines";
}

TEST_F(SeleTest, RatesOutsideTheRangeAndBelowTheMinimumAreRefused)
{
    AllowZeroStockOut = QStringLiteral("1");
    Sql(QStringLiteral("update jxc_goods set g_jj=0"));
    auto& s = Open(QStringLiteral("spxs_new"));
    Type(1, 1, QStringLiteral("1"));
    for (const char* rate : { "0", "1.0001", "-0.5" }) {
        s.tdzl->setText(QLatin1String(rate));
        s.btnOKClick();
        EXPECT_EQ(prompt.LastMessage(), U8("打折率错误，重新输入！")) << rate;
    }
    MinSaleDiscount = QStringLiteral("0.6");
    s.tdzl->setText(QStringLiteral("0.5"));
    s.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("商品的最低折扣为：“0.6”，\r\n\r\n打折率不能低于最低折扣！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 0);
    s.tdzl->setText(QStringLiteral("1"));
    s.btnOKClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 1) << "a rate of exactly 1 passes";
}

TEST_F(SeleTest, ATotalWithoutAPriceCarriesThePrice)
{
    Sql(QStringLiteral("update jxc_goods set g_jj=0,g_sj=0"));
    auto& s = Open(QStringLiteral("spxs_new"));
    s.tcbj->setText(QStringLiteral("0"));
    Field(s.ttax, QStringLiteral("17"), &TF_Spxs_Sele::ttaxPropertiesChange);
    Type(1, 1, QStringLiteral("1"));
    Type(2, 1, QStringLiteral("1"));
    Type(1, 2, QStringLiteral("1"));
    Field(s.tzje, QStringLiteral("300"), &TF_Spxs_Sele::tzjeKeyUp);
    s.btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select ls_dj,ls_dzl,ls_tax,ls_taxdj,ls_sl,ls_zje,ls_je from jxc_lsxssp")),
        QStringList { QStringLiteral("100 1 0 100 3 300 300") });
}

TEST_F(SeleTest, StockRefusalsPointAtTheLastOffendingRow)
{
    Sql(QStringLiteral("delete from jxc_tkc where color_sn='B' and cm_sn='S'"));
    auto& s = Open(QStringLiteral("spxs_new"));
    Type(1, 1, QStringLiteral("5")); // red S: above its stock
    Type(1, 2, QStringLiteral("1")); // blue S: no stock
    Type(2, 2, QStringLiteral("3")); // blue M: above its stock
    s.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("库存为0不允许销售，重新输入！"));
    EXPECT_EQ(s.StringGridIn->currentRow(), 2);
    EXPECT_EQ(s.StringGridIn->currentColumn(), 1);
    Type(1, 2, QString());
    s.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("销售数量不能大于库存数量，重新输入！"));
    EXPECT_EQ(s.StringGridIn->currentRow(), 2);
    EXPECT_EQ(s.StringGridIn->currentColumn(), 2);
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 0);

    // With negative stock allowed only the total is asked about.
    AllowZeroStockOut = QStringLiteral("1");
    Sql(QStringLiteral("update jxc_goods set g_jj=0"));
    s.tcbj->setText(QStringLiteral("0"));
    prompt.Clear();
    prompt.Answer(Prompt::Answer::No);
    s.btnOKClick();
    EXPECT_EQ(prompt.Questions(), QStringList { U8("库存数量小于销售数量，销售后将产生负库存，继续销售吗?") });
    EXPECT_TRUE(prompt.Messages().isEmpty());
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 0);
}

TEST_F(SeleTest, SeveralStockRowsOfOneCellAddUp)
{
    fixture::AddColorSizeStock(QStringLiteral("G1"), Warehouse(), QStringLiteral("R"), QStringLiteral("S"), 2);
    auto& s = Open(QStringLiteral("spxs_new"));
    EXPECT_EQ(s.StringGridKc->Cell(1, 1), QStringLiteral("3"));
    EXPECT_EQ(s.gkc->text(), QStringLiteral("6"));
}

TEST_F(SeleTest, ALineUnderAWholeDocumentDiscountShowsNoDiscountOfItsOwn)
{
    Scan(QStringLiteral("G1RS")); // a line at the goods' discount 0.9
    auto& s = Open(QStringLiteral("spxs"));
    EXPECT_EQ(s.tdzl->text(), QStringLiteral("0.9"));
    EXPECT_EQ(s.StringGridIn->Cell(1, 1), QStringLiteral("1"));
    w->tdzl->setText(QStringLiteral("0.9"));
    auto& again = Open(QStringLiteral("spxs"));
    EXPECT_EQ(again.tdzl->text(), QStringLiteral("1"));
}

TEST_F(SeleTest, EscapeWritesNothing)
{
    auto& s = Open(QStringLiteral("spxs_new"));
    Type(1, 1, QStringLiteral("1"));
    s.btnCancelClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsspmx")), 0);
}

TEST_F(SeleTest, EachWriteRoadGivesItsLineAndRowsLinkedById)
{
    AllowZeroStockOut = QStringLiteral("1");
    Sql(QStringLiteral("update jxc_goods set g_jj=0"));
    Scan(QStringLiteral("G1RS"));
    // A pending document of another number in the pending tab's queries.
    Sql(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_status,ls_dzl,a_name) values "
                       "('XS24050110001','K1','%1','2024-05-01 09:00',0,1,'other')")
            .arg(Warehouse()));
    Sql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,a_name,ls_sl,ls_dj,ls_taxdj,ls_dzl) values "
                       "('XS24050110001','G1','other',1,100,100,1)"));
    Sql(QStringLiteral("update jxc_lsxssp set tid=id where gl_djh='XS24050110001'"));
    Query& shdj = dm->Q(QStringLiteral("Q_Shdj"));
    OpenQuery(shdj, QStringLiteral("select a.*,b.kh_name from jxc_lsxsd a left join jxc_khxx b on a.kh_sn=b.kh_sn"));
    Query& shsp = dm->Q(QStringLiteral("Q_Shsp"));
    OpenQuery(shsp, QStringLiteral("select * from jxc_lsxssp where gl_djh='XS24050110001'"));
    Query& picked = dm->Q(QStringLiteral("Q_Tempspxf"));
    OpenQuery(picked, QStringLiteral("select * from jxc_tempspxf order by id"));

    struct Road {
        const char* mode;
        const char* kind;
        const char* table;
        const char* detail;
        const char* where;
        bool aboveStock; // the changed line keeps its red S piece: 5 of the 4 in stock
    };
    const Road roads[] = {
        { "spxs", "spxs", "jxc_lsxssp", "jxc_lsxsspmx", "a_name='admin'", true },
        { "spxs_new", "spxs", "jxc_lsxssp", "jxc_lsxsspmx", "a_name='admin'", false },
        { "spxs_modish", "spxssh", "jxc_lsxssp", "jxc_lsxsspmx", "gl_djh='XS24050110001'", false },
        { "spxs_add", "spxs", "jxc_tempspxf", "jxc_tempspxfmx", "id>0", false },
        { "spxs_modi", "spxs", "jxc_tempspxf", "jxc_tempspxfmx", "id>0", false },
    };
    for (const Road& r : roads) {
        auto& s = Open(QLatin1String(r.mode), QLatin1String(r.kind));
        Type(2, 2, QStringLiteral("4"));
        if (r.aboveStock)
            prompt.Answer(Prompt::Answer::Yes);
        s.btnOKClick();
        const QString where = QLatin1String(r.where);
        const QString table = QLatin1String(r.table);
        EXPECT_EQ(
            Count(table, where + QStringLiteral(" and tid=id and ") + QStringLiteral("g_sn='G1'")), Count(table, where))
            << r.mode;
        // The line's rows: its typed cell besides what it had (4 blue M).
        EXPECT_EQ(
            Number(QStringLiteral("select sum(b.t_sl) from %1 a,%2 b where b.tid=a.id and a.%3 and b.color_sn='B' "
                                  "and b.cm_sn='M'")
                       .arg(table, QLatin1String(r.detail), where)),
            4 * Count(table, where))
            << r.mode;
    }
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp"), QStringLiteral("a_name='admin' and gl_djh='%1'").arg(No())), 2);
    EXPECT_EQ(
        Scalar(QStringLiteral("select a_name from jxc_lsxssp where gl_djh='XS24050110001'")), QStringLiteral("admin"))
        << "a changed pending line carries who changed it";
    EXPECT_EQ(Count(QStringLiteral("jxc_tempspxf")), 1);
}

TEST_F(SeleTest, TheOrderDialogWritesOrderLines)
{
    AllowZeroStockOut = QStringLiteral("1");
    Sql(QStringLiteral("update jxc_goods set g_jj=0"));
    Sql(QStringLiteral("insert into jxc_xssp (gl_djh,g_sn,a_name,ls_sl,ls_dj,ls_taxdj,ls_dzl,ls_tax) values "
                       "('XD24051010001','G1','admin',1,100,100,0.8,0)"));
    Sql(QStringLiteral("update jxc_xssp set tid=id"));
    OpenQuery(dm->Q(QStringLiteral("Q_Lsxssp")), QStringLiteral("select * from jxc_xssp"));
    w->tdzl->setText(QStringLiteral("0.9"));
    auto& s = Open<TF_Spdd_Sele>(QStringLiteral("spxs"));
    EXPECT_EQ(s.tdzl->text(), QStringLiteral("0.8")) << "an order line keeps its own rate";
    EXPECT_FALSE(s.btnPic->isVisibleTo(&s));
    Type(1, 2, QStringLiteral("2"));
    prompt.Answer(Prompt::Answer::Yes); // no order window yet: no warehouse, no stock
    s.btnOKClick();
    EXPECT_EQ(
        Rows(QStringLiteral("select ls_sl,ls_je,ls_zje from jxc_xssp")), QStringList { QStringLiteral("2 160 160") });
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,color_sn,cm_sn,t_sl from jxc_xsspmx")),
        QStringList { QStringLiteral("XD24051010001 B S 2") });
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 0);
}

TEST_F(SeleTest, ThePriceLevelWindowWritesIntoItsPicker)
{
    Sql(QStringLiteral("update jxc_goods set g_sj1=80,g_sj2=null"));
    auto& s = Open(QStringLiteral("spxs_new"));
    Type(1, 1, QStringLiteral("1"));
    prompt.OnModal(QStringLiteral("TF_Price"), [](QDialog* dialog) {
        auto* p = static_cast<TF_Price*>(dialog);
        EXPECT_EQ(p->gsn->text(), QStringLiteral("G1"));
        EXPECT_EQ(p->tspsj[1]->text().right(5), QStringLiteral("80.00"));
        p->Choose(1);
        return int(QDialog::Accepted);
    });
    FunctionWindows::Register<TF_Price>(QStringLiteral("TF_Price"));
    s.btnSpsjClick();
    EXPECT_EQ(s.tgsj->text(), QStringLiteral("80"));
    EXPECT_EQ(s.tzje->text(), QStringLiteral("80")) << "the choice recalculates the line";
    EXPECT_TRUE(AuxTag.isEmpty());

    // A level never set is a price of 0.
    prompt.OnModal(QStringLiteral("TF_Price"), [](QDialog* dialog) {
        static_cast<TF_Price*>(dialog)->Choose(2);
        return int(QDialog::Accepted);
    });
    s.btnSpsjClick();
    EXPECT_EQ(s.tgsj->text(), QStringLiteral("0"));
    FunctionWindows::Unregister(QStringLiteral("TF_Price"));
}

} // namespace

namespace {

TEST_F(SeleTest, AGiftLineTakesTheGridsQuantityAtCostAndNoPrice)
{
    StockRow();
    Sql(QStringLiteral("update jxc_kcsp set kc_cbj=35.5"));
    Sql(QStringLiteral("update jxc_goods set g_pjjj=35.5"));
    auto& g = Open<TF_Spxs_Sele2>(QStringLiteral("spxs_add"));
    EXPECT_TRUE(g.tsl->isReadOnly());
    g.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("数量不能为0或负数，重新输入！"));
    Type(1, 1, QStringLiteral("1"));
    Type(2, 2, QStringLiteral("1"));
    EXPECT_EQ(g.tsl->text().toDouble(), 2);
    g.btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select t_zp,ts_dj,ts_zje,ts_dzl,ts_cbj,ts_zcb,ts_sl from jxc_tempspxf")),
        QStringList { U8("(赠品) 0 0 1 35.5 71 2") });
    EXPECT_EQ(Count(QStringLiteral("jxc_tempspxfmx")), 2);

    // A gift on the delivery under entry, changed with stock-out as a separate step.
    UseStockOut = QStringLiteral("1");
    Sql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,a_name,ls_sl,ls_dj,ls_dzl,ls_zje,ls_cksl,t_zp) values ('")
        + No() + QStringLiteral("','G1','admin',1,0,1,0,1,'(赠品)')"));
    Sql(QStringLiteral("update jxc_lsxssp set tid=id"));
    OpenQuery(dm->Q(QStringLiteral("Q_Lsxssp")), QStringLiteral("select * from jxc_lsxssp"));
    auto& changed = Open<TF_Spxs_Sele2>(QStringLiteral("spxs"));
    Type(1, 1, QStringLiteral("1"));
    Type(2, 1, QStringLiteral("1"));
    changed.btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select t_zp,ls_dj,ls_zje,ls_dzl,ls_cbj,ls_zcb,ls_cksl from jxc_lsxssp")),
        QStringList { U8("(赠品) 0 0 1 35.5 71 0") });
}

} // namespace
