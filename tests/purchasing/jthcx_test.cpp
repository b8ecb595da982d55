#include "cgjhtest.h"

#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/ui/keyedcombo.h"
#include "posting/purchaseposting.h"
#include "purchasing/jthcx.h"
#include "purchasing/purchasingwindows.h"

#include <QRadioButton>

namespace {

// Approved in May: goods-in CJ1 settled in full in the main warehouse, goods-in CJ2
// with 30 owed in warehouse W2, and return CT1 of one piece.
class JthcxTest : public CgjhTest {
protected:
    void SetUp() override
    {
        CgjhTest::SetUp();
        RegisterPurchasingWindows();
        PrepareForQueries();
        fixture::AddWarehouse(QStringLiteral("W2"), U8("二号仓"));
        Pending(
            QStringLiteral("CJ24050210001"), QStringLiteral("admin"), 20, 20, 0, QStringLiteral("2024-05-02 09:00"));
        w->checkDj(QStringLiteral("CJ24050210001"));
        Pending(
            QStringLiteral("CJ24050310001"), QStringLiteral("admin"), 40, 10, 1, QStringLiteral("2024-05-03 09:00"));
        Sql(QStringLiteral("update jxc_jhd set ck_sn='W2' where gl_djh='CJ24050310001'"));
        w->checkDj(QStringLiteral("CJ24050310001"));
        fixture::AddDocument({ fixture::Trade::PurchaseReturn, QStringLiteral("CT24050410001"),
            QStringLiteral("2024-05-04 09:00"), QStringLiteral("S1"), QStringLiteral("100001"),
            QStringLiteral("100001"), 1, { { QStringLiteral("G1"), 1, 10, {} } } });
        ApprovePurchaseReturn(QStringLiteral("CT24050410001"));
        UseDocPayment = QStringLiteral("1");
        q = std::make_unique<TF_Jthcx>();
        q->Activate();
    }
    void TearDown() override
    {
        q.reset();
        TF_Jthcx::AdvWarehouse.clear();
        TF_Jthcx::KindFilter.clear();
        WholeReturnDocNo.clear();
        CgjhTest::TearDown();
    }
    QStringList Docs()
    {
        QStringList numbers;
        for (int r = 0; r < q->Q_Jhd.RecordCount(); ++r)
            numbers << q->Q_Jhd.TextAt(r, q->Q_Jhd.FieldIndex(QStringLiteral("djh")));
        return numbers;
    }
    QStringList Flags()
    {
        QStringList flags;
        for (int r = 0; r < q->Q_GoodsList.RecordCount(); ++r)
            flags << q->Q_GoodsList.TextAt(r, q->Q_GoodsList.FieldIndex(QStringLiteral("gl_flag")));
        flags.removeDuplicates();
        flags.sort();
        return flags;
    }
    std::unique_ptr<TF_Jthcx> q;
};

TEST_F(JthcxTest, KindFilterOverTheViews)
{
    EXPECT_EQ(Docs(), (QStringList { "CT24050410001", "CJ24050310001", "CJ24050210001" }));
    struct Case {
        const char* kind;
        QStringList docs;
        QStringList flags;
    };
    const Case cases[] = {
        { "ct", { "CT24050410001" }, { "ct" } },
        { "cj", { "CJ24050310001", "CJ24050210001" }, { "cj" } },
        { "qk", { "CJ24050310001" }, { "cj", "ct" } },
    };
    for (const Case& c : cases) {
        q->rDjb->setChecked(true);
        q->SetKindFilter(QLatin1String(c.kind));
        EXPECT_EQ(Docs(), c.docs) << c.kind;
        q->rMxb->setChecked(true);
        EXPECT_EQ(Flags(), c.flags) << c.kind;
        q->rHzb->setChecked(true);
        EXPECT_EQ(q->Q_GoodsHZ.RecordCount(), 1) << c.kind;
        EXPECT_GT(q->Q_GoodsList.RecordCount(), 0) << c.kind << " detail under the summary";
    }
    q->rDjb->setChecked(true);
    q->SetKindFilter(QString());
    EXPECT_EQ(q->Q_Jhd.AsString(QStringLiteral("yhje")), QStringLiteral("0")) << "a return row";
    EXPECT_EQ(q->Q_Jhd.AsString(QStringLiteral("gtype")), U8("采购退货"));
}

TEST_F(JthcxTest, AdvancedRestrictionStaysUntilTheNextAdvancedSearch)
{
    const auto advanced = [this](const QString& warehouse) {
        prompt.OnModal(QStringLiteral("TF_Cgth_Zdth_Search"), [warehouse](QDialog* d) {
            auto* s = static_cast<TF_Cgth_Zdth_Search*>(d);
            s->comCk->setCurrentIndex(s->comCk->findText(warehouse));
            s->btnSearchClick();
            return 1;
        });
        q->btnAdvanceClick();
    };
    advanced(U8("二号仓"));
    EXPECT_EQ(Docs(), QStringList { QStringLiteral("CJ24050310001") });
    EXPECT_EQ(q->tdate1->date(), QDate(2024, 4, 1)) << "the dialog's period";
    q->btnSearchClick();
    EXPECT_EQ(Docs(), QStringList { QStringLiteral("CJ24050310001") }) << "a plain search keeps it";
    q = std::make_unique<TF_Jthcx>();
    q->Activate();
    EXPECT_EQ(Docs(), QStringList { QStringLiteral("CJ24050310001") }) << "also over a new opening";
    advanced(U8("所有仓库"));
    EXPECT_EQ(Docs().size(), 3);
}

TEST_F(JthcxTest, WholeReturnRefusalsAndHandOver)
{
    q->show();
    q->rDjb->setChecked(true);
    ASSERT_TRUE(q->Q_Jhd.Locate(QStringLiteral("djh"), QStringLiteral("CT24050410001")));
    q->btnZdthClick();
    Sql(QStringLiteral("update jxc_jhd set j_th=1 where gl_djh='CJ24050310001'"));
    q->btnSearchClick();
    ASSERT_TRUE(q->Q_Jhd.Locate(QStringLiteral("djh"), QStringLiteral("CJ24050310001")));
    q->btnZdthClick();
    EXPECT_EQ(prompt.Messages(),
        (QStringList { U8("单据CT24050410001不能退货，只有“CJ”开头的单据才能退货！"),
            U8("该单据已经进行过整单退货，不能重复退货！") }));
    EXPECT_EQ(WholeReturnDocNo, QString());

    q->rMxb->setChecked(true);
    ASSERT_TRUE(q->Q_GoodsList.Locate(QStringLiteral("gl_djh"), QStringLiteral("CJ24050210001")));
    q->btnZdthClick();
    EXPECT_EQ(WholeReturnDocNo, QStringLiteral("CJ24050210001")) << "taken from a detail line";
    EXPECT_FALSE(q->isVisible());
}

TEST_F(JthcxTest, PaymentOnlyWhereSomethingIsOwed)
{
    ASSERT_TRUE(q->Q_Jhd.Locate(QStringLiteral("djh"), QStringLiteral("CJ24050210001")));
    q->btnFkClick();
    EXPECT_EQ(prompt.LastMessage(), U8("该单据不需要付款！"));
    ASSERT_TRUE(q->Q_Jhd.Locate(QStringLiteral("djh"), QStringLiteral("CJ24050310001")));
    prompt.OnModal(QStringLiteral("TF_Yfkgl_Fk"), [](QDialog* d) {
        d->close(); // left with Esc
        return 0;
    });
    q->btnFkClick();
    EXPECT_EQ(prompt.ModalNames(), QStringList { QStringLiteral("TF_Yfkgl_Fk") });
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk_dj")), 0);
}

TEST_F(JthcxTest, CancelAllAndListPrints)
{
    PrintLog::Clear();
    q->btnPrinClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QLatin1String("jthcxdjb.fr3")));
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("jthcxdjb")).rows.size(), 3);
    q->rHzb->setChecked(true);
    q->btnPrinClick();
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("jthcxhzb")).rows.size(), 1);

    q->rDjb->setChecked(true);
    prompt.Answer(Prompt::Answer::Yes);
    q->btnUnChkAllClick();
    EXPECT_EQ(prompt.LastMessage(),
        U8("取消审核完成，共 3 个单据，\r\n\r\n取消审核 3 "
           "个单据，\r\n\r\n如果有未取消审核的单据，\r\n\r\n请单独取消审核！"));
    EXPECT_EQ(q->Q_Jhd.RecordCount(), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist")), 0);
}

} // namespace
