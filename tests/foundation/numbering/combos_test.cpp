#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/goodsclass.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"
#include "support/accountset.h"

#include <QComboBox>
#include <stdexcept>

namespace {

QStringList Texts(const QComboBox& c)
{
    QStringList out;
    for (int i = 0; i < c.count(); ++i)
        out << c.itemText(i);
    return out;
}

QStringList Codes(const KeyedCombo& c)
{
    QStringList out;
    for (int i = 0; i < c.count(); ++i)
        out << GetComboCode(c, i);
    return out;
}

class Combos : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        savedBinding_ = BindPartnersWarehouse;
        savedGrades_ = UseGradePrices;
        BindPartnersWarehouse = "False";
        ExecSQL("delete from jxc_ckxx");
        ExecSQL("insert into jxc_ckxx (ck_sn,ck_name,ck_asn,ck_default) values "
                "('100001','一库','100002,',0),('100002','二库','',1)");
        ExecSQL("delete from jxc_user");
        ExecSQL("insert into jxc_user (u_sn,u_name,u_xs,u_cg,u_jy,ck_sn) values "
                "('100001','甲',1,0,0,'-1'),('100002','乙',0,1,0,'100001'),('100003','丙',1,0,0,'100002'),"
                "('100004','丁',1,0,1,'-1'),('100005','戊',1,0,0,'100001')");
        ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_jyt) values ('100002','张三','100002',0),"
                "('100003','李四','100002',1)");
    }
    void TearDown() override
    {
        BindPartnersWarehouse = savedBinding_;
        UseGradePrices = savedGrades_;
        CurrentCustomerSn.clear();
        AccountSetTest::TearDown();
    }
    // A clerk whose role is not the administrator's, kept to his warehouses.
    void BoundClerk()
    {
        BindPartnersWarehouse = "True";
        CurrentAdminSn = "100002";
        CurrentRoleSn = "100002";
    }

    KeyedCombo combo;

private:
    QString savedBinding_;
    QString savedGrades_;
};

TEST_F(Combos, KeyedItemsCarryTheirCodesAndNothingIsSelected)
{
    combo.addItem("stale");
    FillCombo(combo, "jxc_ckxx", "ck_name", "ck_sn", "id", "所有仓库");
    EXPECT_EQ(Texts(combo), (QStringList { "所有仓库", "一库", "二库" }));
    EXPECT_EQ(Codes(combo), (QStringList { "-1", "100001", "100002" }));
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.KeyObject(1)->comboS, "100001");

    EXPECT_THROW(GetComboCode(combo, -1), std::out_of_range);
    EXPECT_THROW(GetComboCode(combo, 3), std::out_of_range);
    combo.addItem("unkeyed");
    EXPECT_FALSE(combo.KeyObject(3).has_value());
    EXPECT_THROW(GetComboCode(combo, 3), std::out_of_range);
}

TEST_F(Combos, ExtraItemsOfTheFillers)
{
    const QString one = "where ck_sn='100001'";
    FillComboWhere(combo, "jxc_ckxx", "ck_name", "ck_sn", "id", "", "其它");
    EXPECT_EQ(Texts(combo), (QStringList { "一库", "二库" }));
    FillComboWhere(combo, "jxc_ckxx", "ck_name", "ck_sn", "id", one, "其它");
    EXPECT_EQ(Codes(combo), (QStringList { "100001", "-1" }));
    FillComboWhere2(combo, "jxc_ckxx", "ck_name", "ck_sn", "id desc", "", "全部");
    EXPECT_EQ(Codes(combo), (QStringList { "-1", "100002", "100001" }));
    FillWarehouseCombo(combo, "jxc_ckxx", "ck_name", "ck_sn", "id", one, "所有仓库");
    EXPECT_EQ(Texts(combo), (QStringList { "所有仓库", "一库" }));
    FillWarehouseCombo(combo, "jxc_ckxx", "ck_name", "ck_sn", "id", one, "全部仓库");
    EXPECT_EQ(Texts(combo), (QStringList { "一库" }));

    QComboBox plain;
    FillComboBox(plain, "jxc_ckxx", "ck_name", "id", "1", "全部");
    EXPECT_EQ(Texts(plain), (QStringList { "", "全部", "一库", "二库" }));
    FillComboNames(plain, "jxc_ckxx", "ck_name", "id", "1", "全部");
    EXPECT_EQ(Texts(plain), (QStringList { "全部", "", "一库", "二库" }));
    FillComboNamesWhere(plain, "jxc_ckxx", "ck_name", "id", one, "1", "全部");
    EXPECT_EQ(Texts(plain), (QStringList { "", "一库", "全部" }));
    FillComboNamesWhere(plain, "jxc_ckxx", "ck_name", "id", "", "0", "全部");
    EXPECT_EQ(Texts(plain), (QStringList { "全部", "一库", "二库" }));
}

