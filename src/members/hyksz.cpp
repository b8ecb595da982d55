#include "members/hyksz.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "members/hyfl.h"
#include "members/hyyh.h"
#include "members/methodops.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

DataGrid* SettingsGrid(QWidget* parent, const char* name, const QString& source,
    std::initializer_list<std::pair<const char*, const char*>> columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(source));
    g->SetFooterVisible(true);
    for (const auto& c : columns)
        g->AddColumn(QLatin1String(c.first), QString::fromUtf8(c.second), 90);
    return g;
}

QDateEdit* SettingsDate(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QLatin1String(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

QLineEdit* WholeEdit(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* e = NamedEdit(parent, name, maxLength);
    e->setValidator(new QIntValidator(0, 99999, e));
    return e;
}

QStringList DayNumbers()
{
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
    return days;
}

const QString kGoodsList = QStringLiteral("select * from jxc_goods where g_jy=0 and g_sn<>'00000000' and g_tssp=0 "
                                          "and coalesce(gc_sn,'') like :c order by g_sn");

} // namespace

TF_Hyksz::TF_Hyksz(QWidget* parent)
    : Form(parent), Q_Hyyh(F_DataModule->Q(QStringLiteral("Q_Hyyh"))),
      Q_Hyfl(F_DataModule->Q(QStringLiteral("Q_Hyfl"))), Q_Goods1(F_DataModule->Q(QStringLiteral("Q_Goods1"))),
      Q_Tssp(F_DataModule->Q(QStringLiteral("Q_Tssp")))
{
    setObjectName(QStringLiteral("TF_Hyksz"));
    setWindowTitle(QStringLiteral("会员卡设置"));
    resize(960, 640);
    auto* box = new QVBoxLayout(this);
    cxTab = new QTabWidget(this);
    box->addWidget(cxTab);

    // Page 1.
    auto* cxTab1 = new QWidget(cxTab);
    auto* page1 = new QGridLayout(cxTab1);
    auto* methods = new QGroupBox(QStringLiteral("优惠方式设置"), cxTab1);
    auto* m = new QVBoxLayout(methods);
    cxGridYh = SettingsGrid(methods, "cxGridYh", QStringLiteral("D_Hyyh"),
        { { "hh_name", "会员卡名称" }, { "hh_zlname", "优惠种类" }, { "hh_note", "优惠说明" } });
    m->addWidget(cxGridYh);
    auto* mb = new QHBoxLayout;
    AddButton(mb, methods, QStringLiteral("增加"), [this] { btnAdd1Click(); });
    AddButton(mb, methods, QStringLiteral("修改"), [this] { btnModi1Click(); });
    AddButton(mb, methods, QStringLiteral("删除"), [this] { btnDele1Click(); });
    mb->addStretch(1);
    m->addLayout(mb);
    page1->addWidget(methods, 0, 0);

    auto* levels = new QGroupBox(QStringLiteral("会员等级设置"), cxTab1);
    auto* l = new QVBoxLayout(levels);
    cxGridFl = SettingsGrid(levels, "cxGridFl", QStringLiteral("D_Hyfl"),
        { { "hl_sn", "编号" }, { "hl_name", "级别名称" }, { "hl_zk", "级别折扣" }, { "hl_jfxx", "积分下限" },
            { "hl_jfsx", "积分上限" } });
    cxGridFl->SetColumnFormat(2, QStringLiteral("0.00;0.00"));
    l->addWidget(cxGridFl);
    auto* lb = new QHBoxLayout;
    AddButton(lb, levels, QStringLiteral("增加"), [this] { btnAdd2Click(); });
    AddButton(lb, levels, QStringLiteral("修改"), [this] { btnModi2Click(); });
    AddButton(lb, levels, QStringLiteral("删除"), [this] { btnDele2Click(); });
    AddButton(lb, levels, QStringLiteral("退出"), [this] { close(); });
    lb->addStretch(1);
    l->addLayout(lb);
    page1->addWidget(levels, 1, 0);

    auto* points = new QGroupBox(QStringLiteral("积分设置"), cxTab1);
    auto* p = new QFormLayout(points);
    comJfgz = new QComboBox(points);
    p->addRow(QStringLiteral("会员积分规则"), comJfgz);
    auto* perPoint = new QHBoxLayout;
    tmfje = NamedEdit(points, "tmfje", 10);
    auto* money = new QDoubleValidator(0, 999999, 2, tmfje);
    money->setNotation(QDoubleValidator::StandardNotation);
    tmfje->setValidator(money);
    perPoint->addWidget(new QLabel(QStringLiteral("每消费"), points));
    perPoint->addWidget(tmfje);
    perPoint->addWidget(new QLabel(QStringLiteral("元积一分(0表示不积分)"), points));
    p->addRow(perPoint);
    auto* multi = new QHBoxLayout;
    tdbjf = WholeEdit(points, "tdbjf", 3);
    multi->addWidget(new QLabel(QStringLiteral("会员可以积"), points));
    multi->addWidget(tdbjf);
    multi->addWidget(new QLabel(QStringLiteral("倍积分(0表示无多倍)"), points));
    p->addRow(multi);
    auto* period = new QHBoxLayout;
    tdate1 = SettingsDate(points, "tdate1");
    tdate2 = SettingsDate(points, "tdate2");
    period->addWidget(tdate1);
    period->addWidget(new QLabel(QStringLiteral("至"), points));
    period->addWidget(tdate2);
    p->addRow(period);
    chkYelj = new QCheckBox(QStringLiteral("本次积分剩余金额累加到下次使用"), points);
    p->addRow(chkYelj);
    auto* birthday = new QHBoxLayout;
    comSR = new QComboBox(points);
    tqhts = WholeEdit(points, "tqhts", 3);
    tjfbs = WholeEdit(points, "tjfbs", 3);
    birthday->addWidget(comSR);
    birthday->addWidget(tqhts);
    birthday->addWidget(new QLabel(QStringLiteral("天"), points));
    birthday->addWidget(new QLabel(QStringLiteral("可以积"), points));
    birthday->addWidget(tjfbs);
    birthday->addWidget(new QLabel(QStringLiteral("倍积分(0表示无多倍)"), points));
    p->addRow(QStringLiteral("会员生日"), birthday);
    p->addRow(new QLabel(QStringLiteral("与会员多倍积分日期重复时，将采用会员生日多倍积分"), points));
    comHyr = new QComboBox(points);
    comHyr->addItems(
        { QStringLiteral("无会员日"), QStringLiteral("启用每月会员日"), QStringLiteral("启用单次会员日") });
    p->addRow(QStringLiteral("会员日选项"), comHyr);
    auto* monthly = new QHBoxLayout;
    comMy1 = new QComboBox(points);
    comMy2 = new QComboBox(points);
    comMy1->addItems(DayNumbers());
    comMy2->addItems(DayNumbers());
    monthly->addWidget(comMy1);
    monthly->addWidget(new QLabel(QStringLiteral("至"), points));
    monthly->addWidget(comMy2);
    monthly->addWidget(new QLabel(QStringLiteral("日"), points));
    p->addRow(QStringLiteral("每月会员日从"), monthly);
    auto* once = new QHBoxLayout;
    thyr1 = SettingsDate(points, "thyr1");
    thyr2 = SettingsDate(points, "thyr2");
    once->addWidget(thyr1);
    once->addWidget(new QLabel(QStringLiteral("至"), points));
    once->addWidget(thyr2);
    p->addRow(QStringLiteral("单次会员日从"), once);
    tzk = NamedEdit(points, "tzk", 6);
    auto* rate = new QDoubleValidator(0, 1, 4, tzk);
    rate->setNotation(QDoubleValidator::StandardNotation);
    tzk->setValidator(rate);
    p->addRow(QStringLiteral("会员日所有商品折扣："), tzk);
    p->addRow(new QLabel(QStringLiteral("1为不打折,0.8为打8折，0表示无折扣"), points));
    comZpdh = new QComboBox(points);
    comZpdh->addItems({ QStringLiteral("无限制"), QStringLiteral("每天只能兑换一次"),
        QStringLiteral("每周只能兑换一次"), QStringLiteral("每月只能兑换一次") });
    p->addRow(QStringLiteral("赠品兑换规则"), comZpdh);
    auto* sb = new QHBoxLayout;
    sb->addStretch(1);
    AddButton(sb, points, QStringLiteral("保存"), [this] { btnSave1Click(); });
    p->addRow(sb);
    page1->addWidget(points, 0, 1, 2, 1);
    cxTab->addTab(cxTab1, QStringLiteral("会员卡设置"));

    // Page 2.
    auto* cxTab2 = new QWidget(cxTab);
    auto* page2 = new QVBoxLayout(cxTab2);
    auto* special = new QGroupBox(QStringLiteral("特殊商品积分(特殊商品是按件数积分)"), cxTab2);
    auto* s = new QHBoxLayout(special);
    auto* all = new QGroupBox(QStringLiteral("所有商品"), special);
    auto* a = new QVBoxLayout(all);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("商品类别："), all));
    tname = new KeyedCombo(all);
    tname->setObjectName(QStringLiteral("tname"));
    filters->addWidget(tname, 1);
    filters->addWidget(new QLabel(QStringLiteral("编号或名称："), all));
    tKey = NamedEdit(all, "tKey", 32);
    filters->addWidget(tKey, 1);
    AddButton(filters, all, QStringLiteral("添加"), [this] { btnAddClick(); });
    a->addLayout(filters);
    const std::initializer_list<std::pair<const char*, const char*>> goodsColumns = { { "g_sn", "商品编号" },
        { "g_name", "商品名称" }, { "dw_name", "单位" }, { "gg_name", "款型说明" }, { "color_name", "注册证号" } };
    cxGridGoods = SettingsGrid(all, "cxGridGoods", QStringLiteral("D_Goods1"), goodsColumns);
    cxGridGoods->SetFooterCount(0, QStringLiteral("记录数："));
    a->addWidget(cxGridGoods);
    s->addWidget(all, 1);
    auto* flagged = new QGroupBox(QStringLiteral("特殊商品列表"), special);
    auto* fl = new QVBoxLayout(flagged);
    cxGridTssp = SettingsGrid(flagged, "cxGridTssp", QStringLiteral("D_Tssp"), goodsColumns);
    cxGridTssp->AddColumn(QStringLiteral("g_tsjf"), QStringLiteral("每件积分"), 80);
    cxGridTssp->SetFooterCount(0, QStringLiteral("记录数："));
    fl->addWidget(cxGridTssp);
    auto* tb = new QHBoxLayout;
    AddButton(tb, flagged, QStringLiteral("修改"), [this] { btnModiClick(); });
    AddButton(tb, flagged, QStringLiteral("删除"), [this] { btnDeleClick(); });
    tb->addStretch(1);
    fl->addLayout(tb);
    s->addWidget(flagged, 1);
    page2->addWidget(special);
    cxTab->addTab(cxTab2, QStringLiteral("特殊商品积分设置"));

    connect(cxGridYh, &DataGrid::rowDoubleClicked, this, [this] { btnModi1Click(); });
    connect(cxGridFl, &DataGrid::rowDoubleClicked, this, [this] { btnModi2Click(); });
    connect(cxGridGoods, &DataGrid::rowDoubleClicked, this, [this] { btnAddClick(); });
    connect(cxGridTssp, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(cxTab, &QTabWidget::currentChanged, this, [this](int i) { TabChanged(i); });
    connect(comSR, &QComboBox::currentIndexChanged, this, [this] { comSRChange(); });
    connect(tname, &QComboBox::currentIndexChanged, this, [this] { tnameChange(); });
    connect(tKey, &QLineEdit::textChanged, this, [this] { tKeyChange(); });
}

