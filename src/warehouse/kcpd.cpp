#include "warehouse/kcpd.h"

#include "documents/docdrafts.h"
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
#include "masterdata/pickerscallers.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "posting/stockreversal.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/kcpdlists.h"
#include "warehouse/kcpdrules.h"
#include "warehouse/stockkind.h"
#include "warehouse/stocktabs.h"
#include "warehouse/stockviews.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Kcpd* F_Kcpd = nullptr;

using namespace kcdb_detail;

namespace {

// The pending 数量 cell: the edited text goes to the window's rule instead of the
// grid's own write-back, so that only numbers are stored.
class KcpdCountDelegate : public QStyledItemDelegate {
public:
    KcpdCountDelegate(TF_Kcpd* window, QObject* parent) : QStyledItemDelegate(parent), window_(window) { }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        if (auto* e = qobject_cast<QLineEdit*>(editor))
            window_->PdStep2Edited(index.row(), e->text());
    }

private:
    TF_Kcpd* window_;
};

const std::initializer_list<std::array<const char*, 3>> kKcpdLineColumns
    = { { "gl_djh", "单据号", "120" }, { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "150" },
          { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "60" }, { "dw_name", "单位", "50" },
          { "pd_sl", "盘点数量", "70" }, { "kc_sl", "库存数量", "70" }, { "cysl", "差异数量", "70" },
          { "dj", "核算单价", "70" }, { "zje", "盈亏金额", "80" } };

const std::initializer_list<std::array<const char*, 3>> kKcpdDocColumns = { { "gl_djh", "单据号", "120" },
    { "pd_rq", "盘点日期", "120" }, { "pd_sl", "盘点数量", "70" }, { "kc_sl", "库存数量", "70" },
    { "cysl", "差异数量", "70" }, { "ck_name", "仓库名称", "90" }, { "a_name", "操作员", "70" },
    { "pd_checker", "审核人", "70" }, { "pd_chkrq", "审核日期", "90" }, { "pd_note", "备注", "160" } };

} // namespace

TF_Kcpd::TF_Kcpd(QWidget* parent)
    : Form(parent), doc(StockTakeKind().doc), Q_Kcpdsp(F_DataModule->Q(QStringLiteral("Q_Kcpdsp"))),
      Q_Kcpd(F_DataModule->Q(QStringLiteral("Q_Kcpd"))), Q_Kcpdsp2(F_DataModule->Q(QStringLiteral("Q_Kcpdsp2"))),
      Q_PdStep2(F_DataModule->Q(QStringLiteral("Q_PdStep2"))), Q_Kcpdcx(F_DataModule->Q(QStringLiteral("Q_Kcpdcx"))),
      Q_Kcpdcx1(F_DataModule->Q(QStringLiteral("Q_Kcpdcx1"))), Q_Kcpdcx2(F_DataModule->Q(QStringLiteral("Q_Kcpdcx2"))),
      Q_PdStep1(F_DataModule->Q(QStringLiteral("Q_PdStep1")))
{
    setObjectName(QStringLiteral("TF_Kcpd"));
    setWindowTitle(QStringLiteral("库存盘点"));
    resize(1024, 680);
    BuildStockTabs(*this, QStringLiteral("库存盘点单"), QStringLiteral("待审核盘点单"), QStringLiteral("库存盘点查询"));
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });

    DocHost host = StockDocHost(*this);
    host.reloadDraft = [this] {
        openGridViewData(gldjh->text());
        updateBottomJe();
    };
    host.reloadPending = [this] { updatePdsl(); };
    host.reloadPendingLines = [this] { setKcpdList(); };
    host.pendingHeader = [this](const QString& column) {
        return Q_Kcpd.Active() && !Q_Kcpd.IsEmpty() ? Q_Kcpd.AsString(column) : QString();
    };
    host.draftLine = [this] { return EntryHasRows() ? Q_Kcpdsp.AsInteger(QStringLiteral("id")) : qint64(0); };
    host.pendingLine = [this] {
        return Q_Kcpdsp2.Active() && !Q_Kcpdsp2.IsEmpty() ? Q_Kcpdsp2.AsInteger(QStringLiteral("id")) : qint64(0);
    };
    doc.SetHost(std::move(host));
    PickerCallers::RegisterHandlerCombo(StockTakeKind().tag, comUser);
}

