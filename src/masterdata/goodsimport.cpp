#include "masterdata/goodsimport.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "masterdata/boundsql.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

namespace {

QString NoApostrophe(const QString& text)
{
    return QString(text).replace(QLatin1Char('\''), QStringLiteral("‘"));
}

// The number fields of a goods row with their captions (a failure names the caption).
const QList<QPair<QString, QString>>& GoodsNumberFields()
{
    static const QList<QPair<QString, QString>> fields { { "g_jj", "预设进价" }, { "g_sj", "预设售价" },
        { "g_sj1", "一级价格" }, { "g_sj2", "二级价格" }, { "g_sj3", "三级价格" }, { "g_sj4", "四级价格" },
        { "g_sj5", "五级价格" }, { "g_lsj", "零售价" }, { "g_zdkc", "最低库存" } };
    return fields;
}

// A colour or size group by name, added when new; "100001" for none or don't-care.
QString GroupCode(const QString& table, const QString& prefix, const QString& name, const QString& dontCare)
{
    if (name.isEmpty() || name == dontCare)
        return QStringLiteral("100001");
    const QString sn = prefix + QStringLiteral("_sn");
    const QString nameColumn = prefix + QStringLiteral("_name");
    QString code = ScalarBound(QStringLiteral("select ") + sn + QStringLiteral(" from ") + table
            + QStringLiteral(" where ") + nameColumn + QStringLiteral("=:name order by id"),
        { { QStringLiteral("name"), name } });
    if (code.isEmpty()) {
        code = GetNextSn(table, sn);
        ExecBound(QStringLiteral("insert into ") + table + QStringLiteral(" (") + sn + QLatin1Char(',') + nameColumn
                + QStringLiteral(") values (:sn,:name)"),
            { { QStringLiteral("sn"), code }, { QStringLiteral("name"), name } });
    }
    return code;
}

}

void GoodsImportRun::SetCategory(const QString& sn, const QString& cid)
{
    categorySn = sn;
    categoryCid = cid;
    perRow = sn.isEmpty();
}

void GoodsImportRun::BeginStaging()
{
    previewBase_ = autoNumber ? GetNextGoodsSn(categoryCid) : QString();
}

QString GoodsImportRun::PreviewCode(int sheetRow) const
{
    return QString::number(previewBase_.toLongLong() + sheetRow);
}

QString GoodsImportRun::DisplayText(const ImportRow& row, int sheetRow) const
{
    QString code = autoNumber ? PreviewCode(sheetRow) : row.Cell(QStringLiteral("g_sn"));
    if (code.isEmpty())
        code = QStringLiteral("------");
    return QLatin1Char('[') + NoApostrophe(code) + QLatin1Char(']')
        + NoApostrophe(row.Cell(QStringLiteral("g_name")).left(64));
}

