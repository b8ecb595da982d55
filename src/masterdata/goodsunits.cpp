#include "masterdata/goodsunits.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "masterdata/goodsform.h"
#include "masterdata/inform.h"
#include "masterdata/keyfilter.h"
#include "masterdata/spxxgladd.h"
#include "masterdata/spxxglmodi.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TF_Ppcs_Add* F_Ppcs_Add = nullptr;

namespace {

const QString kDefaultShelf = QStringLiteral("100001");

QString DatasourceName(const QString& dataset)
{
    return QStringLiteral("D_") + dataset.mid(2);
}

// The goods entry of the window that PickerCaller names, nullptr when it is not open.
GoodsEntryForm* CallerEntry()
{
    if (PickerCaller == QLatin1String("spxxgl_add") && F_Spxxgl_Add)
        return F_Spxxgl_Add->entry;
    if (PickerCaller == QLatin1String("spxxgl_modi") && F_Spxxgl_Modi)
        return F_Spxxgl_Modi->entry;
    return nullptr;
}

}

QString AddUnit(const QString& typedName)
{
    const QString code = GetNextSn(QStringLiteral("jxc_dw"), QStringLiteral("dw_sn"));
    ExecBound(QStringLiteral("insert into jxc_dw (dw_sn,dw_name) values (:sn,:name)"),
        { { QStringLiteral("sn"), code }, { QStringLiteral("name"), SafeSqlText(typedName.trimmed()) } });
    return code;
}

void DeleteUnit(const QString& unitSn)
{
    ExecBound(QStringLiteral("delete from jxc_dw where dw_sn=:sn"), { { QStringLiteral("sn"), unitSn } });
}

QString AddBrand(const QString& typedName)
{
    const QString name = SafeSqlText(typedName.trimmed());
    if (name.isEmpty())
        return QStringLiteral("品牌厂商必须填写！");
    if (!ScalarBound(
            QStringLiteral("select pp_sn from jxc_ppcs where pp_name=:name"), { { QStringLiteral("name"), name } })
             .isEmpty())
        return QStringLiteral("品牌厂商不能重复！");
    ExecBound(QStringLiteral("insert into jxc_ppcs (pp_sn,pp_name,pp_jm) values (:sn,:name,:jm)"),
        { { QStringLiteral("sn"), GetNextSn(QStringLiteral("jxc_ppcs"), QStringLiteral("pp_sn")) },
            { QStringLiteral("name"), name }, { QStringLiteral("jm"), GetPyCode(name) } });
    return QString();
}

// ---- the list windows ----

CodeListWindow::CodeListWindow(const QString& objectName, const QString& caption, const QString& dataset, bool answers,
    const QList<std::pair<QString, QString>>& columns, QWidget* parent)
    : Form(parent), Q_List(F_DataModule->Q(dataset))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    resize(360, 420);
    auto* box = new QVBoxLayout(this);
    cxGrid = new DataGrid(this);
    cxGrid->SetDataSource(&F_DataModule->D(DatasourceName(dataset)));
    for (const auto& [field, title] : columns)
        cxGrid->AddColumn(field, title, columns.size() == 1 ? 220 : 120);
    box->addWidget(cxGrid, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    btnAdd = new QPushButton(QStringLiteral("增加"), this);
    btnDele = new QPushButton(QStringLiteral("删除"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    row->addWidget(btnAdd);
    if (answers) {
        setWindowFlag(Qt::WindowStaysOnTopHint);
        btnOK = new QPushButton(QStringLiteral("确定"), this);
        row->addWidget(btnDele);
        row->addWidget(btnOK);
        row->addWidget(btnExit);
        connect(btnOK, &QPushButton::clicked, this, &CodeListWindow::btnOKClick);
        connect(cxGrid, &DataGrid::rowDoubleClicked, this, &CodeListWindow::btnOKClick);
    } else {
        // The brand list's own order.
        row->addWidget(btnExit);
        row->addWidget(btnDele);
    }
    box->addLayout(row);
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnDele, &QPushButton::clicked, this, [this] { btnDeleClick(); });
    connect(btnExit, &QPushButton::clicked, this, &CodeListWindow::btnExitClick);
}

void CodeListWindow::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Q_List.Close();
    Q_List.ClearParams();
    Q_List.SetSQL(ListSql());
    Q_List.Open();
}

