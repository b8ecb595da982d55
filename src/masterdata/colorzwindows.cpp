#include "masterdata/colorzwindows.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "masterdata/inform.h"
#include "masterdata/keyfilter.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/gridfilter.h"
#include "platform/ui/prompt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QVBoxLayout>
#include <memory>

namespace {

bool Confirm(const QString& text)
{
    return Prompt::YesNo(text) == Prompt::Answer::Yes;
}

void ApplyFont(Form* f)
{
    if (FontSize > 0)
        f->ApplyFontSize(FontSize);
}

void Open(Query& q, const QString& sql, const QVariant& group = QVariant())
{
    q.Close();
    q.ClearParams();
    q.SetSQL(sql);
    if (group.isValid())
        q.SetParam(QStringLiteral("g"), group);
    q.Open();
}

// Shows a dialog modally and frees it.
void ShowFreed(Form* f)
{
    std::unique_ptr<Form> owned(f);
    owned->ShowModal();
}

QString CurrentValue(const DataGrid* grid, const Query& q, const QString& field)
{
    return grid->CurrentRow() < 0 || !q.Active() || q.RecNo() < 0 ? QString() : q.AsString(field);
}

DataGrid* ItemGrid(QWidget* parent, Query& q, const QString& nameField, const QString& nameCaption,
    const QString& tmField, const QString& tmCaption)
{
    auto* g = new DataGrid(parent);
    g->SetDataSource(new DataSource(&q, g));
    g->AddColumn(nameField, nameCaption, 120);
    g->AddColumn(tmField, tmCaption, 90);
    return g;
}

}

// ---- group list ----

ColorSizeGroupList::ColorSizeGroupList(const ColorSizeSide& s, const QString& objectName, QWidget* parent)
    : Form(parent), side(s), Q_Groups(F_DataModule->Q(s.qGroups)), Q_Items(F_DataModule->Q(s.qGroupItems))
{
    setObjectName(objectName);
    setWindowTitle(side.listCaption);
    resize(560, 420);
    auto* row = new QHBoxLayout(this);

    auto* boxGroups = new QGroupBox(side.groupsPanel, this);
    auto* left = new QVBoxLayout(boxGroups);
    gridGroups
        = ItemGrid(boxGroups, Q_Groups, side.groupName, side.groupNameColumn, side.groupSn, QStringLiteral("组编号"));
    left->addWidget(gridGroups);
    auto* leftButtons = new QHBoxLayout;
    btnAddGroup = new QPushButton(QStringLiteral("新增"), boxGroups);
    btnModiGroup = new QPushButton(QStringLiteral("修改"), boxGroups);
    btnDeleGroup = new QPushButton(QStringLiteral("删除"), boxGroups);
    for (auto* b : { btnAddGroup, btnModiGroup, btnDeleGroup })
        leftButtons->addWidget(b);
    left->addLayout(leftButtons);
    row->addWidget(boxGroups);

    boxItems = new QGroupBox(side.itemsPanel, this);
    auto* right = new QVBoxLayout(boxItems);
    gridItems = ItemGrid(boxItems, Q_Items, side.itemName, side.itemNameColumn, side.itemTm, side.itemTmColumn);
    right->addWidget(gridItems);
    auto* rightButtons = new QHBoxLayout;
    btnAddItem = new QPushButton(QStringLiteral("新增"), boxItems);
    btnDeleItem = new QPushButton(QStringLiteral("删除"), boxItems);
    btnExit = new QPushButton(QStringLiteral("确定退出"), boxItems);
    for (auto* b : { btnAddItem, btnDeleItem, btnExit })
        rightButtons->addWidget(b);
    right->addLayout(rightButtons);
    row->addWidget(boxItems);

    connect(btnAddGroup, &QPushButton::clicked, this, &ColorSizeGroupList::btnAddGroupClick);
    connect(btnModiGroup, &QPushButton::clicked, this, &ColorSizeGroupList::btnModiGroupClick);
    connect(btnDeleGroup, &QPushButton::clicked, this, &ColorSizeGroupList::btnDeleGroupClick);
    connect(btnAddItem, &QPushButton::clicked, this, &ColorSizeGroupList::btnAddItemClick);
    connect(btnDeleItem, &QPushButton::clicked, this, &ColorSizeGroupList::btnDeleItemClick);
    connect(btnExit, &QPushButton::clicked, this, &ColorSizeGroupList::btnExitClick);
    connect(gridGroups, &QAbstractItemView::clicked, this, &ColorSizeGroupList::ShowGroupItems);
    connect(gridGroups, &DataGrid::rowDoubleClicked, this, &ColorSizeGroupList::btnModiGroupClick);
}

