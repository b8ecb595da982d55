#include "members/hygl.h"

#include "listing/queryframe.h"

#include <QToolButton>

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/gridlayout.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "listing/listoutput.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickersform.h"
#include "members/dhzp.h"
#include "members/hygldialogs.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

TF_Hygl* F_Hygl = nullptr;

namespace {

QDateEdit* HyglDateEdit(QWidget* parent, const char* name)
{
    auto* e = new QDateEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    e->setCalendarPopup(true);
    e->setMaximumDate(QDate(9999, 12, 31));
    return e;
}

DataGrid* HyglGrid(QWidget* parent, const char* name, const QString& dataset)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(QStringLiteral("D_") + dataset.mid(2)));
    g->SetFooterVisible(true);
    return g;
}

void AddColumns(DataGrid* g, std::initializer_list<std::pair<const char*, const char*>> columns)
{
    for (const auto& c : columns)
        g->AddColumn(QLatin1String(c.first), QString::fromUtf8(c.second), 80);
}

QString DateText(const QDateEdit* e)
{
    return e->date().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

TF_Hygl::TF_Hygl(QWidget* parent)
    : Form(parent), Q_Hyxx(F_DataModule->Q(QStringLiteral("Q_Hyxx"))),
      Q_Hyxs(F_DataModule->Q(QStringLiteral("Q_Hyxs"))), Q_Hyxf(F_DataModule->Q(QStringLiteral("Q_Hyxf"))),
      Q_Hysr(F_DataModule->Q(QStringLiteral("Q_Hysr")))
{
    setObjectName(QStringLiteral("TF_Hygl"));
    setWindowTitle(QStringLiteral("会员管理"));
    resize(1100, 640);
    auto* box = new QVBoxLayout(this);
    cxTab = new QTabWidget(this);
    cxTab->setObjectName(QStringLiteral("cxTab"));
    box->addWidget(cxTab);

    // Tab 1: the members.
    auto* tab1 = new QWidget(cxTab);
    auto* t1 = new QVBoxLayout(tab1);
    auto* bar = new QHBoxLayout;
    AddButton(bar, tab1, QStringLiteral("增加会员"), [this] { btn_AddClick(); });
    AddButton(bar, tab1, QStringLiteral("修改会员"), [this] { btn_ModiClick(); });
    AddButton(bar, tab1, QStringLiteral("删除会员"), [this] { btn_DeleClick(); });
    AddButton(bar, tab1, QStringLiteral("导入会员"), [this] { btn_InClick(); });
    AddButton(bar, tab1, QStringLiteral("导出会员"), [this] { btn_OutClick(); });
    AddButton(bar, tab1, QStringLiteral("储值续费"), [this] { btn_CzClick(); });
    AddButton(bar, tab1, QStringLiteral("会员设置"), [this] { btn_HyszClick(); });
    AddButton(bar, tab1, QStringLiteral("高级查询"), [this] { btn_GjcxClick(); });
    AddButton(bar, tab1, QStringLiteral("兑换赠品"), [this] { btnDhzpClick(); });
    btnSms = AddButton(bar, tab1, QStringLiteral("发送短信"), [this] { btnSmsClick(); });
    AddButton(bar, tab1, QStringLiteral("打印"), [this] { btn_PrinClick(); });
    AddButton(bar, tab1, QStringLiteral("退出"), [this] { btn_ExitClick(); });
    bar->addStretch(1);
    t1->addLayout(bar);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("会员卡号或姓名或电话："), tab1));
    tKey = new QLineEdit(tab1);
    tKey->setObjectName(QStringLiteral("tKey"));
    DiscardSearchPunctuation(tKey);
    filters->addWidget(tKey, 1);
    filters->addWidget(new QLabel(QStringLiteral("会员等级："), tab1));
    comHyfl = new KeyedCombo(tab1);
    comHyfl->setObjectName(QStringLiteral("comHyfl"));
    filters->addWidget(comHyfl);
    filters->addWidget(new QLabel(QStringLiteral("会员状态："), tab1));
    comStatus = new QComboBox(tab1);
    comStatus->setObjectName(QStringLiteral("comStatus"));
    comStatus->addItems({ QStringLiteral("所有状态"), QStringLiteral("可用状态"), QStringLiteral("不可用状态") });
    filters->addWidget(comStatus);
    AddButton(filters, tab1, QStringLiteral("查询(F2)"), [this] { btnSearch2Click(); });
    t1->addLayout(filters);
    cxGrid1View = HyglGrid(tab1, "cxGrid1View", QStringLiteral("Q_Hyxx"));
    AddColumns(cxGrid1View,
        { { "hy_bh", "会员编号" }, { "hy_name", "会员姓名" }, { "status", "会员状态" }, { "hy_sex", "性别" },
            { "hy_jrrq", "加入日期" }, { "hh_name", "优惠方式" }, { "hl_name", "会员级别" }, { "hy_jf", "会员积分" },
            { "hy_zje", "累计消费" }, { "hy_zhje", "卡内金额" }, { "jfsj", "按积分升级" }, { "hy_zjf", "累计积分" },
            { "qx", "使用期限" }, { "hy_dqrq", "失效日期" }, { "hy_sr", "会员生日" }, { "hy_tele", "固定电话" },
            { "hy_mobile", "移动电话" }, { "hy_email", "电子邮件" }, { "hy_zjlx", "证件类型" },
            { "hy_zjhm", "证件号码" }, { "hy_dwzy", "单位职务" }, { "hy_address", "联系地址" },
            { "hy_qtxx", "其他信息" }, { "hy_note", "备注" }, { "hl_zk", "会员折扣" } });
    cxGrid1View->SetColumnVisible(cxGrid1View->ColumnByField(QStringLiteral("hl_zk")), false);
    cxGrid1View->SetFooterCount(0, QStringLiteral("记录数："));
    cxGrid1View->SetFooterCount(1);
    cxGrid1View->SetFooterSum(cxGrid1View->ColumnByField(QStringLiteral("hy_zje")));
    cxGrid1View->SetFooterSum(cxGrid1View->ColumnByField(QStringLiteral("hy_zhje")));
    t1->addWidget(cxGrid1View, 1);
    cxTab->addTab(tab1, QStringLiteral("会员基本信息"));

    // The member grid's context menu, in the register's order.
    pmMember = new QMenu(this);
    auto item = [](QMenu* m, const QString& caption, std::function<void()> run) {
        QAction* a = m->addAction(caption);
        connect(a, &QAction::triggered, m, [run] { run(); });
        return a;
    };
    item(pmMember, QStringLiteral("会员换卡(&S)"), [this] { btnHkClick(); });
    item(pmMember, QStringLiteral("会员转账(&T)"), [this] { btnZzClick(); });
    miStatus = item(pmMember, QStringLiteral("设置会员状态为“不可用”(&U)"), [this] { btnRZtClick(); });
    item(pmMember, QStringLiteral("修改会员密码(&V)"), [this] { btnPwdClick(); });
    QMenu* topUps = pmMember->addMenu(QStringLiteral("会员续费(&W)"));
    item(topUps, QStringLiteral("储值续费(&Y)"), [this] { btn_CzClick(); });
    item(topUps, QStringLiteral("批量续费(&Z)"), [this] { btnPlxfClick(); });
    QMenu* points = pmMember->addMenu(QStringLiteral("调整会员积分(&X)"));
    item(points, QStringLiteral("调整当前会员积分(&Y)"), [this] { btnJfClick(); });
    item(points, QStringLiteral("清除所有会员积分(&Z)"), [this] { btnRAlljfClick(); });
    QMenu* spending = pmMember->addMenu(QStringLiteral("调整累计消费(&R)"));
    item(spending, QStringLiteral("调整当前会员消费金额(&Y)"), [this] { btnJeClick(); });
    item(spending, QStringLiteral("清除所有会员消费金额(&Z)"), [this] { btnRAllJeClick(); });
    pmMember->addSeparator();
    item(pmMember, QStringLiteral("修改会员信息(&Y)"), [this] { btn_ModiClick(); });
    item(pmMember, QStringLiteral("删除会员信息(&Z)"), [this] { btn_DeleClick(); });
    item(pmMember, QStringLiteral("导出会员手机号(&E)"), [this] { btnMobileClick(); });
    item(pmMember, QStringLiteral("查看照片(&D)"), [this] { btnPhotoClick(); });
    miLayout = item(pmMember, QStringLiteral("定义列表布局(&B)"), [this] { btnLayoutClick(); });
    connect(cxGrid1View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        if (!HasMembers())
            return;
        PrepareMemberMenu();
        pmMember->popup(at);
    });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btn_ModiClick(); });

    auto layoutMenu = [this, item](DataGrid* grid) {
        auto* m = new QMenu(this);
        QAction* a = item(m, QStringLiteral("定义列表布局(&B)"), [this] { btnLayoutClick(); });
        connect(grid, &DataGrid::rightClicked, this, [m, a](const QPoint& at) {
            a->setText(GridLayoutConfirmed == QLatin1String("1") ? QStringLiteral("保存当前列表布局(&B)")
                                                                 : QStringLiteral("定义列表布局(&B)"));
            m->popup(at);
        });
    };
    auto rangeRow = [](QWidget* tab, QDateEdit*& from, QDateEdit*& to, const char* fromName, const char* toName,
                        QLineEdit*& key, const char* keyName, const std::function<void()>& search) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("查询时间："), tab));
        from = HyglDateEdit(tab, fromName);
        row->addWidget(from);
        row->addWidget(new QLabel(QStringLiteral("至"), tab));
        to = HyglDateEdit(tab, toName);
        row->addWidget(to);
        row->addWidget(MakePresetButton(tab, from, to, search));
        row->addWidget(new QLabel(QStringLiteral("会员卡号或姓名："), tab));
        key = new QLineEdit(tab);
        key->setObjectName(QLatin1String(keyName));
        row->addWidget(key, 1);
        return row;
    };

    // Tab 2: POS purchases of members.
    auto* tab2 = new QWidget(cxTab);
    auto* t2 = new QVBoxLayout(tab2);
    QHBoxLayout* r2
        = rangeRow(tab2, tdate21, tdate22, "tdate21", "tdate22", tKey2, "tKey2", [this] { btnSearch3Click(); });
    AddButton(r2, tab2, QStringLiteral("查询(F3)"), [this] { btnSearch3Click(); });
    AddButton(r2, tab2, QStringLiteral("打印"), [this] { cxButton2Click(); });
    AddButton(r2, tab2, QStringLiteral("导出"), [this] { btn_ExportClick(); });
    AddButton(r2, tab2, QStringLiteral("退出"), [this] { btn_ExitClick(); });
    t2->addLayout(r2);
    cxGrid21View = HyglGrid(tab2, "cxGrid21View", QStringLiteral("Q_Hyxs"));
    AddColumns(cxGrid21View,
        { { "gl_djh", "销售单号" }, { "xsrq", "销售日期" }, { "hy_bh", "会员编号" }, { "hy_name", "会员姓名" },
            { "yfje", "应付金额" }, { "sfje", "实付金额" }, { "pos_xj", "现金" }, { "pos_czk", "储值卡" },
            { "pos_yhk", "银行卡" }, { "pos_djq", "代金券" }, { "pos_wxje", "微信" }, { "pos_zfbje", "支付宝" },
            { "pos_zlje", "找零" }, { "pos_mlje", "抹零" }, { "a_name", "收银员" } });
    cxGrid21View->SetFooterCount(0, QStringLiteral("记录数："));
    cxGrid21View->SetFooterSum(cxGrid21View->ColumnByField(QStringLiteral("yfje")));
    cxGrid21View->SetFooterSum(cxGrid21View->ColumnByField(QStringLiteral("sfje")));
    t2->addWidget(cxGrid21View, 1);
    layoutMenu(cxGrid21View);
    cxTab->addTab(tab2, QStringLiteral("会员消费情况"));

    // Tab 3: money rows of members.
    auto* tab3 = new QWidget(cxTab);
    auto* t3 = new QVBoxLayout(tab3);
    QHBoxLayout* r3
        = rangeRow(tab3, tdate31, tdate32, "tdate31", "tdate32", tKey3, "tKey3", [this] { btnSearch4Click(); });
    DiscardSearchPunctuation(tKey3);
    AddButton(r3, tab3, QStringLiteral("查询(F3)"), [this] { btnSearch4Click(); });
    AddButton(r3, tab3, QStringLiteral("打印"), [this] { btnPrin3Click(); });
    AddButton(r3, tab3, QStringLiteral("导出"), [this] { btnExport3Click(); });
    AddButton(r3, tab3, QStringLiteral("查看单据"), [this] { btn_Chakan3Click(); });
    AddButton(r3, tab3, QStringLiteral("退出"), [this] { btn_ExitClick(); });
    t3->addLayout(r3);
    cxGrid3View = HyglGrid(tab3, "cxGrid3View", QStringLiteral("Q_Hyxf"));
    AddColumns(cxGrid3View,
        { { "gl_djh", "单据编号" }, { "xf_rq", "日期" }, { "hy_bh", "会员编号" }, { "hy_name", "会员姓名" },
            { "xf_zt", "类型" }, { "xf_je", "续费金额" }, { "xf_yhje", "优惠金额" }, { "sjje", "实际存入" },
            { "xf_note", "备注" }, { "a_name", "操作员" } });
    cxGrid3View->SetFooterCount(0, QStringLiteral("记录数："));
    cxGrid3View->SetFooterSum(cxGrid3View->ColumnByField(QStringLiteral("sjje")));
    t3->addWidget(cxGrid3View, 1);
    layoutMenu(cxGrid3View);
    cxTab->addTab(tab3, QStringLiteral("会员续费情况"));

    // Tab 4: coming birthdays.
    auto* tab4 = new QWidget(cxTab);
    auto* t4 = new QVBoxLayout(tab4);
    auto* r4 = new QHBoxLayout;
    r4->addWidget(new QLabel(QStringLiteral("查询还有"), tab4));
    tts = new QLineEdit(tab4);
    tts->setObjectName(QStringLiteral("tts"));
    tts->setMaxLength(3);
    tts->setValidator(new QIntValidator(0, 999, tts));
    r4->addWidget(tts);
    r4->addWidget(new QLabel(QStringLiteral("天过生日的会员"), tab4));
    AddButton(r4, tab4, QStringLiteral("查询(F3)"), [this] { btnSearch5Click(); });
    AddButton(r4, tab4, QStringLiteral("打印"), [this] { btnPrin5Click(); });
    AddButton(r4, tab4, QStringLiteral("导出"), [this] { btnExport5Click(); });
    AddButton(r4, tab4, QStringLiteral("退出"), [this] { btn_ExitClick(); });
    r4->addStretch(1);
    t4->addLayout(r4);
    cxGrid5View = HyglGrid(tab4, "cxGrid5View", QStringLiteral("Q_Hysr"));
    AddColumns(cxGrid5View,
        { { "hy_bh", "会员编号" }, { "hy_name", "会员姓名" }, { "hy_sex", "性别" }, { "hy_sr", "会员生日" },
            { "hy_mobile", "移动电话" }, { "hy_tele", "固定电话" }, { "hy_jf", "会员积分" },
            { "hy_address", "联系地址" } });
    cxGrid5View->SetFooterCount(0, QStringLiteral("记录数："));
    t4->addWidget(cxGrid5View, 1);
    cxTab->addTab(tab4, QStringLiteral("会员生日提醒"));

    connect(cxTab, &QTabWidget::currentChanged, this, &TF_Hygl::TabChanged);
    connect(tKey, &QLineEdit::returnPressed, this, &TF_Hygl::btnSearch2Click);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &TF_Hygl::btnSearch2Click);
    // F3 runs the consumption search whatever tab is shown.
    auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(f3, &QShortcut::activated, this, &TF_Hygl::btnSearch3Click);
}

