#include "pos/posmainform.h"

#include "foundation/colorsize.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/keynames.h"
#include "foundation/keypreview.h"
#include "foundation/lifecycle.h"
#include "foundation/modipwd.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/stockservices.h"
#include "listing/gridformats.h"
#include "masterdata/boundsql.h"
#include "masterdata/keyfilter.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/device/cashdrawer.h"
#include "platform/device/customerdisplay.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "pos/posauth.h"
#include "pos/poscart.h"
#include "pos/pospricing.h"
#include "pos/posxssele.h"
#include "pos/xtsd.h"
#include "posting/costprice.h"

#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

TF_PosMainForm* F_PosMainForm = nullptr;

namespace {

const char* const kKeyPanelFunctions[12] = { "付款结账", "浏览图片", "打开钱箱", "挂单", "解挂", "删除当前", "删除全部",
    "选择会员", "修改数量", "锁定屏幕", "修改折扣", "设为赠品" };

QString tillNow()
{
    return Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QLabel* tillLabel(QWidget* parent, const QString& text = QString())
{
    return new QLabel(text, parent);
}

}

TF_PosMainForm::Hooks& TF_PosMainForm::TillHooks()
{
    static Hooks hooks;
    return hooks;
}

TF_PosMainForm::TF_PosMainForm(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_PosMainForm"));
    setWindowTitle(QStringLiteral("POS终端"));
    resize(1024, 700);
    // Esc is the till's own key: it closes through the dispatch, after the panel had its say.
    SetEscCloses(false);
    auto* box = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    compName = tillLabel(this);
    QFont bold = compName->font();
    bold.setBold(true);
    bold.setPointSize(14);
    compName->setFont(bold);
    top->addWidget(compName);
    top->addSpacing(16);
    top->addWidget(tillLabel(this, QStringLiteral("单号：")));
    gldjh = tillLabel(this);
    gldjh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    top->addWidget(gldjh);
    top->addSpacing(16);
    top->addWidget(tillLabel(this, QStringLiteral("收银员：")));
    pos_Name = tillLabel(this);
    top->addWidget(pos_Name);
    top->addSpacing(16);
    top->addWidget(tillLabel(this, QStringLiteral("营业员：")));
    comUser = new KeyedCombo(this);
    top->addWidget(comUser);
    top->addWidget(tillLabel(this, QStringLiteral("仓    库：")));
    comCk = new KeyedCombo(this);
    top->addWidget(comCk);
    top->addStretch(1);
    btnMenu = new QPushButton(QStringLiteral("系统功能"), this);
    btnMenu->setAutoDefault(false);
    btnMenu->setFocusPolicy(Qt::NoFocus);
    top->addWidget(btnMenu);
    box->addLayout(top);

    cxGrid2 = new DataGrid(this);
    cxGrid2->setFocusPolicy(Qt::NoFocus);
    cxGrid2->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 110);
    cxGrid2->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    cxGrid2->AddColumn(QStringLiteral("ls_dj"), QStringLiteral("单价"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("ls_dzl"), QStringLiteral("折扣"), 60, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("ls_dhdj"), QStringLiteral("折后单价"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("ls_sl"), QStringLiteral("数量"), 60, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("ls_zje"), QStringLiteral("金额"), 90, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("cm_name"), QStringLiteral("尺码"), 60);
    cxGrid2->AddColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    cxGrid2->AddColumn(QStringLiteral("t_kc"), QStringLiteral("库存数量"), 70, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->SetColumnVisible(cxGrid2->AddColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 80), false);
    cxGrid2->SetColumnVisible(cxGrid2->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50), false);
    cxGrid2->SetFooterVisible(true);
    cxGrid2->SetFooterText(0, QStringLiteral("记录数："));
    cxGrid2->SetFooterCount(1);
    cxGrid2->SetFooterSum(5);
    cxGrid2->SetFooterSum(6);
    cxGrid2->SetRowIndicator(true);
    cxGrid2->SetAutoColumnWidth(true);
    QFont indicator(QStringLiteral("Tahoma"));
    indicator.setPixelSize(16);
    cxGrid2->verticalHeader()->setFont(indicator);
    cxGrid2->verticalHeader()->setFixedWidth(40);
    box->addWidget(cxGrid2, 1);

    cxGrid1 = new DataGrid(this);
    cxGrid1->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 110);
    cxGrid1->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 220);
    cxGrid1->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGrid1->AddColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 100);
    cxGrid1->AddColumn(QStringLiteral("g_sj"), QStringLiteral("单价"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid1->AddColumn(QStringLiteral("g_tjsp"), QStringLiteral("特价商品"), 60);
    cxGrid1->setVisible(false);
    box->addWidget(cxGrid1, 1);

    auto* entry = new QHBoxLayout;
    entry->addWidget(tillLabel(this, QStringLiteral("请输入商品编号/条码：")));
    tbh = new QLineEdit(this);
    DiscardSearchPunctuation(tbh);
    entry->addWidget(tbh, 1);
    entry->addWidget(tillLabel(this, QStringLiteral("合计金额：")));
    hjje = tillLabel(this, QStringLiteral("0"));
    QFont total = hjje->font();
    total.setPixelSize(19);
    total.setBold(true);
    hjje->setFont(total);
    hjje->setStyleSheet(QStringLiteral("color: red;"));
    entry->addWidget(hjje);
    box->addLayout(entry);

    bottomPanel = new QStackedWidget(this);
    auto* keysPage = new QWidget(bottomPanel);
    auto* keysGrid = new QGridLayout(keysPage);
    for (int i = 0; i < 12; ++i) {
        const QString caption = QString::fromUtf8(kKeyPanelFunctions[i]) + QStringLiteral("：");
        keysGrid->addWidget(tillLabel(keysPage, caption), i / 4, (i % 4) * 2);
        keyNames[i] = tillLabel(keysPage);
        keyNames[i]->setStyleSheet(QStringLiteral("color: blue;"));
        keysGrid->addWidget(keyNames[i], i / 4, (i % 4) * 2 + 1);
    }
    auto* memberPage = new QWidget(bottomPanel);
    auto* memberGrid = new QGridLayout(memberPage);
    int m = 0;
    auto memberLabel = [&](const char* caption) {
        memberGrid->addWidget(tillLabel(memberPage, QString::fromUtf8(caption)), m / 3, (m % 3) * 2);
        auto* value = tillLabel(memberPage);
        memberGrid->addWidget(value, m / 3, (m % 3) * 2 + 1);
        ++m;
        return value;
    };
    hy_bh = memberLabel("会员编号：");
    hy_name = memberLabel("会员名称：");
    hl_name = memberLabel("会员级别：");
    hl_zk = memberLabel("会员折扣：");
    hy_jf = memberLabel("会员积分：");
    hy_zhye = memberLabel("账户余额：");
    auto* hideMember = new QPushButton(QStringLiteral("隐藏"), memberPage);
    hideMember->setToolTip(QStringLiteral("隐藏会员面板,并清空会员信息"));
    hideMember->setFocusPolicy(Qt::NoFocus);
    memberGrid->addWidget(hideMember, 0, 6);
    connect(hideMember, &QPushButton::clicked, this, &TF_PosMainForm::btnHideMemberClick);
    bottomPanel->addWidget(keysPage);
    bottomPanel->addWidget(memberPage);
    box->addWidget(bottomPanel);

    auto* status = new QHBoxLayout;
    stBrand = tillLabel(this);
    stState = tillLabel(this, QStringLiteral("系统状态"));
    stClock = tillLabel(this);
    status->addWidget(stBrand);
    status->addStretch(1);
    status->addWidget(stState);
    status->addStretch(1);
    status->addWidget(stClock);
    box->addLayout(status);

    RzPanel_Spsl = new QFrame(this);
    RzPanel_Spsl->setFrameShape(QFrame::Box);
    RzPanel_Spsl->setAutoFillBackground(true);
    auto* panel = new QGridLayout(RzPanel_Spsl);
    lSpName = tillLabel(RzPanel_Spsl);
    panel->addWidget(lSpName, 0, 0, 1, 2);
    int row = 1;
    auto panelEdit = [&](const char* caption) {
        panel->addWidget(tillLabel(RzPanel_Spsl, QString::fromUtf8(caption)), row, 0);
        auto* e = new QLineEdit(RzPanel_Spsl);
        panel->addWidget(e, row++, 1);
        return e;
    };
    eOldSl = panelEdit("原  数  量：");
    eOldSl->setReadOnly(true);
    eNewSl = panelEdit("新  数  量：");
    eOrigPrice = panelEdit("商品原价：");
    ePrice = panelEdit("商品单价：");
    eRate = panelEdit("折  扣  率：");
    chkPermanent = new QCheckBox(QStringLiteral("永久改变该商品的价格(F7)"), RzPanel_Spsl);
    chkWhole = new QCheckBox(QStringLiteral("整单折扣(F8)"), RzPanel_Spsl);
    panel->addWidget(chkPermanent, row++, 0, 1, 2);
    panel->addWidget(chkWhole, row++, 0, 1, 2);
    btnSave = new QPushButton(QStringLiteral("确定(F5)"), RzPanel_Spsl);
    btnPanelExit = new QPushButton(QStringLiteral("退出(Esc)"), RzPanel_Spsl);
    btnSave->setAutoDefault(false);
    btnPanelExit->setAutoDefault(false);
    panel->addWidget(btnSave, row, 0);
    panel->addWidget(btnPanelExit, row, 1);
    RzPanel_Spsl->resize(300, 260);
    RzPanel_Spsl->hide();

    Image_Pic = new QLabel(this);
    Image_Pic->setScaledContents(true);
    Image_Pic->resize(220, 300);
    Image_Pic->hide();

    PopupMenu_Set = new QMenu(this);
    const struct {
        const char* caption;
        void (TF_PosMainForm::*handler)();
    } menu[] = {
        { "商品列表字体设置(&L)", &TF_PosMainForm::N_FontClick },
        { "打印当前收银员明细(&M)", &TF_PosMainForm::N_SyymxClick },
        { "快捷键设置(&N)", &TF_PosMainForm::N_KeyClick },
        { "打印设置(&O)", &TF_PosMainForm::N_PrintSetClick },
        { "修改密码(&P)", &TF_PosMainForm::N_PwdClick },
        { "补打小票(&Q)", &TF_PosMainForm::N_DyxpClick },
        { "挂账查询(&R)", &TF_PosMainForm::N_JgcxClick },
        { "兑换赠品(&S)", &TF_PosMainForm::N_DhzpClick },
        { "增加会员(&T)", &TF_PosMainForm::N_HyAddClick },
        { "会员充值(&U)", &TF_PosMainForm::N_HyczClick },
        { "入款(&V)", &TF_PosMainForm::N_RkClick },
        { "出款(&W)", &TF_PosMainForm::N_CkClick },
        { "顾客退货(&X)", &TF_PosMainForm::N_ThClick },
        { "换班(&Y)", &TF_PosMainForm::N_HbClick },
        { "退出(&Z)", &TF_PosMainForm::N_ExitClick },
    };
    for (const auto& item : menu)
        connect(PopupMenu_Set->addAction(QString::fromUtf8(item.caption)), &QAction::triggered, this, item.handler);
    connect(
        btnMenu, &QPushButton::clicked, this, [this] { PopupMenu_Set->popup(btnMenu->mapToGlobal(QPoint(0, 25))); });

    connect(tbh, &QLineEdit::returnPressed, this, &TF_PosMainForm::tbhEnter);
    // Barcodes compare without case; the entry shows them in capitals.
    connect(tbh, &QLineEdit::textEdited, this, [this](const QString& t) {
        const QString upper = t.toUpper();
        if (upper != t) {
            const int pos = tbh->cursorPosition();
            tbh->setText(upper);
            tbh->setCursorPosition(pos);
        }
    });
    connect(cxGrid1, &DataGrid::enterPressed, this, [this](int) { selectGoods(); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this](int) { selectGoods(); });
    connect(btnSave, &QPushButton::clicked, this, &TF_PosMainForm::btnSaveClick);
    connect(btnPanelExit, &QPushButton::clicked, this, &TF_PosMainForm::btnPanelExitClick);
    connect(eRate, &QLineEdit::textEdited, this, &TF_PosMainForm::eRateChange);
    connect(ePrice, &QLineEdit::textEdited, this, &TF_PosMainForm::ePriceChange);
    connect(eNewSl, &QLineEdit::textEdited, this, &TF_PosMainForm::eNewSlChange);
    connect(cxGrid2, &QAbstractItemView::clicked, this, [this] { RzPanel_Spsl->hide(); });
    tbh->installEventFilter(this);
    Image_Pic->installEventFilter(this);
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, [this] { stClock->setText(tillNow()); });
    clock->start(1000);
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e); });
}

