#pragma once
#include "platform/ui/form.h"

#include <QDate>
#include <QDateTime>
#include <QString>

class DataGrid;
class KeyedCombo;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QTimeEdit;
class QToolButton;
class QPushButton;
class QMenu;
class QWidget;

// ---- what the cashiers took in, and what the members bought ----
// Held sales still waiting are no sales: every statement leaves them out.

// Every ticket line between the two moments with cost and gross profit; a cashier's
// name, when given, matched exactly.
QString CashierDetailSql(const QDateTime& start, const QDateTime& end, const QString& cashier);
// Per cashier with an operator row, the amounts due and paid; the name is a
// containment test ("" for all).
QString CashierSummarySql(const QDateTime& start, const QDateTime& end, const QString& cashier);
// The tickets of the cashiers whose name contains `name`.
QString CashierTicketsSql(const QDateTime& start, const QDateTime& end, const QString& name);

struct MemberSalesFilter {
    QDate from;
    QDate to;
    QString level; // hl_sn, "" or "-1" for all
    QString kind;  // "XS", "XT" or "" for both
    QString key;
};
// The members' tickets of the period.
QString MemberTicketsSql(const MemberSalesFilter& f);
// One ticket's lines, the goods name with its gift tag.
QString MemberTicketLinesSql(const QString& number);
// The members' sold goods from the stock ledger with their gross profit rate.
QString MemberGoodsSql(const MemberSalesFilter& f);

// "收银员收银统计".
class TF_Posxs_Sytj : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Sytj(QWidget* parent = nullptr);
    ~TF_Posxs_Sytj() override;

    void FormActivate() override;
    void btnSearchClick();
    void setTickets();
    void btnViewClick();
    void btnPrinClick();
    void btnExportClick();
    bool summaryMode() const;

    QDateEdit* tdate1;
    QTimeEdit* ttime1;
    QDateEdit* tdate2;
    QTimeEdit* ttime2;
    QToolButton* btnDate;
    KeyedCombo* comAdmin;
    QRadioButton* rbMx;
    QRadioButton* rbHz;
    QPushButton* btnSearch;
    QPushButton* btnView;
    QPushButton* btnPrin;
    QPushButton* btnExport;
    QPushButton* btnExit;
    QWidget* pnlDetail;
    QWidget* pnlSummary;
    DataGrid* cxGrid1View; // detail
    DataGrid* cxGrid2View; // summary
    DataGrid* cxGrid3View; // the chosen cashier's tickets
    QLabel* lsyy;
};

// "会员消费统计".
class TF_Posxs_Hy : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Hy(QWidget* parent = nullptr);
    ~TF_Posxs_Hy() override;

    void FormActivate() override;
    void btnSearchClick();
    void setLines();
    void setKind(const QString& kind);
    void btnViewClick();
    void btnExportClick();
    MemberSalesFilter filter() const;

    QTabWidget* cxPage;
    QWidget* cxTab1;
    QWidget* cxTab2;
    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnDate;
    KeyedCombo* comLevel;
    QLineEdit* tkey;
    QPushButton* btnSearch;
    QPushButton* btnView;
    QPushButton* btnExport;
    QPushButton* btnExit;
    QToolButton* btnFilter;
    QMenu* mnuKind;
    DataGrid* cxGrid1View;
    QLabel* lxx;
    DataGrid* cxGrid2View;
    QWidget* pnlLines;
    DataGrid* cxGrid3View;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    bool activating_ = false;
};

extern TF_Posxs_Sytj* F_Posxs_Sytj;
extern TF_Posxs_Hy* F_Posxs_Hy;
