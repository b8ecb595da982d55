#pragma once
#include "members/memberrecord.h"
#include "platform/ui/form.h"

class KeyedCombo;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// "增加会员信息" and "修改会员信息": one member entered by hand. The add window takes an
// opening deposit through the charge window; the modify window works on the
// register's current row.
class MemberRecordDialog : public Form {
    Q_OBJECT
public:
    MemberRecordDialog(const QString& objectName, const QString& caption, bool adding, QWidget* parent);
    void FormActivate() override;
    void btnSaveClick();
    // Level by points: when the box is ticked, the combo follows the points.
    void LevelByPoints();
    void chkQxClick();
    // The photo menu.
    void miBrowseClick();
    void miCameraClick();
    void miClearClick();
    // The entries as the rules take them.
    MemberEntry Entry() const;

    QLineEdit* hy_bh = nullptr;
    QLineEdit* hy_name = nullptr;
    QLineEdit* hy_mm = nullptr;
    QLineEdit* hy_mm1 = nullptr;
    QLineEdit* hy_jf = nullptr;
    QLineEdit* hy_zhje = nullptr;
    KeyedCombo* comHyfl = nullptr;
    KeyedCombo* comHyyh = nullptr;
    QCheckBox* chkStatus = nullptr;
    QCheckBox* chkSj = nullptr;
    QCheckBox* chkQx = nullptr;
    QDateEdit* hy_dqrq = nullptr;
    QComboBox* comSex = nullptr;
    QDateEdit* hy_sr = nullptr;
    QDateEdit* hy_jrrq = nullptr;
    QLineEdit* hy_mobile = nullptr;
    QLineEdit* hy_tele = nullptr;
    QLineEdit* hy_zjlx = nullptr;
    QLineEdit* hy_zjhm = nullptr;
    QLineEdit* hy_email = nullptr;
    QLineEdit* hy_address = nullptr;
    QLineEdit* hy_dwzy = nullptr;
    QLineEdit* hy_qtxx = nullptr;
    QLineEdit* hy_note = nullptr;
    QLineEdit* tpic = nullptr;
    QLabel* Image_Pic = nullptr;
    QPushButton* btnPic = nullptr;

private:
    void SaveAdd(const MemberEntry& e);
    void SaveModi(const MemberEntry& e);
    void ShowPicture(const QString& file);
    void SelectLevel(const QString& levelSn);

    bool adding_;
    bool activating_ = false;
    QString cameraPhoto_; // file name in picture/ of a photo taken here
    QString memberSn_;    // modify: the member
    qint64 memberId_ = 0;
};

class TF_Hygl_Add : public MemberRecordDialog {
    Q_OBJECT
public:
    explicit TF_Hygl_Add(QWidget* parent = nullptr);
};

class TF_Hygl_Modi : public MemberRecordDialog {
    Q_OBJECT
public:
    explicit TF_Hygl_Modi(QWidget* parent = nullptr);
};
