#include "masterdata/goodsform.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/cmz.h"
#include "masterdata/colorz.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/goodsunits.h"
#include "masterdata/inform.h"
#include "masterdata/spxxglpic.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* NewAmountEdit(QWidget* parent, const QString& name)
{
    auto* e = new QDoubleSpinBox(parent);
    e->setObjectName(name);
    e->setRange(-99999999.0, 99999999.0);
    e->setDecimals(2);
    e->setButtonSymbols(QAbstractSpinBox::NoButtons);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QLineEdit* NewEdit(QWidget* parent, const QString& name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    return e;
}

// A label and its control (or controls) in a row.
QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* w = new QWidget(parent);
    auto* box = new QHBoxLayout(w);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(2);
    for (QWidget* c : widgets)
        box->addWidget(c, qobject_cast<QPushButton*>(c) || qobject_cast<QCheckBox*>(c) ? 0 : 1);
    return w;
}

QPushButton* SmallButton(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance(text) + 18);
    return b;
}

const QString kNoCommissionLabel = QStringLiteral("提成金额：");

}

GoodsEntryForm::GoodsEntryForm(const QString& callerTag, QWidget* parent)
    : QWidget(parent), caller(callerTag), Q_GoodsClass(F_DataModule->Q(QStringLiteral("Q_GoodsClass"))),
      Q_Colorz(F_DataModule->Q(QStringLiteral("Q_Colorz"))), Q_Cmz(F_DataModule->Q(QStringLiteral("Q_Cmz")))
{
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* left = new QVBoxLayout;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    left->addLayout(grid);
    outer->addLayout(left, 1);

    auto label = [&](const QString& text) { return new QLabel(text, this); };
    auto put = [&](int row, int col, const QString& caption, QWidget* w) {
        QLabel* l = label(caption);
        grid->addWidget(l, row, col * 2, Qt::AlignRight);
        grid->addWidget(w, row, col * 2 + 1);
        return l;
    };

    gc_name = NewEdit(this, QStringLiteral("gc_name"), 64);
    gc_name->setReadOnly(true);
    gc_name->setToolTip(QStringLiteral("请点击红色按钮,选择商品分类!"));
    gc_name->installEventFilter(this);
    btnClass = SmallButton(this, QStringLiteral("..."), QStringLiteral("btnClass"));
    btnClass->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    put(0, 0, QStringLiteral("所属类别："), Row(this, { gc_name, btnClass }));
    g_sn = NewEdit(this, QStringLiteral("g_sn"), 32);
    put(0, 1, QStringLiteral("商品编号："), g_sn);

    g_name = NewEdit(this, QStringLiteral("g_name"), 128);
    chkAlert = new QCheckBox(QStringLiteral("重名提醒"), this);
    put(1, 0, QStringLiteral("商品名称："), Row(this, { g_name, chkAlert }));
    g_sptm = NewEdit(this, QStringLiteral("g_sptm"), 64);
    put(1, 1, QStringLiteral("商品条码："), g_sptm);

    comTmtype = new QComboBox(this);
    comTmtype->addItems({ QStringLiteral("商品条码+颜色+尺码"), QStringLiteral("商品条码+尺码+颜色") });
    put(2, 0, QStringLiteral("条码格式："), comTmtype);
    ComDw = new QComboBox(this);
    ComDw->setObjectName(QStringLiteral("ComDw"));
    put(2, 1, QStringLiteral("单        位："), ComDw);

    comColor = NewEdit(this, QStringLiteral("comColor"), 64);
    btnColor2 = SmallButton(this, QStringLiteral("▼"), QStringLiteral("btnColor2"));
    btnColor = SmallButton(this, QStringLiteral("..."), QStringLiteral("btnColor"));
    put(3, 0, QStringLiteral("颜  色  组："), Row(this, { comColor, btnColor2, btnColor }));
    comCm = NewEdit(this, QStringLiteral("comCm"), 64);
    btnCm2 = SmallButton(this, QStringLiteral("▼"), QStringLiteral("btnCm2"));
    btnCm = SmallButton(this, QStringLiteral("..."), QStringLiteral("btnCm"));
    put(3, 1, QStringLiteral("尺 码  组："), Row(this, { comCm, btnCm2, btnCm }));

    g_jj = NewAmountEdit(this, QStringLiteral("g_jj"));
    costWidgets_ << put(4, 0, QStringLiteral("预设进价："), g_jj) << g_jj;
    comHjxx = new QComboBox(this);
    comHjxx->setEditable(true);
    btnHj = SmallButton(this, QStringLiteral("..."), QStringLiteral("btnHj"));
    QWidget* shelfRow = Row(this, { comHjxx, btnHj });
    shelfWidgets_ << put(4, 1, QStringLiteral("所在货架："), shelfRow) << shelfRow;

    comSccs = new QComboBox(this);
    comSccs->setEditable(true);
    btnSccs = SmallButton(this, QStringLiteral("..."), QStringLiteral("btnSccs"));
    put(5, 0, QStringLiteral("品牌厂家："), Row(this, { comSccs, btnSccs }));
    g_zdkc = new QSpinBox(this);
    g_zdkc->setObjectName(QStringLiteral("g_zdkc"));
    g_zdkc->setRange(-99999, 999999);
    g_zdkc->setButtonSymbols(QAbstractSpinBox::NoButtons);
    put(5, 1, QStringLiteral("库存下限："), g_zdkc);

    gg_name = NewEdit(this, QStringLiteral("gg_name"), 32);
    put(6, 0, QStringLiteral("款型说明："), gg_name);
    chkZp = new QCheckBox(QStringLiteral("该商品可作为赠品"), this);
    grid->addWidget(chkZp, 6, 3);

    comTcbl = new QComboBox(this);
    comTcbl->addItems({ QStringLiteral("不提成"), QStringLiteral("按件数提成"), QStringLiteral("按比例提成"),
        QStringLiteral("按毛利提成") });
    put(7, 0, QStringLiteral("提成比例："), comTcbl);
    tTcbl = NewAmountEdit(this, QStringLiteral("tTcbl"));
    tTcbl->setRange(-999999.0, 999999.0);
    lTcbl = new QLabel(this);
    lTctxt = new QLabel(kNoCommissionLabel, this);
    grid->addWidget(lTctxt, 7, 2, Qt::AlignRight);
    grid->addWidget(Row(this, { tTcbl, lTcbl }), 7, 3);

    chkGdcbj = new QCheckBox(QStringLiteral("预设进价作为销售成本价"), this);
    grid->addWidget(chkGdcbj, 8, 1);
    chkTclb = new QCheckBox(QStringLiteral("当前类别采用相同提成"), this);
    grid->addWidget(chkTclb, 8, 3);

    g_bz = NewEdit(this, QStringLiteral("g_bz"), 200);
    grid->addWidget(label(QStringLiteral("备        注：")), 9, 0, Qt::AlignRight);
    grid->addWidget(g_bz, 9, 1, 1, 3);

    g_sj = NewAmountEdit(this, QStringLiteral("g_sj"));
    saleWidgets_ << put(10, 0, QStringLiteral("预设售价："), g_sj) << g_sj;
    g_lsj = NewAmountEdit(this, QStringLiteral("g_lsj"));
    retailWidgets_ << put(10, 1, QStringLiteral("零  售  价："), g_lsj) << g_lsj;
    const char* levels[] = { "一级批发价：", "二级批发价：", "三级批发价：", "四级批发价：", "五级批发价：" };
    for (int i = 0; i < 5; ++i) {
        g_sjN[size_t(i)] = NewAmountEdit(this, QStringLiteral("g_sj%1").arg(i + 1));
        gradeWidgets_ << put(11 + i / 2, i % 2, QString::fromUtf8(levels[i]), g_sjN[size_t(i)]) << g_sjN[size_t(i)];
    }
    auto* note = label(QStringLiteral("不同级别的客户对应不同的批发价格。\r零级别的客户使用预设售价。"));
    note->setWordWrap(true);
    grid->addWidget(note, 13, 2, 1, 2);
    auto* retailNote = label(QStringLiteral("零售价不参与任何业务，可以打印。"));
    retailNote->setStyleSheet(QStringLiteral("color: red;"));
    grid->addWidget(retailNote, 14, 0, 1, 4);

    tpic = NewEdit(this, QStringLiteral("tpic"), 255);
    tpic->setReadOnly(true);
    btnUpload = new QToolButton(this);
    btnUpload->setObjectName(QStringLiteral("btnUpload"));
    btnUpload->setText(QStringLiteral("操作"));
    btnUpload->setPopupMode(QToolButton::MenuButtonPopup);
    auto* picMenu = new QMenu(btnUpload);
    miTake = picMenu->addAction(QStringLiteral("拍照(&X)"));
    miBrowse = picMenu->addAction(QStringLiteral("浏览(&Y)"), this, &GoodsEntryForm::miBrowseClick);
    miClear = picMenu->addAction(QStringLiteral("清除(&Z)"));
    btnUpload->setMenu(picMenu);
    connect(btnUpload, &QToolButton::clicked, this, &GoodsEntryForm::btnUploadClick);
    grid->addWidget(label(QStringLiteral("商品图片：")), 15, 0, Qt::AlignRight);
    auto* picRow = new QHBoxLayout;
    picRow->addWidget(tpic, 1);
    picRow->addWidget(btnUpload);
    grid->addLayout(picRow, 15, 1);
    Image_Pic = new QLabel(this);
    Image_Pic->setObjectName(QStringLiteral("Image_Pic"));
    Image_Pic->setFrameShape(QFrame::Box);
    Image_Pic->setFixedSize(120, 120);
    Image_Pic->setAlignment(Qt::AlignCenter);
    grid->addWidget(Image_Pic, 15, 2, 2, 2, Qt::AlignLeft);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSave = new QPushButton(QStringLiteral("保存(F5)"), this);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    left->addStretch(1);
    left->addLayout(buttons);

    // The panels, beside the entry.
    auto* panels = new QVBoxLayout;
    outer->addLayout(panels);
    pnlClass = new QFrame(this);
    pnlClass->setFrameShape(QFrame::StyledPanel);
    auto* classBox = new QVBoxLayout(pnlClass);
    classTree = new GoodsClassTree(pnlClass);
    classTree->SetQuery(Q_GoodsClass);
    classTree->tname->hide();
    classTree->btnSearch->hide();
    // The panel has no category search: its label goes with the box.
    for (QLabel* l : classTree->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("类别名称："))
            l->hide();
    classTree->miNew->setText(QStringLiteral("创建类别(&X)"));
    classTree->miRename->setText(QStringLiteral("重命名(&Y)"));
    classTree->miDelete->setText(QStringLiteral("删除类别(&Z)"));
    classTree->miMove->setVisible(false);
    classBox->addWidget(classTree, 1);
    auto* classButtons = new QHBoxLayout;
    btnClassOp = new QToolButton(pnlClass);
    btnClassOp->setText(QStringLiteral("操作"));
    btnClassOp->setPopupMode(QToolButton::InstantPopup);
    btnClassOp->setMenu(classTree->menu);
    connect(classTree->menu, &QMenu::aboutToShow, classTree, &GoodsClassTree::PrepareMenu);
    btnClassOK = new QPushButton(QStringLiteral("确认"), pnlClass);
    btnClassExit = new QPushButton(QStringLiteral("退出"), pnlClass);
    classButtons->addWidget(btnClassOp);
    classButtons->addWidget(btnClassOK);
    classButtons->addWidget(btnClassExit);
    classBox->addLayout(classButtons);
    pnlClass->setMinimumWidth(260);
    panels->addWidget(pnlClass);

    pnlColor = BuildGroupPanel(QStringLiteral("颜色组名称"), QStringLiteral("组编号"), QStringLiteral("Colorz"),
        QStringLiteral("colorz_name"), QStringLiteral("colorz_sn"), gridColor, btnColorAdd, btnColorOK, btnColorExit);
    pnlCm = BuildGroupPanel(QStringLiteral("尺码组名称"), QStringLiteral("组编号"), QStringLiteral("Cmz"),
        QStringLiteral("cmz_name"), QStringLiteral("cmz_sn"), gridCm, btnCmAdd, btnCmOK, btnCmExit);
    panels->addWidget(pnlColor);
    panels->addWidget(pnlCm);
    ShowPanel(Panel::None);

    connect(btnClass, &QPushButton::clicked, this, &GoodsEntryForm::btnClassClick);
    connect(btnClassOK, &QPushButton::clicked, this, &GoodsEntryForm::btnClassOKClick);
    connect(btnClassExit, &QPushButton::clicked, this, [this] { ShowPanel(Panel::None); });
    connect(classTree->tree, &QTreeWidget::itemDoubleClicked, this, [this] { btnClassOKClick(); });
    connect(classTree->tree, &QTreeWidget::itemClicked, this, &GoodsEntryForm::ClassClicked);
    connect(g_sn, &QLineEdit::textEdited, this, &GoodsEntryForm::FillBarcode);
    connect(ComDw, &QComboBox::activated, this, &GoodsEntryForm::ComDwChange);
    connect(btnSccs, &QPushButton::clicked, this, &GoodsEntryForm::btnSccsClick);
    connect(btnHj, &QPushButton::clicked, this, &GoodsEntryForm::btnHjClick);
    connect(comTcbl, &QComboBox::activated, this, &GoodsEntryForm::comTcblChange);
    connect(comColor, &QLineEdit::textEdited, this, &GoodsEntryForm::comColorKeyUp);
    connect(comCm, &QLineEdit::textEdited, this, &GoodsEntryForm::comCmKeyUp);
    connect(btnColor2, &QPushButton::clicked, this, [this] { ShowPanel(Panel::Colour); });
    connect(btnCm2, &QPushButton::clicked, this, [this] { ShowPanel(Panel::Size); });
    connect(btnColor, &QPushButton::clicked, this, &GoodsEntryForm::btnColorClick);
    connect(btnCm, &QPushButton::clicked, this, &GoodsEntryForm::btnCmClick);
    connect(btnColorOK, &QPushButton::clicked, this, &GoodsEntryForm::btnColorOKClick);
    connect(btnCmOK, &QPushButton::clicked, this, &GoodsEntryForm::btnCmOKClick);
    connect(gridColor, &DataGrid::rowDoubleClicked, this, &GoodsEntryForm::btnColorOKClick);
    connect(gridCm, &DataGrid::rowDoubleClicked, this, &GoodsEntryForm::btnCmOKClick);
    connect(btnColorAdd, &QPushButton::clicked, this, &GoodsEntryForm::btnColorAddClick);
    connect(btnCmAdd, &QPushButton::clicked, this, &GoodsEntryForm::btnCmAddClick);
    connect(btnColorExit, &QPushButton::clicked, this, [this] { ShowPanel(Panel::None); });
    connect(btnCmExit, &QPushButton::clicked, this, [this] { ShowPanel(Panel::None); });
}

