// The pending tab of the sales return window and the printing of a return.
#include "sales/salesparts.h"
#include "sales/xsth.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "sales/xsthrules.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString ReturnCustomerKey(const QString& typed)
{
    const QString t = typed.trimmed();
    if (t == QStringLiteral("全部客户") || t == QStringLiteral("当前客户"))
        return QString();
    return t;
}

} // namespace

void TF_Xsth::BuildPendingTab()
{
    auto* box = new QVBoxLayout(cxTab2);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("客户名称："), cxTab2));
    tGhsName = new QLineEdit(cxTab2);
    tGhsName->setObjectName(QStringLiteral("tGhsName"));
    search->addWidget(tGhsName);
    btnSearchGhs = NamedButton(cxTab2, "btnSearchGhs", "…", search);
    btnSearchGhs->setMaximumWidth(28);
    search->addWidget(new QLabel(QStringLiteral("请输入单据相关信息进行查询："), cxTab2));
    tchkKey = new QLineEdit(cxTab2);
    tchkKey->setObjectName(QStringLiteral("tchkKey"));
    search->addWidget(tchkKey);
    btnSearch2 = NamedButton(cxTab2, "btnSearch2", "查询(F2)", search);
    search->addWidget(new QLabel(QStringLiteral("日期排列："), cxTab2));
    comSort = new QComboBox(cxTab2);
    comSort->setObjectName(QStringLiteral("comSort"));
    comSort->addItems({ QStringLiteral("顺序"), QStringLiteral("倒序") });
    search->addWidget(comSort);
    search->addStretch(1);
    box->addLayout(search);
    auto* bar = new QHBoxLayout;
    btn_ChaKan = NamedButton(cxTab2, "btn_ChaKan", "查看单据", bar);
    btn_Dele = NamedButton(cxTab2, "btn_Dele", "删除单据", bar);
    btn_Check = NamedButton(cxTab2, "btn_Check", "审核全部", bar);
    btn_Date = NamedButton(cxTab2, "btn_Date", "更改", bar);
    btn_Prin = NamedButton(cxTab2, "btn_Prin", "打印", bar);
    btn_Export = NamedButton(cxTab2, "btn_Export", "导出", bar);
    btn_Exit = NamedButton(cxTab2, "btn_Exit", "退出", bar);
    bar->addStretch(1);
    box->addLayout(bar);

    cxGrid2View = new DataGrid(cxTab2);
    cxGrid2View->setObjectName(QStringLiteral("cxGrid2View"));
    cxGrid2View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Shdj")));
    AddGridColumns(*cxGrid2View,
        { { "gl_djh", "单据号", "124" }, { "th_xsrq", "开单日期", "130" }, { "kh_name", "客户名称", "140" },
            { "ck_name", "仓库名称", "90" }, { "th_yfje", "应付金额", "80" }, { "th_sfje", "实付金额", "80" },
            { "wfje", "欠款金额", "80" }, { "th_kmmc", "结算方式", "80" }, { "u_name", "经办人", "70" },
            { "a_name", "操作员", "70" }, { "th_note", "备注", "120" } });
    cxGrid2View->SetFooterVisible(true);
    cxGrid2View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid2View, { "th_yfje", "th_sfje", "wfje" }, true);
    box->addWidget(cxGrid2View, 1);

    auto* lineBar = new QHBoxLayout;
    lineBar->addStretch(1);
    btnAdd = NamedButton(cxTab2, "btnAdd", "新增商品", lineBar);
    btnTab2Modi = NamedButton(cxTab2, "btnTab2Modi", "修改商品", lineBar);
    btnDele = NamedButton(cxTab2, "btnDele", "删除商品", lineBar);
    linkMx = NamedButton(cxTab2, "linkMx", "查看详细数量", lineBar);
    linkMx->setFlat(true);
    box->addLayout(lineBar);
    cxGrid3View = new DataGrid(cxTab2);
    cxGrid3View->setObjectName(QStringLiteral("cxGrid3View"));
    cxGrid3View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Shsp")));
    AddGridColumns(*cxGrid3View,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "50" }, { "dw_name", "单位", "50" }, { "th_cbj", "成本价", "64" },
            { "th_lsj", "零售价", "64" }, { "th_dj", "单价", "64" }, { "th_dzl", "打折率", "48" },
            { "th_sl", "数量", "56" }, { "th_zcb", "总成本", "72" }, { "th_je", "金额", "72" },
            { "th_tax", "税率", "48" }, { "th_taxdj", "含税单价", "64" }, { "th_taxje", "税额", "64" },
            { "th_zje", "总金额", "80" }, { "a_name", "操作员", "70" }, { "th_bz", "备注", "120" } });
    cxGrid3View->SetFooterVisible(true);
    cxGrid3View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid3View, { "th_sl" }, false);
    SumGridColumns(*cxGrid3View, { "th_zje", "th_je", "th_taxje", "th_zcb" }, true);
    box->addWidget(cxGrid3View);
    auto* note = new QLabel(QStringLiteral("说明：“待审核”的退货单不会使库存变化，不影响帐务，且允许修改。"
                                           "“已审核”的单据会影响帐务，且不允许修改。"),
        cxTab2);
    note->setWordWrap(true);
    box->addWidget(note);

    RzPanel_Kh2 = NewCustomerListPanel(cxTab2, cxGrid4View, chkKhAll, btnOK2, btnExit2);

    barPopupMenu2 = new QMenu(this);
    btnRCheck = barPopupMenu2->addAction(QStringLiteral("审核单据(&W)"), this, &TF_Xsth::btnRCheckClick);
    barPopupMenu2->addAction(QStringLiteral("查看单据(&X)"), this, &TF_Xsth::btn_ChaKanClick);
    barPopupMenu2->addAction(QStringLiteral("删除单据(&Y)"), this, &TF_Xsth::btn_DeleClick);
    btnRDate = barPopupMenu2->addAction(QStringLiteral("更改日期(&Z)"), this, &TF_Xsth::btn_DateClick);
    barPopupMenu2->addAction(QStringLiteral("导出Excel表(&E)"), this, &TF_Xsth::btn_ExportClick);
    connect(cxGrid2View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        if (!SelectedPendingNo().isEmpty())
            barPopupMenu2->popup(at);
    });
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setShspList(); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(cxGrid3View, &DataGrid::rowDoubleClicked, this, [this] { btnTab2ModiClick(); });
    connect(btnSearch2, &QPushButton::clicked, this, &TF_Xsth::btnSearch2Click);
    connect(comSort, &QComboBox::currentIndexChanged, this, &TF_Xsth::btnSearch2Click);
    connect(btn_Check, &QPushButton::clicked, this, &TF_Xsth::btn_CheckClick);
    connect(btn_Dele, &QPushButton::clicked, this, &TF_Xsth::btn_DeleClick);
    connect(btn_Date, &QPushButton::clicked, this, &TF_Xsth::btn_DateClick);
    connect(btn_Export, &QPushButton::clicked, this, &TF_Xsth::btn_ExportClick);
    connect(btn_ChaKan, &QPushButton::clicked, this, &TF_Xsth::btn_ChaKanClick);
    connect(btn_Prin, &QPushButton::clicked, this, &TF_Xsth::btn_PrinClick);
    connect(btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    connect(btnAdd, &QPushButton::clicked, this, &TF_Xsth::btnAddClick);
    connect(btnTab2Modi, &QPushButton::clicked, this, &TF_Xsth::btnTab2ModiClick);
    connect(btnDele, &QPushButton::clicked, this, &TF_Xsth::btnDeleClick);
    connect(linkMx, &QPushButton::clicked, this, &TF_Xsth::linkMxClick);
    connect(btnSearchGhs, &QPushButton::clicked, this, &TF_Xsth::btnSearchGhsClick);
    connect(tGhsName, &QLineEdit::textEdited, this, &TF_Xsth::tGhsNameChange);
    connect(chkKhAll, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            chkKhAllClick();
    });
    connect(btnOK2, &QPushButton::clicked, this, &TF_Xsth::btnOK2Click);
    connect(btnExit2, &QPushButton::clicked, this, &TF_Xsth::btnExit2Click);
    connect(cxGrid4View, &DataGrid::rowDoubleClicked, this, [this] { btnOK2Click(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });
    for (QLineEdit* e : { tGhsName, tchkKey })
        DiscardSearchPunctuation(e);
}

