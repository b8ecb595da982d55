// The pending tab of the goods-in window: saved documents waiting for approval.
#include "purchasing/cgjh.h"
#include "purchasing/linedialogs.h"
#include "purchasing/modidate.h"
#include "purchasing/querygrids.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "masterdata/detail.h"
#include "masterdata/keyfilter.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"
#include "posting/draftrepair.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

void TF_Cgjh::BuildPendingTab()
{
    auto* box = new QVBoxLayout(cxTab2);
    auto* search = new QHBoxLayout;
    tGhsName = AddSearchEdit(cxTab2, search, "供货商名称：", "tGhsName");
    btnSearchGhs = NamedButton(cxTab2, "btnSearchGhs", "…", search);
    btnSearchGhs->setMaximumWidth(28);
    tchkKey = AddSearchEdit(cxTab2, search, "单据信息：", "tchkKey");
    comSort = AddSortCombo(cxTab2, search);
    rDjb0 = new QRadioButton(QStringLiteral("单据表"), cxTab2);
    rDjb0->setObjectName(QStringLiteral("rDjb0"));
    rYscm0 = new QRadioButton(QStringLiteral("颜色尺码"), cxTab2);
    rYscm0->setObjectName(QStringLiteral("rYscm0"));
    rDjb0->setChecked(true);
    search->addWidget(rDjb0);
    search->addWidget(rYscm0);
    lgname = new QLabel(QStringLiteral("商品名称编号："), cxTab2);
    search->addWidget(lgname);
    tgname = new QLineEdit(cxTab2);
    tgname->setObjectName(QStringLiteral("tgname"));
    search->addWidget(tgname);
    btnSearch2 = NamedButton(cxTab2, "btnSearch2", "查询(F2)", search);
    search->addStretch(1);
    box->addLayout(search);

    auto* bar = new QHBoxLayout;
    btn_Check = NamedButton(cxTab2, "btn_Check", "审核全部", bar);
    btn_Dele = NamedButton(cxTab2, "btn_Dele", "删除单据", bar);
    btn_Date = NamedButton(cxTab2, "btn_Date", "修改", bar);
    btn_ChaKan = NamedButton(cxTab2, "btn_ChaKan", "查看单据", bar);
    btn_Prin = NamedButton(cxTab2, "btn_Prin", "打印", bar);
    btn_Lxdy = NamedButton(cxTab2, "btn_Lxdy", "连续打印", bar);
    btn_Export = NamedButton(cxTab2, "btn_Export", "导出", bar);
    bar->addStretch(1);
    box->addLayout(bar);

    cxGrid2View = NewQueryGrid(cxTab2, "cxGrid2View", "D_Shdj");
    AddGridColumns(*cxGrid2View,
        { { "gl_djh", "单据号", "124" }, { "j_jhrq", "开单日期", "138" }, { "ghs_name", "供货商", "180" },
            { "ck_name", "仓库名称", "90" }, { "j_yfje", "应付金额", "80" }, { "j_sfje", "实付金额", "80" },
            { "wfje", "欠款金额", "80" }, { "j_yhje", "优惠金额", "80" }, { "j_kmmc", "结算方式", "80" },
            { "gl_djh2", "原始单号", "100" }, { "j_yf", "运费", "64" }, { "j_bzf", "包装费", "64" },
            { "j_yffs", "付费方式", "80" }, { "a_name", "操作员", "70" }, { "u_name", "经办人", "70" },
            { "j_note", "备注", "160" } });
    cxGrid2View->SetColumnVisible(cxGrid2View->ColumnByField(QStringLiteral("j_yffs")), false);
    cxGrid2View->SetFooterVisible(true);
    cxGrid2View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid2View, { "j_yfje", "j_sfje", "wfje", "j_yhje", "j_yf", "j_bzf" }, true);
    box->addWidget(cxGrid2View, 1);

    cxGridSpMx0View = new DataGrid(cxTab2);
    cxGridSpMx0View->setObjectName(QStringLiteral("cxGridSpMx0View"));
    cxGridSpMx0View->SetDataSource(&F_DataModule->D(QStringLiteral("D_PdStep2")));
    AddGridColumns(*cxGridSpMx0View,
        { { "j_jhrq", "开单日期", "130" }, { "gl_djh", "单据号", "124" }, { "ck_name", "仓库", "90" },
            { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "50" }, { "cm_name", "尺码", "50" }, { "t_sl", "数量", "56" },
            { "jh_taxdj", "单价", "64" }, { "zje", "总金额", "80" }, { "dw_name", "单位", "50" },
            { "g_sccs", "品牌厂家", "90" }, { "a_name", "操作员", "70" } });
    cxGridSpMx0View->SetFooterVisible(true);
    cxGridSpMx0View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGridSpMx0View, { "t_sl" }, false);
    SumGridColumns(*cxGridSpMx0View, { "zje" }, true);
    cxGridSpMx0View->hide();
    box->addWidget(cxGridSpMx0View, 1);

    RzPanel_Shsp = new QWidget(cxTab2);
    RzPanel_Shsp->setObjectName(QStringLiteral("RzPanel_Shsp"));
    auto* lines = new QVBoxLayout(RzPanel_Shsp);
    lines->setContentsMargins(0, 0, 0, 0);
    auto* lineBar = new QHBoxLayout;
    lineBar->addWidget(new QLabel(QStringLiteral("供货商："), RzPanel_Shsp));
    ghsname = new QLabel(RzPanel_Shsp);
    ghsname->setObjectName(QStringLiteral("ghsname"));
    lineBar->addWidget(ghsname);
    lineBar->addStretch(1);
    btnAdd = NamedButton(RzPanel_Shsp, "btnAdd", "新增商品", lineBar);
    btnTab2Modi = NamedButton(RzPanel_Shsp, "btnTab2Modi", "修改商品", lineBar);
    btnDele = NamedButton(RzPanel_Shsp, "btnDele", "删除商品", lineBar);
    linkMx = NamedButton(RzPanel_Shsp, "linkMx", "查看详细数量", lineBar);
    linkMx->setFlat(true);
    lines->addLayout(lineBar);
    cxGrid3View = new DataGrid(RzPanel_Shsp);
    cxGrid3View->setObjectName(QStringLiteral("cxGrid3View"));
    cxGrid3View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Shsp")));
    AddGridColumns(*cxGrid3View,
        { { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" },
            { "gg_name", "款型说明", "80" }, { "dw_name", "单位", "50" }, { "jh_dj", "单价", "64" },
            { "jh_tax", "税率", "48" }, { "jh_taxdj", "含税单价", "64" }, { "jh_dzl", "折扣", "48" },
            { "dj", "折后价", "64" }, { "jh_sl", "数量", "56" }, { "jh_je", "金额", "72" },
            { "jh_taxje", "税金", "64" }, { "jh_zje", "总金额", "80" }, { "gl_djh2", "订单编号", "110" },
            { "a_name", "操作员", "70" }, { "jh_bz", "备注", "120" } });
    cxGrid3View->SetFooterVisible(true);
    cxGrid3View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid3View, { "jh_sl" }, false);
    SumGridColumns(*cxGrid3View, { "jh_je", "jh_taxje", "jh_zje" }, true);
    lines->addWidget(cxGrid3View);
    box->addWidget(RzPanel_Shsp);
    auto* note
        = new QLabel(QStringLiteral("说明：“待审核”的采购单只有变成“已审核”状态后，才能使库存量、账务等信息发生变化。"
                                    "“已审核”状态的单据不允许再修改，“待审核”的允许修改。"),
            cxTab2);
    note->setWordWrap(true);
    box->addWidget(note);

    RzPanel_Ghs2 = new SupplierPicker(cxTab2);
    RzPanel_Ghs2->setGeometry(60, 40, 600, 300);
    RzPanel_Ghs2->chosen = [this](const QString& name) {
        // The picker serves the tab it was opened on; on the query tab "全部供货商"
        // is simply no supplier text.
        if (RzPanel_Ghs2->parentWidget() == cxTab3) {
            tGhsname3->setText(name == QStringLiteral("全部供货商") ? QString() : name);
            btnSearch3Click();
            return;
        }
        const QSignalBlocker quiet(tGhsName);
        tGhsName->setText(name);
        btnSearch2Click();
    };

    barPopupMenu2 = new QMenu(this);
    btnRChk = barPopupMenu2->addAction(QStringLiteral("单据审核(&W)"), this, &TF_Cgjh::btnRChkClick);
    barPopupMenu2->addAction(QStringLiteral("查看单据(&X)"), this, &TF_Cgjh::btn_ChaKanClick);
    btnRDel2 = barPopupMenu2->addAction(QStringLiteral("删除单据(&Y)"), this, &TF_Cgjh::btn_DeleClick);
    btnRDate = barPopupMenu2->addAction(QStringLiteral("更改日期(&Z)"), this, &TF_Cgjh::btn_DateClick);
    barPopupMenu2->addAction(QStringLiteral("导出Excel表(&E)"), this, &TF_Cgjh::btn_ExportClick);
    connect(cxGrid2View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        if (Q_Shdj.RecordCount() > 0)
            barPopupMenu2->popup(at);
    });
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setShspList(); });
    connect(btnSearch2, &QPushButton::clicked, this, &TF_Cgjh::btnSearch2Click);
    connect(comSort, &QComboBox::currentIndexChanged, this, &TF_Cgjh::btnSearch2Click);
    for (QRadioButton* r : { rDjb0, rYscm0 })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            const bool colours = rYscm0->isChecked();
            cxGrid2View->setVisible(!colours);
            RzPanel_Shsp->setVisible(!colours);
            cxGridSpMx0View->setVisible(colours);
            tgname->setVisible(colours);
            lgname->setVisible(colours);
            btnSearch2Click();
        });
    connect(btn_Check, &QPushButton::clicked, this, &TF_Cgjh::btn_CheckClick);
    connect(btn_Dele, &QPushButton::clicked, this, &TF_Cgjh::btn_DeleClick);
    connect(btn_Date, &QPushButton::clicked, this, &TF_Cgjh::btn_DateClick);
    connect(btn_ChaKan, &QPushButton::clicked, this, &TF_Cgjh::btn_ChaKanClick);
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(btn_Prin, &QPushButton::clicked, this, &TF_Cgjh::btn_PrinClick);
    connect(btn_Lxdy, &QPushButton::clicked, this, &TF_Cgjh::btn_LxdyClick);
    connect(btn_Export, &QPushButton::clicked, this, &TF_Cgjh::btn_ExportClick);
    connect(btnDele, &QPushButton::clicked, this, &TF_Cgjh::btnDeleClick);
    connect(btnAdd, &QPushButton::clicked, this, &TF_Cgjh::btnAddClick);
    connect(btnTab2Modi, &QPushButton::clicked, this, &TF_Cgjh::btnTab2ModiClick);
    connect(linkMx, &QPushButton::clicked, this, &TF_Cgjh::linkMxClick);
    connect(btnSearchGhs, &QPushButton::clicked, this, &TF_Cgjh::btnSearchGhsClick);
    connect(tGhsName, &QLineEdit::textEdited, this, &TF_Cgjh::tGhsNameChange);
    for (QLineEdit* e : { tGhsName, tchkKey })
        DiscardSearchPunctuation(e);
}

