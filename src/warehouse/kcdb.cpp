#include "warehouse/kcdb.h"
#include "warehouse/kcdbgrids.h"

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
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickerscallers.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "warehouse/modidate.h"
#include "warehouse/stockdocs.h"
#include "warehouse/stocktabs.h"
#include "warehouse/stockviews.h"

#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

TF_Kcdb* F_Kcdb = nullptr;

using namespace kcdb_detail;

namespace kcdb_detail {

DataGrid* KcdbGrid(
    QWidget* parent, const char* name, const QString& source, std::initializer_list<std::array<const char*, 3>> columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(source));
    AddGridColumns(*g, columns);
    g->SetFooterVisible(true);
    g->SetFooterCount(0, QStringLiteral("记录数："));
    for (const char* f : { "db_sl", "db_zje", "sl", "zje", "t_sl" }) {
        const int c = g->ColumnByField(QLatin1String(f));
        if (c >= 0)
            g->SetFooterSum(c);
    }
    return g;
}

// Shows the price columns the price mode asks for: 单价 (db_dj) unless the sale
// price values the transfer, 售价 (db_sj) only then and when sale prices show.
void KcdbPriceColumns(DataGrid* g)
{
    const bool bySale = TransferPriceMode == QLatin1String("1");
    const int dj = g->ColumnByField(QStringLiteral("db_dj"));
    const int sj = g->ColumnByField(QStringLiteral("db_sj"));
    if (dj >= 0)
        g->SetColumnVisible(dj, !bySale);
    if (sj >= 0)
        g->SetColumnVisible(sj, bySale && ShowSalePrice);
}

void KcdbOpen(Query& q, const QString& sql, const posting::Params& params)
{
    q.Close();
    q.ClearParams();
    q.SetSQL(sql);
    for (auto it = params.begin(); it != params.end(); ++it)
        q.SetParam(it.key(), it.value());
    q.Open();
}

// The line columns without the line table's own (unused) unit, which the goods' unit stands for.
const QString kKcdbLineColumns
    = QStringLiteral("b.id,b.gl_djh,b.g_sn,b.db_sl,b.db_dj,b.db_sj,b.db_zje,b.a_name,b.t_ph,b.t_scrq,b.tid");
const QString kKcdbLines = QStringLiteral("select ") + kKcdbLineColumns
    + QStringLiteral(",a.g_name,a.dw_name,a.gg_name,a.color_name from jxc_dbsp b left join jxc_goods a on "
                     "a.g_sn=b.g_sn where b.gl_djh=:n order by b.id");

} // namespace kcdb_detail

TF_Kcdb::TF_Kcdb(QWidget* parent)
    : Form(parent), kind(TransferKind()), doc(TransferKind().doc), Q_Dbsp(F_DataModule->Q(QStringLiteral("Q_Dbsp"))),
      Q_Kcdbsh(F_DataModule->Q(QStringLiteral("Q_Kcdbsh"))), Q_Kcdbsh2(F_DataModule->Q(QStringLiteral("Q_Kcdbsh2"))),
      Q_PdStep2(F_DataModule->Q(QStringLiteral("Q_PdStep2"))), Q_Dbdjb(F_DataModule->Q(QStringLiteral("Q_Dbdjb"))),
      Q_Dbdjb1(F_DataModule->Q(QStringLiteral("Q_Dbdjb1"))), Q_Dbhzb(F_DataModule->Q(QStringLiteral("Q_Dbhzb"))),
      Q_Dbhzb1(F_DataModule->Q(QStringLiteral("Q_Dbhzb1"))), Q_Dbmxb(F_DataModule->Q(QStringLiteral("Q_Dbmxb"))),
      Q_PdStep1(F_DataModule->Q(QStringLiteral("Q_PdStep1")))
{
    setObjectName(QStringLiteral("TF_Kcdb"));
    setWindowTitle(kind.title);
    resize(1024, 680);
    BuildStockTabs(*this, QStringLiteral("库存调拨单"), QStringLiteral("待审核调拨单"), QStringLiteral("库存调拨查询"));
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });
    PickerCallers::RegisterHandlerCombo(kind.tag, comUser);

    DocHost host = StockDocHost(*this);
    host.reloadDraft = [this] {
        openGridViewData(gldjh->text());
        ShowLineButtons();
    };
    host.reloadPending = [this] {
        const qint64 line = Q_Kcdbsh2.Active() && !Q_Kcdbsh2.IsEmpty() ? Q_Kcdbsh2.AsInteger(QStringLiteral("id")) : 0;
        setShspList();
        if (line && Q_Kcdbsh2.LocateId(line))
            cxGrid3View->SetCurrentRow(Q_Kcdbsh2.RecNo());
    };
    host.pendingHeader = [this](const QString& column) {
        return Q_Kcdbsh.Active() && !Q_Kcdbsh.IsEmpty() ? Q_Kcdbsh.AsString(column) : QString();
    };
    host.draftLine = [this] { return EntryHasRows() ? Q_Dbsp.AsInteger(QStringLiteral("id")) : qint64(0); };
    host.pendingLine = [this] {
        return Q_Kcdbsh2.Active() && !Q_Kcdbsh2.IsEmpty() ? Q_Kcdbsh2.AsInteger(QStringLiteral("id")) : qint64(0);
    };
    doc.SetHost(std::move(host));
}

