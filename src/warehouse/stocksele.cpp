#include "warehouse/stocksele.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickersform.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/prompt.h"
#include "posting/costprice.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

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

using namespace posting;

namespace {

// What tells the members apart.
struct SeleSpec {
    const char* objectName;
    const char* caption;     // "库存调拨"
    const char* instruction; // above the entry grid
    const char* group;       // the group box
    const char* modeBase;    // "kcdb": kcdb_add, kcdb_modi, kcdb
    const char* pendingMode; // "modish"
    const char* entryTag;    // ActiveDocKind of the entry tab
    const char* pendingTag;  // ActiveDocKind of the pending tab
    const char* prefix;      // the number prefix ("BS" also stands for "BY")
    const char* lines;
    const char* detail;
    const char* linePrefix;
    const char* remark;           // the line's remark column, "" when none
    const char* pendingWarehouse; // the pending header's warehouse column
    const char* pendingDate;      // its date column, "" when the member has none
    const char* totalMessage;     // "" when the total is not checked
    const char* zeroStockMessage; // "" when the cells are not checked
    const char* overStockMessage;
    bool stockCheckAlways; // else unless AllowZeroStockOut
};

const SeleSpec kSeleSpecs[] = {
    { "TF_Kcdb_Sele", "库存调拨", "请在下面表格中输入您的销售数量", "商品信息", "kcdb", "modish", "kcdb", "kcdbsh",
        "DB", "jxc_dbsp", "jxc_dbspmx", "db", "", "ck_out", "db_dbrq", "数量不能为0或负数，重新输入！",
        "库存为0不能调拨，重新输入！", "调拨数量不能大于库存数量，重新输入！", true },
    { "TF_Bsby_Sele", "商品报损", "请在下面表格中输入商品数量", "商品信息", "bsby", "bsby_sh", "bsby", "bsby_sh", "BS",
        "jxc_bssp", "jxc_bsspmx", "bs", "bs_note", "ck_sn", "", "数量不能为0或负数，重新输入！", "", "", false },
    { "TF_Kcpd_Sele", "库存盘点", "请在下面表格中输入盘点数量", "商品信息", "kcpd", "kcpd_modi2", "kcpd", "kcpd_wsh",
        "PD", "jxc_kcpdsp", "jxc_kcpdspmx", "pd", "", "ck_sn", "", "", "", "", false },
    { "TF_Bmly_Sele", "部门领用", "请在下面表格中输入您的退货数量", "商品进货信息", "bmly", "modish", "bmly", "bmlysh",
        "LY", "jxc_bmlysp", "jxc_bmlyspmx", "ly", "t_ph", "ck_sn", "ly_rq", "数量必须大于0，重新输入！",
        "库存为0不允许领用，重新输入！", "数量不能大于库存数量，重新输入！", false },
    { "TF_Bmth_Sele", "部门退回", "请在下面表格中输入您的退货数量", "商品进货信息", "bmly", "modish", "bmth", "bmthsh",
        "LT", "jxc_bmlysp", "jxc_bmlyspmx", "ly", "t_ph", "ck_sn", "ly_rq", "数量必须大于0，重新输入！",
        "只能退回领用的尺码颜色，重新输入！", "数量不能大于领用数量，重新输入！", true },
    { "TF_Scrk_Sele", "生产入库", "请在下面表格中输入您的进货数量", "商品进货信息", "scrk", "scrk_modi2", "scrk",
        "scrk_wsh", "SC", "jxc_scrksp", "jxc_scrkspmx", "sc", "sc_bz", "ck_sn", "", "数量不能为0或负数，重新输入！", "",
        "", false },
    { "TF_Sctk_Sele", "生产退库", "请在下面表格中输入您的退货数量", "商品进货信息", "scrk", "scrk_modi2", "sctk",
        "sctk_wsh", "ST", "jxc_scrksp", "jxc_scrkspmx", "sc", "sc_bz", "ck_sn", "", "数量必须大于0，重新输入！",
        "库存为0不允许退货，重新输入！", "退库数量不能大于生产入库数量，重新输入！", false },
};

const SeleSpec& SpecOf(StockSele::Member m)
{
    return kSeleSpecs[static_cast<int>(m)];
}

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

double SeleNumber(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

void SetSeleNumber(QLineEdit* e, double v)
{
    e->setText(NumberText(v));
}

Query& BrowserLines()
{
    return F_DataModule->Q(BrowserLinesDataset());
}

} // namespace

const QString& BrowserLinesDataset()
{
    static const QString name = QStringLiteral("Q_Spxf");
    return name;
}

StockSele::StockSele(Member member, QWidget* parent) : Form(parent), ColorSizeDialogParts(this), member_(member)
{
    setObjectName(U(SpecOf(member).objectName));
    setWindowTitle(Caption());
    resize(660, 600);
    Build();
}

QString StockSele::Caption() const
{
    QString kind = U(SpecOf(member_).caption);
    if (member_ == Member::LossOverflow && Prefix() == QLatin1String("BY"))
        kind = QStringLiteral("商品报溢");
    return QStringLiteral("商品信息(") + kind + QStringLiteral(")");
}

void StockSele::Build()
{
    const SeleSpec& s = SpecOf(member_);
    auto* box = new QVBoxLayout(this);
    BuildEntryTabs(this, box);
    chkHide->setVisible(member_ != Member::StockTake);

    auto* group = new QGroupBox(U(s.group), this);
    auto* fields = new QGridLayout(group);
    lprice = NamedLabel(group, member_ == Member::Transfer ? "单价：" : "成本价：", "lprice");
    fields->addWidget(lprice, 0, 0);
    tgpjjj = NamedEdit(group, "tgpjjj", 32767);
    fields->addWidget(tgpjjj, 0, 1);
    tgsj = NamedEdit(group, "tgsj", 32767);
    tgsj->setEnabled(false);
    fields->addWidget(tgsj, 0, 2);
    fields->addWidget(NamedLabel(group, "总数量："), 0, 3);
    tsl = NamedEdit(group, "tsl", 32767);
    tsl->setReadOnly(true);
    fields->addWidget(tsl, 0, 4);
    tnote = NamedEdit(group, "tnote", 64);
    if (*s.remark) {
        fields->addWidget(NamedLabel(group, "备注："), 1, 0);
        fields->addWidget(tnote, 1, 1, 1, 4);
        DiscardSearchPunctuation(tnote);
    } else {
        tnote->hide();
    }
    tlysl = NamedEdit(group, "tlysl", 32767);
    thhsl = NamedEdit(group, "thhsl", 32767);
    tgldjh = NamedLabel(group, "", "tgldjh");
    if (member_ == Member::DeptReturn) {
        fields->addWidget(NamedLabel(group, "领用数量："), 2, 0);
        fields->addWidget(tlysl, 2, 1);
        fields->addWidget(NamedLabel(group, "已退回数："), 2, 2);
        fields->addWidget(thhsl, 2, 3);
        fields->addWidget(NamedLabel(group, "领用单号："), 3, 0);
        fields->addWidget(tgldjh, 3, 1);
        tlysl->setReadOnly(true);
        thhsl->setReadOnly(true);
    } else {
        for (QWidget* w : std::initializer_list<QWidget*> { tlysl, thhsl, tgldjh })
            w->hide();
    }
    const bool noPrice = member_ == Member::LossOverflow || member_ == Member::StockTake;
    lprice->setVisible(!noPrice);
    tgpjjj->setVisible(!noPrice);
    box->addWidget(group);
    box->addWidget(NamedLabel(this, s.instruction));
    StringGridIn->setParent(this);
    box->addWidget(StringGridIn, 3);

    auto* bar = new QHBoxLayout;
    btnPic = NamedButton(this, "btnPic", "查看图片(F4)", bar);
    btnPic->setVisible(member_ == Member::DeptIssue || member_ == Member::DeptReturn);
    bar->addStretch(1);
    btnOK = NamedButton(this, "btnOK", "确定(F5)", bar);
    btnCancel = NamedButton(this, "btnCancel", "退出(Esc)", bar);
    box->addLayout(bar);

    connect(btnOK, &QPushButton::clicked, this, &StockSele::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &StockSele::btnCancelClick);
    connect(btnPic, &QPushButton::clicked, this, &StockSele::btnPicClick);
    connect(chkHide, &QCheckBox::clicked, this, &StockSele::chkHideClick);
    connect(StringGridIn, &MatrixGrid::cellEdited, this, [this] { QuantityChanged(); });
}

QString StockSele::Mode(const char* suffix) const
{
    return U(SpecOf(member_).modeBase) + QLatin1String(suffix);
}

bool StockSele::Pending() const
{
    return ActiveDocKind == U(SpecOf(member_).pendingTag);
}

QString StockSele::Prefix() const
{
    const QString prefix = U(SpecOf(member_).prefix);
    if (member_ != Member::LossOverflow)
        return prefix;
    // A loss or an overflow: a pending line by its number, a draft by the window's type.
    if (OpenMode == QLatin1String("bsby_sh")) {
        DocHost* host = FindDocHost(prefix);
        const QString number = host && host->pendingHeader ? host->pendingHeader(QStringLiteral("gl_djh")) : QString();
        return number.left(2) == QLatin1String("BY") ? QStringLiteral("BY") : prefix;
    }
    DocHost* host = FindDocHost(prefix);
    return host && host->docType && host->docType() == QLatin1String("BY") ? QStringLiteral("BY") : prefix;
}

QString StockSele::LineTable() const
{
    return Prefix() == QLatin1String("BY") ? QStringLiteral("jxc_bysp") : U(SpecOf(member_).lines);
}

QString StockSele::DetailTable() const
{
    return Prefix() == QLatin1String("BY") ? QStringLiteral("jxc_byspmx") : U(SpecOf(member_).detail);
}

QString StockSele::LinePrefix() const
{
    return Prefix() == QLatin1String("BY") ? QStringLiteral("by") : U(SpecOf(member_).linePrefix);
}

void StockSele::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    const SeleSpec& s = SpecOf(member_);
    setWindowTitle(Caption());
    // Warehouse and date: the entry tab's, or the selected pending document's. The
    // production return always takes its entry tab's warehouse.
    DocHost* host = FindDocHost(U(s.prefix));
    warehouse_.clear();
    date_.clear();
    if (Pending() && member_ != Member::ProductionReturn) {
        if (host && host->pendingHeader) {
            warehouse_ = host->pendingHeader(U(s.pendingWarehouse));
            if (*s.pendingDate)
                date_ = host->pendingHeader(U(s.pendingDate)).left(10);
        }
    } else if (host) {
        warehouse_ = host->warehouse ? host->warehouse() : QString();
        date_ = host->date ? host->date() : QString();
    }

