#pragma once
#include <QString>

// The printed voucher of one money movement ("report/xjyhd.fr3", "report/fyd.fr3"): its texts, the
// amount in capital money words and in the twelve digit cells.
struct CashVoucher {
    QString title; // bTitle
    QString operatorName;
    QString handler;
    QString item; // fymc
    QString account;
    QString note;
    QString date;
    QString number;
    double amount = 0;
    // The journal window's voucher of a stored row names the company; the entry
    // dialogs' does not.
    bool withCompany = false;
    // The template of report/ without its extension: the journal's or the expense voucher.
    QString templateFile = QStringLiteral("xjyhd");
};
void PrintCashVoucher(const CashVoucher& v);
