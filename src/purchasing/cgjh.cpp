#include "purchasing/cgjh.h"

#include "documents/entrytab.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
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
#include "posting/draftrepair.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "purchasing/linedialogs.h"
#include "purchasing/scanline.h"

#include <QAction>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Cgjh* F_Cgjh = nullptr;

namespace {

const QString kJh = QStringLiteral("jh");

// The entry grid's columns: field, caption, width.
const char* const kEntryColumns[][3] = { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" },
    { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" },
    { "cm_name", "尺码", "50" }, { "jh_dj", "单价", "64" }, { "jh_tax", "税率", "48" },
    { "jh_taxdj", "含税单价", "64" }, { "jh_dzl", "折扣", "48" }, { "dj", "折后价", "64" }, { "t_sl", "数量", "56" },
    { "je", "金额", "72" }, { "jh_je", "金额", "72" }, { "taxje", "税额", "64" }, { "jh_taxje", "税额", "64" },
    { "zje", "总金额", "80" }, { "gl_djh2", "订单编号", "110" }, { "jh_bz", "备注", "120" } };

double EditNumber(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

} // namespace

TF_Cgjh::TF_Cgjh(QWidget* parent)
    : Form(parent), doc(GoodsInKind()), Q_Jhsp(F_DataModule->Q(QStringLiteral("Q_Jhsp"))),
      Q_Shdj(F_DataModule->Q(QStringLiteral("Q_Shdj"))), Q_Shsp(F_DataModule->Q(QStringLiteral("Q_Shsp"))),
      Q_PdStep2(F_DataModule->Q(QStringLiteral("Q_PdStep2"))), Q_GhsDJ(F_DataModule->Q(QStringLiteral("Q_GhsDJ"))),
      Q_Jhsp2(F_DataModule->Q(QStringLiteral("Q_Jhsp2"))), Q_GoodsHZ(F_DataModule->Q(QStringLiteral("Q_GoodsHZ"))),
      Q_GoodsList(F_DataModule->Q(QStringLiteral("Q_GoodsList"))), Q_Sppc(F_DataModule->Q(QStringLiteral("Q_Sppc"))),
      Q_GoodsPrin(F_DataModule->Q_GoodsPrin), frxReport1(std::make_unique<Report>())
{
    setObjectName(QStringLiteral("TF_Cgjh"));
    setWindowTitle(QStringLiteral("采购进货"));
    resize(1024, 680);
    const DocPages pages = NewDocPages(this, "采购进货", "待审核采购单", "采购进货查询");
    cxPage = pages.page;
    cxTab1 = pages.entry;
    cxTab2 = pages.pending;
    cxTab3 = pages.query;
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });
    PickerCallers::RegisterHandlerCombo(kJh, comUser);
    doc.SetHost(EntryDocHost(this));
    PickerCallers::RegisterRemarkEdit(kJh, tnote);
}

TF_Cgjh::~TF_Cgjh()
{
    if (F_Cgjh == this)
        F_Cgjh = nullptr;
}

