#include "purchasing/cgjhimportdd.h"
#include "purchasing/cgjh.h"
#include "purchasing/ordertakeover.h"
#include "purchasing/querygrids.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void SelectText(KeyedCombo* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text));
}

// The goods-in window after a take-over: its header from the order, its lines reloaded.
void FillGoodsIn(TF_Cgjh& w, const OrderTakeOver& taken, bool wholeOrder)
{
    const OrderHeaderTaken& h = taken.header;
    w.jsn->setText(taken.number);
    if (!h.orderNo.isEmpty()) {
        w.tnote->setText(h.note);
        w.tghs->setText(h.supplierName);
        w.comJsfs->setCurrentIndex(h.settleMode < w.comJsfs->count() ? h.settleMode : -1);
        CurrentSupplierSn = h.supplierSn;
        SelectText(w.comCk, h.warehouseName);
        SelectText(w.comUser, h.handlerName);
        SelectText(w.comYhzh, h.account);
        if (wholeOrder) {
            w.tsn2->setText(h.orderNo);
            w.tfpno->clear();
            for (QLineEdit* e : { w.tfpje, w.tyf, w.tbzf })
                e->setText(QStringLiteral("0"));
        }
    }
    w.openGridViewData(taken.number);
    w.btnModi->setVisible(true);
    w.btnDel->setVisible(true);
    w.btnPrin->setVisible(true);
    w.updateBottomJe();
}

} // namespace

TF_Cgjh_ImportDD::TF_Cgjh_ImportDD(QWidget* parent)
    : Form(parent), Q_Cgd3(F_DataModule->Q(QStringLiteral("Q_Cgd3"))),
      Q_Cgsp3(F_DataModule->Q(QStringLiteral("Q_Cgsp3"))), Q_Zjjh(F_DataModule->Q(QStringLiteral("Q_Zjjh")))
{
    setObjectName(QStringLiteral("TF_Cgjh_ImportDD"));
    setWindowTitle(QStringLiteral("导入采购订单"));
    resize(960, 620);
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    auto* box = new QVBoxLayout(this);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("收货仓库："), this));
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    search->addWidget(comCk);
    search->addWidget(new QLabel(QStringLiteral("供货商/单据号："), this));
    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    tKey->setMinimumWidth(120);
    search->addWidget(tKey);
    search->addWidget(new QLabel(QStringLiteral("查询时间："), this));
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    search->addWidget(tdate1);
    search->addWidget(new QLabel(QStringLiteral("至"), this));
    search->addWidget(tdate2);
    btnMenu = MakePresetButton(this, tdate1, tdate2, [this] { btnSearchClick(); });
    search->addWidget(btnMenu);
    chkWc = new QCheckBox(QStringLiteral("显示已完成单据"), this);
    chkWc->setObjectName(QStringLiteral("chkWc"));
    search->addWidget(chkWc);
    btnSearch = NamedButton(this, "btnSearch", "查询(F2)", search);
    rDjb = new QRadioButton(QStringLiteral("单据表"), this);
    rMxb = new QRadioButton(QStringLiteral("明细表"), this);
    rDjb->setChecked(true);
    search->addWidget(rDjb);
    search->addWidget(rMxb);
    search->addStretch(1);
    box->addLayout(search);

    views = new QStackedWidget(this);
    box->addWidget(views, 1);
    auto* docs = new QWidget;
    auto* docsBox = new QVBoxLayout(docs);
    docsBox->setContentsMargins(0, 0, 0, 0);
    cxGrid1View = NewQueryGrid(docs, "cxGrid1View", "D_Cgd3");
    AddGridColumns(*cxGrid1View,
        { { "ghs_name", "供货商名称", "160" }, { "gl_djh", "单据号", "124" }, { "j_jhrq", "开单日期", "130" },
            { "ck_name", "入库仓库", "90" }, { "j_yfje", "订单金额", "80" }, { "j_qk", "已导入", "50" },
            { "j_checker", "审核人", "70" }, { "j_chkrq", "审核时间", "90" }, { "u_name", "经办人", "70" },
            { "a_name", "操作员", "70" }, { "j_note", "备注", "140" }, { "gl_djh2", "原始单号", "100" } });
    SetQueryFooter(cxGrid1View, {}, { "j_yfje" });
    docsBox->addWidget(cxGrid1View, 1);
    auto* lineBar = new QHBoxLayout;
    lineBar->addWidget(new QLabel(QStringLiteral("单据的详细信息："), docs));
    lDjMsg = NamedLabel(docs, "", "lDjMsg");
    lineBar->addWidget(lDjMsg);
    lineBar->addStretch(1);
    docsBox->addLayout(lineBar);
    cxGrid2View = NewQueryGrid(docs, "cxGrid2View", "D_Cgsp3");
    AddGridColumns(*cxGrid2View,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "dw_name", "单位", "50" },
            { "gg_name", "产品规格", "80" }, { "jh_dj", "单价", "64" }, { "jh_dzl", "折扣", "48" },
            { "jh_rksl", "采购数量", "64" }, { "jh_sl", "订单数量", "64" }, { "dsl", "剩余数量", "64" },
            { "jh_zje", "总金额", "80" } });
    SetQueryFooter(cxGrid2View, { "jh_rksl", "jh_sl", "dsl" }, { "jh_zje" });
    docsBox->addWidget(cxGrid2View);
    views->addWidget(docs);
    cxGrid3View = NewQueryGrid(nullptr, "cxGrid3View", "D_Zjjh");
    AddGridColumns(*cxGrid3View,
        { { "gl_djh", "单据号", "124" }, { "j_jhrq", "日期", "130" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "140" }, { "dw_name", "单位", "50" }, { "gg_name", "产品规格", "80" },
            { "jh_rksl", "采购数量", "64" }, { "jh_sl", "订单数量", "64" }, { "dsl", "剩余数量", "64" },
            { "jh_dj", "单价", "64" }, { "jh_dzl", "折扣", "48" }, { "jh_zje", "总金额", "80" },
            { "ghs_name", "供货商", "140" }, { "ck_name", "仓库", "90" } });
    SetQueryFooter(cxGrid3View, { "jh_rksl", "jh_sl", "dsl" }, { "jh_zje" });
    cxGrid3View->SetMultiSelect(true);
    views->addWidget(cxGrid3View);
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("添加选中商品(&Z)"), this, &TF_Cgjh_ImportDD::btnAddSelectedClick);
    connect(cxGrid3View, &DataGrid::rightClicked, this, [menu](const QPoint& at) { menu->popup(at); });

    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnOK = NamedButton(this, "btnOK", "确定", bar);
    btnExport = NamedButton(this, "btnExport", "导出", bar);
    btnExit = NamedButton(this, "btnExit", "退出", bar);
    box->addLayout(bar);

    connect(btnSearch, &QPushButton::clicked, this, &TF_Cgjh_ImportDD::btnSearchClick);
    connect(cxGrid1View, &DataGrid::currentRowChanged, this, [this] { setCgsp(); });
    for (QRadioButton* r : { rDjb, rMxb })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            views->setCurrentIndex(rMxb->isChecked() ? 1 : 0);
            btnSearchClick();
        });
    connect(btnOK, &QPushButton::clicked, this, &TF_Cgjh_ImportDD::btnOKClick);
    connect(btnExport, &QPushButton::clicked, this, &TF_Cgjh_ImportDD::btnExportClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::close);
    DiscardSearchPunctuation(tKey);
}