void TF_Hygl::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_Hygl::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    {
        const QSignalBlocker quiet(cxTab);
        cxTab->setCurrentIndex(0);
    }
    const QDate today = Clock::Today();
    tdate21->setDate(today);
    tdate22->setDate(today);
    tdate31->setDate(QDate(today.year(), today.month(), 1));
    tdate32->setDate(today);
    btnSms->setEnabled(IsTrue(UseSms));
    tKey->clear();
    tKey2->clear();
    tKey3->clear();
    ActiveDocKind.clear();
    LoadGridLayout(QStringLiteral("hygl"), cxGrid1View);
    LoadGridLayout(QStringLiteral("hyglxs"), cxGrid21View);
    LoadGridLayout(QStringLiteral("hyglxf"), cxGrid3View);
    FillCombo(*comHyfl, QStringLiteral("jxc_hyfl"), QStringLiteral("hl_name"), QStringLiteral("hl_sn"),
        QStringLiteral("id"), QStringLiteral("所有等级"));
    comHyfl->setCurrentIndex(0);
    comStatus->setCurrentIndex(0);
    btnSearch2Click();
    ApplyAmountFormats();
}

void TF_Hygl::FormClose()
{
    Q_Hyxx.Close();
    F_DataModule->Q(QStringLiteral("Q_Posxsd")).Close();
    F_DataModule->Q(QStringLiteral("Q_Jfdh")).Close();
    Q_Hyxf.Close();
    Q_Hyxs.Close();
}