void TF_Cgjh::BuildEntryTab()
{
    auto* box = new QVBoxLayout(cxTab1);
    auto* head = new QGridLayout;
    box->addLayout(head);

    head->addWidget(NamedLabel(cxTab1, "单号"), 0, 0);
    jsn = NewDocNumberLabel(cxTab1, "jsn");
    head->addWidget(jsn, 0, 1);
    head->addWidget(NamedLabel(cxTab1, "供货商："), 0, 2);
    tghs = NamedEdit(cxTab1, "tghs", 32);
    btnSeleGhs = NamedButton(cxTab1, "btnSeleGhs", "…");
    head->addLayout(FieldWithButton(tghs, btnSeleGhs), 0, 3);
    head->addWidget(NamedLabel(cxTab1, "仓库："), 0, 4);
    comCk = new KeyedCombo(cxTab1);
    comCk->setObjectName(QStringLiteral("comCk"));
    head->addWidget(comCk, 0, 5);
    head->addWidget(NamedLabel(cxTab1, "进货日期："), 0, 6);
    dateCg = NewDocDateEdit(cxTab1, "dateCg");
    head->addWidget(dateCg, 0, 7);

    head->addWidget(NamedLabel(cxTab1, "经办人："), 1, 0);
    comUser = new KeyedCombo(cxTab1);
    comUser->setObjectName(QStringLiteral("comUser"));
    btnUser = NamedButton(cxTab1, "btnUser", "…");
    btnUser->hide();
    head->addLayout(FieldWithButton(comUser, btnUser), 1, 1);
    head->addWidget(NamedLabel(cxTab1, "结算方式："), 1, 2);
    comJsfs = new KeyedCombo(cxTab1);
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    head->addWidget(comJsfs, 1, 3);
    head->addWidget(NamedLabel(cxTab1, "应付金额："), 1, 4);
    tyfje = NamedEdit(cxTab1, "tyfje", 32767);
    tyfje->setReadOnly(true);
    head->addWidget(tyfje, 1, 5);
    head->addWidget(NamedLabel(cxTab1, "实付金额："), 1, 6);
    tsfje = NamedEdit(cxTab1, "tsfje", 32767);
    head->addWidget(tsfje, 1, 7);

    lsn2 = NamedLabel(cxTab1, "原始单号：", "lsn2");
    head->addWidget(lsn2, 2, 0);
    tsn2 = NamedEdit(cxTab1, "tsn2", 16);
    head->addWidget(tsn2, 2, 1);
    lfpno = NamedLabel(cxTab1, "发票号：", "lfpno");
    head->addWidget(lfpno, 2, 2);
    auto* fpRow = new QHBoxLayout;
    tfpno = NamedEdit(cxTab1, "tfpno", 32);
    tfpje = NamedEdit(cxTab1, "tfpje", 32767);
    fpRow->addWidget(tfpno, 2);
    fpRow->addWidget(tfpje, 1);
    head->addLayout(fpRow, 2, 3);
    lyf = NamedLabel(cxTab1, "运费：", "lyf");
    head->addWidget(lyf, 2, 4);
    tyf = NamedEdit(cxTab1, "tyf", 32767);
    head->addWidget(tyf, 2, 5);
    lbzf = NamedLabel(cxTab1, "包装费：", "lbzf");
    head->addWidget(lbzf, 2, 6);
    tbzf = NamedEdit(cxTab1, "tbzf", 32767);
    head->addWidget(tbzf, 2, 7);

    head->addWidget(NamedLabel(cxTab1, "备注："), 3, 0);
    tnote = NamedEdit(cxTab1, "tnote", 200);
    btnDjbz = NamedButton(cxTab1, "btnDjbz", "…");
    btnDjbz->hide();
    head->addLayout(FieldWithButton(tnote, btnDjbz), 3, 1, 1, 7);

    RzPanel_Yhzh = NewAccountPanel(cxTab1, "同时选择付款账户：", comYhzh, btnYhzhClose);
    box->addWidget(RzPanel_Yhzh);

    RzGroupBox_Btns = NewEntryButtonGroup(
        cxTab1,
        { { &btnAddOld, "btnAddOld", "老商品添加(F2)" }, { &btnAddNew, "btnAddNew", "新商品添加(F9)" },
            { &btnModi, "btnModi", "修改" }, { &btnDel, "btnDel", "删除" } },
        btnPrin, btnPrin_W, btnPrin_X, [this] { btnPrin_WClick(); }, [this] { btnPrin_XClick(); });
    auto* actions = new QHBoxLayout;
    actions->addWidget(RzGroupBox_Btns, 1);
    btnCgdImport = NamedButton(cxTab1, "btnCgdImport", "导入订单");
    btnImportMenu = NamedButton(cxTab1, "btnImportMenu", "导入、导出");
    btnImportMenu->setToolTip(QStringLiteral("模板中标题为红色的列,要求必须输入！"));
    importMenu = new QMenu(btnImportMenu);
    btnImport = importMenu->addAction(QStringLiteral("从Excel导入采购进货单(&E)"), this, &TF_Cgjh::btnImportClick);
    btnExport = importMenu->addAction(QStringLiteral("导出采购进货单到Excel(&X)"), this, &TF_Cgjh::btnExportClick);
    btnImportMenu->setMenu(importMenu);
    btnOK = NamedButton(cxTab1, "btnOK", "保存(F5)");
    actions->addWidget(btnCgdImport);
    actions->addWidget(btnImportMenu);
    actions->addWidget(btnOK);
    box->addLayout(actions);

    cxGridView = new DataGrid(cxTab1);
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->SetDataSource(&F_DataModule->D(QStringLiteral("D_Jhsp")));
    for (const auto& c : kEntryColumns)
        cxGridView->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    cxGridView->SetFooterVisible(true);
    for (const char* f : { "t_sl", "je", "jh_je", "taxje", "jh_taxje", "zje" })
        cxGridView->SetFooterSum(cxGridView->ColumnByField(QLatin1String(f)));
    box->addWidget(cxGridView, 1);

    // The floating barcode panel, placed by FormResize.
    RzPanel_Tm = new BarcodePanel(cxTab1);
    tSptm = RzPanel_Tm->tSptm;
    btnPanelAdd = RzPanel_Tm->btnPanelAdd;
    barPopupMenu = NewEntryGridMenu(this, cxGridView, RzPanel_Tm,
        { QStringLiteral("新增商品(&V)"), QStringLiteral("打印单据(&Y)"), QStringLiteral("预览单据(&Z)"),
            [this] { btnAddOldClick(); }, [this] { btnModiClick(); }, [this] { btnDelClick(); }, {}, {},
            [this] { return EntryHasRows(); } });

    RzPanelGhs = NewSupplierChooser(cxTab1, tghs);

    connect(btnSeleGhs, &QPushButton::clicked, this, &TF_Cgjh::btnSeleGhsClick);
    connect(tghs, &QLineEdit::textEdited, this, &TF_Cgjh::tghsKeyUp);
    connect(RzPanelGhs->btnGhsAdd, &QPushButton::clicked, this, &TF_Cgjh::btnGhsAddClick);
    connect(RzPanelGhs->btnGhsModi, &QPushButton::clicked, this, &TF_Cgjh::btnGhsModiClick);
    connect(dateCg, &QDateEdit::dateChanged, this, &TF_Cgjh::dateCgChange);
    connect(tSptm, &QLineEdit::returnPressed, this, &TF_Cgjh::tSptmKeyDown);
    connect(btnDel, &QPushButton::clicked, this, &TF_Cgjh::btnDelClick);
    connect(btnAddOld, &QPushButton::clicked, this, &TF_Cgjh::btnAddOldClick);
    connect(btnAddNew, &QPushButton::clicked, this, &TF_Cgjh::btnAddNewClick);
    connect(btnCgdImport, &QPushButton::clicked, this, &TF_Cgjh::btnCgdImportClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Cgjh::btnModiClick);
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnUser, &QPushButton::clicked, this, &TF_Cgjh::btnUserClick);
    connect(btnDjbz, &QPushButton::clicked, this, &TF_Cgjh::btnDjbzClick);
    connect(btnYhzhClose, &QPushButton::clicked, this, &TF_Cgjh::btnYhzhCloseClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Cgjh::btnOKClick);
    for (QLineEdit* e : { tghs, RzPanelGhs->tkey, tnote, tsn2, tfpno })
        DiscardSearchPunctuation(e);
    // Entering a field shows or hides the side buttons and the account panel.
    for (QWidget* w :
        std::initializer_list<QWidget*> { tsfje, tghs, comCk, comUser, comJsfs, tnote, cxGridView, btnSeleGhs })
        w->installEventFilter(this);
}

