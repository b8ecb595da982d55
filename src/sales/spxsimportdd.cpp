#include "sales/spxsimportdd.h"

#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "posting/printvars.h"
#include "sales/spddgrids.h"
#include "sales/spddorder.h"
#include "sales/spxs.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

TakeOverTarget DeliveryTarget()
{
    return { F_Spxs->DocNumber(), F_Spxs->DocDate() };
}

} // namespace

TF_Spxs_ImportDD::TF_Spxs_ImportDD(QWidget* parent)
    : Form(parent), Q_Cgd(F_DataModule->Q(QStringLiteral("Q_Cgd"))),
      Q_Cgsp2(F_DataModule->Q(QStringLiteral("Q_Cgsp2"))), Q_Zjjh(F_DataModule->Q(QStringLiteral("Q_Zjjh")))
{
    setObjectName(QStringLiteral("TF_Spxs_ImportDD"));
    setWindowTitle(QStringLiteral("导入销售订单"));
    resize(900, 600);
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    auto* box = new QVBoxLayout(this);
    auto* sele = new QHBoxLayout;
    sele->addWidget(NamedLabel(this, "客户/单据号："));
    tchkKey = NamedEdit(this, "tchkKey", 64);
    DiscardSearchPunctuation(tchkKey);
    sele->addWidget(tchkKey);
    sele->addWidget(NamedLabel(this, "查询时间："));
    tdate11 = MakeDateEdit(this, "tdate11");
    sele->addWidget(tdate11);
    sele->addWidget(NamedLabel(this, "至"));
    tdate12 = MakeDateEdit(this, "tdate12");
    sele->addWidget(tdate12);
    sele->addWidget(MakePresetButton(this, tdate11, tdate12, [this] { btnSearch1Click(); }));
    btnSearch1 = NamedButton(this, "btnSearch1", "查询(F2)", sele);
    chkDr = new QCheckBox(QStringLiteral("显示已完成单据"), this);
    chkDr->setObjectName(QStringLiteral("chkDr"));
    sele->addWidget(chkDr);
    sele->addStretch(1);
    box->addLayout(sele);

    RzPanel_Djb = new QWidget(this);
    auto* djb = new QVBoxLayout(RzPanel_Djb);
    djb->setContentsMargins(0, 0, 0, 0);
    cxGrid1View = NewOrderListGrid(RzPanel_Djb, "cxGrid1View", "D_Cgd", "gl_djh",
        { { "gl_djh", "单据号", "110" }, { "ls_xsrq", "开单日期", "110" }, { "kh_name", "客户名称", "120" },
            { "ck_name", "仓库名称", "90" }, { "ls_yfje", "应收金额", "80" }, { "ls_qk", "已导入", "50" },
            { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" }, { "gl_djh2", "原始单号", "90" },
            { "ls_note", "备注", "140" } });
    djb->addWidget(cxGrid1View, 1);
    auto* info = new QHBoxLayout;
    info->addWidget(NamedLabel(RzPanel_Djb, "单据明细："));
    ghsname = NamedLabel(RzPanel_Djb, "", "ghsname");
    info->addWidget(ghsname);
    info->addStretch(1);
    djb->addLayout(info);
    cxGrid11View = NewOrderListGrid(RzPanel_Djb, "cxGrid11View", "D_Cgsp2", "g_sn",
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "130" }, { "gg_name", "款型说明", "80" },
            { "dw_name", "单位", "50" }, { "ls_dj", "单价", "64" }, { "ls_dzl", "打折率", "56" },
            { "ls_cksl", "销售数量", "64" }, { "ls_sl", "订单数量", "64" }, { "dsl", "剩余数量", "64" },
            { "ls_zje", "总金额", "80" } });
    djb->addWidget(cxGrid11View, 1);
    box->addWidget(RzPanel_Djb, 1);

    RzPanel_Mxb = new QWidget(this);
    auto* mxb = new QVBoxLayout(RzPanel_Mxb);
    mxb->setContentsMargins(0, 0, 0, 0);
    cxGrid21View = NewOrderListGrid(RzPanel_Mxb, "cxGrid21View", "D_Zjjh", "gl_djh",
        { { "gl_djh", "单据号", "110" }, { "ls_xsrq", "日期", "110" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "130" }, { "g_dw", "单位", "50" }, { "gg_name", "产品规格", "80" },
            { "ls_cksl", "销售数量", "64" }, { "ls_sl", "订单数量", "64" }, { "dsl", "剩余数量", "64" },
            { "ls_dj", "单价", "64" }, { "ls_dzl", "折扣", "48" }, { "ls_zje", "总金额", "80" },
            { "kh_name", "客户名称", "120" }, { "ck_name", "仓库", "90" } });
    cxGrid21View->SetMultiSelect(true);
    mxb->addWidget(cxGrid21View, 1);
    box->addWidget(RzPanel_Mxb, 1);
    RzPanel_Mxb->hide();
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("添加选中商品(&Z)"), this, &TF_Spxs_ImportDD::AddSelectedLines);
    connect(cxGrid21View, &DataGrid::rightClicked, this, [menu](const QPoint& at) { menu->popup(at); });

    auto* bottom = new QHBoxLayout;
    rDjb = new QRadioButton(QStringLiteral("单据表"), this);
    rDjb->setObjectName(QStringLiteral("rDjb"));
    rDjb->setChecked(true);
    rMxb = new QRadioButton(QStringLiteral("明细表"), this);
    rMxb->setObjectName(QStringLiteral("rMxb"));
    bottom->addWidget(rDjb);
    bottom->addWidget(rMxb);
    bottom->addWidget(NamedLabel(this, "明细表可以按住[CTRL]或[Shift]键,用鼠标点击列表中的商品实现多选，"));
    bottom->addStretch(1);
    btn_OK3 = NamedButton(this, "btn_OK3", "确定", bottom);
    btn_Export = NamedButton(this, "btn_Export", "导出", bottom);
    btn_Exit = NamedButton(this, "btn_Exit", "退出", bottom);
    box->addLayout(bottom);

    connect(btnSearch1, &QPushButton::clicked, this, &TF_Spxs_ImportDD::btnSearch1Click);
    connect(rDjb, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rDjbClick();
    });
    connect(rMxb, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rMxbClick();
    });
    connect(cxGrid1View, &DataGrid::currentRowChanged, this, &TF_Spxs_ImportDD::LoadOrderLines);
    connect(btn_OK3, &QPushButton::clicked, this, &TF_Spxs_ImportDD::btn_OK3Click);
    connect(btn_Export, &QPushButton::clicked, this, &TF_Spxs_ImportDD::btn_ExportClick);
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
}

