#include "accounts/fyjsr.h"

#include "accounts/dialogparts.h"
#include "accounts/expenses.h"
#include "accounts/fyjsradd.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
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

TF_Fyjsr* F_Fyjsr = nullptr;

namespace {

KeyedCombo* fyjsrCombo(QWidget* parent, const char* name)
{
    auto* c = new KeyedCombo(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

// The record columns of the pending and the detail grid.
void recordColumns(DataGrid* g, bool detail)
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const int number = g->AddColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 110);
    g->AddColumn(QStringLiteral("fy_rq"), QStringLiteral("日期"), 110);
    g->SetFooterSum(g->AddColumn(QStringLiteral("fy_je"), QStringLiteral("金额"), 90, right));
    g->AddColumn(QStringLiteral("de_name"), detail ? QStringLiteral("部门名称") : QStringLiteral("部门"), 90);
    g->AddColumn(QStringLiteral("fy_kmmc"), QStringLiteral("账户名称"), 90);
    g->AddColumn(QStringLiteral("fy_lx"), QStringLiteral("费用类型"), 90);
    if (detail) {
        g->AddColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
        g->AddColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    } else {
        g->AddColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
        g->AddColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    }
    g->AddColumn(QStringLiteral("fy_note"), QStringLiteral("备注"), 160);
    SetRecordCount(*g, number);
    g->SetAutoColumnWidth(true);
}

void fillTypeChoice(KeyedCombo& combo)
{
    FillCombo(combo, QStringLiteral("jxc_fylx"), QStringLiteral("fy_lx"), QStringLiteral("id"), QStringLiteral("id"),
        QStringLiteral("全部项目"));
    combo.setCurrentIndex(0);
}

void fillDeptChoice(KeyedCombo& combo)
{
    FillCombo(combo, QStringLiteral("jxc_dept"), QStringLiteral("de_name"), QStringLiteral("de_sn"),
        QStringLiteral("id"), QStringLiteral("所有部门"));
    combo.setCurrentIndex(0);
}

ExpenseFilter filterOf(
    const QDateEdit* from, const QDateEdit* to, const KeyedCombo& type, const KeyedCombo& dept, const QString& text)
{
    ExpenseFilter f;
    f.from = from->date();
    f.to = to->date();
    f.type = type.currentIndex() > 0 ? type.currentText() : QString();
    f.dept = dept.currentIndex() > 0 ? dept.Code(dept.currentIndex()) : QString();
    f.text = text;
    return f;
}

QHBoxLayout* expenseQueryBar(
    QWidget* page, QDateEdit* from, QDateEdit* to, QToolButton* presets, KeyedCombo* type, KeyedCombo* dept)
{
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询日期："), page));
    bar->addWidget(from);
    bar->addWidget(new QLabel(QStringLiteral("至"), page));
    bar->addWidget(to);
    bar->addWidget(presets);
    bar->addWidget(new QLabel(QStringLiteral("项目类型："), page));
    bar->addWidget(type);
    bar->addWidget(new QLabel(QStringLiteral("部门名称："), page));
    bar->addWidget(dept);
    return bar;
}

} // namespace

