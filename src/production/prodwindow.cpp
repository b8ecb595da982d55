#include "production/prodwindow.h"
#include "production/prodparts.h"

#include "documents/docdrafts.h"
#include "documents/entryparts.h"
#include "foundation/approvalhooks.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "production/prodrules.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/stockdocs.h"
#include "warehouse/stocktabs.h"
#include "warehouse/stockviews.h"

#include <QAction>
#include <QDate>
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
#include <QTabWidget>
#include <QVBoxLayout>

TF_Bmly* F_Bmly = nullptr;
TF_Bmth* F_Bmth = nullptr;
TF_Scrk* F_Scrk = nullptr;
TF_Sctk* F_Sctk = nullptr;

using kcdb_detail::KcdbOpen;
using posting::Params;

namespace prod_detail {

// A grid on a dataset: columns, the record count and the sums of quantities and amounts.
DataGrid* ProdGrid(QWidget* parent, const char* name, const QString& source, std::initializer_list<ProdCol> columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(source));
    for (const ProdCol& c : columns)
        g->AddColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), c.width);
    g->SetFooterVisible(true);
    g->SetFooterCount(0, QStringLiteral("记录数："));
    for (const char* f :
        { "sl", "zsl", "zje", "t_sl", "gl_sl", "gl_zje", "ly_sl", "ly_hhsl", "ly_qxsl", "ly_zje", "hhsl", "dtsl" }) {
        const int c = g->ColumnByField(QLatin1String(f));
        if (c >= 0)
            g->SetFooterSum(c);
    }
    return g;
}

bool ProdBound()
{
    return BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001");
}

// The operator's warehouses only, on the warehouse table of the alias.
QString ProdBinding(const QString& alias, Params& p)
{
    if (!ProdBound())
        return {};
    p.insert(QStringLiteral("own"), QStringLiteral("%") + CurrentAdminSn + QStringLiteral("%"));
    return QStringLiteral(" and ") + alias + QStringLiteral(".ck_asn like :own");
}

// A period of whole days: from the first day to the start of the day after the last.
void ProdPeriod(const QDateEdit* from, const QDateEdit* to, Params& p)
{
    p.insert(QStringLiteral("d1"), from->date().toString(QStringLiteral("yyyy-MM-dd")));
    p.insert(QStringLiteral("d2"), to->date().addDays(1).toString(QStringLiteral("yyyy-MM-dd")));
}

QString ProdLike(const QString& text)
{
    return QStringLiteral("%") + SafeSqlText(text.trimmed()) + QStringLiteral("%");
}

bool HasRows(const Query& q)
{
    return q.Active() && !q.IsEmpty();
}

// The row of a grid as the dataset's current row; false on an empty grid.
bool ProdAt(DataGrid* g, Query& q)
{
    if (!HasRows(q))
        return false;
    const int row = g->CurrentRow();
    q.SetRecNo(row >= 0 ? g->SourceRow(row) : 0);
    return true;
}

} // namespace prod_detail

using namespace prod_detail;

ProdDocWindow* ProdWindowOf(const ProdKind& kind)
{
    if (&kind == &DeptIssueKind())
        return F_Bmly;
    if (&kind == &DeptReturnKind())
        return F_Bmth;
    if (&kind == &ProductionInKind())
        return F_Scrk;
    return F_Sctk;
}

ProdDocWindow::ProdDocWindow(const ProdKind& k, QWidget* parent)
    : Form(parent), kind(k), doc(k.Doc()),
      Q_Entry(F_DataModule->Q(k.dept ? QStringLiteral("Q_Bmlysp") : QStringLiteral("Q_Scrksp"))),
      Q_Pending(F_DataModule->Q(k.dept ? QStringLiteral("Q_Bmlysh") : QStringLiteral("Q_Scrkdwsh"))),
      Q_PendingLines(F_DataModule->Q(k.dept ? QStringLiteral("Q_Bmlysh2") : QStringLiteral("Q_Scrkspwsh"))),
      Q_Djb(F_DataModule->Q(k.dept ? QStringLiteral("Q_BmlyDjb") : QStringLiteral("Q_Scrk11"))),
      Q_Djb2(F_DataModule->Q(k.dept ? QStringLiteral("Q_BmlyDjb2") : QStringLiteral("Q_Scrk12"))),
      Q_Hzb(F_DataModule->Q(k.dept ? QStringLiteral("Q_BmlyHzb") : QStringLiteral("Q_Scrk21"))),
      Q_Hzb2(F_DataModule->Q(k.dept ? QStringLiteral("Q_BmlyHzb2") : QStringLiteral("Q_Scrk22"))),
      Q_Mxb(F_DataModule->Q(k.dept ? QStringLiteral("Q_BmlyMxb") : QStringLiteral("Q_Scrk3"))),
      Q_Dept2(F_DataModule->Q(QStringLiteral("Q_Dept2")))
{
    setObjectName(k.windowName);
    setWindowTitle(k.stock.title);
    resize(1024, 680);
    BuildStockTabs(*this, k.entryTab, k.pendingTab, k.queryTab);
    if (k.dept) {
        cxTab4 = new QWidget;
        cxPage->addTab(cxTab4, k.sign > 0 ? QStringLiteral("综合查询") : QStringLiteral("待退回单据查询"));
    }
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    if (cxTab4)
        BuildFourthTab();
    BuildDeptPanel();
    connect(cxPage, &QTabWidget::currentChanged, this, [this] {
        QWidget* tab = cxPage->currentWidget();
        if (tab == cxTab2) {
            tkey->clear();
            btnSearch2Click();
        } else if (tab == cxTab3) {
            tkey2->clear();
            views[0]->setChecked(true);
            setQueryView(0);
        } else if (tab && tab == cxTab4) {
            btnSearch4Click();
        }
    });

    DocHost host = StockDocHost(*this);
    host.reloadDraft = [this] {
        openGridViewData(gldjh->text());
        setButtons();
    };
    host.reloadPending = [this] { updateBottomJe(); };
    host.reloadPendingLines = [this] { setShspList(); };
    host.pendingHeader
        = [this](const QString& column) { return HasRows(Q_Pending) ? Q_Pending.AsString(column) : QString(); };
    host.draftLine = [this] { return EntryHasRows() ? Q_Entry.AsInteger(QStringLiteral("id")) : qint64(0); };
    host.pendingLine
        = [this] { return HasRows(Q_PendingLines) ? Q_PendingLines.AsInteger(QStringLiteral("id")) : qint64(0); };
    doc.SetHost(std::move(host));
}

