// Screenshots of the master-data windows: each builder lays out a fresh account set
// in the (temporary) program folder, adds a few categories and goods and returns
// the window as the operator sees it after opening it.
#include "app/devtools/accountsetlayout.h"
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/ckgl.h"
#include "masterdata/dept.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/pickers.h"
#include "masterdata/pickersclsele.h"
#include "masterdata/registration.h"
#include "masterdata/spxxgl.h"
#include "masterdata/spxxglmove.h"
#include "masterdata/user.h"
// Colours, sizes, barcodes and the line detail.
#include "masterdata/colorsizeside.h"
#include "masterdata/colorz.h"
#include "masterdata/detail.h"
#include "masterdata/tmgl.h"
#include "masterdata/tmgldialogs.h"
#include "masterdata/tmglops.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/screenshots.h"
// Customers, suppliers, zones and partner types.
#include "masterdata/partnerdialogs.h"
#include "masterdata/partnerlist.h"
#include "masterdata/partnerops.h"
#include "masterdata/partnertype.h"
#include "masterdata/zone.h"

#include <QTimer>

#include <memory>

namespace {

// Categories and goods of a small shop, on the account set the command prepared.
void prepareSampleShop()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_jm,gc_key) values "
                           "('男装',1,3,'1001','NZ',3),('上衣',3,4,'1001100','SY',4),('裤子',3,5,'1001101','KZ',5),"
                           "('女装',1,6,'1002','NZ',6),('连衣裙',6,7,'1002100','LYQ',7)"));
    ExecSQL(QStringLiteral(
        "insert into jxc_goods (g_sn,g_name,g_jm,gc_sn,gc_cid,dw_name,gg_name,color_name,cmz_name,g_zdkc,g_kc,"
        "g_jj,g_sj,g_lsj,g_zhxs,g_jy,g_iszp,g_gdcbj,g_tc,g_dzll,g_sptm,g_sccs) values "
        "('10010001','纯棉圆领T恤','CMYLTX','1001100',4,'件','春夏款','统一','均码',5,36,45,89,99,1,0,0,0,0,1,'"
        "6901000000011','海岸'),"
        "('10010002','牛津纺衬衫','NJFCS','1001100',4,'件','修身','统一','均码',3,18,78,159,169,1,0,0,1,2,1,'"
        "6901000000028','海岸'),"
        "('10010003','休闲直筒裤','XXZTK','1001101',5,'条','直筒','统一','均码',4,22,68,139,149,1,0,0,0,0,1,'"
        "6901000000035','远山'),"
        "('10020001','碎花连衣裙','SHLYQ','1002100',7,'件','A字','统一','均码',2,12,98,219,239,1,0,0,0,3,1,'"
        "6901000000042','晴川'),"
        "('10020002','针织开衫','ZZKS','1002',6,'件','宽松','统一','均码',2,9,88,179,189,1,0,0,0,0,1,'6901000000059','"
        "晴川'),"
        "('10000001','帆布袋','FBD','1000',2,'个','','统一','均码',0,40,6,15,15,1,0,1,0,0,1,'6901000000066','')"));
    LoadSystemSettings();
}

QWidget* buildGoodsList()
{
    prepareSampleShop();
    // Showing it runs its activation.
    F_Spxxgl = new TF_Spxxgl();
    return F_Spxxgl;
}

QWidget* buildClassMove()
{
    prepareSampleShop();
    // The list stays hidden behind the dialog; "裤子" is the category being moved.
    static TF_Spxxgl* list = new TF_Spxxgl();
    F_Spxxgl = list;
    list->Activate();
    list->classTree->tree->SelectKey(5);
    return new TF_Spxxgl_Move();
}

// ---- colours, sizes, barcodes and the line detail ----

QString g_colourGroup;