TF_Kcpd::~TF_Kcpd()
{
    PickerCallers::Unregister(StockTakeKind().tag);
    if (F_Kcpd == this)
        F_Kcpd = nullptr;
}

void TF_Kcpd::BuildEntryTab()
{
    auto* v = new QVBoxLayout(cxTab1);
    AddStockTitle(cxTab1, v, QStringLiteral("库存盘点"));
    cxGridView = KcdbGrid(cxTab1, "cxGridView", QStringLiteral("D_Kcpdsp"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "pd_sl", "盘点数量", "70" },
            { "kc_sl", "库存数量", "70" } });
    auto* head = new QHBoxLayout;
    head->addWidget(NamedLabel(cxTab1, "开单日期："));
    dateCg = MakeDateEdit(cxTab1, "dateCg");
    head->addWidget(dateCg);
    head->addWidget(NamedLabel(cxTab1, "单号："));
    gldjh = NamedLabel(cxTab1, "", "gldjh");
    head->addWidget(gldjh);
    head->addWidget(NamedLabel(cxTab1, "盘点仓库："));
    comCk = new KeyedCombo(cxTab1);
    comCk->setObjectName(QStringLiteral("comCk"));
    head->addWidget(comCk);
    head->addStretch(1);
    AddStockEntryButtons(*this, head, "产品添加(F2)");
    btnImport = NamedButton(cxTab1, "btnImport", "盘点数据导入", head);
    btnImport->setToolTip(QStringLiteral("模板中标题为红色的列,要求必须输入！"));
    v->addLayout(head);
    v->addWidget(cxGridView, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(NamedLabel(cxTab1, "库存数量："));
    tkcsl = new QLineEdit(cxTab1);
    tkcsl->setObjectName(QStringLiteral("tkcsl"));
    bottom->addWidget(NamedLabel(cxTab1, "盘点数量："));
    tpdsl = new QLineEdit(cxTab1);
    tpdsl->setObjectName(QStringLiteral("tpdsl"));
    for (QLineEdit* e : { tkcsl, tpdsl }) {
        e->setReadOnly(true);
        e->setMaximumWidth(90);
    }
    bottom->insertWidget(1, tkcsl);
    bottom->addWidget(tpdsl);
    AddStockEntryFooter(*this, bottom);
    btnUser->setMaximumWidth(28);
    v->addLayout(bottom);
    connect(btnPrin, &QPushButton::clicked, this, &TF_Kcpd::btnPrinClick);
    connect(btnImport, &QPushButton::clicked, this, &TF_Kcpd::btnImportClick);
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { dateCgChange(); });
    connect(dateCg, &QDateEdit::editingFinished, this, [this] { dateCgExit(); });
}

