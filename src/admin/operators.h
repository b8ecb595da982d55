#pragma once
#include <QString>

// Keeping the operators of jxc_admin. Names and passwords are stored trimmed and
// through ToFullWidthText, the form the login compares with.

// What the add and modify dialogs hand over, as typed.
struct OperatorInput {
    QString name;
    QString roleSn;
    QString password;
    QString password2;
    double zreoje = 0; // largest small change the operator may drop at the till
    bool pos = false;  // POS supervisor, kept but not shown
    bool disabled = false;
};

// Adds an operator with the next code; returns the refusal to show, "" when added.
QString AddOperator(const OperatorInput& input);
// Saves the operator row `id`; both passwords left empty keep the stored one. A new
// name is carried into the warehouses' operator-name lists in the same transaction.
QString ModifyOperator(qint64 id, const OperatorInput& input);

// Why the operator may not be deleted, "" when he may.
QString OperatorDeleteRefusal(const QString& name, const QString& sn);
void DeleteOperator(const QString& sn);

// Appends a copy of an operator under "复制 " + name + its new code, with the same
// role, password and small-change amount; returns the new code. The copy is offered
// at login only after it has been saved once in the modify dialog.
QString PasteOperator(const QString& copiedName, const QString& roleSn, const QString& password, double zreoje);

// The list of names, each followed by a comma, with every whole entry equal to
// oldName (regardless of case) replaced by newName; longer names are left alone.
QString RenameNameListEntry(const QString& list, const QString& oldName, const QString& newName);
