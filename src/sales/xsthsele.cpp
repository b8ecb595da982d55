#include "sales/xsthsele.h"

#include "documents/dockind.h"
#include "documents/docwindow.h"
#include "foundation/customerprice.h"
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
#include "posting/costprice.h"
#include "posting/postingdb.h"
#include "sales/salesdraft.h"
#include "sales/xsthrules.h"

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

TF_Xsth_Sele* F_Xsth_Sele = nullptr;

TF_Xsth_Sele::TF_Xsth_Sele(QWidget* parent) : Form(parent), ColorSizeDialogParts(this)
{
    setObjectName(QStringLiteral("TF_Xsth_Sele"));
    setWindowTitle(QStringLiteral("商品信息(销售退货)"));
    resize(680, 600);
    Build();
    pricePicker_ = { gsn, gname, [this](double price) {
                        SetNumber(tgsj, price);
                        tgsjPropertiesChange();
                    } };
    RegisterPricePicker(QStringLiteral("xsth"), &pricePicker_);
    F_Xsth_Sele = this;
}

TF_Xsth_Sele::~TF_Xsth_Sele()
{
    UnregisterPricePicker(QStringLiteral("xsth"), &pricePicker_);
    if (F_Xsth_Sele == this)
        F_Xsth_Sele = nullptr;
}

void TF_Xsth_Sele::Build()
{
    auto* box = new QVBoxLayout(this);
    BuildEntryTabs(this, box);
    auto* group = new QGroupBox(QStringLiteral("商品退货信息"), this);
    auto* fields = new QGridLayout(group);
    fields->addWidget(NamedLabel(group, "总数量："), 0, 0);
    tsl = NamedEdit(group, "tsl", 32767);
    tsl->setReadOnly(true);
    fields->addWidget(tsl, 0, 1);
    fields->addWidget(NamedLabel(group, "退货单价："), 0, 2);
    auto* priceRow = new QHBoxLayout;
    tgsj = NamedEdit(group, "tgsj", 32767);
    btnSpsj = NamedButton(group, "btnSpsj", "…");
    btnSpsj->setMaximumWidth(28);
    priceRow->addWidget(tgsj, 1);
    priceRow->addWidget(btnSpsj);
    fields->addLayout(priceRow, 0, 3);
    LDzl = NamedLabel(group, "打折率：", "LDzl");
    fields->addWidget(LDzl, 0, 4);
    tdzl = NamedEdit(group, "tdzl", 6);
    fields->addWidget(tdzl, 0, 5);
    LTax = NamedLabel(group, "税率：", "LTax");
    fields->addWidget(LTax, 1, 0);
    auto* taxRow = new QHBoxLayout;
    ttax = NamedEdit(group, "ttax", 9);
    LPercent = NamedLabel(group, "%", "LPercent");
    taxRow->addWidget(ttax, 1);
    taxRow->addWidget(LPercent);
    fields->addLayout(taxRow, 1, 1);
    LTaxPrice = NamedLabel(group, "含税单价：", "LTaxPrice");
    fields->addWidget(LTaxPrice, 1, 2);
    ttaxdj = NamedEdit(group, "ttaxdj", 32767);
    fields->addWidget(ttaxdj, 1, 3);
    LLsj = NamedLabel(group, "零售价：", "LLsj");
    fields->addWidget(LLsj, 1, 4);
    tlsj = NamedEdit(group, "tlsj", 32767);
    tlsj->setEnabled(false);
    fields->addWidget(tlsj, 1, 5);
    fields->addWidget(NamedLabel(group, "备注："), 2, 0);
    tnote = NamedEdit(group, "tnote", 60);
    fields->addWidget(tnote, 2, 1, 1, 5);
    box->addWidget(group);
    box->addWidget(NamedLabel(this, "请在下面表格中输入您的退货数量"));
    StringGridIn->setParent(this);
    box->addWidget(StringGridIn, 3);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnOK = NamedButton(this, "btnOK", "确定(F5)", bar);
    btnCancel = NamedButton(this, "btnCancel", "退出(Esc)", bar);
    box->addLayout(bar);

    connect(btnOK, &QPushButton::clicked, this, &TF_Xsth_Sele::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Xsth_Sele::btnCancelClick);
    connect(btnSpsj, &QPushButton::clicked, this, &TF_Xsth_Sele::btnSpsjClick);
    connect(tgsj, &QLineEdit::textEdited, this, &TF_Xsth_Sele::tgsjPropertiesChange);
    connect(tdzl, &QLineEdit::textEdited, this, &TF_Xsth_Sele::tdzlPropertiesChange);
    connect(ttax, &QLineEdit::textEdited, this, &TF_Xsth_Sele::ttaxPropertiesChange);
    connect(ttaxdj, &QLineEdit::textEdited, this, &TF_Xsth_Sele::ttaxdjKeyUp);
    connect(StringGridIn, &MatrixGrid::cellEdited, this, [this] {
        SetNumber(tsl, grid.Quantity());
        tslPropertiesChange();
    });
}

