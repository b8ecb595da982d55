#include "accounts/yskgl.h"

#include "accounts/dialogparts.h"
#include "documents/viewdocument.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/gridlayout.h"
#include "foundation/keypreview.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/longrun.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

TF_Yskgl* F_Yskgl = nullptr;
TF_Yfkgl* F_Yfkgl = nullptr;

namespace {

const Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

// A balance that is not 0 in cents is drawn in red.
void redWhenNotZero(DataGrid* grid, const QString& field)
{
    const int col = grid->ColumnByField(field);
    grid->SetCellStyler([grid, col, field](int row, int column, CellStyle& style) {
        if (column == col && std::llround(grid->Value(row, field).toDouble() * 100) != 0)
            style.text = Qt::red;
    });
}

} // namespace

PartnerAccountWindow::PartnerAccountWindow(
    const PartnerAccountSide& side, const char* objectName, const QString& caption, QWidget* parent)
    : Form(parent), side_(side)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    SetEscCloses(false);
    // The view, filters and period go back to their start after every dialog and preview.
    SetReactivateAfterModal(true);

    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    btn_Fukuan = MakeAccountsButton(this, "btn_Fukuan", side.settleButton);
    btn_ChaKan = MakeAccountsButton(this, "btn_ChaKan", QStringLiteral("查看单据"));
    btn_Cxjs = MakeAccountsButton(this, "btn_Cxjs", QStringLiteral("重新计算"));
    btn_Export = MakeAccountsButton(this, "btn_Export", QStringLiteral("导出"));
    btn_Prin = MakeAccountsButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Exit = MakeAccountsButton(this, "btn_Exit", QStringLiteral("退出"));
    chkAll = new QCheckBox(side.allPartners, this);
    chkAll->setObjectName(QStringLiteral("chkAll"));
    chkZero = new QCheckBox(side.zeroHidden, this);
    chkZero->setObjectName(QStringLiteral("chkZero"));
    rDjb = new QRadioButton(QStringLiteral("单据表"), this);
    rDjb->setObjectName(QStringLiteral("rDjb"));
    rHzb = new QRadioButton(QStringLiteral("汇总表"), this);
    rHzb->setObjectName(QStringLiteral("rHzb"));
    rMxb = new QRadioButton(QStringLiteral("明细表"), this);
    rMxb->setObjectName(QStringLiteral("rMxb"));
    auto* toolbar = new QHBoxLayout;
    toolbar->addWidget(new QLabel(QStringLiteral("经办人："), this));
    toolbar->addWidget(comUser);
    // A hidden button leaves no gap: the layout closes it.
    for (QPushButton* b : { btn_Fukuan, btn_ChaKan, btn_Cxjs, btn_Export, btn_Prin, btn_Exit })
        toolbar->addWidget(b);
    toolbar->addWidget(chkAll);
    toolbar->addWidget(chkZero);
    toolbar->addStretch(1);
    toolbar->addWidget(rDjb);
    toolbar->addWidget(rHzb);
    toolbar->addWidget(rMxb);

    const PartnerSearchRow row
        = MakePartnerSearchRow(this, side.customers, "tdate1", "tdate2", [this] { btnSearch1Click(); });
    tdate1 = row.from;
    tdate2 = row.to;
    btnMenu = row.presets;
    tPartnerName = row.partner;
    btnGhsSele = row.pick;
    tDocKey = row.key;
    btnSearch1 = row.search;

    views = new QStackedWidget(this);
    BuildGrids();
    partnerPanel
        = new PartnerPanel(this, side.customers ? PartnerPanel::Side::Customers : PartnerPanel::Side::Suppliers,
            tPartnerName, PickedPartner(), [this] { btnSearch1Click(); });
    PopupMenu1 = new QMenu(this);
    mnuSettle = PopupMenu1->addAction(side.customers ? QStringLiteral("单据收款(&Z)") : QStringLiteral("单据付款(&Z)"));
    AddLayoutItem(PopupMenu1, cxGrid1View, side.layout);

    auto* root = new QVBoxLayout(this);
    root->addLayout(toolbar);
    root->addLayout(row.layout);
    root->addWidget(views, 1);
    resize(1040, 580);

    connect(btn_Fukuan, &QPushButton::clicked, this, [this] { btn_FukuanClick(); });
    connect(mnuSettle, &QAction::triggered, this, [this] { btn_FukuanClick(); });
    connect(btn_ChaKan, &QPushButton::clicked, this, [this] { btn_ChaKanClick(); });
    connect(btn_Cxjs, &QPushButton::clicked, this, [this] { btn_CxjsClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(btnGhsSele, &QToolButton::clicked, this, [this] { partnerPanel->Open(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(cxGrid1View, &DataGrid::rightClicked, this, [this](const QPoint& at) { cxGrid1ViewMouseUp(at); });
    for (QRadioButton* r : { rDjb, rHzb, rMxb })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !activating_)
                ViewChange();
        });
    for (QCheckBox* c : { chkAll, chkZero })
        connect(c, &QCheckBox::toggled, this, [this] {
            if (!activating_)
                btnSearch1Click();
        });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void PartnerAccountWindow::BuildGrids()
{
    const bool kh = side_.customers;
    const QString code = kh ? QStringLiteral("客户编号") : QStringLiteral("供货商编号");
    const QString name = kh ? QStringLiteral("客户名称") : QStringLiteral("供货商名称");
    const PartnerAccountSide& s = side_;

    cxGrid1View = MakeListGrid(views, "cxGrid1View", QStringLiteral("Q_Ysk"));
    DataGrid* g = cxGrid1View;
    const int colCode = g->AddColumn(QStringLiteral("k_ghskh"), code, 80);
    g->AddColumn(s.partnerName, name, 140);
    g->AddColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110);
    g->AddColumn(QStringLiteral("k_rq"), QStringLiteral("开单日期"), 110);
    g->AddColumn(QStringLiteral("k_fkfs"), s.moneyNoun + QStringLiteral("方式"), 80);
    g->AddColumn(QStringLiteral("k_djtxt"), QStringLiteral("单据类型"), 80);
    const QString paidCaption = QStringLiteral("本期已") + s.moneyNoun.left(1);
    g->SetFooterSum(g->AddColumn(QStringLiteral("k_qcje"), s.Label("期初"), 90, kRight));
    g->SetFooterSum(g->AddColumn(QStringLiteral("k_yfje"), s.Label("本期"), 90, kRight));
    g->SetFooterSum(g->AddColumn(QStringLiteral("k_sfje"), paidCaption, 90, kRight));
    g->AddColumn(QStringLiteral("k_ljje"), s.Label("期末"), 90, kRight);
    g->AddColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    g->AddColumn(QStringLiteral("k_note"), QStringLiteral("备注"), 160);
    SetRecordCount(*g, colCode);
    redWhenNotZero(g, QStringLiteral("k_ljje"));

    cxGrid2View = MakeListGrid(views, "cxGrid2View", QStringLiteral("Q_Yskhz"));
    g = cxGrid2View;
    const int colCode2 = g->AddColumn(QStringLiteral("k_ghskh"), code, 80);
    g->AddColumn(s.partnerName, name, 160);
    g->SetFooterSum(g->AddColumn(QStringLiteral("qcje"), s.Label("期初"), 100, kRight));
    g->SetFooterSum(g->AddColumn(QStringLiteral("yfje"), s.Label("本期"), 100, kRight));
    g->SetFooterSum(g->AddColumn(QStringLiteral("sfje"), paidCaption, 100, kRight));
    g->SetFooterSum(g->AddColumn(QStringLiteral("wfje"), s.Label("期末"), 100, kRight));
    SetRecordCount(*g, colCode2);
    redWhenNotZero(g, QStringLiteral("wfje"));

    cxGrid3View = MakeListGrid(views, "cxGrid3View", QStringLiteral("Q_Jhsp2"));
    g = cxGrid3View;
    const int colCode3 = g->AddColumn(QStringLiteral("k_ghskh"), code, 80);
    g->AddColumn(s.partnerName, name, 120);
    g->AddColumn(QStringLiteral("k_rq"), QStringLiteral("开单日期"), 110);
    g->AddColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110);
    g->AddColumn(QStringLiteral("djlx"), QStringLiteral("单据类型"), 70);
    g->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 80);
    g->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 110);
    g->AddColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 70);
    g->AddColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 50);
    g->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 40);
    g->AddColumn(QStringLiteral("gl_dj"), QStringLiteral("单价"), 70, kRight);
    g->AddColumn(QStringLiteral("gl_dzl"), QStringLiteral("打折率"), 50, kRight);
    g->SetFooterSum(g->AddColumn(QStringLiteral("gl_sl"), QStringLiteral("数量"), 60, kRight));
    g->SetFooterSum(g->AddColumn(QStringLiteral("gl_je"), QStringLiteral("金额"), 80, kRight));
    g->AddColumn(QStringLiteral("gl_tax"), QStringLiteral("税率"), 50, kRight);
    g->AddColumn(QStringLiteral("gl_taxdj"), QStringLiteral("含税单价"), 70, kRight);
    g->SetFooterSum(g->AddColumn(QStringLiteral("gl_taxje"), QStringLiteral("税额"), 70, kRight));
    g->SetFooterSum(g->AddColumn(QStringLiteral("gl_zje"), s.Label("") + QStringLiteral("金额"), 90, kRight));
    g->AddColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    SetRecordCount(*g, colCode3);

    for (DataGrid* grid : { cxGrid1View, cxGrid2View, cxGrid3View }) {
        grid->SetAutoColumnWidth(true);
        views->addWidget(grid);
    }
}

