#include "accounts/xjyh.h"

#include "accounts/cashjournal.h"
#include "accounts/cashvoucher.h"
#include "accounts/dialogparts.h"
#include "accounts/xjyhentry.h"
#include "accounts/yhzh.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/gridlayout.h"
#include "foundation/keypreview.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/longrun.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Xjyh* F_Xjyh = nullptr;

namespace {

// The account chosen in a combo; empty for "全部账户".
QString chosenAccount(const KeyedCombo& combo)
{
    if (combo.currentIndex() <= 0)
        return QString();
    return combo.currentText();
}

void fillAccountChoice(KeyedCombo& combo)
{
    FillCombo(combo, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"),
        QStringLiteral("id"), QStringLiteral("全部账户"));
    combo.setCurrentIndex(0);
}

// A query bar: period with presets, account, text and the search button.
QHBoxLayout* queryBar(QWidget* page, QDateEdit* from, QDateEdit* to, QToolButton* presets, KeyedCombo* account,
    QLineEdit* text, QPushButton* search)
{
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询日期："), page));
    bar->addWidget(from);
    bar->addWidget(new QLabel(QStringLiteral("至"), page));
    bar->addWidget(to);
    bar->addWidget(presets);
    bar->addWidget(new QLabel(QStringLiteral("账户名称："), page));
    bar->addWidget(account);
    bar->addWidget(new QLabel(QStringLiteral("单号/单据类型等："), page));
    bar->addWidget(text, 1);
    bar->addWidget(search);
    return bar;
}

// The journal columns shared by the pending and the detail grid.
void journalColumns(DataGrid* g, bool withBalance)
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const int date = g->AddColumn(QStringLiteral("xj_rq"), QStringLiteral("日期"), 110);
    g->AddColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110);
    g->AddColumn(QStringLiteral("xj_dlx"), QStringLiteral("单据类型"), 90);
    const int amount = g->AddColumn(QStringLiteral("xj_je"), QStringLiteral("发生金额"), 90, right);
    const int balance = g->AddColumn(
        QStringLiteral("xj_ljje"), withBalance ? QStringLiteral("累计余额") : QStringLiteral("期末余额"), 90, right);
    g->SetColumnVisible(balance, withBalance);
    g->AddColumn(QStringLiteral("xj_kmmc"), QStringLiteral("账户名称"), 90);
    g->AddColumn(QStringLiteral("ghs_name"), QStringLiteral("往来单位"), 120);
    g->AddColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    g->AddColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    g->AddColumn(QStringLiteral("xj_note"), QStringLiteral("备注"), 160);
    SetRecordCount(*g, date);
    g->SetFooterSum(amount);
    g->SetAutoColumnWidth(true);
}

} // namespace

