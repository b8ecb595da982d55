#include "registryfixture.h"

#include "foundation/globals.h"
#include "masterdata/partnerdialogs.h"
#include "masterdata/partnerlist.h"
#include "masterdata/partnerops.h"
#include "masterdata/partnertype.h"
#include "masterdata/zone.h"
#include "masterdata/zonetypeops.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

class ZoneTypeTest : public RegistryTest {
protected:
    QString AddNamed(PartnerKind kind, const QString& name, const QString& zone)
    {
        PartnerInput in;
        in.name = name;
        in.zone = zone;
        in.typeCode = "1000";
        QString code;
        EXPECT_EQ(AddPartner(kind, in, &code), QString());
        return code;
    }
    QStringList Names(NamedListWindow& w, const char* field)
    {
        QStringList names;
        for (int r = 0; r < w.cxGrid->RowCount(); ++r)
            names << w.cxGrid->Value(r, field).toString();
        return names;
    }
};

TEST_F(ZoneTypeTest, PartnersAddATypedZoneOnceAndAnEmptyOneNever)
{
    const int seeded = Count("jxc_zone");
    AddNamed(PartnerKind::Customer, "甲", " 新区 ");
    AddNamed(PartnerKind::Supplier, "乙", "新区");
    AddNamed(PartnerKind::Customer, "丙", "  ");
    EXPECT_EQ(Count("jxc_zone"), seeded + 1);
    EXPECT_EQ(Scalar("select z_sn || z_jm from jxc_zone where z_name='新区'"), "100004XQ");
    EXPECT_EQ(Scalar("select z_name from jxc_khxx where kh_name='丙'"), "");
}

TEST_F(ZoneTypeTest, ZoneWindowSavesDeletesAndKeepsOneDefault)
{
    AddNamed(PartnerKind::Customer, "甲", "省会地区");
    TF_Zone zones;
    zones.Activate();
    EXPECT_FALSE(zones.pnlEdit->isVisibleTo(&zones));
    zones.btnAddClick();
    EXPECT_FALSE(zones.btnAdd->isEnabled());
    zones.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), kZoneNameMissing);
    zones.tname->setText("华东");
    zones.chkDefault->setChecked(true);
    zones.btnOKClick();
    EXPECT_TRUE(zones.btnAdd->isEnabled());
    EXPECT_EQ(Column("select z_name from jxc_zone where z_default<>0"), QStringList { "华东" });

    zones.cxGrid->SetCurrentRow(Names(zones, "z_name").indexOf("其他区域"));
    zones.btnModiClick();
    EXPECT_EQ(zones.tname->text(), "其他区域");
    zones.chkDefault->setChecked(true);
    zones.btnOKClick();
    EXPECT_EQ(Column("select z_name from jxc_zone where z_default<>0"), QStringList { "其他区域" });

    // A zone only a customer uses is refused, with the message about suppliers.
    zones.cxGrid->SetCurrentRow(Names(zones, "z_name").indexOf("省会地区"));
    zones.btnDeleClick();
    EXPECT_EQ(prompt.LastMessage(), kZoneInUse);
    zones.cxGrid->SetCurrentRow(Names(zones, "z_name").indexOf("华东"));
    prompt.Answer(Prompt::Answer::Yes);
    zones.btnDeleClick();
    EXPECT_EQ(Count("jxc_zone", "z_name='华东'"), 0);

    zones.tkey->setText("dsd");
    EXPECT_EQ(Names(zones, "z_name"), QStringList { "地市区域" });
}