TF_Kcdb::~TF_Kcdb()
{
    PickerCallers::Unregister(kind.tag);
    if (F_Kcdb == this)
        F_Kcdb = nullptr;
}

void TF_Kcdb::BuildEntryTab()
{
    auto* v = new QVBoxLayout(cxTab1);
    AddStockTitle(cxTab1, v, kind.title);
    cxGridView = KcdbGrid(cxTab1, "cxGridView", QStringLiteral("D_Dbsp"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "db_dj", "单价", "70" },
            { "db_sj", "售价", "70" }, { "db_sl", "数量", "60" }, { "db_zje", "总金额", "90" } });
    auto* head = new QHBoxLayout;
    head->addWidget(NamedLabel(cxTab1, "调出仓库："));
    comCk = new KeyedCombo(cxTab1);
    comCk->setObjectName(QStringLiteral("comCk"));
    head->addWidget(comCk);
    head->addWidget(NamedLabel(cxTab1, "调入仓库："));
    comCkIn = new KeyedCombo(cxTab1);
    comCkIn->setObjectName(QStringLiteral("comCkIn"));
    head->addWidget(comCkIn);
    head->addWidget(NamedLabel(cxTab1, "调拨日期："));
    dateCg = new QDateEdit(cxTab1);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setCalendarPopup(true);
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->installEventFilter(this);
    head->addWidget(dateCg);
    head->addWidget(NamedLabel(cxTab1, "单号："));
    gldjh = NamedLabel(cxTab1, "", "gldjh");
    head->addWidget(gldjh);
    head->addStretch(1);
    AddStockEntryButtons(*this, head, "添加商品(F2)");
    v->addLayout(head);
    v->addWidget(cxGridView, 1);

    RzPanel_Tm = new QWidget(cxTab1);
    RzPanel_Tm->setObjectName(QStringLiteral("RzPanel_Tm"));
    auto* tm = new QHBoxLayout(RzPanel_Tm);
    tm->addWidget(NamedLabel(RzPanel_Tm, "条码："));
    tSptm = new QLineEdit(RzPanel_Tm);
    tSptm->setObjectName(QStringLiteral("tSptm"));
    tm->addWidget(tSptm);
    auto* tmMenu = new QMenu(this);
    tmMenu->addAction(QStringLiteral("隐藏条码输入面板(&X)"), RzPanel_Tm, &QWidget::hide);
    btnNoRepeat = tmMenu->addAction(QStringLiteral("同一条码不能重复添加商品(&Y)"));
    btnNoRepeat->setCheckable(true);
    btnOpenModi = tmMenu->addAction(QStringLiteral("添加完商品后打开修改窗口(&Z)"));
    btnOpenModi->setCheckable(true);
    auto* btnPanelMenu = NamedButton(RzPanel_Tm, "btnPanelMenu", "▼", tm);
    btnPanelMenu->setMenu(tmMenu);
    auto* btnPanelClose = NamedButton(RzPanel_Tm, "btnPanelClose", "×", tm);
    connect(btnPanelClose, &QPushButton::clicked, RzPanel_Tm, &QWidget::hide);
    tm->addStretch(1);
    v->addWidget(RzPanel_Tm);

    auto* bottom = new QHBoxLayout;
    AddStockEntryFooter(*this, bottom);
    // The picker button shows only while the handler combo has the focus.
    comUser->installEventFilter(this);
    btnUser->hide();
    DiscardSearchPunctuation(tnote);
    v->addLayout(bottom);

    BuildStockEntryMenu(*this);
    barPopupMenu->addSeparator();
    btnRTm = barPopupMenu->addAction(QString(), this, [this] { RzPanel_Tm->setVisible(RzPanel_Tm->isHidden()); });
    connect(cxGridView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        btnRModi->setEnabled(!btnModi->isHidden());
        btnRDel->setEnabled(!btnDel->isHidden());
        btnRPrin->setEnabled(!btnPrin->isHidden());
        btnRTm->setText(
            RzPanel_Tm->isHidden() ? QStringLiteral("显示条码输入面板(&T)") : QStringLiteral("隐藏条码输入面板(&T)"));
        barPopupMenu->popup(cxGridView->mapToGlobal(at));
    });

    connect(tSptm, &QLineEdit::returnPressed, this, &TF_Kcdb::tSptmKeyUp);
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { dateCgChange(); });
}

