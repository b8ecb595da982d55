#include "admin/admin.h"

#include "admin/listparts.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kListStatement
    = QStringLiteral("select a.*,b.r_name from jxc_admin a,jxc_role b where a.r_sn=b.r_sn order by a.a_jyt,a.id");

Query& adminQuery()
{
    return F_DataModule->Q(QStringLiteral("Q_Admin"));
}

void reopenAdminList()
{
    OpenQuery(adminQuery(), kListStatement);
}

} // namespace

// ---- the list ----

TF_Admin::TF_Admin(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Admin"));
    setWindowTitle(QStringLiteral("操作员设置"));
    SetEscCloses(false);
    SetReactivateAfterModal(true);

    const ListButtons toolbar = MakeListButtons(this);
    btn_Add = toolbar.add;
    btn_Modi = toolbar.modi;
    btn_Dele = toolbar.dele;
    btn_Exit = toolbar.exit;

    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->installEventFilter(this);
    btnSearch2 = MakeButton(this, "btnSearch2", QStringLiteral("查询(F2)"));
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("请输入操作员的相关信息进行查询："), this));
    search->addWidget(tkey, 1);
    search->addWidget(btnSearch2);

    cxGridView = MakeListGrid(this, QStringLiteral("D_Admin"));
    const int colSn = cxGridView->AddColumn(QStringLiteral("a_sn"), QStringLiteral("编号"), 80);
    cxGridView->AddColumn(QStringLiteral("a_name"), QStringLiteral("用户名称"), 140);
    cxGridView->AddColumn(QStringLiteral("r_name"), QStringLiteral("所属角色"), 140);
    const int colAmount = cxGridView->AddColumn(
        QStringLiteral("a_zreoje"), QStringLiteral("最多抹零金额"), 100, Qt::AlignRight | Qt::AlignVCenter);
    cxGridView->SetColumnFormat(colAmount, QStringLiteral("￥,0.00"));
    const int colJy = cxGridView->AddColumn(QStringLiteral("a_jy"), QStringLiteral("停用"), 50);
    cxGridView->SetCheckColumn(colJy, false);
    cxGridView->SetColumnEditable(colJy, false);
    cxGridView->SetFooterCount(colSn, QStringLiteral("数量："));

    PopupMenu1 = new QMenu(this);
    mnuAdd = PopupMenu1->addAction(QStringLiteral("增加(&V)"));
    mnuModi = PopupMenu1->addAction(QStringLiteral("修改(&W)"));
    mnuDele = PopupMenu1->addAction(QStringLiteral("删除(&X)"));
    PopupMenu1->addSeparator();
    mnuCopy = PopupMenu1->addAction(QStringLiteral("复制操作员(&Y)"));
    mnuPaste = PopupMenu1->addAction(QStringLiteral("粘贴操作员(&Z)"));

    auto* root = new QVBoxLayout(this);
    root->addLayout(toolbar.layout);
    root->addLayout(search);
    root->addWidget(cxGridView, 1);
    resize(640, 420);

    connect(btn_Add, &QPushButton::clicked, this, [this] { btn_AddClick(); });
    connect(btn_Modi, &QPushButton::clicked, this, [this] { btn_ModiClick(); });
    connect(btn_Dele, &QPushButton::clicked, this, [this] { btn_DeleClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { btn_ExitClick(); });
    connect(btnSearch2, &QPushButton::clicked, this, [this] { btnSearch2Click(); });
    connect(mnuAdd, &QAction::triggered, this, [this] { btn_AddClick(); });
    connect(mnuModi, &QAction::triggered, this, [this] { btn_ModiClick(); });
    connect(mnuDele, &QAction::triggered, this, [this] { btn_DeleClick(); });
    connect(mnuCopy, &QAction::triggered, this, [this] { mnuCopyClick(); });
    connect(mnuPaste, &QAction::triggered, this, [this] { mnuPasteClick(); });
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btn_ModiClick(); });
    connect(cxGridView, &DataGrid::rightClicked, this, [this](const QPoint& at) { PopupMenu1->popup(at); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_Admin::FormActivate()
{
    ApplyFontSize(FontSize);
    reopenAdminList();
    copyName_.clear();
    mnuPaste->setEnabled(false);
}

void TF_Admin::FormClose()
{
    adminQuery().Close();
}

void TF_Admin::done(int result)
{
    FormClose();
    Form::done(result);
}

void TF_Admin::btn_AddClick()
{
    TF_Admin_Add dialog(this);
    dialog.ShowModal();
}

void TF_Admin::btn_ModiClick()
{
    if (adminQuery().IsEmpty())
        return;
    TF_Admin_Modi dialog(this);
    dialog.ShowModal();
}

void TF_Admin::btn_DeleClick()
{
    Query& q = adminQuery();
    if (q.IsEmpty())
        return;
    const QString sn = q.AsString(QStringLiteral("a_sn"));
    if (!ConfirmUnlessRefused(OperatorDeleteRefusal(q.AsString(QStringLiteral("a_name")), sn),
            QStringLiteral("您确定要删除当前操作员吗！")))
        return;
    DeleteOperator(sn);
    reopenAdminList();
}

void TF_Admin::btn_ExitClick()
{
    close();
}

void TF_Admin::btnSearch2Click()
{
    const QString key = SafeSqlText(tkey->text().trimmed());
    cxGridView->ClearFilter();
    if (key.isEmpty()) {
        cxGridView->SetFilterActive(false);
        return;
    }
    cxGridView->SetFilterJoin(GridFilter::Join::Or);
    const QString pattern = QLatin1Char('%') + key + QLatin1Char('%');
    cxGridView->AddFilter(QStringLiteral("a_name"), pattern);
    cxGridView->AddFilter(QStringLiteral("a_sn"), pattern);
    cxGridView->SetFilterActive(true);
}

void TF_Admin::mnuCopyClick()
{
    Query& q = adminQuery();
    if (q.IsEmpty())
        return;
    copyName_ = QStringLiteral("复制 ") + q.AsString(QStringLiteral("a_name"));
    copyRoleSn_ = q.AsString(QStringLiteral("r_sn"));
    copyPwd_ = q.AsString(QStringLiteral("a_pwd"));
    copyZreoje_ = q.AsFloat(QStringLiteral("a_zreoje"));
    mnuPaste->setEnabled(true);
}

void TF_Admin::mnuPasteClick()
{
    if (!mnuPaste->isEnabled())
        return;
    PasteOperator(copyName_, copyRoleSn_, copyPwd_, copyZreoje_);
    reopenAdminList();
}

bool TF_Admin::FormKeyDown(int key)
{
    if (key == Qt::Key_F2) {
        btnSearch2Click();
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

bool TF_Admin::tkeyRefuses(const QString& typed)
{
    // Codes 33, 34, 37 to 39, 44, 61, 63, 64 and 91 to 94.
    static const QString refused = QStringLiteral("!\"%&',=?@[\\]^");
    return std::any_of(typed.begin(), typed.end(), [](QChar c) { return refused.contains(c); });
}

bool TF_Admin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tkey && event->type() == QEvent::KeyPress && tkeyRefuses(static_cast<QKeyEvent*>(event)->text()))
        return true;
    return Form::eventFilter(watched, event);
}

// ---- the dialogs ----

void OperatorFields::Build(Form* dialog, std::function<void()> save)
{
    tname = new QLineEdit(dialog);
    tname->setObjectName(QStringLiteral("tname"));
    tname->setMaxLength(16);
    comRole = new KeyedCombo(dialog);
    comRole->setObjectName(QStringLiteral("comRole"));
    tpwd = new QLineEdit(dialog);
    tpwd->setObjectName(QStringLiteral("tpwd"));
    tpwd1 = new QLineEdit(dialog);
    tpwd1->setObjectName(QStringLiteral("tpwd1"));
    for (QLineEdit* e : { tpwd, tpwd1 }) {
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(16);
    }
    tzreoje = new QLineEdit(dialog);
    tzreoje->setObjectName(QStringLiteral("tzreoje"));
    tzreoje->setMaxLength(6);
    tzreoje->setValidator(new QDoubleValidator(0, 999999, 2, tzreoje));

    form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(10);
    form->addRow(QStringLiteral("用户名称："), tname);
    form->addRow(QStringLiteral("所属角色："), comRole);
    form->addRow(QStringLiteral("用户密码："), tpwd);
    form->addRow(QStringLiteral("再次输入密码："), tpwd1);
    form->addRow(QStringLiteral("抹零金额："), tzreoje);

    btnOK = MakeButton(dialog, "btnOK", QStringLiteral("确定(F5)"));
    btnCancel = MakeButton(dialog, "btnCancel", QStringLiteral("取消(Esc)"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* root = new QVBoxLayout(dialog);
    root->setContentsMargins(24, 18, 24, 18);
    root->addLayout(form);
    root->addSpacing(8);
    root->addLayout(buttons);
    dialog->setMinimumWidth(360);
    dialog->SetEscCloses(false);

    QObject::connect(btnOK, &QPushButton::clicked, dialog, save);
    QObject::connect(btnCancel, &QPushButton::clicked, dialog, [dialog] { dialog->close(); });
    KeyPreview::Install(dialog, [dialog, save](QKeyEvent* e) {
        switch (e->key()) {
        case Qt::Key_F5:
            save();
            return true;
        case Qt::Key_Escape:
            dialog->close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (QWidget* at = dialog->focusWidget())
                at->nextInFocusChain()->setFocus(Qt::TabFocusReason);
            return true;
        default:
            return false;
        }
    });
}

void OperatorFields::FillRoles()
{
    FillCombo(
        *comRole, QStringLiteral("jxc_role"), QStringLiteral("r_name"), QStringLiteral("r_sn"), QStringLiteral("id"));
}

OperatorInput OperatorFields::Input() const
{
    OperatorInput in;
    in.name = tname->text();
    in.roleSn = comRole->currentIndex() >= 0 ? GetComboCode(*comRole, comRole->currentIndex()) : QString();
    in.password = tpwd->text();
    in.password2 = tpwd1->text();
    in.zreoje = tzreoje->text().toDouble();
    return in;
}

TF_Admin_Add::TF_Admin_Add(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Admin_Add"));
    setWindowTitle(QStringLiteral("增加操作员"));
    fields.Build(this, [this] { saveValue(); });
}

void TF_Admin_Add::FormActivate()
{
    ApplyFontSize(FontSize);
    fields.tname->clear();
    fields.tpwd->clear();
    fields.tpwd1->clear();
    fields.tzreoje->setText(QStringLiteral("0"));
    fields.FillRoles();
    fields.comRole->setCurrentIndex(fields.comRole->count() > 0 ? 0 : -1);
    fields.tname->setFocus();
}

void TF_Admin_Add::saveValue()
{
    const QString refusal = AddOperator(fields.Input());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    reopenAdminList();
    close();
}

TF_Admin_Modi::TF_Admin_Modi(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Admin_Modi"));
    setWindowTitle(QStringLiteral("修改操作员"));
    fields.Build(this, [this] { saveValue(); });
    chkJy = new QCheckBox(QStringLiteral("停用"), this);
    chkJy->setObjectName(QStringLiteral("chkJy"));
    fields.form->addRow(QString(), chkJy);
}

void TF_Admin_Modi::FormActivate()
{
    ApplyFontSize(FontSize);
    const Query& q = adminQuery();
    id_ = q.AsInteger(QStringLiteral("id"));
    fields.tname->setText(q.AsString(QStringLiteral("a_name")));
    fields.FillRoles();
    fields.comRole->setCurrentIndex(fields.comRole->findText(q.AsString(QStringLiteral("r_name"))));
    fields.tzreoje->setText(QString::number(q.AsFloat(QStringLiteral("a_zreoje")), 'f', 2));
    fields.tpwd->setText(q.AsString(QStringLiteral("a_pwd")));
    fields.tpwd1->setText(q.AsString(QStringLiteral("a_pwd")));
    pos_ = q.AsString(QStringLiteral("a_pos")) == QLatin1String("True");
    chkJy->setChecked(q.AsString(QStringLiteral("a_jy")) == QLatin1String("True"));
    // The built-in administrator keeps his role and cannot be disabled.
    const bool builtIn = q.AsString(QStringLiteral("a_sn")) == QLatin1String("100001");
    fields.comRole->setEnabled(!builtIn);
    chkJy->setEnabled(!builtIn);
    fields.tname->setFocus();
}

void TF_Admin_Modi::saveValue()
{
    OperatorInput in = fields.Input();
    in.pos = pos_;
    in.disabled = chkJy->isChecked();
    const QString refusal = ModifyOperator(id_, in);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    reopenAdminList();
    close();
}
