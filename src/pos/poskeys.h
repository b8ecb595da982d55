#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

// The till's function keys: jxc_gnb binds each function name to a Windows
// virtual-key code; a function without a row has code 0 and never fires.

// The functions in the order the till tests a pressed key against them.
const QStringList& PosKeyFunctions();
// The code bound to a function, 0 when none.
int getKeyValue(const QString& function);

// The codes of every function, read at once.
class PosKeyTable {
public:
    void Load();
    int Code(const QString& function) const { return codes_.value(function, 0); }
    // The functions bound to a key, in dispatch order.
    QStringList FunctionsOf(int keyCode) const;

private:
    QHash<QString, int> codes_;
};

// Binds a key to a function of the shortcut-key window. Answers the refusal ("" when
// bound): a key that a function already uses (its own included), F5 (payment) or F1
// (help). A key without a display name binds nothing and answers "" with *bound false.
QString BindPosKey(const QString& function, int keyCode, bool* bound = nullptr);
