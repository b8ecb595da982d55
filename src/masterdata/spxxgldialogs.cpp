#include "masterdata/spxxgldialogs.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/goodsops.h"
#include "masterdata/inform.h"
#include "masterdata/keyfilter.h"
#include "masterdata/spxxgl.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

QLabel* ValueLabel(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    return l;
}

QString SelectedCountText()
{
    return F_Spxxgl ? QString::number(F_Spxxgl->SelectedRows().size()) : QStringLiteral("0");
}

QList<qint64> SelectedGoods()
{
    return F_Spxxgl ? F_Spxxgl->SelectedIds() : QList<qint64>();
}

void ReopenList()
{
    if (F_Spxxgl)
        F_Spxxgl->ReopenGoods();
}

}

BulkGoodsDialog::BulkGoodsDialog(
    const QString& objectName, const QString& caption, const QString& okCaption, QWidget* parent)
    : Form(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* box = new QVBoxLayout(this);
    body_ = new QGridLayout;
    box->addLayout(body_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOK = new QPushButton(okCaption, this);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    box->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, [this] { btnOKClick(); });
}

void BulkGoodsDialog::btnExitClick()
{
    reject();
}

void BulkGoodsDialog::AddRow(const QString& caption, QWidget* value)
{
    const int row = body_->rowCount();
    body_->addWidget(new QLabel(caption, this), row, 0);
    body_->addWidget(value, row, 1);
}

void BulkGoodsDialog::AddNote(const QString& text)
{
    body_->addWidget(new QLabel(text, this), body_->rowCount(), 0, 1, 2);
}

// ---- change of category ----

TF_Spxxgl_Class::TF_Spxxgl_Class(QWidget* parent)
    : BulkGoodsDialog(
        QStringLiteral("TF_Spxxgl_Class"), QStringLiteral("修改商品类别"), QStringLiteral("保存(F5)"), parent),
      Q_GClassA(F_DataModule->Q(QStringLiteral("Q_GClassA")))
{
    resize(360, 460);
    AddNote(QStringLiteral("选择商品类别"));
    tree = new DbTree(this);
    tree->SetDataSource(new DataSource(&Q_GClassA, this), QStringLiteral("gc_key"), QStringLiteral("gc_pid"),
        QStringLiteral("gc_name"));
    tree->setMinimumHeight(260);
    AddRow(QString(), tree);
    AddNote(QStringLiteral("确认信息"));
    lNum = ValueLabel(this);
    AddRow(QStringLiteral("选择商品个数："), lNum);
    lClass = ValueLabel(this);
    AddRow(QStringLiteral("选择商品类别："), lClass);
    connect(tree, &QTreeWidget::itemClicked, this, &TF_Spxxgl_Class::selectNode);
}

void TF_Spxxgl_Class::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    lNum->setText(SelectedSn);
    lClass->clear();
    chosen_.clear();
    SelectedSn.clear();
    Q_GClassA.SetSQL(QStringLiteral("select * from jxc_goodsclass order by gc_key"));
    Q_GClassA.Open();
    if (tree->topLevelItemCount() > 0) {
        tree->SelectNode(tree->topLevelItem(0));
        ExpandBranch(tree->topLevelItem(0));
    }
}

void TF_Spxxgl_Class::selectNode()
{
    if (!Q_GClassA.Active() || Q_GClassA.RecNo() < 0)
        return;
    lClass->setText(Q_GClassA.AsString(QStringLiteral("gc_name")));
    chosen_ = Q_GClassA.AsString(QStringLiteral("gc_sn"));
}

void TF_Spxxgl_Class::btnOKClick()
{
    if (chosen_.isEmpty()) {
        Inform(QStringLiteral("请选择商品类别！"));
        return;
    }
    SelectedSn = chosen_;
    Q_GClassA.Close();
    accept();
}

void TF_Spxxgl_Class::btnExitClick()
{
    Q_GClassA.Close();
    SelectedSn.clear();
    reject();
}

// ---- bulk delete ----