void TF_Cgjh::cxPageChange()
{
    RzPanel_Ghs2->hide();
    if (cxPage->currentWidget() == cxTab3) {
        {
            const QSignalBlocker quiet(tGhsname3);
            tGhsname3->clear();
        }
        if (rDjb->isChecked())
            btnSearch3Click();
        else
            rDjb->setChecked(true);
        return;
    }
    if (cxPage->currentWidget() != cxTab2)
        return;
    {
        const QSignalBlocker quiet(tGhsName);
        tGhsName->clear();
    }
    tchkKey->clear();
    btnSearch2Click();
}

void TF_Cgjh::btnSearch2Click()
{
    const QString k = SafeSqlText(tchkKey->text().trimmed());
    const QString g = SafeSqlText(tgname->text().trimmed());
    const bool bound = BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001");
    if (rYscm0->isChecked()) {
        QString sql = QStringLiteral(
            "select distinct a.*,c.j_jhrq,d.g_name,d.gg_name,b.jh_taxdj,d.dw_name,e.ck_name,f.cm_name,g.color_name,"
            "a.t_sl*b.jh_taxdj as zje,d.g_sccs from jxc_jhspmx a,jxc_jhsp b,jxc_jhd c,jxc_goods d,jxc_ckxx e,"
            "jxc_cm f,jxc_color g where a.g_sn=b.g_sn and b.gl_djh=c.gl_djh and a.gl_djh=c.gl_djh and a.tid=b.tid "
            "and a.g_sn=d.g_sn and c.ck_sn=e.ck_sn and a.cm_sn=f.cm_sn and a.color_sn=g.color_sn and c.j_status=0 ");
        if (bound)
            sql += QStringLiteral(" and e.ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%' ");
        if (!k.isEmpty())
            sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or c.ck_sn like '%") + k
                + QStringLiteral("%' or e.ck_name like '%") + k + QStringLiteral("%') ");
        if (!g.isEmpty())
            sql += QStringLiteral(" and (d.g_sn like '%") + g + QStringLiteral("%' or d.g_name like '%") + g
                + QStringLiteral("%' or d.g_jm like '%") + g + QStringLiteral("%') ");
        OpenQuery(Q_PdStep2, sql + QStringLiteral(" order by a.gl_djh,a.g_sn,a.cm_sn,a.color_sn,a.t_sl,a.id"));
        return;
    }
    OpenQuery(Q_Shdj,
        PendingPurchaseListSql(QStringLiteral("jxc_jhd"), SupplierSearchText(tGhsName->text()),
            tchkKey->text().trimmed(), comSort->currentIndex() == 1));
    setShspList();
    if (cxPage->currentWidget() == cxTab2)
        cxGrid2View->setFocus();
}