void TF_Hygl::ApplyAmountFormats()
{
    for (DataGrid* g : { cxGrid1View, cxGrid21View, cxGrid3View }) {
        for (int col = 0; col < g->ColumnCount(); ++col) {
            static const QStringList amounts { QStringLiteral("hy_zje"), QStringLiteral("hy_zhje"),
                QStringLiteral("yfje"), QStringLiteral("sfje"), QStringLiteral("xf_je"), QStringLiteral("xf_yhje"),
                QStringLiteral("sjje") };
            if (amounts.contains(g->ColumnField(col)))
                SetAmountColumnFormat({ [g, col](const QString& f) { g->SetColumnFormat(col, f); }, {}, {} });
        }
    }
}

MemberFilter TF_Hygl::QuickFilter() const
{
    MemberFilter f;
    f.key = tKey->text().trimmed();
    const QString level = comHyfl->currentIndex() >= 0 ? comHyfl->Code(comHyfl->currentIndex()) : QString();
    f.level = level == QLatin1String("-1") ? QString() : level;
    static const char* const statuses[] = { "-9", "1", "0" };
    f.status = QLatin1String(statuses[qBound(0, comStatus->currentIndex(), 2)]);
    return f;
}

void TF_Hygl::btnSearch2Click()
{
    MemberFilter f = QuickFilter();
    if (OpenMode == QLatin1String("1"))
        f.extra = AdvancedConditions(advanced_);
    listed_ = f;
    // A shop has many members: the list opens with one page, the rest follow as read
    // (the order by id has no ties).
    Q_Hyxx.SetPageRows(200);
    OpenQuery(Q_Hyxx, MemberSearchSql(f));
}