ColorSizeGroupList::~ColorSizeGroupList()
{
    Q_Groups.Close();
    Q_Items.Close();
}

void ColorSizeGroupList::FormActivate()
{
    ApplyFont(this);
    Open(
        Q_Groups, QStringLiteral("select * from %1 where %2<>'100001' order by id").arg(side.groupTable, side.groupSn));
    ShowGroupItems();
}

QString ColorSizeGroupList::CurrentGroup(const QString& column) const
{
    return CurrentValue(gridGroups, Q_Groups, column);
}

void ColorSizeGroupList::ShowGroupItems()
{
    const QString code = CurrentGroup(side.groupSn);
    if (code.isEmpty()) {
        Q_Items.Close();
        boxItems->setTitle(side.itemsPanel);
        return;
    }
    boxItems->setTitle(CurrentGroup(side.groupName) + side.itemsPanel);
    Open(Q_Items,
        QStringLiteral("select a.* from %1 a,%2 b where a.%3=b.%3 and b.%4=:g order by a.id")
            .arg(side.itemTable, side.memberTable, side.itemSn, side.groupSn),
        code);
}

void ColorSizeGroupList::ReopenGroups()
{
    Q_Groups.Requery();
    ShowGroupItems();
}

void ColorSizeGroupList::btnAddGroupClick()
{
    PickerCaller.clear();
    OpenMode = QStringLiteral("add");
    ShowFreed(NewGroupName());
    OpenMode.clear();
    if (!PickerCaller.isEmpty()) {
        const QString created = PickerCaller;
        ShowFreed(NewMembers());
        PickerCaller = created;
        Q_Groups.Requery();
        Q_Groups.Locate(side.groupSn, created);
    }
    PickerCaller.clear();
    if (!Q_Groups.Active())
        FormActivate();
    else
        ReopenGroups();
}

void ColorSizeGroupList::btnModiGroupClick()
{
    if (CurrentGroup(side.groupSn).isEmpty())
        return;
    OpenMode = QStringLiteral("modi");
    ShowFreed(NewGroupName());
    OpenMode.clear();
    PickerCaller.clear();
    ReopenGroups();
}

void ColorSizeGroupList::btnDeleGroupClick()
{
    const QString code = CurrentGroup(side.groupSn);
    if (code.isEmpty())
        return;
    if (ColorSizeRules::GroupInUse(side, code, CurrentGroup(side.groupName))) {
        Inform(side.groupInUse);
        return;
    }
    if (!Confirm(side.groupDeleteAsk))
        return;
    ColorSizeRules::DeleteGroup(side, code);
    ReopenGroups();
}

void ColorSizeGroupList::btnAddItemClick()
{
    const QString code = CurrentGroup(side.groupSn);
    if (code.isEmpty()) {
        Inform(side.addGroupFirst);
        return;
    }
    PickerCaller = code;
    ShowFreed(NewMembers());
    PickerCaller.clear();
    ShowGroupItems();
}

void ColorSizeGroupList::btnDeleItemClick()
{
    const QString item = CurrentValue(gridItems, Q_Items, side.itemSn);
    if (item.isEmpty())
        return;
    const QString code = CurrentGroup(side.groupSn);
    if (ColorSizeRules::GroupInUse(side, code, CurrentGroup(side.groupName))) {
        Inform(side.memberInUse);
        return;
    }
    if (!Confirm(side.memberDeleteAsk))
        return;
    ColorSizeRules::RemoveMember(side, code, item);
    ReopenGroups();
}

