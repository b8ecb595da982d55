#include "admin/nzjs.h"

#include "admin/listparts.h"
#include "admin/longrun.h"
#include "admin/settlement.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/setfiles.h"
#include "foundation/settings.h"
#include "listing/listoutput.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

Query& njList()
{
    return F_DataModule->Q(QStringLiteral("Q_Nzjs"));
}

QLabel* noteLabel(QWidget* parent, const QString& text, bool red)
{
    auto* l = new QLabel(text, parent);
    if (red)
        l->setStyleSheet(QStringLiteral("color: #b00000;"));
    return l;
}

} // namespace

TF_Nzjs::TF_Nzjs(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Nzjs"));
    setWindowTitle(QStringLiteral("数据结算"));
    SetEscCloses(true);

    dateCg = new QDateEdit(this);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->setCalendarPopup(true);
    chkBackup = new QCheckBox(QStringLiteral("结算时备份数据库"), this);
    chkBackup->setObjectName(QStringLiteral("chkBackup"));
    ldate = noteLabel(this, QString(), true);
    ldate->setObjectName(QStringLiteral("ldate"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("结算日期："), this));
    top->addWidget(dateCg);
    top->addWidget(chkBackup);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("提示："), this));
    top->addWidget(ldate, 1);

    btn_Exit = MakeButton(this, "btn_Exit", QStringLiteral("退出"));
    btn_OK = MakeButton(this, "btn_OK", QStringLiteral("确定结算"));
    btn_Export = MakeButton(this, "btn_Export", QStringLiteral("导出"));
    btn_Dele = MakeButton(this, "btn_Dele", QStringLiteral("删除"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn_OK);
    buttons->addWidget(btn_Export);
    buttons->addWidget(btn_Dele);
    buttons->addWidget(btn_Exit);
    buttons->addStretch();

    cxGrid1View = MakeListGrid(this, QStringLiteral("D_Nzjs"));
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    const int colDate = cxGrid1View->AddColumn(QStringLiteral("nj_jsrq"), QStringLiteral("结算日期"), 90);
    cxGrid1View->AddColumn(QStringLiteral("nj_year"), QStringLiteral("年份"), 90);
    cxGrid1View->AddColumn(QStringLiteral("nj_xm"), QStringLiteral("结算项目"), 150);
    const int colCount = cxGrid1View->AddColumn(
        QStringLiteral("nj_ds"), QStringLiteral("单据数"), 70, Qt::AlignRight | Qt::AlignVCenter);
    const int colQty = cxGrid1View->AddColumn(
        QStringLiteral("nj_sl"), QStringLiteral("数量"), 90, Qt::AlignRight | Qt::AlignVCenter);
    const int colAmount = cxGrid1View->AddColumn(
        QStringLiteral("nj_je"), QStringLiteral("金额"), 110, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid1View->SetFooterCount(colDate, QStringLiteral("记录数："));
    cxGrid1View->SetFooterSum(colCount);
    cxGrid1View->SetFooterSum(colQty);
    cxGrid1View->SetFooterSum(colAmount);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(
        noteLabel(this, QStringLiteral("数据结算前一定要备份数据库。结算日期(含)及之前的数据将被删除。"), true));
    root->addWidget(noteLabel(this, QStringLiteral("提示：结算时需要较长时间，请耐心等待。"), false));
    root->addWidget(noteLabel(this, QStringLiteral("注：库存盘点项的数量为盘点数量，金额为库存数量。"), false));
    root->addLayout(buttons);
    root->addWidget(cxGrid1View, 1);
    resize(720, 480);

    connect(dateCg, &QDateEdit::dateChanged, this, [this] { dateCgChange(); });
    connect(btn_OK, &QPushButton::clicked, this, [this] { btn_OKClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Dele, &QPushButton::clicked, this, [this] { btn_DeleClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
}

void TF_Nzjs::FormActivate()
{
    ApplyFontSize(FontSize);
    btn_OK->setEnabled(true);
    chkBackup->setChecked(true);
    // The end of last year.
    dateCg->setDate(QDate(Clock::Today().year() - 1, 12, 31));
    dateCgChange();
    OpenList();
    const int colQty = cxGrid1View->ColumnByField(QStringLiteral("nj_sl"));
    const int colAmount = cxGrid1View->ColumnByField(QStringLiteral("nj_je"));
    cxGrid1View->SetColumnFormat(colQty, QtyFormatText(QtyDecimals, true));
    cxGrid1View->SetColumnFormat(colAmount, AmountFormatText(AmountDecimals, CurrencySign));
    cxGrid1View->SetFooterFormat(colQty, QtyFormatText(QtyDecimals, true));
    cxGrid1View->SetFooterFormat(colAmount, AmountFooterFormatText(TotalDecimals.toInt()));
}

void TF_Nzjs::OpenList()
{
    OpenQuery(njList(), QStringLiteral("select * from jxc_nj order by nj_year desc,id"));
}

void TF_Nzjs::FormClose()
{
    njList().Close();
}

void TF_Nzjs::done(int result)
{
    FormClose();
    Form::done(result);
}

void TF_Nzjs::dateCgChange()
{
    ldate->setText(QStringLiteral("将删除： ") + dateCg->date().toString(QStringLiteral("yyyy-MM-dd"))
        + QStringLiteral(" 及该日期之前的全部数据！"));
}

void TF_Nzjs::btn_OKClick()
{
    const QDate cutoff = dateCg->date();
    const QString date = cutoff.toString(QStringLiteral("yyyy-MM-dd"));
    if (AlreadySettled(cutoff)
        && Prompt::YesNo(date + QStringLiteral("日期已经结算过了，还要重新结算吗？")) != Prompt::Answer::Yes)
        return;
    if (Prompt::YesNo(QStringLiteral("数据结算前将备份数据库。\r\n\r\n结算日期【") + date
            + QStringLiteral("】及之前的所有数据将被删除。\r\n\r\n您确定要进行数据结算吗！"))
        != Prompt::Answer::Yes)
        return;
    btn_OK->setEnabled(false);
    if (chkBackup->isChecked()) {
        const BackupResult r = BackupAccountSet(
            CurrentDbName, ProgramFolder::Path(), CurrentAccountSetName + QStringLiteral("(数据结算)"), Clock::Now());
        if (!r.ok) {
            // Without the copy that was asked for, nothing is settled.
            ShowBackupFailure(r.error);
            btn_OK->setEnabled(true);
            return;
        }
        Prompt::Info(QStringLiteral("备份成功！备份文件保存在：") + QDir::toNativeSeparators(r.file));
    }
    {
        LongRun progress(QStringLiteral("数据结算"), 8);
        SettlePeriod(cutoff, [&](int, const QString& label) { progress.Step(label); });
    }
    OpenList();
    Prompt::Info(QStringLiteral("结算完成！"));
    btn_OK->setEnabled(true);
}

void TF_Nzjs::btn_ExportClick()
{
    ExportGridList(*cxGrid1View);
}

void TF_Nzjs::btn_DeleClick()
{
    Query& q = njList();
    if (q.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的数据吗？")) != Prompt::Answer::Yes)
        return;
    F_DataModule->ADOConn.Exec(QStringLiteral("delete from jxc_nj where id=:id"),
        { { QStringLiteral("id"), q.AsInteger(QStringLiteral("id")) } });
    OpenList();
}