TEST_F(Combos, OperatorsAndStaffUnderTheWarehouseBinding)
{
    FillAdminCombo(combo, "所有");
    EXPECT_EQ(Texts(combo), (QStringList { "所有", "admin", "张三" }));
    FillStaffCombo(combo, "u_xs", "全部");
    EXPECT_EQ(Texts(combo), (QStringList { "全部", "甲", "丙", "戊" }));

    BoundClerk();
    FillAdminCombo(combo, "所有");
    EXPECT_EQ(Codes(combo), QStringList { "100002" });
    FillStaffCombo(combo, "", "全部");
    EXPECT_EQ(Texts(combo), (QStringList { "甲", "乙", "戊" }));
    FillStaffCombo(combo, "u_cg");
    EXPECT_EQ(Texts(combo), QStringList { "乙" });

    // Binding off: a clerk still gets the first item, but not the operators' "all".
    BindPartnersWarehouse = "False";
    FillStaffCombo(combo, "u_cg", "全部");
    EXPECT_EQ(Texts(combo), (QStringList { "全部", "乙" }));
    FillAdminCombo(combo, "所有");
    EXPECT_EQ(Texts(combo), (QStringList { "admin", "张三" }));
}

TEST_F(Combos, SalesmenOfTheCustomerComeFirst)
{
    ExecSQL("insert into jxc_khxx (kh_sn,kh_usn) values ('K1','100005,100003'),('K2','')");
    CurrentCustomerSn = "K1";
    FillSalesmanCombo(combo, "u_name", "u_sn", "无");
    EXPECT_EQ(Codes(combo), (QStringList { "100003", "100005", "100001", "-1" }));
    EXPECT_EQ(combo.currentIndex(), 0);
    CurrentCustomerSn = "K2";
    FillSalesmanCombo(combo, "u_name", "u_sn");
    EXPECT_EQ(Codes(combo), (QStringList { "100001", "100003", "100005" }));

    BoundClerk();
    CurrentCustomerSn = "K1";
    FillSalesmanCombo(combo, "u_name", "u_sn");
    EXPECT_EQ(Codes(combo), (QStringList { "100005", "100001" }));
}

TEST_F(Combos, AccountSetsDefaultFirstDisabledLeftOut)
{
    ConnectAccountSets();
    dm->ADOConnZT.Exec("delete from jxc_xtzt");
    dm->ADOConnZT.Exec("insert into jxc_xtzt (zt_sn,zt_name,zt_dbname,zt_default,zt_forbid) values "
                       "('100001','甲','jxc.mdb',0,0),('100002','乙','jxc_100002.mdb',1,0),"
                       "('100003','丙','jxc_100003.mdb',0,1),('100004','丁','jxc_100004.mdb',0,0)");
    FillAccountSetCombo(combo, "jxc_xtzt", "zt_name", "zt_dbname", "zt_sn");
    CloseAccountSets();
    EXPECT_EQ(Texts(combo), (QStringList { "乙", "甲", "丁" }));
    EXPECT_EQ(GetComboCode(combo, 0), "jxc_100002.mdb");
}

