#include "masterdata/partnertype.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/keyfilter.h"
#include "masterdata/partnerdialogs.h"
#include "masterdata/pickersform.h"
#include "masterdata/zonetypeops.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Khgl_Type::TF_Khgl_Type(QWidget* parent) : Form(parent), Q_Khtype(F_DataModule->Q(QStringLiteral("Q_Khtype")))
{
    setObjectName(QStringLiteral("TF_Khgl_Type"));
    setWindowTitle(QStringLiteral("客户类型"));
    resize(380, 320);
    auto* box = new QVBoxLayout(this);
    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Khtype")));
    cxGrid->AddColumn(QStringLiteral("kt_sn"), QStringLiteral("类型编号"), 80);
    cxGrid->AddColumn(QStringLiteral("kt_name"), QStringLiteral("类型名称"), 180);
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnOKClick(); });
    box->addWidget(cxGrid, 1);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnModi = AddButton(bar, this, QStringLiteral("修改"), [this] { btnModiClick(); });
    btnOK = AddButton(bar, this, QStringLiteral("确定"), [this] { btnOKClick(); });
    btnExit = AddButton(bar, this, QStringLiteral("退出"), [this] { btnExitClick(); });
    box->addLayout(bar);
}

void TF_Khgl_Type::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    OpenQuery(Q_Khtype, QStringLiteral("select * from jxc_khtype order by id"));
}

void TF_Khgl_Type::btnModiClick()
{
    if (!Q_Khtype.Active() || Q_Khtype.IsEmpty())
        return;
    TF_Khgl_Type_Sele dialog(this);
    Prompt::ShowModal(&dialog);
}

void TF_Khgl_Type::btnOKClick()
{
    if (Q_Khtype.Active() && !Q_Khtype.IsEmpty()) {
        const QString name = Q_Khtype.AsString(QStringLiteral("kt_name"));
        if (PickerCaller == QLatin1String("khgl_add") && F_Khgl_Add) {
            F_Khgl_Add->FillTypes();
            F_Khgl_Add->SelectType(name);
        } else if (PickerCaller == QLatin1String("khgl_modi") && F_Khgl_Modi) {
            // A customer of the retail type keeps the type its dialog shows.
            Query& customers = F_DataModule->Q(QStringLiteral("Q_Khxx"));
            if (customers.Active() && customers.AsString(QStringLiteral("kt_sn")) != QLatin1String("1000")) {
                F_Khgl_Modi->FillTypes();
                F_Khgl_Modi->SelectType(name);
            }
        }
    }
    close();
}

void TF_Khgl_Type::btnExitClick()
{
    close();
}

TF_Khgl_Type_Sele::TF_Khgl_Type_Sele(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Khgl_Type_Sele"));
    setWindowTitle(QStringLiteral("客户类型修改"));
    auto* box = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("类型名称："), this));
    tname = NamedEdit(this, "tname", 16);
    line->addWidget(tname, 1);
    box->addLayout(line);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnSave = AddButton(bar, this, QStringLiteral("保存(F5)"), [this] { btnSaveClick(); });
    btnExit = AddButton(bar, this, QStringLiteral("退出(Esc)"), [this] { close(); });
    box->addLayout(bar);
    InstallDialogKeys(this, [this] { btnSaveClick(); });
}

void TF_Khgl_Type_Sele::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    tname->setText(F_DataModule->Q(QStringLiteral("Q_Khtype")).AsString(QStringLiteral("kt_name")));
}

void TF_Khgl_Type_Sele::btnSaveClick()
{
    Query& types = F_DataModule->Q(QStringLiteral("Q_Khtype"));
    const QString refusal = RenameCustomerType(types.AsInteger(QStringLiteral("id")), tname->text());
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    types.Requery();
    Query& customers = F_DataModule->Q(QStringLiteral("Q_Khxx"));
    if (customers.Active())
        customers.Requery();
    close();
}

TF_Ghsgl_Type::TF_Ghsgl_Type(QWidget* parent)
    : NamedListWindow({ "TF_Ghsgl_Type", "供货商类型设置", "Q_GhsType", "select * from jxc_ghstype order by id",
                          "gt_name", "gt_default", "供货商类型：", 32, "您确定要删除当前类型吗！", SaveSupplierType,
                          SupplierTypeDeleteRefusal, DeleteSupplierType },
        parent)
{
    cxGrid->AddColumn(QStringLiteral("gt_sn"), QStringLiteral("编号"), 80);
    cxGrid->AddColumn(QStringLiteral("gt_name"), QStringLiteral("供货商类型"), 180);
    cxGrid->SetCheckColumn(cxGrid->AddColumn(QStringLiteral("gt_default"), QStringLiteral("默认选择"), 70), false);
    DiscardSearchPunctuation(tname);
}

void TF_Ghsgl_Type::btnExitClick()
{
    PartnerEditDialog* caller = PickerCaller == QLatin1String("ghsgl_add")
        ? static_cast<PartnerEditDialog*>(F_Ghsgl_Add)
        : PickerCaller == QLatin1String("ghsgl_modi") ? F_Ghsgl_Modi
                                                      : nullptr;
    if (caller) {
        caller->FillTypes();
        if (HasRows())
            caller->SelectType(Q.AsString(QStringLiteral("gt_name")));
    }
    close();
}
