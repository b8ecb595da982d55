#pragma once
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class QAction;
class QChartView;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class Query;

// "销售退货查询": approved sales deliveries and returns of a period as documents, a
// goods summary, ledger rows or a daily chart; cancelling, collecting, re-dating,
// viewing and printing them, and handing a delivery to the return window as a
// whole-document return (WholeReturnDocNo). Opened by the return window (F7).
class TF_Xsdjcx : public Form {
    Q_OBJECT
public:
    explicit TF_Xsdjcx(QWidget* parent = nullptr);
    ~TF_Xsdjcx() override;

    void FormActivate() override;
    void btnSearch2Click();
    void setLsxsspList();
    void setGoodsMx();
    // "数据过滤": "" all, "xs" deliveries, "xt" returns, "qk" documents owing money.
    void SetKindFilter(const QString& kind);
    void btn_ChaZhaoClick();
    void btn_UnChkClick();
    void btn_UnChkAllClick();
    void btn_FukuanClick();
    void btn_DateClick();
    void btn_ChaKanClick();
    void btn_LxdyClick();
    void btn_PrinClick();
    // What "导出" offers: the main grid of the view, or the rows under it.
    void btn_ExportClick(bool lower = false);
    void btn_ZdthClick();
    // Charts: the daily chart of the period, the chart of the goods current in the
    // goods panel, and drawing the chart data as bars or a line.
    void DailyChart();
    void GoodsChart();
    void DrawChart();
    void tTjtKeyChange();

    // Window state kept for the run of the program.
    static QString QueryWarehouseSn;
    static QString QueryOperatorName;
    static QString QueryClassSn;
    static QString QueryDocKind;
    static QString PrintNowFlag;
    static QString BatchPrintFlag;

    Query& Q_Lsxsd;
    Query& Q_Lsxssp2;
    Query& Q_GXsHZ;
    Query& Q_GList;
    Query& Q_GList2;
    Query& Q_ChartXsdjcs;
    Query& Q_GoodsCX;

    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnMenu;
    QLineEdit* tchkKey;
    QPushButton* btnSearch2;
    QRadioButton* rDjb;
    QRadioButton* rHzb;
    QRadioButton* rMxb;
    QRadioButton* rTjt;
    QPushButton* btn_ChaKan;
    QPushButton* btn_ChaZhao;
    QPushButton* btn_Prin;
    QPushButton* btn_Lxdy;
    QPushButton* btn_Zdth;
    QPushButton* btn_Export;
    QPushButton* btn_GuoLv;
    QMenu* PopupMenu_Filter;
    QPushButton* btn_UnChk;
    QPushButton* btn_UnChkAll;
    QPushButton* btn_Fukuan;
    QPushButton* btn_Date;
    QPushButton* btn_Exit;
    QComboBox* comSort;
    QComboBox* comRq;
    QStackedWidget* views;
    DataGrid* cxGrid2View;
    QLabel* ghsname;
    DataGrid* cxGrid3View;
    DataGrid* cxGrid4View;
    QLabel* gname;
    DataGrid* cxGrid1View;
    DataGrid* cxGrid5View;
    QLineEdit* tTjtKey;
    QPushButton* btnGoods;
    QComboBox* comNr;
    QRadioButton* rQxt;
    QRadioButton* rZxt;
    QChartView* DBChart_Tjh;
    QFrame* RzPanel_Goods;
    DataGrid* cxGrid6View;
    QPushButton* btnKhOK;
    QPushButton* btnKhExit;
    QMenu* barPopupMenu;
    QAction* popUnChk;
    QAction* popZdth;
    QAction* popFukuan;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QString DateColumn(bool ledger) const;
    QString KindCondition(const QString& alias) const;
    QString KeyCondition(const QStringList& columns) const;
    QString AdvancedConditions(const QString& alias, const QString& classAlias) const;
    QString LedgerOrder() const;
    // The number of the current row of the visible view; empty in the chart or on
    // an empty grid.
    QString CurrentDocNo() const;
    void ShowDocument(const QString& number);
    void OpenGoodsList(const QString& order);
};

extern TF_Xsdjcx* F_Xsdjcx;
