#include "purchasing/yfkglfk.h"

#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/printvars.h"
#include "purchasing/docpayment.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Yfkgl_Fk::TF_Yfkgl_Fk(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Yfkgl_Fk"));
    setWindowTitle(QStringLiteral("单据付款"));
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    box->addLayout(grid);
    gldjh = NamedLabel(this, "", "gldjh");
    gldjh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    ghs_name = NamedLabel(this, "", "ghs_name");
    kh_ye = NamedEdit(this, "kh_ye", 32);
    tyfje = NamedEdit(this, "tyfje", 32);
    tsfje = NamedEdit(this, "tsfje", 32);
    thkje = NamedEdit(this, "thkje", 32);
    for (QLineEdit* e : { kh_ye, tyfje, tsfje, thkje })
        e->setReadOnly(true);
    tje = NamedEdit(this, "tje", 32);
    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    comYhzh = new KeyedCombo(this);
    comYhzh->setObjectName(QStringLiteral("comYhzh"));
    tnote = NamedEdit(this, "tnote", 64);
    dateCg = new QDateEdit(this);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->setCalendarPopup(true);
    const QList<QPair<const char*, QWidget*>> rows { { "单据编号：", gldjh }, { "供货商：", ghs_name },
        { "当前应付款：", kh_ye }, { "应付金额：", tyfje }, { "实付金额：", tsfje }, { "已付金额：", thkje },
        { "付款金额：", tje }, { "经办人：", comUser }, { "付款账户：", comYhzh }, { "付款日期：", dateCg },
        { "备注：", tnote } };
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(NamedLabel(this, rows[i].first), i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    auto* hint = new QLabel(
        QStringLiteral("注：超出本单据应付金额部分，将计入该供货商的应付账款，\r该供货商的应付款将减少。"), this);
    hint->setStyleSheet(QStringLiteral("color: red;"));
    box->addWidget(hint);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnSave = NamedButton(this, "btnSave", "保存(F5)", bar);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", bar);
    box->addLayout(bar);
    connect(btnSave, &QPushButton::clicked, this, &TF_Yfkgl_Fk::btnSaveClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_Yfkgl_Fk::btnExitClick);
}

void TF_Yfkgl_Fk::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    FillComboWhere(*comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("u_sn"),
        QStringLiteral("id"), QStringLiteral("where u_jy=0"));
    FillCombo(
        *comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    const QString number = SelectedSn;
    const bool ret = number.startsWith(QLatin1String("CT"), Qt::CaseInsensitive);
    const QString p = ret ? QStringLiteral("th_") : QStringLiteral("j_");
    const QHash<QString, QString> doc = FirstRowTexts(QStringLiteral("select a.*,b.ghs_name,c.u_name from ")
            + (ret ? QStringLiteral("jxc_thd") : QStringLiteral("jxc_jhd"))
            + QStringLiteral(" a,jxc_ghsxx b,jxc_user c where a.ghs_sn=b.ghs_sn and a.u_sn=c.u_sn and a.gl_djh=:n"),
        number);
    gldjh->setText(number);
    tnote->clear();
    dateCg->setDate(Clock::Today());
    ghs_name->setText(doc.value(QStringLiteral("ghs_name")));
    CurrentSupplierSn = doc.value(QStringLiteral("ghs_sn"));
    comUser->setCurrentIndex(comUser->findText(doc.value(QStringLiteral("u_name"))));
    comYhzh->setCurrentIndex(comYhzh->findText(doc.value(p + QStringLiteral("kmmc"))));
    for (KeyedCombo* c : { comUser, comYhzh })
        if (c->count() > 0 && c->currentIndex() < 0)
            c->setCurrentIndex(0);
    tyfje->setText(doc.value(p + QStringLiteral("yfje")));
    tsfje->setText(doc.value(p + QStringLiteral("sfje")));
    thkje->setText(doc.value(p + QStringLiteral("hkje")));
    tje->setText(PrintNumber(ProposedDocPayment(number)));
    kh_ye->setText(GetLedgerBalance(CurrentSupplierSn, QStringLiteral("ghs")));
    dateCg->setEnabled(HasRight(QStringLiteral("wlzk"), 11));
    tje->setFocus();
}

void TF_Yfkgl_Fk::btnSaveClick()
{
    const double amount = tje->text().trimmed().toDouble();
    if (posting::RoundUp(amount, 8) == 0) {
        Prompt::Info(QStringLiteral("付款不能为0！"));
        return;
    }
    if (comUser->currentIndex() < 0 || comUser->currentText().isEmpty()) {
        Prompt::Info(QStringLiteral("经办人不能为空！"));
        return;
    }
    RecordDocPayment({ SelectedSn, amount, GetComboCode(*comUser, comUser->currentIndex()), comYhzh->currentText(),
        tnote->text(), dateCg->date() });
    // Set only once the payment is stored, so a failed save leaves the caller as it was.
    ResultText = PrintNumber(amount);
    close();
}

void TF_Yfkgl_Fk::btnExitClick()
{
    close();
}

void TF_Yfkgl_Fk::keyPressEvent(QKeyEvent* e)
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
