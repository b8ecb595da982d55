#include "masterdata/positionalimport.h"

#include "foundation/colorsize.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "masterdata/sheetimport.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

struct KindText {
    const char* windowClass;
    const char* title;
    const char* sample;
    const char* note;
    const char* gridGroup;
    const char* importText;
    int columns;
};

const KindText& TextOf(PositionalKind kind)
{
    static const KindText texts[] = {
        { "TF_Spxxgl_ImportFzdw", "商品辅助单位数据导入", "商品辅助单位模板",
            "必须是已经存在的商品才可以导入辅助单位。", "选择要导入的商品", "导入(F5)", 5 },
        { "TF_Spxxgl_ImportDj", "商品单价信息导入", "商品单价模板", "必须是已经存在的商品才可以导入单价信息。",
            "导入的商品单价信息", "打开并导入(F5)", 3 },
        { "TF_Spxxgl_ImportKw", "商品库位信息导入", "商品库位信息模板", "必须是已经存在的商品才可以导入库位信息。",
            "导入的商品库位信息", "打开并导入(F5)", 3 },
    };
    return texts[int(kind)];
}

PositionalCounts& KindCounts(PositionalKind kind)
{
    static PositionalCounts counts[3];
    return counts[int(kind)];
}

bool GoodsHasUnit(const QString& code, const QString& unit)
{
    return !ScalarBound(QStringLiteral("select id from jxc_goods where g_sn=:sn and dw_name=:unit"),
        { { QStringLiteral("sn"), code }, { QStringLiteral("unit"), unit } })
                .isEmpty();
}

// In use on other goods, other second units or the barcode list; the goods' own second
// unit of that name is left out, since the import replaces it.
bool BarcodeInUse(const QString& barcode, const QString& code, const QString& unit)
{
    return !ScalarBound(QStringLiteral("select id from jxc_goods where g_sptm=:tm union select id from jxc_goodsdw "
                                       "where g_sptm=:tm and not (g_sn=:sn and dw_name=:unit) union select id from "
                                       "jxc_goodstm where g_sptm=:tm"),
        { { QStringLiteral("tm"), barcode }, { QStringLiteral("sn"), code }, { QStringLiteral("unit"), unit } })
                .isEmpty();
}

const QString kImportable = QStringLiteral("可顺利导入");

}

int CheckSecondUnitRows(const PositionalRows& rows)
{
    ClearTempLines();
    int failed = 0;
    for (const QStringList& r : rows) {
        const QString code = r.value(0), name = r.value(1), unit = r.value(2), factor = r.value(3),
                      barcode = r.value(4);
        bool found = false;
        const QString goodsName = SelectScalar(F_DataModule->ADOConn,
            QStringLiteral("select g_name from jxc_goods where g_sn=:sn"), { { QStringLiteral("sn"), code } }, &found);
        QString note = kImportable, status = QStringLiteral("0");
        const auto fail = [&](const char* text, const char* code) {
            note = QString::fromUtf8(text);
            status = QLatin1String(code);
        };
        if (!found)
            fail("商品不存在", "2");
        if (goodsName != name)
            fail("商品名称和编号不一致", "1");
        if (factor.isEmpty() || factor == QLatin1String("0") || factor == QLatin1String("1"))
            fail("转换系数不能为0或1", "2");
        if (!IsNumberCell(factor))
            fail("转换系数必须为数字", "2");
        else if (!factor.isEmpty() && NumberCell(factor) <= 0)
            fail("转换系数不能为零或负数", "2");
        if (!barcode.isEmpty() && BarcodeInUse(barcode, code, unit))
            fail("商品条码已存在", "2");
        if (GoodsHasUnit(code, unit))
            fail("单位不能重复", "2");
        if (status != QLatin1String("0"))
            ++failed;
        ExecBound(QStringLiteral("insert into jxc_tempspxf2 (g_sn,ts_sl,ts_note,ghs_sn,a_name,dw_name,g_sptm) values "
                                 "(:sn,:sl,:note,:ghssn,:aname,:dwname,:sptm)"),
            { { QStringLiteral("sn"), code },
                { QStringLiteral("sl"), IsNumberCell(factor) ? QVariant(NumberCell(factor)) : QVariant() },
                { QStringLiteral("note"), note }, { QStringLiteral("ghssn"), status },
                { QStringLiteral("aname"), CurrentAdminName }, { QStringLiteral("dwname"), unit },
                { QStringLiteral("sptm"), barcode } });
        AddListEntryOnce(QStringLiteral("jxc_dw"), QStringLiteral("dw"), unit);
    }
    return failed;
}