// ---------------------------------------------------------------- entry tab

QString TF_Kcdb::Day() const
{
    return dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
}

void TF_Kcdb::SetDay(const QDate& day)
{
    const QSignalBlocker block(dateCg);
    dateCg->setDate(day);
}

void TF_Kcdb::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    btnOK->setEnabled(true);
    if (ReturningFromPrint == QLatin1String("1")) {
        ReturningFromPrint = QStringLiteral("0");
        return;
    }
    FutureDateAnswer = QStringLiteral("0");
    ShowStockEntryTab(*this);
    lgname2->hide();
    tgname2->hide();
    tgname->clear();
    tgname2->clear();
    ActiveDocKind = kind.tag;
    FillCombos();
    initTab();
    ApplyRights();
    RzPanel_Tm->show();
    tSptm->setFocus();
}

void TF_Kcdb::FillCombos()
{
    FillStaffCombo(*comUser, kind.staffFlag);
    if (comUser->count() > 0)
        comUser->setCurrentIndex(0);
    FillStockWarehouseCombos(*comCk, { comCk2 });
    // The in-warehouse starts at the second warehouse: with one warehouse it is empty.
    FillCombo(
        *comCkIn, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"));
    comCkIn->setCurrentIndex(comCkIn->count() > 1 ? 1 : -1);
}

void TF_Kcdb::ApplyRights()
{
    const QString module = kind.doc.rightModule;
    lineRights_ = HasRight(module, kind.entryRight);
    for (QWidget* w : std::initializer_list<QWidget*> { btnAdd, btnModi, btnDel, btnPrin })
        w->setEnabled(lineRights_);
    btnRAdd->setEnabled(lineRights_);
    const bool approve = HasRight(module, kind.doc.approveRight);
    btnCheckAll->setEnabled(approve);
    btnRChk->setEnabled(approve);
    btnUnapprove->setEnabled(HasRight(module, kind.unapproveRight));
    btnDate->setEnabled(CanChangeDocDate);
    btnPrin2->setEnabled(ShowCostPrice);
    btnPrin3->setEnabled(ShowCostPrice);
    for (DataGrid* g : { cxGridView, cxGrid3View, cxGridDjb1View, cxGridHzb1View, cxGridMxbView })
        KcdbPriceColumns(g);
}

void TF_Kcdb::initTab()
{
    btnOK->setEnabled(true);
    if (ReturningFromPrint != QLatin1String("1")) {
        FutureDateAnswer = QStringLiteral("0");
        {
            const QSignalBlocker block(cxPage);
            cxPage->setCurrentWidget(cxTab1);
        }
        ActiveDocKind = kind.tag;
        for (QWidget* w : std::initializer_list<QWidget*> { btnModi, btnDel, btnPrin })
            w->hide();
        comCk->setEnabled(true);
        tnote->clear();
        QueryOutWarehouseSn.clear();
        QueryInWarehouseSn.clear();
        QueryHandlerSn.clear();
        SetDay(Clock::Today());
        CurrentDraftNo = NextDocNoToday(kind.doc.header, QStringLiteral("gl_djh"), kind.doc.prefix);
        gldjh->setText(CurrentDraftNo);
        openGridViewData(CurrentDraftNo);
        const int at = comCk->findText(DefaultWarehouseName());
        comCk->setCurrentIndex(at >= 0 ? at : (comCk->count() > 0 ? 0 : -1));
        PickerCaller.clear();
    }
    ReturningFromPrint = QStringLiteral("0");
}

void TF_Kcdb::openGridViewData(const QString& number)
{
    KcdbOpen(Q_Dbsp,
        QStringLiteral("select ") + kKcdbLineColumns
            + QStringLiteral(",a.g_name,a.g_jm,a.gg_name,a.dw_name,a.color_name,a.g_pjjj from jxc_dbsp b left join "
                             "jxc_goods a on a.g_sn=b.g_sn where b.gl_djh=:n and b.a_name=:a order by b.id"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } });
}