void TF_Hygl::ReopenMembers()
{
    Q_Hyxx.Requery();
}

bool TF_Hygl::HasMembers() const
{
    return Q_Hyxx.Active() && !Q_Hyxx.IsEmpty();
}

void TF_Hygl::OpenRegistered(const QString& windowClass)
{
    FunctionWindows::Open(windowClass, FunctionWindows::Lifetime::Freed);
}

void TF_Hygl::OpenMemberDialog(QWidget* dialog)
{
    Prompt::ShowModal(static_cast<QDialog*>(dialog));
    delete dialog;
}

void TF_Hygl::btn_AddClick()
{
    PickerCaller.clear();
    OpenRegistered(QStringLiteral("TF_Hygl_Add"));
    if (PickerCaller == QLatin1String("ok"))
        ReopenMembers();
    PickerCaller.clear();
}

void TF_Hygl::btn_ModiClick()
{
    if (!HasMembers())
        return;
    if (Q_Hyxx.AsString(QStringLiteral("hy_sn")) == QLatin1String("100001")) {
        Prompt::Info(QStringLiteral("该会员为系统默认会员，不能修改！"));
        return;
    }
    OpenRegistered(QStringLiteral("TF_Hygl_Modi"));
}

void TF_Hygl::btn_DeleClick()
{
    if (!HasMembers())
        return;
    const QString sn = Q_Hyxx.AsString(QStringLiteral("hy_sn"));
    const QString refusal = MemberDeleteRefusal(sn);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除该会员信息吗！")) != Prompt::Answer::Yes)
        return;
    DeleteMember(sn);
    ReopenMembers();
}