TF_Xjyh::TF_Xjyh(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Xjyh"));
    setWindowTitle(QStringLiteral("现金银行"));
    SetEscCloses(false);
    SetReactivateAfterModal(true);
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));
    cxTab1 = new QWidget(cxPage);
    cxTab2 = new QWidget(cxPage);
    cxPage->addTab(cxTab1, QStringLiteral("现金银行"));
    cxPage->addTab(cxTab2, QStringLiteral("现金银行统计"));

    // Page 1: pending entries.
    btn_ChaKan = MakeAccountsButton(cxTab1, "btn_ChaKan", QStringLiteral("查看单据"));
    btn_Chuk = MakeAccountsButton(cxTab1, "btn_Chuk", QStringLiteral("出款"));
    btn_Rukuan = MakeAccountsButton(cxTab1, "btn_Rukuan", QStringLiteral("进款"));
    btn_Yhzz = MakeAccountsButton(cxTab1, "btn_Yhzz", QStringLiteral("银行转账"));
    btn_Modi = MakeAccountsButton(cxTab1, "btn_Modi", QStringLiteral("修改"));
    btn_Dele = MakeAccountsButton(cxTab1, "btn_Dele", QStringLiteral("删除"));
    btn_Check = MakeAccountsButton(cxTab1, "btn_Check", QStringLiteral("审核"));
    btn_Qcjz = MakeAccountsButton(cxTab1, "btn_Qcjz", QStringLiteral("期初建账"));
    btn_Export0 = MakeAccountsButton(cxTab1, "btn_Export0", QStringLiteral("导出"));
    btn_Prin = MakeAccountsButton(cxTab1, "btn_Prin", QStringLiteral("打印"));
    btn_Exit = MakeAccountsButton(cxTab1, "btn_Exit", QStringLiteral("退出"));
    auto* tools1 = new QHBoxLayout;
    for (QPushButton* b : { btn_ChaKan, btn_Chuk, btn_Rukuan, btn_Yhzz, btn_Modi, btn_Dele, btn_Check, btn_Qcjz,
             btn_Export0, btn_Prin, btn_Exit })
        tools1->addWidget(b);
    tools1->addStretch(1);
    tdate11 = MakeDateEdit(cxTab1, "tdate11");
    tdate12 = MakeDateEdit(cxTab1, "tdate12");
    btnMenu1 = MakePresetButton(cxTab1, tdate11, tdate12, [this] { btnSearch1Click(); });
    comYhzh = new KeyedCombo(cxTab1);
    comYhzh->setObjectName(QStringLiteral("comYhzh"));
    tKey1 = new QLineEdit(cxTab1);
    tKey1->setObjectName(QStringLiteral("tKey1"));
    tKey1->setPlaceholderText(QStringLiteral("单据号、单据类型、往来单位、备注信息进行查询"));
    btnSearch1 = MakeAccountsButton(cxTab1, "btnSearch1", QStringLiteral("查询(F2)"));
    cxGrid2View = MakeListGrid(cxTab1, "cxGrid2View", QStringLiteral("Q_Xjyh2"));
    journalColumns(cxGrid2View, false);
    popupPending = new QMenu(this);
    btnRChk = popupPending->addAction(QStringLiteral("审核(&Z)"));
    AddLayoutItem(popupPending, cxGrid2View, QStringLiteral("xjyh"));
    auto* page1 = new QVBoxLayout(cxTab1);
    page1->addLayout(tools1);
    page1->addLayout(queryBar(cxTab1, tdate11, tdate12, btnMenu1, comYhzh, tKey1, btnSearch1));
    page1->addWidget(cxGrid2View, 1);

    // Page 2: the approved journal.
    btn_Cxjs = MakeAccountsButton(cxTab2, "btn_Cxjs", QStringLiteral("重新计算"));
    btn_UnChk = MakeAccountsButton(cxTab2, "btn_UnChk", QStringLiteral("取消审核"));
    btn_Export = MakeAccountsButton(cxTab2, "btn_Export", QStringLiteral("导出"));
    btn_Prin2 = MakeAccountsButton(cxTab2, "btn_Prin2", QStringLiteral("打印"));
    btn_Exit2 = MakeAccountsButton(cxTab2, "btn_Exit2", QStringLiteral("退出"));
    rMxb = new QRadioButton(QStringLiteral("明细表"), cxTab2);
    rMxb->setObjectName(QStringLiteral("rMxb"));
    rHzb = new QRadioButton(QStringLiteral("汇总表"), cxTab2);
    rHzb->setObjectName(QStringLiteral("rHzb"));
    auto* tools2 = new QHBoxLayout;
    for (QPushButton* b : { btn_Cxjs, btn_UnChk, btn_Export, btn_Prin2, btn_Exit2 })
        tools2->addWidget(b);
    tools2->addWidget(rMxb);
    tools2->addWidget(rHzb);
    tools2->addStretch(1);
    tdate21 = MakeDateEdit(cxTab2, "tdate21");
    tdate22 = MakeDateEdit(cxTab2, "tdate22");
    btnMenu2 = MakePresetButton(cxTab2, tdate21, tdate22, [this] { btnSearch2Click(); });
    comYhzh2 = new KeyedCombo(cxTab2);
    comYhzh2->setObjectName(QStringLiteral("comYhzh2"));
    tKey2 = new QLineEdit(cxTab2);
    tKey2->setObjectName(QStringLiteral("tKey2"));
    btnSearch2 = MakeAccountsButton(cxTab2, "btnSearch2", QStringLiteral("查询(F2)"));
    views = new QStackedWidget(cxTab2);
    cxGrid3View = MakeListGrid(views, "cxGrid3View", QStringLiteral("Q_Dhxssp"));
    journalColumns(cxGrid3View, true);
    cxGrid1View = MakeListGrid(views, "cxGrid1View", QStringLiteral("Q_Xjyh1"));
    const int colAccount = cxGrid1View->AddColumn(QStringLiteral("xj_kmmc"), QStringLiteral("账户名称"), 140);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    cxGrid1View->SetFooterSum(cxGrid1View->AddColumn(QStringLiteral("sfje"), QStringLiteral("发生金额"), 120, right));
    cxGrid1View->SetFooterSum(cxGrid1View->AddColumn(QStringLiteral("ljje"), QStringLiteral("累计余额"), 120, right));
    SetRecordCount(*cxGrid1View, colAccount);
    cxGrid1View->SetAutoColumnWidth(true);
    views->addWidget(cxGrid3View);
    views->addWidget(cxGrid1View);
    popupDetail = new QMenu(this);
    btnRUnChk = popupDetail->addAction(QStringLiteral("取消审核(&Z)"));
    AddLayoutItem(popupDetail, cxGrid3View, QStringLiteral("xjyhtj"));
    auto* page2 = new QVBoxLayout(cxTab2);
    page2->addLayout(tools2);
    page2->addLayout(queryBar(cxTab2, tdate21, tdate22, btnMenu2, comYhzh2, tKey2, btnSearch2));
    page2->addWidget(views, 1);

    auto* root = new QVBoxLayout(this);
    root->addWidget(cxPage);
    resize(980, 560);

    connect(btn_ChaKan, &QPushButton::clicked, this, [this] { btn_ChaKanClick(); });
    connect(btn_Chuk, &QPushButton::clicked, this, [this] { btn_ChukClick(); });
    connect(btn_Rukuan, &QPushButton::clicked, this, [this] { btn_RukuanClick(); });
    connect(btn_Yhzz, &QPushButton::clicked, this, [this] { btn_YhzzClick(); });
    connect(btn_Modi, &QPushButton::clicked, this, [this] { btn_ModiClick(); });
    connect(btn_Dele, &QPushButton::clicked, this, [this] { btn_DeleClick(); });
    connect(btn_Check, &QPushButton::clicked, this, [this] { btn_CheckClick(); });
    connect(btn_Qcjz, &QPushButton::clicked, this, [this] { btn_QcjzClick(); });
    connect(btn_Export0, &QPushButton::clicked, this, [this] { btn_Export0Click(); });
    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(btnSearch1, &QPushButton::clicked, this, [this] { btnSearch1Click(); });
    connect(btnRChk, &QAction::triggered, this, [this] { btn_CheckClick(); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btn_ModiClick(); });
    connect(cxGrid2View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(popupPending, *cxGrid2View, at); });
    connect(btn_Cxjs, &QPushButton::clicked, this, [this] { btn_CxjsClick(); });
    connect(btn_UnChk, &QPushButton::clicked, this, [this] { btn_UnChkClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Prin2, &QPushButton::clicked, this, [this] { btn_Prin2Click(); });
    connect(btn_Exit2, &QPushButton::clicked, this, [this] { close(); });
    connect(btnSearch2, &QPushButton::clicked, this, [this] { btnSearch2Click(); });
    connect(btnRUnChk, &QAction::triggered, this, [this] { btn_UnChkClick(); });
    connect(cxGrid3View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(popupDetail, *cxGrid3View, at); });
    WirePagedWindow(
        this, cxPage, { rMxb, rHzb }, activating_, [this] { btnSearch2Click(); }, [this] { cxPageChange(); },
        [this](int key) { return FormKeyDown(key); });
}

