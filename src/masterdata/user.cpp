#include "masterdata/user.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/listoutput.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickersform.h"
#include "masterdata/userops.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString kAdminRole = QStringLiteral("100001");

}

QStringList StaffSearchFields()
{
    return { QStringLiteral("u_name"), QStringLiteral("u_jm"), QStringLiteral("u_duty"), QStringLiteral("u_tele"),
        QStringLiteral("u_address") };
}

QString StaffListSql(bool activeOnly)
{
    const QString active = activeOnly ? QStringLiteral("u_jy=0") : QString();
    if (IsTrue(BindPartnersWarehouse) && CurrentRoleSn != kAdminRole) {
        // The operator code is a six-digit code of our own, never operator text.
        return QStringLiteral("select * from jxc_user where ")
            + (activeOnly ? active + QStringLiteral(" and ") : QString())
            + QStringLiteral("(ck_sn='-1' or ck_sn in (select ck_sn from jxc_ckxx where ck_asn  like '%")
            + CurrentAdminSn + QStringLiteral("%'))  order by id");
    }
    return QStringLiteral("select * from jxc_user ") + (activeOnly ? QStringLiteral("where ") + active : QString())
        + QStringLiteral(" order by id");
}

TF_User::TF_User(QWidget* parent) : Form(parent), Q_User(F_DataModule->Q(QStringLiteral("Q_User")))
{
    setObjectName(QStringLiteral("TF_User"));
    setWindowTitle(QStringLiteral("员工信息"));
    resize(960, 540);
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    auto* box = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    btnAdd = AddButton(bar, this, QStringLiteral("增加"), [this] { btnAddClick(); });
    btnModi = AddButton(bar, this, QStringLiteral("修改"), [this] { btnModiClick(); });
    btnDele = AddButton(bar, this, QStringLiteral("删除"), [this] { btnDeleClick(); });
    btnExit = AddButton(bar, this, QStringLiteral("退出"), [this] { btnExitClick(); });
    btnPrint = AddButton(bar, this, QStringLiteral("打印"), [this] { btnPrintClick(); });
    btnSearch = AddButton(bar, this, QStringLiteral("查找"), [this] { btnSearchClick(); });
    btnAll = AddButton(bar, this, QStringLiteral("全部"), [this] { btnAllClick(); });
    bar->addStretch(1);
    box->addLayout(bar);
    tkey = AddSearchLine(
        box, this, QStringLiteral("请输入员工的相关信息进行查询："), QStringLiteral("查询(F2)"),
        [this] { searchKeys(); }, &btnKey);
    box->addWidget(new QLabel(QStringLiteral("(被“禁用”的员工，做业务时将不再显示)"), this));

    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_User")));
    const char* const columns[][3] = { { "u_name", "员工姓名", "90" }, { "u_duty", "所任职务", "80" },
        { "u_tc", "提成比例", "70" }, { "u_tctxt", "提成方式", "90" }, { "u_zdlr", "最低提成毛利", "90" },
        { "u_tele", "联系电话", "100" }, { "u_address", "联系地址", "150" }, { "u_jy", "禁用", "40" },
        { "u_note", "备注", "120" }, { "ck_name", "所属仓库", "90" } };
    for (const auto& c : columns)
        cxGrid->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    cxGrid->SetColumnFormat(cxGrid->ColumnByField(QStringLiteral("u_tc")), QStringLiteral("0.00%;-0.00%"));
    cxGrid->SetColumnFormat(cxGrid->ColumnByField(QStringLiteral("u_zdlr")), QStringLiteral("0;-0"));
    cxGrid->SetCheckColumn(cxGrid->ColumnByField(QStringLiteral("u_jy")), false);
    cxGrid->SetFooterVisible(true);
    box->addWidget(cxGrid, 1);

    gridMenu = new QMenu(this);
    gridMenu->addAction(QStringLiteral("增加(&T)"), this, &TF_User::btnAddClick);
    gridMenu->addAction(QStringLiteral("修改(&U)"), this, &TF_User::btnModiClick);
    gridMenu->addAction(QStringLiteral("删除(&V)"), this, &TF_User::btnDeleClick);
    miDisable = gridMenu->addAction(QStringLiteral("禁用(&W)"));
    miDisable->setCheckable(true);
    connect(miDisable, &QAction::triggered, this, &TF_User::miDisableClick);
    gridMenu->addSeparator();
    gridMenu->addAction(QStringLiteral("查找(&X)"), this, &TF_User::btnSearchClick);
    gridMenu->addAction(QStringLiteral("全部(&Y)"), this, &TF_User::btnAllClick);
    gridMenu->addAction(QStringLiteral("打印(&Z)"), this, &TF_User::btnPrintClick);
    connect(cxGrid, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        miDisable->setChecked(HasRows() && Q_User.FieldByName(QStringLiteral("u_jy")).AsBoolean());
        gridMenu->popup(at);
    });
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(tkey, &QLineEdit::returnPressed, this, &TF_User::searchKeys);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &TF_User::searchKeys);
}