ProdDocWindow::~ProdDocWindow() = default;

// ---------------------------------------------------------------- building

void ProdDocWindow::BuildEntryTab()
{
    auto* v = new QVBoxLayout(cxTab1);
    AddStockTitle(cxTab1, v, kind.stock.title);
    auto* head = new QHBoxLayout;
    const char* ckCaption
        = kind.dept ? (kind.sign > 0 ? "领用仓库：" : "退回仓库：") : (kind.sign > 0 ? "收货仓库：" : "退货仓库：");
    head->addWidget(NamedLabel(cxTab1, ckCaption));
    comCk = new KeyedCombo(cxTab1);
    comCk->setObjectName(QStringLiteral("comCk"));
    head->addWidget(comCk);
    head->addWidget(NamedLabel(cxTab1, "开单日期："));
    dateCg = MakeDateEdit(cxTab1, "dateCg");
    head->addWidget(dateCg);
    head->addWidget(NamedLabel(cxTab1, "单号："));
    gldjh = NamedLabel(cxTab1, "", "gldjh");
    head->addWidget(gldjh);
    head->addWidget(new QLabel(kind.deptLabel, cxTab1));
    tBmmc = new QLineEdit(cxTab1);
    tBmmc->setObjectName(QStringLiteral("tBmmc"));
    tBmmc->setReadOnly(true);
    tBmmc->setMaxLength(16);
    tBmmc->setMinimumWidth(110);
    head->addWidget(tBmmc);
    btnBm = NamedButton(cxTab1, "btnBm", "…", head);
    btnBm->setFixedWidth(30);
    head->addStretch(1);
    btnAdd = NamedButton(
        cxTab1, "btnAdd", kind.dept ? (kind.sign > 0 ? "领用商品添加(F2)" : "商品添加(F2)") : "产品添加(F2)", head);
    btnModi = NamedButton(cxTab1, "btnModi", "修改", head);
    btnDel = NamedButton(cxTab1, "btnDel", "删除", head);
    btnPrin = NamedButton(cxTab1, "btnPrin", "打印", head);
    auto* prin = new QMenu(this);
    prin->addAction(QStringLiteral("打印单据(&W)"), this, &ProdDocWindow::btnPrintClick);
    prin->addAction(QStringLiteral("预览单据(&X)"), this, &ProdDocWindow::btnPreviewClick);
    btnPrin->setMenu(prin);
    v->addLayout(head);

    cxGridView = ProdGrid(cxTab1, "cxGridView", kind.dept ? QStringLiteral("D_Bmlysp") : QStringLiteral("D_Scrksp"),
        { { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 140 }, { "dw_name", "单位", 50 },
            { "gg_name", "款型说明", 90 }, { "color_name", "颜色", 60 }, { "cm_name", "尺码", 60 },
            { "dj", "单价", 70 }, { "t_sl", kind.dept ? "领用数量" : "数量", 70 }, { "zje", "总成本", 80 },
            { "bz", "备注", 120 } });
    v->addWidget(cxGridView, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(NamedLabel(cxTab1, "经办人："));
    comUser = new KeyedCombo(cxTab1);
    comUser->setObjectName(QStringLiteral("comUser"));
    bottom->addWidget(comUser);
    bottom->addWidget(NamedLabel(cxTab1, "总金额："));
    tsfje = new QLineEdit(cxTab1);
    tsfje->setObjectName(QStringLiteral("tsfje"));
    tsfje->setReadOnly(kind.dept);
    bottom->addWidget(tsfje);
    bottom->addWidget(NamedLabel(cxTab1, "备         注："));
    tnote = new QLineEdit(cxTab1);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setMaxLength(100);
    bottom->addWidget(tnote, 1);
    btnOK = NamedButton(cxTab1, "btnOK", "保存(F5)", bottom);
    QPushButton* exit = NamedButton(cxTab1, "btnExit", "退出(Esc)", bottom);
    v->addLayout(bottom);

    RzPanel_Tm = new BarcodePanel(cxTab1);
    tSptm = RzPanel_Tm->tSptm;
    btnNoRepeat = RzPanel_Tm->btnPanelAdd;
    btnOpenModi = RzPanel_Tm->btnPanelModi;
    v->insertWidget(2, RzPanel_Tm);
    RzPanel_Tm->setVisible(kind.barcode);
    if (kind.barcode) {
        // The entry grid's menu of the windows with a barcode panel; it prints nothing.
        EntryGridActions actions;
        actions.addCaption = kind.dept ? QStringLiteral("添加商品(&W)") : QStringLiteral("添加产品(&W)");
        actions.add = [this] { btnAddClick(); };
        actions.modify = [this] { btnModiClick(); };
        actions.remove = [this] { btnDelClick(); };
        actions.hasLines = [this] { return EntryHasRows(); };
        const EntryGridMenu menu = NewEntryGridMenu(this, cxGridView, RzPanel_Tm, actions);
        menu.btnRModi->setText(QStringLiteral("修改商品(&X)"));
        menu.btnRDel->setText(QStringLiteral("删除商品(&Y)"));
        menu.btnPrinSub->menuAction()->setVisible(false);
    }

    connect(tSptm, &QLineEdit::returnPressed, this, &ProdDocWindow::tSptmKeyDown);
    connect(btnAdd, &QPushButton::clicked, this, &ProdDocWindow::btnAddClick);
    connect(btnModi, &QPushButton::clicked, this, &ProdDocWindow::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &ProdDocWindow::btnDelClick);
    connect(btnBm, &QPushButton::clicked, this, [this] { btnDeptClick(0); });
    connect(btnOK, &QPushButton::clicked, this, &ProdDocWindow::btnOKClick);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { dateCgChange(); });
}

