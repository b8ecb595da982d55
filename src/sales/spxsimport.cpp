#include "sales/spxsimport.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "documents/docwindow.h"
#include "foundation/customerprice.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/sheet/sheetreader.h"
#include "platform/ui/prompt.h"
#include "posting/costprice.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

using namespace posting;

namespace {

struct ImportRow {
    QString code, name, price, discount, qty, batch;
};

ImportRow ReadImportRow(const QStringList& cells)
{
    const auto at = [&](int i) { return cells.value(i).trimmed(); };
    return { at(0), at(1), at(2), at(3), at(4), at(5) };
}

// The goods of the row that the warehouse stocks: by code, else the first by name.
QHash<QString, QString> FindImportGoods(const ImportRow& row, const QString& warehouse)
{
    const QString sql
        = QStringLiteral("select a.* from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and b.ck_sn=:w and ");
    Query q(&Db());
    q.SetSQL(sql + QStringLiteral("a.g_sn=:v order by a.id limit 1"));
    q.SetParam(QStringLiteral("w"), warehouse);
    q.SetParam(QStringLiteral("v"), row.code);
    q.Open();
    if (q.IsEmpty()) {
        q.SetSQL(sql + QStringLiteral("a.g_name=:v order by a.id limit 1"));
        q.SetParam(QStringLiteral("w"), warehouse);
        q.SetParam(QStringLiteral("v"), row.name);
        q.Open();
    }
    QHash<QString, QString> goods;
    if (!q.IsEmpty())
        for (const char* f : { "g_sn", "dw_name", "g_sptm", "g_lsj" })
            goods.insert(QLatin1String(f), q.AsString(QLatin1String(f)));
    return goods;
}

// The sheet names no colour or size: each new line gets one colour-by-size row of
// its whole quantity in the first colour and size that the goods' colour-by-size
// dialog lays out (the built-in "100001" of a group without members), so that it
// shows, changes, deletes and moves stock like a line entered through that dialog.
void AddFirstColorSizeRows(const DocKind& kind, const QString& number, qint64 afterId)
{
    Run(QStringLiteral("insert into ") + kind.detail
            + QStringLiteral(
                " (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select a.gl_djh,a.g_sn,"
                "coalesce((select s.cm_sn from jxc_cm s,jxc_cmz2 z where s.cm_sn=z.cm_sn and z.cmz_sn=g.cmz_sn "
                "order by s.id limit 1),'100001'),coalesce((select c.color_sn from jxc_color c,jxc_colorz2 z "
                "where c.color_sn=z.color_sn and z.colorz_sn=g.colorz_sn order by c.id limit 1),'100001'),"
                "a.ls_sl,a.a_name,a.id from ")
            + kind.lines
            + QStringLiteral(" a,jxc_goods g where a.g_sn=g.g_sn and a.gl_djh=:n and a.a_name=:a and a.id>:b "
                             "order by a.id"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName },
            { QStringLiteral("b"), afterId } });
}

double ImportTotal(double x)
{
    return IsTrue(RoundTotals) ? RoundUp(x, TotalDecimals.toInt()) : x;
}

} // namespace

