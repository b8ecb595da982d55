#include "warehouse/bsby.h"

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
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "warehouse/bsbylists.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/stockdocs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Bsby* F_Bsby = nullptr;

using namespace kcdb_detail;

namespace {

QDateEdit* BsbyDateEdit(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QLatin1String(name));
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return d;
}

} // namespace

TF_Bsby::TF_Bsby(QWidget* parent)
    : Form(parent), doc(LossKind().doc), Q_Bsby(F_DataModule->Q(QStringLiteral("Q_Bsby"))),
      Q_Bsbysh(F_DataModule->Q(QStringLiteral("Q_Bsbysh"))), Q_Bsbysh2(F_DataModule->Q(QStringLiteral("Q_Bsbysh2"))),
      Q_Bsby1(F_DataModule->Q(QStringLiteral("Q_Bsby1"))), Q_BsbyList(F_DataModule->Q(QStringLiteral("Q_BsbyList"))),
      Q_BsbyHzb(F_DataModule->Q(QStringLiteral("Q_BsbyHzb")))
{
    setObjectName(QStringLiteral("TF_Bsby"));
    setWindowTitle(QStringLiteral("商品报损/报溢"));
    resize(1024, 680);
    auto* box = new QVBoxLayout(this);
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));
    cxTab1 = new QWidget;
    cxTab2 = new QWidget;
    cxTab3 = new QWidget;
    cxPage->addTab(cxTab1, QStringLiteral("报损/报溢"));
    cxPage->addTab(cxTab2, QStringLiteral("报损/报溢审核"));
    cxPage->addTab(cxTab3, QStringLiteral("报损/报溢查询"));
    box->addWidget(cxPage);
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });

    // The colour-by-size dialog and the browser find the window under "BS" and ask
    // it which kind the draft or the pending document is.
    DocHost host;
    host.number = [this] { return gldjh->text(); };
    host.showNumber = [this](const QString& n) {
        gldjh->setText(n);
        CurrentDraftNo = n;
    };
    host.date = [this] { return Day(); };
    host.warehouse = [this] { return comCk->currentIndex() < 0 ? QString() : comCk->Code(comCk->currentIndex()); };
    host.reloadDraft = [this] { openGridViewData(gldjh->text()); };
    host.reloadPending = [this] { setBsbyshList(); };
    host.reloadPendingLines = [this] { setBsbyshList(); };
    host.pendingHeader = [this](const QString& column) {
        return Q_Bsbysh.Active() && !Q_Bsbysh.IsEmpty() ? Q_Bsbysh.AsString(column) : QString();
    };
    host.draftLine = [this] { return EntryHasRows() ? Q_Bsby.AsInteger(QStringLiteral("id")) : qint64(0); };
    host.pendingLine = [this] {
        return Q_Bsbysh2.Active() && !Q_Bsbysh2.IsEmpty() ? Q_Bsbysh2.AsInteger(QStringLiteral("id")) : qint64(0);
    };
    host.docType = [this] { return EntryKind().doc.prefix; };
    doc.SetHost(std::move(host));
}

TF_Bsby::~TF_Bsby()
{
    if (F_Bsby == this)
        F_Bsby = nullptr;
}

const StockKind& TF_Bsby::EntryKind() const
{
    return comDjlx->currentIndex() == 1 ? OverflowKind() : LossKind();
}

const StockKind& TF_Bsby::QueryKind() const
{
    return comType->currentIndex() == 1 ? OverflowKind() : LossKind();
}

