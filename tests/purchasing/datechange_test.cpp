#include "cgjhtest.h"

#include "documents/docpayment.h"
#include "platform/ui/keyedcombo.h"
#include "posting/balances.h"
#include "purchasing/modidate.h"

#include <QDateEdit>

namespace {

class DateChangeTest : public CgjhTest {
protected:
    void TearDown() override
    {
        DateEditCaller.clear();
        DateEditDocNo.clear();
        CgjhTest::TearDown();
    }
    std::unique_ptr<TF_ModiDateJh> Open(const QString& number, const char* caller)
    {
        DateEditCaller = QLatin1String(caller);
        DateEditDocNo = number;
        auto d = std::make_unique<TF_ModiDateJh>();
        d->Activate();
        return d;
    }
    QStringList Where(const QString& number)
    {
        return { Scalar(QStringLiteral("select count(*) from jxc_jhd where gl_djh='%1'").arg(number)),
            Scalar(QStringLiteral("select count(*) from jxc_jhsp where gl_djh='%1'").arg(number)),
            Scalar(QStringLiteral("select count(*) from jxc_jhspmx where gl_djh='%1'").arg(number)) };
    }
};

TEST_F(DateChangeTest, PendingGoodsInMovesUnderANumberOfTheNewDate)
{
    const QString old = QStringLiteral("CJ24051010001");
    Pending(old, QStringLiteral("admin"), 20, 20, 0, QStringLiteral("2024-05-10 09:15"));
    ShowPending();
    auto d = Open(old, "cgjh");
    d->dateCg->setDate(QDate(2024, 5, 8));
    EXPECT_EQ(d->gldjh->text(), QStringLiteral("CJ24050810001"));
    d->tnote->setText(U8("改'期"));
    d->btnSaveClick();
    EXPECT_EQ(Where(QStringLiteral("CJ24050810001")), (QStringList { "1", "1", "2" }));
    EXPECT_EQ(Where(old), (QStringList { "0", "0", "0" }));
    EXPECT_EQ(Rows(QStringLiteral("select j_jhrq,j_status,j_note from jxc_jhd")),
        QStringList { U8("2024-05-08 09:15 0 改‘期") })
        << "time of day kept, remark in full-width form";
    EXPECT_EQ(w->Q_Shdj.AsString(QStringLiteral("gl_djh")), QStringLiteral("CJ24050810001"));
    EXPECT_EQ(No(), QStringLiteral("CJ24051010001")) << "the entry tab draws its number afresh";
}

TEST_F(DateChangeTest, TheSameDateAgainKeepsNumberAndStoredText)
{
    const QString old = QStringLiteral("CJ24051010001");
    Pending(old, QStringLiteral("admin"), 20, 20, 1, QStringLiteral("2024-05-10 09:15:42"));
    auto d = Open(old, "cgjh");
    d->dateCg->setDate(QDate(2024, 5, 9));
    d->dateCg->setDate(QDate(2024, 5, 10));
    EXPECT_EQ(d->gldjh->text(), old);
    d->tsn2->setText(QStringLiteral("EXT-1"));
    d->btnSaveClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,j_jhrq,gl_djh2 from jxc_jhd")),
        QStringList { QStringLiteral("CJ24051010001 2024-05-10 09:15:42 EXT-1") });
}

TEST_F(DateChangeTest, AFutureDateAsksAndAMissingHandlerIsRefused)
{
    const QString old = QStringLiteral("CJ24051010001");
    Pending(old, QStringLiteral("admin"), 20, 20, 0);
    auto d = Open(old, "cgjh");
    prompt.Answer(Prompt::Answer::No);
    d->dateCg->setDate(QDate(2024, 5, 12));
    EXPECT_EQ(d->dateCg->date(), QDate(2024, 5, 10));
    EXPECT_EQ(d->gldjh->text(), old);
    d->comUser->setCurrentIndex(-1);
    d->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择经办人！"));
    EXPECT_EQ(Where(old), (QStringList { "1", "1", "2" }));
}

