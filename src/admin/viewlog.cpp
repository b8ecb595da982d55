#include "admin/viewlog.h"

#include "foundation/datamodule.h"
#include "foundation/keypreview.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

Query& LogList()
{
    return F_DataModule->Q(QStringLiteral("Q_Log"));
}

bool MayClearLog()
{
    return HasRight(QStringLiteral("qtcz"), 11);
}

} // namespace

QString LogStatement(const QDate& from, const QDate& to, const QString& text)
{
    const QString t = SafeSqlText(text.trimmed());
    return QStringLiteral("select * from jxc_log where ") + PeriodCondition(QStringLiteral("log_time"), from, to)
        + QStringLiteral(" and (log_note like '%") + t + QStringLiteral("%' or a_name like '%") + t
        + QStringLiteral("%') order by id desc");
}

TF_ViewLog::TF_ViewLog(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_ViewLog"));
    setWindowTitle(QStringLiteral("查看日志"));
    SetEscCloses(false);

    btn_Dele = new QPushButton(QStringLiteral("清空"), this);
    btn_Dele->setObjectName(QStringLiteral("btn_Dele"));
    btn_Exit = new QPushButton(QStringLiteral("退出"), this);
    btn_Exit->setObjectName(QStringLiteral("btn_Exit"));
    auto* toolbar = new QHBoxLayout;
    toolbar->addWidget(btn_Dele);
    toolbar->addWidget(btn_Exit);
    toolbar->addStretch(1);

    tdate11 = MakeDateEdit(this, "tdate11");
    tdate12 = MakeDateEdit(this, "tdate12");
    btnMenu1 = MakePresetButton(this, tdate11, tdate12, [this] { btnSearchClick(); });
    btnMenu1->setObjectName(QStringLiteral("btnMenu1"));
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnSearch->setObjectName(QStringLiteral("btnSearch"));
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    InstallGoodsTextFilter(tname);
    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(QStringLiteral("日志记录的时间段："), this));
    period->addWidget(tdate11);
    period->addWidget(new QLabel(QStringLiteral("至"), this));
    period->addWidget(tdate12);
    period->addWidget(btnMenu1);
    period->addWidget(btnSearch);
    period->addStretch(1);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("输入日志记录的相关内容进行查询："), this));
    search->addWidget(tname, 1);

    for (QPushButton* b : { btn_Dele, btn_Exit, btnSearch })
        b->setAutoDefault(false);

    cxGrid1View = new DataGrid(this);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("Q_Log")));
    const int colTime = cxGrid1View->AddColumn(QStringLiteral("log_time"), QStringLiteral("日志日期"), 150);
    cxGrid1View->AddColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 90);
    cxGrid1View->AddColumn(QStringLiteral("log_note"), QStringLiteral("日志内容"), 420);
    cxGrid1View->SetFooterVisible(true);
    SetRecordCount(*cxGrid1View, colTime);
    cxGrid1View->SetAutoColumnWidth(true);

    auto* root = new QVBoxLayout(this);
    root->addLayout(toolbar);
    root->addLayout(period);
    root->addLayout(search);
    root->addWidget(cxGrid1View, 1);
    resize(760, 500);

    connect(btn_Dele, &QPushButton::clicked, this, [this] { btn_DeleClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_ViewLog::FormActivate()
{
    ApplyFontSize(FontSize);
    btn_Dele->setVisible(MayClearLog());
    SetPeriod(tdate11, tdate12, CurrentMonth(Clock::Today()));
    tname->clear();
    btnSearchClick();
}

void TF_ViewLog::btnSearchClick()
{
    OpenQuery(LogList(), LogStatement(tdate11->date(), tdate12->date(), tname->text()));
}

void TF_ViewLog::btn_DeleClick()
{
    if (!MayClearLog()) {
        Prompt::Info(QStringLiteral("您没有权限进行清除日志！"));
        return;
    }
    Query& q = LogList();
    if (!q.Active() || q.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("将清除所有日志，并不能恢复，确认清除吗？")) != Prompt::Answer::Yes)
        return;
    // The whole log goes, not only the lines listed; the clearing itself is not logged.
    ExecSQL(QStringLiteral("delete from jxc_log"));
    q.Requery();
}

bool TF_ViewLog::FormKeyDown(int key)
{
    if (key == Qt::Key_F2) {
        btnSearchClick();
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_ViewLog::done(int result)
{
    LogList().Close();
    Form::done(result);
}