void CodeListWindow::hideEvent(QHideEvent* e)
{
    Q_List.Close();
    Form::hideEvent(e);
}

void CodeListWindow::btnOKClick()
{
    AnswerCaller();
    accept();
}

void CodeListWindow::btnExitClick()
{
    reject();
}

bool CodeListWindow::HasRows() const
{
    return Q_List.Active() && !Q_List.IsEmpty() && Q_List.RecNo() >= 0;
}

TF_Dwgl::TF_Dwgl(QWidget* parent)
    : CodeListWindow(QStringLiteral("TF_Dwgl"), QStringLiteral("单位管理"), QStringLiteral("Q_Dw"), true,
        { { QStringLiteral("dw_sn"), QStringLiteral("编号") },
            { QStringLiteral("dw_name"), QStringLiteral("单位名称") } },
        parent)
{
}

QString TF_Dwgl::ListSql() const
{
    return QStringLiteral("select * from jxc_dw order by id desc");
}

void TF_Dwgl::AnswerCaller()
{
    if (GoodsEntryForm* entry = CallerEntry(); entry && HasRows())
        entry->AnswerUnit(Q_List.AsString(QStringLiteral("dw_name")));
}

void TF_Dwgl::btnAddClick()
{
    TF_Dwgl_Add dialog(this);
    dialog.ShowModal();
}

void TF_Dwgl::btnDeleClick()
{
    if (!HasRows())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除该单位信息吗！")) != Prompt::Answer::Yes)
        return;
    DeleteUnit(Q_List.AsString(QStringLiteral("dw_sn")));
    Q_List.Close();
    Q_List.Open();
    AnswerCaller();
}

TF_Ppcs::TF_Ppcs(QWidget* parent)
    : CodeListWindow(QStringLiteral("TF_Ppcs"), QStringLiteral("品牌厂商"), QStringLiteral("Q_Ppcs"), false,
        { { QStringLiteral("pp_name"), QStringLiteral("品牌厂商") } }, parent)
{
}

QString TF_Ppcs::ListSql() const
{
    // The default brand is not listed, so it cannot be deleted here.
    return QStringLiteral("select * from jxc_ppcs where pp_sn<>'100001' order by id");
}

void TF_Ppcs::btnAddClick()
{
    FunctionWindows::Open(QStringLiteral("TF_Ppcs_Add"), FunctionWindows::Lifetime::Kept);
}

void TF_Ppcs::btnDeleClick()
{
    if (!HasRows())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除该品牌吗！")) != Prompt::Answer::Yes)
        return;
    Q_List.Delete();
}

TF_HJxx::TF_HJxx(QWidget* parent)
    : CodeListWindow(QStringLiteral("TF_HJxx"), QStringLiteral("库位信息"), QStringLiteral("Q_Hjxx"), true,
        { { QStringLiteral("hj_sn"), QStringLiteral("库位编号") },
            { QStringLiteral("hj_name"), QStringLiteral("库位名称") } },
        parent)
{
}

QString TF_HJxx::ListSql() const
{
    return QStringLiteral("select * from jxc_hjxx order by id ");
}

void TF_HJxx::AnswerCaller()
{
    if (GoodsEntryForm* entry = CallerEntry(); entry && HasRows())
        entry->AnswerShelf(Q_List.AsString(QStringLiteral("hj_name")));
}

void TF_HJxx::btnAddClick()
{
    TF_Hjxx_Add dialog(this);
    dialog.ShowModal();
}