int StageSalesImportRows(const std::vector<QStringList>& rows, const SalesImportTarget& target)
{
    Transaction t(Db());
    ClearTempLines();
    const double tax = target.order ? 0 : DefaultTaxRate.toDouble() / 100;
    int failed = 0;
    for (const QStringList& cells : rows) {
        const ImportRow row = ReadImportRow(cells);
        const QHash<QString, QString> goods = FindImportGoods(row, target.warehouse);
        const QString sn = goods.value(QStringLiteral("g_sn"));
        QString note = QStringLiteral("可顺利导入");
        bool refused = false;
        const auto refuse = [&](const char* why) {
            note = QString::fromUtf8(why);
            refused = true;
        };
        if (sn.isEmpty())
            refuse("商品不存在");
        bool qtyNumber = false;
        const double qty = row.qty.toDouble(&qtyNumber);
        if (row.qty.isEmpty())
            refuse("数量不能为空");
        else if (!qtyNumber)
            refuse("数量必须是数字");
        else if (qty <= 0)
            refuse("数量不能为零或负数");
        bool priceNumber = false;
        double price = (row.price.isEmpty() ? QStringLiteral("0") : row.price).toDouble(&priceNumber);
        if (target.order && row.price.isEmpty())
            refuse("单价不能为空");
        else if (!priceNumber)
            refuse("单价必须是数字");
        else if (target.order && price <= 0)
            refuse("单价不能为零或负数");
        else if (price < 0)
            refuse("单价不能为负数");
        else if (price == 0 && !sn.isEmpty())
            price = GetCustomerPrice(target.customer, sn).toDouble();
        bool discountNumber = false;
        double discount = row.discount.toDouble(&discountNumber);
        if (!discountNumber || discount == 0)
            discount = 1;
        const double q = qtyNumber ? qty : 0;
        const double p = priceNumber ? price : 0;
        const double cost
            = sn.isEmpty() || (target.order && refused) ? 0 : GetCostPrice(sn, target.warehouse, target.date);
        if (refused)
            ++failed;
        Row values { { QStringLiteral("g_sn"), sn }, { QStringLiteral("ts_dj"), p }, { QStringLiteral("ts_sl"), q },
            { QStringLiteral("ts_dzl"), discount }, { QStringLiteral("ts_note"), note },
            { QStringLiteral("ghs_sn"), refused ? QStringLiteral("2") : QStringLiteral("0") },
            { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("dw_name"), goods.value(QStringLiteral("dw_name")) },
            { QStringLiteral("g_sptm"), goods.value(QStringLiteral("g_sptm")) },
            { QStringLiteral("ts_lsj"),
                goods.value(QStringLiteral("g_lsj")).isEmpty() ? QStringLiteral("0")
                                                               : goods.value(QStringLiteral("g_lsj")) },
            { QStringLiteral("ts_cbj"), cost }, { QStringLiteral("t_ph"), row.batch },
            { QStringLiteral("ts_zje"), ImportTotal((1 + tax) * p * q * discount) } };
        if (!target.order) {
            values.append({ QStringLiteral("ts_zsl"), q });
            values.append({ QStringLiteral("ts_je"), ImportTotal(p * q * discount) });
            values.append({ QStringLiteral("ts_tax"), tax * 100 });
            values.append({ QStringLiteral("ts_taxdj"), (1 + tax) * p });
            values.append({ QStringLiteral("ts_taxje"), ImportTotal(p * tax * q * discount) });
            values.append({ QStringLiteral("ts_cbj2"), cost });
            values.append({ QStringLiteral("ts_zcb"), ImportTotal(cost * q) });
            values.append({ QStringLiteral("ts_zhdj"), 1 });
            values.append({ QStringLiteral("t_zp"), QString() });
            values.append({ QStringLiteral("gl_djh2"), QString() });
            values.append({ QStringLiteral("idck"), 0 });
        }
        InsertRow(QStringLiteral("jxc_tempspxf2"), values);
    }
    t.Commit();
    return failed;
}

QString ImportStagedSalesLines(const SalesImportTarget& target)
{
    const DocKind& kind = target.order ? SalesOrderKind() : SalesDeliveryKind();
    Transaction t(Db());
    // Another operator's lines under the number: the operator's own go along to the new one.
    const QString number = RedrawIfHeld(kind, target.number, target.date);
    const qint64 before = First(QStringLiteral("select coalesce(max(id),0) from ") + kind.lines).toLongLong();
    const QString from
        = QStringLiteral(" from jxc_tempspxf2 where (ghs_sn='0' or ghs_sn='1') and a_name=:a order by id");
    if (target.order) {
        const QString cost = IsTrue(RoundTotals) ? QStringLiteral("round(ts_cbj*ts_sl+0.000000001,")
                + QString::number(TotalDecimals.toInt()) + QLatin1Char(')')
                                                 : QStringLiteral("ts_cbj*ts_sl");
        Run(QStringLiteral(
                "insert into jxc_xssp (gl_djh,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,g_sn,a_name,t_zp,ls_je,ls_tax,"
                "ls_taxdj,ls_taxje,ls_lsj,ls_cksl,ls_zsl,dw_name,g_sptm,ls_cbj,ls_zcb,g_zhxs,ls_bz) select "
                ":n,ts_dj,ts_sl,ts_zje,ts_dzl,ts_zje,g_sn,a_name,'',ts_zje,0,ts_dj,0,ts_lsj,ts_sl,ts_sl,dw_name,"
                "g_sptm,ts_cbj,")
                + cost + QStringLiteral(",1,t_ph") + from,
            { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } });
    } else {
        Run(QStringLiteral(
                "insert into jxc_lsxssp (gl_djh,ls_dj,ls_sl,ls_zje,g_sn,a_name,ls_dzl,ls_zhje,t_zp,ls_je,"
                "ls_tax,ls_taxdj,ls_taxje,ls_lsj,ls_cksl,ls_zsl,dw_name,g_sptm,ls_cbj,ls_zcb,ls_cbj2,g_zhxs,"
                "ls_bz,gl_djh3,idck) select :n,ts_dj,ts_sl,ts_zje,g_sn,a_name,ts_dzl,ts_zje,t_zp,ts_je,ts_tax,"
                "ts_taxdj,ts_taxje,ts_lsj,")
                + (IsTrue(UseStockOut) ? QStringLiteral("0") : QStringLiteral("ts_sl"))
                + QStringLiteral(",ts_zsl,dw_name,g_sptm,ts_cbj,ts_zcb,ts_cbj2,ts_zhdj,t_ph,gl_djh2,idck") + from,
            { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } });
    }
    Run(QStringLiteral("update ") + kind.lines + QStringLiteral(" set tid=id where gl_djh=:n and tid is null"),
        { { QStringLiteral("n"), number } });
    AddFirstColorSizeRows(kind, number, before);
    ClearTempLines();
    t.Commit();
    return number;
}

