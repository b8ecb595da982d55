// Spreadsheet speed: writing and reading 10,000 rows of 10 columns in either
// format, and opening such a sheet through the import connection (targets: under
// 1 s each).
#include "foundation/datamodule.h"
#include "platform/sheet/sheetreader.h"
#include "platform/sheet/sheetwriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

constexpr int Rows = 10000;

SheetTable& table()
{
    static SheetTable t = [] {
        SheetTable t;
        t.captions = { "商品编号", "商品名称", "条码", "单位", "颜色", "尺码", "数量", "单价", "金额", "备注" };
        t.formats = { "", "", "", "", "", "", "", "0.00", "0.00", "" };
        t.formatNumber = [](const QString&, double v) { return QString::number(v, 'f', 2); };
        for (int i = 0; i < Rows; ++i)
            t.rows.push_back({ QString::number(10000000 + i), QStringLiteral("商品") + QString::number(i),
                6901234500000LL + i, QStringLiteral("件"), QStringLiteral("红色"), QStringLiteral("XL"), i % 50,
                i * 0.5, i % 50 * i * 0.5, QStringLiteral("备注文字") });
        return t;
    }();
    return t;
}

QString file(const char* extension)
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("bench")) + QLatin1String(extension);
}

void BM_WriteXlsx(benchmark::State& state)
{
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteXlsx(file(".xlsx"), table(), &error));
}
BENCHMARK(BM_WriteXlsx)->Unit(benchmark::kMillisecond);

void BM_WriteXls(benchmark::State& state)
{
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteXls(file(".xls"), table(), &error));
}
BENCHMARK(BM_WriteXls)->Unit(benchmark::kMillisecond);

void Read(benchmark::State& state, const char* extension)
{
    QString error;
    if (!WriteXlsx(file(".xlsx"), table(), &error) || !WriteXls(file(".xls"), table(), &error)) {
        state.SkipWithError("the workbook could not be written");
        return;
    }
    for (auto _ : state) {
        SheetData sheet;
        if (!SheetReader::ReadSheet(file(extension), 0, &sheet, &error) || sheet.RowCount() != Rows)
            state.SkipWithError("the workbook could not be read");
        benchmark::DoNotOptimize(sheet.rows.data());
    }
}

void BM_ReadXlsx(benchmark::State& state)
{
    Read(state, ".xlsx");
}
BENCHMARK(BM_ReadXlsx)->Unit(benchmark::kMillisecond);

void BM_ReadXls(benchmark::State& state)
{
    Read(state, ".xls");
}
BENCHMARK(BM_ReadXls)->Unit(benchmark::kMillisecond);

// What an import window waits for: the sheet loaded into the import connection and opened.
void BM_OpenSheetAsQuery(benchmark::State& state)
{
    QString error;
    if (!WriteXlsx(file(".xlsx"), table(), &error)) {
        state.SkipWithError("the workbook could not be written");
        return;
    }
    static TF_DataModule dm;
    for (auto _ : state) {
        ConnectExcel(file(".xlsx"));
        OpenQuery(dm.Q_Excel, QStringLiteral("select * from [") + ExcelSheetNames().first() + QStringLiteral("] "));
        if (dm.Q_Excel.RecordCount() != Rows)
            state.SkipWithError("the sheet did not open whole");
        CloseExcel();
    }
}
BENCHMARK(BM_OpenSheetAsQuery)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
