#include "production/modidately.h"

#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "production/prodrules.h"
#include "production/prodwindow.h"

#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_ModiDateLy::TF_ModiDateLy(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_ModiDateLy"));
    setWindowTitle(QStringLiteral("修改开单日期"));
    auto* g = new QGridLayout(this);
    g->addWidget(NamedLabel(this, "单号："), 0, 0);
    gldjh = NamedLabel(this, "", "gldjh");
    g->addWidget(gldjh, 0, 1);
    g->addWidget(NamedLabel(this, "仓库名称："), 1, 0);
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    g->addWidget(comCk, 1, 1);
    g->addWidget(NamedLabel(this, "经办人："), 2, 0);
    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    g->addWidget(comUser, 2, 1);
    g->addWidget(NamedLabel(this, "部门名称："), 3, 0);
    comDept = new KeyedCombo(this);
    comDept->setObjectName(QStringLiteral("comDept"));
    g->addWidget(comDept, 3, 1);
    g->addWidget(NamedLabel(this, "备         注："), 4, 0);
    tnote = new QLineEdit(this);
    tnote->setObjectName(QStringLiteral("tnote"));
    g->addWidget(tnote, 4, 1);
    g->addWidget(NamedLabel(this, "开单日期："), 5, 0);
    dateCg = new QDateEdit(this);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setCalendarPopup(true);
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    g->addWidget(dateCg, 5, 1);
    auto* row = new QHBoxLayout;
    btnOK = NamedButton(this, "btnOK", "保存(F5)", row);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", row);
    g->addLayout(row, 6, 0, 1, 2);
    connect(btnOK, &QPushButton::clicked, this, &TF_ModiDateLy::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_ModiDateLy::btnExitClick);
    connect(dateCg, &QDateEdit::dateChanged, this, [this] { dateCgChange(); });
}

void TF_ModiDateLy::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& list = F_DataModule->Q(
        DateEditDocNo == QLatin1String("scrk") ? QStringLiteral("Q_Scrkdwsh") : QStringLiteral("Q_Bmlysh"));
    kind_ = list.Active() && !list.IsEmpty() ? ProdKindOf(list.AsString(QStringLiteral("gl_djh"))) : nullptr;
    if (!kind_)
        return;
    const QString c = kind_->Doc().linePrefix;
    startNumber_ = list.AsString(QStringLiteral("gl_djh"));
    startDate_ = list.AsString(c + QStringLiteral("_rq"));
    gldjh->setText(startNumber_);
    FillComboWhere(*comDept, QStringLiteral("jxc_dept"), QStringLiteral("de_name"), QStringLiteral("de_sn"),
        QStringLiteral("id"), QStringLiteral("where 1=1"));
    const bool bound = BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001");
    FillComboWhere(*comCk, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
        QStringLiteral("id"),
        bound ? QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'")
              : QStringLiteral("where 1=1"));
    FillStaffCombo(*comUser, QStringLiteral("u_xs"));
    comDept->setCurrentIndex(comDept->findText(list.AsString(QStringLiteral("de_name"))));
    comCk->setCurrentIndex(comCk->findText(list.AsString(QStringLiteral("ck_name"))));
    comUser->setCurrentIndex(comUser->findText(list.AsString(QStringLiteral("u_name"))));
    tnote->setText(list.AsString(c + QStringLiteral("_note")));
    const QSignalBlocker block(dateCg);
    dateCg->setDate(QDate::fromString(startDate_.left(10), QStringLiteral("yyyy-MM-dd")));
    startDay_ = dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
}

void TF_ModiDateLy::dateCgChange()
{
    if (!kind_)
        return;
    const QString day = dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    if (day > today
        && Prompt::YesNo(QStringLiteral("您选择的日期：") + day + QStringLiteral("，\r\n\r\n大于计算机的当前日期：")
               + today + QStringLiteral("，\r\n\r\n确认继续吗？"))
            != Prompt::Answer::Yes) {
        const QSignalBlocker block(dateCg);
        dateCg->setDate(QDate::fromString(startDay_, QStringLiteral("yyyy-MM-dd")));
        gldjh->setText(startNumber_);
        return;
    }
    gldjh->setText(day == startDay_
            ? startNumber_
            : NextDocNo(kind_->Doc().lines, QStringLiteral("gl_djh"), kind_->Doc().prefix, day));
}

void TF_ModiDateLy::btnOKClick()
{
    if (!kind_) {
        close();
        return;
    }
    // A stored name no longer listed leaves its combo without a key: refused with
    // the owner window's own text rather than saved with an empty code.
    QString refusal;
    if (comUser->currentIndex() < 0)
        refusal = QStringLiteral("请选择经办人！");
    else if (comCk->currentIndex() < 0)
        refusal = QStringLiteral("请选择仓库！");
    else if (comDept->currentIndex() < 0)
        refusal = kind_->noDeptText;
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    ProdDateChange change;
    change.startNumber = startNumber_;
    change.startDate = startDate_;
    change.day = dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
    change.warehouse = comCk->Code(comCk->currentIndex());
    change.dept = comDept->Code(comDept->currentIndex());
    change.handler = comUser->Code(comUser->currentIndex());
    change.note = ToFullWidthText(tnote->text().trimmed());
    const ProdDateResult r = ChangeProdDocDate(*kind_, change);
    if (!r.refusal.isEmpty()) {
        Prompt::Info(r.refusal);
        return;
    }
    gldjh->setText(r.number);
    if (ProdDocWindow* owner = ProdWindowOf(*kind_)) {
        owner->btnSearch2Click();
        if (owner->Q_Pending.Locate(QStringLiteral("gl_djh"), r.number))
            owner->cxGrid2View->SetCurrentRow(owner->Q_Pending.RecNo());
        owner->setShspList();
        // The entry tab keeps its draft number: its draft lines stay where they are.
        owner->openGridViewData(owner->gldjh->text());
    }
    close();
}

void TF_ModiDateLy::btnExitClick()
{
    close();
}

void TF_ModiDateLy::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnOKClick();
        return;
    }
    Form::keyPressEvent(e);
}
