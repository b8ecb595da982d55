#include "warehousetest.h"

#include "platform/grid/datagrid.h"
#include "platform/sheet/sheetwriter.h"
#include "warehouse/kcpd.h"
#include "warehouse/kcpdimport.h"
#include "warehouse/kcpdimportdlg.h"
#include "warehouse/kcpdlists.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>

namespace {

// The stock-take window on the fixture's account set: G1 red S and blue M 10 each
// and G2 10, all at a cost of 10, in the main warehouse 100001.
class KcpdTest : public WarehouseTest {
protected:
    void SetUp() override
    {
        WarehouseTest::SetUp();
        w = std::make_unique<TF_Kcpd>();
        F_Kcpd = w.get();
        w->Activate();
    }
    void TearDown() override
    {
        w.reset();
        WarehouseTest::TearDown();
    }
    // A line of the operator counted `counted` against the book `book`, at a price of 10;
    // answers its id, which is also its tid.
    qint64 Line(const QString& number, const QString& goods, double counted, double book,
        const QString& op = QStringLiteral("admin"))
    {
        Sql(QStringLiteral("insert into jxc_kcpdsp (gl_djh,g_sn,pd_sl,kc_sl,kc_zsl,pd_dj,pd_zje,a_name) values "
                           "('%1','%2',%3,%4,%4,10,%5,'%6')")
                .arg(number, goods)
                .arg(counted)
                .arg(book)
                .arg((counted - book) * 10)
                .arg(op));
        Sql(QStringLiteral("update jxc_kcpdsp set tid=id where tid is null"));
        return qint64(Number(QStringLiteral("select max(id) from jxc_kcpdsp")));
    }
    void SizeRow(const QString& number, qint64 line, const QString& color, const QString& size, double counted)
    {
        Sql(QStringLiteral("insert into jxc_kcpdspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,t_oldsl,a_name,tid) select '%1',"
                           "g_sn,'%2','%3',%4,10,'admin',tid from jxc_kcpdsp where id=%5")
                .arg(number, size, color)
                .arg(counted)
                .arg(line));
    }
    void Header(const QString& number, const QString& date, int status)
    {
        Sql(QStringLiteral("insert into jxc_kcpd (gl_djh,ck_sn,pd_rq,pd_sl,kc_sl,pd_note,pd_status,pd_checker,pd_chkrq,"
                           "u_sn,a_name) values ('%1','100001','%2',0,0,'',%3,'','','100001','admin')")
                .arg(number, date)
                .arg(status));
    }
    std::unique_ptr<TF_Kcpd> w;
};

TEST_F(KcpdTest, SavingWritesTheLineTotalsAndThePendingTabApprovesWithTheMovementCheck)
{
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("单据中没有业务发生，不能保存！"));

