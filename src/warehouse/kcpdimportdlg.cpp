#include "warehouse/kcpdimportdlg.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "masterdata/positionalimport.h"
#include "masterdata/sheetimport.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/kcpdimport.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using kcdb_detail::KcdbOpen;

namespace {

DocHost* KcpdImportHost()
{
    return FindDocHost(QStringLiteral("PD"));
}

QString KcpdImportWarehouseName(const QString& code)
{
    return posting::First(QStringLiteral("select ck_name from jxc_ckxx where ck_sn=:ck order by id limit 1"),
        { { QStringLiteral("ck"), code } })
        .toString();
}

} // namespace

TF_Kcpd_Import::TF_Kcpd_Import(QWidget* parent)
    : Form(parent), Q_KcpdImport(F_DataModule->Q(QStringLiteral("Q_KcpdImport")))
{
    setObjectName(QStringLiteral("TF_Kcpd_Import"));
    setWindowTitle(QStringLiteral("盘点数据导入"));
    resize(720, 480);
    auto* box = new QVBoxLayout(this);

    auto* first = new QGroupBox(QStringLiteral("第一步：准备导入数据"), this);
    RzPanel3 = first;
    auto* v3 = new QVBoxLayout(first);
    v3->addWidget(new QLabel(QStringLiteral("操作说明：")));
    auto* link
        = new QLabel(QStringLiteral("1、编辑处理您要导入的Excel文件。格式必须和<a href=\"#\">软件提供的Excel模板</a>"
                                    "中的数据格式一致。否则，会导致导入操作失败。"));
    link->setObjectName(QStringLiteral("urlExcel"));
    link->setWordWrap(true);
    connect(link, &QLabel::linkActivated, this, [this] { urlExcelClick(); });
    v3->addWidget(link);
    auto* ck = new QHBoxLayout;
    ck->addWidget(new QLabel(QStringLiteral("2、当前盘点仓库：")));
    ckname = NamedLabel(first, "", "ckname");
    ck->addWidget(ckname);
    ck->addStretch(1);
    v3->addLayout(ck);
    v3->addWidget(new QLabel(QStringLiteral("注：只能导入有条码并且在仓库中存在明细的商品信息")));
    v3->addWidget(new QLabel(QStringLiteral("在库存明细中不存在的商品将直接忽略")));
    v3->addStretch(1);
    auto* b3 = new QHBoxLayout;
    b3->addStretch(1);
    btnOpen = NamedButton(first, "btnOpen", "打开文件(F2)", b3);
    btnNext3 = NamedButton(first, "btnNext3", "下一步(&N)", b3);
    auto* exit3 = NamedButton(first, "btnExit3", "取消(Esc)", b3);
    v3->addLayout(b3);
    box->addWidget(first);

    auto* second = new QGroupBox(QStringLiteral("选择要导入的 数据"), this);
    RzPanel4 = second;
    auto* v4 = new QVBoxLayout(second);
    QStyle* style = QApplication::style();
    const QList<QIcon> icons { style->standardIcon(QStyle::SP_DialogApplyButton),
        style->standardIcon(QStyle::SP_MessageBoxWarning), style->standardIcon(QStyle::SP_MessageBoxCritical) };
    auto* legend = new QHBoxLayout;
    legend->addWidget(new QLabel(QStringLiteral("符号：")));
    const char* meanings[] = { "表示数据正确", "表示数据存在问题，但可导入", "表示不可导入" };
    for (int i = 0; i < 3; ++i) {
        auto* icon = new QLabel;
        icon->setPixmap(icons[i].pixmap(16, 16));
        legend->addWidget(icon);
        legend->addWidget(new QLabel(QString::fromUtf8(meanings[i])));
    }
    legend->addWidget(new QLabel(QStringLiteral("“提示信息”列有详细说明")));
    legend->addStretch(1);
    v4->addLayout(legend);
    cxGrid1View = new DataGrid(second);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("D_KcpdImport")));
    cxGrid1View->SetImageColumn(cxGrid1View->AddColumn(QStringLiteral("ghs_sn"), QString(), 30), icons);
    cxGrid1View->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 100);
    cxGrid1View->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGrid1View->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGrid1View->AddColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    cxGrid1View->AddColumn(QStringLiteral("ts_dj"), QStringLiteral("单价"), 70);
    cxGrid1View->AddColumn(QStringLiteral("ts_sl"), QStringLiteral("数量"), 60);
    cxGrid1View->AddColumn(QStringLiteral("ts_note"), QStringLiteral("提示信息"), 160);
    v4->addWidget(cxGrid1View, 1);
    auto* b4 = new QHBoxLayout;
    b4->addStretch(1);
    auto* prev = NamedButton(second, "btnPrev4", "上一步(&P)", b4);
    btnImport = NamedButton(second, "btnImport", "导入(F5)", b4);
    auto* exit4 = NamedButton(second, "btnExit4", "取消(Esc)", b4);
    v4->addLayout(b4);
    box->addWidget(second);

    connect(btnOpen, &QPushButton::clicked, this, &TF_Kcpd_Import::btnOpenClick);
    connect(btnNext3, &QPushButton::clicked, this, &TF_Kcpd_Import::btnNext3Click);
    connect(prev, &QPushButton::clicked, this, &TF_Kcpd_Import::btnPrev4Click);
    connect(btnImport, &QPushButton::clicked, this, &TF_Kcpd_Import::btnImportClick);
    connect(exit3, &QPushButton::clicked, this, &QWidget::close);
    connect(exit4, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Kcpd_Import::ZeroCounts()
{
    ImportRowCount = 0;
    ImportFailCount = 0;
    ImportOkCount = 0;
}

void TF_Kcpd_Import::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    DocHost* host = KcpdImportHost();
    ckname->setText(host ? KcpdImportWarehouseName(host->warehouse()) : QString());
    ZeroCounts();
    RzPanel3->show();
    RzPanel4->hide();
    btnNext3->setEnabled(false);
}

