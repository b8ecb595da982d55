#include "masterdata/partnerimport.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "listing/listoutput.h"
#include "masterdata/boundsql.h"
#include "platform/grid/datagrid.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The field ids of one partner kind, in the customer's names where they differ.
struct PartnerFields {
    QString name, lxr, tele, lwje, type, address, note;
    QString exists, nameEmpty, amountNotNumber, bookingNote;
};

const PartnerFields& FieldsOf(PartnerKind kind)
{
    static const PartnerFields customer { "kh_name", "kh_lxr", "kh_tele", "kh_lwje", "kt_name", "kh_address", "kh_note",
        "导入失败,客户已经存在!", "导入失败,客户名称不能为空!", "导入失败,期初应收必须是数字!", "导入时应收款" };
    static const PartnerFields supplier { "ghs_name", "ghs_lxr", "ghs_tele", "ghs_lwje", "gt_name", "ghs_address",
        "ghs_note", "导入失败,供货商已经存在!", "导入失败,供货商名称不能为空!", "导入失败,期初应付必须是数字!",
        "导入时应付款" };
    return kind == PartnerKind::Customer ? customer : supplier;
}

// A mapped text cut to its column; null when no column feeds the field.
QVariant CutCell(const ImportRow& row, const QString& field, int length)
{
    return row.Mapped(field) ? QVariant(row.Trimmed(field).left(length)) : QVariant();
}

}

QString ImportPartnerRow(PartnerKind kind, const ImportRow& row, const QString& defaultTypeName)
{
    const PartnerFields& f = FieldsOf(kind);
    const PartnerKindInfo& info = KindInfo(kind);
    const QString name = row.Trimmed(f.name).left(128);
    if (name.isEmpty())
        return f.nameEmpty;
    if (!ScalarBound(QStringLiteral("select ") + info.nameColumn + QStringLiteral(" from ") + info.table
                + QStringLiteral(" where ") + info.nameColumn + QStringLiteral("=:name"),
            { { QStringLiteral("name"), name } })
             .isEmpty())
        return f.exists;
    // The amount is taken as read: only the text "0" (or nothing) books nothing.
    QString amount = row.Cell(f.lwje);
    if (amount.isEmpty())
        amount = QStringLiteral("0");
    if (!IsNumberCell(amount))
        return f.amountNotNumber;
    const QString zone = row.Trimmed(QStringLiteral("z_name")).left(16);
    const QString type = row.Trimmed(f.type).left(16);
    const QString code = GetNextSn(info.table, info.codeColumn);
    SqlParams p { { QStringLiteral("sn"), code }, { QStringLiteral("name"), name },
        { QStringLiteral("jm"), GetPyCode(name) }, { QStringLiteral("lxr"), CutCell(row, f.lxr, 16) },
        { QStringLiteral("tele"), CutCell(row, f.tele, 32) },
        { QStringLiteral("address"), CutCell(row, f.address, 128) },
        { QStringLiteral("note"), CutCell(row, f.note, 200) },
        { QStringLiteral("zname"), row.Mapped(QStringLiteral("z_name")) ? QVariant(zone) : QVariant() },
        { QStringLiteral("lwje"), NumberCell(amount) }, { QStringLiteral("cksn"), QStringLiteral("-1") },
        { QStringLiteral("ckname"), QStringLiteral("所有仓库") } };
    if (kind == PartnerKind::Customer) {
        QString typeCode = QStringLiteral("1000");
        QString typeName = defaultTypeName;
        if (row.Mapped(f.type)) {
            typeCode = ScalarBound(
                QStringLiteral("select kt_sn from jxc_khtype where kt_name=:t"), { { QStringLiteral("t"), type } });
            typeName = type;
            if (typeCode.isEmpty()) {
                typeCode = QStringLiteral("1000");
                typeName = defaultTypeName;
            }
        }
        p.insert(QStringLiteral("gtname"), typeName);
        p.insert(QStringLiteral("ktsn"), typeCode);
        ExecBound(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_lxr,kh_tele,kh_address,kh_note,kt_name,"
                                 "z_name,kh_default,kh_forbid,kh_lwje,kt_sn,ck_sn,ck_name) values (:sn,:name,:jm,:lxr,"
                                 ":tele,:address,:note,:gtname,:zname,0,0,:lwje,:ktsn,:cksn,:ckname)"),
            p);
    } else {
        p.insert(QStringLiteral("gtname"), row.Mapped(f.type) ? QVariant(type) : QVariant());
        ExecBound(QStringLiteral("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm,ghs_lxr,ghs_tele,ghs_address,ghs_note,"
                                 "gt_name,z_name,ghs_default,ghs_forbid,ghs_lwje,ck_sn,ck_name) values (:sn,:name,:jm,"
                                 ":lxr,:tele,:address,:note,:gtname,:zname,0,0,:lwje,:cksn,:ckname)"),
            p);
    }
    if (amount != QLatin1String("0"))
        BookOpeningAmount(kind, code, NumberCell(amount), f.bookingNote);
    if (kind == PartnerKind::Supplier)
        AddListEntryOnce(
            QStringLiteral("jxc_ghstype"), QStringLiteral("gt"), type, { { QStringLiteral("gt_default"), 0 } });
    AddListEntryOnce(QStringLiteral("jxc_zone"), QStringLiteral("z"), zone,
        { { QStringLiteral("z_jm"), GetPyCode(zone) }, { QStringLiteral("z_default"), 0 } });
    return QString();
}