GoodsEntryForm::~GoodsEntryForm() = default;

bool GoodsEntryForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == gc_name && e->type() == QEvent::MouseButtonPress)
        btnClassClick();
    return QWidget::eventFilter(watched, e);
}

void GoodsEntryForm::InstallKeys(QWidget* window, const std::function<void()>& save)
{
    KeyPreview::Install(window, [window, save](QKeyEvent* k) {
        if (k->key() == Qt::Key_F5) {
            save();
            return true;
        }
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            && !qobject_cast<QPushButton*>(window->focusWidget())) {
            // As Tab does.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(window, &tab);
            return true;
        }
        return false;
    });
}

void GoodsEntryForm::CloseDatasets()
{
    Q_GoodsClass.Close();
    Q_Colorz.Close();
    Q_Cmz.Close();
}

void GoodsEntryForm::btnUploadClick()
{
    const QString code = g_sn->text().trimmed();
    if (code.isEmpty()) {
        Inform(QStringLiteral("请选择商品类别！"));
        return;
    }
    RunCapture(code);
}

QFrame* GoodsEntryForm::BuildGroupPanel(const QString& nameCaption, const QString& snCaption, const QString& dataset,
    const QString& nameField, const QString& snField, DataGrid*& grid, QPushButton*& add, QPushButton*& ok,
    QPushButton*& exit)
{
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMinimumWidth(260);
    auto* box = new QVBoxLayout(panel);
    grid = new DataGrid(panel);
    grid->SetDataSource(&F_DataModule->D(QStringLiteral("D_") + dataset));
    grid->AddColumn(nameField, nameCaption, 140);
    grid->AddColumn(snField, snCaption, 70);
    grid->SetFilterJoin(GridFilter::Join::Or);
    box->addWidget(grid, 1);
    auto* buttons = new QHBoxLayout;
    add = new QPushButton(QStringLiteral("添加(F8)"), panel);
    ok = new QPushButton(QStringLiteral("确定(F5)"), panel);
    exit = new QPushButton(QStringLiteral("退出(Esc)"), panel);
    buttons->addWidget(add);
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    box->addLayout(buttons);
    return panel;
}