// Colours and sizes with their groups; the T-shirt comes in 2 colours and 3 sizes
// and carries its barcodes and one purchase line spread over them.
void prepareColourSizeSample()
{
    prepareSampleShop();
    if (!g_colourGroup.isEmpty())
        return;
    QStringList colours, sizes;
    for (const auto& c : { std::pair { "白色", "01" }, { "黑色", "02" }, { "藏青", "03" }, { "米黄", "04" } })
        colours << ColorSizeRules::AddItem(ColourSide(), QString::fromUtf8(c.first), QString::fromLatin1(c.second));
    for (const auto& c : { std::pair { "S", "1" }, { "M", "2" }, { "L", "3" }, { "XL", "4" } })
        sizes << ColorSizeRules::AddItem(SizeSide(), QString::fromUtf8(c.first), QString::fromLatin1(c.second));
    g_colourGroup = ColorSizeRules::AddGroup(ColourSide(), QStringLiteral("基础色"));
    ColorSizeRules::AddMembers(ColourSide(), g_colourGroup, colours.mid(0, 2));
    const QString other = ColorSizeRules::AddGroup(ColourSide(), QStringLiteral("秋冬色"));
    ColorSizeRules::AddMembers(ColourSide(), other, colours.mid(2));
    const QString sizeGroup = ColorSizeRules::AddGroup(SizeSide(), QStringLiteral("上衣码"));
    ColorSizeRules::AddMembers(SizeSide(), sizeGroup, sizes.mid(0, 3));
    ExecSQL(QStringLiteral("update jxc_goods set colorz_sn='%1',color_name='基础色',cmz_sn='%2',cmz_name='上衣码',"
                           "g_tmtype=1 where g_sn in ('10010001','10010002')")
                .arg(g_colourGroup, sizeGroup));
    Query goods(&F_DataModule->ADOConn);
    goods.SetSQL(QStringLiteral("select * from jxc_goods where g_sn in ('10010001','10010002')"));
    goods.Open();
    RegenerateBarcodes(goods);
    const int qty[2][3] = { { 2, 5, 3 }, { 1, 0, 4 } };
    for (int c = 0; c < 2; ++c)
        for (int z = 0; z < 3; ++z)
            ExecSQL(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                                   "values ('JH20240305001','10010001','%1','%2',%3,'admin',1)")
                        .arg(sizes[z], colours[c])
                        .arg(qty[c][z]));
}

QWidget* buildColorz()
{
    prepareColourSizeSample();
    return new TF_Colorz();
}

QWidget* buildColorzZl()
{
    prepareColourSizeSample();
    PickerCaller = g_colourGroup;
    return new TF_Colorz_Zl();
}

QWidget* buildTmgl()
{
    prepareColourSizeSample();
    return new TF_Tmgl();
}

QWidget* buildTmglSet()
{
    prepareColourSizeSample();
    // The barcode window stays hidden behind the dialog, on the T-shirt.
    static TF_Tmgl* window = new TF_Tmgl();
    window->Activate();
    window->Q_Tmgl1.Locate(QStringLiteral("g_sn"), QStringLiteral("10010001"));
    F_Tmgl = window;
    return new TF_Tmgl_Set();
}

QWidget* buildDetail()
{
    prepareColourSizeSample();
    AuxTag = QStringLiteral("jxc_jhspmx");
    SelectedSn = QStringLiteral("10010001");
    SelectedLineId = QStringLiteral("1");
    return new TF_Detail();
}

