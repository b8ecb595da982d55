#include "documents/datechangeform.h"

#include "documents/dockind.h"
#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/printvars.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace posting;

namespace {

QString RedateDay(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QLineEdit* RedateEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    return e;
}

KeyedCombo* RedateCombo(QWidget* parent, const char* name)
{
    auto* c = new KeyedCombo(parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

// Where a kind keeps its header and the prefix of its header columns.
struct RedateHeader {
    QString table;
    QString column;
    bool isReturn;
};

RedateHeader HeaderOf(const QString& number, bool sales)
{
    const QString prefix = number.left(2).toUpper();
    if (prefix == QLatin1String("CT"))
        return { QStringLiteral("jxc_thd"), QStringLiteral("th_"), true };
    if (prefix == QLatin1String("XS"))
        return { QStringLiteral("jxc_lsxsd"), QStringLiteral("ls_"), false };
    if (prefix == QLatin1String("XT"))
        return { QStringLiteral("jxc_xsthd"), QStringLiteral("th_"), true };
    if (sales)
        return { QStringLiteral("jxc_lsxsd"), QStringLiteral("ls_"), false };
    return { QStringLiteral("jxc_jhd"), QStringLiteral("j_"), false };
}

} // namespace

DateChangeForm::DateChangeForm(const Texts& texts, QWidget* parent) : Form(parent), texts_(texts)
{
    setObjectName(QLatin1String(texts.objectName));
    setWindowTitle(QStringLiteral("修改开单日期"));
    setMinimumWidth(380);
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    box->addLayout(grid);
    gldjh = NamedLabel(this, "", "gldjh");
    gldjh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    comPartner = RedateCombo(this, texts.sales ? "comKh" : "comGhs");
    comCk2 = RedateCombo(this, "comCk2");
    comUser = RedateCombo(this, "comUser");
    dateCg = new QDateEdit(this);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->setCalendarPopup(true);
    tyfje = RedateEdit(this, "tyfje", 32);
    tyfje->setReadOnly(true);
    tsfje = RedateEdit(this, "tsfje", 32);
    comYhzh = RedateCombo(this, "comYhzh");
    comJsfs = RedateCombo(this, "comJsfs");
    tsn2 = RedateEdit(this, "tsn2", 32);
    tnote = RedateEdit(this, "tnote", 32767);
    tyf = RedateEdit(this, "tyf", 9);
    tbzf = RedateEdit(this, "tbzf", 9);
    chkYf = new QCheckBox(QStringLiteral("我方付费"), this);
    chkYf->setObjectName(QStringLiteral("chkYf"));
    chkYf->hide();
    tfpno = RedateEdit(this, "tfpno", 32);
    tfpje = RedateEdit(this, "tfpje", 32);
    lYhzh = NamedLabel(this, texts.account, "lYhzh");
    lJsfs = NamedLabel(this, "结算方式：", "lJsfs");
    lsn2 = NamedLabel(this, "原始单号：", "lsn2");
    lyf = NamedLabel(this, "运费：", "lyf");
    lbzf = NamedLabel(this, "包装费：", "lbzf");
    lfpno = NamedLabel(this, "发票号码：", "lfpno");
    lfpje = NamedLabel(this, "发票金额：", "lfpje");
    const QList<QPair<QLabel*, QWidget*>> rows { { NamedLabel(this, "单号："), gldjh },
        { NamedLabel(this, texts.partner), comPartner }, { NamedLabel(this, texts.warehouse), comCk2 },
        { NamedLabel(this, "经办人："), comUser }, { NamedLabel(this, "开单日期："), dateCg },
        { NamedLabel(this, texts.payable), tyfje }, { NamedLabel(this, texts.paid), tsfje }, { lYhzh, comYhzh },
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
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, &DateChangeForm::btnExitClick);
    connect(dateCg, &QDateEdit::dateChanged, this, &DateChangeForm::dateCgChange);
}

void DateChangeForm::SetDocDate(const QDate& date)
{
    const QSignalBlocker quiet(dateCg);
    dateCg->setDate(date);
}

void DateChangeForm::SelectName(KeyedCombo* combo, const QString& name, bool fallBack)
{
    const int at = combo->findText(name);
    combo->setCurrentIndex(at >= 0 || !fallBack ? at : (combo->count() > 0 ? 0 : -1));
}

void DateChangeForm::FillChoices()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    const bool sales = texts_.sales;
    FillSettleModes(*comJsfs, sales ? QStringLiteral("xs") : QStringLiteral("cg"));
    FillCombo(
        *comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        FillComboWhere(*comCk2, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"),
            QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'"));
    else
        FillCombo(*comCk2, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"));
    if (sales)
        FillComboWhere(*comPartner, QStringLiteral("jxc_khxx"), QStringLiteral("kh_name"), QStringLiteral("kh_sn"),
            QStringLiteral("id"), QStringLiteral("where kh_forbid=0"));
    else
        FillComboWhere(*comPartner, QStringLiteral("jxc_ghsxx"), QStringLiteral("ghs_name"), QStringLiteral("ghs_sn"),
            QStringLiteral("id"), QStringLiteral("where ghs_forbid=0"));
    FillStaffCombo(*comUser, sales ? QStringLiteral("u_xs") : QStringLiteral("u_cg"));
    const bool cash = IsTrue(UseCashBank);
    lYhzh->setVisible(cash);
    comYhzh->setVisible(cash);
    const bool amounts = sales ? ShowSalePrice : ShowCostPrice;
    tyfje->setVisible(amounts);
    tsfje->setVisible(amounts);
}

void DateChangeForm::FormActivate()
{
    FillChoices();
    oldNo_ = DateEditDocNo;
    const RedateHeader hd = HeaderOf(oldNo_, texts_.sales);
    const bool ret = hd.isReturn;
    const QString& p = hd.column;
    const QString partner = texts_.sales ? QStringLiteral("kh") : QStringLiteral("ghs");
    const QHash<QString, QString> h = FirstRowTexts(QStringLiteral("select a.*,b.") + partner
            + QStringLiteral("_name as partner_name,c.ck_name,d.u_name from ") + hd.table + QStringLiteral(" a,jxc_")
            + partner + QStringLiteral("xx b,jxc_ckxx c,jxc_user d where a.") + partner + QStringLiteral("_sn=b.")
            + partner + QStringLiteral("_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.gl_djh=:n"),
        oldNo_);
    const double sign = ret ? -1 : 1;
    gldjh->setText(oldNo_);
    const DocKind& kind
        = texts_.sales ? (ret ? SalesReturnKind() : SalesDeliveryKind()) : (ret ? PurchaseReturnKind() : GoodsInKind());
    storedDate_ = h.value(kind.dateColumn);
    oldDate_ = storedDate_.left(10);
    SetDocDate(QDate::fromString(oldDate_, QStringLiteral("yyyy-MM-dd")));
    tfpno->setText(h.value(p + QStringLiteral("fpno")));
    tfpje->setText(h.value(p + QStringLiteral("fpje")));
    tnote->setText(h.value(p + QStringLiteral("note")));
    tyfje->setText(PrintNumber(sign * h.value(p + QStringLiteral("yfje")).toDouble()));
    tsfje->setText(PrintNumber(sign * h.value(p + QStringLiteral("sfje")).toDouble()));
    tyf->setText(ret ? QString() : h.value(p + QStringLiteral("yf")));
    tbzf->setText(ret ? QString() : h.value(p + QStringLiteral("bzf")));
    tsn2->setText(ret ? QString() : h.value(QStringLiteral("gl_djh2")));
    chkYf->setChecked(!ret && h.value(p + QStringLiteral("yffs")) == QStringLiteral("我方付运费"));
    contract_ = ret ? QString() : h.value(QStringLiteral("ht_sn"));
    SelectName(comCk2, h.value(QStringLiteral("ck_name")));
    SelectName(comPartner, h.value(QStringLiteral("partner_name")));
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

void DateChangeForm::dateCgChange()
{
    const QString d = RedateDay(dateCg->date());
    if (d == oldDate_) {
        gldjh->setText(oldNo_);
        return;
    }
    const QString today = RedateDay(Clock::Today());
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

bool DateChangeForm::GatherValues(RedateValues& v) const
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
    v.date = RedateDay(dateCg->date());
    v.partner = code(comPartner);
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

bool DateChangeForm::Save(bool approved)
{
    RedateValues v;
    if (!GatherValues(v))
        return false;
    const QString number = RedateDocument(v, approved);
    if (number.isEmpty())
        return false;
    gldjh->setText(number);
    if (approved)
        RefreshQuery(number);
    else
        RefreshPending(number);
    close();
    return true;
}

void DateChangeForm::btnSaveClick()
{
    Save(DateEditCaller == QLatin1String("jthcx"));
}

void DateChangeForm::RefreshPending(const QString& number) const
{
    Query& pending = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (pending.Active()) {
        pending.Requery();
        pending.Locate(QStringLiteral("gl_djh"), number);
    }
    const QString prefix = number.left(2).toUpper();
    DocHost* host = FindDocHost(prefix);
    if (!host)
        return;
    if (host->reloadPendingLines)
        host->reloadPendingLines();
    // The entry tab's number is drawn again only while it holds no lines of its own.
    const DocKind& kind = RedateKindOf(number);
    if (First(QStringLiteral("select id from ") + kind.lines + QStringLiteral(" where gl_djh=:n and a_name=:a limit 1"),
            { { QStringLiteral("n"), host->number() }, { QStringLiteral("a"), CurrentAdminName } })
            .isValid())
        return;
    // The return windows draw today's number, the others that of their own date.
    const bool ret = prefix == QLatin1String("CT") || prefix == QLatin1String("XT");
    const QString next = ret ? NextDocNoToday(kind.header, QStringLiteral("gl_djh"), prefix)
                             : NextDocNo(kind.header, QStringLiteral("gl_djh"), prefix, host->date());
    host->showNumber(next);
    host->reloadDraft();
}

void DateChangeForm::btnExitClick()
{
    close();
}

void DateChangeForm::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnSave->click();
        return;
    }
    Form::keyPressEvent(e);
}