void TF_Kcpd::BuildPendingTab()
{
    cxGrid2View = KcdbGrid(cxTab2, "cxGrid2View", QStringLiteral("D_Kcpd"),
        { { "gl_djh", "单据号", "120" }, { "pd_rq", "盘点日期", "120" }, { "pd_sl", "盘点数量", "70" },
            { "kc_sl", "库存数量", "70" }, { "cysl", "差异数量", "70" }, { "ck_name", "仓库名称", "90" },
            { "a_name", "操作员", "70" }, { "pd_note", "备注", "160" } });
    cxGrid3View = KcdbGrid(cxTab2, "cxGrid3View", QStringLiteral("D_Kcpdsp2"), kKcpdLineColumns);
    cxGridPdStep2View = KcdbGrid(cxTab2, "cxGridPdStep2View", QStringLiteral("D_PdStep2"),
        { { "pd_rq", "开单日期", "110" }, { "gl_djh", "单据号", "120" }, { "ck_name", "仓库", "80" },
            { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "140" }, { "color_name", "颜色", "60" },
            { "cm_name", "尺码", "60" }, { "t_sl", "数量", "60" }, { "pd_sl", "商品盘点总数", "90" },
            { "t_oldsl", "库存数量", "70" }, { "pd_dj", "单价", "70" }, { "a_name", "操作员", "70" },
            { "dw_name", "单位", "50" }, { "g_sccs", "品牌厂家", "90" }, { "gg_name", "款型说明", "80" } });
    cxGridPdStep2View->SetMultiSelect(true);
    const int countCol = cxGridPdStep2View->ColumnByField(QStringLiteral("t_sl"));
    cxGridPdStep2View->SetColumnEditable(countCol, true);
    cxGridPdStep2View->setItemDelegateForColumn(countCol, new KcpdCountDelegate(this, cxGridPdStep2View));
    cxGridPdStep2View->setContextMenuPolicy(Qt::CustomContextMenu);
    QHBoxLayout* head = BuildStockPendingTab(*this,
        { "说明：“待审核”的盘点单只有变成“已审核”状态后，才会使库存量发生变化。", "单据编号信息：", "仓库名称：",
            "单据详细信息：" },
        &TF_Kcpd::btnSearch2, &TF_Kcpd::btnSearch2Click, "btnSearch2");
    chkCy = new QCheckBox(QStringLiteral("显示盘点明细和总数不一致的商品"), cxTab2);
    chkCy->setObjectName(QStringLiteral("chkCy"));
    head->insertWidget(head->count() - 1, chkCy);
    // The hint stands between the filters and the views.
    lhint = NamedLabel(cxTab2, "可以按住[CTRL]或[Shift]键,用鼠标点击列表中的商品实现多选,鼠标右键删除", "lhint");
    static_cast<QVBoxLayout*>(cxTab2->layout())->insertWidget(3, lhint);
    barPopupMenu2->addAction(QStringLiteral("查看单据(&X)"), this, &TF_Kcpd::btnViewClick);
    barPopupMenu2->addAction(QStringLiteral("删除单据(&Y)"), this, &TF_Kcpd::btnDeleClick);
    btnRChk = barPopupMenu2->addAction(QStringLiteral("审核单据(&Z)"), this, &TF_Kcpd::btnRChkClick);
    barPopupMenu3 = new QMenu(this);
    barPopupMenu3->addAction(QStringLiteral("删除(&D)"), this, &TF_Kcpd::btnRDelMxClick);
    connect(cxGridPdStep2View, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (cxGridPdStep2View->RowCount() > 0)
            barPopupMenu3->popup(cxGridPdStep2View->mapToGlobal(at));
    });
    connect(chkCy, &QCheckBox::clicked, this, &TF_Kcpd::btnSearch2Click);
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setKcpdList(); });
}

