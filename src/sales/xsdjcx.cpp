#include "sales/xsdjcx.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/gridmodel.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Xsdjcx* F_Xsdjcx = nullptr;

QString TF_Xsdjcx::QueryWarehouseSn;
QString TF_Xsdjcx::QueryOperatorName;
QString TF_Xsdjcx::QueryClassSn;
QString TF_Xsdjcx::QueryDocKind;
QString TF_Xsdjcx::PrintNowFlag;
QString TF_Xsdjcx::BatchPrintFlag;

namespace {

bool XsdjcxHasRows(const Query& q)
{
    return q.Active() && q.RecordCount() > 0;
}

DataGrid* XsdjcxGrid(
    QWidget* parent, const char* name, const char* dataset, std::initializer_list<std::array<const char*, 3>> columns)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(QLatin1String(name));
    grid->SetDataSource(&F_DataModule->D(QLatin1String(dataset)));
    AddGridColumns(*grid, columns);
    grid->SetFooterVisible(true);
    return grid;
}

// Record count under the first column, sums of the quantity and amount columns.
void XsdjcxFooter(DataGrid* grid, std::initializer_list<const char*> qty, std::initializer_list<const char*> amounts)
{
    SetRecordCount(*grid, 0);
    SumGridColumns(*grid, qty, false);
    SumGridColumns(*grid, amounts, true);
}

void XsdjcxShow(DataGrid* g, const char* field, bool on)
{
    const int col = g->ColumnByField(QLatin1String(field));
    if (col >= 0)
        g->SetColumnVisible(col, on);
}

} // namespace

