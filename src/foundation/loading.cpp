#include "foundation/loading.h"

#include "foundation/globals.h"
#include "foundation/lifecycle.h"
#include "platform/base/clock.h"

#include <QLabel>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TF_Loading::TF_Loading(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("F_Loading"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog);
    setFixedSize(480, 280);
    lMsg = new QLabel(this);
    lMsg->setObjectName(QStringLiteral("lMsg"));
    QFont f = lMsg->font();
    f.setBold(true);
    lMsg->setFont(f);
    lMsg->setStyleSheet(QStringLiteral("color: white;"));
    auto* lay = new QVBoxLayout(this);
    lay->addStretch();
    lay->addWidget(lMsg);
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &TF_Loading::Timer1Timer);
}

void TF_Loading::FormActivate()
{
    const QDateTime now = Clock::Now();
    ForceDateTimeFormats(
        QLocale::system().toString(now, QLocale::ShortFormat), now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    SetProductConstants();
    setWindowTitle(BrandWord + QStringLiteral("服装进销存管理系统"));
    Timer1->start(1000);
    lMsg->setText(QStringLiteral("正在装载系统......"));
    Step = 1;
    // The registry flag and the copy of the Windows database driver have no
    // counterpart here: the database is opened through SQLite.
    QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
}

void TF_Loading::Timer1Timer()
{
    if (Step == 3) {
        Timer1->stop();
        accept();
    } else if (Step == 2) {
        lMsg->setText(QStringLiteral("系统即将启动......"));
        Step = 3;
    } else if (Step == 1) {
        lMsg->setText(QStringLiteral("正在设置环境参数......"));
        Step = 2;
    }
}

void TF_Loading::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(0x2f, 0x4f, 0x6f));
    g.setColorAt(1, QColor(0x4a, 0x7a, 0x8c));
    p.fillRect(rect(), g);
    QFont f = font();
    f.setPointSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(rect().adjusted(0, 0, 0, -60), Qt::AlignCenter, BrandWord + QStringLiteral("服装进销存管理系统"));
}
