#include "posfixture.h"

#include "platform/grid/datagrid.h"
#include "pos/posfk.h"
#include "pos/posth.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// A paid till sale of three red S shirts at 90 to member H1 (balance 500).
class ReturnsTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        InstallPosTillHooks();
        Member m;
        m.balance = 500;
        // A point for every 10 spent.
        ExecSQL(QStringLiteral("update jxc_jfsz set jf_mfje=10"));
        LoadSystemSettings();
        AddMember(m);
        Open();
        PutMember(m);
        for (int i = 0; i < 3; ++i)
            Scan(QStringLiteral("G10101"));
        sale = till->SaleNumber();
        prompt.OnModal(QStringLiteral("TF_Posxs_Fk"), [](QDialog* d) {
            auto* fk = static_cast<TF_Posxs_Fk*>(d);
            fk->btnOKClick();
            return fk->result();
        });
        till->DispatchKey(116);
        ASSERT_EQ(Count("jxc_lsxsd", QStringLiteral("gl_djh='%1'").arg(sale)), 1);
        window = std::make_unique<TF_Posxs_Th>();
        window->Activate();
    }
    void TearDown() override
    {
        window.reset();
        PosTest::TearDown();
    }
    void Take(const QString& number)
    {
        window->tdjh->setText(number);
        window->tdjhEnter();
    }
    // Confirms the return; the refund dialog is filled by `script`.
    void Confirm(const std::function<void(TF_Posxs_Thje&)>& script = {})
    {
        prompt.OnModal(QStringLiteral("TF_Posxs_Thje"), [script](QDialog* d) {
            auto* dialog = static_cast<TF_Posxs_Thje*>(d);
            if (script)
                script(*dialog);
            dialog->btnOKClick();
            return dialog->result();
        });
        window->btnOKClick();
    }
    QString ReturnQty() const
    {
        return Scalar(QStringLiteral("select th_sl from jxc_xsthsp where gl_djh='%1'").arg(window->ReturnNumber()));
    }
    QString sale;
    std::unique_ptr<TF_Posxs_Th> window;
};

TEST_F(ReturnsTest, RefundIsRoundedUpToThePaymentDecimals)
{
    struct Case {
        double total;
        const char* decimals;
        double refund;
    };
    for (const Case& c :
        { Case { 99.95, "1", 100.0 }, Case { 99.95, "0", 100 }, Case { 99.9951, "3", 99.996 }, Case { 99.9, "1", 99.9 },
            Case { 100, "0", 100 }, Case { 99.951, "2", 99.96 }, Case { 0.1 + 0.2, "1", 0.3 } })
        EXPECT_NEAR(PosRefund(c.total, QLatin1String(c.decimals)), c.refund, 1e-9) << c.total << " " << c.decimals;
}

TEST_F(ReturnsTest, SalesThatCannotBeReturned)
{
    ExecSQL(QStringLiteral("insert into jxc_posxsd (gl_djh,pos_note,a_name) values ('XS24030510077','gd','admin')"));
    Take(QStringLiteral("XS24030510077"));
    EXPECT_EQ(prompt.LastMessage(), "该销售单不存在！");
    EXPECT_EQ(window->tdjh->text(), QString());
    ExecSQL(QStringLiteral("update jxc_posxsd set pos_zftype='1' where gl_djh='%1'").arg(sale));
    Take(sale);
    EXPECT_EQ(prompt.LastMessage(), "该销售单使用了消费赠送金额，不能退货！");
    EXPECT_FALSE(window->HasLines());
}

TEST_F(ReturnsTest, QuantityPanel)
{
    Take(sale);
    ASSERT_TRUE(window->HasLines());
    EXPECT_EQ(window->lhybh->text(), "VIP001");
    EXPECT_EQ(ReturnQty(), "3");
    for (const auto& [typed, message] :
        { std::pair { "0", "数量必须大于0！" }, std::pair { "4", "退货数量不能大于销售数量！" } }) {
        window->btnQtyClick();
        window->eNewSl->setText(QLatin1String(typed));
        window->btnQtyOKClick();
        EXPECT_EQ(prompt.LastMessage(), QString::fromUtf8(message));
        EXPECT_FALSE(window->panelQty->isHidden());
    }
    window->eNewSl->setText(QStringLiteral("2"));
    window->btnQtyOKClick();
    EXPECT_TRUE(window->panelQty->isHidden());
    EXPECT_EQ(ReturnQty(), "2");
    EXPECT_EQ(Scalar(QStringLiteral("select th_zje from jxc_xsthsp")), "180");
    EXPECT_EQ(Scalar(QStringLiteral("select t_sl from jxc_xsthspmx")), "2");
    // Back up to what it was before is beyond the current quantity now.
    window->btnQtyClick();
    window->eNewSl->setText(QStringLiteral("3"));
    window->btnQtyOKClick();
    EXPECT_EQ(prompt.LastMessage(), "退货数量不能大于销售数量！");
    EXPECT_EQ(ReturnQty(), "2");
}

