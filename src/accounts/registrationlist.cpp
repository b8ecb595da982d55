#include "accounts/registrationlist.h"

#include "accounts/dialogparts.h"
#include "accounts/registrationops.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/lookups.h"
#include "foundation/moneywords.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/longrun.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

RegistrationList::RegistrationList(
    const RegistrationKind& kind, const char* objectName, const QString& caption, QWidget* parent)
    : Form(parent), kind_(kind)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    SetEscCloses(false);
    // The period and filters go back to their start after every dialog and preview.
    SetReactivateAfterModal(true);

    btn_Add = MakeAccountsButton(this, "btn_Add", QStringLiteral("增加"));
    btn_Modi = MakeAccountsButton(this, "btn_Modi", QStringLiteral("修改"));
    btn_Dele = MakeAccountsButton(this, "btn_Dele", QStringLiteral("删除"));
    btn_Check = MakeAccountsButton(this, "btn_Check", QStringLiteral("审核全部"));
    btn_ChaKan = MakeAccountsButton(this, "btn_ChaKan", QStringLiteral("查看单据"));
    btn_Prin = MakeAccountsButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Export = MakeAccountsButton(this, "btn_Export", QStringLiteral("导出"));
    btn_Exit = MakeAccountsButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* toolbar = new QHBoxLayout;
    for (QPushButton* b : { btn_Add, btn_Modi, btn_Dele, btn_Check, btn_ChaKan, btn_Prin, btn_Export, btn_Exit })
        toolbar->addWidget(b);
    toolbar->addStretch(1);

    const PartnerSearchRow row
        = MakePartnerSearchRow(this, kind.customers, "tdate11", "tdate12", [this] { btnSearch1Click(); });
    tdate11 = row.from;
    tdate12 = row.to;
    btnMenu = row.presets;
    tPartnerName = row.partner;
    btnGhsSele = row.pick;
    tDocKey = row.key;
    btnSearch1 = row.search;

    cxGrid1View = new DataGrid(this);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("Q_Yskdj")));
    const QString partnerCaption = kind.customers ? QStringLiteral("客户名称") : QStringLiteral("供货商名称");
    const int colNo = cxGrid1View->AddColumn(QStringLiteral("gl_djh"), QStringLiteral("单据编号"), 110);
    cxGrid1View->AddColumn(QStringLiteral("k_rq"), QStringLiteral("开单日期"), 110);
    cxGrid1View->AddColumn(kind.PartnerName(), partnerCaption, 160);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    QList<int> amountColumns;
    if (kind.money) {
        amountColumns << cxGrid1View->AddColumn(QStringLiteral("k_sfje"), kind.noun + QStringLiteral("金额"), 90, right)
                      << cxGrid1View->AddColumn(QStringLiteral("k_mlje"), QStringLiteral("抹零金额"), 80, right);
        cxGrid1View->AddColumn(QStringLiteral("k_fkfs"), kind.noun + QStringLiteral("方式"), 90);
    } else {
        amountColumns << cxGrid1View->AddColumn(
            QStringLiteral("k_yfje"), kind.noun.left(2) + QStringLiteral("金额"), 90, right);
    }
    const int colCheck = cxGrid1View->AddColumn(QStringLiteral("k_check"), QStringLiteral("审核"), 44);
    cxGrid1View->SetCheckColumn(colCheck, false);
    cxGrid1View->SetColumnEditable(colCheck, false);
    cxGrid1View->AddColumn(QStringLiteral("u_name"), QStringLiteral("经办人"), 70);
    cxGrid1View->AddColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 70);
    cxGrid1View->AddColumn(QStringLiteral("k_note"), QStringLiteral("备注"), 180);
    if (kind.money) {
        const int hidden = cxGrid1View->AddColumn(QStringLiteral("k_yfje"), QStringLiteral("应收金额"), 80, right);
        cxGrid1View->SetColumnVisible(hidden, false);
        amountColumns << hidden;
    }
    cxGrid1View->SetFooterVisible(true);
    SetRecordCount(*cxGrid1View, colNo);
    for (int c : amountColumns)
        cxGrid1View->SetFooterSum(c);
    cxGrid1View->SetAutoColumnWidth(true);

    partnerPanel
        = new PartnerPanel(this, kind.customers ? PartnerPanel::Side::Customers : PartnerPanel::Side::Suppliers,
            tPartnerName, PickedPartner(), [this] { btnSearch1Click(); });

    PopupMenu1 = new QMenu(this);
    mnuAdd = PopupMenu1->addAction(QStringLiteral("增加(&W)"));
    mnuModi = PopupMenu1->addAction(QStringLiteral("修改(&X)"));
    mnuDele = PopupMenu1->addAction(QStringLiteral("删除(&Y)"));
    btnRCheck = PopupMenu1->addAction(QStringLiteral("审核(&Z)"));

    auto* root = new QVBoxLayout(this);
    root->addLayout(toolbar);
    root->addLayout(row.layout);
    root->addWidget(cxGrid1View, 1);
    resize(900, 520);

    connect(btn_Add, &QPushButton::clicked, this, [this] { btn_AddClick(); });
    connect(btn_Modi, &QPushButton::clicked, this, [this] { btn_ModiClick(); });
    connect(btn_Dele, &QPushButton::clicked, this, [this] { btn_DeleClick(); });
    connect(btn_Check, &QPushButton::clicked, this, [this] { btn_CheckClick(); });
    connect(btn_ChaKan, &QPushButton::clicked, this, [this] { btn_ChaKanClick(); });
    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(btnGhsSele, &QToolButton::clicked, this, [this] { partnerPanel->Open(); });
    connect(mnuAdd, &QAction::triggered, this, [this] { btn_AddClick(); });
    connect(mnuModi, &QAction::triggered, this, [this] { btn_ModiClick(); });
    connect(mnuDele, &QAction::triggered, this, [this] { btn_DeleClick(); });
    connect(btnRCheck, &QAction::triggered, this, [this] { btnRCheckClick(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btn_ModiClick(); });
    connect(cxGrid1View, &DataGrid::rightClicked, this, [this](const QPoint& at) { cxGrid1ViewMouseUp(at); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

Query& RegistrationList::List() const
{
    return F_DataModule->Q(QStringLiteral("Q_Yskdj"));
}

QString& RegistrationList::PickedPartner() const
{
    return kind_.customers ? CurrentCustomerSn : CurrentSupplierSn;
}

void RegistrationList::FormActivate()
{
    ApplyFontSize(FontSize);
    partnerPanel->Reset();
    SetPeriod(tdate11, tdate12, CurrentMonth(Clock::Today()));
    // The receipts list keeps its number/remark filter; the others start empty.
    if (kind_.prefix != QLatin1String("SK"))
        tDocKey->clear();
    if (kind_.customers)
        OpenCustomerList(QStringLiteral("0"));
    else
        OpenSupplierList(QStringLiteral("0"));
    btnSearch1Click();
    btn_Check->setEnabled(HasRight(QStringLiteral("wlzk"), kind_.approveRight));
    SetAmountFormats({ { cxGrid1View, QStringLiteral("k_yfje") }, { cxGrid1View, QStringLiteral("k_sfje") },
        { cxGrid1View, QStringLiteral("k_mlje") } });
}

void RegistrationList::FormClose()
{
    F_DataModule->Q(kind_.customers ? QStringLiteral("Q_Khxx") : QStringLiteral("Q_Ghsxx")).Close();
    List().Close();
}

void RegistrationList::done(int result)
{
    FormClose();
    Form::done(result);
}

void RegistrationList::btnSearch1Click()
{
    partnerPanel->hide();
    cxGrid1View->ClearFilter();
    cxGrid1View->SetFilterActive(false);
    const QString table = kind_.PartnerTable();
    const QString p = kind_.customers ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    QString partners = table + QStringLiteral(" c ");
    if (IsTrue(BindPartnersWarehouse) && CurrentRoleSn != QLatin1String("100001"))
        partners = QStringLiteral("(select distinct m.* from ") + table
            + QStringLiteral(" m,jxc_ckxx n where (m.ck_sn=n.ck_sn or m.ck_sn='-1') and m.") + p
            + QStringLiteral("forbid=0 and n.ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%') c ");
    QString sql = QStringLiteral("select a.*,b.u_name,c.") + kind_.PartnerName()
        + QStringLiteral(" from jxc_ysyfk_dj a,jxc_user b,") + partners
        + QStringLiteral("where a.u_sn=b.u_sn and a.k_ghskh=c.") + kind_.PartnerCode()
        + QStringLiteral(" and a.k_djlx='") + kind_.prefix + QStringLiteral("' and ")
        + PeriodCondition(QStringLiteral("a.k_rq"), tdate11->date(), tdate12->date());
    const QString partner = partnerPanel->SearchCode();
    if (!tPartnerName->text().trimmed().isEmpty())
        sql += QStringLiteral(" and a.k_ghskh='") + SafeSqlText(partner) + QLatin1Char('\'');
    const QString key = SafeSqlText(tDocKey->text().trimmed());
    if (!key.isEmpty())
        sql += QStringLiteral(" and (a.gl_djh like '%") + key + QStringLiteral("%' or a.k_note like '%") + key
            + QStringLiteral("%') ");
    OpenQuery(List(), sql + QStringLiteral(" order by a.id desc"));
}

void RegistrationList::btn_AddClick()
{
    if (PickedPartner().isEmpty()) {
        Prompt::Info(kind_.NoPartnerText());
        return;
    }
    OpenMode = QStringLiteral("add");
    bool printAfter = false;
    RunDialog(printAfter);
    const QString number = OpenMode;
    OpenMode.clear();
    if (number.isEmpty() || number == QLatin1String("add"))
        return;
    if (IsTrue(ApproveOnSave))
        checkDJ(number);
    if (printAfter)
        prinDj(number);
}

void RegistrationList::btn_ModiClick()
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    if (q.AsInteger(QStringLiteral("k_check")) != 0) {
        Prompt::Info(QStringLiteral("该单据已审核，不能修改！"));
        return;
    }
    const QString number = q.AsString(QStringLiteral("gl_djh"));
    OpenMode = QStringLiteral("modi");
    bool printAfter = false;
    RunDialog(printAfter);
    OpenMode.clear();
    if (printAfter)
        prinDj(number);
}

void RegistrationList::btn_DeleClick()
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    if (q.AsInteger(QStringLiteral("k_check")) != 0) {
        Prompt::Info(QStringLiteral("该单据已审核，不能删除！"));
        return;
    }
    if (Prompt::YesNo(kind_.askDelete) == Prompt::Answer::No)
        return;
    DeleteRegistration(kind_, q.AsInteger(QStringLiteral("id")));
    btnSearch1Click();
}

void RegistrationList::btnRCheckClick()
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    if (q.AsInteger(QStringLiteral("k_check")) != 0) {
        unCheck();
        return;
    }
    if (Prompt::YesNo(kind_.AskApprove()) == Prompt::Answer::No)
        return;
    checkDJ(q.AsString(QStringLiteral("gl_djh")));
}

