#pragma once
#include <QString>
#include <functional>

class Form;
class QBoxLayout;
class QPushButton;
class QWidget;

// Small pieces that the warehouse, staff, department and picker dialogs share.

// Enter moves to the next control; F5 runs the save or confirm handler.
void InstallDialogKeys(Form* form, std::function<void()> onF5);
// A push button in the layout whose click runs the handler.
QPushButton* AddButton(QBoxLayout* row, QWidget* parent, const QString& caption, std::function<void()> handler);
