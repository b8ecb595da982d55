#include "members/hyyh.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/listoutput.h"
#include "masterdata/pickersform.h"
#include "members/methodops.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* RuleAmountEdit(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* e = NamedEdit(parent, name, maxLength);
    auto* v = new QDoubleValidator(0, 999999999, 2, e);
    v->setNotation(QDoubleValidator::StandardNotation);
    e->setValidator(v);
    return e;
}

double RuleAmount(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

Query& Methods()
{
    return F_DataModule->Q(QStringLiteral("Q_Hyyh"));
}

} // namespace

MethodDialog::MethodDialog(const QString& objectName, bool adding, QWidget* parent) : Form(parent), adding_(adding)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("优惠方式设置"));
    auto* box = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    tname = NamedEdit(this, "tname", 32);
    f->addRow(adding ? QStringLiteral("优惠名称：") : QStringLiteral("会员卡名称："), tname);
    comZl = new QComboBox(this);
    comZl->setObjectName(QStringLiteral("comZl"));
    comZl->setEnabled(adding);
    f->addRow(QStringLiteral("优惠种类："), comZl);
    box->addLayout(f);

    panel0 = new QWidget(this);
    auto* p0 = new QHBoxLayout(panel0);
    p0->addWidget(new QLabel(QStringLiteral("实际存款=所存金额 X "), panel0));
    tyh1 = RuleAmountEdit(panel0, "tyh1", 9);
    p0->addWidget(tyh1);
    box->addWidget(panel0);
    panel1 = new QWidget(this);
    auto* p1 = new QHBoxLayout(panel1);
    p1->addWidget(new QLabel(QStringLiteral("累计消费"), panel1));
    tyh2 = RuleAmountEdit(panel1, "tyh2", 8);
    p1->addWidget(tyh2);
    p1->addWidget(new QLabel(QStringLiteral("转换现金"), panel1));
    tyh3 = RuleAmountEdit(panel1, "tyh3", 9);
    p1->addWidget(tyh3);
    box->addWidget(panel1);
    panel2 = new QWidget(this);
    auto* p2 = new QHBoxLayout(panel2);
    btnCzzs = AddButton(p2, panel2, QStringLiteral("充值赠送金额设置"), [this] { btnCzzsClick(); });
    box->addWidget(panel2);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    btnSave = AddButton(row, this, QStringLiteral("保存(F5)"), [this] { btnSaveClick(); });
    AddButton(row, this, QStringLiteral("退出(Esc)"), [this] { close(); });
    box->addLayout(row);
    // F5 saves only while saving is allowed.
    InstallDialogKeys(this, [this] {
        if (btnSave->isEnabled())
            btnSaveClick();
    });
    connect(comZl, &QComboBox::activated, this, [this] { comZlChange(); });
}

void MethodDialog::ShowPanel(int kind)
{
    panel0->setVisible(kind == 0);
    panel1->setVisible(kind == 1);
    panel2->setVisible(kind == 2);
}

void MethodDialog::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    kindTwo_ = false;
    btnSave->setEnabled(true);
    comZl->clear();
    comZl->addItems(MethodKindTexts());
    if (adding_) {
        comZl->setCurrentIndex(0);
        tname->clear();
        ShowPanel(0);
        tyh1->setText(QStringLiteral("1"));
        tyh2->setText(QStringLiteral("0"));
        tyh3->setText(QStringLiteral("0"));
    } else {
        Query& q = Methods();
        id_ = q.AsInteger(QStringLiteral("id"));
        tname->setText(q.AsString(QStringLiteral("hh_name")));
        const int kind = int(q.AsInteger(QStringLiteral("hh_zl")));
        comZl->setCurrentIndex(kind);
        tyh1->setText(NumberText(q.AsFloat(QStringLiteral("hh_yh1"))));
        tyh2->setText(NumberText(q.AsFloat(QStringLiteral("hh_yh2"))));
        tyh3->setText(NumberText(q.AsFloat(QStringLiteral("hh_yh3"))));
        ShowPanel(kind);
        kindTwo_ = kind == 2;
    }
    tname->setFocus();
}