void TF_User::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_User::FormActivate()
{
    cxGrid->SetColumnVisible(cxGrid->ColumnByField(QStringLiteral("ck_name")), IsTrue(BindPartnersWarehouse));
    Q_User.Close();
    Q_User.ClearParams();
    Q_User.SetSQL(StaffListSql(false));
    Q_User.Open();
    UpdateFooter();
}

void TF_User::FormClose()
{
    Q_User.Close();
}

void TF_User::UpdateFooter()
{
    cxGrid->SetFooterCount(cxGrid->ColumnByField(QStringLiteral("u_name")), QStringLiteral("合计人数："));
}

bool TF_User::HasRows() const
{
    return Q_User.Active() && cxGrid->RowCount() > 0;
}

void TF_User::searchKeys()
{
    FilterGridByText(*cxGrid, tkey->text().trimmed(), StaffSearchFields());
    UpdateFooter();
}

void TF_User::filterData()
{
    if (strname.isEmpty() && strlxr.isEmpty() && strtele.isEmpty() && straddress.isEmpty()) {
        tkey->clear();
        searchKeys();
        return;
    }
    cxGrid->SetFilterActive(false);
    cxGrid->ClearFilter();
    cxGrid->SetFilterJoin(GridFilter::Join::Or);
    auto add = [this](const QString& v, std::initializer_list<const char*> fields) {
        if (v.isEmpty())
            return;
        for (const char* f : fields)
            cxGrid->AddFilter(QString::fromLatin1(f), QLatin1Char('%') + v + QLatin1Char('%'));
    };
    add(strname, { "u_name", "u_jm" });
    add(strlxr, { "u_duty" });
    add(strtele, { "u_tele" });
    add(straddress, { "u_address" });
    cxGrid->SetFilterActive(true);
    UpdateFooter();
}

void TF_User::btnAddClick()
{
    TF_User_Add dialog(this);
    Prompt::ShowModal(&dialog);
    UpdateFooter();
}

void TF_User::btnModiClick()
{
    if (!HasRows())
        return;
    TF_User_Modi dialog(this);
    Prompt::ShowModal(&dialog);
    UpdateFooter();
}

void TF_User::btnDeleClick()
{
    if (!HasRows())
        return;
    const QString refusal
        = StaffDeleteRefusal(Q_User.AsString(QStringLiteral("u_sn")), Q_User.AsString(QStringLiteral("u_name")));
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前员工吗！")) != Prompt::Answer::Yes)
        return;
    Q_User.Delete();
    UpdateFooter();
}

void TF_User::miDisableClick(bool checked)
{
    if (!HasRows())
        return;
    Q_User.Edit();
    Q_User.SetValue(QStringLiteral("u_jy"), checked ? 1 : 0);
    Q_User.Post();
}

void TF_User::btnSearchClick()
{
    TF_User_Search dialog(this, this);
    Prompt::ShowModal(&dialog);
}

void TF_User::btnAllClick()
{
    tkey->clear();
    searchKeys();
}

void TF_User::btnPrintClick()
{
    if (!HasRows())
        return;
    // The print takes what the grid shows; the list then shows every row again.
    PrintGridList(QStringLiteral("user.fr3"), QStringLiteral("frxDBDataset1"), *cxGrid);
    cxGrid->SetFilterActive(false);
    cxGrid->ClearFilter();
    UpdateFooter();
}

void TF_User::btnExitClick()
{
    close();
}