bool TF_Cgjh::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        if (watched == tsfje)
            tsfjeEnter();
        else
            RzPanel_Yhzh->hide();
        btnUser->setVisible(watched == comUser || watched == comJsfs);
        btnDjbz->setVisible(watched == tnote);
    }
    return Form::eventFilter(watched, e);
}

void TF_Cgjh::FormActivate()
{
    if (BatchPrinting == QLatin1String("1"))
        return;
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    btnOK->setEnabled(true);
    if (IsTrue(UseOriginalDocNo)) {
        lsn2->show();
        tsn2->show();
    } else {
        lsn2->hide();
        tsn2->hide();
    }
    btnCgdImport->setVisible(IsTrue(UsePurchaseOrders));
    ActiveDocKind = QStringLiteral("cgjh");
    SelectedLineId.clear();
    WholeReturnDocNo.clear();
    SourceDocNo.clear();
    ResultText.clear();
    tsfje->setText(QStringLiteral("0"));
    rDjb0->setChecked(true);
    cxPage->setCurrentWidget(cxTab1);
    SetDocDate(Clock::Today());
    LastDocDate = DocDate();

    FillEntryCombos(*comUser, QStringLiteral("u_cg"), *comCk, *comYhzh);
    FillSettleModes(*comJsfs, QStringLiteral("cg"));
    OpenSupplierList(QString::number(RzPanelGhs->comSx->currentIndex()));

    initTab();
    ApplyRightsAndVisibility();
}

