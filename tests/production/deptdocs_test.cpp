#include "productiontest.h"

#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "posting/stockposting.h"
#include "posting/stockreversal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using BmlyTest = ProdWindowTest<TF_Bmly, F_Bmly>;

TEST_F(BmlyTest, ScannedRequisitionSavesPendingAndApprovesFromThePendingList)
{
    // The department comes from the floating panel.
    w->btnDeptClick(0);
    EXPECT_TRUE(w->btnDeptAdd->isVisibleTo(w.get()));
    w->tDept->setText(U8("行政"));
    ASSERT_EQ(w->cxGridDeptView->RowCount(), 1);
    w->cxGridDeptView->SetCurrentRow(0);
    w->btnDeptOKClick();
    EXPECT_EQ(w->tBmmc->text(), U8("行政部"));
    EXPECT_EQ(CurrentDeptSn, QStringLiteral("D1"));
    EXPECT_FALSE(w->cxPanelBm->isVisibleTo(w.get()));
    // Refusals in order.
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("单据中没有业务发生，不能保存！"));
    Scan(QStringLiteral("G1RS"));
    Scan(QStringLiteral("G1RS"));
    const QString no = No();
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,ly_sl,ly_dj,ly_zje,ly_flag from jxc_bmlysp where gl_djh='%1'").arg(no)),
        (QStringList { QStringLiteral("G1 1 10 10 1"), QStringLiteral("G1 1 10 10 1") }));
    w->tBmmc->clear();
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择领用部门！"));
    w->tBmmc->setText(U8("行政部"));
    const int handler = w->comUser->currentIndex();
    w->comUser->setCurrentIndex(-1);
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择经办人！"));
    w->comUser->setCurrentIndex(handler);

    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(
        Rows(QStringLiteral("select ck_sn,de_sn,ly_zje,ly_status,ly_flag from jxc_bmlyd where gl_djh='%1'").arg(no)),
        QStringList { QStringLiteral("100001 D1 20 0 1") });
    EXPECT_NE(No(), no);

    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->Q_Pending.RecordCount(), 1);
    EXPECT_EQ(w->Q_PendingLines.RecordCount(), 2);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnRChkClick();
    EXPECT_EQ(Scalar(QStringLiteral("select ly_status from jxc_bmlyd where gl_djh='%1'").arg(no)), QStringLiteral("1"));
    EXPECT_EQ(
        Number(QStringLiteral("select count(*) from jxc_goodslist where gl_flag='ly' and gl_djh='%1'").arg(no)), 2);
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tkc where g_sn='G1' and ck_sn='100001' and color_sn='R' and "
                                    "cm_sn='S'")),
        8);
    EXPECT_EQ(w->Q_Pending.RecordCount(), 0);
}

TEST_F(BmlyTest, DeletingAColourSizeRowShrinksItsLineAndTheLastRowTakesTheLine)
{
    Scan(QStringLiteral("G1RS"));
    const qint64 line = qint64(Number(QStringLiteral("select max(id) from jxc_bmlysp")));
    Sql(QStringLiteral("update jxc_bmlysp set ly_dj=3.333,ly_sl=3 where id=%1").arg(line));
    Sql(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                       "('%1','G1','M','B',2,'admin',%2)")
            .arg(No())
            .arg(line));
    const qint64 first = qint64(Number(QStringLiteral("select min(id) from jxc_bmlyspmx where tid=%1").arg(line)));
    DeleteProdDetailRow(DeptIssueKind(), first, line);
    EXPECT_EQ(Rows(QStringLiteral("select ly_sl,ly_zje from jxc_bmlysp where id=%1").arg(line)),
        QStringList { QStringLiteral("2 6.666") });
    const qint64 last = qint64(Number(QStringLiteral("select id from jxc_bmlyspmx where tid=%1").arg(line)));
    DeleteProdDetailRow(DeptIssueKind(), last, line);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bmlysp where id=%1").arg(line)), 0);
}

TEST_F(BmlyTest, TakingOverAGoodsInCopiesItsLinesWithTheirSizeRowsRelinked)
{
    fixture::AddDocument({ fixture::Trade::GoodsIn, QStringLiteral("CJ9"), QStringLiteral("2024-05-09 09:00"),
        QStringLiteral("S1"), QStringLiteral("W2"), QStringLiteral("100001"), 1,
        { { QStringLiteral("G1"), 3, 10,
              { { QStringLiteral("R"), QStringLiteral("S"), 1 }, { QStringLiteral("B"), QStringLiteral("M"), 2 } } },
            { QStringLiteral("G2"), 4, 30, {} },
            { QStringLiteral("G1"), 5, 11, { { QStringLiteral("R"), QStringLiteral("S"), 5 } } } } });
    SourceDocNo = QStringLiteral("CJ9");
    w->Activate();
    const QString no = No();
    EXPECT_TRUE(SourceDocNo.isEmpty());
    EXPECT_EQ(w->comCk->currentText(), U8("二号仓"));
    const QStringList lines = Rows(
        QStringLiteral("select g_sn,ly_sl,ly_dj,gl_djh2,case when tid=id then 'own' else 'other' end from jxc_bmlysp "
                       "where gl_djh='%1' order by id")
            .arg(no));
    EXPECT_EQ(lines,
        (QStringList {
            QStringLiteral("G1 3 10 CJ9 own"), QStringLiteral("G2 4 30 CJ9 own"), QStringLiteral("G1 5 11 CJ9 own") }));
    // Every copied size row sits under the line copied from its goods-in line.
    EXPECT_EQ(Rows(QStringLiteral("select l.ly_sl,sum(m.t_sl) from jxc_bmlysp l inner join jxc_bmlyspmx m on "
                                  "m.tid=l.id where l.gl_djh='%1' group by l.id,l.ly_sl order by l.id")
                       .arg(no)),
        (QStringList { QStringLiteral("3 3"), QStringLiteral("4 4"), QStringLiteral("5 5") }));
}