bool TF_PosMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // Focus coming back with the window (after a dialog or message) is not the cashier
    // entering the edit, and must not close a panel opened meanwhile.
    if (watched == tbh && event->type() == QEvent::FocusIn
        && static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        tbhEnterFocus();
    else if (watched == Image_Pic && event->type() == QEvent::MouseButtonPress)
        Image_Pic->hide();
    return Form::eventFilter(watched, event);
}

void TF_PosMainForm::tbhEnterFocus()
{
    cxGrid1->setVisible(false);
    RzPanel_Spsl->hide();
}

Query& TF_PosMainForm::Cart() const
{
    return F_DataModule->Q(QStringLiteral("Q_Posxs"));
}

Query& TF_PosMainForm::Goods() const
{
    return F_DataModule->Q(QStringLiteral("Q_PosGoods"));
}

QString TF_PosMainForm::Warehouse() const
{
    return comCk->count() > 0 && comCk->currentIndex() >= 0 ? GetComboCode(*comCk, comCk->currentIndex()) : QString();
}

void TF_PosMainForm::FormActivate()
{
    if (!HasRight(QStringLiteral("xsgl"), 21)) {
        Prompt::Info(QStringLiteral("您没有使用POS系统的权限，系统将退出！"));
        EndProgram(0);
        return;
    }
    LoadSystemSettings();
    PrepareStockRows(Clock::Today().toString(QStringLiteral("yyyy-MM")));
    chkWhole->setChecked(false);
    fillKeyNames();
    stBrand->setText(BrandWord + QStringLiteral("软件"));
    ShiftStartTime = PosCart::ShiftStart(CurrentAdminName, tillNow());
    compName->setText(CompanyShortName);
    setWindowTitle(BrandWord + QStringLiteral("服装进销存POS管理系统 ") + ProductVersion);
    ClearSpecialPrices();
    DeleteOldHeldPosSales();
    setPoscs();
    ComKxInit();
    setInitValue();
    Image_Pic->hide();
    Image_Pic->move(width() - 240, height() - 350);
    cxGrid1->setVisible(false);
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2, 2));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2, 4));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2, 6));
    SetAmountSummaryFormat(GridFooterFormat(*cxGrid2, 6));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid2, 5));
    SetQtySummaryFormat(GridFooterFormat(*cxGrid2, 5));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid1, 4));
    const bool freePrice = IsTrue(PosFreePriceEdit);
    cxGrid2->SetColumnVisible(3, freePrice);
    cxGrid2->SetColumnVisible(4, freePrice);
    stClock->setText(tillNow());
}

