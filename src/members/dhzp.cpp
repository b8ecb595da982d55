#include "members/dhzp.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "members/dhzpops.h"
#include "platform/base/clock.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TF_Dhzp::TF_Dhzp(QWidget* parent)
    : Form(parent), Q_Dhzp(F_DataModule->Q(QStringLiteral("Q_Dhzp"))),
      Q_GoodsCX(F_DataModule->Q(QStringLiteral("Q_GoodsCX")))
{
    setObjectName(QStringLiteral("TF_Dhzp"));
    setWindowTitle(QStringLiteral("兑换赠品"));
    resize(820, 560);
    auto* box = new QVBoxLayout(this);
    auto* head = new QGridLayout;
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setMinimumWidth(90);
        return l;
    };
    gldjh = NamedEdit(this, "gldjh", 16);
    gldjh->setReadOnly(true);
    head->addWidget(new QLabel(QStringLiteral("兑换单号："), this), 0, 0);
    head->addWidget(gldjh, 0, 1);
    thybh = NamedEdit(this, "thybh", 32);
    head->addWidget(new QLabel(QStringLiteral("会员卡号或电话(F6)："), this), 0, 2);
    head->addWidget(thybh, 0, 3);
    chkGk = new QCheckBox(QStringLiteral("普通顾客(F7)"), this);
    head->addWidget(chkGk, 0, 4);
    hy_bh = label("hy_bh");
    hy_name = label("hy_name");
    hl_name = label("hl_name");
    hy_jf = label("hy_jf");
    head->addWidget(new QLabel(QStringLiteral("会员编号："), this), 1, 0);
    head->addWidget(hy_bh, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("会员名称："), this), 1, 2);
    head->addWidget(hy_name, 1, 3);
    head->addWidget(new QLabel(QStringLiteral("会员级别："), this), 2, 0);
    head->addWidget(hl_name, 2, 1);
    head->addWidget(new QLabel(QStringLiteral("会员积分："), this), 2, 2);
    head->addWidget(hy_jf, 2, 3);
    box->addLayout(head);

    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("赠品名称(F2)："), this));
    tzpmc = NamedEdit(this, "tzpmc", 64);
    entry->addWidget(tzpmc, 1);
    AddButton(entry, this, QStringLiteral("..."), [this] { btnZpClick(); });
    entry->addWidget(new QLabel(QStringLiteral("选择仓库："), this));
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    entry->addWidget(comCk);
    AddButton(entry, this, QStringLiteral("删除(F3)"), [this] { btnDelClick(); });
    AddButton(entry, this, QStringLiteral("数量(F4)"), [this] { btnSlClick(); });
    AddButton(entry, this, QStringLiteral("确定(F5)"), [this] { btnOkClick(); });
    AddButton(entry, this, QStringLiteral("退出(Esc)"), [this] { btnExitClick(); });
    box->addLayout(entry);

    pnlZp = new QWidget(this);
    pnlZp->setObjectName(QStringLiteral("pnlZp"));
    auto* zp = new QVBoxLayout(pnlZp);
    cxGridZp = new DataGrid(pnlZp);
    cxGridZp->setObjectName(QStringLiteral("cxGridZp"));
    cxGridZp->SetDataSource(&F_DataModule->D(QStringLiteral("D_GoodsCX")));
    cxGridZp->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    cxGridZp->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    cxGridZp->AddColumn(QStringLiteral("g_zpjf"), QStringLiteral("兑换积分"), 70);
    cxGridZp->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridZp->AddColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 80);
    cxGridZp->AddColumn(QStringLiteral("color_name"), QStringLiteral("注册证号"), 80);
    cxGridZp->AddColumn(QStringLiteral("kc_sl"), QStringLiteral("当前库存"), 70);
    cxGridZp->SetSearchColumns({ QStringLiteral("g_jm"), QStringLiteral("g_name"), QStringLiteral("g_sn") });
    zp->addWidget(cxGridZp, 1);
    auto* zpButtons = new QHBoxLayout;
    zpButtons->addStretch(1);
    AddButton(zpButtons, pnlZp, QStringLiteral("确定(F5)"), [this] { btnKhOKClick(); });
    AddButton(zpButtons, pnlZp, QStringLiteral("退出(Esc)"), [this] { btnKhExitClick(); });
    zp->addLayout(zpButtons);
    box->addWidget(pnlZp, 1);
    connect(cxGridZp, &DataGrid::rowDoubleClicked, this, [this] { btnKhOKClick(); });

    pnlSl = new QWidget(this);
    pnlSl->setObjectName(QStringLiteral("pnlSl"));
    auto* sl = new QFormLayout(pnlSl);
    g_name = label("g_name");
    dh_sl = label("dh_sl");
    txsl = NamedEdit(pnlSl, "txsl", 8);
    txsl->setValidator(new QIntValidator(-9999999, 99999999, txsl));
    sl->addRow(QStringLiteral("商品名称："), g_name);
    sl->addRow(QStringLiteral("原  数  量："), dh_sl);
    sl->addRow(QStringLiteral("新  数  量："), txsl);
    auto* slButtons = new QHBoxLayout;
    AddButton(slButtons, pnlSl, QStringLiteral("确定"), [this] { btnOk2Click(); });
    AddButton(slButtons, pnlSl, QStringLiteral("退出"), [this] { btnExit2Click(); });
    sl->addRow(slButtons);
    box->addWidget(pnlSl);

    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Dhzp")));
    cxGrid->AddColumn(QStringLiteral("g_sn"), QStringLiteral("赠品编号"), 100);
    cxGrid->AddColumn(QStringLiteral("g_name"), QStringLiteral("赠品名称"), 180);
    cxGrid->AddColumn(QStringLiteral("dh_zpjf"), QStringLiteral("兑换积分"), 80);
    cxGrid->AddColumn(QStringLiteral("dh_sl"), QStringLiteral("数量"), 70);
    cxGrid->AddColumn(QStringLiteral("dh_jf"), QStringLiteral("总积分"), 80);
    cxGrid->SetFooterVisible(true);
    cxGrid->SetFooterCount(0, QStringLiteral("记录数："));
    box->addWidget(cxGrid, 2);

    connect(thybh, &QLineEdit::returnPressed, this, &TF_Dhzp::thybhEnter);
    connect(chkGk, &QCheckBox::clicked, this, &TF_Dhzp::chkGkClick);
    connect(tzpmc, &QLineEdit::textEdited, this, &TF_Dhzp::tzpmcChange);
    auto key = [this](int k, std::function<void()> run) {
        auto* s = new QShortcut(QKeySequence(k), this);
        connect(s, &QShortcut::activated, this, [run] { run(); });
    };
    key(Qt::Key_F2, [this] { tzpmc->setFocus(); });
    key(Qt::Key_F3, [this] { btnDelClick(); });
    key(Qt::Key_F4, [this] { btnSlClick(); });
    key(Qt::Key_F5, [this] { btnOkClick(); });
    key(Qt::Key_F6, [this] {
        if (thybh->isEnabled())
            thybh->setFocus();
    });
    key(Qt::Key_F7, [this] {
        chkGk->toggle();
        chkGkClick();
    });
}

