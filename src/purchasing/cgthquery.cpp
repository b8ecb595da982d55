// The query tab of the purchase return window: approved returns of a period as
// documents, goods totals or stock-ledger rows; cancelling an approval.
#include "purchasing/cgth.h"
#include "purchasing/querygrids.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/detail.h"
#include "masterdata/keyfilter.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/prompt.h"
#include "posting/tradereversal.h"

#include <QAction>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget* ReturnViewPage(QStackedWidget* views)
{
    auto* page = new QWidget;
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(0, 0, 0, 0);
    views->addWidget(page);
    return page;
}

} // namespace

void TF_Cgth::BuildQueryTab()
{
    auto* box = new QVBoxLayout(cxTab3);
    auto* search = new QHBoxLayout;
    btnMenu = AddPeriodPickers(cxTab3, search, tdate1, tdate2, [this] { btnSearch2Click(); });
    tchkKey = AddSearchEdit(cxTab3, search, "单据号或供货商：", "tchkKey");
    btnSearch2 = NamedButton(cxTab3, "btnSearch2", "查询(F2)", search);
    rDjb = new QRadioButton(QStringLiteral("单据表"), cxTab3);
    rHzb = new QRadioButton(QStringLiteral("汇总表"), cxTab3);
    rMxb = new QRadioButton(QStringLiteral("明细表"), cxTab3);
    rDjb->setObjectName(QStringLiteral("rDjb"));
    rHzb->setObjectName(QStringLiteral("rHzb"));
    rMxb->setObjectName(QStringLiteral("rMxb"));
    rDjb->setChecked(true);
    for (QRadioButton* r : { rDjb, rHzb, rMxb })
        search->addWidget(r);
    search->addStretch(1);
    box->addLayout(search);

    auto* bar = new QHBoxLayout;
    btn_UnChk = NamedButton(cxTab3, "btn_UnChk", "取消审核", bar);
    btn_ChaKan = NamedButton(cxTab3, "btn_ChaKan", "查看单据", bar);
    btn_Prin3 = NamedButton(cxTab3, "btn_Prin3", "打印", bar);
    btn_Export3 = NamedButton(cxTab3, "btn_Export3", "导出", bar);
    bar->addStretch(1);
    btn_Exit2 = NamedButton(cxTab3, "btn_Exit2", "退出", bar);
    box->addLayout(bar);

    views = new QStackedWidget(cxTab3);
    box->addWidget(views, 1);

    QWidget* docs = ReturnViewPage(views);
    cxGrid21View = NewQueryGrid(docs, "cxGrid21View", "D_Thd");
    AddGridColumns(*cxGrid21View,
        { { "djh", "单据号", "124" }, { "rq", "开单日期", "130" }, { "ghs_name", "供货商名称", "160" },
            { "ck_name", "仓库名称", "90" }, { "yfje", "应付金额", "80" }, { "sfje", "实付金额", "80" },
            { "wfje", "欠款金额", "80" }, { "yhje", "优惠金额", "80" }, { "checker", "审核人", "70" },
            { "chkrq", "审核日期", "90" }, { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" },
            { "dnote", "备注", "160" } });
    SetQueryFooter(cxGrid21View, {}, { "yfje", "sfje", "wfje", "yhje" });
    docs->layout()->addWidget(cxGrid21View);
    auto* docBar = new QHBoxLayout;
    gname = NamedLabel(docs, "", "gname");
    docBar->addWidget(gname);
    docBar->addStretch(1);
    linkMx3 = NamedButton(docs, "linkMx3", "查看详细数量", docBar);
    linkMx3->setFlat(true);
    static_cast<QVBoxLayout*>(docs->layout())->addLayout(docBar);
    cxGrid22View = NewQueryGrid(docs, "cxGrid22View", "D_Thsp2");
    AddLedgerColumns(cxGrid22View);
    docs->layout()->addWidget(cxGrid22View);

    QWidget* sums = ReturnViewPage(views);
    cxGrid23View = NewQueryGrid(sums, "cxGrid23View", "D_GoodsHZ");
    AddGoodsSummaryColumns(cxGrid23View);
    sums->layout()->addWidget(cxGrid23View);
    gname2 = NamedLabel(sums, "", "gname2");
    sums->layout()->addWidget(gname2);
    cxGrid24View = NewQueryGrid(sums, "cxGrid24View", "D_GoodsListTh");
    AddLedgerColumns(cxGrid24View);
    sums->layout()->addWidget(cxGrid24View);

    cxGrid5View = NewQueryGrid(nullptr, "cxGrid5View", "D_GoodsList");
    AddLedgerColumns(cxGrid5View);
    // The ledger's reference column is the goods-in a return took over.
    cxGrid5View->SetColumnCaption(cxGrid5View->ColumnByField(QStringLiteral("gl_djh2")), QStringLiteral("原始单号"));
    views->addWidget(cxGrid5View);

    barPopupMenu4 = new QMenu(this);
    barPopupMenu4->addAction(QStringLiteral("查看单据(&Y)"), this, &TF_Cgth::btn_ChaKanClick);
    btnRUnChk = barPopupMenu4->addAction(QStringLiteral("取消审核(&Z)"), this, &TF_Cgth::btn_UnChkClick);
    connect(cxGrid21View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(barPopupMenu4, *cxGrid21View, at); });
    connect(btnSearch2, &QPushButton::clicked, this, &TF_Cgth::btnSearch2Click);
    connect(tchkKey, &QLineEdit::returnPressed, this, &TF_Cgth::btnSearch2Click);
    for (QRadioButton* r : { rDjb, rHzb, rMxb })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            views->setCurrentIndex(rDjb->isChecked() ? 0 : rHzb->isChecked() ? 1 : 2);
            btnSearch2Click();
        });
    connect(cxGrid21View, &DataGrid::currentRowChanged, this, [this] { setThspList(); });
    connect(cxGrid23View, &DataGrid::currentRowChanged, this, [this] { setThspList2(); });
    for (DataGrid* g : { cxGrid21View, cxGrid24View, cxGrid5View })
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(linkMx3, &QPushButton::clicked, this, &TF_Cgth::linkMx3Click);
    connect(btn_UnChk, &QPushButton::clicked, this, &TF_Cgth::btn_UnChkClick);
    connect(btn_ChaKan, &QPushButton::clicked, this, &TF_Cgth::btn_ChaKanClick);
    connect(btn_Prin3, &QPushButton::clicked, this, &TF_Cgth::btn_Prin3Click);
    connect(btn_Export3, &QPushButton::clicked, this, &TF_Cgth::btn_Export3Click);
    connect(btn_Exit2, &QPushButton::clicked, this, &QWidget::close);
    DiscardSearchPunctuation(tchkKey);
}

