#include "masterdata/partnerlist.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/listoutput.h"
#include "masterdata/partnerdialogs.h"
#include "masterdata/pickersform.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TF_Khgl* F_Khgl = nullptr;
TF_Ghsgl* F_Ghsgl = nullptr;

PartnerListForm::PartnerListForm(PartnerKind k, QWidget* parent)
    : Form(parent), kind(k),
      Q(F_DataModule->Q(k == PartnerKind::Customer ? QStringLiteral("Q_Khxx") : QStringLiteral("Q_Ghsxx")))
{
    const bool customer = kind == PartnerKind::Customer;
    const QString who = customer ? QStringLiteral("客户") : QStringLiteral("供货商");
    setWindowTitle(who + QStringLiteral("信息"));
    resize(1000, 560);
    // The list shows what the dialogs it opened have just saved.
    SetReactivateAfterModal(true);
    auto* box = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar_ = bar;
    box->addLayout(bar);
    AddBarButton(QStringLiteral("增加"), [this] { btnAddClick(); });
    AddBarButton(QStringLiteral("修改"), [this] { btnModiClick(); });
    AddBarButton(QStringLiteral("删除"), [this] { btnDeleClick(); });
    AddBarButton(QStringLiteral("退出"), [this] { btnExitClick(); });
    AddBarButton(QStringLiteral("打印"), [this] { btnPrintClick(); });
    AddBarButton(QStringLiteral("导入"), [this] { btnImportClick(); });
    AddBarButton(QStringLiteral("查找"), [this] { btnSearchClick(); });
    AddBarButton(QStringLiteral("导出"), [this] { btnExportClick(); });
    tkey = AddSearchLine(
        box, this, QStringLiteral("请输入") + who + QStringLiteral("的相关信息进行查询："), QStringLiteral("查询(F2)"),
        [this] { searchKeys(); }, &btnKey);
    auto* note = new QLabel(QStringLiteral("(被“禁用”的") + who
            + (customer ? QStringLiteral("，做销售操作时将不再显示)") : QStringLiteral("，做采购操作时将不再显示)")),
        this);
    box->addWidget(note);

    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(customer ? QStringLiteral("D_Khxx") : QStringLiteral("D_Ghsxx")));
    const QString p = customer ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    struct Col {
        QString field, caption;
        int width;
    };
    QList<Col> cols { { p + "sn", "编号", 70 }, { p + "name", who + "名称", 160 }, { p + "lxr", "联系人", 80 },
        { p + "tele", "联系电话", 100 },
        { customer ? QStringLiteral("ktname") : QStringLiteral("gt_name"), who + "类型", 90 },
        { "z_name", "所属地区", 80 }, { p + "lwje", customer ? "我方应收金额" : "我方应付金额", 100 },
        { p + "address", "联系地址", 160 }, { p + "default", customer ? "默认客户" : "默认供货商", 70 },
        { p + "forbid", "禁用", 50 }, { p + "jm", "简码", 80 }, { p + "note", "备注", 140 } };
    if (customer)
        cols.append({ "kh_uname", "业务员", 120 });
    cols.append({ "ck_name", "所属仓库", 90 });
    for (const Col& c : cols) {
        const int col = cxGrid->AddColumn(c.field, c.caption, c.width);
        if (c.field.endsWith(QLatin1String("default")) || c.field.endsWith(QLatin1String("forbid")))
            cxGrid->SetCheckColumn(col, false);
        if (c.field.endsWith(QLatin1String("lwje")))
            cxGrid->SetColumnFormat(col, QStringLiteral("￥,0.00;-￥,0.00"));
    }
    const QStringList hidden
        = customer ? QStringList { "id", "kh_usn", "kt_sn", "kt_name" } : QStringList { "id", "ghs_pl" };
    for (const QString& h : hidden)
        cxGrid->SetColumnVisible(cxGrid->AddColumn(h, h), false);
    cxGrid->SetFooterVisible(true);
    cxGrid->SetFooterText(cxGrid->ColumnByField(p + "sn"), QStringLiteral("记录数"));
    cxGrid->SetFooterCount(cxGrid->ColumnByField(p + "name"));
    box->addWidget(cxGrid, 1);

    gridMenu = new QMenu(this);
    gridMenu->addAction(QStringLiteral("增加(&S)"), this, [this] { btnAddClick(); });
    gridMenu->addAction(QStringLiteral("修改(&T)"), this, [this] { btnModiClick(); });
    gridMenu->addAction(QStringLiteral("删除(&U)"), this, &PartnerListForm::btnDeleClick);
    miForbid = gridMenu->addAction(QStringLiteral("禁用(&V)"), this, &PartnerListForm::miForbidClick);
    miForbid->setCheckable(true);
    gridMenu->addSeparator();
    gridMenu->addAction(QStringLiteral("修改简码(&W)"), this, &PartnerListForm::miShortCodeClick);
    gridMenu->addSeparator();
    gridMenu->addAction(QStringLiteral("查找(&X)"), this, &PartnerListForm::btnSearchClick);
    gridMenu->addAction(QStringLiteral("全部(&Y)"), this, &PartnerListForm::miAllClick);
    gridMenu->addAction(QStringLiteral("打印(&Z)"), this, &PartnerListForm::btnPrintClick);
    connect(gridMenu, &QMenu::aboutToShow, this, [this] {
        if (HasRows())
            miForbid->setChecked(Q.FieldByName(Field("forbid")).AsBoolean());
    });
    connect(cxGrid, &DataGrid::rightClicked, this, [this](const QPoint& at) { gridMenu->popup(at); });
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(tkey, &QLineEdit::returnPressed, this, &PartnerListForm::searchKeys);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &PartnerListForm::searchKeys);
}

