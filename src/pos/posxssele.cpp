#include "pos/posxssele.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/gridmodel.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Posxs_Sele::TF_Posxs_Sele(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Sele"));
    setWindowTitle(QStringLiteral("选择尺码和颜色"));
    resize(640, 420);
    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    lsn = new QLabel(this);
    lname = new QLabel(this);
    top->addWidget(new QLabel(QStringLiteral("商品编号："), this));
    top->addWidget(lsn);
    top->addSpacing(20);
    top->addWidget(new QLabel(QStringLiteral("商品名称："), this));
    top->addWidget(lname, 1);
    box->addLayout(top);
    StringGrid = new MatrixGrid(this);
    StringGrid->SetReadOnly(true);
    StringGrid->SetCellStyler([this](int c, int r, CellStyle& s) { StringGridDrawCell(c, r, s); });
    box->addWidget(StringGrid, 1);
    auto* chosen = new QHBoxLayout;
    lcm = new QLabel(this);
    lcolor = new QLabel(this);
    chosen->addWidget(new QLabel(QStringLiteral("当前选择的尺码："), this));
    chosen->addWidget(lcm);
    chosen->addSpacing(20);
    chosen->addWidget(new QLabel(QStringLiteral("颜色："), this));
    chosen->addWidget(lcolor);
    chosen->addStretch(1);
    chkHide = new QCheckBox(QStringLiteral("隐藏0库存的颜色尺码"), this);
    chosen->addWidget(chkHide);
    box->addLayout(chosen);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("说明：双击或回车选择"), this));
    bottom->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    btnOK->setAutoDefault(false);
    btnExit->setAutoDefault(false);
    bottom->addWidget(btnOK);
    bottom->addWidget(btnExit);
    box->addLayout(bottom);
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_Sele::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_Posxs_Sele::btnExitClick);
    connect(chkHide, &QCheckBox::clicked, this, &TF_Posxs_Sele::chkHideClick);
    connect(StringGrid, &MatrixGrid::cellSelected, this, &TF_Posxs_Sele::StringGridSelectCell);
    connect(StringGrid, &QTableWidget::cellDoubleClicked, this, [this](int, int) { btnOKClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_F5 || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            btnOKClick();
            return true;
        }
        return false;
    });
}

void TF_Posxs_Sele::FormActivate()
{
    goods_ = SelectedSn;
    warehouse_ = OpenMode;
    lcm->clear();
    lcolor->clear();
    Query q(&F_DataModule->ADOConn);
    OpenWithParams(q, QStringLiteral("select g_sn,g_name,cmz_sn,colorz_sn from jxc_goods where g_sn=:g"),
        { { QStringLiteral("g"), goods_ } });
    QString sizeGroup, colourGroup;
    if (!q.IsEmpty()) {
        q.First();
        lsn->setText(q.AsString(QStringLiteral("g_sn")));
        lname->setText(q.AsString(QStringLiteral("g_name")));
        sizeGroup = q.AsString(QStringLiteral("cmz_sn"));
        colourGroup = q.AsString(QStringLiteral("colorz_sn"));
    }
    QStringList sizeNames, colourNames;
    sizeCodes_.clear();
    colourCodes_.clear();
    OpenWithParams(q,
        QStringLiteral("select a.cm_sn,a.cm_name from jxc_cm a,jxc_cmz2 b where a.cm_sn=b.cm_sn and b.cmz_sn=:z "
                       "order by a.id"),
        { { QStringLiteral("z"), sizeGroup } });
    for (q.First(); !q.Eof(); q.Next()) {
        sizeCodes_ << q.AsString(QStringLiteral("cm_sn"));
        sizeNames << q.AsString(QStringLiteral("cm_name"));
    }
    OpenWithParams(q,
        QStringLiteral("select a.color_sn,a.color_name from jxc_color a,jxc_colorz2 b where "
                       "a.color_sn=b.color_sn and b.colorz_sn=:z order by a.id"),
        { { QStringLiteral("z"), colourGroup } });
    for (q.First(); !q.Eof(); q.Next()) {
        colourCodes_ << q.AsString(QStringLiteral("color_sn"));
        colourNames << q.AsString(QStringLiteral("color_name"));
    }
    StringGrid->Build(QStringLiteral("颜色/尺码"), sizeNames, colourNames, QStringLiteral("合计"));
    // A colour and size may have several stock rows; the cell shows their sum.
    OpenWithParams(q,
        QStringLiteral("select cm_sn,color_sn,sum(t_sl) as kc from jxc_tkc where g_sn=:g and ck_sn=:w "
                       "group by cm_sn,color_sn"),
        { { QStringLiteral("g"), goods_ }, { QStringLiteral("w"), warehouse_ } });
    for (q.First(); !q.Eof(); q.Next()) {
        const int col = sizeCodes_.indexOf(q.AsString(QStringLiteral("cm_sn"))) + 1;
        const int row = colourCodes_.indexOf(q.AsString(QStringLiteral("color_sn"))) + 1;
        if (col < 1 || row < 1)
            continue;
        StringGrid->SetCell(col, row, NumberText(q.AsFloat(QStringLiteral("kc"))));
        StringGrid->UpdateTotals(col, row);
    }
    SelectedSn.clear();
    OpenMode.clear();
    if (StringGrid->ColCount() > 2 && StringGrid->RowCount() > 2)
        StringGrid->setCurrentCell(1, 1);
    StringGrid->setFocus();
}

bool TF_Posxs_Sele::FormCloseQuery()
{
    chkHide->setChecked(false);
    return true;
}

void TF_Posxs_Sele::StringGridSelectCell(int col, int row)
{
    if (!StringGrid->IsDataCell(col, row)) {
        lcm->clear();
        lcolor->clear();
        return;
    }
    lcm->setText(StringGrid->Cell(col, 0));
    lcolor->setText(StringGrid->Cell(0, row));
}

void TF_Posxs_Sele::btnOKClick()
{
    const int col = StringGrid->currentColumn();
    const int row = StringGrid->currentRow();
    if (!StringGrid->IsDataCell(col, row))
        return;
    const QString stock = StringGrid->Cell(col, row);
    if (!IsTrue(AllowZeroStockOut) && (stock.isEmpty() || stock == QLatin1String("0"))) {
        Prompt::Info(QStringLiteral("库存为0不允许销售，重新输入！"));
        return;
    }
    SelectedSn = StringGrid->Cell(col, 0);
    OpenMode = StringGrid->Cell(0, row);
    ActiveDocKind = stock;
    chkHide->setChecked(false);
    accept();
}

void TF_Posxs_Sele::btnExitClick()
{
    SelectedSn.clear();
    chkHide->setChecked(false);
    reject();
}

void TF_Posxs_Sele::chkHideClick()
{
    StringGrid->HideEmpty(chkHide->isChecked());
}

void TF_Posxs_Sele::StringGridDrawCell(int col, int row, CellStyle& style)
{
    if (col < 1 || row < 1)
        return;
    const bool lastCol = col == StringGrid->ColCount() - 1;
    const bool lastRow = row == StringGrid->RowCount() - 1;
    const bool current = StringGrid->currentColumn() == col && StringGrid->currentRow() == row;
    if (lastCol || lastRow) {
        style.background = QColor(142, 216, 129);
        style.text = lastCol && lastRow ? QColor(Qt::red) : QColor(Qt::blue);
        return;
    }
    if (current) {
        style.background = QColor(92, 138, 214);
        return;
    }
    if (StringGrid->Cell(col, row) == QLatin1String("0")) {
        style.text = QColor(Qt::red);
        style.background = QColor(248, 182, 81);
    }
}
