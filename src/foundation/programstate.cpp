#include "foundation/programstate.h"

#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/gridlayout.h"
#include "foundation/lifecycle.h"
#include "foundation/login.h"
#include "foundation/mainform.h"
#include "foundation/settings.h"

void ResetProgramState()
{
    for (QString* v :
        { &CurrentAdminName, &CurrentAdminSn, &CurrentRoleSn, &CurrentDbName, &CurrentAccountSetName, &LocalIp })
        v->clear();
    for (QString* v : { &OpenMode, &PickerCaller, &ActiveDocKind, &SelectedSn, &SelectedLineId, &AuxTag, &SourceDocNo,
             &WholeReturnDocNo, &ResultText, &ExpenseDocToPrint, &UnapproveResult, &CurrentCustomerSn,
             &AuthSupervisorName, &AuthSupervisorRole, &ShiftStartTime })
        v->clear();
    for (QString* v : { &LoginKeepRunning, &LoginFilling, &GridLayoutConfirmed, &ClosingFlag })
        v->clear();
    ClearSystemSettings();
    ResetProgramEnding();
}