TF_Xsdjcx::TF_Xsdjcx(QWidget* parent)
    : Form(parent), Q_Lsxsd(F_DataModule->Q(QStringLiteral("Q_Lsxsd"))),
      Q_Lsxssp2(F_DataModule->Q(QStringLiteral("Q_Lsxssp2"))), Q_GXsHZ(F_DataModule->Q(QStringLiteral("Q_GXsHZ"))),
      Q_GList(F_DataModule->Q(QStringLiteral("Q_GList"))), Q_GList2(F_DataModule->Q(QStringLiteral("Q_GList2"))),
      Q_ChartXsdjcs(F_DataModule->Q(QStringLiteral("Q_ChartXsdjcs"))),
      Q_GoodsCX(F_DataModule->Q(QStringLiteral("Q_GoodsCX")))
{
    F_Xsdjcx = this;
    setObjectName(QStringLiteral("TF_Xsdjcx"));
    setWindowTitle(QStringLiteral("销售退货查询"));
    resize(1100, 572);
    auto* box = new QVBoxLayout(this);
    auto* option = new QHBoxLayout;
    option->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    option->addWidget(tdate1);
    option->addWidget(new QLabel(QStringLiteral("至"), this));
    option->addWidget(tdate2);
    btnMenu = MakePresetButton(this, tdate1, tdate2, [this] { btnSearch2Click(); });
    option->addWidget(btnMenu);
    option->addWidget(new QLabel(QStringLiteral("按客户/单据号/单据备注查询："), this));
    tchkKey = new QLineEdit(this);
    tchkKey->setObjectName(QStringLiteral("tchkKey"));
    InstallGoodsTextFilter(tchkKey);
    option->addWidget(tchkKey, 1);
    btnSearch2 = NamedButton(this, "btnSearch2", "查询(F2)", option);
    rDjb = new QRadioButton(QStringLiteral("单据表"), this);
    rHzb = new QRadioButton(QStringLiteral("汇总表"), this);
    rMxb = new QRadioButton(QStringLiteral("明细表"), this);
    rTjt = new QRadioButton(QStringLiteral("日销售统计图"), this);
    rDjb->setChecked(true);
    for (QRadioButton* r : { rDjb, rHzb, rMxb, rTjt })
        option->addWidget(r);
    box->addLayout(option);

    auto* bar = new QHBoxLayout;
    btn_ChaKan = NamedButton(this, "btn_ChaKan", "查看单据", bar);
    btn_ChaZhao = NamedButton(this, "btn_ChaZhao", "高级查询", bar);
    btn_Prin = NamedButton(this, "btn_Prin", "打印", bar);
    btn_Lxdy = NamedButton(this, "btn_Lxdy", "连续打印", bar);
    btn_Zdth = NamedButton(this, "btn_Zdth", "整单退货", bar);
    btn_Export = NamedButton(this, "btn_Export", "导出", bar);
    btn_GuoLv = NamedButton(this, "btn_GuoLv", "数据过滤", bar);
    PopupMenu_Filter = new QMenu(btn_GuoLv);
    const std::pair<const char*, const char*> filters[]
        = { { "所有单据(&W)", "" }, { "销售单(&X)", "xs" }, { "退货单(&Y)", "xt" } };
    for (const auto& f : filters)
        PopupMenu_Filter->addAction(
            QString::fromUtf8(f.first), this, [this, k = QString::fromLatin1(f.second)] { SetKindFilter(k); });
    PopupMenu_Filter->addSeparator();
    PopupMenu_Filter->addAction(
        QStringLiteral("欠款单据查询(&Z)"), this, [this] { SetKindFilter(QStringLiteral("qk")); });
    btn_GuoLv->setMenu(PopupMenu_Filter);
    btn_UnChk = NamedButton(this, "btn_UnChk", "取消审核", bar);
    btn_UnChkAll = NamedButton(this, "btn_UnChkAll", "全部取消", bar);
    btn_Fukuan = NamedButton(this, "btn_Fukuan", "销售收款", bar);
    btn_Date = NamedButton(this, "btn_Date", "修改", bar);
    btn_Exit = NamedButton(this, "btn_Exit", "退出", bar);
    bar->addStretch(1);
    bar->addWidget(new QLabel(QStringLiteral("日期排列："), this));
    comSort = new QComboBox(this);
    comSort->setObjectName(QStringLiteral("comSort"));
    comSort->addItems({ QStringLiteral("倒序"), QStringLiteral("顺序") });
    bar->addWidget(comSort);
    bar->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    comRq = new QComboBox(this);
    comRq->setObjectName(QStringLiteral("comRq"));
    comRq->addItems({ QStringLiteral("开单日期"), QStringLiteral("审核日期") });
    bar->addWidget(comRq);
    box->addLayout(bar);

    views = new QStackedWidget(this);
    box->addWidget(views, 1);
    auto* docs = new QWidget;
    docs->setObjectName(QStringLiteral("RzPanel_Djb"));
    auto* docsBox = new QVBoxLayout(docs);
    docsBox->setContentsMargins(0, 0, 0, 0);
    cxGrid2View = XsdjcxGrid(docs, "cxGrid2View", "D_Lsxsd",
        { { "gl_djh", "单据号", "124" }, { "rq", "开单日期", "130" }, { "kh_name", "客户名称", "160" },
            { "ck_name", "仓库名称", "90" }, { "yfje", "应收金额", "80" }, { "sfje", "实收金额", "80" },
            { "wfje", "欠款金额", "80" }, { "hkje", "回款金额", "80" }, { "yhje", "优惠金额", "80" },
            { "ls_lr", "毛利", "72" }, { "ls_yf", "运费", "64" }, { "ls_bzf", "包装费", "64" },
            { "ls_yffs", "付费方式", "80" }, { "ht_sn", "合同编号", "90" }, { "gtype", "单据类型", "70" },
            { "checker", "审核人", "70" }, { "chkrq", "审核日期", "90" }, { "u_name", "经办人", "70" },
            { "a_name", "操作员", "70" }, { "gl_djh2", "原始单号", "100" }, { "dnote", "备注", "160" } });
    XsdjcxFooter(cxGrid2View, {}, { "yfje", "sfje", "wfje", "hkje", "yhje", "ls_yf", "ls_bzf", "ls_lr" });
    cxGrid2View->SetCellStyler([this](int row, int column, CellStyle& style) {
        const QString field = cxGrid2View->ColumnField(column);
        const int source = cxGrid2View->SourceRow(row);
        const auto value = [&](const char* f) { return Q_Lsxsd.TextAt(source, Q_Lsxsd.FieldIndex(QLatin1String(f))); };
        if (field == QLatin1String("gtype") && value("ls_th") == QLatin1String("1")
            && value("gtype") == QStringLiteral("商品销售"))
            style.text = Qt::red;
        else if (field == QLatin1String("hkje") && value("hkje").toDouble() != 0)
            style.text = Qt::blue;
        else if (field == QLatin1String("wfje") && value("wfje").toDouble() != 0)
            style.text = Qt::red;
    });
    docsBox->addWidget(cxGrid2View, 1);
    auto* docTitle = new QHBoxLayout;
    docTitle->addWidget(new QLabel(QStringLiteral("单据详细信息："), docs));
    ghsname = NamedLabel(docs, "", "ghsname");
    docTitle->addWidget(ghsname, 1);
    docsBox->addLayout(docTitle);
    const std::initializer_list<std::array<const char*, 3>> lineColumns { { "g_sn", "商品编号", "80" },
        { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" },
        { "dw_name", "单位", "50" }, { "gl_cbj", "成本价", "64" }, { "gl_lsj", "零售价", "64" },
        { "gl_dj", "单价", "64" }, { "gl_dzl", "打折率", "56" }, { "gl_sl", "数量", "56" },
        { "gl_zcb", "总成本", "72" }, { "gl_je", "金额", "72" }, { "gl_tax", "税率", "48" },
        { "gl_taxdj", "含税单价", "64" }, { "gl_taxje", "税额", "64" }, { "gl_zje", "总金额", "80" },
        { "gl_bz", "备注", "120" }, { "a_name", "操作员", "70" } };
    cxGrid3View = XsdjcxGrid(docs, "cxGrid3View", "D_Lsxssp2", lineColumns);
    XsdjcxFooter(cxGrid3View, { "gl_sl" }, { "gl_zje", "gl_taxje", "gl_je", "gl_zcb" });
    docsBox->addWidget(cxGrid3View, 1);
    views->addWidget(docs);

    auto* sums = new QWidget;
    sums->setObjectName(QStringLiteral("RzPanel_Hzb"));
    auto* sumsBox = new QVBoxLayout(sums);
    sumsBox->setContentsMargins(0, 0, 0, 0);
    cxGrid4View = XsdjcxGrid(sums, "cxGrid4View", "D_GXsHZ",
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gc_name", "商品类别", "80" },
            { "dw_name", "单位", "50" }, { "sl", "数量", "64" }, { "je", "金额", "80" }, { "taxje", "税额", "72" },
            { "zje", "总金额", "80" }, { "g_kc", "库存数量", "64" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "60" }, { "g_sccs", "生产厂商", "100" }, { "g_bz", "备注", "120" } });
    SetRecordCount(*cxGrid4View, 0, 1);
    SumGridColumns(*cxGrid4View, { "sl", "g_kc" }, false);
    SumGridColumns(*cxGrid4View, { "je", "taxje", "zje" }, true);
    sumsBox->addWidget(cxGrid4View, 1);
    auto* goodsTitle = new QHBoxLayout;
    goodsTitle->addWidget(new QLabel(QStringLiteral("单据详细信息："), sums));
    gname = NamedLabel(sums, "", "gname");
    goodsTitle->addWidget(gname, 1);
    sumsBox->addLayout(goodsTitle);
    cxGrid1View = XsdjcxGrid(sums, "cxGrid1View", "D_GList",
        { { "ghs_name", "客户名称", "140" }, { "gl_djh", "单据号", "124" }, { "gl_kdrq", "开单日期", "130" },
            { "gl_lsj", "零售价", "64" }, { "gl_dj", "单价", "64" }, { "gl_sl", "数量", "56" },
            { "gl_je", "金额", "72" }, { "gl_tax", "税率", "48" }, { "gl_taxdj", "含税单价", "64" },
            { "gl_taxje", "税额", "64" }, { "gl_zje", "总金额", "80" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" }, { "gc_name", "商品类别", "80" } });
    XsdjcxFooter(cxGrid1View, { "gl_sl" }, { "gl_zje", "gl_taxje", "gl_je" });
    sumsBox->addWidget(cxGrid1View, 1);
    views->addWidget(sums);

    cxGrid5View = XsdjcxGrid(nullptr, "cxGrid5View", "D_GList2",
        { { "gl_kdrq", "开单日期", "130" }, { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "140" }, { "ghs_name", "客户名称", "140" }, { "gl_cbj", "成本价", "64" },
            { "gl_lsj", "零售价", "64" }, { "gl_dj", "单价", "64" }, { "gl_sl", "数量", "56" },
            { "gl_zcb", "总成本", "72" }, { "gl_je", "金额", "72" }, { "gl_tax", "税率", "48" },
            { "gl_taxdj", "含税单价", "64" }, { "gl_taxje", "税额", "64" }, { "gl_zje", "总金额", "80" },
            { "lr", "毛利", "72" }, { "lrl", "毛利率", "56" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" }, { "gc_name", "商品类别", "80" },
            { "ck_name", "仓库", "80" }, { "gl_djh2", "原始单号", "100" }, { "gl_bz", "商品备注", "120" },
            { "gl_note", "单据备注", "120" }, { "gl_checker", "审核人", "70" }, { "gl_chkrq", "审核日期", "90" },
            { "u_name", "经办人", "70" }, { "kh_lxr", "客户联系人", "80" }, { "kh_address", "客户地址", "140" },
            { "kh_tele", "联系电话", "90" } });
    SetRecordCount(*cxGrid5View, 0, 1);
    SumGridColumns(*cxGrid5View, { "gl_sl" }, false);
    SumGridColumns(*cxGrid5View, { "gl_zje", "lr", "gl_je", "gl_taxje", "gl_zcb" }, true);
    cxGrid5View->setParent(views);
    views->addWidget(cxGrid5View);

    auto* chart = new QWidget;
    chart->setObjectName(QStringLiteral("RzPanel_Tjt"));
    auto* chartBox = new QVBoxLayout(chart);
    chartBox->setContentsMargins(0, 0, 0, 0);
    auto* chartBar = new QHBoxLayout;
    chartBar->addWidget(new QLabel(QStringLiteral("统计商品："), chart));
    tTjtKey = new QLineEdit(chart);
    tTjtKey->setObjectName(QStringLiteral("tTjtKey"));
    chartBar->addWidget(tTjtKey);
    btnGoods = NamedButton(chart, "btnGoods", "…", chartBar);
    chartBar->addWidget(new QLabel(QStringLiteral("显示内容："), chart));
    comNr = new QComboBox(chart);
    comNr->setObjectName(QStringLiteral("comNr"));
    comNr->addItems({ QStringLiteral("销售总金额"), QStringLiteral("销售总数量"), QStringLiteral("销售总毛利") });
    chartBar->addWidget(comNr);
    rQxt = new QRadioButton(QStringLiteral("以曲线图显示"), chart);
    rZxt = new QRadioButton(QStringLiteral("以柱形图显示"), chart);
    rZxt->setChecked(true);
    chartBar->addWidget(rQxt);
    chartBar->addWidget(rZxt);
    chartBar->addStretch(1);
    chartBox->addLayout(chartBar);
    DBChart_Tjh = new QChartView(chart);
    DBChart_Tjh->setObjectName(QStringLiteral("DBChart_Tjh"));
    chartBox->addWidget(DBChart_Tjh, 1);
    RzPanel_Goods = new QFrame(chart);
    RzPanel_Goods->setObjectName(QStringLiteral("RzPanel_Goods"));
    RzPanel_Goods->setFrameShape(QFrame::Box);
    RzPanel_Goods->setAutoFillBackground(true);
    auto* goodsBox = new QVBoxLayout(RzPanel_Goods);
    cxGrid6View = XsdjcxGrid(RzPanel_Goods, "cxGrid6View", "D_GoodsCX",
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gc_name", "商品类别", "80" },
            { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" },
            { "g_bz", "备注", "120" }, { "g_jm", "拼音简码", "60" }, { "g_sccs", "生产厂商", "100" } });
    XsdjcxShow(cxGrid6View, "g_jm", false);
    XsdjcxShow(cxGrid6View, "g_sccs", false);
    cxGrid6View->SetFooterVisible(false);
    cxGrid6View->SetSortHook([this](int column, Qt::SortOrder order) {
        if (column < 0) {
            OpenGoodsList(QStringLiteral("order by a.id"));
            return;
        }
        const QString field = cxGrid6View->ColumnField(column);
        OpenGoodsList(QStringLiteral("order by ")
            + (field == QLatin1String("gc_name") ? QStringLiteral("b.gc_name") : QStringLiteral("a.") + field)
            + (order == Qt::DescendingOrder ? QStringLiteral(" desc") : QString()));
    });
    goodsBox->addWidget(cxGrid6View, 1);
    auto* goodsBar = new QHBoxLayout;
    goodsBar->addStretch(1);
    btnKhOK = NamedButton(RzPanel_Goods, "btnKhOK", "确定(F5)", goodsBar);
    btnKhExit = NamedButton(RzPanel_Goods, "btnKhExit", "退出(Esc)", goodsBar);
    goodsBox->addLayout(goodsBar);
    RzPanel_Goods->setGeometry(20, 40, 640, 300);
    RzPanel_Goods->hide();
    views->addWidget(chart);

    barPopupMenu = new QMenu(this);
    popUnChk = barPopupMenu->addAction(QStringLiteral("取消审核(&W)"), this, &TF_Xsdjcx::btn_UnChkClick);
    popZdth = barPopupMenu->addAction(QStringLiteral("整单退货(&X)"), this, &TF_Xsdjcx::btn_ZdthClick);
    popFukuan = barPopupMenu->addAction(QStringLiteral("单据收款(&Y)"), this, &TF_Xsdjcx::btn_FukuanClick);
    connect(cxGrid2View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(barPopupMenu, *cxGrid2View, at); });
    for (DataGrid* g : { cxGrid2View, cxGrid3View, cxGrid1View, cxGrid5View })
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setLsxsspList(); });
    connect(cxGrid4View, &DataGrid::currentRowChanged, this, [this] { setGoodsMx(); });
    for (QRadioButton* r : { rDjb, rHzb, rMxb, rTjt })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            views->setCurrentIndex(rDjb->isChecked() ? 0 : rHzb->isChecked() ? 1 : rMxb->isChecked() ? 2 : 3);
            btnSearch2Click();
        });
    connect(comSort, &QComboBox::currentIndexChanged, this, &TF_Xsdjcx::btnSearch2Click);
    connect(comRq, &QComboBox::currentIndexChanged, this, &TF_Xsdjcx::btnSearch2Click);
    connect(tchkKey, &QLineEdit::returnPressed, this, &TF_Xsdjcx::btnSearch2Click);
    connect(btnSearch2, &QPushButton::clicked, this, &TF_Xsdjcx::btnSearch2Click);
    connect(btn_ChaZhao, &QPushButton::clicked, this, &TF_Xsdjcx::btn_ChaZhaoClick);
    connect(btn_UnChk, &QPushButton::clicked, this, &TF_Xsdjcx::btn_UnChkClick);
    connect(btn_UnChkAll, &QPushButton::clicked, this, &TF_Xsdjcx::btn_UnChkAllClick);
    connect(btn_Fukuan, &QPushButton::clicked, this, &TF_Xsdjcx::btn_FukuanClick);
    connect(btn_Date, &QPushButton::clicked, this, &TF_Xsdjcx::btn_DateClick);
    connect(btn_ChaKan, &QPushButton::clicked, this, &TF_Xsdjcx::btn_ChaKanClick);
    connect(btn_Lxdy, &QPushButton::clicked, this, &TF_Xsdjcx::btn_LxdyClick);
    connect(btn_Prin, &QPushButton::clicked, this, &TF_Xsdjcx::btn_PrinClick);
    connect(btn_Export, &QPushButton::clicked, this, [this] {
        if (rMxb->isChecked()) {
            btn_ExportClick();
            return;
        }
        if (rTjt->isChecked())
            return;
        QMenu menu;
        const bool docsView = rDjb->isChecked();
        menu.addAction(docsView ? QStringLiteral("单据表(&Y)") : QStringLiteral("汇总表(&Y)"), this,
            [this] { btn_ExportClick(false); });
        menu.addAction(docsView ? QStringLiteral("单据的详细信息(&Z)") : QStringLiteral("单据明细表(&Z)"), this,
            [this] { btn_ExportClick(true); });
        menu.exec(btn_Export->mapToGlobal(QPoint(0, btn_Export->height())));
    });
    connect(btn_Zdth, &QPushButton::clicked, this, &TF_Xsdjcx::btn_ZdthClick);
    connect(btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    connect(btnGoods, &QPushButton::clicked, this, [this] {
        RzPanel_Goods->show();
        RzPanel_Goods->raise();
    });
    connect(tTjtKey, &QLineEdit::textEdited, this, &TF_Xsdjcx::tTjtKeyChange);
    connect(cxGrid6View, &DataGrid::rowDoubleClicked, this, &TF_Xsdjcx::GoodsChart);
    connect(btnKhOK, &QPushButton::clicked, this, &TF_Xsdjcx::GoodsChart);
    connect(btnKhExit, &QPushButton::clicked, RzPanel_Goods, &QWidget::hide);
    connect(comNr, &QComboBox::currentIndexChanged, this, &TF_Xsdjcx::DrawChart);
    connect(rZxt, &QRadioButton::toggled, this, &TF_Xsdjcx::DrawChart);
}

