#include "accounts/fyjsradd.h"

#include "accounts/dialogparts.h"
#include "accounts/expenses.h"
#include "accounts/fylx.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "masterdata/dept.h"
#include "masterdata/pickerscallers.h"
#include "platform/base/clock.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

KeyedCombo* expenseCombo(QWidget* parent, const char* name)
{
    auto* c = new KeyedCombo(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

Query& pendingRecords()
{
    return F_DataModule->Q(QStringLiteral("Q_Fysr2"));
}

const QString& newDeptItem()
{
    static const QString item = QStringLiteral("添加新部门...");
    return item;
}

} // namespace

ExpenseEntryDialog::ExpenseEntryDialog(bool income, QWidget* parent) : Form(parent), income_(income)
{
    setObjectName(income ? QStringLiteral("TF_Fyjsr_Add1") : QStringLiteral("TF_Fyjsr_Add"));
    setWindowTitle(income ? QStringLiteral("收入信息") : QStringLiteral("费用信息"));
    SetEscCloses(false);
    comFy = expenseCombo(this, "comFy");
    btnType = new QToolButton(this);
    btnType->setObjectName(QStringLiteral("btnType"));
    btnType->setText(QStringLiteral("…"));
    tfyje = MakeAmountEdit(this, "tfyje");
    tfyje->setMaxLength(10);
    comUser = expenseCombo(this, "comUser");
    comYhzh = expenseCombo(this, "comYhzh");
    comDept = expenseCombo(this, "comDept");
    dateCg = MakeDateEdit(this, "dateCg");
    tnote = new QLineEdit(this);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setMaxLength(50);
    InstallGoodsTextFilter(tnote);
    btnOK = MakeAccountsButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnPrin = MakeAccountsButton(this, "btnPrin", QStringLiteral("打印(F4)"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(comFy, 1);
    typeRow->addWidget(btnType);
    auto* form = new QFormLayout;
    form->addRow(income ? QStringLiteral("收入名称：") : QStringLiteral("费用名称："), typeRow);
    form->addRow(income ? QStringLiteral("收入金额：") : QStringLiteral("费用金额："), tfyje);
    form->addRow(QStringLiteral("经办人："), comUser);
    form->addRow(income ? QStringLiteral("收款账户：") : QStringLiteral("付款账户："), comYhzh);
    form->addRow(QStringLiteral("部门名称："), comDept);
    form->addRow(QStringLiteral("发生日期："), dateCg);
    form->addRow(QStringLiteral("备注："), tnote);
    LayOutDialog(this, form, nullptr, { btnOK, btnPrin, btnExit });
    PickerCallers::RegisterDeptCombo(DeptTag(), comDept);
    RegisterExpenseTypeCombo(TypeTag(), comFy);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnPrin, &QPushButton::clicked, this, [this] { btnPrinClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { reject(); });
    connect(btnType, &QToolButton::clicked, this, [this] { btnTypeClick(); });
    connect(comDept, qOverload<int>(&QComboBox::activated), this, [this] { comDeptChange(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

ExpenseEntryDialog::~ExpenseEntryDialog() = default;

QString ExpenseEntryDialog::DeptTag() const
{
    return income_ ? QStringLiteral("fyjsr_add1") : QStringLiteral("fyjsr_add");
}

QString ExpenseEntryDialog::TypeTag() const
{
    return income_ ? QStringLiteral("add1") : QStringLiteral("add");
}

void ExpenseEntryDialog::FormActivate()
{
    ApplyFontSize(FontSize);
    btnPrin->setVisible(!IsTrue(NoPrintBeforeSave));
    FillComboWhere(*comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"),
        QStringLiteral("id"), QStringLiteral("where 1=1"), NoAccountText());
    FillComboWhere(*comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("u_sn"),
        QStringLiteral("id"), QStringLiteral("where u_jy=0 and u_name<>''"));
    FillExpenseTypes(*comFy, income_);
    FillComboWhere(*comDept, QStringLiteral("jxc_dept"), QStringLiteral("de_name"), QStringLiteral("de_sn"),
        QStringLiteral("id"), QStringLiteral("where 1=1"), newDeptItem());
    Query& q = pendingRecords();
    if (OpenMode == QLatin1String("fy_modi") && q.Active() && !q.IsEmpty()) {
        comUser->setCurrentIndex(comUser->findText(q.AsString(QStringLiteral("u_name")), Qt::MatchExactly));
        comDept->setCurrentIndex(comDept->findText(q.AsString(QStringLiteral("de_name")), Qt::MatchExactly));
        comYhzh->setCurrentIndex(comYhzh->findText(q.AsString(QStringLiteral("fy_kmmc")), Qt::MatchExactly));
        comFy->setCurrentIndex(comFy->findText(q.AsString(QStringLiteral("fy_lx")), Qt::MatchExactly));
        tnote->setText(q.AsString(QStringLiteral("fy_note")));
        tfyje->setText(
            QString::number(ShownExpenseAmount(income_, q.AsFloat(QStringLiteral("fy_je"))), 'f', AmountDecimals));
        dateCg->setDate(QDate::fromString(q.AsString(QStringLiteral("fy_rq")).left(10), QStringLiteral("yyyy-MM-dd")));
    } else {
        for (KeyedCombo* c : { comYhzh, comUser, comFy, comDept })
            c->setCurrentIndex(c->count() > 0 ? 0 : -1);
        tnote->clear();
        tfyje->setText(QStringLiteral("0"));
        dateCg->setDate(Clock::Today());
    }
}

bool ExpenseEntryDialog::DeptChosen() const
{
    const int i = comDept->currentIndex();
    return i >= 0 && comDept->itemText(i) != newDeptItem();
}

ExpenseEntry ExpenseEntryDialog::Entered() const
{
    ExpenseEntry e;
    e.income = income_;
    e.type = comFy->currentIndex() >= 0 ? comFy->currentText() : QString();
    e.amount = tfyje->text().toDouble();
    e.handlerSn = comUser->currentIndex() >= 0 ? comUser->Code(comUser->currentIndex()) : QString();
    e.deptSn = DeptChosen() ? comDept->Code(comDept->currentIndex()) : QString();
    e.account = comYhzh->currentIndex() >= 0 ? comYhzh->currentText() : QString();
    e.date = dateCg->date();
    e.note = tnote->text();
    return e;
}

void ExpenseEntryDialog::btnOKClick()
{
    const ExpenseEntry e = Entered();
    const QString refusal = ExpenseEntryRefusal(e, comUser->currentIndex() >= 0, DeptChosen());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    QString number;
    if (OpenMode == QLatin1String("fy_modi")) {
        number = pendingRecords().AsString(QStringLiteral("gl_djh"));
        ModifyExpense(number, e);
    } else {
        number = AddExpense(e);
    }
    OpenMode = number;
    AuxTag = QStringLiteral("ok");
    if (pendingRecords().Active())
        pendingRecords().Requery();
    if (ExpenseDocToPrint != QLatin1String("prin"))
        accept();
}

void ExpenseEntryDialog::btnPrinClick()
{
    if (btnPrin->isHidden())
        return;
    ExpenseDocToPrint = QStringLiteral("prin");
    btnOKClick();
    // A refused entry closes too, with nothing saved and nothing to print.
    const QVariant id = posting::First(
        QStringLiteral("select id from jxc_yyfy where gl_djh=:n"), { { QStringLiteral("n"), OpenMode } });
    ExpenseDocToPrint = id.isValid() ? id.toString() : QString();
    accept();
}

void ExpenseEntryDialog::btnTypeClick()
{
    PickerCaller = TypeTag();
    TF_Fylx list(this);
    list.ShowModal();
    PickerCaller.clear();
}

void ExpenseEntryDialog::comDeptChange()
{
    if (comDept->currentIndex() < 0 || comDept->currentText() != newDeptItem())
        return;
    PickerCaller = DeptTag();
    comDept->setCurrentIndex(-1);
    const QString mode = OpenMode;
    TF_Dept dept(this);
    dept.ShowModal();
    PickerCaller.clear();
    OpenMode = mode;
}

bool ExpenseEntryDialog::FormKeyDown(int key)
{
    return EntryDialogKey(
        this, key, [this] { btnOKClick(); }, [this] { btnPrinClick(); });
}
