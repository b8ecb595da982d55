#include "sales/xsth.h"

#include "documents/entryparts.h"
#include "documents/entrytab.h"
#include "documents/returnentry.h"
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
#include "posting/postingdb.h"
#include "sales/xsthrules.h"

#include <QApplication>
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
#include <QTabWidget>
#include <QVBoxLayout>

TF_Xsth* F_Xsth = nullptr;

namespace {

const QString kXt = QStringLiteral("xsth");

double XsthEditNumber(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

} // namespace

TF_Xsth::TF_Xsth(QWidget* parent)
    : Form(parent), doc(SalesReturnKind()), Q_Xsth(F_DataModule->Q(QStringLiteral("Q_Xsth"))),
      Q_Shdj(F_DataModule->Q(QStringLiteral("Q_Shdj"))), Q_Shsp(F_DataModule->Q(QStringLiteral("Q_Shsp"))),
      Q_Xsthd(F_DataModule->Q(QStringLiteral("Q_Xsthd"))), Q_Xsth2(F_DataModule->Q(QStringLiteral("Q_Xsth2"))),
      Q_GoodsKhHZ(F_DataModule->Q(QStringLiteral("Q_GoodsKhHZ"))),
      Q_GoodsXsth(F_DataModule->Q(QStringLiteral("Q_GoodsXsth"))),
      Q_GoodsList(F_DataModule->Q(QStringLiteral("Q_GoodsList")))
{
    setObjectName(QStringLiteral("TF_Xsth"));
    setWindowTitle(QStringLiteral("销售退货"));
    resize(1100, 572);
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    frxReport1 = new Report;
    const DocPages pages = NewDocPages(this, "销售退货", "待审核退货单", "退货查询");
    cxPage = pages.page;
    cxTab1 = pages.entry;
    cxTab2 = pages.pending;
    cxTab3 = pages.query;
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    PickerCallers::RegisterHandlerCombo(kXt, comUser);
    doc.SetHost(EntryDocHost(
        gldjh, dateCg, comCk,
        [this] {
            openGridViewData(gldjh->text());
            updateBottomJe();
        },
        [this] {
            const QString number = SelectedPendingNo();
            Q_Shsp.Requery();
            Q_Shdj.Requery();
            Q_Shdj.Locate(QStringLiteral("gl_djh"), number);
        },
        [this] { setShspList(); }));
    F_Xsth = this;
}

TF_Xsth::~TF_Xsth()
{
    delete frxReport1;
    if (F_Xsth == this)
        F_Xsth = nullptr;
}

void TF_Xsth::BuildEntryTab()
{
    auto* box = new QVBoxLayout(cxTab1);
    auto* title = new QLabel(QStringLiteral("销售退货"), cxTab1);
    title->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold;"));
    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch(1);
    top->addWidget(NamedLabel(cxTab1, "单号"));
    gldjh = NewDocNumberLabel(cxTab1, "gldjh");
    top->addWidget(gldjh);
    box->addLayout(top);
    NewReturnHead(cxTab1, box, { "客户名称：", "tkh", "收货仓库：", "收货日期：" }, tkh, btnSeleGhs, comCk, dateCg);

    RzGroupBox_Btns = NewEntryButtonGroup(
        cxTab1,
        { { &btnAddOld, "btnAddOld", "添加商品(F2)" }, { &btnZdth, "btnZdth", "整单退货(F7)" },
            { &btnModi, "btnModi", "修改" }, { &btnDel, "btnDel", "删除" } },
        btnPrin, btnPrin_W, btnPrin_X, [this] { btnPrin_WClick(); }, [this] { btnPrin_XClick(); });
    btnZdth->hide();
    for (QPushButton* b : { btnModi, btnDel, btnPrin })
        b->hide();
    box->addWidget(RzGroupBox_Btns);

    cxGridView = new DataGrid(cxTab1);
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->SetDataSource(&F_DataModule->D(QStringLiteral("D_Xsth")));
    AddGridColumns(*cxGridView,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" }, { "cm_name", "尺码", "50" },
            { "th_lsj", "零售价", "64" }, { "th_dj", "单价", "80" }, { "th_dzl", "打折率", "56" },
            { "t_sl", "数量", "56" }, { "je", "金额", "72" }, { "th_tax", "税率", "48" },
            { "th_taxdj", "含税单价", "64" }, { "taxje", "税额", "64" }, { "zje", "总金额", "80" },
            { "th_bz", "备注", "120" } });
    cxGridView->SetFooterVisible(true);
    SumGridColumns(*cxGridView, { "t_sl" }, false);
    SumGridColumns(*cxGridView, { "je", "taxje", "zje" }, true);
    box->addWidget(cxGridView, 1);
    barPopupMenu = new QMenu(this);
    QAction* rAdd = barPopupMenu->addAction(QStringLiteral("增加商品(&W)"), this, &TF_Xsth::btnAddOldClick);
    barPopupMenu->addAction(QStringLiteral("修改商品(&X)"), this, &TF_Xsth::btnModiClick);
    barPopupMenu->addAction(QStringLiteral("删除商品(&Y)"), this, &TF_Xsth::btnDelClick);
    QMenu* prinSub = barPopupMenu->addMenu(QStringLiteral("打印单据(&Z)"));
    prinSub->addAction(QStringLiteral("打印单据(&Y)"), this, &TF_Xsth::btnPrin_WClick);
    prinSub->addAction(QStringLiteral("预览单据(&Z)"), this, &TF_Xsth::btnPrin_XClick);
    connect(cxGridView, &DataGrid::rightClicked, this, [this, rAdd, prinSub](const QPoint& at) {
        rAdd->setEnabled(lineRights_);
        prinSub->setEnabled(!IsTrue(NoPrintBeforeSave));
        barPopupMenu->popup(at);
    });