void TF_Kcpd::BuildQueryTab()
{
    auto* v = new QVBoxLayout(cxTab3);
    auto* buttons = new QHBoxLayout;
    auto* exit3 = NamedButton(cxTab3, "btnExit3", "退出", buttons);
    btnPrin3 = NamedButton(cxTab3, "btnPrin3", "打印", buttons);
    btnExport2 = NamedButton(cxTab3, "btnExport2", "导出", buttons);
    btnView2 = NamedButton(cxTab3, "btnView2", "查看单据", buttons);
    btnUnCheck = NamedButton(cxTab3, "btnUnCheck", "取消审核", buttons);
    btnUnChkAll = NamedButton(cxTab3, "btnUnChkAll", "取消盘点之后的全部单据", buttons);
    buttons->addStretch(1);
    v->addLayout(buttons);
    auto* head = new QHBoxLayout;
    head->addWidget(NamedLabel(cxTab3, "查询日期："));
    date1 = MakeDateEdit(cxTab3, "date1");
    date2 = MakeDateEdit(cxTab3, "date2");
    head->addWidget(date1);
    head->addWidget(NamedLabel(cxTab3, "至"));
    head->addWidget(date2);
    lkey3 = NamedLabel(cxTab3, "单据编号信息：", "lkey3");
    head->addWidget(lkey3);
    tkey3 = new QLineEdit(cxTab3);
    tkey3->setObjectName(QStringLiteral("tkey3"));
    head->addWidget(tkey3);
    head->addWidget(NamedLabel(cxTab3, "仓库名称："));
    comCk3 = new KeyedCombo(cxTab3);
    comCk3->setObjectName(QStringLiteral("comCk3"));
    head->addWidget(comCk3);
    btnSearch3 = NamedButton(cxTab3, "btnSearch3", "查询(F2)", head);
    rDjb3 = new QRadioButton(QStringLiteral("单据表"), cxTab3);
    rMxb3 = new QRadioButton(QStringLiteral("明细表"), cxTab3);
    rYscm3 = new QRadioButton(QStringLiteral("颜色尺码"), cxTab3);
    int view = 0;
    for (QRadioButton* r : { rDjb3, rMxb3, rYscm3 }) {
        r->setObjectName(QStringLiteral("rView%1").arg(view));
        head->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this, view] { setQueryView(view); });
        ++view;
    }
    rDjb3->setChecked(true);
    lgname3 = NamedLabel(cxTab3, "商品名称编号：", "lgname3");
    head->addWidget(lgname3);
    tgname3 = new QLineEdit(cxTab3);
    tgname3->setObjectName(QStringLiteral("tgname3"));
    head->addWidget(tgname3);
    lgname3->hide();
    tgname3->hide();
    head->addStretch(1);
    v->addLayout(head);

    cxGridDjbView = KcdbGrid(cxTab3, "cxGridDjbView", QStringLiteral("D_Kcpdcx"), kKcpdDocColumns);
    cxGridDjb1View = KcdbGrid(cxTab3, "cxGridDjb1View", QStringLiteral("D_Kcpdcx1"), kKcpdLineColumns);
    cxGridMxbView = KcdbGrid(cxTab3, "cxGridMxbView", QStringLiteral("D_Kcpdcx2"),
        { { "gl_djh", "单据号", "120" }, { "pd_rq", "盘点日期", "120" }, { "g_sn", "商品编号", "90" },
            { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "60" },
            { "dw_name", "单位", "50" }, { "pd_sl", "盘点数量", "70" }, { "kc_sl", "库存数量", "70" },
            { "cysl", "差异数量", "70" }, { "dj", "核算单价", "70" }, { "zje", "盈亏金额", "80" },
            { "ck_name", "仓库名称", "90" }, { "a_name", "操作员", "70" }, { "pd_checker", "审核人", "70" },
            { "pd_chkrq", "审核日期", "90" } });
    cxGridPdStep1View = KcdbGrid(cxTab3, "cxGridPdStep1View", QStringLiteral("D_PdStep1"),
        { { "pd_rq", "开单日期", "110" }, { "gl_djh", "单据号", "120" }, { "ck_name", "仓库", "80" },
            { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "140" }, { "color_name", "颜色", "60" },
            { "cm_name", "尺码", "60" }, { "t_sl", "数量", "60" }, { "pd_dj", "单价", "70" },
            { "t_oldsl", "库存数量", "70" }, { "dw_name", "单位", "50" }, { "g_sccs", "品牌厂家", "90" },
            { "a_name", "操作员", "70" } });
    BuildStockQueryViews(*this, v, nullptr);

    auto* queryMenu = new QMenu(this);
    queryMenu->addAction(QStringLiteral("查看单据(&Y)"), this, &TF_Kcpd::btnView2Click);
    queryMenu->addAction(QStringLiteral("取消审核(&Z)"), this, &TF_Kcpd::btnUnCheckClick);
    cxGridDjbView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cxGridDjbView, &QWidget::customContextMenuRequested, this, [this, queryMenu](const QPoint& at) {
        queryMenu->actions().at(1)->setEnabled(true);
        queryMenu->popup(cxGridDjbView->mapToGlobal(at));
    });
    cxGridMxbView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cxGridMxbView, &QWidget::customContextMenuRequested, this, [this, queryMenu](const QPoint& at) {
        queryMenu->actions().at(1)->setEnabled(false);
        queryMenu->popup(cxGridMxbView->mapToGlobal(at));
    });
    connect(btnSearch3, &QPushButton::clicked, this, &TF_Kcpd::btnSearch3Click);
    connect(exit3, &QPushButton::clicked, this, &QWidget::close);
    connect(btnPrin3, &QPushButton::clicked, this, &TF_Kcpd::btnPrin3Click);
    connect(btnExport2, &QPushButton::clicked, this, &TF_Kcpd::btnExport2Click);
    connect(btnView2, &QPushButton::clicked, this, &TF_Kcpd::btnView2Click);
    connect(btnUnCheck, &QPushButton::clicked, this, &TF_Kcpd::btnUnCheckClick);
    connect(btnUnChkAll, &QPushButton::clicked, this, &TF_Kcpd::btnUnChkAllClick);
    connect(cxGridDjbView, &DataGrid::currentRowChanged, this, [this] { setDjbList(); });
}

// ---------------------------------------------------------------- entry tab

QString TF_Kcpd::Day() const
{
    return dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
}

