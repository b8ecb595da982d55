// The pending tab of the sales delivery window: saved deliveries waiting for approval.
#include "sales/salesparts.h"
#include "sales/spxs.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"
#include "posting/draftrepair.h"
#include "posting/postingdb.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The customer texts of the search fields that stand for no customer.
QString CustomerSearchText(const QString& typed)
{
    const QString t = typed.trimmed();
    if (t == QStringLiteral("全部客户") || t == QStringLiteral("当前客户"))
        return QString();
    return t;
}

bool WarehouseBound()
{
    return BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001");
}

} // namespace

void TF_Spxs::BuildPendingTab()
{
    auto* box = new QVBoxLayout(cxTab2);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("客户名称："), cxTab2));
    tGhsName = new QLineEdit(cxTab2);
    tGhsName->setObjectName(QStringLiteral("tGhsName"));
    search->addWidget(tGhsName);
    btnSearchGhs = NamedButton(cxTab2, "btnSearchGhs", "…", search);
    btnSearchGhs->setMaximumWidth(28);
    search->addWidget(new QLabel(QStringLiteral("单据信息："), cxTab2));
    tchkKey = new QLineEdit(cxTab2);
    tchkKey->setObjectName(QStringLiteral("tchkKey"));
    search->addWidget(tchkKey);
    search->addWidget(new QLabel(QStringLiteral("日期排列："), cxTab2));
    comSort = new QComboBox(cxTab2);
    comSort->setObjectName(QStringLiteral("comSort"));
    comSort->addItems({ QStringLiteral("顺序"), QStringLiteral("倒序") });
    search->addWidget(comSort);
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
    lgname->hide();
    tgname->hide();
    btnSearch2 = NamedButton(cxTab2, "btnSearch2", "查询(F2)", search);
    search->addStretch(1);
    box->addLayout(search);

    auto* bar = new QHBoxLayout;
    btn_Check = NamedButton(cxTab2, "btn_Check", "审核全部", bar);
    btn_Dele = NamedButton(cxTab2, "btn_Dele", "删除单据", bar);
    btn_Date = NamedButton(cxTab2, "btn_Date", "修改", bar);
    btn_Export = NamedButton(cxTab2, "btn_Export", "导出", bar);
    btn_ChaKan = NamedButton(cxTab2, "btn_ChaKan", "查看单据", bar);
    btn_Prin = NamedButton(cxTab2, "btn_Prin", "打印", bar);
    btn_Lxdy = NamedButton(cxTab2, "btn_Lxdy", "连续打印", bar);
    btn_Exit = NamedButton(cxTab2, "btn_Exit", "退出", bar);
    bar->addStretch(1);
    box->addLayout(bar);

    cxGrid2View = new DataGrid(cxTab2);
    cxGrid2View->setObjectName(QStringLiteral("cxGrid2View"));
    cxGrid2View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Shdj")));
    AddGridColumns(*cxGrid2View,
        { { "gl_djh", "单据号", "124" }, { "ls_xsrq", "开单日期", "130" }, { "kh_name", "客户名称", "140" },
            { "ck_name", "仓库名称", "90" }, { "ls_yfje", "应收金额", "80" }, { "ls_sfje", "实收金额", "80" },
            { "ls_yhje", "优惠金额", "72" }, { "wfje", "欠款金额", "80" }, { "ls_dzl", "折扣", "48" },
            { "ls_kmmc", "结算方式", "80" }, { "ls_yf", "运费", "64" }, { "ls_bzf", "包装费", "64" },
            { "ls_yffs", "付费方式", "72" }, { "ht_sn", "合同编号", "100" }, { "u_name", "经办人", "70" },
            { "a_name", "操作员", "70" }, { "gl_djh2", "原始单号", "110" }, { "ls_note", "备注", "120" } });
    cxGrid2View->SetFooterVisible(true);
    cxGrid2View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid2View, { "ls_yfje", "ls_sfje", "ls_yhje", "wfje", "ls_yf", "ls_bzf" }, true);
    box->addWidget(cxGrid2View, 1);

    cxGridSpMx0View = new DataGrid(cxTab2);
    cxGridSpMx0View->setObjectName(QStringLiteral("cxGridSpMx0View"));
    cxGridSpMx0View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Shspmx")));
    AddGridColumns(*cxGridSpMx0View,
        { { "ls_xsrq", "开单日期", "130" }, { "gl_djh", "单据号", "124" }, { "ck_name", "仓库", "90" },
            { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "50" }, { "cm_name", "尺码", "50" }, { "t_sl", "数量", "56" },
            { "ls_taxdj", "单价", "64" }, { "zje", "总金额", "80" }, { "dw_name", "单位", "50" },
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
    lineBar->addWidget(new QLabel(QStringLiteral("客户名称："), RzPanel_Shsp));
    ghsname = new QLabel(RzPanel_Shsp);
    ghsname->setObjectName(QStringLiteral("ghsname"));
    lineBar->addWidget(ghsname);
    lineBar->addStretch(1);
    btnAdd = NamedButton(RzPanel_Shsp, "btnAdd", "新增商品", lineBar);
    btnZpAdd2 = NamedButton(RzPanel_Shsp, "btnZpAdd2", "添加赠品", lineBar);
    btnTab2Modi = NamedButton(RzPanel_Shsp, "btnTab2Modi", "修改商品", lineBar);
    btnDele = NamedButton(RzPanel_Shsp, "btnDele", "删除商品", lineBar);
    linkMx = NamedButton(RzPanel_Shsp, "linkMx", "查看详细数量", lineBar);
    linkMx->setFlat(true);
    lines->addLayout(lineBar);
    cxGrid3View = new DataGrid(RzPanel_Shsp);
    cxGrid3View->setObjectName(QStringLiteral("cxGrid3View"));
    cxGrid3View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Shsp")));
    AddGridColumns(*cxGrid3View,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "50" }, { "dw_name", "单位", "50" }, { "ls_cbj", "成本价", "64" },
            { "ls_lsj", "零售价", "64" }, { "ls_dj", "单价", "64" }, { "ls_sl", "数量", "56" },
            { "ls_tax", "税率", "48" }, { "ls_taxdj", "含税单价", "64" }, { "ls_dzl", "打折率", "48" },
            { "ls_zcb", "总成本", "72" }, { "ls_je", "金额", "72" }, { "ls_taxje", "税额", "64" },
            { "ls_zje", "总金额", "80" }, { "gl_djh2", "订单编号", "110" }, { "ls_bz", "备注", "120" },
            { "a_name", "操作员", "70" } });
    cxGrid3View->SetFooterVisible(true);
    cxGrid3View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid3View, { "ls_sl" }, false);
    SumGridColumns(*cxGrid3View, { "ls_zcb", "ls_je", "ls_taxje", "ls_zje" }, true);
    lines->addWidget(cxGrid3View);
    box->addWidget(RzPanel_Shsp);
    auto* note = new QLabel(QStringLiteral("说明：“待审核”的销售单不会使库存减少，不影响帐务，且允许修改。"
                                           "“已审核”的单据会影响帐务，且不允许修改。"),
        cxTab2);
    note->setWordWrap(true);
    box->addWidget(note);

    // The customer list panel: laid over whichever list tab opened it.
    RzPanel_Kh2 = NewCustomerListPanel(cxTab2, cxGrid4View, chkKhAll, btnOK2, btnExit2);

    barPopupMenu2 = new QMenu(this);
    btnRCheck = barPopupMenu2->addAction(QStringLiteral("单据审核(&W)"), this, [this] { btnRCheckClick(); });
    barPopupMenu2->addAction(QStringLiteral("查看单据(&X)"), this, &TF_Spxs::btn_ChaKanClick);
    btnRDel2 = barPopupMenu2->addAction(QStringLiteral("删除单据(&Y)"), this, &TF_Spxs::btn_DeleClick);
    btnRDate = barPopupMenu2->addAction(QStringLiteral("更改日期(&Z)"), this, &TF_Spxs::btn_DateClick);
    barPopupMenu2->addAction(QStringLiteral("导出Excel表(&E)"), this, &TF_Spxs::btn_ExportClick);
    barPopupMenu3 = new QMenu(this);
    btnRAdd2 = barPopupMenu3->addAction(QStringLiteral("增加商品(&X)"), this, &TF_Spxs::btnAddClick);
    btnRModi2 = barPopupMenu3->addAction(QStringLiteral("修改商品(&Y)"), this, &TF_Spxs::btnTab2ModiClick);
    btnRDele2 = barPopupMenu3->addAction(QStringLiteral("删除商品(&Z)"), this, &TF_Spxs::btnDeleClick);
    connect(cxGrid2View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        if (Q_Shdj.Active() && Q_Shdj.RecordCount() > 0)
            barPopupMenu2->popup(at);
    });
    connect(cxGrid3View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        btnRAdd2->setEnabled(btnAdd->isEnabled());
        btnRModi2->setEnabled(btnTab2Modi->isEnabled());
        btnRDele2->setEnabled(btnDele->isEnabled());
        btnZpAdd2->setEnabled(btnAdd->isEnabled());
        barPopupMenu3->popup(at);
    });
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setShspList(); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(cxGrid3View, &DataGrid::rowDoubleClicked, this, [this] { btnTab2ModiClick(); });
    connect(btnSearch2, &QPushButton::clicked, this, &TF_Spxs::btnSearch2Click);
    connect(comSort, &QComboBox::currentIndexChanged, this, &TF_Spxs::btnSearch2Click);
    connect(rDjb0, &QRadioButton::clicked, this, &TF_Spxs::rDjb0Click);
    connect(rYscm0, &QRadioButton::clicked, this, &TF_Spxs::rYscm0Click);
    connect(btn_Check, &QPushButton::clicked, this, [this] { btn_CheckClick(); });
    connect(btn_Dele, &QPushButton::clicked, this, &TF_Spxs::btn_DeleClick);
    connect(btn_Date, &QPushButton::clicked, this, &TF_Spxs::btn_DateClick);
    connect(btn_Export, &QPushButton::clicked, this, &TF_Spxs::btn_ExportClick);
    connect(btn_ChaKan, &QPushButton::clicked, this, &TF_Spxs::btn_ChaKanClick);
    connect(btn_Prin, &QPushButton::clicked, this, &TF_Spxs::btn_PrinClick);
    connect(btn_Lxdy, &QPushButton::clicked, this, &TF_Spxs::btn_LxdyClick);
    connect(btn_Exit, &QPushButton::clicked, this, &TF_Spxs::btn_ExitClick);
    connect(btnAdd, &QPushButton::clicked, this, &TF_Spxs::btnAddClick);
    connect(btnZpAdd2, &QPushButton::clicked, this, &TF_Spxs::btnZpAdd2Click);
    connect(btnTab2Modi, &QPushButton::clicked, this, &TF_Spxs::btnTab2ModiClick);
    connect(btnDele, &QPushButton::clicked, this, &TF_Spxs::btnDeleClick);
    connect(linkMx, &QPushButton::clicked, this, &TF_Spxs::linkMxClick);
    connect(btnSearchGhs, &QPushButton::clicked, this, &TF_Spxs::btnSearchGhsClick);
    connect(tGhsName, &QLineEdit::textEdited, this, &TF_Spxs::tGhsNameChange);
    connect(chkKhAll, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            chkKhAllClick();
    });
    connect(btnOK2, &QPushButton::clicked, this, &TF_Spxs::btnOK2Click);
    connect(btnExit2, &QPushButton::clicked, this, &TF_Spxs::btnExit2Click);
    connect(cxGrid4View, &DataGrid::rowDoubleClicked, this, [this] { btnOK2Click(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });
    for (QLineEdit* e : { tGhsName, tchkKey })
        DiscardSearchPunctuation(e);
}

