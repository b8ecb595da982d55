#include "masterdata/pickers.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickerscallers.h"
#include "masterdata/pickersform.h"
#include "masterdata/user.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "foundation/keypreview.h"

std::optional<QString> HandlerFlagForTag(const QString& tag)
{
    static const QHash<QString, QString> flags { { QStringLiteral("jh"), QStringLiteral("u_cg") },
        { QStringLiteral("th"), QStringLiteral("u_cg") }, { QStringLiteral("cgd"), QStringLiteral("u_cg") },
        { QStringLiteral("xs"), QStringLiteral("u_xs") }, { QStringLiteral("xsth"), QStringLiteral("u_xs") },
        { QStringLiteral("spdd"), QStringLiteral("u_xs") }, { QStringLiteral("kcdb"), QStringLiteral("u_kc") },
        { QStringLiteral("bsby"), QStringLiteral("u_kc") }, { QStringLiteral("kcpd"), QStringLiteral("u_kc") },
        { QStringLiteral("scrk"), QStringLiteral("u_cg") }, { QStringLiteral("sctk"), QStringLiteral("u_cg") },
        { QStringLiteral("bmly"), QString() }, { QStringLiteral("bmth"), QString() } };
    const auto it = flags.find(tag);
    if (it == flags.end())
        return std::nullopt;
    return it.value();
}

void AnswerHandler(const QString& tag, const QString& chosenName)
{
    const std::optional<QString> flag = HandlerFlagForTag(tag);
    KeyedCombo* comUser = PickerCallers::HandlerCombo(tag);
    if (!flag || !comUser)
        return;
    const bool salesman = tag == QLatin1String("xs") || tag == QLatin1String("xsth") || tag == QLatin1String("spdd");
    if (salesman && BindSalesmanCustomer == QLatin1String("1")) {
        FillSalesmanCombo(*comUser, QStringLiteral("u_name"), QStringLiteral("u_sn"));
        return;
    }
    FillStaffCombo(*comUser, *flag);
    comUser->setCurrentIndex(chosenName.isEmpty() ? -1 : comUser->findText(chosenName, Qt::MatchExactly));
}

void AnswerRemark(const QString& tag, const QString& text)
{
    const bool stock = tag == QLatin1String("kcdb") || tag == QLatin1String("bsby") || tag == QLatin1String("kcpd");
    QLineEdit* tnote = PickerCallers::RemarkEdit(tag);
    if (stock || !tnote || !HandlerFlagForTag(tag))
        return;
    tnote->setText(text);
}

TF_User2::TF_User2(QWidget* parent) : Form(parent), Q_User(F_DataModule->Q(QStringLiteral("Q_User")))
{
    setObjectName(QStringLiteral("TF_User2"));
    setWindowTitle(QStringLiteral("选择经办人"));
    resize(760, 440);
    auto* box = new QVBoxLayout(this);
    tkey = AddSearchLine(
        box, this, QStringLiteral("请输入员工信息查询："), QStringLiteral("查询"), [this] { searchKeys(); });
    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_User")));
    const char* const columns[][3]
        = { { "u_name", "员工姓名", "90" }, { "u_duty", "所任职务", "80" }, { "u_tc", "提成比例", "70" },
              { "u_tele", "联系电话", "100" }, { "u_address", "联系地址", "160" }, { "u_note", "备注", "120" } };
    for (const auto& c : columns)
        cxGrid->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    cxGrid->SetColumnFormat(cxGrid->ColumnByField(QStringLiteral("u_tc")), QStringLiteral("0.00%;-0.00%"));
    cxGrid->SetFooterVisible(true);
    box->addWidget(cxGrid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnAdd = AddButton(buttons, this, QStringLiteral("添加(F8)"), [this] { btnAddClick(); });
    btnModi = AddButton(buttons, this, QStringLiteral("修改(F9)"), [this] { btnModiClick(); });
    btnOK = AddButton(buttons, this, QStringLiteral("确定(F5)"), [this] { btnOKClick(); });
    btnCancel = AddButton(buttons, this, QStringLiteral("取消(Esc)"), [this] { close(); });
    box->addLayout(buttons);
    connect(tkey, &QLineEdit::textChanged, this, &TF_User2::searchKeys);
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnOKClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        switch (e->key()) {
        case Qt::Key_F5:
            btnOKClick();
            return true;
        case Qt::Key_F8:
            if (btnAdd->isVisible())
                btnAddClick();
            return true;
        case Qt::Key_F9:
            if (btnModi->isVisible())
                btnModiClick();
            return true;
        default:
            return false;
        }
    });
}