void GoodsEntryForm::SelectText(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
}

void GoodsEntryForm::FillUnits(const QString& order)
{
    FillComboBox(*ComDw, QStringLiteral("jxc_dw"), QStringLiteral("dw_name"), order, QStringLiteral("0"), kNewUnitItem);
}

void GoodsEntryForm::FillBrands()
{
    FillComboBox(
        *comSccs, QStringLiteral("jxc_ppcs"), QStringLiteral("pp_name"), QStringLiteral("id"), QStringLiteral("0"));
}

void GoodsEntryForm::FillShelves()
{
    FillComboBox(
        *comHjxx, QStringLiteral("jxc_hjxx"), QStringLiteral("hj_name"), QStringLiteral("id"), QStringLiteral("0"));
}

void GoodsEntryForm::AnswerUnit(const QString& name)
{
    FillUnits(QStringLiteral("id desc"));
    SelectText(ComDw, name);
}

void GoodsEntryForm::AnswerShelf(const QString& name)
{
    FillShelves();
    SelectText(comHjxx, name);
}

void GoodsEntryForm::ApplyVisibility()
{
    for (QWidget* w : costWidgets_)
        w->setVisible(ShowCostPrice);
    for (QWidget* w : saleWidgets_)
        w->setVisible(ShowSalePrice);
    for (QWidget* w : gradeWidgets_)
        w->setVisible(IsTrue(UseGradePrices));
    for (QWidget* w : retailWidgets_)
        w->setVisible(IsTrue(UseRetailPrice));
    for (QWidget* w : shelfWidgets_)
        w->setVisible(IsTrue(UseShelves));
    chkGdcbj->setVisible(ShowCostPrice && ShowSalePrice);
    for (QDoubleSpinBox* e : { g_jj, g_sj, g_sjN[0], g_sjN[1], g_sjN[2], g_sjN[3], g_sjN[4], g_lsj })
        SetAmountEditFormat(
            { nullptr, [e](int d) { e->setDecimals(d); }, [e](int) { /* a spin box has no length limit */ } });
}

