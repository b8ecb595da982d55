#include "sales/spxssele.h"

#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/customerprice.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/pickersform.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/prompt.h"
#include "posting/costprice.h"
#include "posting/postingdb.h"
#include "sales/salesdraft.h"

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

TF_Spxs_Sele* F_Spxs_Sele = nullptr;
TF_Spdd_Sele* F_Spdd_Sele = nullptr;

namespace {

// Half away from zero, as the dialog shows its prices.
double RoundShown(double x, int d)
{
    const double f = std::pow(10.0, d);
    return x < 0 ? -std::floor(-x * f + 0.5) / f : std::floor(x * f + 0.5) / f;
}

// Prices compared as the dialog's checks compare them.
double PriceRounded(double x)
{
    return RoundShown(x, AmountDecimals);
}

} // namespace

TF_Spxs_Sele::TF_Spxs_Sele(QWidget* parent)
    : TF_Spxs_Sele(Variant { &SalesDeliveryKind(), "TF_Spxs_Sele", "spxs", false }, parent)
{
    F_Spxs_Sele = this;
}

TF_Spxs_Sele2::TF_Spxs_Sele2(QWidget* parent)
    : TF_Spxs_Sele(Variant { &SalesDeliveryKind(), "TF_Spxs_Sele2", "spxs", false, true }, parent)
{
}

TF_Spdd_Sele::TF_Spdd_Sele(QWidget* parent)
    : TF_Spxs_Sele(Variant { &SalesOrderKind(), "TF_Spdd_Sele", "spdd", true }, parent)
{
    F_Spdd_Sele = this;
}

TF_Spxs_Sele::TF_Spxs_Sele(const Variant& variant, QWidget* parent)
    : Form(parent), ColorSizeDialogParts(this), variant_(variant)
{
    setObjectName(QLatin1String(variant.objectName));
    setWindowTitle(QStringLiteral("商品信息(商品销售)"));
    resize(680, 640);
    Build();
    pricePicker_ = { gsn, gname, [this](double price) {
                        SetNumber(tgsj, price);
                        tgsjPropertiesChange();
                    } };
    RegisterPricePicker(QLatin1String(variant_.priceTag), &pricePicker_);
}

TF_Spxs_Sele::~TF_Spxs_Sele()
{
    UnregisterPricePicker(QLatin1String(variant_.priceTag), &pricePicker_);
    if (F_Spxs_Sele == this)
        F_Spxs_Sele = nullptr;
    if (F_Spdd_Sele == this)
        F_Spdd_Sele = nullptr;
}

