#include "xsthtest.h"

#include "listing/queryframe.h"
#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "sales/xsthadd.h"
#include "sales/xsthrules.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A delivery XS1 to K1 from the window's warehouse: G1 in red S (2) and blue M (1),
// G2 one piece, G3 one piece, and a discount line of -10 on the goods "00000000".
class XsthWholeReturnTest : public XsthTest {
protected:
    void SetUp() override
    {
        XsthTest::SetUp();
        for (const char* g : { "G2", "G3" })
            fixture::AddGoods({ QLatin1String(g), QLatin1String(g), {}, {}, 10, 10 });
        fixture::DocSpec d;
        d.kind = fixture::Trade::Sale;
        d.number = QStringLiteral("XS1");
        d.date = QStringLiteral("2024-05-01 09:00");
        d.partner = QStringLiteral("K1");
        d.warehouse = Warehouse();
        d.status = 1;
        d.lines = {
            { QStringLiteral("G1"), 3, 20,
                { { QStringLiteral("R"), QStringLiteral("S"), 2 }, { QStringLiteral("B"), QStringLiteral("M"), 1 } } },
            { QStringLiteral("G2"), 1, 30, {} }, { QStringLiteral("G3"), 1, 40, {} }
        };
        fixture::AddDocument(d);
        Sql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,a_name) values "
                           "('XS1','00000000',-10,1,-10,1,'admin')"));
        Sql(QStringLiteral("update jxc_lsxssp set id2=id+100"));
    }
};

TEST_F(XsthWholeReturnTest, TheDeliveryIsCopiedLineByLineWithItsColoursAndFlaggedOnSave)
{
    WholeReturnDocNo = QStringLiteral("XS1");
    w->Activate();
    EXPECT_TRUE(WholeReturnDocNo.isEmpty());
    const QString number = No();
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthsp"), QStringLiteral("gl_djh='") + number + QStringLiteral("'")), 4);
    // Each row sits on the copy of its own line; every line links to itself.
    EXPECT_EQ(Rows(QStringLiteral("select a.g_sn,b.color_sn,b.cm_sn,b.t_sl from jxc_xsthsp a,jxc_xsthspmx b "
                                  "where b.tid=a.id and a.tid=a.id order by b.id")),
        (QStringList { QStringLiteral("G1 R S 2"), QStringLiteral("G1 B M 1"), QStringLiteral("G2 100001 100001 1"),
            QStringLiteral("G3 100001 100001 1") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthsp"), QStringLiteral("gl_djh2='XS1' and id2=0 and idck>100")), 4);
    // The discount line is copied but neither shown nor counted.
    EXPECT_EQ(w->cxGridView->RowCount(), 4);
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("130"));
    EXPECT_EQ(w->tkh->text(), QStringLiteral("客户一"));
    EXPECT_FALSE(w->tkh->isEnabled());
    EXPECT_FALSE(w->comCk->isEnabled());

    Save();
    const QString saved = Scalar(QStringLiteral("select gl_djh from jxc_xsthd"));
    EXPECT_EQ(Rows(QStringLiteral("select ls_th,ls_fdmc from jxc_lsxsd where gl_djh='XS1'")),
        QStringList { QStringLiteral("1 ") + saved });

    // Deleting the pending return clears the flag again.
    w->cxPage->setCurrentWidget(w->cxTab2);
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_DeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthd")), 0);
    EXPECT_EQ(Rows(QStringLiteral("select ls_th,ls_fdmc from jxc_lsxsd where gl_djh='XS1'")),
        QStringList { QStringLiteral("0 ") });
}

TEST_F(XsthWholeReturnTest, ClosingWithYesFlagsTheDeliveryAndCancelKeepsTheDraft)
{
    WholeReturnDocNo = QStringLiteral("XS1");
    w->Activate();
    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_FALSE(w->FormCloseQuery());
    EXPECT_EQ(w->wholeReturnOf, QStringLiteral("XS1"));
    prompt.Answer(Prompt::Answer::Yes);
    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_TRUE(w->FormCloseQuery());
    EXPECT_EQ(Number(QStringLiteral("select ls_th from jxc_lsxsd where gl_djh='XS1'")), 1);
}

TEST_F(XsthWholeReturnTest, DeletingTheLastPendingLineRemovesTheReturnAndTheFlag)
{
    WholeReturnDocNo = QStringLiteral("XS1");
    w->Activate();
    Save();
    const QString number = Scalar(QStringLiteral("select gl_djh from jxc_xsthd"));
    Sql(QStringLiteral("delete from jxc_xsthsp where g_sn<>'G2'"));
    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->Q_Shsp.RecordCount(), 1);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthd")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthspmx"), QStringLiteral("gl_djh='") + number + QStringLiteral("'")), 0);
    EXPECT_EQ(Number(QStringLiteral("select ls_th from jxc_lsxsd where gl_djh='XS1'")), 0);
}

