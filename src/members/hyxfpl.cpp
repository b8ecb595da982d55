#include "members/hyxfpl.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "listing/longrun.h"
#include "masterdata/pickersform.h"
#include "members/batchtopup.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString kBatchList = QStringLiteral(
    "select a.id,a.hy_sn,a.hy_bh,a.hy_name,a.hy_jf,a.hy_zje,a.hy_zhje,0 as xz,b.hl_name,c.hh_name,a.hy_mobile,a.hy_sr,"
    "a.hh_sn from jxc_hyxx a,jxc_hyfl b,jxc_hyyh c where a.hl_sn=b.hl_sn and a.hh_sn=c.hh_sn and a.hy_sn<>'100001' "
    "order by a.id desc");

} // namespace

TF_Hyxf_pl::TF_Hyxf_pl(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Hyxf_pl"));
    setWindowTitle(QStringLiteral("批量续费"));
    resize(820, 520);
    Q_hyplxf = new Query(&F_DataModule->ADOConn, this);
    source_ = new DataSource(Q_hyplxf, this);
    auto* box = new QVBoxLayout(this);
    cxGrid1View = new DataGrid(this);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(source_);
    cxGrid1View->SetFooterVisible(true);
    const int tick = cxGrid1View->AddColumn(QStringLiteral("xz"), QStringLiteral("选择"), 40);
    cxGrid1View->SetCheckColumn(tick, false);
    cxGrid1View->SetColumnEditable(tick, true);
    for (const auto& [field, caption] :
        { std::pair { "hy_bh", "会员卡号" }, { "hy_name", "会员姓名" }, { "hh_name", "优惠方式" },
            { "hl_name", "会员等级" }, { "hy_jf", "会员积分" }, { "hy_zje", "累计消费" }, { "hy_zhje", "卡内余额" } })
        cxGrid1View->AddColumn(QLatin1String(field), QString::fromUtf8(caption), 90);
    cxGrid1View->SetFooterCount(1, QStringLiteral("记录数："));
    cxGrid1View->SetFooterCount(2);
    for (const char* f : { "hy_jf", "hy_zje", "hy_zhje" })
        cxGrid1View->SetFooterSum(cxGrid1View->ColumnByField(QLatin1String(f)), QStringLiteral("0.00"));
    box->addWidget(cxGrid1View, 1);
    auto* row = new QHBoxLayout;
    chkAll = new QCheckBox(QStringLiteral("全选(F2)"), this);
    chkAll->setObjectName(QStringLiteral("chkAll"));
    row->addWidget(chkAll);
    row->addWidget(new QLabel(QStringLiteral("续费金额："), this));
    tje = NamedEdit(this, "tje", 7);
    auto* v = new QDoubleValidator(-999999, 9999999, 2, tje);
    v->setNotation(QDoubleValidator::StandardNotation);
    tje->setValidator(v);
    row->addWidget(tje);
    tsjje = NamedEdit(this, "tsjje", 10);
    tsjje->hide();
    row->addWidget(new QLabel(QStringLiteral("备注："), this));
    tnote = NamedEdit(this, "tnote", 64);
    row->addWidget(tnote, 1);
    box->addLayout(row);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("退出(ESC)"), [this] { btnOKClick(); });
    connect(chkAll, &QCheckBox::clicked, this, [this] { chkAllClick(); });
    auto* f2 = new QAction(this);
    f2->setShortcut(Qt::Key_F2);
    connect(f2, &QAction::triggered, this, [this] {
        chkAll->setChecked(!chkAll->isChecked());
        chkAllClick();
    });
    addAction(f2);
}

TF_Hyxf_pl::~TF_Hyxf_pl() = default;

void TF_Hyxf_pl::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Q_hyplxf->Close();
    Q_hyplxf->SetSQL(kBatchList);
    Q_hyplxf->Open();
    tje->setText(QStringLiteral("0"));
    tnote->clear();
    tje->setFocus();
    chkAll->setChecked(false);
}

void TF_Hyxf_pl::SetTicked(int row, bool on)
{
    if (row < 0 || row >= Q_hyplxf->RecordCount())
        return;
    Q_hyplxf->SetRecNo(row);
    Q_hyplxf->SetValue(QStringLiteral("xz"), on ? 1 : 0);
    // The tick is no column of the member table: posting writes nothing.
    Q_hyplxf->Post();
}

void TF_Hyxf_pl::chkAllClick()
{
    const bool on = chkAll->isChecked();
    for (int i = 0; i < Q_hyplxf->RecordCount(); ++i)
        SetTicked(i, on);
    if (Q_hyplxf->RecordCount() > 0)
        Q_hyplxf->First();
}

int TF_Hyxf_pl::TickedCount() const
{
    int n = 0;
    const int col = Q_hyplxf->FieldIndex(QStringLiteral("xz"));
    for (int i = 0; i < Q_hyplxf->RecordCount(); ++i)
        if (Q_hyplxf->ValueAt(i, col).toInt() != 0)
            ++n;
    return n;
}

void TF_Hyxf_pl::btnOKClick()
{
    const double amount = tje->text().trimmed().toDouble();
    if (std::llround(amount * 100) <= 0) {
        Prompt::Info(QStringLiteral("储值金额不能为零或负数！"));
        return;
    }
    QList<BatchMember> members;
    const auto col = [this](const char* f) { return Q_hyplxf->FieldIndex(QLatin1String(f)); };
    for (int i = 0; i < Q_hyplxf->RecordCount(); ++i) {
        if (Q_hyplxf->ValueAt(i, col("xz")).toInt() == 0)
            continue;
        members.push_back({ Q_hyplxf->TextAt(i, col("hy_sn")), Q_hyplxf->TextAt(i, col("hy_bh")),
            Q_hyplxf->TextAt(i, col("hy_name")), Q_hyplxf->TextAt(i, col("hh_sn")),
            Q_hyplxf->TextAt(i, col("hy_mobile")), Q_hyplxf->TextAt(i, col("hy_sr")) });
    }
    int count = 0;
    RunWithProgress(this, QStringLiteral("批量续费"), int(members.size()),
        [&](const std::function<void(int)>& step) { count = RunBatchTopUp(members, amount, tnote->text(), step); });
    Prompt::Info(QStringLiteral("共有") + QString::number(count) + QStringLiteral("个会员卡续费成功！"));
    accept();
}