Query& TF_Xjyh::Pending()
{
    return F_DataModule->Q(QStringLiteral("Q_Xjyh2"));
}
Query& TF_Xjyh::Detail()
{
    return F_DataModule->Q(QStringLiteral("Q_Dhxssp"));
}
Query& TF_Xjyh::Summary()
{
    return F_DataModule->Q(QStringLiteral("Q_Xjyh1"));
}

void TF_Xjyh::FormActivate()
{
    ApplyFontSize(FontSize);
    activating_ = true;
    const Period month = CurrentMonth(Clock::Today());
    SetPeriod(tdate11, tdate12, month);
    SetPeriod(tdate21, tdate22, month);
    cxPage->setCurrentWidget(cxTab2);
    rMxb->setChecked(true);
    tKey1->clear();
    tKey2->clear();
    LoadGridLayout(QStringLiteral("xjyh"), cxGrid2View);
    LoadGridLayout(QStringLiteral("xjyhtj"), cxGrid3View);
    fillAccountChoice(*comYhzh);
    fillAccountChoice(*comYhzh2);
    activating_ = false;
    btnSearch2Click();
    const bool approve = HasRight(QStringLiteral("wlzk"), 15);
    btn_Check->setEnabled(approve);
    btn_UnChk->setEnabled(approve);
    btnRChk->setEnabled(approve);
    btnRUnChk->setEnabled(approve);
    SetAmountFormats();
}

