#include "platform/ui/keyedcombo.h"

#include <stdexcept>
#include <string>

KeyedCombo::KeyedCombo(QWidget* parent) : QComboBox(parent) { }

void KeyedCombo::AddKeyed(const QString& text, const QString& code)
{
    addItem(text, QVariant::fromValue(TMyObject { code }));
}

std::optional<TMyObject> KeyedCombo::KeyObject(int index) const
{
    if (index < 0 || index >= count())
        return std::nullopt;
    const QVariant v = itemData(index);
    if (v.metaType() != QMetaType::fromType<TMyObject>())
        return std::nullopt;
    return v.value<TMyObject>();
}

QString KeyedCombo::Code(int index) const
{
    if (index < 0 || index >= count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    const std::optional<TMyObject> key = KeyObject(index);
    if (!key)
        throw std::out_of_range("Combo item " + std::to_string(index) + " carries no key");
    return key->comboS;
}