void TF_PosMainForm::fillKeyNames()
{
    for (int i = 0; i < 12; ++i) {
        const QString name = GetPosKeyName(QString::fromUtf8(kKeyPanelFunctions[i]));
        // The pay key always has F5 besides the one it is bound to.
        keyNames[i]->setText(i == 0 ? QStringLiteral("F5 ") + name : name);
    }
}

void TF_PosMainForm::setPoscs()
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select * from jxc_poscs "));
    q.Open();
    drawerInterface = 0;
    displayPort = 0;
    drawerOnPayment = false;
    if (q.IsEmpty())
        return;
    q.First();
    drawerInterface = int(q.AsInteger(QStringLiteral("pos_qxjk")));
    displayPort = int(q.AsInteger(QStringLiteral("pos_kxjk")));
    drawerOnPayment = IsTrue(q.AsString(QStringLiteral("pos_dkqx")));
}

void TF_PosMainForm::ComKxInit()
{
    CustomerDisplay::Prepare(displayPort, DisplayBaudRate.toInt());
}

void TF_PosMainForm::openQx()
{
    CashDrawer::Open(drawerInterface);
}

void TF_PosMainForm::setMoneyValue(const QString& amount)
{
    if (displayPort == 0)
        return;
    CustomerDisplay::ShowAmount(displayPort, DisplayBaudRate.toInt(), amount);
}

