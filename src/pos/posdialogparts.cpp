#include "pos/posdialogparts.h"

#include "listing/queryframe.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

QHBoxLayout* PosButtonRow(
    QWidget* parent, std::initializer_list<QPushButton**> buttons, std::initializer_list<QString> captions)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto caption = captions.begin();
    for (QPushButton** b : buttons) {
        *b = new QPushButton(*caption++, parent);
        (*b)->setAutoDefault(false);
        row->addWidget(*b);
    }
    return row;
}

PosFieldGrid::PosFieldGrid(QWidget* parent, QBoxLayout* into) : parent_(parent), grid_(new QGridLayout)
{
    into->addLayout(grid_);
}

void PosFieldGrid::Add(const QString& caption, QWidget* field)
{
    grid_->addWidget(new QLabel(caption, parent_), row_, 0);
    grid_->addWidget(field, row_++, 1);
}

QLabel* PosFieldGrid::AddAmount(const QString& caption, int pointSize)
{
    auto* amount = new QLabel(parent_);
    QFont big = amount->font();
    big.setPointSize(pointSize);
    big.setBold(true);
    amount->setFont(big);
    Add(caption, amount);
    return amount;
}

void PosFieldGrid::AddTenders(QLineEdit* (&edits)[6])
{
    const char* const captions[6] = { "现金金额：", "储值卡：", "银行卡：", "代金券：", "微信：", "支付宝：" };
    for (int i = 0; i < 6; ++i) {
        edits[i] = new QLineEdit(parent_);
        edits[i]->setAlignment(Qt::AlignRight);
        Add(QString::fromUtf8(captions[i]), edits[i]);
    }
}

PosPeriodBar MakePosPeriodBar(
    QWidget* parent, const QString& periodCaption, const QString& keyCaption, const std::function<void()>& search)
{
    PosPeriodBar bar;
    bar.layout = new QHBoxLayout;
    bar.layout->addWidget(new QLabel(periodCaption, parent));
    bar.from = MakeDateEdit(parent, "tdate1");
    bar.to = MakeDateEdit(parent, "tdate2");
    bar.layout->addWidget(bar.from);
    bar.layout->addWidget(new QLabel(QStringLiteral("至"), parent));
    bar.layout->addWidget(bar.to);
    bar.presets = MakePresetButton(parent, bar.from, bar.to, search);
    bar.layout->addWidget(bar.presets);
    bar.layout->addWidget(new QLabel(keyCaption, parent));
    bar.key = new QLineEdit(parent);
    bar.key->setMinimumWidth(150);
    InstallGoodsTextFilter(bar.key);
    bar.layout->addWidget(bar.key);
    QObject::connect(bar.key, &QLineEdit::returnPressed, parent, search);
    return bar;
}
