#pragma once
#include "masterdata/namedlistwindow.h"

#include <QWidget>

class DataGrid;
class QLineEdit;
class QPushButton;

// "基本资料设置" with the tab "所属地区设置": the zones on Q_Zone.
class TF_Zone : public NamedListWindow {
    Q_OBJECT
public:
    explicit TF_Zone(QWidget* parent = nullptr);
    ~TF_Zone() override;
    void FormActivate() override;
    // The search edit filters at every change.
    void tkeyChange();

    QLineEdit* tkey = nullptr;
};

extern TF_Zone* F_Zone;

// The zones shown as codes, names and short codes containing the text (upper-cased).
void FilterZoneGrid(DataGrid& grid, const QString& typed);

// The zone panel of a partner dialog: picks a zone into the dialog's zone edit.
class ZonePanel : public QWidget {
    Q_OBJECT
public:
    // tag: what the dialog puts in PickerCaller while the zone window is open.
    ZonePanel(QLineEdit* zoneEdit, const QString& tag, QWidget* parent);

    // Hidden, with Q_Zone opened (the dialog's opening).
    void Reset();
    void btnAddClick();
    void btnOKClick();
    void btnExitClick();

    DataGrid* cxGrid = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

private:
    QLineEdit* zoneEdit_;
    QString tag_;
};