void TF_PosMainForm::setInitValue(const QString& number)
{
    setMoneyValue(QStringLiteral("0.00"));
    ActiveDocKind.clear();
    number_ = number.isEmpty()
        ? NextDocNoToday(QStringLiteral("jxc_lsxsd"), QStringLiteral("gl_djh"), QStringLiteral("XS"))
        : number;
    gldjh->setText(number_);
    PosCart::Clear(number_, CurrentAdminName);
    hjje->setText(QStringLiteral("0"));
    for (QLabel* l : { hy_bh, hy_name, hl_name, hl_zk, hy_jf, hy_zhye })
        l->clear();
    bottomPanel->setCurrentIndex(0);
    bottomPanel->show();

    const QString salesman = comUser->currentText();
    if (BindSalesmanCustomer == QLatin1String("1")) {
        FillSalesmanCombo(*comUser, QStringLiteral("u_name"), QStringLiteral("u_sn"));
    } else {
        FillStaffCombo(*comUser, QStringLiteral("u_xs"));
        const int again = comUser->findText(salesman);
        comUser->setCurrentIndex(again >= 0 ? again : (comUser->count() > 0 ? 0 : -1));
    }

    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        FillComboWhere(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), QStringLiteral("where ck_asn like '%") + CurrentAdminSn + QStringLiteral("%'"));
    else
        FillCombo(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"));
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    const int till = comCk->findText(QueryScalar(QStringLiteral("select ck_name from jxc_ckxx where ck_pos<>0")));
    comCk->setCurrentIndex(till >= 0 ? till : 0);
    comCk->setEnabled(true);

    QFont gridFont = cxGrid2->font();
    gridFont.setPointSize(PosCart::FontSize());
    cxGrid2->setFont(gridFont);
    stState->setText(QStringLiteral("待销售状态"));
    pos_Name->setText(CurrentAdminName);
    tbh->setFocus();
    cxGrid1->setVisible(false);
    loadKey();
    openGridViewData(number_);
}

void TF_PosMainForm::openGridViewData(const QString& number)
{
    Query& q = Cart();
    q.Close();
    q.ClearParams();
    q.SetSQL(QStringLiteral(
        "select a.*,(coalesce(b.g_name,'')||coalesce(a.t_zp,'')) as g_name,b.gg_name,b.dw_name,b.g_sccs,c.cm_name,"
        "d.color_name,e.t_kc from jxc_lsxssp a,jxc_goods b,jxc_cm c,jxc_color d,jxc_lsxsspmx e "
        "where a.g_sn=b.g_sn and a.gl_djh=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn and "
        "e.color_sn=d.color_sn and a.gl_djh=:n and a.a_name=:op order by a.id"));
    q.SetParam(QStringLiteral("n"), number);
    q.SetParam(QStringLiteral("op"), CurrentAdminName);
    q.Open();
    if (!cxGrid2->GetDataSource())
        cxGrid2->SetDataSource(&F_DataModule->D(QStringLiteral("D_Posxs")));
}