TF_Xsdjcx::~TF_Xsdjcx()
{
    if (F_Xsdjcx == this)
        F_Xsdjcx = nullptr;
}

void TF_Xsdjcx::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    if (BatchPrintFlag == QLatin1String("1"))
        return;
    WholeReturnDocNo.clear();
    PrintNowFlag.clear();
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    {
        const QSignalBlocker quiet(rDjb);
        const QSignalBlocker quietChart(comNr);
        const QSignalBlocker quietBars(rZxt);
        rDjb->setChecked(true);
        comNr->setCurrentIndex(1);
        rZxt->setChecked(true);
    }
    views->setCurrentIndex(0);
    QueryWarehouseSn.clear();
    QueryOperatorName.clear();
    QueryClassSn.clear();
    const QString xs = QStringLiteral("xsgl");
    btn_UnChk->setEnabled(HasRight(xs, 11) || HasRight(xs, 12));
    btn_UnChkAll->setEnabled(HasRight(xs, 11) && HasRight(xs, 12));
    popUnChk->setEnabled(btn_UnChk->isEnabled());
    // The right of the return window's own whole-document return.
    btn_Zdth->setEnabled(HasRight(xs, 4));
    popZdth->setEnabled(btn_Zdth->isEnabled());
    btn_Date->setEnabled(CanChangeDocDate);
    btnSearch2Click();

    const bool payment = IsTrue(UseDocPayment) && HasRight(QStringLiteral("wlzk"), 2);
    btn_Fukuan->setVisible(payment);
    popFukuan->setEnabled(payment);
    XsdjcxShow(cxGrid2View, "hkje", payment);
    const bool freight = IsTrue(UseFreightFees);
    for (const char* f : { "ls_yf", "ls_bzf", "ls_yffs" })
        XsdjcxShow(cxGrid2View, f, freight);
    for (const char* f : { "yfje", "sfje", "wfje", "yhje" })
        XsdjcxShow(cxGrid2View, f, ShowSalePrice);
    XsdjcxShow(cxGrid2View, "ls_lr", ShowCostPrice && ShowSalePrice);
    const bool original = IsTrue(UseOriginalDocNo);
    XsdjcxShow(cxGrid2View, "gl_djh2", original);
    XsdjcxShow(cxGrid5View, "gl_djh2", original);
    XsdjcxShow(cxGrid2View, "ht_sn", IsTrue(UseContracts));
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("xs"));
    const bool retail = IsTrue(UseRetailPrice);
    for (DataGrid* g : { cxGrid3View, cxGrid1View, cxGrid5View }) {
        XsdjcxShow(g, "gl_cbj", ShowCostPrice);
        XsdjcxShow(g, "gl_zcb", ShowCostPrice);
        XsdjcxShow(g, "gl_dj", ShowSalePrice);
        XsdjcxShow(g, "gl_zje", ShowSalePrice);
        XsdjcxShow(g, "gl_lsj", retail);
        for (const char* f : { "gl_tax", "gl_taxdj", "gl_je", "gl_taxje" })
            XsdjcxShow(g, f, tax);
    }
    XsdjcxShow(cxGrid5View, "lr", ShowCostPrice && ShowSalePrice);
    XsdjcxShow(cxGrid5View, "lrl", ShowCostPrice && ShowSalePrice);
    XsdjcxShow(cxGrid4View, "zje", ShowSalePrice);
    XsdjcxShow(cxGrid4View, "je", tax);
    XsdjcxShow(cxGrid4View, "taxje", tax);
    XsdjcxShow(cxGrid3View, "gl_dzl", IsTrueFor(UseDiscount, QStringLiteral("xs")));
    btn_Prin->setEnabled(ShowCostPrice && ShowSalePrice);
}

