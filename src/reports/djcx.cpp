#include "reports/djcx.h"

#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "reports/djcxrules.h"
#include "reports/jxcwidgets.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Djcx* F_Djcx = nullptr;

namespace {

Query& documentList()
{
    return F_DataModule->Q(QStringLiteral("Q_Djcx1"));
}

Query& documentLines()
{
    return F_DataModule->Q(QStringLiteral("Q_Djcx2"));
}

void addDocColumns(DataGrid& g, std::initializer_list<std::pair<const char*, const char*>> columns)
{
    for (const auto& [field, caption] : columns) {
        // The document date keeps its time of day.
        const int width = qstrcmp(field, "rq") == 0 ? 130 : 90;
        const int col = g.AddColumn(QString::fromLatin1(field), QString::fromUtf8(caption), width);
        g.SetColumnVisible(col, *caption != '\0');
    }
}

} // namespace

TF_Djcx::TF_Djcx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Djcx"));
    setWindowTitle(QStringLiteral("单据查询"));
    ApplyFontSize(FontSize);
    auto* note = new QLabel(
        QStringLiteral("说明：\n单据查询可以查询系统中的所有有关库存操作的单据，包括：\n"
                       "采购进货单、采购退货单、销售单、销售退货单、库存调拨单、库存报损单、库存报溢单等。"),
        this);
    note->setWordWrap(true);
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    btnMenu = MakePresetButton(this, tdate1, tdate2, [this] { btnSearch3Click(); });
    btnSearch3 = ReportButton(this, "btnSearch3", QStringLiteral("查询(F2)"));
    btnChakan2 = ReportButton(this, "btnChakan2", QStringLiteral("查看单据"));
    btn_Exit3 = ReportButton(this, "btn_Exit3", QStringLiteral("退出"));

    cxGrid1View = new DataGrid(this);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Djcx1")));
    cxGrid1View->SetFooterVisible(true);
    addDocColumns(*cxGrid1View,
        { { "djh", "单据号" }, { "rq", "开单日期" }, { "zflx", "单据类型" }, { "ghskh", "供货商/客户" },
            { "ck_name", "仓库名称" }, { "yfje", "应付金额" }, { "sfje", "实付金额" }, { "u_name", "经办人" },
            { "djh2", "原始单号" }, { "dnote", "备注" }, { "a_name", "" }, { "dsort", "" } });
    cxGrid1View->SetFooterText(cxGrid1View->ColumnByField(QStringLiteral("djh")), QStringLiteral("单据合计："));
    cxGrid1View->SetFooterCount(cxGrid1View->ColumnByField(QStringLiteral("rq")));

    RzPanel_Bott = new QWidget(this);
    RzPanel_Bott->setObjectName(QStringLiteral("RzPanel_Bott"));
    xxnr = new QLabel(RzPanel_Bott);
    xxnr->setObjectName(QStringLiteral("xxnr"));
    cxGrid2View = new DataGrid(RzPanel_Bott);
    cxGrid2View->setObjectName(QStringLiteral("cxGrid2View"));
    cxGrid2View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Djcx2")));
    cxGrid2View->SetFooterVisible(true);
    addDocColumns(*cxGrid2View,
        { { "g_sn", "商品编号" }, { "g_name", "商品名称" }, { "dw_name", "单位" }, { "gg_name", "款型说明" },
            { "color_name", "颜色" }, { "sl", "数量" } });
    SetRecordCount(*cxGrid2View, cxGrid2View->ColumnByField(QStringLiteral("g_sn")));
    auto* bottom = new QVBoxLayout(RzPanel_Bott);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(xxnr);
    bottom->addWidget(cxGrid2View, 1);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("输入单据号、原始单号或备注信息进行查询："), this));
    bar->addWidget(tname, 1);
    bar->addWidget(tdate1);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(tdate2);
    bar->addWidget(btnMenu);
    bar->addWidget(btnSearch3);
    bar->addWidget(btnChakan2);
    bar->addWidget(btn_Exit3);
    auto* form = new QVBoxLayout(this);
    form->addWidget(note);
    form->addLayout(bar);
    form->addWidget(cxGrid1View, 1);
    form->addWidget(RzPanel_Bott);
    resize(960, 640);

    connect(btnSearch3, &QPushButton::clicked, this, [this] { btnSearch3Click(); });
    connect(btnChakan2, &QPushButton::clicked, this, [this] { btnChakan2Click(); });
    connect(btn_Exit3, &QPushButton::clicked, this, [this] { close(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this](int) { btnChakan2Click(); });
    // A click or a move with the arrow and page keys shows that document's lines.
    connect(cxGrid1View, &DataGrid::currentRowChanged, this, [this](int) { setDjDetail(); });
    KeyPreview::InstallKey(this, Qt::Key_F2, [this] { btnSearch3Click(); });
}

void TF_Djcx::FormActivate()
{
    const QDate today = Clock::Today();
    tdate1->setDate(QDate(today.year(), today.month(), 1));
    tdate2->setDate(today);
    tname->clear();
    setInitValue();
    SetAmountColumnFormat(GridColumnFormat(*cxGrid1View, cxGrid1View->ColumnByField(QStringLiteral("yfje"))));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid1View, cxGrid1View->ColumnByField(QStringLiteral("sfje"))));
    const int sl = cxGrid2View->ColumnByField(QStringLiteral("sl"));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid2View, sl));
    cxGrid2View->SetFooterSum(sl);
    SetQtySummaryFormat(GridFooterFormat(*cxGrid2View, sl));
    FormResize();
}

void TF_Djcx::btnSearch3Click()
{
    setInitValue();
    setDjDetail();
}

void TF_Djcx::setInitValue()
{
    OpenQuery(documentList(), DocumentQueryStatement(tdate1->date(), tdate2->date(), tname->text()));
    setDjDetail();
    cxGrid1View->setFocus();
}

void TF_Djcx::setDjDetail()
{
    Query& list = documentList();
    if (!list.Active() || list.IsEmpty()) {
        documentLines().Close();
        xxnr->clear();
        return;
    }
    const QString number = list.AsString(QStringLiteral("djh"));
    xxnr->setText(QStringLiteral("单据") + number + QStringLiteral("的详细内容："));
    const QString sql = DocumentLinesStatement(number);
    if (sql.isEmpty())
        documentLines().Close();
    else
        OpenQuery(documentLines(), sql);
}

void TF_Djcx::btnChakan2Click()
{
    Query& list = documentList();
    if (!list.Active() || list.IsEmpty())
        return;
    ViewQueriedDocument(list.AsString(QStringLiteral("djh")));
}

void TF_Djcx::FormResize()
{
    const int h = height();
    const int panel = h <= 650 ? 245 : (h - 260) / 2;
    RzPanel_Bott->setFixedHeight(panel);
    cxGrid2View->setFixedHeight(panel - 36);
}

void TF_Djcx::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    FormResize();
}

void TF_Djcx::done(int result)
{
    documentList().Close();
    documentLines().Close();
    Form::done(result);
}