Query& PartnerAccountWindow::Documents()
{
    return F_DataModule->Q(QStringLiteral("Q_Ysk"));
}
Query& PartnerAccountWindow::Summary()
{
    return F_DataModule->Q(QStringLiteral("Q_Yskhz"));
}
Query& PartnerAccountWindow::Detail()
{
    return F_DataModule->Q(QStringLiteral("Q_Jhsp2"));
}

QString& PartnerAccountWindow::PickedPartner() const
{
    return side_.customers ? CurrentCustomerSn : CurrentSupplierSn;
}

void PartnerAccountWindow::FormActivate()
{
    ApplyFontSize(FontSize);
    activating_ = true;
    views->setCurrentWidget(cxGrid1View);
    partnerPanel->Reset();
    FillStaffCombo(*comUser, QString(), QStringLiteral("所有经办人"));
    comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    tDocKey->clear();
    if (side_.customers)
        OpenCustomerList(QStringLiteral("0"));
    else
        OpenSupplierList(QStringLiteral("0"));
    LoadGridLayout(side_.layout, cxGrid1View);
    const bool settle = IsTrue(side_.customers ? UseDocCollection : UseDocPayment);
    btn_Fukuan->setVisible(settle);
    btn_Fukuan->setEnabled(FunctionWindows::Available(side_.settleWindow));
    mnuSettle->setEnabled(settle);
    rDjb->setChecked(true);
    chkAll->setChecked(false);
    chkAll->hide();
    chkZero->setChecked(false);
    chkZero->show();
    activating_ = false;
    btnSearch1Click();
    SetColumnFormats();
}