void GoodsEntryForm::ApplyCommissionRight(bool withSameForClass)
{
    // The commission shares the right position that opens the member window.
    commissionRight = HasRight(QStringLiteral("qtcz"), 20);
    comTcbl->setEnabled(commissionRight);
    tTcbl->setEnabled(commissionRight);
    chkTclb->setEnabled(commissionRight && withSameForClass);
}

void GoodsEntryForm::SetCommission(int kind, double value)
{
    {
        const QSignalBlocker quiet(comTcbl);
        comTcbl->setCurrentIndex(kind >= 0 && kind < comTcbl->count() ? kind : 0);
    }
    tTcbl->setValue(0);
    tTcbl->setEnabled(false);
    lTcbl->hide();
    lTctxt->setText(kNoCommissionLabel);
    if (comTcbl->currentIndex() == 1) {
        tTcbl->setValue(value);
        tTcbl->setEnabled(true);
        lTcbl->setText(QStringLiteral("元"));
        lTcbl->show();
        lTctxt->setText(QStringLiteral("每件提成："));
    } else if (comTcbl->currentIndex() >= 2) {
        tTcbl->setValue(value);
        tTcbl->setEnabled(true);
        lTcbl->setText(QStringLiteral("%"));
        lTcbl->show();
        lTctxt->setText(QStringLiteral("提成比例："));
    }
}

