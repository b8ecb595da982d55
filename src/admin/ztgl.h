#pragma once
#include "platform/ui/form.h"

#include <functional>

class DataGrid;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

// The account-set catalogue jxc_xtzt, worked on through the catalogue connection.
// Names and notes are stored trimmed and through SafeSqlText.
struct AccountSetInput {
    QString name;
    QString note;
    bool isDefault = false;
    bool forbid = false;
};

// Lists a new set under the next code with a freshly built database file
// "jxc_<code>.mdb" in data/; returns the refusal to show, "" when created (*code set).
QString CreateAccountSet(const AccountSetInput& in, QString* code = nullptr);
// Saves the catalogue row `id`; returns the refusal, "" when saved.
QString ModifyAccountSet(qint64 id, const AccountSetInput& in);
// Makes the built-in set "100001" the default when no set is.
void setDefaultZT();
// Why the set may not be deleted, "" when it may.
QString AccountSetDeleteRefusal(const QString& sn, bool isDefault, const QString& dbName);
// Removes the catalogue row and, for a file set, its database file. A set on a server
// is only taken off this machine's list: other machines may still use it.
void DeleteAccountSet(qint64 id, const QString& dbName);

// "帐套管理": the account-set catalogue. While it shows no account set is connected;
// closing it connects the set in use again.
class TF_Ztgl : public Form {
    Q_OBJECT
public:
    explicit TF_Ztgl(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();
    void btn_AddClick();
    void btn_ModiClick();
    void btn_DeleClick();
    void mnuBackupClick();
    void mnuRestoreClick();
    bool FormKeyDown(int key);

    DataGrid* cxGrid_XtztView;
    QPushButton* btn_Add;
    QPushButton* btn_Modi;
    QToolButton* btn_BackRestore;
    QPushButton* btn_Dele;
    QPushButton* btn_Exit;
    QMenu* PopupMenu1;
    QAction* mnuBackup;
    QAction* mnuRestore;

protected:
    void done(int result) override;

private:
    bool connected_ = false;
};

// The name, note and default-or-disabled choice of both set dialogs.
struct AccountSetFields {
    QLineEdit* tname = nullptr;
    QLineEdit* tnote = nullptr;
    QRadioButton* chkDefault = nullptr;
    QRadioButton* chkForbid = nullptr;
    QRadioButton* chkNone = nullptr;
    void Build(Form* dialog, std::function<void()> save);
    AccountSetInput Input() const;
};

class TF_Ztgl_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Ztgl_Add(QWidget* parent = nullptr);
    void FormActivate() override;
    void saveValue();
    AccountSetFields fields;
};

class TF_Ztgl_Modi : public Form {
    Q_OBJECT
public:
    explicit TF_Ztgl_Modi(QWidget* parent = nullptr);
    void FormActivate() override;
    void saveValue();
    AccountSetFields fields;

private:
    qint64 id_ = 0;
};

// The set's name and note, a path with its browse button, and the progress bar of
// both file dialogs.
struct AccountSetFileFields {
    QLabel* lname = nullptr;
    QLabel* lnote = nullptr;
    QLineEdit* tPath = nullptr;
    QPushButton* btnPath = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    void Build(Form* dialog, const QString& pathLabel, const QString& progressLabel, std::function<void()> save,
        std::function<void()> browse);
    void Fill();
    void Start();
};

class TF_Ztgl_BackUp : public Form {
    Q_OBJECT
public:
    explicit TF_Ztgl_BackUp(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnPathClick();
    void btnOKClick();
    AccountSetFileFields fields;
};

class TF_Ztgl_Restore : public Form {
    Q_OBJECT
public:
    explicit TF_Ztgl_Restore(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnPathClick();
    void btnOKClick();
    AccountSetFileFields fields;
};
