#pragma once
#include "platform/ui/form.h"

#include <QPixmap>
#include <QString>

class FlowPicture;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTimer;
class QToolButton;

// "1" once the exit was confirmed: the window then neither paints nor runs its showing.
extern QString ClosingFlag;

// The back-office main window: six menu buttons switch between six panels whose
// flow pictures carry the function buttons; a top bar holds new login, password,
// document query, help and exit. It runs the first login when first shown, reloads
// the settings at activation, and backs the database up on a timer and on exit.
class TF_MainForm : public Form {
    Q_OBJECT
public:
    explicit TF_MainForm(QWidget* parent = nullptr);
    ~TF_MainForm() override;

    // The creation step: runs before any database connection exists.
    void FormCreate();
    // The first showing: skin, first login, status bar, start-up timer, activation.
    void FormShow();
    // Each activation: goods-in panel, settings, stock rows, caption, backup timer.
    void FormActivate() override;
    // The exit: asks, logs, backs up and ends the program; false when the operator stays.
    bool FormClose();
    // The exit once answered Yes: log line, exit backup, end of the program.
    void ExitConfirmed();
    // F1 opens the help, Esc closes; true when the key was taken.
    bool FormKeyDown(int key);
    void Timer1Timer();
    void TimerBackUpTimer();
    // One backup of the current account set; true when a backup file was written.
    bool backupDatabase();
    // Removes the folder's backup files older than the configured number of days.
    void deleteBackupFiles(const QString& folder);

    // The refusals.
    void dispMsg(const QString& label);
    void dispMsg2();

    void menu1_btnClick();
    void menu2_btnClick();
    void menu3_btnClick();
    void menu4_btnClick();
    void menu5_btnClick();
    void menu6_btnClick();

    // A function button or top-bar button pressed, by its name ("btn_Menu1_Btn1").
    void ClickFunction(const QString& buttonName);
    // A POS query menu item chosen, by its position in the menu.
    void PosMenuClick(int item);
    void btn_LoginClick();
    void btn_ModiPwdClick();
    void btn_HelpClick();
    void btn_SpjcClick();
    void btn_TcxtClick();

    // Enables each function whose window is registered; the others say they are not available yet.
    void UpdateFunctionAvailability();
    QPushButton* FunctionButton(const QString& name) const;

    QPushButton* menu1_btn;
    QPushButton* menu2_btn;
    QPushButton* menu3_btn;
    QPushButton* menu4_btn;
    QPushButton* menu5_btn;
    QPushButton* menu6_btn;
    FlowPicture* RzPanel_Menu1;
    FlowPicture* RzPanel_Menu2;
    FlowPicture* RzPanel_Menu3;
    FlowPicture* RzPanel_Menu4;
    FlowPicture* RzPanel_Menu8;
    FlowPicture* RzPanel_Menu6;
    QToolButton* btn_Bqjl;
    QToolButton* btn_Login;
    QToolButton* btn_ModiPwd;
    QToolButton* btn_Djcx;
    QToolButton* btn_Help;
    QToolButton* btn_Spjc;
    QToolButton* btn_Lxwm;
    QToolButton* btn_Tcxt;
    QMenu* PopupMenu_Pos;
    QLabel* RzStatusPane_Rj;
    QLabel* RzStatusPane_Admin;
    QLabel* RzStatusPane_LoginTime;
    QTimer* Timer1;
    QTimer* TimerBackUp;

    // The address of the tutorial video; the button is disabled while it is empty.
    static QString TutorialVideoAddress;
    // The tooltip of a function that is not available yet.
    static const QString kNotAvailable;

    // Closing asks the exit question (FormClose).
    bool FormCloseQuery() override { return FormClose(); }

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void BuildTopBar(class QBoxLayout* root);
    void BuildPanels(QStackedWidget* stack);
    void ShowPanel(QPushButton* menu, FlowPicture* panel);
    void ArmBackupTimer();
    void ReportBackupFailure(const QString& why);
    void SetStatusPanes();
    QStackedWidget* stack_ = nullptr;
    QPixmap bg_;
    bool firstShown_ = false;
};

extern TF_MainForm* F_MainForm;
