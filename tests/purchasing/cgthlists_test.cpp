#include "cgthtest.h"
#include "listing/queryframe.h"
#include "platform/base/programfolder.h"
#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/report/report.h"
#include "support/platform/testtext.h"

#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

// Pending returns of G1 (10 a piece) for supplier S1; the default warehouse holds 20
// of G1 red/small.
class CgthListsTest : public CgthTest {
protected:
    void SetUp() override
    {
        CgthTest::SetUp();
        Sql(QStringLiteral("update jxc_goods set gc_sn=(select min(gc_sn) from jxc_goodsclass)"));
        fixture::SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 20, 10, 200);
        fixture::AddColorSizeStock(
            QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("R"), QStringLiteral("S"), 20);
        ShowCostPrice = true;
        QDir().mkpath(ProgramFolder::File(QStringLiteral("report")));
        for (const char* f : { "cgth.fr3", "cgth2.fr3", "cgthdsh.fr3", "cgthdjb.fr3", "cgthhzb.fr3", "cgthmxb.fr3" })
            QFile::copy(SourceResource(QStringLiteral("report/") + QLatin1String(f)),
                ProgramFolder::File(QStringLiteral("report/") + QLatin1String(f)));
        PrintLog::Clear();
        Open();
    }
    QString Scalar(const QString& statement) { return QueryScalar(statement); }
    // A pending return of G1 lines (quantity each, price 10), paid back in full, that
    // took goods-in CJ-<number> over as a whole.
    void Pending(const QString& number, const QList<double>& quantities,
        const QString& date = QStringLiteral("2024-05-10 09:00"))
    {
        fixture::DocSpec d { fixture::Trade::PurchaseReturn, number, date, QStringLiteral("S1") };
        for (double q : quantities)
            d.lines.append({ QStringLiteral("G1"), q, 10, { { QStringLiteral("R"), QStringLiteral("S"), q } } });
        fixture::AddDocument(d);
        Sql(QStringLiteral("update jxc_thsp set th_taxdj=th_dj where gl_djh='%1'").arg(number));
        Sql(QStringLiteral("update jxc_thd set th_sfje=th_yfje,th_jsfs=1,th_hkje=0 where gl_djh='%1'").arg(number));
        fixture::AddDocument({ fixture::Trade::GoodsIn, QStringLiteral("CJ-") + number,
            QStringLiteral("2024-05-01 09:00"), QStringLiteral("S1"), QStringLiteral("100001"),
            QStringLiteral("100001"), 1, { { QStringLiteral("G1"), 1, 10, {} } } });
        Sql(QStringLiteral("update jxc_jhd set j_th=1,j_dhdid='%1' where gl_djh='CJ-%1'").arg(number));
    }
    QString Flag(const QString& number)
    {
        return Scalar(QStringLiteral("select cast(j_th as varchar(4))||'/'||coalesce(j_dhdid,'') from jxc_jhd "
                                     "where gl_djh='CJ-%1'")
                          .arg(number));
    }
    void ShowPending(const QString& select = QString())
    {
        w->cxPage->setCurrentWidget(w->cxTab2);
        w->btnSearchChkClick();
        if (!select.isEmpty())
            w->Q_Shdj.Locate(QStringLiteral("gl_djh"), select);
        w->setShspList();
    }
    void ShowQuery(QRadioButton* view)
    {
        w->cxPage->setCurrentWidget(w->cxTab3);
        SetPeriod(w->tdate1, w->tdate2, { QDate(2024, 5, 1), QDate(2024, 5, 10) });
        view->setChecked(true);
        w->btnSearch2Click();
    }
    int Logged(const QString& text)
    {
        return Scalar(QStringLiteral("select count(*) from jxc_log where log_note='") + text + QStringLiteral("'"))
            .toInt();
    }
};

