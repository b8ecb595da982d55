#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "reports/fhdzd.h"
#include "reports/rktj.h"
#include "reports/ywyxstj.h"
#include "statsfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

class StatsWindowTest : public StatsTest {
protected:
    void TearDown() override
    {
        LoadSystemSettings();
        StatsTest::TearDown();
    }
    static bool Shown(const DataGrid& g, const char* field)
    {
        return g.ColumnVisible(g.ColumnByField(QString::fromLatin1(field)));
    }
    // The document numbers a grid shows, sorted.
    static QStringList Numbers(const DataGrid& g, const char* field = "gl_djh")
    {
        QStringList n;
        for (int r = 0; r < g.RowCount(); ++r)
            n << g.Value(r, QString::fromLatin1(field)).toString();
        n.sort();
        return n;
    }
    // The partner as the panel leaves it after a confirmation.
    static void Pick(LedgerStatsWindow& w, const QString& key, const QString& name)
    {
        w.PickedPartner() = key;
        w.tGhsName->setText(name);
        w.btnSearch2Click();
    }
};

TEST_F(StatsWindowTest, StatementPricesFollowTheRights)
{
    struct Case {
        bool cost, sale;
        bool deliveryPrices, receivingPrices;
    } cases[] = { { true, true, true, true }, { false, true, false, false }, { true, false, false, true } };
    for (const Case& c : cases) {
        ShowCostPrice = c.cost;
        ShowSalePrice = c.sale;
        TF_Fhdzd delivery;
        delivery.Activate();
        TF_Shdzd receiving;
        receiving.Activate();
        EXPECT_EQ(Shown(*delivery.cxGrid1View, "gl_zje"), c.deliveryPrices);
        EXPECT_EQ(delivery.btn_Prin->isEnabled(), c.deliveryPrices);
        EXPECT_EQ(Shown(*receiving.cxGrid1View, "gl_dj"), c.receivingPrices);
        EXPECT_EQ(receiving.btn_Prin->isEnabled(), c.receivingPrices);
    }
}

TEST_F(StatsWindowTest, StatementPrintNamesThePartner)
{
    ExecSQL(S("update jxc_khxx set kh_lxr='王五',kh_tele='123',kh_address='北街' where kh_sn='K1'"));
    Ledger({ "xs", "XS1", "2024-03-02 09:00", "T1", "K1", 1, 10 });
    Ledger({ "ly", "LY1", "2024-03-05 09:00", "T1", "01", 2, 4 });
    TF_Fhdzd w;
    w.Activate();
    const auto printed = [&w](const char* name) {
        w.btn_PrinClick();
        return PrintLog::Last() ? PrintLog::Last()->variables.value(QString::fromLatin1(name)) : S("<none>");
    };
    EXPECT_EQ(printed("khName"), S("所有客户"));
    EXPECT_EQ(printed("title"), QString());

    Pick(w, QStringLiteral("d01"), S("门店部"));
    EXPECT_EQ(Numbers(*w.cxGrid1View), QStringList { "LY1" });
    EXPECT_EQ(printed("khName"), S("门店部"));
    EXPECT_EQ(printed("title"), S("门店部"));
    EXPECT_EQ(printed("khTele"), QString());

    Pick(w, QStringLiteral("K1"), S("甲服饰"));
    EXPECT_EQ(printed("khLxr"), S("王五"));
    EXPECT_EQ(printed("khAddress"), S("北街"));
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("fhdzd")).rows.size(), 1);

    // The data filter narrows the loaded rows; another kind shows nothing.
    w.FilterItemClick(3);
    EXPECT_EQ(w.cxGrid1View->RowCount(), 0);
    w.FilterItemClick(1);
    EXPECT_EQ(w.cxGrid1View->RowCount(), 1);
}

