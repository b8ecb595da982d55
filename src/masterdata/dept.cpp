#include "masterdata/dept.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/deptops.h"
#include "masterdata/pickerscallers.h"
#include "masterdata/pickersform.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

}

bool IsDeptDocumentCaller(const QString& tag)
{
    return tag == QLatin1String("bmly") || tag == QLatin1String("bmth") || tag == QLatin1String("scrk")
        || tag == QLatin1String("sctk");
}

TF_Dept::TF_Dept(QWidget* parent) : Form(parent), Q_Dept(F_DataModule->Q(QStringLiteral("Q_Dept")))
{
    setObjectName(QStringLiteral("TF_Dept"));
    setWindowTitle(QStringLiteral("部门管理"));
    resize(520, 460);
    auto* box = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    btnAdd = AddButton(bar, this, QStringLiteral("增加"), [this] { btnAddClick(); });
    btnModi = AddButton(bar, this, QStringLiteral("修改"), [this] { btnModiClick(); });
    btnDele = AddButton(bar, this, QStringLiteral("删除"), [this] { btnDeleClick(); });
    btnOK = AddButton(bar, this, QStringLiteral("确定"), [this] { btnOKClick(); });
    btnExit = AddButton(bar, this, QStringLiteral("退出"), [this] { btnExitClick(); });
    bar->addStretch(1);
    box->addLayout(bar);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("部门名称或编号："), this));
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    search->addWidget(tkey, 1);
    btnKey = AddButton(search, this, QStringLiteral("查询(F2)"), [this] { btnKeyClick(); });
    box->addLayout(search);
    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Dept")));
    cxGrid->AddColumn(QStringLiteral("de_sn"), QStringLiteral("部门编号"), 90);
    cxGrid->AddColumn(QStringLiteral("de_name"), QStringLiteral("部门名称"), 200);
    box->addWidget(cxGrid, 1);
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(tkey, &QLineEdit::returnPressed, this, &TF_Dept::btnKeyClick);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &TF_Dept::btnKeyClick);
}

void TF_Dept::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_Dept::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    tkey->clear();
    btnKeyClick();
}

void TF_Dept::FormClose()
{
    Q_Dept.Close();
}

void TF_Dept::btnKeyClick()
{
    Q_Dept.Close();
    Q_Dept.ClearParams();
    Q_Dept.SetSQL(QStringLiteral("select * from jxc_dept where (de_name like :k or de_sn like :k) order by id"));
    Q_Dept.SetParam(QStringLiteral("k"), QLatin1Char('%') + SafeSqlText(tkey->text().trimmed()) + QLatin1Char('%'));
    Q_Dept.Open();
}

bool TF_Dept::HasRows() const
{
    return Q_Dept.Active() && !Q_Dept.IsEmpty();
}

void TF_Dept::btnAddClick()
{
    const QString kept = OpenMode;
    OpenMode = QStringLiteral("add");
    TF_Dept_Sele dialog(this);
    Prompt::ShowModal(&dialog);
    OpenMode = kept;
}

void TF_Dept::btnModiClick()
{
    if (!HasRows())
        return;
    const QString kept = OpenMode;
    OpenMode = QStringLiteral("modi");
    TF_Dept_Sele dialog(this);
    Prompt::ShowModal(&dialog);
    OpenMode = kept;
}

void TF_Dept::btnDeleClick()
{
    if (!HasRows())
        return;
    const QString refusal = DeptDeleteRefusal(Q_Dept.AsString(QStringLiteral("de_sn")));
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除该部门信息吗！")) != Prompt::Answer::Yes)
        return;
    Q_Dept.Delete();
}

void TF_Dept::btnOKClick()
{
    if (PickerCaller == QLatin1String("fyjsr_add") || PickerCaller == QLatin1String("fyjsr_add1")) {
        if (KeyedCombo* comDept = PickerCallers::DeptCombo(PickerCaller)) {
            FillComboWhere(*comDept, QStringLiteral("jxc_dept"), QStringLiteral("de_name"), QStringLiteral("de_sn"),
                QStringLiteral("id"), QStringLiteral("where 1=1"), QStringLiteral("添加新部门..."));
            const QString name
                = HasRows() && Q_Dept.RecNo() >= 0 ? Q_Dept.AsString(QStringLiteral("de_name")) : QString();
            comDept->setCurrentIndex(comDept->findText(name, Qt::MatchExactly));
        }
    } else if (IsDeptDocumentCaller(PickerCaller)) {
        ReopenDeptList2();
    }
    close();
}

void TF_Dept::btnExitClick()
{
    close();
}

TF_Dept_Sele::TF_Dept_Sele(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Dept_Sele"));
    setWindowTitle(QStringLiteral("部门信息"));
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(32);
    form->addRow(QStringLiteral("部门名称："), tname);
    box->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSave = AddButton(buttons, this, QStringLiteral("保存(F5)"), [this] { btnSaveClick(); });
    btnExit = AddButton(buttons, this, QStringLiteral("退出(Esc)"), [this] { close(); });
    box->addLayout(buttons);
    InstallDialogKeys(this, [this] { btnSaveClick(); });
}

void TF_Dept_Sele::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    mode_ = OpenMode;
    tname->clear();
    Query& q = F_DataModule->Q(QStringLiteral("Q_Dept"));
    if (mode_ == QLatin1String("modi") && q.Active() && !q.IsEmpty())
        tname->setText(q.AsString(QStringLiteral("de_name")));
    tname->setFocus();
}

void TF_Dept_Sele::btnSaveClick()
{
    if (tname->text().trimmed().isEmpty()) {
        InformRefusal(kDeptNameMissing);
        return;
    }
    const QString name = SafeSqlText(tname->text().trimmed());
    Query& q = F_DataModule->Q(QStringLiteral("Q_Dept"));
    Transaction t(F_DataModule->ADOConn);
    if (mode_ == QLatin1String("add")) {
        q.Append();
        q.SetValue(QStringLiteral("de_sn"), GetNextSn(QStringLiteral("jxc_dept"), QStringLiteral("de_sn")));
        q.SetValue(QStringLiteral("de_name"), name);
        q.Post();
    } else if (mode_ == QLatin1String("modi") && q.Active() && !q.IsEmpty()) {
        const QString code = q.AsString(QStringLiteral("de_sn"));
        const QString oldName = q.AsString(QStringLiteral("de_name"));
        q.Edit();
        q.SetValue(QStringLiteral("de_name"), name);
        q.Post();
        RenameDeptInLedger(code, oldName, name);
    }
    t.Commit();
    if (IsDeptDocumentCaller(PickerCaller))
        ReopenDeptList2();
    close();
}
