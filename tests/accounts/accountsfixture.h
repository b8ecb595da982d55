#pragma once
#include "accounts/accountswindows.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/valuetext.h"
#include "platform/report/printlog.h"
#include "support/accountset.h"
#include "support/text.h"
#include "support/tradefixtures.h"

// An account set with the settings loaded, customer K1 and supplier G1, and the
// clock at 2024-03-05 10:20:30.
class AccountsTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        DeclareAccountsDatasets();
        fixture::AddCustomer(QStringLiteral("K1"), S("甲服饰"));
        fixture::AddSupplier(QStringLiteral("G1"), S("乙布行"));
        // The partner lists show customers of a known type.
        ExecSQL(QStringLiteral("update jxc_khxx set kt_sn=(select min(kt_sn) from jxc_khtype)"));
        PrintLog::Clear();
    }
    void TearDown() override
    {
        CurrentCustomerSn.clear();
        CurrentSupplierSn.clear();
        OpenMode.clear();
        ApproveOnSave = QStringLiteral("0");
        AccountSetTest::TearDown();
    }
    double Number(const QString& sql) const { return ValueNumber(Scalar(sql)); }
    // A ledger row of the partner, balances recomputed later by the routine under test.
    void Ledger(const QString& number, const QString& date, double due, double balance,
        const QString& partner = QStringLiteral("K1"), const QString& side = QStringLiteral("kh"))
    {
        ExecSQL(QStringLiteral("insert into jxc_ysyfk (gl_djh,gl_djh2,k_rq,k_fkfs,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,"
                               "k_flag,k_type,k_djlx,k_ghskh) values ('%1','','%2','',%3,0,0,0,%4,1,'%5','%6','%7')")
                    .arg(number, date)
                    .arg(due)
                    .arg(balance)
                    .arg(side, number.left(2), partner));
    }
};
