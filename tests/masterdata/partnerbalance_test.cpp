#include "registryfixture.h"

#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "masterdata/partnerops.h"

namespace {

class OpeningBalanceTest : public RegistryTest {
protected:
    QString Add(PartnerKind kind, const QString& name, double amount)
    {
        PartnerInput in;
        in.name = name;
        in.amount = amount;
        in.typeCode = "1000";
        in.typeName = "零售客户";
        QString code;
        EXPECT_EQ(AddPartner(kind, in, &code), QString());
        return code;
    }
    // The partner's rows as "number:due:balance", numbers as the program reads them.
    QStringList Amounts(const QString& table, const QString& type, const QString& code)
    {
        const QString where
            = QStringLiteral(" from %1 where k_type='%2' and k_ghskh='%3' order by id").arg(table, type, code);
        const QStringList numbers = Column("select gl_djh" + where);
        const QStringList due = Column("select k_yfje" + where);
        const QStringList balance = Column("select k_ljje" + where);
        QStringList rows;
        for (int i = 0; i < numbers.size(); ++i)
            rows << numbers[i] + ":" + due[i] + ":" + balance[i];
        return rows;
    }
    // One row's columns joined by "|".
    QString Row(const QString& table, const QStringList& columns, const QString& where)
    {
        QStringList values;
        for (const QString& c : columns)
            values << Scalar("select " + c + " from " + table + " where " + where);
        return values.join("|");
    }
};

TEST_F(OpeningBalanceTest, NewCustomerBooksAnApprovedRegistrationAndItsLedgerCopy)
{
    const QString code = Add(PartnerKind::Customer, "城南服饰", 100);
    const QStringList ledgerColumns { "a_name", "u_sn", "k_yfje", "k_ljje", "k_qcje", "k_sfje", "k_yhje", "k_djtxt",
        "k_fkfs", "k_note", "k_flag", "k_rq", "k_type", "k_djlx", "gl_djh" };
    const QString where = "k_ghskh='" + code + "'";
    const QString ledger = "admin|" + DefaultUserSn()
        + "|100|100|0|0|0|期初应收款|期初应收款|客户的期初应收款|1|2024-03-05|kh|YS|YS24030510001";
    EXPECT_EQ(Row("jxc_ysyfk_dj", ledgerColumns, where), ledger);
    EXPECT_EQ(Row("jxc_ysyfk", ledgerColumns, where), ledger);
    EXPECT_EQ(Row("jxc_ysyfk_dj", { "k_check", "k_checker", "k_chkrq" }, where), "True|admin|2024-03-05");
    EXPECT_EQ(Scalar("select kh_lwje from jxc_khxx where kh_sn='" + code + "'"), "100");

    // A registration drawn later that day continues the series.
    EXPECT_EQ(NextDocNoToday("jxc_ysyfk", "gl_djh", "YS"), "YS24030510002");
}

TEST_F(OpeningBalanceTest, SupplierAndCustomerOfOneCodeKeepSeparateBookings)
{
    const QString customer = Add(PartnerKind::Customer, "甲", 100);
    const QString supplier = Add(PartnerKind::Supplier, "乙", 50);
    ASSERT_EQ(customer, supplier);
    EXPECT_EQ(Amounts("jxc_ysyfk", "ghs", supplier), QStringList { "YF24030510001:50:50" });
    EXPECT_EQ(Scalar("select k_note || k_djtxt || k_fkfs from jxc_ysyfk_dj where k_type='ghs'"),
        "供货商的期初应付款期初应付款期初应付款");
    EXPECT_EQ(Scalar("select ghs_lwje from jxc_ghsxx where ghs_sn='" + supplier + "'"), "50");

    UpdateOpeningAmount(PartnerKind::Supplier, supplier, 80);
    EXPECT_EQ(Amounts("jxc_ysyfk", "kh", customer), QStringList { "YS24030510001:100:100" });
    EXPECT_EQ(Amounts("jxc_ysyfk_dj", "ghs", supplier), QStringList { "YF24030510001:80:80" });

    DeletePartner(PartnerKind::Supplier, supplier);
    EXPECT_EQ(Count("jxc_ysyfk", "k_type='ghs'") + Count("jxc_ysyfk_dj", "k_type='ghs'"), 0);
    EXPECT_EQ(Amounts("jxc_ysyfk_dj", "kh", customer), QStringList { "YS24030510001:100:100" });
}

TEST_F(OpeningBalanceTest, ZeroBooksNothingAndTheAmountStaysFixed)
{
    const QString code = Add(PartnerKind::Customer, "甲", 0);
    EXPECT_EQ(Count("jxc_ysyfk") + Count("jxc_ysyfk_dj"), 0);
    EXPECT_FALSE(OpeningAmountEditable(PartnerKind::Customer, code));
}

TEST_F(OpeningBalanceTest, OpeningEditFollowsOnlyTheOpeningBookingWhileItIsAlone)
{
    const QString code = Add(PartnerKind::Customer, "甲", 100);
    // An unapproved registration of the same customer: no ledger row yet.
    ExecSQL("insert into jxc_ysyfk_dj (gl_djh,k_type,k_ghskh,k_djlx,k_yfje,k_ljje,k_check) values "
            "('YS24030510002','kh','"
        + code + "','YS',30,30,0)");
    ASSERT_TRUE(OpeningAmountEditable(PartnerKind::Customer, code));
    PartnerInput in;
    in.name = "甲";
    in.typeCode = "1000";
    in.amount = 80;
    ASSERT_EQ(ModifyPartner(PartnerKind::Customer, code, in, true), QString());
    EXPECT_EQ(Amounts("jxc_ysyfk", "kh", code), QStringList { "YS24030510001:80:80" });
    EXPECT_EQ(Amounts("jxc_ysyfk_dj", "kh", code), (QStringList { "YS24030510001:80:80", "YS24030510002:30:30" }));
    in.amount = 0;
    ASSERT_EQ(ModifyPartner(PartnerKind::Customer, code, in, true), QString());
    EXPECT_EQ(Amounts("jxc_ysyfk", "kh", code), QStringList { "YS24030510001:0:0" });
    EXPECT_EQ(Scalar("select kh_lwje from jxc_khxx where kh_sn='" + code + "'"), "0");
    EXPECT_TRUE(OpeningAmountEditable(PartnerKind::Customer, code));

    // After a receipt the opening amount is history.
    ExecSQL("insert into jxc_ysyfk (gl_djh,k_type,k_ghskh,k_djtxt,k_yfje,k_ljje) values "
            "('SK24030510001','kh','"
        + code + "','收款',0,-20)");
    EXPECT_FALSE(OpeningAmountEditable(PartnerKind::Customer, code));
    in.amount = 50;
    ASSERT_EQ(ModifyPartner(PartnerKind::Customer, code, in, false), QString());
    EXPECT_EQ(Amounts("jxc_ysyfk", "kh", code), (QStringList { "YS24030510001:0:0", "SK24030510001:0:-20" }));
}

}
