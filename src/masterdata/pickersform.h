#pragma once
#include "platform/ui/form.h"

#include <QString>
#include <QStringList>
#include <functional>

class DataGrid;
class Form;
class QLineEdit;
class QBoxLayout;
class QPushButton;
class QWidget;

// Small pieces that the warehouse, staff, department and picker dialogs share.

// Enter moves to the next control; F5 runs the save or confirm handler.
void InstallDialogKeys(Form* form, std::function<void()> onF5);
// A push button in the layout whose click runs the handler.
QPushButton* AddButton(QBoxLayout* row, QWidget* parent, const QString& caption, std::function<void()> handler);
// The closing row of a dialog: the confirm button (also F5) and the one that closes it.
void AddDialogButtons(
    QBoxLayout* box, Form* form, const QString& confirm, const QString& close, std::function<void()> onConfirm);
// A refusal in the box captioned "系统提示".
void InformRefusal(const QString& text);
// The search line of a list: label, the edit tkey (typed punctuation discarded) and
// its button.
QLineEdit* AddSearchLine(QBoxLayout* box, QWidget* parent, const QString& label, const QString& buttonCaption,
    std::function<void()> handler, QPushButton** button = nullptr);
// The grid shows the rows whose fields contain the text (all rows for an empty text).
void FilterGridByText(DataGrid& grid, const QString& text, const QStringList& fields);
