#pragma once
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;
class Query;

// "盘点数据导入": counts read from a spreadsheet (quantity, barcode) into the draft of
// the stock-take window. Step one reads and stages the rows, step two shows them
// with their status, confirming replaces the operator's draft lines. The window it
// works for is found by the stock-take's number prefix (its number, day and
// warehouse). The rules are in kcpdimport.h.
class TF_Kcpd_Import : public Form {
    Q_OBJECT
public:
    explicit TF_Kcpd_Import(QWidget* parent = nullptr);

    void FormActivate() override;
    void urlExcelClick();
    void btnOpenClick();
    // Reads the file's rows (quantity, barcode) and stages them.
    void ReadRows(const std::vector<QStringList>& rows);
    void btnNext3Click();
    void btnPrev4Click();
    void btnImportClick();

    QString ImportFileName;
    int ImportRowCount = 0;
    int ImportFailCount = 0;
    int ImportOkCount = 0;

    Query& Q_KcpdImport;
    QWidget* RzPanel3 = nullptr;
    QWidget* RzPanel4 = nullptr;
    QLabel* ckname = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnNext3 = nullptr;
    QPushButton* btnImport = nullptr;
    DataGrid* cxGrid1View = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void ZeroCounts();
};
