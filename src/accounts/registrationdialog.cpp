#include "accounts/registrationdialog.h"

#include "accounts/dialogparts.h"
#include "accounts/registrationops.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/db/valuetext.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

QString amountText(double v)
{
    return QString::number(v, 'f', AmountDecimals);
}

} // namespace

RegistrationDialog::RegistrationDialog(const RegistrationKind& kind, const char* objectName, QWidget* parent)
    : Form(parent), kind_(kind)
{
    setObjectName(QString::fromLatin1(objectName));
    SetEscCloses(false);
    lDjh = new QLabel(this);
    lDjh->setObjectName(QStringLiteral("lDjh"));
    lDjh->setStyleSheet(QStringLiteral("color:red;font-weight:bold"));
    dateCg = MakeDateEdit(this, "dateCg");
    lPartner = new QLabel(this);
    lBalance = new QLabel(this);
    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    tgsj = MakeAmountEdit(this, "tgsj");
    tmlje = kind.money ? MakeAmountEdit(this, "tmlje") : nullptr;
    comYhzh = nullptr;
    if (kind.money) {
        comYhzh = new KeyedCombo(this);
        comYhzh->setObjectName(QStringLiteral("comYhzh"));
    }
    tnote = new QLineEdit(this);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setMaxLength(64);
    chkPrint = new QCheckBox(QStringLiteral("保存后打印"), this);
    chkPrint->setObjectName(QStringLiteral("chkPrint"));
    btnOK = MakeAccountsButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = MakeAccountsButton(this, "btnCancel", QStringLiteral("退出(Esc)"));

    const QString partnerNoun = kind.partnerNoun + QStringLiteral("名称：");
    // The balance label names what the partner owes or is owed.
    const QString balanceCaption = kind.customers ? QStringLiteral("应收金额：") : QStringLiteral("应付金额：");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("单据编号："), lDjh);
    form->addRow(QStringLiteral("开单日期："), dateCg);
    form->addRow(partnerNoun, lPartner);
    form->addRow(balanceCaption, lBalance);
    form->addRow(QStringLiteral("经办人："), comUser);
    form->addRow(kind.money ? kind.noun + QStringLiteral("金额：") : balanceCaption, tgsj);
    if (kind.money) {
        form->addRow(QStringLiteral("抹零金额："), tmlje);
        form->addRow(kind.noun + QStringLiteral("账户："), comYhzh);
    }
    form->addRow(QStringLiteral("备注："), tnote);
    LayOutDialog(this, form, chkPrint, { btnOK, btnCancel });

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { dateCgChange(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

bool RegistrationDialog::Adding() const
{
    return OpenMode == QLatin1String("add");
}

void RegistrationDialog::FormActivate()
{
    ApplyFontSize(FontSize);
    setWindowTitle(Adding() ? kind_.addCaption : kind_.modiCaption);
    FillComboWhere(*comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("u_sn"),
        QStringLiteral("id"), QStringLiteral("where u_jy=0"));
    if (comYhzh)
        FillCombo(*comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"),
            QStringLiteral("id"));
    const QString nameSql = QStringLiteral("select ") + kind_.PartnerName() + QStringLiteral(" from ")
        + kind_.PartnerTable() + QStringLiteral(" where ") + kind_.PartnerCode() + QStringLiteral("=:sn");
    if (Adding()) {
        partnerSn_ = kind_.customers ? CurrentCustomerSn : CurrentSupplierSn;
        comUser->setCurrentIndex(comUser->count() > 0 ? 0 : -1);
        if (comYhzh)
            comYhzh->setCurrentIndex(comYhzh->count() > 0 ? 0 : -1);
        tnote->clear();
        tgsj->setText(amountText(0));
        if (tmlje)
            tmlje->setText(amountText(0));
        {
            const QSignalBlocker quiet(dateCg);
            dateCg->setDate(Clock::Today());
        }
        lDjh->setText(NextDocNoToday(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh"), kind_.prefix));
    } else {
        Query& q = F_DataModule->Q(QStringLiteral("Q_Yskdj"));
        partnerSn_ = q.AsString(QStringLiteral("k_ghskh"));
        lDjh->setText(q.AsString(QStringLiteral("gl_djh")));
        {
            const QSignalBlocker quiet(dateCg);
            dateCg->setDate(
                QDate::fromString(q.AsString(QStringLiteral("k_rq")).left(10), QStringLiteral("yyyy-MM-dd")));
        }
        comUser->setCurrentIndex(comUser->findText(q.AsString(QStringLiteral("u_name"))));
        tnote->setText(q.AsString(QStringLiteral("k_note")));
        tgsj->setText(amountText(q.AsFloat(kind_.AmountColumn())));
        if (tmlje)
            tmlje->setText(amountText(q.AsFloat(QStringLiteral("k_mlje"))));
        if (comYhzh)
            comYhzh->setCurrentIndex(comYhzh->findText(q.AsString(QStringLiteral("k_fkfs"))));
    }
    lPartner->setText(ScalarBound(nameSql, { { QStringLiteral("sn"), partnerSn_ } }));
    lBalance->setText(GetLedgerBalance(partnerSn_, kind_.Side()));
    // Receipts and payments keep their date unless the operator may change it.
    dateCg->setEnabled(!kind_.money || HasRight(QStringLiteral("wlzk"), 11));
    tgsj->setFocus();
}

void RegistrationDialog::dateCgChange()
{
    if (Adding())
        lDjh->setText(NextDocNo(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh"), kind_.prefix,
            dateCg->date().toString(QStringLiteral("yyyy-MM-dd"))));
}

void RegistrationDialog::btnOKClick()
{
    const double amount = tgsj->text().toDouble();
    if (std::llround(amount * 100) == 0) {
        Prompt::Info(kind_.ZeroAmountText());
        return;
    }
    if (comUser->currentIndex() < 0) {
        Prompt::Info(QStringLiteral("经办人不能为空！"));
        return;
    }
    RegistrationEntry e;
    e.partnerSn = partnerSn_;
    e.partnerName = lPartner->text();
    e.date = dateCg->date();
    e.handlerSn = GetComboCode(*comUser, comUser->currentIndex());
    e.amount = amount;
    e.rounding = tmlje ? tmlje->text().toDouble() : 0;
    e.account = comYhzh ? comYhzh->currentText() : QString();
    e.note = tnote->text();
    Query& list = F_DataModule->Q(QStringLiteral("Q_Yskdj"));
    if (Adding())
        OpenMode = AddRegistration(kind_, e);
    else
        ModifyRegistration(kind_, list.AsInteger(QStringLiteral("id")), e);
    if (list.Active())
        list.Requery();
    accept();
}

void RegistrationDialog::btnCancelClick()
{
    reject();
}

bool RegistrationDialog::FormKeyDown(int key)
{
    if (key == Qt::Key_F5) {
        btnOKClick();
        return true;
    }
    if (key == Qt::Key_Escape) {
        btnCancelClick();
        return true;
    }
    return false;
}

TF_Yskdj_Sele::TF_Yskdj_Sele(QWidget* parent) : RegistrationDialog(ReceivableKind(), "TF_Yskdj_Sele", parent) { }
TF_Yfkdj_Sele::TF_Yfkdj_Sele(QWidget* parent) : RegistrationDialog(PayableKind(), "TF_Yfkdj_Sele", parent) { }
TF_Ysksk_Sele::TF_Ysksk_Sele(QWidget* parent) : RegistrationDialog(ReceiptKind(), "TF_Ysksk_Sele", parent) { }
TF_Yfkfk_Sele::TF_Yfkfk_Sele(QWidget* parent) : RegistrationDialog(PaymentKind(), "TF_Yfkfk_Sele", parent) { }