void TF_Kcpd::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    ShowStockEntryTab(*this);
    btnOK->setEnabled(true);
    lhint->hide();
    chkCy->hide();
    chkCy->setChecked(false);
    FillStaffCombo(*comUser, QStringLiteral("u_kc"));
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    FillStockWarehouseCombos(*comCk, { comCk2, comCk3 });
    initTab();
    const bool entry = HasRight(QStringLiteral("kcgl"), 2);
    for (QWidget* b : std::initializer_list<QWidget*> { btnAdd, btnModi, btnDel, btnPrin, btnImport })
        b->setEnabled(entry);
    const bool approve = HasRight(QStringLiteral("kcgl"), 9);
    btnCheckAll->setEnabled(approve);
    btnRChk->setEnabled(approve);
    const bool unapprove = HasRight(QStringLiteral("kcgl"), 13);
    btnUnCheck->setEnabled(unapprove);
    btnUnChkAll->setVisible(unapprove);
    btnDate->setEnabled(CanChangeDocDate);
    for (DataGrid* g : { cxGrid3View, cxGridDjb1View, cxGridMxbView })
        for (const char* f : { "dj", "zje" })
            g->SetColumnVisible(g->ColumnByField(QLatin1String(f)), ShowCostPrice);
}

void TF_Kcpd::initTab()
{
    btnOK->setEnabled(true);
    {
        const QSignalBlocker block(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    ActiveDocKind = StockTakeKind().tag;
    const QDate today = Clock::Today();
    date1->setDate(QDate(today.year(), today.month(), 1));
    date2->setDate(today);
    {
        const QSignalBlocker block(dateCg);
        dateCg->setDate(today);
    }
    tnote->clear();
    FutureDateAnswer = QStringLiteral("0");
    const QString number = NextDocNoToday(QStringLiteral("jxc_kcpd"), QStringLiteral("gl_djh"), QStringLiteral("PD"));
    gldjh->setText(number);
    // A new draft always starts empty.
    DiscardDraft(doc.Kind(), number);
    openGridViewData(number);
    const int at = comCk->findText(DefaultWarehouseName());
    comCk->setCurrentIndex(at >= 0 ? at : (comCk->count() > 0 ? 0 : -1));
    updateBottomJe();
}

void TF_Kcpd::openGridViewData(const QString& number)
{
    KcdbOpen(Q_Kcpdsp,
        QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name from jxc_kcpdsp a left join jxc_goods b "
                       "on a.g_sn=b.g_sn where a.gl_djh=:n and a.a_name=:a order by a.id"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } });
}

void TF_Kcpd::updateBottomJe()
{
    setButtons();
    const posting::Params n { { QStringLiteral("n"), gldjh->text() } };
    tpdsl->setText(QString::number(
        posting::FirstNumber(QStringLiteral("select sum(pd_sl) from jxc_kcpdsp where gl_djh=:n"), n), 'f', 2));
    tkcsl->setText(QString::number(
        posting::FirstNumber(QStringLiteral("select sum(kc_sl) from jxc_kcpdsp where gl_djh=:n"), n), 'f', 2));
}

bool TF_Kcpd::EntryHasRows() const
{
    return Q_Kcpdsp.Active() && !Q_Kcpdsp.IsEmpty();
}

void TF_Kcpd::setButtons()
{
    const bool rows = EntryHasRows();
    btnModi->setVisible(rows);
    btnDel->setVisible(rows);
    btnPrin->setVisible(rows && !IsTrue(NoPrintBeforeSave));
    comCk->setEnabled(!rows);
}

void TF_Kcpd::btnAddClick()
{
    if (!btnAdd->isEnabled())
        return;
    ActiveDocKind = StockTakeKind().tag;
    FunctionWindows::Open(QStringLiteral("TF_Kcpd_Add"), FunctionWindows::Lifetime::Freed);
    openGridViewData(gldjh->text());
    updateBottomJe();
}

void TF_Kcpd::btnModiClick()
{
    if (!AtGridRow(Q_Kcpdsp, cxGridView))
        return;
    OpenStockLineDialog(QStringLiteral("TF_Kcpd_Sele"), StockTakeKind().tag, Q_Kcpdsp.AsString(QStringLiteral("g_sn")));
    openGridViewData(gldjh->text());
    updateBottomJe();
}

