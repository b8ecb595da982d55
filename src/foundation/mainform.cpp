#include "foundation/mainform.h"
#include "foundation/setfiles.h"

#include "foundation/backup.h"
#include "foundation/datamodule.h"
#include "foundation/flowpicture.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/lifecycle.h"
#include "foundation/login.h"
#include "foundation/modipwd.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/stockservices.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/ui/prompt.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <climits>
#include <vector>

TF_MainForm* F_MainForm = nullptr;
QString ClosingFlag;
QString TF_MainForm::TutorialVideoAddress;
const QString TF_MainForm::kNotAvailable = QStringLiteral("此功能尚未提供");

namespace {

using FunctionWindows::Lifetime;

// What a function button does besides opening its window.
enum class Flow {
    Plain,
    GoodsIn,     // hands the goods-in window's take-overs to the return, requisition and sales windows
    Sales,       // hands the sales window's whole-document return to the sales-return window
    ExpenseFlag, // sets ExpenseDocToPrint to "0" before opening
    PosMenu,     // pops up the POS query menu
};

// The function buttons: the label of the refusal, the right (module and positions,
// any of which grants it; "role" = administrators only, empty = no right), the window
// and how long it lives.
struct Function {
    QString button;
    QString label;
    QString module;
    std::vector<int> positions;
    QString window;
    Lifetime lifetime;
    Flow flow;
};

const std::vector<Function>& functions()
{
    static const std::vector<Function> f = [] {
        const Lifetime K = Lifetime::Kept;
        const Lifetime F = Lifetime::Freed;
        auto S = [](const char* s) { return QString::fromUtf8(s); };
        std::vector<Function> v = {
            { S("btn_Menu1_Btn1"), S("采购进货！"), S("cggl"), { 1, 2, 3 }, S("TF_Cgjh"), K, Flow::GoodsIn },
            { S("btn_Menu1_Btn8"), S("采购进货！"), S("cggl"), { 1, 2, 3 }, S("TF_Cgjh"), K, Flow::GoodsIn },
            { S("btn_Menu1_Btn2"), S("采购退货！"), S("cggl"), { 4, 5, 6 }, S("TF_Cgth"), K, Flow::Plain },
            { S("btn_Menu1_Btn9"), S("采购退货！"), S("cggl"), { 4, 5, 6 }, S("TF_Cgth"), K, Flow::Plain },
            { S("btn_Menu1_Btn7"), S("采购订单！"), S("cggl"), { 18, 19, 20 }, S("TF_Cgd"), K, Flow::ExpenseFlag },
            { S("btn_Menu1_Btn5"), S("生产入库！"), S("cggl"), { 7, 8, 9 }, S("TF_Scrk"), K, Flow::ExpenseFlag },
            { S("btn_Menu1_Btn4"), S("生产退库！"), S("cggl"), { 10, 11, 12 }, S("TF_Sctk"), K, Flow::ExpenseFlag },
            { S("btn_Menu1_Btn3"), S("入库统计！"), S("cggl"), { 13 }, S("TF_Rktj"), K, Flow::Plain },
            { S("btn_Menu1_Btn6"), S("退货统计！"), S("cggl"), { 14 }, S("TF_Rkthtj"), K, Flow::Plain },
            { S("btn_Menu2_Btn1"), S("商品销售！"), S("xsgl"), { 1, 2, 3 }, S("TF_Spxs"), K, Flow::Sales },
            { S("btn_Menu2_Btn8"), S("商品销售！"), S("xsgl"), { 1, 2, 3 }, S("TF_Spxs"), K, Flow::Sales },
            { S("btn_Menu2_Btn4"), S("销售退货！"), S("xsgl"), { 4, 5, 6 }, S("TF_Xsth"), K, Flow::Plain },
            { S("btn_Menu2_Btn9"), S("销售退货！"), S("xsgl"), { 4, 5, 6 }, S("TF_Xsth"), K, Flow::Plain },
            { S("btn_Menu2_Btn3"), S("销售订单！"), S("xsgl"), { 18, 19, 20 }, S("TF_Spdd"), K, Flow::Plain },
            { S("btn_Menu2_Btn5"), S("部门领用！"), S("xsgl"), { 7, 8, 9 }, S("TF_Bmly"), K, Flow::Plain },
            { S("btn_Menu2_Btn2"), S("部门退回！"), S("xsgl"), { 10, 11, 12 }, S("TF_Bmth"), K, Flow::Plain },
            { S("btn_Menu2_Btn6"), S("出库统计！"), S("xsgl"), { 13 }, S("TF_Cktj"), K, Flow::Plain },
            { S("btn_Menu2_Btn7"), S("退库统计！"), S("xsgl"), { 14 }, S("TF_Cktktj"), K, Flow::Plain },
            { S("btn_Menu2_BtnA"), S("POS销售！"), S("xsgl"), { 21 }, S("TF_PosMainForm"), K, Flow::Plain },
            { S("btn_Menu2_BtnB"), S("POS查询！"), S("xsgl"), { 22 }, QString(), K, Flow::PosMenu },
            { S("btn_Menu3_Btn1"), S("库存调拨！"), S("kcgl"), { 2, 3, 4 }, S("TF_Kcdb"), K, Flow::Plain },
            { S("btn_Menu3_Btn3"), S("报损报溢！"), S("kcgl"), { 8, 9, 10 }, S("TF_Bsby"), K, Flow::Plain },
            { S("btn_Menu3_Btn4"), S("库存盘点！"), S("kcgl"), { 5, 6, 7 }, S("TF_Kcpd"), K, Flow::Plain },
            { S("btn_Menu3_Btn6"), S("库存报警查询！"), S("kcgl"), { 11 }, S("TF_Kcbj"), F, Flow::Plain },
            { S("btn_Menu4_Btn1"), S("进销存明细！"), S("tjgl"), { 1 }, S("TF_Jxcmx"), K, Flow::Plain },
            { S("btn_Menu4_Btn2"), S("进销存汇总！"), S("tjgl"), { 2 }, S("TF_Jxchz"), K, Flow::Plain },
            { S("btn_Menu4_Btn4"), S("发货对账单！"), S("tjgl"), { 3 }, S("TF_Fhdzd"), K, Flow::Plain },
            { S("btn_Menu4_Btn3"), S("收货对账单！"), S("tjgl"), { 4 }, S("TF_Shdzd"), K, Flow::Plain },
            { S("btn_Menu4_Btn5"), S("发货成本！"), S("tjgl"), { 5 }, S("TF_Fhcb"), K, Flow::Plain },
            { S("btn_Menu4_Btn6"), S("销售毛利！"), S("tjgl"), { 6 }, S("TF_Xsmltj"), K, Flow::Plain },
            { S("btn_Menu4_Btn7"), S("业务员销售统计！"), S("tjgl"), { 7 }, S("TF_Ywyxstj"), K, Flow::Plain },
            { S("btn_Menu8_Btn1"), S("应收登记！"), S("wlzk"), { 1, 7 }, S("TF_Yskdj"), K, Flow::Plain },
            { S("btn_Menu8_Btn2"), S("收款登记！"), S("wlzk"), { 2, 8 }, S("TF_Ysksk"), K, Flow::Plain },
            { S("btn_Menu8_Btn3"), S("应收帐表！"), S("wlzk"), { 3 }, S("TF_Yskgl"), K, Flow::Plain },
            { S("btn_Menu8_Btn4"), S("应付登记！"), S("wlzk"), { 4, 9 }, S("TF_Yfkdj"), K, Flow::Plain },
            { S("btn_Menu8_Btn5"), S("付款登记！"), S("wlzk"), { 5, 10 }, S("TF_Yfkfk"), K, Flow::Plain },
            { S("btn_Menu8_Btn6"), S("应付帐表！"), S("wlzk"), { 6 }, S("TF_Yfkgl"), K, Flow::Plain },
            { S("btn_Menu8_Btn7"), S("现金银行！"), S("wlzk"), { 13, 15 }, S("TF_Xjyh"), K, Flow::Plain },
            { S("btn_Menu8_Btn8"), S("费用及收入！"), S("wlzk"), { 12, 14 }, S("TF_Fyjsr"), K, Flow::Plain },
            { S("btn_Menu6_Btn1"), S("商品信息管理！"), S("qtcz"), { 1 }, S("TF_Spxxgl"), K, Flow::Plain },
            { S("btn_Bqjl"), S("商品信息管理！"), S("qtcz"), { 1 }, S("TF_Spxxgl"), K, Flow::Plain },
            { S("btn_Menu6_Btn2"), S("供货商管理！"), S("qtcz"), { 2 }, S("TF_Ghsgl"), K, Flow::Plain },
            { S("btn_Menu6_Btn3"), S("客户管理！"), S("qtcz"), { 3 }, S("TF_Khgl"), K, Flow::Plain },
            { S("btn_Menu6_Btn9"), S("员工管理！"), S("qtcz"), { 4 }, S("TF_User"), F, Flow::Plain },
            { S("btn_Menu6_Btn8"), S("仓库设置！"), S("qtcz"), { 5 }, S("TF_Ckgl"), F, Flow::Plain },
            { S("btn_Menu6_Btn6"), S("操作员设置！"), S("qtcz"), { 6 }, S("TF_Admin"), F, Flow::Plain },
            { S("btn_Menu6_Btn5"), S("系统设置！"), S("qtcz"), { 7 }, S("TF_Xtcs"), F, Flow::Plain },
            { S("btn_Menu6_Btn4"), S("部门管理！"), S("qtcz"), { 8 }, S("TF_Dept"), F, Flow::Plain },
            { S("btn_Menu6_BtnB"), S("备份/恢复数据库！"), S("qtcz"), { 9 }, S("TF_Backup"), F, Flow::Plain },
            { S("btn_Menu6_BtnA"), S("期初建账！"), S("qtcz"), { 12 }, S("TF_Qcjz"), F, Flow::Plain },
            { S("btn_Menu6_BtnC1"), S("帐套管理！"), S("qtcz"), { 13 }, S("TF_Ztgl"), F, Flow::Plain },
            { S("btn_Menu6_BtnC"), S("会员管理！"), S("qtcz"), { 20 }, S("TF_Hygl"), K, Flow::Plain },
            { S("btn_Menu6_Btn7"), QString(), S("role"), {}, S("TF_Role"), F, Flow::Plain },
            { S("btn_Menu6_BtnD"), QString(), QString(), {}, S("TF_Xtwh"), F, Flow::Plain },
            { S("btn_Djcx"), S("单据查询！"), S("tjgl"), { 8 }, S("TF_Djcx"), K, Flow::Plain },
            { S("btn_Lxwm"), QString(), QString(), {}, S("TF_Lxwm"), F, Flow::Plain },
        };
        for (const char* cangku :
            { "img_Menu1_Cangku", "img_Menu2_Cangku", "img_Menu3_Cangku", "img_Menu4_Cangku", "img_Menu8_Cangku" })
            v.push_back({ S(cangku), S("库存商品变动查询！"), S("kcgl"), { 1 }, S("TF_Kccx"), K, Flow::Plain });
        return v;
    }();
    return f;
}

const Function* findFunction(const QString& button)
{
    for (const Function& f : functions())
        if (f.button == button)
            return &f;
    return nullptr;
}

struct PosItem {
    QString caption;
    QString label;
    QString module;
    int position;
    QString window;
};

const std::vector<PosItem>& posItems()
{
    static const std::vector<PosItem> items = {
        { QStringLiteral("POS销售流水账(&T)"), QStringLiteral("POS销售流水账！"), QStringLiteral("xsgl"), 22,
            QStringLiteral("TF_Posxs_Lsz") },
        { QStringLiteral("POS商品销售统计(&U)"), QStringLiteral("POS商品销售统计！"), QStringLiteral("xsgl"), 22,
            QStringLiteral("TF_Posxs_Tj") },
        { QStringLiteral("POS销售排行(&V)"), QStringLiteral("POS销售排行！"), QStringLiteral("xsgl"), 22,
            QStringLiteral("TF_Posxs_Ph") },
        { QStringLiteral("会员消费统计(&W)"), QStringLiteral("会员消费统计！"), QStringLiteral("xsgl"), 22,
            QStringLiteral("TF_Posxs_Hy") },
        { QStringLiteral("收银员收银统计(&X)"), QStringLiteral("收银员收银统计！"), QStringLiteral("tjgl"), 18,
            QStringLiteral("TF_Posxs_Sytj") },
        { QStringLiteral("收银员出入款管理(&Y)"), QStringLiteral("收银员出入款管理！"), QStringLiteral("tjgl"), 19,
            QStringLiteral("TF_Posxs_Crk") },
        { QStringLiteral("POS销售提成(&Z)"), QStringLiteral("POS销售提成！"), QStringLiteral("xsgl"), 22,
            QStringLiteral("TF_Posxs_Tc") },
    };
    return items;
}

bool anyRight(const QString& module, const std::vector<int>& positions)
{
    // Tested in the order given; the first that holds grants the function.
    for (int p : positions)
        if (HasRight(module, p))
            return true;
    return false;
}

// The background tile: a quiet texture of ours.
QPixmap makeBackgroundTile()
{
    QPixmap tile(48, 48);
    tile.fill(QColor(0xf4, 0xf6, 0xf8));
    QPainter p(&tile);
    p.setPen(QColor(0xec, 0xef, 0xf3));
    p.drawLine(0, 47, 47, 0);
    p.drawLine(0, 23, 23, 0);
    p.drawLine(24, 47, 47, 24);
    return tile;
}

} // namespace