void MethodDialog::comZlChange()
{
    btnSave->setEnabled(true);
    const int kind = comZl->currentIndex();
    ShowPanel(kind);
    if (kind != 2) {
        tyh1->setText(QStringLiteral("1"));
        tyh2->setText(QStringLiteral("0"));
        tyh3->setText(QStringLiteral("0"));
        return;
    }
    if (BonusMethodExists()) {
        Prompt::Info(QStringLiteral("充值赠送只能增加一次！"));
        btnSave->setEnabled(false);
        kindTwo_ = true;
    }
}

void MethodDialog::btnSaveClick()
{
    const MethodEntry e { tname->text(), comZl->currentIndex(), RuleAmount(tyh1), RuleAmount(tyh2), RuleAmount(tyh3) };
    const QString refusal = MethodRefusal(e, adding_ ? 0 : id_);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    SaveMethod(e, adding_ ? 0 : id_);
    Query& q = Methods();
    if (q.Active())
        q.Requery();
    if (e.kind == 2)
        PictureName = QStringLiteral("zs");
    accept();
}

void MethodDialog::btnCzzsClick()
{
    if (!kindTwo_) {
        btnSaveClick();
        return;
    }
    PictureName = QStringLiteral("zs");
    accept();
}

TF_Hyyh_Add::TF_Hyyh_Add(QWidget* parent) : MethodDialog(QStringLiteral("TF_Hyyh_Add"), true, parent) { }

TF_Hyyh_Modi::TF_Hyyh_Modi(QWidget* parent) : MethodDialog(QStringLiteral("TF_Hyyh_Modi"), false, parent) { }

// ---- bonus rules

TF_Hyzs::TF_Hyzs(QWidget* parent) : Form(parent), Q_GhsDJ(F_DataModule->Q(QStringLiteral("Q_GhsDJ")))
{
    setObjectName(QStringLiteral("TF_Hyzs"));
    setWindowTitle(QStringLiteral("会员充值赠送设置"));
    resize(720, 420);
    auto* box = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    AddButton(bar, this, QStringLiteral("增加"), [this] { btnAddClick(); });
    AddButton(bar, this, QStringLiteral("修改"), [this] { btnModiClick(); });
    AddButton(bar, this, QStringLiteral("删除"), [this] { btnDeleClick(); });
    AddButton(bar, this, QStringLiteral("导出"), [this] { btnExportClick(); });
    AddButton(bar, this, QStringLiteral("退出"), [this] { close(); });
    bar->addStretch(1);
    box->addLayout(bar);
    cxGrid1View = new DataGrid(this);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("D_GhsDJ")));
    cxGrid1View->SetFooterVisible(true);
    for (const auto& [field, caption] : { std::pair { "hs_sn", "编号" }, { "hs_czje", "充值金额" },
             { "hs_zsje", "赠送金额" }, { "hs_myje", "每次金额" }, { "hs_note", "说明" } })
        cxGrid1View->AddColumn(QLatin1String(field), QString::fromUtf8(caption), 100);
    for (const char* f : { "hs_czje", "hs_zsje", "hs_myje" })
        cxGrid1View->SetColumnFormat(cxGrid1View->ColumnByField(QLatin1String(f)), QStringLiteral("0.00"));
    cxGrid1View->SetFooterCount(0);
    cxGrid1View->SetFooterSum(1, QStringLiteral("0.00"));
    cxGrid1View->SetFooterSum(2, QStringLiteral("0.00"));
    box->addWidget(cxGrid1View, 1);
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
}

void TF_Hyzs::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    OpenQuery(Q_GhsDJ, QStringLiteral("select * from jxc_hyczzs order by id"));
}

