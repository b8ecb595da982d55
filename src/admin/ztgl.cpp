#include "admin/ztgl.h"

#include "admin/listparts.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/numbering.h"
#include "foundation/schema/schema.h"
#include "foundation/setfiles.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

Query& xtzt()
{
    return F_DataModule->QueryXtzt;
}

void reopenXtzt()
{
    OpenQuery(xtzt(), QStringLiteral("select * from jxc_xtzt order by id"));
}

const QString kNameRequired = QStringLiteral("帐套名称必须填写！");

// Builds a set's database from scratch, replacing a file of that name.
void buildSetFile(const QString& file)
{
    for (const QString& f : { file, file + QStringLiteral("-wal"), file + QStringLiteral("-shm") })
        QFile::remove(f);
    Connection c;
    c.Open(file, Connection::OpenMode::CreateIfMissing);
    CreateAllTables(c);
    UpgradeSchema(c);
}

} // namespace

// ---- the rules ----

QString CreateAccountSet(const AccountSetInput& in, QString* code)
{
    const QString name = SafeSqlText(in.name.trimmed());
    if (name.isEmpty())
        return kNameRequired;
    const QString sn = GetNextSnZt(QStringLiteral("jxc_xtzt"), QStringLiteral("zt_sn"));
    const QString dbName = QStringLiteral("jxc_") + sn + QStringLiteral(".mdb");
    // The file is built before it is listed, so a failure lists nothing.
    const QString file = ProgramFolder::File(QStringLiteral("data/") + dbName);
    buildSetFile(file);
    try {
        Connection& zt = F_DataModule->ADOConnZT;
        Transaction t(zt);
        if (in.isDefault)
            zt.Exec(QStringLiteral("update jxc_xtzt set zt_default=0"));
        zt.Exec(QStringLiteral("insert into jxc_xtzt (zt_sn,zt_name,zt_default,zt_forbid,zt_note,zt_dbname,zt_dbpwd) "
                               "values (:sn,:name,:cdefault,:cforbid,:note,:dbname,:dbpwd)"),
            { { QStringLiteral("sn"), sn }, { QStringLiteral("name"), name },
                { QStringLiteral("cdefault"), in.isDefault ? 1 : 0 }, { QStringLiteral("cforbid"), in.forbid ? 1 : 0 },
                { QStringLiteral("note"), SafeSqlText(in.note.trimmed()) }, { QStringLiteral("dbname"), dbName },
                { QStringLiteral("dbpwd"), QStringLiteral("pvk419") } });
        t.Commit();
    } catch (...) {
        QFile::remove(file);
        throw;
    }
    if (code)
        *code = sn;
    return QString();
}

QString ModifyAccountSet(qint64 id, const AccountSetInput& in)
{
    const QString name = SafeSqlText(in.name.trimmed());
    if (name.isEmpty())
        return kNameRequired;
    Connection& zt = F_DataModule->ADOConnZT;
    Transaction t(zt);
    zt.Exec(QStringLiteral("update jxc_xtzt set zt_name=:name,zt_note=:note,zt_default=:cdefault,zt_forbid=:cforbid "
                           "where id=:id"),
        { { QStringLiteral("name"), name }, { QStringLiteral("note"), SafeSqlText(in.note.trimmed()) },
            { QStringLiteral("cdefault"), in.isDefault ? 1 : 0 }, { QStringLiteral("cforbid"), in.forbid ? 1 : 0 },
            { QStringLiteral("id"), id } });
    if (in.isDefault)
        zt.Exec(QStringLiteral("update jxc_xtzt set zt_default=0 where id<>:id"), { { QStringLiteral("id"), id } });
    setDefaultZT();
    t.Commit();
    return QString();
}

void setDefaultZT()
{
    if (QueryScalarZT(QStringLiteral("select zt_sn from jxc_xtzt where zt_default<>0")).isEmpty())
        F_DataModule->ADOConnZT.Exec(QStringLiteral("update jxc_xtzt set zt_default=1 where zt_sn='100001'"));
}

