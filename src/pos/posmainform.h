#pragma once
#include "platform/ui/form.h"
#include "pos/poskeys.h"

#include <QString>
#include <functional>

class DataGrid;
class KeyedCombo;
class QCheckBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class Query;

// "POS终端": the shop's till. The cashier scans goods into the cart (the operator's
// lines of jxc_lsxssp under the sale number), changes quantities and prices, and
// works the functions from the keyboard; the devices show the total and open the
// drawer. Created on first use and kept; each opening starts a fresh sale.
class TF_PosMainForm : public Form {
    Q_OBJECT
public:
    // The till's functions whose windows come with the payment, hold, member and
    // shift issues; each does nothing until it is set.
    struct Hooks {
        std::function<void(TF_PosMainForm&)> posFk; // payment
        std::function<void(TF_PosMainForm&)> posGD; // hold the sale
        std::function<void(TF_PosMainForm&)> posJG; // resume a held sale
        std::function<void(TF_PosMainForm&)> posHy; // member choice (fills the member labels)
        std::function<void(TF_PosMainForm&)> posJb; // shift hand-over (answers AuxTag "1")
    };
    static Hooks& TillHooks();

    explicit TF_PosMainForm(QWidget* parent = nullptr);
    void FormActivate() override;
    bool FormCloseQuery() override;

    // Devices.
    void setPoscs();
    void ComKxInit();
    void openQx();
    void setMoneyValue(const QString& amount);

    // The sale and its cart.
    void setInitValue(const QString& number = QString());
    void openGridViewData(const QString& number);
    void updateBottomHjje();
    QString SaleNumber() const { return number_; }
    bool CartEmpty() const;
    qint64 CurrentLineId() const;
    void deleteCurrent();
    void deleteAll();

    // Goods entry.
    void tbhEnter();
    void setFilterGoods(const QString& text);
    void selectGoods();
    void posYxsp(const QString& mode);
    void btnSaveClick();
    void btnPanelExitClick();
    void ePriceChange();
    void eRateChange();
    void eNewSlChange();
    void setZp();

    // Keys.
    void loadKey();
    const PosKeyTable& Keys() const { return keys_; }
    // A key press as the window previews it; true when the till took it.
    bool FormKeyDown(QKeyEvent* e);
    // The till's answer to a virtual-key code outside the line-edit panel.
    bool DispatchKey(int keyCode);
    void lockScreen();

    // Member panel and picture.
    void afterMemberChoice();
    void btnHideMemberClick();
    // Entering the entry edit closes the goods list and the line-edit panel.
    void tbhEnterFocus();
    void toggleBottomPanel();
    void showPicture();

    // The menu.
    void N_FontClick();
    void N_SyymxClick();
    void N_KeyClick();
    void N_PrintSetClick();
    void N_PwdClick();
    void N_DyxpClick();
    void N_JgcxClick();
    void N_DhzpClick();
    void N_HyAddClick();
    void N_HyczClick();
    void N_RkClick();
    void N_CkClick();
    void N_ThClick();
    void N_HbClick();
    void N_ExitClick();

    // Top bar, cart and entry.
    QLabel* compName = nullptr;
    QLabel* gldjh = nullptr;
    QLabel* pos_Name = nullptr;
    KeyedCombo* comUser = nullptr;
    KeyedCombo* comCk = nullptr;
    DataGrid* cxGrid2 = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QLineEdit* tbh = nullptr;
    QLabel* hjje = nullptr;
    QPushButton* btnMenu = nullptr;
    QMenu* PopupMenu_Set = nullptr;
    // Member labels.
    QLabel *hy_bh = nullptr, *hy_name = nullptr, *hl_name = nullptr, *hl_zk = nullptr, *hy_jf = nullptr,
           *hy_zhye = nullptr;
    // Bottom panel: page 0 the keys, page 1 the member.
    QStackedWidget* bottomPanel = nullptr;
    QLabel* keyNames[12] = {};
    // Status bar.
    QLabel* stBrand = nullptr;
    QLabel* stState = nullptr;
    QLabel* stClock = nullptr;
    // Line-edit panel.
    QFrame* RzPanel_Spsl = nullptr;
    QLabel* lSpName = nullptr;
    QLineEdit *eOldSl = nullptr, *eNewSl = nullptr, *eOrigPrice = nullptr, *ePrice = nullptr, *eRate = nullptr;
    QCheckBox* chkPermanent = nullptr;
    QCheckBox* chkWhole = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnPanelExit = nullptr;
    QLabel* Image_Pic = nullptr;

    // Till device settings of jxc_poscs.
    int drawerInterface = 0;
    int displayPort = 0;
    bool drawerOnPayment = false;

    // The cart view (Q_Posxs) and the goods search list (Q_PosGoods).
    Query& Cart() const;
    Query& Goods() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Warehouse() const;
    void fillKeyNames();

    QString number_;
    QString scannedText_;
    bool scannedIsBarcode_ = false;
    PosKeyTable keys_;
    QString panelMode_;
    bool paying_ = false;
    qint64 panelLine_ = 0;
    int panelStock_ = 0;
    QString panelGoods_;
};

extern TF_PosMainForm* F_PosMainForm;
