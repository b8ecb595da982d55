#include "masterdata/tmgl.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/listoutput.h"
#include "masterdata/tmgldialogs.h"
#include "masterdata/tmglops.h"
#include "platform/base/programfolder.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/report/reportdesigner.h"
#include "platform/ui/prompt.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

TF_Tmgl* F_Tmgl = nullptr;

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

DataGrid* Grid(QWidget* parent, Query& q, const QList<QPair<const char*, const char*>>& columns)
{
    auto* g = new DataGrid(parent);
    g->SetDataSource(new DataSource(&q, g));
    for (const auto& c : columns)
        g->AddColumn(QString::fromLatin1(c.first), S(c.second), 90);
    g->SetFooterVisible(true);
    g->SetFooterCount(0, S("记录数："));
    return g;
}

QPushButton* Button(QWidget* parent, QHBoxLayout* row, const char* caption)
{
    auto* b = new QPushButton(S(caption), parent);
    row->addWidget(b);
    return b;
}

QString Like(const QString& key)
{
    return QLatin1Char('%') + SafeSqlText(key.trimmed()) + QLatin1Char('%');
}

}

TF_Tmgl::TF_Tmgl(QWidget* parent)
    : Form(parent), Q_Tmgl1(F_DataModule->Q(S("Q_Tmgl1"))), Q_Tmgl2(F_DataModule->Q(S("Q_Tmgl2"))),
      Q_Tmgl3(F_DataModule->Q(S("Q_Tmgl3")))
{
    F_Tmgl = this;
    setObjectName(S("TF_Tmgl"));
    setWindowTitle(S("商品条码管理"));
    resize(900, 600);
    auto* box = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    box->addWidget(pages);

    // 商品条码设置
    auto* page1 = new QWidget(pages);
    auto* p1 = new QVBoxLayout(page1);
    auto* bar1 = new QHBoxLayout;
    btnMake = Button(page1, bar1, "条码生成");
    btnSet = Button(page1, bar1, "条码设置");
    btnTest = Button(page1, bar1, "条码测试");
    btnExit = Button(page1, bar1, "退出");
    bar1->addStretch(1);
    bar1->addWidget(new QLabel(S("商品编号或名称："), page1));
    tkey = new QLineEdit(page1);
    bar1->addWidget(tkey);
    btnSearch = Button(page1, bar1, "查询(F2)");
    p1->addLayout(bar1);
    gridGoods = Grid(page1, Q_Tmgl1,
        { { "g_sn", "商品编号" }, { "g_name", "商品名称" }, { "dw_name", "单位" }, { "color_name", "颜色组" },
            { "cmz_name", "尺码组" } });
    const int goodsBand = gridGoods->AddBand(S("所有商品信息"));
    for (int c = 0; c < gridGoods->ColumnCount(); ++c)
        gridGoods->SetColumnBand(c, goodsBand);
    p1->addWidget(gridGoods, 3);
    gridTm = Grid(page1, Q_Tmgl2,
        { { "g_sptm", "商品条码" }, { "color_name", "颜色" }, { "color_tm", "颜色条码" }, { "cm_name", "尺码" },
            { "cm_tm", "尺码条码" }, { "tm_tm", "条码标签" } });
    const int tmBand = gridTm->AddBand(S("对应的条码"));
    for (int c = 0; c < gridTm->ColumnCount(); ++c)
        gridTm->SetColumnBand(c, tmBand);
    p1->addWidget(gridTm, 2);
    pages->addTab(page1, S("商品条码设置"));

    // 商品条码信息
    auto* page2 = new QWidget(pages);
    auto* p2 = new QVBoxLayout(page2);
    auto* bar2 = new QHBoxLayout;
    btnExport = Button(page2, bar2, "导出");
    btnExit2 = Button(page2, bar2, "退出");
    btnModiSl = Button(page2, bar2, "修改数量");
    btnModiSl->setToolTip(S("多选可以批量修改打印数量"));
    btnTest2 = Button(page2, bar2, "条码测试");
    btnPrint = Button(page2, bar2, "打印条码");
    btnDesign = Button(page2, bar2, "打印设置");
    bar2->addStretch(1);
    bar2->addWidget(new QLabel(S("商品编号或名称："), page2));
    tkey2 = new QLineEdit(page2);
    bar2->addWidget(tkey2);
    btnSearch2 = Button(page2, bar2, "查询(F2)");
    p2->addLayout(bar2);
    Q_Tmgl3.SetBaseTable(S("jxc_tm"));
    gridLabels = Grid(page2, Q_Tmgl3,
        { { "g_sn", "商品编号" }, { "g_name", "商品名称" }, { "g_sptm", "商品条码" }, { "g_sj", "商品售价" },
            { "color_name", "颜色" }, { "color_tm", "颜色代码" }, { "cm_name", "尺码" }, { "cm_tm", "尺码代码" },
            { "tm_tm", "条码标签" }, { "tm_sl", "打印数量" } });
    gridLabels->SetColumnFormat(gridLabels->ColumnByField(S("g_sj")), S("￥,0.00;-￥,0.00"));
    gridLabels->SetColumnEditable(gridLabels->ColumnByField(S("tm_sl")), true);
    gridLabels->SetMultiSelect(true);
    p2->addWidget(gridLabels);
    pages->addTab(page2, S("商品条码信息"));

    labelMenu = new QMenu(this);
    connect(labelMenu->addAction(S("增加打印(&V)")), &QAction::triggered, this, &TF_Tmgl::btnModiSlClick);
    connect(labelMenu->addAction(S("条码测试(&W)")), &QAction::triggered, this, &TF_Tmgl::btnTestClick);
    labelMenu->addSeparator();
    connect(labelMenu->addAction(S("打印选中(&X)")), &QAction::triggered, this, &TF_Tmgl::miPrintSelectedClick);
    connect(labelMenu->addAction(S("打印所有(&Y)")), &QAction::triggered, this, &TF_Tmgl::btnPrintClick);
    miDesign = labelMenu->addAction(S("打印设置(&Z)"));
    connect(gridLabels, &DataGrid::rightClicked, this, [this](const QPoint& at) { labelMenu->popup(at); });

    connect(btnMake, &QPushButton::clicked, this, &TF_Tmgl::btnMakeClick);
    connect(btnSet, &QPushButton::clicked, this, &TF_Tmgl::btnSetClick);
    connect(btnDesign, &QPushButton::clicked, this, &TF_Tmgl::btnDesignClick);
    connect(miDesign, &QAction::triggered, this, &TF_Tmgl::btnDesignClick);
    connect(btnTest, &QPushButton::clicked, this, &TF_Tmgl::btnTestClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_Tmgl::btnExitClick);
    connect(btnSearch, &QPushButton::clicked, this, &TF_Tmgl::btnSearchClick);
    connect(tkey, &QLineEdit::returnPressed, this, &TF_Tmgl::btnSearchClick);
    connect(gridGoods, &QAbstractItemView::clicked, this, &TF_Tmgl::setTmxx);
    connect(gridGoods, &DataGrid::currentRowChanged, this, &TF_Tmgl::setTmxx);
    connect(gridGoods, &DataGrid::rowDoubleClicked, this, &TF_Tmgl::btnSetClick);
    connect(btnExport, &QPushButton::clicked, this, &TF_Tmgl::btnExportClick);
    connect(btnExit2, &QPushButton::clicked, this, &TF_Tmgl::btnExitClick);
    connect(btnModiSl, &QPushButton::clicked, this, &TF_Tmgl::btnModiSlClick);
    connect(btnTest2, &QPushButton::clicked, this, &TF_Tmgl::btnTestClick);
    connect(btnPrint, &QPushButton::clicked, this, &TF_Tmgl::btnPrintClick);
    connect(btnSearch2, &QPushButton::clicked, this, &TF_Tmgl::btnSearch2Click);
    connect(tkey2, &QLineEdit::returnPressed, this, &TF_Tmgl::btnSearch2Click);
    connect(pages, &QTabWidget::currentChanged, this, &TF_Tmgl::PageChanged);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this, &TF_Tmgl::btnSearchClick);
}