TF_Fyjsr::TF_Fyjsr(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Fyjsr"));
    setWindowTitle(QStringLiteral("费用及收入"));
    SetEscCloses(false);
    SetReactivateAfterModal(true);
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));
    cxTab1 = new QWidget(cxPage);
    cxTab2 = new QWidget(cxPage);
    cxPage->addTab(cxTab1, QStringLiteral("费用及收入"));
    cxPage->addTab(cxTab2, QStringLiteral("费用及收入统计"));

    btn_AddSr = MakeAccountsButton(cxTab1, "btn_AddSr", QStringLiteral("增加收入"));
    btn_AddFy = MakeAccountsButton(cxTab1, "btn_AddFy", QStringLiteral("增加费用"));
    btn_Modi = MakeAccountsButton(cxTab1, "btn_Modi", QStringLiteral("修改"));
    btn_Dele = MakeAccountsButton(cxTab1, "btn_Dele", QStringLiteral("删除"));
    btn_Check = MakeAccountsButton(cxTab1, "btn_Check", QStringLiteral("审核全部"));
    btn_Prin = MakeAccountsButton(cxTab1, "btn_Prin", QStringLiteral("打印"));
    btn_Export0 = MakeAccountsButton(cxTab1, "btn_Export0", QStringLiteral("导出"));
    btn_ChaKan = MakeAccountsButton(cxTab1, "btn_ChaKan", QStringLiteral("查看单据"));
    btn_Exit = MakeAccountsButton(cxTab1, "btn_Exit", QStringLiteral("退出"));
    auto* tools1 = new QHBoxLayout;
    for (QPushButton* b :
        { btn_AddSr, btn_AddFy, btn_Modi, btn_Dele, btn_Check, btn_Prin, btn_Export0, btn_ChaKan, btn_Exit })
        tools1->addWidget(b);
    tools1->addStretch(1);
    tdate11 = MakeDateEdit(cxTab1, "tdate11");
    tdate12 = MakeDateEdit(cxTab1, "tdate12");
    btnMenu1 = MakePresetButton(cxTab1, tdate11, tdate12, [this] { btnSearch1Click(); });
    comFylx = fyjsrCombo(cxTab1, "comFylx");
    comDept = fyjsrCombo(cxTab1, "comDept");
    btnSearch1 = MakeAccountsButton(cxTab1, "btnSearch1", QStringLiteral("查询(F2)"));
    auto* bar1 = expenseQueryBar(cxTab1, tdate11, tdate12, btnMenu1, comFylx, comDept);
    bar1->addStretch(1);
    bar1->addWidget(btnSearch1);
    cxGrid2View = MakeListGrid(cxTab1, "cxGrid2View", QStringLiteral("Q_Fysr2"));
    recordColumns(cxGrid2View, false);
    popupPending = new QMenu(this);
    btnRChk = popupPending->addAction(QStringLiteral("审核(&Z)"));
    auto* page1 = new QVBoxLayout(cxTab1);
    page1->addLayout(tools1);
    page1->addLayout(bar1);
    page1->addWidget(cxGrid2View, 1);

    btn_UnChk = MakeAccountsButton(cxTab2, "btn_UnChk", QStringLiteral("取消审核"));
    btn_ChaKan2 = MakeAccountsButton(cxTab2, "btn_ChaKan2", QStringLiteral("查看单据"));
    btn_Prin2 = MakeAccountsButton(cxTab2, "btn_Prin2", QStringLiteral("打印"));
    btn_Export = MakeAccountsButton(cxTab2, "btn_Export", QStringLiteral("导出"));
    btn_Exit2 = MakeAccountsButton(cxTab2, "btn_Exit2", QStringLiteral("退出"));
    rMxb = new QRadioButton(QStringLiteral("明细表"), cxTab2);
    rMxb->setObjectName(QStringLiteral("rMxb"));
    rHzb = new QRadioButton(QStringLiteral("汇总表"), cxTab2);
    rHzb->setObjectName(QStringLiteral("rHzb"));
    auto* tools2 = new QHBoxLayout;
    for (QPushButton* b : { btn_UnChk, btn_ChaKan2, btn_Prin2, btn_Export, btn_Exit2 })
        tools2->addWidget(b);
    tools2->addWidget(rMxb);
    tools2->addWidget(rHzb);
    tools2->addStretch(1);
    tdate21 = MakeDateEdit(cxTab2, "tdate21");
    tdate22 = MakeDateEdit(cxTab2, "tdate22");
    btnMenu2 = MakePresetButton(cxTab2, tdate21, tdate22, [this] { btnSearch2Click(); });
    comFylx2 = fyjsrCombo(cxTab2, "comFylx2");
    comDept2 = fyjsrCombo(cxTab2, "comDept2");
    tkey = new QLineEdit(cxTab2);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setMinimumWidth(160);
    btnSearch2 = MakeAccountsButton(cxTab2, "btnSearch2", QStringLiteral("查询(F2)"));
    auto* bar2 = expenseQueryBar(cxTab2, tdate21, tdate22, btnMenu2, comFylx2, comDept2);
    bar2->addWidget(new QLabel(QStringLiteral("单据号/账户/备注："), cxTab2));
    bar2->addWidget(tkey, 1);
    bar2->addWidget(new QLabel(QStringLiteral("明细表可以查询经办人"), cxTab2));
    bar2->addWidget(btnSearch2);
    views = new QStackedWidget(cxTab2);
    cxGrid1View = MakeListGrid(views, "cxGrid1View", QStringLiteral("Q_Fysr1"));
    recordColumns(cxGrid1View, true);
    cxGrid3View = MakeListGrid(views, "cxGrid3View", QStringLiteral("Q_DhxsHZ"));
    const int colDept = cxGrid3View->AddColumn(QStringLiteral("de_name"), QStringLiteral("部门名称"), 110);
    cxGrid3View->AddColumn(QStringLiteral("fy_lx"), QStringLiteral("项目名称"), 110);
    cxGrid3View->SetFooterSum(cxGrid3View->AddColumn(
        QStringLiteral("fyje"), QStringLiteral("总金额"), 100, Qt::AlignRight | Qt::AlignVCenter));
    cxGrid3View->AddColumn(QStringLiteral("fy_note"), QStringLiteral("附加说明"), 200);
    SetRecordCount(*cxGrid3View, colDept);
    cxGrid3View->SetAutoColumnWidth(true);
    views->addWidget(cxGrid1View);
    views->addWidget(cxGrid3View);
    popupDetail = new QMenu(this);
    btnRUnChk = popupDetail->addAction(QStringLiteral("取消审核(&Z)"));
    auto* page2 = new QVBoxLayout(cxTab2);
    page2->addLayout(tools2);
    page2->addLayout(bar2);
    page2->addWidget(views, 1);

    auto* root = new QVBoxLayout(this);
    root->addWidget(cxPage);
    resize(1000, 560);

    connect(btn_AddSr, &QPushButton::clicked, this, [this] { btn_AddSrClick(); });
    connect(btn_AddFy, &QPushButton::clicked, this, [this] { btn_AddFyClick(); });
    connect(btn_Modi, &QPushButton::clicked, this, [this] { btn_ModiClick(); });
    connect(btn_Dele, &QPushButton::clicked, this, [this] { btn_DeleClick(); });
    connect(btn_Check, &QPushButton::clicked, this, [this] { btn_CheckClick(); });
    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Export0, &QPushButton::clicked, this, [this] { btn_Export0Click(); });
    connect(btn_ChaKan, &QPushButton::clicked, this, [this] { btn_ChaKanClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(btnSearch1, &QPushButton::clicked, this, [this] { btnSearch1Click(); });
    connect(btnRChk, &QAction::triggered, this, [this] { btnRChkClick(); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btn_ModiClick(); });
    connect(cxGrid2View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(popupPending, *cxGrid2View, at); });
    connect(btn_UnChk, &QPushButton::clicked, this, [this] { btn_UnChkClick(); });
    connect(btn_ChaKan2, &QPushButton::clicked, this, [this] { btn_ChaKan2Click(); });
    connect(btn_Prin2, &QPushButton::clicked, this, [this] { btn_Prin2Click(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Exit2, &QPushButton::clicked, this, [this] { close(); });
    connect(btnSearch2, &QPushButton::clicked, this, [this] { btnSearch2Click(); });
    connect(btnRUnChk, &QAction::triggered, this, [this] { btn_UnChkClick(); });
    connect(cxGrid1View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        if (rMxb->isChecked())
            PopupWhenRows(popupDetail, *cxGrid1View, at);
    });
    WirePagedWindow(
        this, cxPage, { rMxb, rHzb }, activating_, [this] { btnSearch2Click(); }, [this] { cxPageChange(); },
        [this](int key) { return FormKeyDown(key); });
}

Query& TF_Fyjsr::Pending()
{
    return F_DataModule->Q(QStringLiteral("Q_Fysr2"));
}
Query& TF_Fyjsr::Detail()
{
    return F_DataModule->Q(QStringLiteral("Q_Fysr1"));
}
Query& TF_Fyjsr::Summary()
{
    return F_DataModule->Q(QStringLiteral("Q_DhxsHZ"));
}

void TF_Fyjsr::FormActivate()
{
    ApplyFontSize(FontSize);
    activating_ = true;
    const Period month = CurrentMonth(Clock::Today());
    SetPeriod(tdate11, tdate12, month);
    SetPeriod(tdate21, tdate22, month);
    tkey->clear();
    fillTypeChoice(*comFylx);
    fillTypeChoice(*comFylx2);
    fillDeptChoice(*comDept);
    fillDeptChoice(*comDept2);
    cxPage->setCurrentWidget(cxTab2);
    rMxb->setChecked(true);
    activating_ = false;
    btnSearch2Click();
    const bool approve = HasRight(QStringLiteral("wlzk"), 14);
    for (QPushButton* b : { btn_Check, btn_UnChk })
        b->setEnabled(approve);
    btnRChk->setEnabled(approve);
    btnRUnChk->setEnabled(approve);
    SetAmountFormats({ { cxGrid2View, QStringLiteral("fy_je") }, { cxGrid1View, QStringLiteral("fy_je") },
        { cxGrid3View, QStringLiteral("fyje") } });
}

void TF_Fyjsr::FormClose()
{
    Detail().Close();
    Pending().Close();
    Summary().Close();
}

void TF_Fyjsr::done(int result)
{
    FormClose();
    Form::done(result);
}

void TF_Fyjsr::btnSearch1Click()
{
    OpenQuery(Pending(), PendingExpenseStatement(filterOf(tdate11, tdate12, *comFylx, *comDept, QString())));
}

void TF_Fyjsr::btnSearch2Click()
{
    const ExpenseFilter f = filterOf(tdate21, tdate22, *comFylx2, *comDept2, tkey->text());
    if (rHzb->isChecked()) {
        views->setCurrentWidget(cxGrid3View);
        OpenQuery(Summary(), SummaryExpenseStatement(f));
    } else {
        views->setCurrentWidget(cxGrid1View);
        OpenQuery(Detail(), DetailExpenseStatement(f));
    }
}

void TF_Fyjsr::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab1)
        btnSearch1Click();
    else
        btnSearch2Click();
}

