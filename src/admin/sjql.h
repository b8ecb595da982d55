#pragma once
#include "platform/ui/form.h"

class QPushButton;
class QRadioButton;

// Empties the account set in use in one transaction: keepBase clears the business
// data and the stock but keeps goods, partners, staff, settings and operators;
// otherwise every table is rebuilt with its seed rows.
void ClearAccountSet(bool keepBase);

// "软件数据清理(系统初始化)": clears the account set in use, after an offered safety copy.
class TF_Sjql : public Form {
    Q_OBJECT
public:
    explicit TF_Sjql(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOK2Click();

    QRadioButton* rSele21;
    QRadioButton* rSele22;
    QPushButton* btnOK2;
    QPushButton* btnExit;
};