QString TF_Xsdjcx::DateColumn(bool ledger) const
{
    const bool approval = comRq->currentIndex() == 1;
    if (ledger)
        return approval ? QStringLiteral("gl_chkrq") : QStringLiteral("gl_kdrq");
    return approval ? QStringLiteral("chkrq") : QStringLiteral("rq");
}

QString TF_Xsdjcx::KindCondition(const QString& alias) const
{
    // The owing filter is about documents: the ledger views show both kinds.
    if (QueryDocKind == QLatin1String("xs") || QueryDocKind == QLatin1String("xt"))
        return QStringLiteral(" and ") + alias + QStringLiteral("gl_flag='") + QueryDocKind + QStringLiteral("' ");
    return QStringLiteral(" and (") + alias + QStringLiteral("gl_flag='xs' or ") + alias
        + QStringLiteral("gl_flag='xt') ");
}

QString TF_Xsdjcx::KeyCondition(const QStringList& columns) const
{
    // An empty key matches every row (the number is never empty): no pattern to test.
    if (tchkKey->text().trimmed().isEmpty())
        return QStringLiteral(" 1=1 ");
    const QString like = QStringLiteral(" like '%") + SafeSqlText(tchkKey->text().trimmed()) + QStringLiteral("%'");
    return QStringLiteral(" (") + columns.join(like + QStringLiteral(" or ")) + like + QStringLiteral(") ");
}

