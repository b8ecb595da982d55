#include "posfixture.h"

#include "platform/grid/datagrid.h"
#include "platform/grid/matrixgrid.h"
#include "pos/poscart.h"
#include "pos/posxssele.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>

namespace {

using CartTest = PosTest;

TEST_F(CartTest, RepeatScanRaisesTheLineAtItsFirstPrice)
{
    Open();
    Scan(QStringLiteral("G10101"));
    SetPrice("G1", 50);
    till->hy_bh->setText(QStringLiteral("0000")); // a member arrives in between
    till->hl_zk->setText(QStringLiteral("0.5"));
    Scan(QStringLiteral("g10101")); // barcodes compare without case
    EXPECT_EQ(Lines(), QStringList { "G1|2|100|1|200|" });
    EXPECT_EQ(Scalar("select t_sl from jxc_lsxsspmx where a_name='admin'"), "2");
    EXPECT_EQ(till->hjje->text(), "200");
}

TEST_F(CartTest, GiftLineTakesTheNextScanAtZero)
{
    Open();
    Scan(QStringLiteral("G10101"));
    till->setZp();
    Scan(QStringLiteral("G10101"));
    EXPECT_EQ(Lines(), QStringList { "G1|2|0|1|0|(赠品)" });
    EXPECT_EQ(till->Cart().AsString("g_name"), "衬衫(赠品)");
    EXPECT_EQ(till->hjje->text(), "0");
}

TEST_F(CartTest, StockOfTheColourAndSizeDecides)
{
    SetStock("G1", "01", "01", 3); // a second row of red S: 5 + 3
    SetStock("G1", "02", "02", -2);
    Open();
    Scan(QStringLiteral("G10201")); // blue S: no stock row
    EXPECT_EQ(prompt.LastMessage(), "库存为0不允许销售，重新输入！");
    EXPECT_TRUE(Lines().isEmpty());
    Scan(QStringLiteral("G10202")); // blue M: negative stock passes
    Scan(QStringLiteral("G10101"));
    EXPECT_EQ(Lines().size(), 2);
    EXPECT_EQ(Column("select t_kc from jxc_lsxsspmx where a_name='admin' order by id"), (QStringList { "-2", "8" }));

    Setting(QStringLiteral("cs_kc"), QStringLiteral("1"));
    Scan(QStringLiteral("G10201"));
    EXPECT_EQ(Lines().size(), 3);
}

TEST_F(CartTest, SearchWithoutMatchOrWithSeveral)
{
    fixture::AddGoods({ "G2", "衬衫二", { "01:红" }, { "01:S" } });
    SetPrice("G2", 60);
    fixture::SetWarehouseStock("G2", "100001", 4, 30, 4);
    SetStock("G2", "01", "01", 4);
    Open();
    Scan(QStringLiteral("XYZ"));
    EXPECT_EQ(prompt.LastMessage(), "仓库里没有所查询的商品信息，请重新输入！");

    Scan(QStringLiteral("衬衫"));
    EXPECT_TRUE(till->cxGrid1->isVisibleTo(till.get()));
    EXPECT_EQ(till->cxGrid1->RowCount(), 2);
    EXPECT_TRUE(Lines().isEmpty());

    // The picker is cancelled: nothing is added and the list closes.
    prompt.OnModal("TF_Posxs_Sele", [](QDialog* d) {
        static_cast<TF_Posxs_Sele*>(d)->btnExitClick();
        return d->result();
    });
    till->selectGoods();
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_FALSE(till->cxGrid1->isVisibleTo(till.get()));

    Scan(QStringLiteral("衬衫"));
    till->cxGrid1->SetCurrentRow(1);
    prompt.OnModal("TF_Posxs_Sele", [](QDialog* d) {
        auto* sele = static_cast<TF_Posxs_Sele*>(d);
        sele->StringGrid->setCurrentCell(1, 1);
        sele->btnOKClick();
        return d->result();
    });
    till->selectGoods();
    EXPECT_EQ(Lines(), QStringList { "G2|1|60|1|60|" });
    EXPECT_EQ(Scalar("select t_kc from jxc_lsxsspmx where a_name='admin'"), "4");
}

TEST_F(CartTest, CashiersSharingANumberKeepSeparateCarts)
{
    const QString n = QStringLiteral("XS24030510001");
    PosCart::NewLine line { "G1", "01", "01", 5, 100, 1, 100, 40 };
    PosCart::Add(n, "admin", line);
    line.price = 30;
    PosCart::Add(n, "小王", line); // not merged into admin's line
    PosCart::Add(n, "小王", line);
    EXPECT_EQ(Lines("小王"), QStringList { "G1|2|30|1|60|" });
    EXPECT_EQ(PosCart::Total(n, "admin"), "100");
    EXPECT_EQ(PosCart::Total(n, "小王"), "60");
    EXPECT_EQ(PosCart::LinesTotal(n, "小王"), "60");

    const qint64 own = Scalar("select id from jxc_lsxssp where a_name='小王'").toLongLong();
    PosCart::DeleteLine(own, "admin"); // not his line
    PosCart::DeleteAll(n, "admin");
    EXPECT_TRUE(Lines("admin").isEmpty());
    EXPECT_EQ(Lines("小王").size(), 1);
    EXPECT_EQ(Count("jxc_lsxsspmx", "a_name='小王'"), 1);
}

TEST_F(CartTest, ScanUnderAColleaguesNumberMovesTheCartToANewOne)
{
    Open();
    const QString n = till->SaleNumber();
    Scan(QStringLiteral("G10101"));
    // Another cashier drew the same number and has a line under it already.
    CurrentAdminName = QStringLiteral("小王");
    TF_PosMainForm second;
    second.Activate();
    second.setInitValue(n);
    PosCart::Add(n, "小王", { "G1", "01", "02", 5, 100, 1, 100, 40 });
    second.setFilterGoods(QStringLiteral("G10101"));
    EXPECT_NE(second.SaleNumber(), n);
    EXPECT_EQ(Count("jxc_lsxssp", "a_name='小王' and gl_djh='" + second.SaleNumber() + "'"), 2);
    EXPECT_EQ(Count("jxc_lsxsspmx", "a_name='小王' and gl_djh='" + second.SaleNumber() + "'"), 2);
    EXPECT_EQ(Count("jxc_lsxssp", "a_name='admin' and gl_djh='" + n + "'"), 1);
    EXPECT_EQ(second.hjje->text(), "200");
}

TEST_F(CartTest, DeletesKeepToTheCashier)
{
    Open();
    Scan(QStringLiteral("G10101"));
    Scan(QStringLiteral("G10102"));
    till->deleteCurrent(); // the last line scanned is current
    EXPECT_EQ(Count("jxc_lsxsspmx", "a_name='admin' and cm_sn='02'"), 0);
    EXPECT_EQ(Lines().size(), 1);
    prompt.Answer(Prompt::Answer::No);
    till->deleteAll();
    EXPECT_EQ(Lines().size(), 1);
    prompt.Answer(Prompt::Answer::Yes);
    till->deleteAll();
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(till->hjje->text(), "");
    EXPECT_EQ(till->stState->text(), "待销售状态");
}

TEST_F(CartTest, LineEditRefusals)
{
    Setting(QStringLiteral("cs_zdzk"), QStringLiteral("0.8"));
    const struct {
        double original, rate, qty;
        const char* refusal;
    } cases[] = {
        { -1, 1, 1, "单价不能为负数，请重新输入！" },
        { 100, 1, 0, "数量必须大于0，请重新输入！" },
        { 100, 1, 6, "销售数量不能大于库存数量，重新输入！" },
        { 100, 0.7, 1, "商品的最低折扣为：“0.8”，\r\n\r\n打折率不能低于最低折扣！" },
        { 100, 0.8, 5, "" },
    };
    for (const auto& c : cases) {
        PosCart::LineEdit e;
        e.originalPrice = c.original;
        e.price = c.original * c.rate;
        e.rate = c.rate;
        e.qty = c.qty;
        e.stock = 5;
        EXPECT_EQ(PosCart::CheckLineEdit(e), QString::fromUtf8(c.refusal)) << c.qty << " " << c.rate;
    }
    EXPECT_DOUBLE_EQ(PosCart::PriceAfterRate(100, 0.85), 85);
    EXPECT_DOUBLE_EQ(PosCart::RateOfPrice(99, 33), 0.3333);
    EXPECT_DOUBLE_EQ(PosCart::RateOfPrice(0, 33), 1);
}

TEST_F(CartTest, PanelEditsQuantityAndRefusesOverStock)
{
    Open();
    Scan(QStringLiteral("G10101"));
    till->DispatchKey(115); // F4: quantity
    ASSERT_TRUE(till->RzPanel_Spsl->isVisibleTo(till.get()));
    EXPECT_FALSE(till->eRate->isEnabled());
    till->eNewSl->setText(QStringLiteral("9"));
    till->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), "销售数量不能大于库存数量，重新输入！");
    EXPECT_EQ(Lines(), QStringList { "G1|1|100|1|100|" });
    till->eNewSl->setText(QStringLiteral("3"));
    till->btnSaveClick();
    EXPECT_EQ(Lines(), QStringList { "G1|3|100|1|300|" });
    EXPECT_EQ(Scalar("select t_sl from jxc_lsxsspmx where a_name='admin'"), "3");
    EXPECT_FALSE(till->RzPanel_Spsl->isVisibleTo(till.get()));
}

