#pragma once
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class PartnerPanel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;

// "今日事件提醒": goods below their minimum stock and customers who still owe. The
// reminder opens by itself at start; the stock-alarm query (TF_Kcbj) is the same
// window opened from the main window, with the differences its kind names.
class TF_Sjtx : public Form {
    Q_OBJECT
public:
    enum class Kind { Reminder, Alarm };
    explicit TF_Sjtx(QWidget* parent = nullptr) : TF_Sjtx(Kind::Reminder, parent) { }

    Kind GetKind() const { return kind_; }

    void FormActivate() override;
    // The stock query of the warehouse and text chosen.
    void btnSearch3Click();
    // The receivables query, for the confirmed customer or all.
    void btnSearch1Click();
    void comCkChange();
    void cxPageChange();
    void btnGhsSeleClick();
    void chkKhAllClick();
    void tKhNameKeyUp();
    void btnExportClick();
    void btnPrintClick();
    bool FormKeyDown(int key);

    QTabWidget* cxPage;
    QWidget* cxTab3;
    QWidget* cxTab1;
    KeyedCombo* comCk;
    QLineEdit* tkey;
    QPushButton* btnSearch3;
    QPushButton* btnExport3;
    QPushButton* btnPrint3; // the reminder only
    QPushButton* btnExit3;
    DataGrid* cxGrid3View;
    QMenu* PopupMenu1; // the reminder only
    QLineEdit* tKhName;
    QPushButton* btnGhsSele;
    QPushButton* btnSearch1;
    QPushButton* btnExport1;
    QPushButton* btnExit1;
    DataGrid* cxGrid1View;
    PartnerPanel* RzPanel_Kh;
    QCheckBox* chkKhAll;
    QLabel* kctx;
    QLabel* qktx;

protected:
    TF_Sjtx(Kind kind, QWidget* parent);
    void done(int result) override;

private:
    void refillWarehouses();
    Kind kind_;
    bool filling_ = false;
};

// The stock-alarm query: the stock tab first, every customer in the panel, no
// handler column, the panel following what is typed, .xls export only, no print.
class TF_Kcbj : public TF_Sjtx {
    Q_OBJECT
public:
    explicit TF_Kcbj(QWidget* parent = nullptr) : TF_Sjtx(Kind::Alarm, parent) { }
};
