#pragma once
#include "masterdata/goodsrecord.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class DataGrid;
class GoodsClassTree;
class QAction;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class Query;

// The goods entry that the add and the modify window share: the controls of the
// goods record, the category, colour-group and size-group panels, the barcode fill,
// the unit, brand and shelf lists, the commission and the picture box. Each window
// owns one and keeps its own handlers and differences.
class GoodsEntryForm : public QWidget {
    Q_OBJECT
public:
    // `caller` is the PickerCaller the unit and shelf lists answer to.
    GoodsEntryForm(const QString& caller, QWidget* parent);
    ~GoodsEntryForm() override;

    // Lists of units (order "id" or "id desc"), brands and shelves.
    void FillUnits(const QString& order);
    void FillBrands();
    void FillShelves();
    // Selects the item with exactly this text (none when absent).
    static void SelectText(QComboBox* combo, const QString& text);
    // The answers of the unit and shelf lists.
    void AnswerUnit(const QString& name);
    void AnswerShelf(const QString& name);

    // Shows the price, shelf and cost fields the settings and rights allow, and gives
    // the price edits the amount format.
    void ApplyVisibility();
    // Enables the commission fields with the right "qtcz" 20.
    void ApplyCommissionRight(bool withSameForClass);
    // The commission kind and its value, label and unit.
    void SetCommission(int kind, double value);
    void comTcblChange();

    // Panels: at most one shows.
    enum class Panel { None, Class, Colour, Size };
    void ShowPanel(Panel p);
    Panel ShownPanel() const;

    // Category panel.
    void OpenClasses();
    void btnClassClick();
    // "确认" and a double click: false for the root, which changes nothing.
    bool btnClassOKClick();
    void ClassClicked();
    // Colour and size groups.
    void OpenGroups();
    void TakeFirstGroups();
    void comColorKeyUp();
    void comCmKeyUp();
    void btnColorOKClick();
    void btnCmOKClick();
    void btnColorAddClick();
    void btnCmAddClick();
    void btnColorClick();
    void btnCmClick();
    // The unit check of a change of the unit combo (and of the brand combo when adding).
    void ComDwChange();
    void btnSccsClick();
    void btnHjClick();

    // Barcode fill after a category choice and after each key released in the code.
    void FillBarcode();

    // Pictures: the capture dialog with PictureName := name; the path it hands back
    // ("" for none), which the picture box shows.
    QString RunCapture(const QString& name);
    // A click on "操作" itself: the capture for the goods' own file; the code must be there.
    void btnUploadClick();
    void ShowPicture(const QString& path);
    void ClearPicture();
    void miBrowseClick();

    // F5 saves and Enter moves to the next control, in the whole window.
    void InstallKeys(QWidget* window, const std::function<void()>& save);
    // Closing: the category and group datasets.
    void CloseDatasets();

    // Opens `row` on the goods with this id and its category name; false when none.
    static bool OpenGoodsRow(Query& row, qint64 id);
    // What a copy and a modify both take from a goods row: category, name, style,
    // unit, groups, brand, barcode order, minimum stock, the two preset prices, remark.
    void FillCommon(const Query& row);

    // The record as entered.
    GoodsEntry Entry() const;

    // Set by the window.
    QString caller;
    bool commissionRight = false;
    std::function<void()> onClassChosen; // after a category was chosen (adding renumbers)
    std::function<void()> onStemClicked; // after a single click in the tree

    // State.
    QString chosenClassSn;
    QString chosenClassCid;
    QString colorzSn;
    QString cmzSn;
    QString barcodeStem;

    Query& Q_GoodsClass;
    Query& Q_Colorz;
    Query& Q_Cmz;

    QLineEdit* gc_name = nullptr;
    QPushButton* btnClass = nullptr;
    QLineEdit* g_sn = nullptr;
    QLineEdit* g_name = nullptr;
    QCheckBox* chkAlert = nullptr;
    QLineEdit* g_sptm = nullptr;
    QComboBox* comTmtype = nullptr;
    QComboBox* ComDw = nullptr;
    QLineEdit* comColor = nullptr;
    QPushButton* btnColor2 = nullptr;
    QPushButton* btnColor = nullptr;
    QLineEdit* comCm = nullptr;
    QPushButton* btnCm2 = nullptr;
    QPushButton* btnCm = nullptr;
    QDoubleSpinBox* g_jj = nullptr;
    QComboBox* comHjxx = nullptr;
    QPushButton* btnHj = nullptr;
    QComboBox* comSccs = nullptr;
    QPushButton* btnSccs = nullptr;
    QSpinBox* g_zdkc = nullptr;
    QCheckBox* chkZp = nullptr;
    QLineEdit* gg_name = nullptr;
    QCheckBox* chkGdcbj = nullptr;
    QComboBox* comTcbl = nullptr;
    QLabel* lTctxt = nullptr;
    QDoubleSpinBox* tTcbl = nullptr;
    QLabel* lTcbl = nullptr;
    QCheckBox* chkTclb = nullptr;
    QLineEdit* g_bz = nullptr;
    QDoubleSpinBox* g_sj = nullptr;
    std::array<QDoubleSpinBox*, 5> g_sjN {};
    QDoubleSpinBox* g_lsj = nullptr;
    QLineEdit* tpic = nullptr;
    QLabel* Image_Pic = nullptr;
    QToolButton* btnUpload = nullptr;
    QAction* miTake = nullptr;
    QAction* miBrowse = nullptr;
    QAction* miClear = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

    QFrame* pnlClass = nullptr;
    GoodsClassTree* classTree = nullptr;
    QToolButton* btnClassOp = nullptr;
    QPushButton* btnClassOK = nullptr;
    QPushButton* btnClassExit = nullptr;
    QFrame* pnlColor = nullptr;
    DataGrid* gridColor = nullptr;
    QPushButton *btnColorAdd = nullptr, *btnColorOK = nullptr, *btnColorExit = nullptr;
    QFrame* pnlCm = nullptr;
    DataGrid* gridCm = nullptr;
    QPushButton *btnCmAdd = nullptr, *btnCmOK = nullptr, *btnCmExit = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // What the settings and rights may hide.
    QList<QWidget*> costWidgets_, saleWidgets_, gradeWidgets_, retailWidgets_, shelfWidgets_;
    QFrame* BuildGroupPanel(const QString& nameCaption, const QString& snCaption, const QString& dataset,
        const QString& nameField, const QString& snField, DataGrid*& grid, QPushButton*& add, QPushButton*& ok,
        QPushButton*& exit);
    void FilterGroups(DataGrid* grid, QLineEdit* edit, const QString& nameField, const QString& snField);
    void ReopenGroups(Query& q, const QString& table);
};
