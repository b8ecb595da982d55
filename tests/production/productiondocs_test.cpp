#include "productiontest.h"

#include "platform/ui/keyedcombo.h"
#include "posting/stockposting.h"
#include "production/modidately.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

using ScrkTest = ProdWindowTest<TF_Scrk, F_Scrk>;

TEST_F(ScrkTest, ScansAddLinesAndARedrawTakesTheOperatorsRowsAlong)
{
    PurchasePriceDefault = QStringLiteral("2"); // the preset purchase price, 12
    Scan(QStringLiteral("G1RS"));
    const QString first = w->gldjh->text();
    // Another operator starts drafting under the same number: the next scan moves on.
    Sql(QStringLiteral(
        "insert into jxc_scrksp (gl_djh,g_sn,sc_sl,sc_dj,sc_zje,a_name) values ('%1','G2',1,1,1,'other')")
            .arg(first));
    Scan(QStringLiteral("G1RS"));
    const QString no = w->gldjh->text();
    EXPECT_NE(no, first);
    EXPECT_EQ(
        Rows(QStringLiteral("select g_sn,sc_sl,sc_dj,sc_zje from jxc_scrksp where gl_djh='%1' order by id").arg(no)),
        (QStringList { QStringLiteral("G1 1 12 12"), QStringLiteral("G1 1 12 12") }));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_scrkspmx where gl_djh='%1'").arg(no)), 2);
    EXPECT_EQ(w->cxGridView->RowCount(), 2);

    // With repeats refused the third scan adds nothing.
    w->btnNoRepeat->setChecked(true);
    Scan(QStringLiteral("G1RS"));
    EXPECT_EQ(prompt.LastMessage(), U8("该商品已添加，不能重复添加，\r\n\r\n可以修改已添加商品的数量！"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_scrksp where gl_djh='%1'").arg(no)), 2);
}

TEST_F(ScrkTest, SavingApprovesWhenTheSettingIsEmptyAndDiscountGoodsStayOutOfThePendingTotal)
{
    PurchasePriceDefault = QStringLiteral("0"); // the average purchase price, 10
    w->comCk->setCurrentIndex(w->comCk->findText(U8("二号仓")));
    Scan(QStringLiteral("G1RS"));
    ApproveOnSave.clear();
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    const QString no = Scalar(QStringLiteral("select gl_djh from jxc_scrkd"));
    EXPECT_EQ(Rows(QStringLiteral("select sc_status,sc_flag,de_sn,ck_sn from jxc_scrkd")),
        QStringList { QStringLiteral("1 1 100001 W2") });
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_cbj from jxc_kcsp where g_sn='G1' and ck_sn='W2'")),
        QStringList { QStringLiteral("1 10") });

    // A pending one with a "00000000" line: the entry total counts it, the pending one does not.
    ApproveOnSave = QStringLiteral("0");
    Scan(QStringLiteral("G1RS"));
    const QString next = w->gldjh->text();
    Sql(QStringLiteral("insert into jxc_scrksp (gl_djh,g_sn,sc_sl,sc_dj,sc_zje,a_name) values ('%1','00000000',1,-3,-3,"
                       "'admin')")
            .arg(next));
    w->setButtons();
    EXPECT_EQ(w->tsfje->text(), QStringLiteral("7"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(UpdateProdPendingTotal(ProductionInKind(), next), 10);
    EXPECT_NE(no, next);
}

TEST_F(ProductionTest, DateChangeKeepsTheTimeRenumbersANewDayAndChecksAReturnsWarehouse)
{
    Requisition(QStringLiteral("LY240508001"), { { QStringLiteral("G1"), 5, 0 } });
    Sql(QStringLiteral("update jxc_bmlyd set ly_status=0"));
    // Another operator's line of the document moves too.
    Sql(QStringLiteral("update jxc_bmlysp set a_name='other'"));
    const ProdKind& ly = DeptIssueKind();
    ProdDateChange same { QStringLiteral("LY240508001"), QStringLiteral("2024-05-08 09:00"),
        QStringLiteral("2024-05-08"), QStringLiteral("W2"), QStringLiteral("D2"), QStringLiteral("100001"), U8("备") };
    EXPECT_EQ(ChangeProdDocDate(ly, same).number, QStringLiteral("LY240508001"));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ly_rq,ck_sn,de_sn,ly_note from jxc_bmlyd")),
        QStringList { U8("LY240508001 2024-05-08 09:00 W2 D2 备") });
    ProdDateChange moved = same;
    moved.day = QStringLiteral("2024-05-10");
    const QString no = ChangeProdDocDate(ly, moved).number;
    EXPECT_TRUE(no.startsWith(QStringLiteral("LY240510"))) << no.toStdString();
    EXPECT_EQ(Rows(QStringLiteral("select ly_rq from jxc_bmlyd where gl_djh='%1'").arg(no)),
        QStringList { QStringLiteral("2024-05-10 09:00") });
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bmlysp where gl_djh='%1'").arg(no)), 1);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bmlyspmx where gl_djh='%1'").arg(no)), 1);

    // A production return cannot go to a warehouse without a stock row of its goods; a goods-in can.
    for (const char* prefix : { "ST", "SC" }) {
        const QString doc = QLatin1String(prefix) + QStringLiteral("240508001");
        Sql(QStringLiteral("insert into jxc_scrkd (gl_djh,ck_sn,de_sn,u_sn,sc_rq,sc_status) values ('%1','100001','D1',"
                           "'100001','2024-05-08 09:00',0)")
                .arg(doc));
        Sql(QStringLiteral("insert into jxc_scrksp (gl_djh,g_sn,sc_sl,a_name) values ('%1','G2',1,'admin')").arg(doc));
        ProdDateChange c { doc, QStringLiteral("2024-05-08 09:00"), QStringLiteral("2024-05-08"), QStringLiteral("W2"),
            QStringLiteral("D1"), QStringLiteral("100001"), QString() };
        const ProdDateResult r = ChangeProdDocDate(*ProdKindOf(doc), c);
        if (QLatin1String(prefix) == QLatin1String("ST")) {
            EXPECT_EQ(r.refusal, U8("当前仓库中不存在商品：“G2”，不能更换仓库！"));
            EXPECT_EQ(Scalar(QStringLiteral("select ck_sn from jxc_scrkd where gl_djh='%1'").arg(doc)),
                QStringLiteral("100001"));
        } else {
            EXPECT_TRUE(r.refusal.isEmpty());
            EXPECT_EQ(
                Scalar(QStringLiteral("select ck_sn from jxc_scrkd where gl_djh='%1'").arg(doc)), QStringLiteral("W2"));
        }
    }
}

