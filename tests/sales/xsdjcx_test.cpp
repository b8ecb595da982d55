#include "salesquerytest.h"

#include "documents/docpayment.h"
#include "foundation/datamodule.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/sheet/sheetreader.h"
#include "platform/ui/keyedcombo.h"
#include "sales/saleswindows.h"
#include "sales/xsdjcx.h"
#include "sales/xsthsearch.h"
#include "support/platform/testtext.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStackedBarSeries>

namespace {

// Approved in May: delivery XS1 of one piece on the 2nd (settled), delivery XS2 of
// two pieces on the 3rd in warehouse W2 with 50 owed, and return XT1 of one piece
// on the 4th.
class XsdjcxTest : public SalesQueryTest {
protected:
    void SetUp() override
    {
        SalesQueryTest::SetUp();
        RegisterSalesWindows();
        Sql(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name) values ('GC1','上衣')"));
        Sql(QStringLiteral("update jxc_goods set gc_sn='GC1'"));
        const QDir source(SourceResource(QStringLiteral("report")));
        QDir().mkpath(ProgramFolder::File(QStringLiteral("report")));
        for (const QString& name : source.entryList({ QStringLiteral("*.fr3") }, QDir::Files))
            QFile::copy(source.filePath(name), ProgramFolder::File(QStringLiteral("report/") + name));
        fixture::AddWarehouse(QStringLiteral("W2"), S("二号仓"));
        fixture::SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("W2"), 100, 50, 100);
        Approved(QStringLiteral("XS24050210001"), QStringLiteral("2024-05-02 09:00"), 1);
        Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=100 where gl_djh='XS24050210001'"));
        Approved(QStringLiteral("XS24050310001"), QStringLiteral("2024-05-03 09:00"), 2, QStringLiteral("W2"));
        Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=150,ls_yhje=0,ls_hkje=0 where gl_djh='XS24050310001'"));
        Approved(QStringLiteral("XT24050410001"), QStringLiteral("2024-05-04 09:00"), 1);
        Sql(QStringLiteral("update jxc_xsthd set th_sfje=-100,th_hkje=0 where gl_djh='XT24050410001'"));
        UseDocPayment = QStringLiteral("1");
        q = std::make_unique<TF_Xsdjcx>();
        q->Activate();
    }
    void TearDown() override
    {
        q.reset();
        TF_Xsdjcx::QueryDocKind.clear();
        WholeReturnDocNo.clear();
        BindOperatorWarehouse = QStringLiteral("0");
        CurrentRoleSn = QStringLiteral("100001");
        SalesQueryTest::TearDown();
    }
    static QStringList Texts(Query& query, const char* field)
    {
        QStringList texts;
        for (int r = 0; r < query.RecordCount(); ++r)
            texts << query.TextAt(r, query.FieldIndex(QLatin1String(field)));
        return texts;
    }
    QStringList Docs() { return Texts(q->Q_Lsxsd, "gl_djh"); }
    QStringList LedgerDocs()
    {
        QStringList docs = Texts(q->Q_GList2, "gl_djh");
        docs.removeDuplicates();
        return docs;
    }
    std::unique_ptr<TF_Xsdjcx> q;
};

