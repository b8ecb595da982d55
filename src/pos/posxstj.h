#pragma once
#include "platform/ui/form.h"

#include <QDate>
#include <QString>

class DataGrid;
class KeyedCombo;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// ---- what the till sold, per goods ----
// From the stored ticket lines: sales, returns (negative) and gifts; a held sale
// still waiting is no sale and is left out.

// Quantity and amount per goods of the period (the end day whole); `key` must be in
// the goods' code, name or short code ("" for all).
QString PosGoodsSalesSql(const QDate& from, const QDate& to, const QString& key);
// The ticket lines of one goods, newest first; `cashier` is a containment test on
// the line's cashier ("" for all).
QString PosGoodsLinesSql(const QDate& from, const QDate& to, const QString& goods, const QString& cashier);

// "POS 商品销售统计".
class TF_Posxs_Tj : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Tj(QWidget* parent = nullptr);
    ~TF_Posxs_Tj() override;

    void FormActivate() override;
    void btnSearchClick();
    // "查看明细", a double-click: the lines of the current goods.
    void btnViewClick();
    void btnPrinClick();
    void btnExportClick();

    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnDate;
    QLineEdit* tkey;
    QPushButton* btnSearch;
    QPushButton* btnView;
    QPushButton* btnPrin;
    QPushButton* btnExport;
    QPushButton* btnExit;
    DataGrid* cxGrid1View;
};

// "商品销售明细": the ticket lines of the goods in SelectedSn; made for one showing.
class TF_Posxs_Tjmx : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Tjmx(QWidget* parent = nullptr);
    ~TF_Posxs_Tjmx() override;

    void FormActivate() override;
    void btnSearchClick();
    void btnViewClick();
    void btnExportClick();

    QLabel* lgname;
    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnDate;
    KeyedCombo* comAdmin;
    QPushButton* btnSearch;
    QPushButton* btnView;
    QPushButton* btnExport;
    QPushButton* btnExit;
    DataGrid* cxGrid1View;
};

extern TF_Posxs_Tj* F_Posxs_Tj;