void ProdDocWindow::BuildDeptPanel()
{
    cxPanelBm = new QFrame(this);
    cxPanelBm->setObjectName(QStringLiteral("cxPanelBm"));
    cxPanelBm->setFrameShape(QFrame::Box);
    cxPanelBm->setAutoFillBackground(true);
    cxPanelBm->setGeometry(200, 90, 420, 320);
    auto* v = new QVBoxLayout(cxPanelBm);
    auto* row = new QHBoxLayout;
    row->addWidget(NamedLabel(cxPanelBm, "查找部门F2)："));
    tDept = new QLineEdit(cxPanelBm);
    tDept->setObjectName(QStringLiteral("tDept"));
    tDept->setPlaceholderText(QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询"));
    row->addWidget(tDept);
    v->addLayout(row);
    cxGridDeptView = ProdGrid(cxPanelBm, "cxGridDeptView", QStringLiteral("D_Dept2"),
        { { "de_sn", "编号", 80 }, { "de_name", "部门名称", 200 } });
    cxGridDeptView->SetSearchColumns({ QStringLiteral("de_sn"), QStringLiteral("de_name") });
    v->addWidget(cxGridDeptView, 1);
    auto* buttons = new QHBoxLayout;
    btnDeptAdd = NamedButton(cxPanelBm, "btnDeptAdd", "添加(F8)", buttons);
    QPushButton* ok = NamedButton(cxPanelBm, "btnDeptOK", "确定(F5)", buttons);
    QPushButton* exit = NamedButton(cxPanelBm, "btnDeptExit", "退出(Esc)", buttons);
    v->addLayout(buttons);
    cxPanelBm->hide();
    connect(tDept, &QLineEdit::textChanged, this, &ProdDocWindow::tDeptChange);
    connect(btnDeptAdd, &QPushButton::clicked, this, &ProdDocWindow::btnDeptAddClick);
    connect(ok, &QPushButton::clicked, this, &ProdDocWindow::btnDeptOKClick);
    connect(exit, &QPushButton::clicked, this, &ProdDocWindow::btnDeptExitClick);
    connect(cxGridDeptView, &DataGrid::rowDoubleClicked, this, [this] { btnDeptOKClick(); });
}

void ProdDocWindow::BuildPendingTab()
{
    auto* v = new QVBoxLayout(cxTab2);
    const QString what = kind.Doc().logName;
    auto* note = new QLabel(QStringLiteral("说明：“待审核”的") + what + QStringLiteral("只有变成“已审核”状态后，")
            + QStringLiteral("才能使库存量、账务等信息发生变化。“已审核”状态的单据不允许再修改，“待审核”的允许修改。"),
        cxTab2);
    note->setWordWrap(true);
    v->addWidget(note);
    auto* row = new QHBoxLayout;
    row->addWidget(NamedLabel(cxTab2, "请输入单据相关信息进行查询："));
    tkey = new QLineEdit(cxTab2);
    tkey->setObjectName(QStringLiteral("tkey"));
    row->addWidget(tkey);
    QPushButton* search = NamedButton(cxTab2, "btnSearch2", "查询(F2)", row);
    row->addStretch(1);
    QPushButton* view = NamedButton(cxTab2, "btnView", "查看单据", row);
    QPushButton* dele = NamedButton(cxTab2, "btnDele", "删除单据", row);
    btnPrin2 = NamedButton(cxTab2, "btnPrin2", "打印", row);
    btnCheckAll = NamedButton(cxTab2, "btnCheckAll", "审核全部", row);
    QPushButton* exportList = NamedButton(cxTab2, "btnExport", "导出", row);
    btnDate = NamedButton(cxTab2, "btnDate", "更改", row);
    v->addLayout(row);
    const bool dept = kind.dept;
    cxGrid2View = ProdGrid(cxTab2, "cxGrid2View", dept ? QStringLiteral("D_Bmlysh") : QStringLiteral("D_Scrkdwsh"),
        { { "gl_djh", "单据号", 120 }, { "rq", dept ? "开单日期" : (kind.sign > 0 ? "生产日期" : "退库日期"), 120 },
            { "zsl", "数量", 70 }, { "zje", dept ? "总成本" : (kind.sign > 0 ? "生产成本" : "退库成本"), 80 },
            { "ck_name", "仓库名称", 90 }, { "de_name", dept ? "部门名称" : "生产部门", 90 },
            { "u_name", "经办人", 70 }, { "a_name", "操作员", 70 }, { "note", "备注", 150 } });
    v->addWidget(cxGrid2View, 1);
    auto* lineRow = new QHBoxLayout;
    QPushButton* mx = NamedButton(cxTab2, "linkMx", "查看详细数量", lineRow);
    lineRow->addStretch(1);
    QPushButton* add2 = NamedButton(cxTab2, "btnAdd2", "新增商品", lineRow);
    QPushButton* modi2 = NamedButton(cxTab2, "btnModi2", "修改商品", lineRow);
    QPushButton* del2 = NamedButton(cxTab2, "btnDel2", "删除商品", lineRow);
    v->addLayout(lineRow);
    cxGrid3View = ProdGrid(cxTab2, "cxGrid3View", dept ? QStringLiteral("D_Bmlysh2") : QStringLiteral("D_Scrkspwsh"),
        { { "gl_djh", "单据号", 120 }, { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 140 },
            { "gg_name", "款型说明", 90 }, { "color_name", "颜色", 60 }, { "dw_name", "单位", 50 },
            { "dj", "单价", 70 }, { "sl", dept ? "数量" : "生产数量", 70 }, { "zje", "总成本", 80 },
            { "bz", "备注", 120 } });
    v->addWidget(cxGrid3View, 1);
    auto* menu = new QMenu(this);
    btnRChk = menu->addAction(QStringLiteral("审核单据(&Y)"), this, &ProdDocWindow::btnRChkClick);
    menu->addAction(QStringLiteral("删除单据(&Z)"), this, &ProdDocWindow::btnDeleClick);
    connect(cxGrid2View, &DataGrid::rightClicked, this, [menu](const QPoint& at) { menu->popup(at); });
    connect(search, &QPushButton::clicked, this, &ProdDocWindow::btnSearch2Click);
    connect(view, &QPushButton::clicked, this, &ProdDocWindow::btnViewClick);
    connect(dele, &QPushButton::clicked, this, &ProdDocWindow::btnDeleClick);
    connect(btnPrin2, &QPushButton::clicked, this, &ProdDocWindow::btnPrin2Click);
    connect(btnCheckAll, &QPushButton::clicked, this, &ProdDocWindow::btnCheckAllClick);
    connect(exportList, &QPushButton::clicked, this, &ProdDocWindow::btnExportClick);
    connect(btnDate, &QPushButton::clicked, this, &ProdDocWindow::btnDateClick);
    connect(add2, &QPushButton::clicked, this, &ProdDocWindow::btnAdd2Click);
    connect(modi2, &QPushButton::clicked, this, &ProdDocWindow::btnModi2Click);
    connect(del2, &QPushButton::clicked, this, &ProdDocWindow::btnDel2Click);
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setShspList(); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btnViewClick(); });
    connect(cxGrid3View, &DataGrid::rowDoubleClicked, this, [this] { btnModi2Click(); });
    connect(mx, &QPushButton::clicked, this, [this] {
        if (!ProdAt(cxGrid3View, Q_PendingLines))
            return;
        AuxTag = kind.Doc().detail;
        SelectedSn = Q_PendingLines.AsString(QStringLiteral("g_sn"));
        SelectedLineId = Q_PendingLines.AsString(QStringLiteral("tid"));
        FunctionWindows::Open(QStringLiteral("TF_Detail"), FunctionWindows::Lifetime::Freed);
        AuxTag.clear();
        SelectedSn.clear();
        SelectedLineId.clear();
    });
}

