#include "purchasing/cgd.h"
#include "purchasing/linedialogs.h"
#include "purchasing/orders.h"
#include "purchasing/scanline.h"

#include "documents/entrytab.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickerscallers.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
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

TF_Cgd* F_Cgd = nullptr;
QString TF_Cgd::SkipNextInit;

namespace {

const QString kCgd = QStringLiteral("cgd");

double OrderEditNumber(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

} // namespace

TF_Cgd::TF_Cgd(QWidget* parent)
    : Form(parent), doc(PurchaseOrderKind()), Q_Jhsp(F_DataModule->Q(QStringLiteral("Q_Jhsp"))),
      Q_Shdj(F_DataModule->Q(QStringLiteral("Q_Shdj"))), Q_Shsp(F_DataModule->Q(QStringLiteral("Q_Shsp"))),
      Q_Cgd(F_DataModule->Q(QStringLiteral("Q_Cgd"))), Q_Cgsp(F_DataModule->Q(QStringLiteral("Q_Cgsp"))),
      Q_Cgsp2(F_DataModule->Q(QStringLiteral("Q_Cgsp2"))), Q_GoodsPrin(F_DataModule->Q_GoodsPrin),
      frxReport1(std::make_unique<Report>())
{
    setObjectName(QStringLiteral("TF_Cgd"));
    setWindowTitle(QStringLiteral("采购订单"));
    resize(1024, 680);
    const DocPages pages = NewDocPages(this, "采购订单", "待审核采购订单", "采购订单查询");
    cxPage = pages.page;
    cxTab1 = pages.entry;
    cxTab2 = pages.pending;
    cxTab3 = pages.query;
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });
    PickerCallers::RegisterHandlerCombo(kCgd, comUser);
    doc.SetHost(EntryDocHost(this));
}

TF_Cgd::~TF_Cgd()
{
    if (F_Cgd == this)
        F_Cgd = nullptr;
}