void TF_Hyksz::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    OpenQuery(Q_Hyfl, QStringLiteral("select * from jxc_hyfl order by id"));
    OpenQuery(Q_Hyyh, QStringLiteral("select * from jxc_hyyh order by id"));
    cxTab->setCurrentIndex(0);
    comJfgz->clear();
    comJfgz->addItems({ QStringLiteral("储值时积分"), QStringLiteral("消费时积分") });
    comSR->clear();
    comSR->addItems({ QStringLiteral("当天"), QStringLiteral("前后") });
    const PointsSettings s = ReadPointsSettings();
    comJfgz->setCurrentIndex(s.rule);
    tmfje->setText(QString::number(s.perPoint, 'f', AmountDecimals > 0 ? AmountDecimals : 2));
    tdbjf->setText(QString::number(s.multiple));
    tjfbs->setText(QString::number(s.birthdayFactor));
    tqhts->setText(QString::number(s.birthdayDays));
    comSR->setCurrentIndex(s.birthdayType);
    chkYelj->setChecked(s.carry);
    comZpdh->setCurrentIndex(s.exchange);
    comHyr->setCurrentIndex(s.memberDay);
    tzk->setText(NumberText(s.discount));
    comMy1->setCurrentIndex(qMax(0, comMy1->findText(s.monthFrom.isEmpty() ? QStringLiteral("15") : s.monthFrom)));
    comMy2->setCurrentIndex(qMax(0, comMy2->findText(s.monthTo.isEmpty() ? QStringLiteral("15") : s.monthTo)));
    const QDate today = Clock::Today();
    tdate1->setDate(s.multipleFrom.isValid() ? s.multipleFrom : today);
    tdate2->setDate(s.multipleTo.isValid() ? s.multipleTo : today);
    thyr1->setDate(s.dayFrom.isValid() ? s.dayFrom : today);
    thyr2->setDate(s.dayTo.isValid() ? s.dayTo : today);
    comSRChange();
    FillCombo(*tname, QStringLiteral("jxc_goodsclass"), QStringLiteral("gc_name"), QStringLiteral("gc_sn"),
        QStringLiteral("gc_sn"));
    tname->insertItem(0, QString());
    tname->setCurrentIndex(0);
}

