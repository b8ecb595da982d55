#include "goodsfixture.h"

#include "foundation/globals.h"
#include "masterdata/cmz.h"
#include "masterdata/colorz.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>

namespace {

// What a test expects of one side, written out so that a wrong text fails.
struct SideCase {
    bool colour;
    const char* listWindow;
    const char* nameDialog;
    const char* membersWindow;
    const char* addFirst;
    const char* nameTaken;
    const char* groupInUse;
    const char* memberInUse;
    const char* itemInGroup;
    const char* newItemTaken;
};

const SideCase kColour { true, "TF_Colorz", "TF_Colorz_Add", "TF_Colorz_Zl", "请先添加颜色组！", "颜色组名称不能重复！",
    "该颜色组已经有商品在使用，不能删除！", "该颜色组的颜色已经有商品在使用，不能删除！",
    "该颜色已在颜色组中使用，不能删除！", "颜色名称或编码不能重复！" };
const SideCase kSize { false, "TF_Cmz", "TF_Cmz_Add", "TF_Cmz_Zl", "请先添加尺码组！", "尺码组名称不能重复！",
    "该尺码组已经有商品在使用，不能删除！", "该尺码组的尺码已经有商品在使用，不能删除！",
    "该尺码已在尺码组中使用，不能删除！", "尺码名称或编码不能重复！" };

class ColorSizeTest : public GoodsTest, public ::testing::WithParamInterface<SideCase> {
protected:
    // Only the built-in colour and size: each test states the ones it is about.
    void SetUp() override
    {
        GoodsTest::SetUp();
        for (const char* t :
            { "delete from jxc_color where color_sn<>'100001'", "delete from jxc_cm where cm_sn<>'100001'",
                "delete from jxc_colorz2 where colorz_sn<>'100001'", "delete from jxc_cmz2 where cmz_sn<>'100001'" })
            ExecSQL(t);
    }
    const SideCase& C() const { return GetParam(); }
    const ColorSizeSide& Side() const { return C().colour ? ColourSide() : SizeSide(); }

