#include "accounts/xjyhentry.h"

#include "accounts/cashvoucher.h"
#include "accounts/dialogparts.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QDateEdit>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

KeyedCombo* entryCombo(QWidget* parent, const char* name)
{
    auto* c = new KeyedCombo(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QLineEdit* entryNote(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("tnote"));
    e->setMaxLength(100);
    return e;
}

void fillAccounts(KeyedCombo& combo)
{
    FillCombo(
        combo, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    combo.setCurrentIndex(combo.count() > 0 ? 0 : -1);
}

void fillHandlers(KeyedCombo& combo)
{
    FillComboWhere(combo, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("u_sn"),
        QStringLiteral("id"), QStringLiteral("where u_jy=0 and u_name<>''"));
    combo.setCurrentIndex(combo.count() > 0 ? 0 : -1);
}

Query& pendingList()
{
    return F_DataModule->Q(QStringLiteral("Q_Xjyh2"));
}

void reopenPending()
{
    if (pendingList().Active())
        pendingList().Requery();
}

} // namespace

CashEntryDialog::CashEntryDialog(CashEntryKind kind, QWidget* parent) : Form(parent), kind_(kind)
{
    const bool in = kind == CashEntryKind::MoneyIn;
    setObjectName(in ? QStringLiteral("TF_Xjyh_Jk") : QStringLiteral("TF_Xjyh_Ck"));
    setWindowTitle(in ? QStringLiteral("进款") : QStringLiteral("出款"));
    // Not activated again after the voucher preview: what was typed stays.
    SetEscCloses(false);
    comYhzh = entryCombo(this, "comYhzh");
    tfyje = MakeAmountEdit(this, "tfyje");
    comUser = entryCombo(this, "comUser");
    dateCg = MakeDateEdit(this, "dateCg");
    tnote = entryNote(this);
    btnOK = MakeAccountsButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    btnPrin = MakeAccountsButton(this, "btnPrin", QStringLiteral("打印(F4)"));
    auto* form = new QFormLayout;
    form->addRow(in ? QStringLiteral("进款账户：") : QStringLiteral("出款账户："), comYhzh);
    form->addRow(in ? QStringLiteral("进款金额：") : QStringLiteral("出款金额："), tfyje);
    form->addRow(QStringLiteral("经  办  人："), comUser);
    form->addRow(QStringLiteral("发生日期："), dateCg);
    form->addRow(QStringLiteral("备        注："), tnote);
    form->addRow(new QLabel(in ? QStringLiteral("(进款：如还款，转款等款项收入的项目。)")
                               : QStringLiteral("(出款：如借款，转款等款项支出的项目。)"),
        this));
    LayOutDialog(this, form, btnPrin, { btnOK, btnExit });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { reject(); });
    connect(btnPrin, &QPushButton::clicked, this, [this] { btnPrinClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void CashEntryDialog::FormActivate()
{
    ApplyFontSize(FontSize);
    fillAccounts(*comYhzh);
    fillHandlers(*comUser);
    btnPrin->setVisible(!IsTrue(NoPrintBeforeSave));
    if (OpenMode == QLatin1String("modi")) {
        Query& q = pendingList();
        comYhzh->setCurrentIndex(comYhzh->findText(q.AsString(QStringLiteral("xj_kmmc"))));
        comUser->setCurrentIndex(comUser->findText(q.AsString(QStringLiteral("u_name"))));
        tnote->setText(q.AsString(QStringLiteral("xj_note")));
        tfyje->setText(
            QString::number(ShownCashAmount(q.AsString(QStringLiteral("gl_djh")), q.AsFloat(QStringLiteral("xj_je"))),
                'f', AmountDecimals));
        dateCg->setDate(QDate::fromString(q.AsString(QStringLiteral("xj_rq")).left(10), QStringLiteral("yyyy-MM-dd")));
    } else {
        tnote->clear();
        tfyje->setText(QStringLiteral("0"));
        dateCg->setDate(Clock::Today());
    }
}

CashEntry CashEntryDialog::Entered() const
{
    return { comYhzh->currentText(), tfyje->text().toDouble(), comUser->currentText(), dateCg->date(), tnote->text() };
}

void CashEntryDialog::btnOKClick()
{
    const CashEntry e = Entered();
    if (std::llround(e.amount * 100) == 0) {
        Prompt::Info(QStringLiteral("金额必须填写！"));
        return;
    }
    if (comUser->currentIndex() < 0) {
        Prompt::Info(QStringLiteral("请选择经办人！"));
        return;
    }
    if (OpenMode == QLatin1String("modi")) {
        ModifyCashEntry(kind_, pendingList().AsInteger(QStringLiteral("id")), e);
        OpenMode.clear();
    } else {
        OpenMode = AddCashEntry(kind_, e);
    }
    reopenPending();
    accept();
}

void CashEntryDialog::btnPrinClick()
{
    if (!btnPrin->isVisibleTo(this))
        return;
    const bool in = kind_ == CashEntryKind::MoneyIn;
    const CashEntry e = Entered();
    CashVoucher v;
    v.title = CompanyShortName + (in ? QStringLiteral("收款单") : QStringLiteral("付款单"));
    v.operatorName = CurrentAdminName;
    v.handler = e.handler;
    v.item = e.account + (in ? QStringLiteral("(进款)") : QStringLiteral("(出款)"));
    v.account = e.account;
    v.note = e.note.trimmed();
    v.date = e.date.toString(QStringLiteral("yyyy-MM-dd"));
    v.amount = e.amount;
    PrintCashVoucher(v);
}

bool CashEntryDialog::FormKeyDown(int key)
{
    return EntryDialogKey(
        this, key, [this] { btnOKClick(); }, [this] { btnPrinClick(); });
}

TF_Xjyh_Zz::TF_Xjyh_Zz(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Xjyh_Zz"));
    setWindowTitle(QStringLiteral("转账"));
    SetEscCloses(false);
    comYhzh = entryCombo(this, "comYhzh");
    comYhzh1 = entryCombo(this, "comYhzh1");
    tfyje = MakeAmountEdit(this, "tfyje");
    comUser = entryCombo(this, "comUser");
    dateCg = MakeDateEdit(this, "dateCg");
    tnote = entryNote(this);
    btnOK = MakeAccountsButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("转出账户："), comYhzh);
    form->addRow(QStringLiteral("转入账户："), comYhzh1);
    form->addRow(QStringLiteral("出款金额："), tfyje);
    form->addRow(QStringLiteral("经  办  人："), comUser);
    form->addRow(QStringLiteral("发生日期："), dateCg);
    form->addRow(QStringLiteral("备        注："), tnote);
    form->addRow(new QLabel(QStringLiteral("(出款：如借款，转款等款项支出的项目。)"), this));
    LayOutDialog(this, form, nullptr, { btnOK, btnExit });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { reject(); });
    InstallConfirmKeys(this, [this] { btnOKClick(); });
}

void TF_Xjyh_Zz::FormActivate()
{
    ApplyFontSize(FontSize);
    fillAccounts(*comYhzh);
    fillAccounts(*comYhzh1);
    fillHandlers(*comUser);
    tnote->clear();
    tfyje->setText(QStringLiteral("0"));
    dateCg->setDate(Clock::Today());
}

void TF_Xjyh_Zz::btnOKClick()
{
    const double amount = tfyje->text().toDouble();
    QString refusal = TransferRefusal(comYhzh->currentText(), comYhzh1->currentText(), amount);
    // The handler is checked after the accounts and the amount, before the balance.
    if (comUser->currentIndex() < 0
        && (refusal.isEmpty() || refusal == QStringLiteral("转出的金额不能大于出款账户中的金额！")))
        refusal = QStringLiteral("请选择经办人！");
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    OpenMode = AddTransfer({ comYhzh->currentText(), amount, comUser->currentText(), dateCg->date(), tnote->text() },
        comYhzh1->currentText());
    reopenPending();
    accept();
}
