#include "admin/bbsj.h"

#include "admin/listparts.h"
#include "foundation/datamodule.h"
#include "foundation/schema/schema.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/report/reportdesigner.h"
#include "platform/ui/prompt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

Query& reportList()
{
    return F_DataModule->Q(QStringLiteral("Q_GoodsPrice"));
}

} // namespace

TF_Bbsj::TF_Bbsj(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Bbsj"));
    setWindowTitle(QStringLiteral("报表设计"));

    comLx = new QComboBox(this);
    comLx->setObjectName(QStringLiteral("comLx"));
    comLx->addItems({ QStringLiteral("所有类型"), QStringLiteral("进货管理"), QStringLiteral("销售管理"),
        QStringLiteral("库存管理"), QStringLiteral("往来账款"), QStringLiteral("统计报表"),
        QStringLiteral("系统设置") });
    btnDesign = MakeButton(this, "btnDesign", QStringLiteral("设计报表"));
    btnRead = MakeButton(this, "btnRead", QStringLiteral("读取报表信息"));
    btnExit = MakeButton(this, "btnExit", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("报表分类："), this));
    bar->addWidget(comLx);
    bar->addWidget(btnDesign);
    bar->addWidget(btnRead);
    bar->addStretch(1);
    bar->addWidget(btnExit);

    cxGridView = MakeListGrid(this, QStringLiteral("D_GoodsPrice"));
    const int colSn = cxGridView->AddColumn(QStringLiteral("b_sn"), QStringLiteral("编号"), 90);
    cxGridView->AddColumn(QStringLiteral("b_name"), QStringLiteral("报表名称"), 220);
    cxGridView->AddColumn(QStringLiteral("b_file"), QStringLiteral("报表文件名称"), 160);
    cxGridView->AddColumn(QStringLiteral("b_lxmc"), QStringLiteral("报表分类"), 100);
    cxGridView->SetFooterCount(colSn, QStringLiteral("记录数："));

    auto* root = new QVBoxLayout(this);
    root->addLayout(bar);
    root->addWidget(cxGridView, 1);
    resize(640, 480);

    connect(comLx, &QComboBox::activated, this, [this] { setBbList(); });
    connect(btnDesign, &QPushButton::clicked, this, [this] { btnDesignClick(); });
    connect(btnRead, &QPushButton::clicked, this, [this] { btnReadClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnDesignClick(); });
}

QString TF_Bbsj::ListStatement(int position)
{
    // "系统设置" sits at position 6 but is group 6, past the unused group 5.
    int group = position - 1;
    if (group == 5)
        group = 6;
    QString sql = QStringLiteral("select * from jxc_bbgl ");
    if (group != -1)
        sql += QStringLiteral(" where b_lx=") + QString::number(group) + QLatin1Char(' ');
    return sql + QStringLiteral(" order by b_lx,id");
}

void TF_Bbsj::FormActivate()
{
    comLx->setCurrentIndex(0);
    setBbList();
}

void TF_Bbsj::setBbList()
{
    OpenQuery(reportList(), ListStatement(comLx->currentIndex()));
}

void TF_Bbsj::btnDesignClick()
{
    Query& q = reportList();
    if (!q.Active() || q.IsEmpty() || cxGridView->CurrentRow() < 0)
        return;
    const QString file = cxGridView->Value(cxGridView->CurrentRow(), QStringLiteral("b_file")).toString();
    DesignReport(ProgramFolder::File(QStringLiteral("report/") + file), this);
}

void TF_Bbsj::btnReadClick()
{
    if (Prompt::YesNo(QStringLiteral("您确定要读取默认报表吗？")) != Prompt::Answer::Yes)
        return;
    reportList().Close();
    {
        Transaction t(F_DataModule->ADOConn);
        CreateReportListTable(F_DataModule->ADOConn);
        t.Commit();
    }
    setBbList();
}

void TF_Bbsj::btnExitClick()
{
    close();
}

void TF_Bbsj::FormClose()
{
    reportList().Close();
}

void TF_Bbsj::done(int result)
{
    FormClose();
    Form::done(result);
}
