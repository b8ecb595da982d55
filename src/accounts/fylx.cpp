#include "accounts/fylx.h"

#include "accounts/dialogparts.h"
#include "accounts/expenses.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QMap<QString, QPointer<KeyedCombo>>& typeCombos()
{
    static QMap<QString, QPointer<KeyedCombo>> combos;
    return combos;
}

} // namespace

void RegisterExpenseTypeCombo(const QString& tag, KeyedCombo* comFy)
{
    typeCombos().insert(tag, comFy);
}

void FillExpenseTypes(KeyedCombo& combo, bool income)
{
    FillComboWhere2(combo, QStringLiteral("jxc_fylx"), QStringLiteral("fy_lx"), QStringLiteral("id"),
        QStringLiteral("id"), income ? QStringLiteral("where fy_fx=1") : QStringLiteral("where fy_fx=0"));
    combo.setCurrentIndex(combo.count() > 0 ? 0 : -1);
}

void RefillExpenseTypeCombo(const QString& tag)
{
    if (tag != QLatin1String("add") && tag != QLatin1String("add1"))
        return;
    if (KeyedCombo* combo = typeCombos().value(tag))
        FillExpenseTypes(*combo, tag == QLatin1String("add1"));
}

TF_Fylx::TF_Fylx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Fylx"));
    setWindowTitle(QStringLiteral("类型"));
    cxGrid1View = new DataGrid(this);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("Q_Fylx")));
    cxGrid1View->AddColumn(QStringLiteral("fy_lx"), QStringLiteral("类型名称"), 140);
    cxGrid1View->AddColumn(QStringLiteral("fy_note"), QStringLiteral("附加说明"), 220);
    cxGrid1View->SetAutoColumnWidth(true);
    btnAdd = MakeAccountsButton(this, "btnAdd", QStringLiteral("增加"));
    btnModi = MakeAccountsButton(this, "btnModi", QStringLiteral("修改"));
    btnDele = MakeAccountsButton(this, "btnDele", QStringLiteral("删除"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : { btnAdd, btnModi, btnDele, btnExit })
        buttons->addWidget(b);
    auto* root = new QVBoxLayout(this);
    root->addWidget(cxGrid1View, 1);
    root->addLayout(buttons);
    resize(420, 320);
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnModi, &QPushButton::clicked, this, [this] { btnModiClick(); });
    connect(btnDele, &QPushButton::clicked, this, [this] { btnDeleClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
}

Query& TF_Fylx::Types()
{
    return F_DataModule->Q(QStringLiteral("Q_Fylx"));
}

int TF_Fylx::Direction()
{
    return PickerCaller == QLatin1String("add1") ? 1 : 0;
}

void TF_Fylx::FormActivate()
{
    ApplyFontSize(FontSize);
    OpenQuery(Types(),
        QStringLiteral("select * from jxc_fylx where fy_fx=") + QString::number(Direction())
            + QStringLiteral(" order by id"));
}

void TF_Fylx::RunSele(const QString& mode)
{
    ResultText = mode;
    TF_Fylx_Sele dialog(this);
    dialog.ShowModal();
    ResultText.clear();
}

void TF_Fylx::btnAddClick()
{
    RunSele(QStringLiteral("add"));
}

void TF_Fylx::btnModiClick()
{
    if (!Types().Active() || Types().IsEmpty())
        return;
    RunSele(QStringLiteral("modi"));
}

void TF_Fylx::btnDeleClick()
{
    Query& q = Types();
    if (!q.Active() || q.IsEmpty())
        return;
    const QString refusal = ExpenseTypeDeleteRefusal(q.AsString(QStringLiteral("fy_lx")));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除该类型信息吗！")) != Prompt::Answer::Yes)
        return;
    q.Delete();
}

void TF_Fylx::FormClose()
{
    Types().Close();
    RefillExpenseTypeCombo(PickerCaller);
}

void TF_Fylx::done(int result)
{
    FormClose();
    Form::done(result);
}

TF_Fylx_Sele::TF_Fylx_Sele(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Fylx_Sele"));
    setWindowTitle(QStringLiteral("类型设置"));
    SetEscCloses(false);
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(32);
    tnote = new QLineEdit(this);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setMaxLength(100);
    btnOK = MakeAccountsButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = MakeAccountsButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("类型名称："), tname);
    form->addRow(QStringLiteral("附加说明："), tnote);
    LayOutDialog(this, form, nullptr, { btnOK, btnExit });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { reject(); });
}

void TF_Fylx_Sele::FormActivate()
{
    ApplyFontSize(FontSize);
    Query& q = TF_Fylx::Types();
    if (ResultText == QLatin1String("modi") && q.Active() && !q.IsEmpty()) {
        tname->setText(q.AsString(QStringLiteral("fy_lx")));
        tnote->setText(q.AsString(QStringLiteral("fy_note")));
    } else {
        tname->clear();
        tnote->clear();
    }
}

void TF_Fylx_Sele::btnOKClick()
{
    const QString name = ExpenseTypeText(tname->text());
    if (name.isEmpty())
        return;
    Query& q = TF_Fylx::Types();
    const bool modi = ResultText == QLatin1String("modi");
    const QString refusal = ExpenseTypeNameRefusal(name, modi ? q.AsInteger(QStringLiteral("id")) : -1);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (modi) {
        q.Edit();
    } else {
        q.Append();
        q.SetValue(QStringLiteral("fy_fx"), TF_Fylx::Direction());
    }
    q.SetValue(QStringLiteral("fy_lx"), name);
    q.SetValue(QStringLiteral("fy_note"), ExpenseTypeText(tnote->text()));
    q.Post();
    accept();
}

// The keys act only while the dialog itself holds the focus, not through its fields.
void TF_Fylx_Sele::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnOKClick();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    Form::keyPressEvent(e);
}
