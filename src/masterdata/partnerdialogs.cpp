#include "masterdata/partnerdialogs.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "masterdata/ckglops.h"
#include "masterdata/partnertype.h"
#include "masterdata/pickersform.h"
#include "masterdata/zone.h"
#include "platform/grid/checktree.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Khgl_Add* F_Khgl_Add = nullptr;
TF_Khgl_Modi* F_Khgl_Modi = nullptr;
TF_Ghsgl_Add* F_Ghsgl_Add = nullptr;
TF_Ghsgl_Modi* F_Ghsgl_Modi = nullptr;

namespace {

const QString kAllWarehouses = QStringLiteral("所有仓库");

QHBoxLayout* EditWithButton(QWidget* parent, QWidget* edit, QPushButton*& button, const QString& caption)
{
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    button = new QPushButton(caption, parent);
    button->setFixedWidth(36);
    button->setAutoDefault(false);
    row->addWidget(button);
    return row;
}

}

PartnerEditDialog::PartnerEditDialog(PartnerKind k, bool m, QWidget* parent) : Form(parent), kind(k), modify(m)
{
    const bool customer = kind == PartnerKind::Customer;
    const QString who = customer ? QStringLiteral("客户") : QStringLiteral("供货商");
    setObjectName(customer ? (modify ? QStringLiteral("TF_Khgl_Modi") : QStringLiteral("TF_Khgl_Add"))
                           : (modify ? QStringLiteral("TF_Ghsgl_Modi") : QStringLiteral("TF_Ghsgl_Add")));
    resize(520, 0);
    setWindowTitle(customer ? (modify ? QStringLiteral("修改客户") : QStringLiteral("增加客户"))
                            : (modify ? QStringLiteral("修改供货商") : QStringLiteral("添加供货商")));
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    tname = NamedEdit(this, "tname", 128);
    form->addRow(who + QStringLiteral("名称："), tname);
    comType = new KeyedCombo(this);
    comType->setObjectName(QStringLiteral("comType"));
    form->addRow(who + QStringLiteral("类型："), EditWithButton(this, comType, btnType, QStringLiteral("...")));
    tzone = NamedEdit(this, "tzone", customer ? 32 : 16);
    tzone->setPlaceholderText(QStringLiteral("不存在的地区保存后会自动加入"));
    form->addRow(QStringLiteral("所属地区："), EditWithButton(this, tzone, btnZone, QStringLiteral("...")));
    zonePanel = new ZonePanel(tzone, Tag(), this);
    form->addRow(QString(), zonePanel);
    tlxr = NamedEdit(this, "tlxr", customer ? 32 : 16);
    ttele = NamedEdit(this, "ttele", 32);
    form->addRow(QStringLiteral("联系人："), tlxr);
    form->addRow(QStringLiteral("联系电话："), ttele);
    tje = new QDoubleSpinBox(this);
    tje->setObjectName(QStringLiteral("tje"));
    tje->setDecimals(2);
    tje->setRange(-9999999.99, 9999999.99);
    tje->setPrefix(QStringLiteral("￥"));
    tje->setButtonSymbols(QAbstractSpinBox::NoButtons);
    form->addRow(customer ? QStringLiteral("期初应收：") : QStringLiteral("期初应付："), tje);
    chkDefault = new QCheckBox(customer ? QStringLiteral("默认客户") : QStringLiteral("默认供货商"), this);
    chkForbid = new QCheckBox(QStringLiteral("禁用"), this);
    auto* flags = new QHBoxLayout;
    flags->addWidget(chkDefault);
    flags->addWidget(chkForbid);
    flags->addStretch(1);
    form->addRow(QString(), flags);
    taddress = NamedEdit(this, "taddress", 128);
    tnote = NamedEdit(this, "tnote", 200);
    form->addRow(QStringLiteral("联系地址："), taddress);
    form->addRow(QStringLiteral("备        注："), tnote);
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    lblCk = new QLabel(QStringLiteral("绑定仓库："), this);
    form->addRow(lblCk, comCk);
    if (customer) {
        chkTree = new CheckTree(this);
        chkTree->setObjectName(QStringLiteral("chkTree"));
        chkTree->setMinimumHeight(140);
        form->addRow(QStringLiteral("所属业务员："), chkTree);
    }
    box->addLayout(form);
    auto* note
        = new QLabel(customer ? QStringLiteral("客户已经欠的款项，也可以以后在应收款功能中作为期初应收款录入。")
                              : QStringLiteral("已经欠供货商的款项，也可以以后在应付款功能中作为期初应付款录入。"),
            this);
    note->setStyleSheet(QStringLiteral("color: red"));
    note->setWordWrap(true);
    box->addWidget(note);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSave = AddButton(buttons, this, QStringLiteral("确定(F5)"), [this] { btnSaveClick(); });
    btnExit = AddButton(buttons, this, QStringLiteral("取消(Esc)"), [this] { btnExitClick(); });
    box->addLayout(buttons);
    connect(btnType, &QPushButton::clicked, this, [this] { btnTypeClick(); });
    connect(btnZone, &QPushButton::clicked, this, [this] { btnZoneClick(); });

    // While the zone panel shows, F5, F8 and Esc are its buttons.
    InstallDialogKeys(this, [this] {
        if (zonePanel->isVisible())
            zonePanel->btnOKClick();
        else
            btnSaveClick();
    });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (!zonePanel->isVisible())
            return false;
        if (e->key() == Qt::Key_F8) {
            zonePanel->btnAddClick();
            return true;
        }
        if (e->key() == Qt::Key_Escape) {
            zonePanel->btnExitClick();
            return true;
        }
        return false;
    });
}

