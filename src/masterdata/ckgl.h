#pragma once
#include "platform/ui/form.h"

#include <QHash>
#include <QVariant>

class CheckTree;
class DataGrid;
class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class Query;

// "仓库管理": every warehouse, whatever the operator binding, on Q_Ckxx.
class TF_Ckgl : public Form {
    Q_OBJECT
public:
    explicit TF_Ckgl(QWidget* parent = nullptr);
    ~TF_Ckgl() override;

    void FormActivate() override;
    void FormClose();

    // The quick search over name, short code, person in charge, telephone and address.
    void btnKeyClick();
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnSearchClick();
    void miAllClick();
    void btnPrintClick();
    void btnExitClick();

    bool HasRows() const;
    // The search dialog's result, newest first.
    void ShowSearchResult(const QString& condition, const QHash<QString, QVariant>& params);

    Query& Q_Ckxx;
    DataGrid* cxGrid = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnKey = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnExit = nullptr;
    QMenu* gridMenu = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void OpenList(const QString& sql, const QHash<QString, QVariant>& params);
    void UpdateFooter();
};

// The opening-stock window opens the list through this global when no warehouse exists.
extern TF_Ckgl* F_Ckgl;

// The add and modify dialogs share their controls.
class CkglEditDialog : public Form {
    Q_OBJECT
public:
    CkglEditDialog(const QString& objectName, const QString& caption, const QString& rootCaption, QWidget* parent);

    virtual void btnSaveClick() = 0;
    void btnExitClick();
    // The operator tree: one root, a child per operator by role code.
    void BuildTree();
    QStringList TickedOperators() const;

    QLineEdit* tname = nullptr;
    QLineEdit* tfzr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkDefault = nullptr;
    QCheckBox* chkPos = nullptr;
    CheckTree* chkTree = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    // Shows the refusal or reopens the list and closes; true when saved.
    bool Finish(const QString& refusal);

private:
    QString rootCaption_;
};

class TF_Ckgl_Add : public CkglEditDialog {
    Q_OBJECT
public:
    explicit TF_Ckgl_Add(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick() override;
};

// Edits the current warehouse of Q_Ckxx.
class TF_Ckgl_Modi : public CkglEditDialog {
    Q_OBJECT
public:
    explicit TF_Ckgl_Modi(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick() override;

    QString code;
};

class TF_Ckgl_Search : public Form {
    Q_OBJECT
public:
    explicit TF_Ckgl_Search(TF_Ckgl* list, QWidget* parent = nullptr);
    void btnSearchClick();

    QLineEdit* tname = nullptr;
    QLineEdit* tfzr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnExit = nullptr;

private:
    TF_Ckgl* list_;
};
