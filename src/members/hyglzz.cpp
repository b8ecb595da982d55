#include "members/hyglzz.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "members/batchtopup.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QDoubleValidator>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

Query& RegisterRow()
{
    return F_DataModule->Q(QStringLiteral("Q_Hyxx"));
}

QLabel* TransferLabel(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QString TransferMoney(double v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

TF_Hygl_Zz::TF_Hygl_Zz(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Hygl_Zz"));
    setWindowTitle(QStringLiteral("输入密码"));
    auto* box = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    hy_bh = TransferLabel(this, "hy_bh");
    f->addRow(QStringLiteral("会员卡号："), hy_bh);
    hy_name = TransferLabel(this, "hy_name");
    f->addRow(QStringLiteral("会员姓名："), hy_name);
    tmm = NamedEdit(this, "tmm", 16);
    tmm->setEchoMode(QLineEdit::Password);
    f->addRow(QStringLiteral("输入密码："), tmm);
    box->addLayout(f);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("退出(Esc)"), [this] { btnSaveClick(); });
}

void TF_Hygl_Zz::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& q = RegisterRow();
    memberSn_ = q.AsString(QStringLiteral("hy_sn"));
    hy_bh->setText(q.AsString(QStringLiteral("hy_bh")));
    hy_name->setText(q.AsString(QStringLiteral("hy_name")));
    tmm->clear();
    tmm->setFocus();
}

void TF_Hygl_Zz::btnSaveClick()
{
    if (!MemberPasswordMatches(memberSn_, tmm->text())) {
        Prompt::Info(QStringLiteral("密码不正确，请重新输入！"));
        tmm->setFocus();
        return;
    }
    OpenMode = QStringLiteral("1");
    accept();
}

TF_Hygl_Zz2::TF_Hygl_Zz2(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Hygl_Zz2"));
    setWindowTitle(QStringLiteral("会员转账"));
    auto* box = new QVBoxLayout(this);
    auto* cards = new QHBoxLayout;
    auto* out = new QGroupBox(QStringLiteral("转出卡信息"), this);
    auto* fo = new QFormLayout(out);
    hy_bh = TransferLabel(out, "hy_bh");
    fo->addRow(QStringLiteral("会员卡号："), hy_bh);
    hy_name = TransferLabel(out, "hy_name");
    fo->addRow(QStringLiteral("会员姓名："), hy_name);
    hy_zhje = TransferLabel(out, "hy_zhje");
    fo->addRow(QStringLiteral("卡内余额："), hy_zhje);
    hy_zje = TransferLabel(out, "hy_zje");
    fo->addRow(QStringLiteral("累计消费："), hy_zje);
    cards->addWidget(out);
    auto* in = new QGroupBox(QStringLiteral("转入卡信息"), this);
    auto* fi = new QFormLayout(in);
    bh = TransferLabel(in, "bh");
    fi->addRow(QStringLiteral("会员卡号："), bh);
    name = TransferLabel(in, "name");
    fi->addRow(QStringLiteral("会员姓名："), name);
    zhje = TransferLabel(in, "zhje");
    fi->addRow(QStringLiteral("卡内余额："), zhje);
    zje = TransferLabel(in, "zje");
    fi->addRow(QStringLiteral("累计消费："), zje);
    cards->addWidget(in);
    box->addLayout(cards);

    auto* f = new QFormLayout;
    auto* target = new QHBoxLayout;
    tbh = NamedEdit(this, "tbh", 32);
    btnCx = AddButton(target, this, QStringLiteral("查询"), [this] { btnCxClick(); });
    target->insertWidget(0, tbh, 1);
    f->addRow(QStringLiteral("转入会员卡号："), target);
    auto* amount = new QHBoxLayout;
    tje = NamedEdit(this, "tje", 7);
    auto* v = new QDoubleValidator(0, 9999999, 2, tje);
    v->setNotation(QDoubleValidator::StandardNotation);
    tje->setValidator(v);
    rAll = new QRadioButton(QStringLiteral("全部金额"), this);
    rBfje = new QRadioButton(QStringLiteral("部分金额"), this);
    amount->addWidget(tje);
    amount->addWidget(rAll);
    amount->addWidget(rBfje);
    f->addRow(QStringLiteral("转入金额："), amount);
    box->addLayout(f);

    RzPanel_Hy = new QWidget(this);
    RzPanel_Hy->setObjectName(QStringLiteral("RzPanel_Hy"));
    auto* panel = new QVBoxLayout(RzPanel_Hy);
    Q_hyplxf = new Query(&F_DataModule->ADOConn, this);
    cxGrid1View = new DataGrid(RzPanel_Hy);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(new DataSource(Q_hyplxf, cxGrid1View));
    cxGrid1View->SetFooterVisible(true);
    for (const auto& [field, caption] : { std::pair { "hy_bh", "会员卡号" }, { "hy_name", "会员姓名" },
             { "hh_name", "优惠方式" }, { "hl_name", "会员等级" }, { "hy_zhje", "卡内余额" } })
        cxGrid1View->AddColumn(QLatin1String(field), QString::fromUtf8(caption), 90);
    cxGrid1View->SetFooterCount(0, QStringLiteral("记录数："));
    cxGrid1View->SetFooterSum(cxGrid1View->ColumnByField(QStringLiteral("hy_zhje")), QStringLiteral("0.00"));
    panel->addWidget(cxGrid1View);
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addStretch(1);
    AddButton(panelButtons, RzPanel_Hy, QStringLiteral("确定"), [this] { btnOKClick(); });
    AddButton(panelButtons, RzPanel_Hy, QStringLiteral("退出"), [this] { btnExit2Click(); });
    panel->addLayout(panelButtons);
    box->addWidget(RzPanel_Hy, 1);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("退出(Esc)"), [this] { btnSaveClick(); });

    connect(rAll, &QRadioButton::clicked, this, [this] { rAllClick(); });
    connect(rBfje, &QRadioButton::clicked, this, [this] { rBfjeClick(); });
    connect(tbh, &QLineEdit::textEdited, this, [this] { tbhChange(); });
    connect(tbh, &QLineEdit::returnPressed, this, [this] { btnOKClick(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btnOKClick(); });
}

