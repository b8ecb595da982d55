#include "reports/stockcheckwindows.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/longrun.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "reports/jxcwidgets.h"
#include "reports/kccxjs.h"
#include "reports/stockcheck.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCheckList = QStringLiteral("Q_GhsDjFk");
const QString kQtyDisplay = QStringLiteral("0.00;-0.00");

Query& checkList()
{
    return F_DataModule->Q(kCheckList);
}

void reopen(Query& q)
{
    if (q.Active()) {
        q.Close();
        q.Open();
    }
}

void bindFunctionKeys(Form* form, std::initializer_list<std::pair<int, std::function<void()>>> keys)
{
    std::vector<std::pair<int, std::function<void()>>> bound(keys);
    KeyPreview::Install(form, [bound](QKeyEvent* e) {
        for (const auto& [key, act] : bound)
            if (e->key() == key) {
                act();
                return true;
            }
        return false;
    });
}

QLineEdit* readOnlyField(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setReadOnly(true);
    return e;
}

} // namespace

// ---- the check list ----

TF_kccx_Hd::TF_kccx_Hd(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_kccx_Hd"));
    setWindowTitle(QStringLiteral("库存核对"));
    auto* note
        = new QLabel(QStringLiteral("说明：\n下表中列出的是库存数量与进销存统计表中的结存数量不符的信息。\n"
                                    "出现库存数量不符的信息时，可以通过重新计算功能，重新计算进销存统计表的结存数量。\n"
                                    "重新计算后库存数量仍然不符时，可以使用库存同步功能进行库存调整。"),
            this);
    note->setWordWrap(true);
    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    btnSearch1 = ReportButton(this, "btnSearch1", QStringLiteral("查询(F2)"));
    btnExit = ReportButton(this, "btnExit", QStringLiteral("退出"));
    btnExport = ReportButton(this, "btnExport", QStringLiteral("导出"));
    btnKchd = ReportButton(this, "btnKchd", QStringLiteral("库存同步"));
    btn_Cxjs = ReportButton(this, "btn_Cxjs", QStringLiteral("重新计算"));
    btnDphd = ReportButton(this, "btnDphd", QStringLiteral("单品核对"));

    cxGrid1View = new DataGrid(this);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("D_GhsDjFk")));
    cxGrid1View->SetFooterVisible(true);
    struct Column {
        const char* field;
        const char* caption;
        int width;
        bool visible;
    };
    for (const Column& c :
        std::initializer_list<Column> { { "g_sn", "商品编号", 90, true }, { "g_name", "商品名称", 140, true },
            { "dw_name", "单位", 50, true }, { "gg_name", "款型说明", 100, true }, { "g_jm", "", 60, false },
            { "g_pjjj", "", 60, false }, { "ck_sn", "", 60, false }, { "ck_name", "所在仓库", 90, true },
            { "kc_sl", "当前库存", 80, true }, { "kc_zsl", "帐面库存(含未入库)", 110, true },
            { "gl_kc", "结存数量", 80, true }, { "gl_kczje", "", 60, false }, { "color_name", "颜色", 70, true },
            { "cm_name", "尺码", 60, true }, { "t_sl", "数量", 70, true }, { "g_sccs", "", 60, false },
            { "color_sn", "", 60, false }, { "cm_sn", "", 60, false } }) {
        const bool number = QByteArray(c.field) == "kc_sl" || QByteArray(c.field) == "kc_zsl"
            || QByteArray(c.field) == "gl_kc" || QByteArray(c.field) == "t_sl";
        const int col = cxGrid1View->AddColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), c.width,
            number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        cxGrid1View->SetColumnVisible(col, c.visible);
        if (number && QByteArray(c.field) != "kc_zsl")
            cxGrid1View->SetColumnFormat(col, kQtyDisplay);
    }
    SetRecordCount(*cxGrid1View, cxGrid1View->ColumnByField(QStringLiteral("g_sn")));
    cxGrid1View->SetFooterSum(cxGrid1View->ColumnByField(QStringLiteral("t_sl")), kQtyDisplay);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("请输入商品名称或编号或规格颜色或仓库名称："), this));
    bar->addWidget(tKey, 1);
    bar->addWidget(new QLabel(QStringLiteral("当前仓库："), this));
    bar->addWidget(comCk);
    bar->addWidget(btnSearch1);
    auto* form = new QVBoxLayout(this);
    form->addWidget(note);
    form->addLayout(bar);
    form->addWidget(cxGrid1View, 1);
    form->addLayout(ButtonRow({ btnKchd, btn_Cxjs, btnDphd, btnExport, btnExit }));
    resize(900, 560);

    connect(btnSearch1, &QPushButton::clicked, this, [this] { btnSearch1Click(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnKchd, &QPushButton::clicked, this, [this] { btnKchdClick(); });
    connect(btn_Cxjs, &QPushButton::clicked, this, [this] { btn_CxjsClick(); });
    connect(btnDphd, &QPushButton::clicked, this, [this] { btnDphdClick(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this](int) { btnDphdClick(); });
}

void TF_kccx_Hd::FormActivate()
{
    ApplyFontSize(FontSize);
    tKey->clear();
    FillReportWarehouses(*comCk);
    btnSearch1Click();
    cxGrid1View->SetColumnVisible(cxGrid1View->ColumnByField(QStringLiteral("kc_zsl")), StockStepOption());
}

void TF_kccx_Hd::btnSearch1Click()
{
    const QString warehouse = comCk->currentIndex() < 0 ? QStringLiteral("-1") : comCk->Code(comCk->currentIndex());
    OpenStockCheckList(checkList(), warehouse, tKey->text());
}

void TF_kccx_Hd::btnExportClick()
{
    ExportList(*cxGrid1View, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}

void TF_kccx_Hd::btnKchdClick()
{
    if (!checkList().Active() || checkList().IsEmpty())
        return;
    TF_Kccx_Tb sync(this, this);
    sync.ShowModal();
}

void TF_kccx_Hd::btn_CxjsClick()
{
    TF_Kccx_Js recalc(this);
    recalc.ShowModal();
}

void TF_kccx_Hd::btnDphdClick()
{
    if (!checkList().Active() || checkList().IsEmpty())
        return;
    SourceDocNo = QStringLiteral("kccx_hd");
    {
        TF_Kccx_Dphd single(this);
        single.ShowModal();
    }
    SourceDocNo.clear();
}

// ---- the synchronisation ----

TF_Kccx_Tb::TF_Kccx_Tb(TF_kccx_Hd* checkList, QWidget* parent) : Form(parent), checkList_(checkList)
{
    setObjectName(QStringLiteral("TF_Kccx_Tb"));
    setWindowTitle(QStringLiteral("库存同步"));
    comKctb = new QComboBox(this);
    comKctb->setObjectName(QStringLiteral("comKctb"));
    auto* notes = new QGroupBox(QStringLiteral("库存数据同步说明"), this);
    auto* notesText = new QLabel(QStringLiteral("1、库存同步用于调整库存数量与结存数量不一致的商品。\n"
                                                "2、请先重新计算结存数据，仍然不一致时再进行库存同步。\n"
                                                "3、库存同步会修改数据，并且不可恢复。同步前请做好备份。"),
        notes);
    notesText->setWordWrap(true);
    (new QVBoxLayout(notes))->addWidget(notesText);
    btnSave = ReportButton(this, "btnSave", QStringLiteral("确定(F5)"));
    btnExit = ReportButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QVBoxLayout(this);
    AddLabelledRow(*form, this, QStringLiteral("选择数据同步方式："), comKctb);
    form->addWidget(notes);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    form->addLayout(buttons);
    resize(440, 260);
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
}

void TF_Kccx_Tb::FormActivate()
{
    ApplyFontSize(FontSize);
    comKctb->clear();
    comKctb->addItems(StockSyncItems(StockStepOption()));
    comKctb->setCurrentIndex(0);
}

void TF_Kccx_Tb::btnSaveClick()
{
    if (Prompt::YesNo(QStringLiteral("库存数据同步将修改商品的库存，\r\n\r\n并且不可恢复。现在是否同步？"),
            Prompt::kAskCaption, Prompt::Icon::Information)
        != Prompt::Answer::Yes) {
        close();
        return;
    }
    const std::vector<StockCheckRow> pairs = StockCheckPairs(checkList());
    const int item = comKctb->currentIndex();
    const bool stepOption = StockStepOption();
    RunWithProgress(this, QStringLiteral("正在同步库存数据..."), int(pairs.size()),
        [&](const std::function<void(int)>& step) { SyncStock(pairs, item, stepOption, step); });
    if (checkList_)
        checkList_->btnSearch1Click();
    else
        reopen(checkList());
    Prompt::Info(QStringLiteral("同步完成！"));
    close();
}

// ---- the single colour and size correction ----

TF_Kccx_Dphd::TF_Kccx_Dphd(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Kccx_Dphd"));
    setWindowTitle(QStringLiteral("库存核对-单品核对"));
    auto* info = new QGroupBox(QStringLiteral("商品信息"), this);
    auto* grid = new QGridLayout(info);
    tGoods = readOnlyField(info);
    tName = readOnlyField(info);
    tStyle = readOnlyField(info);
    tUnit = readOnlyField(info);
    tMaker = readOnlyField(info);
    tColor = readOnlyField(info);
    tSize = readOnlyField(info);
    tStock = readOnlyField(info);
    int row = 0;
    for (const auto& [label, field] : std::initializer_list<std::pair<const char*, QLineEdit*>> {
             { "商品编号：", tGoods }, { "商品名称：", tName }, { "款型说明：", tStyle }, { "单        位：", tUnit },
             { "生产厂商：", tMaker }, { "颜色：", tColor }, { "尺码：", tSize }, { "当前库存：", tStock } }) {
        grid->addWidget(new QLabel(QString::fromUtf8(label), info), row, 0);
        grid->addWidget(field, row++, 1);
    }
    tsl = new QDoubleSpinBox(this);
    tsl->setObjectName(QStringLiteral("tsl"));
    tsl->setDecimals(2);
    tsl->setRange(-999999.99, 9999999.99); // at most nine characters
    btnOK = ReportButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = ReportButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QVBoxLayout(this);
    form->addWidget(info);
    AddLabelledRow(*form, this, QStringLiteral("当前颜色尺码库存："), tsl);
    form->addWidget(new QLabel(QStringLiteral("当前颜色尺码库存变化将使当前库存发生变化"), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    form->addLayout(buttons);
    resize(420, 420);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    bindFunctionKeys(this, { { Qt::Key_F5, [this] { btnOKClick(); } } });
}

void TF_Kccx_Dphd::FormActivate()
{
    ApplyFontSize(FontSize);
    source_ = SourceDocNo;
    const bool fromCheckList = source_ == QLatin1String("kccx_hd");
    Query& q = F_DataModule->Q(fromCheckList ? kCheckList : QStringLiteral("Q_Kcmx"));
    if (!q.Active() || q.IsEmpty())
        return;
    tGoods->setText(q.AsString(QStringLiteral("g_sn")));
    tName->setText(q.AsString(QStringLiteral("g_name")));
    tStyle->setText(fromCheckList ? q.AsString(QStringLiteral("gg_name")) : QString());
    tUnit->setText(q.AsString(QStringLiteral("dw_name")));
    tMaker->setText(q.AsString(QStringLiteral("g_sccs")));
    tColor->setText(q.AsString(QStringLiteral("color_name")));
    tSize->setText(q.AsString(QStringLiteral("cm_name")));
    // The warehouse's stock from the check list, the colour and size stock from the
    // stock query.
    tStock->setText(
        QString::number(q.AsFloat(fromCheckList ? QStringLiteral("kc_sl") : QStringLiteral("t_sl")), 'f', 2));
    tsl->setValue(q.AsFloat(QStringLiteral("t_sl")));
    warehouse_ = q.AsString(QStringLiteral("ck_sn"));
    rowId_ = q.AsInteger(QStringLiteral("id"));
}

void TF_Kccx_Dphd::btnOKClick()
{
    if (rowId_ == 0 || tGoods->text().isEmpty())
        return;
    CorrectColorSizeStock(rowId_, tGoods->text(), warehouse_, tsl->value());
    reopen(F_DataModule->Q(source_ == QLatin1String("kccx_hd") ? kCheckList : QStringLiteral("Q_Kcmx")));
    close();
}