QString TF_Cgjh::SelectedPendingNo() const
{
    if (!Q_Shdj.Active() || Q_Shdj.RecordCount() == 0)
        return QString();
    return Q_Shdj.AsString(QStringLiteral("gl_djh"));
}

void TF_Cgjh::setShspList()
{
    Q_Shsp.Close();
    const QString number = SelectedPendingNo();
    if (number.isEmpty()) {
        ghsname->clear();
        btnAdd->setEnabled(false);
        btnTab2Modi->setEnabled(false);
        btnDele->setEnabled(false);
        return;
    }
    btnAdd->setEnabled(HasRight(QStringLiteral("cggl"), 15));
    btnTab2Modi->setEnabled(true);
    btnDele->setEnabled(btn_Dele->isEnabled());
    ghsname->setText(Q_Shdj.AsString(QStringLiteral("ghs_name")));
    // The goods' columns first, as on the entry tab: the line's own unit column is empty.
    Q_Shsp.SetSQL(QStringLiteral("select b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs,b.g_kc,b.g_bz,b.hj_name,"
                                 "a.*,a.jh_dj*a.jh_dzl as dj from jxc_jhsp a,jxc_goods b "
                                 "where a.g_sn=b.g_sn and a.gl_djh=:djh order by a.id"));
    Q_Shsp.SetParam(QStringLiteral("djh"), number);
    Q_Shsp.Open();
}