QString AccountSetDeleteRefusal(const QString& sn, bool isDefault, const QString& dbName)
{
    if (isDefault)
        return QStringLiteral("默认帐套不能删除！");
    if (sn == QLatin1String("100001"))
        return QStringLiteral("系统内置帐套不能删除！");
    if (dbName == CurrentDbName)
        return QStringLiteral("该帐套为当前正在使用帐套，不能删除！");
    return QString();
}

void DeleteAccountSet(qint64 id, const QString& dbName)
{
    Connection& zt = F_DataModule->ADOConnZT;
    Transaction t(zt);
    zt.Exec(QStringLiteral("delete from jxc_xtzt where id=:id"), { { QStringLiteral("id"), id } });
    setDefaultZT();
    t.Commit();
    if (Connection::IsServerAddress(dbName) || dbName.isEmpty())
        return;
    const QString file = ProgramFolder::File(QStringLiteral("data/") + dbName);
    for (const QString& f : { file, file + QStringLiteral("-wal"), file + QStringLiteral("-shm") })
        QFile::remove(f);
}

// ---- the list ----

TF_Ztgl::TF_Ztgl(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Ztgl"));
    setWindowTitle(QStringLiteral("帐套管理"));
    SetEscCloses(false);
    SetReactivateAfterModal(true);

    btn_Add = MakeButton(this, "btn_Add", QStringLiteral("增加"));
    btn_Modi = MakeButton(this, "btn_Modi", QStringLiteral("修改"));
    btn_BackRestore = new QToolButton(this);
    btn_BackRestore->setObjectName(QStringLiteral("btn_BackRestore"));
    btn_BackRestore->setText(QStringLiteral("备份恢复"));
    btn_BackRestore->setPopupMode(QToolButton::InstantPopup);
    btn_BackRestore->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btn_BackRestore->setMinimumWidth(btn_Add->sizeHint().width() + 16);
    PopupMenu1 = new QMenu(this);
    mnuBackup = PopupMenu1->addAction(QStringLiteral("备份帐套数据到文件(&Y)"));
    mnuRestore = PopupMenu1->addAction(QStringLiteral("从帐套备份文件恢复数据(&Z)"));
    btn_BackRestore->setMenu(PopupMenu1);
    btn_Dele = MakeButton(this, "btn_Dele", QStringLiteral("删除"));
    btn_Exit = MakeButton(this, "btn_Exit", QStringLiteral("退出"));
    auto* toolbar = new QHBoxLayout;
    toolbar->addWidget(btn_Add);
    toolbar->addWidget(btn_Modi);
    toolbar->addWidget(btn_BackRestore);
    toolbar->addWidget(btn_Dele);
    toolbar->addWidget(btn_Exit);
    toolbar->addStretch();

    cxGrid_XtztView = new DataGrid(this);
    cxGrid_XtztView->setObjectName(QStringLiteral("cxGrid_XtztView"));
    cxGrid_XtztView->SetDataSource(&F_DataModule->dsXtzt);
    cxGrid_XtztView->SetFooterVisible(true);
    const int colSn = cxGrid_XtztView->AddColumn(QStringLiteral("zt_sn"), QStringLiteral("编号"), 90);
    cxGrid_XtztView->AddColumn(QStringLiteral("zt_name"), QStringLiteral("帐套名称"), 180);
    for (const auto& [field, caption] :
        { std::pair { "zt_default", "默认帐套" }, std::pair { "zt_forbid", "是否禁用" } }) {
        const int col = cxGrid_XtztView->AddColumn(QLatin1String(field), QString::fromUtf8(caption), 70);
        cxGrid_XtztView->SetCheckColumn(col, false);
        cxGrid_XtztView->SetColumnEditable(col, false);
    }
    cxGrid_XtztView->AddColumn(QStringLiteral("zt_note"), QStringLiteral("备注"), 200);
    cxGrid_XtztView->SetFooterCount(colSn, QStringLiteral("记录数:"));

    auto* root = new QVBoxLayout(this);
    root->addLayout(toolbar);
    root->addWidget(cxGrid_XtztView, 1);
    resize(640, 400);

    connect(btn_Add, &QPushButton::clicked, this, [this] { btn_AddClick(); });
    connect(btn_Modi, &QPushButton::clicked, this, [this] { btn_ModiClick(); });
    connect(btn_Dele, &QPushButton::clicked, this, [this] { btn_DeleClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(mnuBackup, &QAction::triggered, this, [this] { mnuBackupClick(); });
    connect(mnuRestore, &QAction::triggered, this, [this] { mnuRestoreClick(); });
    connect(cxGrid_XtztView, &DataGrid::rowDoubleClicked, this, [this] { btn_ModiClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_Ztgl::FormActivate()
{
    ApplyFontSize(FontSize);
    // The sets' files may be copied, replaced or deleted here: none stays open.
    F_DataModule->ADOConn.Close();
    ConnectAccountSets();
    connected_ = true;
    const qint64 at = xtzt().Active() && !xtzt().IsEmpty() ? xtzt().AsInteger(QStringLiteral("id")) : -1;
    reopenXtzt();
    if (at >= 0)
        xtzt().Locate(QStringLiteral("id"), at);
}

void TF_Ztgl::FormClose()
{
    if (!connected_)
        return;
    connected_ = false;
    CloseAccountSets();
    ConnectDatabase(CurrentDbName);
}

void TF_Ztgl::done(int result)
{
    FormClose();
    Form::done(result);
}

void TF_Ztgl::btn_AddClick()
{
    TF_Ztgl_Add dialog(this);
    dialog.ShowModal();
}

void TF_Ztgl::btn_ModiClick()
{
    if (xtzt().IsEmpty())
        return;
    TF_Ztgl_Modi dialog(this);
    dialog.ShowModal();
}

void TF_Ztgl::btn_DeleClick()
{
    Query& q = xtzt();
    if (q.IsEmpty())
        return;
    const QString dbName = q.AsString(QStringLiteral("zt_dbname"));
    if (!ConfirmUnlessRefused(AccountSetDeleteRefusal(q.AsString(QStringLiteral("zt_sn")),
                                  q.AsString(QStringLiteral("zt_default")) == QLatin1String("True"), dbName),
            QStringLiteral("删除帐套后，该帐套所包含的数据也将一起被删除，\r\n\r\n确定要删除所选的帐套信息吗？")))
        return;
    DeleteAccountSet(q.AsInteger(QStringLiteral("id")), dbName);
    reopenXtzt();
}

void TF_Ztgl::mnuBackupClick()
{
    if (xtzt().IsEmpty())
        return;
    TF_Ztgl_BackUp dialog(this);
    dialog.ShowModal();
}

void TF_Ztgl::mnuRestoreClick()
{
    if (xtzt().IsEmpty())
        return;
    if (xtzt().AsString(QStringLiteral("zt_dbname")) == CurrentDbName) {
        Prompt::Info(QStringLiteral("该帐套为当前正在使用帐套，请在软件“系统维护”窗口，\r\n\r\n"
                                    "打开“备份恢复数据”窗口进行恢复操作！"));
        return;
    }
    TF_Ztgl_Restore dialog(this);
    dialog.ShowModal();
}

bool TF_Ztgl::FormKeyDown(int key)
{
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

// ---- the name dialogs ----

void AccountSetFields::Build(Form* dialog, std::function<void()> save)
{
    tname = new QLineEdit(dialog);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(32);
    tnote = new QLineEdit(dialog);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setMaxLength(32);
    chkDefault = new QRadioButton(QStringLiteral("默认帐套"), dialog);
    chkDefault->setObjectName(QStringLiteral("chkDefault"));
    chkForbid = new QRadioButton(QStringLiteral("禁用帐套"), dialog);
    chkForbid->setObjectName(QStringLiteral("chkForbid"));
    // Neither flag: a hidden third choice, so that both can be cleared.
    chkNone = new QRadioButton(dialog);
    chkNone->hide();
    auto* flags = new QHBoxLayout;
    flags->addWidget(chkDefault);
    flags->addWidget(chkForbid);
    flags->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("帐套名称："), tname);
    form->addRow(QStringLiteral("帐套备注："), tnote);
    form->addRow(QString(), flags);
    const DialogButtons buttons
        = MakeDialogButtons(dialog, "btnOK", QStringLiteral("确定(F5)"), "btnCancel", QStringLiteral("取消(Esc)"));
    auto* root = new QVBoxLayout(dialog);
    root->setContentsMargins(24, 18, 24, 18);
    root->addLayout(form);
    root->addLayout(buttons.layout);
    dialog->setMinimumWidth(360);
    dialog->SetEscCloses(false);
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, save);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, [dialog] { dialog->close(); });
    InstallActionKeys(dialog, save);
}

AccountSetInput AccountSetFields::Input() const
{
    return { tname->text(), tnote->text(), chkDefault->isChecked(), chkForbid->isChecked() };
}

TF_Ztgl_Add::TF_Ztgl_Add(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Ztgl_Add"));
    setWindowTitle(QStringLiteral("建立新帐套"));
    fields.Build(this, [this] { saveValue(); });
}

void TF_Ztgl_Add::FormActivate()
{
    ApplyFontSize(FontSize);
    fields.tname->clear();
    fields.tnote->clear();
    fields.chkNone->setChecked(true);
    fields.tname->setFocus();
}

void TF_Ztgl_Add::saveValue()
{
    const QString refusal = CreateAccountSet(fields.Input());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    reopenXtzt();
    close();
}

TF_Ztgl_Modi::TF_Ztgl_Modi(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Ztgl_Modi"));
    setWindowTitle(QStringLiteral("修改帐套"));
    fields.Build(this, [this] { saveValue(); });
}

void TF_Ztgl_Modi::FormActivate()
{
    ApplyFontSize(FontSize);
    const Query& q = xtzt();
    id_ = q.AsInteger(QStringLiteral("id"));
    fields.tname->setText(q.AsString(QStringLiteral("zt_name")));
    fields.tnote->setText(q.AsString(QStringLiteral("zt_note")));
    fields.chkNone->setChecked(true);
    fields.chkDefault->setChecked(q.AsString(QStringLiteral("zt_default")) == QLatin1String("True"));
    fields.chkForbid->setChecked(q.AsString(QStringLiteral("zt_forbid")) == QLatin1String("True"));
    // The built-in set can never be disabled.
    fields.chkForbid->setEnabled(q.AsString(QStringLiteral("zt_sn")) != QLatin1String("100001"));
    fields.tname->setFocus();
}

void TF_Ztgl_Modi::saveValue()
{
    const QString refusal = ModifyAccountSet(id_, fields.Input());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    reopenXtzt();
    close();
}

// ---- the file dialogs ----

void AccountSetFileFields::Build(Form* dialog, const QString& pathLabel, const QString& progressLabel,
    std::function<void()> save, std::function<void()> browse)
{
    auto* info = new QGroupBox(QStringLiteral("帐套信息"), dialog);
    lname = new QLabel(info);
    lname->setObjectName(QStringLiteral("lname"));
    lnote = new QLabel(info);
    lnote->setObjectName(QStringLiteral("lnote"));
    auto* infoForm = new QFormLayout(info);
    infoForm->addRow(QStringLiteral("帐套名称："), lname);
    infoForm->addRow(QStringLiteral("帐套备注："), lnote);
    tPath = new QLineEdit(dialog);
    tPath->setObjectName(QStringLiteral("tPath"));
    tPath->setReadOnly(true);
    btnPath = MakeButton(dialog, "btnPath", QStringLiteral("..."));
    ProgressBar1 = new QProgressBar(dialog);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(pathLabel, dialog));
    pathRow->addWidget(tPath, 1);
    pathRow->addWidget(btnPath);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(new QLabel(progressLabel, dialog));
    progressRow->addWidget(ProgressBar1, 1);
    const DialogButtons buttons
        = MakeDialogButtons(dialog, "btnOK", QStringLiteral("确定(F5)"), "btnExit", QStringLiteral("退出(Esc)"));
    auto* root = new QVBoxLayout(dialog);
    root->addWidget(info);
    root->addLayout(pathRow);
    root->addLayout(progressRow);
    root->addLayout(buttons.layout);
    dialog->setMinimumWidth(440);
    dialog->SetEscCloses(false);
    QProgressBar* bar = ProgressBar1;
    Timer1 = MakeProgressTimer(dialog, [bar] { return bar; });
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, save);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, [dialog] { dialog->close(); });
    QObject::connect(btnPath, &QPushButton::clicked, dialog, browse);
    InstallActionKeys(dialog, save);
}