// ---------------------------------------------------------------- entry tab

QString ProdDocWindow::Day() const
{
    return dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
}

void ProdDocWindow::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    if (ReturningFromPrint == QLatin1String("1")) {
        ReturningFromPrint = QStringLiteral("0");
        return;
    }
    FutureDateAnswer = QStringLiteral("0");
    ActiveDocKind = kind.stock.tag;
    {
        const QSignalBlocker block(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    {
        const QSignalBlocker block(dateCg);
        dateCg->setDate(Clock::Today());
    }
    tnote->clear();
    tsfje->setText(QStringLiteral("0"));
    gldjh->setText(NextDocNoToday(kind.Doc().header, QStringLiteral("gl_djh"), kind.Doc().prefix));
    FillCombos();
    cxPanelBm->hide();
    tDept->clear();
    tDept2->clear();
    if (tDept4)
        tDept4->clear();
    if (!Q_Dept2.Active())
        KcdbOpen(Q_Dept2, QStringLiteral("select * from jxc_dept order by id"));
    CurrentDeptSn = HasRows(Q_Dept2) ? Q_Dept2.AsString(QStringLiteral("de_sn")) : QString();
    tBmmc->setText(HasRows(Q_Dept2) ? Q_Dept2.AsString(QStringLiteral("de_name")) : QString());
    const QDate today = Clock::Today();
    for (QDateEdit* d : { date1, date3 })
        if (d)
            d->setDate(QDate(today.year(), today.month(), 1));
    for (QDateEdit* d : { date2, date4 })
        if (d)
            d->setDate(today);
    if (tkey4)
        tkey4->clear();
    if (&kind == &DeptIssueKind() && !SourceDocNo.isEmpty())
        TakeOver();
    SourceDocNo.clear();
    openGridViewData(gldjh->text());
    setButtons();
    ApplyRights();
    if (kind.barcode) {
        RzPanel_Tm->show();
        tSptm->setFocus();
    }
}

void ProdDocWindow::FillCombos()
{
    const QString shown = comUser->currentText();
    FillStaffCombo(*comUser, kind.stock.staffFlag);
    const int at = comUser->findText(shown);
    comUser->setCurrentIndex(!shown.isEmpty() && at >= 0 ? at : (comUser->count() > 0 ? 0 : -1));
    const QString table = QStringLiteral("jxc_ckxx");
    if (ProdBound())
        FillComboWhere(*comCk, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"),
            QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'"));
    else
        FillCombo(*comCk, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"));
    const int ck = comCk->findText(DefaultWarehouseName());
    comCk->setCurrentIndex(ck >= 0 ? ck : (comCk->count() > 0 ? 0 : -1));
    comCk->setEnabled(true);
}

void ProdDocWindow::ApplyRights()
{
    const QString module = kind.Doc().rightModule;
    const bool approve = HasRight(module, kind.Doc().approveRight);
    btnCheckAll->setEnabled(approve);
    btnRChk->setEnabled(approve);
    // The cancellation routine checks its own position; the buttons follow it.
    const bool unapprove = HasRight(module, kind.stock.unapproveRight);
    btnUnapprove->setEnabled(unapprove);
    btnRUnapprove->setEnabled(unapprove);
    btnDate->setEnabled(&kind == &ProductionReturnKind() || CanChangeDocDate);
    btnPrin2->setEnabled(ShowCostPrice);
    btnPrin3->setEnabled(ShowCostPrice);
    tsfje->setVisible(ShowCostPrice);
    for (DataGrid* g : { cxGridView, cxGrid2View, cxGrid3View, cxGridDjbView, cxGridDjb2View, cxGridHzb2View }) {
        for (const char* f : { "dj", "zje" }) {
            const int c = g->ColumnByField(QLatin1String(f));
            if (c >= 0)
                g->SetColumnVisible(c, ShowCostPrice);
        }
        const int color = g->ColumnByField(QStringLiteral("color_name"));
        if (color >= 0)
            g->SetColumnVisible(color, IsTrue(UseColors));
    }
}

void ProdDocWindow::TakeOver()
{
    const TakeOverResult r = TakeOverGoodsIn(gldjh->text(), SourceDocNo);
    if (!r.found)
        return;
    tnote->setText(r.note);
    const int ck = comCk->findText(r.warehouseName);
    if (ck >= 0)
        comCk->setCurrentIndex(ck);
    const int u = comUser->findText(r.handlerName);
    if (u >= 0)
        comUser->setCurrentIndex(u);
}

void ProdDocWindow::openGridViewData(const QString& number)
{
    const DocKind& d = kind.Doc();
    const QString c = d.linePrefix;
    KcdbOpen(Q_Entry,
        QStringLiteral("select b.*,b.%1_dj as dj,b.%2 as bz,a.g_name,a.g_jm,a.dw_name,"
                       "a.gg_name,d.color_name,c.cm_name,e.t_sl,e.t_sl*b.%1_dj as zje,e.id as eid from %3 b inner "
                       "join %4 e on b.id=e.tid left join jxc_goods a on a.g_sn=b.g_sn left join jxc_cm c on "
                       "c.cm_sn=e.cm_sn left join jxc_color d on d.color_sn=e.color_sn where b.gl_djh=:n and "
                       "b.a_name=:a order by b.id,e.id")
            .arg(c, kind.dept ? QStringLiteral("t_ph") : QStringLiteral("sc_bz"), d.lines, d.detail),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } });
}

bool ProdDocWindow::EntryHasRows() const
{
    return HasRows(Q_Entry);
}

void ProdDocWindow::setButtons()
{
    const bool rows = EntryHasRows();
    btnModi->setVisible(rows);
    btnDel->setVisible(rows);
    btnPrin->setVisible(rows && !IsTrue(NoPrintBeforeSave));
    comCk->setEnabled(!rows);
    const DocKind& d = kind.Doc();
    const double total = posting::FirstNumber(QStringLiteral("select sum(") + d.Col("zje") + QStringLiteral(") from ")
            + d.lines + QStringLiteral(" where gl_djh=:n"),
        { { QStringLiteral("n"), gldjh->text() } });
    tsfje->setText(NumberText(total));
}

void ProdDocWindow::tSptmKeyDown()
{
    ProdScanInput in;
    in.code = tSptm->text();
    in.number = gldjh->text();
    in.warehouse = comCk->currentIndex() < 0 ? QString() : comCk->Code(comCk->currentIndex());
    in.day = Day();
    in.noRepeat = !kind.dept && btnNoRepeat->isChecked();
    if (in.code.trimmed().isEmpty())
        return;
    const ProdScanResult r = ScanProdBarcode(kind, in);
    if (!r.message.isEmpty()) {
        Prompt::Info(r.message);
        if (r.message.startsWith(QStringLiteral("该商品")))
            tSptm->clear();
        return;
    }
    gldjh->setText(r.number);
    openGridViewData(r.number);
    Q_Entry.Last();
    cxGridView->SetCurrentRow(Q_Entry.RecNo());
    setButtons();
    tSptm->clear();
    if (btnOpenModi->isChecked())
        btnModiClick();
}

void ProdDocWindow::btnAddClick()
{
    if (!btnAdd->isEnabled())
        return;
    ActiveDocKind = kind.stock.tag;
    FunctionWindows::Open(kind.addDialog, FunctionWindows::Lifetime::Kept);
    openGridViewData(gldjh->text());
    setButtons();
}

void ProdDocWindow::btnModiClick()
{
    if (!ProdAt(cxGridView, Q_Entry))
        return;
    // A return line is opened by the requisition line it returns.
    OpenStockLineDialog(kind.seleDialog, kind.dept ? QStringLiteral("bmly") : QStringLiteral("scrk"),
        &kind == &DeptReturnKind() ? Q_Entry.AsString(QStringLiteral("id2"))
                                   : Q_Entry.AsString(QStringLiteral("g_sn")));
    openGridViewData(gldjh->text());
    setButtons();
}

void ProdDocWindow::btnDelClick()
{
    if (!ProdAt(cxGridView, Q_Entry))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的产品吗！")) != Prompt::Answer::Yes)
        return;
    DeleteProdDetailRow(kind, Q_Entry.AsInteger(QStringLiteral("eid")), Q_Entry.AsInteger(QStringLiteral("id")));
    openGridViewData(gldjh->text());
    setButtons();
}

void ProdDocWindow::dateCgChange()
{
    const QString day = Day();
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    if (day > today
        && Prompt::YesNo(QStringLiteral("您选择的日期：") + day + QStringLiteral("，\r\n\r\n大于计算机的当前日期：")
               + today + QStringLiteral("，\r\n\r\n确认继续吗？"))
            != Prompt::Answer::Yes) {
        const QSignalBlocker block(dateCg);
        dateCg->setDate(Clock::Today());
        return;
    }
    try {
        const QString number = RedrawForDate(kind.Doc(), gldjh->text(), Day());
        gldjh->setText(number);
        openGridViewData(number);
    } catch (const std::exception&) {
        // A failed renumbering leaves the draft under its number.
    }
}

void ProdDocWindow::btnOKClick()
{
    QString refusal;
    if (!EntryHasRows())
        refusal = kind.stock.noLinesText;
    else if (comUser->currentIndex() < 0 || comUser->currentText().isEmpty())
        refusal = QStringLiteral("请选择经办人！");
    else if (comCk->currentIndex() < 0 || comCk->currentText().isEmpty())
        refusal = QStringLiteral("请选择仓库！");
    else if (tBmmc->text().isEmpty())
        refusal = kind.noDeptText;
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (Prompt::YesNo(ApproveOnSaveSet() ? kind.stock.approveOnSaveQuestion : kind.stock.pendingQuestion)
        != Prompt::Answer::Yes)
        return;
    const double total = kind.sign * tsfje->text().toDouble();
    QList<QPair<QString, QVariant>> values { { QStringLiteral("ck_sn"), comCk->Code(comCk->currentIndex()) },
        { QStringLiteral("de_sn"), CurrentDeptSn }, { kind.flagColumn, kind.sign } };
    for (const QString& c : kind.totalColumns)
        values.append({ c, total });
    if (!kind.dept)
        values.append({ QStringLiteral("ghs_sn"), QString() });
    const StockSaveResult saved = SaveStockDocument(
        kind.stock, gldjh->text(), Day(), comUser->Code(comUser->currentIndex()), tnote->text().trimmed(), values);
    if (!saved.refusal.isEmpty())
        Prompt::Info(saved.refusal);
    SourceDocNo.clear();
    FormActivate();
}

void ProdDocWindow::checkDj(const QString& number)
{
    const QString refusal = ApproveProdDocument(kind, number);
    if (!refusal.isEmpty())
        Prompt::Info(refusal);
}

void ProdDocWindow::setPrinPara(Report& report, const QString& number, const QString& flag)
{
    if (!LoadStockDocPrint(report, kind.stock, number, flag != QLatin1String("1")))
        return;
    SetCompanyPrintVars(report);
    report.SetVariable(QStringLiteral("ckName"), comCk->currentText());
    report.SetVariable(QStringLiteral("uName"), comUser->currentText());
    report.SetVariable(QStringLiteral("jhDate"), Day());
    report.SetVariable(QStringLiteral("deName"), tBmmc->text());
    report.SetVariable(QStringLiteral("Note"), tnote->text());
    for (const char* v : { "checker", "chkrq", "chker" })
        report.SetVariable(QLatin1String(v), QString());
}

void ProdDocWindow::PrintEntry(bool preview)
{
    if (!EntryHasRows())
        return;
    RunDocumentPrint(preview, ReturningFromPrint,
        [this](Report& report) { setPrinPara(report, gldjh->text(), QStringLiteral("1")); });
    setButtons();
}

void ProdDocWindow::btnPrintClick()
{
    PrintEntry(false);
}

void ProdDocWindow::btnPreviewClick()
{
    PrintEntry(true);
}

void ProdDocWindow::ShowStored(const QString& number)
{
    Report report;
    setPrinPara(report, number, QStringLiteral("2"));
    report.ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}

bool ProdDocWindow::FormCloseQuery()
{
    const bool close = doc.CloseQuery(EntryHasRows(), gldjh->text(), [this] { btnOKClick(); });
    if (close)
        SelectedLineId.clear();
    return close;
}

void ProdDocWindow::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Entry, &Q_Pending, &Q_PendingLines, &Q_Djb, &Q_Djb2, &Q_Hzb, &Q_Hzb2, &Q_Mxb })
        q->Close();
    F_DataModule->Q_GoodsPrin.Close();
    Form::hideEvent(e);
}

