#include "masterdata/goodsclasstree.h"

#include "foundation/combos.h"
#include "foundation/goodsclass.h"
#include "masterdata/goodsclass.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

void ExpandBranch(QTreeWidgetItem* node)
{
    node->setExpanded(true);
    for (int i = 0; i < node->childCount(); ++i)
        ExpandBranch(node->child(i));
}

GoodsClassTree::GoodsClassTree(QWidget* parent) : QWidget(parent)
{
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(2, 2, 2, 2);
    auto* caption = new QLabel(QStringLiteral("商品类别"), this);
    caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    box->addWidget(caption);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("类别名称："), this));
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    search->addWidget(tname, 1);
    btnSearch = new QPushButton(QStringLiteral("查找"), this);
    search->addWidget(btnSearch);
    box->addLayout(search);
    tree = new DbTree(this);
    tree->setObjectName(QStringLiteral("cxDBTreeList1"));
    tree->UseFolderImages();
    box->addWidget(tree, 1);
    for (const char* line : { "单击右键,在弹出菜单中选择不同", "菜单项进行类别的添加,删除,修改", "等操作" })
        box->addWidget(new QLabel(QString::fromUtf8(line), this));

    menu = new QMenu(this);
    miNew = menu->addAction(QStringLiteral("创建类别(&W)"), this, &GoodsClassTree::miNewClick);
    miRename = menu->addAction(QStringLiteral("重命名(&X)"), this, &GoodsClassTree::miRenameClick);
    miDelete = menu->addAction(QStringLiteral("删除类别(&Y)"), this, &GoodsClassTree::miDeleteClick);
    miMove = menu->addAction(QStringLiteral("类别移动(&Z)"), this, &GoodsClassTree::miMoveClick);

    connect(tree, &DbTree::rightClicked, this, [this](const QPoint& at) {
        PrepareMenu();
        menu->popup(at);
    });
    connect(tree, &QTreeWidget::itemClicked, this, [this] { emit classClicked(CurrentCode()); });
    connect(tree, &DbTree::nodeRenamed, this, &GoodsClassTree::OnRenamed);
    connect(btnSearch, &QPushButton::clicked, this, &GoodsClassTree::btnSearchClick);
    connect(tname, &QLineEdit::textEdited, this, &GoodsClassTree::tnameEdited);
}

GoodsClassTree::~GoodsClassTree() = default;

void GoodsClassTree::SetQuery(Query& goodsClass)
{
    query_ = &goodsClass;
    delete source_;
    source_ = new DataSource(&goodsClass, this);
    tree->SetDataSource(source_, QStringLiteral("gc_key"), QStringLiteral("gc_pid"), QStringLiteral("gc_name"));
}

void GoodsClassTree::Open()
{
    if (!query_)
        return;
    query_->SetSQL(QStringLiteral("select * from jxc_goodsclass order by gc_key"));
    query_->Open();
    SelectRoot();
}

void GoodsClassTree::Close()
{
    if (query_)
        query_->Close();
}

void GoodsClassTree::SelectRoot()
{
    if (tree->topLevelItemCount() > 0)
        SelectAndExpand(tree->topLevelItem(0));
}

void GoodsClassTree::SelectAndExpand(QTreeWidgetItem* node)
{
    if (!node)
        return;
    tree->SelectNode(node);
    ExpandBranch(node);
}

QString GoodsClassTree::CurrentCode() const
{
    return query_ && query_->Active() && query_->RecNo() >= 0 ? query_->AsString(QStringLiteral("gc_sn")) : QString();
}

QString GoodsClassTree::CurrentName() const
{
    return query_ && query_->Active() && query_->RecNo() >= 0 ? query_->AsString(QStringLiteral("gc_name")) : QString();
}

bool GoodsClassTree::CurrentIsRoot() const
{
    return !query_ || !query_->Active() || query_->RecNo() < 0
        || query_->AsString(QStringLiteral("gc_pid")) == QLatin1String("0");
}

void GoodsClassTree::PrepareMenu()
{
    const bool root = CurrentIsRoot();
    miDelete->setEnabled(!root);
    miRename->setEnabled(!root);
    miMove->setEnabled(!root);
}

void GoodsClassTree::miNewClick()
{
    if (!tree->currentItem() || !query_)
        return;
    const QString refusal = CreateGoodsClass(*query_);
    if (!refusal.isEmpty())
        Prompt::Info(refusal, Prompt::kInfoCaption, Prompt::Icon::Information);
}

void GoodsClassTree::miRenameClick()
{
    if (!CurrentIsRoot())
        tree->RenameCurrent();
}

void GoodsClassTree::OnRenamed(const QString& caption)
{
    if (!query_)
        return;
    SetGoodsClassName(*query_, caption);
    emit classRenamed();
}

void GoodsClassTree::miDeleteClick()
{
    if (!tree->currentItem() || !query_)
        return;
    const QString refusal = GoodsClassDeleteRefusal(
        query_->AsString(QStringLiteral("gc_pid")), query_->AsString(QStringLiteral("gc_sn")));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal, Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前类别吗?")) != Prompt::Answer::Yes)
        return;
    const QString parent = query_->AsString(QStringLiteral("gc_pid"));
    DeleteGoodsClassBranch(query_->AsString(QStringLiteral("gc_key")));
    query_->Requery();
    tree->SelectKey(parent);
}

void GoodsClassTree::miMoveClick()
{
    if (!tree->currentItem()) {
        Prompt::Info(QStringLiteral("请选择类别！"), Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    if (!CurrentCode().isEmpty())
        emit moveRequested();
}

void GoodsClassTree::btnSearchClick()
{
    const QString name = FindGoodsClassName(tname->text());
    QTreeWidgetItem* node = name.isEmpty() || name == QLatin1String("0") ? nullptr : tree->FindCaption(name);
    if (node)
        SelectAndExpand(node);
    else
        SelectRoot();
}

void GoodsClassTree::tnameEdited(const QString& text)
{
    const QString name = FindGoodsClassName(text);
    if (!name.isEmpty())
        SelectAndExpand(tree->FindCaption(name));
}