void GoodsEntryForm::comTcblChange()
{
    SetCommission(comTcbl->currentIndex(), 0);
    if (!commissionRight)
        tTcbl->setEnabled(false);
}

void GoodsEntryForm::ShowPanel(Panel p)
{
    pnlClass->setVisible(p == Panel::Class);
    pnlColor->setVisible(p == Panel::Colour);
    pnlCm->setVisible(p == Panel::Size);
}

GoodsEntryForm::Panel GoodsEntryForm::ShownPanel() const
{
    if (!pnlClass->isHidden())
        return Panel::Class;
    if (!pnlColor->isHidden())
        return Panel::Colour;
    if (!pnlCm->isHidden())
        return Panel::Size;
    return Panel::None;
}

void GoodsEntryForm::OpenClasses()
{
    Q_GoodsClass.Close();
    Q_GoodsClass.ClearParams();
    Q_GoodsClass.SetSQL(QStringLiteral("select * from jxc_goodsclass order by gc_key"));
    Q_GoodsClass.Open();
    classTree->tree->expandAll();
    if (Q_GoodsClass.RecordCount() >= 2)
        Q_GoodsClass.SetRecNo(1);
    else if (Q_GoodsClass.RecordCount() == 1)
        Q_GoodsClass.First();
}

void GoodsEntryForm::btnClassClick()
{
    if (!Q_GoodsClass.Active() || Q_GoodsClass.IsEmpty()) {
        Inform(QStringLiteral("请添加商品类别！"));
        return;
    }
    ShowPanel(Panel::Class);
}

