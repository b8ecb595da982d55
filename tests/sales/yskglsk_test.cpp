#include "salesquerytest.h"

#include "foundation/rights.h"
#include "platform/ui/keyedcombo.h"
#include "posting/balances.h"
#include "sales/yskglsk.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

class YskglSkTest : public SalesQueryTest {
protected:
    void SetUp() override
    {
        SalesQueryTest::SetUp();
        fixture::AddAccount(QStringLiteral("Y1"), S("现金"));
        Approved(QStringLiteral("XS24051010001"), QStringLiteral("2024-05-10 09:00"), 1);
        Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=20,ls_hkje=30,ls_kmmc='现金' where gl_djh='XS24051010001'"));
    }
    std::unique_ptr<TF_Yskgl_Sk> Open(const QString& number)
    {
        SelectedSn = number;
        auto d = std::make_unique<TF_Yskgl_Sk>();
        d->Activate();
        return d;
    }
};

TEST_F(YskglSkTest, ProposesTheRestAndRefusesWithoutWriting)
{
    auto d = Open(QStringLiteral("XS24051010001"));
    EXPECT_EQ(d->tje->text(), QStringLiteral("50")) << "100 - 20 - 30";
    EXPECT_EQ(d->kh_name->text(), S("客户一"));
    EXPECT_EQ(d->comYhzh->currentText(), S("现金"));

    d->tje->setText(QStringLiteral("0"));
    d->btnSaveClick();
    d->tje->setText(QStringLiteral("50"));
    d->comUser->setCurrentIndex(-1);
    d->btnSaveClick();
    EXPECT_EQ(prompt.Messages(), (QStringList { S("收款不能为0！"), S("经办人不能为空！") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk_dj")), 0);
    EXPECT_EQ(ResultText, QString());
}

TEST_F(YskglSkTest, ApprovedReceiptLowersTheBalanceAndNotesTheDocument)
{
    const QString longNote(190, QLatin1Char('x'));
    Sql(QStringLiteral("update jxc_lsxsd set ls_note='%1' where gl_djh='XS24051010001'").arg(longNote));
    const double before = GetLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh")).toDouble();
    auto d = Open(QStringLiteral("XS24051010001"));
    d->tnote->setText(S("尾款 '结清'"));
    d->btnSaveClick();
    EXPECT_EQ(ResultText, QStringLiteral("50"));
    EXPECT_EQ(
        Rows(QStringLiteral("select gl_djh,gl_djh2,k_ghskh,k_sfje,k_type,k_djlx,k_check,k_fkfs from jxc_ysyfk_dj")),
        QStringList { S("SK24051010001 XS24051010001 K1 50 kh SK 1 现金") });
    EXPECT_NEAR(GetLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh")).toDouble(), before - 50, 0.005);
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh='SK24051010001'")), 1);
    EXPECT_EQ(Number(QStringLiteral("select ls_hkje from jxc_lsxsd where gl_djh='XS24051010001'")), 80);
    const QString note = Scalar(QStringLiteral("select ls_note from jxc_lsxsd where gl_djh='XS24051010001'"));
    EXPECT_EQ(note, (longNote + S("  收款:SK24051010001金额:50，收款日期：2024-05-10 10:20 尾款")).left(200));
}

TEST_F(YskglSkTest, PendingReceiptStillCountsOnTheDocument)
{
    ApproveOnSave = QStringLiteral("0");
    auto d = Open(QStringLiteral("XS24051010001"));
    d->btnSaveClick();
    EXPECT_EQ(Number(QStringLiteral("select k_check from jxc_ysyfk_dj")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh like 'SK%'")), 0);
    EXPECT_EQ(Number(QStringLiteral("select ls_hkje from jxc_lsxsd where gl_djh='XS24051010001'")), 80);
}

TEST_F(YskglSkTest, ReturnIsSettledOnItsOwnTableAndDateFollowsTheRight)
{
    Approved(QStringLiteral("XT24051010001"), QStringLiteral("2024-05-10 09:30"), 1);
    Sql(QStringLiteral("update jxc_xsthd set th_sfje=0,th_hkje=0 where gl_djh='XT24051010001'"));
    auto d = Open(QStringLiteral("XT24051010001"));
    EXPECT_EQ(d->tje->text(), QStringLiteral("-100"));
    EXPECT_TRUE(d->dateCg->isEnabled()) << "the administrator holds every right";
    d->btnSaveClick();
    EXPECT_EQ(Number(QStringLiteral("select th_hkje from jxc_xsthd where gl_djh='XT24051010001'")), -100);

    CurrentRoleSn = QStringLiteral("999999");
    auto limited = Open(QStringLiteral("XS24051010001"));
    EXPECT_FALSE(limited->dateCg->isEnabled());
    CurrentRoleSn = QStringLiteral("100001");
}

} // namespace
