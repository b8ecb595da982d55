#include "importfixture.h"

#include "masterdata/goodsimport.h"
#include "masterdata/partnerimport.h"
#include "platform/sheet/sheetreader.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <memory>

namespace {

QString Sample(const QString& name)
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/模板文件/" + name);
}

class ImportSampleTest : public ImportTest { };

TEST_F(ImportSampleTest, EverySampleReadsBack)
{
    for (const QString& name : { "商品信息模板.xlsx", "客户模板.xlsx", "供货商模板.xlsx", "商品辅助单位模板.xlsx",
             "商品单价模板.xlsx", "商品库位信息模板.xlsx" }) {
        SheetData sheet;
        QString error;
        ASSERT_TRUE(SheetReader::ReadSheet(Sample(name), 0, &sheet, &error)) << name.toStdString();
        EXPECT_EQ(sheet.RowCount(), 2) << name.toStdString();
        EXPECT_GE(sheet.ColumnCount(), 3) << name.toStdString();
    }
}

TEST_F(ImportSampleTest, PartnerSamplesMapEveryColumnAndImport)
{
    auto customers = std::make_unique<TF_Khgl_Import>();
    customers->Activate();
    prompt.AnswerFile(Sample("客户模板.xlsx"));
    customers->btnOpenClick();
    EXPECT_EQ(Scalar("select count(*) from jxc_importchk where i_sele=0 or i_fieldid=''"), "0");
    customers->btnNextClick();
    prompt.Clear();
    customers->btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), "导入完毕\r\n\r\n共2条记录\r\n\r\n成功导入2条\r\n\r\n失败0条\r\n\r\n取消导入0条");

    auto suppliers = std::make_unique<TF_Ghsgl_Import>();
    suppliers->Activate();
    prompt.AnswerFile(Sample("供货商模板.xlsx"));
    suppliers->btnOpenClick();
    EXPECT_EQ(Scalar("select count(*) from jxc_importchk where i_sele=0 or i_fieldid=''"), "0");
    suppliers->btnNextClick();
    prompt.Clear();
    suppliers->btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), "导入完毕\r\n\r\n共2条记录\r\n\r\n成功导入2条\r\n\r\n失败0条\r\n\r\n取消导入0条");
}

TEST_F(ImportSampleTest, GoodsSampleMapsEveryColumnAndImports)
{
    auto w = std::make_unique<TF_Spxxgl_Import>();
    w->Activate();
    w->btnStartClick();
    w->btnNext1Click();
    prompt.AnswerFile(Sample("商品信息模板.xlsx"));
    w->btnOpenClick();
    EXPECT_EQ(Scalar("select count(*) from jxc_importchk"), "20");
    EXPECT_EQ(Scalar("select count(*) from jxc_importchk where i_sele=0 or i_fieldid=''"), "0");
    w->btnNext2Click();
    prompt.Clear();
    w->btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), "导入完毕\r\n\r\n共2条记录\r\n\r\n成功导入2条\r\n\r\n失败0条\r\n\r\n取消导入0条");
    EXPECT_EQ(Scalar("select g_lsj from jxc_goods where g_name='直筒牛仔裤'"), "139");
}

}