void ColorSizeGroupList::btnExitClick()
{
    close();
}

// ---- group-name dialog ----

ColorSizeGroupName::ColorSizeGroupName(const ColorSizeSide& s, const QString& objectName, QWidget* parent)
    : Form(parent), side(s)
{
    setObjectName(objectName);
    setWindowTitle(side.groupNameCaption);
    auto* box = new QVBoxLayout(this);
    tname = new QLineEdit(this);
    tname->setMaxLength(32);
    DiscardSearchPunctuation(tname);
    box->addWidget(tname);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    box->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &ColorSizeGroupName::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &ColorSizeGroupName::btnCancelClick);
}

void ColorSizeGroupName::FormActivate()
{
    ApplyFont(this);
    mode_ = OpenMode;
    Query& groups = F_DataModule->Q(side.qGroups);
    if (mode_ == QLatin1String("modi") && groups.Active() && groups.RecNo() >= 0)
        tname->setText(groups.AsString(side.groupName));
    else
        tname->clear();
}

void ColorSizeGroupName::btnOKClick()
{
    if (tname->text().trimmed().isEmpty()) {
        Inform(side.groupNameEmpty);
        return;
    }
    const QString name = SafeSqlText(tname->text().trimmed());
    if (mode_ == QLatin1String("modi")) {
        Query& groups = F_DataModule->Q(side.qGroups);
        const QString code = groups.AsString(side.groupSn);
        if (ColorSizeRules::GroupNameTaken(side, name, code)) {
            Inform(side.groupNameTaken);
            return;
        }
        // Goods keep the old name; they still hold the group by its code.
        ColorSizeRules::RenameGroup(side, code, name);
        PickerCaller = code;
    } else {
        if (ColorSizeRules::GroupNameTaken(side, name, QString())) {
            Inform(side.groupNameTaken);
            return;
        }
        PickerCaller = ColorSizeRules::AddGroup(side, name);
    }
    accept();
}

void ColorSizeGroupName::btnCancelClick()
{
    reject();
}

// ---- members editor ----

ColorSizeMembers::ColorSizeMembers(const ColorSizeSide& s, const QString& objectName, QWidget* parent)
    : Form(parent), side(s), Q_Members(F_DataModule->Q(s.qMembers)), Q_Others(F_DataModule->Q(s.qOthers))
{
    setObjectName(objectName);
    setWindowTitle(side.membersCaption);
    resize(620, 440);
    auto* box = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(side.currentGroup, this));
    lGroup = new QLabel(this);
    head->addWidget(lGroup);
    head->addStretch(1);
    head->addWidget(new QLabel(side.searchLabel, this));
    tkey = new QLineEdit(this);
    DiscardSearchPunctuation(tkey);
    head->addWidget(tkey);
    box->addLayout(head);

    auto* lists = new QHBoxLayout;
    gridMembers = ItemGrid(this, Q_Members, side.itemName, side.membersColumn, side.itemTm, side.itemTmColumn);
    lists->addWidget(gridMembers);
    auto* middle = new QVBoxLayout;
    btnAddOne = new QPushButton(QStringLiteral("<"), this);
    btnAddAll = new QPushButton(QStringLiteral("<<"), this);
    btnRemoveOne = new QPushButton(QStringLiteral(">"), this);
    btnRemoveAll = new QPushButton(QStringLiteral(">>"), this);
    middle->addStretch(1);
    for (auto* b : { btnAddOne, btnAddAll, btnRemoveOne, btnRemoveAll })
        middle->addWidget(b);
    middle->addStretch(1);
    lists->addLayout(middle);
    gridOthers = ItemGrid(this, Q_Others, side.itemName, side.othersColumn, side.itemTm, side.itemTmColumn);
    lists->addWidget(gridOthers);
    box->addLayout(lists);

    auto* buttons = new QHBoxLayout;
    btnNewItem = new QPushButton(side.newItem, this);
    btnModiItem = new QPushButton(side.modiItem, this);
    btnDeleItem = new QPushButton(side.deleItem, this);
    btnExit = new QPushButton(QStringLiteral("确定退出"), this);
    buttons->addStretch(1);
    for (auto* b : { btnNewItem, btnModiItem, btnDeleItem, btnExit })
        buttons->addWidget(b);
    box->addLayout(buttons);

    connect(btnAddOne, &QPushButton::clicked, this, &ColorSizeMembers::btnAddOneClick);
    connect(btnAddAll, &QPushButton::clicked, this, &ColorSizeMembers::btnAddAllClick);
    connect(btnRemoveOne, &QPushButton::clicked, this, &ColorSizeMembers::btnRemoveOneClick);
    connect(btnRemoveAll, &QPushButton::clicked, this, &ColorSizeMembers::btnRemoveAllClick);
    connect(btnNewItem, &QPushButton::clicked, this, &ColorSizeMembers::btnNewItemClick);
    connect(btnModiItem, &QPushButton::clicked, this, &ColorSizeMembers::btnModiItemClick);
    connect(btnDeleItem, &QPushButton::clicked, this, &ColorSizeMembers::btnDeleItemClick);
    connect(btnExit, &QPushButton::clicked, this, &ColorSizeMembers::btnExitClick);
    connect(gridOthers, &DataGrid::rowDoubleClicked, this, &ColorSizeMembers::btnAddOneClick);
    connect(gridMembers, &DataGrid::rowDoubleClicked, this, &ColorSizeMembers::btnRemoveOneClick);
    connect(tkey, &QLineEdit::textChanged, this, &ColorSizeMembers::searchItems);
}

