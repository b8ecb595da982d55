#include "cgjhtest.h"

#include "documents/docpayment.h"
#include "platform/ui/keyedcombo.h"
#include "purchasing/yfkglfk.h"

#include <QDateEdit>

namespace {

// An approved goods-in of 100 with 30 paid and the rest on account, and an approved
// return of 50 (stored negative) with nothing settled.
class DocPaymentTest : public CgjhTest {
protected:
    void SetUp() override
    {
        CgjhTest::SetUp();
        Pending(QStringLiteral("CJ24051010001"), QStringLiteral("admin"), 100, 30, 1);
        w->checkDj(QStringLiteral("CJ24051010001"));
        Sql(QStringLiteral("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,th_thrq,th_yfje,th_sfje,th_hkje,u_sn,a_name,"
                           "th_status,th_note,th_kmmc) values ('CT24051010001','S1','100001','2024-05-10 09:00',-50,0,"
                           "0,'100001','admin',1,'','')"));
        ApproveOnSave = QStringLiteral("1");
        ResultText.clear();
    }
    void TearDown() override
    {
        SelectedSn.clear();
        ResultText.clear();
        CgjhTest::TearDown();
    }
    std::unique_ptr<TF_Yfkgl_Fk> Open(const QString& number)
    {
        SelectedSn = number;
        auto d = std::make_unique<TF_Yfkgl_Fk>();
        d->Activate();
        return d;
    }
};

TEST_F(DocPaymentTest, ProposalAndRefusalsWriteNothing)
{
    auto d = Open(QStringLiteral("CJ24051010001"));
    EXPECT_EQ(d->tje->text(), QStringLiteral("70")) << "payable - paid - paid later";
    EXPECT_EQ(d->gldjh->text(), QStringLiteral("CJ24051010001"));
    EXPECT_EQ(CurrentSupplierSn, QStringLiteral("S1"));

    d->tje->setText(QStringLiteral("0"));
    d->btnSaveClick();
    d->tje->setText(QStringLiteral("70"));
    d->comUser->setCurrentIndex(-1);
    d->btnSaveClick();
    EXPECT_EQ(prompt.Messages(), (QStringList { U8("付款不能为0！"), U8("经办人不能为空！") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk_dj")), 0);
    EXPECT_EQ(ResultText, QString());

    d->close(); // Esc
    EXPECT_EQ(ResultText, QString());
    EXPECT_EQ(Number(QStringLiteral("select j_hkje from jxc_jhd where gl_djh='CJ24051010001'")), 0);
}

TEST_F(DocPaymentTest, SavedPaymentIsPostedAndNoted)
{
    const QString longNote(190, QLatin1Char('x'));
    Sql(QStringLiteral("update jxc_jhd set j_note='%1' where gl_djh='CJ24051010001'").arg(longNote));
    auto d = Open(QStringLiteral("CJ24051010001"));
    d->tnote->setText(U8("尾款 '结清'"));
    d->btnSaveClick();
    EXPECT_EQ(ResultText, QStringLiteral("70"));
    EXPECT_EQ(
        Rows(QStringLiteral("select gl_djh,gl_djh2,k_ghskh,k_sfje,k_type,k_djlx,k_check,k_note from jxc_ysyfk_dj")),
        QStringList { U8("FK24051010001 CJ24051010001 S1 70 ghs FK 1 单据【CJ24051010001】付款 尾款 '结清'") });
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh='FK24051010001'")), 1) << "posted at once";
    EXPECT_EQ(Number(QStringLiteral("select j_hkje from jxc_jhd where gl_djh='CJ24051010001'")), 70);
    const QString note = Scalar(QStringLiteral("select j_note from jxc_jhd where gl_djh='CJ24051010001'"));
    EXPECT_EQ(note.size(), 200);
    EXPECT_EQ(note, (longNote + U8("  付款:FK24051010001金额:70，付款日期：2024-05-10 10:20 尾款")).left(200));
}

TEST_F(DocPaymentTest, AReturnIsSettledWithANegativeAmount)
{
    ApproveOnSave = QStringLiteral("0");
    auto d = Open(QStringLiteral("CT24051010001"));
    EXPECT_EQ(d->tje->text(), QStringLiteral("-50"));
    d->btnSaveClick();
    EXPECT_EQ(Number(QStringLiteral("select th_hkje from jxc_thd")), -50);
    EXPECT_EQ(Rows(QStringLiteral("select k_sfje,k_check from jxc_ysyfk_dj")), QStringList { QStringLiteral("-50 0") })
        << "left pending without ApproveOnSave";
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh like 'FK%'")), 0);
}

TEST(DocNeedsPaymentTest, JudgedOnCents)
{
    struct Case {
        const char* number;
        double payable, paid, discount, later;
        bool needs;
    };
    const Case cases[] = {
        { "CJ1", 100, 30, 0, 70, false },
        { "CJ1", 100, 30, 0, 69.999999, false }, // a float rest below a cent
        { "CJ1", 100, 30, 10, 50, true },
        { "CT1", -50, 0, 0, 0, true },
        { "CT1", -50, -20, 0, -30, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(DocNeedsPayment(QLatin1String(c.number), c.payable, c.paid, c.discount, c.later), c.needs)
            << c.number << " " << c.later;
}

} // namespace