void TF_Cgd::BuildEntryTab()
{
    auto* box = new QVBoxLayout(cxTab1);
    auto* head = new QGridLayout;
    box->addLayout(head);
    jsn = NewDocNumberLabel(cxTab1, "jsn");
    tghs = NamedEdit(cxTab1, "tghs", 32);
    btnSeleGhs = NamedButton(cxTab1, "btnSeleGhs", "…");
    comCk = new KeyedCombo(cxTab1);
    comCk->setObjectName(QStringLiteral("comCk"));
    dateCg = NewDocDateEdit(cxTab1, "dateCg");
    comUser = new KeyedCombo(cxTab1);
    comUser->setObjectName(QStringLiteral("comUser"));
    btnUser = NamedButton(cxTab1, "btnUser", "…");
    btnUser->hide();
    comJsfs = new KeyedCombo(cxTab1);
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    tyfje = NamedEdit(cxTab1, "tyfje", 32767);
    tyfje->setReadOnly(true);
    tsfje = NamedEdit(cxTab1, "tsfje", 32767);
    lsn2 = NamedLabel(cxTab1, "原始单号：", "lsn2");
    tsn2 = NamedEdit(cxTab1, "tsn2", 16);
    tnote = NamedEdit(cxTab1, "tnote", 200);
    // The order keeps no remark picker; the button stays hidden.
    btnDjbz = NamedButton(cxTab1, "btnDjbz", "…");
    btnDjbz->hide();
    head->addWidget(NamedLabel(cxTab1, "单号"), 0, 0);
    head->addWidget(jsn, 0, 1);
    head->addWidget(NamedLabel(cxTab1, "供货商："), 0, 2);
    head->addLayout(FieldWithButton(tghs, btnSeleGhs), 0, 3);
    head->addWidget(NamedLabel(cxTab1, "收货仓库："), 0, 4);
    head->addWidget(comCk, 0, 5);
    head->addWidget(NamedLabel(cxTab1, "订购日期："), 0, 6);
    head->addWidget(dateCg, 0, 7);
    head->addWidget(NamedLabel(cxTab1, "经办人："), 1, 0);
    head->addLayout(FieldWithButton(comUser, btnUser), 1, 1);
    head->addWidget(NamedLabel(cxTab1, "结算方式："), 1, 2);
    head->addWidget(comJsfs, 1, 3);
    head->addWidget(NamedLabel(cxTab1, "应付金额："), 1, 4);
    head->addWidget(tyfje, 1, 5);
    head->addWidget(NamedLabel(cxTab1, "实付金额："), 1, 6);
    head->addWidget(tsfje, 1, 7);
    head->addWidget(lsn2, 2, 0);
    head->addWidget(tsn2, 2, 1);
    head->addWidget(NamedLabel(cxTab1, "备注："), 2, 2);
    head->addLayout(FieldWithButton(tnote, btnDjbz), 2, 3, 1, 5);

    RzPanel_Yhzh = NewAccountPanel(cxTab1, "同时选择付款账户：", comYhzh, btnYhzhClose);
    box->addWidget(RzPanel_Yhzh);

    RzGroupBox_Btns = NewEntryButtonGroup(
        cxTab1,
        { { &btnAddOld, "btnAddOld", "老商品添加(F2)" }, { &btnAddNew, "btnAddNew", "新商品添加(F9)" },
            { &btnModi, "btnModi", "修改" }, { &btnDel, "btnDel", "删除" } },
        btnPrin, btnPrin_W, btnPrin_X, [this] { btnPrin_WClick(); }, [this] { btnPrin_XClick(); });
    auto* actions = new QHBoxLayout;
    actions->addWidget(RzGroupBox_Btns, 1);
    btnInOut = NamedButton(cxTab1, "btnInOut", "导入、导出", actions);
    btnInOut->setToolTip(QStringLiteral("模板中标题为红色的列,要求必须输入！"));
    auto* inOut = new QMenu(btnInOut);
    btnImport = inOut->addAction(QStringLiteral("从Excel导入采购订单(&I)"), this, &TF_Cgd::btnImportClick);
    btnExport = inOut->addAction(QStringLiteral("导出采购订单到Excel(&X)"), this, &TF_Cgd::btnExportClick);
    btnInOut->setMenu(inOut);
    btnOK = NamedButton(cxTab1, "btnOK", "保存(F5)", actions);
    box->addLayout(actions);

    cxGridView = new DataGrid(cxTab1);
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->SetDataSource(&F_DataModule->D(QStringLiteral("D_Jhsp")));
    AddGridColumns(*cxGridView,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" }, { "cm_name", "尺码", "50" },
            { "jh_dj", "单价", "64" }, { "jh_tax", "税率", "48" }, { "jh_taxdj", "含税单价", "64" },
            { "jh_dzl", "折扣", "48" }, { "dj", "折后价", "64" }, { "t_sl", "数量", "56" }, { "je", "金额", "72" },
            { "taxje", "税额", "64" }, { "zje", "总金额", "80" }, { "jh_bz", "备注", "120" } });
    cxGridView->SetFooterVisible(true);
    for (const char* f : { "t_sl", "je", "taxje", "zje" })
        cxGridView->SetFooterSum(cxGridView->ColumnByField(QLatin1String(f)));
    box->addWidget(cxGridView, 1);

    RzPanel_Tm = new BarcodePanel(cxTab1);
    tSptm = RzPanel_Tm->tSptm;
    btnPanelAdd = RzPanel_Tm->btnPanelAdd;
    barPopupMenu = NewEntryGridMenu(this, cxGridView, RzPanel_Tm,
        { QStringLiteral("新增商品(&V)"), QStringLiteral("打印单据(&Y)"), QStringLiteral("预览单据(&Z)"),
            [this] { btnAddOldClick(); }, [this] { btnModiClick(); }, [this] { btnDelClick(); },
            [this] { btnPrin_WClick(); }, [this] { btnPrin_XClick(); }, [this] { return EntryHasRows(); } });

    RzPanelGhs = NewSupplierChooser(cxTab1, tghs);

    connect(btnSeleGhs, &QPushButton::clicked, this, &TF_Cgd::btnSeleGhsClick);
    connect(tghs, &QLineEdit::textEdited, this, &TF_Cgd::tghsKeyUp);
    connect(RzPanelGhs->btnGhsAdd, &QPushButton::clicked, this, &TF_Cgd::btnGhsAddClick);
    connect(RzPanelGhs->btnGhsModi, &QPushButton::clicked, this, &TF_Cgd::btnGhsModiClick);
    connect(dateCg, &QDateEdit::dateChanged, this, &TF_Cgd::dateCgChange);
    connect(tSptm, &QLineEdit::returnPressed, this, &TF_Cgd::tSptmKeyDown);
    connect(btnAddOld, &QPushButton::clicked, this, &TF_Cgd::btnAddOldClick);
    connect(btnAddNew, &QPushButton::clicked, this, &TF_Cgd::btnAddNewClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Cgd::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Cgd::btnDelClick);
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnUser, &QPushButton::clicked, this, &TF_Cgd::btnUserClick);
    connect(btnYhzhClose, &QPushButton::clicked, RzPanel_Yhzh, &QWidget::hide);
    connect(btnOK, &QPushButton::clicked, this, &TF_Cgd::btnOKClick);
    for (QLineEdit* e : { tghs, RzPanelGhs->tkey, tnote, tsn2 })
        DiscardSearchPunctuation(e);
    for (QWidget* w : std::initializer_list<QWidget*> { tsfje, tghs, comCk, comUser, comJsfs, tnote, cxGridView })
        w->installEventFilter(this);
}