QString TF_Xsdjcx::AdvancedConditions(const QString& alias, const QString& classAlias) const
{
    QString sql;
    if (!QueryWarehouseSn.isEmpty())
        sql += QStringLiteral(" and ") + alias + QStringLiteral("ck_sn='") + SafeSqlText(QueryWarehouseSn)
            + QStringLiteral("'");
    if (!QueryOperatorName.isEmpty())
        sql += QStringLiteral(" and ") + alias + QStringLiteral("a_name='") + SafeSqlText(QueryOperatorName)
            + QStringLiteral("'");
    if (!QueryClassSn.isEmpty() && !classAlias.isEmpty())
        sql += QStringLiteral(" and ") + classAlias + QStringLiteral("gc_sn like '") + SafeSqlText(QueryClassSn)
            + QStringLiteral("%' ");
    return sql;
}

QString TF_Xsdjcx::LedgerOrder() const
{
    const QString date = DateColumn(true);
    return comSort->currentIndex() == 0
        ? QStringLiteral(" order by a.") + date + QStringLiteral(" desc,a.gl_flag,a.gl_djh desc,a.id desc")
        : QStringLiteral(" order by a.") + date + QStringLiteral(",a.gl_flag,a.gl_djh,a.id");
}

void TF_Xsdjcx::SetKindFilter(const QString& kind)
{
    QueryDocKind = kind;
    btnSearch2Click();
}

