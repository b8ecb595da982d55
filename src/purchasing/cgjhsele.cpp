#include "purchasing/cgjhsele.h"

#include "foundation/fieldformats.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/pickersform.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

// Dialog-level state shared by every opening.
QString StockWarehouseSn;
bool RepricingLock = false;
bool TaxPriceTyped = false;

// Half away from zero, without the increment of the written amounts.
double RoundPlain(double x, int d)
{
    const double f = std::pow(10.0, d);
    return x < 0 ? -std::floor(-x * f + 0.5) / f : std::floor(x * f + 0.5) / f;
}

} // namespace

TF_Cgjh_Sele::TF_Cgjh_Sele(QWidget* parent)
    : TF_Cgjh_Sele(Variant { &GoodsInKind(), QStringLiteral("采购进货"), false, false }, parent)
{
}

TF_Cgjh_Sele::TF_Cgjh_Sele(const Variant& variant, QWidget* parent)
    : Form(parent), ColorSizeDialogParts(this), variant_(variant)
{
    setObjectName(variant.ret ? QStringLiteral("TF_Cgth_Sele")
            : variant.order   ? QStringLiteral("TF_Cgd_Sele")
                              : QStringLiteral("TF_Cgjh_Sele"));
    setWindowTitle(QStringLiteral("商品信息(") + variant.caption + QStringLiteral(")"));
    resize(660, 626);
    Build();
}

TF_Cgd_Sele::TF_Cgd_Sele(QWidget* parent)
    : TF_Cgjh_Sele(Variant { &PurchaseOrderKind(), QStringLiteral("采购订单"), true, false }, parent)
{
}

TF_Cgth_Sele::TF_Cgth_Sele(QWidget* parent)
    : TF_Cgjh_Sele(Variant { &PurchaseReturnKind(), QStringLiteral("采购退货"), false, true }, parent)
{
}

namespace {

// Price, quantity and amounts keep their value and show the settings' format when
// they are not being edited.
NumberEdit* NumberField(QWidget* parent, const char* name, int maxLength, bool quantity)
{
    auto* e = new NumberEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    const NumberEditTarget target { [e](const QString& format) { e->SetDisplayFormat(format); },
        [e](int decimals) { e->SetDecimals(decimals); }, {} };
    if (quantity)
        SetQtyEditFormat(target);
    else
        SetAmountEditFormat(target);
    return e;
}

} // namespace