void ImportSecondUnitLines()
{
    const SqlParams op { { QStringLiteral("op"), CurrentAdminName } };
    ExecBound(QStringLiteral("delete from jxc_goodsdw where exists (select 1 from jxc_tempspxf2 a where "
                             "a.g_sn=jxc_goodsdw.g_sn and a.dw_name=jxc_goodsdw.dw_name and a.ghs_sn='0' and "
                             "a.a_name=:op)"),
        op);
    ExecBound(QStringLiteral("insert into jxc_goodsdw (g_sn,dw_name,g_sptm,g_zhxs,g_jj,g_sj,g_sj1,g_sj2,g_sj3,g_sj4,"
                             "g_sj5,g_lsj,g_scjj,g_cbj,g_pjjj) select a.g_sn,a.dw_name,a.g_sptm,a.ts_sl,b.g_jj*a.ts_sl,"
                             "b.g_sj*a.ts_sl,b.g_sj1*a.ts_sl,b.g_sj2*a.ts_sl,b.g_sj3*a.ts_sl,b.g_sj4*a.ts_sl,"
                             "b.g_sj5*a.ts_sl,b.g_lsj*a.ts_sl,b.g_scjj*a.ts_sl,b.g_cbj*a.ts_sl,b.g_pjjj*a.ts_sl from "
                             "jxc_tempspxf2 a,jxc_goods b where a.g_sn=b.g_sn and a.ghs_sn='0' and a.a_name=:op "
                             "order by a.id"),
        op);
    const QStringList codes = SelectColumn(F_DataModule->ADOConn,
        QStringLiteral("select g_sn from jxc_tempspxf2 where ghs_sn='0' and a_name=:op order by id"), op);
    for (const QString& code : codes)
        UpdateGoodsSecondUnit(code);
}

int ImportGoodsColumnRows(PositionalKind kind, const QString& column, const PositionalRows& rows)
{
    ClearTempLines();
    int imported = 0;
    const bool prices = kind == PositionalKind::Prices;
    for (const QStringList& r : rows) {
        const QString code = r.value(0), name = r.value(1), value = r.value(2);
        bool found = false;
        SelectScalar(F_DataModule->ADOConn, QStringLiteral("select g_name from jxc_goods where g_sn=:sn"),
            { { QStringLiteral("sn"), code } }, &found);
        QString note = kImportable, status = QStringLiteral("0");
        if (!found) {
            note = QStringLiteral("商品不存在");
            status = QStringLiteral("2");
        } else if (value.isEmpty()) {
            note = prices ? QStringLiteral("单价不能为空") : QStringLiteral("库位不能为空");
            status = QStringLiteral("2");
        } else if (prices && !IsNumberCell(value)) {
            note = QStringLiteral("单价必须为数字");
            status = QStringLiteral("2");
        } else if (prices && NumberCell(value) < 0) {
            note = QStringLiteral("单价不能为负数");
            status = QStringLiteral("2");
        } else {
            ExecBound(QStringLiteral("update jxc_goods set ") + column + QStringLiteral("=:v where g_sn=:sn"),
                { { QStringLiteral("v"), prices ? QVariant(NumberCell(value)) : QVariant(value) },
                    { QStringLiteral("sn"), code } });
            ++imported;
        }
        SqlParams line { { QStringLiteral("sn"), code }, { QStringLiteral("zp"), note },
            { QStringLiteral("st"), status }, { QStringLiteral("op"), CurrentAdminName } };
        line.insert(QStringLiteral("note"), prices ? name : value);
        line.insert(QStringLiteral("dj"), prices && IsNumberCell(value) ? QVariant(NumberCell(value)) : QVariant());
        ExecBound(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_note,ts_dj,t_zp,ghs_sn,a_name) values "
                                 "(:sn,:note,:dj,:zp,:st,:op)"),
            line);
    }
    return imported;
}

