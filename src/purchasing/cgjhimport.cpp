#include "purchasing/cgjhimport.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/settings.h"
#include "masterdata/sheetimport.h"
#include "platform/db/dberror.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString kPurchaseSample = QStringLiteral("采购进货单模板");

// One sheet row's staging values: status 0 importable, 2 refused, with its message.
struct StagedRow {
    QString goods;
    double price = 0;
    double qty = 0;
    int status = 0;
    QString note;
};

StagedRow CheckPurchaseRow(const QString& qtyText, const QString& barcode)
{
    StagedRow row;
    row.note = QStringLiteral("可顺利导入");
    bool number = true;
    if (!qtyText.isEmpty())
        row.qty = QLocale::c().toDouble(qtyText, &number);
    if (qtyText.isEmpty()) {
        row.note = QStringLiteral("数量不能为空");
        row.status = 2;
    } else if (!number) {
        // A text that is no number is a row fault like any other, not the end of the reading.
        row.note = QStringLiteral("数量不是有效的数字");
        row.status = 2;
    } else if (row.qty <= 0) {
        row.note = QStringLiteral("数量不能为零或负数");
        row.status = 2;
    }
    const posting::Params tm { { QStringLiteral("tm"), barcode } };
    if (!posting::First(QStringLiteral("select tm_tm from jxc_tm where tm_tm=:tm limit 1"), tm).isValid()) {
        row.note = QStringLiteral("商品条形码不正确");
        row.status = 2;
    }
    Query goods(&posting::Db());
    OpenWithParams(goods,
        QStringLiteral("select a.g_sn,a.g_jj from jxc_goods a,jxc_tm b where a.g_sn=b.g_sn and b.tm_tm=:tm limit 1"),
        tm);
    if (!goods.IsEmpty()) {
        row.goods = goods.AsString(QStringLiteral("g_sn"));
        row.price = goods.AsFloat(QStringLiteral("g_jj"));
    }
    return row;
}

} // namespace

int StagePurchaseImportRows(const PositionalRows& rows)
{
    ClearTempLines();
    const bool round = IsTrue(RoundTotals);
    const int places = TotalDecimals.toInt();
    int failed = 0;
    for (const QStringList& cells : rows) {
        const QString qtyText = cells.value(0).trimmed();
        const QString barcode = cells.value(1).trimmed();
        const StagedRow row = CheckPurchaseRow(qtyText, barcode);
        if (row.status != 0 && row.status != 1)
            ++failed;
        const double total = round ? posting::RoundUp(row.price * row.qty, places) : row.price * row.qty;
        posting::Run(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_dzl,ts_note,a_name,t_ph) "
                                    "values (:sn,:dj,:sl,:zje,:dzl,:note,:aname,:ph)"),
            { { QStringLiteral("sn"), row.goods }, { QStringLiteral("dj"), row.price },
                { QStringLiteral("sl"), row.qty }, { QStringLiteral("zje"), total },
                { QStringLiteral("dzl"), row.status }, { QStringLiteral("note"), row.note },
                { QStringLiteral("aname"), CurrentAdminName }, { QStringLiteral("ph"), barcode } });
    }
    return failed;
}

QString ImportStagedPurchaseLines(const DocKind& kind, const QString& number, const QString& date)
{
    Transaction t(posting::Db());
    const QString n = RedrawIfHeld(kind, number, date);
    const posting::Params p { { QStringLiteral("n"), n }, { QStringLiteral("a"), CurrentAdminName } };
    const qint64 before = posting::First(QStringLiteral("select coalesce(max(id),0) from ") + kind.lines).toLongLong();
    const QString received = IsTrue(UseStockIn) ? QStringLiteral("0") : QStringLiteral("ts_sl");
    posting::Run(QStringLiteral("insert into ") + kind.lines
            + QStringLiteral(" (gl_djh,jh_dj,jh_sl,jh_zje,g_sn,a_name,t_ph,jh_je,jh_tax,jh_taxdj,jh_taxje,jh_rksl,"
                             "jh_dzl) select :n,ts_dj,ts_sl,ts_zje,g_sn,:a,t_ph,ts_zje,0,ts_dj,0,")
            + received + QStringLiteral(",1 from jxc_tempspxf where ts_dzl=0 and a_name=:a order by id"),
        p);
    posting::Run(QStringLiteral("update ") + kind.lines + QStringLiteral(" set tid=id where gl_djh=:n"), p);
    // Only the new lines get a colour-by-size row; earlier lines keep theirs.
    posting::Run(QStringLiteral("insert into ") + kind.detail
            + QStringLiteral(" (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select a.gl_djh,a.g_sn,b.cm_sn,"
                             "b.color_sn,a.jh_sl,a.a_name,a.id from ")
            + kind.lines
            + QStringLiteral(" a,jxc_tm b where a.g_sn=b.g_sn and a.t_ph=b.tm_tm and a.gl_djh=:n and a.id>:b "
                             "order by a.id"),
        { { QStringLiteral("n"), n }, { QStringLiteral("b"), before } });
    ClearTempLines();
    t.Commit();
    return n;
}