QString TF_Dhzp::Number() const
{
    return gldjh->text();
}

void TF_Dhzp::ClearMember()
{
    for (QLabel* l : { hy_bh, hy_name, hl_name, hy_jf })
        l->clear();
    memberSn_.clear();
    periodBlocked_ = false;
}

void TF_Dhzp::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    chosenGift_.clear();
    periodBlocked_ = false;
    gldjh->setText(NextDocNoToday(QStringLiteral("jxc_dhd"), QStringLiteral("gl_djh"), QStringLiteral("DH")));
    chkGk->setChecked(false);
    thybh->clear();
    thybh->setEnabled(true);
    tzpmc->clear();
    ClearMember();
    pnlSl->hide();
    pnlZp->hide();
    if (BindOperatorWarehouse != QLatin1String("1") || CurrentRoleSn == QLatin1String("100001"))
        FillCombo(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"));
    else
        FillComboWhere(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), QStringLiteral("where ck_asn like '%") + CurrentAdminSn + QStringLiteral("%'"));
    const int preferred = comCk->findText(DefaultWarehouseName());
    comCk->setCurrentIndex(preferred >= 0 ? preferred : 0);
    comCk->setEnabled(true);
    OpenLines();
    if (!ActiveDocKind.isEmpty()) {
        thybh->setText(ActiveDocKind);
        LookUpMember(ActiveDocKind);
    }
}

