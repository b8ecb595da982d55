#include "purchasing/cgth.h"

#include "documents/entryparts.h"
#include "documents/entrytab.h"
#include "documents/returnentry.h"
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
#include "posting/colorsizestock.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "purchasing/linedialogs.h"
#include "purchasing/wholereturn.h"

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
#include <QTabWidget>
#include <QVBoxLayout>

TF_Cgth* F_Cgth = nullptr;
QString TF_Cgth::SkipNextInit = QStringLiteral("0");

namespace {

const QString kTh = QStringLiteral("th");

const char* const kReturnColumns[][3] = { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" },
    { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" },
    { "cm_name", "尺码", "50" }, { "t_sl", "数量", "56" }, { "th_dj", "单价", "64" }, { "th_dzl", "打折率", "56" },
    { "je", "金额", "72" }, { "th_tax", "税率", "48" }, { "th_taxdj", "含税单价", "64" }, { "taxje", "税额", "64" },
    { "zje", "总金额", "80" }, { "th_bz", "备注", "120" } };

double ReturnEditNumber(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

} // namespace

TF_Cgth::TF_Cgth(QWidget* parent)
    : Form(parent), doc(PurchaseReturnKind()), Q_Thsp(F_DataModule->Q(QStringLiteral("Q_Thsp"))),
      Q_Shdj(F_DataModule->Q(QStringLiteral("Q_Shdj"))), Q_Shsp(F_DataModule->Q(QStringLiteral("Q_Shsp"))),
      Q_Thd(F_DataModule->Q(QStringLiteral("Q_Thd"))), Q_Thsp2(F_DataModule->Q(QStringLiteral("Q_Thsp2"))),
      Q_GoodsHZ(F_DataModule->Q(QStringLiteral("Q_GoodsHZ"))),
      Q_GoodsListTh(F_DataModule->Q(QStringLiteral("Q_GoodsListTh"))),
      Q_GoodsList(F_DataModule->Q(QStringLiteral("Q_GoodsList"))), frxReport1(std::make_unique<Report>())
{
    setObjectName(QStringLiteral("TF_Cgth"));
    setWindowTitle(QStringLiteral("采购退货"));
    resize(1024, 680);
    const DocPages pages = NewDocPages(this, "采购退货", "待审核退货单", "退货查询");
    cxPage = pages.page;
    cxTab1 = pages.entry;
    cxTab2 = pages.pending;
    cxTab3 = pages.query;
    BuildEntryTab();
    BuildPendingTab();
    BuildQueryTab();
    connect(cxPage, &QTabWidget::currentChanged, this, &TF_Cgth::cxPageChange);
    FormCreate();
    PickerCallers::RegisterHandlerCombo(kTh, comUser);
    PickerCallers::RegisterRemarkEdit(kTh, tnote);
    doc.SetHost(EntryDocHost(this));
}

TF_Cgth::~TF_Cgth()
{
    if (F_Cgth == this)
        F_Cgth = nullptr;
}

void TF_Cgth::FormCreate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
}

void TF_Cgth::BuildEntryTab()
{
    auto* box = new QVBoxLayout(cxTab1);
    QGridLayout* head = NewReturnHead(
        cxTab1, box, { "供货商：", "tghs", "出货仓库：", "退货日期：" }, tghs, btnSeleGhs, comCk, dateCg);
    head->addWidget(NamedLabel(cxTab1, "单号"), 0, 6);
    jsn = NewDocNumberLabel(cxTab1, "jsn");
    head->addWidget(jsn, 0, 7);

    RzGroupBox_Btns = NewEntryButtonGroup(
        cxTab1,
        { { &btnAddOld, "btnAddOld", "添加商品(F2)" }, { &btnZdth, "btnZdth", "整单退货" },
            { &btnModi, "btnModi", "修改" }, { &btnDel, "btnDel", "删除" } },
        btnPrin, btnPrin_W, btnPrin_X, [this] { btnPrin_WClick(); }, [this] { btnPrin_XClick(); });
    box->addWidget(RzGroupBox_Btns);

    cxGridView = new DataGrid(cxTab1);
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->SetDataSource(&F_DataModule->D(QStringLiteral("D_Thsp")));
    for (const auto& c : kReturnColumns)
        cxGridView->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    cxGridView->SetFooterVisible(true);
    for (const char* f : { "t_sl", "je", "taxje", "zje" })
        cxGridView->SetFooterSum(cxGridView->ColumnByField(QLatin1String(f)));
    box->addWidget(cxGridView, 1);

    NewReturnBottom(cxTab1, box,
        { "应收金额：", "实收金额：", "tsfje", "余款记入应付帐款", "lfpno", "同时选择收款账户：", true },
        { tyfje, tsfje, comUser, btnUser, tnote, btnDjbz, lfpno, tfpno, tfpje, btnOK, btnCancel, RzPanel_Yhzh, comYhzh,
            btnYhzhClose });

    RzPanelGhs = NewSupplierChooser(cxTab1, tghs);
    RzPanelGhs->btnGhsAdd->hide();

    connect(btnSeleGhs, &QPushButton::clicked, this, &TF_Cgth::btnSeleGhsClick);
    connect(tghs, &QLineEdit::textEdited, this, &TF_Cgth::tghsKeyUp);
    connect(RzPanelGhs->btnGhsModi, &QPushButton::clicked, this, &TF_Cgth::btnGhsModiClick);
    connect(dateCg, &QDateEdit::dateChanged, this, &TF_Cgth::dateCgChange);
    connect(btnAddOld, &QPushButton::clicked, this, &TF_Cgth::btnAddOldClick);
    connect(btnZdth, &QPushButton::clicked, this, &TF_Cgth::btnZdthClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Cgth::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Cgth::btnDelClick);
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnUser, &QPushButton::clicked, this, &TF_Cgth::btnUserClick);
    connect(btnDjbz, &QPushButton::clicked, this, &TF_Cgth::btnDjbzClick);
    connect(btnYhzhClose, &QPushButton::clicked, RzPanel_Yhzh, &QWidget::hide);
    connect(btnOK, &QPushButton::clicked, this, &TF_Cgth::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    for (QLineEdit* e : { tghs, RzPanelGhs->tkey, tnote, tfpno })
        DiscardSearchPunctuation(e);
    for (QWidget* w : std::initializer_list<QWidget*> { tsfje, comCk, comUser, tnote })
        w->installEventFilter(this);
}

bool TF_Cgth::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        if (watched == tsfje)
            tsfjeEnter();
        else
            RzPanel_Yhzh->hide();
        btnUser->setVisible(watched == comUser);
        btnDjbz->setVisible(watched == tnote);
    }
    return Form::eventFilter(watched, e);
}