void RegistrationList::checkDJ(const QString& number)
{
    ApproveRegistration(kind_, number);
    if (List().Active())
        List().Requery();
}

void RegistrationList::unCheck()
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    const QString number = q.AsString(QStringLiteral("gl_djh"));
    const bool approved = q.AsInteger(QStringLiteral("k_check")) != 0;
    // Receipts and payments ask first, also for a pending row; registrations only
    // ask about an approved one.
    if ((kind_.money || approved) && Prompt::YesNo(kind_.AskCancel()) == Prompt::Answer::No)
        return;
    CancelRegistration(kind_, number);
    q.Requery();
}

void RegistrationList::btn_CheckClick()
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    if (Prompt::YesNo(
            QStringLiteral("您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n如需审核某个单据，请按右键！"))
        != Prompt::Answer::Yes)
        return;
    const int listed = q.RecordCount();
    QStringList pending;
    const int number = q.FieldIndex(QStringLiteral("gl_djh"));
    const int check = q.FieldIndex(QStringLiteral("k_check"));
    for (int row = 0; row < listed; ++row)
        if (ValueNumber(q.ValueAt(row, check)) == 0)
            pending << q.TextAt(row, number);
    int approved = 0;
    RunWithProgress(this, QStringLiteral("正在审核单据..."), pending.size(),
        [&](const std::function<void(int)>& step) { approved = ApproveRegistrations(kind_, pending, step); });
    q.Requery();
    Prompt::Info(ApproveAllMessage(listed, approved));
}