void TF_Cgth::ApplyListVisibility()
{
    const QDate today = Clock::Today();
    SetPeriod(tdate1, tdate2, { QDate(today.year(), today.month(), 1).addMonths(-1), today });
    // The cancel button follows the right the cancel routine itself checks.
    const bool cancel = HasRight(QStringLiteral("cggl"), 11);
    btn_UnChk->setEnabled(cancel);
    btnRUnChk->setEnabled(cancel);
    const bool approve = HasRight(QStringLiteral("cggl"), 5);
    btn_Check->setEnabled(approve);
    btnRCheck->setEnabled(approve);
    btn_Date->setEnabled(CanChangeDocDate);
    btn_Prin->setEnabled(ShowCostPrice);
    btn_Prin3->setEnabled(ShowCostPrice);
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("cj"));
    ShowGridColumns(cxGrid6View, { "th_yfje", "th_sfje" }, ShowCostPrice);
    ShowGridColumns(cxGrid7View, { "th_dj", "th_zje" }, ShowCostPrice);
    ShowGridColumns(cxGrid7View, { "th_je", "th_tax", "th_taxdj", "th_taxje" }, tax);
    ShowGridColumns(cxGrid7View, { "th_dzl" }, IsTrue(UseDiscount) && ShowCostPrice);
    ShowGridColumns(cxGrid21View, { "yfje", "sfje", "wfje", "yhje" }, ShowCostPrice);
    for (DataGrid* g : { cxGrid22View, cxGrid24View, cxGrid5View }) {
        ShowGridColumns(g, { "gl_dj", "gl_zje" }, ShowCostPrice);
        ShowGridColumns(g, { "gl_je", "gl_tax", "gl_taxdj", "gl_taxje" }, tax);
        ShowGridColumns(g, { "color_name" }, IsTrue(UseColors));
    }
    ShowGridColumns(cxGrid22View, { "gl_djh2" }, false);
    ShowGridColumns(cxGrid24View, { "gl_djh2" }, false);
    ShowGridColumns(cxGrid5View, { "gl_djh2" }, IsTrue(UseOriginalDocNo));
    ShowGridColumns(cxGrid23View, { "zje" }, ShowCostPrice);
    ShowGridColumns(cxGrid23View, { "je", "taxje" }, tax);
    ShowGridColumns(cxGrid23View, { "color_name" }, IsTrue(UseColors));
}