TF_Cgjh_ImportDD::~TF_Cgjh_ImportDD() = default;

void TF_Cgjh_ImportDD::FormActivate()
{
    FillWarehouseChoice(*comCk);
    const QDate today = Clock::Today();
    {
        const QSignalBlocker q1(tdate1), q2(tdate2);
        tdate1->setDate(QDate(today.year(), today.month(), 1));
        tdate2->setDate(today);
    }
    tKey->clear();
    chkWc->setChecked(false);
    rDjb->setChecked(true);
    views->setCurrentIndex(0);
    const bool cost = ShowCostPrice;
    for (DataGrid* g : { cxGrid1View, cxGrid2View, cxGrid3View })
        for (const char* f : { "j_yfje", "jh_dj", "jh_zje" }) {
            const int col = g->ColumnByField(QLatin1String(f));
            if (col >= 0)
                g->SetColumnVisible(col, cost);
        }
    for (DataGrid* g : { cxGrid2View, cxGrid3View })
        g->SetColumnVisible(g->ColumnByField(QStringLiteral("jh_dzl")), IsTrue(UseDiscount) && cost);
    cxGrid1View->SetColumnVisible(cxGrid1View->ColumnByField(QStringLiteral("gl_djh2")), IsTrue(UseOriginalDocNo));
    btnSearchClick();
}

