#include "goodsentryfixture.h"

#include "foundation/pinyin.h"
#include "foundation/sqltext.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/goodsunits.h"
#include "masterdata/spxxgl.h"
#include "masterdata/spxxgladd.h"
#include "platform/base/programfolder.h"
#include "platform/grid/dbtree.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <functional>
#include <memory>
#include <vector>

namespace {

class GoodsAddTest : public GoodsEntryTest {
protected:
    void SetUp() override
    {
        GoodsEntryTest::SetUp();
        add = std::make_unique<TF_Spxxgl_Add>();
        F_Spxxgl_Add = add.get();
    }
    void TearDown() override
    {
        add.reset();
        GoodsEntryTest::TearDown();
    }
    void Open(const QString& kind = QStringLiteral("spxxgl"))
    {
        ActiveDocKind = kind;
        add->Activate();
    }
    GoodsEntryForm& F() { return *add->entry; }
    // "确认" on the category the tree selected at opening (the default category).
    void ChooseClass() { ASSERT_TRUE(F().btnClassOKClick()); }
    std::unique_ptr<TF_Spxxgl_Add> add;
};

TEST_F(GoodsAddTest, CategoryChoiceNumbersTheCodeUnlessAutomaticCodesAreOff)
{
    Open();
    EXPECT_EQ(F().gc_name->text(), "");
    ChooseClass();
    EXPECT_EQ(F().gc_name->text(), "默认类别");
    EXPECT_EQ(F().g_sn->text(), "20000001");
    Type(F(), "圆领T恤");
    add->btnSaveClick();
    EXPECT_EQ(Goods("20000001", "gc_sn"), "1000");
    ChooseClass();
    EXPECT_EQ(F().g_sn->text(), "20000002");

    AutoGoodsSn = "0";
    F().g_sn->setText("K-7");
    ChooseClass();
    EXPECT_EQ(F().g_sn->text(), "K-7");
}

TEST_F(GoodsAddTest, RootCategoryChangesNothing)
{
    Open();
    F().btnClassClick();
    F().Q_GoodsClass.First();
    EXPECT_FALSE(F().btnClassOKClick());
    EXPECT_EQ(F().gc_name->text(), "");
    EXPECT_EQ(F().ShownPanel(), GoodsEntryForm::Panel::Class);
}

TEST_F(GoodsAddTest, AutomaticBarcodeFollowsTheMethodAndTheClickedCategory)
{
    AddClass("五号类", 5, 1, "1005");
    struct Case {
        const char* method;
        bool clickFive;
        const char* barcode;
    };
    for (const Case& c :
        { Case { "0", true, "20000001" }, Case { "1", true, "520000001" }, Case { "1", false, "20000001" } }) {
        AutoMakeBarcodes = "1";
        BarcodeMakeMethod = c.method;
        Open();
        if (c.clickFive) {
            ASSERT_TRUE(F().Q_GoodsClass.Locate("gc_cid", 5));
            F().ClassClicked();
        }
        ASSERT_TRUE(F().Q_GoodsClass.Locate("gc_sn", "1000"));
        ChooseClass();
        EXPECT_EQ(F().g_sptm->text(), c.barcode) << c.method << c.clickFive;
    }
}

TEST_F(GoodsAddTest, RequiredFieldsAreRefusedInOrder)
{
    // Each step fills one more field; the refusal names the first one still empty.
    GoodsEntry e;
    const std::vector<std::pair<std::function<void()>, QString>> steps {
        { [] {}, "类别名称必须填写！" },
        { [&] { e.className = "默认类别"; }, "商品编号必须填写！" },
        { [&] { e.sn = "X1"; }, "商品名称必须填写！" },
        { [&] { e.name = "名"; }, "商品单位必须填写！" },
        { [&] { e.unit = kNewUnitItem; }, "商品单位必须填写！" },
        { [&] { e.unit = "件"; }, "颜色组必须填写！" },
        { [&] { e.colourGroupName = "三色"; }, "尺码组必须填写！" },
        { [&] { e.sizeGroupName = "四码"; }, "" },
    };
    for (const auto& [fill, refusal] : steps) {
        fill();
        EXPECT_EQ(GoodsEntryRefusal(e), refusal);
    }
}

TEST_F(GoodsAddTest, DuplicatesRefuseOrAskAndNoWritesNothing)
{
    AddGoods("X1", "1000", 0, false, "白衬衫");
    ExecSQL("update jxc_goods set g_sptm='TM1' where g_sn='X1'");
    const int before = Count("jxc_goods");

    auto no = [](const QString&) { return false; };
    EXPECT_EQ(InsertGoods(Entry("X1"), Yes).refusal, "商品编号已经存在，请重新输入！");

    GoodsEntry sameBarcode = Entry("X2");
    sameBarcode.barcode = "TM1";
    QStringList asked;
    auto record = [&asked](const QString& q) {
        asked << q;
        return false;
    };
    EXPECT_FALSE(InsertGoods(sameBarcode, record).saved);

    GoodsEntry sameName = Entry("X3", "白衬衫");
    EXPECT_TRUE(InsertGoods(sameName, no).saved) << "without 重名提醒 a name is not questioned";
    sameName.sn = "X4";
    sameName.alertSameName = true;
    EXPECT_FALSE(InsertGoods(sameName, record).saved);
    EXPECT_EQ(asked, (QStringList { "商品条码已经存在，确认输入吗？", "商品名称已经存在，确认输入吗？" }));
    EXPECT_EQ(Count("jxc_goods"), before + 1);
    EXPECT_EQ(Count("jxc_goods", "g_sn in ('X2','X4')"), 0);

    sameBarcode.sn = "X5";
    EXPECT_TRUE(InsertGoods(sameBarcode, Yes).saved);
}

TEST_F(GoodsAddTest, BarcodesOnePerColourAndSizeAndNoneWithoutBarcode)
{
    GoodsEntry e = Entry("A1");
    e.colourGroupName = "三色";
    e.colourGroupSn = "100002";
    e.sizeGroupName = "四码";
    e.sizeGroupSn = "100002";
    e.barcode = "A1";
    ASSERT_TRUE(InsertGoods(e, Yes).saved);
    EXPECT_EQ(Count("jxc_tm", "g_sn='A1'"), 12);

    e.sn = "A2";
    e.barcode.clear();
    ASSERT_TRUE(InsertGoods(e, Yes).saved);
    EXPECT_EQ(Count("jxc_tm", "g_sn='A2'"), 0);
    EXPECT_EQ(Count("jxc_goods", "g_sn='A2'"), 1);
}

TEST_F(GoodsAddTest, WrittenRowCarriesTheFixedAndDerivedValues)
{
    GoodsEntry e = Entry("A1", "T恤(短袖),新款");
    e.barcodeOrder = 2;
    e.commissionKind = 0;
    e.commission = 7;
    e.style = "50%棉";
    const int logs = Count("jxc_log");
    ASSERT_TRUE(InsertGoods(e, Yes).saved);
    EXPECT_EQ(Goods("A1", "g_zhxs"), "1");
    EXPECT_EQ(Goods("A1", "g_dzll"), "1");
    for (const char* f : { "g_jj", "g_scjj", "g_cbj", "g_pjjj" })
        EXPECT_EQ(Goods("A1", f), "60") << f;
    EXPECT_EQ(Goods("A1", "ghs_sn"), "100001");
    EXPECT_EQ(Goods("A1", "g_tmtype"), "2");
    EXPECT_EQ(Goods("A1", "g_tc"), "0");
    EXPECT_EQ(Goods("A1", "dw_name2"), "件");
    EXPECT_EQ(Goods("A1", "g_name"), ToFullWidthText("T恤(短袖),新款"));
    EXPECT_EQ(Goods("A1", "gg_name"), SafeSqlText2("50%棉"));
    EXPECT_EQ(Goods("A1", "g_jm"), GetPyCode("T恤(短袖),新款").left(32));
    EXPECT_EQ(Goods("A1", "g_bzq"), "");
    EXPECT_EQ(Count("jxc_log"), logs) << "adding writes no log line";
}

TEST_F(GoodsAddTest, ListModeStaysOpenAndResetsTheEntries)
{
    Open();
    ChooseClass();
    Type(F(), "圆领T恤");
    F().g_jj->setValue(45);
    add->btnSaveClick();
    EXPECT_EQ(Goods("20000001", "g_jj"), "45");
    EXPECT_EQ(F().g_sn->text(), "");
    EXPECT_EQ(F().g_name->text(), "");
    EXPECT_EQ(F().g_jj->value(), 0);
    EXPECT_EQ(F().gc_name->text(), "默认类别");
    EXPECT_EQ(SelectedSn, "");
    add->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), "商品编号必须填写！");
}

