#pragma once
#include <QString>

// Program-wide values: product constants, the login state and the texts that
// windows hand to the dialogs they open and receive back.

// Product constants (SetProductConstants).
extern QString BrandWord;
extern QString ProductVersion;

// Login state, empty before the first login.
extern QString CurrentAdminName;
extern QString CurrentAdminSn;
extern QString CurrentRoleSn;
extern QString CurrentDbName;
extern QString CurrentAccountSetName;
extern QString LocalIp;

// Hand-over values between windows.
extern QString OpenMode;
extern QString PickerCaller;
extern QString ActiveDocKind;
extern QString SelectedSn;
// The supplier chosen for the purchase document being entered.
extern QString CurrentSupplierSn;
extern QString SelectedLineId;
extern QString AuxTag;
extern QString SourceDocNo;
extern QString WholeReturnDocNo;
extern QString ResultText;
extern QString ExpenseDocToPrint;
extern QString UnapproveResult;
// The date-change dialogs: the document whose date the purchase and sales dialogs
// move, and who opened them ("cgjh" from a pending tab, "jthcx" from a query); the
// stock documents' dialog sets DateEditDocNo to "1" when it was saved.
extern QString DateEditCaller;
extern QString DateEditDocNo;
// The department chosen in the department and production document windows.
extern QString CurrentDeptSn;
// The goods whose purchase-sales-stock detail the stock query opens (its code).
extern QString DetailGoodsSn;
// The template family that the print-format dialog offers ("spxs" or "cgjh").
extern QString PrintTemplateKind;
// The picture file the photo windows work on (without extension for the capture
// window, with it for the viewer); also "1" when the print-format dialog was confirmed.
extern QString PictureName;

// The till: the supervisor who authorised an action (empty when nobody did) and his
// role, and the start of the current cashier's shift ("yyyy-MM-dd HH:mm:ss").
extern QString AuthSupervisorName;
extern QString AuthSupervisorRole;
extern QString ShiftStartTime;

// The date and time forms the program shows; forced at start-up when the
// system's own forms differ.
extern QString ShortDateFormat;
extern QString LongTimeFormat;
