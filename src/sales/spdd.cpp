#include "sales/spdd.h"

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
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "sales/salesdraft.h"
#include "sales/salesparts.h"
#include "sales/spddorder.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Spdd* F_Spdd = nullptr;

namespace {

const QString kSpdd = QStringLiteral("spdd");

const char* const kOrderEntryColumns[][3] = { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" },
    { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" },
    { "cm_name", "尺码", "50" }, { "ls_lsj", "零售价", "64" }, { "ls_dj", "单价", "64" }, { "ls_tax", "税率", "48" },
    { "ls_taxdj", "含税单价", "64" }, { "ls_dzl", "折扣", "48" }, { "sj", "折后价", "64" }, { "t_sl", "数量", "56" },
    { "je", "金额", "72" }, { "taxje", "税额", "64" }, { "zje", "总金额", "80" }, { "ls_bz", "备注", "120" } };

void ShowOrderColumn(DataGrid* g, const char* field, bool on)
{
    const int col = g->ColumnByField(QLatin1String(field));
    if (col >= 0)
        g->SetColumnVisible(col, on);
}

double OrderField(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

// Keeps activations quiet while a print runs and leaves nothing behind.
class OrderPrintQuiet {
public:
    explicit OrderPrintQuiet(QString& flag) : flag_(flag) { flag_ = QStringLiteral("1"); }
    ~OrderPrintQuiet() { flag_ = QStringLiteral("0"); }
    OrderPrintQuiet(const OrderPrintQuiet&) = delete;
    OrderPrintQuiet& operator=(const OrderPrintQuiet&) = delete;

private:
    QString& flag_;
};

} // namespace

TF_Spdd::TF_Spdd(QWidget* parent)
    : Form(parent), doc(SalesOrderKind()), Q_Lsxssp(F_DataModule->Q(QStringLiteral("Q_Lsxssp"))),
      Q_Shdj(F_DataModule->Q(QStringLiteral("Q_Shdj"))), Q_Shsp(F_DataModule->Q(QStringLiteral("Q_Shsp"))),
      Q_Cgd(F_DataModule->Q(QStringLiteral("Q_Cgd"))), Q_Cgsp(F_DataModule->Q(QStringLiteral("Q_Cgsp"))),
      Q_Cgsp2(F_DataModule->Q(QStringLiteral("Q_Cgsp2")))
{
    setObjectName(QStringLiteral("TF_Spdd"));
    setWindowTitle(QStringLiteral("销售订单"));
    resize(1024, 680);
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    auto* box = new QVBoxLayout(this);
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));
    cxTab1 = new QWidget;
    cxTab1->setObjectName(QStringLiteral("cxTab1"));
    cxTab2 = new QWidget;
    cxTab2->setObjectName(QStringLiteral("cxTab2"));
    cxTab3 = new QWidget;
    cxTab3->setObjectName(QStringLiteral("cxTab3"));
    cxPage->addTab(cxTab1, QStringLiteral("销售订单"));
    cxPage->addTab(cxTab2, QStringLiteral("待审核销售订单"));
    cxPage->addTab(cxTab3, QStringLiteral("销售订单查询"));
    box->addWidget(cxPage);
    frxReport1 = new Report(this);
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    connect(cxPage, &QTabWidget::currentChanged, this, &TF_Spdd::cxPageChange);
    PickerCallers::RegisterHandlerCombo(kSpdd, comUser);
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
    host.pendingHeader = [this](const QString& column) {
        return Q_Shdj.Active() && Q_Shdj.RecordCount() > 0 ? Q_Shdj.AsString(column) : QString();
    };
    host.pendingLine = [this] {
        return Q_Shsp.Active() && Q_Shsp.RecordCount() > 0 ? Q_Shsp.AsInteger(QStringLiteral("id")) : qint64(0);
    };
    doc.SetHost(std::move(host));
}

TF_Spdd::~TF_Spdd()
{
    if (F_Spdd == this)
        F_Spdd = nullptr;
}

