// Sample grids for the developers' screenshot command.
#include "app/devtools/samplescreenshots.h"
#include "platform/db/connection.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/screenshots.h"

#include <QVBoxLayout>

namespace {

// A list with bands over its columns and a footer, over rows held in memory.
class SampleGridWindow : public QWidget {
public:
    SampleGridWindow()
    {
        c_.OpenMemory();
        c_.Exec("create table jxc_jxchz (id integer primary key autoincrement, g_sn text, g_name text, "
                "dw_name text, gl_kc real, gl_kczje real, rksl real, rkzje real, cksl real, ckzje real);"
                "insert into jxc_jxchz (g_sn,g_name,dw_name,gl_kc,gl_kczje,rksl,rkzje,cksl,ckzje) values "
                "('10010001','衬衫','件',12,960,30,2400,18,1440),"
                "('10010002','牛仔裤','条',8,1200,20,3000,25,3750),"
                "('10010003','T恤','件',40,1600,0,0,12,480),"
                "('10010004','风衣','件',3,1170,6,2340,4,1560),"
                "('10010005','围巾','条',25,500,10,200,30,600);");
        q_.SetConnection(&c_);
        q_.SetSQL("select * from jxc_jxchz order by g_sn");
        q_.Open();
        auto* grid = new DataGrid(this);
        grid->SetDataSource(&ds_);
        const int goods = grid->AddBand("商品信息");
        const int opening = grid->AddBand("上期结存");
        const int in = grid->AddBand("本期入库");
        const int out = grid->AddBand("本期出库");
        const int sn = grid->AddColumn("g_sn", "商品编号", 90);
        const int name = grid->AddColumn("g_name", "商品名称", 90);
        const int unit = grid->AddColumn("dw_name", "单位", 50);
        for (int col : { sn, name, unit })
            grid->SetColumnBand(col, goods);
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        const struct {
            const char* field;
            const char* caption;
            int band;
            bool amount;
        } numbers[] = { { "gl_kc", "数量", opening, false }, { "gl_kczje", "金额", opening, true },
            { "rksl", "数量", in, false }, { "rkzje", "金额", in, true }, { "cksl", "数量", out, false },
            { "ckzje", "金额", out, true } };
        for (const auto& n : numbers) {
            const int col = grid->AddColumn(n.field, n.caption, 70, right);
            grid->SetColumnBand(col, n.band);
            grid->SetColumnFormat(col, n.amount ? ",0.00;-,0.00" : "#0;-#0");
            grid->SetFooterSum(col, n.amount ? ",0.00;-,0.00" : "#0;-#0");
        }
        grid->SetFooterVisible(true);
        grid->SetFooterText(sn, "记录数：");
        grid->SetFooterCount(name);
        grid->SetCurrentRow(1);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(grid);
        resize(760, 280);
    }

private:
    Connection c_;
    Query q_;
    DataSource ds_ { &q_ };
};

// The colour-by-size entry grid with a few quantities and its totals.
QWidget* SampleMatrix()
{
    auto* g = new MatrixGrid;
    g->Build("颜色/尺码", { "S", "M", "L", "XL" }, { "红色", "蓝色", "黑色" }, "合计");
    const QColor green(142, 216, 129);
    g->SetCellStyler([g, green](int col, int row, CellStyle& s) {
        const int lastCol = g->ColCount() - 1;
        const int lastRow = g->RowCount() - 1;
        if (col == 0 || row == 0)
            return;
        if (col == lastCol || row == lastRow) {
            s.background = green;
            s.text = (col == lastCol && row == lastRow) ? QColor(Qt::red) : QColor(Qt::blue);
            s.bold = true;
            return;
        }
        s.background = Qt::white;
        const QString t = g->Cell(col, row);
        if (!t.isEmpty() && t != QLatin1String("0")) {
            s.text = Qt::red;
            s.bold = true;
        }
    });
    const struct {
        int col, row;
        const char* qty;
    } cells[] = { { 1, 1, "5" }, { 2, 1, "3" }, { 3, 2, "2" }, { 4, 3, "1.5" }, { 2, 3, "4" } };
    for (const auto& c : cells) {
        g->SetCell(c.col, c.row, c.qty);
        g->UpdateTotals(c.col, c.row);
    }
    g->resize(6 * 64 + 4, 5 * 18 + 4);
    return g;
}

}

void RegisterGridScreenshots()
{
    Screenshots::Register(QStringLiteral("grid"), [] { return new SampleGridWindow; });
    Screenshots::Register(QStringLiteral("matrix"), [] { return SampleMatrix(); });
}