TEST_F(CgthListsTest, DeletingLinesFollowsTheSettingAndFreesTheGoodsIn)
{
    // th_sfje follows the lines only when the paid amount does not default to zero.
    struct Case {
        const char* payDefault;
        const char* number;
        double paid;
    };
    for (const Case c : { Case { "1", "CT01", -50 }, Case { "0", "CT02", -20 } }) {
        PurchasePayDefault = QLatin1String(c.payDefault);
        const QString number = QLatin1String(c.number);
        Pending(number, { 3, 2 });
        ShowPending(number);
        ASSERT_EQ(w->Q_Shsp.RecordCount(), 2);
        prompt.Answer(Prompt::Answer::Yes);
        w->btnDeleClick();
        const QString header = QStringLiteral("select %1 from jxc_thd where gl_djh='") + number + QStringLiteral("'");
        EXPECT_DOUBLE_EQ(Scalar(header.arg(QStringLiteral("th_yfje"))).toDouble(), -20) << c.number;
        EXPECT_DOUBLE_EQ(Scalar(header.arg(QStringLiteral("th_sfje"))).toDouble(), c.paid) << c.number;
        EXPECT_EQ(Flag(number), QStringLiteral("1/") + number) << "lines remain: the goods-in stays taken";
    }

    // The last line takes the return with it, unlogged, and frees the goods-in.
    ShowPending(QStringLiteral("CT01"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDeleClick();
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from jxc_thd where gl_djh='CT01'")), QStringLiteral("0"));
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from jxc_thspmx where gl_djh='CT01'")), QStringLiteral("0"));
    EXPECT_EQ(Flag(QStringLiteral("CT01")), QStringLiteral("0/"));
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from jxc_log where log_note like '%CT01%'")), QStringLiteral("0"));

    // "删除单据": logged, goods-in free, the list reopened without it.
    ShowPending(QStringLiteral("CT02"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_DeleClick();
    EXPECT_EQ(Logged(T("删除采购退货单：CT02")), 1);
    EXPECT_EQ(Flag(QStringLiteral("CT02")), QStringLiteral("0/"));
    EXPECT_EQ(w->Q_Shdj.RecordCount(), 0);
    EXPECT_FALSE(w->btnDele->isEnabled());
}

TEST_F(CgthListsTest, ApproveAllSkipsAnEmptiedReturnAndTheSupplierFilterTakesAll)
{
    Pending(QStringLiteral("CT01"), { 2 });
    Pending(QStringLiteral("CT02"), { 1 });
    Sql(QStringLiteral("delete from jxc_thsp where gl_djh='CT02'"));
    w->tGhsName->setText(T("全部供货商"));
    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->Q_Shdj.RecordCount(), 2) << T("“全部供货商” is no supplier text").toStdString();
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_CheckClick();
    EXPECT_EQ(Scalar(QStringLiteral("select th_status from jxc_thd where gl_djh='CT01'")), QStringLiteral("1"));
    EXPECT_EQ(Scalar(QStringLiteral("select th_status from jxc_thd where gl_djh='CT02'")), QStringLiteral("0"));
    EXPECT_EQ(w->Q_Shdj.RecordCount(), 1);
}

TEST_F(CgthListsTest, QueryViewsCancelAndRights)
{
    Pending(QStringLiteral("CT01"), { 2 }, QStringLiteral("2024-05-10 23:59"));
    Pending(QStringLiteral("CT02"), { 1 }, QStringLiteral("2024-04-10 09:00"));
    ASSERT_TRUE(w->checkDj(QStringLiteral("CT01")));
    ASSERT_TRUE(w->checkDj(QStringLiteral("CT02")));

    ShowQuery(w->rDjb);
    ASSERT_EQ(w->Q_Thd.RecordCount(), 1) << "a return at 23:59 of the last day is in; April is out";
    EXPECT_EQ(w->Q_Thd.AsString(QStringLiteral("djh")), QStringLiteral("CT01"));
    EXPECT_DOUBLE_EQ(w->Q_Thd.AsFloat(QStringLiteral("yfje")), -20);
    EXPECT_GT(w->Q_Thsp2.RecordCount(), 0);
    EXPECT_TRUE(w->gname->text().startsWith(QStringLiteral("CT01  ")));

    ShowQuery(w->rHzb);
    ASSERT_EQ(w->Q_GoodsHZ.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(w->Q_GoodsHZ.AsFloat(QStringLiteral("sl")), -2) << "totals show the stored negative amounts";
    EXPECT_EQ(w->Q_GoodsListTh.RecordCount(), 1);
    prompt.Clear();
    w->btn_UnChkClick();
    EXPECT_EQ(prompt.LastMessage(), T("批量取消只能在单据表进行！\r\n\r\n（如需取消审核某个单据，请按右键！）"));

    ShowQuery(w->rMxb);
    ASSERT_EQ(w->Q_GoodsList.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(w->Q_GoodsList.AsFloat(QStringLiteral("gl_sl")), -2);
    EXPECT_DOUBLE_EQ(w->Q_GoodsList.AsFloat(QStringLiteral("sl")), 2);

    // The cancel button follows the cancel routine's own right, cggl 11.
    const QString flags = Scalar(QStringLiteral("select cggl from jxc_role where r_sn='%1'").arg(CurrentRoleSn));
    QString without = flags.leftJustified(12, QLatin1Char('1'));
    without[10] = QLatin1Char('0');
    Sql(QStringLiteral("update jxc_role set cggl='%1' where r_sn='%2'").arg(without, CurrentRoleSn));
    w->Activate();
    EXPECT_FALSE(w->btn_UnChk->isEnabled());
    Sql(QStringLiteral("update jxc_role set cggl='%1' where r_sn='%2'").arg(flags, CurrentRoleSn));
    w->Activate();
    ASSERT_TRUE(w->btn_UnChk->isEnabled());

    ShowQuery(w->rDjb);
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_UnChkClick();
    EXPECT_EQ(Scalar(QStringLiteral("select th_status from jxc_thd where gl_djh='CT01'")), QStringLiteral("0"));
    EXPECT_EQ(w->Q_Thd.RecordCount(), 0);
}

TEST_F(CgthListsTest, EveryListTemplatePrintsItsRowsAndADocumentItsHeader)
{
    Pending(QStringLiteral("CT01"), { 2 });
    Pending(QStringLiteral("CT02"), { 1 });
    ASSERT_TRUE(w->checkDj(QStringLiteral("CT01")));
    ShowPending();
    const QString entrySupplier = CurrentSupplierSn;
    w->btn_Chakan2Click();
    EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("ghsName")), T("供应一"));
    EXPECT_EQ(CurrentSupplierSn, entrySupplier) << "the entry tab keeps its supplier";
    w->btn_PrinClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("cgthdsh")).rows.size(), 1);
    EXPECT_GT(PrintLog::Last()->pages, 0);

    struct Case {
        QRadioButton* view;
        const char* dataset;
    };
    for (const Case& c : { Case { w->rDjb, "cgthdjb" }, Case { w->rHzb, "cgthhzb" }, Case { w->rMxb, "cgthmxb" } }) {
        ShowQuery(c.view);
        PrintLog::Clear();
        w->btn_Prin3Click();
        ASSERT_NE(PrintLog::Last(), nullptr) << c.dataset;
        EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QLatin1String(c.dataset) + QStringLiteral(".fr3")));
        EXPECT_EQ(PrintLog::Last()->datasets.value(QLatin1String(c.dataset)).rows.size(), 1) << c.dataset;
        EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("date1")), QStringLiteral("2024-05-01"));
    }
    // Each list template renders a page.
    for (const char* name : { "cgthdsh", "cgthdjb", "cgthhzb", "cgthmxb" }) {
        Report r;
        ASSERT_TRUE(r.LoadFromFile(ProgramFolder::File(QStringLiteral("report/%1.fr3").arg(QLatin1String(name)))));
        r.SetDataset(QLatin1String(name), &w->Q_GoodsList);
        EXPECT_EQ(r.ExportPng(ProgramFolder::File(QLatin1String(name) + QStringLiteral(".png")), 72).size(), 1) << name;
    }

    // The approved return previews with its stored approver; a draft with none.
    ShowQuery(w->rDjb);
    PrintLog::Clear();
    w->btn_ChaKanClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_FALSE(PrintLog::Last()->variables.value(QStringLiteral("checker")).isEmpty());
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).Text(0, QStringLiteral("g_sn")),
        QStringLiteral("G1"));
    w->cxPage->setCurrentWidget(w->cxTab1);
    Sql(QStringLiteral("insert into jxc_thsp (gl_djh,g_sn,a_name,th_sl,th_dj,th_taxdj,th_dzl,th_zje) values "
                       "('%1','G1','%2',1,10,10,1,10)")
            .arg(w->jsn->text(), CurrentAdminName));
    Sql(QStringLiteral("insert into jxc_thspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select gl_djh,g_sn,'S',"
                       "'R',1,a_name,id from jxc_thsp where gl_djh='%1'")
            .arg(w->jsn->text()));
    w->openGridViewData(w->jsn->text());
    w->updateBottomJe();
    PrintLog::Clear();
    w->btnPrin_XClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_TRUE(PrintLog::Last()->variables.value(QStringLiteral("checker")).isEmpty());
    EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("ghsName")), w->tghs->text());

    // Printing through the printer dialog, chosen or cancelled, leaves no skipped activation behind.
    for (const int answer : { int(QDialog::Accepted), int(QDialog::Rejected) }) {
        PrintLog::Clear();
        prompt.OnModal(QString(), [answer](QDialog*) { return answer; });
        w->btnPrin_WClick();
        EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), answer == QDialog::Accepted ? 1 : 0);
        EXPECT_EQ(TF_Cgth::SkipNextInit, QStringLiteral("0"));
    }
}

} // namespace
