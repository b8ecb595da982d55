#pragma once
#include "platform/ui/form.h"

#include <QString>

class MatrixGrid;
class QLabel;
struct CellStyle;

// "详细数据": how one document line's quantity spreads over colours and sizes. The
// caller names the line's colour-by-size table in AuxTag, the goods in SelectedSn and
// the line in SelectedLineId.
class TF_Detail : public Form {
    Q_OBJECT
public:
    explicit TF_Detail(QWidget* parent = nullptr);
    void FormActivate() override;

    // Whether a table is one of the colour-by-size tables of the documents.
    static bool IsDetailTable(const QString& table);
    void setGoodsSL(const QString& table, const QString& lineId, MatrixGrid* grid);
    void setGoodsSLValue(const QString& table, const QString& lineId, MatrixGrid* grid);
    void setGridSum(int col, int row, MatrixGrid* grid);
    void StringGridInDrawCell(int col, int row, CellStyle& style);

    QLabel *lsn = nullptr, *lname = nullptr, *lgg = nullptr, *ldw = nullptr, *lsccs = nullptr, *lkc = nullptr;
    MatrixGrid* StringGridIn = nullptr;
};

class Query;
// Shows the colour-by-size quantities of the current line of a lines query (its
// g_sn and tid) from the named table; nothing when the query has no current line
// or the line no tid.
void ShowLineDetail(Query& lines, const QString& detailTable);
