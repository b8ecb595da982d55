#include "masterdata/namedlistwindow.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

NamedListWindow::NamedListWindow(const Config& config, QWidget* parent)
    : Form(parent), Q(F_DataModule->Q(QString::fromLatin1(config.dataset))), config_(config)
{
    setObjectName(QString::fromLatin1(config.objectName));
    setWindowTitle(QStringLiteral("基本资料设置"));
    resize(560, 460);
    auto* box = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    auto* sheet = new QWidget(tabs);
    tabs->addTab(sheet, QString::fromUtf8(config.tab));
    box->addWidget(tabs);
    page = new QVBoxLayout(sheet);

    cxGrid = new DataGrid(sheet);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    QString ds = QString::fromLatin1(config.dataset);
    cxGrid->SetDataSource(&F_DataModule->D(ds.replace(0, 2, QStringLiteral("D_"))));
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    page->addWidget(cxGrid, 1);

    pnlEdit = new QWidget(sheet);
    auto* edit = new QHBoxLayout(pnlEdit);
    edit->addWidget(new QLabel(QString::fromUtf8(config.nameLabel), pnlEdit));
    tname = NamedEdit(pnlEdit, "tname", config.nameLength);
    edit->addWidget(tname, 1);
    chkDefault = new QCheckBox(QStringLiteral("默认选择"), pnlEdit);
    edit->addWidget(chkDefault);
    btnOK = AddButton(edit, pnlEdit, QStringLiteral("确定"), [this] { btnOKClick(); });
    btnCancel = AddButton(edit, pnlEdit, QStringLiteral("退出"), [this] { btnCancelClick(); });
    page->addWidget(pnlEdit);

    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnAdd = AddButton(bar, this, QStringLiteral("添加"), [this] { btnAddClick(); });
    btnModi = AddButton(bar, this, QStringLiteral("修改"), [this] { btnModiClick(); });
    btnDele = AddButton(bar, this, QStringLiteral("删除"), [this] { btnDeleClick(); });
    btnExit = AddButton(bar, this, QStringLiteral("退出"), [this] { btnExitClick(); });
    box->addLayout(bar);
}

void NamedListWindow::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    OpenQuery(Q, QString::fromLatin1(config_.sql));
    mode.clear();
    ShowPanel(false);
}

void NamedListWindow::hideEvent(QHideEvent* e)
{
    Q.Close();
    Form::hideEvent(e);
}

bool NamedListWindow::HasRows() const
{
    return Q.Active() && !Q.IsEmpty();
}

void NamedListWindow::ShowPanel(bool on)
{
    pnlEdit->setVisible(on);
    btnAdd->setEnabled(!on);
    btnModi->setEnabled(!on);
}

void NamedListWindow::btnAddClick()
{
    mode = QStringLiteral("add");
    tname->clear();
    chkDefault->setChecked(false);
    ShowPanel(true);
    tname->setFocus();
}

void NamedListWindow::btnModiClick()
{
    if (!HasRows())
        return;
    mode = QStringLiteral("modi");
    tname->setText(Q.AsString(QString::fromLatin1(config_.nameField)));
    chkDefault->setChecked(Q.FieldByName(QString::fromLatin1(config_.defaultField)).AsBoolean());
    ShowPanel(true);
    tname->setFocus();
}

void NamedListWindow::btnOKClick()
{
    const bool adding = mode != QLatin1String("modi");
    const qint64 id = adding || !HasRows() ? -1 : Q.AsInteger(QStringLiteral("id"));
    const QString refusal = config_.save(id, tname->text(), chkDefault->isChecked());
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    Q.Requery();
    if (adding)
        Q.Last();
    ShowPanel(false);
}

void NamedListWindow::btnCancelClick()
{
    ShowPanel(false);
}

void NamedListWindow::btnDeleClick()
{
    if (!HasRows())
        return;
    const QString refusal = config_.deleteRefusal(Q.AsString(QString::fromLatin1(config_.nameField)));
    if (!refusal.isEmpty()) {
        InformRefusal(refusal);
        return;
    }
    if (Prompt::YesNo(QString::fromUtf8(config_.deleteQuestion), Prompt::kInfoCaption) != Prompt::Answer::Yes)
        return;
    config_.remove(Q.AsInteger(QStringLiteral("id")));
    Q.Requery();
}

void NamedListWindow::btnExitClick()
{
    close();
}