void TF_Cgjh_ImportDD::btnSearchClick()
{
    // The period runs to the start of the day after the end day, so the whole end day counts.
    const QString from = tdate1->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString to = tdate2->date().addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
    const QString k = SafeSqlText(tKey->text().trimmed());
    const QString period = QStringLiteral(" and a.j_jhrq>='") + from + QStringLiteral("' and a.j_jhrq<'") + to
        + QStringLiteral("' ") + WarehouseChoiceCondition(*comCk, QStringLiteral("a"));
    // Void orders are never offered, finished ones only on request.
    const QString open = chkWc->isChecked() ? QString() : QStringLiteral(" and a.jh_sl>a.jh_rksl ");
    if (rMxb->isChecked()) {
        QString sql
            = QStringLiteral(
                  "select a.*,a.jh_sl-a.jh_rksl as dsl,f.j_jhrq,b.ghs_name,c.ck_name,e.g_name,e.dw_name,e.gg_name "
                  "from jxc_cgsp a,jxc_cgd f,jxc_ghsxx b,jxc_ckxx c,jxc_user d,jxc_goods e where a.gl_djh=f.gl_djh "
                  "and f.ghs_sn=b.ghs_sn and f.ck_sn=c.ck_sn and f.u_sn=d.u_sn and a.g_sn=e.g_sn and f.j_status=1 "
                  "and f.j_qk=0 and f.j_jhrq>='")
            + from + QStringLiteral("' and f.j_jhrq<'") + to + QStringLiteral("' ")
            + WarehouseChoiceCondition(*comCk, QStringLiteral("f")) + open;
        if (!k.isEmpty())
            sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or b.ghs_name like '%") + k
                + QStringLiteral("%' or b.ghs_jm like '%") + k + QStringLiteral("%' or b.ghs_sn like '%") + k
                + QStringLiteral("%' or a.g_sn like '%") + k + QStringLiteral("%' or e.g_name like '%") + k
                + QStringLiteral("%' or e.g_jm like '%") + k + QStringLiteral("%') ");
        OpenQuery(Q_Zjjh, sql + QStringLiteral(" order by a.gl_djh desc,a.id desc"));
        return;
    }
    QString sql
        = QStringLiteral("select a.*,b.ghs_name,c.ck_name,d.u_name from jxc_cgd a,jxc_ghsxx b,jxc_ckxx c,jxc_user d "
                         "where a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.j_status=1 and a.j_qk=0 ")
        + period;
    if (!chkWc->isChecked())
        sql += QStringLiteral(" and exists (select 1 from jxc_cgsp s where s.gl_djh=a.gl_djh and s.jh_sl>s.jh_rksl) ");
    sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or b.ghs_name like '%") + k
        + QStringLiteral("%' or b.ghs_jm like '%") + k + QStringLiteral("%' or b.ghs_sn like '%") + k
        + QStringLiteral("%') order by a.gl_djh desc,a.id desc");
    OpenQuery(Q_Cgd3, sql);
    setCgsp();
}

void TF_Cgjh_ImportDD::setCgsp()
{
    Q_Cgsp3.Close();
    lDjMsg->clear();
    if (!Q_Cgd3.Active() || Q_Cgd3.IsEmpty())
        return;
    const QString number = Q_Cgd3.AsString(QStringLiteral("gl_djh"));
    lDjMsg->setText(number + QStringLiteral("  ") + Q_Cgd3.AsString(QStringLiteral("ck_name")));
    Q_Cgsp3.SetSQL(QStringLiteral("select a.*,b.g_name,b.gg_name,b.color_name,b.dw_name,a.jh_sl-a.jh_rksl as dsl "
                                  "from jxc_cgsp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:n order by a.id"));
    Q_Cgsp3.SetParam(QStringLiteral("n"), number);
    Q_Cgsp3.Open();
}

void TF_Cgjh_ImportDD::btnOKClick()
{
    if (rMxb->isChecked()) {
        btnAddSelectedClick();
        close();
        return;
    }
    if (!Q_Cgd3.Active() || Q_Cgd3.IsEmpty() || !F_Cgjh)
        return;
    const OrderTakeOver taken = TakeOverWholeOrder(
        Q_Cgd3.AsString(QStringLiteral("gl_djh")), F_Cgjh->jsn->text(), F_Cgjh->dateCg->date().toString(Qt::ISODate));
    Q_Cgsp3.Close();
    FillGoodsIn(*F_Cgjh, taken, true);
    close();
}

void TF_Cgjh_ImportDD::btnAddSelectedClick()
{
    if (!Q_Zjjh.Active() || Q_Zjjh.IsEmpty() || !F_Cgjh)
        return;
    QList<qint64> ids;
    for (int row : cxGrid3View->SelectedRows())
        ids << cxGrid3View->Value(row, QStringLiteral("id")).toLongLong();
    if (ids.isEmpty())
        return;
    const OrderTakeOver taken
        = TakeOverOrderLines(ids, F_Cgjh->jsn->text(), F_Cgjh->dateCg->date().toString(Qt::ISODate));
    FillGoodsIn(*F_Cgjh, taken, false);
    close();
}

void TF_Cgjh_ImportDD::btnExportClick()
{
    ExportList(*cxGrid1View, ExportRows::OnlyWithRows, ExportTypes::XlsOnly);
}

void TF_Cgjh_ImportDD::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F2) {
        btnSearchClick();
        return;
    }
    Form::keyPressEvent(e);
}

void TF_Cgjh_ImportDD::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Cgd3, &Q_Cgsp3, &Q_Zjjh })
        q->Close();
    Form::hideEvent(e);
}