void TF_Kcpd::btnDelClick()
{
    if (!AtGridRow(Q_Kcpdsp, cxGridView))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) != Prompt::Answer::Yes)
        return;
    // The goods goes from the draft with every operator's rows of it.
    DeleteStockTakeGoods(gldjh->text(), Q_Kcpdsp.AsString(QStringLiteral("g_sn")));
    openGridViewData(gldjh->text());
    updateBottomJe();
}

void TF_Kcpd::btnPrinClick()
{
    if (!EntryHasRows())
        return;
    QString unused;
    RunDocumentPrint(true, unused, [this](Report& r) { setPrinPara(r, gldjh->text(), QStringLiteral("1")); });
}

void TF_Kcpd::btnImportClick()
{
    if (!btnImport->isEnabled() || !FunctionWindows::Available(QStringLiteral("TF_Kcpd_Import")))
        return;
    FunctionWindows::Open(QStringLiteral("TF_Kcpd_Import"), FunctionWindows::Lifetime::Freed);
    openGridViewData(gldjh->text());
    updateBottomJe();
}

void TF_Kcpd::btnUserClick()
{
    PickStockHandler(StockTakeKind().tag);
}

void TF_Kcpd::dateCgChange()
{
    ConfirmEntryDateChange(dateCg, FutureDateAnswer);
}

void TF_Kcpd::dateCgExit()
{
    FutureDateAnswer = QStringLiteral("0");
    const QString number = RedrawForDate(doc.Kind(), gldjh->text(), Day());
    gldjh->setText(number);
    openGridViewData(number);
}

void TF_Kcpd::btnOKClick()
{
    const QString warehouse = comCk->currentIndex() < 0 ? QString() : comCk->Code(comCk->currentIndex());
    const QString refusal = StockTakeSaveRefusal(gldjh->text(), warehouse, Day(), EntryHasRows());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    const StockKind& k = StockTakeKind();
    if (Prompt::YesNo(ApproveOnSaveSet() ? k.approveOnSaveQuestion : k.pendingQuestion) != Prompt::Answer::Yes)
        return;
    SaveButtonGuard guard(btnOK);
    SaveStockTake(gldjh->text(), warehouse, Day(),
        comUser->currentIndex() < 0 ? QString() : comUser->Code(comUser->currentIndex()), tnote->text());
    guard.Done();
    initTab();
}

void TF_Kcpd::setPrinPara(Report& report, const QString& number, const QString& flag)
{
    if (!LoadStockDocPrint(report, StockTakeKind(), number, flag == QLatin1String("2")))
        return;
    report.SetVariable(QStringLiteral("ckName"), comCk->currentText().trimmed());
    report.SetVariable(QStringLiteral("jhDate"), Day());
    report.SetVariable(QStringLiteral("Note"), tnote->text().trimmed());
    SetCompanyPrintVars(report);
}

void TF_Kcpd::ShowStored(const QString& number)
{
    QString unused;
    RunDocumentPrint(true, unused, [&](Report& r) { setPrinPara(r, number, QStringLiteral("2")); });
}

void TF_Kcpd::FormKeyDown(int key)
{
    const bool entry = cxPage->currentWidget() == cxTab1;
    if (key == Qt::Key_F5 && entry) {
        btnOKClick();
        return;
    }
    if (key != Qt::Key_F2)
        return;
    if (entry)
        btnAddClick();
    else
        cxPageChange();
}

void TF_Kcpd::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F2 || e->key() == Qt::Key_F5) {
        FormKeyDown(e->key());
        return;
    }
    if (e->key() == Qt::Key_Escape && cxPage->currentWidget() != cxTab1)
        return;
    Form::keyPressEvent(e);
}

bool TF_Kcpd::FormCloseQuery()
{
    return doc.CloseQuery(EntryHasRows(), gldjh->text(), [this] { btnOKClick(); });
}

void TF_Kcpd::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2) {
        tkey->clear();
        btnSearch2Click();
        const bool rows = Q_Kcpd.Active() && !Q_Kcpd.IsEmpty();
        for (QWidget* w : std::initializer_list<QWidget*> { btnAdd2, btnModi2, btnDel2 })
            w->setEnabled(rows);
    } else if (cxPage->currentWidget() == cxTab3) {
        tkey3->clear();
        setQueryView(0);
    }
}