bool GoodsEntryForm::btnClassOKClick()
{
    if (!Q_GoodsClass.Active() || Q_GoodsClass.RecNo() < 0 || classTree->CurrentIsRoot())
        return false;
    gc_name->setText(Q_GoodsClass.AsString(QStringLiteral("gc_name")));
    chosenClassSn = Q_GoodsClass.AsString(QStringLiteral("gc_sn"));
    chosenClassCid = Q_GoodsClass.AsString(QStringLiteral("gc_cid"));
    if (onClassChosen)
        onClassChosen();
    ShowPanel(Panel::None);
    FillBarcode();
    return true;
}

void GoodsEntryForm::ClassClicked()
{
    if (!Q_GoodsClass.Active() || Q_GoodsClass.RecNo() < 0)
        return;
    barcodeStem = Q_GoodsClass.AsString(QStringLiteral("gc_cid"));
    if (onStemClicked)
        onStemClicked();
}

void GoodsEntryForm::FillBarcode()
{
    if (const auto barcode = AutoBarcode(g_sn->text().trimmed(), barcodeStem))
        g_sptm->setText(*barcode);
}

void GoodsEntryForm::ReopenGroups(Query& q, const QString& table)
{
    q.Close();
    q.ClearParams();
    q.SetSQL(QStringLiteral("select * from ") + table + QStringLiteral(" order by id"));
    q.Open();
}

void GoodsEntryForm::OpenGroups()
{
    ReopenGroups(Q_Colorz, QStringLiteral("jxc_colorz"));
    ReopenGroups(Q_Cmz, QStringLiteral("jxc_cmz"));
}

