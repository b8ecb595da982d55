#pragma once
#include "documents/colorsizeentry.h"
#include "platform/ui/form.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The colour-by-size entry of one goods line of a stock document: the transfer,
// loss and overflow, stock-take, department requisition and return, production
// goods-in and return dialogs. Each is a class of its own (TF_Kcdb_Sele, ...) over
// this one design, configured by its member description. By OpenMode it adds a
// browser line ("<kind>_add"), changes the current browser line ("<kind>_modi"),
// the current draft line ("<kind>") or the current line of the pending document
// (the member's pending mode). It reaches its document window through the DocHost of
// the kind's number prefix (its number, date, warehouse, selected lines and pending
// header), so it works before the window exists.
class StockSele : public Form, public ColorSizeDialogParts {
    Q_OBJECT
public:
    enum class Member { Transfer, LossOverflow, StockTake, DeptIssue, DeptReturn, ProductionIn, ProductionReturn };

    void FormActivate() override;
    void FormKeyDown(int key);
    void chkHideClick();
    void FormClose();
    void btnOKClick();
    void btnCancelClick();
    void btnPicClick();
    // The members' stock check of the entered cells: the last offending cell's message.
    QString checkGridNum();

    QLabel* lprice = nullptr;
    QLineEdit* tgpjjj = nullptr; // price (cost) edit
    QLineEdit* tgsj = nullptr;   // the transfer's sale price edit
    QLineEdit* tsl = nullptr;
    QLineEdit* tnote = nullptr;
    QLineEdit* tlysl = nullptr; // department return: requisitioned
    QLineEdit* thhsl = nullptr; // department return: returned so far
    QLabel* tgldjh = nullptr;   // department return: requisition number
    QPushButton* btnPic = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    StockSele(Member member, QWidget* parent);
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    struct Target; // what the confirmation writes to
    void Build();
    QString Caption() const;
    QString Prefix() const; // the number prefix of the line's kind
    QString LineTable() const;
    QString DetailTable() const;
    QString LinePrefix() const;
    QString Mode(const char* suffix) const;
    bool Pending() const;
    void LoadLine();
    void QuantityChanged();
    QString CheckEntry();
    void Write();
    void WriteRows(const QString& table, const QString& number, qint64 lineId, bool scratch);
    double Price() const;
    double AmountOf(double unit, double qty) const;

    Member member_;
    QString goodsSn_;
    QString warehouse_;
    QString date_;
    // the stock-take: kc_zsl and the unit cost of the warehouse
    double bookTotal_ = 0;
    double unitCost_ = 0;
    // the department return: the source requisition line
    qint64 sourceLine_ = 0;
    qint64 sourceTid_ = 0;
    QString sourceNo_;
    double sourceRest_ = 0;
};

class TF_Kcdb_Sele : public StockSele {
    Q_OBJECT
public:
    explicit TF_Kcdb_Sele(QWidget* parent = nullptr) : StockSele(Member::Transfer, parent) { }
};
class TF_Bsby_Sele : public StockSele {
    Q_OBJECT
public:
    explicit TF_Bsby_Sele(QWidget* parent = nullptr) : StockSele(Member::LossOverflow, parent) { }
};
class TF_Kcpd_Sele : public StockSele {
    Q_OBJECT
public:
    explicit TF_Kcpd_Sele(QWidget* parent = nullptr) : StockSele(Member::StockTake, parent) { }
};
class TF_Bmly_Sele : public StockSele {
    Q_OBJECT
public:
    explicit TF_Bmly_Sele(QWidget* parent = nullptr) : StockSele(Member::DeptIssue, parent) { }
};
class TF_Bmth_Sele : public StockSele {
    Q_OBJECT
public:
    explicit TF_Bmth_Sele(QWidget* parent = nullptr) : StockSele(Member::DeptReturn, parent) { }
};
class TF_Scrk_Sele : public StockSele {
    Q_OBJECT
public:
    explicit TF_Scrk_Sele(QWidget* parent = nullptr) : StockSele(Member::ProductionIn, parent) { }
};
class TF_Sctk_Sele : public StockSele {
    Q_OBJECT
public:
    explicit TF_Sctk_Sele(QWidget* parent = nullptr) : StockSele(Member::ProductionReturn, parent) { }
};

// The scratch list the catalogue browsers show (Q_Spxf), whose current row the
// entry dialogs change in their browser-modify mode.
const QString& BrowserLinesDataset();
