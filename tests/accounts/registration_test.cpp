#include "accounts/registrationdialog.h"
#include "accounts/registrationops.h"
#include "accounts/registrationwindows.h"
#include "accountsfixture.h"
#include "listing/queryframe.h"
#include "platform/grid/datagrid.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

using namespace fixture;

namespace {

class RegistrationTest : public AccountsTest {
protected:
    QString Add(const RegistrationKind& kind, const QDate& date, double amount, double rounding = 0,
        const QString& partner = QStringLiteral("K1"))
    {
        RegistrationEntry e;
        e.partnerSn = partner;
        e.partnerName = QStringLiteral("P");
        e.date = date;
        e.handlerSn = QStringLiteral("100001");
        e.amount = amount;
        e.rounding = rounding;
        e.account = S("现金");
        e.note = QStringLiteral(" n ");
        return AddRegistration(kind, e);
    }
    QStringList Balances(const QString& partner = QStringLiteral("K1"))
    {
        return Column(QStringLiteral("select k_ljje from jxc_ysyfk where k_ghskh='") + partner
            + QStringLiteral("' order by k_rq,id"));
    }
};

TEST_F(RegistrationTest, EarlierRegistrationReaccumulatesAndCancelRestores)
{
    Ledger(QStringLiteral("XS1"), QStringLiteral("2024-03-10 09:00"), 100, 100);
    Ledger(QStringLiteral("XS2"), QStringLiteral("2024-03-20 09:00"), 50, 150);
    ExecSQL(QStringLiteral("update jxc_khxx set kh_lwje=150"));
    const QString no = Add(ReceivableKind(), QDate(2024, 3, 1), 30);
    EXPECT_EQ(no, QStringLiteral("YS24030110001"));
    EXPECT_EQ(Scalar(QStringLiteral("select k_rq from jxc_ysyfk_dj")), QStringLiteral("2024-03-01 10:20"));
    EXPECT_EQ(Scalar(QStringLiteral("select k_note from jxc_ysyfk_dj")), QStringLiteral("n"));
    const Snapshot before = TakeSnapshot();

    EXPECT_TRUE(ApproveRegistration(ReceivableKind(), no));
    EXPECT_EQ(Balances(), (QStringList { QStringLiteral("30"), QStringLiteral("130"), QStringLiteral("180") }));
    EXPECT_EQ(Number(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")), 180);
    EXPECT_EQ(Scalar(QStringLiteral("select k_chkrq from jxc_ysyfk_dj")), QStringLiteral("2024-03-05"));
    EXPECT_FALSE(ApproveRegistration(ReceivableKind(), no)); // twice changes nothing
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk")), 3);

    EXPECT_TRUE(CancelRegistration(ReceivableKind(), no));
    EXPECT_FALSE(CancelRegistration(ReceivableKind(), no));
    const Snapshot after = TakeSnapshot();
    EXPECT_TRUE(before == after) << Difference(before, after).toStdString();
    EXPECT_EQ(Scalar(QStringLiteral("select k_checker from jxc_ysyfk_dj")), QString());
}

TEST_F(RegistrationTest, NumbersCountTheLedgerAndTheRegistrations)
{
    Ledger(QStringLiteral("YS24030510003"), QStringLiteral("2024-03-05 08:00"), -5, -5);
    EXPECT_EQ(Add(ReceivableKind(), QDate(2024, 3, 5), 10), QStringLiteral("YS24030510004"));
    EXPECT_EQ(Add(ReceivableKind(), QDate(2024, 3, 5), 10), QStringLiteral("YS24030510005"));
    EXPECT_EQ(Add(PayableKind(), QDate(2024, 3, 5), 10, 0, QStringLiteral("G1")), QStringLiteral("YF24030510001"));
}

TEST_F(RegistrationTest, ReceiptWithRoundingOffAndItsCancel)
{
    Ledger(QStringLiteral("XS1"), QStringLiteral("2024-03-01 09:00"), 100, 100);
    ExecSQL(QStringLiteral("update jxc_khxx set kh_lwje=100"));
    const QString no = Add(ReceiptKind(), QDate(2024, 3, 5), 95, 5);
    EXPECT_EQ(no, QStringLiteral("SK24030510001"));
    const Snapshot before = TakeSnapshot();

    EXPECT_TRUE(ApproveRegistration(ReceiptKind(), no));
    EXPECT_EQ(Number(QStringLiteral("select k_ljje from jxc_ysyfk where gl_djh='SK24030510001'")), 5);
    EXPECT_EQ(Number(QStringLiteral("select k_ljje from jxc_ysyfk where gl_djh2='SK24030510001'")), 0);
    EXPECT_EQ(Number(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")), 0);
    EXPECT_EQ(Number(QStringLiteral("select xj_je from jxc_xjyh where gl_djh='SK24030510001'")), 95);
    EXPECT_EQ(Column(QStringLiteral("select gl_flag || ' ' || g_sn from jxc_goodslist")),
        QStringList { QStringLiteral("xs 00000000") });
    EXPECT_EQ(Number(QStringLiteral("select gl_zje from jxc_goodslist")), -5);
    EXPECT_EQ(Number(QStringLiteral("select gl_lr from jxc_goodslist")), -5);

    EXPECT_TRUE(CancelRegistration(ReceiptKind(), no));
    const Snapshot after = TakeSnapshot();
    EXPECT_TRUE(before == after) << Difference(before, after).toStdString();
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        S("取消审核收款，单据号：SK24030510001，客户：甲服饰，金额：95"));
}

TEST_F(RegistrationTest, PaymentWithRoundingOff)
{
    const QString no = Add(PaymentKind(), QDate(2024, 3, 5), 40, 2, QStringLiteral("G1"));
    EXPECT_TRUE(ApproveRegistration(PaymentKind(), no));
    EXPECT_EQ(Column(QStringLiteral("select gl_flag from jxc_goodslist")), QStringList { QStringLiteral("cj") });
    EXPECT_EQ(Number(QStringLiteral("select gl_lr from jxc_goodslist")), 0);
    EXPECT_EQ(Number(QStringLiteral("select xj_je from jxc_xjyh where gl_djh='") + no + QLatin1Char('\'')), -40);
    EXPECT_EQ(Number(QStringLiteral("select ghs_lwje from jxc_ghsxx where ghs_sn='G1'")), -42);
}

TEST_F(RegistrationTest, DeletingAPendingReceiptGivesBackTheSourceAmount)
{
    struct Case {
        const char* source;
        const char* table;
        const char* column;
        double collected, receipt, left;
    } cases[] = {
        { "XS1", "jxc_lsxsd", "ls_hkje", 50, 80, 0 },
        { "XT1", "jxc_xsthd", "th_hkje", 50, 30, 20 },
        { "CJ1", "jxc_jhd", "j_hkje", 50, 80, 0 },
        { "CT1", "jxc_thd", "th_hkje", 50, 30, 20 },
    };
    for (const Case& c : cases) {
        const QString source = QString::fromLatin1(c.source);
        const QString table = QString::fromLatin1(c.table);
        const QString column = QString::fromLatin1(c.column);
        ExecSQL(
            QStringLiteral("insert into %1 (gl_djh,%2) values ('%3',%4)").arg(table, column, source).arg(c.collected));
        const bool sales = source.startsWith(QLatin1Char('X'));
        const RegistrationKind& kind = sales ? ReceiptKind() : PaymentKind();
        const QString no
            = Add(kind, QDate(2024, 3, 5), c.receipt, 0, sales ? QStringLiteral("K1") : QStringLiteral("G1"));
        ExecSQL(QStringLiteral("update jxc_ysyfk_dj set gl_djh2='%1' where gl_djh='%2'").arg(source, no));
        const qint64 id = Scalar(QStringLiteral("select id from jxc_ysyfk_dj where gl_djh='%1'").arg(no)).toLongLong();
        EXPECT_TRUE(DeleteRegistration(kind, id));
        EXPECT_EQ(Number(QStringLiteral("select %1 from %2 where gl_djh='%3'").arg(column, table, source)), c.left)
            << c.source;
    }
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk_dj")), 0);
}

TEST_F(RegistrationTest, ApprovedRowsAreNeitherDeletedNorChanged)
{
    const QString no = Add(ReceivableKind(), QDate(2024, 3, 5), 10);
    ApproveRegistration(ReceivableKind(), no);
    const qint64 id = Scalar(QStringLiteral("select id from jxc_ysyfk_dj")).toLongLong();
    EXPECT_FALSE(DeleteRegistration(ReceivableKind(), id));
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk_dj")), 1);
}

// ---- the list windows ----

class RegistrationWindowTest : public RegistrationTest {
protected:
    void Pick(RegistrationList& w, const QString& code)
    {
        w.Activate();
        w.PickedPartner() = code;
        w.tPartnerName->setText(QStringLiteral("x"));
    }
};

TEST_F(RegistrationWindowTest, ApproveAllCountsTheListAndTheApproved)
{
    QStringList numbers;
    for (int i = 0; i < 5; ++i)
        numbers << Add(ReceivableKind(), QDate(2024, 3, 1 + i), 10 + i);
    ApproveRegistration(ReceivableKind(), numbers.at(1));
    ApproveRegistration(ReceivableKind(), numbers.at(3));
    TF_Yskdj w;
    w.Activate();
    ASSERT_EQ(w.cxGrid1View->RowCount(), 5);
    prompt.Answer(Prompt::Answer::Yes);
    w.btn_CheckClick();
    EXPECT_EQ(prompt.LastMessage(), S("审核完成，共 5 个单据，\r\n\r\n审核成功 3 个单据。"));
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk_dj"), QStringLiteral("k_check=1")), 5);
    EXPECT_EQ(Balances(),
        (QStringList { QStringLiteral("10"), QStringLiteral("21"), QStringLiteral("33"), QStringLiteral("46"),
            QStringLiteral("60") }));
    EXPECT_EQ(Number(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")), 60);
}

TEST_F(RegistrationWindowTest, Refusals)
{
    TF_Yskdj w;
    w.Activate();
    w.btn_AddClick();
    EXPECT_EQ(prompt.LastMessage(), S("请选择客户！"));
    TF_Yfkdj f;
    f.Activate();
    f.btn_AddClick();
    EXPECT_EQ(prompt.LastMessage(), S("请选择供货商！"));

    CurrentCustomerSn = QStringLiteral("K1");
    OpenMode = QStringLiteral("add");
    TF_Yskdj_Sele d;
    d.Activate();
    d.tgsj->setText(QStringLiteral("0.001"));
    d.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), S("应收款不能为0！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk_dj")), 0);

    ApproveRegistration(ReceivableKind(), Add(ReceivableKind(), QDate(2024, 3, 5), 10));
    w.Activate();
    w.btn_ModiClick();
    EXPECT_EQ(prompt.LastMessage(), S("该单据已审核，不能修改！"));
    w.btn_DeleClick();
    EXPECT_EQ(prompt.LastMessage(), S("该单据已审核，不能删除！"));
}

TEST_F(RegistrationWindowTest, SaveApprovesADocumentOutsideThePeriod)
{
    ApproveOnSave = QStringLiteral("1");
    TF_Yskdj w;
    Pick(w, QStringLiteral("K1"));
    prompt.OnModal(QStringLiteral("TF_Yskdj_Sele"), [](QDialog* dialog) {
        auto* d = static_cast<TF_Yskdj_Sele*>(dialog);
        d->dateCg->setDate(QDate(2024, 1, 10));
        EXPECT_EQ(d->lDjh->text(), QStringLiteral("YS24011010001"));
        d->tgsj->setText(QStringLiteral("25"));
        d->btnOKClick();
        return d->result();
    });
    w.btn_AddClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk_dj"), QStringLiteral("k_check=1 and gl_djh='YS24011010001'")), 1);
    EXPECT_EQ(Number(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")), 25);
    EXPECT_EQ(OpenMode, QString());
}

TEST_F(RegistrationWindowTest, PrintedBalanceIsTheSamePendingAndApproved)
{
    Ledger(QStringLiteral("XS1"), QStringLiteral("2024-03-01 09:00"), 100, 100);
    const QString no = Add(ReceivableKind(), QDate(2024, 3, 5), 30);
    TF_Yskdj w;
    w.prinDj(no);
    ASSERT_NE(PrintLog::Last(), nullptr);
    const QString pending = PrintLog::Last()->variables.value(QStringLiteral("ysyfje"));
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("ysyfkd")).rows.size(), 1);
    ApproveRegistration(ReceivableKind(), no);
    w.prinDj(no);
    EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("ysyfje")), pending);
    EXPECT_EQ(ValueNumber(pending), 130);
}

TEST_F(RegistrationWindowTest, PrintedListIgnoresTheDataFilter)
{
    Add(ReceivableKind(), QDate(2024, 3, 1), 10);
    Add(ReceivableKind(), QDate(2024, 3, 2), 20);
    TF_Yskdj w;
    w.Activate();
    ApplyDataFilter(*w.cxGrid1View, QStringLiteral("gl_djh"), { QStringLiteral("%240301%") });
    ASSERT_EQ(w.cxGrid1View->RowCount(), 1);
    w.btn_PrinClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("yskdj")).rows.size(), 2);
    EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("date1")), QStringLiteral("2024-03-01"));
}

TEST_F(RegistrationWindowTest, PartnerFilterAndKeyFilterOnActivation)
{
    fixture::AddCustomer(QStringLiteral("K2"), S("丙"));
    Add(ReceivableKind(), QDate(2024, 3, 1), 10);
    Add(ReceivableKind(), QDate(2024, 3, 2), 20, 0, QStringLiteral("K2"));
    TF_Yskdj w;
    Pick(w, QStringLiteral("K2"));
    w.btnSearch1Click();
    EXPECT_EQ(w.cxGrid1View->RowCount(), 1);
    w.tPartnerName->clear();
    w.btnSearch1Click();
    EXPECT_EQ(w.cxGrid1View->RowCount(), 2);

    TF_Ysksk receipts;
    receipts.tDocKey->setText(QStringLiteral("abc"));
    receipts.Activate();
    EXPECT_EQ(receipts.tDocKey->text(), QStringLiteral("abc"));
    TF_Yfkfk payments;
    payments.tDocKey->setText(QStringLiteral("abc"));
    payments.Activate();
    EXPECT_EQ(payments.tDocKey->text(), QString());
}

} // namespace