TF_MainForm::TF_MainForm(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("F_MainForm"));
    F_MainForm = this;
    SetEscCloses(false);
    FormCreate();
}

TF_MainForm::~TF_MainForm()
{
    // Kept function windows go with the main window, while the application still exists.
    FunctionWindows::FreeKept();
    if (F_MainForm == this)
        F_MainForm = nullptr;
}

void TF_MainForm::FormCreate()
{
    SetProductConstants();
    setWindowTitle(BrandWord + QStringLiteral("服装进销存管理系统 ") + ProductVersion);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    bg_ = makeBackgroundTile();

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    BuildTopBar(root);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    auto* menuColumn = new QWidget(this);
    menuColumn->setObjectName(QStringLiteral("menuColumn"));
    menuColumn->setAttribute(Qt::WA_StyledBackground, true);
    menuColumn->setFixedWidth(150);
    auto* menuLayout = new QVBoxLayout(menuColumn);
    menuLayout->setContentsMargins(0, 12, 0, 12);
    menuLayout->setSpacing(2);
    auto* group = new QButtonGroup(this);
    auto makeMenu = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), menuColumn);
        b->setObjectName(QString::fromUtf8(name));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        group->addButton(b);
        menuLayout->addWidget(b);
        return b;
    };
    menu1_btn = makeMenu("menu1_btn", "入库管理 ");
    menu2_btn = makeMenu("menu2_btn", "出库管理 ");
    menu3_btn = makeMenu("menu3_btn", "库存管理 ");
    menu4_btn = makeMenu("menu4_btn", "统计报表 ");
    menu5_btn = makeMenu("menu5_btn", "往来账款 ");
    menu6_btn = makeMenu("menu6_btn", "系统设置 ");
    menuLayout->addStretch();
    connect(menu1_btn, &QPushButton::clicked, this, [this] { menu1_btnClick(); });
    connect(menu2_btn, &QPushButton::clicked, this, [this] { menu2_btnClick(); });
    connect(menu3_btn, &QPushButton::clicked, this, [this] { menu3_btnClick(); });
    connect(menu4_btn, &QPushButton::clicked, this, [this] { menu4_btnClick(); });
    connect(menu5_btn, &QPushButton::clicked, this, [this] { menu5_btnClick(); });
    connect(menu6_btn, &QPushButton::clicked, this, [this] { menu6_btnClick(); });

    stack_ = new QStackedWidget(this);
    BuildPanels(stack_);
    middle->addWidget(menuColumn);
    middle->addWidget(stack_, 1);
    root->addLayout(middle, 1);

    auto* status = new QWidget(this);
    status->setObjectName(QStringLiteral("statusBar"));
    status->setAttribute(Qt::WA_StyledBackground, true);
    auto* statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(8, 2, 8, 2);
    auto pane = [&](const char* name, int stretch) {
        auto* l = new QLabel(status);
        l->setObjectName(QString::fromUtf8(name));
        statusLayout->addWidget(l, stretch);
        return l;
    };
    RzStatusPane_Rj = pane("RzStatusPane_Rj", 2);
    RzStatusPane_Admin = pane("RzStatusPane_Admin", 1);
    RzStatusPane_LoginTime = pane("RzStatusPane_LoginTime", 2);
    pane("RzStatusPane4", 1);
    pane("RzStatusPane5", 1);
    root->addWidget(status);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    TimerBackUp = new QTimer(this);
    TimerBackUp->setObjectName(QStringLiteral("TimerBackUp"));
    connect(TimerBackUp, &QTimer::timeout, this, [this] { TimerBackUpTimer(); });

    // Enter must not press whichever button a dialog would take as its default.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
    UpdateFunctionAvailability();
    ShowPanel(menu1_btn, RzPanel_Menu1);
    resize(1024, 700);
}