void TF_Hygl::btn_InClick()
{
    OpenRegistered(QStringLiteral("TF_Hygl_Import"));
    ReopenMembers();
}

void TF_Hygl::btn_OutClick()
{
    ExportGridList(*cxGrid1View);
}

void TF_Hygl::btn_CzClick()
{
    if (!HasMembers())
        return;
    const QString sn = Q_Hyxx.AsString(QStringLiteral("hy_sn"));
    if (sn == QLatin1String("100001")) {
        Prompt::Info(QStringLiteral("默认会员不能续费！"));
        return;
    }
    PickerCaller = QStringLiteral("hygl");
    OpenMode = sn;
    OpenRegistered(QStringLiteral("TF_Hyxf"));
    OpenMode.clear();
    if (PickerCaller == QLatin1String("ok")) {
        ReopenMembers();
        Q_Hyxx.Locate(QStringLiteral("hy_sn"), sn);
    }
    PickerCaller.clear();
}

void TF_Hygl::btn_HyszClick()
{
    OpenRegistered(QStringLiteral("TF_Hyksz"));
}

void TF_Hygl::btn_GjcxClick()
{
    OpenMode.clear();
    auto* dialog = new TF_Hygl_Gjcx(this);
    Prompt::ShowModal(dialog);
    if (OpenMode == QLatin1String("1")) {
        advanced_ = dialog->Conditions();
        btnSearch2Click();
    }
    delete dialog;
    OpenMode.clear();
}