void TF_Xsth::cxPageChange()
{
    RzPanel_Kh2->hide();
    if (cxPage->currentWidget() == cxTab2)
        btnSearch2Click();
    else if (cxPage->currentWidget() == cxTab3)
        btnSearch3Click();
}

void TF_Xsth::btnSearch2Click()
{
    const QString k = SafeSqlText(ReturnCustomerKey(tGhsName->text()));
    const QString d = SafeSqlText(tchkKey->text().trimmed());
    QString sql = QStringLiteral(
        "select a.*,a.th_yfje-a.th_sfje as wfje,b.kh_name,c.ck_name,d.u_name from jxc_xsthd a,jxc_khxx b,"
        "jxc_ckxx c,jxc_user d where a.kh_sn=b.kh_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.th_status=0 ");
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        sql += QStringLiteral(" and c.ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%' ");
    sql += QStringLiteral(" and (b.kh_name like '%") + k + QStringLiteral("%' or b.kh_sn like '%") + k
        + QStringLiteral("%' or b.kh_jm like '%") + k + QStringLiteral("%') and (a.gl_djh like '%") + d
        + QStringLiteral("%' or c.ck_name like '%") + d + QStringLiteral("%' or c.ck_sn like '%") + d
        + QStringLiteral("%' or a.th_note like '%") + d + QStringLiteral("%')");
    sql += comSort->currentIndex() == 1 ? QStringLiteral(" order by a.th_xsrq desc,a.gl_djh desc,a.id desc")
                                        : QStringLiteral(" order by a.th_xsrq,a.gl_djh,a.id");
    OpenQuery(Q_Shdj, sql);
    setShspList();
    if (cxPage->currentWidget() == cxTab2)
        cxGrid2View->setFocus();
}