void TF_Bsby::BuildEntryTab()
{
    auto* v = new QVBoxLayout(cxTab1);
    ltitle = new QLabel(cxTab1);
    ltitle->setObjectName(QStringLiteral("ltitle"));
    ltitle->setAlignment(Qt::AlignCenter);
    ltitle->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold"));
    v->addWidget(ltitle);
    auto* head = new QHBoxLayout;
    head->addWidget(NamedLabel(cxTab1, "单据类型："));
    comDjlx = new QComboBox(cxTab1);
    comDjlx->setObjectName(QStringLiteral("comDjlx"));
    comDjlx->addItems({ QStringLiteral("商品报损"), QStringLiteral("商品报溢") });
    head->addWidget(comDjlx);
    head->addWidget(NamedLabel(cxTab1, "仓库名称："));
    comCk = new KeyedCombo(cxTab1);
    comCk->setObjectName(QStringLiteral("comCk"));
    head->addWidget(comCk);
    ldate = NamedLabel(cxTab1, "报损日期：", "ldate");
    head->addWidget(ldate);
    dateCg = BsbyDateEdit(cxTab1, "dateCg");
    head->addWidget(dateCg);
    head->addWidget(NamedLabel(cxTab1, "单号："));
    gldjh = NamedLabel(cxTab1, "", "gldjh");
    head->addWidget(gldjh);
    head->addStretch(1);
    btnAdd = NamedButton(cxTab1, "btnAdd", "添加商品(F2)", head);
    btnDel = NamedButton(cxTab1, "btnDel", "删除", head);
    v->addLayout(head);
    cxGridView = KcdbGrid(cxTab1, "cxGridView", QStringLiteral("D_Bsby"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "dj", "单价", "70" },
            { "sl", "数量", "60" }, { "zje", "总金额", "90" }, { "dnote", "备注", "120" } });
    v->addWidget(cxGridView, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(NamedLabel(cxTab1, "经办人："));
    comUser = new KeyedCombo(cxTab1);
    comUser->setObjectName(QStringLiteral("comUser"));
    bottom->addWidget(comUser);
    bottom->addWidget(NamedLabel(cxTab1, "备         注："));
    tnote = new QLineEdit(cxTab1);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setMaxLength(200);
    bottom->addWidget(tnote, 1);
    btnOK = NamedButton(cxTab1, "btnOK", "保存(F5)", bottom);
    btnExit = NamedButton(cxTab1, "btnExit", "退出(Esc)", bottom);
    v->addLayout(bottom);
    connect(comDjlx, &QComboBox::currentIndexChanged, this, [this] { comDjlxChange(); });
    connect(btnAdd, &QPushButton::clicked, this, &TF_Bsby::btnAddClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Bsby::btnDelClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Bsby::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Bsby::BuildPendingTab()
{
    auto* v = new QVBoxLayout(cxTab2);
    auto* head = new QHBoxLayout;
    head->addWidget(NamedLabel(cxTab2, "单据号或备注信息："));
    tkey = new QLineEdit(cxTab2);
    tkey->setObjectName(QStringLiteral("tkey"));
    head->addWidget(tkey);
    head->addWidget(NamedLabel(cxTab2, "仓库名称："));
    comCk2 = new KeyedCombo(cxTab2);
    comCk2->setObjectName(QStringLiteral("comCk2"));
    head->addWidget(comCk2);
    btnSearch = NamedButton(cxTab2, "btnSearch", "查询(F2)", head);
    head->addStretch(1);
    btnDele = NamedButton(cxTab2, "btnDele", "删除单据", head);
    btnRChk = NamedButton(cxTab2, "btnRChk", "审核单据", head);
    btnCheckAll = NamedButton(cxTab2, "btnCheckAll", "审核全部", head);
    v->addLayout(head);
    v->addWidget(new QLabel(QStringLiteral("说明：“待审核”的报损报溢单只有变成“已审核”状态后，"
                                           "才能使库存量、账务等信息发生变化。“已审核”状态的单据不允许再修改，"
                                           "“待审核”的允许修改。"),
        cxTab2));
    cxGrid2View = KcdbGrid(cxTab2, "cxGrid2View", QStringLiteral("D_Bsbysh"),
        { { "gl_djh", "单据号", "120" }, { "rq", "开单日期", "120" }, { "djlx", "单据类型", "80" },
            { "ck_name", "仓库名称", "90" }, { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" },
            { "dnote", "备注", "160" } });
    v->addWidget(cxGrid2View, 1);
    auto* mid = new QHBoxLayout;
    mid->addWidget(NamedLabel(cxTab2, "单据编号："));
    ldjh = NamedLabel(cxTab2, "", "ldjh");
    mid->addWidget(ldjh);
    mid->addStretch(1);
    v->addLayout(mid);
    cxGrid3View = KcdbGrid(cxTab2, "cxGrid3View", QStringLiteral("D_Bsbysh2"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "gc_name", "商品类别", "80" },
            { "dj", "单价", "70" }, { "sl", "数量", "60" }, { "zje", "总金额", "90" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "dnote", "备注", "120" } });
    v->addWidget(cxGrid3View, 1);
    connect(btnSearch, &QPushButton::clicked, this, &TF_Bsby::btnSearchClick);
    connect(btnDele, &QPushButton::clicked, this, &TF_Bsby::btnDeleClick);
    connect(btnRChk, &QPushButton::clicked, this, &TF_Bsby::btnRChkClick);
    connect(btnCheckAll, &QPushButton::clicked, this, &TF_Bsby::btnCheckAllClick);
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setBsbyshList(); });
}