void TF_User2::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_User2::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Q_User.Close();
    Q_User.ClearParams();
    Q_User.SetSQL(StaffListSql(true));
    Q_User.Open();
    const bool mayEdit = HasRight(QStringLiteral("qtcz"), 4);
    btnAdd->setVisible(mayEdit);
    btnModi->setVisible(mayEdit);
    UpdateFooter();
}

void TF_User2::FormClose()
{
    Q_User.Close();
}

void TF_User2::UpdateFooter()
{
    cxGrid->SetFooterCount(cxGrid->ColumnByField(QStringLiteral("u_name")), QStringLiteral("合计人数："));
}

void TF_User2::searchKeys()
{
    FilterGridByText(*cxGrid, tkey->text().trimmed(), StaffSearchFields());
    UpdateFooter();
}

void TF_User2::btnAddClick()
{
    TF_User_Add dialog(this);
    Prompt::ShowModal(&dialog);
    UpdateFooter();
}

void TF_User2::btnModiClick()
{
    if (!Q_User.Active() || cxGrid->RowCount() == 0)
        return;
    TF_User_Modi dialog(this);
    Prompt::ShowModal(&dialog);
    UpdateFooter();
}

void TF_User2::btnOKClick()
{
    const bool chosen = Q_User.Active() && cxGrid->RowCount() > 0 && cxGrid->CurrentRow() >= 0;
    AnswerHandler(PickerCaller, chosen ? Q_User.AsString(QStringLiteral("u_name")) : QString());
    close();
}

TF_Djbz::TF_Djbz(QWidget* parent)
    : Form(parent), Q_Djbz(F_DataModule->Q(QStringLiteral("Q_Djbz"))),
      Q_DjbzLs(F_DataModule->Q(QStringLiteral("Q_DjbzLs")))
{
    setObjectName(QStringLiteral("TF_Djbz"));
    setWindowTitle(QStringLiteral("单据备注信息设置"));
    resize(560, 420);
    auto* box = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    pages->setTabPosition(QTabWidget::South);
    cxGrid = new DataGrid(pages);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Djbz")));
    cxGrid->AddColumn(QStringLiteral("dj_sn"), QStringLiteral("编号"), 80);
    cxGrid->AddColumn(QStringLiteral("dj_name"), QStringLiteral("内容"), 360);
    cxGridLs = new DataGrid(pages);
    cxGridLs->setObjectName(QStringLiteral("cxGridLs"));
    cxGridLs->SetDataSource(&F_DataModule->D(QStringLiteral("D_DjbzLs")));
    cxGridLs->AddColumn(QStringLiteral("j_note"), QStringLiteral("内容"), 440);
    cxGridLs->SetRowIndicator(true);
    pages->addTab(cxGrid, QStringLiteral("单据常用备注信息"));
    pages->addTab(cxGridLs, QStringLiteral("单据备注录入历史"));
    box->addWidget(pages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    AddButton(buttons, this, QStringLiteral("新增"), [this] { btnAddClick(); });
    AddButton(buttons, this, QStringLiteral("修改"), [this] { btnModiClick(); });
    AddButton(buttons, this, QStringLiteral("删除"), [this] { btnDeleClick(); });
    AddButton(buttons, this, QStringLiteral("确定"), [this] { btnOKClick(); });
    AddButton(buttons, this, QStringLiteral("取消"), [this] { close(); });
    box->addLayout(buttons);
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnOKClick(); });
}

