#include "goodsfixture.h"

#include "foundation/globals.h"
#include "masterdata/colorsizeside.h"
#include "masterdata/tmgl.h"
#include "masterdata/tmgldialogs.h"
#include "masterdata/tmglops.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/matrixgrid.h"
#include "platform/report/report.h"
#include "platform/report/reportdesigner.h"
#include "platform/report/reportpreview.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <memory>

namespace {

// Goods G1 (barcode "A", colours 红 "C1" and 蓝 "C2", sizes S "S1" and M "S2") and
// G2 with the same groups; both on rule 1.
class TmglTest : public GoodsTest {
protected:
    void SetUp() override
    {
        GoodsTest::SetUp();
        for (const char* t :
            { "delete from jxc_color where color_sn<>'100001'", "delete from jxc_cm where cm_sn<>'100001'" })
            ExecSQL(t);
        red = ColorSizeRules::AddItem(ColourSide(), "红", "C1");
        blue = ColorSizeRules::AddItem(ColourSide(), "蓝", "C2");
        small = ColorSizeRules::AddItem(SizeSide(), "S", "S1");
        medium = ColorSizeRules::AddItem(SizeSide(), "M", "S2");
        colourGroup = ColorSizeRules::AddGroup(ColourSide(), "色组");
        ColorSizeRules::AddMembers(ColourSide(), colourGroup, { red, blue });
        sizeGroup = ColorSizeRules::AddGroup(SizeSide(), "码组");
        ColorSizeRules::AddMembers(SizeSide(), sizeGroup, { small, medium });
        AddGoods("G1", "1000", 0, false, "衬衫");
        AddGoods("G2", "1000", 0, false, "长裤");
        ExecSQL(QStringLiteral(
            "update jxc_goods set colorz_sn='%1',cmz_sn='%2',g_tmtype=1,g_sptm='A' where g_sn in ('G1','G2')")
                    .arg(colourGroup, sizeGroup));
        ExecSQL("update jxc_goods set g_sptm='B' where g_sn='G2'");
    }
    void TearDown() override
    {
        window.reset();
        SelectedSn.clear();
        GoodsTest::TearDown();
    }
    void OpenWindow()
    {
        window = std::make_unique<TF_Tmgl>();
        window->Activate();
    }
    void Regenerate()
    {
        Query goods(&dm->ADOConn);
        goods.SetSQL("select * from jxc_goods order by g_sn");
        goods.Open();
        RegenerateBarcodes(goods);
    }
    QStringList Barcodes(const QString& goods)
    {
        return Column("select tm_tm from jxc_tm where g_sn='" + goods + "' order by id");
    }
    void Focus(DataGrid* g, const QString& field, const QString& value)
    {
        for (int r = 0; r < g->RowCount(); ++r)
            if (g->Value(r, field).toString() == value)
                g->SetCurrentRow(r);
    }
    QString red, blue, small, medium, colourGroup, sizeGroup;
    std::unique_ptr<TF_Tmgl> window;
};

TEST_F(TmglTest, RulesComposeInTheirOrder)
{
    EXPECT_EQ(ComposeBarcode("A", "C", "S", 1), "ACS");
    EXPECT_EQ(ComposeBarcode("A", "C", "S", 2), "ASC");
}

TEST_F(TmglTest, SettingsUnchangedKeepTheBarcodesAndAClearedBarcodeDeletesThem)
{
    // Stored segments whose sorted order differs from the colours' order.
    ExecSQL("update jxc_color set color_tm='Z9' where color_sn='" + red + "'");
    Regenerate();
    ExecSQL("update jxc_color set color_tm='00' where color_sn='" + red + "'");
    const QStringList before = Barcodes("G1");
    ASSERT_EQ(before, (QStringList { "AZ9S1", "AZ9S2", "AC2S1", "AC2S2" }));
    OpenWindow();
    Focus(window->gridGoods, "g_sn", "G1");

    auto set = [&](const QString& barcode) {
        prompt.OnModal("TF_Tmgl_Set", [barcode](QDialog* d) {
            auto* s = static_cast<TF_Tmgl_Set*>(d);
            EXPECT_EQ(s->StringGridColor->Cell(0, 1), "Z9");
            EXPECT_EQ(s->StringGridColor->Cell(1, 1), "C2");
            if (!barcode.isNull())
                s->tsptm->setText(barcode);
            s->btnOKClick();
            return int(QDialog::Accepted);
        });
        window->btnSetClick();
    };
    set(QString());
    EXPECT_EQ(Barcodes("G1"), before);

    set("AB-12");
    EXPECT_EQ(Scalar("select g_sptm from jxc_goods where g_sn='G1'"), "AB-12");
    EXPECT_EQ(Barcodes("G1").first(), "AB-12Z9S1");
    TF_Tmgl_Cs test;
    test.Activate();
    test.tkey->setText("AB-12C2S2");
    test.btnOKClick();
    EXPECT_EQ(test.lcolor->text(), "蓝");
    EXPECT_EQ(test.lcm->text(), "M");
    test.tkey->setText("NOPE");
    test.btnOKClick();
    EXPECT_EQ(prompt.Messages(), QStringList { "商品不存在！" });
    EXPECT_EQ(test.lsn->text(), "G1");

    prompt.OnModal("TF_Tmgl_Set", [](QDialog* d) {
        auto* s = static_cast<TF_Tmgl_Set*>(d);
        s->tsptm->setText("  ");
        s->btnOKClick();
        return int(QDialog::Accepted);
    });
    window->btnSetClick();
    EXPECT_TRUE(Barcodes("G1").isEmpty());
    EXPECT_EQ(Scalar("select g_sptm from jxc_goods where g_sn='G1'"), "");
}

TEST_F(TmglTest, UnknownRuleOpensOnTheFirstRule)
{
    ExecSQL("update jxc_goods set g_tmtype=0 where g_sn='G1'");
    OpenWindow();
    Focus(window->gridGoods, "g_sn", "G1");
    prompt.OnModal("TF_Tmgl_Set", [](QDialog* d) {
        auto* s = static_cast<TF_Tmgl_Set*>(d);
        EXPECT_EQ(s->comTmtype->currentIndex(), 0);
        s->btnOKClick();
        return int(QDialog::Accepted);
    });
    window->btnSetClick();
    EXPECT_EQ(Barcodes("G1"), (QStringList { "AC1S1", "AC1S2", "AC2S1", "AC2S2" }));
}

TEST_F(TmglTest, RegenerationCoversTheFoundGoodsOnly)
{
    AddGoods("G3", "1000", 0, false, "无码");
    ExecSQL(
        "update jxc_goods set colorz_sn='" + colourGroup + "',cmz_sn='" + sizeGroup + "',g_tmtype=1 where g_sn='G3'");
    ExecSQL("insert into jxc_tm (g_sn,tm_tm) values ('G3','OLD')");
    OpenWindow();
    window->tkey->setText("衬衫");
    window->btnSearchClick();
    prompt.Answer(Prompt::Answer::Yes);
    window->btnMakeClick();
    EXPECT_EQ(Barcodes("G1").size(), 4);
    EXPECT_TRUE(Barcodes("G2").isEmpty());
    EXPECT_EQ(window->gridTm->RowCount(), 4);

    window->tkey->clear();
    window->btnSearchClick();
    prompt.Answer(Prompt::Answer::Yes);
    window->btnMakeClick();
    EXPECT_EQ(Barcodes("G2").size(), 4);
    EXPECT_EQ(Barcodes("G3"), QStringList { "OLD" });
}

TEST_F(TmglTest, LabelListQuantitiesAndPrint)
{
    Regenerate();
    ExecSQL("update jxc_goods set g_jy=1 where g_sn='G2'");
    OpenWindow();
    EXPECT_EQ(Count("jxc_tm", "tm_dy<>0"), 0);
    EXPECT_EQ(window->gridGoods->RowCount(), 1); // the disabled goods is left out here
    window->pages->setCurrentIndex(1);
    EXPECT_EQ(window->gridLabels->RowCount(), 8); // but listed for labels

    window->gridLabels->clearSelection();
    window->btnModiSlClick();
    EXPECT_EQ(prompt.LastMessage(), "请选择商品！");

    auto setQty = [&](const QList<int>& rows, const QString& qty) {
        window->gridLabels->clearSelection();
        for (int r : rows)
            window->gridLabels->selectRow(r);
        prompt.OnModal("TF_Tmgl_Add", [qty](QDialog* d) {
            auto* a = static_cast<TF_Tmgl_Add*>(d);
            a->tsl->setText(qty);
            a->btnOKClick();
            return int(QDialog::Accepted);
        });
        window->btnModiSlClick();
    };
    setQty({ 0 }, "3");
    setQty({ 1, 2 }, "0");
    ExecSQL("update jxc_tm set tm_dy=-1 where tm_tm='" + window->gridLabels->Value(3, "tm_tm").toString() + "'");
    window->btnSearch2Click();
    EXPECT_EQ(Count("jxc_tm", "tm_dy=3"), 1);

    const QString source = QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/report/txm.fr3");
    QDir().mkpath(Folder() + "report");
    ASSERT_TRUE(QFile::copy(source, Folder() + "report/txm.fr3"));
    QStringList printed;
    prompt.OnModal("ReportPreview", [&](QDialog* d) {
        Query* q = static_cast<ReportPreview*>(d)->GetReport()->Dataset("frxDBDataset1");
        for (q->First(); !q->Eof(); q->Next())
            printed << q->AsString("tm_code") + "/" + q->AsString("color_name");
        EXPECT_GT(static_cast<ReportPreview*>(d)->GetReport()->PageCount(), 0);
        return 0;
    });
    // Every row selected: 3 labels for the one row set to 3, none for 0 and -1.
    const QString three = Scalar("select tm_tm from jxc_tm where tm_dy=3");
    const QString colour
        = Scalar("select b.color_name from jxc_tm a,jxc_color b where a.color_sn=b.color_sn and a.tm_dy=3");
    window->gridLabels->selectAll();
    window->miPrintSelectedClick();
    EXPECT_EQ(printed, (QStringList { three + "/" + colour, three + "/" + colour, three + "/" + colour }));
    EXPECT_EQ(Count("jxc_txm"), 3);
}

}

TEST_F(TmglTest, PrintSettingsOpensTheLabelTemplateInTheDesignerWhenGoodsAreListed)
{
    OpenWindow();
    ASSERT_GT(window->gridGoods->RowCount(), 0);
    QString opened;
    prompt.OnModal("ReportDesigner", [&](QDialog* d) {
        opened = static_cast<ReportDesigner*>(d)->FileName();
        return 0;
    });
    window->btnDesignClick();
    EXPECT_TRUE(opened.endsWith("report/txm.fr3"));

    // With no goods listed it does nothing (an unscripted modal would fail the test).
    window->tkey->setText("没有这种商品");
    window->btnSearchClick();
    ASSERT_EQ(window->gridGoods->RowCount(), 0);
    window->btnDesignClick();
    EXPECT_TRUE(prompt.AllAnswersUsed());
}