TEST_F(XsthWholeReturnTest, TheBrowserOffersWhatTheCustomerBoughtFromTheWarehouse)
{
    fixture::AddWarehouse(QStringLiteral("W2"), QStringLiteral("二号库"));
    fixture::AddCustomer(QStringLiteral("K2"), QStringLiteral("客户二"));
    fixture::AddGoods({ QStringLiteral("G4"), QStringLiteral("G4"), {}, {}, 10, 10 });
    fixture::DocSpec other;
    other.kind = fixture::Trade::Sale;
    other.number = QStringLiteral("XS2");
    other.date = QStringLiteral("2024-05-02 09:00");
    other.partner = QStringLiteral("K1");
    other.warehouse = QStringLiteral("W2");
    other.status = 1;
    other.lines = { { QStringLiteral("G4"), 1, 10, {} } };
    fixture::AddDocument(other);
    fixture::SetWarehouseStock(QStringLiteral("G2"), Warehouse(), 0, 10, 0);
    fixture::SetWarehouseStock(QStringLiteral("G3"), Warehouse(), -2, 10, -2);
    fixture::SetWarehouseStock(QStringLiteral("G4"), QStringLiteral("W2"), 5, 10, 5);
    fixture::SetWarehouseStock(QStringLiteral("G4"), Warehouse(), 7, 10, 7);
    Sql(QStringLiteral("update jxc_goods set g_kc=9 where g_sn='G2'"));
    Sql(QStringLiteral("update jxc_goods set g_kc=12 where g_sn='G4'"));
    auto list = [this](bool only, const QString& customer) {
        const GoodsListQuery q = CustomerReturnGoodsList(only, Warehouse(), customer, QString());
        Query r(&dm->ADOConn);
        r.SetSQL(q.sql);
        for (auto it = q.params.begin(); it != q.params.end(); ++it)
            r.SetParam(it.key(), it.value());
        r.Open();
        QStringList out;
        for (r.First(); !r.Eof(); r.Next())
            out << r.AsString(QStringLiteral("g_sn")) + QLatin1Char(' ') + r.AsString(QStringLiteral("kc_sl"));
        out.sort();
        return out;
    };
    EXPECT_TRUE(list(true, QStringLiteral("K2")).isEmpty());
    EXPECT_EQ(list(true, QStringLiteral("K1")),
        (QStringList { QStringLiteral("G1 0"), QStringLiteral("G2 0"), QStringLiteral("G3 -2") }));
    const QStringList all = list(false, QStringLiteral("K2"));
    EXPECT_TRUE(all.contains(QStringLiteral("G2 9"))) << all.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("G4 12")));
    EXPECT_FALSE(all.join(QLatin1Char(',')).contains(QStringLiteral("00000000")));
}

TEST_F(XsthWholeReturnTest, TheBrowserConfirmsPicksAsLinesAndKeepsTheGlobalCustomer)
{
    ChooseK1();
    TF_Xsth_Add browser;
    ActiveDocKind = QStringLiteral("xsth");
    browser.Activate();
    EXPECT_EQ(browser.cxGridView->RowCount(), 1); // G1 only: G2 and G3 have no stock row here
    Sql(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_dzl,ts_je,ts_tax,ts_taxdj,ts_taxje,"
                       "ts_lsj,ts_cbj,ts_zcb,a_name) values ('G1',20,2,40,1,40,0,20,0,99,15,30,'admin')"));
    const QString pick = Scalar(QStringLiteral("select max(id) from jxc_tempspxf"));
    Sql(QStringLiteral("insert into jxc_tempspxfmx (g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                       "('G1','S','R',2,'admin',%1)")
            .arg(pick));
    browser.Q_Tempspxf.Requery();
    browser.btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select th_sl,th_zje,th_zhje,th_lsj,th_cbj,th_zcb from jxc_xsthsp")),
        QStringList { QStringLiteral("2 40 40 99 15 30") });
    EXPECT_EQ(Count(QStringLiteral("jxc_tempspxf")), 0);
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("40"));

    // On a pending return of another customer the browser lists for that customer
    // and leaves the program-wide customer alone.
    Save();
    fixture::AddCustomer(QStringLiteral("K2"), QStringLiteral("客户二"));
    Sql(QStringLiteral("update jxc_xsthd set kh_sn='K2'"));
    w->cxPage->setCurrentWidget(w->cxTab2);
    CurrentCustomerSn = QStringLiteral("K1");
    ActiveDocKind = QStringLiteral("xsthsh");
    browser.Activate();
    EXPECT_EQ(browser.BrowseCustomerSn, QStringLiteral("K2"));
    EXPECT_EQ(browser.cxGridView->RowCount(), 0);
    EXPECT_EQ(CurrentCustomerSn, QStringLiteral("K1"));
}

