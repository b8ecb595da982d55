#include "warehouse/modidate.h"

#include "documents/docwindow.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/ui/prompt.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

QString StockLineTableOf(const QString& number)
{
    static const QHash<QString, QString> tables {
        { QStringLiteral("DB"), QStringLiteral("jxc_dbsp") },
        { QStringLiteral("BS"), QStringLiteral("jxc_bssp") },
        { QStringLiteral("BY"), QStringLiteral("jxc_bysp") },
        { QStringLiteral("PD"), QStringLiteral("jxc_kcpdsp") },
    };
    return tables.value(number.left(2));
}

TF_ModiDate::TF_ModiDate(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_ModiDate"));
    setWindowTitle(QStringLiteral("修改开单日期"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(NamedLabel(this, "单号："), 0, 0);
    gldjh = NamedLabel(this, "", "gldjh");
    grid->addWidget(gldjh, 0, 1);
    grid->addWidget(NamedLabel(this, "开单日期："), 1, 0);
    dateCg = new QDateEdit(this);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setCalendarPopup(true);
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    grid->addWidget(dateCg, 1, 1);
    grid->addWidget(NamedLabel(this, "单据备注："), 2, 0);
    tnote = new QPlainTextEdit(this);
    tnote->setObjectName(QStringLiteral("tnote"));
    grid->addWidget(tnote, 2, 1);
    auto* bar = new QHBoxLayout;
    btnOK = NamedButton(this, "btnOK", "保存(F5)", bar);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", bar);
    grid->addLayout(bar, 3, 0, 1, 2);
    connect(dateCg, &QDateEdit::dateChanged, this, &TF_ModiDate::dateCgChange);
    connect(btnOK, &QPushButton::clicked, this, &TF_ModiDate::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_ModiDate::btnExitClick);
}

void TF_ModiDate::SetDay(const QDate& day)
{
    const QSignalBlocker block(dateCg);
    dateCg->setDate(day);
}

void TF_ModiDate::Fill(const QString& number, const QDate& day, const QString& note)
{
    gldjh->setText(number);
    SetDay(day);
    tnote->setPlainText(note);
}

void TF_ModiDate::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    startDay_ = dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
    startNumber_ = gldjh->text();
}

void TF_ModiDate::dateCgChange()
{
    const QString day = dateCg->date().toString(QStringLiteral("yyyy-MM-dd"));
    if (day == startDay_) {
        gldjh->setText(startNumber_);
        return;
    }
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    if (day > today
        && Prompt::YesNo(QStringLiteral("您选择的日期：") + day + QStringLiteral("，\r\n\r\n大于计算机的当前日期：")
               + today + QStringLiteral("，\r\n\r\n确认继续吗？"))
            == Prompt::Answer::No) {
        SetDay(QDate::fromString(startDay_, QStringLiteral("yyyy-MM-dd")));
        return;
    }
    // Drawn over the line table: above every operator's draft of that day.
    const QString table = StockLineTableOf(gldjh->text());
    if (!table.isEmpty())
        gldjh->setText(NextDocNo(table, QStringLiteral("gl_djh"), gldjh->text().left(2), day));
}

void TF_ModiDate::btnOKClick()
{
    DateEditDocNo = QStringLiteral("1");
    close();
}

void TF_ModiDate::btnExitClick()
{
    close();
}

void TF_ModiDate::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnOKClick();
        return;
    }
    Form::keyPressEvent(e);
}