void TF_Dhzp::OpenLines()
{
    OpenWithParams(Q_Dhzp,
        QStringLiteral("select a.*,b.g_name from jxc_dhzp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:djh "
                       "and a.a_name=:a order by a.id"),
        { { QStringLiteral("djh"), Number() }, { QStringLiteral("a"), CurrentAdminName } });
    comCk->setEnabled(Q_Dhzp.IsEmpty());
}

void TF_Dhzp::thybhEnter()
{
    LookUpMember(thybh->text());
}

void TF_Dhzp::LookUpMember(const QString& entry)
{
    ClearMember();
    const QString key = entry.trimmed();
    Query q(&F_DataModule->ADOConn);
    OpenWithParams(q,
        QStringLiteral("select a.hy_sn,a.hy_bh,a.hy_name,a.hy_jf,b.hl_name from jxc_hyxx a,jxc_hyfl b "
                       "where a.hl_sn=b.hl_sn and a.hy_status<>0 and (a.hy_bh=:k or a.hy_tele=:k or a.hy_mobile=:k) "
                       "order by a.id"),
        { { QStringLiteral("k"), key } });
    if (key.isEmpty() || q.IsEmpty()) {
        Prompt::Info(QStringLiteral("该会员信息不存在，请重新输入！"));
        thybh->clear();
        thybh->setFocus();
        return;
    }
    memberSn_ = q.TextAt(0, 0);
    hy_bh->setText(q.TextAt(0, 1));
    hy_name->setText(q.TextAt(0, 2));
    hy_jf->setText(q.TextAt(0, 3));
    hl_name->setText(q.TextAt(0, 4));
    const QString notice = ExchangePeriodNotice(memberSn_, Clock::Today());
    if (!notice.isEmpty()) {
        periodBlocked_ = true;
        Prompt::Info(notice);
    }
    tzpmc->setFocus();
}

void TF_Dhzp::chkGkClick()
{
    if (chkGk->isChecked()) {
        thybh->clear();
        thybh->setEnabled(false);
        ClearMember();
    } else {
        thybh->setEnabled(true);
    }
}

void TF_Dhzp::btnZpClick()
{
    OpenWithParams(Q_GoodsCX,
        QStringLiteral("select a.g_sn,a.g_jm,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_zpjf,b.kc_sl "
                       "from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_iszp<>0 and a.g_sy<>0 "
                       "and b.ck_sn=:ck order by a.g_sn"),
        { { QStringLiteral("ck"), comCk->currentIndex() >= 0 ? comCk->Code(comCk->currentIndex()) : QString() } });
    pnlZp->show();
    tzpmcChange();
}

void TF_Dhzp::tzpmcChange()
{
    cxGridZp->SetSearchText(tzpmc->text().trimmed().toUpper());
}

void TF_Dhzp::btnKhOKClick()
{
    const int row = cxGridZp->CurrentRow();
    if (!Q_GoodsCX.Active() || cxGridZp->RowCount() == 0 || row < 0)
        return;
    tzpmc->setText(cxGridZp->Value(row, QStringLiteral("g_name")).toString());
    chosenGift_ = cxGridZp->Value(row, QStringLiteral("g_sn")).toString();
    pnlZp->hide();
    AddGift();
}

void TF_Dhzp::btnKhExitClick()
{
    pnlZp->hide();
}