SalesImportForm::SalesImportForm(bool order, QWidget* parent) : Form(parent), order_(order)
{
    setObjectName(order ? QStringLiteral("TF_Spdd_Import") : QStringLiteral("TF_Spxs_Import"));
    setWindowTitle(order ? QStringLiteral("销售订单数据导入") : QStringLiteral("销售单数据导入"));
    resize(640, 420);
    auto* box = new QVBoxLayout(this);
    pages = new QStackedWidget(this);
    box->addWidget(pages);
    auto* first = new QGroupBox(QStringLiteral("第一步：准备导入数据"));
    first->setObjectName(QStringLiteral("RzPanel3"));
    auto* firstBox = new QVBoxLayout(first);
    firstBox->addWidget(new QLabel(QStringLiteral("操作说明："), first));
    auto* line1 = new QHBoxLayout;
    line1->addWidget(new QLabel(QStringLiteral("1、编辑处理您要导入的Excel文件。格式必须和"), first));
    urlExcel = new QLabel(QStringLiteral("<a href=\"#\">软件提供的Excel模板</a>"), first);
    urlExcel->setObjectName(QStringLiteral("urlExcel"));
    line1->addWidget(urlExcel);
    line1->addWidget(new QLabel(QStringLiteral("中的数据格式一致。否则，会导致导入操作失败。"), first));
    line1->addStretch(1);
    firstBox->addLayout(line1);
    for (const char* text :
        { "2、点击“打开文件”按钮，浏览打开整理好的Excel数据文件，点击“下一步”按钮，进入下个操作步骤的面板。",
            "3、在该面板上，每行数据第一列的符号，将标示出哪些数据记录可以导入，哪些是有问题的。此时，用户可以点击“上一"
            "步”"
            "按钮，返回本面板重新编辑数据文件，或者点击“导入”按钮导入正确的数据记录。",
            "4、导入操作完成。点击“完成”按钮，结束当前导入操作。" }) {
        auto* l = new QLabel(QString::fromUtf8(text), first);
        l->setWordWrap(true);
        firstBox->addWidget(l);
    }
    firstBox->addStretch(1);
    auto* bar3 = new QHBoxLayout;
    bar3->addStretch(1);
    btnOpen = NamedButton(first, "btnOpen", "打开文件(F2)", bar3);
    btnNext3 = NamedButton(first, "btnNext3", "下一步(&N)", bar3);
    btnExit3 = NamedButton(first, "btnExit3", "取消(Esc)", bar3);
    firstBox->addLayout(bar3);
    pages->addWidget(first);

    auto* second = new QGroupBox(QStringLiteral("选择要导入的商品"));
    second->setObjectName(QStringLiteral("RzPanel4"));
    auto* secondBox = new QVBoxLayout(second);
    secondBox->addWidget(
        new QLabel(QStringLiteral("符号：0 表示数据正确　1 表示数据存在问题，但可导入　2 表示不可导入　"
                                  "“提示信息”列有详细说明"),
            second));
    cxGrid4View = new DataGrid(second);
    cxGrid4View->setObjectName(QStringLiteral("cxGrid4View"));
    cxGrid4View->SetDataSource(&F_DataModule->D(QStringLiteral("D_JhImport")));
    AddGridColumns(*cxGrid4View,
        { { "ghs_sn", "状态", "40" }, { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" },
            { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "ts_dj", "单价", "64" },
            { "ts_sl", "数量", "56" }, { "ts_note", "提示信息", "160" } });
    secondBox->addWidget(cxGrid4View, 1);
    auto* bar4 = new QHBoxLayout;
    bar4->addStretch(1);
    btnPrev4 = NamedButton(second, "btnPrev4", "上一步(&P)", bar4);
    btnImport = NamedButton(second, "btnImport", "导入(F5)", bar4);
    btnExit4 = NamedButton(second, "btnExit4", "取消(Esc)", bar4);
    secondBox->addLayout(bar4);
    pages->addWidget(second);

    connect(btnOpen, &QPushButton::clicked, this, &SalesImportForm::btnOpenClick);
    connect(btnNext3, &QPushButton::clicked, this, &SalesImportForm::btnNext3Click);
    connect(btnPrev4, &QPushButton::clicked, this, &SalesImportForm::btnPrev4Click);
    connect(btnImport, &QPushButton::clicked, this, &SalesImportForm::btnImportClick);
    connect(btnExit3, &QPushButton::clicked, this, &QWidget::close);
    connect(btnExit4, &QPushButton::clicked, this, &QWidget::close);
    connect(urlExcel, &QLabel::linkActivated, this, &SalesImportForm::urlExcelClick);
}

void SalesImportForm::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    btnPrev4Click();
}

