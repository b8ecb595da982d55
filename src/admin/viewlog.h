#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

// The operation log for a period and a search text, newest first; an operator with
// the right may clear the whole log.
class TF_ViewLog : public Form {
    Q_OBJECT
public:
    explicit TF_ViewLog(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnSearchClick();
    void btn_DeleClick();
    bool FormKeyDown(int key);

    QPushButton* btn_Dele;
    QPushButton* btn_Exit;
    QDateEdit* tdate11;
    QDateEdit* tdate12;
    QToolButton* btnMenu1;
    QPushButton* btnSearch;
    QLineEdit* tname;
    DataGrid* cxGrid1View;

protected:
    void done(int result) override;
};

// The log's lines of the period whose text or operator contains the text.
QString LogStatement(const QDate& from, const QDate& to, const QString& text);