void TF_Hygl_Zz2::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& q = RegisterRow();
    sourceCard_ = q.AsString(QStringLiteral("hy_bh"));
    hy_bh->setText(sourceCard_);
    hy_name->setText(q.AsString(QStringLiteral("hy_name")));
    hy_zhje->setText(TransferMoney(q.AsFloat(QStringLiteral("hy_zhje"))));
    hy_zje->setText(TransferMoney(q.AsFloat(QStringLiteral("hy_zje"))));
    sourceBalance_ = q.AsFloat(QStringLiteral("hy_zhje"));
    tje->setText(NumberText(sourceBalance_));
    tbh->clear();
    rAll->setChecked(true);
    tje->setEnabled(false);
    for (QLabel* l : { bh, name, zhje, zje })
        l->clear();
    Q_hyplxf->Close();
    Q_hyplxf->SetSQL(QStringLiteral(
        "select a.id,a.hy_sn,a.hy_bh,a.hy_name,a.hy_jf,a.hy_zje,a.hy_zhje,b.hl_name,c.hh_name,a.hy_mobile from "
        "jxc_hyxx a,jxc_hyfl b,jxc_hyyh c where a.hl_sn=b.hl_sn and a.hh_sn=c.hh_sn and a.hy_sn<>'100001' and "
        "a.hy_bh<>:src order by a.id desc"));
    Q_hyplxf->SetParam(QStringLiteral("src"), sourceCard_);
    Q_hyplxf->Open();
    RzPanel_Hy->hide();
}

void TF_Hygl_Zz2::btnCxClick()
{
    RzPanel_Hy->show();
}

void TF_Hygl_Zz2::btnExit2Click()
{
    RzPanel_Hy->hide();
}

void TF_Hygl_Zz2::tbhChange()
{
    FilterGridByText(*cxGrid1View, tbh->text().trimmed(),
        { QStringLiteral("hy_bh"), QStringLiteral("hy_name"), QStringLiteral("hy_sn") });
}

void TF_Hygl_Zz2::btnOKClick()
{
    const int row = cxGrid1View->CurrentRow();
    if (row < 0)
        return;
    tbh->setText(cxGrid1View->Value(row, QStringLiteral("hy_bh")).toString());
    bh->setText(tbh->text());
    name->setText(cxGrid1View->Value(row, QStringLiteral("hy_name")).toString());
    zje->setText(TransferMoney(cxGrid1View->Value(row, QStringLiteral("hy_zje")).toDouble()));
    zhje->setText(TransferMoney(cxGrid1View->Value(row, QStringLiteral("hy_zhje")).toDouble()));
    RzPanel_Hy->hide();
}

void TF_Hygl_Zz2::rAllClick()
{
    tje->setEnabled(false);
    tje->setText(NumberText(sourceBalance_));
}

void TF_Hygl_Zz2::rBfjeClick()
{
    tje->setEnabled(true);
}

void TF_Hygl_Zz2::btnSaveClick()
{
    const double amount = tje->text().trimmed().toDouble();
    // The balance as it stands now: a sale since the register listed it counts.
    Query now(&F_DataModule->ADOConn);
    now.SetSQL(QStringLiteral("select hy_zhje from jxc_hyxx where hy_bh=:bh"));
    now.SetParam(QStringLiteral("bh"), sourceCard_);
    now.Open();
    const QString refusal = TransferRefusal(
        bh->text(), tbh->text(), sourceCard_, amount, now.IsEmpty() ? 0 : now.AsFloat(QStringLiteral("hy_zhje")));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    RecordTransfer({ sourceCard_, bh->text(), amount });
    Prompt::Info(QStringLiteral("转账成功"));
    accept();
}