void TF_Dhzp::AddGift()
{
    if (!chkGk->isChecked() && thybh->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("请先选择会员！"));
        tzpmc->clear();
        chosenGift_.clear();
        tzpmc->setFocus();
        return;
    }
    if (chosenGift_.isEmpty() || !Q_GoodsCX.Active() || Q_GoodsCX.IsEmpty())
        return;
    if (!Q_GoodsCX.Locate(QStringLiteral("g_sn"), chosenGift_))
        return;
    if (Q_GoodsCX.AsFloat(QStringLiteral("kc_sl")) < 1) {
        Prompt::Info(QStringLiteral("该赠品数量不足，不能兑换！"));
        tzpmc->clear();
        return;
    }
    if (chkGk->isChecked() && Q_GoodsCX.AsFloat(QStringLiteral("g_zpjf")) != 0) {
        Prompt::Info(QStringLiteral("普通顾客只能兑换积分为0的商品！"));
        return;
    }
    if (DocNoExists(QStringLiteral("jxc_dhzp"), QStringLiteral("gl_djh"), Number()))
        gldjh->setText(NextDocNo(QStringLiteral("jxc_dhzp"), QStringLiteral("gl_djh"), QStringLiteral("DH"),
            Clock::Today().toString(QStringLiteral("yyyy-MM-dd"))));
    AddGiftLine(Number(), chosenGift_, CurrentAdminName);
    OpenLines();
    tzpmc->clear();
    chosenGift_.clear();
}

void TF_Dhzp::btnDelClick()
{
    if (!Q_Dhzp.Active() || Q_Dhzp.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除赠品信息吗！")) == Prompt::Answer::No)
        return;
    DeleteGiftLine(Q_Dhzp.AsInteger(QStringLiteral("id")));
    OpenLines();
}

void TF_Dhzp::btnSlClick()
{
    if (!Q_Dhzp.Active() || Q_Dhzp.IsEmpty())
        return;
    g_name->setText(Q_Dhzp.AsString(QStringLiteral("g_name")));
    dh_sl->setText(Q_Dhzp.AsString(QStringLiteral("dh_sl")));
    txsl->setText(Q_Dhzp.AsString(QStringLiteral("dh_sl")));
    pnlSl->show();
    txsl->setFocus();
}

void TF_Dhzp::btnOk2Click()
{
    const qint64 n = txsl->text().trimmed().toLongLong();
    if (n <= 0) {
        Prompt::Info(QStringLiteral("数量必须大于0！"));
        return;
    }
    SetGiftLineQuantity(Q_Dhzp.AsInteger(QStringLiteral("id")), n);
    OpenLines();
    pnlSl->hide();
}

void TF_Dhzp::btnExit2Click()
{
    pnlSl->hide();
}

void TF_Dhzp::btnOkClick()
{
    ExchangeInput in;
    in.number = Number();
    in.operatorName = CurrentAdminName;
    in.card = hy_bh->text();
    in.ordinaryCustomer = chkGk->isChecked();
    in.periodBlocked = periodBlocked_;
    in.warehouseSn = comCk->currentIndex() >= 0 ? GetComboCode(*comCk, comCk->currentIndex()) : QString();
    const ExchangeResult r = SaveGiftExchange(in);
    if (!r.message.isEmpty())
        Prompt::Info(r.message);
    if (r.outcome == ExchangeOutcome::Saved)
        FormActivate();
}

void TF_Dhzp::btnExitClick()
{
    close();
}

bool TF_Dhzp::FormCloseQuery()
{
    if (GiftLineCount(Number(), CurrentAdminName) > 0) {
        switch (Prompt::YesNoCancel(QStringLiteral("当前单据还未保存，是否保存？"))) {
        case Prompt::Answer::Yes:
            btnOkClick();
            break;
        case Prompt::Answer::No:
            DropGiftLines(Number(), CurrentAdminName);
            break;
        default:
            return false;
        }
    }
    Q_Dhzp.Close();
    Q_GoodsCX.Close();
    return true;
}