void TF_Hyzs::btnAddClick()
{
    OpenMode = QStringLiteral("add");
    TF_Hyzs_Sele dialog(this);
    Prompt::ShowModal(&dialog);
    OpenMode.clear();
    Q_GhsDJ.Requery();
}

void TF_Hyzs::btnModiClick()
{
    if (!Q_GhsDJ.Active() || Q_GhsDJ.IsEmpty())
        return;
    const qint64 id = Q_GhsDJ.AsInteger(QStringLiteral("id"));
    OpenMode = QStringLiteral("modi");
    TF_Hyzs_Sele dialog(this);
    Prompt::ShowModal(&dialog);
    OpenMode.clear();
    Q_GhsDJ.Requery();
    Q_GhsDJ.LocateId(id);
}

void TF_Hyzs::btnDeleClick()
{
    if (!Q_GhsDJ.Active() || Q_GhsDJ.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除该充值赠送信息吗！")) != Prompt::Answer::Yes)
        return;
    Q_GhsDJ.Delete();
}

void TF_Hyzs::btnExportClick()
{
    if (Q_GhsDJ.Active() && !Q_GhsDJ.IsEmpty())
        ExportGridList(*cxGrid1View, true);
}

void TF_Hyzs::hideEvent(QHideEvent* e)
{
    Q_GhsDJ.Close();
    Form::hideEvent(e);
}

TF_Hyzs_Sele::TF_Hyzs_Sele(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Hyzs_Sele"));
    setWindowTitle(QStringLiteral("充值赠送设置"));
    auto* box = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    hs_czje = RuleAmountEdit(this, "hs_czje", 9);
    f->addRow(QStringLiteral("充值："), hs_czje);
    hs_zsje = RuleAmountEdit(this, "hs_zsje", 9);
    f->addRow(QStringLiteral("赠送："), hs_zsje);
    comZsfs = new QComboBox(this);
    comZsfs->setObjectName(QStringLiteral("comZsfs"));
    comZsfs->addItems(PayoutModeTexts());
    f->addRow(QStringLiteral("赠送方式："), comZsfs);
    hs_myje = RuleAmountEdit(this, "hs_myje", 9);
    lmyje = new QLabel(QStringLiteral("每次赠送："), this);
    f->addRow(lmyje, hs_myje);
    box->addLayout(f);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("退出(Esc)"), [this] { btnOKClick(); });
    connect(comZsfs, &QComboBox::currentIndexChanged, this, [this] { comZsfsChange(); });
}

void TF_Hyzs_Sele::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& q = F_DataModule->Q(QStringLiteral("Q_GhsDJ"));
    id_ = 0;
    if (OpenMode == QLatin1String("modi") && q.Active() && !q.IsEmpty()) {
        id_ = q.AsInteger(QStringLiteral("id"));
        hs_czje->setText(NumberText(q.AsFloat(QStringLiteral("hs_czje"))));
        hs_zsje->setText(NumberText(q.AsFloat(QStringLiteral("hs_zsje"))));
        comZsfs->setCurrentIndex(int(q.AsInteger(QStringLiteral("hs_zsfs"))));
        hs_myje->setText(NumberText(q.AsFloat(QStringLiteral("hs_myje"))));
    } else {
        for (QLineEdit* e : { hs_czje, hs_zsje, hs_myje })
            e->setText(QStringLiteral("0"));
        comZsfs->setCurrentIndex(0);
    }
    comZsfsChange();
    hs_czje->setFocus();
}

void TF_Hyzs_Sele::comZsfsChange()
{
    const bool instalments = comZsfs->currentIndex() > 0;
    hs_myje->setVisible(instalments);
    lmyje->setVisible(instalments);
}

void TF_Hyzs_Sele::btnOKClick()
{
    const RuleEntry e { RuleAmount(hs_czje), RuleAmount(hs_zsje), RuleAmount(hs_myje), comZsfs->currentIndex() };
    const QString refusal = RuleRefusal(e, id_);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    SaveRule(e, id_);
    accept();
}