void ProdDocWindow::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (cxPanelBm->isVisible()) {
        if (key == Qt::Key_F2)
            tDept->setFocus();
        else if (key == Qt::Key_F5)
            btnDeptOKClick();
        else if (key == Qt::Key_F8 && btnDeptAdd->isVisible())
            btnDeptAddClick();
        else if (key == Qt::Key_Escape)
            btnDeptExitClick();
        else
            Form::keyPressEvent(e);
        return;
    }
    if (key == Qt::Key_F5) {
        btnOKClick();
        return;
    }
    if (key == Qt::Key_F2) {
        QWidget* tab = cxPage->currentWidget();
        if (tab == cxTab1 && btnAdd->isEnabled())
            btnAddClick();
        else if (tab == cxTab2)
            btnSearch2Click();
        else if (tab && tab == cxTab4)
            btnSearch4Click();
        return;
    }
    Form::keyPressEvent(e);
}

// ---------------------------------------------------------------- department panel

void ProdDocWindow::btnDeptClick(int target)
{
    deptTarget = target;
    if (!Q_Dept2.Active())
        KcdbOpen(Q_Dept2, QStringLiteral("select * from jxc_dept order by id"));
    cxGridDeptView->SetSearchText(QString());
    btnDeptAdd->setVisible(target == 0);
    cxPanelBm->show();
    cxPanelBm->raise();
    tDept->setFocus();
}

