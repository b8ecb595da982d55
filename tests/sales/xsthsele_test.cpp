#include "xsthtest.h"

#include "foundation/datamodule.h"
#include "platform/grid/matrixgrid.h"
#include "sales/xsthsele.h"

#include <QPushButton>

namespace {

// The return line dialog over the return window on goods G1 (column 1 小码, row 1 红).
class XsthSeleTest : public XsthTest {
protected:
    void TearDown() override
    {
        d.reset();
        XsthTest::TearDown();
    }
    TF_Xsth_Sele& Open(const QString& mode, const QString& kind = QStringLiteral("xsth"))
    {
        d.reset();
        OpenMode = mode;
        SelectedSn = QStringLiteral("G1");
        ActiveDocKind = kind;
        d = std::make_unique<TF_Xsth_Sele>();
        d->Activate();
        return *d;
    }
    void Type(int col, int row, const QString& text) { d->StringGridIn->CommitEdit(col, row, text); }
    std::unique_ptr<TF_Xsth_Sele> d;
};

TEST_F(XsthSeleTest, APickedLineIsPricedWithTaxAndDiscount)
{
    ChooseK1();
    Open(QStringLiteral("xsth_add"));
    d->tgsj->setText(QStringLiteral("10"));
    d->tgsjPropertiesChange();
    d->ttax->setText(QStringLiteral("17"));
    d->ttaxPropertiesChange();
    d->tdzl->setText(QStringLiteral("0.9"));
    d->tdzlPropertiesChange();
    // Three pieces while the stock shows one: a return is never checked against stock.
    Type(1, 1, QStringLiteral("3"));
    d->btnOKClick();
    EXPECT_TRUE(prompt.Messages().isEmpty()) << prompt.LastMessage().toStdString();
    EXPECT_EQ(Rows(QStringLiteral("select ts_dj,ts_taxdj,ts_sl,ts_zje,ts_je,ts_taxje,a_name from jxc_tempspxf")),
        QStringList { QStringLiteral("10 11.7 3 31.59 27 4.59 admin") });
    EXPECT_EQ(Rows(QStringLiteral("select color_sn,cm_sn,t_sl from jxc_tempspxfmx")),
        QStringList { QStringLiteral("R S 3") });
}

TEST_F(XsthSeleTest, BadRateAndEmptyGridAreRefused)
{
    struct Case {
        const char* rate;
        const char* qty;
        const char* message;
    };
    const Case cases[] = { { "1.5", "1", "打折率错误，重新输入！" }, { "0", "1", "打折率错误，重新输入！" },
        { "1", "", "数量必须大于0，重新输入！" } };
    for (const Case& c : cases) {
        Open(QStringLiteral("xsth_add"));
        d->tdzl->setText(QLatin1String(c.rate));
        if (*c.qty)
            Type(1, 1, QLatin1String(c.qty));
        prompt.Clear();
        d->btnOKClick();
        EXPECT_EQ(prompt.Messages(), QStringList { QString::fromUtf8(c.message) }) << c.rate;
        EXPECT_EQ(Count(QStringLiteral("jxc_tempspxf")), 0);
    }
}

TEST_F(XsthSeleTest, ChangingADraftLineRewritesItAndItsRows)
{
    ChooseK1();
    DraftLine(2, 50);
    Open(QStringLiteral("xsth"));
    EXPECT_EQ(d->tsl->text(), QStringLiteral("2"));
    Type(1, 1, QStringLiteral("1"));
    Type(2, 2, QStringLiteral("4"));
    d->btnOKClick();
    EXPECT_EQ(
        Rows(QStringLiteral("select th_sl,th_zje,th_cbj from jxc_xsthsp")), QStringList { QStringLiteral("5 250 40") });
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthspmx")), 2);
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("250"));
}

TEST_F(XsthSeleTest, ChangingAPendingLineUpdatesTheStoredAmounts)
{
    ChooseK1();
    DraftLine(2, 50);
    const QString number = No();
    Save();
    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->SelectedPendingNo(), number);
    Open(QStringLiteral("xsth_modish"), QStringLiteral("xsthsh"));
    Type(1, 1, QStringLiteral("3"));
    d->btnOKClick();
    EXPECT_EQ(
        Rows(QStringLiteral("select th_yfje,th_sfje from jxc_xsthd")), QStringList { QStringLiteral("-150 -150") });
}

} // namespace
