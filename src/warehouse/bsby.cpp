#include "warehouse/bsby.h"

#include "documents/docdrafts.h"
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
#include "warehouse/bsbylists.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/stockdocs.h"
#include "warehouse/stocktabs.h"
#include "warehouse/stockviews.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
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

TF_Bsby* F_Bsby = nullptr;

using namespace kcdb_detail;

TF_Bsby::TF_Bsby(QWidget* parent)
    : Form(parent), doc(LossKind().doc), Q_Bsby(F_DataModule->Q(QStringLiteral("Q_Bsby"))),
      Q_Bsbysh(F_DataModule->Q(QStringLiteral("Q_Bsbysh"))), Q_Bsbysh2(F_DataModule->Q(QStringLiteral("Q_Bsbysh2"))),
      Q_Bsby1(F_DataModule->Q(QStringLiteral("Q_Bsby1"))), Q_BsbyList(F_DataModule->Q(QStringLiteral("Q_BsbyList"))),
      Q_BsbyHzb(F_DataModule->Q(QStringLiteral("Q_BsbyHzb"))),
      Q_BsbyList2(F_DataModule->Q(QStringLiteral("Q_BsbyList2"))),
      Q_BsbyList3(F_DataModule->Q(QStringLiteral("Q_BsbyList3"))),
      Q_PdStep2(F_DataModule->Q(QStringLiteral("Q_PdStep2"))), Q_PdStep1(F_DataModule->Q(QStringLiteral("Q_PdStep1")))
{
    setObjectName(QStringLiteral("TF_Bsby"));
    setWindowTitle(QStringLiteral("商品报损/报溢"));
    resize(1024, 680);
    BuildStockTabs(
        *this, QStringLiteral("报损/报溢"), QStringLiteral("报损/报溢审核"), QStringLiteral("报损/报溢查询"));
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });

    // The colour-by-size dialog and the browser find the window under "BS" and ask
    // it which kind the draft or the pending document is.
    DocHost host = StockDocHost(*this);
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
    host.docType = [this] {
        // The pending tab's dialogs work on the selected document's kind.
        return ActiveDocKind == QLatin1String("bsby_sh") ? LossOverflowKindOf(SelectedPendingNo()).doc.prefix
                                                         : EntryKind().doc.prefix;
    };
    doc.SetHost(std::move(host));
    PickerCallers::RegisterHandlerCombo(LossKind().tag, comUser);
}

TF_Bsby::~TF_Bsby()
{
    PickerCallers::Unregister(LossKind().tag);
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
    ltitle = AddStockTitle(cxTab1, v, QString());
    cxGridView = KcdbGrid(cxTab1, "cxGridView", QStringLiteral("D_Bsby"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "dj", "单价", "70" },
            { "sl", "数量", "60" }, { "zje", "总金额", "90" }, { "dnote", "备注", "120" } });
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
    dateCg = MakeDateEdit(cxTab1, "dateCg");
    head->addWidget(dateCg);
    head->addWidget(NamedLabel(cxTab1, "单号："));
    gldjh = NamedLabel(cxTab1, "", "gldjh");
    head->addWidget(gldjh);
    head->addStretch(1);
    AddStockEntryButtons(*this, head, "添加商品(F2)");
    v->addLayout(head);
    v->addWidget(cxGridView, 1);
    auto* bottom = new QHBoxLayout;
    AddStockEntryFooter(*this, bottom);
    btnUser->setMaximumWidth(28);
    v->addLayout(bottom);
    connect(comDjlx, &QComboBox::currentIndexChanged, this, [this] { comDjlxChange(); });
    BuildStockEntryMenu(*this);
    connect(cxGridView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const bool rows = EntryHasRows();
        btnRModi->setEnabled(rows);
        btnRDel->setEnabled(rows);
        btnRPrin->setEnabled(rows && !IsTrue(NoPrintBeforeSave));
        barPopupMenu->popup(cxGridView->mapToGlobal(at));
    });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { dateCgChange(); });
    connect(dateCg, &QDateEdit::editingFinished, this, [this] { dateCgExit(); });
}

// ---------------------------------------------------------------- entry tab

QString TF_Bsby::Day() const
{
    return dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
}

void TF_Bsby::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    ShowStockEntryTab(*this);
    tkey2->clear();
    ActiveDocKind = QStringLiteral("bsby");
    FillStaffCombo(*comUser, QStringLiteral("u_kc"));
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    FillStockWarehouseCombos(*comCk, { comCk2 });
    const bool entry = HasRight(QStringLiteral("kcgl"), 3);
    for (QWidget* b : std::initializer_list<QWidget*> { btnAdd, btnModi, btnDel, btnPrin })
        b->setEnabled(entry);
    btnRAdd->setEnabled(entry);
    const bool approve = HasRight(QStringLiteral("kcgl"), 10);
    btnCheckAll->setEnabled(approve);
    btnRChk->setEnabled(approve);
    btnUnapprove->setEnabled(HasRight(QStringLiteral("kcgl"), 14));
    btnDate->setEnabled(CanChangeDocDate);
    btnPrin3->setEnabled(ShowCostPrice);
    ApplyPriceColumns();
    initTab();
}