bool TF_Cgd::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        if (watched == tsfje)
            tsfjeEnter();
        else
            RzPanel_Yhzh->hide();
        btnUser->setVisible(watched == comUser || watched == comJsfs);
    }
    return Form::eventFilter(watched, e);
}

void TF_Cgd::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    btnOK->setEnabled(true);
    if (SkipNextInit == QLatin1String("1")) {
        SkipNextInit = QStringLiteral("0");
        return;
    }
    tsn2->clear();
    const bool original = IsTrue(UseOriginalDocNo);
    lsn2->setVisible(original);
    tsn2->setVisible(original);
    for (DataGrid* g : { cxGrid2View, cxGrid31View })
        g->SetColumnVisible(g->ColumnByField(QStringLiteral("gl_djh2")), original);
    const QDate today = Clock::Today();
    {
        const QSignalBlocker q1(tdate31), q2(tdate32);
        tdate31->setDate(QDate(today.year(), today.month(), 1));
        tdate32->setDate(today);
    }
    tKey3->clear();
    rDjb->setChecked(true);
    views3->setCurrentIndex(0);

    ActiveDocKind = QStringLiteral("cgjh");
    SelectedLineId.clear();
    tsfje->setText(QStringLiteral("0"));
    cxPage->setCurrentWidget(cxTab1);
    SetDocDate(today);
    LastDocDate = DocDate();

    FillEntryCombos(*comUser, QStringLiteral("u_cg"), *comCk, *comYhzh);
    FillSettleModes(*comJsfs, QStringLiteral("cg"));
    FillWarehouseChoice(*comCk3);
    OpenSupplierList(QString());

    initTab();
    SkipNextInit = QStringLiteral("0");
    ApplyRightsAndVisibility();
}