void ProdDocWindow::tDeptChange()
{
    cxGridDeptView->SetSearchText(tDept->text().trimmed());
}

void ProdDocWindow::PickDept(const QString& sn, const QString& name)
{
    if (deptTarget == 0) {
        CurrentDeptSn = sn;
        tBmmc->setText(name);
    } else if (deptTarget == 2) {
        tDept2->setText(name);
    } else if (tDept4) {
        tDept4->setText(name);
    }
}

void ProdDocWindow::btnDeptOKClick()
{
    const int row = cxGridDeptView->CurrentRow();
    if (row >= 0) {
        PickDept(cxGridDeptView->Value(row, QStringLiteral("de_sn")).toString(),
            cxGridDeptView->Value(row, QStringLiteral("de_name")).toString());
    }
    btnDeptExitClick();
}

void ProdDocWindow::btnDeptExitClick()
{
    cxPanelBm->hide();
    const QSignalBlocker block(tDept);
    tDept->clear();
}

void ProdDocWindow::btnDeptAddClick()
{
    PickerCaller = kind.stock.tag;
    FunctionWindows::Open(QStringLiteral("TF_Dept"), FunctionWindows::Lifetime::Freed);
    PickerCaller.clear();
    KcdbOpen(Q_Dept2, QStringLiteral("select * from jxc_dept order by id"));
}