TEST_F(ReturnsTest, ConfirmingStoresPostsRefundsAndRemembersTheSale)
{
    const double pointsBefore = Scalar(QStringLiteral("select hy_jf from jxc_hyxx where hy_sn='H1'")).toDouble();
    const double balanceBefore = Scalar(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='H1'")).toDouble();
    Take(sale);
    const QString first = window->ReturnNumber();
    window->btnQtyClick();
    window->eNewSl->setText(QStringLiteral("2"));
    window->btnQtyOKClick();
    Confirm([](TF_Posxs_Thje& d) {
        EXPECT_EQ(d.tspje->text(), "180");
        EXPECT_TRUE(d.tczk->isEnabled());
        d.tfkje->setText(QStringLiteral("80"));
        d.tczk->setText(QStringLiteral("100"));
        d.tenderChange();
    });
    EXPECT_EQ(Rows(QStringLiteral("select hy_sn,pos_yfje,pos_sfje,pos_xj,pos_czk,pos_zffs,u_sn from jxc_posxsd where "
                                  "gl_djh='%1'")
                       .arg(first)),
        QStringList { "H1 -180 -180 -80 -100 1 100001" });
    EXPECT_EQ(Rows(QStringLiteral("select a.pos_sl,a.pos_zje,b.t_sl from jxc_posxssp a,jxc_posxsspmx b where "
                                  "a.id=b.tid and a.gl_djh='%1'")
                       .arg(first)),
        QStringList { "-2 -180 2" });
    EXPECT_EQ(Rows(QStringLiteral("select th_status,th_sfje,th_qk,th_checker,th_chkrq from jxc_xsthd where gl_djh='%1'")
                       .arg(first)),
        QStringList { "1 -180 1 admin 2024-03-05" });
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh2,th_sl from jxc_xsthsp where gl_djh='%1' and id2>0").arg(first)),
        QStringList { sale + " 2" });
    EXPECT_GT(Count("jxc_goodslist", QStringLiteral("gl_djh='%1'").arg(first)), 0);
    EXPECT_EQ(Count("jxc_goodslist", QStringLiteral("gl_djh='%1' and gl_fdmc<>'99'").arg(first)), 0);
    EXPECT_NEAR(
        Scalar(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='H1'")).toDouble(), balanceBefore + 100, 0.001);
    EXPECT_LT(Scalar(QStringLiteral("select hy_jf from jxc_hyxx where hy_sn='H1'")).toDouble(), pointsBefore);
    // A fresh return starts.
    EXPECT_NE(window->ReturnNumber(), first);
    EXPECT_FALSE(window->HasLines());

    // The same sale again offers what is left, and then nothing.
    Take(sale);
    EXPECT_EQ(ReturnQty(), "1");
    Confirm();
    Take(sale);
    EXPECT_EQ(prompt.LastMessage(), "该销售单已全部退货，不能再次退货！");
    EXPECT_FALSE(window->HasLines());
}

TEST_F(ReturnsTest, BackOfficeReturnsCountAndNoMemberNoStoredValue)
{
    // A whole-document return of one piece from the back office, approved.
    const QString line = Scalar(QStringLiteral("select id from jxc_lsxssp where gl_djh='%1'").arg(sale));
    ExecSQL(QStringLiteral("insert into jxc_xsthd (gl_djh,th_status,a_name) values ('XT24030410001',1,'admin')"));
    ExecSQL(QStringLiteral("insert into jxc_xsthsp (gl_djh,g_sn,th_sl,id2,gl_djh2,idck,a_name) values "
                           "('XT24030410001','G1',1,0,'%1',%2,'admin')")
                .arg(sale, line));
    ExecSQL(QStringLiteral("update jxc_posxsd set hy_sn='' where gl_djh='%1'").arg(sale));
    Take(sale);
    EXPECT_EQ(ReturnQty(), "2");
    Confirm([](TF_Posxs_Thje& d) { EXPECT_FALSE(d.tczk->isEnabled()); });
    EXPECT_EQ(Rows(QStringLiteral("select pos_xj,pos_czk from jxc_posxsd where pos_yfje<0")), QStringList { "-180 0" });
}

TEST_F(ReturnsTest, FinderListsSalesOfThePeriodAndHandsOneOver)
{
    ExecSQL(QStringLiteral("update jxc_posxsd set u_sn='999999' where gl_djh='%1'").arg(sale));
    prompt.OnModal(QStringLiteral("TF_Posxs_ThImport"), [](QDialog* d) {
        auto* f = static_cast<TF_Posxs_ThImport*>(d);
        // A sale whose salesman is gone is still found.
        EXPECT_EQ(f->cxGrid1->RowCount(), 1);
        EXPECT_EQ(f->cxGrid2->RowCount(), 1);
        f->tkey->setText(QStringLiteral("VIP"));
        f->btnSearchClick();
        EXPECT_EQ(f->cxGrid1->RowCount(), 1);
        f->tkey->setText(QStringLiteral("XT"));
        f->btnSearchClick();
        EXPECT_EQ(f->cxGrid1->RowCount(), 0);
        f->tkey->clear();
        f->btnSearchClick();
        f->btnOKClick();
        return f->result();
    });
    window->btnFindClick();
    EXPECT_EQ(window->tdjh->text(), sale);
    EXPECT_TRUE(window->HasLines());
}

}