void TF_Cgd::ApplyRightsAndVisibility()
{
    const QString cg = QStringLiteral("cggl");
    lineRights_ = HasRight(cg, 18);
    ApplyEntryLineRights(lineRights_, RzGroupBox_Btns, barPopupMenu, RzPanel_Tm);
    btnAddNew->setVisible(lineRights_ && HasRight(QStringLiteral("qtcz"), 1));
    const bool ghsRights = HasRight(QStringLiteral("qtcz"), 2);
    RzPanelGhs->btnGhsAdd->setVisible(ghsRights);
    RzPanelGhs->btnGhsModi->setVisible(ghsRights);
    btn_Check->setEnabled(HasRight(cg, 19));
    btnRChk->setEnabled(HasRight(cg, 19));
    btn_UnChk->setEnabled(HasRight(cg, 20));
    chkZf->setChecked(false);
    btn_Date->setEnabled(CanChangeDocDate);
    btnRDate->setEnabled(CanChangeDocDate);
    barPopupMenu.btnPrinSub->setEnabled(!IsTrue(NoPrintBeforeSave));

    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("cj"));
    const bool discount = IsTrue(UseDiscount) && ShowCostPrice;
    for (DataGrid* g : { cxGridView, cxGrid3View, cxGrid32View, cxGrid33View }) {
        ShowGridColumns(g, { "jh_dj", "zje", "jh_zje", "dj" }, ShowCostPrice);
        ShowGridColumns(g, { "jh_je", "je", "jh_tax", "jh_taxdj", "jh_taxje", "taxje" }, tax);
        ShowGridColumns(g, { "jh_dzl", "dj" }, discount);
        ShowGridColumns(g, { "color_name" }, IsTrue(UseColors));
    }
    for (DataGrid* g : { cxGrid2View, cxGrid31View })
        ShowGridColumns(g, { "j_yfje", "j_sfje" }, ShowCostPrice);
    tyfje->setVisible(ShowCostPrice);
    tsfje->setVisible(ShowCostPrice);
    SetLineGridFormats(*cxGridView, { "jh_dj", "jh_taxdj", "dj", "je", "taxje", "zje" }, "t_sl");
}

void TF_Cgd::SetDocDate(const QDate& date)
{
    SetDocDateQuietly(dateCg, date);
}

QString TF_Cgd::DocDate() const
{
    return DocDateText(dateCg);
}

void TF_Cgd::initTab()
{
    btnOK->setEnabled(true);
    ActiveDocKind = QStringLiteral("cgjh");
    SelectedLineId.clear();
    cxPage->setCurrentWidget(cxTab1);
    ShowLineButtons(false);
    ResetPurchaseEntry(doc.Kind(), { tghs, tyfje, tsfje, tnote, RzPanelGhs, RzPanel_Ghs2, dateCg, jsn });
    tsn2->clear();
    OpenMode.clear();
    LastDocDate = DocDate();
    openGridViewData(jsn->text());
    if (EntryHasRows()) {
        ShowLineButtons(true);
        updateBottomJe();
    }
    comJsfs->setCurrentIndex(DefaultSettleMode.toInt() == 1 && comJsfs->count() > 1 ? 1 : 0);
    ChooseDefaultWarehouse(*comCk, *comYhzh);
}

void TF_Cgd::ShowLineButtons(bool on)
{
    btnModi->setVisible(on);
    btnDel->setVisible(on);
    btnPrin->setVisible(on && !IsTrue(NoPrintBeforeSave));
}

bool TF_Cgd::EntryHasRows() const
{
    return Q_Jhsp.Active() && Q_Jhsp.RecordCount() > 0;
}

void TF_Cgd::openGridViewData(const QString& number)
{
    OpenDraftLines(Q_Jhsp, doc.Kind(), number);
}

void TF_Cgd::updateBottomJe()
{
    tyfje->setText(NumberText(DraftPayable(doc.Kind(), jsn->text())));
    if (PurchasePayDefault == QLatin1String("0"))
        tsfje->setText(tyfje->text());
}

void TF_Cgd::dateCgChange()
{
    if (EntryDateChanged(doc, dateCg, jsn, LastDocDate))
        openGridViewData(jsn->text());
}