void TF_Spxs::ApplyPendingRights()
{
    const QString xs = QStringLiteral("xsgl");
    const bool approve = HasRight(xs, doc.Kind().approveRight);
    btn_Check->setEnabled(approve);
    btnRCheck->setEnabled(approve);
    const bool dele = HasRight(xs, 17);
    btn_Dele->setEnabled(dele);
    btnRDel2->setEnabled(dele);
    // The date change dialog comes with the query actions' work.
    const bool redate = FunctionWindows::Available(QStringLiteral("TF_ModiDateXs"));
    btn_Date->setEnabled(redate);
    btnRDate->setEnabled(redate);
    btn_Prin->setEnabled(ShowCostPrice && ShowSalePrice);
}

void TF_Spxs::cxPageChange()
{
    RzPanel_Kh2->hide();
    if (cxPage->currentWidget() == cxTab2) {
        ApplyPendingRights();
        btnSearch2Click();
    } else if (cxPage->currentWidget() == cxTab3) {
        ApplyQueryRights();
        tKhName1->clear();
        rDjbClick();
    }
}

void TF_Spxs::btnSearch2Click()
{
    const QString bound = WarehouseBound()
        ? QStringLiteral(" and c.ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%' ")
        : QString();
    const QString k = SafeSqlText(tchkKey->text().trimmed());
    if (rYscm0->isChecked()) {
        const QString g = SafeSqlText(tgname->text().trimmed());
        QString sql = QStringLiteral(
            "select a.*,h.ls_xsrq,d.g_name,d.gg_name,b.ls_taxdj,d.dw_name,c.ck_name,f.cm_name,e.color_name,"
            "a.t_sl*b.ls_taxdj as zje,d.g_sccs from jxc_lsxsspmx a,jxc_lsxssp b,jxc_lsxsd h,jxc_goods d,"
            "jxc_ckxx c,jxc_cm f,jxc_color e where a.gl_djh=b.gl_djh and a.tid=b.id and a.gl_djh=h.gl_djh "
            "and a.g_sn=d.g_sn and h.ck_sn=c.ck_sn and a.cm_sn=f.cm_sn and a.color_sn=e.color_sn "
            "and h.ls_status=0 ");
        sql += bound;
        if (!k.isEmpty())
            sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or c.ck_name like '%") + k
                + QStringLiteral("%' or c.ck_sn like '%") + k + QStringLiteral("%') ");
        if (!g.isEmpty())
            sql += QStringLiteral(" and (d.g_sn like '%") + g + QStringLiteral("%' or d.g_name like '%") + g
                + QStringLiteral("%' or d.g_jm like '%") + g + QStringLiteral("%') ");
        OpenQuery(Q_Shspmx, sql + QStringLiteral(" order by a.gl_djh,a.g_sn,a.cm_sn,a.color_sn,a.t_sl,a.id"));
        return;
    }
    const QString s = SafeSqlText(CustomerSearchText(tGhsName->text()));
    QString sql = QStringLiteral(
        "select a.*,a.ls_yfje-a.ls_sfje-a.ls_yhje as wfje,b.kh_name,c.ck_name,d.u_name from jxc_lsxsd a,jxc_khxx b,"
        "jxc_ckxx c,jxc_user d where a.kh_sn=b.kh_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.ls_status=0 "
        "and a.ls_dhbz=0 ");
    sql += bound;
    sql += QStringLiteral(" and (b.kh_name like '%") + s + QStringLiteral("%' or b.kh_sn like '%") + s
        + QStringLiteral("%' or b.kh_jm like '%") + s + QStringLiteral("%') ");
    sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or c.ck_name like '%") + k
        + QStringLiteral("%' or c.ck_sn like '%") + k + QStringLiteral("%' or a.ls_note like '%") + k
        + QStringLiteral("%') ");
    sql += comSort->currentIndex() == 1 ? QStringLiteral(" order by a.ls_xsrq desc,a.gl_djh desc,a.id desc")
                                        : QStringLiteral(" order by a.ls_xsrq,a.gl_djh,a.id");
    OpenQuery(Q_Shdj, sql);
    setShspList();
    if (cxPage->currentWidget() == cxTab2)
        cxGrid2View->setFocus();
}