void GoodsEntryForm::TakeFirstGroups()
{
    Q_Colorz.First();
    comColor->setText(Q_Colorz.IsEmpty() ? QString() : Q_Colorz.AsString(QStringLiteral("colorz_name")));
    colorzSn = Q_Colorz.IsEmpty() ? QString() : Q_Colorz.AsString(QStringLiteral("colorz_sn"));
    Q_Cmz.First();
    comCm->setText(Q_Cmz.IsEmpty() ? QString() : Q_Cmz.AsString(QStringLiteral("cmz_name")));
    cmzSn = Q_Cmz.IsEmpty() ? QString() : Q_Cmz.AsString(QStringLiteral("cmz_sn"));
}

void GoodsEntryForm::FilterGroups(DataGrid* grid, QLineEdit* edit, const QString& nameField, const QString& snField)
{
    const QString k = ToFullWidthText(edit->text().trimmed()).toUpper();
    grid->ClearFilter();
    grid->AddFilter(nameField, QLatin1Char('%') + k + QLatin1Char('%'));
    grid->AddFilter(snField, QLatin1Char('%') + k + QLatin1Char('%'));
    grid->SetFilterActive(true);
}

void GoodsEntryForm::comColorKeyUp()
{
    ShowPanel(Panel::Colour);
    FilterGroups(gridColor, comColor, QStringLiteral("colorz_name"), QStringLiteral("colorz_sn"));
}

void GoodsEntryForm::comCmKeyUp()
{
    ShowPanel(Panel::Size);
    FilterGroups(gridCm, comCm, QStringLiteral("cmz_name"), QStringLiteral("cmz_sn"));
}

void GoodsEntryForm::btnColorOKClick()
{
    const int row = gridColor->CurrentRow();
    if (row >= 0) {
        comColor->setText(gridColor->Value(row, QStringLiteral("colorz_name")).toString());
        colorzSn = gridColor->Value(row, QStringLiteral("colorz_sn")).toString();
    }
    ShowPanel(Panel::None);
}

void GoodsEntryForm::btnCmOKClick()
{
    const int row = gridCm->CurrentRow();
    if (row >= 0) {
        comCm->setText(gridCm->Value(row, QStringLiteral("cmz_name")).toString());
        cmzSn = gridCm->Value(row, QStringLiteral("cmz_sn")).toString();
    }
    ShowPanel(Panel::None);
}

void GoodsEntryForm::btnColorAddClick()
{
    OpenMode = QStringLiteral("add");
    {
        TF_Colorz_Add dialog(window());
        dialog.ShowModal();
    }
    OpenMode.clear();
    ReopenGroups(Q_Colorz, QStringLiteral("jxc_colorz"));
}

void GoodsEntryForm::btnCmAddClick()
{
    OpenMode = QStringLiteral("add");
    {
        TF_Cmz_Add dialog(window());
        dialog.ShowModal();
    }
    OpenMode.clear();
    ReopenGroups(Q_Cmz, QStringLiteral("jxc_cmz"));
}

void GoodsEntryForm::btnColorClick()
{
    {
        TF_Colorz dialog(window());
        dialog.ShowModal();
    }
    ReopenGroups(Q_Colorz, QStringLiteral("jxc_colorz"));
}

void GoodsEntryForm::btnCmClick()
{
    {
        TF_Cmz dialog(window());
        dialog.ShowModal();
    }
    ReopenGroups(Q_Cmz, QStringLiteral("jxc_cmz"));
}

void GoodsEntryForm::ComDwChange()
{
    if (ComDw->count() == 0) {
        Inform(QStringLiteral("请添加商品单位！"));
        return;
    }
    if (ComDw->currentText() != kNewUnitItem)
        return;
    PickerCaller = caller;
    {
        TF_Dwgl list(window());
        list.ShowModal();
    }
    PickerCaller.clear();
}

void GoodsEntryForm::btnSccsClick()
{
    {
        TF_Ppcs list(window());
        list.ShowModal();
    }
    FillBrands();
    if (comSccs->count() > 0)
        comSccs->setCurrentIndex(0);
}

void GoodsEntryForm::btnHjClick()
{
    PickerCaller = caller;
    {
        TF_HJxx list(window());
        list.ShowModal();
    }
    PickerCaller.clear();
}

