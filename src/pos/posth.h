#pragma once
#include "platform/ui/form.h"
#include "pos/posfk.h"

#include <QString>
#include <memory>

class DataGrid;
class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class Report;

// ---- returns at the till, without a window ----

// The sale a return is taken from: what the return copies from its header.
struct PosReturnSale {
    QString number;
    QString date;
    QString memberNo; // hy_bh
    QString memberSn;
    QString salesman;
    QString warehouse;
    QString customer;
};

// A return number that no return header or return line holds.
QString FreeReturnNumber();
// Takes the sale into the operator's return lines under *returnNo (redrawn when
// another operator holds it): each line with what approved returns have not yet
// taken back, the sale number in gl_djh2 and the sale line in id2, and its
// colour-by-size row. Answers the refusal, or "" with the sale in *sale.
QString TakeSaleForReturn(QString* returnNo, const QString& saleNo, const QString& op, PosReturnSale* sale);
// A new return quantity for a line: the refusal, or "" when written.
QString SetReturnQty(qint64 lineId, double qty, const QString& op);
// The refund of a return total: rounded up to the POS payment decimals by one unit
// of the last kept decimal.
double PosRefund(double total, const QString& decimals);

struct PosReturn {
    QString number;
    QString op;
    PosReturnSale sale;
    double refund = 0;
    PosTenders tenders;
    QString change;
    QString note;
};
// Stores the return in one transaction: the negative POS document, the approved
// sales return and its postings (ledger rows marked as the till's), the member's
// points and the stored-value refund.
void StorePosReturn(const PosReturn& r);

// "退货金额": the refund split over the tenders. Answers ActiveDocKind "1" on confirmation.
class TF_Posxs_Thje : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Thje(QWidget* parent = nullptr);
    void FormActivate() override;
    void tenderChange();
    void btnOKClick();

    // Set before showing.
    double refund = 0;
    bool withMember = false;

    QLabel* tspje = nullptr;
    QLineEdit *tfkje = nullptr, *tczk = nullptr, *tyhk = nullptr, *tdjq = nullptr, *twxje = nullptr, *tzfbje = nullptr;
    QLabel* zlje = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkXp = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    PosTenders Tenders() const;
};

// "POS销售信息": finds a till sale by period, number or member.
class TF_Posxs_ThImport : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_ThImport(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSearchClick();
    void cxGrid1Click();
    void btnOKClick();
    void btnExportClick();

    // The sale chosen, "" when none.
    QString chosen;

    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnDate = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton *btnSearch = nullptr, *btnOK = nullptr, *btnExport = nullptr, *btnExit = nullptr;
    DataGrid* cxGrid1 = nullptr;
    DataGrid* cxGrid2 = nullptr;
    QLabel* lDetail = nullptr;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

// "退货": a customer's return of goods of an earlier till sale.
class TF_Posxs_Th : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Th(QWidget* parent = nullptr);
    ~TF_Posxs_Th() override;
    void FormActivate() override;
    bool FormCloseQuery() override;

    void newReturn();
    void tdjhEnter();
    void btnFindClick();
    void tfilterChange();
    void btnDeleteClick();
    void btnQtyClick();
    void btnQtyOKClick();
    void btnQtyExitClick();
    void btnOKClick();
    bool HasLines() const;

    QLabel* lthdh = nullptr;
    QLineEdit* tdjh = nullptr;
    QPushButton* btnFind = nullptr;
    QLabel* lxsrq = nullptr;
    QLabel* lhybh = nullptr;
    QLineEdit* tfilter = nullptr;
    QPushButton *btnDelete = nullptr, *btnQty = nullptr, *btnOK = nullptr, *btnExit = nullptr;
    DataGrid* cxGrid1 = nullptr;
    // Quantity panel.
    QFrame* panelQty = nullptr;
    QLabel* lSpName = nullptr;
    QLineEdit* eOldSl = nullptr;
    QLineEdit* eNewSl = nullptr;
    QPushButton* btnQtyOK = nullptr;
    QPushButton* btnQtyExit = nullptr;
    std::unique_ptr<Report> report;

    QString ReturnNumber() const { return number_; }

private:
    void openGrid();

    QString number_;
    PosReturnSale sale_;
};