void PartnerAccountWindow::SetColumnFormats()
{
    const QList<QPair<DataGrid*, QStringList>> amounts { { cxGrid1View,
                                                             { QStringLiteral("k_qcje"), QStringLiteral("k_yfje"),
                                                                 QStringLiteral("k_sfje"), QStringLiteral("k_ljje") } },
        { cxGrid2View,
            { QStringLiteral("qcje"), QStringLiteral("yfje"), QStringLiteral("sfje"), QStringLiteral("wfje") } },
        { cxGrid3View,
            { QStringLiteral("gl_dj"), QStringLiteral("gl_je"), QStringLiteral("gl_taxdj"), QStringLiteral("gl_taxje"),
                QStringLiteral("gl_zje") } } };
    QList<QPair<DataGrid*, QString>> columns;
    for (const auto& [grid, fields] : amounts)
        for (const QString& field : fields)
            columns.append({ grid, field });
    SetAmountFormats(columns);
    const int qty = cxGrid3View->ColumnByField(QStringLiteral("gl_sl"));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid3View, qty));
    SetQtySummaryFormat(GridFooterFormat(*cxGrid3View, qty));
    const bool tax = side_.customers ? IsTrue(UseTaxPrice) : IsTrueFor(UseTaxPrice, QStringLiteral("cj"));
    for (const char* field : { "gl_taxdj", "gl_je", "gl_taxje", "gl_tax" })
        cxGrid3View->SetColumnVisible(cxGrid3View->ColumnByField(QString::fromLatin1(field)), tax);
    cxGrid3View->SetColumnVisible(cxGrid3View->ColumnByField(QStringLiteral("gl_dzl")), IsTrue(UseDiscount));
}

void PartnerAccountWindow::FormClose()
{
    F_DataModule->Q(side_.customers ? QStringLiteral("Q_Khxx") : QStringLiteral("Q_Ghsxx")).Close();
    Documents().Close();
    Summary().Close();
    Detail().Close();
}