QString GoodsEntryForm::RunCapture(const QString& name)
{
    ResultText.clear();
    PictureName = name;
    F_Spxxgl_Pic = new TF_Spxxgl_Pic(window());
    F_Spxxgl_Pic->ShowModal();
    delete F_Spxxgl_Pic;
    PictureName.clear();
    const QString path = ResultText;
    ResultText.clear();
    ShowPicture(path);
    return path;
}

void GoodsEntryForm::ShowPicture(const QString& path)
{
    Image_Pic->clear();
    QPixmap pm;
    if (!path.isEmpty() && pm.load(path))
        Image_Pic->setPixmap(pm.scaled(Image_Pic->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void GoodsEntryForm::ClearPicture()
{
    Image_Pic->clear();
    tpic->clear();
}

void GoodsEntryForm::miBrowseClick()
{
    const QString file = Prompt::OpenFile(QStringLiteral("商品图片"), QStringLiteral("图片 (*.bmp *.jpg *.png)"));
    if (file.isEmpty())
        return;
    tpic->setText(file);
    ShowPicture(file);
}

GoodsEntry GoodsEntryForm::Entry() const
{
    GoodsEntry e;
    e.className = gc_name->text().trimmed();
    e.classSn = chosenClassSn;
    e.classCid = chosenClassCid;
    e.sn = g_sn->text().trimmed();
    e.name = g_name->text().trimmed();
    e.barcode = g_sptm->text().trimmed();
    e.barcodeOrder = comTmtype->currentIndex() + 1;
    e.unit = ComDw->currentIndex() < 0 ? QString() : ComDw->currentText().trimmed();
    e.colourGroupName = comColor->text();
    e.sizeGroupName = comCm->text();
    e.colourGroupSn = colorzSn;
    e.sizeGroupSn = cmzSn;
    e.brand = comSccs->currentText();
    e.shelf = comHjxx->currentText();
    e.style = gg_name->text().trimmed();
    e.remark = g_bz->text().trimmed();
    e.purchasePrice = g_jj->value();
    e.salePrice = g_sj->value();
    for (size_t i = 0; i < 5; ++i)
        e.levelPrices[i] = g_sjN[i]->value();
    e.retailPrice = g_lsj->value();
    e.minStock = g_zdkc->value();
    e.gift = chkZp->isChecked();
    e.presetCost = chkGdcbj->isChecked();
    e.alertSameName = chkAlert->isChecked();
    e.commissionKind = comTcbl->currentIndex();
    e.commission = tTcbl->value();
    return e;
}

bool GoodsEntryForm::OpenGoodsRow(Query& row, qint64 id)
{
    row.Close();
    row.ClearParams();
    row.SetSQL(QStringLiteral("select a.*,b.gc_name from jxc_goods a left join jxc_goodsclass b on a.gc_sn=b.gc_sn "
                              "where a.id=:id"));
    row.SetParam(QStringLiteral("id"), id);
    row.Open();
    return !row.IsEmpty();
}

void GoodsEntryForm::FillCommon(const Query& row)
{
    auto text = [&row](const char* field) { return row.AsString(QString::fromLatin1(field)); };
    chosenClassCid = text("gc_cid");
    chosenClassSn = text("gc_sn");
    gc_name->setText(text("gc_name"));
    g_name->setText(text("g_name"));
    gg_name->setText(text("gg_name"));
    SelectText(ComDw, text("dw_name"));
    comColor->setText(text("color_name"));
    comCm->setText(text("cmz_name"));
    colorzSn = text("colorz_sn");
    cmzSn = text("cmz_sn");
    comSccs->setCurrentText(text("g_sccs"));
    comTmtype->setCurrentIndex(qBound(0, int(row.AsInteger(QStringLiteral("g_tmtype"))) - 1, 1));
    g_zdkc->setValue(int(row.AsInteger(QStringLiteral("g_zdkc"))));
    g_jj->setValue(row.AsFloat(QStringLiteral("g_jj")));
    g_sj->setValue(row.AsFloat(QStringLiteral("g_sj")));
    g_bz->setText(text("g_bz"));
}
