#include "members/sms.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/listoutput.h"
#include "masterdata/boundsql.h"
#include "masterdata/pickersform.h"
#include "members/smscs.h"
#include "members/smsops.h"
#include "members/smssend.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

DataGrid* SmsGrid(QWidget* parent, const char* name, const QString& source,
    std::initializer_list<std::pair<const char*, const char*>> columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(source));
    g->SetFooterVisible(true);
    for (const auto& c : columns)
        g->AddColumn(QLatin1String(c.first), QString::fromUtf8(c.second), 100);
    g->SetFooterCount(0, QStringLiteral("记录数："));
    return g;
}

QDateEdit* SmsDate(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QLatin1String(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

} // namespace

TF_Sms::TF_Sms(QWidget* parent)
    : Form(parent), Q_Sms(F_DataModule->Q(QStringLiteral("Q_Sms"))),
      Q_GoodsThxs(F_DataModule->Q(QStringLiteral("Q_GoodsThxs"))),
      Q_SmsList(F_DataModule->Q(QStringLiteral("Q_SmsList")))
{
    setObjectName(QStringLiteral("TF_Sms"));
    setWindowTitle(QStringLiteral("发送短信"));
    resize(900, 600);
    auto* box = new QVBoxLayout(this);
    cxTab = new QTabWidget(this);
    box->addWidget(cxTab);

    auto* tab1 = new QWidget(cxTab);
    auto* t1 = new QVBoxLayout(tab1);
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("发送日期："), tab1));
    dateCg = SmsDate(tab1, "dateCg");
    head->addWidget(dateCg);
    head->addWidget(new QLabel(QStringLiteral("短信单号："), tab1));
    jsn = new QLabel(tab1);
    jsn->setObjectName(QStringLiteral("jsn"));
    head->addWidget(jsn);
    head->addStretch(1);
    AddButton(head, tab1, QStringLiteral("删除"), [this] { btnDeleClick(); });
    AddButton(head, tab1, QStringLiteral("添加会员(F2)"), [this] { btnAddHyClick(); });
    t1->addLayout(head);
    cxGrid1View = SmsGrid(tab1, "cxGrid1View", QStringLiteral("D_Sms"),
        { { "hy_bh", "会员编号" }, { "hy_name", "会员姓名" }, { "hy_mobile", "会员手机" }, { "hy_sr", "会员生日" },
            { "hy_address", "地址" } });
    t1->addWidget(cxGrid1View, 1);

    RzPanelGhs = new QWidget(tab1);
    RzPanelGhs->setObjectName(QStringLiteral("RzPanelGhs"));
    auto* picker = new QVBoxLayout(RzPanelGhs);
    auto* find = new QHBoxLayout;
    find->addWidget(new QLabel(QStringLiteral("查找会员(F2)："), RzPanelGhs));
    tkey = NamedEdit(RzPanelGhs, "tkey", 32);
    find->addWidget(tkey, 1);
    find->addWidget(new QLabel(QStringLiteral("按住[Shift]键可以多选"), RzPanelGhs));
    picker->addLayout(find);
    cxGridHy = SmsGrid(RzPanelGhs, "cxGridHy", QStringLiteral("D_GoodsThxs"),
        { { "hy_bh", "会员编号" }, { "hy_name", "会员姓名" }, { "hy_mobile", "手机" }, { "hy_sr", "生日" },
            { "hy_address", "地址" } });
    cxGridHy->SetMultiSelect(true);
    picker->addWidget(cxGridHy, 1);
    auto* pb = new QHBoxLayout;
    pb->addStretch(1);
    AddButton(pb, RzPanelGhs, QStringLiteral("确定(F5)"), [this] { btnPickOkClick(); });
    AddButton(pb, RzPanelGhs, QStringLiteral("退出(Esc)"), [this] { btnPickExitClick(); });
    picker->addLayout(pb);
    t1->addWidget(RzPanelGhs, 1);

    auto* text = new QHBoxLayout;
    text->addWidget(new QLabel(QStringLiteral("短信内容："), tab1));
    tnote = new QPlainTextEdit(tab1);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setFixedHeight(70);
    text->addWidget(tnote, 1);
    text->addWidget(new QLabel(QStringLiteral("{hyname} 会员姓名\n{hybh} 会员卡号\n{hysr} 会员生日\n{czkje} "
                                              "储值卡余额\n{zjf} 会员积分"),
        tab1));
    t1->addLayout(text);
    auto* t1b = new QHBoxLayout;
    t1b->addStretch(1);
    AddButton(t1b, tab1, QStringLiteral("发送(F5)"), [this] { btnSendClick(); });
    AddButton(t1b, tab1, QStringLiteral("退出(Esc)"), [this] { close(); });
    t1->addLayout(t1b);
    cxTab->addTab(tab1, QStringLiteral("发送短信"));

    auto* tab2 = new QWidget(cxTab);
    auto* t2 = new QVBoxLayout(tab2);
    auto* bar = new QHBoxLayout;
    AddButton(bar, tab2, QStringLiteral("删除"), [this] { btnDele2Click(); });
    AddButton(bar, tab2, QStringLiteral("删除全部"), [this] { btnDeleAllClick(); });
    AddButton(bar, tab2, QStringLiteral("导出"), [this] { btnExportClick(); });
    AddButton(bar, tab2, QStringLiteral("短信参数"), [this] { btnSmsCsClick(); });
    AddButton(bar, tab2, QStringLiteral("重发短信"), [this] { btnResendClick(); });
    AddButton(bar, tab2, QStringLiteral("退出"), [this] { close(); });
    bar->addStretch(1);
    t2->addLayout(bar);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("查询日期："), tab2));
    tdate11 = SmsDate(tab2, "tdate11");
    filters->addWidget(tdate11);
    filters->addWidget(new QLabel(QStringLiteral("至"), tab2));
    tdate12 = SmsDate(tab2, "tdate12");
    filters->addWidget(tdate12);
    filters->addWidget(new QLabel(QStringLiteral("会员姓名/编号/简码/手机/单据号/短信内容："), tab2));
    tkey1 = NamedEdit(tab2, "tkey1", 32);
    filters->addWidget(tkey1, 1);
    AddButton(filters, tab2, QStringLiteral("查询(F2)"), [this] { btnSearchClick(); });
    t2->addLayout(filters);
    cxGrid2View = SmsGrid(tab2, "cxGrid2View", QStringLiteral("D_SmsList"),
        { { "gl_djh", "单据号" }, { "sms_rq", "发信日期" }, { "hy_bh", "会员编号" }, { "hy_name", "会员姓名" },
            { "hy_mobile", "手机" }, { "hy_sr", "会员生日" }, { "sms_note", "短信内容" }, { "a_name", "操作员" } });
    t2->addWidget(cxGrid2View, 1);
    cxTab->addTab(tab2, QStringLiteral("已发短信"));

    connect(tkey, &QLineEdit::textChanged, this, [this] { tkeyChange(); });
    connect(dateCg, &QDateEdit::userDateChanged, this, [this] { dateCgChange(); });
    connect(cxTab, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 1)
            btnSearchClick();
    });
    InstallDialogKeys(this, [this] {
        if (RzPanelGhs->isVisible())
            btnPickOkClick();
        else if (cxTab->currentIndex() == 0)
            btnSendClick();
    });
}

