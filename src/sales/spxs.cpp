#include "sales/spxs.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickerscallers.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/draftrepair.h"
#include "posting/postingdb.h"
#include "sales/salesdraft.h"
#include "sales/salesparts.h"
#include "sales/spxstakeover.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Spxs* F_Spxs = nullptr;

namespace {

const QString kXs = QStringLiteral("xs");

// The entry grid's columns: field, caption, width.
const char* const kSalesEntryColumns[][3] = { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" },
    { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" },
    { "cm_name", "尺码", "50" }, { "ls_lsj", "零售价", "64" }, { "ls_dj", "单价", "64" }, { "ls_tax", "税率", "48" },
    { "ls_taxdj", "含税单价", "64" }, { "ls_dzl", "折扣", "48" }, { "sj", "折后价", "64" }, { "t_sl", "数量", "56" },
    { "je", "金额", "72" }, { "taxje", "税额", "64" }, { "zje", "总金额", "80" }, { "gl_djh2", "订单编号", "110" },
    { "ls_bz", "备注", "120" } };

void ShowColumn(DataGrid* g, const char* field, bool on)
{
    const int col = g->ColumnByField(QLatin1String(field));
    if (col >= 0)
        g->SetColumnVisible(col, on);
}

} // namespace

TF_Spxs::TF_Spxs(QWidget* parent)
    : Form(parent), doc(SalesDeliveryKind()), Q_Lsxssp(F_DataModule->Q(QStringLiteral("Q_Lsxssp"))),
      Q_Shdj(F_DataModule->Q(QStringLiteral("Q_Shdj"))), Q_Shsp(F_DataModule->Q(QStringLiteral("Q_Shsp"))),
      Q_Shspmx(F_DataModule->Q(QStringLiteral("Q_Shspmx"))), Q_KhDj(F_DataModule->Q(QStringLiteral("Q_KhDj"))),
      Q_Xssp3(F_DataModule->Q(QStringLiteral("Q_Xssp3"))), Q_GXsHZ(F_DataModule->Q(QStringLiteral("Q_GXsHZ"))),
      Q_GXsList(F_DataModule->Q(QStringLiteral("Q_GXsList"))), Q_GList2(F_DataModule->Q(QStringLiteral("Q_GList2"))),
      Q_Sppc(F_DataModule->Q(QStringLiteral("Q_Sppc")))
{
    setObjectName(QStringLiteral("TF_Spxs"));
    setWindowTitle(QStringLiteral("商品销售"));
    resize(1024, 680);
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    auto* box = new QVBoxLayout(this);
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));
    cxTab1 = new QWidget;
    cxTab1->setObjectName(QStringLiteral("cxTab1"));
    // The pending and query tabs are filled by their own parts of the window.
    cxTab2 = new QWidget;
    cxTab2->setObjectName(QStringLiteral("cxTab2"));
    cxTab3 = new QWidget;
    cxTab3->setObjectName(QStringLiteral("cxTab3"));
    cxPage->addTab(cxTab1, QStringLiteral("商品销售"));
    cxPage->addTab(cxTab2, QStringLiteral("待审核销售单"));
    cxPage->addTab(cxTab3, QStringLiteral("商品销售查询"));
    box->addWidget(cxPage);
    frxReport1 = new Report(this);
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    PickerCallers::RegisterHandlerCombo(kXs, comUser);
    PickerCallers::RegisterRemarkEdit(kXs, tnote);
    DocHost host { [this] { return DocNumber(); }, [this](const QString& n) { gldjh->setText(n); },
        [this] { return DocDate(); },
        [this] { return comCk->currentIndex() >= 0 ? comCk->Code(comCk->currentIndex()) : QString(); },
        [this] {
            openGridViewData(DocNumber());
            updateBottomJe();
        },
        [this] {
            if (Q_Shsp.Active())
                Q_Shsp.Requery();
            updateCheckShdjYfje();
        },
        [this] { setShspList(); } };
    host.discount = [this] { return tdzl->text().trimmed().toDouble(); };
    doc.SetHost(std::move(host));
}

TF_Spxs::~TF_Spxs()
{
    if (F_Spxs == this)
        F_Spxs = nullptr;
}