TF_Spxxgl_Dele::TF_Spxxgl_Dele(QWidget* parent)
    : BulkGoodsDialog(
        QStringLiteral("TF_Spxxgl_Dele"), QStringLiteral("批量删除商品"), QStringLiteral("确认删除(F5)"), parent)
{
    resize(460, 380);
    AddNote(QStringLiteral("确认信息"));
    lNum = ValueLabel(this);
    AddRow(QStringLiteral("选择商品个数："), lNum);
    AddNote(QStringLiteral("已经发生业务的商品不会删除，"));
    AddNote(QStringLiteral("商品删除之后无法恢复，"));
    AddNote(QStringLiteral("请确认无误后点击“确认删除”按钮。"));
    AddNote(QStringLiteral("删除结果提示"));
    tnote = new QPlainTextEdit(this);
    tnote->setReadOnly(true);
    AddRow(QString(), tnote);
}

void TF_Spxxgl_Dele::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    lNum->setText(SelectedCountText());
    tnote->clear();
}

void TF_Spxxgl_Dele::btnOKClick()
{
    if (Prompt::YesNo(QStringLiteral("您确定要删除选中商品信息吗！")) != Prompt::Answer::Yes)
        return;
    tnote->clear();
    QStringList deletable;
    if (F_Spxxgl) {
        DataGrid* grid = F_Spxxgl->cxGridView;
        for (int row : F_Spxxgl->SelectedRows()) {
            const QString code = grid->Value(row, QStringLiteral("g_sn")).toString();
            const QString head = QStringLiteral("商品编号：") + code + QStringLiteral(" 商品名称：")
                + grid->Value(row, QStringLiteral("g_name")).toString();
            if (code == kBuiltInGoods) {
                tnote->appendPlainText(head + QStringLiteral("  为系统内置商品，不能删除！"));
                continue;
            }
            const QString no = GoodsBusinessDocNo(code);
            if (!no.isEmpty()) {
                tnote->appendPlainText(
                    head + QStringLiteral("  已发生过业务，单据号：") + no + QStringLiteral(" 不能删除！"));
                continue;
            }
            deletable << code;
        }
    }
    DeleteGoods(deletable);
    ReopenList();
    Inform(QStringLiteral("成功删除：") + QString::number(deletable.size()) + QStringLiteral("  个商品信息。"));
}

void TF_Spxxgl_Dele::btnExitClick()
{
    SelectedSn.clear();
    reject();
}

// ---- minimum stock ----

TF_Spxxgl_Zdkc::TF_Spxxgl_Zdkc(QWidget* parent)
    : BulkGoodsDialog(
        QStringLiteral("TF_Spxxgl_Zdkc"), QStringLiteral("批量设置库存下限"), QStringLiteral("确认(F5)"), parent)
{
    lNum = ValueLabel(this);
    AddRow(QStringLiteral("选择商品个数："), lNum);
    tsl = new QDoubleSpinBox(this);
    tsl->setDecimals(2);
    tsl->setRange(-99999.99, 999999.99);
    AddRow(QStringLiteral("库存下限："), tsl);
    AddNote(QStringLiteral("请确认无误后点击“确认”按钮。"));
}

void TF_Spxxgl_Zdkc::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    tsl->setValue(0);
    lNum->setText(SelectedCountText());
}

void TF_Spxxgl_Zdkc::btnOKClick()
{
    if (Prompt::YesNo(QStringLiteral("您确定要修改选中商品的最低库存吗！")) != Prompt::Answer::Yes)
        return;
    const QList<qint64> ids = SelectedGoods();
    SetGoodsMinimumStock(ids, tsl->value());
    ReopenList();
    Inform(QStringLiteral("成功修改：") + QString::number(ids.size()) + QStringLiteral("  个商品信息。"));
    accept();
}

void TF_Spxxgl_Zdkc::btnExitClick()
{
    SelectedSn.clear();
    reject();
}

// ---- wholesale prices ----