TF_Tmgl::~TF_Tmgl()
{
    Q_Tmgl1.Close();
    Q_Tmgl2.Close();
    Q_Tmgl3.Close();
    if (F_Tmgl == this)
        F_Tmgl = nullptr;
}

void TF_Tmgl::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    pages->setCurrentIndex(0);
    tkey->clear();
    btnSearchClick();
    ExecSQL(S("update jxc_tm set tm_dy=0"));
}

void TF_Tmgl::btnSearchClick()
{
    Q_Tmgl1.Close();
    Q_Tmgl1.ClearParams();
    Q_Tmgl1.SetSQL(S("select * from jxc_goods where g_jy=0 and g_sn<>'00000000' and "
                     "(g_sn like :k or g_name like :k or g_jm like :k) order by g_sn"));
    Q_Tmgl1.SetParam(S("k"), Like(tkey->text()));
    Q_Tmgl1.Open();
    setTmxx();
}

void TF_Tmgl::setTmxx()
{
    if (!Q_Tmgl1.Active() || Q_Tmgl1.IsEmpty() || Q_Tmgl1.RecNo() < 0) {
        Q_Tmgl2.Close();
        return;
    }
    gridTm->SetBandCaption(0, S("[") + Q_Tmgl1.AsString(S("g_name")) + S("]对应的条码"));
    Q_Tmgl2.Close();
    Q_Tmgl2.ClearParams();
    Q_Tmgl2.SetSQL(S("select a.g_sn,a.g_sptm,b.color_name,b.color_tm,c.cm_name,c.cm_tm,d.tm_tm "
                     "from jxc_goods a,jxc_color b,jxc_cm c,jxc_tm d where a.g_sn=d.g_sn "
                     "and b.color_sn=d.color_sn and c.cm_sn=d.cm_sn and a.g_sn=:g order by d.id"));
    Q_Tmgl2.SetParam(S("g"), Q_Tmgl1.AsString(S("g_sn")));
    Q_Tmgl2.Open();
}