TEST_F(DateChangeTest, ApprovedGoodsInIsPostedOnceUnderTheNewNumberWithItsPayment)
{
    const QString old = QStringLiteral("CJ24051010001");
    Pending(old, QStringLiteral("admin"), 100, 30, 1);
    w->checkDj(old);
    ApproveOnSave = QStringLiteral("1");
    const QString fk
        = RecordDocPayment({ old, 50, QStringLiteral("100001"), QString(), QString(), QDate(2024, 5, 10) });
    const int ledgerRows = Count(QStringLiteral("jxc_goodslist"));
    const QString balance = GetLedgerBalance(QStringLiteral("S1"), QStringLiteral("ghs"));
    const QString stock = Scalar(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'"));
    Sql(QStringLiteral("update jxc_jhd set j_checker='boss',j_chkrq='2024-05-10'"));

    // No to the cancel question changes nothing.
    const fixture::Snapshot before = fixture::TakeSnapshot();
    auto d = Open(old, "jthcx");
    d->dateCg->setDate(QDate(2024, 5, 7));
    prompt.Answer(Prompt::Answer::No);
    d->btnSaveClick();
    const fixture::Snapshot declined = fixture::TakeSnapshot();
    EXPECT_TRUE(before == declined) << fixture::Difference(before, declined).toStdString();
    EXPECT_EQ(Where(old), (QStringList { "1", "1", "2" }));

    prompt.Answer(Prompt::Answer::Yes);
    d->btnSaveClick();
    const QString moved = QStringLiteral("CJ24050710001");
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,j_status,j_hkje,j_checker,j_chkrq,substr(j_jhrq,1,10) from jxc_jhd")),
        QStringList { moved + QStringLiteral(" 1 50 boss 2024-05-10 2024-05-07") });
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist")), ledgerRows) << "posted once";
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh='%1'").arg(old)), 0);
    EXPECT_EQ(Scalar(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), stock);
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,gl_djh2,k_check from jxc_ysyfk_dj")),
        QStringList { fk + QLatin1Char(' ') + moved + QStringLiteral(" 1") });
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh='%1' and gl_djh2='%2'").arg(fk, moved)), 1);
    EXPECT_EQ(GetLedgerBalance(QStringLiteral("S1"), QStringLiteral("ghs")), balance);
}

TEST_F(DateChangeTest, PendingOrderMovesUnderAnOrderNumberOfTheDate)
{
    Sql(QStringLiteral(
        "insert into jxc_cgd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,a_name,j_status,j_jsfs,"
        "j_kmmc,j_note) values ('CD24051010001','S1','100001','2024-05-10 08:30',10,0,'100001','admin',0,"
        "1,'','')"));
    Sql(QStringLiteral(
        "insert into jxc_cgsp (gl_djh,g_sn,a_name,jh_sl,jh_dj) values ('CD24051010001','G1','admin',1,10)"));
    Sql(QStringLiteral("insert into jxc_cgspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name) "
                       "values ('CD24051010001','G1','S','R',1,'admin')"));
    Query& pending = dm->Q(QStringLiteral("Q_Shdj"));
    OpenQuery(pending,
        QStringLiteral("select a.*,b.ghs_name,c.ck_name,d.u_name from jxc_cgd a,jxc_ghsxx b,jxc_ckxx c,jxc_user d "
                       "where a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.j_status=0"));
    TF_Cgd_Modi d;
    d.Activate();
    EXPECT_EQ(d.gldjh->text(), QStringLiteral("CD24051010001"));
    d.dateCg->setDate(QDate(2024, 5, 3));
    d.btnSaveClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,j_jhrq from jxc_cgd")),
        QStringList { QStringLiteral("CD24050310001 2024-05-03 08:30") });
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_cgsp union all select gl_djh from jxc_cgspmx")),
        QStringList(2, QStringLiteral("CD24050310001")));
    EXPECT_EQ(pending.AsString(QStringLiteral("gl_djh")), QStringLiteral("CD24050310001"));
}

} // namespace