void TF_Bsby::ApplyPriceColumns()
{
    for (DataGrid* g : { cxGridView, cxGrid3View, cxGridDjb1View, cxGridHzb1View, cxGridMxbView }) {
        for (const char* f : { "dj", "zje" }) {
            const int c = g->ColumnByField(QLatin1String(f));
            if (c >= 0)
                g->SetColumnVisible(c, ShowCostPrice);
        }
    }
}

void TF_Bsby::ApplyKindTexts()
{
    const bool loss = &EntryKind() == &LossKind();
    ltitle->setText(EntryKind().title);
    ldate->setText(loss ? QStringLiteral("报损日期：") : QStringLiteral("报溢日期："));
}

void TF_Bsby::initTab()
{
    if (ReturningFromPrint == QLatin1String("1")) {
        ReturningFromPrint = QStringLiteral("0");
        return;
    }
    FutureDateAnswer = QStringLiteral("0");
    ActiveDocKind = QStringLiteral("bsby");
    PickerCaller.clear();
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
    setButtons();
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
    setButtons();
}

void TF_Bsby::dateCgChange()
{
    ConfirmEntryDateChange(dateCg, FutureDateAnswer);
}

void TF_Bsby::dateCgExit()
{
    FutureDateAnswer = QStringLiteral("0");
    // The draft moves to a number of the new day in the kind's tables.
    try {
        const QString number = RedrawForDate(EntryKind().doc, gldjh->text(), Day());
        gldjh->setText(number);
        CurrentDraftNo = number;
        openGridViewData(number);
    } catch (const std::exception&) {
        // A failed renumbering leaves the draft under its number.
    }
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
}

void TF_Bsby::setButtons()
{
    // Kind and warehouse are fixed while the draft has lines: they live in the
    // kind's tables and took the warehouse's cost.
    const bool rows = EntryHasRows();
    btnModi->setVisible(rows);
    btnDel->setVisible(rows);
    btnPrin->setVisible(rows && !IsTrue(NoPrintBeforeSave));
    comDjlx->setEnabled(!rows);
    comCk->setEnabled(!rows);
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
    setButtons();
}

void TF_Bsby::btnModiClick()
{
    if (!AtGridRow(Q_Bsby, cxGridView))
        return;
    OpenStockLineDialog(QStringLiteral("TF_Bsby_Sele"), LossKind().tag, Q_Bsby.AsString(QStringLiteral("g_sn")));
    openGridViewData(gldjh->text());
    setButtons();
}

void TF_Bsby::btnDelClick()
{
    if (!DeleteStockDraftLine(Q_Bsby, cxGridView, EntryKind()))
        return;
    openGridViewData(gldjh->text());
    setButtons();
}

void TF_Bsby::btnUserClick()
{
    PickStockHandler(LossKind().tag);
}

void TF_Bsby::setPrinPara(Report& report, const QString& number, const QString& flag)
{
    const StockKind& k = flag == QLatin1String("2") ? LossOverflowKindOf(number) : EntryKind();
    if (!LoadStockDocPrint(report, k, number, flag == QLatin1String("2")))
        return;
    report.SetVariable(QStringLiteral("title"), k.doc.logName);
    report.SetVariable(QStringLiteral("jhDate"), Day());
    report.SetVariable(QStringLiteral("aName"), CurrentAdminName);
    report.SetVariable(QStringLiteral("ckName"), comCk->currentText().trimmed());
    report.SetVariable(QStringLiteral("uName"), comUser->currentText().trimmed());
    report.SetVariable(QStringLiteral("dNote"), tnote->text().trimmed());
    report.SetVariable(QStringLiteral("comName"), CompanyName);
    report.SetVariable(QStringLiteral("comTele"), CompanyTele);
    report.SetVariable(QStringLiteral("comAddress"), CompanyAddress);
}

void TF_Bsby::ShowStored(const QString& number)
{
    QString unused;
    RunDocumentPrint(true, unused, [&](Report& r) { setPrinPara(r, number, QStringLiteral("2")); });
}

void TF_Bsby::PrintEntry(bool preview)
{
    if (EntryHasRows())
        RunDocumentPrint(
            preview, ReturningFromPrint, [this](Report& r) { setPrinPara(r, gldjh->text(), QStringLiteral("1")); });
}

void TF_Bsby::btnPrintClick()
{
    PrintEntry(false);
}

void TF_Bsby::btnPreviewClick()
{
    PrintEntry(true);
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

void TF_Bsby::FormKeyDown(int key)
{
    if (key == Qt::Key_F5) {
        btnOKClick();
        return;
    }
    if (key != Qt::Key_F2)
        return;
    if (cxPage->currentWidget() == cxTab2)
        btnSearchClick();
    else if (cxPage->currentWidget() == cxTab3)
        btnSearch1Click();
    else
        btnAddClick();
}

void TF_Bsby::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F2 || e->key() == Qt::Key_F5) {
        FormKeyDown(e->key());
        return;
    }
    Form::keyPressEvent(e);
}

bool TF_Bsby::FormCloseQuery()
{
    return doc.CloseQuery(EntryHasRows(), gldjh->text(), [this] { btnOKClick(); });
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