    QPushButton* noNotePicker = nullptr;
    NewReturnBottom(cxTab1, box,
        { "应付金额：", "实付金额：", "tssje", "余款记入应收帐款", "lFp", "同时选择付款账户：" },
        { tyfje, tssje, comUser, btnUser, tnote, noNotePicker, lFp, tfpno, tfpje, btnOK, btnCancel, RzPanel_Yhzh,
            comYhzh, btnYhzhClose });

    RzPanelKh = new PartnerChooser(cxTab1, CustomerSide());
    RzPanelKh->setGeometry(80, 40, 700, 300);
    RzPanelKh->btnAdd->hide();
    RzPanelKh->chosen = [this](const QString& sn, const QString& name) {
        if (sn.isEmpty())
            return;
        tkh->setText(name);
        CurrentCustomerSn = sn;
        if (BindSalesmanCustomer == QLatin1String("1"))
            FillSalesmanCombo(*comUser, QStringLiteral("u_name"), QStringLiteral("u_sn"));
    };
    RzPanelKh->hide();

    connect(btnSeleGhs, &QPushButton::clicked, this, &TF_Xsth::btnSeleGhsClick);
    connect(tkh, &QLineEdit::textEdited, this, &TF_Xsth::tkhKeyUp);
    connect(RzPanelKh->btnModi, &QPushButton::clicked, this, &TF_Xsth::btnKhModiClick);
    connect(dateCg, &QDateEdit::dateChanged, this, &TF_Xsth::dateCgChange);
    connect(btnAddOld, &QPushButton::clicked, this, &TF_Xsth::btnAddOldClick);
    connect(btnZdth, &QPushButton::clicked, this, &TF_Xsth::btnZdthClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Xsth::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Xsth::btnDelClick);
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnUser, &QPushButton::clicked, this, &TF_Xsth::btnUserClick);
    connect(btnYhzhClose, &QPushButton::clicked, RzPanel_Yhzh, &QWidget::hide);
    connect(btnOK, &QPushButton::clicked, this, &TF_Xsth::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    for (QLineEdit* e : { tkh, RzPanelKh->tkey, tnote, tfpno })
        DiscardSearchPunctuation(e);
    for (QWidget* w : std::initializer_list<QWidget*> { tyfje, tssje, comCk, comUser, tkh, tnote, cxGridView })
        w->installEventFilter(this);
}