void TF_Spxs_ImportDD::FormActivate()
{
    SetPeriod(tdate11, tdate12, CurrentMonth(Clock::Today()));
    tchkKey->clear();
    chkDr->setChecked(false);
    {
        const QSignalBlocker quiet(rDjb);
        rDjb->setChecked(true);
    }
    RzPanel_Djb->show();
    RzPanel_Mxb->hide();
    const bool price = ShowSalePrice;
    const bool discount = IsTrue(UseDiscount) && price;
    for (DataGrid* g : { cxGrid1View, cxGrid11View, cxGrid21View }) {
        for (const char* f : { "ls_yfje", "ls_dj", "ls_zje" })
            if (g->ColumnByField(QLatin1String(f)) >= 0)
                g->SetColumnVisible(g->ColumnByField(QLatin1String(f)), price);
        if (g->ColumnByField(QStringLiteral("ls_dzl")) >= 0)
            g->SetColumnVisible(g->ColumnByField(QStringLiteral("ls_dzl")), discount);
    }
    cxGrid1View->SetColumnVisible(cxGrid1View->ColumnByField(QStringLiteral("gl_djh2")), IsTrue(UseOriginalDocNo));
    SumGridColumns(*cxGrid1View, { "ls_yfje" }, true);
    SumGridColumns(*cxGrid11View, { "ls_zje" }, true);
    SumGridColumns(*cxGrid11View, { "ls_sl", "ls_cksl", "dsl" }, false);
    SumGridColumns(*cxGrid21View, { "ls_zje" }, true);
    SumGridColumns(*cxGrid21View, { "ls_sl", "ls_cksl", "dsl" }, false);
    btnSearch1Click();
}

void TF_Spxs_ImportDD::btnSearch1Click()
{
    OrderListFilter f;
    f.d1 = tdate11->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.d2 = tdate12->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.key = tchkKey->text();
    f.showFinished = chkDr->isChecked();
    SqlParams p;
    if (rMxb->isChecked()) {
        OpenWithParams(Q_Zjjh, TakeOverLinesSql(f, p), p);
        return;
    }
    OpenWithParams(Q_Cgd, TakeOverOrdersSql(f, p), p);
    LoadOrderLines();
}

