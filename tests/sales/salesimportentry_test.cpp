#include "salessheet.h"
#include "spddtest.h"
#include "spxstest.h"

#include "platform/sheet/sheetreader.h"
#include "sales/saleswindows.h"
#include "sales/spxsimport.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>

namespace {

// The wizard scripted through its steps on the file: open, next, import.
ScriptedPrompt::ModalScript ImportFile(ScriptedPrompt& prompt, const QString& path)
{
    return [&prompt, path](QDialog* d) {
        auto* wizard = static_cast<SalesImportForm*>(d);
        prompt.AnswerFile(path);
        wizard->btnOpenClick();
        wizard->btnNext3Click();
        wizard->btnImportClick();
        return int(QDialog::Accepted);
    };
}

// The entry grid's rows as "goods colour size quantity".
QStringList EntryRows(Query& q)
{
    QStringList rows;
    for (int r = 0; r < q.RecordCount(); ++r) {
        QStringList cells;
        for (const char* f : { "g_sn", "color_name", "cm_name", "t_sl" })
            cells << q.TextAt(r, q.FieldIndex(QLatin1String(f)));
        rows << cells.join(QLatin1Char(' '));
    }
    return rows;
}

class SpxsImportEntryTest : public SpxsTest {
protected:
    void SetUp() override
    {
        SpxsTest::SetUp();
        RegisterSalesWindows();
        Sql(QStringLiteral("update jxc_goods set g_dzll=1"));
        Sql(QStringLiteral("update jxc_tkc set t_sl=10 where color_sn='R' and cm_sn='S'"));
        fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 13, 40, 13);
    }
};

TEST_F(SpxsImportEntryTest, ImportedLinesShowSaveAndApproveLikePickedOnes)
{
    const QString sheet = WriteSalesSheet(Folder() + QStringLiteral("xs.xlsx"),
        { { "G1", "", "100", "1", "2", "" }, { "NONE", "", "10", "1", "1", "" } });
    const QString number = No();
    prompt.OnModal(QStringLiteral("TF_Spxs_Import"), ImportFile(prompt, sheet));
    w->btnImport->trigger();
    EXPECT_EQ(prompt.ModalNames(), QStringList { QStringLiteral("TF_Spxs_Import") });
    EXPECT_EQ(EntryRows(w->Q_Lsxssp), QStringList { U8("G1 红 小码 2") })
        << "the line with its colour-by-size row, the refused row left out";
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("200"));
    EXPECT_FALSE(w->btnDel->isHidden()) << "the line buttons follow the grid";

    w->tkh->setText(U8("客户一"));
    CurrentCustomerSn = QStringLiteral("K1");
    w->comJsfs->setCurrentIndex(0);
    w->tssje->setText(QStringLiteral("200"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    ASSERT_EQ(Count(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh='%1'").arg(number)), 1);
    w->checkDj(number);
    EXPECT_EQ(
        Scalar(QStringLiteral("select ls_status from jxc_lsxsd where gl_djh='%1'").arg(number)), QStringLiteral("1"));
    EXPECT_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1'")), 11);
    EXPECT_EQ(Number(QStringLiteral("select sum(t_sl) from jxc_tkc where color_sn='R' and cm_sn='S'")), 8);
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslistmx")), 1);
}

TEST_F(SpxsImportEntryTest, TheEntryGridExportsAsXls)
{
    const QString sheet = WriteSalesSheet(Folder() + QStringLiteral("xs.xls"), { { "G1", "", "100", "1", "3", "" } });
    prompt.OnModal(QStringLiteral("TF_Spxs_Import"), ImportFile(prompt, sheet));
    w->btnImportClick();
    const QString out = Folder() + QStringLiteral("out.xls");
    prompt.AnswerFile(out);
    w->btnExport->trigger();
    SheetData read;
    QString error;
    ASSERT_TRUE(SheetReader::ReadSheet(out, 0, &read, &error)) << error.toStdString();
    ASSERT_EQ(read.RowCount(), 1);
    EXPECT_EQ(read.Text(0, 0), QStringLiteral("G1"));
}

class SpddImportEntryTest : public SpddTest {
protected:
    void SetUp() override
    {
        SpddTest::SetUp();
        RegisterSalesWindows();
        fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 4, 40, 4);
    }
};

TEST_F(SpddImportEntryTest, TheOrderImportFillsTheEntryGridAndDeletesLineByLine)
{
    const QString sheet = WriteSalesSheet(Folder() + QStringLiteral("xd.xlsx"),
        { { "G1", "", "100", "1", "2", "" }, { "", U8d("衬衫"), "90", "1", "1", "" } });
    prompt.OnModal(QStringLiteral("TF_Spdd_Import"), ImportFile(prompt, sheet));
    w->btnImport->trigger();
    EXPECT_EQ(EntryRows(w->Q_Lsxssp), (QStringList { U8d("G1 红 小码 2"), U8d("G1 红 小码 1") }));
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("290"));

    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    EXPECT_EQ(EntryRows(w->Q_Lsxssp), QStringList { U8d("G1 红 小码 1") }) << "the line went with its only row";
    EXPECT_EQ(Count(QStringLiteral("jxc_xssp")), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_xsspmx")), 1);
}

} // namespace