// ---------------------------------------------------------------- pending tab

void ProdDocWindow::btnSearch2Click()
{
    const DocKind& d = kind.Doc();
    const QString c = d.linePrefix;
    Params p { { QStringLiteral("f"), kind.sign }, { QStringLiteral("k"), ProdLike(tkey->text()) } };
    const QString binding = ProdBinding(QStringLiteral("b"), p);
    // The requisition's search matches the number or the remark, the production
    // kinds' also the warehouse's name and code.
    const QString search = kind.dept ? QStringLiteral("(a.gl_djh like :k or a.ly_note like :k)")
                                     : QStringLiteral("(a.gl_djh like :k or b.ck_name like :k or a.ck_sn like :k or "
                                                      "a.sc_note like :k)");
    KcdbOpen(Q_Pending,
        QStringLiteral("select a.*,a.%1_rq as rq,a.%1_note as note,a.%2 as zje,b.ck_name,c.de_name,d.u_name,e.zsl "
                       "from %3 a left join jxc_ckxx b on a.ck_sn=b.ck_sn left join jxc_dept c on a.de_sn=c.de_sn "
                       "left join jxc_user d on a.u_sn=d.u_sn left join (select gl_djh,sum(%1_sl) as zsl from %4 "
                       "group by gl_djh) e on a.gl_djh=e.gl_djh where a.%1_status=0 and a.%1_flag=:f")
                .arg(c, kind.totalColumns.first(), d.header, d.lines)
            + binding + QStringLiteral(" and ") + search + QStringLiteral(" order by a.gl_djh"),
        p);
    setShspList();
}

QString ProdDocWindow::SelectedPendingNo() const
{
    if (!HasRows(Q_Pending))
        return {};
    const int row = cxGrid2View->CurrentRow();
    Q_Pending.SetRecNo(row >= 0 ? cxGrid2View->SourceRow(row) : 0);
    return Q_Pending.AsString(QStringLiteral("gl_djh"));
}

void ProdDocWindow::setShspList()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty()) {
        Q_PendingLines.Close();
        return;
    }
    const DocKind& d = kind.Doc();
    KcdbOpen(Q_PendingLines,
        QStringLiteral("select a.*,a.%1_sl as sl,a.%1_dj as dj,a.%1_zje as zje,a.%2 as bz,b.g_name,b.dw_name,"
                       "b.gg_name,b.color_name from %3 a left join jxc_goods b on a.g_sn=b.g_sn where a.gl_djh=:n "
                       "order by a.id")
            .arg(d.linePrefix, kind.dept ? QStringLiteral("t_ph") : QStringLiteral("sc_bz"), d.lines),
        { { QStringLiteral("n"), number } });
}

