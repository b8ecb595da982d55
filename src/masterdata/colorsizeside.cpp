#include "masterdata/colorsizeside.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "masterdata/boundsql.h"
#include "platform/db/transaction.h"

namespace {

ColorSizeSide MakeColourSide()
{
    ColorSizeSide s;
    s.itemTable = QStringLiteral("jxc_color");
    s.groupTable = QStringLiteral("jxc_colorz");
    s.memberTable = QStringLiteral("jxc_colorz2");
    s.itemSn = QStringLiteral("color_sn");
    s.itemName = QStringLiteral("color_name");
    s.itemJm = QStringLiteral("color_jm");
    s.itemTm = QStringLiteral("color_tm");
    s.hasClick = true;
    s.groupSn = QStringLiteral("colorz_sn");
    s.groupName = QStringLiteral("colorz_name");
    s.goodsGroupName = QStringLiteral("color_name");
    s.goodsGroupSn = QStringLiteral("colorz_sn");
    s.qGroups = QStringLiteral("Q_Colorz");
    s.qGroupItems = QStringLiteral("Q_Colorz1");
    s.qMembers = QStringLiteral("Q_Colorz2");
    s.qOthers = QStringLiteral("Q_Colorz3");
    s.listCaption = QStringLiteral("颜色组");
    s.groupNameCaption = QStringLiteral("增加颜色组");
    s.membersCaption = QStringLiteral("颜色组资料");
    s.itemAddCaption = QStringLiteral("增加颜色");
    s.itemModiCaption = QStringLiteral("修改颜色信息");
    s.addNameLength = 64;
    s.modiNameLength = 16;
    s.groupsPanel = QStringLiteral("所有颜色组");
    s.itemsPanel = QStringLiteral("所含颜色");
    s.groupNameColumn = QStringLiteral("颜色组名称");
    s.itemNameColumn = QStringLiteral("颜色名称");
    s.itemTmColumn = QStringLiteral("颜色编码");
    s.currentGroup = QStringLiteral("当前颜色组：");
    s.searchLabel = QStringLiteral("查询颜色：");
    s.membersColumn = QStringLiteral("当前颜色组所含颜色");
    s.othersColumn = QStringLiteral("颜色名称");
    s.newItem = QStringLiteral("新增颜色");
    s.modiItem = QStringLiteral("修改颜色");
    s.deleItem = QStringLiteral("删除颜色");
    s.nameLabel = QStringLiteral("颜色名称：");
    s.codeLabel = QStringLiteral("颜色编码：");
    s.groupNameEmpty = QStringLiteral("颜色组名称必须填写！");
    s.groupNameTaken = QStringLiteral("颜色组名称不能重复！");
    s.addGroupFirst = QStringLiteral("请先添加颜色组！");
    s.groupInUse = QStringLiteral("该颜色组已经有商品在使用，不能删除！");
    s.groupDeleteAsk = QStringLiteral("您确定要删除该颜色组吗！");
    s.memberInUse = QStringLiteral("该颜色组的颜色已经有商品在使用，不能删除！");
    s.memberDeleteAsk = QStringLiteral("您确定要删除该颜色信息吗！");
    s.itemNameEmpty = QStringLiteral("颜色名称必须填写！");
    s.itemCodeEmpty = QStringLiteral("颜色编码必须填写！");
    s.newItemTaken = QStringLiteral("颜色名称或编码不能重复！");
    s.modiItemTaken = QStringLiteral("颜色名称或颜色编码重复！");
    s.itemInGroup = QStringLiteral("该颜色已在颜色组中使用，不能删除！");
    s.itemDeleteAsk = QStringLiteral("您确定要删除该颜色信息吗！");
    return s;
}

ColorSizeSide MakeSizeSide()
{
    ColorSizeSide s;
    s.itemTable = QStringLiteral("jxc_cm");
    s.groupTable = QStringLiteral("jxc_cmz");
    s.memberTable = QStringLiteral("jxc_cmz2");
    s.itemSn = QStringLiteral("cm_sn");
    s.itemName = QStringLiteral("cm_name");
    s.itemJm = QStringLiteral("cm_jm");
    s.itemTm = QStringLiteral("cm_tm");
    s.hasClick = false;
    s.groupSn = QStringLiteral("cmz_sn");
    s.groupName = QStringLiteral("cmz_name");
    s.goodsGroupName = QStringLiteral("cmz_name");
    s.goodsGroupSn = QStringLiteral("cmz_sn");
    s.qGroups = QStringLiteral("Q_Cmz");
    s.qGroupItems = QStringLiteral("Q_Cmz1");
    s.qMembers = QStringLiteral("Q_Cmz2");
    s.qOthers = QStringLiteral("Q_Cmz3");
    s.listCaption = QStringLiteral("尺码组");
    s.groupNameCaption = QStringLiteral("增加尺码组");
    s.membersCaption = QStringLiteral("尺码组资料");
    s.itemAddCaption = QStringLiteral("增加尺码");
    s.itemModiCaption = QStringLiteral("修改尺码");
    s.addNameLength = 16;
    s.modiNameLength = 16;
    s.groupsPanel = QStringLiteral("所有尺码组");
    s.itemsPanel = QStringLiteral("所含尺码");
    s.groupNameColumn = QStringLiteral("尺码组名称");
    s.itemNameColumn = QStringLiteral("尺码名称");
    s.itemTmColumn = QStringLiteral("尺码编码");
    s.currentGroup = QStringLiteral("当前尺码组：");
    s.searchLabel = QStringLiteral("查询尺码：");
    s.membersColumn = QStringLiteral("当前尺码组所含尺码");
    s.othersColumn = QStringLiteral("所有尺码");
    s.newItem = QStringLiteral("新增尺码");
    s.modiItem = QStringLiteral("修改尺码");
    s.deleItem = QStringLiteral("删除尺码");
    s.nameLabel = QStringLiteral("尺码名称：");
    s.codeLabel = QStringLiteral("尺码编码：");
    s.groupNameEmpty = QStringLiteral("尺码组名称必须填写！");
    s.groupNameTaken = QStringLiteral("尺码组名称不能重复！");
    s.addGroupFirst = QStringLiteral("请先添加尺码组！");
    s.groupInUse = QStringLiteral("该尺码组已经有商品在使用，不能删除！");
    s.groupDeleteAsk = QStringLiteral("您确定要删除该尺码组吗！");
    s.memberInUse = QStringLiteral("该尺码组的尺码已经有商品在使用，不能删除！");
    s.memberDeleteAsk = QStringLiteral("您确定要删除该尺码信息吗！");
    s.itemNameEmpty = QStringLiteral("尺码名称必须填写！");
    s.itemCodeEmpty = QStringLiteral("尺码编码必须填写！");
    s.newItemTaken = QStringLiteral("尺码名称或编码不能重复！");
    s.modiItemTaken = QStringLiteral("尺码名称或尺码编码重复！");
    s.itemInGroup = QStringLiteral("该尺码已在尺码组中使用，不能删除！");
    s.itemDeleteAsk = QStringLiteral("您确定要删除该尺码信息吗！");
    return s;
}

QString P(const char* name)
{
    return QString::fromLatin1(name);
}

}