TEST_F(BmlyTest, QueryViewsSummariseAndOnlyTheDocumentTableCancels)
{
    Requisition(QStringLiteral("LY240508001"), { { QStringLiteral("G1"), 5, 0 } });
    Sql(QStringLiteral("update jxc_bmlyd set ly_note='KEY'"));
    // A pending one of the same goods and department.
    Requisition(QStringLiteral("LY240509001"), { { QStringLiteral("G1"), 2, 0 } });
    Sql(QStringLiteral("update jxc_bmlyd set ly_status=0 where gl_djh='LY240509001'"));
    w->cxPage->setCurrentWidget(w->cxTab3);
    w->date1->setDate(QDate(2024, 5, 1));
    w->date2->setDate(QDate(2024, 5, 8)); // the whole end day
    w->views[1]->setChecked(true);
    w->setQueryView(1);
    ASSERT_EQ(w->Q_Hzb.RecordCount(), 1);
    EXPECT_EQ(w->Q_Hzb.AsFloat(QStringLiteral("zsl")), 5);
    w->date2->setDate(QDate(2024, 5, 10));
    w->btnSearch3Click();
    EXPECT_EQ(w->Q_Hzb2.RecordCount(), 2); // pending lines included
    w->tkey2->setText(QStringLiteral("nothing-like-this"));
    w->views[3]->setChecked(true);
    w->setQueryView(3);
    EXPECT_EQ(F_DataModule->Q(QStringLiteral("Q_GhsDjFk")).RecordCount(), 1); // keyword ignored
    w->btnUnapproveClick();
    EXPECT_EQ(prompt.LastMessage(), U8("批量取消只能在单据表进行！"));
    EXPECT_EQ(
        Scalar(QStringLiteral("select ly_status from jxc_bmlyd where gl_djh='LY240508001'")), QStringLiteral("1"));
}

TEST_F(BmlyTest, PendingSearchMatchesTheNumberOrTheRemark)
{
    Requisition(QStringLiteral("LY240508001"), { { QStringLiteral("G1"), 1, 0 } });
    Requisition(QStringLiteral("LY240508002"), { { QStringLiteral("G1"), 1, 0 } });
    Sql(QStringLiteral("update jxc_bmlyd set ly_status=0"));
    Sql(QStringLiteral("update jxc_bmlyd set ly_note='%1' where gl_djh='LY240508002'").arg(U8("橱窗")));
    w->cxPage->setCurrentWidget(w->cxTab2);
    const std::pair<const char*, QStringList> cases[] = {
        { "8001", { QStringLiteral("LY240508001") } },
        { "橱窗", { QStringLiteral("LY240508002") } },
        { "", { QStringLiteral("LY240508001"), QStringLiteral("LY240508002") } },
    };
    for (const auto& [key, expected] : cases) {
        w->tkey->setText(U8(key));
        w->btnSearch2Click();
        QStringList found;
        for (int r = 0; r < w->Q_Pending.RecordCount(); ++r) {
            w->Q_Pending.SetRecNo(r);
            found << w->Q_Pending.AsString(QStringLiteral("gl_djh"));
        }
        EXPECT_EQ(found, expected) << key;
    }
}

TEST_F(BmlyTest, ABoundOperatorSeesOnlyHisWarehousesDocuments)
{
    Requisition(QStringLiteral("LY240508001"), { { QStringLiteral("G1"), 1, 0 } });
    Requisition(QStringLiteral("LY240508002"), { { QStringLiteral("G1"), 1, 0 } });
    Sql(QStringLiteral("update jxc_bmlyd set ck_sn='W2' where gl_djh='LY240508002'"));
    Sql(QStringLiteral("update jxc_ckxx set ck_asn='100002,' where ck_sn='W2'"));
    Sql(QStringLiteral("insert into jxc_role (r_sn,r_name,xsgl) values ('100002','clerk','111111111111')"));
    BindOperatorWarehouse = QStringLiteral("1");
    CurrentRoleSn = QStringLiteral("100002");
    CurrentAdminSn = QStringLiteral("100002");
    w->cxPage->setCurrentWidget(w->cxTab3);
    w->date1->setDate(QDate(2024, 5, 1));
    w->btnSearch3Click();
    const int listed = w->Q_Djb.RecordCount();
    const QString number = w->Q_Djb.AsString(QStringLiteral("gl_djh"));
    BindOperatorWarehouse.clear();
    CurrentRoleSn = QStringLiteral("100001");
    CurrentAdminSn = QStringLiteral("100001");
    EXPECT_EQ(listed, 1);
    EXPECT_EQ(number, QStringLiteral("LY240508002"));
}