void TF_Spxs_ImportDD::LoadOrderLines()
{
    if (!HasOrderRows(Q_Cgd)) {
        Q_Cgsp2.Close();
        ghsname->clear();
        return;
    }
    const QString number = Q_Cgd.AsString(QStringLiteral("gl_djh"));
    ghsname->setText(number + QLatin1Char(' ') + Q_Cgd.AsString(QStringLiteral("kh_name")));
    OpenOrderLines(Q_Cgsp2, number);
}

void TF_Spxs_ImportDD::rDjbClick()
{
    RzPanel_Djb->show();
    RzPanel_Mxb->hide();
    btnSearch1Click();
}

void TF_Spxs_ImportDD::rMxbClick()
{
    RzPanel_Djb->hide();
    RzPanel_Mxb->show();
    btnSearch1Click();
}

void TF_Spxs_ImportDD::TakeHeader(const QString& orderNo)
{
    const QHash<QString, QString> h = FirstRowTexts(
        QStringLiteral("select a.*,b.kh_name,c.ck_name,d.u_name from jxc_xsd a,jxc_khxx b,jxc_ckxx c,jxc_user d "
                       "where a.kh_sn=b.kh_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.gl_djh=:n"),
        orderNo);
    TF_Spxs& w = *F_Spxs;
    w.tnote->setText(h.value(QStringLiteral("ls_note")));
    w.tkh->setText(h.value(QStringLiteral("kh_name")));
    w.comJsfs->setCurrentIndex(h.value(QStringLiteral("ls_jsfs")).toInt());
    CurrentCustomerSn = h.value(QStringLiteral("kh_sn"));
    auto select = [](QComboBox* c, const QString& text) {
        const int i = c->findText(text);
        if (i >= 0)
            c->setCurrentIndex(i);
    };
    select(w.comCk, h.value(QStringLiteral("ck_name")));
    select(w.comUser, h.value(QStringLiteral("u_name")));
    select(w.comYhzh, h.value(QStringLiteral("ls_kmmc")));
}

void TF_Spxs_ImportDD::btn_OK3Click()
{
    if (rMxb->isChecked()) {
        AddSelectedLines();
        return;
    }
    if (!HasOrderRows(Q_Cgd) || !F_Spxs)
        return;
    const QString orderNo = Q_Cgd.AsString(QStringLiteral("gl_djh"));
    const QString number = TakeOverWholeOrder(orderNo, DeliveryTarget());
    F_Spxs->gldjh->setText(number);
    SourceDocNo = orderNo;
    TakeHeader(orderNo);
    F_Spxs->tsn2->setText(orderNo);
    Q_Cgd.Close();
    F_Spxs->openGridViewData(number);
    F_Spxs->updateBottomJe();
    F_Spxs->btnModi->setVisible(true);
    F_Spxs->btnDel->setVisible(true);
    F_Spxs->btnPrin->setVisible(true);
    close();
}

void TF_Spxs_ImportDD::AddSelectedLines()
{
    if (!HasOrderRows(Q_Zjjh) || !F_Spxs)
        return;
    const QList<int> rows = cxGrid21View->SelectedRows();
    if (rows.isEmpty())
        return;
    QList<qint64> ids;
    const int idCol = Q_Zjjh.FieldIndex(QStringLiteral("id"));
    for (int r : rows)
        ids << Q_Zjjh.TextAt(cxGrid21View->SourceRow(r), idCol).toLongLong();
    const QString number = TakeOverOrderLines(ids, DeliveryTarget());
    F_Spxs->gldjh->setText(number);
    const QString lastOrder
        = Q_Zjjh.TextAt(cxGrid21View->SourceRow(rows.last()), Q_Zjjh.FieldIndex(QStringLiteral("gl_djh")));
    TakeHeader(lastOrder);
    F_Spxs->openGridViewData(number);
    F_Spxs->updateBottomJe();
    close();
}

void TF_Spxs_ImportDD::btn_ExportClick()
{
    if (HasOrderRows(Q_Cgd))
        ExportGridList(*cxGrid1View, true);
}

void TF_Spxs_ImportDD::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F2) {
        btnSearch1Click();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    Form::keyPressEvent(e);
}
