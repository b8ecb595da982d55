#pragma once
#include <QString>
#include <QStringList>

// The rules of the customer (jxc_khxx) and supplier (jxc_ghsxx) records, apart from
// any window: opening balances, saving, deleting, renaming and copying.

enum class PartnerKind { Customer, Supplier };

// What differs between the two registers.
struct PartnerKindInfo {
    QString ledgerType;  // k_type: "kh" / "ghs"
    QString prefix;      // registration prefix and k_djlx: "YS" / "YF"
    QString openingText; // k_fkfs and k_djtxt of the opening booking
    QString openingNote; // k_note of the opening booking
    QString table;       // jxc_khxx / jxc_ghsxx
    QString codeColumn;  // kh_sn / ghs_sn
    QString nameColumn;  // kh_name / ghs_name
    QString inUse;       // refusal: the partner has business
    QString builtIn;     // refusal: the built-in partner
    QString nameMissing;
};
const PartnerKindInfo& KindInfo(PartnerKind kind);

inline const QString kPartnerBuiltInSn = QStringLiteral("100001");

// ---- opening balances ----

// Books an opening amount as an approved registration of today with its ledger copy,
// replacing whatever was booked for the partner before; note "" gives the kind's own.
// Returns the registration number.
QString BookOpeningAmount(PartnerKind kind, const QString& code, double amount, const QString& note = QString());
// Whether the partner's ledger still holds nothing but its opening booking.
bool OpeningAmountEditable(PartnerKind kind, const QString& code);
// Sets the amount of the opening booking alone (the registration and its ledger row).
void UpdateOpeningAmount(PartnerKind kind, const QString& code, double amount);
// Removes the partner's registrations and ledger rows after the partner itself.
void CleanUpPartner(PartnerKind kind, const QString& code);

// ---- delete ----

// Why the partner may not be deleted ("" when it may): business first, then the
// built-in row. Business is a document, a ledger movement other than the opening
// booking or a cash row carrying the partner.
QString PartnerDeleteRefusal(PartnerKind kind, const QString& code);
// Deletes the partner with its opening booking, in one transaction.
void DeletePartner(PartnerKind kind, const QString& code);

// ---- add and modify ----

// What the add and modify dialogs gather; texts as typed.
struct PartnerInput {
    QString name;
    QString contact;
    QString tele;
    QString address;
    QString note;
    QString zone;
    double amount = 0;
    bool isDefault = false;
    bool forbid = false;
    QString typeCode; // customers: kt_sn
    QString typeName; // customers: kt_name; suppliers: gt_name
    QString warehouseCode = QStringLiteral("-1");
    QString warehouseName = QStringLiteral("所有仓库");
    QStringList salesmen; // customers: ticked staff names in tree order
};

inline const QString kCustomerNameMissing = QStringLiteral("客户名称必须填写！");
inline const QString kSupplierNameMissing = QStringLiteral("供货商名称必须填写！");

// Whether another partner (other than the row with excludeId) carries the name in its
// stored form.
bool PartnerNameTaken(PartnerKind kind, const QString& name, qint64 excludeId = -1);
// Each returns the refusal ("" on success); a refused save writes nothing. The add
// draws the code, books a non-zero opening amount and adds a new zone.
QString AddPartner(PartnerKind kind, const PartnerInput& in, QString* newCode = nullptr);
// The modify carries a new name into the stock ledger and the cash journal and, when
// the opening amount may still change, sets it.
QString ModifyPartner(PartnerKind kind, const QString& code, const PartnerInput& in, bool openingEditable);

// The stored salesman codes: each name's first staff code followed by "," (the names
// are stored as OperatorNameList writes them).
QString SalesmanCodeList(const QStringList& names);

// ---- lists ----

// The list statements: every partner, or for an operator bound to warehouses only
// those of "-1" and of his own warehouses. The customers carry their type's name as
// "ktname".
QString PartnerListSql(PartnerKind kind);
void SetPartnerForbidden(PartnerKind kind, qint64 id, bool forbid);
void SetPartnerShortCode(PartnerKind kind, qint64 id, const QString& typed);

// ---- copy ----

inline const QString kSupplierExists = QStringLiteral("供货商已经存在！");
// Makes a supplier of the customer with this row id; the refusal or "".
QString CopyCustomerToSupplier(qint64 customerId, QString* newCode = nullptr);