    std::unique_ptr<ColorSizeGroupList> OpenList()
    {
        std::unique_ptr<ColorSizeGroupList> w;
        if (C().colour)
            w = std::make_unique<TF_Colorz>();
        else
            w = std::make_unique<TF_Cmz>();
        w->Activate();
        return w;
    }
    QString AddItem(const QString& name, const QString& code) { return ColorSizeRules::AddItem(Side(), name, code); }
    QString AddGroup(const QString& name, const QStringList& items)
    {
        const QString g = ColorSizeRules::AddGroup(Side(), name);
        ColorSizeRules::AddMembers(Side(), g, items);
        return g;
    }
    QStringList Members(const QString& group)
    {
        return Column(QStringLiteral("select %1 from %2 where %3='%4' order by %1")
                          .arg(Side().itemSn, Side().memberTable, Side().groupSn, group));
    }
    // A goods that names the group by name and code as the goods record writes it.
    void GoodsUsing(const QString& groupName, const QString& groupSn)
    {
        AddGoods("G1", "1000");
        ExecSQL(QStringLiteral("update jxc_goods set %1='%2',%3='%4' where g_sn='G1'")
                    .arg(Side().goodsGroupName, groupName, Side().goodsGroupSn, groupSn));
    }
    static void FocusCode(DataGrid* g, const QString& field, const QString& code)
    {
        for (int r = 0; r < g->RowCount(); ++r)
            if (g->Value(r, field).toString() == code)
                g->SetCurrentRow(r);
    }
    static QStringList Codes(DataGrid* g, const QString& field)
    {
        QStringList out;
        for (int r = 0; r < g->RowCount(); ++r)
            out << g->Value(r, field).toString();
        return out;
    }
};

TEST_P(ColorSizeTest, FreshAccountSetListsNoGroupAndAsksForAGroupFirst)
{
    auto list = OpenList();
    EXPECT_EQ(list->gridGroups->RowCount(), 0);
    list->btnAddItemClick();
    EXPECT_EQ(prompt.Messages(), QStringList { C().addFirst });
}

TEST_P(ColorSizeTest, AddingAGroupOpensItsMembersEditorCancellingOpensNothing)
{
    auto list = OpenList();
    prompt.OnModal(C().nameDialog, [](QDialog* d) {
        auto* dlg = static_cast<ColorSizeGroupName*>(d);
        dlg->tname->setText("  春季  ");
        dlg->btnOKClick();
        return int(QDialog::Accepted);
    });
    QString editorGroup;
    prompt.OnModal(C().membersWindow, [&](QDialog* d) {
        editorGroup = static_cast<ColorSizeMembers*>(d)->lGroup->text();
        return int(QDialog::Accepted);
    });
    list->btnAddGroupClick();
    EXPECT_EQ(editorGroup, "春季");
    EXPECT_EQ(Codes(list->gridGroups, Side().groupName), QStringList { "春季" });
    EXPECT_TRUE(PickerCaller.isEmpty());

    prompt.Clear();
    prompt.OnModal(C().nameDialog, [](QDialog*) { return int(QDialog::Rejected); });
    list->btnAddGroupClick();
    EXPECT_EQ(prompt.ModalNames(), QStringList { C().nameDialog });
    EXPECT_EQ(list->gridGroups->RowCount(), 1);
}

TEST_P(ColorSizeTest, GroupNamesAreUniqueOnAddAndRename)
{
    const QString a = AddGroup("甲", {});
    AddGroup("乙", {});
    auto list = OpenList();
    FocusCode(list->gridGroups, Side().groupSn, a);
    auto rename = [&](const char* mode, const QString& name) {
        prompt.OnModal(C().nameDialog, [name](QDialog* d) {
            auto* dlg = static_cast<ColorSizeGroupName*>(d);
            dlg->tname->setText(name);
            dlg->btnOKClick();
            return int(QDialog::Rejected);
        });
        OpenMode = mode;
        std::unique_ptr<Form> dlg(C().colour ? static_cast<Form*>(new TF_Colorz_Add) : new TF_Cmz_Add);
        dlg->ShowModal();
        OpenMode.clear();
    };
    rename("modi", "乙");
    rename("add", "甲");
    EXPECT_EQ(prompt.Messages(), (QStringList { C().nameTaken, C().nameTaken }));
    prompt.Clear();
    rename("modi", "甲"); // its own name
    EXPECT_TRUE(prompt.Messages().isEmpty());
    EXPECT_EQ(PickerCaller, a);
    PickerCaller.clear();
}

TEST_P(ColorSizeTest, AGroupThatGoodsUseByNameOrByCodeIsNotDeleted)
{
    const QString item = AddItem("红", "01");
    const QString g = AddGroup("甲", { item });
    auto list = OpenList();
    for (const QString& goodsName : { QStringLiteral("甲"), QStringLiteral("旧名") }) {
        GoodsUsing(goodsName, goodsName == "甲" ? QString() : g);
        list->btnDeleGroupClick();
        EXPECT_EQ(prompt.LastMessage(), C().groupInUse) << goodsName.toStdString();
        list->btnDeleItemClick();
        EXPECT_EQ(prompt.LastMessage(), C().memberInUse);
        ExecSQL("delete from jxc_goods");
    }
    EXPECT_EQ(Members(g), QStringList { item });

    prompt.Answer(Prompt::Answer::Yes);
    list->btnDeleGroupClick();
    EXPECT_EQ(Count(Side().groupTable, Side().groupSn + "='" + g + "'"), 0);
    EXPECT_TRUE(Members(g).isEmpty());
}

TEST_P(ColorSizeTest, MembersEditorMovesItemsAndKeepsTheBuiltInOut)
{
    const QString red = AddItem("红色", "01");
    const QString blue = AddItem("蓝色", "02");
    const QString navy = AddItem("藏青", "03");
    const QString g = AddGroup("甲", {});
    GoodsUsing("甲", g); // the editor does not ask about goods
    PickerCaller = g;
    std::unique_ptr<ColorSizeMembers> ed(C().colour ? static_cast<ColorSizeMembers*>(new TF_Colorz_Zl) : new TF_Cmz_Zl);
    ed->Activate();
    EXPECT_EQ(Codes(ed->gridOthers, Side().itemSn), (QStringList { red, blue, navy }));

    ed->tkey->setText("色");
    ed->btnAddAllClick();
    EXPECT_EQ(Members(g), (QStringList { red, blue }));
    ed->tkey->clear();
    EXPECT_EQ(Codes(ed->gridOthers, Side().itemSn), QStringList { navy });

    FocusCode(ed->gridMembers, Side().itemSn, blue);
    ed->btnRemoveOneClick();
    EXPECT_EQ(Members(g), QStringList { red });
    ed->btnAddAllClick();
    EXPECT_EQ(Members(g), (QStringList { red, blue, navy }));
    ed->btnRemoveAllClick();
    EXPECT_TRUE(Members(g).isEmpty());
    EXPECT_TRUE(prompt.Messages().isEmpty());
    PickerCaller.clear();
}

TEST_P(ColorSizeTest, ItemsInAGroupAreKeptAndNamesOrCodesStayUnique)
{
    const QString red = AddItem("红", "01");
    const QString loose = AddItem("绿", "02");
    const QString g = AddGroup("甲", { red });
    PickerCaller = g;
    std::unique_ptr<ColorSizeMembers> ed(C().colour ? static_cast<ColorSizeMembers*>(new TF_Colorz_Zl) : new TF_Cmz_Zl);
    ed->Activate();
    // A red member of another group cannot go; a loose one can.
    const QString other = AddGroup("乙", {});
    ColorSizeRules::AddMembers(Side(), other, { loose });
    ed->LoadOthers();
    FocusCode(ed->gridOthers, Side().itemSn, loose);
    ed->btnDeleItemClick();
    EXPECT_EQ(prompt.LastMessage(), C().itemInGroup);
    ColorSizeRules::RemoveAllMembers(Side(), other);
    ed->LoadOthers();
    FocusCode(ed->gridOthers, Side().itemSn, loose);
    prompt.Answer(Prompt::Answer::Yes);
    ed->btnDeleItemClick();
    EXPECT_EQ(Count(Side().itemTable, Side().itemSn + "='" + loose + "'"), 0);

    auto save = [&](bool modify, const QString& name, const QString& code) {
        std::unique_ptr<ColorSizeItemDialog> d;
        if (C().colour)
            d.reset(modify ? static_cast<ColorSizeItemDialog*>(new TF_Color_Modi) : new TF_Color_Add);
        else
            d.reset(modify ? static_cast<ColorSizeItemDialog*>(new TF_Cm_Modi) : new TF_Cm_Add);
        d->Activate();
        d->tname->setText(name);
        d->tcode->setText(code);
        d->btnSaveClick();
        return d->result();
    };
    prompt.Clear();
    EXPECT_NE(save(false, "红", "09"), QDialog::Accepted);
    EXPECT_NE(save(false, "紫", "01"), QDialog::Accepted);
    EXPECT_EQ(prompt.Messages(), (QStringList { C().newItemTaken, C().newItemTaken }));
    prompt.Clear();
    FocusCode(ed->gridMembers, Side().itemSn, red);
    EXPECT_EQ(save(true, "红", "01"), QDialog::Accepted);
    EXPECT_EQ(save(false, "紫", "05"), QDialog::Accepted);
    EXPECT_TRUE(prompt.Messages().isEmpty());
    EXPECT_EQ(Count(Side().itemTable, Side().itemName + "='紫' and " + Side().itemTm + "='05'"), 1);
    PickerCaller.clear();
}

INSTANTIATE_TEST_SUITE_P(Sides, ColorSizeTest, ::testing::Values(kColour, kSize),
    [](const auto& info) { return std::string(info.param.colour ? "Colour" : "Size"); });

}