void TF_Cgd::tSptmKeyDown()
{
    if (!ScanIntoDraft(doc.Kind(), tSptm, jsn, DocDate(), btnPanelAdd->isChecked()))
        return;
    openGridViewData(jsn->text());
    Q_Jhsp.Last();
    ShowLineButtons(true);
    updateBottomJe();
}

void TF_Cgd::btnAddOldClick()
{
    FunctionWindows::Open(QStringLiteral("TF_Cgd_Add"), FunctionWindows::Lifetime::Freed);
    if (EntryHasRows())
        ShowLineButtons(true);
    updateBottomJe();
}

void TF_Cgd::btnAddNewClick()
{
    if (btnAddNew->isHidden())
        return;
    AddNewGoodsLine(QStringLiteral("TF_Cgd_Sele"));
    if (EntryHasRows())
        ShowLineButtons(true);
    updateBottomJe();
}

void TF_Cgd::btnModiClick()
{
    ModifyDraftLine(Q_Jhsp, QStringLiteral("cgjh"), QStringLiteral("TF_Cgd_Sele"));
    updateBottomJe();
}

void TF_Cgd::btnDelClick()
{
    if (!DeleteDraftRow(doc.Kind(), Q_Jhsp))
        return;
    openGridViewData(jsn->text());
    if (!EntryHasRows())
        ShowLineButtons(false);
    updateBottomJe();
}

void TF_Cgd::btnImportClick()
{
    // The spreadsheet import is a window of its own; without it the item does nothing.
    if (!FunctionWindows::Available(QStringLiteral("TF_Cgd_Import")))
        return;
    FunctionWindows::Open(QStringLiteral("TF_Cgd_Import"), FunctionWindows::Lifetime::Freed);
    openGridViewData(jsn->text());
    if (EntryHasRows())
        ShowLineButtons(true);
    updateBottomJe();
}

void TF_Cgd::btnUserClick()
{
    OpenPickerFor(kCgd, QStringLiteral("TF_User2"));
}

void TF_Cgd::btnSeleGhsClick()
{
    RzPanel_Yhzh->hide();
    RzPanelGhs->ShowFiltered(QString());
}

void TF_Cgd::tghsKeyUp()
{
    RzPanelGhs->ShowFiltered(tghs->text().trimmed());
}

void TF_Cgd::btnGhsAddClick()
{
    if (RzPanelGhs->btnGhsAdd->isHidden())
        return;
    FunctionWindows::Open(QStringLiteral("TF_Ghsgl_Add"), FunctionWindows::Lifetime::Freed);
    OpenSupplierList(QString());
}

void TF_Cgd::btnGhsModiClick()
{
    if (RzPanelGhs->btnGhsModi->isHidden() || RzPanelGhs->cxGridGhsView->RowCount() == 0)
        return;
    FunctionWindows::Open(QStringLiteral("TF_Ghsgl_Modi"), FunctionWindows::Lifetime::Freed);
    OpenSupplierList(QString());
}

void TF_Cgd::tsfjeEnter()
{
    if (AccountPanelOffered())
        RzPanel_Yhzh->show();
}