void TF_Bsby::BuildQueryTab()
{
    auto* v = new QVBoxLayout(cxTab3);
    auto* head = new QHBoxLayout;
    head->addWidget(NamedLabel(cxTab3, "单据类型："));
    comType = new QComboBox(cxTab3);
    comType->setObjectName(QStringLiteral("comType"));
    comType->addItems({ QStringLiteral("商品报损"), QStringLiteral("商品报溢") });
    head->addWidget(comType);
    date1 = BsbyDateEdit(cxTab3, "date1");
    date2 = BsbyDateEdit(cxTab3, "date2");
    head->addWidget(date1);
    head->addWidget(NamedLabel(cxTab3, "至"));
    head->addWidget(date2);
    head->addWidget(NamedLabel(cxTab3, "单号或单据备注：", "lkey2"));
    tkey2 = new QLineEdit(cxTab3);
    tkey2->setObjectName(QStringLiteral("tkey2"));
    head->addWidget(tkey2);
    btnSearch1 = NamedButton(cxTab3, "btnSearch1", "查询(F2)", head);
    rDjb2 = new QRadioButton(QStringLiteral("单据表"), cxTab3);
    rDjb2->setObjectName(QStringLiteral("rDjb2"));
    rDjb2->setChecked(true);
    rHzb2 = new QRadioButton(QStringLiteral("汇总表"), cxTab3);
    rHzb2->setObjectName(QStringLiteral("rHzb2"));
    head->addWidget(rDjb2);
    head->addWidget(rHzb2);
    head->addStretch(1);
    btn_Dele = NamedButton(cxTab3, "btn_Dele", "高级查询", head);
    btnUnapprove = NamedButton(cxTab3, "btnUnapprove", "取消审核", head);
    v->addLayout(head);
    queryViews = new QStackedWidget(cxTab3);
    auto* djb = new QWidget;
    auto* dv = new QVBoxLayout(djb);
    cxGridDjbView = KcdbGrid(djb, "cxGridDjbView", QStringLiteral("D_Bsby1"),
        { { "gl_djh", "报损单号", "120" }, { "rq", "报损日期", "120" }, { "ck_name", "仓库名称", "90" },
            { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" }, { "checker", "审核人", "70" },
            { "chkrq", "审核日期", "90" }, { "dnote", "备注", "160" } });
    dv->addWidget(cxGridDjbView, 1);
    cxGridDjb1View = KcdbGrid(djb, "cxGridDjb1View", QStringLiteral("D_BsbyList"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "dj", "单价", "70" }, { "sl", "数量", "60" },
            { "zje", "总金额", "90" }, { "dnote", "备注", "120" } });
    dv->addWidget(cxGridDjb1View, 1);
    queryViews->addWidget(djb);
    cxGridHzbView = KcdbGrid(queryViews, "cxGridHzbView", QStringLiteral("D_BsbyHzb"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "sl", "报损数量", "80" } });
    queryViews->addWidget(cxGridHzbView);
    v->addWidget(queryViews, 1);
    connect(comType, &QComboBox::currentIndexChanged, this, [this] { btnSearch1Click(); });
    connect(rDjb2, &QRadioButton::toggled, this, [this] { btnSearch1Click(); });
    connect(btnSearch1, &QPushButton::clicked, this, &TF_Bsby::btnSearch1Click);
    connect(btn_Dele, &QPushButton::clicked, this, &TF_Bsby::btn_DeleClick);
    connect(btnUnapprove, &QPushButton::clicked, this, &TF_Bsby::btnUnapproveClick);
    connect(cxGridDjbView, &DataGrid::currentRowChanged, this, [this] { setBsbyDjb(); });
}