void TF_Cgth::FormActivate()
{
    btnOK->setEnabled(true);
    if (SkipNextInit == QLatin1String("1")) {
        SkipNextInit = QStringLiteral("0");
        return;
    }
    OpenSupplierList(QString());
    FillEntryCombos(*comUser, QStringLiteral("u_cg"), *comCk, *comYhzh);
    ActiveDocKind = QStringLiteral("cgth");
    const QString handedOver = WholeReturnDocNo;
    WholeReturnDocNo.clear();
    initTab();
    if (!handedOver.isEmpty()) {
        // The goods-in window handed a document over: a fresh number takes its lines.
        jsn->setText(NextDocNoToday(QStringLiteral("jxc_thd"), QStringLiteral("gl_djh"), QStringLiteral("CT")));
        TakeOverWholeReturn(handedOver);
    }
    SkipNextInit = QStringLiteral("0");
    ApplyRightsAndVisibility();
    ApplyListVisibility();
}

void TF_Cgth::ApplyRightsAndVisibility()
{
    const QString cg = QStringLiteral("cggl");
    RzPanelGhs->btnGhsModi->setVisible(HasRight(QStringLiteral("qtcz"), 2));
    lineRights_ = HasRight(cg, 4);
    RzGroupBox_Btns->setEnabled(lineRights_);
    tyfje->setVisible(ShowCostPrice);
    tsfje->setVisible(ShowCostPrice);
    for (QWidget* w : std::initializer_list<QWidget*> { lfpno, tfpno, tfpje })
        w->setVisible(IsTrue(UseInvoices));
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("cj"));
    ShowGridColumns(cxGridView, { "th_dj" }, tax || ShowCostPrice);
    ShowGridColumns(cxGridView, { "zje" }, tax || ShowCostPrice);
    ShowGridColumns(cxGridView, { "th_tax" }, tax);
    ShowGridColumns(cxGridView, { "th_taxdj" }, tax);
    ShowGridColumns(cxGridView, { "th_dzl" }, IsTrue(UseDiscount) && ShowCostPrice);
    ShowGridColumns(cxGridView, { "color_name" }, IsTrue(UseColors));
    SetLineGridFormats(*cxGridView, { "th_dj", "th_taxdj", "je", "taxje", "zje" }, "t_sl");
}

