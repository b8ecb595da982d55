#pragma once
#include "platform/ui/form.h"

class QToolButton;

// The system-maintenance window: six maintenance functions behind picture buttons,
// each checking its own right (or the administrator role) before its window opens.
class TF_Xtwh : public Form {
    Q_OBJECT
public:
    explicit TF_Xtwh(QWidget* parent = nullptr);

    void btn_Menu6_Btn9Click(); // report design
    void btn_Menu6_BtnFClick(); // period settlement
    void btn_Menu6_BtnGClick(); // operation log
    void btn_Menu6_BtnDClick(); // data clearing
    void btn_Menu6_BtnBClick(); // barcodes
    void btn_Menu6_BtnCClick(); // account sets

    // Opens the window when the operator holds "qtcz" at that position, else shows
    // "您没有权限进行" + label; false when refused.
    static bool OpenWithRight(int position, const QString& label, const QString& window);
    // Opens the window for the administrator role only; false when refused.
    static bool OpenForAdministrator(const QString& window);

    QToolButton* btn_Menu6_Btn9;
    QToolButton* btn_Menu6_BtnF;
    QToolButton* btn_Menu6_BtnG;
    QToolButton* btn_Menu6_BtnD;
    QToolButton* btn_Menu6_BtnB;
    QToolButton* btn_Menu6_BtnC;
};
