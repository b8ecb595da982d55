#pragma once
#include <QString>

// A "系统提示" message with the information icon, as the master-data windows show it.
void Inform(const QString& text);
