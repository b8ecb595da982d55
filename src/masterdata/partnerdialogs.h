#pragma once
#include "masterdata/partnerops.h"
#include "platform/ui/form.h"

#include <functional>

class CheckTree;
class KeyedCombo;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Query;
class ZonePanel;

// The customer and supplier add and modify dialogs: one set of fields, told apart by
// the partner kind (customers have salesmen and a type by code) and by whether they
// edit the current row of Q_Khxx / Q_Ghsxx.
class PartnerEditDialog : public Form {
    Q_OBJECT
public:
    PartnerEditDialog(PartnerKind kind, bool modify, QWidget* parent);
    ~PartnerEditDialog() override;

    void FormActivate() override;
    void btnSaveClick();
    void btnExitClick();
    // Opens the type window with PickerCaller set to the dialog's tag.
    void btnTypeClick();
    // Shows the zone panel.
    void btnZoneClick();

    // The type list as the dialog fills it on opening, and the item of that name.
    void FillTypes();
    void SelectType(const QString& name);
    // The staff tree's ticked names, in tree order.
    QStringList TickedSalesmen() const;
    // The dialog's tag in PickerCaller: "khgl_add", "khgl_modi", "ghsgl_add", "ghsgl_modi".
    QString Tag() const;

    PartnerKind kind;
    bool modify;
    QLineEdit* tname = nullptr;
    KeyedCombo* comType = nullptr;
    QPushButton* btnType = nullptr;
    QLineEdit* tzone = nullptr;
    QPushButton* btnZone = nullptr;
    QLineEdit* tlxr = nullptr;
    QLineEdit* ttele = nullptr;
    QDoubleSpinBox* tje = nullptr;
    QCheckBox* chkDefault = nullptr;
    QCheckBox* chkForbid = nullptr;
    QLineEdit* taddress = nullptr;
    QLineEdit* tnote = nullptr;
    QLabel* lblCk = nullptr;
    KeyedCombo* comCk = nullptr;
    CheckTree* chkTree = nullptr; // customers only
    ZonePanel* zonePanel = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

    // The row being modified.
    qint64 keptId = -1;
    QString keptCode;

protected:
    // The dialog lives in its global while it exists.
    template <class T> void Hold(T*& global, T* self)
    {
        global = self;
        release_ = [&global, self] {
            if (global == self)
                global = nullptr;
        };
    }

private:
    std::function<void()> release_;
    Query& List() const;
    void FillWarehouses();
    void LoadRow();
    PartnerInput Gather() const;
};

class TF_Khgl_Add : public PartnerEditDialog {
    Q_OBJECT
public:
    explicit TF_Khgl_Add(QWidget* parent = nullptr);
};
class TF_Khgl_Modi : public PartnerEditDialog {
    Q_OBJECT
public:
    explicit TF_Khgl_Modi(QWidget* parent = nullptr);
};
class TF_Ghsgl_Add : public PartnerEditDialog {
    Q_OBJECT
public:
    explicit TF_Ghsgl_Add(QWidget* parent = nullptr);
};
class TF_Ghsgl_Modi : public PartnerEditDialog {
    Q_OBJECT
public:
    explicit TF_Ghsgl_Modi(QWidget* parent = nullptr);
};

// Each dialog lives in its global while it exists, so that the type windows can
// answer into it.
extern TF_Khgl_Add* F_Khgl_Add;
extern TF_Khgl_Modi* F_Khgl_Modi;
extern TF_Ghsgl_Add* F_Ghsgl_Add;
extern TF_Ghsgl_Modi* F_Ghsgl_Modi;
