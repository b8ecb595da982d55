#include "cgjhtest.h"

#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "purchasing/cgd.h"
#include "purchasing/cgjhimportdd.h"
#include "purchasing/orders.h"
#include "purchasing/ordertakeover.h"
#include "purchasing/purchasingwindows.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace {

QString C(const char* text)
{
    return QString::fromUtf8(text);
}

// The order window beside the goods-in window of CgjhTest (goods G1 at average price
// 10, supplier S1, 2024-05-10 10:20), with the delivered templates; orders left pending.
class CgdTest : public CgjhTest {
protected:
    void SetUp() override
    {
        CgjhTest::SetUp();
        RegisterPurchasingWindows();
        PrepareForQueries();
        AutoPrintSalesDoc = QStringLiteral("0");
        ShowCostPrice = true;
        o = std::make_unique<TF_Cgd>();
        F_Cgd = o.get();
        o->Activate();
        o->tghs->setText(C("供应一"));
        CurrentSupplierSn = QStringLiteral("S1");
    }
    void TearDown() override
    {
        o.reset();
        CgjhTest::TearDown();
    }
    void ScanOrder(const QString& code)
    {
        o->tSptm->setText(code);
        o->tSptmKeyDown();
    }
    // Scans two lines and saves; answers the saved number.
    QString SaveOrder()
    {
        ScanOrder(QStringLiteral("G1RS"));
        ScanOrder(QStringLiteral("G1BM"));
        const QString number = o->jsn->text();
        prompt.Answer(Prompt::Answer::Yes);
        o->btnOKClick();
        return number;
    }
    int Logged(const QString& text) { return Count(QStringLiteral("jxc_log"), "log_note='" + text + "'"); }