// ---------------------------------------------------------------- entry tab

QString TF_Bsby::Day() const
{
    return dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
}

QString TF_Bsby::BoundOperator() const
{
    return BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001") ? CurrentAdminSn
                                                                                                   : QString();
}

void TF_Bsby::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    {
        const QSignalBlocker block(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    ActiveDocKind = QStringLiteral("bsby");
    FillStaffCombo(*comUser, QStringLiteral("u_kc"));
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    const QString own = QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'");
    const QString table = QStringLiteral("jxc_ckxx");
    if (!BoundOperator().isEmpty()) {
        FillComboWhere(*comCk, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"), own);
        FillComboWhere(*comCk2, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"), own);
    } else {
        FillCombo(*comCk, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"));
        FillCombo(*comCk2, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"),
            QStringLiteral("所有仓库"));
    }
    comCk2->setCurrentIndex(comCk2->count() > 0 ? 0 : -1);
    const bool entry = HasRight(QStringLiteral("kcgl"), 3);
    btnAdd->setEnabled(entry);
    btnDel->setEnabled(entry);
    const bool approve = HasRight(QStringLiteral("kcgl"), 10);
    btnCheckAll->setEnabled(approve);
    btnRChk->setEnabled(approve);
    btnUnapprove->setEnabled(HasRight(QStringLiteral("kcgl"), 14));
    for (DataGrid* g : { cxGridView, cxGrid3View, cxGridDjb1View }) {
        for (const char* f : { "dj", "zje" }) {
            const int c = g->ColumnByField(QLatin1String(f));
            if (c >= 0)
                g->SetColumnVisible(c, ShowCostPrice);
        }
    }
    initTab();
}

void TF_Bsby::ApplyKindTexts()
{
    const bool loss = &EntryKind() == &LossKind();
    ltitle->setText(EntryKind().title);
    ldate->setText(loss ? QStringLiteral("报损日期：") : QStringLiteral("报溢日期："));
}

void TF_Bsby::initTab()
{
    btnOK->setEnabled(true);
    {
        // Every new draft starts as a loss.
        const QSignalBlocker block(comDjlx);
        comDjlx->setCurrentIndex(0);
        lastKind_ = 0;
    }
    ApplyKindTexts();
    tnote->clear();
    {
        const QSignalBlocker block(dateCg);
        dateCg->setDate(Clock::Today());
    }
    CurrentDraftNo = NextDocNoToday(LossKind().doc.header, QStringLiteral("gl_djh"), LossKind().doc.prefix);
    gldjh->setText(CurrentDraftNo);
    openGridViewData(CurrentDraftNo);
    const int at = comCk->findText(DefaultWarehouseName());
    comCk->setCurrentIndex(at >= 0 ? at : (comCk->count() > 0 ? 0 : -1));
    comCk->setEnabled(true);
}

void TF_Bsby::comDjlxChange()
{
    // The kind is fixed once the draft has lines: they live in the kind's tables.
    if (EntryHasRows()) {
        const QSignalBlocker block(comDjlx);
        comDjlx->setCurrentIndex(lastKind_);
        return;
    }
    lastKind_ = comDjlx->currentIndex();
    ApplyKindTexts();
    const StockKind& k = EntryKind();
    CurrentDraftNo = NextDocNo(k.doc.header, QStringLiteral("gl_djh"), k.doc.prefix, Day());
    gldjh->setText(CurrentDraftNo);
    openGridViewData(CurrentDraftNo);
}

void TF_Bsby::openGridViewData(const QString& number)
{
    const StockKind& k = EntryKind();
    const QString x = k.doc.linePrefix;
    KcdbOpen(Q_Bsby,
        QStringLiteral("select b.id,b.gl_djh,b.g_sn,b.") + x + QStringLiteral("_sl as sl,b.") + x
            + QStringLiteral("_dj as dj,b.") + x + QStringLiteral("_zje as zje,b.") + x
            + QStringLiteral("_note as dnote,b.a_name,b.tid,a.g_name,a.dw_name,a.gg_name,a.color_name from ")
            + k.doc.lines
            + QStringLiteral(
                " b left join jxc_goods a on a.g_sn=b.g_sn where b.gl_djh=:n and b.a_name=:a order by b.id"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } });
    if (EntryHasRows())
        comCk->setEnabled(false);
}

bool TF_Bsby::EntryHasRows() const
{
    return Q_Bsby.Active() && !Q_Bsby.IsEmpty();
}

void TF_Bsby::btnAddClick()
{
    if (!btnAdd->isEnabled())
        return;
    if (comDjlx->currentIndex() < 0) {
        Prompt::Info(QStringLiteral("请选择单据类型！"));
        comDjlx->setFocus();
        return;
    }
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    FunctionWindows::Open(QStringLiteral("TF_Bsby_Add"), FunctionWindows::Lifetime::Freed);
    openGridViewData(gldjh->text());
}

void TF_Bsby::btnDelClick()
{
    if (!EntryHasRows())
        return;
    DeleteDraftLine(EntryKind(), Q_Bsby.AsInteger(QStringLiteral("id")));
    openGridViewData(gldjh->text());
    if (!EntryHasRows())
        comCk->setEnabled(true);
}

void TF_Bsby::btnOKClick()
{
    QString refusal;
    if (!EntryHasRows())
        refusal = QStringLiteral("请选择商品！");
    else if (comUser->currentIndex() < 0 || comUser->currentText().isEmpty())
        refusal = QStringLiteral("请选择经办人！");
    else if (comCk->currentIndex() < 0 || comCk->currentText().isEmpty())
        refusal = QStringLiteral("请选择仓库！");
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    const StockKind& k = EntryKind();
    if (Prompt::YesNo(ApproveOnSaveSet() ? k.approveOnSaveQuestion : k.pendingQuestion) != Prompt::Answer::Yes)
        return;
    SaveButtonGuard guard(btnOK);
    const StockSaveResult saved = SaveStockDocument(k, gldjh->text(), Day(), comUser->Code(comUser->currentIndex()),
        tnote->text().trimmed(), { { QStringLiteral("ck_sn"), comCk->Code(comCk->currentIndex()) } });
    guard.Done();
    if (!saved.refusal.isEmpty())
        Prompt::Info(saved.refusal);
    initTab();
}

bool TF_Bsby::FormCloseQuery()
{
    return doc.CloseQuery(EntryHasRows(), gldjh->text(), [this] { btnOKClick(); });
}

// ---------------------------------------------------------------- pending tab

void TF_Bsby::btnSearchClick()
{
    BsbyPendingFilter f;
    f.keyword = tkey->text().trimmed();
    f.warehouse = comCk2->currentIndex() < 0 ? QStringLiteral("-1") : comCk2->Code(comCk2->currentIndex());
    f.boundOperator = BoundOperator();
    posting::Params p;
    const QString sql = BsbyPendingSql(f, p);
    KcdbOpen(Q_Bsbysh, sql, p);
    setBsbyshList();
}

QString TF_Bsby::SelectedPendingNo() const
{
    if (!Q_Bsbysh.Active() || Q_Bsbysh.IsEmpty())
        return QString();
    const int row = cxGrid2View->CurrentRow();
    return Q_Bsbysh.TextAt(row >= 0 ? row : 0, Q_Bsbysh.FieldIndex(QStringLiteral("gl_djh")));
}

void TF_Bsby::setBsbyshList()
{
    const QString number = SelectedPendingNo();
    ldjh->setText(number);
    if (number.isEmpty()) {
        Q_Bsbysh2.Close();
        return;
    }
    const int row = cxGrid2View->CurrentRow();
    if (row >= 0)
        Q_Bsbysh.SetRecNo(row);
    KcdbOpen(Q_Bsbysh2, BsbyLinesSql(LossOverflowKindOf(number)), { { QStringLiteral("n"), number } });
}

void TF_Bsby::btnDeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) != Prompt::Answer::Yes)
        return;
    DeletePendingDocument(LossOverflowKindOf(number).doc, number);
    btnSearchClick();
}