TEST_F(StatsWindowTest, StatementViewsRequisitionsOnItsOwnForm)
{
    Ledger({ "ly", "LY1", "2024-03-05 09:00", "T1", "01", 2, 4 });
    Ledger({ "xs", "XS1", "2024-03-02 09:00", "T1", "K1", 1, 10 });
    TF_Fhdzd w;
    w.Activate();
    const auto viewed = [&w](const char* number) {
        PrintLog::Clear();
        for (int r = 0; r < w.cxGrid1View->RowCount(); ++r)
            if (w.cxGrid1View->Value(r, QStringLiteral("gl_djh")).toString() == QLatin1String(number))
                w.cxGrid1View->SetCurrentRow(r);
        w.btn_ChaKanClick();
        return PrintLog::Last() ? PrintLog::Last()->templateFile : QString();
    };
    // The statement keeps its own requisition form whatever the settings name.
    DeptIssueTemplate = QStringLiteral("lyqt.fr3");
    ASSERT_FALSE(SalesDocTemplate.isEmpty());
    EXPECT_TRUE(viewed("LY1").endsWith(QStringLiteral("report/bmlyd.fr3")));
    EXPECT_TRUE(viewed("XS1").endsWith(QStringLiteral("report/") + SalesDocTemplate));
}

TEST_F(StatsWindowTest, GoodsOutHandlerComboAndActivationReset)
{
    fixture::AddStaff(QStringLiteral("U1"), S("业务甲"));
    Ledger({ "xs", "XS1", "2024-03-02 09:00", "T1", "K1", 1, 10, "业务甲" });
    Ledger({ "xs", "XS2", "2024-03-02 09:00", "T1", "K1", 1, 10, "业务乙" });
    Ledger({ "ly", "LY1", "2024-03-05 09:00", "T1", "01", 2, 4, nullptr });
    TF_Cktj w;
    w.Activate();
    ASSERT_EQ(w.comUser->currentText(), S("所有经办人"));
    EXPECT_EQ(w.tsplb->text(), S("所有类别"));
    EXPECT_EQ(Numbers(*w.cxGrid1View), (QStringList { "LY1", "XS1", "XS2" }));
    w.comUser->setCurrentIndex(w.comUser->findText(S("业务甲")));
    w.btnSearch2Click();
    EXPECT_EQ(Numbers(*w.cxGrid1View), QStringList { "XS1" });
    Pick(w, QStringLiteral("d01"), S("门店部"));
    w.Activate();
    EXPECT_TRUE(CurrentCustomerSn.isEmpty());
    EXPECT_EQ(Numbers(*w.cxGrid1View), (QStringList { "LY1", "XS1", "XS2" }));
}

class SalesmanWindowTest : public StatsWindowTest {
protected:
    void SetUp() override
    {
        StatsWindowTest::SetUp();
        fixture::AddStaff(QStringLiteral("U1"), S("业务甲"));
        fixture::AddStaff(QStringLiteral("U2"), S("业务乙"));
        ExecSQL(S("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,ls_yhje,ls_hkje,u_sn,ls_status) "
                  "values ('XS1','K1','100001','2024-03-05 10:00',100,100,0,0,'U1',1)"));
        ExecSQL(S("insert into jxc_xsthd (gl_djh,kh_sn,ck_sn,th_xsrq,th_yfje,th_sfje,th_hkje,u_sn,th_status) "
                  "values ('XT1','K1','100001','2024-03-06 10:00',-30,-30,0,'U2',1)"));
        Ledger({ "xs", "XS1", "2024-03-05 10:00", "T1", "K1", 2, 50, "业务甲" });
        Ledger({ "xt", "XT1", "2024-03-06 10:00", "T1", "K1", -1, 30, "业务乙" });
    }
    // Confirms the filter dialog with the kind at index (0 所有单据, 1 销售单, 2 退货单).
    void FilterKind(TF_Ywyxstj& w, int kind)
    {
        prompt.OnModal(QStringLiteral("TF_Ywyxstj_Cx"), [kind](QDialog* d) {
            auto* dialog = static_cast<TF_Ywyxstj_Cx*>(d);
            dialog->comDj->setCurrentIndex(kind);
            dialog->btnOKClick();
            return dialog->result();
        });
        w.btn_Search1Click();
    }
};

