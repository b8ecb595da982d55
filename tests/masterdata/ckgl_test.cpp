#include "registryfixture.h"

#include "masterdata/ckgl.h"
#include "masterdata/ckglops.h"
#include "platform/grid/checktree.h"
#include "platform/grid/datagrid.h"

#include <QCheckBox>
#include <QLineEdit>
#include <memory>

namespace {

class WarehouseTest : public RegistryTest {
protected:
    WarehouseInput Input(const QString& name, const QStringList& operators = { "admin" })
    {
        WarehouseInput in;
        in.name = name;
        in.operatorNames = operators;
        return in;
    }
    QStringList Flagged(const char* column)
    {
        return Column(QStringLiteral("select ck_name from jxc_ckxx where %1<>0 order by id").arg(column));
    }
    void OpenList()
    {
        list = std::make_unique<TF_Ckgl>();
        list->Activate();
    }
    QStringList Listed()
    {
        QStringList names;
        for (int r = 0; r < list->cxGrid->RowCount(); ++r)
            names << list->cxGrid->Value(r, "ck_name").toString();
        return names;
    }
    void Focus(const QString& name) { list->cxGrid->SetCurrentRow(Listed().indexOf(name)); }
    std::unique_ptr<TF_Ckgl> list;
};

TEST_F(WarehouseTest, DeleteRefusesLedgerNamesFirstThenTheBuiltIn)
{
    AddWarehouseRow("100002", "二仓");
    AddWarehouseRow("100003", "三仓");
    ExecSQL("insert into jxc_goodslist (ck_sn,ck_name,g_sn,gl_sl) values ('100002','二仓','G1',0)");
    ExecSQL("insert into jxc_goodslist (ck_sn,ck_name,g_sn,gl_sl) values ('100001','主仓库','G1',0)");
    EXPECT_EQ(WarehouseDeleteRefusal("100002"), kWarehouseInUse);
    EXPECT_EQ(WarehouseDeleteRefusal("100001"), kWarehouseInUse);
    ExecSQL("delete from jxc_goodslist");
    EXPECT_EQ(WarehouseDeleteRefusal("100001"), kWarehouseBuiltIn);
    EXPECT_EQ(WarehouseDeleteRefusal("100003"), QString());

    // Through the list: a refusal, then a confirmed delete.
    ExecSQL("insert into jxc_goodslist (ck_sn,ck_name,g_sn,gl_sl) values ('100002','二仓','G1',0)");
    OpenList();
    Focus("二仓");
    list->btnDeleClick();
    EXPECT_EQ(prompt.LastMessage(), kWarehouseInUse);
    Focus("三仓");
    prompt.Answer(Prompt::Answer::Yes);
    list->btnDeleClick();
    EXPECT_EQ(prompt.Questions(), QStringList { "您确定要删除该仓库信息吗！" });
    EXPECT_EQ(Listed(), (QStringList { "主仓库", "二仓" }));
}

TEST_F(WarehouseTest, DefaultFlagsStayWithOneWarehouse)
{
    AddWarehouseRow("100002", "二仓", "", false, true);
    QString code;
    WarehouseInput in = Input("三仓");
    ASSERT_EQ(AddWarehouse(in, &code), QString());
    EXPECT_EQ(Flagged("ck_default"), QStringList { "主仓库" });
    EXPECT_EQ(Flagged("ck_pos"), (QStringList { "主仓库", "二仓" }));

    in.isDefault = true;
    ASSERT_EQ(ModifyWarehouse(code, in), QString());
    EXPECT_EQ(Flagged("ck_default"), QStringList { "三仓" });
    in.pos = true;
    ASSERT_EQ(ModifyWarehouse(code, in), QString());
    EXPECT_EQ(Flagged("ck_pos"), QStringList { "三仓" });
}

TEST_F(WarehouseTest, RefusedSaveClearsNoFlag)
{
    WarehouseInput noName = Input("  ");
    noName.isDefault = noName.pos = true;
    WarehouseInput noOperator = Input("二仓", {});
    noOperator.isDefault = noOperator.pos = true;
    EXPECT_EQ(AddWarehouse(noName), kWarehouseNameMissing);
    EXPECT_EQ(AddWarehouse(noOperator), kWarehouseNoOperator);
    EXPECT_EQ(ModifyWarehouse("100001", noOperator), kWarehouseNoOperator);
    EXPECT_EQ(Flagged("ck_default"), QStringList { "主仓库" });
    EXPECT_EQ(Flagged("ck_pos"), QStringList { "主仓库" });
    EXPECT_EQ(Count("jxc_ckxx"), 1);
}

TEST_F(WarehouseTest, ModifyTicksStoredOperatorsInAnyOrderAndKeepsThem)
{
    AddOperator("100002", "甲", "100002");
    AddOperator("100003", "乙", "100003");
    EXPECT_EQ(StoredOperatorMarks("乙,甲,", { "admin", "甲", "乙" }), (QList<bool> { false, true, true }));
    EXPECT_EQ(StoredOperatorMarks("", { "admin" }), QList<bool> { false });
    EXPECT_EQ(StoredOperatorMarks("甲 乙,", { "甲", "乙", "甲乙" }), (QList<bool> { true, true, false }));

    ExecSQL("update jxc_ckxx set ck_aname='乙,甲,',ck_asn='100003,100002,'");
    OpenList();
    TF_Ckgl_Modi dialog;
    dialog.Activate();
    EXPECT_EQ(dialog.TickedOperators(), (QStringList { "甲", "乙" }));
    EXPECT_EQ(dialog.tname->text(), "主仓库");
    EXPECT_TRUE(dialog.chkPos->isChecked());
    dialog.btnSaveClick();
    EXPECT_EQ(Scalar("select ck_aname from jxc_ckxx where ck_sn='100001'"), "甲,乙,");
    EXPECT_EQ(Scalar("select ck_asn from jxc_ckxx where ck_sn='100001'"), "100002,100003,");
    EXPECT_EQ(Flagged("ck_pos"), QStringList { "主仓库" });
}

TEST_F(WarehouseTest, RenameCarriesTheStoredNameIntoLedgerAndCash)
{
    AddWarehouseRow("100002", "二仓");
    ExecSQL("insert into jxc_goodslist (ck_sn,ck_name,g_sn) values ('100001','主仓库','G1'),('100002','二仓','G1')");
    ExecSQL("insert into jxc_xjyh (ck_name,gl_djh) values ('主仓库','SK1'),('二仓','SK2')");
    ASSERT_EQ(ModifyWarehouse("100001", Input(" 总仓 ")), QString());
    EXPECT_EQ(Column("select ck_name from jxc_goodslist order by id"), (QStringList { "总仓", "二仓" }));
    EXPECT_EQ(
        Column("select ck_name from jxc_xjyh where gl_djh like 'SK_' order by id"), (QStringList { "总仓", "二仓" }));
    EXPECT_EQ(Scalar("select ck_jm from jxc_ckxx where ck_sn='100001'"), "ZC");

    // Punctuation stays as typed in the row and in the ledgers alike.
    ASSERT_EQ(ModifyWarehouse("100001", Input("A-1仓")), QString());
    EXPECT_EQ(Scalar("select ck_name from jxc_ckxx where ck_sn='100001'"), "A-1仓");
    EXPECT_EQ(Count("jxc_goodslist", "ck_name='A-1仓'"), 1);
    EXPECT_EQ(Count("jxc_xjyh", "ck_name='A-1仓' and gl_djh='SK1'"), 1);
}

TEST_F(WarehouseTest, QuickSearchSearchDialogAndPrint)
{
    AddWarehouseRow("100002", "城东仓");
    AddWarehouseRow("100003", "城西仓");
    ExecSQL("update jxc_ckxx set ck_tele='8866',ck_jm='CDC' where ck_sn='100002'");
    OpenList();
    EXPECT_EQ(list->cxGrid->FooterText(list->cxGrid->ColumnByField("ck_name")), "合计:3");

    list->tkey->setText("cdc");
    list->btnKeyClick();
    EXPECT_EQ(Listed(), QStringList { "城东仓" });
    CapturePrint("ckgl.fr3");
    list->btnPrintClick();
    EXPECT_TRUE(printed.contains("城东仓"));
    EXPECT_FALSE(printed.contains("城西仓"));
    list->miAllClick();
    EXPECT_EQ(Listed().size(), 3);

    // The search dialog joins its fields with "and" and lists newest first.
    TF_Ckgl_Search search(list.get());
    search.tname->setText("城");
    search.btnSearchClick();
    EXPECT_EQ(Listed(), (QStringList { "城西仓", "城东仓" }));
    search.ttele->setText("88");
    search.btnSearchClick();
    EXPECT_EQ(Listed(), QStringList { "城东仓" });
}

TEST_F(WarehouseTest, AddDialogWritesTheTickedOperators)
{
    AddOperator("100002", "甲", "100002");
    OpenList();
    TF_Ckgl_Add dialog;
    dialog.Activate();
    EXPECT_EQ(dialog.chkTree->ItemCount(0), 2);
    dialog.tname->setText("新仓");
    dialog.btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), kWarehouseNoOperator);
    dialog.chkTree->SetChecked(0, 1, true);
    dialog.chkDefault->setChecked(true);
    dialog.btnSaveClick();
    EXPECT_EQ(Scalar("select ck_aname || '|' || ck_asn from jxc_ckxx where ck_name='新仓'"), "甲,|100002,");
    EXPECT_EQ(Flagged("ck_default"), QStringList { "新仓" });
    EXPECT_EQ(Listed().size(), 2);
}

}