// Warehouses, operators, staff, departments, remarks and a material set.
void prepareRegistry()
{
    prepareSampleShop();
    static bool done = false;
    if (done)
        return;
    done = true;
    ExecSQL(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_jyt) values ('100002','小王','100002',0),"
                           "('100003','小陈','100002',0)"));
    ExecSQL(
        QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name,ck_jm,ck_fzr,ck_aname,ck_asn,ck_tele,ck_address,ck_note,"
                       "ck_default,ck_pos) values ('100002','城东仓','CDC','小王','admin,小王,','100001,100002,',"
                       "'0571-8866001','城东路8号','换季商品',0,0),('100003','门店仓','MDC','小陈','小陈,','100003,',"
                       "'0571-8866002','解放路21号','',0,0)"));
    ExecSQL(QStringLiteral(
        "insert into jxc_user (u_sn,u_name,u_jm,u_duty,u_tele,u_address,u_note,u_tc,u_tcfs,u_tctxt,"
        "u_zdlr,u_cg,u_xs,u_kc,u_jy,ck_sn,ck_name,u_cgpl,u_xspl) values "
        "('100002','张丽','ZL','店长','13800001111','城东路8号','',3,0,'按销售额提成',0,1,1,1,0,'-1','所有仓库',0,0),"
        "('100003','王强','WQ','导购','13800002222','解放路21号','',5,1,'按毛利提成',20,0,1,0,0,'-1','所有仓库',0,0),"
        "('100004','李梅','LM','仓管','13800003333','','',0,0,'按销售额提成',0,0,0,1,0,'-1','所有仓库',0,0)"));
    ExecSQL(QStringLiteral(
        "insert into jxc_dept (de_sn,de_name) values ('100002','裁剪部'),('100003','车缝部'),('100004','后整部')"));
    ExecSQL(QStringLiteral("insert into jxc_djbz (dj_sn,dj_name) values ('100001','货到付款'),('100002','月结30天'),"
                           "('100003','含税价')"));
    ExecSQL(QStringLiteral("insert into jxc_plxx (g_sn,pl_gsn,pl_sl) values ('10020001','10010001',1),"
                           "('10020001','10000001',2),('10010003','10010002',1)"));
}

QWidget* buildCkgl()
{
    prepareRegistry();
    return new TF_Ckgl();
}

QWidget* buildCkglModi()
{
    prepareRegistry();
    // The list stays hidden behind the dialog, on "城东仓".
    static TF_Ckgl* list = new TF_Ckgl();
    list->Activate();
    list->Q_Ckxx.Locate(QStringLiteral("ck_sn"), QStringLiteral("100002"));
    return new TF_Ckgl_Modi();
}

QWidget* buildUser()
{
    prepareRegistry();
    return new TF_User();
}

QWidget* buildDept()
{
    prepareRegistry();
    return new TF_Dept();
}

QWidget* buildUser2()
{
    prepareRegistry();
    PickerCaller = QStringLiteral("jh");
    return new TF_User2();
}

QWidget* buildDjbz()
{
    prepareRegistry();
    PickerCaller = QStringLiteral("jh");
    return new TF_Djbz();
}

QWidget* buildClsele()
{
    prepareRegistry();
    OpenMode = QStringLiteral("spxs");
    return new TF_Spxs_Clsele();
}

// Customers and suppliers of the sample shop, with opening amounts booked as the
// dialogs book them.
void preparePartners()
{
    prepareRegistry();
    static bool done = false;
    if (done)
        return;
    done = true;
    ExecSQL(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jm,u_cg,u_xs,u_kc,u_jy,ck_sn,ck_name,u_tc,u_tcfs,"
                           "u_zdlr,u_cgpl,u_xspl) values ('100002','张敏','ZM',1,1,1,0,'-1','',0,0,0,0,0),"
                           "('100003','刘洋','LY',1,1,1,0,'-1','',0,0,0,0,0)"));
    const struct {
        const char *name, *contact, *tele, *address, *zone, *typeCode, *typeName;
        double amount;
    } customers[] = { { "城东服饰店", "陈丽", "13805710001", "城东路12号", "省会地区", "1001", "一级", 1200 },
        { "西湖童装", "王芳", "13805710002", "湖滨路3号", "省会地区", "1002", "二级", 0 },
        { "义乌小商品批发部", "周强", "13905790003", "福田市场5区", "地市区域", "1001", "一级", 3560.5 },
        { "绍兴服装城", "何静", "13705750004", "柯桥中国轻纺城", "地市区域", "1003", "三级", 0 } };
    for (const auto& c : customers) {
        PartnerInput in;
        in.name = QString::fromUtf8(c.name);
        in.contact = QString::fromUtf8(c.contact);
        in.tele = QString::fromLatin1(c.tele);
        in.address = QString::fromUtf8(c.address);
        in.zone = QString::fromUtf8(c.zone);
        in.typeCode = QString::fromLatin1(c.typeCode);
        in.typeName = QString::fromUtf8(c.typeName);
        in.amount = c.amount;
        in.salesmen = { QStringLiteral("张敏") };
        AddPartner(PartnerKind::Customer, in);
    }
    const struct {
        const char *name, *contact, *tele, *address, *zone, *type;
        double amount;
    } suppliers[] = { { "海岸制衣厂", "林海", "0574-8800101", "宁波鄞州工业区", "地市区域", "A级供货商", 8800 },
        { "晴川服饰有限公司", "赵晴", "020-6600202", "广州白马服装市场", "其他区域", "B级供货商", 0 },
        { "远山面料行", "孙远", "0571-8600303", "杭州四季青", "省会地区", "C级供货商", 1500 } };
    for (const auto& g : suppliers) {
        PartnerInput in;
        in.name = QString::fromUtf8(g.name);
        in.contact = QString::fromUtf8(g.contact);
        in.tele = QString::fromLatin1(g.tele);
        in.address = QString::fromUtf8(g.address);
        in.zone = QString::fromUtf8(g.zone);
        in.typeName = QString::fromUtf8(g.type);
        in.amount = g.amount;
        AddPartner(PartnerKind::Supplier, in);
    }
}