void TF_Fyjsr::RunEntry(ExpenseEntryDialog& dialog, bool adding)
{
    OpenMode = adding ? QStringLiteral("fy_add") : QStringLiteral("fy_modi");
    AuxTag.clear();
    ExpenseDocToPrint.clear();
    dialog.ShowModal();
    if (adding && IsTrue(ApproveOnSave) && AuxTag == QLatin1String("ok"))
        checkDj(OpenMode);
    if (!ExpenseDocToPrint.isEmpty())
        setPrinPara(ExpenseDocToPrint);
    ExpenseDocToPrint.clear();
    OpenMode.clear();
    AuxTag.clear();
}

void TF_Fyjsr::btn_AddFyClick()
{
    TF_Fyjsr_Add dialog(this);
    RunEntry(dialog, true);
}

void TF_Fyjsr::btn_AddSrClick()
{
    TF_Fyjsr_Add1 dialog(this);
    RunEntry(dialog, true);
}

void TF_Fyjsr::btn_ModiClick()
{
    Query& q = Pending();
    if (!q.Active() || q.IsEmpty())
        return;
    const QString flag = q.AsString(QStringLiteral("fy_flag"));
    if (flag == QLatin1String("1")) {
        TF_Fyjsr_Add dialog(this);
        RunEntry(dialog, false);
    } else if (flag == QLatin1String("2")) {
        TF_Fyjsr_Add1 dialog(this);
        RunEntry(dialog, false);
    }
}

