#pragma once
#include <QHeaderView>
#include <QVector>

// The column header of a DataGrid. With bands it is drawn in two tiers: each band's
// caption spans its columns on top, the column captions below; a column outside
// every band takes both tiers.
class BandedHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit BandedHeader(QWidget* parent = nullptr);

    int AddBand(const QString& caption);
    int BandCount() const { return int(bands_.size()); }
    QString BandCaption(int band) const;
    void SetBandCaption(int band, const QString& caption);
    void ClearBands();
    // Band of each column, by logical index; -1 for none.
    void SetColumnBands(const QVector<int>& bandOfColumn);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int BandOf(int logical) const { return bandOf_.value(logical, -1); }

    QStringList bands_;
    QVector<int> bandOf_;
};