    const QString number = w->gldjh->text();
    Line(number, QStringLiteral("G2"), 7, 10);
    Line(number, QStringLiteral("G1"), 20, 20);
    w->openGridViewData(number);
    w->updateBottomJe();
    EXPECT_EQ(w->tpdsl->text(), QStringLiteral("27.00"));
    EXPECT_EQ(w->tkcsl->text(), QStringLiteral("30.00"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select pd_sl,kc_sl,pd_status,pd_rq,ck_sn from jxc_kcpd where gl_djh='") + number
                  + QStringLiteral("'")),
        QStringList { QStringLiteral("27 30 0 2024-05-10 10:20 100001") });
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_log where log_note='") + U8("增加库存盘点单") + number
                  + U8("，共2种商品") + QStringLiteral("'")),
        1);
    EXPECT_NE(w->gldjh->text(), number);

    // A sale of a counted goods later the same day blocks the approval.
    Sql(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,ck_sn,gl_sl,gl_zje) values "
                       "('xs','XS9','2024-05-10 11:20','G2','100001',-1,-30)"));
    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->Q_Kcpd.RecordCount(), 1);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnRChkClick();
    EXPECT_TRUE(prompt.LastMessage().contains(QLatin1String("XS9")));
    EXPECT_EQ(Number(QStringLiteral("select pd_status from jxc_kcpd")), 0);

    Sql(QStringLiteral("delete from jxc_goodslist where gl_djh='XS9'"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnRChkClick();
    EXPECT_EQ(Number(QStringLiteral("select pd_status from jxc_kcpd")), 1);
    EXPECT_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G2' and ck_sn='100001'")), 7);
    EXPECT_EQ(w->Q_Kcpd.RecordCount(), 0);
}

TEST_F(KcpdTest, PendingCountCellTakesOnlyNumbersAndTheMismatchBoxFindsTheGoods)
{
    Header(QStringLiteral("PD240510001"), QStringLiteral("2024-05-10 09:00"), 0);
    const qint64 line = Line(QStringLiteral("PD240510001"), QStringLiteral("G1"), 20, 20);
    SizeRow(QStringLiteral("PD240510001"), line, QStringLiteral("R"), QStringLiteral("S"), 10);
    SizeRow(QStringLiteral("PD240510001"), line, QStringLiteral("B"), QStringLiteral("M"), 10);
    w->cxPage->setCurrentWidget(w->cxTab2);
    w->rYscm->setChecked(true);
    w->rDjbClick();
    ASSERT_EQ(w->Q_PdStep2.RecordCount(), 2);
    w->chkCy->setChecked(true);
    w->btnSearch2Click();
    EXPECT_EQ(w->Q_PdStep2.RecordCount(), 0);
    w->chkCy->setChecked(false);
    w->btnSearch2Click();

    const QString rowSql = QStringLiteral("select t_sl from jxc_kcpdspmx where color_sn='R'");
    const struct {
        const char* typed;
        double stored;
    } cases[] = { { "abc", 10 }, { "1e999", 10 }, { "8", 8 }, { "", 0 }, { "7.5", 7.5 }, { "O1", 7.5 } };
    for (const auto& c : cases) {
        // Rows go by size: M (blue) first, then S (red).
        w->PdStep2Edited(1, QLatin1String(c.typed));
        EXPECT_EQ(Number(rowSql), c.stored) << c.typed;
    }
    // The line's total stays, so the goods now shows under the mismatch box.
    EXPECT_EQ(Number(QStringLiteral("select pd_sl from jxc_kcpdsp")), 20);
    w->chkCy->setChecked(true);
    w->btnSearch2Click();
    EXPECT_EQ(w->Q_PdStep2.RecordCount(), 2);

    w->cxGridPdStep2View->selectRow(0);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnRDelMxClick();
    EXPECT_EQ(prompt.LastMessage(), U8("成功删除：1  个商品信息。"));
    EXPECT_EQ(Rows(QStringLiteral("select color_sn from jxc_kcpdspmx")), QStringList { QStringLiteral("R") });
    EXPECT_EQ(w->Q_PdStep2.RecordCount(), 1);
}

TEST_F(KcpdTest, BulkCancelFromTheQueryTabReversesTheDocumentsAfterTheLatestStockTake)
{
    Header(QStringLiteral("PD240509001"), QStringLiteral("2024-05-09 10:00"), 1);
    Sql(QStringLiteral("update jxc_kcpd set pd_chkrq='2024-05-09'"));
    Sql(QStringLiteral("insert into jxc_bsd (gl_djh,ck_sn,bs_bsrq,bs_status,bs_checker,bs_chkrq,u_sn,bs_note,a_name) "
                       "values ('BS240510001','100001','2024-05-10 09:00',0,'','','100001','','admin')"));
    Sql(QStringLiteral("insert into jxc_bssp (gl_djh,g_sn,bs_sl,bs_dj,bs_zje,bs_note,a_name) values "
                       "('BS240510001','G2',3,10,30,'','admin')"));
    ASSERT_TRUE(ApproveStockDocument(LossKind(), QStringLiteral("BS240510001")));
    Sql(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,ck_sn,gl_sl,gl_zje) values "
                       "('sc','SC240510001','2024-05-10 12:00','G1','100001',1,10)"));
    w->cxPage->setCurrentWidget(w->cxTab3);
    w->date1->setDate(QDate(2024, 5, 1));
    w->btnSearch3Click();
    ASSERT_EQ(w->Q_Kcpdcx.RecordCount(), 1);

    prompt.Answer(Prompt::Answer::No);
    w->btnUnChkAllClick();
    EXPECT_EQ(Number(QStringLiteral("select bs_status from jxc_bsd")), 1);

    prompt.Answer(Prompt::Answer::Yes);
    w->btnUnChkAllClick();
    EXPECT_EQ(prompt.LastMessage(), U8("取消审核完成，共2个单据，\r\n\r\n取消审核 1 个单据。"));
    EXPECT_TRUE(AuxTag.isEmpty());
    EXPECT_EQ(Number(QStringLiteral("select bs_status from jxc_bsd")), 0);
    EXPECT_EQ(Number(QStringLiteral("select pd_status from jxc_kcpd")), 1);
}

