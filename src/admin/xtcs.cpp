#include "admin/xtcs.h"

#include "admin/settingscolumns.h"
#include "foundation/datamodule.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "platform/ui/form.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* companyEdit(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* e = NamedEdit(parent, name, maxLength);
    e->setMaximumWidth(480);
    return e;
}

// Whether a Digits or Number edit stands beside the tick box that switches it.
bool besideItsBox(const SettingColumn& e)
{
    return (e.kind == SettingKind::Digits || e.kind == SettingKind::Number) && e.caption.isEmpty()
        && !e.zeroUnless.isEmpty();
}

} // namespace

TF_Xtcs::TF_Xtcs(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Xtcs"));
    setWindowTitle(QStringLiteral("系统设置"));
    SetEscCloses(false);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // Page "公司信息".
    auto* company = new QWidget;
    tname = companyEdit(company, "tname", 64);
    tjc = companyEdit(company, "tjc", 32);
    ttele = companyEdit(company, "ttele", 32);
    tlxr = companyEdit(company, "tlxr", 32);
    taddress = companyEdit(company, "taddress", 100);
    tnote = new QPlainTextEdit(company);
    tnote->setObjectName(QStringLiteral("tnote"));
    tnote->setFixedHeight(90);
    tnote->setMaximumWidth(480);
    auto* companyForm = new QFormLayout(company);
    companyForm->setContentsMargins(40, 24, 40, 24);
    companyForm->setVerticalSpacing(12);
    companyForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    companyForm->addRow(QStringLiteral("公司全名："), tname);
    companyForm->addRow(QStringLiteral("公司简名："), tjc);
    companyForm->addRow(QStringLiteral("联系电话："), ttele);
    companyForm->addRow(QStringLiteral("联系人："), tlxr);
    companyForm->addRow(QStringLiteral("联系地址："), taddress);
    companyForm->addRow(QStringLiteral("备        注："), tnote);
    PageControl1->addTab(company, QStringLiteral("公司信息"));

    // Page "系统参数", built from the settings table.
    auto* params = new QWidget;
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(18);
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(8);
    int boxCount = 0;
    int choiceRow = 0;
    QHash<QString, QHBoxLayout*> boxRows; // a box with the edit it switches
    for (const SettingColumn& e : SettingColumns()) {
        switch (e.kind) {
        case SettingKind::Box:
        case SettingKind::IntBox:
        case SettingKind::HiddenBox: {
            auto* b = new QCheckBox(e.caption, params);
            b->setObjectName(e.control);
            controls_.insert(e.control, b);
            if (e.kind == SettingKind::HiddenBox) {
                b->hide();
                break;
            }
            const bool switchesEdit = std::any_of(SettingColumns().begin(), SettingColumns().end(),
                [&](const SettingColumn& x) { return besideItsBox(x) && x.zeroUnless == e.control; });
            if (switchesEdit) {
                auto* row = new QHBoxLayout;
                row->setSpacing(4);
                row->addWidget(b);
                boxRows.insert(e.control, row);
            } else {
                boxes->addWidget(b, boxCount / 3, boxCount % 3);
                ++boxCount;
            }
            break;
        }
        case SettingKind::Choice:
        case SettingKind::HiddenChoice: {
            auto* c = new QComboBox(params);
            c->setObjectName(e.control);
            c->addItems(e.items);
            controls_.insert(e.control, c);
            if (e.kind == SettingKind::HiddenChoice) {
                c->hide();
                break;
            }
            choices->addWidget(new QLabel(e.caption, params), choiceRow, 0, Qt::AlignRight);
            choices->addWidget(c, choiceRow, 1);
            if (!e.suffix.isEmpty())
                choices->addWidget(new QLabel(e.suffix, params), choiceRow, 2);
            ++choiceRow;
            break;
        }
        case SettingKind::Digits:
        case SettingKind::Number:
        case SettingKind::Text: {
            auto* ed = new QLineEdit(params);
            ed->setObjectName(e.control);
            ed->setMaxLength(e.maxLength);
            if (e.kind == SettingKind::Digits)
                ed->setValidator(new QIntValidator(0, e.maxLength == 1 ? 9 : 99, ed));
            else if (e.kind == SettingKind::Number)
                ed->setValidator(new QDoubleValidator(-9999, 9999, e.decimals, ed));
            ed->setMaximumWidth(e.kind == SettingKind::Number ? 90 : 48);
            controls_.insert(e.control, ed);
            if (besideItsBox(e) && boxRows.contains(e.zeroUnless)) {
                QHBoxLayout* row = boxRows.value(e.zeroUnless);
                row->addWidget(ed);
                row->addWidget(new QLabel(e.suffix, params));
                row->addStretch();
                choices->addLayout(row, choiceRow++, 0, 1, 3);
                break;
            }
            choices->addWidget(new QLabel(e.caption, params), choiceRow, 0, Qt::AlignRight);
            auto* cell = new QHBoxLayout;
            cell->addWidget(ed);
            if (!e.suffix.isEmpty())
                cell->addWidget(new QLabel(e.suffix, params));
            cell->addStretch();
            choices->addLayout(cell, choiceRow++, 1, 1, 2);
            break;
        }
        case SettingKind::Constant:
            break;
        }
    }
    auto* boxGroup = new QGroupBox(params);
    boxGroup->setLayout(boxes);
    auto* paramsLayout = new QHBoxLayout(params);
    paramsLayout->addWidget(boxGroup, 3);
    auto* choiceColumn = new QVBoxLayout;
    choiceColumn->addLayout(choices);
    choiceColumn->addStretch();
    paramsLayout->addLayout(choiceColumn, 2);
    PageControl1->addTab(params, QStringLiteral("系统参数"));

    chkCgyh = Box(QStringLiteral("chkCgyh"));
    chkShtc = Box(QStringLiteral("chkShtc"));

    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("取消(Esc)"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnDefault = new QPushButton(QStringLiteral("恢复默认系统设置"), this);
    btnDefault->setObjectName(QStringLiteral("btnDefault"));
    for (QPushButton* b : { btnOK, btnCancel, btnDefault })
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDefault);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* root = new QVBoxLayout(this);
    root->addWidget(PageControl1);
    root->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnDefault, &QPushButton::clicked, this, [this] { btnDefaultClick(); });
    connect(chkCgyh, &QCheckBox::toggled, this, [this] { chkCgyhClick(); });
    connect(chkShtc, &QCheckBox::toggled, this, [this] { chkShtcClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

QCheckBox* TF_Xtcs::Box(const QString& control) const
{
    return qobject_cast<QCheckBox*>(controls_.value(control));
}

QComboBox* TF_Xtcs::Combo(const QString& control) const
{
    return qobject_cast<QComboBox*>(controls_.value(control));
}

QLineEdit* TF_Xtcs::Edit(const QString& control) const
{
    return qobject_cast<QLineEdit*>(controls_.value(control));
}

void TF_Xtcs::FormActivate()
{
    ApplyFontSize(FontSize);
    fill();
    PageControl1->setCurrentIndex(0);
}

void TF_Xtcs::fill()
{
    Loading = QStringLiteral("1");
    Query& q = F_DataModule->QueryTmp;
    SetQuerySQL(q, QStringLiteral("select * from jxc_company"));
    q.Open();
    tname->setText(q.AsString(QStringLiteral("c_name")));
    tjc->setText(q.AsString(QStringLiteral("c_jc")));
    ttele->setText(q.AsString(QStringLiteral("c_tele")));
    tlxr->setText(q.AsString(QStringLiteral("c_lxr")));
    taddress->setText(q.AsString(QStringLiteral("c_address")));
    tnote->setPlainText(q.AsString(QStringLiteral("c_note")));
    q.Close();

    SetQuerySQL(q, QStringLiteral("select * from jxc_xtcs"));
    q.Open();
    employDate_ = q.AsString(QStringLiteral("cs_employdate"));
    for (const SettingColumn& e : SettingColumns()) {
        if (e.kind == SettingKind::Constant)
            continue;
        const QString v = q.AsString(e.column);
        switch (e.kind) {
        case SettingKind::Box:
        case SettingKind::HiddenBox:
            Box(e.control)->setChecked(v == QLatin1String("True") || v == QLatin1String("1"));
            break;
        case SettingKind::IntBox:
            Box(e.control)->setChecked(v == QLatin1String("1"));
            break;
        case SettingKind::Choice:
        case SettingKind::HiddenChoice:
            Combo(e.control)->setCurrentIndex(v.toInt() < Combo(e.control)->count() ? v.toInt() : -1);
            break;
        default:
            Edit(e.control)->setText(v);
            break;
        }
    }
    q.Close();
    Loading = QStringLiteral("0");
}

QHash<QString, QVariant> TF_Xtcs::controlValues() const
{
    QHash<QString, QVariant> values;
    for (auto it = controls_.begin(); it != controls_.end(); ++it) {
        if (auto* b = qobject_cast<QCheckBox*>(it.value()))
            values.insert(it.key(), b->isChecked());
        else if (auto* c = qobject_cast<QComboBox*>(it.value()))
            values.insert(it.key(), c->currentIndex());
        else if (auto* e = qobject_cast<QLineEdit*>(it.value()))
            values.insert(it.key(), e->text());
    }
    return values;
}

bool TF_Xtcs::saveValue()
{
    const CompanyDetails company { tname->text(), tjc->text(), ttele->text(), tlxr->text(), taddress->text(),
        tnote->toPlainText() };
    const QString refusal = SaveSystemSettings(company, controlValues(), employDate_);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return false;
    }
    // The decimal edits show what was stored.
    for (const SettingColumn& e : SettingColumns())
        if (e.kind == SettingKind::Digits && e.clampMax >= 0)
            Edit(e.control)->setText(QString::number(ClampedDigits(e, Edit(e.control)->text())));
    LoadSystemSettings();
    close();
    return true;
}

void TF_Xtcs::btnOKClick()
{
    saveValue();
}

void TF_Xtcs::btnCancelClick()
{
    close();
}

void TF_Xtcs::btnDefaultClick()
{
    if (Prompt::YesNo(QStringLiteral("您的操作要恢复系统默认设置，确认吗？")) != Prompt::Answer::Yes)
        return;
    RestoreDefaultSettings();
    fill();
    PageControl1->setCurrentIndex(1);
    LoadSystemSettings();
    Prompt::Info(QStringLiteral("默认系统设置已恢复！"));
}

bool TF_Xtcs::FormKeyDown(int key)
{
    if (key == Qt::Key_F5) {
        saveValue();
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void TF_Xtcs::chkCgyhClick()
{
    if (Loading == QLatin1String("0") && !chkCgyh->isChecked())
        chkShtc->setChecked(false);
}

void TF_Xtcs::chkShtcClick()
{
    if (Loading == QLatin1String("0") && chkShtc->isChecked())
        chkCgyh->setChecked(true);
}
