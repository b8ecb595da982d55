#pragma once
#include <QString>
#include <array>
#include <functional>

class QBoxLayout;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class QWidget;

// The search row of the document windows' query tabs: the period with its presets,
// the partner with its list button, the key and the four views ("单据表", "汇总表",
// "明细表", "颜色尺码") whose key caption follows the view.
struct QueryViewBar {
    QDateEdit* from = nullptr;
    QDateEdit* to = nullptr;
    QToolButton* presets = nullptr;
    QLineEdit* partner = nullptr;
    QPushButton* partnerButton = nullptr;
    QLabel* keyLabel = nullptr;
    QLineEdit* key = nullptr;
    QPushButton* search = nullptr;
    std::array<QRadioButton*, 4> views {};
};
// Object names of a window's controls, the partner caption ("客户名称：") and the
// window's search routine (run by the presets, the button and Enter in the key).
struct QueryViewBarNames {
    const char* from;
    const char* to;
    const char* presets;
    const char* partnerCaption;
    const char* partner;
    const char* search;
    std::function<void()> run;
};
QueryViewBar BuildQueryViewBar(QWidget* tab, QBoxLayout* into, const QueryViewBarNames& names);
// Shows view `index` in the stack with its key caption; the caller searches.
void ShowQueryView(const QueryViewBar& bar, QStackedWidget* views, int index);
// The index of the chosen view.
int QueryViewIndex(const QueryViewBar& bar);
