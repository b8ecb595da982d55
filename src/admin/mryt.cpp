#include "admin/mryt.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The tip on show, kept for the paging buttons.
QString currentTip = QStringLiteral("0");

QString TodayText()
{
    return Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

TF_Mryt::TF_Mryt(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Mryt"));
    setWindowTitle(QStringLiteral("每日一贴"));
    auto* box = new QGroupBox(QStringLiteral("操作提示"), this);
    lMsg = new QLabel(box);
    lMsg->setObjectName(QStringLiteral("lMsg"));
    lMsg->setWordWrap(true);
    lMsg->setFixedWidth(290);
    lMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lMsg->setMinimumHeight(110);
    auto* inBox = new QVBoxLayout(box);
    inBox->addWidget(lMsg);
    chkDisp = new QCheckBox(QStringLiteral("启动时显示"), this);
    chkDisp->setObjectName(QStringLiteral("chkDisp"));
    btnPrior = new QPushButton(QStringLiteral("上一贴"), this);
    btnNext = new QPushButton(QStringLiteral("下一贴"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    for (QPushButton* b : { btnPrior, btnNext, btnExit })
        b->setAutoDefault(false);
    auto* bar = new QHBoxLayout;
    bar->addWidget(chkDisp);
    bar->addStretch(1);
    bar->addWidget(btnPrior);
    bar->addWidget(btnNext);
    bar->addWidget(btnExit);
    auto* root = new QVBoxLayout(this);
    root->addWidget(box, 1);
    root->addLayout(bar);
    connect(btnPrior, &QPushButton::clicked, this, [this] { btnPriorClick(); });
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
}

QString TF_Mryt::CurrentTipId()
{
    return currentTip;
}

void TF_Mryt::FormActivate()
{
    currentTip = QStringLiteral("0");
    chkDisp->setChecked(QueryScalar(QStringLiteral("select t_mryt from jxc_txdisp")) == QLatin1String("1"));
    // The tips not shown last by id, then the one shown last: the first is shown on
    // the day it was last shown (or when it never was), otherwise the second.
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select id,mr_ts,mr_rq from jxc_mryt order by mr_state,id limit 2"));
    q.Open();
    if (q.IsEmpty())
        return;
    const QString firstDate = q.TextAt(0, 2);
    if (firstDate.isEmpty() || firstDate == TodayText())
        ShowTip(q.TextAt(0, 0), q.TextAt(0, 1));
    else if (q.RecordCount() > 1)
        ShowTip(q.TextAt(1, 0), q.TextAt(1, 1));
    else
        ShowFirstOf(QStringLiteral("select id,mr_ts from jxc_mryt order by id limit 1"));
}

bool TF_Mryt::ShowFirstOf(const QString& statement)
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(statement);
    q.SetParam(QStringLiteral("id"), currentTip.toLongLong());
    q.Open();
    if (q.IsEmpty())
        return false;
    ShowTip(q.TextAt(0, 0), q.TextAt(0, 1));
    return true;
}

void TF_Mryt::ShowTip(const QString& id, const QString& text)
{
    currentTip = id;
    lMsg->setText(text);
    ExecSQL(QStringLiteral("update jxc_mryt set mr_state='0'"));
    F_DataModule->ADOConn.Exec(QStringLiteral("update jxc_mryt set mr_state='1',mr_rq=:d where id=:id"),
        { { QStringLiteral("d"), TodayText() }, { QStringLiteral("id"), id.toLongLong() } });
    StoreCheckBox();
}

void TF_Mryt::StoreCheckBox()
{
    F_DataModule->ADOConn.Exec(QStringLiteral("update jxc_txdisp set t_mryt=:t"),
        { { QStringLiteral("t"), chkDisp->isChecked() ? QStringLiteral("1") : QStringLiteral("0") } });
}

void TF_Mryt::btnNextClick()
{
    // After the last tip comes the first.
    if (!ShowFirstOf(QStringLiteral("select id,mr_ts from jxc_mryt where id>:id order by id limit 1")))
        ShowFirstOf(QStringLiteral("select id,mr_ts from jxc_mryt order by id limit 1"));
}

void TF_Mryt::btnPriorClick()
{
    if (!ShowFirstOf(QStringLiteral("select id,mr_ts from jxc_mryt where id<:id order by id desc limit 1")))
        ShowFirstOf(QStringLiteral("select id,mr_ts from jxc_mryt order by id desc limit 1"));
}

void TF_Mryt::btnExitClick()
{
    StoreCheckBox();
    close();
}

void TF_Mryt::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        btnExitClick();
        return;
    }
    Form::keyPressEvent(e);
}

TF_Lxwm::TF_Lxwm(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Lxwm"));
    setWindowTitle(QStringLiteral("联系我们"));
    lProduct = new QLabel(this);
    lProduct->setObjectName(QStringLiteral("lProduct"));
    lProduct->setText(BrandWord + QStringLiteral(" 服装进销存管理系统") + QStringLiteral("\n版本：") + ProductVersion
        + QStringLiteral("\n\n使用中有任何问题，请与您的系统供应商联系。"));
    lProduct->setAlignment(Qt::AlignCenter);
    btnClose = new QPushButton(QStringLiteral("关闭(Esc)"), this);
    btnClose->setAutoDefault(false);
    auto* root = new QVBoxLayout(this);
    root->addWidget(lProduct, 1);
    root->addWidget(btnClose, 0, Qt::AlignRight);
    resize(360, 200);
    connect(btnClose, &QPushButton::clicked, this, [this] { close(); });
}