UserEditDialog::UserEditDialog(const QString& objectName, const QString& caption, QWidget* parent) : Form(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    tname = NamedEdit(this, "tname", 16);
    tduty = NamedEdit(this, "tduty", 16);
    ttc = NamedEdit(this, "ttc", 5);
    comTcfs = new QComboBox(this);
    comTcfs->addItems({ CommissionMethodText(0), CommissionMethodText(1) });
    tzdlr = NamedEdit(this, "tzdlr", 5);
    tzdlr->setValidator(new QIntValidator(0, 99999, tzdlr));
    ttele = NamedEdit(this, "ttele", 32);
    taddress = NamedEdit(this, "taddress", 64);
    tnote = NamedEdit(this, "tnote", 100);
    form->addRow(QStringLiteral("员工姓名："), tname);
    form->addRow(QStringLiteral("所任职务："), tduty);
    auto* rate = new QHBoxLayout;
    rate->addWidget(ttc);
    rate->addWidget(new QLabel(QStringLiteral("(例如,输入5表示提成5%)"), this));
    form->addRow(QStringLiteral("提成比例："), rate);
    form->addRow(QStringLiteral("提成方式："), comTcfs);
    auto* threshold = new QHBoxLayout;
    threshold->addWidget(tzdlr);
    threshold->addWidget(new QLabel(QStringLiteral("元开始提成"), this));
    form->addRow(QStringLiteral("单个商品毛利超过："), threshold);
    form->addRow(QStringLiteral("联系电话："), ttele);
    form->addRow(QStringLiteral("联系地址："), taddress);
    form->addRow(QStringLiteral("备        注："), tnote);
    auto* flags = new QHBoxLayout;
    chkCg = new QCheckBox(QStringLiteral("进货管理"), this);
    chkXs = new QCheckBox(QStringLiteral("销售管理"), this);
    chkKc = new QCheckBox(QStringLiteral("库存管理"), this);
    chkJy = new QCheckBox(QStringLiteral("禁用"), this);
    for (QCheckBox* c : { chkCg, chkXs, chkKc, chkJy })
        flags->addWidget(c);
    form->addRow(QStringLiteral("业务权限："), flags);
    lCk = new QLabel(QStringLiteral("绑定仓库："), this);
    comCk = new KeyedCombo(this);
    form->addRow(lCk, comCk);
    box->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOK = AddButton(buttons, this, QStringLiteral("确定(F5)"), [this] { btnOKClick(); });
    btnCancel = AddButton(buttons, this, QStringLiteral("取消(Esc)"), [this] { close(); });
    box->addLayout(buttons);
    connect(comTcfs, &QComboBox::currentIndexChanged, this, &UserEditDialog::comTcfsChange);
    InstallDialogKeys(this, [this] { btnOKClick(); });
}

void UserEditDialog::comTcfsChange()
{
    tzdlr->setEnabled(comTcfs->currentIndex() == 1);
}

void UserEditDialog::FillWarehouses()
{
    const bool shown = IsTrue(BindPartnersWarehouse);
    lCk->setVisible(shown);
    comCk->setVisible(shown);
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != kAdminRole) {
        FillComboWhere(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), QStringLiteral("where ck_asn like '%") + CurrentAdminSn + QStringLiteral("%'"),
            QStringLiteral("所有仓库"));
    } else {
        FillCombo(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), QStringLiteral("所有仓库"));
    }
    comCk->setCurrentIndex(comCk->count() > 0 ? 0 : -1);
}

StaffInput UserEditDialog::Gather() const
{
    StaffInput in;
    in.name = tname->text();
    in.duty = tduty->text();
    in.tele = ttele->text();
    in.address = taddress->text();
    in.note = tnote->text();
    in.rate = ttc->text();
    in.method = comTcfs->currentIndex() == 1 ? 1 : 0;
    in.threshold = tzdlr->text().toDouble();
    in.cg = chkCg->isChecked();
    in.xs = chkXs->isChecked();
    in.kc = chkKc->isChecked();
    in.jy = chkJy->isChecked();
    const int i = comCk->currentIndex();
    in.warehouseChosen = i >= 0;
    if (in.warehouseChosen) {
        in.warehouseSn = GetComboCode(*comCk, i);
        in.warehouseName = comCk->currentText();
    }
    return in;
}

void UserEditDialog::Finish(const QString& refusal)
{
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    close();
}

TF_User_Add::TF_User_Add(QWidget* parent)
    : UserEditDialog(QStringLiteral("TF_User_Add"), QStringLiteral("增加员工"), parent)
{
}