void TF_Hygl::btnDhzpClick()
{
    if (!HasMembers())
        return;
    ActiveDocKind = Q_Hyxx.AsString(QStringLiteral("hy_bh"));
    TF_Dhzp dialog(this);
    Prompt::ShowModal(&dialog);
    ActiveDocKind.clear();
    ReopenMembers();
}

void TF_Hygl::btnSmsClick()
{
    OpenRegistered(QStringLiteral("TF_Sms"));
}

void TF_Hygl::btn_PrinClick()
{
    if (!HasMembers())
        return;
    PrintGridList(QStringLiteral("hyxx.fr3"), QStringLiteral("frxDBDataset4"), *cxGrid1View);
}

void TF_Hygl::btn_ExitClick()
{
    close();
}

void TF_Hygl::btnRZtClick()
{
    if (!HasMembers())
        return;
    const bool usable = Q_Hyxx.FieldByName(QStringLiteral("hy_status")).AsBoolean();
    Q_Hyxx.Edit();
    Q_Hyxx.SetValue(QStringLiteral("hy_status"), usable ? 0 : 1);
    Q_Hyxx.Post();
    ReopenMembers();
}

void TF_Hygl::btnRAllJeClick()
{
    const QString count = QString::number(Q_Hyxx.RecordCount());
    if (Prompt::YesNo(QStringLiteral("您确定要清除当前") + count + QStringLiteral("个会员的消费金额吗？"))
        != Prompt::Answer::Yes)
        return;
    ClearMemberSpending(listed_);
    WriteLog(QStringLiteral("清除当前") + count + QStringLiteral("个会员的消费金额。会员状态：")
        + comStatus->currentText() + QStringLiteral("，会员等级：") + comHyfl->currentText()
        + QStringLiteral("，会员信息：") + listed_.key);
    ReopenMembers();
}