void RegistrationList::btn_ChaKanClick()
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    prinDj(q.AsString(QStringLiteral("gl_djh")));
}

void RegistrationList::prinDj(const QString& number)
{
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + kind_.docTemplate + QStringLiteral(".fr3")));
    Query& rows = F_DataModule->Q_GoodsPrin;
    OpenWithParams(rows,
        QStringLiteral("select a.*,b.u_name,c.") + kind_.PartnerName()
            + QStringLiteral(" from jxc_ysyfk_dj a,jxc_user b,") + kind_.PartnerTable()
            + QStringLiteral(" c where a.u_sn=b.u_sn and a.k_ghskh=c.") + kind_.PartnerCode()
            + QStringLiteral(" and a.gl_djh=:n"),
        { { QStringLiteral("n"), number } });
    const double amount = rows.IsEmpty() ? 0 : rows.AsFloat(kind_.AmountColumn());
    report.SetDataset(QStringLiteral("ysyfkd"), &rows);
    report.SetVariable(QStringLiteral("comName"), CompanyName);
    report.SetVariable(
        QStringLiteral("ysyfje"), NumberText(posting::RoundUp(PrintedBalance(kind_, number), AmountDecimals)));
    report.SetVariable(QStringLiteral("yf"), AmountInWords(QString::number(amount, 'f', 2)));
    report.ShowReport();
    rows.Close();
}

void RegistrationList::btn_PrinClick()
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    PrintSearchedList(kind_.listTemplate, q, tdate11->date(), tdate12->date());
}

void RegistrationList::btn_ExportClick()
{
    ExportList(*cxGrid1View);
}

void RegistrationList::cxGrid1ViewMouseUp(const QPoint& at)
{
    Query& q = List();
    if (!q.Active() || q.IsEmpty())
        return;
    const bool approved = q.AsInteger(QStringLiteral("k_check")) != 0;
    mnuModi->setEnabled(!approved);
    mnuDele->setEnabled(!approved);
    btnRCheck->setEnabled(btn_Check->isEnabled());
    btnRCheck->setText(approved ? QStringLiteral("取消审核(&Z)") : QStringLiteral("审核(&Z)"));
    PopupWhenRows(PopupMenu1, *cxGrid1View, at);
}

bool RegistrationList::FormKeyDown(int key)
{
    return PartnerListKey(this, partnerPanel, key, [this] { btnSearch1Click(); });
}