TEST_F(SalesmanWindowTest, FilterDialogKindNarrowsTheDocuments)
{
    TF_Ywyxstj w;
    w.Activate();
    EXPECT_EQ(Numbers(*w.cxGrid1View, "djh"), (QStringList { "XS1", "XT1" }));
    FilterKind(w, 2);
    EXPECT_EQ(w.kindFilter, S("退货单"));
    EXPECT_EQ(Numbers(*w.cxGrid1View, "djh"), QStringList { "XT1" });
    FilterKind(w, 0);
    EXPECT_EQ(Numbers(*w.cxGrid1View, "djh"), (QStringList { "XS1", "XT1" }));
}

TEST_F(SalesmanWindowTest, GoodsSummaryOfAllStaffListsEverySalesmansRows)
{
    TF_Ywyxstj w;
    w.Activate();
    w.cxPage2->setCurrentWidget(w.cxTab22);
    ASSERT_EQ(w.cxGrid3View->RowCount(), 2); // T1 by each salesman
    for (int row : { 0, 1 }) {
        w.cxGrid3View->SetCurrentRow(row);
        w.GoodsRowChanged();
        EXPECT_EQ(Numbers(*w.cxGrid4View), (QStringList { "XS1", "XT1" }));
    }
    w.comUser->setCurrentIndex(w.comUser->findText(S("业务甲")));
    w.btnSearch1Click();
    ASSERT_EQ(w.cxGrid3View->RowCount(), 1);
    EXPECT_EQ(Numbers(*w.cxGrid4View), QStringList { "XS1" });
}

TEST_F(SalesmanWindowTest, BoundOperatorChoosesAmongHisWarehousesOnly)
{
    fixture::AddWarehouse(QStringLiteral("C2"), S("二号仓"));
    fixture::AddWarehouse(QStringLiteral("C3"), S("三号仓"));
    ExecSQL(S("update jxc_ckxx set ck_asn='A9,A7' where ck_sn='C3'"));
    BindOperatorWarehouse = QStringLiteral("1");
    const QString role = CurrentRoleSn;
    const QString admin = CurrentAdminSn;
    CurrentRoleSn = QStringLiteral("200001");
    CurrentAdminSn = QStringLiteral("A9");
    TF_Ywyxstj_Cx dialog;
    dialog.Activate();
    EXPECT_EQ(dialog.comCk->count(), 1);
    EXPECT_EQ(dialog.comCk->currentText(), S("三号仓"));
    EXPECT_EQ(dialog.WarehouseText(), S("三号仓"));
    CurrentRoleSn = role;
    CurrentAdminSn = admin;
}

TEST_F(SalesmanWindowTest, CommissionTabShowsTheOperatorsSummary)
{
    ExecSQL(S("update jxc_user set u_tcfs=1,u_tc=10,u_zdlr=0 where u_sn='U1'"));
    ExecSQL(S("update jxc_goods set g_tclb=0"));
    TF_Ywyxstj w;
    w.Activate();
    w.cxPage->setCurrentWidget(w.cxTab2);
    ASSERT_EQ(w.cxGrid6View->RowCount(), 1);
    EXPECT_EQ(w.cxGrid6View->Value(0, QStringLiteral("hz_flag")).toString(), QStringLiteral("2001"));
    EXPECT_DOUBLE_EQ(ValueNumber(w.cxGrid6View->Value(0, QStringLiteral("hz_ckzje"))), 10);
    w.rLr->setChecked(true);
    EXPECT_EQ(Numbers(*w.cxGrid7View), QStringList { "XS1" });
}

} // namespace