void TF_Spxs::BuildEntryTab()
{
    auto* box = new QVBoxLayout(cxTab1);
    auto* head = new QGridLayout;
    box->addLayout(head);

    BuildSalesEntryHead(
        cxTab1, head, "出货日期：", { tkh, btnSeleGhs, comCk, dateCg, gldjh, tyfje, tssje, comJsfs, comUser, btnUser });

    LSN2 = NamedLabel(cxTab1, "原始单号：", "LSN2");
    head->addWidget(LSN2, 2, 0);
    tsn2 = NamedEdit(cxTab1, "tsn2", 16);
    head->addWidget(tsn2, 2, 1);
    lyf = NamedLabel(cxTab1, "运         费：", "lyf");
    head->addWidget(lyf, 2, 2);
    tyf = NamedEdit(cxTab1, "tyf", 32767);
    head->addWidget(tyf, 2, 3);
    lbzf = NamedLabel(cxTab1, "包装 费：", "lbzf");
    head->addWidget(lbzf, 2, 4);
    tbzf = NamedEdit(cxTab1, "tbzf", 32767);
    head->addWidget(tbzf, 2, 5);
    head->addWidget(NamedLabel(cxTab1, "整单折扣："), 2, 6);
    tdzl = NamedEdit(cxTab1, "tdzl", 4);
    tdzl->setToolTip(QStringLiteral("使用整单折扣会忽略商品折扣"));
    head->addWidget(tdzl, 2, 7);

    lfpno = NamedLabel(cxTab1, "发票号：", "lfpno");
    head->addWidget(lfpno, 3, 0);
    tfpno = NamedEdit(cxTab1, "tfpno", 32);
    head->addWidget(tfpno, 3, 1);
    lfpje = NamedLabel(cxTab1, "发票金额：", "lfpje");
    head->addWidget(lfpje, 3, 2);
    tfpje = NamedEdit(cxTab1, "tfpje", 32767);
    head->addWidget(tfpje, 3, 3);
    head->addWidget(NamedLabel(cxTab1, "备         注："), 3, 4);
    auto* noteRow = new QHBoxLayout;
    tnote = NamedEdit(cxTab1, "tnote", 200);
    btnDjbz = NamedButton(cxTab1, "btnDjbz", "…");
    btnDjbz->setMaximumWidth(28);
    btnDjbz->hide();
    noteRow->addWidget(tnote, 1);
    noteRow->addWidget(btnDjbz);
    head->addLayout(noteRow, 3, 5, 1, 3);
    // Freight and packing are always paid by us; the box only records it.
    chkYf = new QCheckBox(QStringLiteral("我方付费"), cxTab1);
    chkYf->setObjectName(QStringLiteral("chkYf"));
    chkYf->setChecked(true);
    chkYf->hide();

    RzPanel_Yhzh = NewAccountPanel(cxTab1, "同时选择收款账户：", comYhzh, btnYhzhClose);
    box->addWidget(RzPanel_Yhzh);

    RzGroupBox_Btns = new QGroupBox(cxTab1);
    RzGroupBox_Btns->setObjectName(QStringLiteral("RzGroupBox_Btns"));
    auto* bar = new QHBoxLayout(RzGroupBox_Btns);
    btnAddOld = NamedButton(RzGroupBox_Btns, "btnAddOld", "商品添加(F2)", bar);
    btnZpAdd = NamedButton(RzGroupBox_Btns, "btnZpAdd", "添加赠品", bar);
    btnAddNew = NamedButton(RzGroupBox_Btns, "btnAddNew", "新商品添加", bar);
    btnCgdImport = NamedButton(RzGroupBox_Btns, "btnCgdImport", "导入订单", bar);
    btnInOut = NewSalesInOutButton(
        RzGroupBox_Btns, bar, btnImport, btnExport, [this] { btnImportClick(); }, [this] { btnExportClick(); });
    btnModi = NamedButton(RzGroupBox_Btns, "btnModi", "修改", bar);
    btnDel = NamedButton(RzGroupBox_Btns, "btnDel", "删除", bar);
    btnPrin = NamedButton(RzGroupBox_Btns, "btnPrin", "打印", bar);
    btnPrinMenu = new QMenu(this);
    btnPrin_W = btnPrinMenu->addAction(QStringLiteral("打印单据(&W)"), this, &TF_Spxs::btnPrin_WClick);
    btnPrin_X = btnPrinMenu->addAction(QStringLiteral("预览单据(&X)"), this, &TF_Spxs::btnPrin_XClick);
    btnPrin->setMenu(btnPrinMenu);
    bar->addStretch(1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(RzGroupBox_Btns, 1);
    btnOK = NamedButton(cxTab1, "btnOK", "保存(F5)", actions);
    btnCancel = NamedButton(cxTab1, "btnCancel", "退出(Esc)", actions);
    box->addLayout(actions);

    cxGridView = new DataGrid(cxTab1);
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->SetDataSource(&F_DataModule->D(QStringLiteral("D_Lsxssp")));
    for (const auto& c : kSalesEntryColumns)
        cxGridView->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    cxGridView->SetFooterVisible(true);
    for (const char* f : { "t_sl", "je", "taxje", "zje" })
        cxGridView->SetFooterSum(cxGridView->ColumnByField(QLatin1String(f)));
    box->addWidget(cxGridView, 1);

    // The floating barcode panel, placed by FormResize.
    RzPanel_Tm = new BarcodePanel(cxTab1);
    tSptm = RzPanel_Tm->tSptm;
    btnPanelAdd = RzPanel_Tm->btnPanelAdd;
    btnPanelModi = RzPanel_Tm->btnPanelModi;
    barPopupMenu = NewEntryGridMenu(this, cxGridView, RzPanel_Tm,
        { QStringLiteral("增加商品(&V)"), QStringLiteral("打印单据(&X)"), QStringLiteral("预览单据(&Z)"),
            [this] { btnAddOldClick(); }, [this] { btnModiClick(); }, [this] { btnDelClick(); },
            [this] { btnPrin_WClick(); }, [this] { btnPrin_XClick(); }, [this] { return EntryHasRows(); } });

    RzPanelKh = new PartnerChooser(cxTab1, CustomerSide());
    RzPanelKh->setGeometry(80, 40, 700, 300);
    btnKhAdd = RzPanelKh->btnAdd;
    btnKhModi = RzPanelKh->btnModi;
    RzPanelKh->chosen = [this](const QString& sn, const QString& name) {
        if (sn.isEmpty())
            return;
        tkh->setText(name);
        CurrentCustomerSn = sn;
        if (BindSalesmanCustomer == QLatin1String("1"))
            FillSalesmanCombo(*comUser, QStringLiteral("u_name"), QStringLiteral("u_sn"));
    };

    connect(btnSeleGhs, &QPushButton::clicked, this, &TF_Spxs::btnSeleGhsClick);
    connect(tkh, &QLineEdit::textEdited, this, &TF_Spxs::tkhKeyUp);
    connect(btnKhAdd, &QPushButton::clicked, this, &TF_Spxs::btnKhAddClick);
    connect(btnKhModi, &QPushButton::clicked, this, &TF_Spxs::btnKhModiClick);
    connect(dateCg, &QDateTimeEdit::dateTimeChanged, this, &TF_Spxs::dateCgChange);
    connect(tSptm, &QLineEdit::returnPressed, this, &TF_Spxs::tSptmKeyDown);
    connect(tdzl, &QLineEdit::textEdited, this, &TF_Spxs::tdzlKeyUp);
    connect(btnAddOld, &QPushButton::clicked, this, &TF_Spxs::btnAddOldClick);
    connect(btnZpAdd, &QPushButton::clicked, this, &TF_Spxs::btnZpAddClick);
    connect(btnAddNew, &QPushButton::clicked, this, &TF_Spxs::btnAddNewClick);
    connect(btnCgdImport, &QPushButton::clicked, this, &TF_Spxs::btnCgdImportClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Spxs::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Spxs::btnDelClick);
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnUser, &QPushButton::clicked, this, &TF_Spxs::btnUserClick);
    connect(btnDjbz, &QPushButton::clicked, this, &TF_Spxs::btnDjbzClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Spxs::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, [this] { close(); });
    for (QLineEdit* e : { tkh, RzPanelKh->tkey, tnote, tsn2, tfpno })
        DiscardSearchPunctuation(e);
    // Entering a field shows or hides the side buttons and the account panel.
    for (QWidget* w : std::initializer_list<QWidget*> {
             tyfje, tssje, tkh, comCk, comUser, comJsfs, dateCg, tnote, cxGridView, btnSeleGhs })
        w->installEventFilter(this);
}

