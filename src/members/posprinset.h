#pragma once
#include "platform/ui/form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "打印设置": the single row of receipt print settings jxc_posprint.
class TF_PosPrinSet : public Form {
    Q_OBJECT
public:
    explicit TF_PosPrinSet(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();
    void btnExitClick();

    QCheckBox* pp_zjdy = nullptr;
    QCheckBox* pp_dkqx = nullptr;
    QCheckBox* pp_zdqz = nullptr;
    QCheckBox* pp_xfjf = nullptr;
    QCheckBox* pp_fkfs = nullptr;
    QCheckBox* pp_jedx = nullptr;
    QCheckBox* pp_bzxx = nullptr;
    QComboBox* comDyfs = nullptr;
    QComboBox* comDyj = nullptr;
    QComboBox* comKd = nullptr;
    QLineEdit* pp_bt1 = nullptr;
    QLineEdit* pp_bt2 = nullptr;
    QLineEdit* pp_jz1 = nullptr;
    QLineEdit* pp_jz2 = nullptr;
    QLineEdit* pp_khs = nullptr;
    QLineEdit* pp_fs = nullptr;
};