void TF_Cgjh_Sele::Build()
{
    auto* box = new QVBoxLayout(this);
    BuildEntryTabs(this, box);

    auto* group = new QGroupBox(variant_.ret ? QStringLiteral("商品退货信息") : QStringLiteral("商品进货信息"), this);
    auto* fields = new QGridLayout(group);
    fields->addWidget(NamedLabel(group, "上次进价："), 0, 0);
    gscjj = NamedLabel(group, "", "gscjj");
    fields->addWidget(gscjj, 0, 1);
    fields->addWidget(NamedLabel(group, variant_.ret ? "退货价格：" : "参考进价："), 0, 2);
    tgpjjj = NumberField(group, "tgpjjj", variant_.ret ? 9 : 32767, false);
    fields->addWidget(tgpjjj, 0, 3);
    fields->addWidget(NamedLabel(group, "总数量："), 0, 4);
    tsl = NumberField(group, "tsl", 32767, true);
    tsl->setReadOnly(true);
    fields->addWidget(tsl, 0, 5);
    lZje = NamedLabel(group, "总金额：", "lZje");
    fields->addWidget(lZje, 1, 0);
    tzje = NumberField(group, "tzje", 32767, false);
    tzje->setReadOnly(true);
    fields->addWidget(tzje, 1, 1);
    LDzl = NamedLabel(group, "打折率：", "LDzl");
    fields->addWidget(LDzl, 1, 2);
    tdzl = NamedEdit(group, "tdzl", 6);
    fields->addWidget(tdzl, 1, 3);
    LTax = NamedLabel(group, "税率：", "LTax");
    fields->addWidget(LTax, 1, 4);
    ttax = NamedEdit(group, "ttax", 9);
    fields->addWidget(ttax, 1, 5);
    LPercent = NamedLabel(group, "%", "LPercent");
    fields->addWidget(LPercent, 1, 6);
    LTaxPrice = NamedLabel(group, "含税单价：", "LTaxPrice");
    fields->addWidget(LTaxPrice, 2, 0);
    ttaxdj = NumberField(group, "ttaxdj", 32767, false);
    fields->addWidget(ttaxdj, 2, 1);
    fields->addWidget(NamedLabel(group, "备注："), 2, 2);
    tnote = NamedEdit(group, "tnote", variant_.ret ? 60 : 64);
    fields->addWidget(tnote, 2, 3, 1, 4);
    if (variant_.ret) {
        ldazhe = NamedLabel(group, "1为不打折,0.8为打8折", "ldazhe");
        ldazhe->setStyleSheet(QStringLiteral("color: red"));
        fields->addWidget(ldazhe, 1, 7);
        for (QWidget* w : std::initializer_list<QWidget*> { gscjj, lZje, tzje })
            w->hide();
    }
    box->addWidget(group);

    box->addWidget(
        NamedLabel(this, variant_.ret ? "请在下面表格中输入您的退货数量" : "请在下面表格中输入您的进货数量"));
    StringGridIn->setParent(this);
    box->addWidget(StringGridIn, 3);

    auto* bar = new QHBoxLayout;
    btnPic = new QPushButton(QStringLiteral("查看图片(F4)"), this);
    btnPic->setObjectName(QStringLiteral("btnPic"));
    btnPic->setVisible(!variant_.order && !variant_.ret);
    bar->addWidget(btnPic);
    bar->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    bar->addWidget(btnOK);
    btnCancel = new QPushButton(QStringLiteral("退出(Esc)"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    bar->addWidget(btnCancel);
    box->addLayout(bar);

    connect(btnOK, &QPushButton::clicked, this, &TF_Cgjh_Sele::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Cgjh_Sele::btnCancelClick);
    connect(btnPic, &QPushButton::clicked, this, &TF_Cgjh_Sele::btnPicClick);
    connect(tgpjjj, &QLineEdit::textEdited, this, &TF_Cgjh_Sele::tgpjjjChange);
    connect(ttax, &QLineEdit::textEdited, this, &TF_Cgjh_Sele::ttaxPropertiesChange);
    connect(tdzl, &QLineEdit::textEdited, this, &TF_Cgjh_Sele::tdzlPropertiesChange);
    connect(ttaxdj, &QLineEdit::textEdited, this, &TF_Cgjh_Sele::ttaxdjKeyUp);
    connect(StringGridIn, &MatrixGrid::cellEdited, this, [this] { QuantityChanged(); });
}

double TF_Cgjh_Sele::Number(const QLineEdit* e)
{
    if (const auto* n = qobject_cast<const NumberEdit*>(e))
        return n->Value();
    return e->text().trimmed().toDouble();
}

void TF_Cgjh_Sele::SetNumber(QLineEdit* e, double v)
{
    if (auto* n = qobject_cast<NumberEdit*>(e))
        n->SetValue(v);
    else
        e->setText(NumberText(v));
}

EntryLineColumns TF_Cgjh_Sele::DocColumns() const
{
    return { variant_.kind->lines, variant_.kind->linePrefix, variant_.kind->stockQtyColumn };
}

void TF_Cgjh_Sele::FormActivate()
{
    ApplyFontSize(FontSize);
    TaxPriceTyped = false;
    Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (variant_.ret) {
        // A return works out its warehouse afresh at every showing.
        StockWarehouseSn.clear();
        if (ActiveDocKind == QLatin1String("cgthsh")) {
            if (shdj.Active() && !shdj.IsEmpty())
                StockWarehouseSn = shdj.AsString(QStringLiteral("ck_sn"));
        } else if (DocHost* host = FindDocHost(variant_.kind->prefix)) {
            StockWarehouseSn = host->warehouse();
        }
    } else if (ActiveDocKind == QLatin1String("cgjh")) {
        if (DocHost* host = FindDocHost(variant_.kind->prefix))
            StockWarehouseSn = host->warehouse();
    } else if (ActiveDocKind == QLatin1String("cgjhsh") && shdj.Active() && !shdj.IsEmpty()) {
        StockWarehouseSn = shdj.AsString(QStringLiteral("ck_sn"));
    }

    goodsSn_ = SelectedSn;
    Query goods(&posting::Db());
    OpenWithParams(
        goods, QStringLiteral("select * from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), goodsSn_ } });
    ShowGoods(goods);
    gscjj->setText(CurrencySign + goods.AsString(QStringLiteral("g_scjj")) + QStringLiteral("元"));
    double price = goods.AsFloat(QStringLiteral("g_pjjj"));
    if (PurchasePriceDefault == QLatin1String("1"))
        price = goods.AsFloat(QStringLiteral("g_scjj"));
    else if (PurchasePriceDefault == QLatin1String("2"))
        price = goods.AsFloat(QStringLiteral("g_jj"));
    SetNumber(tgpjjj, price);
    tnote->clear();
    SetNumber(tdzl, 1);
    SetNumber(tsl, 0);
    grid.StockCursorFollows = !variant_.ret;

    grid.setGoodsSL(
        goods.AsString(QStringLiteral("cmz_sn")), goods.AsString(QStringLiteral("colorz_sn")), StringGridIn);
    grid.setGoodsSL(
        goods.AsString(QStringLiteral("cmz_sn")), goods.AsString(QStringLiteral("colorz_sn")), StringGridKc);
    grid.setGoodsSLValue(StockWarehouseSn, goodsSn_, QString(), StringGridKc, QStringLiteral("1"));
    gkc->setText(grid.StockText());
    setWindowTitle(QStringLiteral("商品信息(") + variant_.caption + QStringLiteral(")(商品编号:") + goodsSn_
        + QStringLiteral(",商品名称:") + goods.AsString(QStringLiteral("g_name")) + QStringLiteral(",当前库存:")
        + gkc->text() + QStringLiteral(")"));
    SetNumber(ttax, DefaultTaxRate.toDouble());

    // The stored line of the modifying modes.
    Query* line = nullptr;
    QString flag = QStringLiteral("3");
    QString prefix = variant_.kind->linePrefix;
    QString remark = prefix + QStringLiteral("_bz");
    QString idField = QStringLiteral("id");
    if (Mode() == QLatin1String("cgjh_modi")) {
        line = &F_DataModule->Q(QStringLiteral("Q_Tempspxf"));
        flag = QStringLiteral("2");
        prefix = QStringLiteral("ts");
        remark = QStringLiteral("ts_note");
    } else if (Mode() == QLatin1String("cgjh")) {
        line = &F_DataModule->Q(DraftLines());
    } else if (Mode() == QLatin1String("cgjh_modish")) {
        line = &F_DataModule->Q(QStringLiteral("Q_Shsp"));
        idField = QStringLiteral("tid");
    }
    if (line && line->Active() && !line->IsEmpty()) {
        auto col = [&](const char* stem) { return prefix + QLatin1Char('_') + QLatin1String(stem); };
        SetNumber(tgpjjj, line->AsFloat(col("dj")));
        SetNumber(tdzl, line->AsFloat(col("dzl")));
        SetNumber(tsl, line->AsFloat(col("sl")));
        SetNumber(ttax, line->AsFloat(col("tax")));
        SetNumber(ttaxdj, line->AsFloat(col("taxdj")));
        tnote->setText(line->AsString(remark));
        grid.setGoodsSLValue(QString(), goodsSn_, line->AsString(idField), StringGridIn, flag, variant_.kind->detail);
        if (!StringGridIn->GrandTotal().isEmpty())
            SetNumber(tsl, grid.Quantity());
    }
    cxPage->setCurrentWidget(cxTab2);
    if (variant_.ret) {
        chkHide->setChecked(false);
        ReturnTaxPrice();
    } else {
        ttaxPropertiesChange();
    }

    const bool cost = ShowCostPrice;
    tgpjjj->setVisible(cost);
    for (QWidget* w : std::initializer_list<QWidget*> { gscjj, lZje, tzje })
        w->setVisible(cost && !variant_.ret);
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("cj"));
    for (QWidget* w : std::initializer_list<QWidget*> { LTax, ttax, LPercent, LTaxPrice, ttaxdj })
        w->setVisible(tax);
    const bool discount = IsTrueFor(UseDiscount, QStringLiteral("cj"));
    LDzl->setVisible(discount);
    if (ldazhe)
        ldazhe->setVisible(discount);
    tdzl->setVisible(discount);
}

void TF_Cgjh_Sele::QuantityChanged()
{
    SetNumber(tsl, grid.Quantity());
    tgpjjjChange();
}

void TF_Cgjh_Sele::ReturnTaxPrice()
{
    SetNumber(ttaxdj, (Number(ttax) / 100 + 1) * Number(tgpjjj));
}

void TF_Cgjh_Sele::ttaxdjPropertiesChange()
{
    const double t = Number(ttax);
    const double q = Number(ttaxdj);
    SetNumber(tgpjjj, t <= 0 ? q : q / (t / 100 + 1));
}

QString TF_Cgjh_Sele::Mode() const
{
    if (!variant_.ret || !OpenMode.startsWith(QLatin1String("cgth")))
        return variant_.ret ? QString() : OpenMode;
    return QStringLiteral("cgjh") + OpenMode.mid(4);
}

QString TF_Cgjh_Sele::DraftLines() const
{
    return variant_.ret ? QStringLiteral("Q_Thsp") : QStringLiteral("Q_Jhsp");
}

void TF_Cgjh_Sele::tgpjjjChange()
{
    if (variant_.ret) {
        ReturnTaxPrice();
        return;
    }
    if (TaxPriceTyped) {
        // The order dialog recomputes a typed tax-inclusive price at the next change.
        if (variant_.order)
            TaxPriceTyped = false;
        else
            setZje();
        return;
    }
    ttaxPropertiesChange();
}

void TF_Cgjh_Sele::ttaxPropertiesChange()
{
    if (variant_.ret) {
        ReturnTaxPrice();
        return;
    }
    if (RepricingLock)
        return;
    SetNumber(ttaxdj, RoundPlain((Number(ttax) / 100 + 1) * Number(tgpjjj), AmountDecimals));
    setZje();
}

void TF_Cgjh_Sele::setZje()
{
    if (variant_.ret)
        return;
    if (!TaxPriceTyped || variant_.order)
        SetNumber(ttaxdj, RoundPlain(Number(ttaxdj), AmountDecimals));
    double z = Number(ttaxdj) * Number(tdzl) * Number(tsl);
    if (IsTrue(RoundTotals))
        z = posting::RoundUp(z, TotalDecimals.toInt());
    else
        z = posting::Round8(z);
    SetNumber(tzje, z);
}

void TF_Cgjh_Sele::tdzlPropertiesChange()
{
    if (!RepricingLock)
        setZje();
}

void TF_Cgjh_Sele::ttaxdjKeyUp()
{
    if (variant_.ret) {
        ttaxdjPropertiesChange();
        return;
    }
    if (!variant_.order)
        TaxPriceTyped = true;
    const double t = Number(ttax);
    const double q = Number(ttaxdj);
    SetNumber(tgpjjj, t <= 0 ? q : q / (t / 100 + 1));
    setZje();
    if (!variant_.order)
        TaxPriceTyped = false;
}

void TF_Cgjh_Sele::tzjeKeyUp()
{
    const double z = Number(tzje);
    const double n = Number(tsl);
    const double q = Number(ttaxdj);
    const double t = Number(ttax);
    if (IsTrue(UseDiscount)) {
        if (n != 0 && q != 0)
            SetNumber(tdzl, z / (q * n));
    } else {
        if (n != 0)
            SetNumber(tgpjjj, z / n / (t / 100 + 1));
        SetNumber(ttaxdj, (t / 100 + 1) * Number(tgpjjj));
    }
    TaxPriceTyped = true;
}

void TF_Cgjh_Sele::btnOKClick()
{
    if (Number(tsl) <= 0) {
        Prompt::Info(variant_.ret ? QStringLiteral("数量必须大于0，重新输入！")
                                  : QStringLiteral("数量不能为0或负数，重新输入！"),
            Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    if (variant_.ret && !IsTrue(AllowZeroStockOut)) {
        const QString message = grid.checkGridNum(
            QStringLiteral("库存为0不允许退货，重新输入！"), QStringLiteral("退货数量不能大于库存数量，重新输入！"));
        if (!message.isEmpty()) {
            Prompt::Info(message);
            return;
        }
    }
    LineEntry e;
    e.price = Number(tgpjjj);
    e.taxPrice = Number(ttaxdj);
    e.tax = Number(ttax);
    e.discount = Number(tdzl);
    e.qty = Number(tsl);
    e.total = Number(tzje);
    if (variant_.ret)
        e.total = 0; // a return is never priced from its total
    LineValues v = LineArithmetic(e);
    if (variant_.ret) {
        // Lines edited on the document keep the shown tax price in their total; picked
        // lines and rounded totals take the rounded one.
        const bool onDocument = Mode() == QLatin1String("cgjh") || Mode() == QLatin1String("cgjh_modish");
        v.total
            = posting::Round8(onDocument ? v.discount * (Number(ttaxdj) * v.qty) : v.discount * (v.qty * v.taxPrice));
        if (IsTrue(RoundTotals))
            v.total = posting::RoundUp(v.discount * (v.qty * v.taxPrice), TotalDecimals.toInt());
    }
    const QString remark = SafeSqlText(tnote->text().trimmed());
    const QList<ColorSizeEntry::Cell> cells = grid.EnteredCells();
    const DocKind& kind = *variant_.kind;
    DocHost* host = FindDocHost(kind.prefix);
    Query& tempspxf = F_DataModule->Q(QStringLiteral("Q_Tempspxf"));
    const EntryLineColumns& scratch = ScratchLineColumns();

    Transaction t(posting::Db());
    std::function<void()> after;
    if (Mode() == QLatin1String("cgjh_new")) {
        if (!host || variant_.ret)
            return;
        const QString before = host->number();
        const QString number = RedrawIfHeld(kind, before, host->date());
        const qint64 id = InsertEntryLine(DocColumns(), v, remark,
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goodsSn_ },
                { QStringLiteral("a_name"), CurrentAdminName } });
        saveGridValueMx(kind.lines, kind.detail, number, goodsSn_, id, cells);
        after = [host, before, number] {
            if (number != before)
                host->showNumber(number);
            host->reloadDraft();
        };
    } else if (Mode() == QLatin1String("cgjh")) {
        Query& jhsp = F_DataModule->Q(DraftLines());
        if (!jhsp.Active() || jhsp.IsEmpty())
            return;
        const qint64 id = jhsp.AsInteger(QStringLiteral("id"));
        UpdateEntryLine(DocColumns(), id, v, remark, false);
        saveGridValueMx(kind.lines, kind.detail, jhsp.AsString(QStringLiteral("gl_djh")), goodsSn_, id, cells);
        after = [host, &jhsp] {
            if (host)
                host->reloadDraft();
            else
                jhsp.Requery();
        };
    } else if (Mode() == QLatin1String("cgjh_add") || Mode() == QLatin1String("cgjh_modi")) {
        qint64 id = 0;
        if (Mode() == QLatin1String("cgjh_add")) {
            id = InsertEntryLine(scratch, v, remark,
                { { QStringLiteral("g_sn"), goodsSn_ }, { QStringLiteral("a_name"), CurrentAdminName } });
        } else {
            if (!tempspxf.Active() || tempspxf.IsEmpty())
                return;
            id = tempspxf.AsInteger(QStringLiteral("id"));
            UpdateEntryLine(scratch, id, v, remark, false);
        }
        saveGridValueMx(scratch.table, QStringLiteral("jxc_tempspxfmx"), QString(), goodsSn_, id, cells);
        after = [&tempspxf, id] {
            if (tempspxf.Active()) {
                tempspxf.Requery();
                tempspxf.LocateId(id);
            }
        };
    } else if (Mode() == QLatin1String("cgjh_modish")) {
        Query& shsp = F_DataModule->Q(QStringLiteral("Q_Shsp"));
        if (!shsp.Active() || shsp.IsEmpty())
            return;
        const qint64 id = shsp.AsInteger(QStringLiteral("id"));
        UpdateEntryLine(DocColumns(), id, v, remark, true);
        saveGridValueMx(kind.lines, kind.detail, shsp.AsString(QStringLiteral("gl_djh")), goodsSn_, id, cells);
        after = [host, &shsp, id] {
            if (host)
                host->reloadPending();
            else
                shsp.Requery();
            shsp.LocateId(id);
        };
    } else {
        return;
    }
    t.Commit();
    if (after)
        after();
    FormClose();
    accept();
}

void TF_Cgjh_Sele::btnCancelClick()
{
    FormClose();
    reject();
}

void TF_Cgjh_Sele::btnPicClick()
{
    if (variant_.order || variant_.ret)
        return;
    ShowGoodsPicture(goodsSn_);
}

void TF_Cgjh_Sele::chkHideClick()
{
    grid.HideEmptyStock(chkHide->isChecked());
}

void TF_Cgjh_Sele::FormClose()
{
    grid.RestoreHidden();
}

void TF_Cgjh_Sele::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_F5:
        btnOKClick();
        return;
    case Qt::Key_F4:
        btnPicClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextChild();
        return;
    default:
        Form::keyPressEvent(e);
    }
}

void TF_Cgjh_Sele::closeEvent(QCloseEvent* e)
{
    FormClose();
    Form::closeEvent(e);
}
