#pragma once
#include <QString>
#include <functional>
#include <initializer_list>

class Form;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// Pieces the accounts windows and dialogs share.

// A push button that Enter does not press.
QPushButton* MakeAccountsButton(QWidget* parent, const char* name, const QString& caption);
// An amount edit: numbers only, right-aligned.
QLineEdit* MakeAmountEdit(QWidget* parent, const char* name);
// The fields above, `left` (when given) and the buttons at the right below them.
void LayOutDialog(QWidget* dialog, QFormLayout* form, QWidget* left, std::initializer_list<QPushButton*> right);
// F5 confirms, Esc closes the dialog without saving.
void InstallConfirmKeys(Form* dialog, const std::function<void()>& confirm);
