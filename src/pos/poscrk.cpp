#include "pos/poscrk.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/numbering.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/numberedit.h"
#include "platform/ui/prompt.h"
#include "pos/posdialogparts.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kCashAmountFormat = QStringLiteral("￥,0.00;-￥,0.00");

void insertCashMovement(
    const QString& number, const QString& when, const QString& kind, double amount, const QString& cashier)
{
    ExecBound(QStringLiteral("insert into jxc_crk (gl_djh,crk_rq,crk_je,crk_flag,crk_note,a_name) values "
                             "(:n,:d,:je,:k,'',:a)"),
        { { QStringLiteral("n"), number }, { QStringLiteral("d"), when }, { QStringLiteral("je"), amount },
            { QStringLiteral("k"), kind }, { QStringLiteral("a"), cashier } });
}

NumberEdit* cashAmountEdit(QWidget* parent, int maxLength)
{
    auto* e = new NumberEdit(parent);
    e->SetDisplayFormat(kCashAmountFormat);
    e->setMaxLength(maxLength);
    return e;
}

}

QString CashMovementPrefix(const QString& kind)
{
    return kind == QLatin1String("c") ? QStringLiteral("CK") : QStringLiteral("RK");
}

QString StoreTillCashMovement(const QString& kind, double amount, const QString& cashier)
{
    // The number and the row in one transaction, so no other till draws it between them.
    Transaction t(F_DataModule->ADOConn);
    const QString number
        = NextDocNoToday(QStringLiteral("jxc_crk"), QStringLiteral("gl_djh"), CashMovementPrefix(kind));
    insertCashMovement(number, Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), kind, amount, cashier);
    t.Commit();
    return number;
}

void StoreCashMovement(const QString& number, const QString& kind, double amount, const QString& cashier)
{
    Transaction t(F_DataModule->ADOConn);
    insertCashMovement(number, Clock::Today().toString(QStringLiteral("yyyy-MM-dd")), kind, amount, cashier);
    t.Commit();
}

QString CashMovementRefusal(double amount)
{
    return amount == 0 ? QStringLiteral("金额不能为0，请重新输入！") : QString();
}

QString CashMovementQuestion(const QString& kind, const QString& number)
{
    return kind == QLatin1String("c") ? QStringLiteral("您确认生成出款单 ") + number + QStringLiteral(" 吗？")
                                      : QStringLiteral("您确认生成入款单吗 ") + number + QStringLiteral("？");
}

void QueryCashMovements(const QDate& from, const QDate& to, const QString& cashier)
{
    Query& q = F_DataModule->Q(QStringLiteral("Q_Poscrk"));
    q.Close();
    q.ClearParams();
    // Back-office rows carry a date without a time: they sort before every time of
    // their day and so fall inside any period that includes it.
    q.SetSQL(QStringLiteral("select * from (select id,gl_djh,crk_rq,crk_je as rkje,0 as ckje,'POS 入款' as dnote,"
                            "a_name,a_name2 from jxc_crk where crk_flag='r' union select id,gl_djh,crk_rq,0 as rkje,"
                            "crk_je as ckje,'POS 出款' as dnote,a_name,a_name2 from jxc_crk where crk_flag='c') "
                            "derivedtbl where ")
        + PeriodCondition(QStringLiteral("crk_rq"), from, to)
        + (cashier.isEmpty() ? QString() : QStringLiteral(" and a_name like :cashier"))
        + QStringLiteral(" order by id desc"));
    if (!cashier.isEmpty())
        q.SetParam(QStringLiteral("cashier"), QStringLiteral("%") + cashier + QStringLiteral("%"));
    q.Open();
}

// ---- at the till ----