void TF_Xjyh::SetAmountFormats()
{
    ::SetAmountFormats({ { cxGrid2View, QStringLiteral("xj_je") }, { cxGrid3View, QStringLiteral("xj_je") },
        { cxGrid3View, QStringLiteral("xj_ljje") }, { cxGrid1View, QStringLiteral("sfje") },
        { cxGrid1View, QStringLiteral("ljje") } });
}

void TF_Xjyh::done(int result)
{
    Detail().Close();
    Summary().Close();
    Pending().Close();
    Form::done(result);
}

void TF_Xjyh::btnSearch1Click()
{
    OpenQuery(
        Pending(), PendingCashStatement(tdate11->date(), tdate12->date(), chosenAccount(*comYhzh), tKey1->text()));
}

void TF_Xjyh::btnSearch2Click()
{
    const QString account = chosenAccount(*comYhzh2);
    if (rHzb->isChecked()) {
        views->setCurrentWidget(cxGrid1View);
        OpenQuery(Summary(), SummaryCashStatement(tdate21->date(), tdate22->date(), account, tKey2->text()));
    } else {
        views->setCurrentWidget(cxGrid3View);
        OpenQuery(Detail(), DetailCashStatement(tdate21->date(), tdate22->date(), account, tKey2->text()));
    }
}

void TF_Xjyh::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab1)
        btnSearch1Click();
    else
        btnSearch2Click();
}

void TF_Xjyh::checkDj(const QString& number)
{
    ApproveCashEntry(number);
    if (Pending().Active())
        Pending().Requery();
}