// Three pending returns on 2024-05-08, -09 and -10.
class XsthPendingTest : public XsthTest {
protected:
    void SetUp() override
    {
        XsthTest::SetUp();
        ChooseK1();
        for (int day : { 8, 9, 10 }) {
            w->dateCg->setDate(QDate(2024, 5, day));
            w->dateCgChange();
            ChooseK1();
            DraftLine(1, 10 * day);
            Save();
        }
        w->cxPage->setCurrentWidget(w->cxTab2);
    }
};

TEST_F(XsthPendingTest, ApprovingAllPostsEachReturnOnceInListOrder)
{
    ASSERT_EQ(w->Q_Shdj.RecordCount(), 3);
    EXPECT_LT(Number(QStringLiteral("select sum(th_yfje) from jxc_xsthd")), 0);
    // The middle one is approved by someone else meanwhile.
    const QStringList numbers = Column(QStringLiteral("select gl_djh from jxc_xsthd order by th_xsrq"));
    w->checkDj(numbers.value(1));
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_CheckClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthd"), QStringLiteral("th_status=1")), 3);
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_flag='xt'")), 3);
    EXPECT_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1'")), 3);
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_goodslist where gl_flag='xt' order by id")),
        (QStringList { numbers.value(1), numbers.value(0), numbers.value(2) }));
    EXPECT_EQ(w->Q_Shdj.RecordCount(), 0);
}

TEST_F(XsthPendingTest, AnyCustomerKeyThatMeansAllListsEveryReturn)
{
    for (const QString& key : { QStringLiteral("全部客户"), QStringLiteral("当前客户"), QStringLiteral("客户一") }) {
        w->tGhsName->setText(key);
        w->btnSearch2Click();
        EXPECT_EQ(w->Q_Shdj.RecordCount(), 3) << key.toStdString();
    }
    w->tGhsName->setText(QStringLiteral("nobody"));
    w->btnSearch2Click();
    EXPECT_EQ(w->Q_Shdj.RecordCount(), 0);
}

TEST_F(XsthPendingTest, TheQueryViewsShowApprovedReturnsOverWholeDays)
{
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_CheckClick();
    w->cxPage->setCurrentWidget(w->cxTab3);
    SetPeriod(w->tdate1, w->tdate2, { QDate(2024, 5, 9), QDate(2024, 5, 10) });
    w->btnSearch3Click();
    // The return of the 10th carries a time of day and still counts.
    EXPECT_EQ(w->Q_Xsthd.RecordCount(), 2);
    w->rHzb->click();
    ASSERT_EQ(w->Q_GoodsKhHZ.RecordCount(), 1);
    EXPECT_EQ(w->Q_GoodsKhHZ.AsFloat(QStringLiteral("sl")), -2);
    prompt.Clear();
    w->btn_UnChkClick();
    EXPECT_EQ(prompt.Messages(),
        QStringList { QStringLiteral("批量取消只能在单据表进行！\r\n\r\n（如需取消审核某个单据，请按右键！）") });
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthd"), QStringLiteral("th_status=1")), 3);
    w->rMxb->click();
    ASSERT_EQ(w->Q_GoodsList.RecordCount(), 2);
    EXPECT_EQ(w->Q_GoodsList.AsFloat(QStringLiteral("sl")), 1);
    EXPECT_GT(w->Q_GoodsList.AsFloat(QStringLiteral("zje")), 0);

    PrintLog::Clear();
    w->btn_Prin3Click();
    ASSERT_EQ(PrintLog::Records().size(), 1);
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QStringLiteral("report/xsthmxb.fr3")));
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("xsthmxb")).rows.size(), 2);
    EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("date1")), QStringLiteral("2024-05-09"));
}

TEST_F(XsthPendingTest, TheListPrintAndADocumentViewAreRecorded)
{
    PrintLog::Clear();
    w->btn_PrinClick();
    ASSERT_EQ(PrintLog::Records().size(), 1);
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("xsthdsh")).rows.size(), 3);
    w->btn_ChaKanClick();
    ASSERT_EQ(PrintLog::Records().size(), 2);
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QStringLiteral("report/xsth.fr3")));
    EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("khName")), QStringLiteral("客户一"));
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).rows.size(), 1);
}

} // namespace