const ColorSizeSide& ColourSide()
{
    static const ColorSizeSide s = MakeColourSide();
    return s;
}

const ColorSizeSide& SizeSide()
{
    static const ColorSizeSide s = MakeSizeSide();
    return s;
}

// Table and column names come from the side description, never from the operator;
// every value is bound.
namespace ColorSizeRules {

bool GroupInUse(const ColorSizeSide& s, const QString& groupSn, const QString& groupName)
{
    return !ScalarBound(
        QStringLiteral("select g_sn from jxc_goods where %1=:n or %2=:c limit 1").arg(s.goodsGroupName, s.goodsGroupSn),
        { { P("n"), groupName }, { P("c"), groupSn } })
                .isEmpty();
}

bool ItemInAnyGroup(const ColorSizeSide& s, const QString& itemSn)
{
    return !ScalarBound(
        QStringLiteral("select %1 from %2 where %1=:c limit 1").arg(s.itemSn, s.memberTable), { { P("c"), itemSn } })
                .isEmpty();
}

bool GroupNameTaken(const ColorSizeSide& s, const QString& name, const QString& exceptSn)
{
    return !ScalarBound(
        QStringLiteral("select %1 from %2 where %1<>:c and %3=:n limit 1").arg(s.groupSn, s.groupTable, s.groupName),
        { { P("c"), exceptSn }, { P("n"), name } })
                .isEmpty();
}

QString AddGroup(const ColorSizeSide& s, const QString& name)
{
    const QString code = GetNextSn(s.groupTable, s.groupSn);
    ExecBound(QStringLiteral("insert into %1 (%2,%3) values (:c,:n)").arg(s.groupTable, s.groupSn, s.groupName),
        { { P("c"), code }, { P("n"), name } });
    return code;
}

void RenameGroup(const ColorSizeSide& s, const QString& groupSn, const QString& name)
{
    ExecBound(QStringLiteral("update %1 set %2=:n where %3=:c").arg(s.groupTable, s.groupName, s.groupSn),
        { { P("c"), groupSn }, { P("n"), name } });
}

void DeleteGroup(const ColorSizeSide& s, const QString& groupSn)
{
    Transaction tr(F_DataModule->ADOConn);
    ExecBound(QStringLiteral("delete from %1 where %2=:c").arg(s.memberTable, s.groupSn), { { P("c"), groupSn } });
    ExecBound(QStringLiteral("delete from %1 where %2=:c").arg(s.groupTable, s.groupSn), { { P("c"), groupSn } });
    tr.Commit();
}

void AddMembers(const ColorSizeSide& s, const QString& groupSn, const QStringList& itemSns)
{
    Transaction tr(F_DataModule->ADOConn);
    const QString sql = QStringLiteral("insert into %1 (%2,%3) values (:g,:i)").arg(s.memberTable, s.groupSn, s.itemSn);
    for (const QString& item : itemSns)
        ExecBound(sql, { { P("g"), groupSn }, { P("i"), item } });
    tr.Commit();
}

void RemoveMember(const ColorSizeSide& s, const QString& groupSn, const QString& itemSn)
{
    ExecBound(QStringLiteral("delete from %1 where %2=:g and %3=:i").arg(s.memberTable, s.groupSn, s.itemSn),
        { { P("g"), groupSn }, { P("i"), itemSn } });
}

void RemoveAllMembers(const ColorSizeSide& s, const QString& groupSn)
{
    ExecBound(QStringLiteral("delete from %1 where %2=:g").arg(s.memberTable, s.groupSn), { { P("g"), groupSn } });
}

bool ItemTaken(const ColorSizeSide& s, const QString& name, const QString& code, const QString& exceptSn)
{
    return !ScalarBound(QStringLiteral("select %1 from %2 where (%3=:n or %4=:t) and %1<>:c limit 1")
                            .arg(s.itemSn, s.itemTable, s.itemName, s.itemTm),
        { { P("n"), name }, { P("t"), code }, { P("c"), exceptSn } })
                .isEmpty();
}

QString AddItem(const ColorSizeSide& s, const QString& name, const QString& code)
{
    const QString sn = GetNextSn(s.itemTable, s.itemSn);
    const QString columns = QStringList { s.itemSn, s.itemName, s.itemJm, s.itemTm }.join(QLatin1Char(','))
        + (s.hasClick ? QStringLiteral(",color_click") : QString());
    ExecBound(QStringLiteral("insert into %1 (%2) values (:s,:n,:j,:t%3)")
                  .arg(s.itemTable, columns, s.hasClick ? QStringLiteral(",0") : QString()),
        { { P("s"), sn }, { P("n"), name }, { P("j"), GetPyCode(name) }, { P("t"), code } });
    return sn;
}

void ModifyItem(const ColorSizeSide& s, const QString& itemSn, const QString& name, const QString& code)
{
    ExecBound(QStringLiteral("update %1 set %2=:n,%3=:t,%4=:j where %5=:s")
                  .arg(s.itemTable, s.itemName, s.itemTm, s.itemJm, s.itemSn),
        { { P("s"), itemSn }, { P("n"), name }, { P("j"), GetPyCode(name) }, { P("t"), code } });
}

void DeleteItem(const ColorSizeSide& s, const QString& itemSn)
{
    ExecBound(QStringLiteral("delete from %1 where %2=:s").arg(s.itemTable, s.itemSn), { { P("s"), itemSn } });
}

}
