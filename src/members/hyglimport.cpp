#include "members/hyglimport.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "members/memberimport.h"
#include "platform/base/programfolder.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

TF_Hygl_Import::TF_Hygl_Import(QWidget* parent)
    : Form(parent), Q_Importchk(F_DataModule->Q(QStringLiteral("Q_Importchk"))),
      Q_ImportData(F_DataModule->Q(QStringLiteral("Q_ImportData"))),
      Q_Import(F_DataModule->Q(QStringLiteral("Q_Import")))
{
    setObjectName(QStringLiteral("TF_Hygl_Import"));
    setWindowTitle(QStringLiteral("导入会员信息"));
    resize(640, 480);
    auto* box = new QVBoxLayout(this);
    panels = new QStackedWidget(this);
    box->addWidget(panels);

    auto* p1 = new QGroupBox(QStringLiteral("请选择会员等级及优惠方式"), panels);
    auto* l1 = new QVBoxLayout(p1);
    auto* f1 = new QFormLayout;
    comHyfl = new KeyedCombo(p1);
    comHyfl->setObjectName(QStringLiteral("comHyfl"));
    f1->addRow(QStringLiteral("会员等级："), comHyfl);
    comHyyh = new KeyedCombo(p1);
    comHyyh->setObjectName(QStringLiteral("comHyyh"));
    f1->addRow(QStringLiteral("优惠方式："), comHyyh);
    l1->addLayout(f1);
    l1->addStretch(1);
    auto* b1 = new QHBoxLayout;
    b1->addStretch(1);
    AddButton(b1, p1, QStringLiteral("下一步"), [this] { btnNext1Click(); });
    AddButton(b1, p1, QStringLiteral("取消"), [this] { btnCancelClick(); });
    l1->addLayout(b1);
    panels->addWidget(p1);

    grpFields = new QGroupBox(QStringLiteral("请选择要导入的字段"), panels);
    auto* l2 = new QVBoxLayout(grpFields);
    cxGridFields = new DataGrid(grpFields);
    cxGridFields->setObjectName(QStringLiteral("cxGridFields"));
    cxGridFields->SetDataSource(&F_DataModule->D(QStringLiteral("D_Importchk")));
    const int tick = cxGridFields->AddColumn(QStringLiteral("i_sele"), QString(), 30);
    cxGridFields->SetCheckColumn(tick, false);
    cxGridFields->AddColumn(QStringLiteral("i_excelfield"), QStringLiteral("Excel文件的字段"), 200);
    const int field = cxGridFields->AddColumn(QStringLiteral("i_fieldid"), QStringLiteral("数据库的字段"), 200);
    cxGridFields->SetLookupColumn(field, &Q_Import, QStringLiteral("i_fieldid"), QStringLiteral("i_fieldname"));
    cxGridFields->SetColumnEditable(field, true);
    connect(cxGridFields, &QAbstractItemView::clicked, this, [this, tick](const QModelIndex& index) {
        if (index.column() == tick)
            MappingTickClick(index.row());
    });
    l2->addWidget(cxGridFields, 1);
    auto* b2 = new QHBoxLayout;
    auto* link = new QPushButton(QStringLiteral("软件提供的Excel模板"), grpFields);
    link->setFlat(true);
    connect(link, &QPushButton::clicked, this, &TF_Hygl_Import::lblTemplateClick);
    b2->addWidget(link);
    chkAuto = new QCheckBox(QStringLiteral("自动编号"), grpFields);
    b2->addWidget(chkAuto);
    b2->addStretch(1);
    AddButton(b2, grpFields, QStringLiteral("打开文件"), [this] { btnOpenClick(); });
    AddButton(b2, grpFields, QStringLiteral("上一步"), [this] { btnPrior2Click(); });
    btnNext2 = AddButton(b2, grpFields, QStringLiteral("下一步"), [this] { btnNext2Click(); });
    AddButton(b2, grpFields, QStringLiteral("取消"), [this] { btnCancelClick(); });
    l2->addLayout(b2);
    panels->addWidget(grpFields);

    grpData = new QGroupBox(QStringLiteral("选择要导入的 会员资料"), panels);
    auto* l3 = new QVBoxLayout(grpData);
    cxGridData = new DataGrid(grpData);
    cxGridData->setObjectName(QStringLiteral("cxGridData"));
    cxGridData->SetDataSource(&F_DataModule->D(QStringLiteral("D_ImportData")));
    cxGridData->SetCheckColumn(cxGridData->AddColumn(QStringLiteral("id_sele"), QString(), 30), true);
    cxGridData->SetImageColumn(cxGridData->AddColumn(QStringLiteral("id_image"), QString(), 24),
        { QIcon(), style()->standardIcon(QStyle::SP_MessageBoxInformation),
            style()->standardIcon(QStyle::SP_DialogApplyButton),
            style()->standardIcon(QStyle::SP_MessageBoxCritical) });
    cxGridData->AddColumn(QStringLiteral("id_exceldata"), QStringLiteral("会员编号"), 220);
    cxGridData->AddColumn(QStringLiteral("id_status"), QStringLiteral("导入状态"), 240);
    l3->addWidget(cxGridData, 1);
    auto* b3 = new QHBoxLayout;
    chkAll = new QCheckBox(QStringLiteral("全选"), grpData);
    connect(chkAll, &QCheckBox::clicked, this, &TF_Hygl_Import::chkAllClick);
    b3->addWidget(chkAll);
    chkUnique = new QCheckBox(QStringLiteral("会员名称不允许重复"), grpData);
    b3->addWidget(chkUnique);
    b3->addStretch(1);
    AddButton(b3, grpData, QStringLiteral("上一步"), [this] { btnPrior3Click(); });
    btnImport = AddButton(b3, grpData, QStringLiteral("导入"), [this] { btnImportClick(); });
    AddButton(b3, grpData, QStringLiteral("取消"), [this] { btnCancelClick(); });
    l3->addLayout(b3);
    panels->addWidget(grpData);
}

