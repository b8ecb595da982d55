#pragma once
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lifecycle.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/device/customerdisplay.h"
#include "platform/device/devicefiles.h"
#include "pos/posmainform.h"
#include "pos/poswindows.h"

#include <QLabel>

#include <cmath>
#include <memory>

// A till on a fresh account set: goods "G1" in red and blue, sizes S and M, sale
// price 100, with stock in the main warehouse; barcodes are goods + colour + size
// ("G10101" is red S).
class PosTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        DeclarePosDatasets();
        fixture::AddGoods({ "G1", "衬衫", { "01:红", "02:蓝" }, { "01:S", "02:M" }, 40, 40 });
        SetPrice("G1", 100);
        fixture::SetWarehouseStock("G1", "100001", 10, 40, 10);
        SetStock("G1", "01", "01", 5);
        SetStock("G1", "01", "02", 5);
        // Selling beyond stock is off unless a test allows it.
        ExecSQL(QStringLiteral("update jxc_xtcs set cs_kc=0"));
        LoadSystemSettings();
        SetProductConstants();
    }
    void TearDown() override
    {
        till.reset();
        CustomerDisplay::Close();
        DeviceFiles::ResetPaths();
        TF_PosMainForm::TillHooks() = {};
        AccountSetTest::TearDown();
    }
    void SetPrice(const QString& goods, double price)
    {
        ExecSQL(QStringLiteral("update jxc_goods set g_sj=%1,g_lsj=%1,g_dzll=1,g_jy=0 where g_sn='%2'")
                    .arg(price)
                    .arg(goods));
    }
    void SetStock(const QString& goods, const QString& colour, const QString& size, double qty)
    {
        ExecSQL(
            QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values ('%1','100001','%2','%3',%4)")
                .arg(goods, size, colour)
                .arg(qty));
    }
    void Setting(const QString& column, const QString& value)
    {
        ExecSQL(QStringLiteral("update jxc_xtcs set %1='%2'").arg(column, value));
        LoadSystemSettings();
    }
    // The till opened by the cashier now logged in.
    TF_PosMainForm& Open()
    {
        till = std::make_unique<TF_PosMainForm>();
        till->Activate();
        return *till;
    }
    void Scan(const QString& text) { till->setFilterGoods(text); }
    // The cashier's cart lines as "goods|qty|price|rate|amount|gift".
    QStringList Lines(const QString& op = QStringLiteral("admin")) const
    {
        Query q(&dm->ADOConn);
        q.SetSQL(QStringLiteral("select * from jxc_lsxssp where a_name=:op order by id"));
        q.SetParam(QStringLiteral("op"), op);
        q.Open();
        QStringList out;
        for (q.First(); !q.Eof(); q.Next()) {
            QStringList f { q.AsString(QStringLiteral("g_sn")) };
            for (const char* c : { "ls_sl", "ls_dj", "ls_dzl", "ls_zje" })
                f << NumberText(std::round(q.AsFloat(QLatin1String(c)) * 10000) / 10000);
            f << q.AsString(QStringLiteral("t_zp"));
            out << f.join(QLatin1Char('|'));
        }
        return out;
    }
    // A member of a level with rate `rate` (level "L1"), his balance and password.
    struct Member {
        QString sn = QStringLiteral("H1");
        QString card = QStringLiteral("VIP001");
        QString name = QStringLiteral("李四");
        double rate = 0.9;
        double balance = 0;
        QString mobile = QStringLiteral("13800000000");
        QString password;
        QString expiry;
    };
    void AddMember(const Member& m)
    {
        dm->ADOConn.Exec(QStringLiteral("insert into jxc_hyfl (hl_sn,hl_name,hl_zk,hl_jfxx,hl_jfsx) values "
                                        "(:hl,'金卡',:zk,0,0)"),
            { { "hl", m.sn + "L" }, { "zk", m.rate } });
        dm->ADOConn.Exec(
            QStringLiteral("insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hy_mm,hy_jf,hy_zjf,"
                           "hy_zhje,hy_ye,hy_zje,hy_mobile,hy_tele,hy_dqrq,hy_sr) values (:sn,:bh,:n,'',1,:hl,:mm,"
                           "0,0,:zh,0,0,:m,'',:dq,'1990-06-15')"),
            { { "sn", m.sn }, { "bh", m.card }, { "n", m.name }, { "hl", m.sn + "L" }, { "mm", m.password },
                { "zh", m.balance }, { "m", m.mobile }, { "dq", m.expiry } });
    }
    // The member on the till's panel, as the member choice leaves it.
    void PutMember(const Member& m)
    {
        till->hy_bh->setText(m.card);
        till->hl_zk->setText(NumberText(m.rate));
        till->hy_zhye->setText(NumberText(m.balance));
    }
    std::unique_ptr<TF_PosMainForm> till;
};
