#pragma once
#include <QString>
#include <functional>

class DataGrid;
class QHBoxLayout;
class QPushButton;
class QWidget;

// Pieces the administration lists and dialogs share.

// A push button that Enter does not press (Enter moves between fields).
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);

// The list toolbar "增加", "修改", "删除", "退出" (btn_Add, btn_Modi, btn_Dele, btn_Exit).
struct ListButtons {
    QPushButton* add;
    QPushButton* modi;
    QPushButton* dele;
    QPushButton* exit;
    QHBoxLayout* layout;
};
ListButtons MakeListButtons(QWidget* parent);

// A read-only grid on a data source of the data module ("D_Admin").
DataGrid* MakeListGrid(QWidget* parent, const QString& dataSource);

// Shows the refusal when there is one, else asks the question: whether to go ahead.
bool ConfirmUnlessRefused(const QString& refusal, const QString& question);

class Form;
class QProgressBar;
class QTimer;

// A dialog's buttons at the bottom right: the action and the closing one.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* layout;
};
DialogButtons MakeDialogButtons(QWidget* parent, const char* okName, const QString& okCaption, const char* cancelName,
    const QString& cancelCaption);

// F5 runs the action; Esc runs escape, or closes the window when none is given.
void InstallActionKeys(Form* window, std::function<void()> action, std::function<void()> escape = {});

// The progress bars of the copies: the bar that `bar` gives advances by 20 every
// 100 ms up to 100 while the timer runs.
QTimer* MakeProgressTimer(QObject* parent, std::function<QProgressBar*()> bar);
