#include "masterdata/spxxglmove.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "masterdata/goodsclassmove.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/spxxgl.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Spxxgl_Move::TF_Spxxgl_Move(QWidget* parent)
    : Form(parent), Q_GoodsClass(F_DataModule->Q(QStringLiteral("Q_GoodsClass")))
{
    setObjectName(QStringLiteral("TF_Spxxgl_Move"));
    setWindowTitle(QStringLiteral("商品类别移动"));
    resize(380, 460);
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("将商品类别："), this), 0, 0);
    lgcname = new QLabel(this);
    lgcname->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    grid->addWidget(lgcname, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("移动到下面选中类别的："), this), 1, 0);
    comLb = new QComboBox(this);
    comLb->addItems({ QStringLiteral("下级类别"), QStringLiteral("同级下一行"), QStringLiteral("同级上一行") });
    grid->addWidget(comLb, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("所选类别："), this), 2, 0);
    leibie = new QLabel(this);
    leibie->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    grid->addWidget(leibie, 2, 1);
    box->addLayout(grid);
    tree = new DbTree(this);
    tree->SetDataSource(new DataSource(&Q_GoodsClass, this), QStringLiteral("gc_key"), QStringLiteral("gc_pid"),
        QStringLiteral("gc_name"));
    box->addWidget(tree, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("确定移动"), this);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    box->addLayout(buttons);
    connect(tree, &QTreeWidget::itemClicked, this, &TF_Spxxgl_Move::selectNode);
    connect(btnOK, &QPushButton::clicked, this, &TF_Spxxgl_Move::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Spxxgl_Move::btnCancelClick);
}

void TF_Spxxgl_Move::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    comLb->setCurrentIndex(0);
    Q_GoodsClass.SetSQL(QStringLiteral("select * from jxc_goodsclass order by gc_key"));
    Q_GoodsClass.Open();
    if (tree->topLevelItemCount() > 0) {
        tree->SelectNode(tree->topLevelItem(0));
        ExpandBranch(tree->topLevelItem(0));
    }
    selectNode();
    Query& listClasses = F_DataModule->Q(QStringLiteral("ADOQueryGoodsClass"));
    if (listClasses.Active() && listClasses.RecNo() >= 0) {
        movedId = listClasses.AsInteger(QStringLiteral("id"));
        lgcname->setText(listClasses.AsString(QStringLiteral("gc_name")));
    }
}

void TF_Spxxgl_Move::selectNode()
{
    if (!Q_GoodsClass.Active() || Q_GoodsClass.RecNo() < 0)
        return;
    targetId = Q_GoodsClass.AsInteger(QStringLiteral("id"));
    leibie->setText(Q_GoodsClass.AsString(QStringLiteral("gc_name")));
}

void TF_Spxxgl_Move::btnOKClick()
{
    static const ClassMovePosition positions[]
        = { ClassMovePosition::Below, ClassMovePosition::NextSibling, ClassMovePosition::PriorSibling };
    const QString refusal = MoveGoodsClass(movedId, targetId, positions[qBound(0, comLb->currentIndex(), 2)]);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal, Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    Prompt::Info(kMoveDone, Prompt::kInfoCaption, Prompt::Icon::Information);
    if (F_Spxxgl)
        F_Spxxgl->ReloadAfterClassMove();
    accept();
}

void TF_Spxxgl_Move::btnCancelClick()
{
    reject();
}

void TF_Spxxgl_Move::hideEvent(QHideEvent* e)
{
    Q_GoodsClass.Close();
    Form::hideEvent(e);
}