TEST_F(ZoneTypeTest, ZonePanelPicksAZoneAndReopensAfterTheZoneWindow)
{
    TF_Ghsgl_Add dialog;
    dialog.Activate();
    EXPECT_FALSE(dialog.zonePanel->isVisibleTo(&dialog));
    dialog.btnZoneClick();
    dialog.tzone->setText("qt");
    ASSERT_EQ(dialog.zonePanel->cxGrid->RowCount(), 1);
    dialog.zonePanel->btnOKClick();
    EXPECT_EQ(dialog.tzone->text(), "其他区域");
    EXPECT_FALSE(dialog.zonePanel->isVisibleTo(&dialog));

    prompt.OnModal("TF_Zone", [](QDialog* d) {
        EXPECT_EQ(PickerCaller, "ghsgl_add");
        auto* z = static_cast<TF_Zone*>(d);
        z->btnAddClick();
        z->tname->setText("其他新区");
        z->btnOKClick();
        z->close();
        return 0;
    });
    dialog.btnZoneClick();
    dialog.zonePanel->btnAddClick();
    EXPECT_TRUE(PickerCaller.isEmpty());
    EXPECT_TRUE(dm->Q("Q_Zone").Active());
    dialog.tzone->setText("其他");
    EXPECT_EQ(dialog.zonePanel->cxGrid->RowCount(), 2);
}

TEST_F(ZoneTypeTest, CustomerTypeRenameCarriesToItsCustomersAndAnswersTheDialog)
{
    PartnerInput in;
    in.name = "甲";
    in.typeCode = "1001";
    in.typeName = "一级";
    ASSERT_EQ(AddPartner(PartnerKind::Customer, in), QString());

    TF_Khgl_Add dialog;
    dialog.Activate();
    PickerCaller = "khgl_add";
    TF_Khgl_Type types;
    types.Activate();
    types.Q_Khtype.Locate("kt_sn", "1001");
    TF_Khgl_Type_Sele rename;
    rename.Activate();
    EXPECT_EQ(rename.tname->text(), "一级");
    rename.tname->setText(" ");
    rename.btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), kCustomerTypeNameMissing);
    rename.tname->setText("批发一级");
    rename.btnSaveClick();
    EXPECT_EQ(Scalar("select kt_name from jxc_khxx where kh_name='甲'"), "批发一级");
    types.btnOKClick();
    PickerCaller.clear();
    EXPECT_EQ(dialog.comType->currentText(), "批发一级");

    // A retail customer keeps the type its modify dialog shows.
    OpenQuery(dm->Q("Q_Khxx"), PartnerListSql(PartnerKind::Customer));
    TF_Khgl_Modi modi;
    modi.Activate();
    EXPECT_EQ(modi.comType->currentText(), "零售客户");
    PickerCaller = "khgl_modi";
    types.Activate();
    types.Q_Khtype.Locate("kt_sn", "1002");
    types.btnOKClick();
    PickerCaller.clear();
    EXPECT_EQ(modi.comType->currentText(), "零售客户");
}

TEST_F(ZoneTypeTest, SupplierTypeWindowRenamesRefusesAndHandsBackTheFocusedType)
{
    PartnerInput in;
    in.name = "甲";
    in.typeName = "A级供货商";
    ASSERT_EQ(AddPartner(PartnerKind::Supplier, in), QString());
    TF_Ghsgl_Modi dialog;
    PickerCaller = "ghsgl_modi";
    TF_Ghsgl_Type types;
    types.Activate();
    types.btnDeleClick();
    EXPECT_EQ(prompt.LastMessage(), kSupplierTypeInUse);

    types.btnModiClick();
    types.tname->setText("甲级供货商");
    types.chkDefault->setChecked(true);
    types.btnOKClick();
    EXPECT_EQ(Scalar("select gt_name from jxc_ghsxx where ghs_name='甲'"), "甲级供货商");
    types.btnAddClick();
    types.tname->setText("D级供货商");
    types.chkDefault->setChecked(true);
    types.btnOKClick();
    EXPECT_EQ(Column("select gt_name from jxc_ghstype where gt_default<>0"), QStringList { "D级供货商" });

    // Browsing to a row and leaving with "退出" selects it in the dialog.
    types.cxGrid->SetCurrentRow(Names(types, "gt_name").indexOf("C级供货商"));
    types.btnExitClick();
    PickerCaller.clear();
    EXPECT_EQ(dialog.comType->currentText(), "C级供货商");
    EXPECT_EQ(dialog.comType->itemText(0), "");
}

}