bool TF_PosMainForm::CartEmpty() const
{
    const Query& q = Cart();
    return !q.Active() || q.IsEmpty();
}

qint64 TF_PosMainForm::CurrentLineId() const
{
    const Query& q = Cart();
    return CartEmpty() ? 0 : q.AsInteger(QStringLiteral("id"));
}

void TF_PosMainForm::updateBottomHjje()
{
    const QString total = PosCart::Total(number_, CurrentAdminName);
    hjje->setText(total);
    stState->setText(QStringLiteral("待销售状态"));
    comCk->setEnabled(true);
    if (!CartEmpty()) {
        stState->setText(QStringLiteral("销售状态"));
        comCk->setEnabled(false);
    }
    setMoneyValue(total);
}

void TF_PosMainForm::deleteCurrent()
{
    if (CartEmpty())
        return;
    tbh->clear();
    PosCart::DeleteLine(CurrentLineId(), CurrentAdminName);
    openGridViewData(number_);
    tbh->setFocus();
    updateBottomHjje();
}

void TF_PosMainForm::deleteAll()
{
    if (CartEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除所有信息吗！")) == Prompt::Answer::Yes) {
        PosCart::DeleteAll(number_, CurrentAdminName);
        openGridViewData(number_);
    }
    tbh->setFocus();
    updateBottomHjje();
}

void TF_PosMainForm::tbhEnter()
{
    QString text = tbh->text().trimmed();
    const int comma = text.indexOf(QStringLiteral("，"));
    if (comma >= 0)
        text = text.left(comma);
    if (text.isEmpty())
        return;
    setFilterGoods(text);
}

void TF_PosMainForm::setFilterGoods(const QString& text)
{
    tbh->clear();
    scannedText_ = text;
    if (comCk->count() == 0) {
        Prompt::Info(QStringLiteral("请添加仓库信息！"));
        return;
    }
    Query& goods = Goods();
    PosCart::OpenGoodsSearch(goods, text, Warehouse(), &scannedIsBarcode_);
    if (!cxGrid1->GetDataSource())
        cxGrid1->SetDataSource(&F_DataModule->D(QStringLiteral("D_PosGoods")));
    if (goods.IsEmpty()) {
        Prompt::Info(QStringLiteral("仓库里没有所查询的商品信息，请重新输入！"));
        return;
    }
    goods.First();
    if (goods.RecordCount() == 1) {
        selectGoods();
        return;
    }
    cxGrid1->setVisible(true);
    cxGrid1->SetCurrentRow(0);
    cxGrid1->setFocus();
}

void TF_PosMainForm::selectGoods()
{
    Query& goods = Goods();
    if (!goods.Active() || goods.IsEmpty())
        return;
    const QString warehouse = Warehouse();
    const QString sn = goods.AsString(QStringLiteral("g_sn"));
    QString size, colour;
    int stock = 0;
    if (!scannedIsBarcode_) {
        SelectedSn = sn;
        OpenMode = warehouse;
        ActiveDocKind.clear();
        TF_Posxs_Sele dialog;
        dialog.ShowModal();
        if (SelectedSn.isEmpty()) {
            OpenMode.clear();
            ActiveDocKind.clear();
            cxGrid1->setVisible(false);
            return;
        }
        size = SizeSnByName(SelectedSn);
        colour = ColorSnByName(OpenMode);
        stock = int(ActiveDocKind.isEmpty() ? 0 : ActiveDocKind.toDouble());
    } else {
        QString barcodeGoods;
        PosCart::BarcodeVariant(scannedText_, &barcodeGoods, &size, &colour);
        const double onHand = PosCart::ColorSizeStock(sn, warehouse, size, colour);
        if (!IsTrue(AllowZeroStockOut) && onHand == 0) {
            scannedIsBarcode_ = false;
            scannedText_.clear();
            Prompt::Info(QStringLiteral("库存为0不允许销售，重新输入！"));
            return;
        }
        stock = int(onHand);
    }
    scannedIsBarcode_ = false;
    scannedText_.clear();

    PosCart::NewLine line;
    line.goods = sn;
    line.size = size;
    line.colour = colour;
    line.stock = stock;
    const PosPrice price = PricePosGoods(goods, CurrentPosBuyer(hy_bh->text(), hl_zk->text()), Clock::Now());
    line.price = price.price;
    line.rate = price.rate;
    line.retail = goods.AsFloat(QStringLiteral("g_lsj"));
    line.cost = GetCostPrice(sn, warehouse, Clock::Today().toString(QStringLiteral("yyyy-MM-dd")));
    // The number check and the line are one unit: a failure leaves the cart as it was.
    Transaction scan(F_DataModule->ADOConn);
    const QString number = PosCart::EnsureOwnNumber(number_, CurrentAdminName);
    const qint64 id = PosCart::Add(number, CurrentAdminName, line);
    scan.Commit();
    number_ = number;
    gldjh->setText(number_);

    SelectedSn.clear();
    OpenMode.clear();
    ActiveDocKind.clear();
    openGridViewData(number_);
    cxGrid1->setVisible(false);
    updateBottomHjje();
    Cart().LocateId(id);
    tbh->setFocus();
}