TEST_F(GoodsAddTest, DocumentModeAnswersTheCodeAndClosing)
{
    Open("cgjh");
    ChooseClass();
    Type(F(), "圆领T恤");
    add->btnSaveClick();
    EXPECT_EQ(SelectedSn, "20000001");
    EXPECT_EQ(add->result(), QDialog::Accepted);

    Open("spxs");
    EXPECT_EQ(SelectedSn, "");
    add->btnExitClick();
    EXPECT_EQ(SelectedSn, "");
}

TEST_F(GoodsAddTest, CopyProposesTheNextCodeAndLeavesTheRestOut)
{
    ExecSQL(
        "insert into jxc_goods (g_sn,g_name,g_jm,gc_sn,gc_cid,dw_name,gg_name,color_name,cmz_name,colorz_sn,"
        "cmz_sn,g_sccs,g_tmtype,g_zdkc,g_jj,g_sj,g_bz,g_sptm,g_sj1,g_lsj,hj_name,g_iszp,g_gdcbj,g_tclb,g_tc,g_zhxs) "
        "values ('S1','源商品','','1000',2,'套','修身','三色','四码','100002','100002','默认品牌',2,3,50,90,'备注',"
        "'TM9',80,99,'二号架',1,1,2,5,1)");
    AuxTag = QString::number(GoodsId("S1"));
    Open();
    EXPECT_EQ(F().g_sn->text(), "20000001");
    EXPECT_EQ(F().gc_name->text(), "默认类别");
    EXPECT_EQ(F().g_name->text(), "源商品");
    EXPECT_EQ(F().ComDw->currentText(), "套");
    EXPECT_EQ(F().comColor->text(), "三色");
    EXPECT_EQ(F().cmzSn, "100002");
    EXPECT_EQ(F().comTmtype->currentIndex(), 1);
    EXPECT_EQ(F().g_jj->value(), 50);
    EXPECT_EQ(F().g_sptm->text(), "");
    EXPECT_EQ(F().g_sjN[0]->value(), 0);
    EXPECT_EQ(F().g_lsj->value(), 0);
    EXPECT_FALSE(F().chkZp->isChecked());
    EXPECT_FALSE(F().chkGdcbj->isChecked());
    EXPECT_EQ(F().comTcbl->currentIndex(), 0);
    EXPECT_EQ(F().comHjxx->currentText(), "默认货架");

    // Copying happens for the goods list only.
    Open("cgjh");
    EXPECT_EQ(F().g_name->text(), "");
}

