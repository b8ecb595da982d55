#include "masterdata/ckgl.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/listoutput.h"
#include "masterdata/ckglops.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickersform.h"
#include "platform/grid/checktree.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TF_Ckgl* F_Ckgl = nullptr;

namespace {

// The fields that the edit and search dialogs have alike.
void AddWarehouseFields(
    QFormLayout* form, QWidget* parent, QLineEdit*& tname, QLineEdit*& tfzr, QLineEdit*& ttele, QLineEdit*& taddress)
{
    tname = NamedEdit(parent, "tname", 32);
    tfzr = NamedEdit(parent, "tfzr", 16);
    ttele = NamedEdit(parent, "ttele", 32);
    taddress = NamedEdit(parent, "taddress", 32);
    form->addRow(QStringLiteral("仓库名称："), tname);
    form->addRow(QStringLiteral("负  责  人："), tfzr);
    form->addRow(QStringLiteral("联系电话："), ttele);
    form->addRow(QStringLiteral("仓库地址："), taddress);
}

}

namespace {

}

TF_Ckgl::TF_Ckgl(QWidget* parent) : Form(parent), Q_Ckxx(F_DataModule->Q(QStringLiteral("Q_Ckxx")))
{
    setObjectName(QStringLiteral("TF_Ckgl"));
    setWindowTitle(QStringLiteral("仓库管理"));
    resize(900, 520);
    auto* box = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    btnAdd = AddButton(bar, this, QStringLiteral("增加"), [this] { btnAddClick(); });
    btnModi = AddButton(bar, this, QStringLiteral("修改"), [this] { btnModiClick(); });
    btnDele = AddButton(bar, this, QStringLiteral("删除"), [this] { btnDeleClick(); });
    btnSearch = AddButton(bar, this, QStringLiteral("查找"), [this] { btnSearchClick(); });
    btnPrint = AddButton(bar, this, QStringLiteral("打印"), [this] { btnPrintClick(); });
    btnExit = AddButton(bar, this, QStringLiteral("退出"), [this] { btnExitClick(); });
    bar->addStretch(1);
    box->addLayout(bar);

    tkey = AddSearchLine(
        box, this, QStringLiteral("请输入仓库的相关信息进行查询："), QStringLiteral("查询(F2)"),
        [this] { btnKeyClick(); }, &btnKey);

    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Ckxx")));
    const char* const columns[][3] = { { "ck_name", "仓库名称", "120" }, { "ck_fzr", "负责人", "80" },
        { "ck_aname", "操作员", "140" }, { "ck_tele", "联系电话", "100" }, { "ck_address", "仓库地址", "160" },
        { "ck_default", "默认仓库", "64" }, { "ck_sn", "仓库编号", "70" }, { "ck_note", "备注", "140" } };
    for (const auto& c : columns) {
        const int col
            = cxGrid->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
        if (qstrcmp(c[0], "ck_default") == 0)
            cxGrid->SetCheckColumn(col, false);
    }
    for (const char* hidden : { "id", "ck_jm", "a_name", "ck_pos", "ck_asn" })
        cxGrid->SetColumnVisible(cxGrid->AddColumn(QString::fromLatin1(hidden), QString::fromLatin1(hidden)), false);
    cxGrid->SetFooterVisible(true);
    box->addWidget(cxGrid, 1);

    gridMenu = new QMenu(this);
    gridMenu->addAction(QStringLiteral("增加(&T)"), this, &TF_Ckgl::btnAddClick);
    gridMenu->addAction(QStringLiteral("修改(&V)"), this, &TF_Ckgl::btnModiClick);
    gridMenu->addAction(QStringLiteral("删除(&W)"), this, &TF_Ckgl::btnDeleClick);
    gridMenu->addSeparator();
    gridMenu->addAction(QStringLiteral("查找(&X)"), this, &TF_Ckgl::btnSearchClick);
    gridMenu->addAction(QStringLiteral("全部(&Y)"), this, &TF_Ckgl::miAllClick);
    gridMenu->addAction(QStringLiteral("打印(&Z)"), this, &TF_Ckgl::btnPrintClick);
    connect(cxGrid, &DataGrid::rightClicked, this, [this](const QPoint& at) { gridMenu->popup(at); });
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(tkey, &QLineEdit::returnPressed, this, &TF_Ckgl::btnKeyClick);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &TF_Ckgl::btnKeyClick);
}

TF_Ckgl::~TF_Ckgl()
{
    if (F_Ckgl == this)
        F_Ckgl = nullptr;
}

void TF_Ckgl::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_Ckgl::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    tkey->clear();
    btnKeyClick();
}

void TF_Ckgl::FormClose()
{
    Q_Ckxx.Close();
}