void TF_Spdd::BuildEntryTab()
{
    auto* box = new QVBoxLayout(cxTab1);
    auto* head = new QGridLayout;
    box->addLayout(head);
    BuildSalesEntryHead(
        cxTab1, head, "开单日期：", { tkh, btnSeleGhs, comCk, dateCg, gldjh, tyfje, tssje, comJsfs, comUser, btnUser });

    LSN2 = NamedLabel(cxTab1, "原始单号：", "LSN2");
    head->addWidget(LSN2, 2, 0);
    tsn2 = NamedEdit(cxTab1, "tsn2", 16);
    head->addWidget(tsn2, 2, 1);
    head->addWidget(NamedLabel(cxTab1, "备         注："), 2, 2);
    tnote = NamedEdit(cxTab1, "tnote", 200);
    head->addWidget(tnote, 2, 3, 1, 5);

    RzPanel_Yhzh = NewAccountPanel(cxTab1, "同时选择收款账户：", comYhzh, btnYhzhClose);
    box->addWidget(RzPanel_Yhzh);

    RzGroupBox_Btns = new QGroupBox(cxTab1);
    RzGroupBox_Btns->setObjectName(QStringLiteral("RzGroupBox_Btns"));
    auto* bar = new QHBoxLayout(RzGroupBox_Btns);
    btnAddOld = NamedButton(RzGroupBox_Btns, "btnAddOld", "商品添加(F2)", bar);
    btnInOut = NewSalesInOutButton(
        RzGroupBox_Btns, bar, btnImport, btnExport, [this] { btnImportClick(); }, [this] { btnExportClick(); });
    btnModi = NamedButton(RzGroupBox_Btns, "btnModi", "修改", bar);
    btnDel = NamedButton(RzGroupBox_Btns, "btnDel", "删除", bar);
    btnPrin = NamedButton(RzGroupBox_Btns, "btnPrin", "打印", bar);
    auto* prinMenu = new QMenu(this);
    btnPrin_W = prinMenu->addAction(QStringLiteral("打印单据(&W)"), this, &TF_Spdd::btnPrin_WClick);
    btnPrin_X = prinMenu->addAction(QStringLiteral("预览单据(&X)"), this, &TF_Spdd::btnPrin_XClick);
    btnPrin->setMenu(prinMenu);
    bar->addStretch(1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(RzGroupBox_Btns, 1);
    btnOK = NamedButton(cxTab1, "btnOK", "保存(F5)", actions);
    btnCancel = NamedButton(cxTab1, "btnCancel", "退出(Esc)", actions);
    box->addLayout(actions);

    cxGridView = new DataGrid(cxTab1);
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->SetDataSource(&F_DataModule->D(QStringLiteral("D_Lsxssp")));
    for (const auto& c : kOrderEntryColumns)
        cxGridView->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    cxGridView->SetFooterVisible(true);
    for (const char* f : { "t_sl", "je", "taxje", "zje" })
        cxGridView->SetFooterSum(cxGridView->ColumnByField(QLatin1String(f)));
    box->addWidget(cxGridView, 1);

    RzPanel_Tm = new BarcodePanel(cxTab1);
    tSptm = RzPanel_Tm->tSptm;
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

    connect(btnSeleGhs, &QPushButton::clicked, this, &TF_Spdd::btnSeleGhsClick);
    connect(tkh, &QLineEdit::textEdited, this, &TF_Spdd::tkhKeyUp);
    connect(btnKhAdd, &QPushButton::clicked, this, &TF_Spdd::btnKhAddClick);
    connect(btnKhModi, &QPushButton::clicked, this, &TF_Spdd::btnKhModiClick);
    connect(dateCg, &QDateTimeEdit::dateTimeChanged, this, &TF_Spdd::dateCgChange);
    connect(tSptm, &QLineEdit::returnPressed, this, &TF_Spdd::tSptmKeyDown);
    connect(btnAddOld, &QPushButton::clicked, this, &TF_Spdd::btnAddOldClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Spdd::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Spdd::btnDelClick);
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnUser, &QPushButton::clicked, this, &TF_Spdd::btnUserClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Spdd::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, [this] { close(); });
    for (QLineEdit* e : { tkh, RzPanelKh->tkey, tnote, tsn2 })
        DiscardSearchPunctuation(e);
    for (QWidget* w : std::initializer_list<QWidget*> {
             tyfje, tssje, tkh, comCk, comUser, comJsfs, dateCg, tnote, cxGridView, btnSeleGhs })
        w->installEventFilter(this);
}