TEST_F(GoodsAddTest, UnitListAnswersANewUnitAndExitLeavesTheSaveRefused)
{
    Open();
    ChooseClass();
    F().g_name->setText("圆领T恤");
    F().ComDw->setCurrentIndex(0);
    prompt.OnModal("TF_Dwgl", [this](QDialog* d) {
        auto* list = static_cast<TF_Dwgl*>(d);
        prompt.OnModal("TF_Dwgl_Add", [](QDialog* a) {
            auto* dialog = static_cast<TF_Dwgl_Add*>(a);
            dialog->tname->setText(" 条 ");
            dialog->btnSaveClick();
            return dialog->result();
        });
        list->btnAddClick();
        list->btnExitClick();
        return QDialog::Rejected;
    });
    F().ComDwChange();
    EXPECT_EQ(F().ComDw->currentText(), "条");
    EXPECT_EQ(PickerCaller, "");

    F().ComDw->setCurrentIndex(0);
    prompt.OnModal("TF_Dwgl", [](QDialog* d) {
        static_cast<TF_Dwgl*>(d)->btnExitClick();
        return QDialog::Rejected;
    });
    F().ComDwChange();
    EXPECT_EQ(F().ComDw->currentText(), kNewUnitItem);
    add->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), "商品单位必须填写！");
    EXPECT_EQ(Count("jxc_goods", "g_name='圆领T恤'"), 0);
}

TEST_F(GoodsAddTest, ScratchBarcodesOfOtherOperatorsStay)
{
    ExecSQL("insert into jxc_goodstmp (g_sn,a_name) values ('A','admin'),('B','other')");
    Open();
    EXPECT_EQ(Count("jxc_goodstmp", "a_name='admin'"), 0);
    EXPECT_EQ(Count("jxc_goodstmp", "a_name='other'"), 1);
}

TEST_F(GoodsAddTest, CommissionFollowsTheRightAndTheKind)
{
    Open();
    EXPECT_TRUE(F().comTcbl->isEnabled());
    F().comTcbl->setCurrentIndex(1);
    F().comTcblChange();
    EXPECT_EQ(F().lTctxt->text(), "每件提成：");
    EXPECT_EQ(F().lTcbl->text(), "元");
    EXPECT_TRUE(F().tTcbl->isEnabled());
    F().comTcbl->setCurrentIndex(2);
    F().comTcblChange();
    EXPECT_EQ(F().lTctxt->text(), "提成比例：");
    EXPECT_EQ(F().lTcbl->text(), "%");

    const QString flags = Scalar("select qtcz from jxc_role where r_sn='" + CurrentRoleSn + "'");
    ExecSQL(
        "update jxc_role set qtcz='" + flags.left(19) + "0" + flags.mid(20) + "' where r_sn='" + CurrentRoleSn + "'");
    Open();
    EXPECT_FALSE(F().comTcbl->isEnabled());
    EXPECT_FALSE(F().tTcbl->isEnabled());
}

TEST_F(GoodsAddTest, PicturesAreWrittenOnlyBySuccessfulSaves)
{
    const QString png = Folder() + "shot.png";
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(png));
    AddGoods("20000001", "1000");
    Open();
    ChooseClass();
    F().g_sn->setText("20000001");
    Type(F(), "重复编号");
    prompt.AnswerFile(png);
    F().miBrowseClick();
    add->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), "商品编号已经存在，请重新输入！");
    EXPECT_FALSE(QFile::exists(ProgramFolder::File("picture/20000001.jpg")));

    F().g_sn->setText("20000002");
    add->btnSaveClick();
    EXPECT_TRUE(QFile::exists(ProgramFolder::File("picture/20000002.jpg")));
}

}