    // An approved order of S1 dated `date`, two colour-by-size rows on its first line
    // and one on its second. Made first, its line ids equal those of the goods-in lines.
    QString ApprovedOrder(const QString& number, const QString& date = QStringLiteral("2024-05-09 10:00"))
    {
        Sql("insert into jxc_cgd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,a_name,j_status,j_qk,j_jsfs,j_kmmc,"
            "j_note,gl_djh2) values ('"
            + number + "','S1','100001','" + date + "',70,70,'100001','admin',0,0,1,'','整批','')");
        struct L {
            double qty, price;
            QList<std::array<const char*, 3>> rows;
        };
        const L lines[] = { { 3, 10, { { "R", "S", "1" }, { "B", "M", "2" } } }, { 4, 10, { { "R", "M", "4" } } } };
        for (const L& l : lines) {
            Sql(QStringLiteral("insert into jxc_cgsp (gl_djh,g_sn,a_name,jh_sl,jh_dj,jh_tax,jh_taxdj,jh_dzl,jh_je,"
                               "jh_taxje,jh_zje,jh_rksl,jh_qxsl) values ('%1','G1','admin',%2,%3,0,%3,1,%4,0,%4,%2,0)")
                    .arg(number)
                    .arg(l.qty)
                    .arg(l.price)
                    .arg(l.qty * l.price));
            const qint64 id = qint64(Number(QStringLiteral("select max(id) from jxc_cgsp")));
            Sql(QStringLiteral("update jxc_cgsp set tid=id where id=%1").arg(id));
            for (const auto& r : l.rows)
                Sql(QStringLiteral("insert into jxc_cgspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                                   "values ('%1','G1','%2','%3',%4,'admin',%5)")
                        .arg(number, QLatin1String(r[1]), QLatin1String(r[0]), QLatin1String(r[2]))
                        .arg(id));
        }
        ApproveOrder(number, QStringLiteral("admin"));
        return number;
    }
    // Every copied colour-by-size row with its line: order number, line quantity, colour, size, row quantity.
    QStringList CopiedRows(const QString& number)
    {
        return Rows("select a.gl_djh2,a.jh_sl,a.jh_rksl,b.color_sn,b.cm_sn,b.t_sl from jxc_jhsp a inner join "
                    "jxc_jhspmx b on b.tid=a.id and b.gl_djh=a.gl_djh where a.gl_djh='"
            + number + "' and a.gl_djh2<>'' order by b.id");
    }

    std::unique_ptr<TF_Cgd> o;
};

TEST_F(CgdTest, SavingWithApprovalOpensEveryLineAndListsTheOrderInTheQuery)
{
    ApproveOnSave = QStringLiteral("1");
    ScanOrder(QStringLiteral("G1RS"));
    ScanOrder(QStringLiteral("G1BM"));
    const QString number = o->jsn->text();
    EXPECT_TRUE(number.startsWith(QLatin1String("CD240510")));
    EXPECT_EQ(o->tyfje->text(), QStringLiteral("20"));
    // First settle mode without a discount line: the payable stored is what was paid.
    o->comJsfs->setCurrentIndex(0);
    o->tsfje->setText(QStringLiteral("18"));
    prompt.Answer(Prompt::Answer::Yes);
    o->btnOKClick();
    ASSERT_FALSE(prompt.Questions().isEmpty());
    EXPECT_TRUE(prompt.Questions().last().startsWith(C("单据保存后将直接审核")));

    EXPECT_EQ(Scalar("select j_status from jxc_cgd where gl_djh='" + number + "'"), QStringLiteral("1"));
    EXPECT_EQ(Scalar("select j_yfje from jxc_cgd where gl_djh='" + number + "'"), QStringLiteral("18"));
    EXPECT_EQ(Scalar("select j_qk from jxc_cgd where gl_djh='" + number + "'"), QStringLiteral("False"));
    EXPECT_EQ(Count(QStringLiteral("jxc_cgsp"), "gl_djh='" + number + "' and jh_rksl=0 and jh_qxsl=0 and id2=id"), 2);
    EXPECT_EQ(Count(QStringLiteral("jxc_log"), QStringLiteral("log_note like '%采购订单%'")), 0);
    EXPECT_NE(o->jsn->text(), number);

    o->cxPage->setCurrentWidget(o->cxTab2);
    EXPECT_EQ(o->Q_Shdj.RecordCount(), 0);
    o->cxPage->setCurrentWidget(o->cxTab3);
    ASSERT_EQ(o->Q_Cgd.RecordCount(), 1);
    EXPECT_EQ(o->Q_Cgd.AsString(QStringLiteral("gl_djh")), number);
    // Bought 0, remaining the ordered quantity.
    ASSERT_EQ(o->Q_Cgsp.RecordCount(), 2);
    EXPECT_EQ(o->Q_Cgsp.AsString(QStringLiteral("dsl")), o->Q_Cgsp.AsString(QStringLiteral("jh_sl")));
}

TEST_F(CgdTest, PendingOrdersAreApprovedEditedAndDeleted)
{
    const QString first = SaveOrder();
    EXPECT_EQ(Logged(C("增加未审核采购订单") + first + C("，共2种商品")), 1);
    const QString second = SaveOrder();
    ASSERT_NE(first, second);
    o->cxPage->setCurrentWidget(o->cxTab2);
    ASSERT_EQ(o->Q_Shdj.RecordCount(), 2);

    // Deleting one line brings the header down to the rest; the last line takes the order along, unlogged.
    ASSERT_TRUE(o->Q_Shdj.Locate(QStringLiteral("gl_djh"), first));
    o->setShspList();
    prompt.Answer(Prompt::Answer::Yes);
    o->btnDeleClick();
    EXPECT_EQ(Scalar("select j_yfje from jxc_cgd where gl_djh='" + first + "'"), QStringLiteral("10"));
    ASSERT_TRUE(o->Q_Shdj.Locate(QStringLiteral("gl_djh"), first));
    o->setShspList();
    prompt.Answer(Prompt::Answer::Yes);
    o->btnDeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_cgd"), "gl_djh='" + first + "'"), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_cgspmx"), "gl_djh='" + first + "'"), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_log"), "log_note like '%" + first + "%' and log_note like '%删除%'"), 0);

    // "删除单据" is logged.
    const QString third = SaveOrder();
    o->cxPage->setCurrentWidget(o->cxTab2);
    ASSERT_TRUE(o->Q_Shdj.Locate(QStringLiteral("gl_djh"), third));
    prompt.Answer(Prompt::Answer::Yes);
    o->btn_DeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_cgd"), "gl_djh='" + third + "'"), 0);
    EXPECT_EQ(Logged(C("删除采购订单：") + third), 1);

    // "审核全部" approves what is listed, an order without lines too.
    Sql(QStringLiteral("insert into jxc_cgd (gl_djh,ghs_sn,ck_sn,j_jhrq,u_sn,a_name,j_status,j_qk) "
                       "values ('CD240510EMPTY','S1','100001','2024-05-10 09:00','100001','admin',0,0)"));
    o->btnSearch2Click();
    ASSERT_EQ(o->Q_Shdj.RecordCount(), 2);
    prompt.Answer(Prompt::Answer::Yes);
    o->btn_CheckClick();
    EXPECT_EQ(o->Q_Shdj.RecordCount(), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_cgd"), QStringLiteral("j_status=1")), 2);
}

