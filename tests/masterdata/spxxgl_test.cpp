#include "goodsfixture.h"

#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/goodsform.h"
#include "masterdata/registration.h"
#include "masterdata/spxxgl.h"
#include "masterdata/spxxgladd.h"
#include "masterdata/spxxgldialogs.h"
#include "masterdata/spxxglmodi.h"
#include "masterdata/spxxglmove.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/report/report.h"
#include "platform/report/reportpreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

namespace {

// Categories 1001 > 1001100 and 1100 > 1100100 (whose code contains "1001").
class GoodsListTest : public GoodsTest {
protected:
    void SetUp() override
    {
        GoodsTest::SetUp();
        AddClass("上装", 3, 1, "1001");
        AddClass("衬衫类", 4, 3, "1001100");
        AddClass("下装", 5, 1, "1100");
        AddClass("长裤类", 6, 5, "1100100");
        AddGoods("A1", "1001", 5, false, "圆领T恤");
        AddGoods("A2", "1001100", 7, false, "白衬衫");
        AddGoods("A3", "1001", 100, true, "旧款T恤");
        AddGoods("B1", "1100100", 11, false, "蓝衬衫");
        AddGoods("B2", "1100", 2, false, "短裤");
        LoadSystemSettings();
        list = std::make_unique<TF_Spxxgl>();
        F_Spxxgl = list.get();
    }
    void TearDown() override
    {
        list.reset();
        delete F_Spxxgl_Add;
        EnterStartsSearch.clear();
        GoodsTest::TearDown();
    }
    void Open(bool statementMode)
    {
        EnterStartsSearch = statementMode ? "True" : "False";
        list->Activate();
    }
    DataGrid& Grid() { return *list->cxGridView; }
    QStringList Codes()
    {
        QStringList codes;
        for (int r = 0; r < Grid().RowCount(); ++r)
            codes << Grid().Value(r, "g_sn").toString();
        return codes;
    }
    int RowOf(const QString& code)
    {
        const int r = Codes().indexOf(code);
        EXPECT_GE(r, 0) << code.toStdString();
        return r;
    }
    void Focus(const QString& code) { Grid().SetCurrentRow(RowOf(code)); }
    void Select(const QStringList& codes)
    {
        Grid().clearSelection();
        for (const QString& c : codes) {
            const int r = RowOf(c);
            Grid().SetCurrentRow(r);
            Grid().selectionModel()->select(
                Grid().model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    void ClickClass(int key)
    {
        ASSERT_TRUE(list->classTree->tree->SelectKey(key));
        emit list->classTree->classClicked(list->classTree->CurrentCode());
    }
    double StockTotal() { return Grid().FooterText(Grid().ColumnByField("g_kc")).remove(',').toDouble(); }
    // The goods codes that the next price-label or list print shows, read from its
    // preview, with the delivered template.
    void CapturePrint(const QString& template_, const QString& dataset)
    {
        const QString source
            = QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/report/" + template_);
        QDir().mkpath(Folder() + "report");
        QFile::remove(Folder() + "report/" + template_);
        ASSERT_TRUE(QFile::copy(source, Folder() + "report/" + template_));
        printed.clear();
        prompt.OnModal("ReportPreview", [this, dataset](QDialog* d) {
            Report* r = static_cast<ReportPreview*>(d)->GetReport();
            for (const PreparedPage& p : r->Pages().pages)
                for (const PreparedItem& i : p.items)
                    if (!i.text.isEmpty() && Count("jxc_goods", "g_sn='" + i.text + "'") > 0)
                        printed << i.text;
            lastDataset = r->Dataset(dataset);
            lastClass = r->Variable("goodsclass").toString();
            return 0;
        });
    }
    QStringList printed;
    std::unique_ptr<TF_Spxxgl> list;
    Query* lastDataset = nullptr;
    QString lastClass;
};

TEST_F(GoodsListTest, FilterModeNarrowsByCategoryAndTextInTheGrid)
{
    Open(false);
    EXPECT_EQ(Codes(), (QStringList { "A1", "A2", "B1", "B2" }));
    EXPECT_EQ(Grid().FooterText(Grid().ColumnByField("g_name")), "4");
    EXPECT_DOUBLE_EQ(StockTotal(), 25);
    ClickClass(3);
    EXPECT_EQ(Codes(), (QStringList { "A1", "A2" }));
    EXPECT_DOUBLE_EQ(StockTotal(), 12);
    // The text replaces the category in the grid; the total keeps both.
    list->tkey->setText("衬衫");
    EXPECT_EQ(Codes(), (QStringList { "A2", "B1" }));
    EXPECT_DOUBLE_EQ(StockTotal(), 7);
}

TEST_F(GoodsListTest, StatementModeSearchesEveryCategoryAndTotalsTheSelectedOne)
{
    Open(true);
    ClickClass(3);
    EXPECT_EQ(Codes(), (QStringList { "A1", "A2" }));
    list->tkey->setText("衬衫");
    EXPECT_EQ(Codes(), (QStringList { "A1", "A2" })) << "typing alone does not search";
    list->hcjSx();
    EXPECT_EQ(Codes(), (QStringList { "A2", "B1" }));
    EXPECT_DOUBLE_EQ(StockTotal(), 12);
    // A pasted quote is searched as text.
    list->tkey->setText("蓝'");
    list->hcjSx();
    EXPECT_TRUE(Codes().isEmpty());
}

TEST_F(GoodsListTest, ShowCategoryGoodsMatchesTheCodeAnywhere)
{
    Open(false);
    Focus("A1");
    list->miShowClassGoodsClick();
    EXPECT_EQ(Codes(), (QStringList { "A1", "A2", "B1" }));
}

TEST_F(GoodsListTest, SortingRequeriesAndRemovingItRestoresCodeOrder)
{
    Open(false);
    const int nameCol = Grid().ColumnByField("g_name");
    Grid().SortByColumn(nameCol, Qt::DescendingOrder);
    EXPECT_TRUE(list->Q_Goods.SQL().endsWith("order by g_name desc"));
    EXPECT_EQ(Codes().size(), 4);
    EXPECT_NE(Codes(), (QStringList { "A1", "A2", "B1", "B2" }));
    Grid().ClearSort();
    EXPECT_TRUE(list->Q_Goods.Active());
    EXPECT_EQ(Codes(), (QStringList { "A1", "A2", "B1", "B2" }));
}

TEST_F(GoodsListTest, BulkDisableTogglesAndKeepsTheBuiltInDisabled)
{
    Open(false);
    list->chkDisp->setChecked(true);
    Select({ "A1", "A3", "00000000" });
    prompt.Answer(Prompt::Answer::Yes);
    list->miBulkDisableClick();
    EXPECT_EQ(Column("select g_sn from jxc_goods where g_jy=1 order by g_sn"), (QStringList { "00000000", "A1" }));
}

TEST_F(GoodsListTest, DisableKeepsTheGoodsInView)
{
    Open(false);
    Focus("B2");
    list->PrepareGoodsMenu();
    EXPECT_FALSE(list->miDisable->isChecked());
    list->miDisable->setChecked(true);
    list->miDisableClick();
    EXPECT_TRUE(list->chkDisp->isChecked());
    EXPECT_TRUE(Codes().contains("B2"));
    EXPECT_EQ(Count("jxc_goods", "g_sn='B2' and g_jy=1"), 1);
}

TEST_F(GoodsListTest, PresetCostReportsTheSelectedCount)
{
    Open(false);
    Select({ "A1", "A2", "B1" });
    prompt.Answer(Prompt::Answer::Yes);
    list->miPresetCostClick();
    EXPECT_EQ(prompt.LastMessage(), "成功设置：3  个商品预设进价作为销售成本价。");
    EXPECT_EQ(Column("select g_sn from jxc_goods where g_gdcbj=1 order by g_sn"), (QStringList { "A1", "A2", "B1" }));
}

TEST_F(GoodsListTest, LabelsOfAllGoodsTakeTheCategorysOwnOrTheTextMatches)
{
    CompanyShortName = "小店";
    Open(false);
    ClickClass(3);
    CapturePrint("goodsprice.fr3", "frxDBDataset1");
    list->miPrintAllLabelsClick();
    EXPECT_EQ(printed, QStringList { "A1" });
    ASSERT_NE(lastDataset, nullptr);
    EXPECT_EQ(lastDataset->AsString("company"), "小店");
    EXPECT_EQ(lastDataset->AsString("gc_name"), "上装");

    CapturePrint("goodsprice.fr3", "frxDBDataset1");
    list->tkey->setText("衬衫");
    list->miPrintAllLabelsClick();
    EXPECT_EQ(printed, (QStringList { "A2", "B1" }));
    CompanyShortName.clear();
}

TEST_F(GoodsListTest, ListPrintShowsTheGridsRowsAndExportWritesTheChosenType)
{
    Open(false);
    ClickClass(5);
    CapturePrint("spxxgl.fr3", "frxDB_Goods");
    list->btn_PrinClick();
    EXPECT_EQ(printed, (QStringList { "B1", "B2" }));
    EXPECT_EQ(lastClass, "下装");
    EXPECT_FALSE(list->Q_Goods.Filtered());

    prompt.AnswerFile(Folder() + "goods.xls");
    list->btnExport2Click();
    EXPECT_TRUE(QFile::exists(Folder() + "goods.xls"));
    prompt.AnswerFile(Folder() + "goods");
    list->btnExport2Click();
    EXPECT_TRUE(QFile::exists(Folder() + "goods.xlsx"));
}

TEST_F(GoodsListTest, DeleteAsksAndRefusesTheBuiltInGoods)
{
    Open(false);
    list->chkDisp->setChecked(true);
    Focus("00000000");
    list->btnDele2Click();
    EXPECT_EQ(prompt.LastMessage(), "该商品为系统内置商品，不能删除！");
    Focus("B2");
    prompt.Answer(Prompt::Answer::Yes);
    list->btnDele2Click();
    EXPECT_EQ(prompt.Questions(), QStringList { "您确定要删除该商品信息吗！" });
    EXPECT_FALSE(Codes().contains("B2"));
    EXPECT_EQ(Count("jxc_goods", "g_sn='B2'"), 0);
}

TEST_F(GoodsListTest, BulkDeleteListsRefusalsAndCountsTheDeleted)
{
    AddLine("jxc_jhsp", "JH240305001", "A1");
    Open(false);
    list->chkDisp->setChecked(true);
    Select({ "A1", "00000000", "B2" });
    TF_Spxxgl_Dele dialog;
    dialog.Activate();
    EXPECT_EQ(dialog.lNum->text(), "3");
    prompt.Answer(Prompt::Answer::Yes);
    dialog.btnOKClick();
    EXPECT_EQ(dialog.tnote->toPlainText(),
        "商品编号：A1 商品名称：圆领T恤  已发生过业务，单据号：JH240305001 不能删除！\n"
        "商品编号：00000000 商品名称：优惠商品  为系统内置商品，不能删除！");
    EXPECT_EQ(prompt.LastMessage(), "成功删除：1  个商品信息。");
    EXPECT_EQ(Count("jxc_goods", "g_sn in ('A1','00000000','B2')"), 2);
}

TEST_F(GoodsListTest, ChangeOfCategoryNeedsAChosenCategory)
{
    Open(false);
    Select({ "A1", "B2" });
    prompt.OnModal("TF_Spxxgl_Class", [](QDialog* d) {
        auto* dialog = static_cast<TF_Spxxgl_Class*>(d);
        EXPECT_EQ(dialog->lNum->text(), "2");
        dialog->btnOKClick(); // the root is selected
        dialog->tree->SelectKey(6);
        dialog->selectNode();
        dialog->btnOKClick();
        return dialog->result();
    });
    list->miChangeClassClick();
    EXPECT_EQ(prompt.Messages(), QStringList { "请选择商品类别！" });
    EXPECT_EQ(Column("select gc_sn||'/'||gc_cid from jxc_goods where g_sn in ('A1','B2')"),
        (QStringList { "1100100/6", "1100100/6" }));
    EXPECT_TRUE(SelectedSn.isEmpty());
}

TEST_F(GoodsListTest, WholesaleDialogOnTheFocusedGoodsCategory)
{
    Open(false);
    Focus("A2");
    TF_Spxxgl_Pfj dialog;
    dialog.Activate();
    EXPECT_EQ(dialog.lbName->text(), "衬衫类");
    dialog.tjgbl->setValue(0.8);
    dialog.btnOKClick();
    EXPECT_EQ(Column("select g_sn from jxc_goods where g_sj1=80"), QStringList { "A2" });
}

TEST_F(GoodsListTest, MinimumStockAndShortCodeDialogs)
{
    Open(false);
    Select({ "A1", "B1" });
    TF_Spxxgl_Zdkc zdkc;
    zdkc.Activate();
    zdkc.tsl->setValue(4.4);
    prompt.Answer(Prompt::Answer::Yes);
    zdkc.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), "成功修改：2  个商品信息。");
    EXPECT_EQ(Column("select g_sn from jxc_goods where g_zdkc=4 order by g_sn"), (QStringList { "A1", "B1" }));

    Focus("B1");
    TF_Spxxgl_JmModi jm;
    jm.Activate();
    EXPECT_EQ(jm.lName->text(), "蓝衬衫");
    jm.tjm->setText(" lcs ");
    jm.btnOKClick();
    EXPECT_EQ(Scalar("select g_jm from jxc_goods where g_sn='B1'"), "LCS");
}

TEST_F(GoodsListTest, MoveDialogRefusesThenMovesAndTheListStartsAgainAtTheRoot)
{
    Open(false);
    ClickClass(4);
    prompt.OnModal("TF_Spxxgl_Move", [](QDialog* d) {
        auto* dialog = static_cast<TF_Spxxgl_Move*>(d);
        EXPECT_EQ(dialog->lgcname->text(), "衬衫类");
        EXPECT_EQ(dialog->leibie->text(), "所有类别");
        dialog->comLb->setCurrentIndex(1);
        dialog->btnOKClick(); // beside the root
        dialog->tree->SelectKey(5);
        dialog->selectNode();
        dialog->comLb->setCurrentIndex(0);
        dialog->btnOKClick();
        return dialog->result();
    });
    list->classTree->miMoveClick();
    EXPECT_EQ(prompt.Messages(), (QStringList { "当前类别是最高级类别，不能出现同级别的类别！", "类别移动成功！" }));
    EXPECT_EQ(ClassCode("衬衫类"), "1100101");
    EXPECT_EQ(Scalar("select gc_sn from jxc_goods where g_sn='A2'"), "1100101");
    EXPECT_TRUE(list->classTree->CurrentIsRoot());
    EXPECT_EQ(Codes(), (QStringList { "A1", "A2", "B1", "B2" }));
}

TEST_F(GoodsListTest, RegisteredAndCommandsOfLaterWindowsStayOff)
{
    RegisterMasterDataWindows();
    EXPECT_TRUE(FunctionWindows::Available("TF_Spxxgl"));
    FunctionWindows::Unregister("TF_Spxxgl");
    Open(false);
    EXPECT_TRUE(list->btnAdd2->isEnabled());
    EXPECT_TRUE(list->btnModi2->isEnabled());
    EXPECT_TRUE(list->btnImport2->isEnabled());
    EXPECT_TRUE(list->btnDele2->isEnabled());
}

TEST_F(GoodsListTest, AddModifyPasteAndPictureOpenTheirWindows)
{
    RegisterMasterDataWindows();
    Open(false);
    ExecSQL("delete from jxc_ckxx");
    list->btnAdd2Click();
    EXPECT_EQ(prompt.LastMessage(), "请先添加仓库信息！");
    ExecSQL("insert into jxc_ckxx (ck_sn,ck_name) values ('100001','总仓')");

    QString kind, copied;
    prompt.OnModal("TF_Spxxgl_Add", [&](QDialog* d) {
        kind = ActiveDocKind;
        copied = static_cast<TF_Spxxgl_Add*>(d)->entry->g_name->text();
        return QDialog::Rejected;
    });
    Focus("A2");
    list->miCopyClick();
    list->miPasteClick();
    EXPECT_EQ(kind, "spxxgl");
    EXPECT_EQ(copied, "白衬衫");
    EXPECT_EQ(ActiveDocKind, "");
    EXPECT_EQ(AuxTag, "");

    QString shown;
    prompt.OnModal("TF_Spxxgl_Modi", [&](QDialog* d) {
        shown = static_cast<TF_Spxxgl_Modi*>(d)->entry->g_sn->text();
        return QDialog::Rejected;
    });
    Focus("B1");
    list->btnModi2Click();
    EXPECT_EQ(shown, "B1");
    EXPECT_EQ(list->FocusedValue("g_sn"), "B1");

    prompt.OnModal("TF_Spxxgl_Pic2", [&](QDialog*) {
        shown = PictureName;
        return QDialog::Rejected;
    });
    list->miViewPictureClick();
    EXPECT_EQ(shown, "B1.jpg");
    EXPECT_EQ(PictureName, "");
}

}
