#pragma once
#include <QString>

class Query;

// The rules of the staff records (jxc_user), apart from any window.

inline const QString kStaffBuiltIn = QStringLiteral("系统内置员工，不能删除！");
inline const QString kStaffInUse = QStringLiteral("该员工已发生过业务，不能删除！");
inline const QString kStaffNameMissing = QStringLiteral("员工姓名必须填写！");
inline const QString kStaffNameTaken = QStringLiteral("员工姓名不能重复！");

// The commission methods by index (u_tcfs) with their texts (u_tctxt).
QString CommissionMethodText(int method);

// Why the staff member may not be deleted ("" when it may): the built-in one before
// any ledger, cash, expense or partner-ledger reference.
QString StaffDeleteRefusal(const QString& code, const QString& name);

// What the add and modify dialogs gather; texts as typed.
struct StaffInput {
    QString name;
    QString duty;
    QString tele;
    QString address;
    QString note;
    QString rate; // "5" or "5%"
    int method = 0;
    double threshold = 0;
    bool cg = true;
    bool xs = true;
    bool kc = true;
    bool jy = false;
    // No warehouse item chosen: the stored binding stays.
    bool warehouseChosen = true;
    QString warehouseSn;
    QString warehouseName;
};

// "" or the refusal; exceptId is the row being modified (0 when adding).
QString StaffSaveRefusal(const StaffInput& in, qint64 exceptId = 0);
// Appends a staff member to the query (the list or the handler picker holds it open).
QString AddStaff(Query& staff, const StaffInput& in);
// Writes the query's row of that id and carries a new name into the ledger, the cash
// journals and the customers' salesman lists, all in one transaction.
QString ModifyStaff(Query& staff, qint64 id, const StaffInput& in);
// Replaces in a salesman list ("甲,乙,") only the entry equal to the old name.
QString ReplaceSalesmanEntry(const QString& list, const QString& oldName, const QString& newName);