void TF_Hygl::btnRAlljfClick()
{
    const QString count = QString::number(Q_Hyxx.RecordCount());
    if (Prompt::YesNo(QStringLiteral("您确定要清除当前") + count + QStringLiteral("会员的积分吗？"))
        != Prompt::Answer::Yes)
        return;
    ClearMemberPoints(listed_);
    WriteLog(QStringLiteral("清除当前") + count + QStringLiteral("个会员的积分。会员状态：") + comStatus->currentText()
        + QStringLiteral("，会员等级：") + comHyfl->currentText() + QStringLiteral("，会员信息：") + listed_.key);
    ReopenMembers();
}

void TF_Hygl::btnZzClick()
{
    if (!HasMembers())
        return;
    if (std::round(Q_Hyxx.AsFloat(QStringLiteral("hy_zhje")) * 100) <= 0) {
        Prompt::Info(QStringLiteral("卡内金额为0不能转账！"));
        return;
    }
    OpenMode.clear();
    OpenRegistered(QStringLiteral("TF_Hygl_Zz"));
    if (OpenMode == QLatin1String("1")) {
        OpenRegistered(QStringLiteral("TF_Hygl_Zz2"));
        ReopenMembers();
    }
    OpenMode.clear();
}

void TF_Hygl::btnPlxfClick()
{
    if (!HasMembers())
        return;
    OpenRegistered(QStringLiteral("TF_Hyxf_pl"));
    ReopenMembers();
}

void TF_Hygl::btnHkClick()
{
    if (HasMembers())
        OpenMemberDialog(new TF_Hygl_Hk(this));
}

void TF_Hygl::btnPwdClick()
{
    if (HasMembers())
        OpenMemberDialog(new TF_Hygl_Pwd(this));
}

void TF_Hygl::btnJfClick()
{
    if (HasMembers())
        OpenMemberDialog(new TF_Hygl_Jf(this));
}

void TF_Hygl::btnJeClick()
{
    if (HasMembers())
        OpenMemberDialog(new TF_Hygl_Je(this));
}

void TF_Hygl::btnMobileClick()
{
    OpenMemberDialog(new TF_Hygl_Mobile(this));
}

void TF_Hygl::btnPhotoClick()
{
    if (!HasMembers())
        return;
    PictureName = QStringLiteral("HY") + Q_Hyxx.AsString(QStringLiteral("hy_sn")) + QStringLiteral(".jpg");
    OpenRegistered(QStringLiteral("TF_Spxxgl_Pic2"));
    PictureName.clear();
}

void TF_Hygl::PrepareMemberMenu()
{
    const bool usable = HasMembers() && Q_Hyxx.FieldByName(QStringLiteral("hy_status")).AsBoolean();
    miStatus->setText(
        usable ? QStringLiteral("设置会员状态为“不可用”(&U)") : QStringLiteral("设置会员状态为“可用”(&U)"));
    miLayout->setText(GridLayoutConfirmed == QLatin1String("1") ? QStringLiteral("保存当前列表布局(&B)")
                                                                : QStringLiteral("定义列表布局(&B)"));
}

