#include "purchasing/modidate.h"

#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/printvars.h"
#include "purchasing/cgjh.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString DayText(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

// The pending list of the window that opened the dialog, moved to the document's new
// number, and that window's entry tab given a fresh number of its own date.
void RefreshPendingWindow(const QString& prefix, const QString& header, const QString& number)
{
    Query& pending = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (pending.Active()) {
        pending.Requery();
        pending.Locate(QStringLiteral("gl_djh"), number);
    }
    DocHost* host = FindDocHost(prefix);
    if (!host)
        return;
    if (host->reloadPendingLines)
        host->reloadPendingLines();
    // The return window draws today's number, the others that of their own date.
    const QString next = prefix == QLatin1String("CT")
        ? NextDocNoToday(header, QStringLiteral("gl_djh"), prefix)
        : NextDocNo(header, QStringLiteral("gl_djh"), prefix, host->date());
    host->showNumber(next);
    host->reloadDraft();
}

} // namespace

TF_ModiDateJh::TF_ModiDateJh(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_ModiDateJh"));
    setWindowTitle(QStringLiteral("修改开单日期"));
    setMinimumWidth(380);
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    box->addLayout(grid);
    gldjh = NamedLabel(this, "", "gldjh");
    gldjh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    comGhs = new KeyedCombo(this);
    comGhs->setObjectName(QStringLiteral("comGhs"));
    comCk2 = new KeyedCombo(this);
    comCk2->setObjectName(QStringLiteral("comCk2"));
    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    dateCg = new QDateEdit(this);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->setCalendarPopup(true);
    tyfje = NamedEdit(this, "tyfje", 32);
    tyfje->setReadOnly(true);
    tsfje = NamedEdit(this, "tsfje", 32);
    comYhzh = new KeyedCombo(this);
    comYhzh->setObjectName(QStringLiteral("comYhzh"));
    comJsfs = new KeyedCombo(this);
    comJsfs->setObjectName(QStringLiteral("comJsfs"));
    tsn2 = NamedEdit(this, "tsn2", 32);
    tnote = NamedEdit(this, "tnote", 32767);
    tyf = NamedEdit(this, "tyf", 32);
    tbzf = NamedEdit(this, "tbzf", 32);
    chkYf = new QCheckBox(QStringLiteral("我方付费"), this);
    chkYf->setObjectName(QStringLiteral("chkYf"));
    chkYf->hide();
    tfpno = NamedEdit(this, "tfpno", 32);
    tfpje = NamedEdit(this, "tfpje", 32);
    lYhzh = NamedLabel(this, "付款账户：", "lYhzh");
    lJsfs = NamedLabel(this, "结算方式：", "lJsfs");
    lsn2 = NamedLabel(this, "原始单号：", "lsn2");
    lyf = NamedLabel(this, "运费：", "lyf");
    lbzf = NamedLabel(this, "包装费：", "lbzf");
    lfpno = NamedLabel(this, "发票号码：", "lfpno");
    lfpje = NamedLabel(this, "发票金额：", "lfpje");
    const QList<QPair<QLabel*, QWidget*>> rows { { NamedLabel(this, "单号："), gldjh },
        { NamedLabel(this, "供货商名称："), comGhs }, { NamedLabel(this, "进货仓库："), comCk2 },
        { NamedLabel(this, "经办人："), comUser }, { NamedLabel(this, "开单日期："), dateCg },
        { NamedLabel(this, "应付金额："), tyfje }, { NamedLabel(this, "实付金额："), tsfje }, { lYhzh, comYhzh },
        { lJsfs, comJsfs }, { lsn2, tsn2 }, { NamedLabel(this, "单据备注："), tnote }, { lyf, tyf }, { lbzf, tbzf },
        { lfpno, tfpno }, { lfpje, tfpje } };
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(rows[i].first, i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnSave = NamedButton(this, "btnSave", "保存(F5)", bar);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", bar);
    box->addLayout(bar);
    connect(btnSave, &QPushButton::clicked, this, [this] {
        // The order dialog saves its own way.
        if (auto* order = qobject_cast<TF_Cgd_Modi*>(this))
            order->btnSaveClick();
        else
            btnSaveClick();
    });
    connect(btnExit, &QPushButton::clicked, this, &TF_ModiDateJh::btnExitClick);
    connect(dateCg, &QDateEdit::dateChanged, this, &TF_ModiDateJh::dateCgChange);
}

void TF_ModiDateJh::SetDocDate(const QDate& date)
{
    const QSignalBlocker quiet(dateCg);
    dateCg->setDate(date);
}

void TF_ModiDateJh::SelectName(KeyedCombo* combo, const QString& name, bool fallBack)
{
    const int at = combo->findText(name);
    combo->setCurrentIndex(at >= 0 || !fallBack ? at : (combo->count() > 0 ? 0 : -1));
}

void TF_ModiDateJh::FillChoices()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    FillSettleModes(*comJsfs, QStringLiteral("cg"));
    FillCombo(
        *comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        FillComboWhere(*comCk2, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"),
            QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'"));
    else
        FillCombo(*comCk2, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"));
    FillComboWhere(*comGhs, QStringLiteral("jxc_ghsxx"), QStringLiteral("ghs_name"), QStringLiteral("ghs_sn"),
        QStringLiteral("id"), QStringLiteral("where ghs_forbid=0"));
    FillStaffCombo(*comUser, QStringLiteral("u_cg"));
    const bool cash = IsTrue(UseCashBank);
    lYhzh->setVisible(cash);
    comYhzh->setVisible(cash);
    tyfje->setVisible(ShowCostPrice);
    tsfje->setVisible(ShowCostPrice);
}

void TF_ModiDateJh::FormActivate()
{
    FillChoices();
    oldNo_ = DateEditDocNo;
    const bool ret = oldNo_.startsWith(QLatin1String("CT"), Qt::CaseInsensitive);
    const QString p = ret ? QStringLiteral("th_") : QStringLiteral("j_");
    const QHash<QString, QString> h = FirstRowTexts(QStringLiteral("select a.*,b.ghs_name,c.ck_name,d.u_name from ")
            + (ret ? QStringLiteral("jxc_thd") : QStringLiteral("jxc_jhd"))
            + QStringLiteral(" a,jxc_ghsxx b,jxc_ckxx c,jxc_user d where a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn "
                             "and a.u_sn=d.u_sn and a.gl_djh=:n"),
        oldNo_);
    const double sign = ret ? -1 : 1;
    gldjh->setText(oldNo_);
    storedDate_ = h.value(ret ? QStringLiteral("th_thrq") : QStringLiteral("j_jhrq"));
    oldDate_ = storedDate_.left(10);
    SetDocDate(QDate::fromString(oldDate_, QStringLiteral("yyyy-MM-dd")));
    tfpno->setText(h.value(p + QStringLiteral("fpno")));
    tfpje->setText(h.value(p + QStringLiteral("fpje")));
    tnote->setText(h.value(p + QStringLiteral("note")));
    tyfje->setText(PrintNumber(sign * h.value(p + QStringLiteral("yfje")).toDouble()));
    tsfje->setText(PrintNumber(sign * h.value(p + QStringLiteral("sfje")).toDouble()));
    tyf->setText(ret ? QString() : h.value(QStringLiteral("j_yf")));
    tbzf->setText(ret ? QString() : h.value(QStringLiteral("j_bzf")));
    tsn2->setText(ret ? QString() : h.value(QStringLiteral("gl_djh2")));
    chkYf->setChecked(!ret && h.value(QStringLiteral("j_yffs")) == QStringLiteral("我方付运费"));
    contract_ = ret ? QString() : h.value(QStringLiteral("ht_sn"));
    SelectName(comCk2, h.value(QStringLiteral("ck_name")));
    SelectName(comGhs, h.value(QStringLiteral("ghs_name")));
    SelectName(comUser, h.value(QStringLiteral("u_name")), false);
    comJsfs->setCurrentIndex(h.value(p + QStringLiteral("jsfs")).toInt());
    SelectName(comYhzh, h.value(p + QStringLiteral("kmmc")), false);
    lJsfs->setVisible(!ret);
    comJsfs->setVisible(!ret);
    const bool freight = !ret && IsTrue(UseFreightFees);
    for (QWidget* w : std::initializer_list<QWidget*> { lyf, tyf, lbzf, tbzf })
        w->setVisible(freight);
    const bool invoices = IsTrue(UseInvoices);
    for (QWidget* w : std::initializer_list<QWidget*> { lfpno, tfpno, lfpje, tfpje })
        w->setVisible(invoices);
    lsn2->setVisible(!ret && IsTrue(UseOriginalDocNo));
    tsn2->setVisible(!ret && IsTrue(UseOriginalDocNo));
}

void TF_ModiDateJh::dateCgChange()
{
    const QString d = DayText(dateCg->date());
    if (d == oldDate_) {
        gldjh->setText(oldNo_);
        return;
    }
    const QString today = DayText(Clock::Today());
    if (d > today
        && Prompt::YesNo(QStringLiteral("您选择的日期：") + d + QStringLiteral("，") + QStringLiteral("\r\n\r\n")
                   + QStringLiteral("大于计算机的当前日期：") + today + QStringLiteral("，")
                   + QStringLiteral("\r\n\r\n") + QStringLiteral("确认继续吗？"),
               Prompt::kAskCaption, Prompt::Icon::Information)
            == Prompt::Answer::No) {
        SetDocDate(QDate::fromString(oldDate_, QStringLiteral("yyyy-MM-dd")));
        gldjh->setText(oldNo_);
        return;
    }
    gldjh->setText(RedateNumberFor(oldNo_, d));
}

bool TF_ModiDateJh::GatherValues(RedateValues& v) const
{
    // A handler no longer in the list leaves nothing chosen: refuse before writing.
    if (comUser->currentIndex() < 0 || comUser->currentText().isEmpty()) {
        Prompt::Info(QStringLiteral("请选择经办人！"));
        return false;
    }
    const auto code
        = [](const KeyedCombo* c) { return c->currentIndex() >= 0 ? GetComboCode(*c, c->currentIndex()) : QString(); };
    v.oldNo = oldNo_;
    v.newNo = gldjh->text();
    v.oldDate = oldDate_;
    v.storedDate = storedDate_;
    v.date = DayText(dateCg->date());
    v.supplier = code(comGhs);
    v.warehouse = code(comCk2);
    v.handler = code(comUser);
    v.invoiceNo = tfpno->text();
    v.invoiceAmount = tfpje->text().trimmed().toDouble();
    v.freight = tyf->text().trimmed().toDouble();
    v.packing = tbzf->text().trimmed().toDouble();
    v.payable = tyfje->text().trimmed().toDouble();
    v.paid = tsfje->text().trimmed().toDouble();
    v.note = tnote->text();
    v.settle = std::max(0, comJsfs->currentIndex());
    v.account = comYhzh->currentText();
    v.externalNo = tsn2->text();
    v.wePayFreight = chkYf->isChecked();
    v.contract = contract_;
    return true;
}

void TF_ModiDateJh::btnSaveClick()
{
    RedateValues v;
    if (!GatherValues(v))
        return;
    const bool fromQuery = DateEditCaller == QLatin1String("jthcx");
    const QString number = RedateDocument(v, fromQuery);
    if (number.isEmpty())
        return;
    gldjh->setText(number);
    const QString prefix = oldNo_.left(2).toUpper();
    if (fromQuery) {
        Query& docs = F_DataModule->Q(QStringLiteral("Q_Jhd"));
        if (docs.Active()) {
            docs.Requery();
            docs.Locate(QStringLiteral("djh"), number);
        }
    } else {
        RefreshPendingWindow(
            prefix, prefix == QLatin1String("CT") ? QStringLiteral("jxc_thd") : QStringLiteral("jxc_jhd"), number);
    }
    close();
}

void TF_ModiDateJh::btnExitClick()
{
    close();
}

void TF_ModiDateJh::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnSave->click();
        return;
    }
    Form::keyPressEvent(e);
}

TF_Cgd_Modi::TF_Cgd_Modi(QWidget* parent) : TF_ModiDateJh(parent)
{
    setObjectName(QStringLiteral("TF_Cgd_Modi"));
    for (QWidget* w : std::initializer_list<QWidget*> { lyf, tyf, lbzf, tbzf, lfpno, tfpno, lfpje, tfpje })
        w->hide();
}

void TF_Cgd_Modi::FormActivate()
{
    FillChoices();
    Query& q = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (!q.Active() || q.IsEmpty())
        return;
    oldNo_ = q.AsString(QStringLiteral("gl_djh"));
    gldjh->setText(oldNo_);
    storedDate_ = q.AsString(QStringLiteral("j_jhrq"));
    oldDate_ = storedDate_.left(10);
    SetDocDate(QDate::fromString(oldDate_, QStringLiteral("yyyy-MM-dd")));
    tnote->setText(q.AsString(QStringLiteral("j_note")));
    tsn2->setText(q.AsString(QStringLiteral("gl_djh2")));
    tyfje->setText(q.AsString(QStringLiteral("j_yfje")));
    tsfje->setText(q.AsString(QStringLiteral("j_sfje")));
    SelectName(comCk2, q.AsString(QStringLiteral("ck_name")));
    SelectName(comGhs, q.AsString(QStringLiteral("ghs_name")));
    SelectName(comUser, q.AsString(QStringLiteral("u_name")), false);
    comJsfs->setCurrentIndex(q.AsString(QStringLiteral("j_jsfs")).toInt());
    SelectName(comYhzh, q.AsString(QStringLiteral("j_kmmc")), false);
    contract_.clear();
}

void TF_Cgd_Modi::btnSaveClick()
{
    RedateValues v;
    if (!GatherValues(v))
        return;
    const QString number = RedateDocument(v, false);
    if (number.isEmpty())
        return;
    gldjh->setText(number);
    RefreshPendingWindow(QStringLiteral("CD"), QStringLiteral("jxc_cgd"), number);
    close();
}

void OpenDateChange(const QString& caller, const QString& number)
{
    DateEditCaller = caller;
    DateEditDocNo = number;
    FunctionWindows::Open(QStringLiteral("TF_ModiDateJh"), FunctionWindows::Lifetime::Freed);
    DateEditCaller.clear();
    DateEditDocNo.clear();
}