bool TF_Spdd::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        if (watched == tssje || watched == tyfje)
            tssjeEnter();
        else if (RzPanel_Yhzh)
            RzPanel_Yhzh->hide();
        if (btnUser)
            btnUser->setVisible(watched == comUser || watched == comJsfs);
    }
    return Form::eventFilter(watched, e);
}

QString TF_Spdd::DocNumber() const
{
    return gldjh->text();
}

QString TF_Spdd::DocDate() const
{
    return dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
}

void TF_Spdd::SetDocDate(const QDateTime& when)
{
    const QSignalBlocker quiet(dateCg);
    dateCg->setDateTime(when);
}

bool TF_Spdd::EntryHasRows() const
{
    return Q_Lsxssp.Active() && Q_Lsxssp.RecordCount() > 0;
}

void TF_Spdd::FormActivate()
{
    btnOK->setEnabled(true);
    if (SkipNextActivation == QLatin1String("1")) {
        SkipNextActivation = QStringLiteral("0");
        return;
    }
    tsn2->clear();
    SetPeriod(tdate31, tdate32, CurrentMonth(Clock::Today()));
    tKey3->clear();
    {
        const QSignalBlocker quiet(rDjb);
        rDjb->setChecked(true);
    }
    RzPanel_Djb->show();
    RzPanel_Mxb->hide();
    ActiveDocKind = QStringLiteral("spxs");
    SetDocDate(Clock::Now());
    CurrentCustomerSn = DefaultCustomerSn();
    if (BindSalesmanCustomer == QLatin1String("1")) {
        FillSalesmanCombo(*comUser, QStringLiteral("u_name"), QStringLiteral("u_sn"));
    } else {
        FillStaffCombo(*comUser, QStringLiteral("u_xs"));
        if (comUser->count() > 0)
            comUser->setCurrentIndex(0);
    }
    FillSettleModes(*comJsfs, QStringLiteral("xs"));
    FillOperatorWarehouses(*comCk);
    FillCombo(
        *comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        FillOperatorWarehouses(*comCk3);
    else
        FillCombo(*comCk3, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), QStringLiteral("所有仓库"));
    if (comCk3->count() > 0)
        comCk3->setCurrentIndex(0);
    OpenCustomerList(QString());
    barPopupMenu.btnPrinSub->setEnabled(!IsTrue(NoPrintBeforeSave));
    initTab();
    ApplyRightsAndVisibility();
}

