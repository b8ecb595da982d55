#include "posfixture.h"

#include "foundation/housekeeping.h"
#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "pos/posfk.h"
#include "pos/posjg.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStackedWidget>

namespace {

class HoldTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        InstallPosTillHooks();
        Member m;
        m.balance = 300;
        AddMember(m);
        member = m;
        ExecSQL(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_zreoje,a_pos) values "
                               "('100009','小王','100001','',0,0)"));
    }
    // Scans two lines for the member and holds them; answers the held number.
    QString HoldTwoLines()
    {
        Open();
        PutMember(member);
        Scan(QStringLiteral("G10101"));
        Scan(QStringLiteral("G10102"));
        const QString number = till->SaleNumber();
        posGD(*till);
        return number;
    }
    // The held-sales window on the till, driven by `script`.
    void Resume(const std::function<void(TF_Posxs_Jg&)>& script)
    {
        prompt.OnModal(QStringLiteral("TF_Posxs_Jg"), [script](QDialog* d) {
            auto* w = static_cast<TF_Posxs_Jg*>(d);
            script(*w);
            return w->result();
        });
        posJG(*till);
    }
    Member member;
};

TEST_F(HoldTest, HoldKeepsLinesRowsAndMemberAndStartsANewSale)
{
    const QString number = HoldTwoLines();
    EXPECT_EQ(prompt.LastMessage(), "挂单成功！");
    EXPECT_NE(till->SaleNumber(), number);
    EXPECT_TRUE(till->CartEmpty());
    EXPECT_EQ(till->hy_bh->text(), QString());
    EXPECT_EQ(Rows(QStringLiteral("select hy_sn,pos_xsrq,pos_yfje,pos_sfje,pos_note,a_name,ck_sn from jxc_posxsd "
                                  "where gl_djh='%1'")
                       .arg(number)),
        QStringList { "H1 2024-03-05 10:20:30 180 0 gd admin 100001" });
    EXPECT_EQ(Rows(QStringLiteral("select a.pos_dj,a.pos_dzl,a.pos_sl,a.pos_zje,b.color_sn,b.cm_sn,b.t_sl from "
                                  "jxc_posxssp a,jxc_posxsspmx b where a.id=b.tid and a.tid=a.id and a.gl_djh='%1' "
                                  "order by a.id")
                       .arg(number)),
        (QStringList { "100 0.9 1 90 01 01 1", "100 0.9 1 90 01 02 1" }));
    EXPECT_EQ(Count("jxc_lsxssp"), 0);
    EXPECT_EQ(Count("jxc_lsxsspmx"), 0);
}

TEST_F(HoldTest, ResumingWithLinesIsRefused)
{
    HoldTwoLines();
    Scan(QStringLiteral("G10101"));
    prompt.Clear();
    posJG(*till);
    EXPECT_EQ(prompt.LastMessage(), "系统处于销售状态，不能解挂??");
    EXPECT_TRUE(prompt.ModalNames().isEmpty());
}

TEST_F(HoldTest, AnotherCashierResumesAndPays)
{
    const QString number = HoldTwoLines();
    till.reset();
    CurrentAdminName = QStringLiteral("小王");
    Open();
    Resume([&](TF_Posxs_Jg& w) {
        // Held sales of every cashier are listed.
        EXPECT_EQ(w.cxGrid1->RowCount(), 1);
        EXPECT_EQ(w.cxGrid2->RowCount(), 2);
        EXPECT_EQ(w.lDetail->text(), QStringLiteral("单据 %1 的详细信息").arg(number));
        w.btnJgClick();
    });
    EXPECT_EQ(till->SaleNumber(), number);
    EXPECT_EQ(till->hy_bh->text(), "VIP001");
    EXPECT_EQ(till->hl_zk->text(), "0.9");
    EXPECT_EQ(till->hy_zhye->text(), "300");
    EXPECT_EQ(till->bottomPanel->currentIndex(), 1);
    EXPECT_EQ(Lines(QStringLiteral("小王")), (QStringList { "G1|1|100|0.9|90|", "G1|1|100|0.9|90|" }));
    EXPECT_EQ(Count("jxc_lsxsspmx", "a_name='小王' and tid in (select id from jxc_lsxssp)"), 2);
    EXPECT_EQ(Count("jxc_posxsd"), 0);
    EXPECT_EQ(Count("jxc_posxssp"), 0);
    EXPECT_EQ(Count("jxc_posxsspmx"), 0);
    EXPECT_EQ(till->hjje->text(), "180");

    prompt.OnModal(QStringLiteral("TF_Posxs_Fk"), [](QDialog* d) {
        auto* fk = static_cast<TF_Posxs_Fk*>(d);
        fk->btnOKClick();
        return fk->result();
    });
    till->DispatchKey(116);
    EXPECT_EQ(Rows(QStringLiteral("select a_name,hy_sn,ls_status from jxc_lsxsd where gl_djh='%1'").arg(number)),
        QStringList { "小王 H1 1" });
    EXPECT_EQ(Count("jxc_posxsspmx", QStringLiteral("gl_djh='%1'").arg(number)), 2);
}