TEST_F(ProductionTest, DateDialogRefusesAHandlerNoLongerListedAndRefreshesTheOwner)
{
    auto owner = OpenWindow(F_Bmly);
    Requisition(QStringLiteral("LY240508001"), { { QStringLiteral("G1"), 5, 0 } });
    Sql(QStringLiteral("update jxc_bmlyd set ly_status=0,u_sn='GONE'"));
    owner->cxPage->setCurrentWidget(owner->cxTab2);
    ASSERT_EQ(owner->Q_Pending.RecordCount(), 1);
    const QString draft = owner->gldjh->text();
    DateEditDocNo = QStringLiteral("bmly");
    TF_ModiDateLy dialog;
    dialog.Activate();
    dialog.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择经办人！"));
    dialog.comUser->setCurrentIndex(0);
    dialog.dateCg->setDate(QDate(2024, 5, 9));
    dialog.btnOKClick();
    DateEditDocNo.clear();
    const QString no = Scalar(QStringLiteral("select gl_djh from jxc_bmlyd"));
    EXPECT_TRUE(no.startsWith(QStringLiteral("LY240509")));
    EXPECT_EQ(owner->Q_Pending.AsString(QStringLiteral("gl_djh")), no);
    EXPECT_EQ(owner->gldjh->text(), draft);
}

} // namespace