bool TF_Xsth::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        if (watched == tssje || watched == tyfje)
            tssjeEnter();
        else
            RzPanel_Yhzh->hide();
        btnUser->setVisible(watched == comUser);
    }
    return Form::eventFilter(watched, e);
}

void TF_Xsth::FormActivate()
{
    btnOK->setEnabled(true);
    if (SkipNextActivation == QLatin1String("1")) {
        SkipNextActivation = QStringLiteral("0");
        return;
    }
    OpenCustomerList(QStringLiteral("0"));
    CurrentCustomerSn = DefaultCustomerSn();
    if (BindSalesmanCustomer == QLatin1String("1")) {
        FillSalesmanCombo(*comUser, QStringLiteral("u_name"), QStringLiteral("u_sn"));
    } else {
        FillStaffCombo(*comUser, QStringLiteral("u_xs"));
        if (comUser->count() > 0)
            comUser->setCurrentIndex(0);
    }
    FillOperatorWarehouses(*comCk);
    FillCombo(
        *comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    ActiveDocKind = kXt;
    // The delivery window handed a delivery over: a fresh number takes its lines.
    const QString handedOver = WholeReturnDocNo;
    WholeReturnDocNo.clear();
    initTab();
    if (!handedOver.isEmpty())
        TakeOverWholeReturn(handedOver);
    {
        const QSignalBlocker quiet(rDjb);
        rDjb->setChecked(true);
    }
    SetPeriod(tdate1, tdate2, PresetPeriod(DatePreset::LastMonth, Clock::Today()));
    ApplyRightsAndVisibility();
}

void TF_Xsth::ApplyRightsAndVisibility()
{
    const QString xs = QStringLiteral("xsgl");
    lineRights_ = HasRight(xs, 4);
    RzGroupBox_Btns->setEnabled(lineRights_);
    RzPanelKh->btnModi->setVisible(HasRight(QStringLiteral("qtcz"), 3));
    tyfje->setVisible(ShowSalePrice);
    tssje->setVisible(ShowSalePrice);
    for (QWidget* w : std::initializer_list<QWidget*> { lFp, tfpno, tfpje })
        w->setVisible(IsTrue(UseInvoices));
    const bool sale = ShowSalePrice;
    ShowGridColumns(cxGridView, { "th_dj", "th_tax", "th_taxdj", "zje", "je", "taxje" }, sale);
    ShowGridColumns(cxGrid2View, { "th_yfje", "th_sfje", "wfje" }, sale);
    ShowGridColumns(cxGrid3View, { "th_dj", "th_je", "th_tax", "th_taxdj", "th_taxje", "th_zje" }, sale);
    ShowGridColumns(cxGrid3View, { "th_cbj", "th_zcb" }, ShowCostPrice);
    ShowGridColumns(cxGrid31View, { "yfje", "sfje", "wfje", "yhje", "ls_lr" }, sale);
    ShowGridColumns(cxGrid31View, { "ls_yf", "ls_bzf" }, IsTrue(UseFreightFees));
    ShowGridColumns(cxGrid32View, { "gl_dj", "gl_je", "gl_tax", "gl_taxdj", "gl_taxje", "gl_zje" }, sale);
    ShowGridColumns(cxGrid32View, { "gl_cbj", "gl_zcb" }, ShowCostPrice);
    ShowGridColumns(cxGrid32View, { "gl_lsj" }, false);
    ShowGridColumns(cxGrid33View, { "je", "taxje", "zje" }, sale);
    ShowGridColumns(cxGrid34View, { "gl_dj", "gl_je", "gl_tax", "gl_taxdj", "gl_taxje", "gl_zje" }, sale);
    ShowGridColumns(cxGrid35View, { "gl_dj", "gl_taxdj", "je", "taxje", "zje" }, sale);
    const bool retail = IsTrue(UseRetailPrice);
    ShowGridColumns(cxGridView, { "th_lsj" }, retail);
    ShowGridColumns(cxGrid3View, { "th_lsj" }, retail);
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("xs"));
    ShowGridColumns(cxGridView, { "th_tax", "th_taxdj", "taxje" }, sale && tax);
    ShowGridColumns(cxGrid3View, { "th_tax", "th_taxdj", "th_taxje" }, sale && tax);
    for (DataGrid* g : { cxGrid32View, cxGrid34View })
        ShowGridColumns(g, { "gl_tax", "gl_taxdj", "gl_taxje" }, sale && tax);
    ShowGridColumns(cxGrid35View, { "gl_tax", "gl_taxdj", "taxje" }, sale && tax);
    const bool discount = IsTrueFor(UseDiscount, QStringLiteral("xs"));
    ShowGridColumns(cxGridView, { "th_dzl", "je", "taxje" }, discount && sale);
    ShowGridColumns(cxGrid3View, { "th_dzl" }, discount);
    ShowGridColumns(cxGrid32View, { "gl_dzl" }, discount);
    const bool colors = IsTrue(UseColors);
    for (DataGrid* g : { cxGridView, cxGrid3View, cxGrid32View, cxGrid33View, cxGrid34View, cxGrid35View })
        ShowGridColumns(g, { "color_name" }, colors);
    SetLineGridFormats(*cxGridView, { "th_lsj", "th_dj", "th_taxdj", "je", "taxje", "zje" }, "t_sl");
    // Pending and query rights.
    const bool approve = HasRight(xs, 5);
    btn_Check->setEnabled(approve);
    btnRCheck->setEnabled(approve);
    // The cancel routine checks position 12; the button follows it.
    const bool unapprove = HasRight(xs, 12);
    btn_UnChk->setEnabled(unapprove);
    btnRUnChk->setEnabled(unapprove);
    const bool redate = CanChangeDocDate && FunctionWindows::Available(QStringLiteral("TF_ModiDateXs"));
    btn_Date->setEnabled(redate);
    btnRDate->setEnabled(redate);
    btn_Prin->setEnabled(ShowCostPrice && ShowSalePrice);
    btn_Prin3->setEnabled(ShowCostPrice);
}