bool TF_Spxs::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        if (watched == tssje || watched == tyfje)
            tssjeEnter();
        else
            RzPanel_Yhzh->hide();
        btnUser->setVisible(watched == comUser || watched == comJsfs);
        btnDjbz->setVisible(watched == tnote);
    }
    return Form::eventFilter(watched, e);
}

QString TF_Spxs::DocNumber() const
{
    return gldjh->text();
}

QString TF_Spxs::DocDate() const
{
    return dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
}

void TF_Spxs::SetDocDate(const QDateTime& when)
{
    const QSignalBlocker quiet(dateCg);
    dateCg->setDateTime(when);
}

void TF_Spxs::FormActivate()
{
    if (ContinuousPrinting == QLatin1String("1"))
        return;
    btnOK->setEnabled(true);
    if (SkipNextActivation == QLatin1String("1")) {
        SkipNextActivation = QStringLiteral("0");
        return;
    }
    ActiveDocKind = QStringLiteral("spxs");
    SetPeriod(tdate11, tdate12, CurrentMonth(Clock::Today()));
    tsn2->clear();
    const bool originalNo = IsTrue(UseOriginalDocNo);
    LSN2->setVisible(originalNo);
    tsn2->setVisible(originalNo);
    btnCgdImport->setVisible(IsTrue(UseSalesOrders));
    dateCg->setDisplayFormat(
        IsTrue(PrintDocTime) ? QStringLiteral("yyyy-MM-dd HH:mm:ss") : QStringLiteral("yyyy-MM-dd"));
    SetDocDate(Clock::Now());
    CurrentCustomerSn = DefaultCustomerSn();

    if (BindSalesmanCustomer == QLatin1String("1")) {
        FillSalesmanCombo(*comUser, QStringLiteral("u_name"), QStringLiteral("u_sn"));
    } else {
        FillStaffCombo(*comUser, QStringLiteral("u_xs"));
        if (comUser->count() > 0)
            comUser->setCurrentIndex(0);
    }
    FillSettleModes(*comJsfs, kXs);
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        FillComboWhere(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"),
            QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'"));
    else
        FillCombo(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"));
    FillCombo(
        *comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    OpenCustomerList(QString::number(RzPanelKh->comSx->currentIndex()));
    barPopupMenu.btnPrinSub->setEnabled(!IsTrue(NoPrintBeforeSave));

    initTab();
    // A goods-in document handed over by the purchase window; consumed whatever its
    // header yields, so it is never taken over twice.
    const QString goodsIn = ResultText;
    ResultText.clear();
    if (!goodsIn.isEmpty())
        TakeOverGoodsInDoc(goodsIn);
    ApplyRightsAndVisibility();
}

void TF_Spxs::TakeOverGoodsInDoc(const QString& goodsInNo)
{
    cxPage->setCurrentWidget(cxTab1);
    const QString number = NextDocNo(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"),
        dateCg->date().toString(QStringLiteral("yyyy-MM-dd")));
    gldjh->setText(number);
    const double total = TakeOverGoodsInToSale(goodsInNo, number);
    const GoodsInHeader h = ReadGoodsInHeader(goodsInNo);
    if (!h.found)
        return;
    tyfje->setText(NumberText(total));
    tssje->setText(tyfje->text());
    tnote->setText(h.note);
    comCk->setCurrentIndex(comCk->findText(h.warehouse));
    comUser->setCurrentIndex(comUser->findText(h.handler));
    btnModi->setVisible(true);
    btnDel->setVisible(true);
    btnSeleGhs->setVisible(true);
    btnPrin->setVisible(!IsTrue(NoPrintBeforeSave));
    comCk->setEnabled(false);
    openGridViewData(number);
}

void TF_Spxs::ApplyRightsAndVisibility()
{
    const QString xs = QStringLiteral("xsgl");
    lineRights_ = HasRight(xs, 1);
    RzGroupBox_Btns->setEnabled(lineRights_);
    barPopupMenu.btnRAdd->setEnabled(lineRights_);
    barPopupMenu.btnRTm->setEnabled(lineRights_);
    const bool khRights = HasRight(QStringLiteral("qtcz"), 3);
    btnKhAdd->setVisible(khRights);
    btnKhModi->setVisible(khRights);
    btnAddNew->setVisible(HasRight(QStringLiteral("qtcz"), 1));
    // The gift browser comes with the gift-line work; until it is there the button waits.
    btnZpAdd->setEnabled(FunctionWindows::Available(QStringLiteral("TF_Spxs_Add2")));

    const bool tax = IsTrueFor(UseTaxPrice, kXs);
    ShowColumn(cxGridView, "ls_dj", ShowSalePrice);
    ShowColumn(cxGridView, "zje", ShowSalePrice);
    for (const char* f : { "ls_tax", "ls_taxdj", "je", "taxje" })
        ShowColumn(cxGridView, f, tax);
    const bool discount = IsTrue(UseDiscount) && ShowSalePrice;
    ShowColumn(cxGridView, "ls_dzl", discount);
    ShowColumn(cxGridView, "sj", discount);
    ShowColumn(cxGridView, "ls_lsj", IsTrue(UseRetailPrice));
    ShowColumn(cxGridView, "color_name", IsTrue(UseColors));
    ShowColumn(cxGridView, "gl_djh2", IsTrue(UseSalesOrders));
    tyfje->setVisible(ShowSalePrice);
    tssje->setVisible(ShowSalePrice);
    const bool freight = IsTrue(UseFreightFees);
    for (QWidget* w : std::initializer_list<QWidget*> { tyf, tbzf, lyf, lbzf })
        w->setVisible(freight);
    const bool invoices = IsTrue(UseInvoices);
    for (QWidget* w : std::initializer_list<QWidget*> { tfpno, tfpje, lfpno, lfpje })
        w->setVisible(invoices);
    chkYf->setChecked(true);
    chkYf->hide();

    for (const char* f : { "ls_lsj", "ls_dj", "ls_taxdj", "sj", "je", "taxje", "zje" }) {
        const int col = cxGridView->ColumnByField(QLatin1String(f));
        SetAmountColumnFormat(GridColumnFormat(*cxGridView, col));
        SetAmountSummaryFormat(GridFooterFormat(*cxGridView, col));
    }
    const int qty = cxGridView->ColumnByField(QStringLiteral("t_sl"));
    SetQtyColumnFormat(GridColumnFormat(*cxGridView, qty));
    SetQtySummaryFormat(GridFooterFormat(*cxGridView, qty));

    // The barcode panel and F2 follow the right of the button row.
    RzPanel_Tm->setVisible(lineRights_);
    if (lineRights_)
        tSptm->setFocus();
}

void TF_Spxs::initTab()
{
    // A save always starts the next document, whatever a print before it left.
    SkipNextActivation = QStringLiteral("0");
    btnOK->setEnabled(true);
    ActiveDocKind = QStringLiteral("spxs");
    tsn2->clear();
    tsn2->setVisible(IsTrue(UseOriginalDocNo));
    btnCgdImport->setVisible(IsTrue(UseSalesOrders));
    cxPage->setCurrentWidget(cxTab1);
    btnModi->hide();
    btnDel->hide();
    btnPrin->hide();
    btnSeleGhs->setEnabled(true);
    tkh->setEnabled(true);
    RzPanel_Yhzh->hide();
    tkh->setText(DefaultCustomerName());
    CurrentCustomerSn = DefaultCustomerSn();
    tyfje->setText(QStringLiteral("0"));
    tssje->setText(QStringLiteral("0"));
    tnote->clear();
    tfpno->clear();
    for (QLineEdit* e : { tfpje, tyf, tbzf })
        e->setText(QStringLiteral("0"));
    tdzl->setText(QStringLiteral("1"));
    RzPanelKh->hide();
    if (DocDateMode == QLatin1String("0"))
        SetDocDate(Clock::Now());
    gldjh->setText(NextDocNo(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"), DocDate()));
    AuxTag.clear();
    SelectedLineId.clear();
    contractSn.clear();
    LastDocDate = DocDate();
    OpenMode.clear();
    openGridViewData(DocNumber());
    updateBottomJe();
    comJsfs->setCurrentIndex(DefaultSettleMode.toInt() == 1 && comJsfs->count() > 1 ? 1 : 0);
    const int ck = comCk->findText(DefaultWarehouseName());
    comCk->setCurrentIndex(ck >= 0 ? ck : (comCk->count() > 0 ? 0 : -1));
    comCk->setEnabled(true);
    if (comYhzh->count() > 0)
        comYhzh->setCurrentIndex(0);
    setButtons();
}

bool TF_Spxs::EntryHasRows() const
{
    return Q_Lsxssp.Active() && Q_Lsxssp.RecordCount() > 0;
}

void TF_Spxs::openGridViewData(const QString& number)
{
    OpenSalesEntryLines(Q_Lsxssp, doc.Kind(), number);
}

void TF_Spxs::setButtons()
{
    ShowSalesLineButtons({ btnModi, btnDel, btnPrin, comCk, btnSeleGhs, tkh }, EntryHasRows());
}

void TF_Spxs::updateBottomJe()
{
    setButtons();
    ShowSalesDraftDue(doc.Kind(), DocNumber(), tyfje, tssje);
}

void TF_Spxs::tSptmKeyDown()
{
    const SalesScanResult r = ScanAtEntry(doc.Kind(), tSptm, DocNumber(), DocDate(), comCk, btnPanelAdd->isChecked());
    if (r.lineId == 0)
        return;
    gldjh->setText(r.number);
    openGridViewData(r.number);
    Q_Lsxssp.Last();
    updateBottomJe();
    tSptm->clear();
    if (btnPanelModi->isChecked())
        btnModiClick();
}

void TF_Spxs::OpenRegistered(const QString& windowClass)
{
    FunctionWindows::Open(windowClass, FunctionWindows::Lifetime::Freed);
}

void TF_Spxs::btnAddOldClick()
{
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    FunctionWindows::Open(QStringLiteral("TF_Spxs_Add"), FunctionWindows::Lifetime::Kept);
    updateBottomJe();
}

void TF_Spxs::btnZpAddClick()
{
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    OpenRegistered(QStringLiteral("TF_Spxs_Add2"));
    updateBottomJe();
}

void TF_Spxs::btnAddNewClick()
{
    if (btnAddNew->isHidden())
        return;
    SelectedSn.clear();
    // The goods-add window also leaves a class code behind: only a goods it saved
    // (a row newer than any before it opened) gets its quantities asked for.
    const double lastGoods = posting::FirstNumber(QStringLiteral("select max(id) from jxc_goods"));
    OpenRegistered(QStringLiteral("TF_Spxxgl_Add"));
    const bool saved = !SelectedSn.isEmpty()
        && posting::FirstNumber(
               QStringLiteral("select max(id) from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), SelectedSn } })
            > lastGoods;
    if (saved) {
        OpenMode = QStringLiteral("spxs_new");
        OpenRegistered(QStringLiteral("TF_Spxs_Sele"));
    }
    OpenMode.clear();
    SelectedSn.clear();
    updateBottomJe();
}

void TF_Spxs::btnCgdImportClick()
{
    // The order take-over dialog comes with the sales orders.
    SourceDocNo.clear();
    OpenRegistered(QStringLiteral("TF_Spxs_ImportDD"));
    SourceDocNo.clear();
    WholeReturnDocNo.clear();
    openGridViewData(DocNumber());
    updateBottomJe();
}

void TF_Spxs::btnImportClick()
{
    OpenRegistered(QStringLiteral("TF_Spxs_Import"));
    openGridViewData(DocNumber());
    updateBottomJe();
}

void TF_Spxs::btnExportClick()
{
    ExportList(*cxGridView, ExportRows::Always, ExportTypes::XlsOnly);
}

void TF_Spxs::btnModiClick()
{
    if (!EntryHasRows())
        return;
    OpenMode = QStringLiteral("spxs");
    SelectedSn = Q_Lsxssp.AsString(QStringLiteral("g_sn"));
    const bool gift = Q_Lsxssp.AsString(QStringLiteral("t_zp")) == QStringLiteral("(赠品)");
    OpenRegistered(gift ? QStringLiteral("TF_Spxs_Sele2") : QStringLiteral("TF_Spxs_Sele"));
    OpenMode.clear();
    SelectedSn.clear();
    updateBottomJe();
}

void TF_Spxs::btnDelClick()
{
    if (!EntryHasRows())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    DeleteDetailRow(doc.Kind(), Q_Lsxssp.AsInteger(QStringLiteral("eid")), Q_Lsxssp.AsInteger(QStringLiteral("id")));
    openGridViewData(DocNumber());
    updateBottomJe();
}

void TF_Spxs::tdzlKeyUp()
{
    if (!ApplyWholeDiscount(DocNumber(), tdzl->text().trimmed().toDouble()))
        return;
    openGridViewData(DocNumber());
    updateBottomJe();
}

void TF_Spxs::dateCgChange()
{
    QString number = DocNumber();
    if (!doc.DateChange(DocDate(), LastDocDate, number)) {
        SetDocDate(QDateTime(QDate::fromString(LastDocDate, QStringLiteral("yyyy-MM-dd")), dateCg->time()));
        return;
    }
    gldjh->setText(number);
    openGridViewData(number);
}

void TF_Spxs::tkhKeyUp()
{
    RzPanel_Yhzh->hide();
    RzPanelKh->ShowFiltered(tkh->text().trimmed());
}

void TF_Spxs::btnSeleGhsClick()
{
    RzPanel_Yhzh->hide();
    RzPanelKh->ShowFiltered(QString());
}

void TF_Spxs::btnKhAddClick()
{
    if (btnKhAdd->isHidden())
        return;
    AuxTag = kXs;
    OpenRegistered(QStringLiteral("TF_Khgl_Add"));
    RzPanelKh->comSx->setCurrentIndex(1);
    OpenCustomerList(QStringLiteral("1"));
    if (AuxTag == QLatin1String("xs9") && RzPanelKh->grid->RowCount() > 0) {
        RzPanelKh->grid->SetCurrentRow(0);
        RzPanelKh->Choose();
    }
    AuxTag.clear();
}

void TF_Spxs::btnKhModiClick()
{
    if (btnKhModi->isHidden() || RzPanelKh->grid->RowCount() == 0)
        return;
    OpenRegistered(QStringLiteral("TF_Khgl_Modi"));
    OpenCustomerList(QString::number(RzPanelKh->comSx->currentIndex()));
}

void TF_Spxs::tssjeEnter()
{
    if (AccountPanelOffered())
        RzPanel_Yhzh->show();
}

void TF_Spxs::btnUserClick()
{
    PickerCaller = kXs;
    OpenRegistered(QStringLiteral("TF_User2"));
    PickerCaller.clear();
}

void TF_Spxs::btnDjbzClick()
{
    PickerCaller = kXs;
    OpenRegistered(QStringLiteral("TF_Djbz"));
}

bool TF_Spxs::FormCloseQuery()
{
    return doc.CloseQuery(EntryHasRows(), DocNumber(), [this] { btnOKClick(); });
}

void TF_Spxs::hideEvent(QHideEvent* e)
{
    Q_Lsxssp.Close();
    Q_Shdj.Close();
    Q_Shsp.Close();
    Q_Shspmx.Close();
    for (Query* q : { &Q_KhDj, &Q_Xssp3, &Q_GXsHZ, &Q_GXsList, &Q_GList2, &Q_Sppc })
        q->Close();
    F_DataModule->Q(QStringLiteral("Q_Khxx")).Close();
    F_DataModule->Q_GoodsPrin.Close();
    // A contract attached to a document that was never saved goes with it.
    if (!contractSn.isEmpty()) {
        DeleteContract(contractSn);
        contractSn.clear();
    }
    Form::hideEvent(e);
}

void TF_Spxs::FormKeyDown(int key)
{
    if (!RzPanelKh->isHidden()) {
        RzPanelKh->KeyDown(
            key, [this] { btnKhAddClick(); }, [this] { btnKhModiClick(); });
        return;
    }
    if (RzPanel_Kh2->isVisible()) {
        if (key == Qt::Key_F5)
            btnOK2Click();
        else if (key == Qt::Key_Escape)
            btnExit2Click();
        return;
    }
    if (cxPage->currentWidget() == cxTab3) {
        if (key == Qt::Key_Escape)
            close();
        return;
    }
    if (cxPage->currentWidget() == cxTab2) {
        if (key == Qt::Key_F2)
            btnSearch2Click();
        else if (key == Qt::Key_Escape)
            close();
        return;
    }
    switch (key) {
    case Qt::Key_F2:
        if (cxPage->currentWidget() == cxTab1 && lineRights_)
            btnAddOldClick();
        return;
    case Qt::Key_F5:
        btnOKClick();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        return;
    }
}

void TF_Spxs::keyPressEvent(QKeyEvent* e)
{
    if (!DocWindowKey(e, [this](int key) { FormKeyDown(key); }))
        Form::keyPressEvent(e);
}

void TF_Spxs::FormResize()
{
    RzPanel_Tm->Place(height(), cxTab1->height());
}

void TF_Spxs::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    FormResize();
}