TF_Cgjh_Import::TF_Cgjh_Import(QWidget* parent) : TF_Cgjh_Import(GoodsInKind(), parent) { }

TF_Cgd_Import::TF_Cgd_Import(QWidget* parent) : TF_Cgjh_Import(PurchaseOrderKind(), parent)
{
    setObjectName(QStringLiteral("TF_Cgd_Import"));
}

TF_Cgjh_Import::TF_Cgjh_Import(const DocKind& kind, QWidget* parent)
    : Form(parent), kind_(kind), order_(kind.prefix == QLatin1String("CD"))
{
    setObjectName(QStringLiteral("TF_Cgjh_Import"));
    setWindowTitle(QStringLiteral("采购单据导入"));
    resize(680, 460);
    auto* box = new QVBoxLayout(this);
    pages = new QStackedWidget(this);
    box->addWidget(pages);

    gbFirst = new QGroupBox(QStringLiteral("第一步：准备导入数据"));
    auto* first = new QVBoxLayout(gbFirst);
    auto* usage = new QLabel(
        QStringLiteral("1、Excel表格的第一行为标题信息，从第二行起每行一种商品：第一列为数量，第二列为商品条码。\n"
                       "2、点击“打开文件(F2)”选择Excel文件，读取后点击“下一步(&N)”检查数据，再点击“导入(F5)”。"));
    usage->setWordWrap(true);
    first->addWidget(usage);
    auto* link = new QLabel(QStringLiteral("<a href=\"#\">软件提供的Excel模板</a>"));
    link->setObjectName(QStringLiteral("urlExcel"));
    connect(link, &QLabel::linkActivated, this, [this] { urlExcelClick(); });
    first->addWidget(link);
    if (!order_)
        first->addWidget(new QLabel(QStringLiteral("注：只能导入有条码的信息")));
    first->addStretch(1);
    auto* firstButtons = new QHBoxLayout;
    firstButtons->addStretch(1);
    btnOpen = new QPushButton(QStringLiteral("打开文件(F2)"));
    btnNext = new QPushButton(QStringLiteral("下一步(&N)"));
    auto* cancel1 = new QPushButton(QStringLiteral("取消(Esc)"));
    for (QPushButton* b : { btnOpen, btnNext, cancel1 })
        firstButtons->addWidget(b);
    first->addLayout(firstButtons);
    pages->addWidget(gbFirst);

    gbGrid = new QGroupBox(QStringLiteral("选择要导入的 商品"));
    auto* second = new QVBoxLayout(gbGrid);
    cxGrid1 = new DataGrid(gbGrid);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->SetDataSource(&F_DataModule->D(QStringLiteral("D_JhImport")));
    QStyle* style = QApplication::style();
    cxGrid1->SetImageColumn(cxGrid1->AddColumn(QStringLiteral("ts_dzl"), QString(), 30),
        { style->standardIcon(QStyle::SP_DialogApplyButton), style->standardIcon(QStyle::SP_MessageBoxWarning),
            style->standardIcon(QStyle::SP_MessageBoxCritical) });
    AddGridColumns(*cxGrid1,
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "140" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "ts_dj", "单价", "70" }, { "ts_sl", "数量", "60" },
            { "ts_note", "提示信息", "160" } });
    for (int c = 0; c < cxGrid1->ColumnCount(); ++c)
        cxGrid1->SetColumnEditable(c, false);
    second->addWidget(cxGrid1, 1);
    auto* legend = new QHBoxLayout;
    for (const char* text :
        { "符号：", "表示数据正确", "表示数据存在问题，但可导入", "表示不可导入", "“提示信息”列有详细说明" })
        legend->addWidget(new QLabel(QString::fromUtf8(text)));
    legend->addStretch(1);
    second->addLayout(legend);
    auto* secondButtons = new QHBoxLayout;
    secondButtons->addStretch(1);
    auto* prior = new QPushButton(QStringLiteral("上一步(&P)"));
    btnImport = new QPushButton(QStringLiteral("导入(F5)"));
    auto* cancel2 = new QPushButton(QStringLiteral("取消(Esc)"));
    for (QPushButton* b : { prior, btnImport, cancel2 })
        secondButtons->addWidget(b);
    second->addLayout(secondButtons);
    pages->addWidget(gbGrid);

    connect(btnOpen, &QPushButton::clicked, this, &TF_Cgjh_Import::btnOpenClick);
    connect(btnNext, &QPushButton::clicked, this, &TF_Cgjh_Import::btnNextClick);
    connect(prior, &QPushButton::clicked, this, &TF_Cgjh_Import::btnPriorClick);
    connect(btnImport, &QPushButton::clicked, this, &TF_Cgjh_Import::btnImportClick);
    connect(cancel1, &QPushButton::clicked, this, &QWidget::close);
    connect(cancel2, &QPushButton::clicked, this, &QWidget::close);
}