TEST_F(BmlyTest, CancellingFollowsTheReversalsRightPosition)
{
    Sql(QStringLiteral("insert into jxc_role (r_sn,r_name,xsgl) values ('100002','clerk','000000001000')"));
    CurrentRoleSn = QStringLiteral("100002");
    w->Activate();
    EXPECT_FALSE(w->btnUnapprove->isEnabled());
    Sql(QStringLiteral("update jxc_role set xsgl='000000000001' where r_sn='100002'"));
    w->Activate();
    EXPECT_TRUE(w->btnUnapprove->isEnabled());
    CurrentRoleSn = QStringLiteral("100001");
}

using BmthTest = ProdWindowTest<TF_Bmth, F_Bmth>;

TEST_F(BmthTest, WholeReturnCopiesOpenLinesAndWritingOffClosesTheRequisition)
{
    const QList<qint64> ids = Requisition(
        QStringLiteral("LY240508001"), { { QStringLiteral("G1"), 5, 5 }, { QStringLiteral("G1"), 3, 1 } });
    // Another operator's draft under the same number stays.
    Sql(QStringLiteral("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,a_name) values ('%1','G2',1,'other')")
            .arg(w->gldjh->text()));
    w->cxPage->setCurrentWidget(w->cxTab4);
    Query& list = F_DataModule->Q(QStringLiteral("Q_Bmlycx1"));
    ASSERT_EQ(list.RecordCount(), 1);
    EXPECT_EQ(list.AsFloat(QStringLiteral("dtsl")), 2);
    w->btn_Zdrk4Click();
    const QString no = w->gldjh->text();
    EXPECT_EQ(w->cxPage->currentWidget(), w->cxTab1);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bmlysp where a_name='other'")), 1);
    Sql(QStringLiteral("delete from jxc_bmlysp where a_name='other'"));
    EXPECT_EQ(
        Rows(QStringLiteral("select ly_sl,ly_flag,id2,gl_djh2 from jxc_bmlysp where gl_djh='%1' and a_name='admin'")
                 .arg(no)),
        QStringList { QStringLiteral("3 -1 %1 LY240508001").arg(ids[1]) });
    EXPECT_EQ(
        Number(QStringLiteral("select sum(m.t_sl) from jxc_bmlyspmx m inner join jxc_bmlysp l on l.id=m.tid where "
                              "l.gl_djh='%1' and l.a_name='admin'")
                   .arg(no)),
        3);

    // Saved pending, the full 3 is more than is still out: refused, nothing posts.
    ApproveOnSave = QStringLiteral("0");
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(ApproveDeptReturn(no), U8("退回数量不能大于剩余数量！"));
    Sql(QStringLiteral("update jxc_bmlysp set ly_sl=2,ly_zje=20 where gl_djh='%1' and a_name='admin'").arg(no));
    Sql(QStringLiteral("update jxc_bmlyspmx set t_sl=2 where gl_djh='%1'").arg(no));
    EXPECT_EQ(ApproveDeptReturn(no), QString());
    EXPECT_EQ(Number(QStringLiteral("select ly_hhsl from jxc_bmlysp where id=%1").arg(ids[1])), 3);
    UnapproveResult.clear();
    AuxTag = QStringLiteral("kcpd");
    UnapproveDeptReturn(no);
    AuxTag.clear();
    EXPECT_EQ(Number(QStringLiteral("select ly_hhsl from jxc_bmlysp where id=%1").arg(ids[1])), 1);

    // 取消退回: the rest of B is used up and the requisition leaves the list.
    w->cxPage->setCurrentWidget(w->cxTab1);
    w->cxPage->setCurrentWidget(w->cxTab4);
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_QxckClick();
    EXPECT_EQ(Number(QStringLiteral("select ly_qxsl from jxc_bmlysp where id=%1").arg(ids[1])), 2);
    EXPECT_EQ(list.RecordCount(), 0);

    auto issue = OpenWindow(F_Bmly);
    issue->date3->setDate(QDate(2024, 5, 1));
    issue->btnSearch4Click();
    Query& all = F_DataModule->Q(QStringLiteral("Q_Bmlycx2"));
    ASSERT_TRUE(all.Locate(QStringLiteral("id"), ids[1]));
    EXPECT_EQ(all.AsFloat(QStringLiteral("ly_hhsl")), 1);
    EXPECT_EQ(all.AsFloat(QStringLiteral("ly_qxsl")), 2);
}

} // namespace
