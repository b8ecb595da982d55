#include "admin/backupwindow.h"

#include "admin/listparts.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/mainform.h"
#include "foundation/setfiles.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/transaction.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList kDayItems = { QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("10"), QStringLiteral("15") };

const QString kExplanation = QStringLiteral(
    "          "
    "自动进行备份的“时间间隔”是指软件持续运行的时间(即，每次打开\r到第一次关闭)。比如设置为“每隔1小时备份一次”，"
    "那么软件打开后开始\r计时，计够一个小时，就会自动备份一次数据。如果中间重新打开软件，\r将会重新从零开始计时。");

} // namespace

BackupSettings LoadBackupSettings()
{
    BackupSettings s;
    s.path.clear();
    OpenSelect(QStringLiteral("select * from jxc_backup order by id"));
    Query& q = F_DataModule->QuerySelect;
    if (q.IsEmpty()) {
        q.Close();
        return s;
    }
    s.path = q.AsString(QStringLiteral("back_path"));
    s.autoBackup = q.AsString(QStringLiteral("back_auto")) == QLatin1String("True");
    s.onExit = q.AsString(QStringLiteral("back_exit")) == QLatin1String("True");
    s.hours = std::clamp(int(q.AsInteger(QStringLiteral("back_sj"))), 1, 24);
    const QString days = q.AsString(QStringLiteral("back_days"));
    q.Close();
    s.days = kDayItems.contains(days) ? days : QStringLiteral("7");
    return s;
}

void SaveBackupSettings(const BackupSettings& s)
{
    const QString path = s.path.trimmed();
    Transaction t(F_DataModule->ADOConn);
    ExecSQL(QStringLiteral("delete from jxc_backup"));
    F_DataModule->ADOConn.Exec(
        QStringLiteral("insert into jxc_backup (back_auto,back_exit,back_sj,back_days,back_path) "
                       "values (:auto,:exit,:hours,:days,:path)"),
        { { QStringLiteral("auto"), s.autoBackup ? 1 : 0 }, { QStringLiteral("exit"), s.onExit ? 1 : 0 },
            { QStringLiteral("hours"), s.hours }, { QStringLiteral("days"), s.days.toInt() },
            { QStringLiteral("path"), path.size() <= 128 ? QVariant(path) : QVariant() } });
    t.Commit();
}