void TF_MainForm::BuildTopBar(QBoxLayout* root)
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("topBar"));
    bar->setAttribute(Qt::WA_StyledBackground, true);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(14, 6, 10, 6);
    layout->setSpacing(4);
    auto* title = new QLabel(BrandWord + QStringLiteral(" 服装进销存管理系统"), bar);
    title->setObjectName(QStringLiteral("titleLabel"));
    layout->addWidget(title);
    layout->addStretch();
    auto tool = [&](const char* name, const char* caption) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromUtf8(name));
        b->setText(QString::fromUtf8(caption));
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        layout->addWidget(b);
        return b;
    };
    btn_Bqjl = tool("btn_Bqjl", "商品管理");
    btn_Login = tool("btn_Login", "重新登录");
    btn_ModiPwd = tool("btn_ModiPwd", "修改密码");
    btn_Djcx = tool("btn_Djcx", "单据查询");
    btn_Help = tool("btn_Help", "入门操作");
    btn_Spjc = tool("btn_Spjc", "视频教程");
    btn_Lxwm = tool("btn_Lxwm", "联系我们");
    btn_Tcxt = tool("btn_Tcxt", "退出系统");
    connect(btn_Bqjl, &QToolButton::clicked, this, [this] { ClickFunction(QStringLiteral("btn_Bqjl")); });
    connect(btn_Djcx, &QToolButton::clicked, this, [this] { ClickFunction(QStringLiteral("btn_Djcx")); });
    connect(btn_Lxwm, &QToolButton::clicked, this, [this] { ClickFunction(QStringLiteral("btn_Lxwm")); });
    connect(btn_Login, &QToolButton::clicked, this, [this] { btn_LoginClick(); });
    connect(btn_ModiPwd, &QToolButton::clicked, this, [this] { btn_ModiPwdClick(); });
    connect(btn_Help, &QToolButton::clicked, this, [this] { btn_HelpClick(); });
    connect(btn_Spjc, &QToolButton::clicked, this, [this] { btn_SpjcClick(); });
    connect(btn_Tcxt, &QToolButton::clicked, this, [this] { btn_TcxtClick(); });
    root->addWidget(bar);
}