void TF_Xsth::SetDocDate(const QDate& date)
{
    SetDocDateQuietly(dateCg, date);
}

QString TF_Xsth::DocDate() const
{
    return DocDateText(dateCg);
}

QString TF_Xsth::DocNumber() const
{
    return gldjh->text();
}

void TF_Xsth::initTab()
{
    btnOK->setEnabled(true);
    if (SkipNextActivation == QLatin1String("1")) {
        SkipNextActivation = QStringLiteral("0");
        return;
    }
    RzPanelKh->hide();
    tkh->setText(DefaultCustomerName());
    CurrentCustomerSn = DefaultCustomerSn();
    for (QLineEdit* e : { tyfje, tssje, tfpje })
        e->setText(QStringLiteral("0"));
    tfpno->clear();
    tnote->clear();
    gldjh->setText(NextDocNoToday(QStringLiteral("jxc_xsthd"), QStringLiteral("gl_djh"), QStringLiteral("XT")));
    ChooseDefaultWarehouse(*comCk, *comYhzh);
    ActiveDocKind = kXt;
    cxPage->setCurrentWidget(cxTab1);
    openGridViewData(gldjh->text());
    if (!EntryHasRows())
        wholeReturnOf.clear();
    updateBottomJe();
    SetDocDate(Clock::Today());
    LastDocDate = DocDate();
    SkipNextActivation = QStringLiteral("0");
}

bool TF_Xsth::EntryHasRows() const
{
    return Q_Xsth.Active() && Q_Xsth.RecordCount() > 0;
}

void TF_Xsth::openGridViewData(const QString& number)
{
    OpenDraftLines(Q_Xsth, doc.Kind(), number);
}

void TF_Xsth::setButtons()
{
    const bool rows = EntryHasRows();
    ShowReturnLineButtons(rows, btnModi, btnDel, btnPrin, tkh, comCk);
    btnSeleGhs->setEnabled(!rows);
}

