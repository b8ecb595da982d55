#include "listing/queryviewbar.h"

#include "listing/queryframe.h"
#include "platform/base/clock.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

QueryViewBar BuildQueryViewBar(QWidget* tab, QBoxLayout* into, const QueryViewBarNames& n)
{
    QueryViewBar b;
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("查询时间："), tab));
    b.from = MakeDateEdit(tab, n.from);
    b.to = MakeDateEdit(tab, n.to);
    row->addWidget(b.from);
    row->addWidget(new QLabel(QStringLiteral("至"), tab));
    row->addWidget(b.to);
    b.presets = MakePresetButton(tab, b.from, b.to, n.run);
    b.presets->setObjectName(QLatin1String(n.presets));
    row->addWidget(b.presets);
    row->addWidget(new QLabel(QString::fromUtf8(n.partnerCaption), tab));
    b.partner = new QLineEdit(tab);
    b.partner->setObjectName(QLatin1String(n.partner));
    row->addWidget(b.partner);
    b.partnerButton = new QPushButton(QStringLiteral("…"), tab);
    b.partnerButton->setObjectName(QStringLiteral("btnGhsSele"));
    b.partnerButton->setMaximumWidth(28);
    row->addWidget(b.partnerButton);
    b.keyLabel = new QLabel(QStringLiteral("单据编号或备注："), tab);
    b.keyLabel->setObjectName(QStringLiteral("lKey3"));
    row->addWidget(b.keyLabel);
    b.key = new QLineEdit(tab);
    b.key->setObjectName(QStringLiteral("tKey3"));
    row->addWidget(b.key);
    b.search = new QPushButton(QStringLiteral("查询(F2)"), tab);
    b.search->setObjectName(QLatin1String(n.search));
    row->addWidget(b.search);
    const char* captions[] = { "单据表", "汇总表", "明细表", "颜色尺码" };
    const char* objects[] = { "rDjb", "rHzb", "rMxb", "rYscm" };
    for (int i = 0; i < 4; ++i) {
        b.views[i] = new QRadioButton(QString::fromUtf8(captions[i]), tab);
        b.views[i]->setObjectName(QLatin1String(objects[i]));
        row->addWidget(b.views[i]);
    }
    b.views[0]->setChecked(true);
    row->addStretch(1);
    into->addLayout(row);
    QObject::connect(b.search, &QPushButton::clicked, tab, n.run);
    QObject::connect(b.key, &QLineEdit::returnPressed, tab, n.run);
    for (QLineEdit* e : { b.partner, b.key })
        e->setMinimumWidth(120);
    SetPeriod(b.from, b.to, CurrentMonth(Clock::Today()));
    return b;
}

void ShowQueryView(const QueryViewBar& bar, QStackedWidget* views, int index)
{
    bar.views[index]->setChecked(true);
    views->setCurrentIndex(index);
    bar.keyLabel->setText(index == 0 ? QStringLiteral("单据编号或备注：") : QStringLiteral("商品名称或编码："));
}

int QueryViewIndex(const QueryViewBar& bar)
{
    for (int i = 0; i < 4; ++i)
        if (bar.views[i]->isChecked())
            return i;
    return 0;
}
