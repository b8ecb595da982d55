#include "goodsentryfixture.h"

#include "foundation/sqltext.h"
#include "masterdata/spxxglmodi.h"
#include "masterdata/spxxglpic.h"
#include "platform/base/programfolder.h"
#include "support/platform/testdb.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <memory>

namespace {

// Goods M1 "旧名" of the default category with a three-colour, four-size group.
class GoodsModiTest : public GoodsEntryTest {
protected:
    void SetUp() override
    {
        GoodsEntryTest::SetUp();
        GoodsEntry e = Entry("M1", "旧名");
        e.style = "旧款";
        e.colourGroupName = "三色";
        e.colourGroupSn = "100002";
        e.sizeGroupName = "四码";
        e.sizeGroupSn = "100002";
        e.barcode = "M1";
        ASSERT_TRUE(InsertGoods(e, Yes).saved);
    }
    void TearDown() override
    {
        modi.reset();
        GoodsEntryTest::TearDown();
    }
    // Opens the window on a goods, as the goods list does with its current row.
    void Open(const QString& code)
    {
        Query& goods = F_DataModule->Q("Q_Goods");
        goods.Close();
        goods.ClearParams();
        goods.SetSQL("select * from jxc_goods where g_sn='" + code + "'");
        goods.Open();
        modi = std::make_unique<TF_Spxxgl_Modi>();
        modi->Activate();
    }
    GoodsEntryForm& F() { return *modi->entry; }
    void AddLedger(const QString& code, const QString& name)
    {
        ExecSQL("insert into jxc_goodslist (gl_djh,g_sn,g_name,dw_name,gg_name,color_name) values ('D','" + code + "','"
            + name + "','件','旧款','三色')");
    }
    std::unique_ptr<TF_Spxxgl_Modi> modi;
};

TEST_F(GoodsModiTest, OpensWithTheGoodsAndLocksTheCodeOnceItHasBusiness)
{
    Open("M1");
    EXPECT_EQ(F().g_name->text(), "旧名");
    EXPECT_EQ(F().comColor->text(), "三色");
    EXPECT_EQ(F().gc_name->text(), "默认类别");
    EXPECT_EQ(SelectedSn, "2");
    EXPECT_TRUE(F().g_sn->isEnabled());

    for (const char* row : { "insert into jxc_jhsp (gl_djh,g_sn) values ('CJ1','M1')",
             "insert into jxc_kcsp (ck_sn,g_sn) values ('100001','M1')" }) {
        ExecSQL("delete from jxc_jhsp");
        ExecSQL("delete from jxc_kcsp");
        ExecSQL(row);
        Open("M1");
        EXPECT_FALSE(F().g_sn->isEnabled()) << row;
        EXPECT_TRUE(F().g_name->isEnabled());
        EXPECT_TRUE(F().g_jj->isEnabled());
    }
}

TEST_F(GoodsModiTest, NameChangeRenamesOnlyThisGoodsLedgerRowsAndIsLogged)
{
    AddGoods("M2", "1000", 0, false, "旧名");
    AddLedger("M1", "旧名");
    AddLedger("M2", "旧名");
    AddLedger("M1", "别名");
    Open("M1");
    F().g_name->setText("新名");
    F().gg_name->setText("新款");
    modi->btnSaveClick();
    EXPECT_EQ(modi->result(), QDialog::Accepted);
    EXPECT_EQ(Count("jxc_goodslist", "g_sn='M1' and g_name='新名'"), 1);
    EXPECT_EQ(Count("jxc_goodslist", "g_sn='M1' and g_name='别名'"), 1);
    EXPECT_EQ(Count("jxc_goodslist", "g_sn='M2' and g_name='旧名'"), 1);
    // The style description follows on every row of the goods.
    EXPECT_EQ(Count("jxc_goodslist", "g_sn='M1' and gg_name='新款'"), 2);
    EXPECT_EQ(Scalar("select log_note from jxc_log order by id desc limit 1"),
        "修改商品，原商品信息，编号：M1，名称：旧名，款型说明：旧款。新商品信息，编号：M1，名称：新名，款型说明：新款"
        "。");
}

TEST_F(GoodsModiTest, SameCommissionForTheExactCategoryOnly)
{
    AddClass("子类", 3, 2, "1000100");
    AddGoods("M2", "1000");
    AddGoods("M3", "1000100");
    Open("M1");
    F().comTcbl->setCurrentIndex(2);
    F().comTcblChange();
    F().tTcbl->setValue(5);
    F().chkTclb->setChecked(true);
    modi->btnSaveClick();
    for (const char* code : { "M1", "M2" }) {
        EXPECT_EQ(Goods(code, "g_tclb"), "2") << code;
        EXPECT_EQ(Goods(code, "g_tc"), "5") << code;
    }
    EXPECT_EQ(Count("jxc_goods", "g_sn='M3' and g_tclb=2"), 0);
}

TEST_F(GoodsModiTest, PostedGoodsKeepTheirCost)
{
    ExecSQL("update jxc_goods set g_scjj=33,g_pjjj=34");
    AddGoods("M2", "1000");
    ExecSQL("update jxc_goods set g_scjj=33,g_pjjj=34,dw_name='件',color_name='三色',cmz_name='四码' where g_sn='M2'");
    ExecSQL("insert into jxc_kcsp (ck_sn,g_sn) values ('100001','M1')");
    for (const char* code : { "M1", "M2" }) {
        Open(code);
        F().g_jj->setValue(70);
        modi->btnSaveClick();
        EXPECT_EQ(modi->result(), QDialog::Accepted) << code;
    }
    EXPECT_EQ(Goods("M1", "g_jj"), "70");
    EXPECT_EQ(Goods("M1", "g_scjj"), "33");
    EXPECT_EQ(Goods("M1", "g_pjjj"), "34");
    EXPECT_EQ(Goods("M2", "g_scjj"), "70");
    EXPECT_EQ(Goods("M2", "g_pjjj"), "70");
}

TEST_F(GoodsModiTest, CodeChangeTakesBarcodesUnitsAndPictureAlong)
{
    ExecSQL("insert into jxc_goodsdw (g_sn,dw_name,g_zhxs) values ('M1','箱',12)");
    QDir().mkpath(ProgramFolder::File("picture"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(ProgramFolder::File("picture/M1.jpg"), "JPG"));
    ASSERT_EQ(Count("jxc_tm", "g_sn='M1'"), 12);
    Open("M1");
    F().g_sn->setText("M9");
    F().g_sptm->setText("M9");
    modi->btnSaveClick();
    EXPECT_EQ(Count("jxc_tm", "g_sn='M1'"), 0);
    EXPECT_EQ(Count("jxc_tm", "g_sn='M9'"), 12);
    EXPECT_EQ(Count("jxc_goodsdw", "g_sn='M9'"), 1);
    EXPECT_EQ(Goods("M9", "dw_name2"), "箱");
    EXPECT_FALSE(QFile::exists(ProgramFolder::File("picture/M1.jpg")));
    EXPECT_TRUE(QFile::exists(ProgramFolder::File("picture/M9.jpg")));
}

TEST_F(GoodsModiTest, DuplicatesLeaveOutTheGoodsItself)
{
    AddGoods("M2", "1000", 0, false, "别名");
    Open("M1");
    F().chkAlert->setChecked(true);
    modi->btnSaveClick();
    EXPECT_EQ(modi->result(), QDialog::Accepted) << "its own code and name are no duplicates";
    Open("M1");
    F().g_sn->setText("M2");
    modi->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), "商品编号已存在！");
    F().g_sn->setText("M1");
    F().g_name->setText("别名");
    F().chkAlert->setChecked(true);
    prompt.Answer(Prompt::Answer::No);
    modi->btnSaveClick();
    EXPECT_EQ(prompt.Questions().last(), "商品名称已经存在，确认修改吗？");
    EXPECT_EQ(Goods("M1", "g_name"), "旧名");
}

TEST_F(GoodsModiTest, FailedBarcodeRebuildLeavesGoodsAndLedgerUnchanged)
{
    AddLedger("M1", "旧名");
    if (TestDb::OnServer()) {
        ExecSQL("create function tm_refuse() returns trigger as 'begin raise exception ''no barcodes''; end;' "
                "language plpgsql");
        ExecSQL("create trigger tm_refuse before insert on jxc_tm for each row execute function tm_refuse()");
    } else {
        ExecSQL("create trigger tm_refuse before insert on jxc_tm begin select raise(abort,'no barcodes'); end");
    }
    GoodsBefore before { GoodsId("M1"), "M1", "旧名", "件", "旧款", "三色" };
    GoodsEntry e = Entry("M1", "新名");
    e.barcode = "M1";
    e.colourGroupSn = "100002";
    e.sizeGroupSn = "100002";
    EXPECT_ANY_THROW(UpdateGoods(before, e, false, Yes));
    EXPECT_EQ(Goods("M1", "g_name"), "旧名");
    EXPECT_EQ(Count("jxc_goodslist", "g_name='旧名'"), 1);
    EXPECT_EQ(Count("jxc_tm", "g_sn='M1'"), 12);
}

}