PartnerImportForm::PartnerImportForm(PartnerKind k, QWidget* parent)
    : Form(parent), kind(k),
      import({ k == PartnerKind::Customer ? QStringLiteral("TF_Khgl_Import") : QStringLiteral("TF_Ghsgl_Import"),
          KindInfo(k).table, FieldsOf(k).name,
          k == PartnerKind::Customer ? QStringLiteral("选择要导入的 客户资料")
                                     : QStringLiteral("选择要导入的 供货商资料"),
          k == PartnerKind::Customer ? QStringLiteral("Q_Khxx") : QStringLiteral("Q_Ghsxx"),
          k == PartnerKind::Customer ? QStringLiteral("客户模板") : QStringLiteral("供货商模板") })
{
    const bool customer = kind == PartnerKind::Customer;
    setObjectName(customer ? QStringLiteral("TF_Khgl_Import") : QStringLiteral("TF_Ghsgl_Import"));
    setWindowTitle(customer ? QStringLiteral("导入客户数据") : QStringLiteral("导入供货商信息"));
    resize(640, 460);
    import.importRow = [this](const ImportRow& row) { return ImportPartnerRow(kind, row, defaultType_);
};
import.beforePass = [this] {
    defaultType_ = kind == PartnerKind::Customer
        ? QueryScalar(QStringLiteral("select kt_name from jxc_khtype where kt_sn='1000'"))
        : QString();
}
;
auto* box = new QVBoxLayout(this);
pages = new QStackedWidget(this);
box->addWidget(pages);

gbMapping = new QGroupBox(QStringLiteral("请选择要导入的字段"));
auto* mapBox = new QVBoxLayout(gbMapping);
mapBox->addWidget(new QLabel(QStringLiteral("Excel表格的第一行为标题信息,即导入数据的项目名称")));
auto* link = new QLabel(QStringLiteral("<a href=\"#\">软件提供的Excel模板</a>"));
connect(link, &QLabel::linkActivated, this, [this] { urlExcelClick(); });
mapBox->addWidget(link);
cxGrid3 = new DataGrid(gbMapping);
cxGrid3->setObjectName(QStringLiteral("cxGrid3"));
SheetImport::SetUpMappingGrid(*cxGrid3);
mapBox->addWidget(cxGrid3, 1);
auto* mapButtons = new QHBoxLayout;
btnOpen = new QPushButton(QStringLiteral("打开文件"));
btnNext = new QPushButton(QStringLiteral("下一步"));
auto* btnCancel1 = new QPushButton(QStringLiteral("取消"));
mapButtons->addStretch(1);
mapButtons->addWidget(btnOpen);
mapButtons->addWidget(btnNext);
mapButtons->addWidget(btnCancel1);
mapBox->addLayout(mapButtons);
pages->addWidget(gbMapping);

gbRows = new QGroupBox(customer ? QStringLiteral("选择要导入的客户") : QStringLiteral("选择要导入的 供货商"));
auto* rowBox = new QVBoxLayout(gbRows);
rowBox->addWidget(new QLabel(
    customer ? QStringLiteral("说明：不能导入重复的客户名称") : QStringLiteral("说明：不能导入重复的供货商名称")));
cxGrid4 = new DataGrid(gbRows);
cxGrid4->setObjectName(QStringLiteral("cxGrid4"));
SheetImport::SetUpRowsGrid(*cxGrid4, customer ? QStringLiteral("客户名称") : QStringLiteral("供货商名称"));
rowBox->addWidget(cxGrid4, 1);
auto* rowButtons = new QHBoxLayout;
chkAll = new QCheckBox(QStringLiteral("全选"));
chkAll->setChecked(true);
auto* btnPrior = new QPushButton(QStringLiteral("上一步"));
btnImport = new QPushButton(QStringLiteral("导入"));
auto* btnCancel2 = new QPushButton(QStringLiteral("取消"));
auto* btnExport = new QPushButton(QStringLiteral("导出Excel"));
rowButtons->addWidget(chkAll);
rowButtons->addStretch(1);
rowButtons->addWidget(btnPrior);
rowButtons->addWidget(btnImport);
rowButtons->addWidget(btnCancel2);
rowButtons->addWidget(btnExport);
rowBox->addLayout(rowButtons);
pages->addWidget(gbRows);

connect(btnOpen, &QPushButton::clicked, this, [this] { btnOpenClick(); });
connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
connect(btnPrior, &QPushButton::clicked, this, [this] { btnPriorClick(); });
connect(btnImport, &QPushButton::clicked, this, [this] { btnImportClick(); });
connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
connect(chkAll, &QCheckBox::clicked, this, [this] { chkAllClick(); });
connect(btnCancel1, &QPushButton::clicked, this, &QDialog::reject);
connect(btnCancel2, &QPushButton::clicked, this, &QDialog::reject);
}