    sourceLine_ = 0;
    sourceTid_ = 0;
    sourceNo_.clear();
    sourceRest_ = 0;
    Query goods(&Db());
    if (member_ == Member::DeptReturn) {
        // SelectedSn is the requisition line being returned.
        sourceLine_ = SelectedSn.toLongLong();
        OpenWithParams(goods,
            QStringLiteral("select a.g_name,a.gg_name,a.dw_name,a.color_name,a.g_sccs,a.g_bz,a.cmz_sn,a.colorz_sn,"
                           "a.g_jj,a.g_sj,a.g_pjjj,a.g_scjj,b.* from jxc_goods a,jxc_bmlysp b where a.g_sn=b.g_sn "
                           "and b.id=:id"),
            { { QStringLiteral("id"), sourceLine_ } });
        goodsSn_ = goods.AsString(QStringLiteral("g_sn"));
        sourceTid_ = goods.AsInteger(QStringLiteral("tid"));
        sourceNo_ = goods.AsString(QStringLiteral("gl_djh"));
        SetSeleNumber(tlysl, goods.AsFloat(QStringLiteral("ly_sl")));
        SetSeleNumber(thhsl, goods.AsFloat(QStringLiteral("ly_hhsl")));
        tgldjh->setText(sourceNo_);
        sourceRest_ = goods.AsFloat(QStringLiteral("ly_sl")) - goods.AsFloat(QStringLiteral("ly_hhsl"));
    } else {
        goodsSn_ = SelectedSn;
        OpenWithParams(
            goods, QStringLiteral("select * from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), goodsSn_ } });
    }
    ShowGoods(goods);
    tnote->clear();
    SetSeleNumber(tsl, 0);
    SetSeleNumber(tgsj, goods.AsFloat(QStringLiteral("g_sj")));

    // Price at opening.
    double price = goods.AsFloat(QStringLiteral("g_jj"));
    const bool adding = OpenMode == Mode("_add");
    switch (member_) {
    case Member::Transfer:
        if (adding && TransferPriceMode != QLatin1String("2"))
            price = GetCostPrice(goodsSn_, warehouse_, date_);
        break;
    case Member::DeptIssue:
        price = GetCostPrice(goodsSn_, warehouse_, date_);
        break;
    case Member::DeptReturn:
        price = adding ? GetCostPrice(goodsSn_, warehouse_, date_) : goods.AsFloat(QStringLiteral("ly_dj"));
        break;
    case Member::ProductionIn:
    case Member::ProductionReturn:
        price = goods.AsFloat(QStringLiteral("g_pjjj"));
        if (PurchasePriceDefault == QLatin1String("1"))
            price = goods.AsFloat(QStringLiteral("g_scjj"));
        else if (PurchasePriceDefault == QLatin1String("2"))
            price = goods.AsFloat(QStringLiteral("g_jj"));
        break;
    default:
        price = 0;
        break;
    }
    SetSeleNumber(tgpjjj, price);

    const QString cmz = goods.AsString(QStringLiteral("cmz_sn"));
    const QString colorz = goods.AsString(QStringLiteral("colorz_sn"));
    grid.setGoodsSL(cmz, colorz, StringGridIn);
    grid.setGoodsSL(cmz, colorz, StringGridKc);
    if (member_ == Member::DeptReturn)
        grid.setGoodsSLValue(QString(), goodsSn_, QString::number(sourceTid_), StringGridKc, QStringLiteral("3"),
            QStringLiteral("jxc_bmlyspmx"));
    else
        grid.setGoodsSLValue(warehouse_, goodsSn_, QString(), StringGridKc, QStringLiteral("1"));
    gkc->setText(grid.StockText());
    grid.StockCursorFollows = member_ == Member::Transfer || member_ == Member::LossOverflow
        || member_ == Member::StockTake || member_ == Member::ProductionIn;
    if (member_ == Member::StockTake) {
        bookTotal_ = gkc->text().toDouble();
        SetSeleNumber(tsl, bookTotal_);
        unitCost_ = FirstNumber(QStringLiteral("select kc_cbj from jxc_kcsp where g_sn=:g and ck_sn=:ck"),
            { { QStringLiteral("g"), goodsSn_ }, { QStringLiteral("ck"), warehouse_ } });
        if (adding)
            grid.setGoodsSLValue(warehouse_, goodsSn_, QString(), StringGridIn, QStringLiteral("1"));
    }
    setWindowTitle(Caption() + QStringLiteral("(商品编号:") + goodsSn_ + QStringLiteral(",商品名称:") + gname->text()
        + QStringLiteral(",当前库存:") + gkc->text() + QStringLiteral(")"));
    LoadLine();
    cxPage->setCurrentWidget(cxTab2);
    chkHide->setChecked(false);

    if (member_ == Member::Transfer) {
        const bool bySale = TransferPriceMode == QLatin1String("1");
        tgsj->setVisible(bySale);
        tgpjjj->setVisible(!bySale && ShowCostPrice);
        lprice->setVisible(bySale || ShowCostPrice);
    } else {
        tgsj->hide();
        if (member_ != Member::LossOverflow && member_ != Member::StockTake) {
            tgpjjj->setVisible(ShowCostPrice);
            lprice->setVisible(ShowCostPrice);
        }
    }
}

// The stored line of the modifying modes: its values in the edits and its rows in
// the entry grid.
void StockSele::LoadLine()
{
    const SeleSpec& s = SpecOf(member_);
    DocHost* host = FindDocHost(U(s.prefix));
    qint64 id = 0;
    bool scratch = false;
    if (OpenMode == Mode("_modi")) {
        Query& picks = BrowserLines();
        if (picks.Active() && !picks.IsEmpty())
            id = picks.AsInteger(QStringLiteral("id"));
        scratch = true;
    } else if (OpenMode == Mode("")) {
        id = host && host->draftLine ? host->draftLine() : 0;
    } else if (OpenMode == U(s.pendingMode)) {
        id = host && host->pendingLine ? host->pendingLine() : 0;
    }
    if (id == 0)
        return;
    Query line(&Db());
    OpenWithParams(line,
        QStringLiteral("select * from ") + (scratch ? QStringLiteral("jxc_tempspxf") : LineTable())
            + QStringLiteral(" where id=:id"),
        { { QStringLiteral("id"), id } });
    if (line.IsEmpty())
        return;
    const QString p = scratch ? QStringLiteral("ts") : LinePrefix();
    auto col = [&](const char* stem) { return p + QLatin1Char('_') + QLatin1String(stem); };
    SetSeleNumber(tsl, line.AsFloat(col("sl")));
    if (member_ != Member::LossOverflow && member_ != Member::StockTake)
        SetSeleNumber(tgpjjj, line.AsFloat(col("dj")));
    if (member_ == Member::Transfer)
        SetSeleNumber(tgsj, line.AsFloat(scratch ? QStringLiteral("ts_dzl") : QStringLiteral("db_sj")));
    if (*s.remark)
        tnote->setText(line.AsString(scratch      ? QStringLiteral("ts_note")
                : member_ == Member::LossOverflow ? LinePrefix() + QStringLiteral("_note")
                                                  : U(s.remark)));
    if (member_ == Member::DeptReturn && !scratch)
        sourceLine_ = line.AsInteger(QStringLiteral("id2"));
    // A line's rows carry its tid, which is its own id.
    const QString tid = scratch ? line.AsString(QStringLiteral("id")) : line.AsString(QStringLiteral("tid"));
    grid.setGoodsSLValue(QString(), goodsSn_, tid.isEmpty() ? line.AsString(QStringLiteral("id")) : tid, StringGridIn,
        scratch ? QStringLiteral("2") : QStringLiteral("3"), DetailTable());
    if (!StringGridIn->GrandTotal().isEmpty())
        SetSeleNumber(tsl, grid.Quantity());
}

void StockSele::QuantityChanged()
{
    SetSeleNumber(tsl, grid.Quantity());
}

QString StockSele::checkGridNum()
{
    const SeleSpec& s = SpecOf(member_);
    return grid.checkGridNum(U(s.zeroStockMessage), U(s.overStockMessage), ColorSizeEntry::Offender::Last);
}

QString StockSele::CheckEntry()
{
    const SeleSpec& s = SpecOf(member_);
    const double total = grid.Quantity();
    if (*s.totalMessage && total <= 0)
        return U(s.totalMessage);
    if (member_ == Member::DeptReturn && total > sourceRest_ + 0.0000001)
        return QStringLiteral("退回数量不能大于剩余数量！");
    if (*s.zeroStockMessage && (s.stockCheckAlways || !IsTrue(AllowZeroStockOut)))
        return checkGridNum();
    return QString();
}

double StockSele::Price() const
{
    return RoundUp(SeleNumber(tgpjjj), AmountDecimals);
}

double StockSele::AmountOf(double unit, double qty) const
{
    const double amount = Round8(unit * qty);
    return IsTrue(RoundTotals) ? RoundUp(amount, TotalDecimals.toInt()) : amount;
}

void StockSele::btnOKClick()
{
    const QString refusal = CheckEntry();
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    Write();
    close();
}

void StockSele::WriteRows(const QString& table, const QString& number, qint64 lineId, bool scratch)
{
    const QString detail = scratch ? QStringLiteral("jxc_tempspxfmx") : DetailTable();
    const QList<ColorSizeEntry::Cell> cells = grid.EnteredCells();
    if (member_ != Member::StockTake) {
        saveGridValueMx(table, detail, scratch ? QString() : number, goodsSn_, lineId, cells);
        return;
    }
    // A count keeps the book quantity of each colour and size beside it.
    const Params id { { QStringLiteral("id"), lineId } };
    Run(QStringLiteral("delete from ") + detail + QStringLiteral(" where tid=:id"), id);
    Run(QStringLiteral("update ") + table + QStringLiteral(" set tid=:id where id=:id"), id);
    for (const ColorSizeEntry::Cell& c : cells) {
        const double book = FirstNumber(
            QStringLiteral("select sum(t_sl) from jxc_tkc where g_sn=:g and ck_sn=:ck and color_sn=:c and cm_sn=:s"),
            { { QStringLiteral("g"), goodsSn_ }, { QStringLiteral("ck"), warehouse_ }, { QStringLiteral("c"), c.color },
                { QStringLiteral("s"), c.size } });
        Row row { { QStringLiteral("g_sn"), goodsSn_ }, { QStringLiteral("t_sl"), c.qty },
            { QStringLiteral("cm_sn"), c.size }, { QStringLiteral("color_sn"), c.color },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), lineId },
            { QStringLiteral("t_oldsl"), book } };
        if (!scratch)
            row.prepend({ QStringLiteral("gl_djh"), number });
        InsertRow(detail, row);
    }
}