void TF_Cgth::SetDocDate(const QDate& date)
{
    SetDocDateQuietly(dateCg, date);
}

QString TF_Cgth::DocDate() const
{
    return DocDateText(dateCg);
}

void TF_Cgth::initTab()
{
    btnOK->setEnabled(true);
    if (SkipNextInit == QLatin1String("1")) {
        SkipNextInit = QStringLiteral("0");
        return;
    }
    RzPanelGhs->hide();
    tghs->setText(DefaultSupplierName());
    CurrentSupplierSn = DefaultSupplierSn();
    for (QLineEdit* e : { tyfje, tsfje, tfpje })
        e->setText(QStringLiteral("0"));
    tfpno->clear();
    jsn->setText(NextDocNoToday(QStringLiteral("jxc_thd"), QStringLiteral("gl_djh"), QStringLiteral("CT")));
    ChooseDefaultWarehouse(*comCk, *comYhzh);
    tnote->clear();
    ActiveDocKind = QStringLiteral("cgth");
    cxPage->setCurrentWidget(cxTab1);
    openGridViewData(jsn->text());
    // A goods-in taken over stays with its draft until that is saved or discarded.
    if (!EntryHasRows())
        wholeReturnOf.clear();
    updateBottomJe();
    SetDocDate(Clock::Today());
    LastDocDate = DocDate();
}

bool TF_Cgth::EntryHasRows() const
{
    return Q_Thsp.Active() && Q_Thsp.RecordCount() > 0;
}

void TF_Cgth::openGridViewData(const QString& number)
{
    OpenDraftLines(Q_Thsp, doc.Kind(), number);
}

void TF_Cgth::setButtons()
{
    const bool rows = EntryHasRows();
    ShowReturnLineButtons(rows, btnModi, btnDel, btnPrin, tghs, comCk);
    btnSeleGhs->setVisible(!rows);
}

void TF_Cgth::updateBottomJe()
{
    setButtons();
    // Every line of the number counts here, the discount goods and other operators' included.
    double sum = posting::FirstNumber(
        QStringLiteral("select sum(th_zje) from jxc_thsp where gl_djh=:n"), { { QStringLiteral("n"), jsn->text() } });
    if (IsTrue(RoundTotals))
        sum = posting::RoundUp(sum, TotalDecimals.toInt());
    tyfje->setText(NumberText(sum));
    if (PurchasePayDefault == QLatin1String("0"))
        tsfje->setText(tyfje->text());
}

void TF_Cgth::dateCgChange()
{
    if (EntryDateChanged(doc, dateCg, jsn, LastDocDate))
        openGridViewData(jsn->text());
}

void TF_Cgth::btnAddOldClick()
{
    if (tghs->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择供货商！"));
        return;
    }
    FunctionWindows::Open(QStringLiteral("TF_Cgth_Add"), FunctionWindows::Lifetime::Freed);
    openGridViewData(jsn->text());
    updateBottomJe();
}

void TF_Cgth::btnModiClick()
{
    if (ModifyDraftLine(Q_Thsp, QStringLiteral("cgth"), QStringLiteral("TF_Cgth_Sele")))
        updateBottomJe();
}

void TF_Cgth::btnDelClick()
{
    if (!DeleteDraftRow(doc.Kind(), Q_Thsp))
        return;
    openGridViewData(jsn->text());
    if (!EntryHasRows())
        wholeReturnOf.clear();
    updateBottomJe();
}