void TF_Cgth::btnSearch2Click()
{
    const QString k = SafeSqlText(tchkKey->text().trimmed());
    const QDate from = tdate1->date();
    const QDate to = tdate2->date();
    const bool showing = cxPage->currentWidget() == cxTab3;
    if (rDjb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.gl_djh as djh,a.ghs_sn,a.ck_sn,a.th_thrq as rq,a.th_yfje as yfje,a.th_sfje as sfje,"
            "(a.th_yfje-a.th_sfje-a.th_hkje) as wfje,0 as yhje,'采购退货' as gtype,a.u_sn,a.th_note as dnote,"
            "a.a_name,b.ghs_name,b.ghs_jm,c.u_name,d.ck_name,a.th_checker as checker,a.th_chkrq as chkrq,"
            "a.th_hkje as hkje from jxc_thd a,jxc_ghsxx b,jxc_user c,jxc_ckxx d where a.ghs_sn=b.ghs_sn and "
            "a.u_sn=c.u_sn and a.ck_sn=d.ck_sn and a.th_status=1 and ");
        sql += PeriodCondition(QStringLiteral("a.th_thrq"), from, to) + WarehouseBindingCondition(QStringLiteral("d"));
        sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or b.ghs_name like '%") + k
            + QStringLiteral("%' or b.ghs_jm like '%") + k + QStringLiteral("%') ");
        OpenQuery(Q_Thd, sql + QStringLiteral(" order by a.gl_djh desc"));
        setThspList();
        if (showing)
            cxGrid22View->setFocus();
        return;
    }
    if (rHzb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.g_sn,a.g_name,a.dw_name,a.g_kc,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.sl,b.zje,b.je,b.taxje,"
            "g.gc_name from jxc_goods a,jxc_goodsclass g,(select c.g_sn,sum(c.gl_sl) as sl,sum(c.gl_zje) as zje,"
            "sum(c.gl_je) as je,sum(c.gl_taxje) as taxje from jxc_goodslist c,jxc_ghsxx d,jxc_ckxx e "
            "where c.ghs_sn=d.ghs_sn and c.ck_sn=e.ck_sn and c.gl_flag='ct' and ");
        sql += PeriodCondition(QStringLiteral("c.gl_kdrq"), from, to) + WarehouseBindingCondition(QStringLiteral("e"));
        sql += QStringLiteral(" and (c.gl_djh like '%") + k + QStringLiteral("%' or d.ghs_name like '%") + k
            + QStringLiteral("%' or d.ghs_jm like '%") + k + QStringLiteral("%') ");
        OpenQuery(Q_GoodsHZ,
            sql + QStringLiteral(" group by c.g_sn) b where a.g_sn=b.g_sn and a.gc_sn=g.gc_sn order by a.id"));
        setThspList2();
        if (showing)
            cxGrid24View->setFocus();
        return;
    }
    QString sql = QStringLiteral(
        "select a.*,(-1*a.gl_sl) as sl,(-1*a.gl_zje) as zje,(-1*a.gl_je) as je,(-1*a.gl_taxje) as taxje "
        "from jxc_goodslist a,jxc_ckxx b where a.gl_flag='ct' and a.ck_sn=b.ck_sn and ");
    sql += PeriodCondition(QStringLiteral("a.gl_kdrq"), from, to);
    sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or a.ghs_name like '%") + k
        + QStringLiteral("%')");
    OpenQuery(Q_GoodsList, sql + WarehouseBindingCondition(QStringLiteral("b")) + QStringLiteral(" order by a.id"));
}