void TF_Hygl::btnLayoutClick()
{
    static const char* const names[] = { "hygl", "hyglxs", "hyglxf" };
    DataGrid* const grids[] = { cxGrid1View, cxGrid21View, cxGrid3View };
    const int tab = qBound(0, cxTab->currentIndex(), 2);
    if (GridLayoutConfirmed != QLatin1String("1"))
        ShowGridLayoutHint(grids[tab]);
    else
        SaveGridLayout(QLatin1String(names[tab]), grids[tab]);
}

void TF_Hygl::btnSearch3Click()
{
    OpenQuery(Q_Hyxs, ConsumptionSearchSql(tKey2->text(), tdate21->date(), tdate22->date()));
}

void TF_Hygl::cxButton2Click()
{
    PrintGridList(QStringLiteral("hyxs.fr3"), QStringLiteral("hyxs"), *cxGrid21View,
        { { QStringLiteral("date1"), DateText(tdate21) }, { QStringLiteral("date2"), DateText(tdate22) } });
}

void TF_Hygl::btn_ExportClick()
{
    ExportGridList(*cxGrid21View);
}

void TF_Hygl::btnSearch4Click()
{
    OpenQuery(Q_Hyxf, TopUpSearchSql(tKey3->text(), tdate31->date(), tdate32->date()));
}

void TF_Hygl::btnPrin3Click()
{
    PrintGridList(QStringLiteral("hyxfb.fr3"), QStringLiteral("hyxfb"), *cxGrid3View,
        { { QStringLiteral("date1"), DateText(tdate31) }, { QStringLiteral("date2"), DateText(tdate32) } });
}

void TF_Hygl::btnExport3Click()
{
    ExportGridList(*cxGrid3View);
}

void TF_Hygl::btn_Chakan3Click()
{
    if (!Q_Hyxf.Active() || Q_Hyxf.IsEmpty())
        return;
    Query& prin = F_DataModule->Q_GoodsPrin;
    OpenWithParams(prin,
        QStringLiteral("select a.*,b.hy_bh,b.hy_name,b.hy_zhje,b.hy_jf from jxc_hyxf a,jxc_hyxx b "
                       "where a.hy_sn=b.hy_sn and a.gl_djh=:djh"),
        { { QStringLiteral("djh"), Q_Hyxf.AsString(QStringLiteral("gl_djh")) } });
    PrintQueryReport(QStringLiteral("hyxf.fr3"), QStringLiteral("frxDBDataset1"), prin);
    prin.Close();
}

void TF_Hygl::btnSearch5Click()
{
    const int days = BirthdayDays(tts->text().toInt());
    tts->setText(QString::number(days));
    OpenQuery(Q_Hysr, BirthdaySearchSql(Clock::Today(), days));
}

void TF_Hygl::btnPrin5Click()
{
    PrintGridList(QStringLiteral("hysr.fr3"), QStringLiteral("hysr"), *cxGrid5View,
        { { QStringLiteral("title"), QStringLiteral("还有") + tts->text() + QStringLiteral("要过生日的会员名单") } });
}

void TF_Hygl::btnExport5Click()
{
    ExportGridList(*cxGrid5View);
}

void TF_Hygl::DateMenuClick(DatePreset preset)
{
    if (cxTab->currentIndex() == 2)
        ApplyPreset(preset, tdate31, tdate32, [this] { btnSearch4Click(); });
    else
        ApplyPreset(preset, tdate21, tdate22, [this] { btnSearch3Click(); });
}

void TF_Hygl::TabChanged(int index)
{
    if (index == 1) {
        btnSearch3Click();
    } else if (index == 2) {
        btnSearch4Click();
    } else if (index == 3) {
        tts->setText(QStringLiteral("10"));
        btnSearch5Click();
    }
}