void TF_Cgjh::ApplyRightsAndVisibility()
{
    const QString cg = QStringLiteral("cggl");
    lineRights_ = HasRight(cg, 1);
    ApplyEntryLineRights(lineRights_, RzGroupBox_Btns, barPopupMenu, RzPanel_Tm);
    btnAddNew->setVisible(lineRights_ && HasRight(cg, 17));
    const bool ghsRights = HasRight(QStringLiteral("qtcz"), 2);
    RzPanelGhs->btnGhsAdd->setVisible(ghsRights);
    RzPanelGhs->btnGhsModi->setVisible(ghsRights);
    btn_Check->setEnabled(HasRight(cg, 2));
    btnRChk->setEnabled(HasRight(cg, 2));
    btn_Dele->setEnabled(HasRight(cg, 16));
    btnRDel2->setEnabled(HasRight(cg, 16));
    btnAdd->setEnabled(HasRight(cg, 15));
    btn_Date->setEnabled(CanChangeDocDate);
    btnRDate->setEnabled(CanChangeDocDate);
    ApplyQueryRights();
    barPopupMenu.btnPrinSub->setEnabled(!IsTrue(NoPrintBeforeSave));

    // Columns by settings and the cost-price right.
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("cj"));
    const bool discount = IsTrue(UseDiscount) && ShowCostPrice;
    ShowGridColumns(cxGridView, { "jh_dj" }, ShowCostPrice);
    ShowGridColumns(cxGridView, { "zje" }, ShowCostPrice);
    ShowGridColumns(cxGridView, { "jh_tax", "jh_taxdj", "jh_je", "je", "jh_taxje", "taxje" }, tax);
    ShowGridColumns(cxGridView, { "jh_dzl" }, discount);
    ShowGridColumns(cxGridView, { "dj" }, discount);
    ShowGridColumns(cxGridView, { "gl_djh2" }, IsTrue(UsePurchaseOrders));
    tyfje->setVisible(ShowCostPrice);
    tsfje->setVisible(ShowCostPrice);
    const bool freight = IsTrue(UseFreightFees);
    for (QWidget* w : std::initializer_list<QWidget*> { tyf, tbzf, lyf, lbzf })
        w->setVisible(freight);
    const bool invoices = IsTrue(UseInvoices);
    for (QWidget* w : std::initializer_list<QWidget*> { tfpno, tfpje, lfpno })
        w->setVisible(invoices);
    ShowGridColumns(cxGrid2View, { "j_yfje", "j_sfje", "wfje", "j_yhje" }, ShowCostPrice);
    ShowGridColumns(cxGrid3View, { "jh_dj", "dj", "jh_je", "jh_zje" }, ShowCostPrice);
    ShowGridColumns(cxGrid3View, { "jh_tax", "jh_taxdj", "jh_taxje" }, tax);
    ShowGridColumns(cxGrid3View, { "jh_dzl" }, discount);
    ShowGridColumns(cxGrid3View, { "gl_djh2" }, IsTrue(UsePurchaseOrders));
    ShowGridColumns(cxGrid2View, { "j_yf" }, freight);
    ShowGridColumns(cxGrid2View, { "j_bzf" }, freight);
    ShowGridColumns(cxGrid2View, { "gl_djh2" }, IsTrue(UseOriginalDocNo));
    ShowGridColumns(cxGridSpMx0View, { "jh_taxdj" }, ShowCostPrice);
    ShowGridColumns(cxGridSpMx0View, { "zje" }, ShowCostPrice);

    SetLineGridFormats(*cxGridView, { "jh_dj", "jh_taxdj", "dj", "je", "jh_je", "taxje", "jh_taxje", "zje" }, "t_sl");
}

