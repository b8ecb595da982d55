#pragma once
#include <QString>

// How a spreadsheet cell's value reads as text, the same for every file format.
namespace CellText
{

// A number in plain decimal form: whole numbers without ".0", never in exponent
// form (a barcode stored as a number reads as its digits), at most 15 significant
// digits so that binary noise such as 0.30000000000000004 reads "0.3".
QString Number(double value);

enum class DateKind { None, Date, Time, DateTime };

// Whether a cell number format shows a date, a time of day, or both.
DateKind KindOfFormat(const QString& formatCode);
// The same for the formats that spreadsheet programs number without spelling them out.
DateKind KindOfBuiltInFormat(int formatId);

// A date serial number (days since the workbook's epoch, the fraction the time of
// day) in the program's forms: "yyyy-MM-dd", "HH:mm:ss" or "yyyy-MM-dd HH:mm:ss".
QString Date(double serial, DateKind kind, bool epoch1904);

}