TF_Spxxgl_Pfj::TF_Spxxgl_Pfj(QWidget* parent)
    : BulkGoodsDialog(
        QStringLiteral("TF_Spxxgl_Pfj"), QStringLiteral("批量定义批发价"), QStringLiteral("保存(F5)"), parent)
{
    lbName = ValueLabel(this);
    AddRow(QStringLiteral("当前类别："), lbName);
    comJb = new QComboBox(this);
    comJb->addItems({ QStringLiteral("一级批发价"), QStringLiteral("二级批发价"), QStringLiteral("三级批发价"),
        QStringLiteral("四级批发价"), QStringLiteral("五级批发价"), QStringLiteral("零售价"),
        QStringLiteral("预设售价") });
    AddRow(QStringLiteral("批发价级别："), comJb);
    auto* formula = new QWidget(this);
    auto* line = new QHBoxLayout(formula);
    line->setContentsMargins(0, 0, 0, 0);
    comJs = new QComboBox(formula);
    comJs->addItems({ QStringLiteral("预设售价"), QStringLiteral("一级批发价"), QStringLiteral("二级批发价"),
        QStringLiteral("三级批发价"), QStringLiteral("四级批发价"), QStringLiteral("五级批发价"),
        QStringLiteral("零售价"), QStringLiteral("预设进价"), QStringLiteral("上次进价"), QStringLiteral("成本均价") });
    line->addWidget(comJs);
    line->addWidget(new QLabel(QStringLiteral("X "), formula));
    tjgbl = new QDoubleSpinBox(formula);
    tjgbl->setDecimals(4);
    tjgbl->setRange(-999999.9999, 999999.9999);
    line->addWidget(tjgbl);
    AddRow(QStringLiteral("批发价="), formula);
    AddNote(QStringLiteral("批发价=预设售价 X 0.xxxx 的格式"));
    comFw = new QComboBox(this);
    comFw->addItems({ QStringLiteral("当前类别"), QStringLiteral("全部商品") });
    AddRow(QStringLiteral("批发价定义范围："), comFw);
}

void TF_Spxxgl_Pfj::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    comJb->setCurrentIndex(0);
    comJs->setCurrentIndex(0);
    comFw->setCurrentIndex(0);
    lbName->setText(F_Spxxgl ? F_Spxxgl->FocusedValue(QStringLiteral("gc_name")) : QString());
    tjgbl->setValue(1);
}

void TF_Spxxgl_Pfj::btnOKClick()
{
    const bool all = comFw->currentIndex() == 1;
    const QString code = F_Spxxgl ? F_Spxxgl->FocusedValue(QStringLiteral("gc_sn")) : QString();
    if (all || !code.isEmpty())
        SetWholesalePrices(WholesaleTargetColumn(comJb->currentText()), WholesaleSourceColumn(comJs->currentText()),
            tjgbl->value(), all, code);
    ReopenList();
    accept();
}

// ---- short code ----

TF_Spxxgl_JmModi::TF_Spxxgl_JmModi(QWidget* parent)
    : BulkGoodsDialog(
        QStringLiteral("TF_Spxxgl_JmModi"), QStringLiteral("简码修改"), QStringLiteral("保存(F5)"), parent)
{
    lName = ValueLabel(this);
    AddRow(QStringLiteral("商品名称："), lName);
    tjm = new QLineEdit(this);
    tjm->setMaxLength(20);
    DiscardSearchPunctuation(tjm);
    AddRow(QStringLiteral("简        码："), tjm);
}

void TF_Spxxgl_JmModi::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    id_ = 0;
    if (!F_Spxxgl)
        return;
    id_ = F_Spxxgl->FocusedValue(QStringLiteral("id")).toLongLong();
    lName->setText(F_Spxxgl->FocusedValue(QStringLiteral("g_name")));
    tjm->setText(F_Spxxgl->FocusedValue(QStringLiteral("g_jm")));
}

void TF_Spxxgl_JmModi::btnOKClick()
{
    SetGoodsShortCode(id_, ToFullWidthText(tjm->text().trimmed().toUpper()));
    if (F_Spxxgl) {
        const QString code = F_Spxxgl->FocusedValue(QStringLiteral("g_sn"));
        F_Spxxgl->ReopenGoods();
        F_Spxxgl->Q_Goods.Locate(QStringLiteral("g_sn"), code);
    }
    accept();
}
