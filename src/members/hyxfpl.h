#pragma once
#include "platform/ui/form.h"

class DataGrid;
class DataSource;
class Query;
class QCheckBox;
class QLineEdit;

// "批量续费": the same top-up for the members ticked in the list. The ticks belong to
// this window alone (a column of its own list, never written back).
class TF_Hyxf_pl : public Form {
    Q_OBJECT
public:
    explicit TF_Hyxf_pl(QWidget* parent = nullptr);
    ~TF_Hyxf_pl() override;
    void FormActivate() override;
    void chkAllClick();
    void btnOKClick();
    // Ticks or unticks one listed row (as a click in the tick column does).
    void SetTicked(int row, bool on);
    int TickedCount() const;

    DataGrid* cxGrid1View = nullptr;
    QCheckBox* chkAll = nullptr;
    QLineEdit* tje = nullptr;
    QLineEdit* tsjje = nullptr;
    QLineEdit* tnote = nullptr;
    Query* Q_hyplxf = nullptr;

private:
    DataSource* source_ = nullptr;
};