QString TF_Xsth::SelectedPendingNo() const
{
    if (!Q_Shdj.Active() || Q_Shdj.RecordCount() == 0)
        return QString();
    return Q_Shdj.AsString(QStringLiteral("gl_djh"));
}

void TF_Xsth::setShspList()
{
    Q_Shsp.Close();
    const QString number = SelectedPendingNo();
    if (number.isEmpty()) {
        for (QPushButton* b : { btnAdd, btnTab2Modi, btnDele })
            b->setEnabled(false);
        return;
    }
    Q_Shsp.SetSQL(QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs,b.g_kc,b.g_bz "
                                 "from jxc_xsthsp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:djh order by a.id"));
    Q_Shsp.SetParam(QStringLiteral("djh"), number);
    Q_Shsp.Open();
    const bool hasLines = Q_Shsp.RecordCount() > 0;
    btnAdd->setEnabled(hasLines);
    btnTab2Modi->setEnabled(hasLines);
    btnDele->setEnabled(hasLines);
}

void TF_Xsth::ReopenPending(const QString& number)
{
    Q_Shdj.Requery();
    if (!number.isEmpty())
        Q_Shdj.Locate(QStringLiteral("gl_djh"), number);
    setShspList();
}

void TF_Xsth::updateCheckShdjYfje()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    UpdateReturnPendingAmounts(number);
    Q_Shdj.Requery();
    Q_Shdj.Locate(QStringLiteral("gl_djh"), number);
}

void TF_Xsth::btnAddClick()
{
    if (SelectedPendingNo().isEmpty() || !btnAdd->isEnabled())
        return;
    const QString number = SelectedPendingNo();
    ActiveDocKind = QStringLiteral("xsthsh");
    FunctionWindows::Open(QStringLiteral("TF_Xsth_Add"), FunctionWindows::Lifetime::Kept);
    ActiveDocKind = QStringLiteral("xsth");
    ReopenPending(number);
}

