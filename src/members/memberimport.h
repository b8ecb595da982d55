#pragma once
#include <QString>
#include <QVector>
#include <functional>

// Member import from a spreadsheet without widgets: the operator's mapping rows
// (jxc_importchk), his preview rows (jxc_importdata) each paired with its own sheet
// row, and the import itself in one transaction.

// Reads the first sheet's headings into the operator's mapping rows; a heading that
// names a member column in the field map comes ticked. "" or the refusal to show.
QString LoadImportMapping(const QString& path, int* columnCount = nullptr);

struct ImportPreview {
    QString refusal;
    // The sheet row behind each preview row, in the preview's order.
    QVector<int> sheetRows;
};
// One preview row per sheet row that has a name; with autoNumber the card numbers
// the members would get.
ImportPreview PreviewMemberImport(const QString& path, bool autoNumber, bool selectAll);
void SelectAllImportRows(bool on);

struct MemberImportOptions {
    QString level;  // hl_sn
    QString method; // hh_sn
    bool autoNumber = true;
    bool uniqueNames = false;
};
struct ImportCounts {
    int steps = 0, imported = 0, cancelled = 0;
    QString refusal;
    // "导入完毕 … 共 … 成功导入 … 失败 … 取消导入 …".
    QString Summary() const;
};
// Imports the ticked preview rows; each preview row gets its outcome. progress gets
// the number of rows done.
ImportCounts ImportMembers(const QString& path, const QVector<int>& sheetRows, const MemberImportOptions& options,
    const std::function<void(int)>& progress = {});