void TF_Spxs::rDjb0Click()
{
    rDjb0->setChecked(true);
    cxGrid2View->show();
    RzPanel_Shsp->show();
    cxGridSpMx0View->hide();
    lgname->hide();
    tgname->hide();
    btnSearch2Click();
}

void TF_Spxs::rYscm0Click()
{
    rYscm0->setChecked(true);
    cxGrid2View->hide();
    RzPanel_Shsp->hide();
    cxGridSpMx0View->show();
    lgname->show();
    tgname->show();
    btnSearch2Click();
}

QString TF_Spxs::SelectedPendingNo() const
{
    if (!Q_Shdj.Active() || Q_Shdj.RecordCount() == 0)
        return QString();
    return Q_Shdj.AsString(QStringLiteral("gl_djh"));
}

void TF_Spxs::setShspList()
{
    Q_Shsp.Close();
    ghsname->clear();
    const QString number = SelectedPendingNo();
    if (number.isEmpty()) {
        for (QPushButton* b : { btnAdd, btnTab2Modi, btnDele, btnZpAdd2 })
            b->setEnabled(false);
        return;
    }
    ghsname->setText(Q_Shdj.AsString(QStringLiteral("kh_name")));
    Q_Shsp.SetSQL(QStringLiteral("select a.*,(b.g_name||coalesce(a.t_zp,'')) as g_name,b.dw_name,b.gg_name,"
                                 "b.color_name,b.g_sccs,b.g_kc,b.g_bz from jxc_lsxssp a,jxc_goods b "
                                 "where a.g_sn=b.g_sn and a.gl_djh=:djh order by a.id"));
    Q_Shsp.SetParam(QStringLiteral("djh"), number);
    Q_Shsp.Open();
    const bool add = HasRight(QStringLiteral("xsgl"), 19);
    const bool hasLines = Q_Shsp.RecordCount() > 0;
    btnAdd->setEnabled(add);
    btnZpAdd2->setEnabled(add && FunctionWindows::Available(QStringLiteral("TF_Spxs_Add2")));
    btnTab2Modi->setEnabled(hasLines);
    btnDele->setEnabled(hasLines && btn_Dele->isEnabled());
}