void TF_Xsth::updateBottomJe()
{
    setButtons();
    tyfje->setText(NumberText(DraftPayable(doc.Kind(), gldjh->text())));
    if (SalesCollectDefault == QLatin1String("0"))
        tssje->setText(tyfje->text());
}

void TF_Xsth::dateCgChange()
{
    if (EntryDateChanged(doc, dateCg, gldjh, LastDocDate))
        openGridViewData(gldjh->text());
}

void TF_Xsth::btnAddOldClick()
{
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    if (tkh->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择客户！"));
        return;
    }
    ActiveDocKind = kXt;
    FunctionWindows::Open(QStringLiteral("TF_Xsth_Add"), FunctionWindows::Lifetime::Kept);
    openGridViewData(gldjh->text());
    updateBottomJe();
}

void TF_Xsth::btnModiClick()
{
    const int row = cxGridView->CurrentRow();
    if (row >= 0)
        Q_Xsth.SetRecNo(cxGridView->SourceRow(row));
    if (!ModifyDraftLine(Q_Xsth, kXt, QStringLiteral("TF_Xsth_Sele")))
        return;
    openGridViewData(gldjh->text());
    updateBottomJe();
}

void TF_Xsth::btnDelClick()
{
    const int row = cxGridView->CurrentRow();
    if (row >= 0)
        Q_Xsth.SetRecNo(cxGridView->SourceRow(row));
    if (!DeleteDraftRow(doc.Kind(), Q_Xsth))
        return;
    openGridViewData(gldjh->text());
    if (!EntryHasRows())
        wholeReturnOf.clear();
    updateBottomJe();
}