void TF_Sms::openGridViewData(const QString& number)
{
    OpenWithParams(Q_Sms,
        QStringLiteral(
            "select a.*,b.hy_bh,b.hy_name,b.hy_sr,b.hy_address,b.hy_zhje,b.hy_jf from jxc_smshy a,jxc_hyxx b "
            "where a.hy_sn=b.hy_sn and a.gl_djh=:djh and a.a_name=:who order by a.id"),
        { { QStringLiteral("djh"), number }, { QStringLiteral("who"), CurrentAdminName } });
}

void TF_Sms::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    cxTab->setCurrentIndex(0);
    RzPanelGhs->hide();
    tkey->clear();
    tnote->setPlainText(InitialSmsText());
    const QDate today = Clock::Today();
    dateCg->setDate(today);
    tdate11->setDate(QDate(today.year(), today.month(), 1));
    tdate12->setDate(today);
    tkey1->clear();
    jsn->setText(NextSmsNumber());
    OpenQuery(Q_GoodsThxs,
        QStringLiteral("select hy_sn,hy_bh,hy_name,hy_mobile,hy_sr,hy_address,hy_jm from jxc_hyxx "
                       "where hy_status<>0 and hy_sn<>'100001' and hy_mobile<>'' order by hy_sn"));
    openGridViewData(jsn->text());
    if (ScalarBound(QStringLiteral("select id from jxc_smscs where sms_user<>'' and sms_pwd<>''"), {}).isEmpty()) {
        Prompt::Info(QStringLiteral("您还没有定义短信参数，\r\n\r\n要在发送短信之前定义短信参数！"));
        btnSmsCsClick();
    }
}

void TF_Sms::btnAddHyClick()
{
    RzPanelGhs->show();
    tkey->setFocus();
}

void TF_Sms::btnPickExitClick()
{
    RzPanelGhs->hide();
}

