#pragma once
#include "platform/ui/form.h"

#include <QDate>
#include <QString>

class DataGrid;
class KeyedCombo;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

// ---- the day book of the till's tickets ----

struct DayBookFilter {
    QDate from;
    QDate to;
    QString staff;   // the salesman's code, "" for all
    QString cashier; // the cashier's name, matched exactly; "" for all
};

// One row per ticket of the period (the end day whole) with its tenders, member and
// salesman, newest first. Held sales still waiting show their paid amount (0) and no
// tenders; a ticket whose salesman is gone is still listed.
QString DayBookTicketsSql(const DayBookFilter& f);
// One row per ticket line of the period, the goods name with its gift tag; `key`
// must be in the number, the member's card or name, or the goods' code or name.
QString DayBookLinesSql(const QDate& from, const QDate& to, const QString& key);

// "POS销售流水账": the tickets and their lines of a period.
class TF_Posxs_Lsz : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Lsz(QWidget* parent = nullptr);
    ~TF_Posxs_Lsz() override;

    void FormActivate() override;
    void btnSearch1Click();
    void btnSearch2Click();
    void btnView1Click();
    void btnView2Click();
    void btnPrin1Click();
    void btnPrin2Click();
    void btnExport1Click();
    void btnExport2Click();
    void cxPageChange();

    QTabWidget* cxPage;
    QWidget* cxTab1;
    QWidget* cxTab2;

    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnDate1;
    KeyedCombo* comAdmin;
    KeyedCombo* comUser;
    QPushButton* btnSearch1;
    QPushButton* btnView1;
    QPushButton* btnPrin1;
    QPushButton* btnExport1;
    QPushButton* btnExit1;
    DataGrid* cxGrid1View;

    QDateEdit* tdate3;
    QDateEdit* tdate4;
    QToolButton* btnDate2;
    QLineEdit* tkey;
    QPushButton* btnSearch2;
    QPushButton* btnView2;
    QPushButton* btnPrin2;
    QPushButton* btnExport2;
    QPushButton* btnExit2;
    DataGrid* cxGrid2View;
};

extern TF_Posxs_Lsz* F_Posxs_Lsz;
