// Spreadsheet speed: writing and reading 10,000 rows of 10 columns in either
// format, and opening such a sheet through the import connection (targets: under
// 1 s each; reading about 200 ms in either format); reading the largest sheet of
// the older format, 65,535 rows of 256 columns (target: under 3 s and 1 GB).
#include "foundation/datamodule.h"
#include "platform/sheet/biffworkbook.h"
#include "platform/sheet/compoundfile.h"
#include "platform/sheet/sheetreader.h"
#include "platform/sheet/sheetwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

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

// The peak memory of the process since the last reset, in megabytes.
double PeakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

// Hands the memory freed by the setup back to the system and starts counting the
// peak from what the process holds now.
void ResetPeak()
{
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// The goods table of 10 columns repeated across the full width, each row's codes
// and names its own: texts through the shared string table, numbers as numbers.
bool WriteLargestXls(const QString& path)
{
    constexpr int Columns = 256, LastRow = 65535;
    QByteArray workbook;
    {
        PreparedSheet sheet;
        sheet.rows.resize(LastRow);
        for (int r = 0; r < LastRow; ++r) {
            auto& row = sheet.rows[static_cast<size_t>(r)];
            row.resize(Columns);
            const int i = r - 1;
            for (int c = 0; c < Columns; ++c) {
                SheetCell& cell = row[static_cast<size_t>(c)];
                if (r == 0) {
                    cell.kind = SheetCell::Kind::Text;
                    cell.text = table().captions.at(c % 10) + QString::number(c / 10);
                    continue;
                }
                const QVariant v = c % 10 == 0 ? QVariant(QString::number(10000000 + i))
                    : c % 10 == 1              ? QVariant(QStringLiteral("商品") + QString::number(i))
                    : c % 10 == 2              ? QVariant(6901234500000.0 + i)
                    : c % 10 == 6              ? QVariant(double(i % 50))
                    : c % 10 == 7              ? QVariant(i * 0.5)
                    : c % 10 == 8              ? QVariant(i % 50 * i * 0.5)
                                               : table().rows[0][c % 10];
                if (v.typeId() == QMetaType::QString) {
                    cell.kind = SheetCell::Kind::Text;
                    cell.text = v.toString();
                } else {
                    cell.kind = SheetCell::Kind::Number;
                    cell.number = v.toDouble();
                }
            }
        }
        workbook = BuildBiffWorkbook(QStringLiteral("Sheet1"), sheet);
    }
    QFile f(path);
    const QByteArray bytes = BuildCompoundFile({ { QStringLiteral("Workbook"), workbook } });
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void BM_ReadLargestXls(benchmark::State& state)
{
    const QString path = file("-largest.xls");
    if (!QFile::exists(path) && !WriteLargestXls(path)) {
        state.SkipWithError("the workbook could not be written");
        return;
    }
    double peak = 0, start = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetPeak();
        start = PeakMegabytes();
        state.ResumeTiming();
        {
            SheetData sheet;
            QString error;
            if (!SheetReader::ReadSheet(path, 0, &sheet, &error) || sheet.RowCount() != 65534
                || sheet.ColumnCount() != 256)
                state.SkipWithError("the workbook could not be read");
            benchmark::DoNotOptimize(sheet.rows.data());
            peak = std::max(peak, PeakMegabytes());
        }
    }
    state.counters["start_MB"] = start;
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_ReadLargestXls)->Unit(benchmark::kMillisecond)->Iterations(2);

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