void PartnerAccountWindow::done(int result)
{
    FormClose();
    Form::done(result);
}

void PartnerAccountWindow::ViewChange()
{
    activating_ = true;
    chkAll->setChecked(false);
    chkZero->setChecked(false);
    if (rDjb->isChecked()) {
        views->setCurrentWidget(cxGrid1View);
        chkAll->hide();
        chkZero->show();
    } else if (rHzb->isChecked()) {
        views->setCurrentWidget(cxGrid2View);
        chkAll->show();
        chkZero->show();
    } else {
        views->setCurrentWidget(cxGrid3View);
        chkAll->hide();
        chkZero->hide();
    }
    activating_ = false;
    btnSearch1Click();
}

PartnerAccountFilter PartnerAccountWindow::Filter() const
{
    PartnerAccountFilter f;
    f.from = tdate1->date();
    f.to = tdate2->date();
    if (!tPartnerName->text().trimmed().isEmpty())
        f.partner = partnerPanel->SearchCode();
    const int user = comUser->currentIndex();
    f.handlerSn = user >= 0 ? comUser->Code(user) : QStringLiteral("-1");
    f.handlerName = comUser->currentText();
    f.key = tDocKey->text();
    f.zeroHidden = chkZero->isChecked();
    f.allPartners = chkAll->isChecked();
    return f;
}

void PartnerAccountWindow::btnSearch1Click()
{
    partnerPanel->hide();
    const PartnerAccountFilter f = Filter();
    if (rHzb->isChecked()) {
        OpenQuery(Summary(), PartnerSummaryStatement(side_, f));
    } else if (rMxb->isChecked()) {
        OpenQuery(Detail(), PartnerDetailStatement(side_, f));
    } else {
        OpenQuery(Documents(), PartnerDocumentStatement(side_, f));
        cxGrid1View->setFocus();
    }
}

void PartnerAccountWindow::btn_FukuanClick()
{
    Query& q = Documents();
    const bool documentView = rDjb->isChecked();
    if (documentView && (!q.Active() || q.IsEmpty()))
        return;
    const QString number = documentView ? q.AsString(QStringLiteral("gl_djh")) : QString();
    const QString refusal = SettleRefusal(side_, documentView, number,
        q.Active() ? q.AsFloat(QStringLiteral("k_yfje")) : 0, q.Active() ? q.AsFloat(QStringLiteral("k_sfje")) : 0);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    SelectedSn = number;
    ResultText.clear();
    FunctionWindows::Open(side_.settleWindow, FunctionWindows::Lifetime::Freed);
    if (!ResultText.isEmpty())
        OpenQuery(Documents(), PartnerDocumentStatement(side_, Filter()));
}

void PartnerAccountWindow::btn_ChaKanClick()
{
    Query& q = Documents();
    if (!rDjb->isChecked() || !q.Active() || q.IsEmpty())
        return;
    const QString number = q.AsString(QStringLiteral("gl_djh"));
    if (number.isEmpty() || !CanViewPartnerDocument(side_, number))
        return;
    ViewDocument(number);
}

void PartnerAccountWindow::btn_CxjsClick()
{
    const QString name = tPartnerName->text().trimmed();
    const QString code = name.isEmpty() ? QString() : PickedPartner();
    OpenMode.clear();
    if (side_.customers) {
        TF_Yskgl_Js dialog(name, code, tdate1->date(), this);
        dialog.ShowModal();
    } else {
        TF_Yfkgl_Js dialog(name, code, tdate1->date(), this);
        dialog.ShowModal();
    }
    if (OpenMode == QLatin1String("1") && !rMxb->isChecked())
        btnSearch1Click();
    OpenMode.clear();
}

void PartnerAccountWindow::btn_PrinClick()
{
    if (rHzb->isChecked()) {
        if (Summary().Active() && !Summary().IsEmpty())
            PrintSearchedList(side_.summaryTemplate, Summary(), tdate1->date(), tdate2->date());
    } else if (rMxb->isChecked()) {
        const QString name = tPartnerName->text().trimmed();
        if (Detail().Active() && !Detail().IsEmpty())
            PrintSearchedList(side_.detailTemplate, Detail(), tdate1->date(), tdate2->date(),
                { { QStringLiteral("kh"), name.isEmpty() ? side_.allPartners : name } });
    } else if (Documents().Active() && !Documents().IsEmpty()) {
        PrintSearchedList(side_.docTemplate, Documents(), tdate1->date(), tdate2->date());
    }
}

