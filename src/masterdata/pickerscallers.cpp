#include "masterdata/pickerscallers.h"

#include "platform/ui/keyedcombo.h"

#include <QHash>
#include <QLineEdit>
#include <QPointer>

namespace {

struct Controls {
    QPointer<KeyedCombo> comUser;
    QPointer<QLineEdit> tnote;
    QPointer<KeyedCombo> comDept;
};

QHash<QString, Controls>& Callers()
{
    static QHash<QString, Controls> callers;
    return callers;
}

}

namespace PickerCallers {

void RegisterHandlerCombo(const QString& tag, KeyedCombo* comUser)
{
    Callers()[tag].comUser = comUser;
}

void RegisterRemarkEdit(const QString& tag, QLineEdit* tnote)
{
    Callers()[tag].tnote = tnote;
}

void RegisterDeptCombo(const QString& tag, KeyedCombo* comDept)
{
    Callers()[tag].comDept = comDept;
}

void Unregister(const QString& tag)
{
    Callers().remove(tag);
}

KeyedCombo* HandlerCombo(const QString& tag)
{
    return Callers().value(tag).comUser.data();
}

QLineEdit* RemarkEdit(const QString& tag)
{
    return Callers().value(tag).tnote.data();
}

KeyedCombo* DeptCombo(const QString& tag)
{
    return Callers().value(tag).comDept.data();
}

}
