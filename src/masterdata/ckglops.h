#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The rules of the warehouse records (jxc_ckxx), apart from any window.

inline const QString kWarehouseInUse = QStringLiteral("该仓库中有商品，或已发生过业务，不能删除！");
inline const QString kWarehouseBuiltIn = QStringLiteral("该仓库为系统内置仓库，不能删除！");
inline const QString kWarehouseNameMissing = QStringLiteral("仓库名称必须填写！");
inline const QString kWarehouseNoOperator = QStringLiteral("必须选择操作员！");

// Why the warehouse may not be deleted ("" when it may): the stock ledger first.
QString WarehouseDeleteRefusal(const QString& code);
void DeleteWarehouse(const QString& code);

// What the add and modify dialogs gather; texts as typed.
struct WarehouseInput {
    QString name;
    QString fzr;
    QString tele;
    QString address;
    QString note;
    QStringList operatorNames; // ticked, in tree order
    bool isDefault = false;
    bool pos = false;
};

// The stored operator lists: each name or code followed by ",".
QString OperatorNameList(const QStringList& names);
QString OperatorCodeList(const QStringList& names);

// "" or the refusal of a save; a refused save writes nothing.
QString WarehouseSaveRefusal(const WarehouseInput& in);
// Each returns the refusal ("" on success). A modify carries a new name into the
// stock ledger and the cash journal, in the form the warehouse row stores it.
QString AddWarehouse(const WarehouseInput& in, QString* newCode = nullptr);
QString ModifyWarehouse(const QString& code, const WarehouseInput& in);

// Which of the tree's operators the stored name list names, whatever its order.
QList<bool> StoredOperatorMarks(const QString& storedNames, const QStringList& treeNames);