void PartnerAccountWindow::btn_ExportClick()
{
    DataGrid* shown = rHzb->isChecked() ? cxGrid2View : rMxb->isChecked() ? cxGrid3View : cxGrid1View;
    ExportList(*shown, ExportRows::Always, ExportTypes::XlsOnly);
}

void PartnerAccountWindow::cxGrid1ViewMouseUp(const QPoint& at)
{
    if (!btn_Fukuan->isHidden()) {
        const QString number = Documents().Active() && !Documents().IsEmpty()
            ? Documents().AsString(QStringLiteral("gl_djh"))
            : QString();
        mnuSettle->setEnabled(number.startsWith(side_.outPrefix) || number.startsWith(side_.backPrefix));
    }
    PopupWhenRows(PopupMenu1, *cxGrid1View, at);
}

bool PartnerAccountWindow::FormKeyDown(int key)
{
    return PartnerListKey(this, partnerPanel, key, [this] { btnSearch1Click(); });
}

TF_Yskgl::TF_Yskgl(QWidget* parent)
    : PartnerAccountWindow(ReceivableSide(), "TF_Yskgl", QStringLiteral("应收款管理"), parent)
{
}

TF_Yfkgl::TF_Yfkgl(QWidget* parent)
    : PartnerAccountWindow(PayableSide(), "TF_Yfkgl", QStringLiteral("应付款管理"), parent)
{
}

PartnerRecalcDialog::PartnerRecalcDialog(const PartnerAccountSide& side, const QString& partnerName,
    const QString& partnerCode, const QDate& from, QWidget* parent)
    : Form(parent), side_(side), code_(partnerCode), from_(from)
{
    setObjectName(side.customers ? QStringLiteral("TF_Yskgl_Js") : QStringLiteral("TF_Yfkgl_Js"));
    setWindowTitle(side.customers ? QStringLiteral("重新计算应收款") : QStringLiteral("重新计算应付款"));
    SetEscCloses(false);
    lPartner = new QLabel(partnerName.isEmpty() ? side.allPartners : partnerName, this);
    lPartner->setObjectName(QStringLiteral("lPartner"));
    lDate = new QLabel(from.toString(QStringLiteral("yyyy-MM-dd")), this);
    lDate->setObjectName(QStringLiteral("lDate"));
    const QString noun = side.dueNoun;
    auto* note = new QLabel(QStringLiteral("重新计算") + noun
            + QStringLiteral("款说明\n\n一般情况下不需要重新计算。只有当期末") + noun + QStringLiteral("与期初") + noun
            + QStringLiteral("、本期") + noun + QStringLiteral("、本期已") + side.moneyNoun.left(1)
            + QStringLiteral("不相符时，才需要重新计算。"),
        this);
    note->setWordWrap(true);
    btnSave = MakeAccountsButton(this, "btnSave", QStringLiteral("确定(F5)"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(side.customers ? QStringLiteral("客户名称：") : QStringLiteral("供货商名称："), lPartner);
    form->addRow(QStringLiteral("开始计算日期："), lDate);
    form->addRow(note);
    LayOutDialog(this, form, nullptr, { btnSave, btnExit });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { reject(); });
    InstallConfirmKeys(this, [this] { btnSaveClick(); });
}

void PartnerRecalcDialog::btnSaveClick()
{
    if (Prompt::YesNo(QStringLiteral("重新计算可能会修改期末应付金额，\r\n\r\n并且不可恢复。现在是否重新计算？"))
        == Prompt::Answer::Yes) {
        RunWithProgress(this, QStringLiteral("正在重新计算..."), PartnerCount(side_, code_),
            [&](const std::function<void(int)>& step) { RecalcPartnerAccounts(side_, code_, from_, step); });
        OpenMode = QStringLiteral("1");
        Prompt::Info(QStringLiteral("重新计算完成！"));
    }
    accept();
}

TF_Yskgl_Js::TF_Yskgl_Js(const QString& partnerName, const QString& partnerCode, const QDate& from, QWidget* parent)
    : PartnerRecalcDialog(ReceivableSide(), partnerName, partnerCode, from, parent)
{
}

TF_Yfkgl_Js::TF_Yfkgl_Js(const QString& partnerName, const QString& partnerCode, const QDate& from, QWidget* parent)
    : PartnerRecalcDialog(PayableSide(), partnerName, partnerCode, from, parent)
{
}