void TF_Spxs_Sele::Build()
{
    auto* box = new QVBoxLayout(this);
    BuildEntryTabs(this, box);

    auto* group = new QGroupBox(QStringLiteral("商品销售信息"), this);
    auto* fields = new QGridLayout(group);
    fields->addWidget(NamedLabel(group, "参考售价："), 0, 0);
    auto* priceRow = new QHBoxLayout;
    tgsj = NamedEdit(group, "tgsj", 32767);
    btnSpsj = NamedButton(group, "btnSpsj", "…");
    btnSpsj->setMaximumWidth(28);
    priceRow->addWidget(tgsj, 1);
    priceRow->addWidget(btnSpsj);
    fields->addLayout(priceRow, 0, 1);
    Ldzl = NamedLabel(group, "打折率：", "Ldzl");
    fields->addWidget(Ldzl, 0, 2);
    tdzl = NamedEdit(group, "tdzl", 6);
    fields->addWidget(tdzl, 0, 3);
    fields->addWidget(NamedLabel(group, "总数量："), 0, 4);
    tsl = NamedEdit(group, "tsl", 32767);
    tsl->setReadOnly(true);
    fields->addWidget(tsl, 0, 5);
    lzje = NamedLabel(group, "总金额：", "lzje");
    fields->addWidget(lzje, 1, 0);
    tzje = NamedEdit(group, "tzje", 32767);
    fields->addWidget(tzje, 1, 1);
    LTax = NamedLabel(group, "税率：", "LTax");
    fields->addWidget(LTax, 1, 2);
    auto* taxRow = new QHBoxLayout;
    ttax = NamedEdit(group, "ttax", 9);
    LPercent = NamedLabel(group, "%", "LPercent");
    taxRow->addWidget(ttax, 1);
    taxRow->addWidget(LPercent);
    fields->addLayout(taxRow, 1, 3);
    LTaxPrice = NamedLabel(group, "含税单价：", "LTaxPrice");
    fields->addWidget(LTaxPrice, 1, 4);
    ttaxdj = NamedEdit(group, "ttaxdj", 32767);
    fields->addWidget(ttaxdj, 1, 5);
    LLsj = NamedLabel(group, "零售价：", "LLsj");
    fields->addWidget(LLsj, 2, 0);
    tlsj = NamedEdit(group, "tlsj", 32767);
    tlsj->setEnabled(false);
    fields->addWidget(tlsj, 2, 1);
    lcbj = NamedLabel(group, "成本价：", "lcbj");
    fields->addWidget(lcbj, 2, 2);
    tcbj = NamedEdit(group, "tcbj", 32767);
    fields->addWidget(tcbj, 2, 3);
    fields->addWidget(NamedLabel(group, "备注："), 2, 4);
    tnote = NamedEdit(group, "tnote", 64);
    fields->addWidget(tnote, 2, 5);
    box->addWidget(group);

    box->addWidget(NamedLabel(this, "请在下面表格中输入您的销售数量"));
    StringGridIn->setParent(this);
    box->addWidget(StringGridIn, 3);

    auto* bar = new QHBoxLayout;
    btnPic = NamedButton(this, "btnPic", "查看图片(F4)", bar);
    btnPic->setVisible(!variant_.order);
    bar->addStretch(1);
    btnOK = NamedButton(this, "btnOK", "确定(F5)", bar);
    btnCancel = NamedButton(this, "btnCancel", "退出(Esc)", bar);
    box->addLayout(bar);

    connect(btnOK, &QPushButton::clicked, this, &TF_Spxs_Sele::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Spxs_Sele::btnCancelClick);
    connect(btnPic, &QPushButton::clicked, this, &TF_Spxs_Sele::btnPicClick);
    connect(btnSpsj, &QPushButton::clicked, this, &TF_Spxs_Sele::btnSpsjClick);
    connect(tgsj, &QLineEdit::textEdited, this, &TF_Spxs_Sele::tgsjPropertiesChange);
    connect(tdzl, &QLineEdit::textEdited, this, &TF_Spxs_Sele::tdzlPropertiesChange);
    connect(ttax, &QLineEdit::textEdited, this, &TF_Spxs_Sele::ttaxPropertiesChange);
    connect(ttaxdj, &QLineEdit::textEdited, this, &TF_Spxs_Sele::ttaxdjKeyUp);
    connect(tcbj, &QLineEdit::textEdited, this, &TF_Spxs_Sele::ttaxdjKeyUp);
    connect(tzje, &QLineEdit::textEdited, this, &TF_Spxs_Sele::tzjeKeyUp);
    connect(StringGridIn, &MatrixGrid::cellEdited, this, [this] {
        SetNumber(tsl, grid.Quantity());
        tslPropertiesChange();
    });
}