void TF_Hyksz::comSRChange()
{
    tqhts->setEnabled(comSR->currentIndex() == 1);
}

// ---- methods

void TF_Hyksz::btnAdd1Click()
{
    PictureName.clear();
    {
        TF_Hyyh_Add dialog(this);
        Prompt::ShowModal(&dialog);
    }
    Q_Hyyh.Requery();
    if (PictureName == QLatin1String("zs")) {
        TF_Hyzs rules(this);
        Prompt::ShowModal(&rules);
    }
    PictureName.clear();
}

void TF_Hyksz::btnModi1Click()
{
    if (!Q_Hyyh.Active() || Q_Hyyh.IsEmpty())
        return;
    if (Q_Hyyh.AsString(QStringLiteral("hh_sn")) == QLatin1String("100001")) {
        Prompt::Info(QStringLiteral("该优惠选项是系统默认，不能修改！"));
        return;
    }
    PictureName.clear();
    {
        TF_Hyyh_Modi dialog(this);
        Prompt::ShowModal(&dialog);
    }
    if (PictureName == QLatin1String("zs")) {
        TF_Hyzs rules(this);
        Prompt::ShowModal(&rules);
    }
    PictureName.clear();
}

void TF_Hyksz::btnDele1Click()
{
    if (!Q_Hyyh.Active() || Q_Hyyh.IsEmpty())
        return;
    const QString refusal = MethodDeleteRefusal(Q_Hyyh.AsString(QStringLiteral("hh_sn")));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除该优惠选项信息吗！")) == Prompt::Answer::Yes)
        Q_Hyyh.Delete();
}

