#include "admin/role.h"

#include "admin/listparts.h"
#include "admin/rightstable.h"
#include "admin/roles.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "platform/grid/checktree.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

Query& roleQuery()
{
    return F_DataModule->Q(QStringLiteral("Q_Role"));
}

void reopenRoleList()
{
    OpenQuery(roleQuery(), QStringLiteral("select * from jxc_role order by id"));
}

} // namespace

// ---- the list ----

TF_Role::TF_Role(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Role"));
    setWindowTitle(QStringLiteral("角色管理"));
    SetReactivateAfterModal(true);

    const ListButtons toolbar = MakeListButtons(this);
    btn_Add = toolbar.add;
    btn_Modi = toolbar.modi;
    btn_Dele = toolbar.dele;
    btn_Exit = toolbar.exit;

    cxGridView = MakeListGrid(this, QStringLiteral("D_Role"));
    const int colSn = cxGridView->AddColumn(QStringLiteral("r_sn"), QStringLiteral("角色编号"), 100);
    cxGridView->AddColumn(QStringLiteral("r_name"), QStringLiteral("角色名称"), 200);
    cxGridView->SetFooterCount(colSn, QStringLiteral("记录数："));

    auto* root = new QVBoxLayout(this);
    root->addLayout(toolbar.layout);
    root->addWidget(cxGridView, 1);
    resize(420, 360);

    connect(btn_Add, &QPushButton::clicked, this, [this] { btn_AddClick(); });
    connect(btn_Modi, &QPushButton::clicked, this, [this] { btn_ModiClick(); });
    connect(btn_Dele, &QPushButton::clicked, this, [this] { btn_DeleClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { btn_ExitClick(); });
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btn_ModiClick(); });
}

void TF_Role::FormActivate()
{
    ApplyFontSize(FontSize);
    reopenRoleList();
}

void TF_Role::FormClose()
{
    roleQuery().Close();
}

void TF_Role::done(int result)
{
    FormClose();
    Form::done(result);
}

void TF_Role::openDialog(const QString& mode)
{
    OpenMode = mode;
    TF_Role_Add dialog(this);
    dialog.ShowModal();
    OpenMode.clear();
}

void TF_Role::btn_AddClick()
{
    openDialog(QStringLiteral("add"));
}

void TF_Role::btn_ModiClick()
{
    if (roleQuery().IsEmpty())
        return;
    const QString refusal = RoleModifyRefusal(roleQuery().AsString(QStringLiteral("r_sn")));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    openDialog(QStringLiteral("modi"));
}

void TF_Role::btn_DeleClick()
{
    Query& q = roleQuery();
    if (q.IsEmpty())
        return;
    const QString sn = q.AsString(QStringLiteral("r_sn"));
    if (!ConfirmUnlessRefused(RoleDeleteRefusal(sn), QStringLiteral("您确定要删除选中的角色吗？")))
        return;
    DeleteRole(sn);
    reopenRoleList();
}

void TF_Role::btn_ExitClick()
{
    close();
}

// ---- the dialog ----

TF_Role_Add::TF_Role_Add(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Role_Add"));
    setWindowTitle(QStringLiteral("增加角色"));
    SetEscCloses(false);

    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(16);
    chkTree = new CheckTree(this);
    chkTree->setObjectName(QStringLiteral("chkTree"));
    chkSele = new QCheckBox(QStringLiteral("全选"), this);
    chkSele->setObjectName(QStringLiteral("chkSele"));
    btnOK = MakeButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = MakeButton(this, "btnCancel", QStringLiteral("取消(Esc)"));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("角色名称："), this));
    nameRow->addWidget(tname, 1);
    auto* group = new QGroupBox(QStringLiteral("操作权限"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(chkTree);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkSele);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* root = new QVBoxLayout(this);
    root->addLayout(nameRow);
    root->addWidget(group, 1);
    root->addLayout(buttons);
    resize(420, 560);

    connect(chkSele, &QCheckBox::clicked, this, [this] { chkSeleClick(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_F5) {
            btnOKClick();
            return true;
        }
        if (e->key() == Qt::Key_Escape) {
            btnCancelClick();
            return true;
        }
        return false;
    });
}

void TF_Role_Add::FormActivate()
{
    ApplyFontSize(FontSize);
    tname->clear();
    setChkTree();
    if (OpenMode == QLatin1String("add")) {
        chkSele->setChecked(true);
        chkSeleClick();
    }
    tname->setFocus();
}

void TF_Role_Add::setChkTree()
{
    chkTree->ClearAll();
    const auto& groups = RightGroups();
    for (const RightGroup& g : groups) {
        const int gi = chkTree->AddGroup(g.caption);
        for (const QString& label : g.labels)
            chkTree->AddItem(gi, label);
    }
    chkTree->expandAll();
    if (OpenMode != QLatin1String("modi"))
        return;
    const Query& q = roleQuery();
    tname->setText(q.AsString(QStringLiteral("r_name")));
    for (int gi = 0; gi < int(groups.size()); ++gi) {
        const QList<bool> ticks = TicksFromFlags(q.AsString(groups[gi].column), int(groups[gi].labels.size()));
        for (int i = 0; i < ticks.size(); ++i)
            chkTree->SetChecked(gi, i, ticks[i]);
    }
}

void TF_Role_Add::chkSeleClick()
{
    for (int gi = 0; gi < chkTree->GroupCount(); ++gi)
        chkTree->SetGroupChecked(gi, chkSele->isChecked());
}

QHash<QString, QString> TF_Role_Add::Flags() const
{
    QHash<QString, QString> flags;
    const auto& groups = RightGroups();
    for (int gi = 0; gi < chkTree->GroupCount() && gi < int(groups.size()); ++gi) {
        QList<bool> ticks;
        for (int i = 0; i < chkTree->ItemCount(gi); ++i)
            ticks << chkTree->IsChecked(gi, i);
        flags.insert(groups[gi].column, FlagsFromTicks(ticks));
    }
    return flags;
}

void TF_Role_Add::btnOKClick()
{
    const qint64 id = OpenMode == QLatin1String("modi") ? roleQuery().AsInteger(QStringLiteral("id")) : 0;
    const QString refusal = SaveRole(id, tname->text(), Flags());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    reopenRoleList();
    close();
}

void TF_Role_Add::btnCancelClick()
{
    close();
}