ColorSizeMembers::~ColorSizeMembers()
{
    Q_Members.Close();
    Q_Others.Close();
}

void ColorSizeMembers::FormActivate()
{
    ApplyFont(this);
    group = PickerCaller;
    tkey->clear();
    lGroup->setText(
        ScalarBound(QStringLiteral("select %1 from %2 where %3=:g").arg(side.groupName, side.groupTable, side.groupSn),
            { { QStringLiteral("g"), group } }));
    LoadMembers();
    LoadOthers();
}

void ColorSizeMembers::LoadMembers()
{
    Open(Q_Members,
        QStringLiteral("select a.* from %1 a,%2 b where a.%3=b.%3 and b.%4=:g order by a.id")
            .arg(side.itemTable, side.memberTable, side.itemSn, side.groupSn),
        group);
}

void ColorSizeMembers::LoadOthers()
{
    // Never the built-in item, which only the built-in group holds.
    Open(Q_Others,
        QStringLiteral("select * from %1 where %2 not in (select %2 from %3 where %4=:g) and %2<>'100001' order by id")
            .arg(side.itemTable, side.itemSn, side.memberTable, side.groupSn),
        group);
    searchItems();
}

void ColorSizeMembers::ReloadBoth()
{
    LoadMembers();
    LoadOthers();
}

void ColorSizeMembers::searchItems()
{
    const QString t = tkey->text().trimmed();
    gridOthers->ClearFilter();
    if (t.isEmpty()) {
        gridOthers->SetFilterActive(false);
        return;
    }
    gridOthers->SetFilterJoin(GridFilter::Join::Or);
    for (const QString& f : { side.itemName, side.itemJm, side.itemSn, side.itemTm })
        gridOthers->AddFilter(f, QLatin1Char('%') + t + QLatin1Char('%'));
    gridOthers->SetFilterActive(true);
}

void ColorSizeMembers::btnAddOneClick()
{
    const QString item = CurrentValue(gridOthers, Q_Others, side.itemSn);
    if (item.isEmpty())
        return;
    ColorSizeRules::AddMembers(side, group, { item });
    ReloadBoth();
}

void ColorSizeMembers::btnAddAllClick()
{
    // Exactly the items the search shows.
    QStringList items;
    for (int r = 0; r < gridOthers->RowCount(); ++r)
        items << gridOthers->Value(r, side.itemSn).toString();
    if (items.isEmpty())
        return;
    ColorSizeRules::AddMembers(side, group, items);
    ReloadBoth();
}

