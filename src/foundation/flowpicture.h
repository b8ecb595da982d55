#pragma once
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

class QPushButton;

// A panel of the main window: the flow of work of one area drawn as boxes and
// arrows in the order goods (or money) move, with the function buttons placed on
// it as boxes of the flow. Drawn with QPainter on a grid of cells that follows the
// panel's size, so it stays sharp at any window size.
//
// A panel may have two variants of its flow (with or without orders); each box,
// arrow and band says in which variants it appears.
class FlowPicture : public QWidget {
    Q_OBJECT
public:
    enum Variants { First = 1, Second = 2, Both = 3 };

    explicit FlowPicture(const QString& title, int columns, int rows, QWidget* parent = nullptr);

    // A function button at a cell (column, row may be fractional), spanning rows.
    // A station button is drawn like a station (the warehouse that opens the stock query).
    QPushButton* AddButton(const QString& name, const QString& caption, double column, double row, int variants = Both,
        double rowSpan = 1, bool station = false);
    // A drawn box that is no function: the supplier, the customer, the workshop.
    void AddStation(
        const QString& id, const QString& caption, double column, double row, double rowSpan = 1, int variants = Both);
    // An arrow from one box to another, by button name or station id.
    void AddArrow(const QString& from, const QString& to, int variants = Both, bool twoWay = false);
    // A titled band behind a group of boxes; with a box id it shows only while that box does.
    void AddLane(const QString& title, double column, double row, double columns, double rows, int variants = Both,
        const QString& followBox = QString());

    void SetVariant(int variant);
    int Variant() const { return variant_; }
    // Shows or hides one box whatever the variant (a function switched off by settings).
    void SetBoxShown(const QString& id, bool shown);

    // Where a box sits in the panel now; empty when the box is not shown.
    QRectF BoxRect(const QString& id) const;
    bool BoxShown(const QString& id) const;
    QString Title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    struct Box {
        QString id;
        QString caption;
        double column, row, rowSpan;
        int variants;
        QPushButton* button = nullptr;
        bool shown = true;
    };
    struct Arrow {
        QString from, to;
        int variants;
        bool twoWay;
    };
    struct Lane {
        QString title;
        double column, row, columns, rows;
        int variants;
        QString followBox;
    };

    const Box* FindBox(const QString& id) const;
    bool Visible(const Box& b) const;
    QRectF CellRect(double column, double row, double columns, double rows) const;
    QRectF Place(const Box& b) const;
    void Relayout();

    QString title_;
    int columns_, rows_;
    int variant_ = First;
    std::vector<Box> boxes_;
    std::vector<Arrow> arrows_;
    std::vector<Lane> lanes_;
};