QString PartnerEditDialog::Tag() const
{
    return QString(kind == PartnerKind::Customer ? QStringLiteral("khgl_") : QStringLiteral("ghsgl_"))
        + (modify ? QStringLiteral("modi") : QStringLiteral("add"));
}

Query& PartnerEditDialog::List() const
{
    return F_DataModule->Q(kind == PartnerKind::Customer ? QStringLiteral("Q_Khxx") : QStringLiteral("Q_Ghsxx"));
}

void PartnerEditDialog::FillTypes()
{
    if (kind == PartnerKind::Customer)
        FillCombo(*comType, QStringLiteral("jxc_khtype"), QStringLiteral("kt_name"), QStringLiteral("kt_sn"),
            QStringLiteral("id"));
    else
        FillComboNames(*comType, QStringLiteral("jxc_ghstype"), QStringLiteral("gt_name"), QStringLiteral("id"),
            QStringLiteral("1"));
}

void PartnerEditDialog::SelectType(const QString& name)
{
    comType->setCurrentIndex(comType->findText(name, Qt::MatchFixedString));
}

void PartnerEditDialog::FillWarehouses()
{
    if (BindOperatorWarehouse != QLatin1String("1") || CurrentRoleSn == QLatin1String("100001"))
        FillCombo(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), kAllWarehouses);
    else
        FillComboWhere(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), QStringLiteral("where ck_asn like '%") + CurrentAdminSn + QStringLiteral("%'"),
            kAllWarehouses);
}

void PartnerEditDialog::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    FillTypes();
    FillWarehouses();
    zonePanel->Reset();
    const bool bound = IsTrue(BindPartnersWarehouse);
    comCk->setVisible(bound);
    lblCk->setVisible(bound);
    if (chkTree) {
        chkTree->ClearAll();
        const int root = chkTree->AddGroup(QStringLiteral("选择业务员"));
        for (const QString& n :
            SelectColumn(F_DataModule->ADOConn, QStringLiteral("select u_name from jxc_user order by id")))
            chkTree->AddItem(root, n);
        chkTree->expandAll();
    }
    if (modify) {
        LoadRow();
    } else {
        for (QLineEdit* e : { tname, tzone, tlxr, ttele, taddress, tnote })
            e->clear();
        tje->setValue(0);
        tje->setEnabled(true);
        chkDefault->setChecked(false);
        chkForbid->setChecked(false);
        comType->setCurrentIndex(0);
        comCk->setCurrentIndex(0);
    }
    tname->setFocus();
}

void PartnerEditDialog::LoadRow()
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    const bool customer = kind == PartnerKind::Customer;
    const QString p = customer ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    keptId = q.AsInteger(QStringLiteral("id"));
    keptCode = q.AsString(p + QStringLiteral("sn"));
    tname->setText(q.AsString(p + QStringLiteral("name")));
    tlxr->setText(q.AsString(p + QStringLiteral("lxr")));
    ttele->setText(q.AsString(p + QStringLiteral("tele")));
    taddress->setText(q.AsString(p + QStringLiteral("address")));
    tnote->setText(q.AsString(p + QStringLiteral("note")));
    tje->setValue(q.AsFloat(p + QStringLiteral("lwje")));
    tje->setEnabled(OpeningAmountEditable(kind, keptCode));
    tzone->setText(q.AsString(QStringLiteral("z_name")));
    chkDefault->setChecked(q.FieldByName(p + QStringLiteral("default")).AsBoolean());
    chkForbid->setChecked(q.FieldByName(p + QStringLiteral("forbid")).AsBoolean());
    const QString typeField = !customer        ? QStringLiteral("gt_name")
        : q.HasField(QStringLiteral("ktname")) ? QStringLiteral("ktname")
                                               : QStringLiteral("kt_name");
    SelectType(q.AsString(typeField));
    comCk->setCurrentIndex(comCk->findText(q.AsString(QStringLiteral("ck_name")), Qt::MatchFixedString));
    const bool builtIn = keptCode == kPartnerBuiltInSn;
    comCk->setEnabled(!builtIn);
    comType->setEnabled(!(customer && builtIn));
    if (chkTree) {
        QStringList names;
        for (int i = 0; i < chkTree->ItemCount(0); ++i)
            names << chkTree->ItemCaption(0, i);
        const QList<bool> marks = StoredOperatorMarks(q.AsString(QStringLiteral("kh_uname")), names);
        for (int i = 0; i < marks.size(); ++i)
            chkTree->SetChecked(0, i, marks[i]);
    }
    // The zone panel's filter follows the edit; the dialog opens with it hidden.
    zonePanel->hide();
}