void TF_Hygl_Import::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    FillCombo(
        *comHyfl, QStringLiteral("jxc_hyfl"), QStringLiteral("hl_name"), QStringLiteral("hl_sn"), QStringLiteral("id"));
    comHyfl->setCurrentIndex(0);
    FillCombo(
        *comHyyh, QStringLiteral("jxc_hyyh"), QStringLiteral("hh_name"), QStringLiteral("hh_sn"), QStringLiteral("id"));
    comHyyh->setCurrentIndex(0);
    panels->setCurrentIndex(0);
    ClearMapping();
    Q_Importchk.Close();
    Q_ImportData.Close();
    chkAuto->setChecked(true);
    chkAll->setChecked(true);
    btnImport->setEnabled(true);
    btnNext2->setEnabled(false);
    path_.clear();
    sheetRows_.clear();
}

bool TF_Hygl_Import::FormCloseQuery()
{
    F_DataModule->Q(QStringLiteral("Q_Hyfl")).Close();
    return true;
}

void TF_Hygl_Import::ClearMapping()
{
    F_DataModule->ADOConn.Exec(
        QStringLiteral("delete from jxc_importchk where a_name=:a"), { { QStringLiteral("a"), CurrentAdminName } });
}

void TF_Hygl_Import::ReopenMapping()
{
    OpenWithParams(Q_Importchk, QStringLiteral("select * from jxc_importchk where a_name=:a order by id"),
        { { QStringLiteral("a"), CurrentAdminName } });
}

void TF_Hygl_Import::ReopenPreview()
{
    OpenWithParams(Q_ImportData, QStringLiteral("select * from jxc_importdata where a_name=:a order by id"),
        { { QStringLiteral("a"), CurrentAdminName } });
}

void TF_Hygl_Import::btnNext1Click()
{
    panels->setCurrentIndex(1);
    ClearMapping();
    ReopenMapping();
}