TF_Posxs_RkCk::TF_Posxs_RkCk(const QString& kind, QWidget* parent) : Form(parent), kind_(kind)
{
    const bool in = kind == QLatin1String("r");
    setWindowTitle(in ? QStringLiteral("入款") : QStringLiteral("出款"));
    numberCaption_ = in ? QStringLiteral("入款单号：") : QStringLiteral("出款单号：");
    resize(380, 200);
    auto* box = new QVBoxLayout(this);
    lsyy = new QLabel(this);
    ldjh = new QLabel(this);
    box->addWidget(lsyy);
    box->addWidget(ldjh);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(in ? QStringLiteral("入款金额：") : QStringLiteral("出款金额："), this));
    tje = cashAmountEdit(this, in ? 8 : 9);
    row->addWidget(tje, 1);
    box->addLayout(row);
    box->addLayout(
        PosButtonRow(this, { &btnOK, &btnExit }, { QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)") }));
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_RkCk::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        switch (e->key()) {
        case Qt::Key_F5:
            btnOKClick();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EnterKey();
            return true;
        default:
            return false;
        }
    });
}

void TF_Posxs_RkCk::FormActivate()
{
    stored_.clear();
    lsyy->setText(QStringLiteral("收银员：") + CurrentAdminName);
    ldjh->setText(numberCaption_
        + NextDocNoToday(QStringLiteral("jxc_crk"), QStringLiteral("gl_djh"), CashMovementPrefix(kind_)));
    tje->SetValue(0);
    tje->setFocus();
    tje->selectAll();
}

void TF_Posxs_RkCk::EnterKey()
{
    focusNextChild();
    btnOKClick();
}

void TF_Posxs_RkCk::btnOKClick()
{
    stored_ = StoreTillCashMovement(kind_, tje->Value(), CurrentAdminName);
    ldjh->setText(numberCaption_ + stored_);
    accept();
}

TF_Posxs_Rk::TF_Posxs_Rk(QWidget* parent) : TF_Posxs_RkCk(QStringLiteral("r"), parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Rk"));
}

TF_Posxs_Ck::TF_Posxs_Ck(QWidget* parent) : TF_Posxs_RkCk(QStringLiteral("c"), parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Ck"));
}

// ---- in the back office ----

