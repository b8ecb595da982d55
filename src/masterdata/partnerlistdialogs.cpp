#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/operatorscope.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/keyfilter.h"
#include "masterdata/partnerlist.h"
#include "masterdata/pickersform.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PartnerSearchDialog::PartnerSearchDialog(PartnerListForm* list, QWidget* parent) : Form(parent), list_(list)
{
    const bool customer = list->kind == PartnerKind::Customer;
    const QString who = customer ? QStringLiteral("客户") : QStringLiteral("供货商");
    setObjectName(customer ? QStringLiteral("TF_Khgl_Search") : QStringLiteral("TF_Ghsgl_Search"));
    setWindowTitle(who + QStringLiteral("查找"));
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    tname = NamedEdit(this, "tname", 64);
    tlxr = NamedEdit(this, "tlxr", 16);
    ttele = NamedEdit(this, "ttele", 32);
    taddress = NamedEdit(this, "taddress", 64);
    comType = new KeyedCombo(this);
    comZone = new KeyedCombo(this);
    form->addRow(who + QStringLiteral("名称："), tname);
    form->addRow(QStringLiteral("联系人："), tlxr);
    form->addRow(QStringLiteral("联系电话："), ttele);
    form->addRow(QStringLiteral("联系地址："), taddress);
    form->addRow(who + QStringLiteral("类型："), comType);
    form->addRow(QStringLiteral("所属地区："), comZone);
    box->addLayout(form);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    AddButton(bar, this, QStringLiteral("确定(F5)"), [this] { btnOKClick(); });
    AddButton(bar, this, QStringLiteral("取消(Esc)"), [this] { close(); });
    box->addLayout(bar);
    InstallDialogKeys(this, [this] { btnOKClick(); });
}

void PartnerSearchDialog::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    const bool customer = list_->kind == PartnerKind::Customer;
    FillComboNames(*comType, customer ? QStringLiteral("jxc_khtype") : QStringLiteral("jxc_ghstype"),
        customer ? QStringLiteral("kt_name") : QStringLiteral("gt_name"), QStringLiteral("id"), QStringLiteral("1"));
    FillComboNames(
        *comZone, QStringLiteral("jxc_zone"), QStringLiteral("z_name"), QStringLiteral("id"), QStringLiteral("1"));
    comType->setCurrentIndex(0);
    comZone->setCurrentIndex(0);
    for (QLineEdit* e : { tname, tlxr, ttele, taddress })
        e->clear();
    tname->setFocus();
}

void PartnerSearchDialog::btnOKClick()
{
    list_->critName = tname->text().trimmed();
    list_->critContact = tlxr->text().trimmed();
    list_->critTele = ttele->text().trimmed();
    list_->critAddress = taddress->text().trimmed();
    list_->critType = comType->currentText().trimmed();
    list_->critZone = comZone->currentText().trimmed();
    list_->filterData();
    close();
}

TF_Ghsgl_Jm::TF_Ghsgl_Jm(const QString& name, const QString& code, QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Ghsgl_Jm"));
    setWindowTitle(QStringLiteral("修改简码"));
    auto* box = new QVBoxLayout(this);
    box->addWidget(new QLabel(name, this));
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("简        码："), this));
    tjm = NamedEdit(this, "tjm", 20);
    DiscardSearchPunctuation(tjm);
    tjm->setText(code);
    line->addWidget(tjm, 1);
    box->addLayout(line);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    AddButton(bar, this, QStringLiteral("保存(F5)"), [this] { btnSaveClick(); });
    AddButton(bar, this, QStringLiteral("退出(Esc)"), [this] { close(); });
    box->addLayout(bar);
    InstallDialogKeys(this, [this] { btnSaveClick(); });
}

void TF_Ghsgl_Jm::btnSaveClick()
{
    SelectedSn = QStringLiteral("1");
    close();
}

TF_Ghsgl_Copy::TF_Ghsgl_Copy(QWidget* parent) : Form(parent), Q_Khxx(F_DataModule->Q(QStringLiteral("Q_Khxx")))
{
    setObjectName(QStringLiteral("TF_Ghsgl_Copy"));
    setWindowTitle(QStringLiteral("复制客户资料到供货商信息"));
    resize(760, 460);
    auto* box = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("输入客户信息查找："), this));
    tkey = NamedEdit(this, "tkey", 64);
    DiscardSearchPunctuation(tkey);
    line->addWidget(tkey, 1);
    AddButton(line, this, QStringLiteral("确定(F5)"), [this] { btnOKClick(); });
    box->addLayout(line);
    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Khxx")));
    const char* const cols[][3]
        = { { "kh_name", "客户名称", "160" }, { "kh_lxr", "联系人", "80" }, { "kh_tele", "联系电话", "100" },
              { "kh_address", "联系地址", "160" }, { "kt_name", "客户类型", "90" }, { "z_name", "所属地区", "90" } };
    for (const auto& c : cols)
        cxGrid->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    box->addWidget(cxGrid, 1);
    connect(tkey, &QLineEdit::textChanged, this, [this] { tkeyChange(); });
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnOKClick(); });
    InstallDialogKeys(this, [this] { btnOKClick(); });
}

void TF_Ghsgl_Copy::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    QString sql = QStringLiteral("select * from jxc_khxx where kh_forbid=0");
    if (OperatorBound())
        sql += QStringLiteral(" and ") + WarehouseRestriction();
    OpenQuery(Q_Khxx, sql + QStringLiteral(" order by id"));
    tkey->clear();
}

void TF_Ghsgl_Copy::hideEvent(QHideEvent* e)
{
    Q_Khxx.Close();
    Form::hideEvent(e);
}

void TF_Ghsgl_Copy::tkeyChange()
{
    FilterGridByText(*cxGrid, SafeSqlText(tkey->text().trimmed()),
        { QStringLiteral("kh_jm"), QStringLiteral("kh_name"), QStringLiteral("kh_lxr"), QStringLiteral("kh_tele") });
}

void TF_Ghsgl_Copy::btnOKClick()
{
    if (cxGrid->RowCount() == 0 || !Q_Khxx.Active() || Q_Khxx.IsEmpty()) {
        close();
        return;
    }
    const QString refusal = CopyCustomerToSupplier(Q_Khxx.AsInteger(QStringLiteral("id")));
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    Query& suppliers = F_DataModule->Q(QStringLiteral("Q_Ghsxx"));
    if (suppliers.Active())
        suppliers.Requery();
    close();
}