void TF_Spxs::ReopenPending(const QString& number)
{
    Q_Shdj.Requery();
    if (!number.isEmpty())
        Q_Shdj.Locate(QStringLiteral("gl_djh"), number);
    setShspList();
}

void TF_Spxs::updateCheckShdjYfje()
{
    RefreshPendingAmounts(doc.Kind(), SelectedPendingNo(), IsTrue(SalesCollectDefault), Q_Shdj);
}

void TF_Spxs::btnDeleClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.RecordCount() == 0)
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    const QString number = SelectedPendingNo();
    // The line and the header amounts it changes go together.
    Transaction t(posting::Db());
    const bool documentGone = DeletePendingLine(doc.Kind(), number, Q_Shsp.AsInteger(QStringLiteral("id")));
    if (!documentGone)
        UpdatePendingAmounts(doc.Kind(), number, IsTrue(SalesCollectDefault));
    t.Commit();
    ReopenPending(documentGone ? QString() : number);
}

void TF_Spxs::btn_DeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) == Prompt::Answer::No)
        return;
    const QString contract = Q_Shdj.AsString(QStringLiteral("ht_sn"));
    Transaction t(posting::Db());
    DeletePendingDocument(doc.Kind(), number);
    if (!contract.isEmpty())
        DeleteContract(contract);
    t.Commit();
    ReopenPending(QString());
}

