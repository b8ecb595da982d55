#include "posfixture.h"

#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/numberedit.h"
#include "pos/poscrk.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

namespace {

class CashMovementTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        RegisterPosWindows();
        ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_pos,a_jy,a_jyt) values "
                "('100002','张三','100002','',0,0,0),('100003','张三丰','100002','',0,0,0)");
    }
    void TearDown() override
    {
        BindPartnersWarehouse.clear();
        PosTest::TearDown();
    }
    // "number|time|amount|kind|cashier", oldest first.
    QStringList Movements() const
    {
        Query q(&dm->ADOConn);
        q.SetSQL(QStringLiteral("select * from jxc_crk order by id"));
        q.Open();
        QStringList out;
        for (q.First(); !q.Eof(); q.Next())
            out << QStringList { q.AsString("gl_djh"), q.AsString("crk_rq"), NumberText(q.AsFloat("crk_je")),
                q.AsString("crk_flag"), q.AsString("a_name") }
                       .join('|');
        return out;
    }
    // The list's rows as "number|in|out|kind|cashier".
    static QStringList Listed(const TF_Posxs_Crk& w)
    {
        QStringList out;
        for (int r = 0; r < w.cxGrid->RowCount(); ++r) {
            QStringList f;
            for (const char* c : { "gl_djh", "rkje", "ckje", "dnote", "a_name" })
                f << w.cxGrid->Text(r, w.cxGrid->ColumnByField(QLatin1String(c)));
            out << f.join('|');
        }
        return out;
    }
    static QStringList Items(const KeyedCombo& c)
    {
        QStringList out;
        for (int i = 0; i < c.count(); ++i)
            out << c.itemText(i);
        return out;
    }
};

TEST_F(CashMovementTest, TillStoresAtOnceWithTheMomentOfSaving)
{
    TF_Posxs_Rk in;
    in.Activate();
    EXPECT_EQ(in.ldjh->text(), "入款单号：RK24030510001");
    EXPECT_EQ(in.tje->Value(), 0);
    in.tje->selectAll();
    QTest::keyClicks(in.tje, "25.5");
    Clock::SetFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 21, 45)));
    QTest::keyClick(in.tje, Qt::Key_Return);
    EXPECT_EQ(in.result(), int(QDialog::Accepted));
    EXPECT_EQ(in.Stored(), "RK24030510001");

    // A cash out of 0 is stored as it stands; the two kinds count apart.
    TF_Posxs_Ck out;
    out.Activate();
    EXPECT_EQ(out.ldjh->text(), "出款单号：CK24030510001");
    QTest::keyClick(&out, Qt::Key_F5);
    TF_Posxs_Rk again;
    again.Activate();
    again.tje->SetValue(-3);
    again.btnOKClick();
    EXPECT_EQ(Movements(),
        (QStringList { "RK24030510001|2024-03-05 10:21:45|25.5|r|admin", "CK24030510001|2024-03-05 10:21:45|0|c|admin",
            "RK24030510002|2024-03-05 10:21:45|-3|r|admin" }));
}

TEST_F(CashMovementTest, BackOfficeRefusesZeroAsksAndListsTheNewRow)
{
    TF_Posxs_Crk list;
    list.Activate();
    EXPECT_EQ(list.comAdmin->currentText(), "所有收银员");
    EXPECT_EQ(list.cxGrid->RowCount(), 0);

    prompt.OnModal("TF_Posxs_Crk_Add", [&](QDialog* d) {
        auto* w = static_cast<TF_Posxs_Crk_Add*>(d);
        EXPECT_EQ(w->windowTitle(), "出款");
        EXPECT_EQ(w->ldjh->text(), "CK24030510001");
        w->btnOKClick(); // 0
        EXPECT_EQ(prompt.History().last().text, "金额不能为0，请重新输入！");
        w->comAdmin->setCurrentIndex(w->comAdmin->findText("张三"));
        w->tje->SetValue(40);
        prompt.Answer(Prompt::Answer::No);
        w->btnOKClick();
        EXPECT_EQ(prompt.History().last().text, "您确认生成出款单 CK24030510001 吗？");
        EXPECT_EQ(d->result(), 0);
        prompt.Answer(Prompt::Answer::Yes);
        w->btnOKClick();
        return d->result();
    });
    list.btnCkClick();
    EXPECT_TRUE(ActiveDocKind.isEmpty());
    EXPECT_EQ(Movements(), QStringList { "CK24030510001|2024-03-05|40|c|张三" });
    // The list reopens on the new row: a cash out under 出款金额.
    EXPECT_EQ(Listed(list), QStringList { "CK24030510001|￥0.00|￥40.00|POS 出款|张三" });

    prompt.OnModal("TF_Posxs_Crk_Add", [&](QDialog* d) {
        auto* w = static_cast<TF_Posxs_Crk_Add*>(d);
        EXPECT_EQ(w->windowTitle(), "入款");
        w->tje->SetValue(12);
        prompt.Answer(Prompt::Answer::Yes);
        w->btnOKClick();
        EXPECT_EQ(prompt.History().last().text, "您确认生成入款单吗 RK24030510001？");
        return d->result();
    });
    list.btnRkClick();
    EXPECT_EQ(Movements().last(), "RK24030510001|2024-03-05|12|r|admin");
    EXPECT_TRUE(prompt.AllAnswersUsed());
}

