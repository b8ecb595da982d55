#pragma once
#include "platform/ui/form.h"

#include <QHash>
#include <QVariant>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// System settings: the company details and the settings row of the account set.
// Its controls are built from the settings table (SettingColumns) and found by
// their object names.
class TF_Xtcs : public Form {
    Q_OBJECT
public:
    explicit TF_Xtcs(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();
    void btnDefaultClick();
    // F5 saves, Esc closes; true when the key was taken.
    bool FormKeyDown(int key);
    // Couple the two warehouse bindings, except while the window fills itself.
    void chkCgyhClick();
    void chkShtcClick();
    // Writes the company and the settings, reloads the settings and closes; false
    // when refused.
    bool saveValue();

    QCheckBox* Box(const QString& control) const;
    QComboBox* Combo(const QString& control) const;
    QLineEdit* Edit(const QString& control) const;

    QTabWidget* PageControl1;
    QLineEdit* tname;
    QLineEdit* tjc;
    QLineEdit* ttele;
    QLineEdit* tlxr;
    QLineEdit* taddress;
    QPlainTextEdit* tnote;
    QCheckBox* chkCgyh;
    QCheckBox* chkShtc;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnDefault;

    // "1" while FormActivate fills the controls.
    QString Loading = QStringLiteral("0");

private:
    // Fills the controls from the company row and the settings row.
    void fill();
    QHash<QString, QVariant> controlValues() const;

    QHash<QString, QWidget*> controls_;
    QString employDate_;
};