void TF_Sms::tkeyChange()
{
    FilterGridByText(*cxGridHy, tkey->text().trimmed(),
        { QStringLiteral("hy_name"), QStringLiteral("hy_jm"), QStringLiteral("hy_sn"), QStringLiteral("hy_mobile"),
            QStringLiteral("hy_address") });
}

void TF_Sms::btnPickOkClick()
{
    QStringList chosen;
    for (int row : cxGridHy->SelectedRows())
        chosen << cxGridHy->Value(row, QStringLiteral("hy_sn")).toString();
    if (chosen.isEmpty()) {
        Prompt::Info(QStringLiteral("请选择会员！"));
        return;
    }
    AddSmsRecipients(jsn->text(), chosen);
    openGridViewData(jsn->text());
    RzPanelGhs->hide();
}

void TF_Sms::btnDeleClick()
{
    if (!Q_Sms.Active() || Q_Sms.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的会员吗！")) == Prompt::Answer::No)
        return;
    ExecBound(QStringLiteral("delete from jxc_smshy where id=:id"),
        { { QStringLiteral("id"), Q_Sms.AsInteger(QStringLiteral("id")) } });
    openGridViewData(jsn->text());
}

void TF_Sms::dateCgChange()
{
    jsn->setText(RenumberSmsBatch(jsn->text(), dateCg->date()));
    openGridViewData(jsn->text());
}

void TF_Sms::btnSendClick()
{
    const int recipients = Q_Sms.Active() ? Q_Sms.RecordCount() : 0;
    const QString refusal = SmsBatchRefusal(recipients, tnote->toPlainText());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    const int sent = SendSmsBatch(jsn->text(), dateCg->date(), tnote->toPlainText());
    Prompt::Info(QStringLiteral("短信发送成功，共") + QString::number(sent) + QStringLiteral("个会员"));
    FormActivate();
}

bool TF_Sms::FormCloseQuery()
{
    if (!Q_Sms.Active() || Q_Sms.IsEmpty())
        return true;
    switch (Prompt::YesNoCancel(QStringLiteral("当前单据还未保存，是否保存？"))) {
    case Prompt::Answer::Yes: {
        const QString refusal = SmsBatchRefusal(Q_Sms.RecordCount(), tnote->toPlainText());
        if (!refusal.isEmpty()) {
            Prompt::Info(refusal);
            return false;
        }
        SendSmsBatch(jsn->text(), dateCg->date(), tnote->toPlainText());
        return true;
    }
    case Prompt::Answer::No:
        DiscardSmsBatch(jsn->text());
        return true;
    default:
        return false;
    }
}

void TF_Sms::btnSearchClick()
{
    const QString key = SafeSqlText(tkey1->text().trimmed());
    OpenWithParams(Q_SmsList, SmsLogSql(),
        { { QStringLiteral("d1"), tdate11->date().toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("d2"), tdate12->date().addDays(1).toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("k"), key }, { QStringLiteral("pat"), QStringLiteral("%") + key + QStringLiteral("%") } });
}

void TF_Sms::btnDele2Click()
{
    if (!Q_SmsList.Active() || Q_SmsList.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除选中的信息吗！")) == Prompt::Answer::No)
        return;
    DeleteSmsLogRow(Q_SmsList.AsInteger(QStringLiteral("id")));
    btnSearchClick();
}

void TF_Sms::btnDeleAllClick()
{
    if (!Q_SmsList.Active() || Q_SmsList.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将删除全部短信信息！确认吗？")) == Prompt::Answer::No)
        return;
    ExecBound(QStringLiteral("delete from jxc_smshy"), {});
    ExecBound(QStringLiteral("delete from jxc_sms"), {});
    btnSearchClick();
}

void TF_Sms::btnExportClick()
{
    if (Q_SmsList.Active() && !Q_SmsList.IsEmpty())
        ExportGridList(*cxGrid2View);
}

void TF_Sms::btnSmsCsClick()
{
    TF_Sms_Cs settings(this);
    Prompt::ShowModal(&settings);
}

void TF_Sms::btnResendClick()
{
    if (!Q_SmsList.Active() || Q_SmsList.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将重新发送会员：‘") + Q_SmsList.AsString(QStringLiteral("hy_name"))
            + QStringLiteral("’短信信息，确认吗？"))
        == Prompt::Answer::No)
        return;
    ResendSms(Q_SmsList.AsInteger(QStringLiteral("id")));
    btnSearchClick();
    Prompt::Info(QStringLiteral("短信发送成功！"));
}

void TF_Sms::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Sms, &Q_GoodsThxs, &Q_SmsList })
        q->Close();
    Form::hideEvent(e);
}