void TF_PosMainForm::posYxsp(const QString& mode)
{
    if (CartEmpty())
        return;
    const Query& q = Cart();
    panelMode_ = mode;
    panelLine_ = q.AsInteger(QStringLiteral("id"));
    panelGoods_ = q.AsString(QStringLiteral("g_sn"));
    panelStock_ = int(q.AsInteger(QStringLiteral("t_kc")));
    const int rowHeight = cxGrid2->verticalHeader()->defaultSectionSize();
    RzPanel_Spsl->move(qMax(0, comCk->x() - 60), qMin(600, comCk->y() + comCk->height() + rowHeight + 60));
    lSpName->setText(q.AsString(QStringLiteral("g_name")));
    eOldSl->setText(NumberText(q.AsFloat(QStringLiteral("ls_sl"))));
    eRate->setText(NumberText(q.AsFloat(QStringLiteral("ls_dzl"))));
    eOrigPrice->setText(NumberText(q.AsFloat(QStringLiteral("ls_dj"))));
    ePrice->setText(NumberText(q.AsFloat(QStringLiteral("ls_dhdj"))));
    eNewSl->setText(NumberText(q.AsFloat(QStringLiteral("ls_sl"))));
    chkPermanent->setChecked(false);
    chkWhole->setChecked(false);
    const bool discount = mode == QLatin1String("2");
    for (QWidget* w : { static_cast<QWidget*>(eOrigPrice), static_cast<QWidget*>(ePrice), static_cast<QWidget*>(eRate),
             static_cast<QWidget*>(chkPermanent), static_cast<QWidget*>(chkWhole) })
        w->setEnabled(discount);
    RzPanel_Spsl->show();
    RzPanel_Spsl->raise();
    QLineEdit* focus = discount ? eRate : eNewSl;
    focus->setFocus();
    focus->selectAll();
}

void TF_PosMainForm::eRateChange()
{
    ePrice->setText(NumberText(PosCart::PriceAfterRate(eOrigPrice->text().toDouble(), eRate->text().toDouble())));
}

void TF_PosMainForm::ePriceChange()
{
    eRate->setText(NumberText(PosCart::RateOfPrice(eOrigPrice->text().toDouble(), ePrice->text().toDouble())));
}

void TF_PosMainForm::eNewSlChange()
{
    if (eNewSl->text().toDouble() < 0)
        eNewSl->setText(QStringLiteral("1"));
}

void TF_PosMainForm::btnSaveClick()
{
    PosCart::LineEdit edit;
    edit.id = panelLine_;
    edit.goods = panelGoods_;
    edit.originalPrice = eOrigPrice->text().toDouble();
    edit.price = ePrice->text().toDouble();
    edit.rate = eRate->text().toDouble();
    edit.qty = eNewSl->text().toDouble();
    edit.stock = panelStock_;
    edit.permanent = chkPermanent->isEnabled() && chkPermanent->isChecked();
    edit.wholeSale = chkWhole->isEnabled() && chkWhole->isChecked();
    const QString refusal = PosCart::CheckLineEdit(edit);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    PosCart::SaveLineEdit(number_, CurrentAdminName, edit);
    openGridViewData(number_);
    Cart().LocateId(edit.id);
    updateBottomHjje();
    RzPanel_Spsl->hide();
    tbh->setFocus();
}

void TF_PosMainForm::btnPanelExitClick()
{
    RzPanel_Spsl->hide();
    tbh->setFocus();
}

void TF_PosMainForm::setZp()
{
    if (CartEmpty())
        return;
    const qint64 id = CurrentLineId();
    PosCart::SetGift(id, CurrentAdminName);
    openGridViewData(number_);
    Cart().LocateId(id);
    updateBottomHjje();
    tbh->setFocus();
}

void TF_PosMainForm::loadKey()
{
    keys_.Load();
}

bool TF_PosMainForm::FormKeyDown(QKeyEvent* e)
{
    const int key = e->key();
    if (!RzPanel_Spsl->isHidden()) {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter in the new quantity saves; elsewhere it moves on.
            if (focusWidget() == eNewSl)
                btnSaveClick();
            else
                focusNextChild();
            return true;
        case Qt::Key_Escape:
            btnPanelExitClick();
            return true;
        case Qt::Key_F7:
            if (chkPermanent->isEnabled())
                chkPermanent->toggle();
            return true;
        case Qt::Key_F8:
            if (chkWhole->isEnabled())
                chkWhole->toggle();
            return true;
        case Qt::Key_F5:
            btnSaveClick();
            return true;
        default:
            return false;
        }
    }
    if (key == Qt::Key_Escape && !cxGrid1->isHidden()) {
        cxGrid1->setVisible(false);
        tbh->setFocus();
        return true;
    }
    const bool inEntry = focusWidget() == nullptr || focusWidget() == tbh || focusWidget() == cxGrid2;
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && inEntry && cxGrid1->isHidden() && !CartEmpty()) {
        const int row = cxGrid2->CurrentRow() + (key == Qt::Key_Up ? -1 : 1);
        if (row >= 0 && row < cxGrid2->RowCount())
            cxGrid2->SetCurrentRow(row);
        return true;
    }
    return DispatchKey(VirtualKeyOf(key, e->modifiers()));
}