TEST_F(CgdTest, ApprovalMovesAnotherOperatorsPendingOrderAway)
{
    const QString number = SaveOrder();
    Sql("insert into jxc_cgd (gl_djh,ghs_sn,ck_sn,j_jhrq,u_sn,a_name,j_status,j_qk) values ('" + number
        + "','S1','100001','2024-05-10 09:00','100001','op2',0,0)");
    Sql("insert into jxc_cgsp (gl_djh,g_sn,a_name,jh_sl,jh_dj,jh_zje,jh_rksl,jh_dzl) values ('" + number
        + "','G1','op2',5,10,50,5,1)");
    Sql(QStringLiteral("update jxc_cgsp set tid=id where a_name='op2'"));
    Sql("insert into jxc_cgspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select gl_djh,'G1','S','R',5,'op2',id "
        "from jxc_cgsp where a_name='op2'");

    ApproveOrder(number, QStringLiteral("admin"));

    EXPECT_EQ(Count(QStringLiteral("jxc_cgd"), "gl_djh='" + number + "'"), 1);
    EXPECT_EQ(Scalar("select a_name from jxc_cgd where gl_djh='" + number + "'"), QStringLiteral("admin"));
    const QString moved = Scalar(QStringLiteral("select gl_djh from jxc_cgd where a_name='op2'"));
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_NE(moved, number);
    EXPECT_EQ(Scalar(QStringLiteral("select j_status from jxc_cgd where a_name='op2'")), QStringLiteral("0"));
    EXPECT_EQ(Count(QStringLiteral("jxc_cgsp"), "gl_djh='" + moved + "' and jh_sl=5"), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_cgspmx"), "gl_djh='" + moved + "'"), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_cgsp"), "gl_djh='" + number + "'"), 2);
}

TEST_F(CgdTest, QueryVoidsCancelsAndFindsTheWholeEndDay)
{
    ApproveOnSave = QStringLiteral("1");
    const QString number = SaveOrder();
    // Saved at the end of the last day of the period.
    Sql("update jxc_cgd set j_jhrq='2024-05-10 23:59:30' where gl_djh='" + number + "'");
    o->cxPage->setCurrentWidget(o->cxTab3);
    ASSERT_EQ(o->Q_Cgd.RecordCount(), 1);

    prompt.Answer(Prompt::Answer::Yes);
    o->btnRZfClick();
    EXPECT_EQ(prompt.Questions().last(), C("单据作废后不能继续导入到采购进货，确认吗？"));
    EXPECT_EQ(Scalar("select j_qk from jxc_cgd where gl_djh='" + number + "'"), QStringLiteral("True"));
    EXPECT_EQ(o->Q_Cgd.RecordCount(), 0);
    o->chkZf->setChecked(true);
    o->btnSearch3Click();
    ASSERT_EQ(o->Q_Cgd.RecordCount(), 1);
    prompt.Answer(Prompt::Answer::Yes);
    o->btnRZfClick();
    EXPECT_EQ(prompt.Questions().last(), C("您的操作将取消该单据的作废状态，确认吗？"));
    EXPECT_EQ(Scalar("select j_qk from jxc_cgd where gl_djh='" + number + "'"), QStringLiteral("False"));

    o->rMxb->setChecked(true);
    EXPECT_EQ(o->Q_Cgsp2.RecordCount(), 2);
    o->btn_UnChkClick();
    EXPECT_EQ(prompt.LastMessage(), C("取消审核操作只能在“单据表”进行。"));
    EXPECT_EQ(Scalar("select j_status from jxc_cgd where gl_djh='" + number + "'"), QStringLiteral("1"));

    o->rDjb->setChecked(true);
    prompt.Answer(Prompt::Answer::Yes);
    o->btn_UnChkClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_cgd"), "gl_djh='" + number + "' and j_status=0 and j_checker=''"), 1);
    EXPECT_EQ(o->Q_Cgd.RecordCount(), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_cgsp"), "gl_djh='" + number + "' and jh_rksl=0"), 2);
}

TEST_F(CgdTest, BarcodeRepeatIsRefusedOnlyWithTheOption)
{
    ScanOrder(QStringLiteral("G1RS"));
    ScanOrder(QStringLiteral("G1RS"));
    EXPECT_EQ(Count(QStringLiteral("jxc_cgsp"), "gl_djh='" + o->jsn->text() + "'"), 2);
    o->btnPanelAdd->setChecked(true);
    ScanOrder(QStringLiteral("G1RS"));
    EXPECT_EQ(Count(QStringLiteral("jxc_cgsp"), "gl_djh='" + o->jsn->text() + "'"), 2);
    EXPECT_EQ(prompt.LastMessage(), C("该商品已添加，不能重复添加，\r\n\r\n可以修改已添加商品的数量！"));
}

TEST_F(CgdTest, OrdersPrintWithEitherTemplate)
{
    const QString number = SaveOrder();
    o->cxPage->setCurrentWidget(o->cxTab2);
    for (bool cost : { true, false }) {
        ShowCostPrice = cost;
        PrintLog::Clear();
        o->btn_ChaKanClick();
        ASSERT_NE(PrintLog::Last(), nullptr);
        EXPECT_TRUE(
            PrintLog::Last()->templateFile.endsWith(cost ? QLatin1String("/cgd.fr3") : QLatin1String("/cgd2.fr3")));
        EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).rows.size(), 2);
    }
    ShowCostPrice = true;
    o->setPrinPara(number, QStringLiteral("2"));
    const QStringList pages = o->frxReport1->ExportPng(QDir::temp().filePath(QStringLiteral("cgd-order.png")));
    EXPECT_EQ(pages.size(), 1);
    o->Q_GoodsPrin.Close();
}

