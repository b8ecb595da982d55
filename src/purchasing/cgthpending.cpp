// The pending tab of the purchase return window and the printing of a return.
#include "purchasing/cgth.h"
#include "purchasing/modidate.h"
#include "purchasing/querygrids.h"
#include "purchasing/wholereturn.h"

#include "foundation/approvalhooks.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/moneywords.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "masterdata/detail.h"
#include "masterdata/keyfilter.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/printdata.h"
#include "posting/printvars.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

void TF_Cgth::BuildPendingTab()
{
    auto* box = new QVBoxLayout(cxTab2);
    auto* search = new QHBoxLayout;
    tGhsName = AddSearchEdit(cxTab2, search, "供货商名称：", "tGhsName");
    btnSearchGhs = NamedButton(cxTab2, "btnSearchGhs", "…", search);
    btnSearchGhs->setMaximumWidth(28);
    tchkkey2 = AddSearchEdit(cxTab2, search, "单据信息：", "tchkkey2");
    comSort = AddSortCombo(cxTab2, search);
    btnSearchChk = NamedButton(cxTab2, "btnSearchChk", "查询(F2)", search);
    search->addStretch(1);
    box->addLayout(search);

    auto* bar = new QHBoxLayout;
    btn_Check = NamedButton(cxTab2, "btn_Check", "审核全部", bar);
    btn_Dele = NamedButton(cxTab2, "btn_Dele", "删除单据", bar);
    btn_Date = NamedButton(cxTab2, "btn_Date", "更改", bar);
    btn_Chakan2 = NamedButton(cxTab2, "btn_Chakan2", "查看单据", bar);
    btn_Prin = NamedButton(cxTab2, "btn_Prin", "打印", bar);
    btn_Export = NamedButton(cxTab2, "btn_Export", "导出", bar);
    bar->addStretch(1);
    box->addLayout(bar);

    cxGrid6View = NewQueryGrid(cxTab2, "cxGrid6View", "D_Shdj");
    AddGridColumns(*cxGrid6View,
        { { "gl_djh", "单据号", "124" }, { "th_thrq", "开单日期", "138" }, { "ghs_name", "供货商", "180" },
            { "ck_name", "仓库名称", "90" }, { "th_yfje", "应收金额", "80" }, { "th_sfje", "实收金额", "80" },
            { "th_kmmc", "结算方式", "80" }, { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" },
            { "th_note", "备注", "160" } });
    cxGrid6View->SetFooterVisible(true);
    cxGrid6View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid6View, { "th_yfje", "th_sfje" }, true);
    box->addWidget(cxGrid6View, 1);

    auto* lineBar = new QHBoxLayout;
    lineBar->addWidget(new QLabel(QStringLiteral("供货商："), cxTab2));
    ghsname = NamedLabel(cxTab2, "", "ghsname");
    lineBar->addWidget(ghsname);
    lineBar->addStretch(1);
    btnAdd = NamedButton(cxTab2, "btnAdd", "新增商品", lineBar);
    btnTab2Modi = NamedButton(cxTab2, "btnTab2Modi", "修改商品", lineBar);
    btnDele = NamedButton(cxTab2, "btnDele", "删除商品", lineBar);
    linkMx = NamedButton(cxTab2, "linkMx", "查看详细数量", lineBar);
    linkMx->setFlat(true);
    box->addLayout(lineBar);
    cxGrid7View = NewQueryGrid(cxTab2, "cxGrid7View", "D_Shsp");
    AddGridColumns(*cxGrid7View,
        { { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" },
            { "gg_name", "款型说明", "80" }, { "dw_name", "单位", "50" }, { "th_dj", "单价", "64" },
            { "th_dzl", "打折率", "56" }, { "th_sl", "数量", "56" }, { "th_je", "金额", "72" },
            { "th_tax", "税率", "48" }, { "th_taxdj", "含税单价", "64" }, { "th_taxje", "税额", "64" },
            { "th_zje", "总金额", "80" }, { "a_name", "操作员", "70" }, { "th_bz", "备注", "120" } });
    cxGrid7View->SetFooterVisible(true);
    cxGrid7View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid7View, { "th_sl" }, false);
    SumGridColumns(*cxGrid7View, { "th_je", "th_taxje", "th_zje" }, true);
    box->addWidget(cxGrid7View);

    RzPanel_Ghs2 = new SupplierPicker(cxTab2);
    RzPanel_Ghs2->setGeometry(60, 40, 600, 300);
    RzPanel_Ghs2->chosen = [this](const QString& name) {
        const QSignalBlocker quiet(tGhsName);
        tGhsName->setText(name);
        btnSearchChkClick();
    };

    barPopupMenu2 = new QMenu(this);
    btnRCheck = barPopupMenu2->addAction(QStringLiteral("审核单据(&W)"), this, &TF_Cgth::btnRCheckClick);
    barPopupMenu2->addAction(QStringLiteral("查看单据(&X)"), this, &TF_Cgth::btn_Chakan2Click);
    barPopupMenu2->addAction(QStringLiteral("删除单据(&Y)"), this, &TF_Cgth::btn_DeleClick);
    barPopupMenu2->addAction(QStringLiteral("更改日期(&Z)"), this, &TF_Cgth::btn_DateClick);
    barPopupMenu2->addAction(QStringLiteral("导出Excel表(&E)"), this, &TF_Cgth::btn_ExportClick);
    connect(cxGrid6View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(barPopupMenu2, *cxGrid6View, at); });
    connect(cxGrid6View, &DataGrid::currentRowChanged, this, [this] { setShspList(); });
    connect(cxGrid6View, &DataGrid::rowDoubleClicked, this, [this] { btn_Chakan2Click(); });
    connect(cxGrid7View, &DataGrid::rowDoubleClicked, this, [this] { btnTab2ModiClick(); });
    connect(btnSearchChk, &QPushButton::clicked, this, &TF_Cgth::btnSearchChkClick);
    connect(comSort, &QComboBox::currentIndexChanged, this, &TF_Cgth::btnSearchChkClick);
    connect(btn_Check, &QPushButton::clicked, this, &TF_Cgth::btn_CheckClick);
    connect(btn_Dele, &QPushButton::clicked, this, &TF_Cgth::btn_DeleClick);
    connect(btn_Date, &QPushButton::clicked, this, &TF_Cgth::btn_DateClick);
    connect(btn_Chakan2, &QPushButton::clicked, this, &TF_Cgth::btn_Chakan2Click);
    connect(btn_Prin, &QPushButton::clicked, this, &TF_Cgth::btn_PrinClick);
    connect(btn_Export, &QPushButton::clicked, this, &TF_Cgth::btn_ExportClick);
    connect(btnAdd, &QPushButton::clicked, this, &TF_Cgth::btnAddClick);
    connect(btnTab2Modi, &QPushButton::clicked, this, &TF_Cgth::btnTab2ModiClick);
    connect(btnDele, &QPushButton::clicked, this, &TF_Cgth::btnDeleClick);
    connect(linkMx, &QPushButton::clicked, this, &TF_Cgth::linkMxClick);
    connect(btnSearchGhs, &QPushButton::clicked, this, &TF_Cgth::btnSearchGhsClick);
    connect(tGhsName, &QLineEdit::textEdited, this, &TF_Cgth::tGhsNameChange);
    for (QLineEdit* e : { tGhsName, tchkkey2 })
        DiscardSearchPunctuation(e);
}