void TF_Xsth::btnTab2ModiClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.IsEmpty())
        return;
    const int row = cxGrid3View->CurrentRow();
    if (row >= 0)
        Q_Shsp.SetRecNo(cxGrid3View->SourceRow(row));
    const qint64 id = Q_Shsp.AsInteger(QStringLiteral("id"));
    OpenMode = QStringLiteral("xsth_modish");
    ActiveDocKind = QStringLiteral("xsthsh");
    SelectedSn = Q_Shsp.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(QStringLiteral("TF_Xsth_Sele"), FunctionWindows::Lifetime::Freed);
    if (Q_Shsp.Active())
        Q_Shsp.LocateId(id);
    ActiveDocKind = QStringLiteral("xsth");
    OpenMode.clear();
    SelectedSn.clear();
}

void TF_Xsth::btnDeleClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.RecordCount() == 0)
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    const int row = cxGrid3View->CurrentRow();
    if (row >= 0)
        Q_Shsp.SetRecNo(cxGrid3View->SourceRow(row));
    const QString number = SelectedPendingNo();
    const bool gone = DeleteReturnPendingLine(number, Q_Shsp.AsInteger(QStringLiteral("id")));
    ReopenPending(gone ? QString() : number);
}

void TF_Xsth::linkMxClick()
{
    ShowDetailQuantities(Q_Shsp);
}

void TF_Xsth::ShowDetailQuantities(Query& rows)
{
    if (!rows.Active() || rows.RecordCount() == 0 || rows.AsString(QStringLiteral("tid")).isEmpty())
        return;
    AuxTag = QStringLiteral("jxc_xsthspmx");
    SelectedSn = rows.AsString(QStringLiteral("g_sn"));
    SelectedLineId = rows.AsString(QStringLiteral("tid"));
    FunctionWindows::Open(QStringLiteral("TF_Detail"), FunctionWindows::Lifetime::Freed);
    AuxTag.clear();
    SelectedSn.clear();
    SelectedLineId.clear();
}

void TF_Xsth::btn_DeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) == Prompt::Answer::No)
        return;
    DeletePendingSalesReturn(number);
    ReopenPending(QString());
}

void TF_Xsth::btn_DateClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btn_Date->isEnabled())
        return;
    DateEditCaller = QStringLiteral("cgjh");
    DateEditDocNo = number;
    FunctionWindows::Open(QStringLiteral("TF_ModiDateXs"), FunctionWindows::Lifetime::Freed);
    DateEditCaller.clear();
    DateEditDocNo.clear();
    ReopenPending(number);
}

void TF_Xsth::btn_ExportClick()
{
    ExportList(*cxGrid2View, ExportRows::OnlyWithRows);
}

void TF_Xsth::btn_ChaKanClick()
{
    ViewStoredDocument(SelectedPendingNo());
}

void TF_Xsth::btn_PrinClick()
{
    if (!btn_Prin->isEnabled() || SelectedPendingNo().isEmpty())
        return;
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/xsthdsh.fr3")));
    report.SetDataset(QStringLiteral("xsthdsh"), &Q_Shdj);
    SetCompanyPrintVars(report);
    report.ShowReport();
}

void TF_Xsth::btn_CheckClick()
{
    if (!btn_Check->isEnabled() || SelectedPendingNo().isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请"
                                     "按右键！）"))
        == Prompt::Answer::No)
        return;
    doc.ApproveAll(DocWindow::PendingRows(Q_Shdj, QStringLiteral("th_xsrq")), this);
    ReopenPending(QString());
}

void TF_Xsth::btnRCheckClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRCheck->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将审核当前选中的单据，确认吗？")) == Prompt::Answer::No)
        return;
    checkDj(number, Q_Shdj.AsString(QStringLiteral("a_name")));
    ReopenPending(QString());
}

