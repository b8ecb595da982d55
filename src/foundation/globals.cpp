#include "foundation/globals.h"

QString BrandWord;
QString ProductVersion;

QString CurrentAdminName;
QString CurrentAdminSn;
QString CurrentRoleSn;
QString CurrentDbName;
QString CurrentAccountSetName;
QString LocalIp;

QString OpenMode;
QString PickerCaller;
QString ActiveDocKind;
QString SelectedSn;
QString CurrentSupplierSn;
QString SelectedLineId;
QString AuxTag;
QString SourceDocNo;
QString WholeReturnDocNo;
QString ResultText;
QString ExpenseDocToPrint;
QString UnapproveResult;
QString DateEditCaller;
QString DateEditDocNo;
QString CurrentDeptSn;
QString DetailGoodsSn;
QString PrintTemplateKind;
QString PictureName;
QString AuthSupervisorName;
QString AuthSupervisorRole;
QString ShiftStartTime;

QString ShortDateFormat = QStringLiteral("yyyy-MM-dd");
QString LongTimeFormat = QStringLiteral("HH:mm:ss");