QStringList PartnerEditDialog::TickedSalesmen() const
{
    return chkTree ? chkTree->CheckedCaptions() : QStringList();
}

PartnerInput PartnerEditDialog::Gather() const
{
    PartnerInput in;
    in.name = tname->text();
    in.contact = tlxr->text();
    in.tele = ttele->text();
    in.address = taddress->text();
    in.note = tnote->text();
    in.zone = tzone->text();
    in.amount = tje->value();
    in.isDefault = chkDefault->isChecked();
    in.forbid = chkForbid->isChecked();
    in.typeName = comType->currentText();
    const std::optional<TMyObject> type = comType->KeyObject(comType->currentIndex());
    in.typeCode = type ? type->comboS : QString();
    const std::optional<TMyObject> ck = comCk->KeyObject(comCk->currentIndex());
    in.warehouseCode = ck ? ck->comboS : QStringLiteral("-1");
    in.warehouseName = comCk->currentText();
    in.salesmen = TickedSalesmen();
    return in;
}

void PartnerEditDialog::btnSaveClick()
{
    const bool customer = kind == PartnerKind::Customer;
    // A modify dialog opened on no row has nothing to save.
    if (modify && keptCode.isEmpty()) {
        close();
        return;
    }
    if (tname->text().trimmed().isEmpty()) {
        InformRefusal(KindInfo(kind).nameMissing);
        return;
    }
    if (PartnerNameTaken(kind, tname->text(), modify ? keptId : -1)) {
        const QString head = customer ? QStringLiteral("客户已经存在，") : QStringLiteral("供货商名称已经存在，");
        const QString tail = modify ? QStringLiteral("确认可以重复吗？") : QStringLiteral("确认重复添加吗？");
        if (Prompt::YesNo(head + tail) != Prompt::Answer::Yes)
            return;
    }
    const PartnerInput in = Gather();
    QString code = keptCode;
    const QString refusal = modify ? ModifyPartner(kind, keptCode, in, tje->isEnabled()) : AddPartner(kind, in, &code);
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    Query& q = List();
    if (customer && !modify)
        AuxTag = QStringLiteral("xs9");
    // The customer dialogs reopen the shared list themselves; the supplier add shows
    // the new supplier in it. The supplier modify leaves reopening to its opener.
    if ((customer || !modify) && !q.SQL().isEmpty()) {
        q.Close();
        q.Open();
        if (!customer)
            q.Locate(QStringLiteral("ghs_sn"), code);
    }
    close();
}

void PartnerEditDialog::btnExitClick()
{
    close();
}

void PartnerEditDialog::btnTypeClick()
{
    PickerCaller = Tag();
    if (kind == PartnerKind::Customer) {
        TF_Khgl_Type types(this);
        Prompt::ShowModal(&types);
    } else {
        TF_Ghsgl_Type types(this);
        Prompt::ShowModal(&types);
    }
    PickerCaller.clear();
}

void PartnerEditDialog::btnZoneClick()
{
    zonePanel->show();
    FilterZoneGrid(*zonePanel->cxGrid, tzone->text());
}

PartnerEditDialog::~PartnerEditDialog()
{
    if (release_)
        release_();
}

TF_Khgl_Add::TF_Khgl_Add(QWidget* parent) : PartnerEditDialog(PartnerKind::Customer, false, parent)
{
    Hold(F_Khgl_Add, this);
}

TF_Khgl_Modi::TF_Khgl_Modi(QWidget* parent) : PartnerEditDialog(PartnerKind::Customer, true, parent)
{
    Hold(F_Khgl_Modi, this);
}

TF_Ghsgl_Add::TF_Ghsgl_Add(QWidget* parent) : PartnerEditDialog(PartnerKind::Supplier, false, parent)
{
    Hold(F_Ghsgl_Add, this);
}

TF_Ghsgl_Modi::TF_Ghsgl_Modi(QWidget* parent) : PartnerEditDialog(PartnerKind::Supplier, true, parent)
{
    Hold(F_Ghsgl_Modi, this);
}