void TF_Spdd::ApplyRightsAndVisibility()
{
    const QString xs = QStringLiteral("xsgl");
    lineRights_ = HasRight(xs, 18);
    RzGroupBox_Btns->setEnabled(lineRights_);
    barPopupMenu.btnRAdd->setEnabled(lineRights_);
    barPopupMenu.btnRTm->setEnabled(lineRights_);
    const bool khRights = HasRight(QStringLiteral("qtcz"), 3);
    btnKhAdd->setVisible(khRights);
    btnKhModi->setVisible(khRights);
    btn_Check->setEnabled(HasRight(xs, 19));
    btnRCheck->setEnabled(HasRight(xs, 19));
    btn_UnChk->setEnabled(HasRight(xs, 20));
    btn_Date->setEnabled(CanChangeDocDate);
    chkZf->setChecked(false);

    const bool originalNo = IsTrue(UseOriginalDocNo);
    LSN2->setVisible(originalNo);
    tsn2->setVisible(originalNo);
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("xs"));
    const bool discount = IsTrue(UseDiscount);
    const bool colors = IsTrue(UseColors);
    struct Rule {
        DataGrid* grid;
        const char* field;
        bool on;
    };
    const Rule rules[] = { { cxGridView, "ls_dj", ShowSalePrice }, { cxGridView, "zje", ShowSalePrice },
        { cxGrid2View, "ls_yfje", ShowSalePrice }, { cxGrid2View, "ls_sfje", ShowSalePrice },
        { cxGrid3View, "ls_dj", ShowSalePrice }, { cxGrid3View, "ls_zje", ShowSalePrice },
        { cxGrid31View, "ls_yfje", ShowSalePrice }, { cxGrid31View, "ls_sfje", ShowSalePrice },
        { cxGrid32View, "ls_dj", ShowSalePrice }, { cxGrid32View, "dj", ShowSalePrice },
        { cxGrid32View, "ls_zje", ShowSalePrice }, { cxGrid33View, "ls_dj", ShowSalePrice },
        { cxGrid33View, "ls_zje", ShowSalePrice }, { cxGrid3View, "ls_cbj", ShowCostPrice },
        { cxGrid3View, "ls_zcb", ShowCostPrice }, { cxGridView, "ls_lsj", IsTrue(UseRetailPrice) },
        { cxGrid3View, "ls_lsj", IsTrue(UseRetailPrice) }, { cxGridView, "ls_tax", tax },
        { cxGridView, "ls_taxdj", tax }, { cxGridView, "je", tax }, { cxGridView, "taxje", tax },
        { cxGrid3View, "ls_je", tax }, { cxGrid3View, "ls_tax", tax }, { cxGrid3View, "ls_taxdj", tax },
        { cxGrid3View, "ls_taxje", tax }, { cxGrid32View, "ls_je", tax }, { cxGrid32View, "ls_tax", tax },
        { cxGrid32View, "ls_taxdj", tax }, { cxGrid32View, "ls_taxje", tax }, { cxGrid33View, "ls_je", tax },
        { cxGrid33View, "ls_tax", tax }, { cxGrid33View, "ls_taxdj", tax }, { cxGrid33View, "ls_taxje", tax },
        { cxGridView, "ls_dzl", discount && ShowSalePrice }, { cxGridView, "sj", discount && ShowSalePrice },
        { cxGrid3View, "ls_dzl", discount && ShowSalePrice }, { cxGrid32View, "ls_dzl", discount },
        { cxGrid33View, "ls_dzl", discount }, { cxGridView, "color_name", colors },
        { cxGrid3View, "color_name", colors }, { cxGrid32View, "color_name", colors },
        { cxGrid2View, "gl_djh2", originalNo }, { cxGrid31View, "gl_djh2", originalNo } };
    for (const Rule& r : rules)
        ShowOrderColumn(r.grid, r.field, r.on);
    tyfje->setVisible(ShowSalePrice);
    tssje->setVisible(ShowSalePrice);
    SetLineGridFormats(*cxGridView, { "ls_lsj", "ls_dj", "ls_taxdj", "sj", "je", "taxje", "zje" }, "t_sl");
    SumGridColumns(*cxGrid2View, { "ls_yfje", "ls_sfje" }, true);
    SumGridColumns(*cxGrid3View, { "ls_zje", "ls_je", "ls_taxje", "ls_zcb" }, true);
    SumGridColumns(*cxGrid3View, { "ls_sl" }, false);
    SumGridColumns(*cxGrid31View, { "ls_yfje", "ls_sfje" }, true);
    SumGridColumns(*cxGrid32View, { "ls_zje", "ls_taxje", "ls_je" }, true);
    SumGridColumns(*cxGrid32View, { "ls_sl", "ls_cksl", "dsl" }, false);
    SumGridColumns(*cxGrid33View, { "ls_zje", "ls_je", "ls_taxje" }, true);
    SumGridColumns(*cxGrid33View, { "ls_sl", "ls_cksl", "dsl" }, false);

    // The barcode panel and F2 follow the right of the button row.
    RzPanel_Tm->setVisible(lineRights_);
    if (lineRights_)
        tSptm->setFocus();
}