void TF_Spxs::btnAddClick()
{
    if (SelectedPendingNo().isEmpty())
        return;
    ActiveDocKind = QStringLiteral("spxssh");
    if (FunctionWindows::Available(QStringLiteral("TF_Spxs_Add")))
        FunctionWindows::Open(QStringLiteral("TF_Spxs_Add"), FunctionWindows::Lifetime::Kept);
    ActiveDocKind = QStringLiteral("spxs");
}

void TF_Spxs::btnZpAdd2Click()
{
    if (SelectedPendingNo().isEmpty())
        return;
    ActiveDocKind = QStringLiteral("spxssh");
    if (FunctionWindows::Available(QStringLiteral("TF_Spxs_Add2")))
        FunctionWindows::Open(QStringLiteral("TF_Spxs_Add2"), FunctionWindows::Lifetime::Freed);
    ActiveDocKind = QStringLiteral("spxs");
}

void TF_Spxs::btnTab2ModiClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.IsEmpty())
        return;
    const qint64 id = Q_Shsp.AsInteger(QStringLiteral("id"));
    const bool gift = Q_Shsp.AsString(QStringLiteral("t_zp")) == QStringLiteral("(赠品)");
    const QString picker = gift ? QStringLiteral("TF_Spxs_Sele2") : QStringLiteral("TF_Spxs_Sele");
    OpenMode = QStringLiteral("spxs_modish");
    ActiveDocKind = QStringLiteral("spxssh");
    SelectedSn = Q_Shsp.AsString(QStringLiteral("g_sn"));
    if (FunctionWindows::Available(picker))
        FunctionWindows::Open(picker, FunctionWindows::Lifetime::Freed);
    if (Q_Shsp.Active())
        Q_Shsp.LocateId(id);
    ActiveDocKind = QStringLiteral("spxs");
    OpenMode.clear();
    SelectedSn.clear();
}