void TF_MainForm::BuildPanels(QStackedWidget* stack)
{
    const int A = FlowPicture::First;
    const int B = FlowPicture::Second;
    const int Both = FlowPicture::Both;
    auto connectButton = [this](QPushButton* b) {
        const QString name = b->objectName();
        connect(b, &QPushButton::clicked, this, [this, name] { ClickFunction(name); });
    };
    auto button = [&](FlowPicture* p, const char* name, const char* caption, double col, double row,
                      int variants = FlowPicture::Both, double span = 1) {
        connectButton(p->AddButton(QString::fromUtf8(name), QString::fromUtf8(caption), col, row, variants, span));
    };
    auto cangku = [&](FlowPicture* p, const char* name, double col, double row, double span) {
        connectButton(p->AddButton(
            QString::fromUtf8(name), QStringLiteral("仓库\n库存查询"), col, row, FlowPicture::Both, span, true));
    };
    auto station = [](FlowPicture* p, const char* id, const char* caption, double col, double row, double span = 1,
                       int variants = FlowPicture::Both) {
        p->AddStation(QString::fromUtf8(id), QString::fromUtf8(caption), col, row, span, variants);
    };
    auto arrow
        = [](FlowPicture* p, const char* from, const char* to, int variants = FlowPicture::Both, bool twoWay = false) {
              p->AddArrow(QString::fromUtf8(from), QString::fromUtf8(to), variants, twoWay);
          };

    // Goods in: from the supplier (and the workshop) into the warehouse, returns back.
    auto* p1 = new FlowPicture(QStringLiteral("入库管理流程"), 7, 4, stack);
    p1->setObjectName(QStringLiteral("RzPanel_Menu1"));
    p1->AddLane(QStringLiteral("统计查询"), 6, 0.5, 1, 3);
    station(p1, "supplier", "供货商", 0, 0, 2);
    station(p1, "workshop", "生产车间", 0, 2, 2);
    button(p1, "btn_Menu1_Btn7", "采购订单", 1, 0, B);
    button(p1, "btn_Menu1_Btn1", "采购进货", 2, 0, A);
    button(p1, "btn_Menu1_Btn8", "采购进货", 2, 0, B);
    button(p1, "btn_Menu1_Btn2", "采购退货", 2, 1, A);
    button(p1, "btn_Menu1_Btn9", "采购退货", 2, 1, B);
    button(p1, "btn_Menu1_Btn5", "生产入库", 2, 2);
    button(p1, "btn_Menu1_Btn4", "生产退库", 2, 3);
    cangku(p1, "img_Menu1_Cangku", 4, 0, 4);
    button(p1, "btn_Menu1_Btn3", "入库统计", 6, 1);
    button(p1, "btn_Menu1_Btn6", "退货统计", 6, 2);
    arrow(p1, "supplier", "btn_Menu1_Btn1", A);
    arrow(p1, "btn_Menu1_Btn1", "img_Menu1_Cangku", A);
    arrow(p1, "img_Menu1_Cangku", "btn_Menu1_Btn2", A);
    arrow(p1, "btn_Menu1_Btn2", "supplier", A);
    arrow(p1, "supplier", "btn_Menu1_Btn7", B);
    arrow(p1, "btn_Menu1_Btn7", "btn_Menu1_Btn8", B);
    arrow(p1, "btn_Menu1_Btn8", "img_Menu1_Cangku", B);
    arrow(p1, "img_Menu1_Cangku", "btn_Menu1_Btn9", B);
    arrow(p1, "btn_Menu1_Btn9", "supplier", B);
    arrow(p1, "workshop", "btn_Menu1_Btn5");
    arrow(p1, "btn_Menu1_Btn5", "img_Menu1_Cangku");
    arrow(p1, "img_Menu1_Cangku", "btn_Menu1_Btn4");
    arrow(p1, "btn_Menu1_Btn4", "workshop");
    RzPanel_Menu1 = p1;

    // Goods out: from the warehouse to the customer and the departments, returns back.
    auto* p2 = new FlowPicture(QStringLiteral("出库管理流程"), 7, 5, stack);
    p2->setObjectName(QStringLiteral("RzPanel_Menu2"));
    p2->AddLane(QStringLiteral("门店零售"), 6, 0, 1, 2.4, Both, QStringLiteral("btn_Menu2_BtnA"));
    p2->AddLane(QStringLiteral("统计查询"), 6, 2.6, 1, 2.4);
    cangku(p2, "img_Menu2_Cangku", 0, 0, 5);
    button(p2, "btn_Menu2_Btn3", "销售订单", 2, 0, B);
    button(p2, "btn_Menu2_Btn1", "商品销售", 2, 0.5, A);
    button(p2, "btn_Menu2_Btn8", "商品销售", 2, 1, B);
    button(p2, "btn_Menu2_Btn4", "销售退货", 2, 1.5, A);
    button(p2, "btn_Menu2_Btn9", "销售退货", 2, 2, B);
    station(p2, "customer", "客户", 4, 0.5, 2, A);
    station(p2, "customer2", "客户", 4, 0, 3, B);
    button(p2, "btn_Menu2_Btn5", "部门领用", 2, 3);
    button(p2, "btn_Menu2_Btn2", "部门退回", 2, 4);
    station(p2, "dept", "部门", 4, 3, 2);
    button(p2, "btn_Menu2_BtnA", "POS销售", 6, 0.55);
    button(p2, "btn_Menu2_BtnB", "POS查询", 6, 1.35);
    button(p2, "btn_Menu2_Btn6", "出库统计", 6, 3);
    button(p2, "btn_Menu2_Btn7", "退库统计", 6, 4);
    arrow(p2, "img_Menu2_Cangku", "btn_Menu2_Btn1", A);
    arrow(p2, "btn_Menu2_Btn1", "customer", A);
    arrow(p2, "customer", "btn_Menu2_Btn4", A);
    arrow(p2, "btn_Menu2_Btn4", "img_Menu2_Cangku", A);
    arrow(p2, "customer2", "btn_Menu2_Btn3", B);
    arrow(p2, "btn_Menu2_Btn3", "btn_Menu2_Btn8", B);
    arrow(p2, "img_Menu2_Cangku", "btn_Menu2_Btn8", B);
    arrow(p2, "btn_Menu2_Btn8", "customer2", B);
    arrow(p2, "customer2", "btn_Menu2_Btn9", B);
    arrow(p2, "btn_Menu2_Btn9", "img_Menu2_Cangku", B);
    arrow(p2, "img_Menu2_Cangku", "btn_Menu2_Btn5");
    arrow(p2, "btn_Menu2_Btn5", "dept");
    arrow(p2, "dept", "btn_Menu2_Btn2");
    arrow(p2, "btn_Menu2_Btn2", "img_Menu2_Cangku");
    RzPanel_Menu2 = p2;

    // Stock: moves between warehouses, losses and overflows, counts.
    auto* p3 = new FlowPicture(QStringLiteral("库存管理流程"), 7, 3, stack);
    p3->setObjectName(QStringLiteral("RzPanel_Menu3"));
    p3->AddLane(QStringLiteral("库存预警"), 6, 0.5, 1, 2);
    cangku(p3, "img_Menu3_Cangku", 0, 0, 3);
    button(p3, "btn_Menu3_Btn1", "库存调拨", 2, 0);
    station(p3, "otherwh", "调入仓库", 4, 0);
    button(p3, "btn_Menu3_Btn3", "报损报溢", 2, 1);
    station(p3, "loss", "损耗 / 溢余", 4, 1);
    button(p3, "btn_Menu3_Btn4", "库存盘点", 2, 2);
    station(p3, "count", "实盘数量", 4, 2);
    button(p3, "btn_Menu3_Btn6", "库存报警查询", 6, 1);
    arrow(p3, "img_Menu3_Cangku", "btn_Menu3_Btn1");
    arrow(p3, "btn_Menu3_Btn1", "otherwh");
    arrow(p3, "img_Menu3_Cangku", "btn_Menu3_Btn3", Both, true);
    arrow(p3, "btn_Menu3_Btn3", "loss", Both, true);
    arrow(p3, "count", "btn_Menu3_Btn4");
    arrow(p3, "btn_Menu3_Btn4", "img_Menu3_Cangku");
    RzPanel_Menu3 = p3;

    // Reports: from the stock ledger to statements, cost and profit.
    auto* p4 = new FlowPicture(QStringLiteral("统计报表"), 7, 3, stack);
    p4->setObjectName(QStringLiteral("RzPanel_Menu4"));
    p4->AddLane(QStringLiteral("进销存"), 2, 0, 1, 2);
    p4->AddLane(QStringLiteral("往来对账"), 4, 0, 1, 2);
    p4->AddLane(QStringLiteral("成本利润"), 6, 0, 1, 3);
    cangku(p4, "img_Menu4_Cangku", 0, 0, 3);
    button(p4, "btn_Menu4_Btn1", "进销存明细", 2, 0);
    button(p4, "btn_Menu4_Btn2", "进销存汇总", 2, 1);
    button(p4, "btn_Menu4_Btn4", "发货对账单", 4, 0);
    button(p4, "btn_Menu4_Btn3", "收货对账单", 4, 1);
    button(p4, "btn_Menu4_Btn5", "发货成本", 6, 0);
    button(p4, "btn_Menu4_Btn6", "销售毛利", 6, 1);
    button(p4, "btn_Menu4_Btn7", "业务员销售统计", 6, 2);
    arrow(p4, "img_Menu4_Cangku", "btn_Menu4_Btn1");
    arrow(p4, "img_Menu4_Cangku", "btn_Menu4_Btn2");
    arrow(p4, "btn_Menu4_Btn1", "btn_Menu4_Btn4");
    arrow(p4, "btn_Menu4_Btn2", "btn_Menu4_Btn3");
    arrow(p4, "btn_Menu4_Btn4", "btn_Menu4_Btn5");
    arrow(p4, "btn_Menu4_Btn3", "btn_Menu4_Btn6");
    arrow(p4, "btn_Menu4_Btn6", "btn_Menu4_Btn7");
    RzPanel_Menu4 = p4;

    // Accounts: what customers owe and pay, what is owed to suppliers and paid, and the cash.
    auto* p8 = new FlowPicture(QStringLiteral("往来账款流程"), 7, 3, stack);
    p8->setObjectName(QStringLiteral("RzPanel_Menu8"));
    station(p8, "customer", "客户", 0, 0);
    cangku(p8, "img_Menu8_Cangku", 0, 1, 1);
    station(p8, "supplier", "供货商", 0, 2);
    button(p8, "btn_Menu8_Btn1", "应收登记", 2, 0);
    button(p8, "btn_Menu8_Btn2", "收款登记", 4, 0);
    button(p8, "btn_Menu8_Btn3", "应收帐表", 6, 0);
    button(p8, "btn_Menu8_Btn8", "费用及收入", 2, 1);
    button(p8, "btn_Menu8_Btn7", "现金银行", 4, 1);
    button(p8, "btn_Menu8_Btn4", "应付登记", 2, 2);
    button(p8, "btn_Menu8_Btn5", "付款登记", 4, 2);
    button(p8, "btn_Menu8_Btn6", "应付帐表", 6, 2);
    arrow(p8, "customer", "btn_Menu8_Btn1");
    arrow(p8, "btn_Menu8_Btn1", "btn_Menu8_Btn2");
    arrow(p8, "btn_Menu8_Btn2", "btn_Menu8_Btn3");
    arrow(p8, "btn_Menu8_Btn2", "btn_Menu8_Btn7");
    arrow(p8, "btn_Menu8_Btn8", "btn_Menu8_Btn7");
    arrow(p8, "btn_Menu8_Btn7", "btn_Menu8_Btn5");
    arrow(p8, "supplier", "btn_Menu8_Btn4");
    arrow(p8, "btn_Menu8_Btn4", "btn_Menu8_Btn5");
    arrow(p8, "btn_Menu8_Btn5", "btn_Menu8_Btn6");
    RzPanel_Menu8 = p8;

    // Settings: the system first, then the master data, then the opening stock.
    auto* p6 = new FlowPicture(QStringLiteral("系统设置"), 7, 3, stack);
    p6->setObjectName(QStringLiteral("RzPanel_Menu6"));
    p6->AddLane(QStringLiteral("系统管理"), 0, 0, 7, 1);
    p6->AddLane(QStringLiteral("基础资料"), 0, 1, 7, 1);
    p6->AddLane(QStringLiteral("开始使用"), 0, 2, 7, 1);
    button(p6, "btn_Menu6_Btn5", "系统设置", 1, 0);
    button(p6, "btn_Menu6_Btn6", "操作员设置", 2, 0);
    button(p6, "btn_Menu6_Btn7", "角色管理", 3, 0);
    button(p6, "btn_Menu6_BtnB", "备份/恢复\n数据库", 4, 0);
    button(p6, "btn_Menu6_BtnD", "系统维护", 5, 0);
    button(p6, "btn_Menu6_BtnC1", "帐套管理", 6, 0);
    button(p6, "btn_Menu6_BtnC", "会员管理", 6, 0);
    button(p6, "btn_Menu6_Btn1", "商品信息管理", 1, 1);
    button(p6, "btn_Menu6_Btn2", "供货商管理", 2, 1);
    button(p6, "btn_Menu6_Btn3", "客户管理", 3, 1);
    button(p6, "btn_Menu6_Btn9", "员工管理", 4, 1);
    button(p6, "btn_Menu6_Btn4", "部门管理", 5, 1);
    button(p6, "btn_Menu6_Btn8", "仓库设置", 6, 1);
    button(p6, "btn_Menu6_BtnA", "期初建账", 1, 2);
    arrow(p6, "btn_Menu6_Btn5", "btn_Menu6_Btn1");
    arrow(p6, "btn_Menu6_Btn1", "btn_Menu6_BtnA");
    RzPanel_Menu6 = p6;

    for (FlowPicture* p : { p1, p2, p3, p4, p8, p6 })
        stack->addWidget(p);

    PopupMenu_Pos = new QMenu(this);
    PopupMenu_Pos->setObjectName(QStringLiteral("PopupMenu_Pos"));
    PopupMenu_Pos->setToolTipsVisible(true);
    for (int i = 0; i < int(posItems().size()); ++i) {
        QAction* a = PopupMenu_Pos->addAction(posItems()[i].caption);
        connect(a, &QAction::triggered, this, [this, i] { PosMenuClick(i); });
    }
}