void TF_Xjyh::btn_CheckClick()
{
    Query& q = Pending();
    if (!btn_Check->isEnabled() || !q.Active() || q.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要审核当前信息吗！")) == Prompt::Answer::No)
        return;
    checkDj(q.AsString(QStringLiteral("gl_djh")));
}

void TF_Xjyh::btn_UnChkClick()
{
    Query& q = Detail();
    if (!btn_UnChk->isEnabled() || !rMxb->isChecked() || !q.Active() || q.IsEmpty())
        return;
    const QString number = q.AsString(QStringLiteral("gl_djh"));
    const QString refusal = CancelCashEntryRefusal(number);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要取消审核当前信息吗！")) == Prompt::Answer::No)
        return;
    CancelCashEntry(number);
    q.Requery();
}

void TF_Xjyh::btn_DeleClick()
{
    Query& q = Pending();
    if (!q.Active() || q.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除该信息吗！")) != Prompt::Answer::Yes)
        return;
    DeleteCashEntry(q.AsString(QStringLiteral("gl_djh")));
    q.Requery();
}

void TF_Xjyh::btn_ModiClick()
{
    Query& q = Pending();
    if (!q.Active() || q.IsEmpty())
        return;
    const QString number = q.AsString(QStringLiteral("gl_djh"));
    const bool out = number.startsWith(QLatin1String("XC"));
    if (!out && !number.startsWith(QLatin1String("XJ"))) {
        Prompt::Info(QStringLiteral("只能修改出款和入款信息！"));
        return;
    }
    OpenMode = QStringLiteral("modi");
    if (out) {
        TF_Xjyh_Ck dialog(this);
        dialog.ShowModal();
    } else {
        TF_Xjyh_Jk dialog(this);
        dialog.ShowModal();
    }
    OpenMode.clear();
}

void TF_Xjyh::NewEntry(QDialog& dialog)
{
    OpenMode = QStringLiteral("add");
    Prompt::ShowModal(&dialog);
    // A dialog left without saving leaves "add", which names no entry.
    if (IsTrue(ApproveOnSave) && OpenMode != QLatin1String("add"))
        ApproveCashEntry(OpenMode);
    OpenMode.clear();
}

void TF_Xjyh::btn_RukuanClick()
{
    TF_Xjyh_Jk dialog(this);
    NewEntry(dialog);
}

void TF_Xjyh::btn_ChukClick()
{
    TF_Xjyh_Ck dialog(this);
    NewEntry(dialog);
}

void TF_Xjyh::btn_YhzzClick()
{
    TF_Xjyh_Zz dialog(this);
    NewEntry(dialog);
}

void TF_Xjyh::btn_QcjzClick()
{
    TF_Yhzh accounts(this);
    accounts.ShowModal();
    if (Pending().Active())
        Pending().Requery();
}

void TF_Xjyh::btn_CxjsClick()
{
    const QString shown = comYhzh2->currentText();
    if (Prompt::YesNo(QStringLiteral("当前账户：") + shown + QStringLiteral("，") + QStringLiteral("开始计算日期：")
            + tdate21->date().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("\r\n\r\n")
            + QStringLiteral("重新计算可能会修改期末金额，") + QStringLiteral("\r\n\r\n")
            + QStringLiteral("并且不可恢复。现在是否重新计算？"))
        == Prompt::Answer::No)
        return;
    const QString account = chosenAccount(*comYhzh2);
    const int steps = account.isEmpty() ? QueryScalar(QStringLiteral("select count(*) from jxc_yhzh")).toInt() : 1;
    RunWithProgress(this, QStringLiteral("正在重新计算..."), steps,
        [&](const std::function<void(int)>& step) { RecalcCashAccounts(account, tdate21->date(), step); });
    Prompt::Info(QStringLiteral("重新计算完成！"));
    btnSearch2Click();
}

void TF_Xjyh::btn_ChaKanClick()
{
    Query& q = Pending();
    if (!q.Active() || q.IsEmpty())
        return;
    const bool in = q.AsString(QStringLiteral("xj_dlx")) == QStringLiteral("现金银行收款");
    const double stored = q.AsFloat(QStringLiteral("xj_je"));
    CashVoucher v;
    v.title = CompanyShortName + (in ? QStringLiteral("收款单") : QStringLiteral("付款单"));
    v.operatorName = q.AsString(QStringLiteral("a_name"));
    v.handler = q.AsString(QStringLiteral("u_name"));
    v.item = q.AsString(QStringLiteral("xj_dlx"));
    v.account = q.AsString(QStringLiteral("xj_kmmc"));
    v.note = q.AsString(QStringLiteral("xj_note"));
    v.date = q.AsString(QStringLiteral("xj_rq"));
    v.number = q.AsString(QStringLiteral("gl_djh"));
    // A transfer's incoming row prints as a payment with a negative amount.
    v.amount = in ? stored : -stored;
    v.withCompany = true;
    PrintCashVoucher(v);
}

void TF_Xjyh::btn_PrinClick()
{
    Query& q = Pending();
    if (!q.Active() || q.IsEmpty())
        return;
    PrintSearchedList(QStringLiteral("xjyhdsh"), q, tdate11->date(), tdate12->date());
}

void TF_Xjyh::btn_Prin2Click()
{
    const bool summary = rHzb->isChecked();
    Query& q = summary ? Summary() : Detail();
    if (!q.Active() || q.IsEmpty())
        return;
    PrintSearchedList(
        summary ? QStringLiteral("xjyhhzb") : QStringLiteral("xjyhmxb"), q, tdate21->date(), tdate22->date());
}

void TF_Xjyh::btn_Export0Click()
{
    ExportList(*cxGrid2View, ExportRows::OnlyWithRows);
}

void TF_Xjyh::btn_ExportClick()
{
    ExportList(rHzb->isChecked() ? *cxGrid1View : *cxGrid3View, ExportRows::OnlyWithRows, ExportTypes::XlsOnly);
}

bool TF_Xjyh::FormKeyDown(int key)
{
    return PagedWindowKey(this, key, [this] { cxPageChange(); });
}
