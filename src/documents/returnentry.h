#pragma once
#include "documents/docwindow.h"

#include <QString>
#include <functional>

class KeyedCombo;
class QBoxLayout;
class QDateEdit;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class Query;

// What the entry tabs of the purchase and sales returns share below their lines.

// The captions and object names that tell the two bottoms apart.
struct ReturnBottomText {
    const char* payable;      // "应收金额：" or "应付金额："
    const char* paid;         // "实收金额："
    const char* paidName;     // the object name of the paid field ("tsfje")
    const char* rest;         // where the rest goes ("余款记入应付帐款")
    const char* invoiceLabel; // the object name of the invoice caption ("lfpno")
    const char* accountPanel; // "同时选择收款账户："
    bool notePicker = false;  // a hidden "…" beside the remark for the remark picker
};
// The window's controls that the bottom fills: the amounts, handler, remark, invoice,
// save and leave buttons and the cash-account panel, laid out in that order under
// the lines. noteButton stays nullptr without notePicker.
struct ReturnBottom {
    QLineEdit*& payable;
    QLineEdit*& paid;
    KeyedCombo*& handler;
    QPushButton*& handlerButton;
    QLineEdit*& note;
    QPushButton*& noteButton;
    QLabel*& invoiceLabel;
    QLineEdit*& invoiceNo;
    QLineEdit*& invoiceAmount;
    QPushButton*& save;
    QPushButton*& leave;
    QFrame*& accountPanel;
    KeyedCombo*& account;
    QPushButton*& accountClose;
};
void NewReturnBottom(QWidget* tab, QBoxLayout* box, const ReturnBottomText& text, const ReturnBottom& b);

// The header row of a return: the partner field with its chooser button
// ("btnSeleGhs"), the warehouse ("comCk") and the date ("dateCg"), each after its
// caption; answers the row's grid, whose next column is free.
struct ReturnHeadText {
    const char* partner;     // "供货商："
    const char* partnerName; // the object name of the partner field ("tghs")
    const char* warehouse;   // "出货仓库："
    const char* date;        // "退货日期："
};
QGridLayout* NewReturnHead(QWidget* tab, QBoxLayout* box, const ReturnHeadText& text, QLineEdit*& partner,
    QPushButton*& choose, KeyedCombo*& warehouse, QDateEdit*& date);

// While the return has lines the line buttons show and its warehouse and partner
// stay as they are.
void ShowReturnLineButtons(
    bool rows, QPushButton* modify, QPushButton* remove, QPushButton* print, QWidget* partner, QWidget* warehouse);

// The question before saving a return that stays pending.
QString ReturnPendingQuestion();

// Opens the query that picks the document to return whole (OpenMode as given) and
// answers the number it handed over, empty when none.
QString ChooseWholeReturn(const QString& openMode, const QString& queryWindow);

// Closing a return's window: the close question of the entry tab; once it closes the
// lines are reloaded and a document taken over whole is let go when none is left.
bool CloseReturnEntry(const DocWindow& doc, const QString& number, const std::function<bool()>& hasLines,
    const std::function<void()>& save, const std::function<void()>& reload, QString& wholeReturnOf);