void ColorSizeMembers::btnRemoveOneClick()
{
    const QString item = CurrentValue(gridMembers, Q_Members, side.itemSn);
    if (item.isEmpty())
        return;
    ColorSizeRules::RemoveMember(side, group, item);
    ReloadBoth();
}

void ColorSizeMembers::btnRemoveAllClick()
{
    ColorSizeRules::RemoveAllMembers(side, group);
    ReloadBoth();
}

void ColorSizeMembers::btnNewItemClick()
{
    ShowFreed(NewItemAdd());
    LoadOthers();
}

void ColorSizeMembers::btnModiItemClick()
{
    if (CurrentValue(gridMembers, Q_Members, side.itemSn).isEmpty())
        return;
    ShowFreed(NewItemModi());
    Q_Members.Requery();
}

void ColorSizeMembers::btnDeleItemClick()
{
    const QString item = CurrentValue(gridOthers, Q_Others, side.itemSn);
    if (item.isEmpty())
        return;
    if (ColorSizeRules::ItemInAnyGroup(side, item)) {
        Inform(side.itemInGroup);
        return;
    }
    if (!Confirm(side.itemDeleteAsk))
        return;
    ColorSizeRules::DeleteItem(side, item);
    LoadOthers();
}

void ColorSizeMembers::btnExitClick()
{
    close();
}

// ---- item dialogs ----

ColorSizeItemDialog::ColorSizeItemDialog(const ColorSizeSide& s, bool modi, const QString& objectName, QWidget* parent)
    : Form(parent), side(s), modify(modi)
{
    setObjectName(objectName);
    setWindowTitle(modify ? side.itemModiCaption : side.itemAddCaption);
    auto* box = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    tname = new QLineEdit(this);
    tname->setMaxLength(modify ? side.modiNameLength : side.addNameLength);
    tcode = new QLineEdit(this);
    tcode->setMaxLength(8);
    tcode->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), tcode));
    DiscardSearchPunctuation(tname);
    DiscardSearchPunctuation(tcode);
    form->addWidget(new QLabel(side.nameLabel, this), 0, 0);
    form->addWidget(tname, 0, 1);
    form->addWidget(new QLabel(side.codeLabel, this), 1, 0);
    form->addWidget(tcode, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("说明：编码用于组建商品条码,建议输入数字"), this), 2, 0, 1, 2);
    box->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSave = new QPushButton(QStringLiteral("保存(F5)"), this);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    box->addLayout(buttons);
    connect(btnSave, &QPushButton::clicked, this, &ColorSizeItemDialog::btnSaveClick);
    connect(btnExit, &QPushButton::clicked, this, &ColorSizeItemDialog::btnExitClick);
    connect(
        new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, &ColorSizeItemDialog::btnSaveClick);
}

void ColorSizeItemDialog::FormActivate()
{
    ApplyFont(this);
    itemSn_.clear();
    tname->clear();
    tcode->clear();
    if (!modify)
        return;
    Query& members = F_DataModule->Q(side.qMembers);
    if (members.Active() && members.RecNo() >= 0) {
        itemSn_ = members.AsString(side.itemSn);
        tname->setText(members.AsString(side.itemName));
        tcode->setText(members.AsString(side.itemTm));
    }
}

void ColorSizeItemDialog::btnSaveClick()
{
    const QString name = SafeSqlText(tname->text().trimmed());
    const QString code = SafeSqlText(tcode->text().trimmed());
    if (name.isEmpty()) {
        Inform(side.itemNameEmpty);
        return;
    }
    if (code.isEmpty()) {
        Inform(side.itemCodeEmpty);
        return;
    }
    if (ColorSizeRules::ItemTaken(side, name, code, itemSn_)) {
        Inform(modify ? side.modiItemTaken : side.newItemTaken);
        return;
    }
    if (modify)
        ColorSizeRules::ModifyItem(side, itemSn_, name, code);
    else
        ColorSizeRules::AddItem(side, name, code);
    accept();
}

void ColorSizeItemDialog::btnExitClick()
{
    reject();
}