void TF_Ckgl::OpenList(const QString& sql, const QHash<QString, QVariant>& params)
{
    Q_Ckxx.Close();
    Q_Ckxx.ClearParams();
    Q_Ckxx.SetSQL(sql);
    for (auto it = params.begin(); it != params.end(); ++it)
        Q_Ckxx.SetParam(it.key(), it.value());
    Q_Ckxx.Open();
    UpdateFooter();
}

void TF_Ckgl::UpdateFooter()
{
    cxGrid->SetFooterCount(cxGrid->ColumnByField(QStringLiteral("ck_name")), QStringLiteral("合计:"));
}

void TF_Ckgl::btnKeyClick()
{
    const QString k = SafeSqlText(tkey->text().trimmed());
    QString condition = QStringLiteral("1=1 ");
    QHash<QString, QVariant> params;
    if (!k.isEmpty()) {
        condition += QStringLiteral("and (ck_name like :k or ck_jm like :k or ck_fzr like :k or ck_tele like :k "
                                    "or ck_address like :k)");
        params.insert(QStringLiteral("k"), QLatin1Char('%') + k + QLatin1Char('%'));
    }
    OpenList(QStringLiteral("select * from jxc_ckxx where ") + condition + QStringLiteral(" order by id"), params);
}

void TF_Ckgl::ShowSearchResult(const QString& condition, const QHash<QString, QVariant>& params)
{
    tkey->clear();
    OpenList(QStringLiteral("select * from jxc_ckxx where ") + condition + QStringLiteral(" order by id desc"), params);
}

void TF_Ckgl::miAllClick()
{
    tkey->clear();
    btnKeyClick();
}

bool TF_Ckgl::HasRows() const
{
    return Q_Ckxx.Active() && !Q_Ckxx.IsEmpty();
}

void TF_Ckgl::btnAddClick()
{
    TF_Ckgl_Add dialog(this);
    Prompt::ShowModal(&dialog);
}

void TF_Ckgl::btnModiClick()
{
    if (!HasRows())
        return;
    TF_Ckgl_Modi dialog(this);
    Prompt::ShowModal(&dialog);
}

void TF_Ckgl::btnDeleClick()
{
    if (!HasRows())
        return;
    const QString c = Q_Ckxx.AsString(QStringLiteral("ck_sn"));
    const QString refusal = WarehouseDeleteRefusal(c);
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除该仓库信息吗！")) != Prompt::Answer::Yes)
        return;
    DeleteWarehouse(c);
    Q_Ckxx.Close();
    Q_Ckxx.Open();
    UpdateFooter();
}

void TF_Ckgl::btnSearchClick()
{
    TF_Ckgl_Search dialog(this, this);
    Prompt::ShowModal(&dialog);
}

void TF_Ckgl::btnPrintClick()
{
    if (!HasRows())
        return;
    PrintGridList(QStringLiteral("ckgl.fr3"), QStringLiteral("frxDBDataset1"), *cxGrid);
}

void TF_Ckgl::btnExitClick()
{
    close();
}

CkglEditDialog::CkglEditDialog(
    const QString& objectName, const QString& caption, const QString& rootCaption, QWidget* parent)
    : Form(parent), rootCaption_(rootCaption)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    AddWarehouseFields(form, this, tname, tfzr, ttele, taddress);
    tnote = NamedEdit(this, "tnote", 64);
    form->addRow(QStringLiteral("备        注："), tnote);
    chkDefault = new QCheckBox(QStringLiteral("默认仓库"), this);
    chkPos = new QCheckBox(QStringLiteral("默认POS仓库"), this);
    chkPos->hide();
    auto* flags = new QHBoxLayout;
    flags->addWidget(chkDefault);
    flags->addWidget(chkPos);
    flags->addStretch(1);
    form->addRow(QString(), flags);
    chkTree = new CheckTree(this);
    chkTree->setObjectName(QStringLiteral("chkTree"));
    chkTree->setMinimumHeight(160);
    form->addRow(QStringLiteral("操作员："), chkTree);
    box->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSave = AddButton(buttons, this, QStringLiteral("保存(F5)"), [this] { btnSaveClick(); });
    btnExit = AddButton(buttons, this, QStringLiteral("退出(Esc)"), [this] { btnExitClick(); });
    box->addLayout(buttons);
    InstallDialogKeys(this, [this] { btnSaveClick(); });
}

void CkglEditDialog::btnExitClick()
{
    close();
}

void CkglEditDialog::BuildTree()
{
    chkTree->ClearAll();
    const int root = chkTree->AddGroup(rootCaption_);
    for (const QString& name :
        SelectColumn(F_DataModule->ADOConn, QStringLiteral("select a_name from jxc_admin order by r_sn")))
        chkTree->AddItem(root, name);
    chkTree->expandAll();
}

QStringList CkglEditDialog::TickedOperators() const
{
    return chkTree->CheckedCaptions();
}