QPushButton* TF_MainForm::FunctionButton(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

void TF_MainForm::UpdateFunctionAvailability()
{
    auto mark = [](QWidget* w, bool available) {
        w->setEnabled(available);
        w->setToolTip(available ? QString() : kNotAvailable);
    };
    const QList<QAction*> actions = PopupMenu_Pos->actions();
    bool anyPos = false;
    for (int i = 0; i < actions.size(); ++i) {
        const bool available = FunctionWindows::Available(posItems()[i].window);
        actions[i]->setEnabled(available);
        actions[i]->setToolTip(available ? QString() : kNotAvailable);
        anyPos = anyPos || available;
    }
    for (const Function& f : functions()) {
        QWidget* w = findChild<QWidget*>(f.button);
        if (!w)
            continue;
        mark(w, f.flow == Flow::PosMenu ? anyPos : FunctionWindows::Available(f.window));
    }
    mark(btn_Spjc, !TutorialVideoAddress.isEmpty());
}

// ---- refusals ----

void TF_MainForm::dispMsg(const QString& label)
{
    Prompt::Info(
        QStringLiteral("您没有权限进行") + label + QStringLiteral("\r\n\r\n") + QStringLiteral("或者没有可用的仓库。"),
        Prompt::kInfoCaption, Prompt::Icon::Information);
}

void TF_MainForm::dispMsg2()
{
    Prompt::Info(QStringLiteral("只有系统管理员才能使用此功能！"), Prompt::kInfoCaption, Prompt::Icon::Information);
}

// ---- menu buttons and panels ----

void TF_MainForm::ShowPanel(QPushButton* menu, FlowPicture* panel)
{
    menu->setChecked(true);
    stack_->setCurrentWidget(panel);
}

void TF_MainForm::menu1_btnClick()
{
    RzPanel_Menu1->SetVariant(IsTrue(UsePurchaseOrders) ? FlowPicture::Second : FlowPicture::First);
    ShowPanel(menu1_btn, RzPanel_Menu1);
}

void TF_MainForm::menu2_btnClick()
{
    RzPanel_Menu2->SetVariant(IsTrue(UseSalesOrders) ? FlowPicture::Second : FlowPicture::First);
    const bool pos = IsTrue(UsePos);
    RzPanel_Menu2->SetBoxShown(QStringLiteral("btn_Menu2_BtnA"), pos);
    RzPanel_Menu2->SetBoxShown(QStringLiteral("btn_Menu2_BtnB"), pos);
    ShowPanel(menu2_btn, RzPanel_Menu2);
}

void TF_MainForm::menu3_btnClick()
{
    ShowPanel(menu3_btn, RzPanel_Menu3);
}

void TF_MainForm::menu4_btnClick()
{
    ShowPanel(menu4_btn, RzPanel_Menu4);
}

void TF_MainForm::menu5_btnClick()
{
    ShowPanel(menu5_btn, RzPanel_Menu8);
}

void TF_MainForm::menu6_btnClick()
{
    // Members and account sets share one place: the members with the till, the account sets without.
    const bool pos = IsTrue(UsePos);
    RzPanel_Menu6->SetBoxShown(QStringLiteral("btn_Menu6_BtnC"), pos);
    RzPanel_Menu6->SetBoxShown(QStringLiteral("btn_Menu6_BtnC1"), !pos);
    ShowPanel(menu6_btn, RzPanel_Menu6);
}

// ---- function buttons ----

void TF_MainForm::ClickFunction(const QString& buttonName)
{
    const Function* f = findFunction(buttonName);
    if (!f)
        return;
    if (f->module == QLatin1String("role")) {
        if (CurrentRoleSn != QLatin1String("100001")) {
            dispMsg2();
            return;
        }
    } else if (!f->module.isEmpty() && !anyRight(f->module, f->positions)) {
        dispMsg(f->label);
        return;
    }

    switch (f->flow) {
    case Flow::PosMenu:
        if (QPushButton* b = FunctionButton(buttonName))
            PopupMenu_Pos->popup(b->mapToGlobal(QPoint(b->width(), 0)));
        return;
    case Flow::GoodsIn:
        if (!FunctionWindows::Available(f->window))
            return;
        ExpenseDocToPrint = QStringLiteral("0");
        WholeReturnDocNo.clear();
        SourceDocNo.clear();
        ResultText.clear();
        FunctionWindows::Open(f->window, f->lifetime);
        // Each take-over of the goods-in window opens its follow-up window, in this order.
        if (!WholeReturnDocNo.isEmpty())
            FunctionWindows::Open(QStringLiteral("TF_Cgth"), Lifetime::Kept);
        if (!SourceDocNo.isEmpty())
            FunctionWindows::Open(QStringLiteral("TF_Bmly"), Lifetime::Kept);
        if (!ResultText.isEmpty())
            FunctionWindows::Open(QStringLiteral("TF_Spxs"), Lifetime::Kept);
        return;
    case Flow::Sales:
        if (!FunctionWindows::Available(f->window))
            return;
        ExpenseDocToPrint = QStringLiteral("0");
        WholeReturnDocNo.clear();
        FunctionWindows::Open(f->window, f->lifetime);
        if (!WholeReturnDocNo.isEmpty())
            FunctionWindows::Open(QStringLiteral("TF_Xsth"), Lifetime::Kept);
        WholeReturnDocNo.clear();
        return;
    case Flow::ExpenseFlag:
        if (!FunctionWindows::Available(f->window))
            return;
        ExpenseDocToPrint = QStringLiteral("0");
        FunctionWindows::Open(f->window, f->lifetime);
        return;
    case Flow::Plain:
        FunctionWindows::Open(f->window, f->lifetime);
        return;
    }
}

void TF_MainForm::PosMenuClick(int item)
{
    if (item < 0 || item >= int(posItems().size()))
        return;
    const PosItem& p = posItems()[item];
    if (!HasRight(p.module, p.position)) {
        dispMsg(p.label);
        return;
    }
    FunctionWindows::Open(p.window, Lifetime::Kept);
}

// ---- top bar ----

void TF_MainForm::SetStatusPanes()
{
    RzStatusPane_Admin->setText(QStringLiteral("操作员：") + CurrentAdminName);
    RzStatusPane_Rj->setText(QStringLiteral("当前帐套:") + CurrentAccountSetName);
}

void TF_MainForm::btn_LoginClick()
{
    OpenMode = QStringLiteral("hb");
    if (!F_Login)
        F_Login = new TF_Login();
    F_Login->ShowModal();
    OpenMode.clear();
    SetStatusPanes();
}

void TF_MainForm::btn_ModiPwdClick()
{
    if (!F_PwdModi)
        F_PwdModi = new TF_PwdModi();
    F_PwdModi->ShowModal();
}

void TF_MainForm::btn_HelpClick()
{
    Prompt::OpenDocument(QUrl::fromLocalFile(ProgramFolder::File(QStringLiteral("readme2.htm"))));
}

void TF_MainForm::btn_SpjcClick()
{
    if (!TutorialVideoAddress.isEmpty())
        Prompt::OpenDocument(QUrl(TutorialVideoAddress));
}

void TF_MainForm::btn_TcxtClick()
{
    close();
}

bool TF_MainForm::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_F1:
        Prompt::OpenDocument(QUrl::fromLocalFile(ProgramFolder::File(QStringLiteral("readme.htm"))));
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

// ---- life cycle ----

void TF_MainForm::showEvent(QShowEvent* e)
{
    // Not Form's showing step: here the activation follows the first login.
    QDialog::showEvent(e);
    if (!firstShown_ && ClosingFlag != QLatin1String("1")) {
        firstShown_ = true;
        QTimer::singleShot(0, this, [this] { FormShow(); });
    }
}

void TF_MainForm::FormShow()
{
    if (ClosingFlag == QLatin1String("1"))
        return;
    firstShown_ = true;
    if (!F_Skin)
        F_Skin = new TF_Skin(this);
    try {
        F_Skin->ChangeSkin(QStringLiteral("iMaginary"));
    } catch (const std::exception& e) {
        // Without its skin the program still works; the login must not be skipped.
        if (F_DataModule)
            F_DataModule->ApplicationEvents1Exception(this, e);
    }

    OpenMode = QStringLiteral("hb");
    F_Login = new TF_Login();
    OpenMode.clear();
    F_Login->ShowModal();
    delete F_Login;
    F_Login = nullptr;
    if (ProgramEnding())
        return;

    SetStatusPanes();
    RzStatusPane_LoginTime->setText(QStringLiteral("登录时间:") + Clock::Today().toString(QStringLiteral("yyyy-MM-dd"))
        + QStringLiteral(" ") + Clock::Now().toString(QStringLiteral("HH:mm:ss")));
    Timer1->start(200);
    // The main window becomes the active window once the login has closed.
    Activate();
}

void TF_MainForm::FormActivate()
{
    menu1_btnClick();
    LoadSystemSettings();
    ExpenseDocToPrint.clear();
    WholeReturnDocNo.clear();
    ClosingFlag.clear();
    PrepareStockRows(Clock::Today().toString(QStringLiteral("yyyy-MM")));
    setWindowTitle(
        BrandWord + QStringLiteral("服装进销存管理系统 [") + CompanyShortName + QStringLiteral("] ") + ProductVersion);
    ApplyFontSize(FontSize);
    ArmBackupTimer();
    UpdateFunctionAvailability();
    show();
}

void TF_MainForm::ArmBackupTimer()
{
    TimerBackUp->stop();
    if (AutoBackup != QLatin1String("1"))
        return;
    // No interval, no timer: a zero interval would back up without pause.
    const qint64 ms = qint64(BackupIntervalHours) * 3600000;
    if (ms <= 0)
        return;
    TimerBackUp->start(int(std::min<qint64>(ms, INT_MAX)));
}

void TF_MainForm::Timer1Timer()
{
    Timer1->stop();
    if (IsTrue(ShowDailyTipAtStart))
        FunctionWindows::Open(QStringLiteral("TF_Mryt"), Lifetime::Freed);
    if (IsTrue(ShowRemindersAtStart))
        FunctionWindows::Open(QStringLiteral("TF_Sjtx"), Lifetime::Freed);
}

void TF_MainForm::TimerBackUpTimer()
{
    backupDatabase();
}

bool TF_MainForm::FormClose()
{
    if (Prompt::YesNo(QStringLiteral("是否要退出系统？"), Prompt::kAskCaption, Prompt::Icon::Information)
        != Prompt::Answer::Yes)
        return false;
    ExitConfirmed();
    return true;
}

void TF_MainForm::ExitConfirmed()
{
    try {
        WriteLog(QStringLiteral("退出系统"));
    } catch (const std::exception&) {
        // The exit goes on without its log line.
    }
    if (BackupOnExit == QLatin1String("1"))
        backupDatabase();
    if (BackupOnExit != QLatin1String("1") && AutoBackup != QLatin1String("1"))
        backupDatabase();
    ClosingFlag = QStringLiteral("1");
    Timer1->stop();
    TimerBackUp->stop();
    EndProgram(0);
}

void TF_MainForm::ReportBackupFailure(const QString& why)
{
    Prompt::Info(QStringLiteral("数据备份失败！\r\n\r\n") + why, Prompt::kInfoCaption, Prompt::Icon::Warning);
}

bool TF_MainForm::backupDatabase()
{
    try {
        if (BackupOnExit != QLatin1String("1") && AutoBackup != QLatin1String("1")) {
            // No backup configured yet: write the defaults and back up into the default folder.
            const QString folder = ProgramFolder::Path() + QStringLiteral("数据备份");
            const QString lower = folder.toLower();
            if (lower.contains(QLatin1String("zzinstall")) || lower.contains(QLatin1String("release"))
                || lower.contains(QLatin1String("debug")))
                return false;
            QDir().mkpath(folder);
            ExecSQL(QStringLiteral("delete from jxc_backup"));
            F_DataModule->ADOConn.Exec(
                QStringLiteral("insert into jxc_backup (back_auto,back_sj,back_days,back_path,back_exit) "
                               "values (0,12,15,:path,1)"),
                { { QStringLiteral("path"), folder + QLatin1Char('/') } });
        }
        QString path = QueryScalar(QStringLiteral("select back_path from jxc_backup"));
        if (path.isEmpty())
            return false;
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');

        // A file set is copied through the connection that has it open; a set on a
        // server is dumped by the server's own tool.
        const BackupResult r = BackupAccountSet(CurrentDbName, path, CurrentAccountSetName, Clock::Now());
        if (!r.ok) {
            // Old copies stay when no new one was made.
            ReportBackupFailure(r.error);
            return false;
        }
        deleteBackupFiles(path);
        return true;
    } catch (const std::exception& e) {
        ReportBackupFailure(QString::fromUtf8(e.what()));
        return false;
    }
}

void TF_MainForm::deleteBackupFiles(const QString& folder)
{
    const int days = QueryScalar(QStringLiteral("select back_days from jxc_backup")).toInt();
    DeleteOldBackupFiles(folder, days, Clock::Today());
}

void TF_MainForm::paintEvent(QPaintEvent* e)
{
    if (ClosingFlag == QLatin1String("1"))
        return;
    QPainter p(this);
    p.drawTiledPixmap(rect(), bg_);
    Q_UNUSED(e);
}