void TF_User_Add::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    for (QLineEdit* e : { tname, tduty, ttele, taddress, tnote })
        e->clear();
    comTcfs->setCurrentIndex(0);
    ttc->setText(QStringLiteral("0.00"));
    tzdlr->setText(QStringLiteral("0"));
    comTcfsChange();
    for (QCheckBox* c : { chkCg, chkXs, chkKc })
        c->setChecked(true);
    chkJy->setChecked(false);
    FillWarehouses();
    tname->setFocus();
}

void TF_User_Add::btnOKClick()
{
    Finish(AddStaff(F_DataModule->Q(QStringLiteral("Q_User")), Gather()));
}

TF_User_Modi::TF_User_Modi(QWidget* parent)
    : UserEditDialog(QStringLiteral("TF_User_Modi"), QStringLiteral("修改员工"), parent)
{
}

void TF_User_Modi::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    FillWarehouses();
    Query& q = F_DataModule->Q(QStringLiteral("Q_User"));
    if (!q.Active() || q.IsEmpty() || q.RecNo() < 0)
        return;
    rowId = q.AsInteger(QStringLiteral("id"));
    tname->setText(q.AsString(QStringLiteral("u_name")));
    tduty->setText(q.AsString(QStringLiteral("u_duty")));
    comTcfs->setCurrentIndex(q.AsInteger(QStringLiteral("u_tcfs")) == 1 ? 1 : 0);
    ttc->setText(QString::number(q.AsFloat(QStringLiteral("u_tc")), 'f', 2));
    tzdlr->setText(QString::number(qint64(q.AsFloat(QStringLiteral("u_zdlr")))));
    comTcfsChange();
    ttele->setText(q.AsString(QStringLiteral("u_tele")));
    taddress->setText(q.AsString(QStringLiteral("u_address")));
    tnote->setText(q.AsString(QStringLiteral("u_note")));
    chkCg->setChecked(q.FieldByName(QStringLiteral("u_cg")).AsBoolean());
    chkXs->setChecked(q.FieldByName(QStringLiteral("u_xs")).AsBoolean());
    chkKc->setChecked(q.FieldByName(QStringLiteral("u_kc")).AsBoolean());
    chkJy->setChecked(q.FieldByName(QStringLiteral("u_jy")).AsBoolean());
    comCk->setCurrentIndex(comCk->findText(q.AsString(QStringLiteral("ck_name")), Qt::MatchExactly));
    // The built-in staff member stays bound to all warehouses.
    comCk->setEnabled(q.AsString(QStringLiteral("u_sn")) != kAdminRole);
    tname->setFocus();
}

void TF_User_Modi::btnOKClick()
{
    Finish(ModifyStaff(F_DataModule->Q(QStringLiteral("Q_User")), rowId, Gather()));
}

TF_User_Search::TF_User_Search(TF_User* list, QWidget* parent) : Form(parent), list_(list)
{
    setObjectName(QStringLiteral("TF_User_Search"));
    setWindowTitle(QStringLiteral("员工查询"));
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    tname = NamedEdit(this, "tname", 64);
    tduty = NamedEdit(this, "tduty", 16);
    ttele = NamedEdit(this, "ttele", 32);
    taddress = NamedEdit(this, "taddress", 64);
    form->addRow(QStringLiteral("员工姓名："), tname);
    form->addRow(QStringLiteral("所任职务："), tduty);
    form->addRow(QStringLiteral("联系电话："), ttele);
    form->addRow(QStringLiteral("联系地址："), taddress);
    box->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    AddButton(buttons, this, QStringLiteral("确定(F5)"), [this] { btnOKClick(); });
    AddButton(buttons, this, QStringLiteral("取消(Esc)"), [this] { close(); });
    box->addLayout(buttons);
    InstallDialogKeys(this, [this] { btnOKClick(); });
}

void TF_User_Search::FormActivate()
{
    for (QLineEdit* e : { tname, tduty, ttele, taddress })
        e->clear();
    tname->setFocus();
}

void TF_User_Search::btnOKClick()
{
    list_->strname = tname->text().trimmed();
    list_->strlxr = tduty->text().trimmed();
    list_->strtele = ttele->text().trimmed();
    list_->straddress = taddress->text().trimmed();
    list_->filterData();
    close();
}
