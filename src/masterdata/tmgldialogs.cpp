#include "masterdata/tmgldialogs.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/tmgl.h"
#include "masterdata/tmglops.h"
#include "platform/db/query.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TF_Tmgl_Set* F_Tmgl_Set = nullptr;
TF_Tmgl_Add* F_Tmgl_Add = nullptr;

namespace {

void ApplyFont(Form* f)
{
    if (FontSize > 0)
        f->ApplyFontSize(FontSize);
}

QHBoxLayout* OkCancel(
    Form* f, const QString& ok, const QString& cancel, QPushButton** okButton, QPushButton** cancelButton)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    *okButton = new QPushButton(ok, f);
    *cancelButton = new QPushButton(cancel, f);
    row->addWidget(*okButton);
    row->addWidget(*cancelButton);
    return row;
}

MatrixGrid* SegmentGrid(QWidget* parent)
{
    auto* g = new MatrixGrid(parent);
    g->SetFixed(0, 1);
    g->SetQuantityEditor(false, 8);
    g->SetSize(1, 2);
    g->setMaximumHeight(80);
    return g;
}

void FillSegments(MatrixGrid* g, const QList<SegmentColumn>& cols)
{
    g->SetSize(cols.size(), 2);
    for (int c = 0; c < cols.size(); ++c) {
        g->SetCell(c, 0, cols[c].name);
        g->SetCell(c, 1, cols[c].segment);
    }
}

QList<SegmentColumn> ReadSegments(const MatrixGrid* g)
{
    QList<SegmentColumn> cols;
    for (int c = 0; c < g->ColCount(); ++c)
        cols.append({ g->Cell(c, 0), g->Cell(c, 1) });
    return cols;
}

}

// ---- 条码设置 ----

TF_Tmgl_Set::TF_Tmgl_Set(QWidget* parent) : Form(parent)
{
    F_Tmgl_Set = this;
    setObjectName(QStringLiteral("TF_Tmgl_Set"));
    setWindowTitle(QStringLiteral("条码设置"));
    resize(560, 380);
    auto* box = new QVBoxLayout(this);
    auto* head = new QGridLayout;
    lsn = new QLabel(this);
    lname = new QLabel(this);
    tsptm = new QLineEdit(this);
    tsptm->setMaxLength(32);
    comTmtype = new QComboBox(this);
    head->addWidget(new QLabel(QStringLiteral("商品编号："), this), 0, 0);
    head->addWidget(lsn, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("商品名称："), this), 0, 2);
    head->addWidget(lname, 0, 3);
    head->addWidget(new QLabel(QStringLiteral("商品条码："), this), 1, 0);
    head->addWidget(tsptm, 1, 1);
    head->addWidget(new QLabel(QStringLiteral("条码格式："), this), 1, 2);
    head->addWidget(comTmtype, 1, 3);
    box->addLayout(head);
    auto* colours = new QGroupBox(QStringLiteral("输入本款服装对应的颜色代码"), this);
    StringGridColor = SegmentGrid(colours);
    (new QVBoxLayout(colours))->addWidget(StringGridColor);
    box->addWidget(colours);
    auto* sizes = new QGroupBox(QStringLiteral("输入本款服装对应的尺码代码"), this);
    StringGridCm = SegmentGrid(sizes);
    (new QVBoxLayout(sizes))->addWidget(StringGridCm);
    box->addWidget(sizes);
    QPushButton *ok = nullptr, *cancel = nullptr;
    box->addLayout(OkCancel(this, QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)"), &ok, &cancel));
    connect(ok, &QPushButton::clicked, this, &TF_Tmgl_Set::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &TF_Tmgl_Set::btnCancelClick);
}

TF_Tmgl_Set::~TF_Tmgl_Set()
{
    if (F_Tmgl_Set == this)
        F_Tmgl_Set = nullptr;
}

void TF_Tmgl_Set::FormActivate()
{
    ApplyFont(this);
    comTmtype->clear();
    comTmtype->addItems({ QStringLiteral("商品条码+颜色+尺码"), QStringLiteral("商品条码+尺码+颜色") });
    Query& goods = F_Tmgl->Q_Tmgl1;
    code_ = goods.AsString(QStringLiteral("g_sn"));
    lsn->setText(code_);
    lname->setText(goods.AsString(QStringLiteral("g_name")));
    barcodeAtOpening_ = goods.AsString(QStringLiteral("g_sptm"));
    tsptm->setText(barcodeAtOpening_);
    // A goods without a known rule starts on the first one.
    comTmtype->setCurrentIndex(goods.AsInteger(QStringLiteral("g_tmtype")) == 2 ? 1 : 0);
    FillSegments(StringGridColor, GoodsColourSegments(code_, goods.AsString(QStringLiteral("colorz_sn"))));
    FillSegments(StringGridCm, GoodsSizeSegments(code_, goods.AsString(QStringLiteral("cmz_sn"))));
}

