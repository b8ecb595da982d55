#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class Query;

// "商品条码管理": goods with their colour-by-size barcodes, regeneration, the
// per-goods barcode dialog, the barcode test and label printing. Created into F_Tmgl
// at each opening and freed afterwards.
class TF_Tmgl : public Form {
    Q_OBJECT
public:
    explicit TF_Tmgl(QWidget* parent = nullptr);
    ~TF_Tmgl() override;

    void FormActivate() override;
    // First page.
    void btnSearchClick();
    void setTmxx();
    void btnMakeClick();
    void btnSetClick();
    void btnTestClick();
    void btnExitClick();
    // Second page.
    void PageChanged(int page);
    void btnSearch2Click();
    void btnExportClick();
    void btnModiSlClick();
    void btnPrintClick();
    void btnDesignClick();
    void miPrintSelectedClick();

    Query& Q_Tmgl1;
    Query& Q_Tmgl2;
    Query& Q_Tmgl3;
    QTabWidget* pages = nullptr;
    QLineEdit* tkey = nullptr;
    QLineEdit* tkey2 = nullptr;
    DataGrid* gridGoods = nullptr;
    DataGrid* gridTm = nullptr;
    DataGrid* gridLabels = nullptr;
    QPushButton *btnMake = nullptr, *btnSet = nullptr, *btnTest = nullptr, *btnExit = nullptr, *btnSearch = nullptr;
    QPushButton *btnExport = nullptr, *btnExit2 = nullptr, *btnModiSl = nullptr, *btnTest2 = nullptr,
                *btnPrint = nullptr, *btnDesign = nullptr, *btnSearch2 = nullptr;
    QMenu* labelMenu = nullptr;
    QAction* miDesign = nullptr;

private:
    // Prints the given label rows of the list.
    void PrintLabelRows(const QList<int>& rows);
};

extern TF_Tmgl* F_Tmgl;