TEST_F(CashMovementTest, ListTakesTheWholeEndDayAndTheCashierByContainment)
{
    ExecSQL("insert into jxc_crk (gl_djh,crk_rq,crk_je,crk_flag,crk_note,a_name) values "
            "('RK24030510001','2024-03-05 23:59:40',10,'r','','张三'),"
            "('CK24030410001','2024-03-04',5,'c','','张三丰'),"
            "('RK24030610001','2024-03-06 00:00:00',7,'r','','张三'),"
            "('RK24022910001','2024-02-29 23:59:59',9,'r','','admin')");
    TF_Posxs_Crk list;
    list.Activate();
    EXPECT_EQ(Listed(list),
        (QStringList { "CK24030410001|￥0.00|￥5.00|POS 出款|张三丰", "RK24030510001|￥10.00|￥0.00|POS 入款|张三" }));
    EXPECT_EQ(list.cxGrid->FooterSum(list.cxGrid->ColumnByField("rkje")), 10);

    // A cashier whose name is part of another's also lists the other's rows.
    list.comAdmin->setCurrentIndex(list.comAdmin->findText("张三"));
    list.btnSearchClick();
    EXPECT_EQ(list.cxGrid->RowCount(), 2);
    list.comAdmin->setCurrentIndex(list.comAdmin->findText("张三丰"));
    list.btnSearchClick();
    EXPECT_EQ(Listed(list), QStringList { "CK24030410001|￥0.00|￥5.00|POS 出款|张三丰" });

    list.tdate1->setDate(QDate(2024, 3, 5));
    list.tdate2->setDate(QDate(2024, 3, 4));
    list.comAdmin->setCurrentIndex(0);
    list.btnSearchClick();
    EXPECT_EQ(list.cxGrid->RowCount(), 0);
    // Nothing to print or export on an empty list.
    PrintLog::Clear();
    list.btnPrintClick();
    list.btnExportClick();
    EXPECT_TRUE(PrintLog::Records().isEmpty());
    EXPECT_TRUE(prompt.History().isEmpty());
}

TEST_F(CashMovementTest, PrintsTheListedRows)
{
    const QDir source(
        QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../../resources/report")));
    QDir().mkpath(Folder() + QStringLiteral("report"));
    ASSERT_TRUE(QFile::copy(source.filePath("poscrk.fr3"), Folder() + QStringLiteral("report/poscrk.fr3")));
    StoreCashMovement("CK24030510001", "c", 8, "张三");
    TF_Posxs_Crk list;
    list.Activate();
    PrintLog::Clear();
    prompt.OnModal(QString(), [](QDialog*) { return 0; });
    list.btnPrintClick();
    ASSERT_EQ(PrintLog::Records().size(), 1);
    const PrintRecord& r = PrintLog::Records()[0];
    EXPECT_TRUE(r.templateFile.endsWith("poscrk.fr3"));
    EXPECT_EQ(r.variables.value("date1"), "2024-03-01");
    EXPECT_EQ(r.variables.value("date2"), "2024-03-05");
    EXPECT_EQ(r.datasets.value("frxDBDataset1").rows.size(), 1);
}

TEST_F(CashMovementTest, CashierChoiceFollowsRoleAndBinding)
{
    // Not an administrator and not bound: every operator, no "all" item.
    CurrentRoleSn = "100002";
    CurrentAdminSn = "100002";
    CurrentAdminName = "张三";
    TF_Posxs_Crk list;
    list.Activate();
    EXPECT_EQ(Items(*list.comAdmin), (QStringList { "admin", "张三", "张三丰" }));
    // Bound: only himself, in the list and in the entry dialog.
    BindPartnersWarehouse = "True";
    list.Activate();
    EXPECT_EQ(Items(*list.comAdmin), QStringList { "张三" });
    TF_Posxs_Crk_Add add;
    ActiveDocKind = "r";
    add.Activate();
    ActiveDocKind.clear();
    EXPECT_EQ(Items(*add.comAdmin), QStringList { "张三" });
}

}