void AccountSetFileFields::Fill()
{
    lname->setText(xtzt().AsString(QStringLiteral("zt_name")));
    lnote->setText(xtzt().AsString(QStringLiteral("zt_note")));
    tPath->clear();
    ProgressBar1->setValue(0);
}

void AccountSetFileFields::Start()
{
    ProgressBar1->setValue(0);
    Timer1->start();
}

TF_Ztgl_BackUp::TF_Ztgl_BackUp(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Ztgl_BackUp"));
    setWindowTitle(QStringLiteral("帐套数据备份到文件"));
    fields.Build(
        this, QStringLiteral("备份位置："), QStringLiteral("备份进度："), [this] { btnOKClick(); },
        [this] { btnPathClick(); });
}

void TF_Ztgl_BackUp::FormActivate()
{
    ApplyFontSize(FontSize);
    fields.Fill();
}

void TF_Ztgl_BackUp::btnPathClick()
{
    const QString dir = Prompt::ChooseDirectory(QStringLiteral("选择备份目录"));
    if (!dir.isEmpty())
        fields.tPath->setText(dir);
}

void TF_Ztgl_BackUp::btnOKClick()
{
    if (fields.tPath->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("备份路径必须填写！"));
        return;
    }
    fields.Start();
    const BackupResult r = BackupAccountSet(xtzt().AsString(QStringLiteral("zt_dbname")),
        fields.tPath->text().trimmed(), xtzt().AsString(QStringLiteral("zt_name")), Clock::Now());
    if (!r.ok) {
        ShowBackupFailure(r.error);
        return;
    }
    fields.ProgressBar1->setValue(100);
    Prompt::Info(QStringLiteral("备份完成！"));
    close();
}

