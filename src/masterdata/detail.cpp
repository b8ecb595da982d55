#include "masterdata/detail.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/gridmodel.h"
#include "platform/grid/matrixgrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

}

TF_Detail::TF_Detail(QWidget* parent) : Form(parent)
{
    setObjectName(S("TF_Detail"));
    setWindowTitle(S("详细数据"));
    resize(620, 420);
    auto* box = new QVBoxLayout(this);
    auto* goods = new QGroupBox(S("商品信息"), this);
    auto* form = new QGridLayout(goods);
    int i = 0;
    auto add = [&](const char* caption) {
        auto* value = new QLabel(goods);
        form->addWidget(new QLabel(S(caption), goods), i / 2, (i % 2) * 2);
        form->addWidget(value, i / 2, (i % 2) * 2 + 1);
        ++i;
        return value;
    };
    lsn = add("商品编号：");
    lname = add("商品名称：");
    lgg = add("款型说明：");
    ldw = add("单        位：");
    lsccs = add("品牌厂商：");
    lkc = add("当前库存：");
    box->addWidget(goods);
    box->addWidget(new QLabel(S("详细数量"), this));
    StringGridIn = new MatrixGrid(this);
    StringGridIn->SetFixed(1, 1);
    StringGridIn->SetSize(5, 5);
    StringGridIn->SetReadOnly(true);
    StringGridIn->SetCellStyler([this](int c, int r, CellStyle& s) { StringGridInDrawCell(c, r, s); });
    box->addWidget(StringGridIn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* exit = new QPushButton(S("退出(Esc)"), this);
    buttons->addWidget(exit);
    box->addLayout(buttons);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

bool TF_Detail::IsDetailTable(const QString& table)
{
    static const QStringList tables = { S("jxc_jhspmx"), S("jxc_thspmx"), S("jxc_cgspmx"), S("jxc_lsxsspmx"),
        S("jxc_xsthspmx"), S("jxc_xsspmx"), S("jxc_dbspmx"), S("jxc_bsspmx"), S("jxc_byspmx"), S("jxc_kcpdspmx"),
        S("jxc_bmlyspmx"), S("jxc_scrkspmx") };
    return tables.contains(table);
}

void TF_Detail::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(S("select * from jxc_goods where g_sn=:g"));
    q.SetParam(S("g"), SelectedSn);
    q.Open();
    if (!q.IsEmpty()) {
        lsn->setText(q.AsString(S("g_sn")));
        lname->setText(q.AsString(S("g_name")));
        lgg->setText(q.AsString(S("gg_name")));
        ldw->setText(q.AsString(S("dw_name")));
        lsccs->setText(q.AsString(S("g_sccs")));
        lkc->setText(q.AsString(S("g_kc")));
    }
    setGoodsSL(AuxTag, SelectedLineId, StringGridIn);
    setGoodsSLValue(AuxTag, SelectedLineId, StringGridIn);
}

void TF_Detail::setGoodsSL(const QString& table, const QString& lineId, MatrixGrid* grid)
{
    grid->SetCell(0, 0, S("颜色/尺码"));
    // The table name is never spliced unless it is one of the documents' own.
    if (!IsDetailTable(table))
        return;
    // Only rows whose colour and size both still exist span the axes: a row that lost
    // either shows nowhere.
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(S("select distinct a.* from jxc_cm a,%1 b,jxc_color c where a.cm_sn=b.cm_sn and c.color_sn=b.color_sn "
               "and b.tid=:t order by a.id")
                 .arg(table));
    q.SetParam(S("t"), lineId.toLongLong());
    q.Open();
    if (q.RecordCount() > 0) {
        const int n = q.RecordCount();
        grid->SetSize(n + 2, grid->RowCount());
        int c = 1;
        for (q.First(); !q.Eof(); q.Next())
            grid->SetCell(c++, 0, q.AsString(S("cm_name")));
        grid->SetCell(n + 1, 0, S("合计"));
    }
    q.Close();
    q.SetSQL(S("select distinct a.* from jxc_color a,%1 b,jxc_cm c where a.color_sn=b.color_sn and c.cm_sn=b.cm_sn "
               "and b.tid=:t order by a.id")
                 .arg(table));
    q.Open();
    if (q.RecordCount() > 0) {
        const int m = q.RecordCount();
        grid->SetSize(grid->ColCount(), m + 2);
        int r = 1;
        for (q.First(); !q.Eof(); q.Next(), ++r) {
            grid->ClearRow(r);
            grid->SetCell(0, r, q.AsString(S("color_name")));
        }
        grid->ClearRow(m + 1);
        grid->SetCell(0, m + 1, S("合计"));
    }
}

void TF_Detail::setGoodsSLValue(const QString& table, const QString& lineId, MatrixGrid* grid)
{
    const int n = grid->ColCount() - 2;
    const int m = grid->RowCount() - 2;
    for (int r = 1; r <= m; ++r)
        for (int c = 1; c <= n; ++c)
            grid->SetCell(c, r, QString());
    for (int r = 1; r <= m; ++r)
        for (int c = 1; c <= n; ++c)
            setGridSum(c, r, grid);
    if (!IsDetailTable(table))
        return;
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(S("select a.*,b.cm_name,c.color_name from %1 a,jxc_cm b,jxc_color c "
               "where a.cm_sn=b.cm_sn and a.color_sn=c.color_sn and a.tid=:t")
                 .arg(table));
    q.SetParam(S("t"), lineId.toLongLong());
    q.Open();
    for (q.First(); !q.Eof(); q.Next()) {
        int row = -1, col = -1;
        for (int r = 1; r <= m && row < 0; ++r)
            if (grid->Cell(0, r) == q.AsString(S("color_name")))
                row = r;
        for (int c = 1; c <= n && col < 0; ++c)
            if (grid->Cell(c, 0) == q.AsString(S("cm_name")))
                col = c;
        if (row < 0 || col < 0)
            continue;
        // A fraction keeps its shortest decimal form (NumberText) and sums as a number.
        grid->SetCell(col, row, NumberText(q.AsFloat(S("t_sl"))));
        setGridSum(col, row, grid);
    }
}

void TF_Detail::setGridSum(int col, int row, MatrixGrid* grid)
{
    const int n = grid->ColCount() - 2;
    const int m = grid->RowCount() - 2;
    auto sum = [&](auto cell, int count) {
        double s = 0;
        for (int i = 1; i <= count; ++i) {
            const QString t = cell(i);
            if (!t.isEmpty())
                s += t.toDouble();
        }
        return NumberText(s);
    };
    grid->SetCell(col, m + 1, sum([&](int r) { return grid->Cell(col, r); }, m));
    grid->SetCell(n + 1, row, sum([&](int c) { return grid->Cell(c, row); }, n));
    grid->SetCell(n + 1, m + 1, sum([&](int r) { return grid->Cell(n + 1, r); }, m));
}

void TF_Detail::StringGridInDrawCell(int col, int row, CellStyle& style)
{
    if (col < 1 || row < 1)
        return;
    const MatrixGrid* g = StringGridIn;
    const bool lastCol = col == g->ColCount() - 1;
    const bool lastRow = row == g->RowCount() - 1;
    style.bold = false;
    const QString t = g->Cell(col, row);
    if (!t.isEmpty() && t != QLatin1String("0")) {
        style.bold = true;
        style.text = QColor(0xFF, 0x00, 0x00);
        if (!(g->currentColumn() == col && g->currentRow() == row))
            style.background = QColor(0xF8, 0xB6, 0x51);
    }
    if (lastCol || lastRow) {
        style.background = QColor(0x8E, 0xD8, 0x81);
        style.bold = true;
        style.text = QColor(0x00, 0x00, 0xFF);
    }
    if (lastCol && lastRow)
        style.text = QColor(0xFF, 0x00, 0x00);
}

void ShowLineDetail(Query& lines, const QString& detailTable)
{
    if (!lines.Active() || lines.IsEmpty() || lines.AsString(QStringLiteral("tid")).isEmpty())
        return;
    AuxTag = detailTable;
    SelectedSn = lines.AsString(QStringLiteral("g_sn"));
    SelectedLineId = lines.AsString(QStringLiteral("tid"));
    FunctionWindows::Open(QStringLiteral("TF_Detail"), FunctionWindows::Lifetime::Freed);
    AuxTag.clear();
    SelectedSn.clear();
    SelectedLineId.clear();
}