QWidget* buildKhgl()
{
    preparePartners();
    F_Khgl = new TF_Khgl();
    return F_Khgl;
}

QWidget* buildGhsgl()
{
    preparePartners();
    F_Ghsgl = new TF_Ghsgl();
    return F_Ghsgl;
}

QWidget* buildKhglAdd()
{
    preparePartners();
    auto* d = new TF_Khgl_Add();
    // The zone panel opens after the dialog's activation, as the operator opens it.
    QTimer::singleShot(0, d, [d] {
        d->tname->setText(QStringLiteral("滨江潮服"));
        d->btnZoneClick();
    });
    return d;
}

QWidget* buildGhsglModi()
{
    preparePartners();
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_Ghsxx")), QStringLiteral("select * from jxc_ghsxx order by id"));
    F_DataModule->Q(QStringLiteral("Q_Ghsxx")).Locate(QStringLiteral("ghs_name"), QStringLiteral("海岸制衣厂"));
    return new TF_Ghsgl_Modi();
}

QWidget* buildZone()
{
    preparePartners();
    return new TF_Zone();
}

QWidget* buildGhsglType()
{
    preparePartners();
    return new TF_Ghsgl_Type();
}

}

void RegisterMasterDataScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Spxxgl"), buildGoodsList);
    Screenshots::Register(QStringLiteral("TF_Spxxgl_Move"), buildClassMove);
    Screenshots::Register(QStringLiteral("TF_Ckgl"), buildCkgl);
    Screenshots::Register(QStringLiteral("TF_Ckgl_Modi"), buildCkglModi);
    Screenshots::Register(QStringLiteral("TF_User"), buildUser);
    Screenshots::Register(QStringLiteral("TF_Dept"), buildDept);
    Screenshots::Register(QStringLiteral("TF_User2"), buildUser2);
    Screenshots::Register(QStringLiteral("TF_Djbz"), buildDjbz);
    Screenshots::Register(QStringLiteral("TF_Spxs_Clsele"), buildClsele);

    // Colours, sizes, barcodes and the line detail.
    Screenshots::Register(QStringLiteral("TF_Colorz"), buildColorz);
    Screenshots::Register(QStringLiteral("TF_Colorz_Zl"), buildColorzZl);
    Screenshots::Register(QStringLiteral("TF_Tmgl"), buildTmgl);
    Screenshots::Register(QStringLiteral("TF_Tmgl_Set"), buildTmglSet);
    Screenshots::Register(QStringLiteral("TF_Detail"), buildDetail);

    // Customers, suppliers, zones and partner types.
    Screenshots::Register(QStringLiteral("TF_Khgl"), buildKhgl);
    Screenshots::Register(QStringLiteral("TF_Ghsgl"), buildGhsgl);
    Screenshots::Register(QStringLiteral("TF_Khgl_Add"), buildKhglAdd);
    Screenshots::Register(QStringLiteral("TF_Ghsgl_Modi"), buildGhsglModi);
    Screenshots::Register(QStringLiteral("TF_Zone"), buildZone);
    Screenshots::Register(QStringLiteral("TF_Ghsgl_Type"), buildGhsglType);
}
