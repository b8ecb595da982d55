#pragma once
#include <QString>
#include <functional>

class QBoxLayout;
class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

// Pieces the till's dialogs share: their button row, the caption-and-field grid of
// the tender dialogs, and the period bar of the lists of sales.

// A row of buttons at the right that Enter does not press.
QHBoxLayout* PosButtonRow(
    QWidget* parent, std::initializer_list<QPushButton**> buttons, std::initializer_list<QString> captions);

// The tender dialogs' grid: a caption in the first column, the field in the second.
class PosFieldGrid {
public:
    PosFieldGrid(QWidget* parent, QBoxLayout* into);
    void Add(const QString& caption, QWidget* field);
    // The large amount at the top.
    QLabel* AddAmount(const QString& caption, int pointSize);
    // The six tenders: cash, stored value, bank card, voucher, WeChat, Alipay.
    void AddTenders(QLineEdit* (&edits)[6]);

private:
    QWidget* parent_;
    QGridLayout* grid_;
    int row_ = 0;
};

// "查询时间" from … "至" … with the quick ranges, then the search caption and edit.
struct PosPeriodBar {
    QHBoxLayout* layout = nullptr;
    QDateEdit* from = nullptr;
    QDateEdit* to = nullptr;
    QToolButton* presets = nullptr;
    QLineEdit* key = nullptr;
};
PosPeriodBar MakePosPeriodBar(
    QWidget* parent, const QString& periodCaption, const QString& keyCaption, const std::function<void()>& search);
