#include "documents/docmoneyform.h"

#include "documents/docpayment.h"
#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/printvars.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* MoneyEdit(QWidget* parent, const char* name, int maxLength = 32)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    return e;
}

} // namespace

DocMoneyForm::DocMoneyForm(const Texts& texts, QWidget* parent) : Form(parent), texts_(texts)
{
    setObjectName(QLatin1String(texts.objectName));
    setWindowTitle(QString::fromUtf8(texts.caption));
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    box->addLayout(grid);
    gldjh = NamedLabel(this, "", "gldjh");
    gldjh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    partnerName = NamedLabel(this, "", "partnerName");
    kh_ye = MoneyEdit(this, "kh_ye");
    tyfje = MoneyEdit(this, "tyfje");
    tsfje = MoneyEdit(this, "tsfje");
    thkje = MoneyEdit(this, "thkje");
    for (QLineEdit* e : { kh_ye, tyfje, tsfje, thkje })
        e->setReadOnly(true);
    tje = MoneyEdit(this, "tje");
    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    comYhzh = new KeyedCombo(this);
    comYhzh->setObjectName(QStringLiteral("comYhzh"));
    tnote = MoneyEdit(this, "tnote", 64);
    dateCg = new QDateEdit(this);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->setCalendarPopup(true);
    const QList<QPair<const char*, QWidget*>> rows { { "单据编号：", gldjh }, { texts.partner, partnerName },
        { texts.balance, kh_ye }, { texts.labels[0], tyfje }, { texts.labels[1], tsfje }, { texts.labels[2], thkje },
        { texts.labels[3], tje }, { "经办人：", comUser }, { texts.account, comYhzh }, { texts.date, dateCg },
        { "备注：", tnote } };
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(NamedLabel(this, rows[i].first), i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    auto* hint = new QLabel(QString::fromUtf8(texts.notice), this);
    hint->setStyleSheet(QStringLiteral("color: red;"));
    box->addWidget(hint);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnSave = NamedButton(this, "btnSave", "保存(F5)", bar);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", bar);
    box->addLayout(bar);
    connect(btnSave, &QPushButton::clicked, this, &DocMoneyForm::btnSaveClick);
    connect(btnExit, &QPushButton::clicked, this, &DocMoneyForm::btnExitClick);
}

void DocMoneyForm::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    FillComboWhere(*comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("u_sn"),
        QStringLiteral("id"), QStringLiteral("where u_jy=0"));
    FillCombo(
        *comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    const QString number = SelectedSn;
    const QString prefix = number.left(2).toUpper();
    const bool sales = prefix.startsWith(QLatin1Char('X'));
    const bool ret = prefix == QLatin1String("CT") || prefix == QLatin1String("XT");
    const QString header = sales ? (ret ? QStringLiteral("jxc_xsthd") : QStringLiteral("jxc_lsxsd"))
                                 : (ret ? QStringLiteral("jxc_thd") : QStringLiteral("jxc_jhd"));
    const QString p = ret ? QStringLiteral("th_") : (sales ? QStringLiteral("ls_") : QStringLiteral("j_"));
    const QString partner = sales ? QStringLiteral("kh") : QStringLiteral("ghs");
    const QString partnerTable = sales ? QStringLiteral("jxc_khxx") : QStringLiteral("jxc_ghsxx");
    const QHash<QString, QString> doc = FirstRowTexts(QStringLiteral("select a.*,b.") + partner
            + QStringLiteral("_name as partner_name,c.u_name from ") + header + QStringLiteral(" a,") + partnerTable
            + QStringLiteral(" b,jxc_user c where a.") + partner + QStringLiteral("_sn=b.") + partner
            + QStringLiteral("_sn and a.u_sn=c.u_sn and a.gl_djh=:n"),
        number);
    gldjh->setText(number);
    tnote->clear();
    dateCg->setDate(Clock::Today());
    partnerName->setText(doc.value(QStringLiteral("partner_name")));
    partnerSn_ = doc.value(partner + QStringLiteral("_sn"));
    comUser->setCurrentIndex(comUser->findText(doc.value(QStringLiteral("u_name"))));
    if (comUser->count() > 0 && comUser->currentIndex() < 0)
        comUser->setCurrentIndex(0);
    if (comYhzh->count() > 0)
        comYhzh->setCurrentIndex(0);
    const int account = comYhzh->findText(doc.value(p + QStringLiteral("kmmc")));
    if (account >= 0 || !texts_.accountFallsBack)
        comYhzh->setCurrentIndex(account);
    tyfje->setText(doc.value(p + QStringLiteral("yfje")));
    tsfje->setText(doc.value(p + QStringLiteral("sfje")));
    thkje->setText(doc.value(p + QStringLiteral("hkje")));
    tje->setText(PrintNumber(ProposedDocPayment(number)));
    kh_ye->setText(GetLedgerBalance(partnerSn_, QLatin1String(texts_.ledgerSide)));
    dateCg->setEnabled(HasRight(QStringLiteral("wlzk"), 11));
    tje->setFocus();
}

void DocMoneyForm::btnSaveClick()
{
    const double amount = tje->text().trimmed().toDouble();
    if (posting::RoundUp(amount, 8) == 0) {
        Prompt::Info(QString::fromUtf8(texts_.zeroMessage));
        return;
    }
    if (comUser->currentIndex() < 0 || comUser->currentText().isEmpty()) {
        Prompt::Info(QStringLiteral("经办人不能为空！"));
        return;
    }
    RecordDocPayment({ SelectedSn, amount, GetComboCode(*comUser, comUser->currentIndex()), comYhzh->currentText(),
        tnote->text(), dateCg->date() });
    // Set only once the money is stored, so a failed save leaves the caller as it was.
    ResultText = PrintNumber(amount);
    close();
}

void DocMoneyForm::btnExitClick()
{
    close();
}

void DocMoneyForm::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnSaveClick();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    Form::keyPressEvent(e);
}