void TF_Bsby::checkDJ(const QString& number)
{
    ApproveStockDocument(LossKind(), number);
}

void TF_Bsby::checkDJBy(const QString& number)
{
    ApproveStockDocument(OverflowKind(), number);
}

void TF_Bsby::btnRChkClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRChk->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要审核当前选中的单据吗！")) != Prompt::Answer::Yes)
        return;
    const QString answer = CheckApproveAllowed(number, Q_Bsbysh.AsString(QStringLiteral("rq")).left(10));
    if (answer != QLatin1String("ok"))
        Prompt::Info(answer);
    else
        ApproveLossOrOverflow(number);
    btnSearchClick();
}

void TF_Bsby::btnCheckAllClick()
{
    if (!Q_Bsbysh.Active() || Q_Bsbysh.IsEmpty())
        return;
    if (ApproveStockPendingList(Q_Bsbysh, QStringLiteral("rq"), [](const QString& n) { ApproveLossOrOverflow(n); }))
        btnSearchClick();
}

// ---------------------------------------------------------------- query tab

void TF_Bsby::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2) {
        ActiveDocKind = QStringLiteral("bsby_sh");
        tkey->clear();
        btnSearchClick();
        return;
    }
    ActiveDocKind = QStringLiteral("bsby");
    if (cxPage->currentWidget() != cxTab3)
        return;
    const QSignalBlocker b1(comType);
    const QSignalBlocker b2(rDjb2);
    date1->setDate(QDate(Clock::Today().year(), Clock::Today().month(), 1));
    date2->setDate(Clock::Today());
    comType->setCurrentIndex(0);
    rDjb2->setChecked(true);
    QueryWarehouseSn.clear();
    QueryHandlerSn.clear();
    QueryStockTakeOnly = QStringLiteral("0");
    btnSearch1Click();
}