bool TF_Kcdb::EntryHasRows() const
{
    return Q_Dbsp.Active() && !Q_Dbsp.IsEmpty();
}

void TF_Kcdb::setButtons()
{
    if (EntryHasRows())
        return;
    for (QWidget* w : std::initializer_list<QWidget*> { btnModi, btnDel, btnPrin })
        w->hide();
    comCk->setEnabled(true);
}

void TF_Kcdb::ShowLineButtons()
{
    if (!EntryHasRows()) {
        setButtons();
        return;
    }
    btnModi->show();
    btnDel->show();
    btnPrin->setVisible(!IsTrue(NoPrintBeforeSave));
}

void TF_Kcdb::tSptmKeyUp()
{
    TransferScanInput in;
    in.code = tSptm->text();
    in.number = gldjh->text();
    in.outWarehouse = comCk->currentIndex() < 0 ? QString() : comCk->Code(comCk->currentIndex());
    in.day = Day();
    in.noRepeat = btnNoRepeat->isChecked();
    const TransferScanResult r = ScanTransferBarcode(in);
    tSptm->setText(r.code);
    if (!r.message.isEmpty()) {
        Prompt::Info(r.message);
        return;
    }
    if (r.lineId == 0)
        return;
    if (r.number != gldjh->text()) {
        gldjh->setText(r.number);
        CurrentDraftNo = r.number;
    }
    openGridViewData(r.number);
    Q_Dbsp.Last();
    cxGridView->SetCurrentRow(Q_Dbsp.RecNo());
    ShowLineButtons();
    if (btnOpenModi->isChecked())
        btnModiClick();
}

void TF_Kcdb::btnAddClick()
{
    if (!btnAdd->isEnabled())
        return;
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    FunctionWindows::Open(QStringLiteral("TF_Kcdb_Add"), FunctionWindows::Lifetime::Freed);
    // Lines taken from the warehouse fix it until the draft is empty again.
    if (EntryHasRows())
        comCk->setEnabled(false);
    setButtons();
}

void TF_Kcdb::btnModiClick()
{
    if (AtGridRow(Q_Dbsp, cxGridView))
        OpenStockLineDialog(QStringLiteral("TF_Kcdb_Sele"), kind.tag, Q_Dbsp.AsString(QStringLiteral("g_sn")));
}

void TF_Kcdb::btnDelClick()
{
    if (!DeleteStockDraftLine(Q_Dbsp, cxGridView, kind))
        return;
    openGridViewData(gldjh->text());
    setButtons();
}

void TF_Kcdb::btnUserClick()
{
    PickStockHandler(kind.tag);
}

void TF_Kcdb::dateCgChange()
{
    ConfirmEntryDateChange(dateCg, FutureDateAnswer);
}

void TF_Kcdb::dateCgCloseUp()
{
    if (FutureDateAnswer == QLatin1String("1"))
        SetDay(Clock::Today());
    FutureDateAnswer = QStringLiteral("0");
}

void TF_Kcdb::dateCgExit()
{
    if (FutureDateAnswer == QLatin1String("1"))
        SetDay(Clock::Today());
    FutureDateAnswer = QStringLiteral("0");
    try {
        const QString number = RedrawForDate(kind.doc, gldjh->text(), Day());
        gldjh->setText(number);
        CurrentDraftNo = number;
        openGridViewData(number);
    } catch (const std::exception&) {
        // A failed renumbering leaves the draft under its number.
    }
}