TEST_F(XsdjcxTest, KindFilterAndDatesOverTheViews)
{
    EXPECT_EQ(Docs(), (QStringList { "XT24050410001", "XS24050310001", "XS24050210001" })) << "an empty key lists all";
    struct Case {
        const char* kind;
        QStringList docs;
        QStringList ledger;
    };
    const Case cases[] = {
        { "xt", { "XT24050410001" }, { "XT24050410001" } },
        { "xs", { "XS24050310001", "XS24050210001" }, { "XS24050310001", "XS24050210001" } },
        { "qk", { "XS24050310001" }, { "XT24050410001", "XS24050310001", "XS24050210001" } },
    };
    for (const Case& c : cases) {
        q->rDjb->setChecked(true);
        q->SetKindFilter(QLatin1String(c.kind));
        EXPECT_EQ(Docs(), c.docs) << c.kind;
        if (QLatin1String(c.kind) == QLatin1String("xt"))
            EXPECT_FALSE(q->Q_Lsxsd.SQL().contains(QLatin1String("union"))) << "returns only: one arm";
        q->rMxb->setChecked(true);
        EXPECT_EQ(LedgerDocs(), c.ledger) << c.kind;
        q->rHzb->setChecked(true);
        EXPECT_EQ(q->Q_GXsHZ.RecordCount(), 1) << c.kind;
        EXPECT_GT(q->Q_GList.RecordCount(), 0) << c.kind << " ledger rows under the summary";
    }
    q->rDjb->setChecked(true);
    q->SetKindFilter(QString());
    ASSERT_TRUE(q->Q_Lsxsd.Locate(QStringLiteral("gl_djh"), QStringLiteral("XS24050310001")));
    EXPECT_EQ(q->Q_Lsxsd.AsFloat(QStringLiteral("wfje")), 50);
    q->setLsxsspList();
    EXPECT_EQ(q->Q_Lsxssp2.RecordCount(), 1);

    // Approved on another day than written: listed by the approval date only.
    Sql(QStringLiteral("update jxc_lsxsd set ls_chkrq='2024-06-01' where gl_djh='XS24050210001'"));
    q->comRq->setCurrentIndex(1);
    EXPECT_EQ(Docs(), (QStringList { "XT24050410001", "XS24050310001" }));
    q->tdate2->setDate(QDate(2024, 6, 1));
    q->btnSearch2Click();
    EXPECT_EQ(Docs().first(), QStringLiteral("XS24050210001")) << "the last day counts whole";

    q->tchkKey->setText(QStringLiteral("0310"));
    q->btnSearch2Click();
    EXPECT_EQ(Docs(), QStringList { QStringLiteral("XS24050310001") }) << "the key narrows by number";
    q->tchkKey->setText(S("客户一"));
    q->btnSearch2Click();
    EXPECT_EQ(Docs().size(), 3) << "and by customer name";
}

TEST_F(XsdjcxTest, BoundOperatorSeesOnlyHisWarehousesAndRowsAreColoured)
{
    Sql(QStringLiteral("update jxc_ckxx set ck_asn='100001' where ck_sn='100001'"));
    Sql(QStringLiteral("update jxc_ckxx set ck_asn='999' where ck_sn='W2'"));
    BindOperatorWarehouse = QStringLiteral("1");
    CurrentRoleSn = QStringLiteral("100002");
    q->btnSearch2Click();
    EXPECT_FALSE(Docs().contains(QStringLiteral("XS24050310001")));
    EXPECT_EQ(Docs().size(), 2);
    q->rMxb->setChecked(true);
    EXPECT_FALSE(LedgerDocs().contains(QStringLiteral("XS24050310001")));
    q->rHzb->setChecked(true);
    EXPECT_EQ(q->Q_GXsHZ.AsFloat(QStringLiteral("sl")), 0) << "one sold, one returned";
    q->rTjt->setChecked(true);
    EXPECT_EQ(Texts(q->Q_ChartXsdjcs, "ls_xsrq"), (QStringList { "2024-05-02", "2024-05-04" }));

    BindOperatorWarehouse = QStringLiteral("0");
    CurrentRoleSn = QStringLiteral("100001");
    Sql(QStringLiteral("update jxc_lsxsd set ls_th=1 where gl_djh='XS24050210001'"));
    q->rDjb->setChecked(true);
    const auto colour = [this](const QString& number, const char* field) {
        const int row = Docs().indexOf(number);
        const QModelIndex at = q->cxGrid2View->model()->index(row, q->cxGrid2View->ColumnByField(QLatin1String(field)));
        return q->cxGrid2View->model()->data(at, Qt::ForegroundRole).value<QColor>();
    };
    EXPECT_EQ(colour(QStringLiteral("XS24050210001"), "gtype"), QColor(Qt::red)) << "returned as a whole";
    EXPECT_NE(colour(QStringLiteral("XT24050410001"), "gtype"), QColor(Qt::red));
    EXPECT_EQ(colour(QStringLiteral("XS24050310001"), "wfje"), QColor(Qt::red));
}