void TF_Kcpd_Import::urlExcelClick()
{
    OpenSampleFile(QStringLiteral("库存盘点模板"));
}

void TF_Kcpd_Import::btnOpenClick()
{
    DocHost* host = KcpdImportHost();
    if (!host || host->warehouse().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择盘点仓库！"));
        return;
    }
    std::vector<QStringList> rows;
    if (!ReadPositionalSheet(QStringLiteral("TF_Kcpd_Import"), 2, &rows))
        return;
    ImportFileName = RememberedWorkbook(QStringLiteral("TF_Kcpd_Import")).path;
    ReadRows(rows);
}

void TF_Kcpd_Import::ReadRows(const std::vector<QStringList>& rows)
{
    ImportRowCount = int(rows.size());
    // Staging is one transaction under the progress display and busy cursor.
    const bool done
        = RunImportPass(this, 1, [&](const std::function<void()>&) { ImportFailCount = StageStockTakeRows(rows); });
    if (!done) {
        ZeroCounts();
        return;
    }
    btnNext3->setEnabled(true);
}

void TF_Kcpd_Import::btnNext3Click()
{
    RzPanel3->hide();
    RzPanel4->show();
    KcdbOpen(Q_KcpdImport,
        QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name from jxc_tempspxf a left join jxc_goods "
                       "b on a.g_sn=b.g_sn where a.a_name=:a order by a.id"),
        { { QStringLiteral("a"), CurrentAdminName } });
}

void TF_Kcpd_Import::btnPrev4Click()
{
    FormActivate();
}

void TF_Kcpd_Import::btnImportClick()
{
    if (ImportRowCount == 0) {
        Prompt::Info(kNothingToImport);
        return;
    }
    DocHost* host = KcpdImportHost();
    if (!host)
        return;
    QString number;
    const bool done = RunImportPass(this, 1, [&](const std::function<void()>&) {
        number = ImportStockTakeLines(host->number(), host->date(), host->warehouse());
    });
    if (!done)
        return;
    host->showNumber(number);
    ImportOkCount = ImportRowCount - ImportFailCount;
    Prompt::Info(
        StockTakeImportSummary(ImportRowCount, ImportFailCount), Prompt::kInfoCaption, Prompt::Icon::Information);
    host->reloadDraft();
    ZeroCounts();
    close();
}

void TF_Kcpd_Import::keyPressEvent(QKeyEvent* e)
{
    // The keys work anywhere in the dialog, before its controls.
    switch (e->key()) {
    case Qt::Key_F2:
        btnOpenClick();
        return;
    case Qt::Key_F5:
        btnImportClick();
        return;
    case Qt::Key_N:
        if (e->modifiers() & Qt::AltModifier) {
            btnNext3Click();
            return;
        }
        break;
    case Qt::Key_P:
        if (e->modifiers() & Qt::AltModifier) {
            btnPrev4Click();
            return;
        }
        break;
    default:
        break;
    }
    Form::keyPressEvent(e);
}
