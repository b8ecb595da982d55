#pragma once
#include <QString>

class KeyedCombo;
class QLineEdit;

// The document and expense windows that open the handler, remark and department
// pickers live in subsystems above this one. Under its tag (the value it puts in
// PickerCaller) a calling window registers the controls the pickers answer into;
// a tag nothing is registered under answers nothing. A control that is destroyed
// drops out by itself.
namespace PickerCallers {

void RegisterHandlerCombo(const QString& tag, KeyedCombo* comUser);
void RegisterRemarkEdit(const QString& tag, QLineEdit* tnote);
// "fyjsr_add" and "fyjsr_add1": the expense and income dialogs' department combo.
void RegisterDeptCombo(const QString& tag, KeyedCombo* comDept);
void Unregister(const QString& tag);

KeyedCombo* HandlerCombo(const QString& tag);
QLineEdit* RemarkEdit(const QString& tag);
KeyedCombo* DeptCombo(const QString& tag);

}
