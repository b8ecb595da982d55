#pragma once
#include "platform/ui/form.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QToolButton;

// The backup settings of the account set in use (jxc_backup), as the window shows them.
struct BackupSettings {
    bool autoBackup = false;
    int hours = 1;
    QString days = QStringLiteral("7"); // one of "5", "7", "10", "15"
    QString path;
    bool onExit = false;
};

// The stored settings; a stored day count that the list does not offer reads "7".
// Nothing stored gives the window's empty state.
BackupSettings LoadBackupSettings();
// Replaces the stored row; a trimmed path over 128 characters is not stored.
void SaveBackupSettings(const BackupSettings& s);
// The folder as typed, trimmed, with one trailing separator ("\" taken as "/").
QString BackupFolderOf(const QString& typed);

// "备份/恢复数据库": backs the account set in use up into the backup folder, keeps the
// backup settings that the main window's timed and exit backups use, and restores
// the account set from a backup file.
class TF_Backup : public Form {
    Q_OBJECT
public:
    explicit TF_Backup(QWidget* parent = nullptr);

    void FormActivate() override;
    // "确定(F5)": backs up or restores, by the page shown.
    void btnOKClick();
    void backupNow();
    void restoreNow();
    void chkAutoClick();
    void btnPathClick();
    void btnOpenClick();
    // The explanation panel.
    void Image1Click();
    void btnCloseClick();
    void PageControlChange();

    QTabWidget* PageControl1;
    QCheckBox* chkAuto;
    QSpinBox* tsj;
    QComboBox* comDays;
    QLineEdit* tPath;
    QPushButton* btnPath;
    QCheckBox* chkExit;
    QProgressBar* ProgressBar1;
    QToolButton* Image1;
    QFrame* Panel1;
    QPushButton* btnClose;
    QLineEdit* tPath1;
    QPushButton* btnOpen;
    QProgressBar* ProgressBar2;
    QPushButton* btnOK;
    QPushButton* btnExit;
    QTimer* Timer1;

private:
    void startProgress(QProgressBar* bar);
    QProgressBar* running_ = nullptr;
};