TEST_F(Combos, DefaultsAndLookups)
{
    // The warehouse marked default wins over the first one.
    EXPECT_EQ(DefaultWarehouseSn(), "100002");
    EXPECT_EQ(DefaultWarehouseName(), "二库");
    ExecSQL("update jxc_ckxx set ck_default=0");
    EXPECT_EQ(DefaultWarehouseSn(), "100001");

    ExecSQL("delete from jxc_ghsxx");
    EXPECT_EQ(DefaultSupplierSn(), "");
    ExecSQL("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_default,ghs_forbid) values "
            "('S1','一',0,1),('S2','二',1,1),('S3','三',0,0),('S4','四',1,0)");
    EXPECT_EQ(DefaultSupplierSn() + DefaultSupplierName(), "S4四");
    ExecSQL("update jxc_ghsxx set ghs_default=0");
    EXPECT_EQ(DefaultSupplierSn() + DefaultSupplierName(), "S3三");

    ExecSQL("delete from jxc_khxx");
    ExecSQL("insert into jxc_khxx (kh_sn,kh_name,kh_default,kh_forbid,kt_sn) values "
            "('K1','一',1,1,'1003'),('K2','二',0,0,'1002'),('K3','三',1,0,null)");
    EXPECT_EQ(DefaultCustomerSn() + DefaultCustomerName(), "K3三");

    // A staff member without a name is the default handler; the default name is the first one's.
    EXPECT_EQ(DefaultUserSn(), "100001");
    ExecSQL("insert into jxc_user (u_sn,u_name) values ('100009','')");
    EXPECT_EQ(DefaultUserSn(), "100009");
    EXPECT_EQ(DefaultUserName(), "甲");

    EXPECT_TRUE(RowExists("jxc_khxx", "kh_name", "where kh_sn='K2'"));
    EXPECT_FALSE(RowExists("jxc_khxx", "kt_sn", "where kh_sn='K3'"));
    EXPECT_TRUE(ValueExists("jxc_khxx", "kh_sn", "K2"));
    EXPECT_FALSE(ValueExists("jxc_khxx", "kh_sn", "K9"));
    EXPECT_EQ(FirstRowId("jxc_khxx", "kh_sn", "K2"), QueryScalar("select id from jxc_khxx where kh_sn='K2'"));
    EXPECT_EQ(FirstRowId("jxc_khxx", "kh_sn", "K9"), "");

    UseGradePrices = "False";
    EXPECT_EQ(GetCustomerType("K2"), "1000");
    UseGradePrices = "True";
    EXPECT_EQ(GetCustomerType("K2"), "1002");
    EXPECT_EQ(GetCustomerType("K3"), "1000");

    ExecSQL("insert into jxc_import (i_tablename,i_fieldid,i_fieldname) values ('goods','g_name','品名X')");
    EXPECT_EQ(GetImportFieldId("品名X", "goods"), "g_name");
    EXPECT_EQ(GetImportFieldId("品名X", "khxx"), "");
}

TEST_F(Combos, PartnerListsOfTheDataModule)
{
    ExecSQL("delete from jxc_khxx");
    ExecSQL("insert into jxc_khxx (kh_sn,kt_sn,kh_forbid,ck_sn) values ('K1','1000',0,'-1'),('K2','1001',0,'100002'),"
            "('K3','9999',0,'-1'),('K4','1000',1,'-1'),('K5','1002',0,'100001')");
    Query& customers = dm->Q("Q_Khxx");
    auto listed = [&] {
        QStringList out;
        for (customers.First(); !customers.Eof(); customers.Next())
            out << customers.AsString("kh_sn") + ":" + customers.AsString("ktname");
        return out;
    };
    OpenCustomerList("1");
    EXPECT_EQ(listed(), (QStringList { "K5:二级", "K2:一级", "K1:零售客户" }));
    BoundClerk();
    OpenCustomerList("0");
    EXPECT_EQ(listed(), (QStringList { "K1:零售客户", "K5:二级" }));

    customers.Close();
    ReopenCustomerQuery();
    EXPECT_EQ(listed(), (QStringList { "K1:零售客户", "K5:二级" }));

    ExecSQL("delete from jxc_ghsxx");
    ExecSQL("insert into jxc_ghsxx (ghs_sn,ghs_forbid,ck_sn) values ('S1',0,'100002'),('S2',0,'-1'),('S3',1,'-1')");
    OpenSupplierList("1");
    Query& suppliers = dm->Q("Q_Ghsxx");
    EXPECT_EQ(suppliers.RecordCount(), 1);
    EXPECT_EQ(suppliers.AsString("ghs_sn"), "S2");
    BindPartnersWarehouse = "False";
    suppliers.Close();
    ReopenSupplierQuery();
    EXPECT_EQ(suppliers.RecordCount(), 1);
    OpenSupplierList("1");
    EXPECT_EQ(suppliers.RecordCount(), 2);
    EXPECT_EQ(suppliers.AsString("ghs_sn"), "S2");
}

TEST_F(Combos, NewCategoryRowIsCompleted)
{
    Query classes(&dm->ADOConn);
    classes.SetSQL("select * from jxc_goodsclass order by gc_key");
    classes.Open();
    // Appended under "默认类别" (key 2, code 1000), once stored and once still being appended.
    for (int key : { 3, 4 }) {
        classes.Append();
        classes.SetValue("gc_name", "男装");
        classes.SetValue("gc_key", key);
        classes.SetValue("gc_pid", 2);
        if (key == 3)
            classes.Post();
        CompleteGoodsClassRow(classes);
    }
    EXPECT_EQ(Column("select gc_sn||':'||gc_cid||':'||gc_jm from jxc_goodsclass where gc_key>2 order by gc_key"),
        (QStringList { "1000100:3:NZ", "1000101:4:NZ" }));

    classes.Locate("gc_key", 4);
    SetGoodsClassName(classes, "童装");
    EXPECT_EQ(Column("select gc_name||':'||gc_jm from jxc_goodsclass where gc_key=4"), QStringList { "童装:TZ" });
}

} // namespace