bool TF_PosMainForm::DispatchKey(int keyCode)
{
    if (keyCode == 112) {
        toggleBottomPanel();
        return true;
    }
    if (keyCode == 27) {
        close();
        return true;
    }
    bool taken = false;
    for (const QString& f : PosKeyFunctions()) {
        const bool pay = f == QStringLiteral("付款结账");
        if (!(keys_.Code(f) == keyCode && keyCode != 0) && !(pay && keyCode == 116))
            continue;
        taken = true;
        tbh->clear();
        if (f == QStringLiteral("删除当前")) {
            deleteCurrent();
        } else if (f == QStringLiteral("删除全部")) {
            deleteAll();
        } else if (f == QStringLiteral("挂单")) {
            if (!CartEmpty() && TillHooks().posGD)
                TillHooks().posGD(*this);
        } else if (f == QStringLiteral("解挂")) {
            if (TillHooks().posJG)
                TillHooks().posJG(*this);
        } else if (f == QStringLiteral("修改数量")) {
            if (!CartEmpty()) {
                posYxsp(QStringLiteral("1"));
                hjje->setText(PosCart::LinesTotal(number_, CurrentAdminName));
            }
        } else if (f == QStringLiteral("修改折扣")) {
            if (!CartEmpty()) {
                if (!IsTrue(PosFreePriceEdit)) {
                    const bool granted = AskSupervisor(QStringLiteral("修改售价-柜长授权"));
                    AuthSupervisorName.clear();
                    AuthSupervisorRole.clear();
                    if (!granted)
                        return true;
                }
                posYxsp(QStringLiteral("2"));
                updateBottomHjje();
                panelMode_.clear();
            }
        } else if (f == QStringLiteral("选择会员")) {
            if (TillHooks().posHy) {
                TillHooks().posHy(*this);
                afterMemberChoice();
            }
        } else if (pay) {
            if (!CartEmpty() && !paying_ && TillHooks().posFk) {
                paying_ = true;
                TillHooks().posFk(*this);
                paying_ = false;
            }
        } else if (f == QStringLiteral("选择员工")) {
            comUser->setFocus();
        } else if (f == QStringLiteral("选择仓库")) {
            comCk->setFocus();
        } else if (f == QStringLiteral("锁定屏幕")) {
            lockScreen();
        } else if (f == QStringLiteral("打开钱箱")) {
            openQx();
        } else if (f == QStringLiteral("浏览图片")) {
            showPicture();
        } else if (f == QStringLiteral("设为赠品")) {
            setZp();
        }
    }
    return taken;
}

void TF_PosMainForm::lockScreen()
{
    TF_Xtsd lock;
    lock.ShowModal();
}

void TF_PosMainForm::afterMemberChoice()
{
    bottomPanel->show();
    bottomPanel->setCurrentIndex(ActiveDocKind.isEmpty() ? 0 : 1);
    openGridViewData(number_);
    updateBottomHjje();
}

void TF_PosMainForm::btnHideMemberClick()
{
    if (!CartEmpty()) {
        Prompt::Info(QStringLiteral("正在销售商品，不能隐藏会员信息！"));
        return;
    }
    bottomPanel->hide();
    bottomPanel->setCurrentIndex(0);
    ActiveDocKind.clear();
    for (QLabel* l : { hy_bh, hy_name, hl_name, hl_zk, hy_jf, hy_zhye })
        l->clear();
}

void TF_PosMainForm::toggleBottomPanel()
{
    if (!bottomPanel->isHidden() && bottomPanel->currentIndex() == 0)
        bottomPanel->hide();
    else if (bottomPanel->isHidden() && bottomPanel->currentIndex() == 0)
        bottomPanel->show();
}

void TF_PosMainForm::showPicture()
{
    if (CartEmpty())
        return;
    if (!Image_Pic->isHidden()) {
        Image_Pic->hide();
        return;
    }
    Image_Pic->clear();
    const QString file = ProgramFolder::File(
        QStringLiteral("picture/") + Cart().AsString(QStringLiteral("g_sn")) + QStringLiteral(".jpg"));
    if (QFile::exists(file))
        Image_Pic->setPixmap(QPixmap(file));
    Image_Pic->show();
    Image_Pic->raise();
}

void TF_PosMainForm::N_FontClick()
{
    const auto chosen = Prompt::Font(cxGrid2->font());
    if (!chosen)
        return;
    PosCart::SaveFontSize(chosen->pointSize());
    QFont f = cxGrid2->font();
    f.setPointSize(chosen->pointSize());
    cxGrid2->setFont(f);
}

