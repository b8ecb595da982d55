#pragma once
#include <QWidget>

class DataSource;
class DbTree;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidgetItem;
class Query;

// Expands the node with everything below it.
void ExpandBranch(QTreeWidgetItem* node);

// The goods category panel: the tree on a category dataset with its menu
// ("创建类别(&W)", "重命名(&X)", "删除类别(&Y)", "类别移动(&Z)") and the search box
// `tname`. The goods list and the goods-add window each own one; the owner reacts
// to a clicked category, an accepted rename and a requested move.
class GoodsClassTree : public QWidget {
    Q_OBJECT
public:
    explicit GoodsClassTree(QWidget* parent = nullptr);
    ~GoodsClassTree() override;

    // Binds the tree to the category dataset (as a rule the data module's).
    void SetQuery(Query& goodsClass);
    Query* GetQuery() const { return query_; }
    // Opens the dataset on every category, expands the root with all that lies below
    // and selects it.
    void Open();
    void Close();
    void SelectRoot();
    // Makes the node current and expands it with its descendants.
    void SelectAndExpand(QTreeWidgetItem* node);

    // The current category (the dataset's current row).
    QString CurrentCode() const;
    QString CurrentName() const;
    bool CurrentIsRoot() const;

    // The menu's enabling for the current node, as a right click sets it.
    void PrepareMenu();
    void miNewClick();
    void miRenameClick();
    void miDeleteClick();
    void miMoveClick();
    // The search button, and each change typed into `tname`.
    void btnSearchClick();
    void tnameEdited(const QString& text);

    DbTree* tree = nullptr;
    QLineEdit* tname = nullptr;
    QPushButton* btnSearch = nullptr;
    QMenu* menu = nullptr;
    QAction* miNew = nullptr;
    QAction* miRename = nullptr;
    QAction* miDelete = nullptr;
    QAction* miMove = nullptr;

signals:
    void classClicked(const QString& code);
    void classRenamed();
    void moveRequested();

private:
    void OnRenamed(const QString& caption);

    Query* query_ = nullptr;
    DataSource* source_ = nullptr;
};