void TF_Xsth::tGhsNameChange()
{
    chkKhAll->setChecked(false);
    KhFilter(*cxGrid4View, ReturnCustomerKey(tGhsName->text()));
    RzPanel_Kh2->show();
    RzPanel_Kh2->raise();
}

void TF_Xsth::btnSearchGhsClick()
{
    chkKhAll->setChecked(false);
    KhFilter(*cxGrid4View, QString());
    RzPanel_Kh2->show();
    RzPanel_Kh2->raise();
}

void TF_Xsth::btnOK2Click()
{
    const int row = cxGrid4View->CurrentRow();
    if (cxGrid4View->RowCount() == 0 || row < 0)
        return;
    const QString name = cxGrid4View->Value(row, QStringLiteral("kh_name")).toString();
    RzPanel_Kh2->hide();
    {
        const QSignalBlocker quiet(tGhsName);
        tGhsName->setText(name);
    }
    btnSearch2Click();
}

void TF_Xsth::btnExit2Click()
{
    RzPanel_Kh2->hide();
}

void TF_Xsth::chkKhAllClick()
{
    {
        const QSignalBlocker quiet(tGhsName);
        tGhsName->setText(QStringLiteral("全部客户"));
    }
    RzPanel_Kh2->hide();
    cxGrid2View->ClearFilter();
}

void TF_Xsth::setPrinPara(const QString& number, const QString& flag)
{
    Query& rows = F_DataModule->Q_GoodsPrin;
    const QString sql = BuildColorSizePrintData(number, QStringLiteral("XT"));
    if (!sql.isEmpty())
        OpenQuery(rows, sql);
    frxReport1->LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + SalesReturnTemplate));
    frxReport1->SetDataset(QStringLiteral("frxDBDataset1"), &rows);
    if (flag != QLatin1String("1")) {
        SetDocPrintVars(*frxReport1, number, QStringLiteral("xsth"));
        return;
    }
    Report& r = *frxReport1;
    r.ClearVariables();
    SetCompanyPrintVars(r);
    SetCustomerPrintVars(r, CurrentCustomerSn);
    r.SetVariable(QStringLiteral("khName"), tkh->text().trimmed());
    QString balance = GetLedgerBalance(CurrentCustomerSn, QStringLiteral("kh"));
    if (balance.isEmpty())
        balance = QStringLiteral("0");
    const double due = tyfje->text().trimmed().toDouble();
    const double paid = tssje->text().trimmed().toDouble();
    const QList<QPair<const char*, QString>> vars { { "ckName", comCk->currentText() }, { "jhDate", DocDate() },
        { "Note", tnote->text() }, { "uName", comUser->currentText() }, { "Kmmc", comYhzh->currentText() },
        { "aName", CurrentAdminName }, { "checker", QString() }, { "chkrq", QString() },
        { "yf", PrintAmountWords(due) }, { "sf", PrintAmountWords(paid) }, { "khqk", balance },
        { "ljqkje", PrintNumber(balance.toDouble() - due + paid) } };
    for (const auto& [name, value] : vars)
        r.SetVariable(QLatin1String(name), value);
}

void TF_Xsth::btnPrin_WClick()
{
    if (!EntryHasRows())
        return;
    PrintOptions options;
    SkipNextActivation = QStringLiteral("1");
    if (!ChoosePrinter(options)) {
        SkipNextActivation = QStringLiteral("0");
        return;
    }
    setPrinPara(DocNumber(), QStringLiteral("1"));
    frxReport1->Print(options);
    F_DataModule->Q_GoodsPrin.Close();
    btnModi->setVisible(true);
    btnDel->setVisible(true);
    btnPrin->setVisible(!IsTrue(NoPrintBeforeSave));
}

void TF_Xsth::btnPrin_XClick()
{
    if (!EntryHasRows())
        return;
    setPrinPara(DocNumber(), QStringLiteral("1"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}

void TF_Xsth::ViewStoredDocument(const QString& number)
{
    if (number.isEmpty())
        return;
    setPrinPara(number, QStringLiteral("2"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}