void TF_Cgth::cxPageChange()
{
    RzPanel_Ghs2->hide();
    if (cxPage->currentWidget() == cxTab3) {
        tchkKey->clear();
        btnSearch2Click();
    } else if (cxPage->currentWidget() == cxTab2) {
        btnSearchChkClick();
    }
}

void TF_Cgth::btnSearchChkClick()
{
    RzPanel_Ghs2->hide();
    const QString s = SafeSqlText(SupplierSearchText(tGhsName->text()));
    const QString k = SafeSqlText(tchkkey2->text().trimmed());
    QString sql
        = QStringLiteral("select a.*,b.ghs_name,c.ck_name,d.u_name from jxc_thd a,jxc_ghsxx b,jxc_ckxx c,jxc_user d "
                         "where a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.th_status=0 ");
    sql += WarehouseBindingCondition(QStringLiteral("c"));
    sql += QStringLiteral(" and (b.ghs_name like '%") + s + QStringLiteral("%' or b.ghs_jm like '%") + s
        + QStringLiteral("%' or b.ghs_sn like '%") + s + QStringLiteral("%')");
    sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or c.ck_name like '%") + k
        + QStringLiteral("%' or c.ck_sn like '%") + k + QStringLiteral("%' or a.th_note like '%") + k
        + QStringLiteral("%') ");
    sql += comSort->currentIndex() == 1 ? QStringLiteral(" order by a.th_thrq desc,a.gl_djh desc,a.id desc")
                                        : QStringLiteral(" order by a.th_thrq,a.gl_djh,a.id");
    OpenQuery(Q_Shdj, sql);
    setShspList();
    if (cxPage->currentWidget() == cxTab2)
        cxGrid6View->setFocus();
}