void GoodsImportRun::BeginPass()
{
    defaultSupplier_ = QueryScalar(QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_default<>0"));
    knownNext_.clear();
    currentCode_ = NextGoodsSn();
}

QString GoodsImportRun::NextGoodsSn()
{
    // Within the pass nobody else writes goods, so after a generated code the next one
    // under the same category is that code plus one; the table is read once per category.
    if (knownNextCid_ != categoryCid || knownNext_.isEmpty()) {
        knownNextCid_ = categoryCid;
        knownNext_ = GetNextGoodsSn(categoryCid);
    }
    return knownNext_;
}

bool GoodsImportRun::EndsPass(const ImportRow& row)
{
    return row.Trimmed(QStringLiteral("g_name")).isEmpty();
}

QString GoodsImportRun::ImportRowCells(const ImportRow& row)
{
    const QString unit = row.Trimmed(QStringLiteral("dw_name"));
    if (unit.isEmpty())
        return QStringLiteral("导入失败,单位不能为空!");
    if (perRow) {
        const QString className = row.Trimmed(QStringLiteral("gc_name"));
        if (className.isEmpty())
            return QStringLiteral("导入失败,商品类别不能为空!");
        const QString sn
            = ScalarBound(QStringLiteral("select gc_sn from jxc_goodsclass where gc_name=:name order by id"),
                { { QStringLiteral("name"), className } });
        if (sn.isEmpty())
            return QStringLiteral("导入失败,商品类别不存在!");
        categorySn = sn;
        categoryCid = ScalarBound(
            QStringLiteral("select gc_cid from jxc_goodsclass where gc_sn=:sn"), { { QStringLiteral("sn"), sn } });
    }
    if (!autoNumber) {
        QString code = row.Trimmed(QStringLiteral("g_sn"));
        if (code.isEmpty())
            code = NextGoodsSn();
        currentCode_ = NoApostrophe(code);
        if (!ScalarBound(
                QStringLiteral("select g_sn from jxc_goods where g_sn=:sn"), { { QStringLiteral("sn"), currentCode_ } })
                 .isEmpty())
            return QStringLiteral("导入失败,商品编号已经存在!");
    }
    const QString name = NoApostrophe(row.Trimmed(QStringLiteral("g_name"))).left(128);
    if (uniqueNames
        && !ScalarBound(
            QStringLiteral("select g_name from jxc_goods where g_name=:name"), { { QStringLiteral("name"), name } })
                .isEmpty())
        return QStringLiteral("导入失败,商品名称已经存在!");
    SqlParams p;
    for (const auto& [field, caption] : GoodsNumberFields()) {
        if (!IsNumberCell(row.Cell(field)))
            return QStringLiteral("导入失败,") + caption + QStringLiteral("必须是数字!");
        p.insert(field, NumberCell(row.Cell(field)));
    }
    const QString colour = row.Trimmed(QStringLiteral("color_name")).left(64);
    const QString colourSn
        = GroupCode(QStringLiteral("jxc_colorz"), QStringLiteral("colorz"), colour, QStringLiteral("不关心颜色"));
    const QString size = row.Trimmed(QStringLiteral("cmz_name"));
    const QString sizeSn
        = GroupCode(QStringLiteral("jxc_cmz"), QStringLiteral("cmz"), size, QStringLiteral("不关心尺码"));
    if (autoNumber && (!row.Mapped(QStringLiteral("g_sn")) || row.Trimmed(QStringLiteral("g_sn")).isEmpty() || perRow))
        currentCode_ = NextGoodsSn();
    const QString style = row.Trimmed(QStringLiteral("gg_name")).left(64);
    const QString brand = row.Trimmed(QStringLiteral("g_sccs"));
    p.insert(QStringLiteral("sn"), currentCode_);
    p.insert(QStringLiteral("name"), name);
    p.insert(QStringLiteral("jm"), GetPyCode(name).left(32));
    p.insert(QStringLiteral("unit"), unit);
    p.insert(QStringLiteral("sccs"), brand);
    p.insert(QStringLiteral("bz"), row.Trimmed(QStringLiteral("g_bz")));
    p.insert(QStringLiteral("sptm"), row.Trimmed(QStringLiteral("g_sptm")));
    p.insert(QStringLiteral("ghs"), defaultSupplier_);
    p.insert(QStringLiteral("cid"), categoryCid);
    p.insert(QStringLiteral("gcsn"), categorySn);
    p.insert(QStringLiteral("gg"), style);
    p.insert(QStringLiteral("color"), colour);
    p.insert(QStringLiteral("ggjm"), GetPyCode(style).left(32));
    p.insert(QStringLiteral("cmz"), size);
    p.insert(QStringLiteral("colorzsn"), colourSn);
    p.insert(QStringLiteral("cmzsn"), sizeSn);
    p.insert(QStringLiteral("hj"), row.Trimmed(QStringLiteral("hj_name")).left(64));
    ExecBound(QStringLiteral(
                  "insert into jxc_goods (g_sn,g_name,g_jm,g_zhxs,dw_name2,g_jj,g_sj,g_sj1,g_sj2,g_sj3,g_sj4,g_sj5,"
                  "g_zdkc,g_tjsp,g_sccs,g_bz,g_kc,g_scjj,g_cbj,g_cgpl,g_xspl,g_jy,g_sptm,g_pjjj,ghs_sn,gc_cid,gc_sn,"
                  "dw_name,gg_name,color_name,gg_jm,color_jm,g_tjqx,g_iszp,g_hyj,g_tj,g_zpjf,g_dzll,g_dxdz,cmz_name,"
                  "g_tmtype,g_clxs,g_tclb,g_tc,g_tssp,g_tsjf,colorz_sn,cmz_sn,g_lsj,g_sy,g_gdcbj,hj_name) values "
                  "(:sn,:name,:jm,1,:unit,:g_jj,:g_sj,:g_sj1,:g_sj2,:g_sj3,:g_sj4,:g_sj5,:g_zdkc,0,:sccs,:bz,0,:g_jj,"
                  ":g_jj,0,0,0,:sptm,:g_jj,:ghs,:cid,:gcsn,:unit,:gg,:color,:ggjm,'',0,0,0,0,0,1,0,:cmz,1,0,0,0,0,0,"
                  ":colorzsn,:cmzsn,:g_lsj,0,0,:hj)"),
        p);
    if (currentCode_ == knownNext_ && knownNextCid_ == categoryCid)
        knownNext_ = QString::number(currentCode_.toLongLong() + 1);
    else
        knownNext_.clear();
    if (autoNumber)
        currentCode_ = QString::number(currentCode_.toLongLong() + 1);
    AddListEntryOnce(QStringLiteral("jxc_dw"), QStringLiteral("dw"), unit);
    if (!brand.isEmpty() && brand != QLatin1String("默认品牌"))
        AddListEntryOnce(QStringLiteral("jxc_ppcs"), QStringLiteral("pp"), brand);
    return QString();
}

TF_Spxxgl_Import::TF_Spxxgl_Import(QWidget* parent)
    : Form(parent),
      import({ QStringLiteral("TF_Spxxgl_Import"), QStringLiteral("jxc_goods"), QStringLiteral("g_name"),
          QStringLiteral("选择要导入的 商品资料"), QStringLiteral("Q_Goods"), QStringLiteral("商品信息模板") })
{
    setObjectName(QStringLiteral("TF_Spxxgl_Import"));
    setWindowTitle(QStringLiteral("导入商品信息"));
    resize(680, 500);
    import.displayText = [this](const ImportRow& row, int sheetRow) { return run.DisplayText(row, sheetRow);
};
import.endsPass = &GoodsImportRun::EndsPass;
import.beforePass = [this] { run.BeginPass();
}
;
import.importRow = [this](const ImportRow& row) { return run.ImportRowCells(row);
}
;

auto* box = new QVBoxLayout(this);
pages = new QStackedWidget(this);
box->addWidget(pages);
auto* costNote = new QLabel(QStringLiteral("预设进价 是该商品的成本价"));
costNote->setStyleSheet(QStringLiteral("color:red;font-weight:bold"));
box->addWidget(costNote);
auto buttonRow = [this](QVBoxLayout* into, const QList<QPair<QString, std::function<void()>>>& buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    QList<QPushButton*> made;
    for (const auto& [text, handler] : buttons) {
        auto* b = new QPushButton(text);
        connect(b, &QPushButton::clicked, this, handler);
        row->addWidget(b);
        made << b;
    }
    into->addLayout(row);
    return made;
};
const auto cancel = [this] { reject(); };
const auto prior = [this] { btnPriorClick(); };

gbNotes = new QGroupBox(QStringLiteral("商品信息导入功能使用说明"));
auto* notes = new QVBoxLayout(gbNotes);
auto* usage = new QLabel(QStringLiteral(
    "1、先选择导入的商品类别，每次只能导入一个类别的商品，也可以选择“所有类别”，由表格的“商品类别”列指定类别；\n"
    "2、打开Excel文件，表格的第一行为标题信息，与数据库的字段名称相同的列自动对应；\n"
    "3、选择要导入的商品后点击“导入”。"));
usage->setWordWrap(true);
notes->addWidget(usage, 1);
auto* link = new QLabel(QStringLiteral("<a href=\"#\">软件提供的Excel模板</a>"));
connect(link, &QLabel::linkActivated, this, [this] { urlExcelClick(); });
notes->addWidget(link);
buttonRow(notes, { { QStringLiteral("准备开始"), [this] { btnStartClick(); } }, { QStringLiteral("取消"), cancel } });
pages->addWidget(gbNotes);

gbClass = new QGroupBox(QStringLiteral("第一步：选择导入类别"));
auto* classBox = new QVBoxLayout(gbClass);
tvClass = new DbTree(gbClass);
tvClass->setObjectName(QStringLiteral("tvClass"));
tvClass->SetDataSource(&F_DataModule->D(QStringLiteral("D_GoodsClass")), QStringLiteral("gc_key"),
    QStringLiteral("gc_pid"), QStringLiteral("gc_name"));
connect(tvClass, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { tvClassClick(node); });
classBox->addWidget(tvClass, 1);
auto* chosen = new QHBoxLayout;
chosen->addWidget(new QLabel(QStringLiteral("所选类别：")));
lblClass = new QLabel;
lblClass->setStyleSheet(QStringLiteral("color:red"));
chosen->addWidget(lblClass, 1);
classBox->addLayout(chosen);
classBox->addWidget(new QLabel(QStringLiteral("说明：每次只能导入一个类别的商品。")));
btnNext1 = buttonRow(classBox,
    { { QStringLiteral("上一步"), prior }, { QStringLiteral("下一步"), [this] { btnNext1Click(); } },
        { QStringLiteral("取消"), cancel } })
               .at(1);
pages->addWidget(gbClass);

gbMapping = new QGroupBox(QStringLiteral("第二步：请选择要导入的字段"));
auto* mapBox = new QVBoxLayout(gbMapping);
cxGrid3 = new DataGrid(gbMapping);
cxGrid3->setObjectName(QStringLiteral("cxGrid3"));
SheetImport::SetUpMappingGrid(*cxGrid3);
mapBox->addWidget(cxGrid3, 1);
chkAutoSn = new QCheckBox(QStringLiteral("自动编号"));
chkAutoSn->setChecked(true);
mapBox->addWidget(chkAutoSn);
btnNext2 = buttonRow(mapBox,
    { { QStringLiteral("打开文件"), [this] { btnOpenClick(); } }, { QStringLiteral("上一步"), prior },
        { QStringLiteral("下一步"), [this] { btnNext2Click(); } }, { QStringLiteral("取消"), cancel } })
               .at(2);
pages->addWidget(gbMapping);

gbRows = new QGroupBox(QStringLiteral("选择要导入的 商品资料"));
auto* rowBox = new QVBoxLayout(gbRows);
cxGrid4 = new DataGrid(gbRows);
cxGrid4->setObjectName(QStringLiteral("cxGrid4"));
SheetImport::SetUpRowsGrid(*cxGrid4, QStringLiteral("商品编号"));
rowBox->addWidget(cxGrid4, 1);
auto* ticks = new QHBoxLayout;
chkAll = new QCheckBox(QStringLiteral("全选"));
chkAll->setChecked(true);
connect(chkAll, &QCheckBox::clicked, this, [this] { chkAllClick(); });
chkNameUnique = new QCheckBox(QStringLiteral("商品名称不允许重复"));
ticks->addWidget(chkAll);
ticks->addWidget(chkNameUnique);
ticks->addStretch(1);
rowBox->addLayout(ticks);
btnImport = buttonRow(rowBox,
    { { QStringLiteral("上一步"), prior }, { QStringLiteral("导入"), [this] { btnImportClick(); } },
        { QStringLiteral("取消"), cancel } })
                .at(1);
pages->addWidget(gbRows);
}

TF_Spxxgl_Import::~TF_Spxxgl_Import()
{
    FormClose();
}

void TF_Spxxgl_Import::FormActivate()
{
    pages->setCurrentWidget(gbNotes);
    SheetImport::Q_Importchk().Close();
    SheetImport::Q_ImportData().Close();
}

void TF_Spxxgl_Import::btnStartClick()
{
    pages->setCurrentWidget(gbClass);
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_GoodsClass")),
        QStringLiteral("select * from jxc_goodsclass order by gc_key"));
    tvClass->Rebuild();
    if (QTreeWidgetItem* leaf = tvClass->FirstLeaf())
        tvClassClick(leaf);
}