QPushButton* PartnerListForm::AddBarButton(const QString& caption, std::function<void()> handler, int position)
{
    QPushButton* b = AddButton(bar_, this, caption, std::move(handler));
    if (position >= 0) {
        bar_->removeWidget(b);
        bar_->insertWidget(position, b);
    }
    return b;
}

QString PartnerListForm::Field(const char* suffix) const
{
    return (kind == PartnerKind::Customer ? QStringLiteral("kh_") : QStringLiteral("ghs_")) + QLatin1String(suffix);
}

void PartnerListForm::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    cxGrid->SetColumnVisible(cxGrid->ColumnByField(QStringLiteral("ck_name")), IsTrue(BindPartnersWarehouse));
    Reopen();
}

void PartnerListForm::Reopen()
{
    OpenQuery(Q, PartnerListSql(kind));
}

void PartnerListForm::FormClose()
{
    Q.Close();
}

void PartnerListForm::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

bool PartnerListForm::HasRows() const
{
    return Q.Active() && !Q.IsEmpty();
}

void PartnerListForm::searchKeys()
{
    FilterGridByText(*cxGrid, SafeSqlText(tkey->text().trimmed()),
        { Field("sn"), Field("name"), Field("jm"), Field("lxr"), Field("tele"), Field("address") });
}

void PartnerListForm::filterData()
{
    const QList<QPair<QString, QString>> criteria { { Field("name"), critName }, { Field("lxr"), critContact },
        { Field("tele"), critTele }, { Field("address"), critAddress },
        { kind == PartnerKind::Customer ? QStringLiteral("kt_name") : QStringLiteral("gt_name"), critType },
        { QStringLiteral("z_name"), critZone } };
    bool any = false;
    for (const auto& c : criteria)
        any = any || !c.second.isEmpty();
    if (!any) {
        tkey->clear();
        searchKeys();
        return;
    }
    cxGrid->SetFilterActive(false);
    cxGrid->ClearFilter();
    cxGrid->SetFilterJoin(GridFilter::Join::And);
    for (const auto& c : criteria)
        if (!c.second.isEmpty())
            cxGrid->AddFilter(c.first, QLatin1Char('%') + c.second + QLatin1Char('%'));
    cxGrid->SetFilterActive(true);
}

void PartnerListForm::miAllClick()
{
    tkey->clear();
    searchKeys();
}

void PartnerListForm::miForbidClick()
{
    if (!HasRows())
        return;
    const bool forbid = !Q.FieldByName(Field("forbid")).AsBoolean();
    miForbid->setChecked(forbid);
    SetPartnerForbidden(kind, Q.AsInteger(QStringLiteral("id")), forbid);
    Q.Requery();
}