TF_Posxs_Crk::TF_Posxs_Crk(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Crk"));
    setWindowTitle(QStringLiteral("POS 出入款管理"));
    resize(980, 600);
    auto* box = new QVBoxLayout(this);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    tdate1 = MakeDateEdit(this, "tdate1");
    filter->addWidget(tdate1);
    filter->addWidget(new QLabel(QStringLiteral("至："), this));
    tdate2 = MakeDateEdit(this, "tdate2");
    filter->addWidget(tdate2);
    btnDate = MakePresetButton(this, tdate1, tdate2, [this] { btnSearchClick(); });
    filter->addWidget(btnDate);
    filter->addWidget(new QLabel(QStringLiteral("收银员："), this));
    comAdmin = new KeyedCombo(this);
    comAdmin->setMinimumWidth(120);
    filter->addWidget(comAdmin);
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    filter->addWidget(btnSearch);
    filter->addStretch(1);
    box->addLayout(filter);
    box->addLayout(PosButtonRow(this, { &btnRk, &btnCk, &btnPrint, &btnExport, &btnExit },
        { QStringLiteral("入款"), QStringLiteral("出款"), QStringLiteral("打印"), QStringLiteral("导出"),
            QStringLiteral("退出") }));
    cxGrid = new DataGrid(this);
    const char* const columns[][2] = { { "gl_djh", "单据号" }, { "crk_rq", "开单日期" }, { "rkje", "入款金额" },
        { "ckje", "出款金额" }, { "dnote", "单据类型" }, { "a_name", "收银员" }, { "a_name2", "操作员" } };
    for (const auto& c : columns)
        cxGrid->AddColumn(QLatin1String(c[0]), QString::fromUtf8(c[1]), 120);
    cxGrid->SetFooterVisible(true);
    SetRecordCount(*cxGrid, 0);
    box->addWidget(cxGrid, 1);
    connect(btnSearch, &QPushButton::clicked, this, &TF_Posxs_Crk::btnSearchClick);
    connect(btnRk, &QPushButton::clicked, this, &TF_Posxs_Crk::btnRkClick);
    connect(btnCk, &QPushButton::clicked, this, &TF_Posxs_Crk::btnCkClick);
    connect(btnPrint, &QPushButton::clicked, this, &TF_Posxs_Crk::btnPrintClick);
    connect(btnExport, &QPushButton::clicked, this, &TF_Posxs_Crk::btnExportClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    KeyPreview::InstallKey(this, Qt::Key_F2, [this] { btnSearchClick(); });
}

TF_Posxs_Crk::~TF_Posxs_Crk()
{
    F_DataModule->Q(QStringLiteral("Q_Poscrk")).Close();
}

void TF_Posxs_Crk::FormActivate()
{
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    if (!cxGrid->GetDataSource())
        cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Poscrk")));
    FillAdminCombo(*comAdmin, QStringLiteral("所有收银员"));
    comAdmin->setCurrentIndex(0);
    for (int c : { 2, 3 }) {
        SetAmountColumnFormat(GridColumnFormat(*cxGrid, c));
        cxGrid->SetFooterSum(c);
        SetAmountSummaryFormat(GridFooterFormat(*cxGrid, c));
    }
    btnSearchClick();
}

void TF_Posxs_Crk::btnSearchClick()
{
    const QString cashier = comAdmin->currentText();
    QueryCashMovements(tdate1->date(), tdate2->date(), cashier == QStringLiteral("所有收银员") ? QString() : cashier);
}

void TF_Posxs_Crk::addMovement(const QString& kind)
{
    ActiveDocKind = kind;
    FunctionWindows::Open(QStringLiteral("TF_Posxs_Crk_Add"), FunctionWindows::Lifetime::Freed);
    ActiveDocKind.clear();
}

void TF_Posxs_Crk::btnRkClick()
{
    addMovement(QStringLiteral("r"));
}

void TF_Posxs_Crk::btnCkClick()
{
    addMovement(QStringLiteral("c"));
}

void TF_Posxs_Crk::btnPrintClick()
{
    if (cxGrid->RowCount() == 0)
        return;
    PrintQueryReport(QStringLiteral("poscrk.fr3"), QStringLiteral("frxDBDataset1"),
        F_DataModule->Q(QStringLiteral("Q_Poscrk")),
        { { QStringLiteral("date1"), tdate1->date().toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("date2"), tdate2->date().toString(QStringLiteral("yyyy-MM-dd")) } });
}

void TF_Posxs_Crk::btnExportClick()
{
    ExportList(*cxGrid, ExportRows::OnlyWithRows, ExportTypes::XlsOnly);
}

TF_Posxs_Crk_Add::TF_Posxs_Crk_Add(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Crk_Add"));
    resize(360, 200);
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    ldjh = new QLabel(this);
    comAdmin = new KeyedCombo(this);
    tje = cashAmountEdit(this, 9);
    grid->addWidget(new QLabel(QStringLiteral("单据号："), this), 0, 0);
    grid->addWidget(ldjh, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("收银员："), this), 1, 0);
    grid->addWidget(comAdmin, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("金额："), this), 2, 0);
    grid->addWidget(tje, 2, 1);
    box->addLayout(grid);
    box->addLayout(
        PosButtonRow(this, { &btnOK, &btnExit }, { QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)") }));
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_Crk_Add::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    KeyPreview::InstallKey(this, Qt::Key_F5, [this] { btnOKClick(); });
}

void TF_Posxs_Crk_Add::FormActivate()
{
    kind_ = ActiveDocKind == QLatin1String("c") ? QStringLiteral("c") : QStringLiteral("r");
    setWindowTitle(kind_ == QLatin1String("c") ? QStringLiteral("出款") : QStringLiteral("入款"));
    number_ = NextDocNoToday(QStringLiteral("jxc_crk"), QStringLiteral("gl_djh"), CashMovementPrefix(kind_));
    ldjh->setText(number_);
    FillAdminCombo(*comAdmin);
    comAdmin->setCurrentIndex(0);
    tje->SetValue(0);
}

void TF_Posxs_Crk_Add::btnOKClick()
{
    const QString refusal = CashMovementRefusal(tje->Value());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (Prompt::YesNo(CashMovementQuestion(kind_, number_)) != Prompt::Answer::Yes)
        return;
    StoreCashMovement(number_, kind_, tje->Value(), comAdmin->currentText());
    Query& list = F_DataModule->Q(QStringLiteral("Q_Poscrk"));
    if (list.Active()) {
        list.Close();
        list.Open();
    }
    accept();
}
