#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"

#include <QDir>

namespace {

// Rows 0..n-1 of a counter, for generating rows in one statement.
QString Counter(int n)
{
    return QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<%1) ").arg(n - 1);
}

} // namespace

void FillShopData(Connection& c, const ShopSize& s)
{
    c.Exec(QStringLiteral("begin"));
    c.Exec(QStringLiteral("insert into jxc_color (color_sn,color_name) values ('C1','红'),('C2','蓝'),('C3','黑')"));
    c.Exec(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('Z1','S'),('Z2','M'),('Z3','L'),('Z4','XL')"));
    c.Exec(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('CZ1','三色')"));
    c.Exec(
        QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('CZ1','C1'),('CZ1','C2'),('CZ1','C3')"));
    c.Exec(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('MZ1','四码')"));
    c.Exec(QStringLiteral(
        "insert into jxc_cmz2 (cmz_sn,cm_sn) values ('MZ1','Z1'),('MZ1','Z2'),('MZ1','Z3'),('MZ1','Z4')"));
    for (int w = 2; w <= s.warehouses; ++w)
        c.Exec(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name,ck_asn) values ('W%1','%1号仓','100001,')").arg(w));
    c.Exec(QStringLiteral("create temp table bench_wh (n integer, ck_sn text)"));
    c.Exec(QStringLiteral("insert into bench_wh values (0,'100001')"));
    for (int w = 2; w <= s.warehouses; ++w)
        c.Exec(QStringLiteral("insert into bench_wh values (%1,'W%2')").arg(w - 1).arg(w));

    // Goods G100000.. with a purchase price of 10..59.
    c.Exec(Counter(s.goods)
        + QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_pjjj,g_kc,g_gdcbj,colorz_sn,cmz_sn,dw_name) "
                         "select 'G'||(100000+i),'商品'||i,'SP'||i,10+i%50,10+i%50,0,0,'CZ1','MZ1','件' from n"));
    c.Exec(QStringLiteral("insert into jxc_tm (g_sn,color_sn,cm_sn,tm_tm,g_sptm) "
                          "select g.g_sn,k.color_sn,m.cm_sn,g.g_sn||k.color_sn||m.cm_sn,g.g_sn "
                          "from jxc_goods g, jxc_color k, jxc_cm m where g.g_sn like 'G%' "
                          "and k.color_sn like 'C_' and m.cm_sn like 'Z_'"));

    // Ledger row i belongs to pair p = i % pairs (goods p % goods, warehouse p / goods)
    // and is that pair's (i / pairs)-th movement: an opening entry, then goods-in and
    // sales in turn, a month apart.
    const int pairs = s.goods * s.warehouses;
    c.Exec(Counter(s.ledgerRows)
        + QStringLiteral(
            ", r as (select i, i%$PAIRS as p, i/$PAIRS as k from n) "
            "insert into jxc_goodslist "
            "(gl_flag,gl_djh,gl_kdrq,g_sn,g_name,ck_sn,gl_sl,gl_dj,gl_je,gl_zje,gl_zcb,gl_cbj,"
            "gl_lr,tid,id2,a_name) "
            "select case when k=0 then 'qc' when k%2=1 then 'xs' else 'cj' end,"
            "'B'||k||'-'||(p/200),"
            "printf('%04d-%02d-%02d %02d:%02d',2015+k/12,1+k%12,1+p%28,8+p%10,p%60),"
            "'G'||(100000+p%$GOODS),'商品',w.ck_sn,"
            "case when k=0 then 20 when k%2=1 then 1+p%3 else 5 end,"
            "(10+p%50)*(case when k%2=1 then 1.5 else 1 end),"
            "(case when k=0 then 20 when k%2=1 then 1+p%3 else 5 end)*(10+p%50)*(case when k%2=1 then 1.5 else 1 end),"
            "(case when k=0 then 20 when k%2=1 then 1+p%3 else 5 end)*(10+p%50)*(case when k%2=1 then 1.5 else 1 end),"
            "case when k%2=1 then (1+p%3)*(10+p%50) else 0 end,"
            "case when k%2=1 then 10+p%50 else 0 end,0,i+1,i+1,'admin' "
            "from r join bench_wh w on w.n=p/$GOODS order by i")
              .replace(QStringLiteral("$PAIRS"), QString::number(pairs))
              .replace(QStringLiteral("$GOODS"), QString::number(s.goods)));

    // Stock per warehouse and per colour and size (two combinations a pair).
    c.Exec(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_zcb,kc_xssl) "
                          "select g.g_sn,w.ck_sn,0,0,g.g_jj,0,0 from jxc_goods g, bench_wh w where g.g_sn like 'G%'"));
    c.Exec(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,color_sn,cm_sn,t_sl) "
                          "select g.g_sn,w.ck_sn,k.color_sn,'Z2',20 from jxc_goods g, bench_wh w, jxc_color k "
                          "where g.g_sn like 'G%' and k.color_sn in ('C1','C2')"));
    c.Exec(QStringLiteral("update jxc_kcsp set kc_sl=(select sum(t_sl) from jxc_tkc t where t.g_sn=jxc_kcsp.g_sn "
                          "and t.ck_sn=jxc_kcsp.ck_sn),kc_zsl=40 where g_sn like 'G%'"));
    c.Exec(QStringLiteral("update jxc_goods set g_kc=40*%1 where g_sn like 'G%'").arg(s.warehouses));

    // Partners and their ledger: the busy customer's rows last, evenly over 2018-2023.
    const int half = s.partners / 2;
    c.Exec(Counter(half)
        + QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_lwje) select 'K'||(1000+i),'客户'||i,0 from n"));
    c.Exec(Counter(half)
        + QStringLiteral("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_lwje) select 'S'||(1000+i),'供货商'||i,0 from n"));
    c.Exec(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_lwje) values ('KBUSY','大客户',0)"));
    const int spread = s.partnerRows - s.busyPartnerRows;
    c.Exec(Counter(spread)
        + QStringLiteral(
            "insert into jxc_ysyfk (k_type,k_ghskh,k_rq,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag,k_djlx) "
            "select case when i%$PARTNERS<$HALF then 'kh' else 'ghs' end,"
            "case when i%$PARTNERS<$HALF then 'K' else 'S' end||(1000+i%$HALF),"
            "printf('%04d-%02d-%02d 10:00',2018+(i/$PARTNERS)/336,1+((i/$PARTNERS)/28)%12,1+(i/$PARTNERS)%28),"
            "case when i%3=2 then 0 else 100+i%7 end,case when i%3=2 then 150 else 0 end,0,0,0,1,'XS' "
            "from n order by i")
              .replace(QStringLiteral("$PARTNERS"), QString::number(s.partners))
              .replace(QStringLiteral("$HALF"), QString::number(half)));
    c.Exec(Counter(s.busyPartnerRows)
        + QStringLiteral("insert into jxc_ysyfk (k_type,k_ghskh,k_rq,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag,k_djlx) "
                         "select 'kh','KBUSY',printf('%04d-%02d-%02d %02d:%02d',2018+i/10080,1+(i/840)%12,"
                         "1+(i/30)%28,8+(i%30)/3,i%60),case when i%3=2 then 0 else 80.25 end,"
                         "case when i%3=2 then 160.5 else 0 end,0,0,0,1,'XS' from n order by i"));
    c.Exec(QStringLiteral("drop table bench_wh"));
    c.Exec(QStringLiteral("commit"));
}

ShopData& ShopData::Get(const ShopSize& size)
{
    static ShopData data(size);
    return data;
}

ShopData::ShopData(const ShopSize& size) : size_(size)
{
    ProgramFolder::Set(dir_.path());
    QDir(dir_.path()).mkpath(QStringLiteral("data"));
    {
        Connection c;
        c.Open(dir_.filePath(QStringLiteral("data/jxc.mdb")), Connection::OpenMode::CreateIfMissing);
        CreateAllTables(c);
        FillShopData(c, size);
    }
    Clock::SetFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    dm_ = std::make_unique<TF_DataModule>();
    dm_->DataModuleCreate();
    CurrentAdminName = QStringLiteral("admin");
    CurrentAdminSn = QStringLiteral("100001");
    CurrentRoleSn = QStringLiteral("100001");
    LoadSystemSettings();
}