void TF_Cgjh::ReopenPending(const QString& number)
{
    Q_Shdj.Requery();
    if (!number.isEmpty())
        Q_Shdj.Locate(QStringLiteral("gl_djh"), number);
    setShspList();
}

void TF_Cgjh::btnRChkClick()
{
    if (SelectedPendingNo().isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将审核当前选中的单据，确认吗？")) == Prompt::Answer::No)
        return;
    checkDj(SelectedPendingNo());
    ReopenPending(QString());
}

void TF_Cgjh::btn_CheckClick()
{
    if (SelectedPendingNo().isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral(
            "您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请按右键！）"))
        == Prompt::Answer::No)
        return;
    doc.ApproveAll(DocWindow::PendingRows(Q_Shdj, QStringLiteral("j_jhrq")), this);
    ReopenPending(QString());
}

void TF_Cgjh::checkDj(const QString& number)
{
    // The selected header's operator keeps the number when duplicates are repaired.
    QString owner = CurrentAdminName;
    if (SelectedPendingNo() == number)
        owner = Q_Shdj.AsString(QStringLiteral("a_name"));
    doc.Approve(number, owner);
}

void TF_Cgjh::updateCheckShdjYfje()
{
    RefreshPendingAmounts(doc.Kind(), SelectedPendingNo(), IsTrue(PurchasePayDefault), Q_Shdj);
}

