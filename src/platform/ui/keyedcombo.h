#pragma once
#include <QComboBox>
#include <QMetaType>
#include <QString>
#include <optional>

// The key object behind a combo item: the code of the record whose name the item
// shows ("-1" for an "all" or "none" item). Items of plain name lists carry none.
class TMyObject {
public:
    QString comboS;
};
Q_DECLARE_METATYPE(TMyObject)

// The drop-down that windows use to pick a record by name while working with its
// code. Each keyed item holds its own key object, which lives exactly as long as
// the item does.
class KeyedCombo : public QComboBox {
    Q_OBJECT
public:
    explicit KeyedCombo(QWidget* parent = nullptr);

    // Appends an item showing text with a key object holding code.
    void AddKeyed(const QString& text, const QString& code);
    // The key object of an item; nothing for an item without one or an index
    // outside the list.
    std::optional<TMyObject> KeyObject(int index) const;
    // The code of an item. An index outside the list or an item without a key is
    // the caller's error and throws std::out_of_range.
    QString Code(int index) const;
};