QStringList PriceLevelNames()
{
    QStringList names { QStringLiteral("预设售价"), QStringLiteral("预设进价") };
    if (IsTrue(UseGradePrices))
        names << QStringLiteral("一级批发价") << QStringLiteral("二级批发价") << QStringLiteral("三级批发价")
              << QStringLiteral("四级批发价") << QStringLiteral("五级批发价");
    if (IsTrue(UseRetailPrice))
        names << QStringLiteral("零售价");
    return names;
}

QString PriceLevelColumn(const QString& level)
{
    static const QHash<QString, QString> columns { { "预设售价", "g_sj" }, { "预设进价", "g_jj" },
        { "一级批发价", "g_sj1" }, { "二级批发价", "g_sj2" }, { "三级批发价", "g_sj3" }, { "四级批发价", "g_sj4" },
        { "五级批发价", "g_sj5" }, { "零售价", "g_lsj" } };
    return columns.value(level, QStringLiteral("g_sj"));
}

PositionalImportForm::PositionalImportForm(PositionalKind k, QWidget* parent)
    : Form(parent), kind(k), counts(KindCounts(k))
{
    const KindText& t = TextOf(kind);
    setObjectName(QLatin1String(t.windowClass));
    setWindowTitle(QString::fromUtf8(t.title));
    resize(680, 460);
    auto* box = new QVBoxLayout(this);
    pages = new QStackedWidget(this);
    box->addWidget(pages);

    gbFirst = new QGroupBox(QStringLiteral("第一步：准备导入数据"));
    auto* first = new QVBoxLayout(gbFirst);
    auto* usage
        = new QLabel(QStringLiteral("Excel表格的第一行为标题信息，从第二行起按列的顺序读取：商品编号、商品名称、")
            + (kind == PositionalKind::SecondUnits   ? QStringLiteral("单位、转换系数、商品条码。")
                    : kind == PositionalKind::Prices ? QStringLiteral("单价。")
                                                     : QStringLiteral("库位名称。")));
    usage->setWordWrap(true);
    first->addWidget(usage);
    auto* link = new QLabel(QStringLiteral("<a href=\"#\">软件提供的Excel模板</a>"));
    connect(link, &QLabel::linkActivated, this, [this] { urlExcelClick(); });
    first->addWidget(link);
    first->addWidget(new QLabel(QString::fromUtf8(t.note)));
    first->addStretch(1);
    auto* firstButtons = new QHBoxLayout;
    firstButtons->addStretch(1);
    if (kind == PositionalKind::SecondUnits) {
        auto* btnOpen = new QPushButton(QStringLiteral("打开文件(F2)"));
        connect(btnOpen, &QPushButton::clicked, this, [this] { btnOpenClick(); });
        firstButtons->addWidget(btnOpen);
    }
    btnNext = new QPushButton(QStringLiteral("下一步(&N)"));
    auto* cancel1 = new QPushButton(QStringLiteral("取消(Esc)"));
    firstButtons->addWidget(btnNext);
    firstButtons->addWidget(cancel1);
    first->addLayout(firstButtons);
    pages->addWidget(gbFirst);

    gbGrid = new QGroupBox(QString::fromUtf8(t.gridGroup));
    auto* second = new QVBoxLayout(gbGrid);
    if (kind == PositionalKind::Prices) {
        auto* level = new QHBoxLayout;
        level->addWidget(new QLabel(QStringLiteral("选择导入的单价：")));
        cbbDj = new QComboBox;
        cbbDj->setObjectName(QStringLiteral("cbbDj"));
        cbbDj->addItems(PriceLevelNames());
        cbbDj->setCurrentIndex(0);
        level->addWidget(cbbDj);
        level->addStretch(1);
        second->addLayout(level);
    }
    cxGrid1 = new DataGrid(gbGrid);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->SetDataSource(&F_DataModule->D(QStringLiteral("D_JhImport")));
    QStyle* style = QApplication::style();
    cxGrid1->SetImageColumn(cxGrid1->AddColumn(QStringLiteral("ghs_sn"), QString(), 30),
        { style->standardIcon(QStyle::SP_DialogApplyButton), style->standardIcon(QStyle::SP_MessageBoxWarning),
            style->standardIcon(QStyle::SP_MessageBoxCritical) });
    cxGrid1->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100);
    if (kind == PositionalKind::SecondUnits) {
        cxGrid1->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
        cxGrid1->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 60);
        cxGrid1->AddColumn(QStringLiteral("ts_sl"), QStringLiteral("转换系数"), 70);
        cxGrid1->AddColumn(QStringLiteral("ts_note"), QStringLiteral("提示信息"), 200);
    } else if (kind == PositionalKind::Prices) {
        cxGrid1->AddColumn(QStringLiteral("ts_note"), QStringLiteral("商品名称"), 140);
        cxGrid1->AddColumn(QStringLiteral("ts_dj"), QStringLiteral("单价"), 80);
        cxGrid1->AddColumn(QStringLiteral("t_zp"), QStringLiteral("提示信息"), 200);
    } else {
        cxGrid1->AddColumn(QStringLiteral("ts_note"), QStringLiteral("库位名称"), 140);
        cxGrid1->AddColumn(QStringLiteral("t_zp"), QStringLiteral("提示信息"), 200);
    }
    for (int c = 0; c < cxGrid1->ColumnCount(); ++c)
        cxGrid1->SetColumnEditable(c, false);
    second->addWidget(cxGrid1, 1);
    auto* legend = new QHBoxLayout;
    legend->addWidget(new QLabel(QStringLiteral("表示数据正确")));
    if (kind == PositionalKind::SecondUnits)
        legend->addWidget(new QLabel(QStringLiteral("表示数据存在问题，但可导入")));
    legend->addWidget(new QLabel(QStringLiteral("表示不可导入")));
    legend->addWidget(new QLabel(QStringLiteral("“提示信息”列有详细说明")));
    legend->addStretch(1);
    second->addLayout(legend);
    auto* secondButtons = new QHBoxLayout;
    secondButtons->addStretch(1);
    auto* prior = new QPushButton(QStringLiteral("上一步(&P)"));
    btnImport = new QPushButton(QString::fromUtf8(t.importText));
    auto* cancel2 = new QPushButton(QStringLiteral("取消(Esc)"));
    secondButtons->addWidget(prior);
    secondButtons->addWidget(btnImport);
    secondButtons->addWidget(cancel2);
    second->addLayout(secondButtons);
    pages->addWidget(gbGrid);

    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(prior, &QPushButton::clicked, this, [this] { btnPriorClick(); });
    connect(btnImport, &QPushButton::clicked, this, [this] { btnImportClick(); });
    connect(cancel1, &QPushButton::clicked, this, &QDialog::reject);
    connect(cancel2, &QPushButton::clicked, this, &QDialog::reject);
    // The keys act on either panel, whether or not their button is enabled.
    const auto key = [this](QKeySequence seq, auto handler) {
        auto* s = new QShortcut(seq, this);
        connect(s, &QShortcut::activated, this, handler);
    };
    key(QKeySequence(Qt::Key_F5), [this] { btnImportClick(); });
    key(QKeySequence(Qt::Key_N), [this] { btnNextClick(); });
    key(QKeySequence(Qt::Key_P), [this] { btnPriorClick(); });
    if (kind == PositionalKind::SecondUnits)
        key(QKeySequence(Qt::Key_F2), [this] { btnOpenClick(); });
}