// ---- levels

void TF_Hyksz::btnAdd2Click()
{
    TF_Hyfl_Add dialog(this);
    Prompt::ShowModal(&dialog);
    Q_Hyfl.Requery();
}

void TF_Hyksz::btnModi2Click()
{
    if (!Q_Hyfl.Active() || Q_Hyfl.IsEmpty())
        return;
    if (Q_Hyfl.AsString(QStringLiteral("hl_sn")) == QLatin1String("100001")) {
        Prompt::Info(QStringLiteral("该会员等级是系统默认，不能修改！"));
        return;
    }
    TF_Hyfl_Modi dialog(this);
    Prompt::ShowModal(&dialog);
}

void TF_Hyksz::btnDele2Click()
{
    if (!Q_Hyfl.Active() || Q_Hyfl.IsEmpty())
        return;
    const QString refusal = LevelDeleteRefusal(Q_Hyfl.AsString(QStringLiteral("hl_sn")));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除该等级信息吗！")) == Prompt::Answer::Yes)
        Q_Hyfl.Delete();
}

// ---- points

PointsSettings TF_Hyksz::Entered() const
{
    PointsSettings s;
    s.rule = comJfgz->currentIndex();
    s.perPoint = tmfje->text().trimmed().toDouble();
    s.multiple = tdbjf->text().trimmed().toInt();
    s.multipleFrom = tdate1->date();
    s.multipleTo = tdate2->date();
    s.carry = chkYelj->isChecked();
    s.birthdayType = comSR->currentIndex();
    s.birthdayDays = tqhts->text().trimmed().toInt();
    s.birthdayFactor = tjfbs->text().trimmed().toInt();
    s.memberDay = comHyr->currentIndex();
    s.monthFrom = comMy1->currentText();
    s.monthTo = comMy2->currentText();
    s.dayFrom = thyr1->date();
    s.dayTo = thyr2->date();
    s.discount = tzk->text().trimmed().toDouble();
    s.exchange = comZpdh->currentIndex();
    return s;
}