void TF_Hygl_Import::lblTemplateClick()
{
    Prompt::OpenDocument(QUrl::fromLocalFile(ProgramFolder::File(QStringLiteral("模板文件/会员信息模板.xlsx"))));
}

void TF_Hygl_Import::btnOpenClick()
{
    const QString path
        = Prompt::OpenFile(QStringLiteral("打开文件"), QStringLiteral("(*.xlsx) (*.xlsx);;(*.xls) (*.xls)"));
    if (!path.isEmpty())
        OpenFile(path);
}

void TF_Hygl_Import::OpenFile(const QString& path)
{
    path_ = path;
    int columns = 0;
    const QString refusal = LoadImportMapping(path_, &columns);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    grpFields->setTitle(
        QStringLiteral("请选择要导入的字段（共") + QString::number(columns) + QStringLiteral("个字段）"));
    if (!Q_Import.Active())
        OpenQuery(Q_Import, QStringLiteral("select * from jxc_import where i_tablename='jxc_hyxx' order by id"));
    ReopenMapping();
    btnNext2->setEnabled(true);
}

void TF_Hygl_Import::MappingTickClick(int row)
{
    if (row < 0 || row >= cxGridFields->RowCount())
        return;
    cxGridFields->SetCurrentRow(row);
    const bool ticked = Q_Importchk.FieldByName(QStringLiteral("i_sele")).AsBoolean();
    Q_Importchk.Edit();
    Q_Importchk.SetValue(QStringLiteral("i_sele"), ticked ? 0 : 1);
    if (ticked)
        Q_Importchk.SetValue(QStringLiteral("i_fieldid"), QString());
    Q_Importchk.Post();
    if (!ticked)
        cxGridFields->setCurrentIndex(cxGridFields->model()->index(row, 2));
}

void TF_Hygl_Import::btnNext2Click()
{
    if (Q_Importchk.Active() && Q_Importchk.GetState() != Query::State::Browse)
        Q_Importchk.Post();
    const ImportPreview preview = PreviewMemberImport(path_, chkAuto->isChecked(), chkAll->isChecked());
    if (!preview.refusal.isEmpty()) {
        Prompt::Info(preview.refusal);
        return;
    }
    sheetRows_ = preview.sheetRows;
    panels->setCurrentIndex(2);
    grpData->setTitle(
        QStringLiteral("选择要导入的 会员资料（共") + QString::number(sheetRows_.size()) + QStringLiteral("条记录）"));
    ReopenPreview();
}

void TF_Hygl_Import::btnPrior2Click()
{
    panels->setCurrentIndex(0);
}

void TF_Hygl_Import::chkAllClick()
{
    SelectAllImportRows(chkAll->isChecked());
    ReopenPreview();
    btnImport->setEnabled(chkAll->isChecked());
}

void TF_Hygl_Import::btnImportClick()
{
    if (!btnImport->isEnabled())
        return;
    MemberImportOptions options;
    options.level = comHyfl->currentIndex() >= 0 ? comHyfl->Code(comHyfl->currentIndex()) : QString();
    options.method = comHyyh->currentIndex() >= 0 ? comHyyh->Code(comHyyh->currentIndex()) : QString();
    options.autoNumber = chkAuto->isChecked();
    options.uniqueNames = chkUnique->isChecked();
    QProgressDialog progress(QStringLiteral("正在导入会员信息..."), QString(), 0, int(sheetRows_.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ImportCounts counts;
    try {
        counts = ImportMembers(path_, sheetRows_, options, [&progress](int done) { progress.setValue(done); });
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    if (!counts.refusal.isEmpty()) {
        Prompt::Info(counts.refusal);
        return;
    }
    ReopenPreview();
    Prompt::Info(counts.Summary());
    Query& members = F_DataModule->Q(QStringLiteral("Q_Hyxx"));
    if (members.Active())
        members.Requery();
    close();
}

void TF_Hygl_Import::btnPrior3Click()
{
    panels->setCurrentIndex(1);
}

void TF_Hygl_Import::btnCancelClick()
{
    close();
}
