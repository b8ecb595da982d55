#pragma once
#include "accounts/partnerledger.h"
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class PartnerPanel;
class QAction;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class Query;

// "应收款管理" / "应付款管理": each partner's opening balance, movements and closing
// balance over a period, as documents (Q_Ysk), summary (Q_Yskhz) or detail with the
// goods lines (Q_Jhsp2). The twins are this window with their side.
class PartnerAccountWindow : public Form {
    Q_OBJECT
public:
    PartnerAccountWindow(
        const PartnerAccountSide& side, const char* objectName, const QString& caption, QWidget* parent = nullptr);

    const PartnerAccountSide& Side() const { return side_; }
    static Query& Documents(); // Q_Ysk
    static Query& Summary();   // Q_Yskhz
    static Query& Detail();    // Q_Jhsp2
    QString& PickedPartner() const;
    PartnerAccountFilter Filter() const;

    void FormActivate() override;
    void FormClose();
    // A view chosen: its grid and boxes, then a search.
    void ViewChange();
    void btnSearch1Click();
    void btn_FukuanClick();
    void btn_ChaKanClick();
    void btn_CxjsClick();
    void btn_PrinClick();
    void btn_ExportClick();
    void cxGrid1ViewMouseUp(const QPoint& at);
    bool FormKeyDown(int key);

    KeyedCombo* comUser;
    QPushButton* btn_Fukuan;
    QPushButton* btn_ChaKan;
    QPushButton* btn_Cxjs;
    QPushButton* btn_Export;
    QPushButton* btn_Prin;
    QPushButton* btn_Exit;
    QCheckBox* chkAll;
    QCheckBox* chkZero;
    QRadioButton* rDjb;
    QRadioButton* rHzb;
    QRadioButton* rMxb;
    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnMenu;
    QLineEdit* tPartnerName; // tKhName1 (customers) or tkey (suppliers)
    QToolButton* btnGhsSele;
    QLineEdit* tDocKey; // tkey (customers) or tkey2 (suppliers)
    QPushButton* btnSearch1;
    QStackedWidget* views;
    DataGrid* cxGrid1View; // documents
    DataGrid* cxGrid2View; // summary
    DataGrid* cxGrid3View; // detail
    PartnerPanel* partnerPanel;
    QMenu* PopupMenu1;
    QAction* mnuSettle;

protected:
    void done(int result) override;

private:
    void BuildGrids();
    void SetColumnFormats();
    const PartnerAccountSide& side_;
    bool activating_ = false;
};

class TF_Yskgl : public PartnerAccountWindow {
    Q_OBJECT
public:
    explicit TF_Yskgl(QWidget* parent = nullptr);
};

class TF_Yfkgl : public PartnerAccountWindow {
    Q_OBJECT
public:
    explicit TF_Yfkgl(QWidget* parent = nullptr);
};

extern TF_Yskgl* F_Yskgl;
extern TF_Yfkgl* F_Yfkgl;

// "重新计算应收款" / "重新计算应付款": recomputes the running balances of the partner
// named in the account window, or of every partner, from its period start.
class PartnerRecalcDialog : public Form {
    Q_OBJECT
public:
    PartnerRecalcDialog(const PartnerAccountSide& side, const QString& partnerName, const QString& partnerCode,
        const QDate& from, QWidget* parent);

    void btnSaveClick();

    QLabel* lPartner;
    QLabel* lDate;
    QPushButton* btnSave;
    QPushButton* btnExit;

private:
    const PartnerAccountSide& side_;
    QString code_;
    QDate from_;
};

class TF_Yskgl_Js : public PartnerRecalcDialog {
    Q_OBJECT
public:
    TF_Yskgl_Js(const QString& partnerName, const QString& partnerCode, const QDate& from, QWidget* parent = nullptr);
};

class TF_Yfkgl_Js : public PartnerRecalcDialog {
    Q_OBJECT
public:
    TF_Yfkgl_Js(const QString& partnerName, const QString& partnerCode, const QDate& from, QWidget* parent = nullptr);
};
