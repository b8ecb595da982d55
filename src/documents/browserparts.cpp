#include "documents/browserparts.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

CatalogueTabs BuildCatalogueTabs(QWidget* parent, QBoxLayout* into, const CatalogueNames& names,
    const std::function<DataGrid*(QWidget*, const char*, const QString&)>& makeList)
{
    CatalogueTabs t;
    t.page = new QTabWidget(parent);
    t.tab1 = new QWidget;
    t.tab2 = new QWidget;
    t.page->addTab(t.tab1, QStringLiteral("商品清单"));
    t.page->addTab(t.tab2, QStringLiteral("商品列表"));
    into->addWidget(t.page, 1);
    auto* first = new QVBoxLayout(t.tab1);
    t.list1 = makeList(t.tab1, names.list1, names.list1Source);
    first->addWidget(t.list1);
    auto* second = new QHBoxLayout(t.tab2);
    t.tree = new DbTree(t.tab2);
    t.tree->setObjectName(QLatin1String(names.tree));
    t.tree->UseFolderImages();
    t.tree->SetDataSource(&F_DataModule->D(names.treeSource), QStringLiteral("gc_key"), QStringLiteral("gc_pid"),
        QStringLiteral("gc_name"));
    second->addWidget(t.tree, 1);
    t.list2 = makeList(t.tab2, names.list2, names.list2Source);
    second->addWidget(t.list2, 3);
    return t;
}

void OpenGoodsClasses(Query& classes, DbTree* tree)
{
    classes.Close();
    classes.SetSQL(QStringLiteral("select * from jxc_goodsclass where gc_pid<>0 order by gc_key"));
    classes.Open();
    if (QTreeWidgetItem* leaf = tree->FirstLeaf())
        tree->SelectNode(leaf);
}

QString GoodsSearchHint()
{
    return IsTrue(EnterStartsSearch) ? QStringLiteral("输入商品编号或名称,回车查询：")
                                     : QStringLiteral("输入商品编号或名称查询商品：");
}

void FilterGoodsList(DataGrid& list, const QString& typed, std::initializer_list<const char*> fields)
{
    list.ClearFilter();
    const QString key = typed.trimmed().toUpper();
    if (key.isEmpty()) {
        list.SetFilterActive(false);
        return;
    }
    list.SetFilterJoin(GridFilter::Join::Or);
    const QString pattern = QLatin1Char('%') + key + QLatin1Char('%');
    for (const char* f : fields)
        list.AddFilter(QLatin1String(f), pattern);
    list.SetFilterActive(true);
}

void ConnectSearchKey(
    QLineEdit* key, QWidget* receiver, const std::function<void()>& filter, const std::function<void()>& enter)
{
    QObject::connect(key, &QLineEdit::textChanged, receiver, [filter] {
        if (!IsTrue(EnterStartsSearch))
            filter();
    });
    QObject::connect(key, &QLineEdit::returnPressed, receiver, enter);
}

bool HandleBrowserKey(int key, const std::function<void()>& drop, const std::function<void()>& change,
    const std::function<void()>& pick, const std::function<void()>& confirm)
{
    switch (key) {
    case Qt::Key_Delete:
        drop();
        return true;
    case Qt::Key_F9:
        change();
        return true;
    case Qt::Key_F8:
        if (pick)
            pick();
        return true;
    case Qt::Key_F5:
        confirm();
        return true;
    default:
        return false;
    }
}

void DeletePick(qint64 pickId)
{
    const posting::Params id { { QStringLiteral("id"), pickId } };
    Transaction t(posting::Db());
    posting::Run(QStringLiteral("delete from jxc_tempspxf where id=:id"), id);
    posting::Run(QStringLiteral("delete from jxc_tempspxfmx where tid=:id"), id);
    t.Commit();
}

bool ClosePicksQuery(const QString& question, const std::function<void()>& save, const std::function<void()>& drop)
{
    switch (Prompt::YesNoCancel(question)) {
    case Prompt::Answer::Yes:
        save();
        return true;
    case Prompt::Answer::No:
        drop();
        return true;
    default:
        return false;
    }
}

void ResetGoodsSearch(QLineEdit* key, std::initializer_list<DataGrid*> lists)
{
    {
        const QSignalBlocker block(key);
        key->clear();
    }
    key->setFocus();
    for (DataGrid* g : lists)
        g->ClearFilter();
}

void OpenPickedLines(Query& picked)
{
    picked.SetSQL(QStringLiteral("select b.g_name,b.dw_name,b.gg_name,b.color_name,a.*,a.ts_dj*a.ts_dzl as g_sj "
                                 "from jxc_tempspxf a,jxc_goods b where a.g_sn=b.g_sn and a.ts_dzl>0 and "
                                 "a.a_name=:aname order by a.id"));
    picked.SetParam(QStringLiteral("aname"), CurrentAdminName);
    picked.Open();
}

bool ToCurrentPick(Query& picked, const DataGrid& grid)
{
    if (!picked.Active() || picked.IsEmpty())
        return false;
    const int row = grid.CurrentRow();
    if (row >= 0)
        picked.SetRecNo(grid.SourceRow(row));
    return true;
}

void DropCurrentPick(Query& picked, const DataGrid& grid)
{
    if (!picked.Active() || picked.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    ToCurrentPick(picked, grid);
    DeletePick(picked.AsInteger(QStringLiteral("id")));
    picked.Requery();
}

QMenu* AddGridMenu(
    QWidget* owner, std::initializer_list<DataGrid*> grids, const QList<QPair<QString, std::function<void()>>>& items)
{
    auto* menu = new QMenu(owner);
    for (const auto& item : items)
        menu->addAction(item.first, owner, item.second);
    for (DataGrid* g : grids)
        QObject::connect(g, &DataGrid::rightClicked, menu, [menu](const QPoint& at) { menu->popup(at); });
    return menu;
}

int PickedPanelWidth(int windowWidth, int narrow)
{
    return windowWidth <= 1300 ? narrow : windowWidth / 2 - 100;
}
