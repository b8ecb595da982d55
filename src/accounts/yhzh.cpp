#include "accounts/yhzh.h"

#include "accounts/cashaccounts.h"
#include "accounts/dialogparts.h"
#include "foundation/datamodule.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
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

namespace {

QLineEdit* textEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}

void reopenAccounts()
{
    OpenQuery(TF_Yhzh::Accounts(), QStringLiteral("select * from jxc_yhzh order by id"));
}

bool isCash(const QString& name)
{
    return name == QStringLiteral("现金");
}

} // namespace

TF_Yhzh::TF_Yhzh(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Yhzh"));
    setWindowTitle(QStringLiteral("现金银行期初建账"));
    btnAdd = MakeAccountsButton(this, "btnAdd", QStringLiteral("增加"));
    btnModi = MakeAccountsButton(this, "btnModi", QStringLiteral("修改"));
    btnDele = MakeAccountsButton(this, "btnDele", QStringLiteral("删除"));
    btnQcje = MakeAccountsButton(this, "btnQcje", QStringLiteral("期初金额"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出"));
    auto* toolbar = new QHBoxLayout;
    for (QPushButton* b : { btnAdd, btnModi, btnDele, btnQcje, btnExit })
        toolbar->addWidget(b);
    toolbar->addStretch(1);
    cxGridView = new DataGrid(this);
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    cxGridView->SetDataSource(&F_DataModule->D(QStringLiteral("Q_Yhzh")));
    const int colSn = cxGridView->AddColumn(QStringLiteral("yh_sn"), QStringLiteral("编号"), 70);
    const int colType = cxGridView->AddColumn(QStringLiteral("yh_type"), QStringLiteral("账户类型"), 120);
    cxGridView->AddColumn(QStringLiteral("yh_name"), QStringLiteral("账户名称"), 120);
    cxGridView->AddColumn(QStringLiteral("yh_zje"), QStringLiteral("期初金额"), 100, Qt::AlignRight | Qt::AlignVCenter);
    cxGridView->AddColumn(QStringLiteral("yh_note"), QStringLiteral("备注"), 180);
    cxGridView->SetFooterVisible(true);
    cxGridView->SetFooterText(colSn, QStringLiteral("合计："));
    cxGridView->SetFooterCount(colType);
    cxGridView->SetAutoColumnWidth(true);
    auto* root = new QVBoxLayout(this);
    root->addLayout(toolbar);
    root->addWidget(cxGridView, 1);
    resize(640, 360);
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnModi, &QPushButton::clicked, this, [this] { btnModiClick(); });
    connect(btnDele, &QPushButton::clicked, this, [this] { btnDeleClick(); });
    connect(btnQcje, &QPushButton::clicked, this, [this] { btnQcjeClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
}

Query& TF_Yhzh::Accounts()
{
    return F_DataModule->Q(QStringLiteral("Q_Yhzh"));
}

void TF_Yhzh::FormActivate()
{
    ApplyFontSize(FontSize);
    if (!Accounts().Active())
        reopenAccounts();
    const int col = cxGridView->ColumnByField(QStringLiteral("yh_zje"));
    SetAmountColumnFormat(GridColumnFormat(*cxGridView, col));
}

void TF_Yhzh::done(int result)
{
    Accounts().Close();
    Form::done(result);
}

void TF_Yhzh::btnAddClick()
{
    TF_Yhzh_Add dialog(this);
    dialog.ShowModal();
}

void TF_Yhzh::btnModiClick()
{
    if (!Accounts().Active() || Accounts().IsEmpty())
        return;
    if (isCash(Accounts().AsString(QStringLiteral("yh_name")))) {
        Prompt::Info(QStringLiteral("“现金”不能修改！"));
        return;
    }
    TF_Yhzh_Modi dialog(this);
    dialog.ShowModal();
}

void TF_Yhzh::btnDeleClick()
{
    Query& q = Accounts();
    if (!q.Active() || q.IsEmpty())
        return;
    const QString refusal = CashAccountDeleteRefusal(q.AsString(QStringLiteral("yh_name")));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除该银行账户吗！")) != Prompt::Answer::Yes)
        return;
    DeleteCashAccount(q.AsInteger(QStringLiteral("id")));
    reopenAccounts();
}

void TF_Yhzh::btnQcjeClick()
{
    Query& q = Accounts();
    if (!q.Active() || q.IsEmpty())
        return;
    if (CashAccountHasBusiness(q.AsString(QStringLiteral("yh_name")))
        && Prompt::YesNo(
               QStringLiteral("该银行账户已有业务发生，\r\n\r\n建立期初帐将会改变该账户的余额，\r\n\r\n是否继续？"))
            == Prompt::Answer::No)
        return;
    TF_Yhzh_Qcjz dialog(this);
    dialog.ShowModal();
}

TF_Yhzh_Add::TF_Yhzh_Add(QWidget* parent, bool modify) : Form(parent), modify_(modify)
{
    setObjectName(modify ? QStringLiteral("TF_Yhzh_Modi") : QStringLiteral("TF_Yhzh_Add"));
    setWindowTitle(modify ? QStringLiteral("修改银行账户") : QStringLiteral("增加银行账户"));
    SetEscCloses(false);
    ttype = textEdit(this, "ttype", 32);
    tname = textEdit(this, "tname", 16);
    tzje = MakeAmountEdit(this, "tzje");
    lzje = new QLabel(QStringLiteral("期初余额："), this);
    dateCg = modify ? nullptr : MakeDateEdit(this, "dateCg");
    tnote = textEdit(this, "tnote", 64);
    btnOk = MakeAccountsButton(this, "btnOk", QStringLiteral("保存(F5)"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("账户类型："), ttype);
    form->addRow(QStringLiteral("账户名称："), tname);
    form->addRow(lzje, tzje);
    if (dateCg)
        form->addRow(QStringLiteral("期初日期："), dateCg);
    form->addRow(QStringLiteral("备        注："), tnote);
    LayOutDialog(this, form, nullptr, { btnOk, btnExit });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { reject(); });
    InstallConfirmKeys(this, [this] { btnOkClick(); });
}

void TF_Yhzh_Add::FormActivate()
{
    ApplyFontSize(FontSize);
    if (!modify_) {
        ttype->clear();
        tname->clear();
        tnote->clear();
        tzje->setText(QStringLiteral("0"));
        dateCg->setDate(Clock::Today());
        return;
    }
    Query& q = TF_Yhzh::Accounts();
    ttype->setText(q.AsString(QStringLiteral("yh_type")));
    tname->setText(q.AsString(QStringLiteral("yh_name")));
    tnote->setText(q.AsString(QStringLiteral("yh_note")));
    tzje->setText(QString::number(q.AsFloat(QStringLiteral("yh_zje")), 'f', AmountDecimals));
    // With movements the opening amount changes only through "期初金额".
    withAmount_ = !CashAccountHasBusiness(q.AsString(QStringLiteral("yh_name")));
    tzje->setVisible(withAmount_);
    lzje->setVisible(withAmount_);
}

void TF_Yhzh_Add::btnOkClick()
{
    const CashAccountEntry e { ttype->text(), tname->text(), tnote->text(), tzje->text().toDouble() };
    Query& q = TF_Yhzh::Accounts();
    const qint64 id = modify_ ? q.AsInteger(QStringLiteral("id")) : 0;
    const QString refusal = CashAccountRefusal(e, id);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (modify_)
        ModifyCashAccount(id, e, withAmount_);
    else
        AddCashAccount(e, dateCg->date());
    reopenAccounts();
    q.LocateId(modify_ ? id : q.IdAt(q.RecordCount() - 1));
    accept();
}

TF_Yhzh_Qcjz::TF_Yhzh_Qcjz(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Yhzh_Qcjz"));
    setWindowTitle(QStringLiteral("期初金额"));
    SetEscCloses(false);
    yhzh = new QLabel(this);
    yhzh->setObjectName(QStringLiteral("yhzh"));
    yhzh->setStyleSheet(QStringLiteral("color:red"));
    tfyje = MakeAmountEdit(this, "tfyje");
    btnOk = MakeAccountsButton(this, "btnOk", QStringLiteral("确定(F5)"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("银行账户："), yhzh);
    form->addRow(QStringLiteral("期初金额："), tfyje);
    LayOutDialog(this, form, nullptr, { btnOk, btnExit });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { reject(); });
    InstallConfirmKeys(this, [this] { btnOkClick(); });
}

void TF_Yhzh_Qcjz::FormActivate()
{
    ApplyFontSize(FontSize);
    Query& q = TF_Yhzh::Accounts();
    yhzh->setText(q.AsString(QStringLiteral("yh_name")));
    tfyje->setText(QString::number(q.AsFloat(QStringLiteral("yh_zje")), 'f', AmountDecimals));
}

void TF_Yhzh_Qcjz::btnOkClick()
{
    Query& q = TF_Yhzh::Accounts();
    const qint64 id = q.AsInteger(QStringLiteral("id"));
    SetCashOpeningAmount(id, tfyje->text().toDouble());
    reopenAccounts();
    q.LocateId(id);
    accept();
}
