#include "accounts/registrationwindows.h"

#include "accounts/registrationdialog.h"

#include <QCheckBox>
#include <QDialog>

TF_Yskdj* F_Yskdj = nullptr;
TF_Yfkdj* F_Yfkdj = nullptr;
TF_Ysksk* F_Ysksk = nullptr;
TF_Yfkfk* F_Yfkfk = nullptr;

namespace {

// The entry dialog is created for one showing and freed after it.
template <class Dialog> bool runEntryDialog(QWidget* owner, bool& printAfter)
{
    Dialog dialog(owner);
    const bool saved = dialog.ShowModal() == QDialog::Accepted;
    printAfter = dialog.chkPrint->isChecked();
    return saved;
}

} // namespace

TF_Yskdj::TF_Yskdj(QWidget* parent)
    : RegistrationList(ReceivableKind(), "TF_Yskdj", QStringLiteral("应收款登记"), parent)
{
}
bool TF_Yskdj::RunDialog(bool& printAfter)
{
    return runEntryDialog<TF_Yskdj_Sele>(this, printAfter);
}

TF_Yfkdj::TF_Yfkdj(QWidget* parent) : RegistrationList(PayableKind(), "TF_Yfkdj", QStringLiteral("应付款登记"), parent)
{
}
bool TF_Yfkdj::RunDialog(bool& printAfter)
{
    return runEntryDialog<TF_Yfkdj_Sele>(this, printAfter);
}

TF_Ysksk::TF_Ysksk(QWidget* parent)
    : RegistrationList(ReceiptKind(), "TF_Ysksk", QStringLiteral("收款登记"), parent) { }
bool TF_Ysksk::RunDialog(bool& printAfter)
{
    return runEntryDialog<TF_Ysksk_Sele>(this, printAfter);
}

TF_Yfkfk::TF_Yfkfk(QWidget* parent)
    : RegistrationList(PaymentKind(), "TF_Yfkfk", QStringLiteral("付款登记"), parent) { }
bool TF_Yfkfk::RunDialog(bool& printAfter)
{
    return runEntryDialog<TF_Yfkfk_Sele>(this, printAfter);
}