void TF_HJxx::btnDeleClick()
{
    if (!HasRows())
        return;
    if (Q_List.AsString(QStringLiteral("hj_sn")) == kDefaultShelf) {
        Inform(QStringLiteral("默认库位不能删除！"));
        return;
    }
    if (Prompt::YesNo(QStringLiteral("您确定要删除该库位信息吗！")) != Prompt::Answer::Yes)
        return;
    Q_List.Delete();
    AnswerCaller();
}

// ---- the add dialogs ----

CodeAddDialog::CodeAddDialog(const QString& objectName, const QString& caption, const QString& label, int maxLength,
    const QString& okCaption, const QString& cancelCaption, bool keys, QWidget* parent)
    : Form(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* box = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, this));
    tname = new QLineEdit(this);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(maxLength);
    row->addWidget(tname, 1);
    box->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSave = new QPushButton(okCaption, this);
    btnExit = new QPushButton(cancelCaption, this);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    box->addLayout(buttons);
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, &CodeAddDialog::btnExitClick);
    SetEscCloses(keys);
    if (keys)
        connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, [this] { btnSaveClick(); });
}

void CodeAddDialog::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    tname->clear();
}

void CodeAddDialog::btnExitClick()
{
    reject();
}

TF_Dwgl_Add::TF_Dwgl_Add(QWidget* parent)
    : CodeAddDialog(QStringLiteral("TF_Dwgl_Add"), QStringLiteral("增加单位"), QStringLiteral("单位名称："), 32,
        QStringLiteral("保存(F5)"), QStringLiteral("退出(Esc)"), true, parent)
{
}

void TF_Dwgl_Add::btnSaveClick()
{
    if (tname->text().trimmed().isEmpty()) {
        Inform(QStringLiteral("单位名称必须填写！"));
        return;
    }
    AddUnit(tname->text());
    // Newest first: the new unit is the current row the goods window receives.
    Query& units = F_DataModule->Q(QStringLiteral("Q_Dw"));
    units.Close();
    units.Open();
    if (auto* list = qobject_cast<TF_Dwgl*>(parentWidget()))
        list->AnswerCaller();
    accept();
}

TF_Ppcs_Add::TF_Ppcs_Add(QWidget* parent)
    : CodeAddDialog(QStringLiteral("TF_Ppcs_Add"), QStringLiteral("增加品牌"), QStringLiteral("输入品牌厂商："), 60,
        QStringLiteral("确定"), QStringLiteral("取消"), false, parent)
{
    DiscardSearchPunctuation(tname);
}

TF_Ppcs_Add::~TF_Ppcs_Add()
{
    if (F_Ppcs_Add == this)
        F_Ppcs_Add = nullptr;
}

void TF_Ppcs_Add::btnSaveClick()
{
    const QString refusal = AddBrand(tname->text());
    if (!refusal.isEmpty()) {
        Inform(refusal);
        return;
    }
    Query& brands = F_DataModule->Q(QStringLiteral("Q_Ppcs"));
    brands.Close();
    brands.Open();
    accept();
}

TF_Hjxx_Add::TF_Hjxx_Add(QWidget* parent)
    : CodeAddDialog(QStringLiteral("TF_Hjxx_Add"), QStringLiteral("增加货架信息"), QStringLiteral("货架名称："), 64,
        QStringLiteral("保存(F5)"), QStringLiteral("退出(Esc)"), true, parent)
{
}

void TF_Hjxx_Add::btnSaveClick()
{
    if (tname->text().trimmed().isEmpty()) {
        Inform(QStringLiteral("库位名称必须填写！"));
        return;
    }
    Query& shelves = F_DataModule->Q(QStringLiteral("Q_Hjxx"));
    const QString code = GetNextSn(QStringLiteral("jxc_hjxx"), QStringLiteral("hj_sn"));
    shelves.Append();
    shelves.SetValue(QStringLiteral("hj_sn"), code);
    shelves.SetValue(QStringLiteral("hj_name"), SafeSqlText(tname->text().trimmed()));
    shelves.Post();
    accept();
}
