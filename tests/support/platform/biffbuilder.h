#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Writes the workbook stream of an .xls file record by record, so that a test can
// hold exactly the records it is about: formula cells with their cached results,
// chart sheets, a password record, a string table over many continuation records,
// the older version with 8-bit texts in a code page. Wrap the stream with
// BuildCompoundFile under the name a test needs ("Workbook", "WORKBOOK", "Book").
class BiffBuilder {
public:
    // version 8 writes BIFF8 (16-bit texts, a shared string table); 5 writes BIFF5
    // (8-bit texts in the code page, labels in the cells).
    explicit BiffBuilder(int version = 8, int codePage = 1200);

    // Workbook records, in the order written.
    void FilePass();
    void Epoch1904();
    void Format(quint16 id, const QString& code);
    // A cell format on the number format id; answers its index for the cells.
    quint16 Xf(quint16 formatId);
    // The most bytes of one string-table record before it goes on in a CONTINUE record.
    void SetStringRecordSize(int bytes) { sstRecordSize_ = bytes; }

    // Starts a sheet: type 0 worksheet, 1 macro sheet, 2 chart. The cells that
    // follow belong to it.
    void Sheet(const QString& name, quint8 type = 0);
    void Number(int row, int column, double value, quint16 xf = 0);
    void Rk(int row, int column, quint32 rk, quint16 xf = 0);
    void MulRk(int row, int firstColumn, const std::vector<quint32>& rks, quint16 xf = 0);
    // A text: through the shared string table in BIFF8 (with that many formatting
    // runs), a LABEL record in BIFF5.
    void Text(int row, int column, const QString& text, int runs = 0);
    void Label(int row, int column, const QString& text);
    void Blank(int row, int column);
    void BoolErr(int row, int column, quint8 value, bool error);
    // A formula (its tokens made up) with a cached number, text, logical or error
    // result. A shared formula refers to its SHRFMLA record, written after it.
    void FormulaNumber(int row, int column, double value, quint16 xf = 0, bool shared = false);
    void FormulaText(int row, int column, const QString& text, bool shared = false);
    void FormulaBool(int row, int column, bool value);
    void FormulaError(int row, int column, quint8 code);
    // Any record in the current sheet (or the workbook before the first sheet).
    void Raw(quint16 type, const QByteArray& body);
    // A chart embedded in the current worksheet: a drawing, an object and the chart's own substream.
    void EmbeddedChart();

    QByteArray Stream() const;

    static QByteArray Record(quint16 type, const QByteArray& body);

private:
    struct SheetPart {
        QString name;
        quint8 type;
        QByteArray records;
    };
    QByteArray Bof(quint16 kind) const;
    QByteArray Encode(const QString& text) const;
    QByteArray LongText(const QString& text) const; // 16-bit length, flags, characters
    QByteArray StringTable() const;
    QByteArray CellHead(int row, int column, quint16 xf) const;
    void Formula(int row, int column, const QByteArray& result, bool shared, quint16 xf = 0);

    int version_;
    int codePage_;
    int sstRecordSize_ = 8224;
    QByteArray globals_;
    std::vector<SheetPart> sheets_;
    QStringList strings_;
    std::vector<int> stringRuns_;
    quint16 xfCount_ = 1;
};