void PartnerImportForm::FormActivate()
{
    pages->setCurrentWidget(gbMapping);
    btnNext->setEnabled(false);
    SheetImport::Q_ImportData().Close();
    import.ClearMapping();
}

void PartnerImportForm::btnOpenClick()
{
    if (!import.btnOpenClick())
        return;
    gbMapping->setTitle(import.MappingCaption());
    btnNext->setEnabled(true);
}

void PartnerImportForm::btnNextClick()
{
    pages->setCurrentWidget(gbRows);
    import.setcxGrid4Value(chkAll->isChecked());
    gbRows->setTitle(import.RowsCaption());
    btnImport->setEnabled(chkAll->isChecked());
}

void PartnerImportForm::btnPriorClick()
{
    pages->setCurrentWidget(gbMapping);
}

void PartnerImportForm::chkAllClick()
{
    import.chkAllClick(chkAll->isChecked());
    btnImport->setEnabled(chkAll->isChecked());
}

void PartnerImportForm::btnImportClick()
{
    import.btnImportClick(this);
}

void PartnerImportForm::btnExportClick()
{
    ExportGridList(*cxGrid4);
}

void PartnerImportForm::urlExcelClick()
{
    import.urlExcelClick();
}

void PartnerImportForm::FormClose()
{
    import.FormClose();
}

PartnerImportForm::~PartnerImportForm()
{
    FormClose();
}
