#pragma once
#include <QHash>
#include <QString>

// How a spreadsheet cell's value reads as text, the same for every file format.
namespace CellText {

// A number in plain decimal form: whole numbers without ".0", never in exponent
// form (a barcode stored as a number reads as its digits), at most 15 significant
// digits so that binary noise such as 0.30000000000000004 reads "0.3".
QString Number(double value);

// Duration is elapsed time ("[h]:mm:ss"), whose hours run on past a day.
enum class DateKind { None, Date, Time, DateTime, Duration };

// Whether a cell number format shows a date, a time of day, both, or elapsed time.
DateKind KindOfFormat(const QString& formatCode);
// The same for the formats that spreadsheet programs number without spelling them out.
DateKind KindOfBuiltInFormat(int formatId);

// A date serial number (days since the workbook's epoch, the fraction the time of
// day) in the program's forms: "yyyy-MM-dd", "HH:mm:ss" or "yyyy-MM-dd HH:mm:ss";
// a duration as hours, minutes and seconds ("255:10:10").
QString Date(double serial, DateKind kind, bool epoch1904);

// A logical cell: "True" or "False".
QString Boolean(bool value);
// An error cell by its code in the older format ("#DIV/0!" for 0x07); the empty
// text for a code that names no error.
QString Error(int code);

// The text of a number cell shown in a format of the given kind. Large sheets repeat
// the same numbers over and over: the texts are remembered so that repeats share
// one string instead of each holding its own.
class NumberTexts {
public:
    explicit NumberTexts(bool epoch1904 = false) : epoch1904_(epoch1904) { }
    void SetEpoch1904(bool epoch1904)
    {
        epoch1904_ = epoch1904;
        cache_.clear();
    }
    QString Text(double value, DateKind kind);

private:
    bool epoch1904_;
    QHash<QPair<double, int>, QString> cache_;
};

}
