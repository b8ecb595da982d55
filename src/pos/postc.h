#pragma once
#include "platform/ui/form.h"

#include <QDate>
#include <QString>

class DataGrid;
class KeyedCombo;
class QComboBox;
class QDateEdit;
class QPushButton;
class QToolButton;

// Works out the operator's commission rows of the period for the till (kind: the
// index of the kind choice, 0 for all; staff "-1" for everyone) and opens Q_Xstj5
// on them.
void ComputeTillCommission(const QDate& from, const QDate& to, const QString& staff, int kind);

// "POS销售提成": the staff's commission of a period, per commission kind.
class TF_Posxs_Tc : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Tc(QWidget* parent = nullptr);
    ~TF_Posxs_Tc() override;

    void FormActivate() override;
    void btnSearchClick();
    void btnExportClick();

    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnDate;
    KeyedCombo* comUser;
    QComboBox* comTcfs;
    QPushButton* btnSearch;
    QPushButton* btnExport;
    QPushButton* btnExit;
    DataGrid* cxGrid;
};

extern TF_Posxs_Tc* F_Posxs_Tc;