PositionalImportForm::~PositionalImportForm()
{
    FormClose();
}

void PositionalImportForm::FormActivate()
{
    btnPriorClick();
}

void PositionalImportForm::btnPriorClick()
{
    pages->setCurrentWidget(gbFirst);
    btnNext->setEnabled(kind != PositionalKind::SecondUnits);
}

void PositionalImportForm::OpenStatusGrid()
{
    const QString table
        = kind == PositionalKind::SecondUnits ? QStringLiteral("jxc_tempspxf2") : QStringLiteral("jxc_tempspxf");
    OpenWithParams(F_DataModule->Q(QStringLiteral("Q_JhImport")),
        QStringLiteral("select a.*,b.g_name,b.gg_name,b.color_name from ") + table
            + QStringLiteral(" a left outer join jxc_goods b on a.g_sn=b.g_sn where a.a_name=:op order by a.id"),
        { { QStringLiteral("op"), CurrentAdminName } });
}

void PositionalImportForm::btnNextClick()
{
    pages->setCurrentWidget(gbGrid);
    OpenStatusGrid();
}

bool ReadPositionalSheet(const QString& windowClass, int columns, PositionalRows* rows)
{
    QString sheet;
    if (!ChooseWorkbook(windowClass, &sheet))
        return false;
    Query& excel = F_DataModule->Q_Excel;
    OpenQuery(excel, QStringLiteral("select * from [") + sheet + QStringLiteral("] "));
    rows->clear();
    rows->reserve(size_t(excel.RecordCount()));
    for (int r = 0; r < excel.RecordCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << (c < excel.FieldCount() ? excel.TextAt(r, c).trimmed() : QString());
        rows->push_back(cells);
    }
    CloseExcel();
    return true;
}

