#include "members/hyglimport.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "members/memberimport.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

TF_Hygl_Import::TF_Hygl_Import(QWidget* parent)
    : Form(parent),
      import_({ QStringLiteral("TF_Hygl_Import"), QStringLiteral("jxc_hyxx"), QStringLiteral("hy_name"),
          QStringLiteral("选择要导入的 会员资料"), QStringLiteral("Q_Hyxx"), QStringLiteral("会员信息模板"), false })
{
    // Rows without a name are not staged and the pass steps over them uncounted.
    import_.displayText = [this](const ImportRow& row, int sheetRow) {
        return MemberPreviewText(row, sheetRow, chkAuto->isChecked(), firstCard_);
    };
    import_.beforePass = [this] { numbers_ = MemberNumbers(); };
    import_.importRow = [this](const ImportRow& row) { return ImportMemberRow(row, options_, numbers_); };
    import_.successNote = [](const ImportRow& row) { return MemberRowNote(row); };

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
    SheetImport::SetUpMappingGrid(*cxGridFields);
    // The tick is the window's own: unticking also empties the member column.
    cxGridFields->SetCheckColumn(0, false);
    connect(cxGridFields, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == 0)
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
    SheetImport::SetUpRowsGrid(*cxGridData, QStringLiteral("会员编号"));
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
    import_.ClearMapping();
    SheetImport::Q_Importchk().Close();
    SheetImport::Q_ImportData().Close();
    chkAuto->setChecked(true);
    chkAll->setChecked(true);
    btnImport->setEnabled(true);
    btnNext2->setEnabled(false);
}

bool TF_Hygl_Import::FormCloseQuery()
{
    F_DataModule->Q(QStringLiteral("Q_Hyfl")).Close();
    import_.FormClose();
    return true;
}

void TF_Hygl_Import::btnNext1Click()
{
    panels->setCurrentIndex(1);
    import_.ClearMapping();
}

void TF_Hygl_Import::lblTemplateClick()
{
    import_.urlExcelClick();
}

void TF_Hygl_Import::btnOpenClick()
{
    if (import_.btnOpenClick()) {
        grpFields->setTitle(import_.MappingCaption());
        btnNext2->setEnabled(true);
    }
}

void TF_Hygl_Import::OpenFile(const QString& path)
{
    if (import_.OpenWorkbook(path)) {
        grpFields->setTitle(import_.MappingCaption());
        btnNext2->setEnabled(true);
    }
}

void TF_Hygl_Import::MappingTickClick(int row)
{
    if (row < 0 || row >= cxGridFields->RowCount())
        return;
    cxGridFields->SetCurrentRow(row);
    Query& mapping = SheetImport::Q_Importchk();
    const bool ticked = mapping.FieldByName(QStringLiteral("i_sele")).AsBoolean();
    mapping.Edit();
    mapping.SetValue(QStringLiteral("i_sele"), ticked ? 0 : 1);
    if (ticked)
        mapping.SetValue(QStringLiteral("i_fieldid"), QString());
    mapping.Post();
    if (!ticked)
        cxGridFields->setCurrentIndex(
            cxGridFields->model()->index(row, cxGridFields->ColumnByField(QStringLiteral("i_fieldid"))));
}

void TF_Hygl_Import::btnNext2Click()
{
    Query& mapping = SheetImport::Q_Importchk();
    if (mapping.Active() && mapping.GetState() != Query::State::Browse)
        mapping.Post();
    if (!chkAuto->isChecked() && !import_.MapsField(QStringLiteral("hy_bh"))) {
        Prompt::Info(QStringLiteral("请选择会员卡号对应的字段！"));
        return;
    }
    // The preview's card numbers run with the sheet rows, nameless ones included.
    firstCard_
        = chkAuto->isChecked() ? GetNextMemberNo(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_bh")) : QString();
    import_.setcxGrid4Value(chkAll->isChecked());
    panels->setCurrentIndex(2);
    grpData->setTitle(import_.RowsCaption());
}

void TF_Hygl_Import::btnPrior2Click()
{
    panels->setCurrentIndex(0);
}

void TF_Hygl_Import::chkAllClick()
{
    import_.chkAllClick(chkAll->isChecked());
    btnImport->setEnabled(chkAll->isChecked());
}

void TF_Hygl_Import::btnImportClick()
{
    if (!btnImport->isEnabled())
        return;
    options_.level = comHyfl->currentIndex() >= 0 ? comHyfl->Code(comHyfl->currentIndex()) : QString();
    options_.method = comHyyh->currentIndex() >= 0 ? comHyyh->Code(comHyyh->currentIndex()) : QString();
    options_.autoNumber = chkAuto->isChecked();
    options_.uniqueNames = chkUnique->isChecked();
    if (import_.btnImportClick(this))
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
