#include "cgjhtest.h"

#include "foundation/functionwindows.h"
#include "masterdata/pickers.h"
#include "masterdata/pickerscallers.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QAction>
#include <QDateEdit>
#include <QPushButton>

namespace {

using EntryTest = CgjhTest;

TEST_F(EntryTest, EachScanAddsALineOfOneWithItsColourAndSizeRow)
{
    EXPECT_EQ(No(), QStringLiteral("CJ24051010001"));
    Scan(QStringLiteral("G1RS"));
    Scan(QStringLiteral("G1RS"));
    EXPECT_EQ(Rows(QStringLiteral("select jh_sl,jh_dj,jh_taxdj,jh_zje,jh_tax,jh_dzl,tid=id,a_name from jxc_jhsp "
                                  "where gl_djh='CJ24051010001' order by id")),
        QStringList(2, QStringLiteral("1 10 10 10 0 1 1 admin")));
    EXPECT_EQ(Rows(QStringLiteral("select b.color_sn,b.cm_sn,b.t_sl from jxc_jhsp a,jxc_jhspmx b "
                                  "where b.tid=a.id and b.gl_djh=a.gl_djh order by b.id")),
        QStringList(2, QStringLiteral("R S 1")));
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 2);
    EXPECT_EQ(w->Q_Jhsp.AsString(QStringLiteral("dw_name")), U8("件"));
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("20"));
    EXPECT_EQ(w->tsfje->text(), QStringLiteral("20")) << "paid follows the payable";
    EXPECT_TRUE(w->btnDel->isVisibleTo(w.get()));
    EXPECT_TRUE(w->tSptm->text().isEmpty());
}

TEST_F(EntryTest, ScansThatAreRefused)
{
    Scan(QStringLiteral("NOSUCH"));
    EXPECT_EQ(prompt.LastMessage(), U8("没有找到与该条码匹配的商品，请检查！"));

    w->btnPanelAdd->setChecked(true);
    Scan(QStringLiteral("G1RS"));
    Scan(QStringLiteral("G1BM"));
    EXPECT_EQ(prompt.LastMessage(), U8("该商品已添加，不能重复添加，\r\n\r\n可以修改已添加商品的数量！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_jhsp")), 1);
    EXPECT_TRUE(w->tSptm->text().isEmpty());
}

TEST_F(EntryTest, ThePriceFollowsThePurchasePriceSetting)
{
    struct Case {
        const char* setting;
        const char* price;
    };
    Sql(QStringLiteral("update jxc_goods set g_scjj=8.5 where g_sn='G1'"));
    for (const Case& c : { Case { "0", "10" }, Case { "1", "8.5" }, Case { "2", "12.35" } }) {
        PurchasePriceDefault = QLatin1String(c.setting);
        Scan(QStringLiteral("G1RS"));
        EXPECT_EQ(Rows(QStringLiteral("select jh_dj,jh_taxdj,jh_je,jh_zje,jh_tax,jh_dzl from jxc_jhsp "
                                      "where id=(select max(id) from jxc_jhsp)")),
            QStringList { QStringLiteral("%1 %1 %1 %1 0 1").arg(QLatin1String(c.price)) })
            << c.setting;
    }
}

TEST_F(EntryTest, AScanUnderANumberThatAnotherOperatorHoldsMovesTheOperatorsLines)
{
    const QString first = No();
    Scan(QStringLiteral("G1RS"));
    Line(first, QStringLiteral("other"), 5, 0, 1, { 1 });
    Scan(QStringLiteral("G1BM"));
    EXPECT_EQ(No(), QStringLiteral("CJ24051010002"));
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_jhsp where a_name='admin' union all "
                                    "select gl_djh from jxc_jhspmx where a_name='admin'")),
        QStringList(4, No()));
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_jhsp where a_name='other'")), QStringList { first });
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 2) << "both of his lines show under the new number";
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("20")) << "the other operator's line is not his payable";
}

TEST_F(EntryTest, ADateChangeDrawsThatDaysNumberAndAFutureDateCanBeDeclined)
{
    Scan(QStringLiteral("G1RS"));
    w->dateCg->setDate(QDate(2024, 5, 8));
    EXPECT_EQ(No(), QStringLiteral("CJ24050810001"));
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_jhsp union all select gl_djh from jxc_jhspmx")),
        QStringList(2, No()));
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 1);

    prompt.Answer(Prompt::Answer::No);
    w->dateCg->setDate(QDate(2024, 5, 12));
    EXPECT_EQ(prompt.Questions().value(0),
        U8("您选择的日期：2024-05-12，\r\n\r\n大于计算机的当前日期：2024-05-10，\r\n\r\n确认继续吗？"));
    EXPECT_EQ(w->dateCg->date(), QDate(2024, 5, 8));
    EXPECT_EQ(No(), QStringLiteral("CJ24050810001"));
}