bool TF_Kcdb::SameWarehouses() const
{
    if (comCk->currentText() != comCkIn->currentText())
        return false;
    Prompt::Info(QStringLiteral("调出仓库与调入仓库不能相同！"));
    return true;
}

void TF_Kcdb::btnOKClick()
{
    if (!EntryHasRows()) {
        Prompt::Info(kind.noLinesText);
        return;
    }
    if (comUser->currentIndex() < 0 || comUser->currentText().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择经办人！"));
        return;
    }
    if (comCk->currentIndex() < 0 || comCk->currentText().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择调出仓库！"));
        return;
    }
    if (comCkIn->currentIndex() < 0 || comCkIn->currentText().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择调入仓库！"));
        return;
    }
    if (SameWarehouses())
        return;
    if (Prompt::YesNo(ApproveOnSaveSet() ? kind.approveOnSaveQuestion : kind.pendingQuestion) != Prompt::Answer::Yes)
        return;
    btnOK->setEnabled(false);
    struct Reenable {
        QPushButton* button;
        ~Reenable() { button->setEnabled(true); }
    } reenable { btnOK };
    const StockSaveResult saved
        = SaveStockDocument(kind, gldjh->text(), Day(), comUser->Code(comUser->currentIndex()), tnote->text().trimmed(),
            { { QStringLiteral("ck_out"), comCk->Code(comCk->currentIndex()) },
                { QStringLiteral("ck_in"), comCkIn->Code(comCkIn->currentIndex()) } });
    gldjh->setText(saved.number);
    if (!saved.refusal.isEmpty())
        Prompt::Info(saved.refusal);
    initTab();
}

void TF_Kcdb::setPrinPara(Report& report, const QString& number, const QString& flag)
{
    if (!LoadStockDocPrint(report, kind, number, flag == QLatin1String("2")))
        return;
    report.SetVariable(QStringLiteral("jhDate"), Day());
    report.SetVariable(QStringLiteral("uName"), comUser->currentText().trimmed());
    report.SetVariable(QStringLiteral("ckOut"), comCk->currentText().trimmed());
    report.SetVariable(QStringLiteral("ckIn"), comCkIn->currentText().trimmed());
    report.SetVariable(QStringLiteral("Note"), tnote->text().trimmed());
    SetCompanyPrintVars(report);
}

void TF_Kcdb::ShowStored(const QString& number)
{
    QString unused;
    RunDocumentPrint(true, unused, [&](Report& r) { setPrinPara(r, number, QStringLiteral("2")); });
}

void TF_Kcdb::PrintEntry(bool preview)
{
    if (SameWarehouses())
        return;
    if (preview && !EntryHasRows())
        return;
    RunDocumentPrint(preview, ReturningFromPrint,
        [this](Report& report) { setPrinPara(report, gldjh->text(), QStringLiteral("1")); });
}

void TF_Kcdb::btnPrintClick()
{
    PrintEntry(false);
}

void TF_Kcdb::btnPreviewClick()
{
    PrintEntry(true);
}

bool TF_Kcdb::FormCloseQuery()
{
    return doc.CloseQuery(EntryHasRows(), gldjh->text(), [this] { btnOKClick(); });
}

void TF_Kcdb::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Dbsp, &Q_Dbdjb, &Q_Dbdjb1, &Q_Dbhzb, &Q_Dbhzb1, &Q_Dbmxb, &Q_PdStep2, &Q_PdStep1 })
        q->Close();
    F_DataModule->Q_GoodsPrin.Close();
    Form::hideEvent(e);
}

void TF_Kcdb::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_F2:
        if (cxPage->currentWidget() == cxTab2)
            btnSearchClick();
        else if (cxPage->currentWidget() == cxTab3)
            btnSearch2Click();
        else if (btnAdd->isEnabled())
            btnAddClick();
        break;
    case Qt::Key_F5:
        btnOKClick();
        break;
    default:
        break;
    }
}

void TF_Kcdb::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F2 || e->key() == Qt::Key_F5) {
        FormKeyDown(e->key());
        return;
    }
    Form::keyPressEvent(e);
}

bool TF_Kcdb::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == dateCg && e->type() == QEvent::FocusOut)
        dateCgExit();
    if (watched == comUser && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut))
        btnUser->setVisible(e->type() == QEvent::FocusIn);
    return Form::eventFilter(watched, e);
}