QString TF_Cgth::SelectedPendingNo() const
{
    if (!Q_Shdj.Active() || Q_Shdj.IsEmpty())
        return QString();
    return Q_Shdj.AsString(QStringLiteral("gl_djh"));
}

void TF_Cgth::setShspList()
{
    Q_Shsp.Close();
    const QString number = SelectedPendingNo();
    for (QPushButton* b : { btnAdd, btnTab2Modi, btnDele })
        b->setEnabled(!number.isEmpty());
    if (number.isEmpty()) {
        ghsname->clear();
        return;
    }
    ghsname->setText(Q_Shdj.AsString(QStringLiteral("ghs_name")));
    Q_Shsp.SetSQL(QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs,b.g_kc,b.g_bz "
                                 "from jxc_thsp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:djh order by a.id"));
    Q_Shsp.SetParam(QStringLiteral("djh"), number);
    Q_Shsp.Open();
}

void TF_Cgth::ReopenPending(const QString& number)
{
    Q_Shdj.Requery();
    if (!number.isEmpty())
        Q_Shdj.Locate(QStringLiteral("gl_djh"), number);
    setShspList();
}

void TF_Cgth::btn_CheckClick()
{
    if (SelectedPendingNo().isEmpty() || !btn_Check->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral(
            "您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请按右键！）"))
        == Prompt::Answer::No)
        return;
    for (const DocWindow::PendingDoc& d : DocWindow::PendingRows(Q_Shdj, QStringLiteral("th_thrq"))) {
        const QString answer = CheckApproveAllowed(d.number, d.date);
        if (answer != QLatin1String("ok")) {
            Prompt::Info(answer);
            continue;
        }
        checkDj(d.number);
    }
    ReopenPending(QString());
}

void TF_Cgth::btnRCheckClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRCheck->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将审核当前选中的单据，确认吗？")) == Prompt::Answer::No)
        return;
    checkDj(number);
    ReopenPending(QString());
}

void TF_Cgth::btn_DeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) == Prompt::Answer::Yes) {
        DeletePendingReturn(number);
        ReopenPending(QString());
    }
    btnSearchChkClick();
}

void TF_Cgth::btnAddClick()
{
    if (SelectedPendingNo().isEmpty())
        return;
    // The browser takes the pending return's supplier; the entry tab keeps its own.
    const QString entrySupplier = CurrentSupplierSn;
    ActiveDocKind = QStringLiteral("cgthsh");
    FunctionWindows::Open(QStringLiteral("TF_Cgth_Add"), FunctionWindows::Lifetime::Freed);
    ActiveDocKind = QStringLiteral("cgth");
    CurrentSupplierSn = entrySupplier;
}

void TF_Cgth::btnTab2ModiClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.IsEmpty())
        return;
    const qint64 id = Q_Shsp.AsInteger(QStringLiteral("id"));
    OpenMode = QStringLiteral("cgth_modish");
    ActiveDocKind = QStringLiteral("cgthsh");
    SelectedSn = Q_Shsp.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(QStringLiteral("TF_Cgth_Sele"), FunctionWindows::Lifetime::Freed);
    Q_Shsp.LocateId(id);
    ActiveDocKind = QStringLiteral("cgth");
    OpenMode.clear();
    SelectedSn.clear();
}

void TF_Cgth::btnDeleClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    if (DeletePendingReturnLine(SelectedPendingNo(), Q_Shsp.AsInteger(QStringLiteral("id")))) {
        ReopenPending(QString());
        return;
    }
    Q_Shsp.Requery();
    updateCheckShdjYfje();
}

void TF_Cgth::updateCheckShdjYfje()
{
    RefreshPendingAmounts(doc.Kind(), SelectedPendingNo(), IsTrue(PurchasePayDefault), Q_Shdj);
}

void TF_Cgth::linkMxClick()
{
    ShowLineDetail(Q_Shsp, QStringLiteral("jxc_thspmx"));
}

void TF_Cgth::btn_DateClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btn_Date->isEnabled())
        return;
    OpenDateChange(QStringLiteral("cgjh"), number);
}

