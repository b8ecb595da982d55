#include "documents/prinsele.h"

#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TF_PrinSele* F_PrinSele = nullptr;

namespace {

struct Choice {
    const char* caption;
    const char* file;
};
const Choice kSales[]
    = { { "销售单", "spxs.fr3" }, { "销售单(不含售价)", "spxs4.fr3" }, { "销售单(含零售价)", "spxs2.fr3" } };
const Choice kPurchase[] = { { "采购进货单", "cgjh.fr3" }, { "采购进货单(无进价)", "cgjh2.fr3" } };

bool IsSales()
{
    return PrintTemplateKind == QLatin1String("spxs");
}
bool IsPurchase()
{
    return PrintTemplateKind == QLatin1String("cgjh");
}

} // namespace

TF_PrinSele::TF_PrinSele(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("F_PrinSele"));
    setWindowTitle(QStringLiteral("选择打印单据样式"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    SetEscCloses(false);

    lPrompt = new QLabel(QStringLiteral("请选择需要的单据样式："), this);
    rPrin1 = new QRadioButton(this);
    rPrin1->setObjectName(QStringLiteral("rPrin1"));
    rPrin2 = new QRadioButton(this);
    rPrin2->setObjectName(QStringLiteral("rPrin2"));
    rPrin3 = new QRadioButton(this);
    rPrin3->setObjectName(QStringLiteral("rPrin3"));
    // Radios of one group, with "none checked" allowed for the merged-size forms.
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (QRadioButton* r : { rPrin1, rPrin2, rPrin3 })
        group->addButton(r);
    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    btnCancel = new QPushButton(QStringLiteral("退出(Esc)"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(24, 18, 24, 18);
    root->addWidget(lPrompt);
    root->addSpacing(6);
    for (QRadioButton* r : { rPrin1, rPrin2, rPrin3 })
        root->addWidget(r);
    root->addSpacing(10);
    root->addLayout(buttons);
    setMinimumWidth(320);

    connect(rPrin1, &QRadioButton::clicked, this, [this] { rPrin1Click(); });
    connect(rPrin2, &QRadioButton::clicked, this, [this] { rPrin2Click(); });
    connect(rPrin3, &QRadioButton::clicked, this, [this] { rPrin3Click(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_PrinSele::FormActivate()
{
    ApplyFontSize(FontSize);
    QRadioButton* radios[] = { rPrin1, rPrin2, rPrin3 };
    // An exclusive group cannot be emptied while one radio is checked.
    auto* group = rPrin1->group();
    group->setExclusive(false);
    for (QRadioButton* r : radios)
        r->setChecked(false);
    group->setExclusive(true);
    if (IsSales()) {
        rPrin3->setVisible(true);
        if (SalesDocTemplate.isEmpty())
            SalesDocTemplate = QStringLiteral("spxs.fr3");
        for (int i = 0; i < 3; ++i) {
            radios[i]->setText(QString::fromUtf8(kSales[i].caption));
            if (SalesDocTemplate == QLatin1String(kSales[i].file))
                radios[i]->setChecked(true);
        }
    } else if (IsPurchase()) {
        rPrin3->setVisible(false);
        if (PurchaseDocTemplate.isEmpty())
            PurchaseDocTemplate = QStringLiteral("cgjh.fr3");
        for (int i = 0; i < 2; ++i) {
            radios[i]->setText(QString::fromUtf8(kPurchase[i].caption));
            if (PurchaseDocTemplate == QLatin1String(kPurchase[i].file))
                radios[i]->setChecked(true);
        }
    }
}

void TF_PrinSele::Choose(int index)
{
    if (IsSales())
        SalesDocTemplate = QString::fromLatin1(kSales[index].file);
    else if (IsPurchase() && index < 2)
        PurchaseDocTemplate = QString::fromLatin1(kPurchase[index].file);
}

void TF_PrinSele::rPrin1Click()
{
    Choose(0);
}

void TF_PrinSele::rPrin2Click()
{
    Choose(1);
}

void TF_PrinSele::rPrin3Click()
{
    Choose(2);
}

void TF_PrinSele::btnOKClick()
{
    PictureName = QStringLiteral("1");
    close();
}

void TF_PrinSele::btnCancelClick()
{
    close();
}

bool TF_PrinSele::FormKeyDown(int key)
{
    if (key == Qt::Key_F5 || key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

void ChoosePrintTemplate(const QString& kind)
{
    PrintTemplateKind = kind;
    F_PrinSele = new TF_PrinSele();
    F_PrinSele->ShowModal();
    delete F_PrinSele;
    F_PrinSele = nullptr;
    PrintTemplateKind.clear();
}
