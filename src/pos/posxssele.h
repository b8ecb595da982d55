#pragma once
#include "platform/ui/form.h"

#include <QStringList>

class MatrixGrid;
class QCheckBox;
class QLabel;
class QPushButton;
struct CellStyle;

// "选择尺码和颜色": the stock of one goods in the till's warehouse by colour and size;
// the cashier picks the variant to sell. In: SelectedSn (goods), OpenMode
// (warehouse). Out: SelectedSn the size name (empty when nothing was picked),
// OpenMode the colour name, ActiveDocKind the stock of the cell.
class TF_Posxs_Sele : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Sele(QWidget* parent = nullptr);
    void FormActivate() override;
    bool FormCloseQuery() override;

    void StringGridSelectCell(int col, int row);
    // Picks the current cell (double-click, Enter, F5, "确定(F5)").
    void btnOKClick();
    void btnExitClick();
    void chkHideClick();
    void StringGridDrawCell(int col, int row, CellStyle& style);

    QLabel *lsn = nullptr, *lname = nullptr, *lcm = nullptr, *lcolor = nullptr;
    MatrixGrid* StringGrid = nullptr;
    QCheckBox* chkHide = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

private:
    QString goods_;
    QString warehouse_;
    QStringList sizeCodes_;
    QStringList colourCodes_;
};