void TF_Spxs::linkMxClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.RecordCount() == 0 || Q_Shsp.AsString(QStringLiteral("tid")).isEmpty())
        return;
    AuxTag = QStringLiteral("jxc_lsxsspmx");
    SelectedSn = Q_Shsp.AsString(QStringLiteral("g_sn"));
    SelectedLineId = Q_Shsp.AsString(QStringLiteral("tid"));
    FunctionWindows::Open(QStringLiteral("TF_Detail"), FunctionWindows::Lifetime::Freed);
    AuxTag.clear();
    SelectedSn.clear();
    SelectedLineId.clear();
}

void TF_Spxs::btn_DateClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btn_Date->isEnabled())
        return;
    DateEditCaller = QStringLiteral("cgjh");
    DateEditDocNo = number;
    FunctionWindows::Open(QStringLiteral("TF_ModiDateXs"), FunctionWindows::Lifetime::Freed);
    DateEditCaller.clear();
    DateEditDocNo.clear();
}

void TF_Spxs::btn_ExportClick()
{
    ExportList(*cxGrid2View, ExportRows::OnlyWithRows);
}

void TF_Spxs::btn_ChaKanClick()
{
    ViewStoredDocument(SelectedPendingNo());
}

void TF_Spxs::btn_PrinClick()
{
    if (btn_Prin->isEnabled())
        PrintList(QStringLiteral("spxsdsh.fr3"), QStringLiteral("spxsdsh"), &Q_Shdj, QString());
}

void TF_Spxs::btn_LxdyClick()
{
    QStringList numbers;
    for (const DocWindow::PendingDoc& d : DocWindow::PendingRows(Q_Shdj, QStringLiteral("ls_xsrq")))
        numbers << d.number;
    PrintContinuously(numbers);
}

void TF_Spxs::btn_CheckClick()
{
    if (!btn_Check->isEnabled() || SelectedPendingNo().isEmpty())
        return;
    btn_CheckClick(DocWindow::PendingRows(Q_Shdj, QStringLiteral("ls_xsrq")));
    ReopenPending(QString());
}

void TF_Spxs::btnRCheckClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRCheck->isEnabled())
        return;
    btnRCheckClick(DocWindow::PendingDoc {
        number, Q_Shdj.AsString(QStringLiteral("ls_xsrq")), Q_Shdj.AsString(QStringLiteral("a_name")) });
    ReopenPending(QString());
}

void TF_Spxs::btn_ExitClick()
{
    close();
}

void TF_Spxs::tGhsNameChange()
{
    chkKhAll->setChecked(false);
    KhFilter(*cxGrid4View, CustomerSearchText(tGhsName->text()));
    ShowCustomerPanel(cxTab2);
}

void TF_Spxs::btnSearchGhsClick()
{
    chkKhAll->setChecked(false);
    KhFilter(*cxGrid4View, QString());
    ShowCustomerPanel(cxTab2);
}

void TF_Spxs::btnOK2Click()
{
    const int row = cxGrid4View->CurrentRow();
    if (cxGrid4View->RowCount() == 0 || row < 0)
        return;
    const QString name = cxGrid4View->Value(row, QStringLiteral("kh_name")).toString();
    RzPanel_Kh2->hide();
    if (RzPanel_Kh2->parentWidget() == cxTab3) {
        tKhName1->setText(name);
        rDjbClick();
        return;
    }
    const QSignalBlocker quiet(tGhsName);
    tGhsName->setText(name);
    btnSearch2Click();
}

void TF_Spxs::ShowCustomerPanel(QWidget* tab)
{
    if (RzPanel_Kh2->parentWidget() != tab) {
        RzPanel_Kh2->setParent(tab);
        RzPanel_Kh2->setGeometry(60, 40, 640, 300);
    }
    RzPanel_Kh2->show();
    RzPanel_Kh2->raise();
}

void TF_Spxs::btnExit2Click()
{
    RzPanel_Kh2->hide();
}

void TF_Spxs::chkKhAllClick()
{
    {
        const QSignalBlocker quiet(tGhsName);
        tGhsName->setText(QStringLiteral("全部客户"));
    }
    RzPanel_Kh2->hide();
    cxGrid2View->ClearFilter();
    btnSearch2Click();
}