void TF_Djbz::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_Djbz::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    pages->setCurrentIndex(0);
    OpenQuery(Q_Djbz, QStringLiteral("select *  from jxc_djbz order by id"));
    OpenQuery(Q_DjbzLs, QStringLiteral("select j_note from jxc_jhd where j_note<>'' order by id limit 10"));
}

void TF_Djbz::FormClose()
{
    Q_Djbz.Close();
    Q_DjbzLs.Close();
}

void TF_Djbz::btnAddClick()
{
    TF_Djbz_Add dialog(this);
    dialog.btnFlag = QStringLiteral("1");
    Prompt::ShowModal(&dialog);
}

void TF_Djbz::btnModiClick()
{
    if (!Q_Djbz.Active() || Q_Djbz.IsEmpty())
        return;
    TF_Djbz_Add dialog(this);
    dialog.btnFlag = QStringLiteral("2");
    Prompt::ShowModal(&dialog);
}

void TF_Djbz::btnDeleClick()
{
    if (!Q_Djbz.Active() || Q_Djbz.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前备注信息吗！")) == Prompt::Answer::Yes)
        Q_Djbz.Delete();
}

void TF_Djbz::btnOKClick()
{
    QString text;
    if (pages->currentIndex() == 0) {
        if (Q_Djbz.Active() && !Q_Djbz.IsEmpty())
            text = Q_Djbz.AsString(QStringLiteral("dj_name"));
    } else if (Q_DjbzLs.Active() && !Q_DjbzLs.IsEmpty()) {
        text = Q_DjbzLs.AsString(QStringLiteral("j_note"));
    }
    AnswerRemark(PickerCaller, text);
    close();
}

QString RemarkSaveRefusal(const QString& text, const QString& mode, const QString& currentSn)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return kRemarkMissing;
    QString sql = QStringLiteral("select dj_name from jxc_djbz where dj_name=:t");
    SqlParams params { { "t", SafeSqlText(t) } };
    if (mode != QLatin1String("1")) {
        sql += QStringLiteral(" and dj_sn<>:sn");
        params.insert(QStringLiteral("sn"), currentSn);
    }
    return ScalarBound(sql, params).isEmpty() ? QString() : kRemarkTaken;
}

TF_Djbz_Add::TF_Djbz_Add(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Djbz_Add"));
    auto* box = new QVBoxLayout(this);
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(64);
    DiscardSearchPunctuation(tname);
    box->addWidget(tname);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    AddButton(buttons, this, QStringLiteral("保存(F5)"), [this] { btnSaveClick(); });
    AddButton(buttons, this, QStringLiteral("退出(Esc)"), [this] { close(); });
    box->addLayout(buttons);
    InstallDialogKeys(this, [this] { btnSaveClick(); });
}

void TF_Djbz_Add::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& q = F_DataModule->Q(QStringLiteral("Q_Djbz"));
    if (btnFlag == QLatin1String("1")) {
        setWindowTitle(QStringLiteral("增加常用备注信息"));
        tname->clear();
    } else {
        setWindowTitle(QStringLiteral("修改常用备注信息"));
        tname->setText(q.Active() && !q.IsEmpty() ? q.AsString(QStringLiteral("dj_name")) : QString());
    }
    tname->setFocus();
}

void TF_Djbz_Add::btnSaveClick()
{
    Query& q = F_DataModule->Q(QStringLiteral("Q_Djbz"));
    const bool adding = btnFlag == QLatin1String("1");
    const QString currentSn = !adding && q.Active() && !q.IsEmpty() ? q.AsString(QStringLiteral("dj_sn")) : QString();
    const QString refusal = RemarkSaveRefusal(tname->text(), btnFlag, currentSn);
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    const QString text = SafeSqlText(tname->text().trimmed());
    if (adding) {
        q.Append();
        q.SetValue(QStringLiteral("dj_sn"), GetNextSn(QStringLiteral("jxc_djbz"), QStringLiteral("dj_sn")));
    } else {
        if (currentSn.isEmpty())
            return;
        q.Edit();
    }
    q.SetValue(QStringLiteral("dj_name"), text);
    q.Post();
    close();
}
