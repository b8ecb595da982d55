#pragma once
#include "goodsfixture.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/goodsform.h"
#include "platform/db/query.h"

#include <QComboBox>
#include <QLineEdit>

// The goods add and modify windows: a colour group of three colours, a size group
// of four sizes and helpers that fill an entry.
class GoodsEntryTest : public GoodsTest {
protected:
    void SetUp() override
    {
        GoodsTest::SetUp();
        LoadSystemSettings();
        AutoGoodsSn = "1";
        AutoMakeBarcodes = "0";
        BarcodeMakeMethod = "0";
        ExecSQL("insert into jxc_colorz (colorz_sn,colorz_name,colorz_note) values ('100002','三色','')");
        ExecSQL("insert into jxc_colorz2 (colorz_sn,color_sn) values ('100002','100002'),('100002','100003'),"
                "('100002','100004')");
        ExecSQL("insert into jxc_cmz (cmz_sn,cmz_name,cmz_note) values ('100002','四码','')");
        ExecSQL("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('100002','100003'),('100002','100004'),"
                "('100002','100005'),('100002','100006')");
    }
    void TearDown() override
    {
        ActiveDocKind.clear();
        AuxTag.clear();
        SelectedSn.clear();
        PickerCaller.clear();
        AutoGoodsSn.clear();
        AutoMakeBarcodes.clear();
        BarcodeMakeMethod.clear();
        GoodsTest::TearDown();
    }
    // A complete entry of the default category ("1000", number 2) in the seeded groups.
    static GoodsEntry Entry(const QString& code, const QString& name = QStringLiteral("圆领T恤"))
    {
        GoodsEntry e;
        e.className = "默认类别";
        e.classSn = "1000";
        e.classCid = "2";
        e.sn = code;
        e.name = name;
        e.unit = "件";
        e.colourGroupName = "不关心颜色";
        e.colourGroupSn = "100001";
        e.sizeGroupName = "不关心尺码";
        e.sizeGroupSn = "100001";
        e.purchasePrice = 60;
        e.salePrice = 100;
        return e;
    }
    static bool Yes(const QString&) { return true; }
    QString Goods(const QString& code, const QString& field)
    {
        return Scalar("select " + field + " from jxc_goods where g_sn='" + code + "'");
    }
    static void Type(GoodsEntryForm& f, const QString& name, const QString& unit = QStringLiteral("件"))
    {
        f.g_name->setText(name);
        GoodsEntryForm::SelectText(f.ComDw, unit);
    }
};