void TF_Tmgl::btnMakeClick()
{
    if (gridGoods->RowCount() == 0)
        return;
    if (Prompt::YesNo(S("条码自动生成：会根据商品信息，重新生成所有商品的条码。\r\n\r\n确定要生成所有商品的条码吗？"))
        != Prompt::Answer::Yes)
        return;
    const int current = Q_Tmgl1.RecNo();
    QProgressDialog progress(S("正在生成条码..."), QString(), 0, Q_Tmgl1.RecordCount(), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        RegenerateBarcodes(Q_Tmgl1, [&](int done, int) { progress.setValue(done); });
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    Q_Tmgl1.SetRecNo(current);
    setTmxx();
}

void TF_Tmgl::btnSetClick()
{
    if (!Q_Tmgl1.Active() || Q_Tmgl1.IsEmpty() || Q_Tmgl1.RecNo() < 0)
        return;
    std::unique_ptr<TF_Tmgl_Set> dialog(new TF_Tmgl_Set(this));
    dialog->ShowModal();
    dialog.reset();
    setTmxx();
}

void TF_Tmgl::btnTestClick()
{
    TF_Tmgl_Cs dialog(this);
    dialog.ShowModal();
}

void TF_Tmgl::btnExitClick()
{
    close();
}

void TF_Tmgl::PageChanged(int page)
{
    if (page != 1)
        return;
    tkey2->clear();
    btnSearch2Click();
}

void TF_Tmgl::btnSearch2Click()
{
    const QString k = tkey2->text().trimmed();
    QString sql
        = S("select a.g_sn,a.g_sptm,a.gg_name,b.color_name,b.color_tm,c.cm_name,c.cm_tm,d.tm_tm,d.tm_dy as tm_sl,"
            "d.id,a.g_name,a.g_sj from jxc_goods a,jxc_color b,jxc_cm c,jxc_tm d where a.g_sn=d.g_sn and "
            "b.color_sn=d.color_sn and c.cm_sn=d.cm_sn ");
    if (!k.isEmpty())
        sql += S(" and (a.g_sn like :k or a.g_name like :k or a.g_jm like :k) ");
    sql += S("order by a.g_sn");
    Q_Tmgl3.Close();
    Q_Tmgl3.ClearParams();
    Q_Tmgl3.SetSQL(sql);
    Q_Tmgl3.SetBaseTable(S("jxc_tm"));
    if (!k.isEmpty())
        Q_Tmgl3.SetParam(S("k"), Like(k));
    Q_Tmgl3.Open();
}

void TF_Tmgl::btnExportClick()
{
    if (gridLabels->RowCount() == 0)
        return;
    const QString file = Prompt::SaveFile(S("导出"), S("(*.xls)|*.xls"));
    if (file.isEmpty())
        return;
    QString error;
    if (!gridLabels->ExportTo(file.endsWith(S(".xls"), Qt::CaseInsensitive) ? file : file + S(".xls"), &error))
        Prompt::Info(error);
}

void TF_Tmgl::btnModiSlClick()
{
    if (gridLabels->RowCount() == 0)
        return;
    SelectedSn.clear();
    const QList<int> rows = gridLabels->SelectedRows();
    if (rows.isEmpty()) {
        Prompt::Info(S("请选择商品！"));
        return;
    }
    gridLabels->SetCurrentRow(rows.first());
    {
        std::unique_ptr<TF_Tmgl_Add> dialog(new TF_Tmgl_Add(this));
        dialog->lgoods->setText(
            rows.size() == 1 ? Q_Tmgl3.AsString(S("g_name")) : S("共 ") + QString::number(rows.size()) + S(" 个"));
        dialog->tsl->setText(QString::number(Q_Tmgl3.AsInteger(S("tm_sl"))));
        dialog->ShowModal();
    }
    bool ok = false;
    const qint64 n = SelectedSn.toLongLong(&ok);
    if (ok) {
        for (int r : rows) {
            gridLabels->SetCurrentRow(r);
            Q_Tmgl3.Edit();
            Q_Tmgl3.SetValue(S("tm_sl"), n);
            Q_Tmgl3.Post();
        }
    }
    SelectedSn.clear();
}

void TF_Tmgl::PrintLabelRows(const QList<int>& rows)
{
    QList<LabelCount> labels;
    for (int r : rows)
        labels.append(
            { gridLabels->Value(r, S("tm_tm")).toString(), int(gridLabels->Value(r, S("tm_sl")).toDouble()) });
    Query& prin = F_DataModule->Q_GoodsPrin;
    FillLabels(labels, prin);
    Report report;
    report.LoadFromFile(ProgramFolder::File(S("report/txm.fr3")));
    report.SetDataset(S("frxDBDataset1"), &prin);
    report.ShowReport();
    prin.Close();
}

void TF_Tmgl::btnPrintClick()
{
    if (gridLabels->RowCount() == 0)
        return;
    if (Prompt::YesNo(S("您的操作将打印查询中的所有条码，确认吗？")) != Prompt::Answer::Yes)
        return;
    QList<int> rows;
    for (int r = 0; r < gridLabels->RowCount(); ++r)
        rows << r;
    PrintLabelRows(rows);
}

void TF_Tmgl::miPrintSelectedClick()
{
    if (gridLabels->RowCount() > 0)
        PrintLabelRows(gridLabels->SelectedRows());
}

void TF_Tmgl::btnDesignClick()
{
    if (gridGoods->RowCount() == 0)
        return;
    DesignReport(ProgramFolder::File(S("report/txm.fr3")), this);
}
