#include "salesquerytest.h"

#include "documents/docpayment.h"
#include "platform/ui/keyedcombo.h"
#include "posting/balances.h"
#include "sales/modidatexs.h"
#include "sales/saleswindows.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

class ModiDateXsTest : public SalesQueryTest {
protected:
    void SetUp() override
    {
        SalesQueryTest::SetUp();
        RegisterSalesWindows();
    }
    void TearDown() override
    {
        DateEditCaller.clear();
        DateEditDocNo.clear();
        SalesQueryTest::TearDown();
    }
    void Pending(const QString& number, const QString& date)
    {
        fixture::AddDocument(
            { number.startsWith(QLatin1String("XT")) ? fixture::Trade::SalesReturn : fixture::Trade::Sale, number, date,
                QStringLiteral("K1"), QStringLiteral("100001"), QStringLiteral("100001"), 0,
                { { QStringLiteral("G1"), 1, 100 } } });
        // Settled by what was paid, in full.
        Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=ls_yfje"));
        Sql(QStringLiteral("update jxc_xsthd set th_sfje=th_yfje"));
    }
    std::unique_ptr<TF_ModiDateXs> Open(const QString& number, const char* caller)
    {
        DateEditCaller = QLatin1String(caller);
        DateEditDocNo = number;
        auto d = std::make_unique<TF_ModiDateXs>();
        d->Activate();
        return d;
    }
    QStringList Where(const QString& number)
    {
        return { Scalar(QStringLiteral("select count(*) from jxc_lsxsd where gl_djh='%1'").arg(number)),
            Scalar(QStringLiteral("select count(*) from jxc_lsxssp where gl_djh='%1'").arg(number)),
            Scalar(QStringLiteral("select count(*) from jxc_lsxsspmx where gl_djh='%1'").arg(number)) };
    }
};

TEST_F(ModiDateXsTest, NumberFollowsTheDayAndTheStoredTimeStays)
{
    const QString old = QStringLiteral("XS24051010001");
    Pending(old, QStringLiteral("2024-05-10 09:15:42"));
    auto d = Open(old, "cgjh");
    d->dateCg->setDate(QDate(2024, 5, 8));
    EXPECT_EQ(d->gldjh->text(), QStringLiteral("XS24050810001"));
    d->dateCg->setDate(QDate(2024, 5, 10));
    EXPECT_EQ(d->gldjh->text(), old) << "back to its own day";
    d->btnSaveClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ls_xsrq from jxc_lsxsd")),
        QStringList { QStringLiteral("XS24051010001 2024-05-10 09:15:42") })
        << "saved unchanged";

    d = Open(old, "cgjh");
    d->dateCg->setDate(QDate(2024, 5, 8));
    d->tnote->setText(S("改'期"));
    d->btnSaveClick();
    EXPECT_EQ(Where(QStringLiteral("XS24050810001")), (QStringList { "1", "1", "1" }));
    EXPECT_EQ(Where(old), (QStringList { "0", "0", "0" }));
    EXPECT_EQ(Rows(QStringLiteral("select ls_xsrq,ls_status,ls_note from jxc_lsxsd")),
        QStringList { S("2024-05-08 09:15:42 0 改‘期") });
}

TEST_F(ModiDateXsTest, ReturnShowsPositiveAmountsAndMovesTheDeliveryFlag)
{
    const QString ret = QStringLiteral("XT24051010001");
    Pending(ret, QStringLiteral("2024-05-10 11:00"));
    Approved(QStringLiteral("XS24050110001"), QStringLiteral("2024-05-01 09:00"), 1);
    Sql(QStringLiteral("update jxc_lsxsd set ls_th=1,ls_fdmc='XT24051010001' where gl_djh='XS24050110001'"));
    auto d = Open(ret, "cgjh");
    EXPECT_EQ(d->tyfje->text(), QStringLiteral("100"));
    d->dateCg->setDate(QDate(2024, 5, 9));
    d->btnSaveClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,th_xsrq,th_yfje from jxc_xsthd")),
        QStringList { QStringLiteral("XT24050910001 2024-05-09 11:00 -100") });
    EXPECT_EQ(Scalar(QStringLiteral("select ls_fdmc from jxc_lsxsd where gl_djh='XS24050110001'")),
        QStringLiteral("XT24050910001"));

    d = Open(QStringLiteral("XT24050910001"), "cgjh");
    d->comUser->setCurrentIndex(-1);
    d->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), S("请选择经办人！"));
    EXPECT_EQ(Where(QStringLiteral("XS24050110001")).first(), QStringLiteral("1"));
}

TEST_F(ModiDateXsTest, ApprovedDeliveryIsPostedOnceUnderTheNewNumberWithItsReceipt)
{
    const QString old = QStringLiteral("XS24051010001");
    Approved(old, QStringLiteral("2024-05-10 09:00"), 1);
    const QString sk
        = RecordDocPayment({ old, 50, QStringLiteral("100001"), QString(), QString(), QDate(2024, 5, 10) });
    const int ledgerRows = Count(QStringLiteral("jxc_goodslist"));
    const QString balance = GetLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh"));
    const QString stock = Scalar(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'"));

    const fixture::Snapshot before = fixture::TakeSnapshot();
    auto d = Open(old, "jthcx");
    d->dateCg->setDate(QDate(2024, 5, 7));
    prompt.Answer(Prompt::Answer::No);
    d->btnSaveClick();
    const fixture::Snapshot declined = fixture::TakeSnapshot();
    EXPECT_TRUE(before == declined) << fixture::Difference(before, declined).toStdString();

    prompt.Answer(Prompt::Answer::Yes);
    d->btnSaveClick();
    const QString moved = QStringLiteral("XS24050710001");
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ls_status,ls_hkje,ls_xsrq from jxc_lsxsd")),
        QStringList { moved + QStringLiteral(" 1 50 2024-05-07 09:00") });
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist")), ledgerRows) << "posted once";
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh='%1'").arg(old)), 0);
    EXPECT_EQ(
        Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh='%1' and gl_kdrq like '2024-05-07%'").arg(moved)),
        1);
    EXPECT_EQ(Scalar(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), stock);
    EXPECT_EQ(
        Rows(QStringLiteral("select gl_djh,gl_djh2 from jxc_ysyfk_dj")), QStringList { sk + QLatin1Char(' ') + moved });
    EXPECT_EQ(GetLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh")), balance);
}

TEST_F(ModiDateXsTest, AnExchangeOnlyCloses)
{
    auto d = Open(QStringLiteral("XH24051010001"), "cgjh");
    d->show();
    d->btnSaveClick();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd")), 0);
}

} // namespace