void TF_Tmgl_Set::btnOKClick()
{
    const QString b = tsptm->text().trimmed();
    if (SaveGoodsBarcodes(code_, b, comTmtype->currentIndex() + 1, ReadSegments(StringGridColor),
            ReadSegments(StringGridCm), barcodeAtOpening_)) {
        Query& goods = F_Tmgl->Q_Tmgl1;
        goods.Requery();
        goods.Locate(QStringLiteral("g_sn"), code_);
        Query& list = F_DataModule->Q(QStringLiteral("Q_Goods"));
        if (list.Active())
            list.Requery();
    }
    accept();
}

void TF_Tmgl_Set::btnCancelClick()
{
    reject();
}

// ---- 输入打印条码数量 ----

TF_Tmgl_Add::TF_Tmgl_Add(QWidget* parent) : Form(parent)
{
    F_Tmgl_Add = this;
    setObjectName(QStringLiteral("TF_Tmgl_Add"));
    setWindowTitle(QStringLiteral("输入打印条码数量"));
    auto* box = new QVBoxLayout(this);
    box->addWidget(new QLabel(QStringLiteral("输入所选商品要打印条码的数量"), this));
    auto* form = new QGridLayout;
    lgoods = new QLabel(this);
    tsl = new QLineEdit(QStringLiteral("0"), this);
    tsl->setMaxLength(7);
    tsl->setValidator(new QIntValidator(0, 9999999, tsl));
    form->addWidget(new QLabel(QStringLiteral("所选商品："), this), 0, 0);
    form->addWidget(lgoods, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("条码数量："), this), 1, 0);
    form->addWidget(tsl, 1, 1);
    box->addLayout(form);
    QPushButton *ok = nullptr, *cancel = nullptr;
    box->addLayout(OkCancel(this, QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)"), &ok, &cancel));
    connect(ok, &QPushButton::clicked, this, &TF_Tmgl_Add::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &TF_Tmgl_Add::btnCancelClick);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, &TF_Tmgl_Add::btnOKClick);
}

TF_Tmgl_Add::~TF_Tmgl_Add()
{
    if (F_Tmgl_Add == this)
        F_Tmgl_Add = nullptr;
}

void TF_Tmgl_Add::btnOKClick()
{
    // Never empty: an emptied field counts as 0.
    SelectedSn = QString::number(tsl->text().trimmed().toLongLong());
    accept();
}

void TF_Tmgl_Add::btnCancelClick()
{
    reject();
}

// ---- 条码测试 ----

TF_Tmgl_Cs::TF_Tmgl_Cs(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Tmgl_Cs"));
    setWindowTitle(QStringLiteral("条码测试"));
    auto* box = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("请在文本框中输入条码来测试条码是否正确"), this);
    auto* form = new QGridLayout(group);
    tkey = new QLineEdit(group);
    form->addWidget(new QLabel(QStringLiteral("请输入条码："), group), 0, 0);
    form->addWidget(tkey, 0, 1, 1, 3);
    int row = 1, col = 0;
    auto add = [&](const char* caption) {
        auto* value = new QLabel(group);
        form->addWidget(new QLabel(QString::fromUtf8(caption), group), row, col);
        form->addWidget(value, row, col + 1);
        col = col == 0 ? 2 : 0;
        if (col == 0)
            ++row;
        return value;
    };
    lsn = add("商品编号：");
    lname = add("商品名称：");
    lgg = add("款型说明：");
    ldw = add("单        位：");
    lcolor = add("颜色：");
    lcolortm = add("颜色代码：");
    lcm = add("尺码：");
    lcmtm = add("尺码代码：");
    box->addWidget(group);
    QPushButton *ok = nullptr, *cancel = nullptr;
    box->addLayout(OkCancel(this, QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)"), &ok, &cancel));
    connect(ok, &QPushButton::clicked, this, &TF_Tmgl_Cs::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(tkey, &QLineEdit::returnPressed, this, &TF_Tmgl_Cs::btnOKClick);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, &TF_Tmgl_Cs::btnOKClick);
}

void TF_Tmgl_Cs::FormActivate()
{
    ApplyFont(this);
    tkey->clear();
    for (QLabel* l : { lsn, lname, lgg, ldw, lcolor, lcolortm, lcm, lcmtm })
        l->clear();
}

void TF_Tmgl_Cs::btnOKClick()
{
    // Typed as is: a scanned "AB-12" is looked up as "AB-12".
    const QString b = tkey->text().trimmed();
    if (b.isEmpty())
        return;
    Query& q = F_DataModule->QuerySelect;
    FindBarcode(b, q);
    if (q.IsEmpty()) {
        Prompt::Info(QStringLiteral("商品不存在！"));
        return;
    }
    q.First();
    lsn->setText(q.AsString(QStringLiteral("g_sn")));
    lname->setText(q.AsString(QStringLiteral("g_name")));
    lgg->setText(q.AsString(QStringLiteral("gg_name")));
    ldw->setText(q.AsString(QStringLiteral("dw_name")));
    lcolor->setText(q.AsString(QStringLiteral("color_name")));
    lcolortm->setText(q.AsString(QStringLiteral("color_tm")));
    lcm->setText(q.AsString(QStringLiteral("cm_name")));
    lcmtm->setText(q.AsString(QStringLiteral("cm_tm")));
}