void TF_Bsby::btnSearch1Click()
{
    const StockKind& k = QueryKind();
    BsbyQueryFilter f;
    f.from = date1->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.to = date2->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.keyword = tkey2->text().trimmed();
    f.warehouse = QueryWarehouseSn;
    f.handler = QueryHandlerSn;
    f.stockTakeOnly = QueryStockTakeOnly;
    f.boundOperator = BoundOperator();
    posting::Params p;
    const bool loss = &k == &LossKind();
    if (rDjb2->isChecked()) {
        queryViews->setCurrentIndex(0);
        const QString sql = BsbyDocListSql(k, f, p);
        KcdbOpen(Q_Bsby1,
            QStringLiteral("select d.*,d.") + k.doc.dateColumn + QStringLiteral(" as rq,d.") + k.noteColumn
                + QStringLiteral(" as dnote,d.") + k.doc.checkerColumn + QStringLiteral(" as checker,d.")
                + k.doc.checkDateColumn + QStringLiteral(" as chkrq from (") + sql + QStringLiteral(") d"),
            p);
        cxGridDjbView->SetColumnCaption(0, loss ? QStringLiteral("报损单号") : QStringLiteral("报溢单号"));
        cxGridDjbView->SetColumnCaption(1, loss ? QStringLiteral("报损日期") : QStringLiteral("报溢日期"));
        setBsbyDjb();
        return;
    }
    queryViews->setCurrentIndex(1);
    KcdbOpen(Q_BsbyHzb, BsbySummarySql(k, f, p), p);
    cxGridHzbView->SetColumnCaption(5, loss ? QStringLiteral("报损数量") : QStringLiteral("报溢数量"));
}