void TF_Spdd::initTab()
{
    SkipNextActivation = QStringLiteral("0");
    btnOK->setEnabled(true);
    ActiveDocKind = QStringLiteral("spxs");
    cxPage->setCurrentWidget(cxTab1);
    btnModi->hide();
    btnDel->hide();
    btnPrin->hide();
    btnSeleGhs->setEnabled(true);
    tkh->setEnabled(true);
    RzPanel_Yhzh->hide();
    RzPanel_Kh2->hide();
    tkh->setText(DefaultCustomerName());
    CurrentCustomerSn = DefaultCustomerSn();
    tyfje->setText(QStringLiteral("0"));
    tssje->setText(QStringLiteral("0"));
    tnote->clear();
    tsn2->clear();
    RzPanelKh->hide();
    if (DocDateMode == QLatin1String("0"))
        SetDocDate(Clock::Now());
    gldjh->setText(NextDocNo(QStringLiteral("jxc_xsd"), QStringLiteral("gl_djh"), QStringLiteral("XD"), DocDate()));
    AuxTag.clear();
    SelectedLineId.clear();
    PictureName.clear();
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

void TF_Spdd::openGridViewData(const QString& number)
{
    OpenSalesEntryLines(Q_Lsxssp, doc.Kind(), number);
}

void TF_Spdd::setButtons()
{
    ShowSalesLineButtons({ btnModi, btnDel, btnPrin, comCk, btnSeleGhs, tkh }, EntryHasRows());
}

void TF_Spdd::updateBottomJe()
{
    setButtons();
    ShowSalesDraftDue(doc.Kind(), DocNumber(), tyfje, tssje);
}

void TF_Spdd::tSptmKeyDown()
{
    const SalesScanResult r
        = ScanAtEntry(doc.Kind(), tSptm, DocNumber(), DocDate(), comCk, RzPanel_Tm->btnPanelAdd->isChecked());
    if (r.lineId == 0)
        return;
    gldjh->setText(r.number);
    openGridViewData(r.number);
    Q_Lsxssp.Last();
    updateBottomJe();
    tSptm->clear();
    if (RzPanel_Tm->btnPanelModi->isChecked())
        btnModiClick();
}

void TF_Spdd::btnAddOldClick()
{
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    if (FunctionWindows::Available(QStringLiteral("TF_Spdd_Add")))
        FunctionWindows::Open(QStringLiteral("TF_Spdd_Add"), FunctionWindows::Lifetime::Freed);
    updateBottomJe();
}

void TF_Spdd::btnImportClick()
{
    FunctionWindows::Open(QStringLiteral("TF_Spdd_Import"), FunctionWindows::Lifetime::Freed);
    openGridViewData(DocNumber());
    updateBottomJe();
}

void TF_Spdd::btnExportClick()
{
    ExportList(*cxGridView, ExportRows::Always, ExportTypes::XlsOnly);
}

void TF_Spdd::btnModiClick()
{
    if (!EntryHasRows())
        return;
    OpenMode = QStringLiteral("spxs");
    SelectedSn = Q_Lsxssp.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(QStringLiteral("TF_Spdd_Sele"), FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    SelectedSn.clear();
    updateBottomJe();
}

void TF_Spdd::btnDelClick()
{
    if (!EntryHasRows())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    DeleteDetailRow(doc.Kind(), Q_Lsxssp.AsInteger(QStringLiteral("eid")), Q_Lsxssp.AsInteger(QStringLiteral("id")));
    openGridViewData(DocNumber());
    updateBottomJe();
}

void TF_Spdd::dateCgChange()
{
    QString number = DocNumber();
    if (!doc.DateChange(DocDate(), LastDocDate, number)) {
        SetDocDate(QDateTime(QDate::fromString(LastDocDate, QStringLiteral("yyyy-MM-dd")), dateCg->time()));
        return;
    }
    gldjh->setText(number);
    openGridViewData(number);
}

void TF_Spdd::tkhKeyUp()
{
    RzPanel_Yhzh->hide();
    RzPanelKh->ShowFiltered(tkh->text().trimmed());
}

void TF_Spdd::btnSeleGhsClick()
{
    RzPanel_Yhzh->hide();
    RzPanelKh->ShowFiltered(QString());
}

void TF_Spdd::btnKhAddClick()
{
    if (btnKhAdd->isHidden())
        return;
    AuxTag = QStringLiteral("xs");
    FunctionWindows::Open(QStringLiteral("TF_Khgl_Add"), FunctionWindows::Lifetime::Freed);
    RzPanelKh->comSx->setCurrentIndex(1);
    OpenCustomerList(QStringLiteral("1"));
    // The customer just added heads the newest-first list and becomes the order's.
    if (AuxTag == QLatin1String("xs9") && RzPanelKh->grid->RowCount() > 0) {
        RzPanelKh->grid->SetCurrentRow(0);
        RzPanelKh->Choose();
    }
    AuxTag.clear();
}

void TF_Spdd::btnKhModiClick()
{
    if (btnKhModi->isHidden() || RzPanelKh->grid->RowCount() == 0)
        return;
    FunctionWindows::Open(QStringLiteral("TF_Khgl_Modi"), FunctionWindows::Lifetime::Freed);
    OpenCustomerList(QString::number(RzPanelKh->comSx->currentIndex()));
}

void TF_Spdd::tssjeEnter()
{
    if (AccountPanelOffered())
        RzPanel_Yhzh->show();
}

void TF_Spdd::btnUserClick()
{
    PickerCaller = kSpdd;
    FunctionWindows::Open(QStringLiteral("TF_User2"), FunctionWindows::Lifetime::Freed);
    PickerCaller.clear();
}

void TF_Spdd::btnOKClick()
{
    const QString refusal
        = DocWindow::SaveRefusal(EntryHasRows(), tkh->text(), QStringLiteral("请选择客户！"), *comUser, *comCk);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    const bool approve = OrderApprovesOnSave();
    const QString question = approve
        ? QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“销售订单查询”功能中取消审核！")
        : QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的销售订单，可以在“待审核"
                         "\r\n\r\n销售订单”面板中，进行修改及审核操作！");
    if (Prompt::YesNo(question) == Prompt::Answer::No)
        return;
    SaveButtonGuard reenable(btnOK);
    if (IsTrue(RoundTotals))
        tssje->setText(NumberText(posting::RoundUp(OrderField(tssje), TotalDecimals.toInt())));
    SalesOrderHeader h;
    h.number = DocNumber();
    h.date = DocDate();
    h.customer = CurrentCustomerSn;
    h.warehouse = GetComboCode(*comCk, comCk->currentIndex());
    h.handler = GetComboCode(*comUser, comUser->currentIndex());
    h.due = OrderField(tyfje);
    h.paid = OrderField(tssje);
    h.settle = comJsfs->currentIndex() == 1 ? 1 : 0;
    h.account = comYhzh->currentText();
    h.note = tnote->text();
    h.externalNo = tsn2->text();
    const QString number = SaveSalesOrder(h, Q_Lsxssp.RecordCount(), approve);
    gldjh->setText(number);
    reenable.Done();
    if (IsTrue(AutoPrintSalesDoc)) {
        const OrderPrintQuiet quiet(SkipNextActivation);
        setPrinPara(number, QStringLiteral("2"));
        frxReport1->Print();
        F_DataModule->Q_GoodsPrin.Close();
    }
    // The next order starts at once, whatever the print did to the activations.
    initTab();
}

void TF_Spdd::checkDj(const QString& number)
{
    ApproveSalesOrder(number, CurrentAdminName);
}

void TF_Spdd::setPrinPara(const QString& number, const QString& flag)
{
    Query& rows = F_DataModule->Q_GoodsPrin;
    const QString sql = BuildColorSizePrintData(number, QStringLiteral("XD"));
    if (!sql.isEmpty())
        OpenQuery(rows, sql);
    frxReport1->LoadFromFile(
        ProgramFolder::File(ShowSalePrice ? QStringLiteral("report/xsd.fr3") : QStringLiteral("report/xsd2.fr3")));
    frxReport1->SetDataset(QStringLiteral("frxDBDataset1"), &rows);
    if (flag != QLatin1String("1")) {
        SetDocPrintVars(*frxReport1, number, QStringLiteral("spdd"));
        return;
    }
    Report& r = *frxReport1;
    r.ClearVariables();
    SetCompanyPrintVars(r);
    SetCustomerPrintVars(r, CurrentCustomerSn);
    QString balance = GetLedgerBalance(CurrentCustomerSn, QStringLiteral("kh"));
    if (balance.isEmpty())
        balance = QStringLiteral("0");
    const QList<QPair<const char*, QString>> vars { { "khName", tkh->text().trimmed() },
        { "ckName", comCk->currentText() }, { "khqk", balance }, { "ljqkje", balance }, { "jhDate", DocDate() },
        { "Note", tnote->text() }, { "uName", comUser->currentText() }, { "Kmmc", comYhzh->currentText() },
        { "gldjh2", tsn2->text().trimmed() }, { "checker", QString() }, { "chkrq", QString() },
        { "aName", CurrentAdminName }, { "xxyf", tyfje->text() }, { "xxsf", tssje->text() },
        { "yf", PrintAmountWords(OrderField(tyfje)) }, { "sf", PrintAmountWords(OrderField(tssje)) } };
    for (const auto& [name, value] : vars)
        r.SetVariable(QLatin1String(name), value);
}

void TF_Spdd::btnPrin_WClick()
{
    if (!EntryHasRows())
        return;
    PrintOptions options;
    const OrderPrintQuiet quiet(SkipNextActivation);
    if (!ChoosePrinter(options))
        return;
    setPrinPara(DocNumber(), QStringLiteral("1"));
    frxReport1->Print(options);
    F_DataModule->Q_GoodsPrin.Close();
    btnModi->setVisible(true);
    btnDel->setVisible(true);
    btnPrin->setVisible(!IsTrue(NoPrintBeforeSave));
}

void TF_Spdd::btnPrin_XClick()
{
    if (!EntryHasRows())
        return;
    const OrderPrintQuiet quiet(SkipNextActivation);
    setPrinPara(DocNumber(), QStringLiteral("1"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}

void TF_Spdd::ViewStored(const QString& number)
{
    if (number.isEmpty())
        return;
    const OrderPrintQuiet quiet(SkipNextActivation);
    setPrinPara(number, QStringLiteral("2"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}

bool TF_Spdd::FormCloseQuery()
{
    return doc.CloseQuery(EntryHasRows(), DocNumber(), [this] { btnOKClick(); });
}

void TF_Spdd::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Lsxssp, &Q_Shdj, &Q_Shsp, &Q_Cgd, &Q_Cgsp, &Q_Cgsp2, &F_DataModule->Q_GoodsPrin })
        q->Close();
    F_DataModule->Q(QStringLiteral("Q_Khxx")).Close();
    Form::hideEvent(e);
}

void TF_Spdd::FormKeyDown(int key)
{
    if (!RzPanelKh->isHidden()) {
        RzPanelKh->KeyDown(
            key, [this] { btnKhAddClick(); }, [this] { btnKhModiClick(); });
        return;
    }
    if (RzPanel_Kh2->HandleKey(key) != PartnerPanel::KeyUse::PanelHidden)
        return;
    switch (key) {
    case Qt::Key_F2:
        if (cxPage->currentWidget() == cxTab1 && lineRights_)
            btnAddOldClick();
        else if (cxPage->currentWidget() == cxTab2)
            btnSearch2Click();
        else if (cxPage->currentWidget() == cxTab3)
            btnSearch3Click();
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

void TF_Spdd::keyPressEvent(QKeyEvent* e)
{
    if (!DocWindowKey(e, [this](int key) { FormKeyDown(key); }))
        Form::keyPressEvent(e);
}

void TF_Spdd::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    RzPanel_Tm->Place(height(), cxTab1->height());
}