bool PositionalImportForm::ReadSheet(PositionalRows* rows)
{
    return ReadPositionalSheet(QLatin1String(TextOf(kind).windowClass), TextOf(kind).columns, rows);
}

void PositionalImportForm::btnOpenClick()
{
    if (kind != PositionalKind::SecondUnits)
        return;
    PositionalRows rows;
    if (!ReadSheet(&rows))
        return;
    counts = PositionalCounts();
    counts.total = int(rows.size());
    const bool done
        = RunImportPass(this, 1, [&](const std::function<void()>&) { counts.failed = CheckSecondUnitRows(rows); });
    if (done)
        btnNext->setEnabled(true);
}

void PositionalImportForm::btnImportClick()
{
    if (kind == PositionalKind::SecondUnits) {
        if (counts.total == 0) {
            Prompt::Info(kNothingToImport, Prompt::kInfoCaption, Prompt::Icon::Information);
            return;
        }
        if (!RunImportPass(this, 1, [](const std::function<void()>&) {
                ImportSecondUnitLines();
                ClearTempLines();
            }))
            return;
        counts.imported = counts.total - counts.failed;
        Prompt::Info(ImportSummaryText(counts.total, counts.imported, counts.failed, 0, false), Prompt::kInfoCaption,
            Prompt::Icon::Information);
        accept();
        return;
    }
    // From the first panel the status grid is shown first, so the lines have somewhere to go.
    if (pages->currentWidget() == gbFirst)
        btnNextClick();
    PositionalRows rows;
    if (!ReadSheet(&rows))
        return;
    const QString column
        = kind == PositionalKind::Prices ? PriceLevelColumn(cbbDj->currentText()) : QStringLiteral("hj_name");
    counts = PositionalCounts();
    counts.total = int(rows.size());
    if (!RunImportPass(this, 1, [&](const std::function<void()>&) {
            counts.imported = ImportGoodsColumnRows(kind, column, rows);
            // The grid keeps showing the lines after the scratch rows are emptied.
            OpenStatusGrid();
            ClearTempLines();
        }))
        return;
    counts.failed = counts.total - counts.imported;
    Prompt::Info(ImportSummaryText(counts.total, counts.imported, counts.failed, 0, false), Prompt::kInfoCaption,
        Prompt::Icon::Information);
    Query& goods = F_DataModule->Q(QStringLiteral("Q_Goods"));
    if (goods.Active())
        goods.Requery();
    if (kind == PositionalKind::Shelves)
        accept();
}

void PositionalImportForm::urlExcelClick()
{
    OpenSampleFile(QString::fromUtf8(TextOf(kind).sample));
}

void PositionalImportForm::FormClose()
{
    F_DataModule->Q(QStringLiteral("Q_JhImport")).Close();
}