namespace {

using SctkTest = ProdWindowTest<TF_Sctk, F_Sctk>;

TEST_F(SctkTest, ReturnQueryShowsPositiveQuantitiesNegativeCostAndNegativeLedgerRows)
{
    Sql(QStringLiteral(
        "insert into jxc_scrkd (gl_djh,ghs_sn,de_sn,ck_sn,sc_rq,sc_flag,sc_yfje,sc_sfje,sc_status,u_sn,"
        "a_name) values ('ST240509001','','D2','100001','2024-05-09 10:00',-1,-20,-20,0,'100001','admin')"));
    Sql(QStringLiteral("insert into jxc_scrksp (gl_djh,g_sn,sc_sl,sc_dj,sc_zje,sc_flag,a_name) values "
                       "('ST240509001','G1',2,10,20,1,'admin')"));
    Sql(QStringLiteral("update jxc_scrksp set tid=id"));
    Sql(QStringLiteral("insert into jxc_scrkspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select gl_djh,g_sn,'S',"
                       "'R',2,'admin',id from jxc_scrksp"));
    // Approved from the pending list.
    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->Q_Pending.RecordCount(), 1);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnRChkClick();
    EXPECT_EQ(w->Q_Pending.RecordCount(), 0);

    w->cxPage->setCurrentWidget(w->cxTab3);
    w->date1->setDate(QDate(2024, 5, 1));
    w->btnSearch3Click();
    ASSERT_EQ(w->Q_Djb.RecordCount(), 1);
    EXPECT_EQ(w->Q_Djb.AsFloat(QStringLiteral("zsl")), 2);
    EXPECT_EQ(w->Q_Djb.AsFloat(QStringLiteral("zje")), -20);
    EXPECT_EQ(w->Q_Djb2.AsFloat(QStringLiteral("sl")), 2);
    w->views[2]->setChecked(true);
    w->setQueryView(2);
    ASSERT_EQ(w->Q_Mxb.RecordCount(), 1);
    EXPECT_EQ(w->Q_Mxb.AsFloat(QStringLiteral("gl_sl")), -2);
    EXPECT_EQ(w->Q_Mxb.AsFloat(QStringLiteral("gl_zje")), -20);
    EXPECT_EQ(w->views.size(), 3); // no colour-by-size view for returns
}

TEST_F(ScrkTest, ColourSizeViewListsTheLedgersSizeRowsOfTheMonth)
{
    Sql(QStringLiteral("insert into jxc_scrkd (gl_djh,ghs_sn,de_sn,ck_sn,sc_rq,sc_flag,sc_status,u_sn,a_name) values "
                       "('SC240509001','','D2','100001','2024-05-09 10:00',1,0,'100001','admin')"));
    Sql(QStringLiteral("insert into jxc_scrksp (gl_djh,g_sn,sc_sl,sc_dj,sc_zje,sc_flag,a_name) values "
                       "('SC240509001','G1',3,10,30,1,'admin')"));
    Sql(QStringLiteral("update jxc_scrksp set tid=id"));
    Sql(QStringLiteral("insert into jxc_scrkspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select gl_djh,g_sn,'S',"
                       "'R',1,'admin',id from jxc_scrksp union all select gl_djh,g_sn,'M','B',2,'admin',id from "
                       "jxc_scrksp"));
    ASSERT_EQ(ApproveProductionIn(QStringLiteral("SC240509001")), QString());
    w->cxPage->setCurrentWidget(w->cxTab3);
    w->date1->setDate(QDate(2024, 5, 1));
    w->tDept2->setText(U8("车间"));
    w->views[3]->setChecked(true);
    w->setQueryView(3);
    Query& rows = F_DataModule->Q(QStringLiteral("Q_Sppc"));
    ASSERT_EQ(rows.RecordCount(), 2);
    double total = 0;
    for (int r = 0; r < rows.RecordCount(); ++r) {
        rows.SetRecNo(r);
        total += rows.AsFloat(QStringLiteral("zje"));
    }
    EXPECT_EQ(total, 30);
    w->tDept2->setText(U8("行政部"));
    w->btnSearch3Click();
    EXPECT_EQ(rows.RecordCount(), 0);
}

} // namespace