void TF_Xsth::btnOKClick()
{
    if (SaveRefused(EntryHasRows(), tkh->text(), QStringLiteral("请选择客户！"), *comUser, *comCk))
        return;
    const std::optional<bool> mode = AskSaveMode(ReturnPendingQuestion(),
        QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“销售退货查询”功能中取消审核！"));
    if (!mode)
        return;
    const bool pendingOnly = *mode;
    SalesReturnSave s;
    s.warehouse = GetComboCode(*comCk, comCk->currentIndex());
    s.handler = GetComboCode(*comUser, comUser->currentIndex());
    SaveButtonGuard reenable(btnOK);
    QApplication::processEvents();
    if (IsTrue(RoundTotals))
        tssje->setText(NumberText(posting::RoundUp(XsthEditNumber(tssje), TotalDecimals.toInt())));
    s.number = gldjh->text();
    s.date = DocDate();
    s.time = Clock::Now().toString(QStringLiteral("HH:mm"));
    s.customer = CurrentCustomerSn;
    s.note = tnote->text();
    s.invoiceNo = tfpno->text();
    s.account = comYhzh->currentText();
    s.due = XsthEditNumber(tyfje);
    s.paid = XsthEditNumber(tssje);
    s.invoice = XsthEditNumber(tfpje);
    s.rows = Q_Xsth.RecordCount();
    s.approve = !pendingOnly;
    s.wholeReturnOf = wholeReturnOf;
    const SalesReturnSaved saved = SaveSalesReturn(s);
    gldjh->setText(saved.number);
    if (!saved.refusal.isEmpty())
        Prompt::Info(saved.refusal);
    wholeReturnOf.clear();
    WholeReturnDocNo.clear();
    reenable.Done();
    initTab();
}

void TF_Xsth::checkDj(const QString& number, const QString& headerOperator)
{
    doc.Approve(number, headerOperator.isEmpty() ? CurrentAdminName : headerOperator);
}

bool TF_Xsth::TakeOverWholeReturn(const QString& deliveryNo)
{
    const QString number = NextDocNoToday(QStringLiteral("jxc_xsthd"), QStringLiteral("gl_djh"), QStringLiteral("XT"));
    const auto header = CopyDeliveryForReturn(deliveryNo, number);
    if (!header)
        return false;
    wholeReturnOf = deliveryNo;
    cxPage->setCurrentWidget(cxTab1);
    gldjh->setText(number);
    tkh->setText(header->customerName);
    CurrentCustomerSn = header->customerSn;
    const int ck = comCk->findText(header->warehouseName);
    if (ck >= 0)
        comCk->setCurrentIndex(ck);
    comUser->setCurrentIndex(comUser->findText(header->handlerName));
    tnote->setText(header->note);
    tyfje->setText(NumberText(header->payable));
    tssje->setText(NumberText(header->paid));
    SetDocDate(Clock::Today());
    LastDocDate = DocDate();
    openGridViewData(number);
    updateBottomJe();
    return true;
}

void TF_Xsth::btnZdthClick()
{
    if (!btnAddOld->isEnabled() || !lineRights_)
        return;
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    if (EntryHasRows()) {
        Prompt::Info(QStringLiteral("请先保存本次的退货单据！"));
        return;
    }
    if (tkh->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择客户！"));
        return;
    }
    if (TopWindowShown(QStringLiteral("TF_Xsdjcx"))) {
        Prompt::Info(QStringLiteral("“销售单据查询”已经打开，请先关闭“顾客退货”窗口再选择退货单据！"));
        return;
    }
    // The sales query comes with its own work; until it is there F7 has nothing to open.
    if (!FunctionWindows::Available(QStringLiteral("TF_Xsdjcx")))
        return;
    const QString chosen = ChooseWholeReturn(kXt, QStringLiteral("TF_Xsdjcx"));
    if (!chosen.isEmpty())
        TakeOverWholeReturn(chosen);
}

void TF_Xsth::btnSeleGhsClick()
{
    RzPanel_Yhzh->hide();
    RzPanelKh->ShowFiltered(QString());
}

void TF_Xsth::tkhKeyUp()
{
    RzPanelKh->ShowFiltered(tkh->text().trimmed());
}

void TF_Xsth::btnKhModiClick()
{
    if (RzPanelKh->btnModi->isHidden() || RzPanelKh->grid->RowCount() == 0)
        return;
    FunctionWindows::Open(QStringLiteral("TF_Khgl_Modi"), FunctionWindows::Lifetime::Freed);
    OpenCustomerList(QStringLiteral("0"));
}

void TF_Xsth::btnUserClick()
{
    OpenPickerFor(kXt, QStringLiteral("TF_User2"));
}

void TF_Xsth::tssjeEnter()
{
    if (AccountPanelOffered())
        RzPanel_Yhzh->show();
}

bool TF_Xsth::FormCloseQuery()
{
    // A delivery handed over stays with the draft until it is saved or discarded.
    const bool closing = CloseReturnEntry(
        doc, gldjh->text(), [this] { return EntryHasRows(); }, [this] { btnOKClick(); },
        [this] { openGridViewData(gldjh->text()); }, wholeReturnOf);
    if (closing)
        WholeReturnDocNo.clear();
    return closing;
}

void TF_Xsth::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Xsth, &F_DataModule->Q(QStringLiteral("Q_Khxx")), &Q_Shdj, &Q_Shsp })
        q->Close();
    F_DataModule->Q_GoodsPrin.Close();
    Form::hideEvent(e);
}

void TF_Xsth::FormKeyDown(int key)
{
    if (!RzPanelKh->isHidden()) {
        RzPanelKh->KeyDown(
            key, [] {}, [this] { btnKhModiClick(); });
        return;
    }
    if (!RzPanel_Kh2->isHidden()) {
        if (key == Qt::Key_F5)
            btnOK2Click();
        else if (key == Qt::Key_Escape)
            btnExit2Click();
        return;
    }
    switch (key) {
    case Qt::Key_F2:
        if (lineRights_ && btnAddOld->isEnabled())
            btnAddOldClick();
        return;
    case Qt::Key_F7:
        btnZdthClick();
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

void TF_Xsth::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F7) {
        FormKeyDown(Qt::Key_F7);
        return;
    }
    if (!DocWindowKey(e, [this](int key) { FormKeyDown(key); }))
        Form::keyPressEvent(e);
}