bool CkglEditDialog::Finish(const QString& refusal)
{
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return false;
    }
    Query& q = F_DataModule->Q(QStringLiteral("Q_Ckxx"));
    if (!q.SQL().isEmpty()) {
        q.Close();
        q.Open();
    }
    close();
    return true;
}

namespace {

WarehouseInput Gather(const CkglEditDialog& d)
{
    WarehouseInput in;
    in.name = d.tname->text();
    in.fzr = d.tfzr->text();
    in.tele = d.ttele->text();
    in.address = d.taddress->text();
    in.note = d.tnote->text();
    in.operatorNames = d.TickedOperators();
    in.isDefault = d.chkDefault->isChecked();
    in.pos = d.chkPos->isChecked();
    return in;
}

}

TF_Ckgl_Add::TF_Ckgl_Add(QWidget* parent)
    : CkglEditDialog(QStringLiteral("TF_Ckgl_Add"), QStringLiteral("增加仓库"), QStringLiteral("选择操作员"), parent)
{
}

void TF_Ckgl_Add::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    for (QLineEdit* e : { tname, ttele, taddress, tnote })
        e->clear();
    chkDefault->setChecked(false);
    chkPos->setChecked(false);
    BuildTree();
    tname->setFocus();
}

void TF_Ckgl_Add::btnSaveClick()
{
    Finish(AddWarehouse(Gather(*this)));
}

TF_Ckgl_Modi::TF_Ckgl_Modi(QWidget* parent)
    : CkglEditDialog(QStringLiteral("TF_Ckgl_Modi"), QStringLiteral("修改仓库"), QStringLiteral("选择负责人"), parent)
{
}

void TF_Ckgl_Modi::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& list = F_DataModule->Q(QStringLiteral("Q_Ckxx"));
    code = list.Active() && !list.IsEmpty() ? list.AsString(QStringLiteral("ck_sn")) : QString();
    Query row(&F_DataModule->ADOConn);
    row.SetSQL(QStringLiteral("select * from jxc_ckxx where ck_sn=:c"));
    row.SetParam(QStringLiteral("c"), code);
    row.Open();
    BuildTree();
    if (row.IsEmpty())
        return;
    tname->setText(row.AsString(QStringLiteral("ck_name")));
    tfzr->setText(row.AsString(QStringLiteral("ck_fzr")));
    taddress->setText(row.AsString(QStringLiteral("ck_address")));
    ttele->setText(row.AsString(QStringLiteral("ck_tele")));
    tnote->setText(row.AsString(QStringLiteral("ck_note")));
    chkDefault->setChecked(row.FieldByName(QStringLiteral("ck_default")).AsBoolean());
    chkPos->setChecked(row.FieldByName(QStringLiteral("ck_pos")).AsBoolean());
    QStringList names;
    for (int i = 0; i < chkTree->ItemCount(0); ++i)
        names << chkTree->ItemCaption(0, i);
    const QList<bool> marks = StoredOperatorMarks(row.AsString(QStringLiteral("ck_aname")), names);
    for (int i = 0; i < marks.size(); ++i)
        chkTree->SetChecked(0, i, marks[i]);
    tname->setFocus();
}

void TF_Ckgl_Modi::btnSaveClick()
{
    Finish(ModifyWarehouse(code, Gather(*this)));
}

TF_Ckgl_Search::TF_Ckgl_Search(TF_Ckgl* list, QWidget* parent) : Form(parent), list_(list)
{
    setObjectName(QStringLiteral("TF_Ckgl_Search"));
    setWindowTitle(QStringLiteral("仓库查找"));
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    AddWarehouseFields(form, this, tname, tfzr, ttele, taddress);
    box->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSearch = AddButton(buttons, this, QStringLiteral("查询(F5)"), [this] { btnSearchClick(); });
    btnExit = AddButton(buttons, this, QStringLiteral("退出(Esc)"), [this] { close(); });
    box->addLayout(buttons);
    InstallDialogKeys(this, [this] { btnSearchClick(); });
}

void TF_Ckgl_Search::btnSearchClick()
{
    QString condition = QStringLiteral("1=1 ");
    QHash<QString, QVariant> params;
    auto add = [&](QLineEdit* e, const char* name, const QString& clause) {
        const QString v = SafeSqlText(e->text().trimmed());
        if (v.isEmpty())
            return;
        condition += clause;
        params.insert(QString::fromLatin1(name), QLatin1Char('%') + v + QLatin1Char('%'));
    };
    add(tname, "n", QStringLiteral(" and (ck_name like :n or ck_jm like :n) "));
    add(tfzr, "f", QStringLiteral(" and ck_fzr like :f "));
    add(ttele, "t", QStringLiteral(" and ck_tele like :t "));
    add(taddress, "a", QStringLiteral(" and ck_address like :a "));
    list_->ShowSearchResult(condition, params);
    close();
}