TEST_F(CartTest, WholeSaleDiscountReplacesOtherDiscountsAndKeepsGifts)
{
    Setting(QStringLiteral("cs_posdj"), QStringLiteral("1"));
    SetStock("G1", "02", "01", 5);
    Open();
    Scan(QStringLiteral("G10101"));
    Scan(QStringLiteral("G10102"));
    till->DispatchKey(118); // F7: discount, free price editing needs no supervisor
    till->eRate->setText(QStringLiteral("0.5"));
    till->eRateChange();
    till->btnSaveClick();
    Scan(QStringLiteral("G10201"));
    till->setZp();
    till->Cart().First();
    till->DispatchKey(118);
    till->eRate->setText(QStringLiteral("0.85"));
    till->eRateChange();
    EXPECT_EQ(till->ePrice->text(), "85");
    till->chkWhole->setChecked(true);
    till->btnSaveClick();
    EXPECT_EQ(Lines(), (QStringList { "G1|1|100|0.85|85|", "G1|1|100|0.85|85|", "G1|1|0|0.85|0|(赠品)" }));
    EXPECT_EQ(till->hjje->text(), "170");
}

TEST_F(CartTest, PermanentPriceWritesTheGoods)
{
    Setting(QStringLiteral("cs_posdj"), QStringLiteral("1"));
    ExecSQL("update jxc_goods set g_sj=99 where g_sn='G1'");
    Open();
    Scan(QStringLiteral("G10101"));
    till->DispatchKey(118);
    till->ePrice->setText(QStringLiteral("33"));
    till->ePriceChange();
    EXPECT_EQ(till->eRate->text(), "0.3333");
    till->chkPermanent->setChecked(true);
    till->btnSaveClick();
    EXPECT_EQ(Scalar("select g_sj from jxc_goods where g_sn='G1'"), "33");
    EXPECT_EQ(Lines(), QStringList { "G1|1|99|0.3333|33|" });
}

TEST_F(CartTest, DiscountNeedsASupervisorWithoutFreePrices)
{
    Open();
    Scan(QStringLiteral("G10101"));
    prompt.OnModal("TF_Posxs_Login", [](QDialog* d) {
        d->reject();
        return int(QDialog::Rejected);
    });
    till->DispatchKey(118);
    EXPECT_EQ(prompt.ModalNames(), QStringList { "TF_Posxs_Login" });
    EXPECT_EQ(prompt.History().last().caption, "修改售价-柜长授权");
    EXPECT_FALSE(till->RzPanel_Spsl->isVisibleTo(till.get()));
    EXPECT_TRUE(AuthSupervisorName.isEmpty());
}

}