void TF_Cgjh::SetDocDate(const QDate& date)
{
    SetDocDateQuietly(dateCg, date);
}

QString TF_Cgjh::DocDate() const
{
    return DocDateText(dateCg);
}

void TF_Cgjh::initTab()
{
    btnOK->setEnabled(true);
    tsn2->clear();
    ActiveDocKind = QStringLiteral("cgjh");
    SelectedLineId.clear();
    cxPage->setCurrentWidget(cxTab1);
    ShowLineButtons(false);
    ResetPurchaseEntry(doc.Kind(), { tghs, tyfje, tsfje, tnote, RzPanelGhs, RzPanel_Ghs2, dateCg, jsn });
    tfpno->clear();
    for (QLineEdit* e : { tfpje, tyf, tbzf })
        e->setText(QStringLiteral("0"));
    rDjb0->setChecked(true);
    tgname->clear();
    tgname->hide();
    lgname->hide();
    contractSn.clear();
    AuxTag.clear();
    OpenMode.clear();
    LastDocDate = DocDate();
    openGridViewData(jsn->text());
    if (EntryHasRows()) {
        ShowLineButtons(true);
        updateBottomJe();
    }
    comJsfs->setCurrentIndex(DefaultSettleMode.toInt() == 1 && comJsfs->count() > 1 ? 1 : 0);
    ChooseDefaultWarehouse(*comCk, *comYhzh);
    comCk->setEnabled(true);
}

void TF_Cgjh::ShowLineButtons(bool on)
{
    btnModi->setVisible(on);
    btnDel->setVisible(on);
    btnPrin->setVisible(on && !IsTrue(NoPrintBeforeSave));
}

bool TF_Cgjh::EntryHasRows() const
{
    return Q_Jhsp.Active() && Q_Jhsp.RecordCount() > 0;
}

void TF_Cgjh::openGridViewData(const QString& number)
{
    OpenDraftLines(Q_Jhsp, doc.Kind(), number);
}

void TF_Cgjh::updateBottomJe()
{
    const double payable = DraftPayable(doc.Kind(), jsn->text());
    tyfje->setText(NumberText(payable));
    if (PurchasePayDefault == QLatin1String("0"))
        tsfje->setText(tyfje->text());
}

void TF_Cgjh::dateCgChange()
{
    if (EntryDateChanged(doc, dateCg, jsn, LastDocDate))
        openGridViewData(jsn->text());
}

void TF_Cgjh::tSptmKeyDown()
{
    if (!ScanIntoDraft(doc.Kind(), tSptm, jsn, DocDate(), btnPanelAdd->isChecked()))
        return;
    openGridViewData(jsn->text());
    Q_Jhsp.Last();
    ShowLineButtons(true);
    updateBottomJe();
}

void TF_Cgjh::btnDelClick()
{
    if (!DeleteDraftRow(doc.Kind(), Q_Jhsp))
        return;
    openGridViewData(jsn->text());
    if (!EntryHasRows())
        ShowLineButtons(false);
    updateBottomJe();
}

void TF_Cgjh::btnUserClick()
{
    OpenPickerFor(kJh, QStringLiteral("TF_User2"));
}

void TF_Cgjh::btnDjbzClick()
{
    PickerCaller = kJh;
    FunctionWindows::Open(QStringLiteral("TF_Djbz"), FunctionWindows::Lifetime::Freed);
}

void TF_Cgjh::btnSeleGhsClick()
{
    RzPanel_Yhzh->hide();
    RzPanelGhs->ShowFiltered(QString());
}

void TF_Cgjh::tghsKeyUp()
{
    RzPanelGhs->ShowFiltered(tghs->text().trimmed());
}