void ProdDocWindow::ReopenPending(const QString& number)
{
    btnSearch2Click();
    if (!number.isEmpty() && Q_Pending.Locate(QStringLiteral("gl_djh"), number))
        cxGrid2View->SetCurrentRow(Q_Pending.RecNo());
    setShspList();
}

void ProdDocWindow::updateBottomJe()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    UpdateProdPendingTotal(kind, number);
    ReopenPending(number);
}

void ProdDocWindow::btnViewClick()
{
    const QString number = SelectedPendingNo();
    if (!number.isEmpty())
        ShowStored(number);
}

void ProdDocWindow::btnDeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) != Prompt::Answer::Yes)
        return;
    DeleteProdDocument(kind, number);
    ReopenPending(QString());
}

void ProdDocWindow::btnRChkClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRChk->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要审核当前选中的单据吗！")) != Prompt::Answer::Yes)
        return;
    const QString answer = CheckApproveAllowed(number, Q_Pending.AsString(QStringLiteral("rq")));
    if (answer != QLatin1String("ok"))
        Prompt::Info(answer);
    else
        checkDj(number);
    ReopenPending(QString());
}

void ProdDocWindow::btnCheckAllClick()
{
    if (!HasRows(Q_Pending) || !btnCheckAll->isEnabled())
        return;
    ApproveStockPendingList(Q_Pending, QStringLiteral("rq"), [this](const QString& number) { checkDj(number); });
    ReopenPending(QString());
}

void ProdDocWindow::btnDateClick()
{
    if (SelectedPendingNo().isEmpty())
        return;
    DateEditDocNo = kind.dateTag;
    FunctionWindows::Open(QStringLiteral("TF_ModiDateLy"), FunctionWindows::Lifetime::Freed);
    DateEditDocNo.clear();
}

void ProdDocWindow::btnAdd2Click()
{
    if (SelectedPendingNo().isEmpty())
        return;
    ActiveDocKind = kind.stock.pendingTag;
    FunctionWindows::Open(kind.addDialog, FunctionWindows::Lifetime::Kept);
    ActiveDocKind = kind.stock.tag;
    updateBottomJe();
}

void ProdDocWindow::btnModi2Click()
{
    if (SelectedPendingNo().isEmpty() || !ProdAt(cxGrid3View, Q_PendingLines))
        return;
    const qint64 line = Q_PendingLines.AsInteger(QStringLiteral("id"));
    OpenMode = kind.dept ? QStringLiteral("modish") : QStringLiteral("scrk_modi2");
    ActiveDocKind = kind.stock.pendingTag;
    SelectedSn = &kind == &DeptReturnKind() ? Q_PendingLines.AsString(QStringLiteral("id2"))
                                            : Q_PendingLines.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(kind.seleDialog, FunctionWindows::Lifetime::Freed);
    ActiveDocKind = kind.stock.tag;
    OpenMode.clear();
    SelectedSn.clear();
    updateBottomJe();
    if (Q_PendingLines.LocateId(line))
        cxGrid3View->SetCurrentRow(Q_PendingLines.RecNo());
}

void ProdDocWindow::btnDel2Click()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !ProdAt(cxGrid3View, Q_PendingLines))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) != Prompt::Answer::Yes)
        return;
    DeletePendingLine(kind.Doc(), number, Q_PendingLines.AsInteger(QStringLiteral("id")));
    if (posting::First(QStringLiteral("select id from ") + kind.Doc().header + QStringLiteral(" where gl_djh=:n"),
            { { QStringLiteral("n"), number } })
            .isValid())
        updateBottomJe();
    else
        ReopenPending(QString());
}

void ProdDocWindow::btnPrin2Click()
{
    if (HasRows(Q_Pending))
        PrintGridList(ProgramFolder::File(QStringLiteral("report/") + kind.stock.pendingTemplate),
            kind.stock.pendingDataset, *cxGrid2View);
}

void ProdDocWindow::btnExportClick()
{
    if (HasRows(Q_Pending))
        ExportGridList(*cxGrid2View);
}

// ---------------------------------------------------------------- the four windows

TF_Bmly::TF_Bmly(QWidget* parent) : ProdDocWindow(DeptIssueKind(), parent) { }
TF_Bmly::~TF_Bmly()
{
    if (F_Bmly == this)
        F_Bmly = nullptr;
}
TF_Bmth::TF_Bmth(QWidget* parent) : ProdDocWindow(DeptReturnKind(), parent) { }
TF_Bmth::~TF_Bmth()
{
    if (F_Bmth == this)
        F_Bmth = nullptr;
}
TF_Scrk::TF_Scrk(QWidget* parent) : ProdDocWindow(ProductionInKind(), parent) { }
TF_Scrk::~TF_Scrk()
{
    if (F_Scrk == this)
        F_Scrk = nullptr;
}
TF_Sctk::TF_Sctk(QWidget* parent) : ProdDocWindow(ProductionReturnKind(), parent) { }
TF_Sctk::~TF_Sctk()
{
    if (F_Sctk == this)
        F_Sctk = nullptr;
}
