#include "admin/sjtx.h"

#include "admin/reminders.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/lookups.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

Query& StockAlarms()
{
    return F_DataModule->Q(QStringLiteral("Q_Sjtx2"));
}

Query& Receivables()
{
    return F_DataModule->Q(QStringLiteral("Q_Sjtx1"));
}

QString Count(int rows)
{
    return QString::number(rows) + QStringLiteral(" 条");
}

QPushButton* ReminderButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// Typing in the customer edit of the stock-alarm query opens and narrows the panel.
class KeyUpWatcher : public QObject {
public:
    KeyUpWatcher(QObject* parent, std::function<void()> keyUp) : QObject(parent), keyUp_(std::move(keyUp)) { }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease)
            keyUp_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> keyUp_;
};

} // namespace

TF_Sjtx::TF_Sjtx(Kind kind, QWidget* parent) : Form(parent), kind_(kind)
{
    const bool reminder = kind == Kind::Reminder;
    setObjectName(reminder ? QStringLiteral("TF_Sjtx") : QStringLiteral("TF_Kcbj"));
    setWindowTitle(QStringLiteral("今日事件提醒"));
    SetEscCloses(false);

    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));

    // Stock tab.
    cxTab3 = new QWidget(cxPage);
    cxTab3->setObjectName(QStringLiteral("cxTab3"));
    comCk = new KeyedCombo(cxTab3);
    comCk->setObjectName(QStringLiteral("comCk"));
    tkey = new QLineEdit(cxTab3);
    tkey->setObjectName(QStringLiteral("tkey"));
    InstallGoodsTextFilter(tkey);
    btnSearch3 = ReminderButton(cxTab3, "btnSearch3", QStringLiteral("查询(F2)"));
    btnExport3 = ReminderButton(cxTab3, "btnExport3", QStringLiteral("导出"));
    btnPrint3 = ReminderButton(cxTab3, "btnPrint3", QStringLiteral("打印"));
    btnPrint3->setVisible(reminder);
    btnExit3 = ReminderButton(cxTab3, "btnExit3", QStringLiteral("退出"));
    cxGrid3View = new DataGrid(cxTab3);
    cxGrid3View->setObjectName(QStringLiteral("cxGrid3View"));
    cxGrid3View->SetDataSource(&F_DataModule->D(QStringLiteral("Q_Sjtx2")));
    const int colSn = cxGrid3View->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    const int colName = cxGrid3View->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 150);
    cxGrid3View->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGrid3View->AddColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    cxGrid3View->AddColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 70);
    const int colKc = cxGrid3View->AddColumn(
        QStringLiteral("kc"), QStringLiteral("当前库存"), 80, Qt::AlignRight | Qt::AlignVCenter);
    const int colMin = cxGrid3View->AddColumn(
        QStringLiteral("g_zdkc"), QStringLiteral("最低库存"), 80, Qt::AlignRight | Qt::AlignVCenter);
    for (int c : { colKc, colMin })
        cxGrid3View->SetColumnFormat(c, QStringLiteral("0.00;-0.00"));
    cxGrid3View->SetFooterVisible(true);
    cxGrid3View->SetFooterText(colSn, QStringLiteral("商品合计："));
    cxGrid3View->SetFooterCount(colName);
    cxGrid3View->SetFooterSum(colKc, QStringLiteral("0.00;-0.00"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(QStringLiteral("导出到Excel(&E)"), this, [this] { btnExportClick(); });
    PopupMenu1->addAction(QStringLiteral("打印(&Z)"), this, [this] { btnPrintClick(); });
    auto* stockTools = new QHBoxLayout;
    stockTools->addWidget(new QLabel(QStringLiteral("当前仓库："), cxTab3));
    stockTools->addWidget(comCk);
    stockTools->addWidget(new QLabel(QStringLiteral("输入商品相关信息进行查询："), cxTab3));
    stockTools->addWidget(tkey, 1);
    stockTools->addWidget(btnSearch3);
    stockTools->addWidget(btnExport3);
    stockTools->addWidget(btnPrint3);
    stockTools->addWidget(btnExit3);
    auto* stockBox = new QVBoxLayout(cxTab3);
    stockBox->addLayout(stockTools);
    stockBox->addWidget(cxGrid3View, 1);
    cxPage->addTab(cxTab3, QStringLiteral("商品库存量报警"));

    // Receivables tab.
    cxTab1 = new QWidget(cxPage);
    cxTab1->setObjectName(QStringLiteral("cxTab1"));
    tKhName = new QLineEdit(cxTab1);
    tKhName->setObjectName(QStringLiteral("tKhName"));
    btnGhsSele = ReminderButton(cxTab1, "btnGhsSele", QStringLiteral("…"));
    btnGhsSele->setFixedWidth(28);
    btnSearch1 = ReminderButton(cxTab1, "btnSearch1", QStringLiteral("查询(F2)"));
    btnExport1 = ReminderButton(cxTab1, "btnExport1", QStringLiteral("导出"));
    btnExit1 = ReminderButton(cxTab1, "btnExit1", QStringLiteral("退出"));
    cxGrid1View = new DataGrid(cxTab1);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("Q_Sjtx1")));
    const int colKh = cxGrid1View->AddColumn(QStringLiteral("kh_name"), QStringLiteral("客户名称"), 150);
    cxGrid1View->AddColumn(QStringLiteral("gl_djh"), QStringLiteral("单据号"), 120);
    cxGrid1View->AddColumn(QStringLiteral("k_rq"), QStringLiteral("开单日期"), 90);
    const int colOwed = cxGrid1View->AddColumn(
        QStringLiteral("k_ljje"), QStringLiteral("欠款金额"), 90, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid1View->AddColumn(QStringLiteral("k_fkfs"), QStringLiteral("收款方式"), 80);
    const int colStaff = cxGrid1View->AddColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGrid1View->SetColumnVisible(colStaff, reminder);
    cxGrid1View->AddColumn(QStringLiteral("k_djtxt"), QStringLiteral("单据类型"), 80);
    cxGrid1View->AddColumn(QStringLiteral("k_note"), QStringLiteral("备注"), 150);
    cxGrid1View->SetColumnFormat(colOwed, QStringLiteral("0.00;-0.00"));
    cxGrid1View->SetCellStyler([colOwed](int, int column, CellStyle& style) {
        if (column == colOwed)
            style.text = Qt::red;
    });
    cxGrid1View->SetFooterVisible(true);
    cxGrid1View->SetFooterCount(colKh, QStringLiteral("记录数："));
    cxGrid1View->SetFooterSum(colOwed, QStringLiteral("0.00;-0.00"));
    auto* owedTools = new QHBoxLayout;
    owedTools->addWidget(new QLabel(QStringLiteral("客户名称："), cxTab1));
    owedTools->addWidget(tKhName, 1);
    owedTools->addWidget(btnGhsSele);
    owedTools->addWidget(btnSearch1);
    owedTools->addWidget(btnExport1);
    owedTools->addWidget(btnExit1);
    auto* owedBox = new QVBoxLayout(cxTab1);
    owedBox->addLayout(owedTools);
    owedBox->addWidget(cxGrid1View, 1);
    cxPage->addTab(cxTab1, QStringLiteral("我方收款提醒"));

    RzPanel_Kh = new PartnerPanel(
        cxTab1, PartnerPanel::Side::Customers, tKhName, CurrentCustomerSn, [this] { btnSearch1Click(); });
    RzPanel_Kh->setObjectName(QStringLiteral("RzPanel_Kh"));
    chkKhAll = new QCheckBox(QStringLiteral("查询全部客户"), RzPanel_Kh);
    chkKhAll->setObjectName(QStringLiteral("chkKhAll"));
    RzPanel_Kh->layout()->addWidget(chkKhAll);
    // The reminder's edit only shows what was confirmed; the alarm query's edit
    // narrows the panel as one types, on the code too.
    RzPanel_Kh->SetOpensOnTyping(false);
    if (!reminder) {
        RzPanel_Kh->Grid()->SetSearchColumns(
            { QStringLiteral("kh_name"), QStringLiteral("kh_jm"), QStringLiteral("kh_sn") });
        tKhName->installEventFilter(new KeyUpWatcher(this, [this] { tKhNameKeyUp(); }));
    }

    kctx = new QLabel(this);
    kctx->setObjectName(QStringLiteral("kctx"));
    qktx = new QLabel(this);
    qktx->setObjectName(QStringLiteral("qktx"));
    auto* footer = new QHBoxLayout;
    footer->addWidget(new QLabel(QStringLiteral("库存提醒："), this));
    footer->addWidget(kctx);
    footer->addSpacing(24);
    footer->addWidget(new QLabel(QStringLiteral("欠款提醒："), this));
    footer->addWidget(qktx);
    footer->addStretch(1);

    auto* root = new QVBoxLayout(this);
    root->addWidget(cxPage, 1);
    root->addLayout(footer);
    resize(820, 520);

    connect(btnSearch3, &QPushButton::clicked, this, [this] { btnSearch3Click(); });
    connect(btnSearch1, &QPushButton::clicked, this, [this] { btnSearch1Click(); });
    connect(btnExport3, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnExport1, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnPrint3, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnExit3, &QPushButton::clicked, this, [this] { close(); });
    connect(btnExit1, &QPushButton::clicked, this, [this] { close(); });
    connect(btnGhsSele, &QPushButton::clicked, this, [this] { btnGhsSeleClick(); });
    connect(chkKhAll, &QCheckBox::clicked, this, [this] { chkKhAllClick(); });
    connect(comCk, &QComboBox::currentIndexChanged, this, [this] { comCkChange(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });
    if (reminder)
        connect(cxGrid3View, &DataGrid::rightClicked, this, [this](const QPoint& at) { PopupMenu1->popup(at); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_Sjtx::refillWarehouses()
{
    filling_ = true;
    FillWarehouseChoice(*comCk);
    filling_ = false;
}

void TF_Sjtx::FormActivate()
{
    ApplyFontSize(FontSize);
    if (kind_ == Kind::Reminder)
        OpenCustomerList(QStringLiteral("0"));
    else
        OpenQuery(F_DataModule->Q(QStringLiteral("Q_Khxx")),
            QStringLiteral("select a.*,b.kt_name as ktname from jxc_khxx a,jxc_khtype b where a.kt_sn=b.kt_sn "
                           "and a.kh_forbid=0 order by a.id"));
    refillWarehouses();
    tkey->clear();
    RzPanel_Kh->Reset();
    filling_ = true;
    cxPage->setTabVisible(cxPage->indexOf(cxTab1), HasRight(QStringLiteral("wlzk"), 3));
    cxPage->setCurrentWidget(cxTab3);
    filling_ = false;
    btnSearch3Click();
    kctx->setText(Count(StockAlarms().Active() ? StockAlarms().RecordCount() : 0));
    qktx->clear();
}

void TF_Sjtx::btnSearch3Click()
{
    if (comCk->count() == 0)
        return;
    const QString key = comCk->currentIndex() < 0 ? QStringLiteral("-1") : GetComboCode(*comCk, comCk->currentIndex());
    OpenQuery(StockAlarms(), LowStockStatement(key, tkey->text()));
}

void TF_Sjtx::btnSearch1Click()
{
    OpenQuery(Receivables(),
        ReceivablesStatement(kind_ == Kind::Reminder ? ReceivablesView::Reminder : ReceivablesView::Alarm,
            tKhName->text(), CurrentCustomerSn));
    qktx->setText(Count(Receivables().RecordCount()));
}

void TF_Sjtx::comCkChange()
{
    if (!filling_)
        btnSearch3Click();
}

void TF_Sjtx::cxPageChange()
{
    if (filling_)
        return;
    if (cxPage->currentWidget() == cxTab1) {
        tKhName->clear();
        btnSearch1Click();
    } else {
        refillWarehouses();
        tkey->clear();
        btnSearch3Click();
    }
}

void TF_Sjtx::btnGhsSeleClick()
{
    chkKhAll->setChecked(false);
    RzPanel_Kh->Open();
}

void TF_Sjtx::chkKhAllClick()
{
    if (!chkKhAll->isChecked())
        return;
    RzPanel_Kh->Reset();
    btnSearch1Click();
}

void TF_Sjtx::tKhNameKeyUp()
{
    if (kind_ != Kind::Alarm)
        return;
    chkKhAll->setChecked(false);
    RzPanel_Kh->EditKeyUp();
}

void TF_Sjtx::btnExportClick()
{
    const DataGrid* grid = cxPage->currentWidget() == cxTab1 ? cxGrid1View : cxGrid3View;
    ExportList(*grid, ExportRows::OnlyWithRows, kind_ == Kind::Alarm ? ExportTypes::XlsOnly : ExportTypes::XlsxOrXls);
}

void TF_Sjtx::btnPrintClick()
{
    if (kind_ != Kind::Reminder || cxGrid3View->RowCount() == 0)
        return;
    PrintGridList(QStringLiteral("sjtxkc.fr3"), QStringLiteral("sjtxkc"), *cxGrid3View,
        { { QStringLiteral("ckName"), comCk->currentText() } });
}

bool TF_Sjtx::FormKeyDown(int key)
{
    if (const auto use = RzPanel_Kh->HandleKey(key); use != PartnerPanel::KeyUse::PanelHidden)
        return use == PartnerPanel::KeyUse::Used;
    if (key == Qt::Key_F2) {
        if (cxPage->currentWidget() == cxTab1)
            btnSearch1Click();
        else
            btnSearch3Click();
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Sjtx::done(int result)
{
    const QStringList closed = kind_ == Kind::Reminder
        ? QStringList { QStringLiteral("Q_Khxx"), QStringLiteral("Q_Sjtx1"), QStringLiteral("Q_Sjtx2"),
              QStringLiteral("Q_Sjtx3") }
        : QStringList { QStringLiteral("Q_Sjtx1"), QStringLiteral("Q_Sjtx2") };
    for (const QString& name : closed)
        F_DataModule->Q(name).Close();
    Form::done(result);
}
