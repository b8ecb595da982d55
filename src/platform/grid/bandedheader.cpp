#include "platform/grid/bandedheader.h"

#include <QPainter>
#include <QStyleOptionHeader>

BandedHeader::BandedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
}

int BandedHeader::AddBand(const QString& caption)
{
    bands_ << caption;
    updateGeometry();
    emit geometriesChanged();
    viewport()->update();
    return int(bands_.size()) - 1;
}

QString BandedHeader::BandCaption(int band) const
{
    return bands_.value(band);
}

void BandedHeader::SetBandCaption(int band, const QString& caption)
{
    if (band < 0 || band >= bands_.size())
        return;
    bands_[band] = caption;
    viewport()->update();
}

void BandedHeader::ClearBands()
{
    bands_.clear();
    bandOf_.clear();
    updateGeometry();
    emit geometriesChanged();
    viewport()->update();
}

void BandedHeader::SetColumnBands(const QVector<int>& bandOfColumn)
{
    bandOf_ = bandOfColumn;
    viewport()->update();
}

QSize BandedHeader::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    if (!bands_.isEmpty()) {
        const int tier = qMax(s.height(), fontMetrics().height() + 8);
        s.setHeight(tier * 2);
    }
    return s;
}

void BandedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!bands_.isEmpty() && BandOf(logicalIndex) >= 0)
        QHeaderView::paintSection(painter, rect.adjusted(0, rect.height() / 2, 0, 0), logicalIndex);
    else
        QHeaderView::paintSection(painter, rect, logicalIndex);
}

void BandedHeader::paintEvent(QPaintEvent* e)
{
    QHeaderView::paintEvent(e);
    if (bands_.isEmpty() || count() == 0)
        return;
    QPainter p(viewport());
    const int tier = height() / 2;
    // Each band is drawn over every run of adjacent visible columns that belong to it.
    int v = 0;
    while (v < count()) {
        const int logical = logicalIndex(v);
        const int band = BandOf(logical);
        if (isSectionHidden(logical) || band < 0 || band >= bands_.size()) {
            ++v;
            continue;
        }
        const int left = sectionViewportPosition(logical);
        int right = left + sectionSize(logical);
        int w = v + 1;
        for (; w < count(); ++w) {
            const int next = logicalIndex(w);
            if (isSectionHidden(next))
                continue;
            if (BandOf(next) != band)
                break;
            right = sectionViewportPosition(next) + sectionSize(next);
        }
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        opt.rect = QRect(left, 0, right - left, tier);
        opt.section = 0;
        opt.position = QStyleOptionHeader::Middle;
        opt.text = bands_[band];
        opt.textAlignment = Qt::AlignCenter;
        opt.state |= QStyle::State_Enabled | QStyle::State_Raised;
        style()->drawControl(QStyle::CE_Header, &opt, &p, this);
        v = w;
    }
}
