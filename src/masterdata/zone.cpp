#include "masterdata/zone.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/sqltext.h"
#include "masterdata/pickersform.h"
#include "masterdata/zonetypeops.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Zone* F_Zone = nullptr;

namespace {

const QString kZoneSql = QStringLiteral("select * from jxc_zone order by id");

void AddZoneColumns(DataGrid& grid, bool withDefault)
{
    grid.AddColumn(QStringLiteral("z_sn"), QStringLiteral("编号"), 70);
    grid.AddColumn(QStringLiteral("z_name"), QStringLiteral("所属地区"), 160);
    grid.AddColumn(QStringLiteral("z_jm"), QStringLiteral("简码"), 90);
    if (withDefault)
        grid.SetCheckColumn(grid.AddColumn(QStringLiteral("z_default"), QStringLiteral("默认选择"), 70), false);
}

}

void FilterZoneGrid(DataGrid& grid, const QString& typed)
{
    FilterGridByText(grid, SafeSqlText(typed.trimmed()).toUpper(),
        { QStringLiteral("z_sn"), QStringLiteral("z_name"), QStringLiteral("z_jm") });
}

TF_Zone::TF_Zone(QWidget* parent)
    : NamedListWindow(
        { "TF_Zone", "所属地区设置", "Q_Zone", "select * from jxc_zone order by id", "z_name", "z_default",
            "所属地区：", 16, "您确定要删除当前地区吗！", SaveZone, ZoneDeleteRefusal, DeleteZone },
        parent)
{
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("输入地区信息查询："), this));
    tkey = NamedEdit(this, "tkey", 32);
    search->addWidget(tkey, 1);
    page->insertLayout(0, search);
    AddZoneColumns(*cxGrid, true);
    connect(tkey, &QLineEdit::textChanged, this, [this] { tkeyChange(); });
}

TF_Zone::~TF_Zone()
{
    if (F_Zone == this)
        F_Zone = nullptr;
}

void TF_Zone::FormActivate()
{
    tkey->clear();
    NamedListWindow::FormActivate();
}

void TF_Zone::tkeyChange()
{
    FilterZoneGrid(*cxGrid, tkey->text());
}

ZonePanel::ZonePanel(QLineEdit* zoneEdit, const QString& tag, QWidget* parent)
    : QWidget(parent), zoneEdit_(zoneEdit), tag_(tag)
{
    setObjectName(QStringLiteral("pnlZone"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("zoneGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Zone")));
    AddZoneColumns(*cxGrid, false);
    cxGrid->setMinimumHeight(140);
    box->addWidget(cxGrid, 1);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnAdd = AddButton(bar, this, QStringLiteral("添加(F8)"), [this] { btnAddClick(); });
    btnOK = AddButton(bar, this, QStringLiteral("确定(F5)"), [this] { btnOKClick(); });
    btnExit = AddButton(bar, this, QStringLiteral("退出(Esc)"), [this] { btnExitClick(); });
    box->addLayout(bar);
    connect(cxGrid, &DataGrid::rowDoubleClicked, this, [this] { btnOKClick(); });
    connect(zoneEdit_, &QLineEdit::textChanged, this, [this](const QString& t) { FilterZoneGrid(*cxGrid, t); });
}

void ZonePanel::Reset()
{
    hide();
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_Zone")), kZoneSql);
}

void ZonePanel::btnAddClick()
{
    PickerCaller = tag_;
    {
        F_Zone = new TF_Zone(window());
        Prompt::ShowModal(F_Zone);
        delete F_Zone;
    }
    PickerCaller.clear();
    // Closing the zone window closed the shared query.
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_Zone")), kZoneSql);
    FilterZoneGrid(*cxGrid, zoneEdit_->text());
}

void ZonePanel::btnOKClick()
{
    Query& q = F_DataModule->Q(QStringLiteral("Q_Zone"));
    if (q.Active() && !q.IsEmpty())
        zoneEdit_->setText(q.AsString(QStringLiteral("z_name")));
    hide();
}

void ZonePanel::btnExitClick()
{
    hide();
}