void TF_Fyjsr::btn_DeleClick()
{
    Query& q = Pending();
    if (!q.Active() || q.IsEmpty() || q.AsString(QStringLiteral("fy_flag")).isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除该信息吗！")) != Prompt::Answer::Yes)
        return;
    DeleteExpense(q.AsString(QStringLiteral("gl_djh")));
    q.Requery();
}

void TF_Fyjsr::checkDj(const QString& number)
{
    ApproveExpense(number);
    if (Pending().Active())
        Pending().Requery();
}

void TF_Fyjsr::btnRChkClick()
{
    Query& q = Pending();
    if (!btnRChk->isEnabled() || !q.Active() || q.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要审核当前信息吗！")) != Prompt::Answer::Yes)
        return;
    checkDj(q.AsString(QStringLiteral("gl_djh")));
}

void TF_Fyjsr::btn_CheckClick()
{
    Query& q = Pending();
    if (!btn_Check->isEnabled() || !q.Active() || q.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral(
            "您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请按右键！）"))
        != Prompt::Answer::Yes)
        return;
    QStringList numbers;
    const int col = q.FieldIndex(QStringLiteral("gl_djh"));
    for (int row = 0; row < q.RecordCount(); ++row)
        numbers << q.TextAt(row, col);
    RunWithProgress(this, QStringLiteral("正在审核单据..."), numbers.size(),
        [&](const std::function<void(int)>& step) { ApproveExpenses(numbers, step); });
    q.Requery();
}

void TF_Fyjsr::btn_UnChkClick()
{
    Query& q = Detail();
    if (!btn_UnChk->isEnabled() || !rMxb->isChecked() || !q.Active() || q.IsEmpty())
        return;
    const QString flag = q.AsString(QStringLiteral("fy_flag"));
    const QString number = q.AsString(QStringLiteral("gl_djh"));
    // Records that other postings wrote stay with their source document.
    if ((flag != QLatin1String("1") && flag != QLatin1String("2")) || !IsOwnExpenseNumber(number))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要取消审核当前信息吗！")) != Prompt::Answer::Yes)
        return;
    CancelExpense(number);
    q.Requery();
}

void TF_Fyjsr::setPrinPara(const QString& id)
{
    PrintExpenseVoucher(id);
}

void TF_Fyjsr::btn_ChaKanClick()
{
    Query& q = Pending();
    if (!q.Active() || q.IsEmpty())
        return;
    setPrinPara(q.AsString(QStringLiteral("id")));
}

void TF_Fyjsr::btn_ChaKan2Click()
{
    Query& q = Detail();
    if (!rMxb->isChecked() || !q.Active() || q.IsEmpty())
        return;
    setPrinPara(q.AsString(QStringLiteral("id")));
}

void TF_Fyjsr::btn_PrinClick()
{
    Query& q = Pending();
    if (!q.Active() || q.IsEmpty())
        return;
    PrintSearchedList(QStringLiteral("fyjsrdsh"), q, tdate11->date(), tdate12->date());
}

void TF_Fyjsr::btn_Prin2Click()
{
    const bool summary = rHzb->isChecked();
    Query& q = summary ? Summary() : Detail();
    if (!q.Active() || q.IsEmpty())
        return;
    PrintSearchedList(
        summary ? QStringLiteral("fyjsrhzb") : QStringLiteral("fyjsrmxb"), q, tdate21->date(), tdate22->date());
}

void TF_Fyjsr::btn_Export0Click()
{
    ExportList(*cxGrid2View);
}

void TF_Fyjsr::btn_ExportClick()
{
    ExportList(rHzb->isChecked() ? *cxGrid3View : *cxGrid1View);
}

bool TF_Fyjsr::FormKeyDown(int key)
{
    return PagedWindowKey(this, key, [this] { cxPageChange(); });
}