void PartnerListForm::miShortCodeClick()
{
    if (!HasRows())
        return;
    SelectedSn.clear();
    {
        TF_Ghsgl_Jm dialog(Q.AsString(Field("name")), Q.AsString(Field("jm")), this);
        Prompt::ShowModal(&dialog);
        if (!SelectedSn.isEmpty()) {
            SetPartnerShortCode(kind, Q.AsInteger(QStringLiteral("id")), dialog.tjm->text());
            Q.Requery();
        }
    }
    SelectedSn.clear();
}

void PartnerListForm::btnDeleClick()
{
    if (!HasRows())
        return;
    const QString code = Q.AsString(Field("sn"));
    const QString refusal = PartnerDeleteRefusal(kind, code);
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    const QString question = kind == PartnerKind::Customer ? QStringLiteral("您确定要删除当前客户吗！")
                                                           : QStringLiteral("您确定要删除当前供货商吗！");
    if (Prompt::YesNo(question) != Prompt::Answer::Yes)
        return;
    DeletePartner(kind, code);
    Reopen();
}

void PartnerListForm::btnSearchClick()
{
    if (kind == PartnerKind::Customer) {
        TF_Khgl_Search dialog(this, this);
        Prompt::ShowModal(&dialog);
    } else {
        TF_Ghsgl_Search dialog(this, this);
        Prompt::ShowModal(&dialog);
    }
}

void PartnerListForm::btnImportClick()
{
    FunctionWindows::Open(
        kind == PartnerKind::Customer ? QStringLiteral("TF_Khgl_Import") : QStringLiteral("TF_Ghsgl_Import"),
        FunctionWindows::Lifetime::Freed);
}

void PartnerListForm::btnPrintClick()
{
    if (!HasRows())
        return;
    PrintGridList(kind == PartnerKind::Customer ? QStringLiteral("khgl.fr3") : QStringLiteral("ghsgl.fr3"),
        QStringLiteral("frxDBDataset1"), *cxGrid);
}

void PartnerListForm::btnExportClick()
{
    if (HasRows())
        ExportGridList(*cxGrid);
}

void PartnerListForm::btnExitClick()
{
    close();
}

TF_Khgl::TF_Khgl(QWidget* parent)
    : PartnerListForm(PartnerKind::Customer, parent), strname(critName), strlxr(critContact), strtele(critTele),
      straddress(critAddress), khtype(critType), khzone(critZone)
{
    setObjectName(QStringLiteral("TF_Khgl"));
}

TF_Khgl::~TF_Khgl()
{
    if (F_Khgl == this)
        F_Khgl = nullptr;
}

void TF_Khgl::btnAddClick()
{
    PickerCaller = QStringLiteral("khgl_add");
    {
        TF_Khgl_Add dialog(this);
        Prompt::ShowModal(&dialog);
    }
    PickerCaller.clear();
}

void TF_Khgl::btnModiClick()
{
    if (!HasRows())
        return;
    PickerCaller = QStringLiteral("khgl_modi");
    {
        TF_Khgl_Modi dialog(this);
        Prompt::ShowModal(&dialog);
    }
    PickerCaller.clear();
}

TF_Ghsgl::TF_Ghsgl(QWidget* parent)
    : PartnerListForm(PartnerKind::Supplier, parent), ghsname(critName), ghslxr(critContact), ghstele(critTele),
      ghsaddress(critAddress), ghstype(critType), ghszone(critZone)
{
    setObjectName(QStringLiteral("TF_Ghsgl"));
    // "复制" stands before "导出".
    AddBarButton(
        QStringLiteral("复制"), [this] { btnCopyClick(); }, 7);
}

TF_Ghsgl::~TF_Ghsgl()
{
    if (F_Ghsgl == this)
        F_Ghsgl = nullptr;
}

void TF_Ghsgl::btnAddClick()
{
    TF_Ghsgl_Add dialog(this);
    Prompt::ShowModal(&dialog);
}

void TF_Ghsgl::btnModiClick()
{
    if (!HasRows())
        return;
    {
        TF_Ghsgl_Modi dialog(this);
        Prompt::ShowModal(&dialog);
    }
    Q.Close();
    Q.Open();
}

void TF_Ghsgl::btnCopyClick()
{
    TF_Ghsgl_Copy dialog(this);
    Prompt::ShowModal(&dialog);
}