void TF_Bsby::setBsbyDjb()
{
    if (!Q_Bsby1.Active() || Q_Bsby1.IsEmpty()) {
        Q_BsbyList.Close();
        return;
    }
    const int row = cxGridDjbView->CurrentRow();
    if (row >= 0)
        Q_Bsby1.SetRecNo(row);
    KcdbOpen(
        Q_BsbyList, BsbyLinesSql(QueryKind()), { { QStringLiteral("n"), Q_Bsby1.AsString(QStringLiteral("gl_djh")) } });
}

void TF_Bsby::btn_DeleClick()
{
    SelectedLineId.clear();
    TF_Bsby_Cx dialog(this);
    dialog.ShowModal();
    if (SelectedLineId.isEmpty())
        return;
    SelectedLineId.clear();
    auto code = [](KeyedCombo* c) {
        const QString k = c->currentIndex() < 0 ? QString() : c->Code(c->currentIndex());
        return k == QLatin1String("-1") ? QString() : k;
    };
    QueryWarehouseSn = code(dialog.comCk);
    QueryHandlerSn = code(dialog.comUser);
    QueryStockTakeOnly = dialog.chkPd->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    btnSearch1Click();
}

void TF_Bsby::btnUnapproveClick()
{
    if (!rDjb2->isChecked()) {
        Prompt::Info(QStringLiteral("取消审核操作只能在“单据表”进行。"));
        return;
    }
    if (!Q_Bsby1.Active() || Q_Bsby1.IsEmpty())
        return;
    const QString number = Q_Bsby1.AsString(QStringLiteral("gl_djh"));
    UnapproveResult.clear();
    LossOverflowKindOf(number).unapprove(number);
    if (UnapproveResult == QLatin1String("ok"))
        btnSearch1Click();
}

// ---------------------------------------------------------------- advanced query

TF_Bsby_Cx::TF_Bsby_Cx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Bsby_Cx"));
    setWindowTitle(QStringLiteral("库存报损查询"));
    auto* grid = new QGridLayout(this);
    lck = NamedLabel(this, "报损仓库：", "lck");
    grid->addWidget(lck, 0, 0);
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    grid->addWidget(comCk, 0, 1);
    grid->addWidget(NamedLabel(this, "经 办 人："), 1, 0);
    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    grid->addWidget(comUser, 1, 1);
    chkPd = new QCheckBox(QStringLiteral("只查询盘点报损商品"), this);
    chkPd->setObjectName(QStringLiteral("chkPd"));
    grid->addWidget(chkPd, 2, 0, 1, 2);
    auto* bar = new QHBoxLayout;
    btnOK = NamedButton(this, "btnOK", "确定(F5)", bar);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", bar);
    grid->addLayout(bar, 3, 0, 1, 2);
    connect(btnOK, &QPushButton::clicked, this, &TF_Bsby_Cx::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Bsby_Cx::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    const bool overflow = F_Bsby && &F_Bsby->QueryKind() == &OverflowKind();
    setWindowTitle(overflow ? QStringLiteral("库存报溢查询") : QStringLiteral("库存报损查询"));
    lck->setText(overflow ? QStringLiteral("报溢仓库：") : QStringLiteral("报损仓库："));
    chkPd->setText(overflow ? QStringLiteral("只查询盘点报溢商品") : QStringLiteral("只查询盘点报损商品"));
    FillWarehouseChoice(*comCk);
    FillStaffCombo(*comUser, QStringLiteral("u_kc"), QStringLiteral("所有经办人"));
    for (KeyedCombo* c : { comCk, comUser })
        c->setCurrentIndex(c->count() > 0 ? 0 : -1);
}

void TF_Bsby_Cx::btnOKClick()
{
    SelectedLineId = QStringLiteral("1");
    close();
}