void TF_Cgjh::btnGhsAddClick()
{
    if (RzPanelGhs->btnGhsAdd->isHidden())
        return;
    FunctionWindows::Open(QStringLiteral("TF_Ghsgl_Add"), FunctionWindows::Lifetime::Freed);
    RzPanelGhs->comSx->setCurrentIndex(1);
    OpenSupplierList(QStringLiteral("1"));
}

void TF_Cgjh::btnGhsModiClick()
{
    if (RzPanelGhs->btnGhsModi->isHidden() || RzPanelGhs->cxGridGhsView->RowCount() == 0)
        return;
    FunctionWindows::Open(QStringLiteral("TF_Ghsgl_Modi"), FunctionWindows::Lifetime::Freed);
    OpenSupplierList(QString::number(RzPanelGhs->comSx->currentIndex()));
}

void TF_Cgjh::tsfjeEnter()
{
    if (AccountPanelOffered())
        RzPanel_Yhzh->show();
}

void TF_Cgjh::btnYhzhCloseClick()
{
    RzPanel_Yhzh->hide();
}

bool TF_Cgjh::FormCloseQuery()
{
    return doc.CloseQuery(EntryHasRows(), jsn->text(), [this] { btnOKClick(); });
}

void TF_Cgjh::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Jhsp, &Q_Shdj, &Q_Shsp, &Q_PdStep2, &F_DataModule->Q(QStringLiteral("Q_Ghsxx")) })
        q->Close();
    F_DataModule->Q_GoodsPrin.Close();
    // A contract attached to a document that was never saved goes with it.
    if (!contractSn.isEmpty()) {
        DeleteContract(contractSn);
        contractSn.clear();
    }
    Form::hideEvent(e);
}

void TF_Cgjh::FormKeyDown(int key)
{
    if (SupplierPanelsKey(
            key, RzPanelGhs, RzPanel_Ghs2, [this] { btnGhsAddClick(); }, [this] { btnGhsModiClick(); }))
        return;
    EntryPagesKey(key,
        { cxPage, lineRights_, [this] { btnSearch2Click(); }, {}, [this] { btnAddOldClick(); },
            [this] { btnAddNewClick(); }, [this] { btnOKClick(); }, [this] { close(); } });
}

void TF_Cgjh::keyPressEvent(QKeyEvent* e)
{
    if (!DocWindowKey(e, [this](int key) { FormKeyDown(key); }))
        Form::keyPressEvent(e);
}

void TF_Cgjh::FormResize()
{
    const int h = height();
    int panelHeight = 245;
    RzPanel_Tm->Place(h, cxTab1->height());
    if (h > 650)
        panelHeight = (h - 260) / 2;
    RzPanel_Shsp->setFixedHeight(panelHeight);
    cxGrid3View->setFixedHeight(std::max(0, panelHeight - 36));
}

void TF_Cgjh::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    FormResize();
}

void TF_Cgjh::btnAddNewClick()
{
    if (btnAddNew->isHidden())
        return;
    AddNewGoodsLine(QStringLiteral("TF_Cgjh_Sele"));
    if (EntryHasRows())
        ShowLineButtons(true);
    updateBottomJe();
}

void TF_Cgjh::btnModiClick()
{
    ModifyDraftLine(Q_Jhsp, QStringLiteral("cgjh"), QStringLiteral("TF_Cgjh_Sele"));
    updateBottomJe();
}

void TF_Cgjh::btnAddOldClick()
{
    FunctionWindows::Open(QStringLiteral("TF_Cgjh_Add"), FunctionWindows::Lifetime::Kept);
    if (EntryHasRows())
        ShowLineButtons(true);
    updateBottomJe();
}

void TF_Cgjh::btnCgdImportClick()
{
    if (btnCgdImport->isHidden())
        return;
    SourceDocNo.clear();
    FunctionWindows::Open(QStringLiteral("TF_Cgjh_ImportDD"), FunctionWindows::Lifetime::Freed);
    SourceDocNo.clear();
    WholeReturnDocNo.clear();
    openGridViewData(jsn->text());
    if (EntryHasRows())
        ShowLineButtons(true);
    updateBottomJe();
}