TF_Ztgl_Restore::TF_Ztgl_Restore(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Ztgl_Restore"));
    setWindowTitle(QStringLiteral("从备份文件恢复帐套数据"));
    fields.Build(
        this, QStringLiteral("恢复文件："), QStringLiteral("恢复进度："), [this] { btnOKClick(); },
        [this] { btnPathClick(); });
}

void TF_Ztgl_Restore::FormActivate()
{
    ApplyFontSize(FontSize);
    fields.Fill();
}

void TF_Ztgl_Restore::btnPathClick()
{
    const QString file = Prompt::OpenFile(QStringLiteral("恢复文件"), QStringLiteral("(*.dat)|*.dat|(*.*)|*.*"));
    if (!file.isEmpty())
        fields.tPath->setText(file);
}

void TF_Ztgl_Restore::btnOKClick()
{
    if (fields.tPath->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("恢复路径必须填写！"));
        return;
    }
    fields.Start();
    const RestoreResult r = RestoreAccountSet(xtzt().AsString(QStringLiteral("zt_dbname")),
        fields.tPath->text().trimmed(), ProgramFolder::Path() + QStringLiteral("数据备份/"),
        xtzt().AsString(QStringLiteral("zt_name")), Clock::Now());
    if (!r.ok) {
        fields.ProgressBar1->setValue(0);
        ShowRestoreFailure(r.error);
        return;
    }
    fields.ProgressBar1->setValue(100);
    Prompt::Info(QStringLiteral("恢复完成！"));
    close();
}
