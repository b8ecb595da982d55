#include "platform/ui/numberedit.h"

#include "platform/base/displayformat.h"

#include <cmath>

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (showing_)
            return;
        bool ok = false;
        const double v = text.trimmed().toDouble(&ok);
        // A text that is not (yet) a number, such as "-" or "", counts as 0.
        value_ = ok ? v : 0;
    });
    connect(this, &QLineEdit::textEdited, this, [this] { emit valueEdited(value_); });
    ShowValue();
}

void NumberEdit::SetValue(double value)
{
    value_ = value;
    ShowValue();
}

void NumberEdit::SetDisplayFormat(const QString& format)
{
    format_ = format;
    ShowValue();
}

void NumberEdit::SetDecimals(int decimals)
{
    decimals_ = decimals;
    ShowValue();
}

QString NumberEdit::PlainText() const
{
    // Trailing zeros go, so the operator edits "12.5" and not "12.500000".
    QString t = QString::number(value_, 'f', std::max(decimals_, 0));
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

void NumberEdit::ShowValue()
{
    const QString text = editing_ || format_.isEmpty() ? PlainText() : FormatFloat(format_, value_);
    if (text != this->text()) {
        showing_ = true;
        setText(text);
        showing_ = false;
    }
}

void NumberEdit::focusInEvent(QFocusEvent* e)
{
    editing_ = true;
    ShowValue();
    QLineEdit::focusInEvent(e);
    if (!isReadOnly())
        selectAll();
}

void NumberEdit::focusOutEvent(QFocusEvent* e)
{
    editing_ = false;
    ShowValue();
    QLineEdit::focusOutEvent(e);
}
