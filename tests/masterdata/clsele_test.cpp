#include "registryfixture.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/pickersclsele.h"
#include "platform/grid/datagrid.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <memory>

namespace {

class MaterialSetTest : public RegistryTest {
protected:
    void TearDown() override
    {
        delete F_Spxs_Clsele;
        AuxTag.clear();
        OpenMode.clear();
        RegistryTest::TearDown();
    }
    void AddGoods(const QString& code, const QString& name, double stock, bool disabled = false)
    {
        ExecSQL(QString("insert into jxc_goods (g_sn,g_name,g_jm,gc_sn,g_kc,g_jy,g_sj,g_jj,dw_name) "
                        "values ('%1','%2','%3','1000',%4,%5,10,6,'件')")
                    .arg(code, name, code == "T1" ? "TZ" : "")
                    .arg(stock)
                    .arg(disabled ? 1 : 0));
    }
    void AddMaterial(const QString& set, const QString& material, double qty)
    {
        ExecSQL(QString("insert into jxc_plxx (g_sn,pl_gsn,pl_sl) values ('%1','%2',%3)").arg(set, material).arg(qty));
    }
    // Opens the picker as a caller does: AuxTag cleared, OpenMode set, kept picker.
    void Open(const QString& mode, std::function<int(TF_Spxs_Clsele*)> script)
    {
        AuxTag.clear();
        OpenMode = mode;
        if (!F_Spxs_Clsele)
            F_Spxs_Clsele = new TF_Spxs_Clsele();
        prompt.OnModal("TF_Spxs_Clsele", [script](QDialog* d) { return script(static_cast<TF_Spxs_Clsele*>(d)); });
        Prompt::ShowModal(F_Spxs_Clsele);
        OpenMode.clear();
    }
    QStringList Listed(DataGrid& grid, const char* field)
    {
        QStringList values;
        for (int r = 0; r < grid.RowCount(); ++r)
            values << grid.Value(r, field).toString();
        return values;
    }
};

TEST_F(MaterialSetTest, SetsListedOnceWithTheirMaterials)
{
    AddGoods("T1", "套装", 0);
    AddGoods("T2", "停用套装", 0, true);
    AddGoods("T3", "礼盒", 0);
    for (int i = 1; i <= 5; ++i) {
        AddGoods(QString("M%1").arg(i), QString("料%1").arg(i), 10 * i);
        AddMaterial("T3", QString("M%1").arg(i), i);
    }
    AddMaterial("T1", "M1", 2);
    AddMaterial("T2", "M1", 1);

    Open("spxs", [this](TF_Spxs_Clsele* p) {
        EXPECT_EQ(Listed(*p->cxGridGoods, "g_sn"), (QStringList { "T1", "T3" }));
        EXPECT_EQ(p->gsn->text(), "T1");
        EXPECT_EQ(p->tsl->value(), 1);
        p->cxGridGoods->SetCurrentRow(1);
        p->setPlxx();
        EXPECT_EQ(Listed(*p->cxGridPl, "pl_gsn"), (QStringList { "M1", "M2", "M3", "M4", "M5" }));
        EXPECT_DOUBLE_EQ(p->cxGridPl->FooterSum(p->cxGridPl->ColumnByField("pl_sl")), 15);
        EXPECT_DOUBLE_EQ(p->cxGridPl->FooterSum(p->cxGridPl->ColumnByField("g_kc")), 150);
        // A search by short code leaves the choice where it was.
        p->tkey->setText("tz");
        EXPECT_EQ(Listed(*p->cxGridGoods, "g_sn"), QStringList { "T1" });
        EXPECT_EQ(p->gsn->text(), "T3");
        p->tsl->setValue(3);
        p->btnOKClick();
        return 1;
    });
    EXPECT_EQ(AuxTag, "ok");
    EXPECT_EQ(F_Spxs_Clsele->gsn->text(), "T3");
    EXPECT_EQ(F_Spxs_Clsele->gname->text(), "礼盒");
    EXPECT_EQ(F_Spxs_Clsele->tsl->value(), 3);
}

TEST_F(MaterialSetTest, NoSetsConfirmAnswersOkCancelNothingAndPricesFollowTheCaller)
{
    ShowCostPrice = false;
    ShowSalePrice = false;
    Open("spxs", [](TF_Spxs_Clsele* p) {
        EXPECT_EQ(p->cxGridGoods->RowCount(), 0);
        EXPECT_FALSE(p->cxGridGoods->ColumnVisible(p->cxGridGoods->ColumnByField("g_jj")));
        EXPECT_TRUE(p->cxGridGoods->ColumnVisible(p->cxGridGoods->ColumnByField("g_sj")));
        p->btnOKClick();
        return 1;
    });
    EXPECT_EQ(AuxTag, "ok");
    EXPECT_EQ(F_Spxs_Clsele->gsn->text(), "");
    Open("bmly", [](TF_Spxs_Clsele* p) {
        EXPECT_TRUE(p->cxGridGoods->ColumnVisible(p->cxGridGoods->ColumnByField("g_jj")));
        EXPECT_FALSE(p->cxGridGoods->ColumnVisible(p->cxGridGoods->ColumnByField("g_sj")));
        p->btnCancelClick();
        return 0;
    });
    EXPECT_EQ(AuxTag, "");
    ShowCostPrice = true;
    ShowSalePrice = true;
}

}
