#pragma once
#include "platform/report/reporttemplate.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

// The filled pages of a report, ready to draw: every object placed on its page
// (millimetres from the paper's top left corner) with its text already worked out.
struct PreparedItem {
    const ReportObject* object = nullptr; // kind and look; owned by the template
    QRectF rect;
    QString text; // text, or the data of a barcode
    QImage image; // picture
};

struct PreparedPage {
    double width = 0, height = 0;
    std::vector<PreparedItem> items;
};

struct PreparedReport {
    std::vector<PreparedPage> pages;
};

// The rows a report reads under one dataset name.
class ReportDataSource {
public:
    virtual ~ReportDataSource() = default;
    virtual int RowCount() const = 0;
    // -1 when the dataset has no such field.
    virtual int FieldIndex(const QString& name) const = 0;
    virtual QVariant Value(int row, int col) const = 0;
    virtual QString Text(int row, int col) const = 0;
};