TEST_F(XsdjcxTest, DailyChartHoldsTheDaysAndTheChosenValues)
{
    q->rTjt->setChecked(true);
    // The days on the axis and each day's value: its bar, whichever set holds it.
    const auto bars = [this] {
        auto* axis = static_cast<QBarCategoryAxis*>(q->DBChart_Tjh->chart()->axes(Qt::Horizontal).value(0));
        auto* series = static_cast<QStackedBarSeries*>(q->DBChart_Tjh->chart()->series().value(0));
        QList<double> values(axis->count(), 0);
        QSet<QRgb> colours;
        for (QBarSet* set : series->barSets()) {
            colours.insert(set->color().rgb());
            for (int i = 0; i < set->count() && i < values.size(); ++i)
                values[i] += set->at(i);
        }
        EXPECT_EQ(colours.size(), std::min<qsizetype>(axis->count(), 8)) << "a colour for each bar";
        return std::make_pair(axis->categories(), values);
    };
    const QStringList days { "2024-05-02", "2024-05-03", "2024-05-04" };
    EXPECT_EQ(bars().first, days);
    EXPECT_EQ(bars().second, (QList<double> { 1, 2, -1 })) << "quantity, the default";
    q->comNr->setCurrentIndex(0);
    EXPECT_EQ(bars().second, (QList<double> { 100, 200, -100 }));
    q->rQxt->setChecked(true);
    EXPECT_EQ(q->DBChart_Tjh->chart()->series().value(0)->type(), QAbstractSeries::SeriesTypeLine);

    // The goods chart counts approved deliveries only, through the whole last day.
    fixture::AddDocument({ fixture::Trade::Sale, QStringLiteral("XS24051010009"), QStringLiteral("2024-05-10 18:00"),
        QStringLiteral("K1"), QStringLiteral("100001"), QStringLiteral("100001"), 0,
        { { QStringLiteral("G1"), 5, 100 } } });
    Sql(QStringLiteral("update jxc_lsxsd set ls_xsrq='2024-05-10 18:00' where gl_djh='XS24050210001'"));
    q->comNr->setCurrentIndex(1);
    q->GoodsChart();
    EXPECT_EQ(Texts(q->Q_ChartXsdjcs, "ls_xsrq"), (QStringList { "2024-05-03 09:00", "2024-05-10 18:00" }));
    EXPECT_EQ(Texts(q->Q_ChartXsdjcs, "xssl"), (QStringList { "2", "1" }));
    EXPECT_EQ(q->tTjtKey->text(), S("衬衫"));
}

TEST_F(XsdjcxTest, CancelAllCountsTheRefusedDocumentOut)
{
    Sql(QStringLiteral("insert into jxc_cksp (gl_djh,gl_djh2,g_sn) values ('CK1','XS24050310001','G1')"));
    prompt.Answer(Prompt::Answer::Yes);
    q->btn_UnChkAllClick();
    EXPECT_EQ(prompt.LastMessage(),
        S("取消审核完成，共 3 个单据，\r\n\r\n取消审核 2 "
          "个单据，\r\n\r\n如果有未取消审核的单据，\r\n\r\n请单独取消审核！"));
    EXPECT_EQ(Docs(), QStringList { QStringLiteral("XS24050310001") });
}

TEST_F(XsdjcxTest, WholeReturnRefusalsAndHandOver)
{
    q->show();
    ASSERT_TRUE(q->Q_Lsxsd.Locate(QStringLiteral("gl_djh"), QStringLiteral("XT24050410001")));
    q->btn_ZdthClick();
    Sql(QStringLiteral("update jxc_lsxsd set ls_th=1 where gl_djh='XS24050310001'"));
    ASSERT_TRUE(q->Q_Lsxsd.Locate(QStringLiteral("gl_djh"), QStringLiteral("XS24050310001")));
    q->btn_ZdthClick();
    q->rTjt->setChecked(true);
    q->btn_ZdthClick();
    EXPECT_EQ(prompt.Messages(),
        (QStringList { S("单据XT24050410001不能退货，只有“XS”开头的单据才能退货！"),
            S("该单据已经进行过整单退货，不能重复退货！"), S("整单退货不能在统计图界面完成！") }));
    EXPECT_EQ(WholeReturnDocNo, QString());

    q->rMxb->setChecked(true);
    ASSERT_TRUE(q->Q_GList2.Locate(QStringLiteral("gl_djh"), QStringLiteral("XS24050210001")));
    q->btn_ZdthClick();
    EXPECT_EQ(WholeReturnDocNo, QStringLiteral("XS24050210001")) << "taken from a ledger row";
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthsp")), 1) << "nothing copied: the return window takes it over";
    EXPECT_FALSE(q->isVisible());
}

