#pragma once
#include "platform/ui/form.h"

#include <QDate>
#include <QString>

class DataGrid;
class KeyedCombo;
class NumberEdit;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimeEdit;
class QToolButton;
class Report;

// ---- the cashier's shift and its hand-over ----

// What a cashier took in over a shift. Held sales still waiting are no sales and
// count nowhere; returns count only in `returns`, so the tenders cover sales alone.
struct ShiftTotals {
    double cash = 0, storedValue = 0, bankCard = 0, voucher = 0, weChat = 0, alipay = 0;
    double writtenOff = 0, change = 0, sales = 0, returns = 0, cashIn = 0, cashOut = 0;
    // Member money booked under the cashier: its split and its amount.
    double memberCash = 0, memberCard = 0, memberWeChat = 0, memberAlipay = 0, memberChange = 0, memberAmount = 0;
    // The amount to hand over: sales + returns - cash out + cash in + member money.
    double Due() const { return sales + returns - cashOut + cashIn + memberAmount; }
};

// The totals of `cashier` between two times "yyyy-MM-dd HH:mm:ss", both included.
ShiftTotals ComputeShiftTotals(const QString& cashier, const QString& start, const QString& end);

struct HandOver {
    QString begin;
    QString end;
    QString cashier;
    ShiftTotals totals;
    double handedIn = 0;
    QString note;
};
// Appends the jxc_poshb row in one transaction; answers its id.
qint64 StoreHandOver(const HandOver& h);
// The hand-over receipt of a stored row: 58 mm when pp_kd is "0", previewed when
// pp_bzxx is set, else straight to the printer.
void PrintHandOverReceipt(Report& report, qint64 id);
// The hand-overs begun in the period (its end day whole), of one operator or of all
// when `cashier` is empty, by id.
QString HandOverHistorySql(const QDate& from, const QDate& to, const QString& cashier);

// "交班小票": the shift's totals handed over, and the earlier hand-overs. Answers
// AuxTag "1" when a hand-over was stored.
class TF_Posxs_Hb : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Hb(QWidget* parent = nullptr);
    ~TF_Posxs_Hb() override;
    void FormActivate() override;

    void btnTjClick();
    void btnOKClick();
    void btnCancelClick();
    void btnSearchClick();
    void btnViewClick();
    void btnExportClick();
    void cxPageChange();
    // The totals last computed, which a hand-over stores.
    const ShiftTotals& Shown() const { return shown_; }

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QLabel* lsyy = nullptr;
    QDateEdit *tdate1 = nullptr, *tdate2 = nullptr;
    QTimeEdit *ttime1 = nullptr, *ttime2 = nullptr;
    // The totals, by their jxc_poshb column.
    QLabel *ljb_xjje = nullptr, *ljb_czkje = nullptr, *ljb_yhkje = nullptr, *ljb_djqje = nullptr, *ljb_wxje = nullptr,
           *ljb_zfbje = nullptr, *ljb_mlje = nullptr, *ljb_zlje = nullptr, *ljb_xsje = nullptr, *ljb_thje = nullptr,
           *ljb_rkje = nullptr, *ljb_ckje = nullptr, *ljb_xjje2 = nullptr, *ljb_yhkje2 = nullptr, *ljb_wxje2 = nullptr,
           *ljb_zfbje2 = nullptr, *ljb_xfje = nullptr, *ljb_zlje2 = nullptr, *ljb_yjje = nullptr;
    NumberEdit* tsjje = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkPrint = nullptr;
    QPushButton *btnOK = nullptr, *btnCancel = nullptr, *btnTj = nullptr;

    QDateEdit *tdate3 = nullptr, *tdate4 = nullptr;
    QToolButton* btnDate = nullptr;
    KeyedCombo* comAdmin = nullptr;
    QPushButton *btnSearch = nullptr, *btnView = nullptr, *btnExport = nullptr, *btnExit = nullptr;
    DataGrid* cxGrid = nullptr;

private:
    void showTotals();
    ShiftTotals shown_;
};

// ---- the cashier's goods and the tickets of a period ----

// The goods `cashier` sold in the period (its end day whole): quantity and amount
// per goods, returns netted, held sales left out.
QString CashierGoodsSql(const QString& cashier, const QDate& from, const QDate& to);
// Every cashier's tickets of the period with their member, newest first.
QString ReprintTicketsSql(const QDate& from, const QDate& to);
// A ticket's lines, the gift tag after the goods name.
QString ReprintLinesSql(const QString& number);

// "打印当前收银员明细".
class TF_Posxs_Syymx : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Syymx(QWidget* parent = nullptr);
    ~TF_Posxs_Syymx() override;
    void FormActivate() override;
    void btnSearchClick();
    void btnPrintClick();
    void btnExportClick();

    QDateEdit *tdate1 = nullptr, *tdate2 = nullptr;
    QPushButton *btnSearch = nullptr, *btnPrint = nullptr, *btnExport = nullptr, *btnExit = nullptr;
    DataGrid* cxGrid = nullptr;
};

// "补打当天小票".
class TF_Posxs_Dyxp : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Dyxp(QWidget* parent = nullptr);
    ~TF_Posxs_Dyxp() override;
    void FormActivate() override;
    void btnSearchClick();
    void ticketChanged();
    void btnPrintClick();

    QDateEdit *tdate1 = nullptr, *tdate2 = nullptr;
    QPushButton *btnSearch = nullptr, *btnPrint = nullptr, *btnExit = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QLabel* lLines = nullptr;
    DataGrid* cxGrid2 = nullptr;
};