double TF_Xsth_Sele::Number(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

void TF_Xsth_Sele::SetNumber(QLineEdit* e, double v)
{
    e->setText(NumberText(v));
}

void TF_Xsth_Sele::FormActivate()
{
    ApplyFontSize(FontSize);
    DocHost* host = FindDocHost(SalesReturnKind().prefix);
    Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    PickWarehouseSn.clear();
    PickDocDate.clear();
    customer_.clear();
    if (ActiveDocKind == QLatin1String("xsthsh")) {
        if (shdj.Active() && !shdj.IsEmpty()) {
            PickWarehouseSn = shdj.AsString(QStringLiteral("ck_sn"));
            customer_ = shdj.AsString(QStringLiteral("kh_sn"));
            PickDocDate = shdj.AsString(QStringLiteral("th_xsrq")).left(10);
        }
    } else {
        if (host) {
            PickWarehouseSn = host->warehouse();
            PickDocDate = host->date();
        }
        customer_ = CurrentCustomerSn;
    }
    goodsSn_ = SelectedSn;
    Query goods(&posting::Db());
    OpenWithParams(
        goods, QStringLiteral("select * from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), goodsSn_ } });
    ShowGoods(goods);
    SetNumber(tgsj, LevelSalePrice(customer_, goodsSn_));
    SetNumber(tlsj, goods.AsFloat(QStringLiteral("g_lsj")));
    SetNumber(tsl, 0);
    const QString sizes = goods.AsString(QStringLiteral("cmz_sn"));
    const QString colors = goods.AsString(QStringLiteral("colorz_sn"));
    grid.setGoodsSL(sizes, colors, StringGridIn);
    grid.setGoodsSL(sizes, colors, StringGridKc);
    grid.setGoodsSLValue(PickWarehouseSn, goodsSn_, QString(), StringGridKc, QStringLiteral("1"));
    gkc->setText(grid.StockText());
    setWindowTitle(QStringLiteral("商品信息(销售退货)(商品编号:") + goodsSn_ + QStringLiteral(",商品名称:")
        + goods.AsString(QStringLiteral("g_name")) + QStringLiteral(",当前库存:") + gkc->text() + QStringLiteral(")"));
    if (OpenMode == QLatin1String("xsth_add")) {
        SetNumber(tdzl, 1);
        SetNumber(ttax, DefaultTaxRate.toDouble());
        tnote->clear();
        const QString own = GetCustomerPrice(customer_, goodsSn_);
        if (!own.isEmpty())
            tgsj->setText(own);
        SetTaxPrice();
    } else {
        LoadLine();
    }
    cxPage->setCurrentWidget(cxTab2);
    tgsj->setVisible(ShowSalePrice);
    btnSpsj->setVisible(ShowSalePrice);
    const bool editPrice = IsTrue(AllowEditSalePrice);
    tgsj->setEnabled(editPrice);
    btnSpsj->setEnabled(editPrice);
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("xs"));
    for (QWidget* w : std::initializer_list<QWidget*> { ttax, LTax, LPercent, LTaxPrice, ttaxdj })
        w->setVisible(tax);
    const bool discount = IsTrueFor(UseDiscount, QStringLiteral("xs"));
    tdzl->setVisible(discount);
    LDzl->setVisible(discount);
}

void TF_Xsth_Sele::LoadLine()
{
    Query* line = nullptr;
    QString prefix = QStringLiteral("th");
    QString remark = QStringLiteral("th_bz");
    QString rowsOf = QStringLiteral("id");
    QString flag = QStringLiteral("3");
    if (OpenMode == QLatin1String("xsth_modi")) {
        line = &F_DataModule->Q(QStringLiteral("Q_Tempspxf"));
        prefix = QStringLiteral("ts");
        remark = QStringLiteral("ts_note");
        flag = QStringLiteral("2");
    } else if (OpenMode == QLatin1String("xsth")) {
        line = &F_DataModule->Q(QStringLiteral("Q_Xsth"));
    } else if (OpenMode == QLatin1String("xsth_modish")) {
        line = &F_DataModule->Q(QStringLiteral("Q_Shsp"));
        rowsOf = QStringLiteral("tid");
    }
    if (!line || !line->Active() || line->IsEmpty())
        return;
    auto col = [&](const char* stem) { return prefix + QLatin1Char('_') + QLatin1String(stem); };
    SetNumber(tgsj, line->AsFloat(col("dj")));
    SetNumber(tsl, line->AsFloat(col("sl")));
    SetNumber(tdzl, line->AsFloat(col("dzl")));
    SetNumber(ttax, line->AsFloat(col("tax")));
    SetNumber(ttaxdj, line->AsFloat(col("taxdj")));
    SetNumber(tlsj, line->AsFloat(col("lsj")));
    tnote->setText(line->AsString(remark));
    grid.setGoodsSLValue(QString(), goodsSn_, line->AsString(rowsOf), StringGridIn, flag, SalesReturnKind().detail);
    SetNumber(tsl, grid.Quantity());
}

void TF_Xsth_Sele::SetTaxPrice()
{
    SetNumber(ttaxdj, (1 + Number(ttax) / 100) * Number(tgsj));
}

void TF_Xsth_Sele::tgsjPropertiesChange()
{
    SetTaxPrice();
}

void TF_Xsth_Sele::tdzlPropertiesChange()
{
    SetTaxPrice();
}

void TF_Xsth_Sele::tslPropertiesChange()
{
    SetTaxPrice();
}

void TF_Xsth_Sele::ttaxPropertiesChange()
{
    SetTaxPrice();
}

void TF_Xsth_Sele::ttaxdjKeyUp()
{
    const double t = Number(ttax);
    SetNumber(tgsj, t > 0 ? Number(ttaxdj) / (1 + t / 100) : Number(ttaxdj));
    // The unit price follows; the tax price is kept as typed.
}

void TF_Xsth_Sele::btnOKClick()
{
    const double rate = Number(tdzl);
    if (rate <= 0 || rate > 1) {
        Prompt::Info(QStringLiteral("打折率错误，重新输入！"));
        return;
    }
    if (Number(tsl) <= 0) {
        Prompt::Info(QStringLiteral("数量必须大于0，重新输入！"));
        return;
    }
    if (WriteLine()) {
        FormClose();
        accept();
    }
}

bool TF_Xsth_Sele::WriteLine()
{
    const LineValues v = ReturnLineValues(Number(tgsj), Number(ttaxdj), Number(ttax), Number(tdzl), Number(tsl));
    const double cost = GetCostPrice(goodsSn_, PickWarehouseSn, PickDocDate);
    const double costTotal = ReturnLineCost(v.qty, cost);
    const QString remark = SafeSqlText(tnote->text().trimmed());
    const QList<ColorSizeEntry::Cell> cells = grid.EnteredCells();
    const DocKind& kind = SalesReturnKind();
    const EntryLineColumns lines { kind.lines, kind.linePrefix, QString() };
    const EntryLineColumns& scratch = ScratchLineColumns();
    const QList<QPair<QString, QVariant>> costs { { QStringLiteral("th_lsj"), Number(tlsj) },
        { QStringLiteral("th_cbj"), cost }, { QStringLiteral("th_zcb"), costTotal } };
    const QList<QPair<QString, QVariant>> scratchCosts { { QStringLiteral("ts_lsj"), Number(tlsj) },
        { QStringLiteral("ts_cbj"), cost }, { QStringLiteral("ts_zcb"), costTotal } };
    DocHost* host = FindDocHost(kind.prefix);
    Query& drafts = F_DataModule->Q(QStringLiteral("Q_Xsth"));
    Query& pendingLines = F_DataModule->Q(QStringLiteral("Q_Shsp"));
    Query& picked = F_DataModule->Q(QStringLiteral("Q_Tempspxf"));

    Transaction t(posting::Db());
    std::function<void()> after;
    if (OpenMode == QLatin1String("xsth") || OpenMode == QLatin1String("xsth_modish")) {
        const bool pending = OpenMode == QLatin1String("xsth_modish");
        Query& q = pending ? pendingLines : drafts;
        if (!q.Active() || q.IsEmpty())
            return false;
        const qint64 id = q.AsInteger(QStringLiteral("id"));
        UpdateEntryLine(lines, id, v, remark, pending, costs);
        saveGridValueMx(kind.lines, kind.detail, q.AsString(QStringLiteral("gl_djh")), goodsSn_, id, cells);
        if (pending)
            UpdateReturnPendingAmounts(q.AsString(QStringLiteral("gl_djh")));
        after = [host, &q, pending, id] {
            if (host && pending && host->reloadPending)
                host->reloadPending();
            else if (host && !pending)
                host->reloadDraft();
            else
                q.Requery();
            if (pending)
                q.LocateId(id);
        };
    } else if (OpenMode == QLatin1String("xsth_add") || OpenMode == QLatin1String("xsth_modi")) {
        qint64 id = 0;
        if (OpenMode == QLatin1String("xsth_add")) {
            QList<QPair<QString, QVariant>> extra { { QStringLiteral("g_sn"), goodsSn_ },
                { QStringLiteral("a_name"), CurrentAdminName } };
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

void TF_Xsth_Sele::btnCancelClick()
{
    FormClose();
    reject();
}

void TF_Xsth_Sele::btnSpsjClick()
{
    tgsj->setFocus();
    AuxTag = QStringLiteral("xsth");
    FunctionWindows::Open(QStringLiteral("TF_Price"), FunctionWindows::Lifetime::Freed);
    AuxTag.clear();
}

void TF_Xsth_Sele::chkHideClick()
{
    grid.HideEmptyStock(chkHide->isChecked());
}

void TF_Xsth_Sele::FormClose()
{
    grid.RestoreHidden();
}

void TF_Xsth_Sele::keyPressEvent(QKeyEvent* e)
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

void TF_Xsth_Sele::closeEvent(QCloseEvent* e)
{
    FormClose();
    Form::closeEvent(e);
}