void TF_Cgth::btnOKClick()
{
    using namespace posting;
    if (SaveRefused(EntryHasRows(), tghs->text(), QStringLiteral("请选择供货商！"), *comUser, *comCk))
        return;
    const QString warehouse = GetComboCode(*comCk, comCk->currentIndex());
    const QString missing = GoodsWithoutStockRow(warehouse, jsn->text());
    Q_Thsp.First();
    if (!missing.isEmpty()) {
        if (IsTrue(AllowZeroStockOut)) {
            if (Prompt::YesNo(QStringLiteral("当前仓库中商品‘") + missing
                    + QStringLiteral("’不存在，\r\n\r\n退货将会出现负库存，是否继续？"))
                == Prompt::Answer::No)
                return;
        } else {
            Prompt::Info(QStringLiteral("当前仓库中商品‘") + missing + QStringLiteral("’库存不足，\r\n\r\n不能退货。"));
            return;
        }
    }
    // Quantities too: a return never drives a combination below zero unless allowed.
    const QString shortage
        = CheckNegativeSizeColorStock(QStringLiteral("jxc_thspmx"), warehouse, jsn->text(), QStringLiteral("出库"));
    if (!shortage.isEmpty()) {
        Prompt::Info(shortage);
        return;
    }
    const std::optional<bool> mode = AskSaveMode(ReturnPendingQuestion(),
        QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“进退货查询”功能中取消审核！"));
    if (!mode)
        return;
    const bool pendingOnly = *mode;
    const QString handler = GetComboCode(*comUser, comUser->currentIndex());
    SaveButtonGuard reenable(btnOK);
    QApplication::processEvents();
    if (IsTrue(RoundTotals))
        tsfje->setText(QString::number(RoundUp(ReturnEditNumber(tsfje), TotalDecimals.toInt()), 'g', 15));
    const int rows = Q_Thsp.RecordCount();
    const QString date = DocDate();

    Transaction t(Db());
    const QString number = RedrawForSave(doc.Kind(), jsn->text(), date);
    InsertRow(QStringLiteral("jxc_thd"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("ghs_sn"), CurrentSupplierSn },
            { QStringLiteral("ck_sn"), warehouse },
            { QStringLiteral("th_thrq"), date + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm")) },
            { QStringLiteral("th_yfje"), -ReturnEditNumber(tyfje) },
            { QStringLiteral("th_sfje"), -ReturnEditNumber(tsfje) }, { QStringLiteral("th_hkje"), 0 },
            { QStringLiteral("u_sn"), handler }, { QStringLiteral("th_note"), tnote->text().trimmed() },
            { QStringLiteral("th_status"), 0 }, { QStringLiteral("th_checker"), QString() },
            { QStringLiteral("th_chkrq"), QString() }, { QStringLiteral("th_jsfs"), 1 },
            { QStringLiteral("th_kmmc"), comYhzh->currentText() },
            { QStringLiteral("th_fpno"), tfpno->text().trimmed() },
            { QStringLiteral("th_fpje"), -ReturnEditNumber(tfpje) }, { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("th_qk"), 0 } });
    jsn->setText(number);
    if (pendingOnly) {
        WriteLog(QStringLiteral("增加未审核采购退货单") + number + QStringLiteral("，共") + QString::number(rows)
            + QStringLiteral("种商品"));
    } else {
        const QString answer = CheckApproveAllowed(number, date);
        if (answer != QLatin1String("ok"))
            Prompt::Info(answer);
        else
            checkDj(number);
    }
    if (!wholeReturnOf.isEmpty())
        MarkWholeReturned(wholeReturnOf, number);
    t.Commit();
    wholeReturnOf.clear();
    WholeReturnDocNo.clear();
    reenable.Done();
    initTab();
}

bool TF_Cgth::checkDj(const QString& number)
{
    const QString warehouse = posting::First(QStringLiteral("select ck_sn from jxc_thd where gl_djh=:n"),
        { { QStringLiteral("n"),
            number } }).toString();
    const QString shortage
        = CheckNegativeSizeColorStock(QStringLiteral("jxc_thspmx"), warehouse, number, QStringLiteral("出库"));
    if (!shortage.isEmpty()) {
        Prompt::Info(shortage);
        return false;
    }
    return doc.Approve(number, CurrentAdminName);
}

bool TF_Cgth::TakeOverWholeReturn(const QString& goodsInNo)
{
    const auto header = CopyWholeReturn(goodsInNo, jsn->text());
    if (!header)
        return false;
    wholeReturnOf = goodsInNo;
    tghs->setText(header->supplierName);
    CurrentSupplierSn = header->supplierSn;
    const int ck = comCk->findText(header->warehouseName);
    if (ck >= 0)
        comCk->setCurrentIndex(ck);
    const int user = comUser->findText(header->handlerName);
    if (user >= 0)
        comUser->setCurrentIndex(user);
    tnote->setText(header->note);
    cxPage->setCurrentWidget(cxTab1);
    openGridViewData(jsn->text());
    setButtons();
    tyfje->setText(NumberText(header->payable));
    tsfje->setText(NumberText(header->paid));
    return true;
}

void TF_Cgth::btnZdthClick()
{
    if (EntryHasRows()) {
        Prompt::Info(QStringLiteral("请先保存本次的退货单据！"));
        return;
    }
    if (tghs->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择供货商！"));
        return;
    }
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请选择仓库！"));
        return;
    }
    if (comUser->count() == 0) {
        Prompt::Info(QStringLiteral("请选择经办人！"));
        return;
    }
    if (TopWindowShown(QStringLiteral("TF_Jthcx"))) {
        Prompt::Info(QStringLiteral("“进退货查询”已经打开，请先关闭“采购退货”窗口再选择退货单据！"));
        return;
    }
    // The query hands the chosen goods-in over; its lines come under this number.
    const QString chosen = ChooseWholeReturn(QStringLiteral("cgth"), QStringLiteral("TF_Jthcx"));
    if (!chosen.isEmpty())
        TakeOverWholeReturn(chosen);
}