void TF_Hyksz::btnSave1Click()
{
    const PointsSettings s = Entered();
    const QString refusal = PointsSettingsRefusal(s);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    SavePointsSettings(s);
    Prompt::Info(QStringLiteral("保存成功！"));
}

// ---- special-points goods

void TF_Hyksz::TabChanged(int index)
{
    if (index == 1)
        OpenGoodsLists();
}

void TF_Hyksz::OpenGoodsLists()
{
    const int i = tname->currentIndex();
    const QString category = i > 0 && tname->KeyObject(i) ? tname->Code(i) : QString();
    OpenWithParams(
        Q_Goods1, kGoodsList, { { QStringLiteral("c"), QStringLiteral("%") + category + QStringLiteral("%") } });
    OpenQuery(Q_Tssp,
        QStringLiteral("select * from jxc_goods where g_jy=0 and g_sn<>'00000000' and g_tssp<>0 "
                       "order by g_sn"));
    tKeyChange();
}

void TF_Hyksz::tnameChange()
{
    if (cxTab->currentIndex() == 1)
        OpenGoodsLists();
}

void TF_Hyksz::tKeyChange()
{
    FilterGridByText(*cxGridGoods, tKey->text().trimmed(), { QStringLiteral("g_sn"), QStringLiteral("g_name") });
}

void TF_Hyksz::btnAddClick()
{
    if (!Q_Goods1.Active() || Q_Goods1.IsEmpty())
        return;
    const int row = cxGridGoods->CurrentRow();
    if (row >= 0)
        Q_Goods1.SetRecNo(cxGridGoods->SourceRow(row));
    OpenMode.clear();
    {
        TF_Hyksz_Add dialog(this);
        dialog.chkClass->setEnabled(tname->currentIndex() > 0);
        Prompt::ShowModal(&dialog);
    }
    if (OpenMode == QLatin1String("1"))
        OpenGoodsLists();
    OpenMode.clear();
}

