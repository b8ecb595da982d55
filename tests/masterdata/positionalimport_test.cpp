#include "importfixture.h"

#include "foundation/settings.h"
#include "masterdata/positionalimport.h"
#include "platform/db/query.h"

#include <QComboBox>
#include <memory>

namespace {

class PositionalImportTest : public ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        ExecSQL("insert into jxc_goods (g_sn,g_name,dw_name,g_sj,g_jj,g_sptm) values ('G1','衬衫','件',10,6,'690001')");
        ExecSQL("insert into jxc_goods (g_sn,g_name,dw_name,g_sj,g_jj) values ('G2','长裤','条',20,8)");
    }
    QStringList JhImport(const QString& field)
    {
        Query& q = F_DataModule->Q("Q_JhImport");
        QStringList out;
        for (int r = 0; r < q.RecordCount(); ++r)
            out << q.TextAt(r, q.FieldIndex(field));
        return out;
    }
};

TEST_F(PositionalImportTest, SecondUnitChecksInTheirOrder)
{
    struct Case {
        QStringList row;
        QString note, code;
    };
    const QList<Case> cases {
        { { "G1", "衬衫", "箱", "1", "" }, "转换系数不能为0或1", "2" },
        { { "G1", "衬衫", "箱", "0", "" }, "转换系数不能为零或负数", "2" },
        { { "G1", "衬衫", "箱", "-2", "" }, "转换系数不能为零或负数", "2" },
        { { "G1", "衬衫", "箱", "", "" }, "转换系数不能为0或1", "2" },
        { { "G1", "衬衫", "箱", "x", "" }, "转换系数必须为数字", "2" },
        { { "Z9", "某物", "箱", "12", "" }, "商品名称和编号不一致", "1" },
        { { "Z9", "", "箱", "12", "" }, "商品不存在", "2" },
        { { "G1", "衬衫", "件", "12", "" }, "单位不能重复", "2" },
        { { "G2", "长裤", "包", "12", "690001" }, "商品条码已存在", "2" },
        { { "G2", "长裤", "包", "12", "" }, "可顺利导入", "0" },
    };
    auto w = std::make_unique<TF_Spxxgl_ImportFzdw>();
    w->Activate();
    EXPECT_FALSE(w->btnNext->isEnabled());
    QList<QStringList> rows;
    for (const Case& c : cases)
        rows << c.row;
    prompt.AnswerFile(Sheet("fzdw.xlsx", { "编号", "名称", "单位", "系数", "条码" }, rows));
    w->btnOpenClick();
    EXPECT_TRUE(w->btnNext->isEnabled());
    w->btnNextClick();
    ASSERT_EQ(JhImport("ts_note").size(), cases.size());
    for (int i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(JhImport("ts_note")[i], cases[i].note) << i;
        EXPECT_EQ(JhImport("ghs_sn")[i], cases[i].code) << i;
    }
    EXPECT_EQ(Scalar("select count(*) from jxc_dw where dw_name in ('箱','包')"), "2");
    prompt.Clear();
    w->btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), "导入完毕\r\n\r\n共10条记录\r\n\r\n成功导入1条\r\n\r\n失败9条");
    EXPECT_EQ(Scalar("select g_sj from jxc_goodsdw where g_sn='G2'"), "240");
    EXPECT_EQ(Scalar("select g_zhxs from jxc_goodsdw where g_sn='G2'"), "12");
    EXPECT_EQ(Scalar("select count(*) from jxc_goodsdw where g_sn='G1'"), "0");
    EXPECT_EQ(Scalar("select count(*) from jxc_tempspxf2"), "0");
}

TEST_F(PositionalImportTest, SecondUnitOfTheSameNameIsReplacedAndKeepsItsBarcode)
{
    ExecSQL("insert into jxc_goodsdw (g_sn,dw_name,g_sptm,g_zhxs,g_sj) values ('G1','箱','777',6,60)");
    auto w = std::make_unique<TF_Spxxgl_ImportFzdw>();
    w->Activate();
    prompt.AnswerFile(
        Sheet("fzdw2.xlsx", { "编号", "名称", "单位", "系数", "条码" }, { { "G1", "衬衫", "箱", "12", "777" } }));
    w->btnOpenClick();
    w->btnImportClick();
    EXPECT_EQ(Column("select g_zhxs from jxc_goodsdw where g_sn='G1'"), QStringList({ "12" }));
    EXPECT_EQ(Scalar("select g_sptm from jxc_goodsdw where g_sn='G1'"), "777");
}

TEST_F(PositionalImportTest, PricesAreCheckedAndSet)
{
    auto w = std::make_unique<TF_Spxxgl_ImportDj>();
    w->Activate();
    w->cbbDj->setCurrentText("预设进价");
    prompt.Clear();
    prompt.AnswerFile(Sheet("dj.xlsx", { "编号", "名称", "单价" },
        { { "G1", "衬衫", "abc" }, { "G1", "衬衫", "-1" }, { "G2", "长裤" }, { "G2", "长裤", "0" },
            { "Z9", "x", "3" } }));
    w->btnImportClick();
    EXPECT_EQ(JhImport("t_zp"),
        QStringList({ "单价必须为数字", "单价不能为负数", "单价不能为空", "可顺利导入", "商品不存在" }));
    EXPECT_EQ(prompt.LastMessage(), "导入完毕\r\n\r\n共5条记录\r\n\r\n成功导入1条\r\n\r\n失败4条");
    EXPECT_EQ(Scalar("select g_jj from jxc_goods where g_sn='G2'"), "0");
    EXPECT_EQ(Scalar("select g_jj from jxc_goods where g_sn='G1'"), "6");
    EXPECT_EQ(Scalar("select count(*) from jxc_tempspxf"), "0");
}

TEST_F(PositionalImportTest, PriceLevelsFollowTheSettings)
{
    UseGradePrices = "0";
    UseRetailPrice = "0";
    EXPECT_EQ(PriceLevelNames(), QStringList({ "预设售价", "预设进价" }));
    UseGradePrices = "1";
    UseRetailPrice = "1";
    EXPECT_EQ(PriceLevelNames().size(), 8);
    EXPECT_EQ(PriceLevelColumn("零售价"), "g_lsj");
}

TEST_F(PositionalImportTest, ShelvesNeedAName)
{
    auto w = std::make_unique<TF_Spxxgl_ImportKw>();
    w->Activate();
    prompt.Clear();
    prompt.AnswerFile(Sheet("kw.xlsx", { "编号", "名称", "库位" }, { { "G1", "", "A-01" }, { "G2", "", "" } }));
    w->btnImportClick();
    EXPECT_EQ(JhImport("t_zp"), QStringList({ "可顺利导入", "库位不能为空" }));
    EXPECT_EQ(Scalar("select hj_name from jxc_goods where g_sn='G1'"), "A-01");
}

TEST_F(PositionalImportTest, NothingReadRefusesTheSecondUnitImport)
{
    auto w = std::make_unique<TF_Spxxgl_ImportFzdw>();
    w->Activate();
    // As at the program's start: no sheet read yet.
    w->counts = PositionalCounts();
    w->btnNextClick();
    prompt.Clear();
    w->btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), "模板中没有数据，不能进行导入操作！");
}

}