void TF_Cgjh::btnDeleClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.RecordCount() == 0)
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    const QString number = SelectedPendingNo();
    if (DeletePendingLine(doc.Kind(), number, Q_Shsp.AsInteger(QStringLiteral("id")))) {
        ReopenPending(QString());
        return;
    }
    Q_Shsp.Requery();
    updateCheckShdjYfje();
}

void TF_Cgjh::btn_DeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) == Prompt::Answer::Yes) {
        const QString contract = Q_Shdj.AsString(QStringLiteral("ht_sn"));
        DeletePendingDocument(doc.Kind(), number);
        if (!contract.isEmpty())
            DeleteContract(contract);
        ReopenPending(QString());
    }
    btnSearch2Click();
}

void TF_Cgjh::linkMxClick()
{
    ShowLineDetail(Q_Shsp, QStringLiteral("jxc_jhspmx"));
}

void TF_Cgjh::btnSearchGhsClick()
{
    ShowSupplierPicker(cxTab2, QString());
}

void TF_Cgjh::tGhsNameChange()
{
    ShowSupplierPicker(cxTab2, tGhsName->text());
}

void TF_Cgjh::ShowSupplierPicker(QWidget* tab, const QString& text)
{
    if (RzPanel_Ghs2->parentWidget() != tab) {
        RzPanel_Ghs2->setParent(tab);
        RzPanel_Ghs2->setGeometry(60, 40, 600, 300);
    }
    RzPanel_Ghs2->ShowFiltered(text);
}

void TF_Cgjh::btnGhs2OKClick()
{
    RzPanel_Ghs2->btnGhs2OKClick();
}

void TF_Cgjh::btnGhs2ExitClick()
{
    RzPanel_Ghs2->btnGhs2ExitClick();
}

void TF_Cgjh::btnTab2ModiClick()
{
    ModifyPendingLine(Q_Shsp, QStringLiteral("TF_Cgjh_Sele"));
}

void TF_Cgjh::btnAddClick()
{
    if (SelectedPendingNo().isEmpty())
        return;
    ActiveDocKind = QStringLiteral("cgjhsh");
    FunctionWindows::Open(QStringLiteral("TF_Cgjh_Add"), FunctionWindows::Lifetime::Kept);
    ActiveDocKind = QStringLiteral("cgjh");
}

void TF_Cgjh::btn_DateClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btn_Date->isEnabled())
        return;
    OpenDateChange(QStringLiteral("cgjh"), number);
}