void TF_Cgth::setThspList()
{
    OpenDocumentLedger(Q_Thd, Q_Thsp2, gname, QStringLiteral("  "));
}

void TF_Cgth::setThspList2()
{
    Q_GoodsListTh.Close();
    gname2->clear();
    if (!Q_GoodsHZ.Active() || Q_GoodsHZ.IsEmpty())
        return;
    gname2->setText(Q_GoodsHZ.AsString(QStringLiteral("g_name")));
    const QString k = SafeSqlText(tchkKey->text().trimmed());
    const QString sql = QStringLiteral("select a.* from jxc_goodslist a,jxc_ckxx b where a.gl_flag='ct' and "
                                       "a.ck_sn=b.ck_sn and (a.gl_djh like '%")
        + k + QStringLiteral("%' or a.ghs_name like '%") + k + QStringLiteral("%') and ")
        + PeriodCondition(QStringLiteral("a.gl_kdrq"), tdate1->date(), tdate2->date())
        + QStringLiteral(" and a.g_sn=:g ") + WarehouseBindingCondition(QStringLiteral("b"))
        + QStringLiteral(" order by a.id");
    Q_GoodsListTh.SetSQL(sql);
    Q_GoodsListTh.SetParam(QStringLiteral("g"), Q_GoodsHZ.AsString(QStringLiteral("g_sn")));
    Q_GoodsListTh.Open();
}

void TF_Cgth::linkMx3Click()
{
    ShowLineDetail(Q_Thsp2, QStringLiteral("jxc_thspmx"));
}

void TF_Cgth::btn_UnChkClick()
{
    if (!btn_UnChk->isEnabled())
        return;
    if (CancelSelectedApproval(rDjb->isChecked(),
            QStringLiteral("批量取消只能在单据表进行！\r\n\r\n（如需取消审核某个单据，请按右键！）"), Q_Thd,
            &UnapprovePurchaseReturn)) {
        Q_Thd.Requery();
        setThspList();
    }
}

void TF_Cgth::btn_ChaKanClick()
{
    const auto current = [](Query& q, const char* field) {
        return q.Active() && !q.IsEmpty() ? q.AsString(QLatin1String(field)) : QString();
    };
    const QString number = rDjb->isChecked() ? current(Q_Thd, "djh")
        : rHzb->isChecked()                  ? current(Q_GoodsListTh, "gl_djh")
                                             : current(Q_GoodsList, "gl_djh");
    if (number.isEmpty())
        return;
    setPrinPara(number, QStringLiteral("2"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}

void TF_Cgth::btn_Prin3Click()
{
    if (!btn_Prin3->isEnabled())
        return;
    if (rDjb->isChecked())
        PrintSearchedList(QStringLiteral("cgthdjb"), Q_Thd, tdate1->date(), tdate2->date());
    else if (rHzb->isChecked())
        PrintSearchedList(QStringLiteral("cgthhzb"), Q_GoodsHZ, tdate1->date(), tdate2->date());
    else
        PrintSearchedList(QStringLiteral("cgthmxb"), Q_GoodsList, tdate1->date(), tdate2->date());
}

void TF_Cgth::btn_Export3Click()
{
    ExportList(rDjb->isChecked() ? *cxGrid21View
            : rHzb->isChecked()  ? *cxGrid23View
                                 : *cxGrid5View,
        ExportRows::OnlyWithRows);
}