void TF_Spxxgl_Import::tvClassClick(QTreeWidgetItem* node)
{
    if (!node)
        return;
    tvClass->SelectNode(node);
    Query& classes = F_DataModule->Q(QStringLiteral("Q_GoodsClass"));
    const QString sn = classes.AsString(QStringLiteral("gc_sn"));
    if (!sn.isEmpty() && node->childCount() > 0) {
        btnNext1->setEnabled(false);
        return;
    }
    run.SetCategory(sn, classes.AsString(QStringLiteral("gc_cid")));
    lblClass->setText(classes.AsString(QStringLiteral("gc_name")));
    btnNext1->setEnabled(true);
}

void TF_Spxxgl_Import::btnNext1Click()
{
    gbMapping->setTitle(QStringLiteral("第二步：请选择要导入的字段"));
    import.ClearMapping();
    pages->setCurrentWidget(gbMapping);
    btnNext2->setEnabled(false);
}

void TF_Spxxgl_Import::btnOpenClick()
{
    if (import.btnOpenClick())
        WorkbookOpened();
}

void TF_Spxxgl_Import::OpenWorkbook(const QString& path)
{
    if (import.OpenWorkbook(path))
        WorkbookOpened();
}

void TF_Spxxgl_Import::WorkbookOpened()
{
    gbMapping->setTitle(import.MappingCaption());
    btnNext2->setEnabled(true);
}

void TF_Spxxgl_Import::btnNext2Click()
{
    pages->setCurrentWidget(gbRows);
    run.autoNumber = chkAutoSn->isChecked();
    run.BeginStaging();
    import.setcxGrid4Value(chkAll->isChecked());
    gbRows->setTitle(import.RowsCaption());
    btnImport->setEnabled(chkAll->isChecked());
}

void TF_Spxxgl_Import::btnPriorClick()
{
    const int at = pages->currentIndex();
    if (at > 0)
        pages->setCurrentIndex(at - 1);
}

void TF_Spxxgl_Import::chkAllClick()
{
    import.chkAllClick(chkAll->isChecked());
    btnImport->setEnabled(chkAll->isChecked());
}

void TF_Spxxgl_Import::btnImportClick()
{
    run.autoNumber = chkAutoSn->isChecked();
    run.uniqueNames = chkNameUnique->isChecked();
    import.btnImportClick(this);
}

void TF_Spxxgl_Import::urlExcelClick()
{
    import.urlExcelClick();
}

void TF_Spxxgl_Import::FormClose()
{
    import.FormClose();
}