SalesImportTarget SalesImportForm::Target() const
{
    SalesImportTarget t;
    t.order = order_;
    if (DocHost* host = FindDocHost(order_ ? QStringLiteral("XD") : QStringLiteral("XS"))) {
        t.number = host->number();
        t.date = host->date();
        t.warehouse = host->warehouse();
    }
    t.customer = CurrentCustomerSn;
    return t;
}

void SalesImportForm::btnOpenClick()
{
    ClearTempLines();
    const QString file
        = Prompt::Current().OpenFileName(QStringLiteral("打开"), QStringLiteral("(*.xlsx);;(*.xls)"), QString());
    if (file.isEmpty())
        return;
    SheetData sheet;
    QString error;
    if (!SheetReader::ReadSheet(file, 0, &sheet, &error)) {
        Prompt::Info(QStringLiteral("您没有安装Excel或导入文件不是Excel，不能进行导入操作！"));
        return;
    }
    std::vector<QStringList> rows;
    for (int r = 0; r < sheet.RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 6; ++c)
            cells << sheet.Text(r, c);
        rows.push_back(cells);
    }
    ImportRowCount = sheet.RowCount();
    ImportFailCount = StageSalesImportRows(rows, Target());
    btnNext3->setEnabled(true);
}

void SalesImportForm::btnNext3Click()
{
    pages->setCurrentIndex(1);
    Query& staged = F_DataModule->Q(QStringLiteral("Q_JhImport"));
    staged.SetSQL(QStringLiteral("select a.*,b.g_name,b.gg_name,b.color_name from jxc_tempspxf2 a left outer join "
                                 "jxc_goods b on a.g_sn=b.g_sn where a.a_name=:a order by a.id"));
    staged.SetParam(QStringLiteral("a"), CurrentAdminName);
    staged.Open();
}

void SalesImportForm::btnPrev4Click()
{
    pages->setCurrentIndex(0);
    btnNext3->setEnabled(false);
    ImportRowCount = 0;
    ImportFailCount = 0;
}

void SalesImportForm::btnImportClick()
{
    if (ImportRowCount == 0) {
        Prompt::Info(QStringLiteral("模板中没有数据，不能进行导入操作！"));
        return;
    }
    const SalesImportTarget target = Target();
    const QString number = ImportStagedSalesLines(target);
    ImportOkCount = ImportRowCount - ImportFailCount;
    Prompt::Info(QStringLiteral("导入完毕\r\n\r\n共") + QString::number(ImportRowCount) + QStringLiteral("条记录")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("成功导入") + QString::number(ImportOkCount)
        + QStringLiteral("条") + QStringLiteral("\r\n\r\n") + QStringLiteral("失败") + QString::number(ImportFailCount)
        + QStringLiteral("条"));
    if (DocHost* host = FindDocHost(order_ ? QStringLiteral("XD") : QStringLiteral("XS"))) {
        if (number != target.number)
            host->showNumber(number);
        host->reloadDraft();
    }
    close();
}

void SalesImportForm::urlExcelClick()
{
    Prompt::Current().OpenUrl(QUrl::fromLocalFile(ProgramFolder::File(QStringLiteral("模板文件/商品销售单模板.xlsx"))));
}

void SalesImportForm::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_F2:
        btnOpenClick();
        return;
    case Qt::Key_F5:
        btnImportClick();
        return;
    case Qt::Key_N:
        btnNext3Click();
        return;
    case Qt::Key_P:
        btnPrev4Click();
        return;
    default:
        Form::keyPressEvent(e);
    }
}
