#include "sales/price.h"

#include "documents/docwindow.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "platform/base/displayformat.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "posting/postingdb.h"

#include <QEvent>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QHash<QString, const PricePicker*>& PricePickers()
{
    static QHash<QString, const PricePicker*> pickers;
    return pickers;
}

// Double-clicking a price edit chooses it like its button.
class ChooseOnDoubleClick : public QObject {
public:
    ChooseOnDoubleClick(TF_Price* window, int level) : QObject(window), window_(window), level_(level) { }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonDblClick) {
            window_->Choose(level_);
            return true;
        }
        return QObject::eventFilter(watched, e);
    }

private:
    TF_Price* window_;
    int level_;
};

} // namespace

void RegisterPricePicker(const QString& tag, const PricePicker* picker)
{
    PricePickers().insert(tag, picker);
}

void UnregisterPricePicker(const QString& tag, const PricePicker* picker)
{
    if (PricePickers().value(tag) == picker)
        PricePickers().remove(tag);
}

TF_Price::TF_Price(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Price"));
    setWindowTitle(QStringLiteral("商品售价选择"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(NamedLabel(this, "商品售价："), 0, 0, 1, 3);
    grid->addWidget(NamedLabel(this, "商品编号："), 1, 0);
    gsn = NamedLabel(this, "", "gsn");
    grid->addWidget(gsn, 1, 1, 1, 2);
    grid->addWidget(NamedLabel(this, "商品名称："), 2, 0);
    gname = NamedLabel(this, "", "gname");
    grid->addWidget(gname, 2, 1, 1, 2);
    const char* const captions[6]
        = { "0.预设售价：", "1.一级批发价：", "2.二级批发价：", "3.三级批发价：", "4.四级批发价：", "5.五级批发价：" };
    for (int i = 0; i < 6; ++i) {
        const QByteArray suffix = i == 0 ? QByteArray() : QByteArray::number(i);
        grid->addWidget(NamedLabel(this, captions[i]), 3 + i, 0);
        tspsj[i] = NamedEdit(this, ("tspsj" + suffix).constData(), 32767);
        tspsj[i]->setReadOnly(true);
        tspsj[i]->installEventFilter(new ChooseOnDoubleClick(this, i));
        grid->addWidget(tspsj[i], 3 + i, 1);
        btnSpsj[i] = NamedButton(this, ("btnSpsj" + suffix).constData(), "…");
        btnSpsj[i]->setMaximumWidth(28);
        grid->addWidget(btnSpsj[i], 3 + i, 2);
        connect(btnSpsj[i], &QPushButton::clicked, this, [this, i] { Choose(i); });
    }
    grid->addWidget(NamedLabel(this, "双击价格或点\r\r击对应的按钮\r\r选择价格"), 3, 3, 6, 1);
    btnCancel = NamedButton(this, "btnCancel", "退出(Esc)");
    grid->addWidget(btnCancel, 9, 2, 1, 2);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Price::btnCancelClick);
}

void TF_Price::FormActivate()
{
    ApplyFontSize(FontSize);
    const PricePicker* picker = PricePickers().value(AuxTag);
    gsn->setText(picker && picker->gsn ? picker->gsn->text() : QString());
    gname->setText(picker && picker->gname ? picker->gname->text() : QString());
    Query q(&posting::Db());
    OpenWithParams(q, QStringLiteral("select g_sj,g_sj1,g_sj2,g_sj3,g_sj4,g_sj5 from jxc_goods where g_sn=:g"),
        { { QStringLiteral("g"), gsn->text() } });
    for (int i = 0; i < 6; ++i) {
        // A level never set is 0.
        prices_[i] = q.IsEmpty() ? 0 : ValueNumber(q.ValueAt(0, i));
        QLineEdit* e = tspsj[i];
        e->setText(NumberText(prices_[i]));
        const double v = prices_[i];
        SetAmountEditFormat(
            { [e, v](const QString& format) { e->setText(FormatFloat(format, v)); }, nullptr, nullptr });
    }
}

void TF_Price::Choose(int level)
{
    if (const PricePicker* picker = PricePickers().value(AuxTag); picker && picker->setPrice)
        picker->setPrice(prices_[level]);
    accept();
}

void TF_Price::btnCancelClick()
{
    reject();
}