double TF_Spxs_Sele::Number(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

void TF_Spxs_Sele::SetNumber(QLineEdit* e, double v)
{
    e->setText(NumberText(v));
}

void TF_Spxs_Sele::FormActivate()
{
    ApplyFontSize(FontSize);
    KeyedEntry.clear();
    RecalcMode = QStringLiteral("1");
    const bool costEditable = IsTrue(AllowEditSaleCost) && CanEditSaleCost;
    lcbj->setVisible(costEditable);
    tcbj->setVisible(costEditable);

    // The document the line belongs to: the one under entry or the pending one.
    const DocKind& kind = *variant_.kind;
    DocHost* host = FindDocHost(kind.prefix);
    Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    const bool pending = ActiveDocKind == QLatin1String("spxssh") && shdj.Active() && !shdj.IsEmpty();
    PickWarehouseSn.clear();
    customer_.clear();
    QString costDate;
    if (ActiveDocKind == QLatin1String("spxs")) {
        if (host) {
            PickWarehouseSn = host->warehouse();
            costDate = host->date();
        }
        customer_ = CurrentCustomerSn;
    } else if (pending) {
        PickWarehouseSn = shdj.AsString(QStringLiteral("ck_sn"));
        customer_ = shdj.AsString(QStringLiteral("kh_sn"));
        costDate = shdj.AsString(QStringLiteral("ls_xsrq")).left(10);
    }

    goodsSn_ = SelectedSn;
    Query goods(&posting::Db());
    OpenWithParams(
        goods, QStringLiteral("select * from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), goodsSn_ } });
    ShowGoods(goods);
    SetNumber(tdzl, 1);
    SetNumber(tgsj, LevelSalePrice(customer_, goodsSn_));
    SetNumber(tlsj, goods.AsFloat(QStringLiteral("g_lsj")));
    SetNumber(tsl, 0);
    tnote->clear();
    SetNumber(tcbj, GetCostPrice(goodsSn_, PickWarehouseSn, costDate));

    grid.StockCursorFollows = true;
    const QString sizes = goods.AsString(QStringLiteral("cmz_sn"));
    const QString colors = goods.AsString(QStringLiteral("colorz_sn"));
    grid.setGoodsSL(sizes, colors, StringGridIn);
    grid.setGoodsSL(sizes, colors, StringGridKc);
    grid.setGoodsSLValue(PickWarehouseSn, goodsSn_, QString(), StringGridKc, QStringLiteral("1"));
    gkc->setText(grid.StockText());
    setWindowTitle(QStringLiteral("商品信息(商品销售)(商品编号:") + goodsSn_ + QStringLiteral(",商品名称:")
        + goods.AsString(QStringLiteral("g_name")) + QStringLiteral(",当前库存:") + gkc->text() + QStringLiteral(")"));

    DocDiscountRate = 1;
    tdzl->setEnabled(true);
    if (!variant_.order) {
        if (ActiveDocKind == QLatin1String("spxs") && host && host->discount)
            DocDiscountRate = host->discount();
        else if (pending)
            DocDiscountRate = shdj.AsFloat(QStringLiteral("ls_dzl"));
    }
    SetNumber(ttax, DefaultTaxRate.toDouble());
    if (OpenMode == QLatin1String("spxs_add") || OpenMode == QLatin1String("spxs_new")) {
        const QString own = GetCustomerPrice(customer_, goodsSn_);
        if (!own.isEmpty())
            tgsj->setText(own);
    } else {
        LoadLine();
    }

    cxPage->setCurrentWidget(cxTab2);
    tgsj->setEnabled(true);
    btnSpsj->setEnabled(true);
    setLabelCaption();
    RecalcMode = QStringLiteral("0");

    const bool retail = IsTrue(UseRetailPrice);
    LLsj->setVisible(retail);
    tlsj->setVisible(retail);
    const bool editPrice = IsTrue(AllowEditSalePrice);
    tgsj->setVisible(ShowSalePrice);
    btnSpsj->setVisible(ShowSalePrice);
    tgsj->setEnabled(editPrice);
    btnSpsj->setEnabled(editPrice);
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("xs"));
    ttaxdj->setVisible(tax);
    ttaxdj->setEnabled(editPrice);
    for (QWidget* w : std::initializer_list<QWidget*> { ttax, LTax, LPercent, LTaxPrice })
        w->setVisible(tax);
    const bool discount = IsTrue(UseDiscount) && ShowSalePrice;
    tdzl->setVisible(discount);
    Ldzl->setVisible(discount);
    tzje->setVisible(ShowSalePrice && editPrice);
    lzje->setVisible(ShowSalePrice && editPrice);
    if (variant_.gift) {
        // A gift carries no price: only the quantities and the note are asked for.
        RecalcMode = QStringLiteral("1");
        SetNumber(tgsj, 0);
        SetNumber(tdzl, 1);
        SetNumber(ttax, 0);
        SetNumber(tlsj, 0);
        SetNumber(tcbj, GetCostPrice(goodsSn_, PickWarehouseSn, costDate));
        RecalcMode = QStringLiteral("0");
        tslPropertiesChange();
        for (QWidget* w : std::initializer_list<QWidget*> { tgsj, btnSpsj, Ldzl, tdzl, lzje, tzje, LTax, ttax, LPercent,
                 LTaxPrice, ttaxdj, LLsj, tlsj, lcbj, tcbj, btnPic })
            w->setVisible(false);
        tsl->setReadOnly(true);
    }
}

void TF_Spxs_Sele::LoadLine()
{
    // The stored line of the changing modes, its quantities from its rows.
    const DocKind& kind = *variant_.kind;
    Query* line = nullptr;
    QString prefix = kind.linePrefix;
    QString remark = QStringLiteral("ls_bz");
    QString idField = QStringLiteral("id");
    QString flag = QStringLiteral("3");
    if (OpenMode == QLatin1String("spxs_modi")) {
        line = &F_DataModule->Q(QStringLiteral("Q_Tempspxf"));
        prefix = QStringLiteral("ts");
        remark = QStringLiteral("ts_note");
        flag = QStringLiteral("2");
    } else if (OpenMode == QLatin1String("spxs")) {
        line = &F_DataModule->Q(QStringLiteral("Q_Lsxssp"));
    } else if (OpenMode == QLatin1String("spxs_modish")) {
        line = &F_DataModule->Q(QStringLiteral("Q_Shsp"));
        idField = QStringLiteral("tid");
    }
    if (!line || !line->Active() || line->IsEmpty())
        return;
    auto col = [&](const char* stem) { return prefix + QLatin1Char('_') + QLatin1String(stem); };
    SetNumber(tgsj, line->AsFloat(col("dj")));
    // Under a whole-document discount the line shows no discount of its own.
    if (variant_.order || DocDiscountRate == 1)
        SetNumber(tdzl, line->AsFloat(col("dzl")));
    SetNumber(tsl, line->AsFloat(col("sl")));
    SetNumber(ttax, line->AsFloat(col("tax")));
    SetNumber(ttaxdj, line->AsFloat(col("taxdj")));
    SetNumber(tlsj, line->AsFloat(col("lsj")));
    tnote->setText(line->AsString(remark));
    if (tcbj->isVisibleTo(this))
        SetNumber(tcbj, line->AsFloat(col("cbj2")));
    grid.setGoodsSLValue(QString(), goodsSn_, line->AsString(idField), StringGridIn, flag, kind.detail);
}

void TF_Spxs_Sele::tgsjPropertiesChange()
{
    if (KeyedEntry == QLatin1String("1")) {
        KeyedEntry.clear();
        return;
    }
    setLabelCaption();
}

void TF_Spxs_Sele::tdzlPropertiesChange()
{
    setLabelCaption();
}

void TF_Spxs_Sele::tslPropertiesChange()
{
    setLabelCaption();
}

void TF_Spxs_Sele::setLabelCaption()
{
    if (RecalcMode == QLatin1String("2"))
        return;
    SetNumber(ttaxdj, Number(tgsj) * (1 + Number(ttax) / 100));
    setZje();
}

void TF_Spxs_Sele::ttaxPropertiesChange()
{
    if (RecalcMode == QLatin1String("2"))
        return;
    SetNumber(ttaxdj, PriceRounded(Number(tgsj) * (1 + Number(ttax) / 100)));
    setZje();
}

void TF_Spxs_Sele::setZje()
{
    // A typed tax price stays as typed in the delivery dialog.
    if (variant_.order || KeyedEntry != QLatin1String("1"))
        SetNumber(ttaxdj, PriceRounded(Number(ttaxdj)));
    double z = Number(ttaxdj) * Number(tdzl) * Number(tsl);
    z = IsTrue(RoundTotals) ? posting::RoundUp(z, TotalDecimals.toInt()) : posting::Round8(z);
    SetNumber(tzje, z);
}

void TF_Spxs_Sele::ttaxdjKeyUp()
{
    KeyedEntry = QStringLiteral("1");
    const double t = Number(ttax);
    SetNumber(tgsj, t > 0 ? Number(ttaxdj) / (1 + t / 100) : Number(ttaxdj));
    setZje();
    if (!variant_.order)
        KeyedEntry = QStringLiteral("0");
}

void TF_Spxs_Sele::tzjeKeyUp()
{
    if (RecalcMode == QLatin1String("1"))
        return;
    const double z = Number(tzje);
    const double n = Number(tsl);
    const double t = Number(ttax);
    if (IsTrue(UseDiscount)) {
        if (n != 0 && Number(ttaxdj) != 0)
            SetNumber(tdzl, z / (n * Number(ttaxdj)));
    } else {
        if (n != 0)
            SetNumber(tgsj, z / n / (1 + t / 100));
        SetNumber(ttaxdj, (1 + t / 100) * Number(tgsj));
    }
    KeyedEntry = QStringLiteral("1");
}

QString TF_Spxs_Sele::checkGridNum()
{
    return grid.checkGridNum(QStringLiteral("库存为0不允许销售，重新输入！"),
        QStringLiteral("销售数量不能大于库存数量，重新输入！"), ColorSizeEntry::Offender::Last);
}

void TF_Spxs_Sele::btnOKClick()
{
    if (variant_.gift) {
        if (Number(tsl) <= 0) {
            Prompt::Info(QStringLiteral("数量不能为0或负数，重新输入！"));
            return;
        }
        const QString refusal = IsTrue(AllowZeroStockOut) ? QString() : checkGridNum();
        if (!refusal.isEmpty()) {
            Prompt::Info(refusal);
            return;
        }
        if (Number(tsl) > gkc->text().toDouble()
            && Prompt::YesNo(QStringLiteral("库存数量小于销售数量，销售后将产生负库存，继续销售吗?"))
                == Prompt::Answer::No)
            return;
        if (WriteLine(Number(tcbj))) {
            FormClose();
            accept();
        }
        return;
    }
    const double rate = Number(tdzl);
    if (rate <= 0 || rate > 1) {
        Prompt::Info(QStringLiteral("打折率错误，重新输入！"));
        return;
    }
    if (Number(tsl) <= 0) {
        Prompt::Info(QStringLiteral("数量不能为0或负数，重新输入！"));
        return;
    }
    if (!IsTrue(AllowZeroStockOut)) {
        const QString refusal = checkGridNum();
        if (!refusal.isEmpty()) {
            Prompt::Info(refusal);
            return;
        }
    }
    if (rate < MinSaleDiscount.toDouble()) {
        Prompt::Info(QStringLiteral("商品的最低折扣为：“") + MinSaleDiscount + QStringLiteral("”，")
            + QStringLiteral("\r\n\r\n") + QStringLiteral("打折率不能低于最低折扣！"));
        return;
    }
    const double stock = gkc->text().toDouble();
    const double purchase = posting::FirstNumber(
        QStringLiteral("select g_jj from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), goodsSn_ } });
    const double sold = PriceRounded(Number(tgsj) * rate);
    if (sold < PriceRounded(purchase)
        && Prompt::YesNo(QStringLiteral("打折后售价小于进价，继续销售吗?")) == Prompt::Answer::No)
        return;
    const double cost = Number(tcbj);
    if (sold < PriceRounded(cost)
        && Prompt::YesNo(QStringLiteral("该商品销售价格低于其成本价格，是否继续销售?")) == Prompt::Answer::No)
        return;
    // A total typed without a price carries the price.
    if (Number(tzje) > 0 && Number(tgsj) == 0) {
        RecalcMode = QStringLiteral("2");
        SetNumber(tdzl, 1);
        SetNumber(ttax, 0);
        SetNumber(tgsj, Number(tzje) / Number(tsl));
        ttaxdj->setText(tgsj->text());
        RecalcMode = QStringLiteral("0");
    }
    if (Number(tsl) > stock
        && Prompt::YesNo(QStringLiteral("库存数量小于销售数量，销售后将产生负库存，继续销售吗?")) == Prompt::Answer::No)
        return;
    if (WriteLine(cost)) {
        FormClose();
        accept();
    }
}

QString TF_Spxs_Sele::GiftFlag() const
{
    return variant_.gift ? QStringLiteral("(赠品)") : QString();
}

bool TF_Spxs_Sele::WriteLine(double cost)
{
    LineEntry e;
    e.price = Number(tgsj);
    e.taxPrice = Number(ttaxdj);
    e.tax = Number(ttax);
    e.discount = Number(tdzl);
    e.qty = Number(tsl);
    e.total = Number(tzje);
    e.outgoing = true;
    const LineValues v = LineArithmetic(e);
    double costTotal = posting::Round8(v.qty * cost);
    if (IsTrue(RoundTotals))
        costTotal = posting::RoundUp(costTotal, TotalDecimals.toInt());
    const QString remark = SafeSqlText(tnote->text().trimmed());
    const QList<ColorSizeEntry::Cell> cells = grid.EnteredCells();
    const DocKind& kind = *variant_.kind;
    const EntryLineColumns lines { kind.lines, kind.linePrefix, kind.stockQtyColumn };
    const EntryLineColumns& scratch = ScratchLineColumns();
    const QList<QPair<QString, QVariant>> costs { { kind.costColumn, cost }, { QStringLiteral("ls_cbj2"), cost },
        { kind.totalCostColumn, costTotal } };
    const QList<QPair<QString, QVariant>> scratchCosts { { QStringLiteral("ts_cbj"), cost },
        { QStringLiteral("ts_cbj2"), cost }, { QStringLiteral("ts_zcb"), costTotal } };
    DocHost* host = FindDocHost(kind.prefix);
    Query& drafts = F_DataModule->Q(QStringLiteral("Q_Lsxssp"));
    Query& pendingLines = F_DataModule->Q(QStringLiteral("Q_Shsp"));
    Query& picked = F_DataModule->Q(QStringLiteral("Q_Tempspxf"));

    Transaction t(posting::Db());
    std::function<void()> after;
    if (OpenMode == QLatin1String("spxs_new") && !variant_.order) {
        if (!host)
            return false;
        const QString before = host->number();
        const QString number = RedrawIfHeld(kind, before, host->date());
        QList<QPair<QString, QVariant>> extra { { QStringLiteral("gl_djh"), number },
            { QStringLiteral("g_sn"), goodsSn_ }, { QStringLiteral("ls_zhje"), v.price },
            { QStringLiteral("ls_lsj"), Number(tlsj) }, { QStringLiteral("ls_zsl"), v.qty },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("t_zp"), GiftFlag() } };
        extra.append(costs);
        const qint64 id = InsertEntryLine(lines, v, remark, extra);
        saveGridValueMx(kind.lines, kind.detail, number, goodsSn_, id, cells);
        after = [host, before, number] {
            if (number != before)
                host->showNumber(number);
            host->reloadDraft();
        };
    } else if (OpenMode == QLatin1String("spxs")) {
        if (!drafts.Active() || drafts.IsEmpty())
            return false;
        const qint64 id = drafts.AsInteger(QStringLiteral("id"));
        UpdateEntryLine(lines, id, v, remark, false, costs);
        saveGridValueMx(kind.lines, kind.detail, drafts.AsString(QStringLiteral("gl_djh")), goodsSn_, id, cells);
        after = [host, &drafts] {
            if (host)
                host->reloadDraft();
            else
                drafts.Requery();
        };
    } else if (OpenMode == QLatin1String("spxs_modish")) {
        if (!pendingLines.Active() || pendingLines.IsEmpty())
            return false;
        const qint64 id = pendingLines.AsInteger(QStringLiteral("id"));
        UpdateEntryLine(lines, id, v, remark, true, costs);
        saveGridValueMx(kind.lines, kind.detail, pendingLines.AsString(QStringLiteral("gl_djh")), goodsSn_, id, cells);
        after = [host, &pendingLines, id] {
            if (host && host->reloadPending)
                host->reloadPending();
            else
                pendingLines.Requery();
            pendingLines.LocateId(id);
        };
    } else if (OpenMode == QLatin1String("spxs_add") || OpenMode == QLatin1String("spxs_modi")) {
        qint64 id = 0;
        if (OpenMode == QLatin1String("spxs_add")) {
            QList<QPair<QString, QVariant>> extra { { QStringLiteral("g_sn"), goodsSn_ },
                { QStringLiteral("ts_lsj"), Number(tlsj) }, { QStringLiteral("a_name"), CurrentAdminName },
                { QStringLiteral("t_zp"), GiftFlag() } };
            extra.append(scratchCosts);
            id = InsertEntryLine(scratch, v, remark, extra);
        } else {
            if (!picked.Active() || picked.IsEmpty())
                return false;
            id = picked.AsInteger(QStringLiteral("id"));
            UpdateEntryLine(scratch, id, v, remark, false, scratchCosts);
        }
        saveGridValueMx(scratch.table, QStringLiteral("jxc_tempspxfmx"), QString(), goodsSn_, id, cells);
        after = [&picked, id] {
            if (picked.Active()) {
                picked.Requery();
                picked.LocateId(id);
            }
        };
    } else {
        return false;
    }
    t.Commit();
    if (after)
        after();
    return true;
}

void TF_Spxs_Sele::btnCancelClick()
{
    FormClose();
    reject();
}

void TF_Spxs_Sele::btnPicClick()
{
    if (variant_.order)
        return;
    ShowGoodsPicture(goodsSn_);
}

void TF_Spxs_Sele::btnSpsjClick()
{
    tgsj->setFocus();
    AuxTag = QLatin1String(variant_.priceTag);
    FunctionWindows::Open(QStringLiteral("TF_Price"), FunctionWindows::Lifetime::Freed);
    AuxTag.clear();
}

void TF_Spxs_Sele::chkHideClick()
{
    grid.HideEmptyStock(chkHide->isChecked());
}

void TF_Spxs_Sele::FormClose()
{
    grid.RestoreHidden();
}

void TF_Spxs_Sele::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_F5:
        btnOKClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextChild();
        return;
    default:
        Form::keyPressEvent(e);
    }
}

void TF_Spxs_Sele::closeEvent(QCloseEvent* e)
{
    FormClose();
    Form::closeEvent(e);
}