TEST_F(CgdTest, WholeOrderReplacesTheOperatorsLinesAndLinesAreAdded)
{
    const QString order = ApprovedOrder(QStringLiteral("CD2405090001"));
    UsePurchaseOrders = QStringLiteral("1");
    w->Activate();
    const QString number = No();
    Line(number, QStringLiteral("admin"), 5, 0, 1, { 2 });
    Line(number, QStringLiteral("op2"), 5, 0, 1, { 1 });
    // "导入订单" opens the take-over by name; its OK takes the listed order over.
    int listed = -1;
    prompt.OnModal(QStringLiteral("TF_Cgjh_ImportDD"), [&listed](QDialog* d) {
        auto* dd = static_cast<TF_Cgjh_ImportDD*>(d);
        listed = dd->Q_Cgd3.RecordCount();
        dd->btnOKClick();
        return 0;
    });
    w->btnCgdImportClick();
    EXPECT_EQ(listed, 1);
    EXPECT_TRUE(w->EntryHasRows());
    // Another operator held the number: the draft moved to a new one, where the order
    // replaced the operator's own line; the other operator's line stays where it was.
    const QString taken = No();
    EXPECT_NE(taken, number);
    EXPECT_EQ(Count(QStringLiteral("jxc_jhsp"), QStringLiteral("a_name='admin' and jh_dj=5")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_jhsp"), "gl_djh='" + number + "' and a_name='op2'"), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_jhspmx"), "gl_djh='" + taken + "'"), 3);
    const QStringList copied { C("CD2405090001 3 3 R S 1"), C("CD2405090001 3 3 B M 2"), C("CD2405090001 4 4 R M 4") };
    EXPECT_EQ(CopiedRows(taken), copied);
    EXPECT_EQ(w->tghs->text(), C("供应一"));
    EXPECT_EQ(w->tsn2->text(), order);
    EXPECT_EQ(w->tnote->text(), C("整批"));
    EXPECT_EQ(w->comJsfs->currentIndex(), 1);
    EXPECT_EQ(CurrentSupplierSn, QStringLiteral("S1"));

    // Line take-over adds, the same line again too, received 0 while stock-in is separate.
    UseStockIn = QStringLiteral("1");
    TF_Cgjh_ImportDD d;
    d.Activate();
    d.rMxb->setChecked(true);
    ASSERT_EQ(d.Q_Zjjh.RecordCount(), 2);
    d.cxGrid3View->selectRow(0);
    d.btnAddSelectedClick();
    EXPECT_EQ(No(), taken);
    EXPECT_EQ(Count(QStringLiteral("jxc_jhsp"), "gl_djh='" + taken + "' and a_name='admin'"), 3);
    EXPECT_EQ(Count(QStringLiteral("jxc_jhsp"), "gl_djh='" + taken + "' and jh_rksl=0"), 1);
    // The order itself is untouched and still on offer.
    EXPECT_EQ(Count(QStringLiteral("jxc_cgsp"), "gl_djh='" + order + "' and jh_rksl=0"), 2);
}

TEST_F(CgdTest, VoidOrdersAreNeverOfferedAndTheWholeEndDayCounts)
{
    const QString late = ApprovedOrder(QStringLiteral("CD2405100001"), QStringLiteral("2024-05-10 23:59:30"));
    const QString other = ApprovedOrder(QStringLiteral("CD2405100002"));
    SetOrderVoid(other, true);
    TF_Cgjh_ImportDD d;
    d.Activate();
    for (bool finished : { false, true }) {
        d.chkWc->setChecked(finished);
        d.rDjb->setChecked(true);
        d.btnSearchClick();
        ASSERT_EQ(d.Q_Cgd3.RecordCount(), 1) << finished;
        EXPECT_EQ(d.Q_Cgd3.AsString(QStringLiteral("gl_djh")), late);
        d.rMxb->setChecked(true);
        EXPECT_EQ(d.Q_Zjjh.RecordCount(), 2) << finished;
    }
    SetOrderVoid(other, false);
    d.rDjb->setChecked(true);
    d.btnSearchClick();
    EXPECT_EQ(d.Q_Cgd3.RecordCount(), 2);
}

} // namespace