TEST_F(HoldTest, DeletingRemovesHeaderLinesAndRows)
{
    const QString number = HoldTwoLines();
    prompt.Answer(Prompt::Answer::Yes);
    Resume([](TF_Posxs_Jg& w) {
        w.btnDeleteClick();
        EXPECT_EQ(w.cxGrid1->RowCount(), 0);
    });
    for (const char* table : { "jxc_posxsd", "jxc_posxssp", "jxc_posxsspmx" })
        EXPECT_EQ(Count(QLatin1String(table)), 0) << table;
    EXPECT_TRUE(till->CartEmpty());

    // Held sales of earlier days go at till opening, colour-by-size rows too.
    const QString old = HoldTwoLines();
    ExecSQL(QStringLiteral("update jxc_posxsd set pos_xsrq='2024-03-04 18:00:00' where gl_djh='%1'").arg(old));
    DeleteOldHeldPosSales();
    for (const char* table : { "jxc_posxsd", "jxc_posxssp", "jxc_posxsspmx" })
        EXPECT_EQ(Count(QLatin1String(table)), 0) << table;
    (void)number;
}

TEST_F(HoldTest, ListSearchesPeriodAndMemberAndPrints)
{
    const QDir source(
        QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../../resources/report")));
    QDir().mkpath(Folder() + QStringLiteral("report"));
    for (const char* file : { "posjghzb.fr3", "posjgmxb.fr3" })
        ASSERT_TRUE(QFile::copy(
            source.filePath(QLatin1String(file)), Folder() + QStringLiteral("report/") + QLatin1String(file)));
    const QString number = HoldTwoLines();
    ExecSQL(QStringLiteral("update jxc_posxsd set pos_xsrq='2024-03-05 23:59:30'"));
    PrintLog::Clear();
    Resume([&](TF_Posxs_Jg& w) {
        // The whole end day counts.
        EXPECT_EQ(w.cxGrid1->RowCount(), 1);
        w.tkey->setText(QStringLiteral("李"));
        w.btnSearchClick();
        EXPECT_EQ(w.cxGrid1->RowCount(), 1);
        w.tkey->setText(QStringLiteral("王"));
        w.btnSearchClick();
        EXPECT_EQ(w.cxGrid1->RowCount(), 0);
        w.tkey->clear();
        w.tdate2->setDate(QDate(2024, 3, 4));
        w.btnSearchClick();
        EXPECT_EQ(w.cxGrid1->RowCount(), 0);
        w.tdate2->setDate(QDate(2024, 3, 5));
        w.btnSearchClick();
        prompt.OnModal(QString(), [](QDialog*) { return 0; });
        w.N_HzbClick();
        prompt.OnModal(QString(), [](QDialog*) { return 0; });
        w.N_MxbClick();
        w.reject();
    });
    ASSERT_EQ(PrintLog::Records().size(), 2);
    const PrintRecord& summary = PrintLog::Records()[0];
    EXPECT_TRUE(summary.templateFile.endsWith("posjghzb.fr3"));
    EXPECT_EQ(summary.variables.value("date1"), "2024-03-05");
    EXPECT_EQ(summary.datasets.value("posjghzb").rows.size(), 1);
    const PrintRecord& detail = PrintLog::Records()[1];
    EXPECT_TRUE(detail.templateFile.endsWith("posjgmxb.fr3"));
    EXPECT_EQ(detail.datasets.value("posjgmxb").rows.size(), 2);
    EXPECT_EQ(Count("jxc_posxsd", QStringLiteral("gl_djh='%1'").arg(number)), 1);
}

}