TF_Cgjh_Import::~TF_Cgjh_Import() = default;

void TF_Cgjh_Import::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_Cgjh_Import::FormActivate()
{
    btnPriorClick();
}

void TF_Cgjh_Import::btnPriorClick()
{
    rowCount = failedCount = importedCount = 0;
    if (order_)
        ClearTempLines();
    pages->setCurrentWidget(gbFirst);
    btnNext->setEnabled(false);
}

void TF_Cgjh_Import::btnOpenClick()
{
    ClearTempLines();
    const QString path = Prompt::OpenFile(QStringLiteral("打开"), kWorkbookFilter);
    if (!path.isEmpty())
        ReadFile(path);
}

bool TF_Cgjh_Import::ReadFile(const QString& path)
{
    QString sheet;
    if (!ConnectWorkbook(objectName(), path, &sheet))
        return false;
    Query& excel = F_DataModule->Q_Excel;
    try {
        OpenQuery(excel, QStringLiteral("select * from [") + sheet + QStringLiteral("] "));
    } catch (const DbError&) {
        CloseExcel();
        Prompt::Info(kNotAWorkbook);
        return false;
    }
    PositionalRows rows;
    for (int r = 0; r < excel.RecordCount(); ++r)
        rows.push_back({ excel.FieldCount() > 0 ? excel.TextAt(r, 0) : QString(),
            excel.FieldCount() > 1 ? excel.TextAt(r, 1) : QString() });
    CloseExcel();
    rowCount = int(rows.size());
    failedCount = 0;
    const bool done
        = RunImportPass(this, 1, [&](const std::function<void()>&) { failedCount = StagePurchaseImportRows(rows); });
    if (!done) {
        rowCount = failedCount = 0;
        return false;
    }
    importedCount = rowCount - failedCount;
    btnNext->setEnabled(true);
    return true;
}

void TF_Cgjh_Import::btnNextClick()
{
    if (!btnNext->isEnabled())
        return;
    pages->setCurrentWidget(gbGrid);
    OpenWithParams(F_DataModule->Q(QStringLiteral("Q_JhImport")),
        QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name from jxc_tempspxf a left outer join "
                       "jxc_goods b on a.g_sn=b.g_sn where a.a_name=:op order by a.id"),
        { { QStringLiteral("op"), CurrentAdminName } });
}

void TF_Cgjh_Import::btnImportClick()
{
    if (rowCount == 0) {
        Prompt::Info(kNothingToImport);
        return;
    }
    DocHost* host = FindDocHost(kind_.prefix);
    if (!host)
        return;
    const QString shown = host->number();
    QString number = shown;
    if (!RunImportPass(this, 1,
            [&](const std::function<void()>&) { number = ImportStagedPurchaseLines(kind_, shown, host->date()); }))
        return;
    if (number != shown)
        host->showNumber(number);
    Prompt::Info(ImportSummaryText(rowCount, rowCount - failedCount, failedCount, 0, false));
    host->reloadDraft();
    close();
    rowCount = failedCount = importedCount = 0;
}

void TF_Cgjh_Import::urlExcelClick()
{
    OpenSampleFile(kPurchaseSample);
}

void TF_Cgjh_Import::FormClose()
{
    F_DataModule->Q(QStringLiteral("Q_JhImport")).Close();
    if (order_)
        ClearTempLines();
}

void TF_Cgjh_Import::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_F2:
        btnOpenClick();
        return;
    case Qt::Key_F5:
        btnImportClick();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        Form::keyPressEvent(e);
    }
}