TEST(SalesNeedsCollecting, JudgedOnCents)
{
    struct Case {
        const char* number;
        double payable, paid, discount, collected;
        bool needs;
    };
    const Case cases[] = {
        { "XS1", 100, 60, 0, 40, false },
        { "XS1", 100, 60, 0, 30, true },
        { "XS1", 100, 60, 0, 39.999, false },
        { "XT1", -50, 0, 0, 0, true },
        { "XT1", 50, 0, 0, 0, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(DocNeedsPayment(QLatin1String(c.number), c.payable, c.paid, c.discount, c.collected), c.needs)
            << c.number << ' ' << c.payable << ' ' << c.collected;
}

TEST_F(XsdjcxTest, ReceiptOpensOnlyWhereMoneyIsOwed)
{
    ASSERT_TRUE(q->Q_Lsxsd.Locate(QStringLiteral("gl_djh"), QStringLiteral("XS24050210001")));
    q->btn_FukuanClick();
    EXPECT_EQ(prompt.LastMessage(), S("该单据不需要收款！"));
    q->show();
    q->tdate1->setDate(QDate(2024, 5, 3));
    q->btnSearch2Click();
    const int activations = q->ActivationCount();
    ASSERT_TRUE(q->Q_Lsxsd.Locate(QStringLiteral("gl_djh"), QStringLiteral("XS24050310001")));
    prompt.OnModal(QStringLiteral("TF_Yskgl_Sk"), [](QDialog* d) {
        d->close();
        return 0;
    });
    q->btn_FukuanClick();
    EXPECT_EQ(prompt.ModalNames(), QStringList { QStringLiteral("TF_Yskgl_Sk") });
    EXPECT_EQ(q->ActivationCount(), activations) << "closing the dialog does not reset the window";
    EXPECT_EQ(q->tdate1->date(), QDate(2024, 5, 3));
}

TEST_F(XsdjcxTest, PrintsAndExports)
{
    PrintLog::Clear();
    q->btn_PrinClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QLatin1String("xsdjcxdjb.fr3")));
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("xsdjcxdjb")).rows.size(), 3);
    q->rHzb->setChecked(true);
    q->btn_PrinClick();
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("xsdjcxhzb")).rows.size(), 1);

    q->rDjb->setChecked(true);
    PrintLog::Clear();
    prompt.Answer(Prompt::Answer::Yes);
    ChooseSalesPrintFormat = QStringLiteral("1");
    SalesReturnTemplate = QStringLiteral("spxs.fr3"); // the return's own template is not the point here
    q->btn_LxdyClick();
    EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), 3);
    EXPECT_FALSE(prompt.ModalNames().contains(QStringLiteral("TF_PrinSele"))) << "no template choice in a batch";

    const QString file = Folder() + QStringLiteral("docs.xlsx");
    prompt.AnswerFile(file);
    q->btn_ExportClick(false);
    SheetData sheet;
    QString error;
    ASSERT_TRUE(SheetReader::ReadSheet(file, 0, &sheet, &error)) << error.toStdString();
    EXPECT_EQ(sheet.RowCount(), 3);

    q->tdate1->setDate(QDate(2024, 1, 1));
    q->tdate2->setDate(QDate(2024, 1, 2));
    q->btnSearch2Click();
    PrintLog::Clear();
    q->btn_LxdyClick();
    EXPECT_TRUE(PrintLog::Records().isEmpty()) << "an empty list asks nothing";
}

TEST_F(XsdjcxTest, AdvancedSearchEscKeepsConditionsAndBoundOperatorSeesHisWarehouses)
{
    prompt.OnModal(QStringLiteral("TF_Xsth_Search"), [](QDialog* d) {
        d->close(); // Esc
        return 0;
    });
    q->btn_ChaZhaoClick();
    EXPECT_EQ(AuxTag, QString());
    EXPECT_EQ(Docs().size(), 3);

    prompt.OnModal(QStringLiteral("TF_Xsth_Search"), [](QDialog* d) {
        auto* s = static_cast<TF_Xsth_Search*>(d);
        s->comCk->setCurrentIndex(s->comCk->findText(S("二号仓")));
        s->btnOKClick();
        return 1;
    });
    q->btn_ChaZhaoClick();
    EXPECT_EQ(Docs(), QStringList { QStringLiteral("XS24050310001") });
    EXPECT_EQ(q->tdate1->date(), QDate(2024, 4, 1)) << "the dialog's period";

    Sql(QStringLiteral("update jxc_ckxx set ck_asn=case when ck_sn='W2' then '100001' else '999' end"));
    BindOperatorWarehouse = QStringLiteral("1");
    CurrentRoleSn = QStringLiteral("100002");
    TF_Xsth_Search search;
    search.Activate();
    EXPECT_EQ(search.comCk->count(), 1);
    EXPECT_EQ(search.comCk->currentText(), S("二号仓"));
}

} // namespace