void TF_Cgth::btnSearchGhsClick()
{
    RzPanel_Ghs2->ShowFiltered(QString());
}

void TF_Cgth::tGhsNameChange()
{
    RzPanel_Ghs2->ShowFiltered(tGhsName->text());
}

void TF_Cgth::btn_Chakan2Click()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    // The preview takes the pending return's supplier; the entry tab keeps its own.
    const QString entrySupplier = CurrentSupplierSn;
    CurrentSupplierSn = Q_Shdj.AsString(QStringLiteral("ghs_sn"));
    setPrinPara(number, QStringLiteral("2"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
    CurrentSupplierSn = entrySupplier;
}

void TF_Cgth::btn_PrinClick()
{
    if (SelectedPendingNo().isEmpty() || !btn_Prin->isEnabled())
        return;
    PrintQueryReport(QStringLiteral("cgthdsh.fr3"), QStringLiteral("cgthdsh"), Q_Shdj);
}

void TF_Cgth::btn_ExportClick()
{
    ExportList(*cxGrid6View, ExportRows::OnlyWithRows);
}

void TF_Cgth::setPrinPara(const QString& number, const QString& flag)
{
    Query& rows = F_DataModule->Q_GoodsPrin;
    OpenQuery(rows, BuildColorSizePrintData(number, QStringLiteral("CT")));
    Report& r = *frxReport1;
    r.LoadFromFile(ProgramFolder::File(
        QStringLiteral("report/") + (ShowCostPrice ? QStringLiteral("cgth.fr3") : QStringLiteral("cgth2.fr3"))));
    r.SetDataset(QStringLiteral("frxDBDataset1"), &rows);
    if (flag != QLatin1String("1")) {
        SetDocPrintVars(r, number, QStringLiteral("cgth"));
        return;
    }
    r.ClearVariables();
    const QHash<QString, QString> ghs
        = FirstRowTexts(QStringLiteral("select ghs_name,ghs_lxr,ghs_tele,ghs_address from jxc_ghsxx where ghs_sn=:n"),
            CurrentSupplierSn);
    const auto money = [](const QLineEdit* e) { return QString::number(e->text().trimmed().toDouble(), 'f', 2); };
    const QList<QPair<QString, QString>> vars {
        { QStringLiteral("ghsName"), ghs.value(QStringLiteral("ghs_name")) },
        { QStringLiteral("ghsLxr"), ghs.value(QStringLiteral("ghs_lxr")) },
        { QStringLiteral("ghsTele"), ghs.value(QStringLiteral("ghs_tele")) },
        { QStringLiteral("ghsAddress"), ghs.value(QStringLiteral("ghs_address")) },
        { QStringLiteral("comName"), CompanyName },
        { QStringLiteral("comTele"), CompanyTele },
        { QStringLiteral("comLxr"), CompanyContact },
        { QStringLiteral("comNote"), CompanyNote },
        { QStringLiteral("comAddress"), CompanyAddress },
        { QStringLiteral("ckName"), comCk->currentText() },
        { QStringLiteral("jhDate"), dateCg->date().toString(QStringLiteral("yyyy-MM-dd")) },
        { QStringLiteral("Note"), tnote->text() },
        { QStringLiteral("uName"), comUser->currentText() },
        { QStringLiteral("Kmmc"), comYhzh->currentText() },
        { QStringLiteral("checker"), QString() },
        { QStringLiteral("chkrq"), QString() },
        { QStringLiteral("yf"), AmountInWords(money(tyfje)) },
        { QStringLiteral("sf"), AmountInWords(money(tsfje)) },
    };
    for (const auto& v : vars)
        r.SetVariable(v.first, v.second);
}

void TF_Cgth::btnPrin_WClick()
{
    if (!EntryHasRows())
        return;
    // The flag keeps a showing that the printer dialog might cause from preparing a
    // new document; it must not outlive the dialog, or the next showing would skip it.
    SkipNextInit = QStringLiteral("1");
    PrintOptions options;
    const bool chosen = ChoosePrinter(options);
    SkipNextInit = QStringLiteral("0");
    if (!chosen)
        return;
    setPrinPara(jsn->text(), QStringLiteral("1"));
    frxReport1->Print(options);
    F_DataModule->Q_GoodsPrin.Close();
}

void TF_Cgth::btnPrin_XClick()
{
    if (!EntryHasRows())
        return;
    setPrinPara(jsn->text(), QStringLiteral("1"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}