TEST_F(KcpdTest, ImportStagingChecksEveryRowWithBoundValues)
{
    const struct {
        const char* qty;
        const char* barcode;
        const char* status;
        const char* note;
    } cases[] = {
        { "2", "G1RS", "0", "可顺利导入" },
        { "0", "G1RS", "2", "数量不能为零或负数" },
        { "-1", "G1RS", "2", "数量不能为零或负数" },
        { "", "G1RS", "2", "数量不能为空" },
        { "abc", "G1RS", "2", "数量格式不正确" },
        { "3", "NOPE", "2", "商品条形码不正确" },
        { "0", "NOPE", "2", "商品条形码不正确" },
        { "1", "G1'RS", "2", "商品条形码不正确" },
    };
    std::vector<QStringList> rows;
    for (const auto& c : cases)
        rows.push_back({ QLatin1String(c.qty), QLatin1String(c.barcode) });
    EXPECT_EQ(StageStockTakeRows(rows), 7);
    const QStringList staged
        = Rows(QStringLiteral("select ghs_sn,ts_note from jxc_tempspxf where a_name='admin' order by id"));
    ASSERT_EQ(staged.size(), int(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(staged[int(i)], QLatin1String(cases[i].status) + QLatin1Char(' ') + U8(cases[i].note)) << i;
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,ts_dj,ts_sl,ts_zje from jxc_tempspxf order by id limit 1")),
        QStringList { QStringLiteral("G1 30 2 60") });
}

TEST_F(KcpdTest, ImportReplacesTheOperatorsDraftLinesAndReports)
{
    const QString number = w->gldjh->text();
    Line(number, QStringLiteral("G2"), 4, 10);                          // entered by hand: replaced
    Line(number, QStringLiteral("G2"), 6, 10, QStringLiteral("clerk")); // another operator's: kept
    TF_Kcpd_Import d;
    d.Activate();
    EXPECT_EQ(d.ckname->text(), w->comCk->currentText());
    d.btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), U8("模板中没有数据，不能进行导入操作！"));

    // G1 blue S has a barcode but was never stocked: it counts as imported, with no row.
    d.ReadRows({ { QStringLiteral("2"), QStringLiteral("G1RS") }, { QStringLiteral("3"), QStringLiteral("G1RS") },
        { QStringLiteral("5"), QStringLiteral("G1BS") }, { QStringLiteral("x"), QStringLiteral("G1BM") },
        { QStringLiteral("1"), QStringLiteral("NOPE") } });
    d.btnNext3Click();
    EXPECT_EQ(d.Q_KcpdImport.RecordCount(), 5);
    d.btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), U8("导入完毕\r\n\r\n共5条记录\r\n\r\n成功导入3条\r\n\r\n失败2条"));
    // Another operator holds lines under the number: the draft moved to a new one.
    EXPECT_NE(w->gldjh->text(), number);

    const QString lines = QStringLiteral("select g_sn,pd_sl,kc_sl,pd_dj,pd_zje,a_name from jxc_kcpdsp order by id");
    EXPECT_EQ(
        Rows(lines), (QStringList { QStringLiteral("G2 6 10 10 -40 clerk"), QStringLiteral("G1 5 20 10 -150 admin") }));
    EXPECT_EQ(
        Rows(QStringLiteral("select m.color_sn,m.cm_sn,m.t_sl,m.t_oldsl from jxc_kcpdspmx m inner join jxc_kcpdsp "
                            "s on m.tid=s.tid and m.g_sn=s.g_sn where s.a_name='admin' order by m.id")),
        (QStringList { QStringLiteral("R S 2 10"), QStringLiteral("R S 3 10") }));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_tempspxf")), 0);
    EXPECT_EQ(w->Q_Kcpdsp.RecordCount(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("select gl_djh from jxc_kcpdsp where a_name='admin'")), w->gldjh->text());

    // A second import leaves only its own lines.
    TF_Kcpd_Import again;
    again.Activate();
    again.ReadRows({ { QStringLiteral("9"), QStringLiteral("G1BM") } });
    again.btnImportClick();
    EXPECT_EQ(
        Rows(lines), (QStringList { QStringLiteral("G2 6 10 10 -40 clerk"), QStringLiteral("G1 9 20 10 -110 admin") }));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_kcpdspmx where a_name='admin'")), 1);
}

TEST_F(KcpdTest, ImportReadsTheFirstSheetOfEitherFormatByPosition)
{
    SheetTable table;
    table.captions = { U8("数量"), U8("条形码") };
    table.rows = { { 4, QStringLiteral("G1RS") }, { QStringLiteral("abc"), QStringLiteral("G1BM") } };
    for (const QString& name : { QStringLiteral("counts.xlsx"), QStringLiteral("counts.xls") }) {
        QString error;
        const QString path = Folder() + name;
        ASSERT_TRUE(name.endsWith(QLatin1String("x")) ? WriteXlsx(path, table, &error) : WriteXls(path, table, &error))
            << error.toStdString();
        TF_Kcpd_Import d;
        d.Activate();
        prompt.AnswerFile(path);
        d.btnOpenClick();
        EXPECT_EQ(d.ImportRowCount, 2) << name.toStdString();
        EXPECT_EQ(d.ImportFailCount, 1) << name.toStdString();
        EXPECT_TRUE(d.btnNext3->isEnabled());
        EXPECT_EQ(Rows(QStringLiteral("select ts_sl,t_ph,ghs_sn from jxc_tempspxf order by id")),
            (QStringList { QStringLiteral("4 G1RS 0"), QStringLiteral(" G1BM 2") }))
            << name.toStdString();
    }
}

} // namespace