void TF_Xsdjcx::btnSearch2Click()
{
    const QDate from = tdate1->date();
    const QDate to = tdate2->date();
    if (rTjt->isChecked()) {
        DailyChart();
        return;
    }
    if (rDjb->isChecked()) {
        const QString date = DateColumn(false);
        QStringList arms;
        if (QueryDocKind != QLatin1String("xt"))
            arms << QStringLiteral(
                        "select a.gl_djh,a.kh_sn,a.ck_sn,a.ls_xsrq as rq,a.ls_yfje as yfje,a.ls_sfje as sfje,"
                        "(a.ls_yfje-a.ls_sfje-a.ls_yhje-a.ls_hkje) as wfje,a.ls_yhje as yhje,'商品销售' as gtype,"
                        "a.u_sn,a.ls_note as dnote,a.a_name,a.gl_djh2,cast(a.ls_th as varchar(8)) as ls_th,b.kh_name,"
                        "b.kh_jm,b.kh_tele,c.u_name,d.ck_name,'1' as dsort,a.ht_sn,a.ls_checker as checker,"
                        "a.ls_chkrq as chkrq,a.ls_hkje as hkje,a.ls_yf,a.ls_bzf,a.ls_yffs,a.ls_lr "
                        "from jxc_lsxsd a,jxc_khxx b,jxc_user c,jxc_ckxx d where a.kh_sn=b.kh_sn and a.u_sn=c.u_sn "
                        "and a.ck_sn=d.ck_sn and a.ls_status=1 ")
                    + WarehouseBindingCondition(QStringLiteral("d"));
        if (QueryDocKind != QLatin1String("xs"))
            arms << QStringLiteral(
                        "select a.gl_djh,a.kh_sn,a.ck_sn,a.th_xsrq as rq,a.th_yfje as yfje,a.th_sfje as sfje,"
                        "(a.th_yfje-a.th_sfje-a.th_hkje) as wfje,0 as yhje,'顾客退货' as gtype,a.u_sn,"
                        "a.th_note as dnote,a.a_name,'' as gl_djh2,'' as ls_th,b.kh_name,b.kh_jm,b.kh_tele,c.u_name,"
                        "d.ck_name,'2' as dsort,'' as ht_sn,a.th_checker as checker,a.th_chkrq as chkrq,"
                        "a.th_hkje as hkje,0 as ls_yf,0 as ls_bzf,'' as ls_yffs,a.th_lr as ls_lr "
                        "from jxc_xsthd a,jxc_khxx b,jxc_user c,jxc_ckxx d where a.kh_sn=b.kh_sn and a.u_sn=c.u_sn "
                        "and a.ck_sn=d.ck_sn and a.th_status=1 ")
                    + WarehouseBindingCondition(QStringLiteral("d"));
        QString sql = QStringLiteral("select * from (") + arms.join(QStringLiteral(" union all "))
            + QStringLiteral(") derivedtbl where ") + PeriodCondition(date, from, to) + QStringLiteral(" and ")
            + KeyCondition({ QStringLiteral("kh_sn"), QStringLiteral("kh_name"), QStringLiteral("kh_jm"),
                QStringLiteral("kh_tele"), QStringLiteral("gl_djh"), QStringLiteral("dnote") });
        if (QueryDocKind == QLatin1String("qk"))
            sql += QStringLiteral(" and wfje>0 ");
        sql += AdvancedConditions(QString(), QString());
        sql += comSort->currentIndex() == 0
            ? QStringLiteral(" order by ") + date + QStringLiteral(" desc,dsort,gl_djh desc")
            : QStringLiteral(" order by ") + date + QStringLiteral(",dsort,gl_djh");
        OpenQuery(Q_Lsxsd, sql);
        setLsxsspList();
        cxGrid2View->setFocus();
        return;
    }
    const QString date = DateColumn(true);
    if (rHzb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.g_sn,a.g_name,a.dw_name,a.g_kc,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.sl,b.zje,b.je,b.taxje,"
            "g.gc_name from jxc_goods a,jxc_goodsclass g,(select c.g_sn,sum(c.gl_sl) as sl,sum(c.gl_zje) as zje,"
            "sum(c.gl_je) as je,sum(c.gl_taxje) as taxje from jxc_goodslist c,jxc_khxx d,jxc_ckxx e "
            "where c.ghs_sn=d.kh_sn and c.ck_sn=e.ck_sn ");
        sql += WarehouseBindingCondition(QStringLiteral("e")) + KindCondition(QStringLiteral("c."))
            + QStringLiteral(" and ") + PeriodCondition(QStringLiteral("c.") + date, from, to) + QStringLiteral(" and ")
            + KeyCondition({ QStringLiteral("c.gl_djh"), QStringLiteral("d.kh_name"), QStringLiteral("d.kh_jm"),
                QStringLiteral("d.kh_tele"), QStringLiteral("d.kh_sn"), QStringLiteral("c.gl_note") })
            + AdvancedConditions(QStringLiteral("c."), QString())
            + QStringLiteral(" group by c.g_sn) b where a.g_sn=b.g_sn and a.gc_sn=g.gc_sn ");
        if (!QueryClassSn.isEmpty())
            sql += QStringLiteral(" and g.gc_sn like '") + SafeSqlText(QueryClassSn) + QStringLiteral("%' ");
        OpenQuery(Q_GXsHZ, sql + QStringLiteral(" order by a.id"));
        setGoodsMx();
        cxGrid4View->setFocus();
        return;
    }
    QString sql = QStringLiteral(
        "select a.*,a.gl_lr as lr,case when a.gl_je<>0 then a.gl_lr*100.00/a.gl_je else 0 end as lrl,c.gc_name,"
        "d.ck_name,e.kh_address,e.kh_lxr,e.kh_tele from jxc_goodslist a,jxc_goods b,jxc_goodsclass c,jxc_ckxx d,"
        "jxc_khxx e where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and a.ck_sn=d.ck_sn and a.ghs_sn=e.kh_sn ");
    sql += WarehouseBindingCondition(QStringLiteral("d")) + KindCondition(QStringLiteral("a."))
        + QStringLiteral(" and ") + PeriodCondition(QStringLiteral("a.") + date, from, to) + QStringLiteral(" and ")
        + KeyCondition({ QStringLiteral("a.gl_djh"), QStringLiteral("e.kh_name"), QStringLiteral("e.kh_sn"),
            QStringLiteral("e.kh_jm"), QStringLiteral("e.kh_tele"), QStringLiteral("a.gl_note") })
        + AdvancedConditions(QStringLiteral("a."), QStringLiteral("b.")) + LedgerOrder();
    OpenQuery(Q_GList2, sql);
}