void TF_Cgth::btnSeleGhsClick()
{
    RzPanel_Yhzh->hide();
    RzPanelGhs->ShowFiltered(QString());
}

void TF_Cgth::tghsKeyUp()
{
    RzPanelGhs->ShowFiltered(tghs->text().trimmed());
}

void TF_Cgth::btnGhsModiClick()
{
    if (RzPanelGhs->btnGhsModi->isHidden() || RzPanelGhs->cxGridGhsView->RowCount() == 0)
        return;
    FunctionWindows::Open(QStringLiteral("TF_Ghsgl_Modi"), FunctionWindows::Lifetime::Freed);
    OpenSupplierList(QString());
}

void TF_Cgth::btnUserClick()
{
    OpenPickerFor(kTh, QStringLiteral("TF_User2"));
}

void TF_Cgth::btnDjbzClick()
{
    OpenPickerFor(kTh, QStringLiteral("TF_Djbz"));
}

void TF_Cgth::tsfjeEnter()
{
    if (AccountPanelOffered())
        RzPanel_Yhzh->show();
}

bool TF_Cgth::FormCloseQuery()
{
    WholeReturnDocNo.clear();
    return CloseReturnEntry(
        doc, jsn->text(), [this] { return EntryHasRows(); }, [this] { btnOKClick(); },
        [this] { openGridViewData(jsn->text()); }, wholeReturnOf);
}

void TF_Cgth::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Thsp, &Q_Shdj, &Q_Shsp, &Q_Thd, &Q_Thsp2, &Q_GoodsHZ, &Q_GoodsListTh, &Q_GoodsList,
             &F_DataModule->Q(QStringLiteral("Q_Ghsxx")) })
        q->Close();
    F_DataModule->Q_GoodsPrin.Close();
    Form::hideEvent(e);
}

void TF_Cgth::FormKeyDown(int key)
{
    if (!RzPanelGhs->isHidden()) {
        RzPanelGhs->KeyDown(
            key, [] {}, [this] { btnGhsModiClick(); });
        return;
    }
    switch (key) {
    case Qt::Key_F2:
        if (cxPage->currentWidget() == cxTab2)
            btnSearchChkClick();
        else if (cxPage->currentWidget() == cxTab3)
            btnSearch2Click();
        else if (lineRights_ && btnAddOld->isEnabled())
            btnAddOldClick();
        return;
    case Qt::Key_F5:
        if (!RzPanel_Ghs2->isHidden())
            RzPanel_Ghs2->btnGhs2OKClick();
        else if (cxPage->currentWidget() == cxTab1)
            btnOKClick();
        return;
    case Qt::Key_Escape:
        if (!RzPanel_Ghs2->isHidden())
            RzPanel_Ghs2->btnGhs2ExitClick();
        else
            close();
        return;
    default:
        return;
    }
}

void TF_Cgth::keyPressEvent(QKeyEvent* e)
{
    if (!DocWindowKey(e, [this](int key) { FormKeyDown(key); }))
        Form::keyPressEvent(e);
}
