#pragma once
#include <QString>
#include <QStringList>

// The colour side and the size side of the colour and size windows are one design:
// the same five windows on different tables, columns, queries and texts. A side
// description names everything that differs; the windows are written once over it.
struct ColorSizeSide {
    // Tables.
    QString itemTable;   // jxc_color
    QString groupTable;  // jxc_colorz
    QString memberTable; // jxc_colorz2
    // Item columns.
    QString itemSn;        // color_sn
    QString itemName;      // color_name
    QString itemJm;        // color_jm
    QString itemTm;        // color_tm
    bool hasClick = false; // color_click, written 0 on creation
    // Group columns.
    QString groupSn;   // colorz_sn
    QString groupName; // colorz_name
    // Goods columns naming the group: by name and by code.
    QString goodsGroupName; // jxc_goods.color_name
    QString goodsGroupSn;   // jxc_goods.colorz_sn
    // Shared queries of the data module.
    QString qGroups;     // Q_Colorz
    QString qGroupItems; // Q_Colorz1
    QString qMembers;    // Q_Colorz2
    QString qOthers;     // Q_Colorz3
    // Window captions.
    QString listCaption, groupNameCaption, membersCaption, itemAddCaption, itemModiCaption;
    // Item name length in the add and the modify dialog.
    int addNameLength = 64;
    int modiNameLength = 16;
    // Group list texts.
    QString groupsPanel, itemsPanel, groupNameColumn, itemNameColumn, itemTmColumn;
    // Members editor texts.
    QString currentGroup, searchLabel, membersColumn, othersColumn, newItem, modiItem, deleItem;
    // Item dialog labels.
    QString nameLabel, codeLabel;
    // Messages.
    QString groupNameEmpty, groupNameTaken, addGroupFirst, groupInUse, groupDeleteAsk, memberInUse, memberDeleteAsk,
        itemNameEmpty, itemCodeEmpty, newItemTaken, modiItemTaken, itemInGroup, itemDeleteAsk;
};

const ColorSizeSide& ColourSide();
const ColorSizeSide& SizeSide();

// Plain rules shared by the windows of both sides.
namespace ColorSizeRules {

// Whether a goods names the group, by its name or by its code (a renamed group
// keeps its goods through the code).
bool GroupInUse(const ColorSizeSide& s, const QString& groupSn, const QString& groupName);
// Whether the item belongs to any group.
bool ItemInAnyGroup(const ColorSizeSide& s, const QString& itemSn);
// Whether a group other than `exceptSn` ("" for none) carries the name.
bool GroupNameTaken(const ColorSizeSide& s, const QString& name, const QString& exceptSn);
// Creates a group and returns its code.
QString AddGroup(const ColorSizeSide& s, const QString& name);
void RenameGroup(const ColorSizeSide& s, const QString& groupSn, const QString& name);
// Deletes a group with its membership, in one transaction.
void DeleteGroup(const ColorSizeSide& s, const QString& groupSn);
void AddMembers(const ColorSizeSide& s, const QString& groupSn, const QStringList& itemSns);
void RemoveMember(const ColorSizeSide& s, const QString& groupSn, const QString& itemSn);
void RemoveAllMembers(const ColorSizeSide& s, const QString& groupSn);
// Whether an item other than `exceptSn` ("" for none) has the name or the code.
bool ItemTaken(const ColorSizeSide& s, const QString& name, const QString& code, const QString& exceptSn);
// Creates an item and returns its code.
QString AddItem(const ColorSizeSide& s, const QString& name, const QString& code);
void ModifyItem(const ColorSizeSide& s, const QString& itemSn, const QString& name, const QString& code);
void DeleteItem(const ColorSizeSide& s, const QString& itemSn);

}