void TF_Xsdjcx::setLsxsspList()
{
    Q_Lsxssp2.Close();
    ghsname->clear();
    if (!XsdjcxHasRows(Q_Lsxsd))
        return;
    const QString number = Q_Lsxsd.AsString(QStringLiteral("gl_djh"));
    ghsname->setText(number + QStringLiteral("  ") + Q_Lsxsd.AsString(QStringLiteral("kh_name")));
    Q_Lsxssp2.SetSQL(QStringLiteral("select a.*,a.gl_dj*a.gl_dzl as sj from jxc_goodslist a,jxc_goods b "
                                    "where a.g_sn=b.g_sn and a.gl_djh=:djh order by a.id"));
    Q_Lsxssp2.SetParam(QStringLiteral("djh"), number);
    Q_Lsxssp2.Open();
}

void TF_Xsdjcx::setGoodsMx()
{
    Q_GList.Close();
    gname->clear();
    if (!XsdjcxHasRows(Q_GXsHZ))
        return;
    gname->setText(Q_GXsHZ.AsString(QStringLiteral("g_name")));
    const QString date = DateColumn(true);
    QString sql = QStringLiteral("select a.*,d.gc_name from jxc_goodslist a,jxc_khxx b,jxc_goods c,jxc_goodsclass d,"
                                 "jxc_ckxx e where a.ghs_sn=b.kh_sn and a.g_sn=c.g_sn and c.gc_sn=d.gc_sn "
                                 "and a.ck_sn=e.ck_sn ");
    sql += WarehouseBindingCondition(QStringLiteral("e")) + KindCondition(QStringLiteral("a."))
        + QStringLiteral(" and a.g_sn=:g and ")
        + PeriodCondition(QStringLiteral("a.") + date, tdate1->date(), tdate2->date()) + QStringLiteral(" and ")
        + KeyCondition({ QStringLiteral("a.gl_djh"), QStringLiteral("b.kh_name"), QStringLiteral("b.kh_jm"),
            QStringLiteral("b.kh_tele"), QStringLiteral("b.kh_sn"), QStringLiteral("a.gl_note") })
        + AdvancedConditions(QStringLiteral("a."), QStringLiteral("c.")) + LedgerOrder();
    Q_GList.SetSQL(sql);
    Q_GList.SetParam(QStringLiteral("g"), Q_GXsHZ.AsString(QStringLiteral("g_sn")));
    Q_GList.Open();
}

void TF_Xsdjcx::keyPressEvent(QKeyEvent* e)
{
    const bool goodsPanel = RzPanel_Goods->isVisible();
    if (e->key() == Qt::Key_F2) {
        btnSearch2Click();
        return;
    }
    if (goodsPanel && e->key() == Qt::Key_F5) {
        GoodsChart();
        return;
    }
    if (goodsPanel && e->key() == Qt::Key_Escape) {
        RzPanel_Goods->hide();
        return;
    }
    Form::keyPressEvent(e);
}

void TF_Xsdjcx::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Lsxsd, &Q_Lsxssp2, &Q_GXsHZ, &Q_GList, &Q_GList2, &Q_GoodsCX, &Q_ChartXsdjcs })
        q->Close();
    // The return window shows its lines again.
    Query& returnLines = F_DataModule->Q(QStringLiteral("Q_Xsth"));
    if (returnLines.Active())
        returnLines.Requery();
    Form::hideEvent(e);
}