QString BackupFolderOf(const QString& typed)
{
    QString folder = typed.trimmed();
    if (folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

TF_Backup::TF_Backup(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Backup"));
    setWindowTitle(QStringLiteral("备份/恢复数据库"));
    SetEscCloses(false);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // "备份数据"
    auto* backupPage = new QWidget(PageControl1);
    chkAuto = new QCheckBox(QStringLiteral("自动备份"), backupPage);
    chkAuto->setObjectName(QStringLiteral("chkAuto"));
    tsj = new QSpinBox(backupPage);
    tsj->setObjectName(QStringLiteral("tsj"));
    tsj->setRange(1, 24);
    comDays = new QComboBox(backupPage);
    comDays->setObjectName(QStringLiteral("comDays"));
    comDays->addItems(kDayItems);
    tPath = new QLineEdit(backupPage);
    tPath->setObjectName(QStringLiteral("tPath"));
    btnPath = MakeButton(backupPage, "btnPath", QStringLiteral("..."));
    chkExit = new QCheckBox(QStringLiteral("系统退出时自动备份"), backupPage);
    chkExit->setObjectName(QStringLiteral("chkExit"));
    ProgressBar1 = new QProgressBar(backupPage);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    Image1 = new QToolButton(backupPage);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setText(QStringLiteral("?"));
    Image1->setToolTip(QStringLiteral("说明"));

    auto* hoursRow = new QHBoxLayout;
    hoursRow->addWidget(chkAuto);
    hoursRow->addSpacing(12);
    hoursRow->addWidget(new QLabel(QStringLiteral("每隔"), backupPage));
    hoursRow->addWidget(tsj);
    hoursRow->addWidget(new QLabel(QStringLiteral("小时备份一次"), backupPage));
    hoursRow->addWidget(Image1);
    hoursRow->addStretch();
    auto* daysRow = new QHBoxLayout;
    daysRow->addWidget(new QLabel(QStringLiteral("保留最近："), backupPage));
    daysRow->addWidget(comDays);
    daysRow->addWidget(new QLabel(QStringLiteral("天的备份"), backupPage));
    daysRow->addStretch();
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("备份路径："), backupPage));
    pathRow->addWidget(tPath, 1);
    pathRow->addWidget(btnPath);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(new QLabel(QStringLiteral("备份进度："), backupPage));
    progressRow->addWidget(ProgressBar1, 1);

    Panel1 = new QFrame(backupPage);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* explanation = new QLabel(QString(kExplanation).replace(QLatin1Char('\r'), QLatin1Char('\n')), Panel1);
    explanation->setWordWrap(true);
    btnClose = MakeButton(Panel1, "btnClose", QStringLiteral("关闭(Esc)"));
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->addWidget(new QLabel(QStringLiteral("说明："), Panel1));
    panelLayout->addWidget(explanation);
    panelLayout->addWidget(btnClose, 0, Qt::AlignRight);
    Panel1->hide();

    auto* backupLayout = new QVBoxLayout(backupPage);
    backupLayout->addLayout(hoursRow);
    backupLayout->addLayout(daysRow);
    backupLayout->addLayout(pathRow);
    backupLayout->addWidget(chkExit);
    backupLayout->addLayout(progressRow);
    backupLayout->addWidget(Panel1);
    backupLayout->addStretch();
    PageControl1->addTab(backupPage, QStringLiteral("备份数据"));

    // "恢复数据"
    auto* restorePage = new QWidget(PageControl1);
    tPath1 = new QLineEdit(restorePage);
    tPath1->setObjectName(QStringLiteral("tPath1"));
    btnOpen = MakeButton(restorePage, "btnOpen", QStringLiteral("..."));
    ProgressBar2 = new QProgressBar(restorePage);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    auto* restoreGrid = new QGridLayout(restorePage);
    restoreGrid->addWidget(new QLabel(QStringLiteral("恢复文件："), restorePage), 0, 0);
    restoreGrid->addWidget(tPath1, 0, 1);
    restoreGrid->addWidget(btnOpen, 0, 2);
    restoreGrid->addWidget(new QLabel(QStringLiteral("恢复进度："), restorePage), 1, 0);
    restoreGrid->addWidget(ProgressBar2, 1, 1, 1, 2);
    restoreGrid->setRowStretch(2, 1);
    PageControl1->addTab(restorePage, QStringLiteral("恢复数据"));

    const DialogButtons buttons
        = MakeDialogButtons(this, "btnOK", QStringLiteral("确定(F5)"), "btnExit", QStringLiteral("退出(Esc)"));
    btnOK = buttons.ok;
    btnExit = buttons.cancel;
    auto* root = new QVBoxLayout(this);
    root->addWidget(PageControl1, 1);
    root->addLayout(buttons.layout);
    resize(520, 340);

    Timer1 = MakeProgressTimer(this, [this] { return running_; });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(chkAuto, &QCheckBox::clicked, this, [this] { chkAutoClick(); });
    connect(btnPath, &QPushButton::clicked, this, [this] { btnPathClick(); });
    connect(btnOpen, &QPushButton::clicked, this, [this] { btnOpenClick(); });
    connect(Image1, &QToolButton::clicked, this, [this] { Image1Click(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
    InstallActionKeys(
        this, [this] { btnOKClick(); },
        [this] {
            if (Panel1->isVisible())
                btnCloseClick();
            else
                close();
        });
}

void TF_Backup::FormActivate()
{
    ApplyFontSize(FontSize);
    PageControl1->setCurrentIndex(0);
    Timer1->stop();
    running_ = nullptr;
    ProgressBar1->setValue(0);
    Panel1->hide();
    const BackupSettings s = LoadBackupSettings();
    tPath->setText(s.path);
    chkAuto->setChecked(s.autoBackup);
    chkExit->setChecked(s.onExit);
    tsj->setValue(s.hours);
    comDays->setCurrentIndex(comDays->findText(s.days));
    tsj->setEnabled(s.autoBackup);
}

void TF_Backup::startProgress(QProgressBar* bar)
{
    running_ = bar;
    bar->setValue(0);
    Timer1->start();
}

void TF_Backup::btnOKClick()
{
    if (PageControl1->currentIndex() == 0)
        backupNow();
    else
        restoreNow();
}

void TF_Backup::backupNow()
{
    if (tPath->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("备份路径必须填写！"));
        return;
    }
    startProgress(ProgressBar1);
    BackupSettings s;
    s.autoBackup = chkAuto->isChecked();
    s.onExit = chkExit->isChecked();
    s.hours = tsj->value();
    s.days = comDays->currentText();
    s.path = tPath->text();
    SaveBackupSettings(s);

    AutoBackup = s.autoBackup ? QStringLiteral("1") : QStringLiteral("0");
    BackupOnExit = s.onExit ? QStringLiteral("1") : QStringLiteral("0");
    BackupIntervalHours = s.hours;
    // The main window's timer follows the saved choice at once, off as well as on.
    if (F_MainForm) {
        F_MainForm->TimerBackUp->stop();
        if (s.autoBackup)
            F_MainForm->TimerBackUp->start(s.hours * 3600000);
    }

    const QString folder = BackupFolderOf(tPath->text());
    if (!QFileInfo(folder).isDir()) {
        Prompt::Info(QStringLiteral("备份失败，文件夹不存在！"));
        return;
    }
    const BackupResult r = BackupAccountSet(CurrentDbName, folder, CurrentAccountSetName, Clock::Now());
    if (!r.ok) {
        ShowBackupFailure(r.error);
        return;
    }
    ProgressBar1->setValue(100);
    Prompt::Info(QStringLiteral("备份完成！"));
    DeleteOldBackupFiles(
        folder, QueryScalar(QStringLiteral("select back_days from jxc_backup")).toInt(), Clock::Today());
}

void TF_Backup::restoreNow()
{
    const QString file = tPath1->text().trimmed();
    if (file.isEmpty()) {
        Prompt::Info(QStringLiteral("恢复路径必须填写！"));
        return;
    }
    startProgress(ProgressBar2);
    // The replaced database is kept in the backup folder, or the default one.
    QString keep = BackupFolderOf(LoadBackupSettings().path);
    if (LoadBackupSettings().path.trimmed().isEmpty() || !QFileInfo(keep).isDir())
        keep = ProgramFolder::Path() + QStringLiteral("数据备份/");
    const RestoreResult r = RestoreAccountSet(CurrentDbName, file, keep, CurrentAccountSetName, Clock::Now());
    if (!r.ok) {
        ProgressBar2->setValue(0);
        ShowRestoreFailure(r.error);
        return;
    }
    ProgressBar2->setValue(100);
    Prompt::Info(QStringLiteral("恢复完成！"));
}

void TF_Backup::chkAutoClick()
{
    tsj->setEnabled(chkAuto->isChecked());
}

void TF_Backup::btnPathClick()
{
    const QString dir = Prompt::ChooseDirectory(QStringLiteral("选择备份目录"), tPath->text());
    if (!dir.isEmpty())
        tPath->setText(dir);
}

void TF_Backup::btnOpenClick()
{
    const QString file = Prompt::OpenFile(QStringLiteral("恢复文件"), QStringLiteral("(*.dat)|*.dat|(*.*)|*.*"));
    if (!file.isEmpty())
        tPath1->setText(file);
}

void TF_Backup::Image1Click()
{
    Panel1->show();
}

void TF_Backup::btnCloseClick()
{
    Panel1->hide();
}

void TF_Backup::PageControlChange()
{
    if (PageControl1->currentIndex() != 1)
        return;
    tPath1->clear();
    if (running_ == ProgressBar2)
        Timer1->stop();
    ProgressBar2->setValue(0);
}