void TF_PosMainForm::N_SyymxClick()
{
    FunctionWindows::Open(QStringLiteral("TF_Posxs_Syymx"), FunctionWindows::Lifetime::Freed);
}

void TF_PosMainForm::N_KeyClick()
{
    FunctionWindows::Open(QStringLiteral("TF_PosKey"), FunctionWindows::Lifetime::Freed);
    fillKeyNames();
    loadKey();
}

void TF_PosMainForm::N_PrintSetClick()
{
    PickerCaller = QStringLiteral("posxs");
    FunctionWindows::Open(QStringLiteral("TF_PosPrinSet"), FunctionWindows::Lifetime::Freed);
    PickerCaller.clear();
}

void TF_PosMainForm::N_PwdClick()
{
    TF_PwdModi dialog;
    dialog.ShowModal();
}

void TF_PosMainForm::N_DyxpClick()
{
    FunctionWindows::Open(QStringLiteral("TF_Posxs_Dyxp"), FunctionWindows::Lifetime::Freed);
}

void TF_PosMainForm::N_JgcxClick()
{
    if (TillHooks().posJG)
        TillHooks().posJG(*this);
}

void TF_PosMainForm::N_DhzpClick()
{
    FunctionWindows::Open(QStringLiteral("TF_Dhzp"), FunctionWindows::Lifetime::Freed);
}

void TF_PosMainForm::N_HyAddClick()
{
    PickerCaller.clear();
    FunctionWindows::Open(QStringLiteral("TF_Hygl_Add"), FunctionWindows::Lifetime::Freed);
    if (PickerCaller == QLatin1String("ok"))
        Prompt::Info(QStringLiteral("会员添加成功！"));
    PickerCaller.clear();
}

void TF_PosMainForm::N_HyczClick()
{
    if (hy_bh->text().isEmpty()) {
        Prompt::Info(QStringLiteral("请先选中会员，然后才能充值！"));
        return;
    }
    const QString member = ScalarBound(
        QStringLiteral("select hy_sn from jxc_hyxx where hy_bh=:b"), { { QStringLiteral("b"), hy_bh->text() } });
    OpenMode = member;
    PickerCaller.clear();
    FunctionWindows::Open(QStringLiteral("TF_Hyxf"), FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    if (PickerCaller == QLatin1String("ok")) {
        ActiveDocKind = ScalarBound(
            QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn=:s"), { { QStringLiteral("s"), member } });
        hy_zhye->setText(ActiveDocKind);
        Prompt::Info(QStringLiteral("会员充值成功！"));
    }
    PickerCaller.clear();
}

namespace {

// An action behind the supervisor's password; both answers are cleared afterwards.
void openAuthorised(const QString& caption, const QString& windowClass)
{
    if (AskSupervisor(caption))
        FunctionWindows::Open(windowClass, FunctionWindows::Lifetime::Freed);
    AuthSupervisorName.clear();
    AuthSupervisorRole.clear();
}

}

void TF_PosMainForm::N_RkClick()
{
    openAuthorised(QStringLiteral("入款-柜长授权"), QStringLiteral("TF_Posxs_Rk"));
}

void TF_PosMainForm::N_CkClick()
{
    openAuthorised(QStringLiteral("出款-柜长授权"), QStringLiteral("TF_Posxs_Ck"));
}

void TF_PosMainForm::N_ThClick()
{
    openAuthorised(QStringLiteral("退货-柜长授权"), QStringLiteral("TF_Posxs_Th"));
}

void TF_PosMainForm::N_HbClick()
{
    if (!CartEmpty()) {
        Prompt::Info(QStringLiteral("系统处于销售状态，不能换班！"));
        return;
    }
    AuxTag.clear();
    if (TillHooks().posJb)
        TillHooks().posJb(*this);
    if (AuxTag == QLatin1String("1")) {
        AuxTag.clear();
        ShiftStartTime = tillNow();
        accept();
    }
}

void TF_PosMainForm::N_ExitClick()
{
    close();
}

bool TF_PosMainForm::FormCloseQuery()
{
    if (!CartEmpty()) {
        const Prompt::Answer a = Prompt::YesNoCancel(QStringLiteral("所选商品还未保存，是否保存？"));
        if (a == Prompt::Answer::Cancel)
            return false;
        if (a == Prompt::Answer::Yes) {
            if (TillHooks().posFk)
                TillHooks().posFk(*this);
        } else {
            PosCart::DeleteAll(number_, CurrentAdminName);
        }
    }
    if (Prompt::YesNo(QStringLiteral("是否要退出POS系统？")) != Prompt::Answer::Yes)
        return false;
    PosCart::DeleteAll(number_, CurrentAdminName);
    ActiveDocKind.clear();
    Cart().Close();
    Goods().Close();
    CustomerDisplay::Close();
    WriteLog(QStringLiteral("退出POS系统"));
    return true;
}