TEST_F(EntryTest, DeletingColourAndSizeRowsRecomputesTheLineAndDropsItWithItsLastRow)
{
    const qint64 line = Line(No(), QStringLiteral("admin"), 10, 17, 0.9, { 3, 2 });
    w->openGridViewData(No());
    ASSERT_TRUE(w->Q_Jhsp.Locate(QStringLiteral("t_sl"), 2));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    EXPECT_EQ(Rows(QStringLiteral("select jh_sl,jh_je,jh_taxje,jh_zje,jh_rksl from jxc_jhsp where id=%1").arg(line)),
        QStringList { QStringLiteral("3 27 4.59 31.59 3") });
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("31.59"));

    prompt.Answer(Prompt::Answer::No);
    w->btnDelClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_jhspmx")), 1) << "declined";

    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_jhsp")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_jhspmx")), 0);
    EXPECT_FALSE(w->btnDel->isVisibleTo(w.get()));
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("0"));
}

TEST_F(EntryTest, ClosingWithUnsavedLines)
{
    Scan(QStringLiteral("G1RS"));
    Line(No(), QStringLiteral("other"), 5, 0, 1, { 1 });

    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_FALSE(w->FormCloseQuery());
    EXPECT_EQ(Count(QStringLiteral("jxc_jhsp")), 2);
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 1);

    prompt.Answer(Prompt::Answer::No);
    EXPECT_TRUE(w->FormCloseQuery());
    EXPECT_EQ(prompt.Questions().value(1), U8("当前单据还未保存，是否保存？"));
    EXPECT_EQ(Column(QStringLiteral("select a_name from jxc_jhsp union all select a_name from jxc_jhspmx")),
        QStringList(2, QStringLiteral("other")));
}

TEST_F(EntryTest, ANewDocumentTakesTheDefaultsAndTheOperatorsLeftLines)
{
    Scan(QStringLiteral("G1RS"));
    w->tnote->setText(U8("备注"));
    w->Activate();
    EXPECT_EQ(No(), QStringLiteral("CJ24051010001"));
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 1) << "his lines under the number reappear";
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("10"));
    EXPECT_TRUE(w->tnote->text().isEmpty());
    EXPECT_EQ(CurrentSupplierSn, Scalar(QStringLiteral("select ghs_sn from jxc_ghsxx order by id limit 1")));
    EXPECT_EQ(ActiveDocKind, QStringLiteral("cgjh"));
}

TEST_F(EntryTest, ChoosingASupplierFromThePanel)
{
    w->btnSeleGhsClick();
    EXPECT_TRUE(w->RzPanelGhs->isVisibleTo(w.get()));
    w->RzPanelGhs->tkey->setText(U8("供应一"));
    ASSERT_EQ(w->RzPanelGhs->cxGridGhsView->RowCount(), 1);
    w->FormKeyDown(Qt::Key_F5);
    EXPECT_EQ(w->tghs->text(), U8("供应一"));
    EXPECT_EQ(CurrentSupplierSn, QStringLiteral("S1"));
    EXPECT_FALSE(w->RzPanelGhs->isVisibleTo(w.get()));

    // A list filtered to nothing chooses nobody, and the document cannot be saved.
    w->tghs->setText(QStringLiteral("zzz"));
    w->tghsKeyUp();
    EXPECT_EQ(w->RzPanelGhs->cxGridGhsView->RowCount(), 0);
    w->RzPanelGhs->btnGhsOKClick();
    EXPECT_TRUE(w->tghs->text().isEmpty());
    EXPECT_TRUE(CurrentSupplierSn.isEmpty());
    Scan(QStringLiteral("G1RS"));
    w->cxPage->setCurrentWidget(w->cxTab2);
    w->FormKeyDown(Qt::Key_F5);
    EXPECT_EQ(prompt.LastMessage(), U8("请选择供货商！")) << "F5 on the pending tab saves the entry document";
}

TEST_F(EntryTest, TheHandlerAndRemarkPickersAnswerIntoThisWindow)
{
    FunctionWindows::Register<TF_User2>(QStringLiteral("TF_User2"));
    FunctionWindows::Register<TF_Djbz>(QStringLiteral("TF_Djbz"));
    EXPECT_EQ(PickerCallers::HandlerCombo(QStringLiteral("jh")), w->comUser);
    EXPECT_EQ(PickerCallers::RemarkEdit(QStringLiteral("jh")), w->tnote);
    QString during;
    prompt.OnModal(QStringLiteral("TF_User2"), [&](QDialog*) {
        during = PickerCaller;
        return 0;
    });
    w->btnUserClick();
    EXPECT_EQ(during, QStringLiteral("jh"));
    EXPECT_TRUE(PickerCaller.isEmpty());
    prompt.OnModal(QStringLiteral("TF_Djbz"), [&](QDialog*) {
        during = PickerCaller + QStringLiteral("/remark");
        return 0;
    });
    w->btnDjbzClick();
    EXPECT_EQ(during, QStringLiteral("jh/remark"));
    FunctionWindows::Unregister(QStringLiteral("TF_User2"));
    FunctionWindows::Unregister(QStringLiteral("TF_Djbz"));
}

} // namespace
