#pragma once
#include <QWidget>

class QHeaderView;
class GridModel;

// The footer row under a DataGrid's rows: one cell per visible column, aligned with
// the column header and scrolled with it, showing the column's count, sum or text.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    GridFooter(QHeaderView* header, GridModel* model, QWidget* parent);
    int RowHeight() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QHeaderView* header_;
    GridModel* model_;
};