void StockSele::Write()
{
    const SeleSpec& s = SpecOf(member_);
    const double qty = grid.Quantity();
    const double p = Price();
    const bool bySale = member_ == Member::Transfer && TransferPriceMode == QLatin1String("1");
    const double q = RoundUp(SeleNumber(tgsj), AmountDecimals);
    QString remark = tnote->text().trimmed();
    remark = member_ == Member::LossOverflow ? ToFullWidthText(remark) : SafeSqlText(remark);
    // The stock-take's count values its difference from the book at the warehouse's cost.
    double book = bookTotal_;

    // The line's own values by member, under the line prefix (or "ts" for a browser line).
    auto values = [&](const QString& px, bool scratch) {
        Row row;
        auto c = [&](const char* stem) { return px + QLatin1Char('_') + QLatin1String(stem); };
        switch (member_) {
        case Member::Transfer:
            row = { { c("sl"), qty }, { c("dj"), p }, { c("zje"), AmountOf(bySale ? q : p, qty) } };
            row.append(
                { scratch ? QStringLiteral("ts_dzl") : QStringLiteral("db_sj"), scratch ? SeleNumber(tgsj) : q });
            break;
        case Member::LossOverflow:
            if (scratch)
                row = { { c("sl"), qty }, { c("dj"), 0 }, { c("zje"), 0 }, { c("dzl"), 0 } };
            break;
        case Member::StockTake:
            row = { { c("sl"), qty }, { scratch ? c("dzl") : c("dj"), unitCost_ },
                { c("zje"), AmountOf(unitCost_, qty - book) } };
            break;
        default:
            row = { { c("sl"), qty }, { c("dj"), p }, { c("zje"), AmountOf(p, qty) } };
            break;
        }
        if (*s.remark)
            row.append({ scratch ? QStringLiteral("ts_note") : U(s.remark), remark });
        return row;
    };
    auto update = [&](const QString& table, qint64 id, Row row) {
        QString sql = QStringLiteral("update ") + table + QStringLiteral(" set ");
        Params params { { QStringLiteral("id"), id } };
        for (int i = 0; i < row.size(); ++i) {
            sql += (i ? QStringLiteral(",") : QString()) + row[i].first + QStringLiteral("=:v") + QString::number(i);
            params.insert(QStringLiteral("v") + QString::number(i), row[i].second);
        }
        Run(sql + QStringLiteral(" where id=:id"), params);
    };

    DocHost* host = FindDocHost(U(s.prefix));
    Transaction t(Db());
    if (OpenMode == Mode("_add")) {
        Row row { { QStringLiteral("g_sn"), goodsSn_ }, { QStringLiteral("a_name"), CurrentAdminName } };
        row += values(QStringLiteral("ts"), true);
        if (member_ == Member::StockTake) {
            row.append({ QStringLiteral("ts_dj"), bookTotal_ });
            row.append({ QStringLiteral("ts_je"),
                FirstNumber(QStringLiteral("select kc_zsl from jxc_kcsp where "
                                           "g_sn=:g and ck_sn=:ck"),
                    { { QStringLiteral("g"), goodsSn_ }, { QStringLiteral("ck"), warehouse_ } }) });
        }
        if (member_ == Member::DeptReturn) {
            row.append({ QStringLiteral("ghs_sn"), QString::number(sourceLine_) });
            row.append({ QStringLiteral("t_zp"), sourceNo_ });
        }
        const qint64 id = InsertRow(QStringLiteral("jxc_tempspxf"), row);
        WriteRows(QStringLiteral("jxc_tempspxf"), QString(), id, true);
    } else if (OpenMode == Mode("_modi")) {
        Query& picks = BrowserLines();
        const qint64 id = picks.Active() && !picks.IsEmpty() ? picks.AsInteger(QStringLiteral("id")) : 0;
        if (member_ == Member::StockTake)
            book = picks.AsFloat(QStringLiteral("ts_dj"));
        Row row = values(QStringLiteral("ts"), true);
        if (member_ == Member::LossOverflow)
            row = { { QStringLiteral("ts_sl"), qty } };
        if (*s.remark)
            row.append({ QStringLiteral("ts_note"), remark });
        update(QStringLiteral("jxc_tempspxf"), id, row);
        WriteRows(QStringLiteral("jxc_tempspxf"), QString(), id, true);
    } else if (OpenMode == Mode("") || OpenMode == U(s.pendingMode)) {
        const bool pending = OpenMode == U(s.pendingMode);
        qint64 id = 0;
        if (host)
            id = pending ? (host->pendingLine ? host->pendingLine() : 0) : (host->draftLine ? host->draftLine() : 0);
        Query line(&Db());
        OpenWithParams(line, QStringLiteral("select * from ") + LineTable() + QStringLiteral(" where id=:id"),
            { { QStringLiteral("id"), id } });
        if (!line.IsEmpty()) {
            const QString px = LinePrefix();
            if (member_ == Member::StockTake)
                book = line.AsFloat(QStringLiteral("kc_sl"));
            Row row = values(px, false);
            if (member_ == Member::LossOverflow) {
                // The stored price values the new quantity, always to the total decimals.
                const double amount = RoundUp(line.AsFloat(px + QStringLiteral("_dj")) * qty, TotalDecimals.toInt());
                row = { { px + QStringLiteral("_sl"), qty }, { px + QStringLiteral("_zje"), amount },
                    { px + QStringLiteral("_note"), remark } };
            }
            if (pending)
                row.append({ QStringLiteral("a_name"), CurrentAdminName });
            update(LineTable(), id, row);
            WriteRows(LineTable(), line.AsString(QStringLiteral("gl_djh")), id, false);
        }
    }
    t.Commit();
    if (OpenMode.endsWith(QLatin1String("_add")) || OpenMode.endsWith(QLatin1String("_modi"))) {
        Query& picks = BrowserLines();
        if (picks.Active()) {
            picks.Requery();
            if (OpenMode.endsWith(QLatin1String("_add")))
                picks.Last();
        }
    } else if (host) {
        if (OpenMode == U(s.pendingMode)) {
            if (host->reloadPending)
                host->reloadPending();
        } else if (host->reloadDraft) {
            host->reloadDraft();
        }
    }
}

void StockSele::chkHideClick()
{
    grid.HideEmptyStock(chkHide->isChecked());
}

void StockSele::FormClose()
{
    chkHide->setChecked(false);
    grid.HideEmptyStock(false);
}

void StockSele::btnCancelClick()
{
    close();
}

void StockSele::btnPicClick()
{
    if (member_ != Member::DeptIssue)
        return;
    PictureName = goodsSn_ + QStringLiteral(".jpg");
    FunctionWindows::Open(QStringLiteral("TF_Spxxgl_Pic2"), FunctionWindows::Lifetime::Freed);
    PictureName.clear();
}

void StockSele::FormKeyDown(int key)
{
    if (key == Qt::Key_F5)
        btnOKClick();
}

void StockSele::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        FormKeyDown(e->key());
        return;
    }
    Form::keyPressEvent(e);
}

void StockSele::closeEvent(QCloseEvent* e)
{
    FormClose();
    Form::closeEvent(e);
}
