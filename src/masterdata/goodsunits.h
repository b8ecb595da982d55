#pragma once
#include "platform/ui/form.h"

#include <QList>
#include <utility>

class DataGrid;
class QLineEdit;
class QPushButton;
class Query;

// Units, brands and shelf locations: three small code lists of the goods record,
// each with a list window and an add dialog, opened from the goods add and modify
// windows. The unit and shelf lists answer into the goods window that PickerCaller
// names ("spxxgl_add", "spxxgl_modi").

// Plain rules: codes by GetNextSn, names through SafeSqlText.
QString AddUnit(const QString& typedName);
void DeleteUnit(const QString& unitSn);
// "" when added, else the refusal.
QString AddBrand(const QString& typedName);

// A list window of one of the three families: a grid over its dataset and its
// buttons; the families differ in their dataset, columns, add dialog and answer.
// A list that answers into the goods window has "确定" (and the double click), and
// stays on top.
class CodeListWindow : public Form {
    Q_OBJECT
public:
    CodeListWindow(const QString& objectName, const QString& caption, const QString& dataset, bool answers,
        const QList<std::pair<QString, QString>>& columns, QWidget* parent);
    void FormActivate() override;

    virtual void btnAddClick() = 0;
    virtual void btnDeleClick() = 0;
    // The answer into the goods window that PickerCaller names.
    virtual void AnswerCaller() { }
    void btnOKClick();
    void btnExitClick();

    Query& Q_List;
    DataGrid* cxGrid = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;
    virtual QString ListSql() const = 0;
    bool HasRows() const;
};

class TF_Dwgl : public CodeListWindow {
    Q_OBJECT
public:
    explicit TF_Dwgl(QWidget* parent = nullptr);
    void btnAddClick() override;
    void btnDeleClick() override;
    // The unit combo refilled, the current unit chosen.
    void AnswerCaller() override;

protected:
    QString ListSql() const override;
};

class TF_Ppcs : public CodeListWindow {
    Q_OBJECT
public:
    explicit TF_Ppcs(QWidget* parent = nullptr);
    void btnAddClick() override;
    void btnDeleClick() override;

protected:
    QString ListSql() const override;
};

class TF_HJxx : public CodeListWindow {
    Q_OBJECT
public:
    explicit TF_HJxx(QWidget* parent = nullptr);
    void btnAddClick() override;
    void btnDeleClick() override;
    // The shelf combo refilled, the current shelf chosen.
    void AnswerCaller() override;

protected:
    QString ListSql() const override;
};

// The add dialog of a family: one name field and two buttons.
class CodeAddDialog : public Form {
    Q_OBJECT
public:
    CodeAddDialog(const QString& objectName, const QString& caption, const QString& label, int maxLength,
        const QString& okCaption, const QString& cancelCaption, bool keys, QWidget* parent);
    void FormActivate() override;
    virtual void btnSaveClick() = 0;
    void btnExitClick();

    QLineEdit* tname = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;
};

class TF_Dwgl_Add : public CodeAddDialog {
    Q_OBJECT
public:
    explicit TF_Dwgl_Add(QWidget* parent = nullptr);
    void btnSaveClick() override;
};

class TF_Ppcs_Add : public CodeAddDialog {
    Q_OBJECT
public:
    explicit TF_Ppcs_Add(QWidget* parent = nullptr);
    ~TF_Ppcs_Add() override;
    void btnSaveClick() override;
};

class TF_Hjxx_Add : public CodeAddDialog {
    Q_OBJECT
public:
    explicit TF_Hjxx_Add(QWidget* parent = nullptr);
    void btnSaveClick() override;
};

// Created on first use and reused by the brand list.
extern TF_Ppcs_Add* F_Ppcs_Add;