void TF_Cgd::btnOKClick()
{
    using namespace posting;
    if (SaveRefused(EntryHasRows(), tghs->text(), QStringLiteral("请选择供货商！"), *comUser, *comCk))
        return;
    const std::optional<bool> mode = AskSaveMode(
        QStringLiteral(
            "单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的采购订单，可以在“待审核\r\n\r\n"
            "采购订单”面板中，进行修改及审核操作！"),
        QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“采购订单查询”功能中取消审核！"));
    if (!mode)
        return;
    const bool pendingOnly = *mode;
    const QString warehouse = GetComboCode(*comCk, comCk->currentIndex());
    const QString handler = GetComboCode(*comUser, comUser->currentIndex());
    SaveButtonGuard reenable(btnOK);
    QApplication::processEvents();
    if (IsTrue(RoundTotals))
        tsfje->setText(QString::number(RoundUp(OrderEditNumber(tsfje), TotalDecimals.toInt()), 'g', 15));
    const double payable = OrderEditNumber(tyfje);
    const double paid = OrderEditNumber(tsfje);
    const bool byPayment = comJsfs->currentIndex() == 0;
    const int rows = Q_Jhsp.RecordCount();
    const QString date = DocDate();

    Transaction t(Db());
    const QString number = RedrawIfHeld(doc.Kind(), jsn->text(), date);
    jsn->setText(number);
    InsertRow(QStringLiteral("jxc_cgd"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("ghs_sn"), CurrentSupplierSn },
            { QStringLiteral("ck_sn"), warehouse },
            { QStringLiteral("j_jhrq"), date + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm")) },
            { QStringLiteral("j_yfje"), byPayment && DiscountLineMode == QLatin1String("0") ? paid : payable },
            { QStringLiteral("j_sfje"), paid }, { QStringLiteral("u_sn"), handler },
            { QStringLiteral("j_note"), tnote->text().trimmed() }, { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("j_qk"), 0 }, { QStringLiteral("j_status"), 0 },
            { QStringLiteral("j_checker"), QString() }, { QStringLiteral("j_chkrq"), QString() },
            { QStringLiteral("j_yhje"), 0 }, { QStringLiteral("j_jsfs"), comJsfs->currentIndex() },
            { QStringLiteral("j_kmmc"), comYhzh->currentText() }, { QStringLiteral("j_hkje"), 0 },
            { QStringLiteral("j_th"), 0 }, { QStringLiteral("gl_djh2"), tsn2->text().trimmed() } });
    if (pendingOnly)
        WriteLog(QStringLiteral("增加未审核采购订单") + number + QStringLiteral("，共") + QString::number(rows)
            + QStringLiteral("种商品"));
    else
        checkDj(number);
    t.Commit();
    reenable.Done();
    if (IsTrue(AutoPrintSalesDoc)) {
        SkipNextInit = QStringLiteral("1");
        setPrinPara(number, QStringLiteral("2"));
        frxReport1->Print();
        Q_GoodsPrin.Close();
    }
    initTab();
}

void TF_Cgd::checkDj(const QString& number)
{
    ApproveOrder(number, CurrentAdminName);
}

bool TF_Cgd::FormCloseQuery()
{
    return doc.CloseQuery(EntryHasRows(), jsn->text(), [this] { btnOKClick(); });
}

void TF_Cgd::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Jhsp, &Q_Shdj, &Q_Shsp, &Q_Cgd, &Q_Cgsp, &Q_Cgsp2, &Q_GoodsPrin,
             &F_DataModule->Q(QStringLiteral("Q_Ghsxx")) })
        q->Close();
    Form::hideEvent(e);
}

void TF_Cgd::FormKeyDown(int key)
{
    if (SupplierPanelsKey(
            key, RzPanelGhs, RzPanel_Ghs2, [this] { btnGhsAddClick(); }, [this] { btnGhsModiClick(); }))
        return;
    EntryPagesKey(key,
        { cxPage, lineRights_, [this] { btnSearch2Click(); }, [this] { btnSearch3Click(); },
            [this] { btnAddOldClick(); }, [this] { btnAddNewClick(); }, [this] { btnOKClick(); },
            [this] { close(); } });
}

void TF_Cgd::keyPressEvent(QKeyEvent* e)
{
    if (!DocWindowKey(e, [this](int key) { FormKeyDown(key); }))
        Form::keyPressEvent(e);
}

void TF_Cgd::FormResize()
{
    const int h = height();
    RzPanel_Tm->Place(h, cxTab1->height());
    const int panelHeight = h > 650 ? (h - 260) / 2 : 245;
    RzPanel_Shsp->setFixedHeight(panelHeight);
    cxGrid3View->setFixedHeight(std::max(0, panelHeight - 36));
    cxGrid32View->setFixedHeight(std::max(0, panelHeight - 36));
}

void TF_Cgd::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    FormResize();
}