void TF_Hyksz::btnModiClick()
{
    if (!Q_Tssp.Active() || Q_Tssp.IsEmpty())
        return;
    OpenMode.clear();
    {
        TF_Hyksz_Modi dialog(this);
        Prompt::ShowModal(&dialog);
    }
    if (OpenMode == QLatin1String("1"))
        OpenGoodsLists();
    OpenMode.clear();
}

void TF_Hyksz::btnDeleClick()
{
    if (!Q_Tssp.Active() || Q_Tssp.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除该特殊商品信息吗！")) != Prompt::Answer::Yes)
        return;
    ClearSpecialPoints(Q_Tssp.AsString(QStringLiteral("g_sn")));
    OpenGoodsLists();
}

void TF_Hyksz::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Hyfl, &Q_Hyyh, &Q_Goods1, &Q_Tssp })
        q->Close();
    Form::hideEvent(e);
}

// ---- special-points dialogs

SpecialPointsDialog::SpecialPointsDialog(const QString& objectName, bool adding, QWidget* parent)
    : Form(parent), adding_(adding)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("特殊商品积分"));
    auto* box = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    auto label = [this, f](const QString& caption, const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        f->addRow(caption, l);
        return l;
    };
    g_sn = label(QStringLiteral("商品编号："), "g_sn");
    g_name = label(QStringLiteral("商品名称："), "g_name");
    dw_name = label(QStringLiteral("单        位："), "dw_name");
    color_name = label(QStringLiteral("注册证号："), "color_name");
    g_bz = label(QStringLiteral("备        注："), "g_bz");
    gg_name = label(QStringLiteral("款型说明："), "gg_name");
    g_sccs = label(QStringLiteral("生产厂商："), "g_sccs");
    g_kc = label(QStringLiteral("当前库存："), "g_kc");
    auto* points = new QHBoxLayout;
    tjf = NamedEdit(this, "tjf", 5);
    tjf->setValidator(new QIntValidator(-99999, 99999, tjf));
    points->addWidget(new QLabel(QStringLiteral("该商品消费一件积"), this));
    points->addWidget(tjf);
    points->addWidget(new QLabel(QStringLiteral("分"), this));
    f->addRow(points);
    chkClass = new QCheckBox(QStringLiteral("将此项特殊商品作用于该类别中所有商品"), this);
    f->addRow(chkClass);
    box->addLayout(f);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("退出(Esc)"), [this] { btnOKClick(); });
    connect(chkClass, &QCheckBox::clicked, this, [this] { chkClassClick(); });
}

void SpecialPointsDialog::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& q = F_DataModule->Q(adding_ ? QStringLiteral("Q_Goods1") : QStringLiteral("Q_Tssp"));
    for (QLabel* l : { g_sn, g_name, dw_name, color_name, g_bz, gg_name, g_sccs, g_kc })
        l->setText(q.AsString(l->objectName()));
    tjf->setText(adding_ ? QStringLiteral("0") : QString::number(qint64(q.AsFloat(QStringLiteral("g_tsjf")))));
    chkClass->setChecked(false);
}

void SpecialPointsDialog::chkClassClick()
{
    if (chkClass->isChecked())
        Prompt::Info(adding_ ? QStringLiteral("此设置将作用于该类别的所有商品，请慎重选择！")
                             : QStringLiteral("此设置将作用于该类别的所有商品，请慎重选择?"));
}

void SpecialPointsDialog::btnOKClick()
{
    const qint64 points = tjf->text().trimmed().toLongLong();
    if (points < 0) {
        Prompt::Info(QStringLiteral("积分不能为负数！"));
        return;
    }
    SetSpecialPoints(g_sn->text(), points, chkClass->isChecked());
    OpenMode = QStringLiteral("1");
    accept();
}

TF_Hyksz_Add::TF_Hyksz_Add(QWidget* parent) : SpecialPointsDialog(QStringLiteral("TF_Hyksz_Add"), true, parent) { }

TF_Hyksz_Modi::TF_Hyksz_Modi(QWidget* parent) : SpecialPointsDialog(QStringLiteral("TF_Hyksz_Modi"), false, parent) { }
