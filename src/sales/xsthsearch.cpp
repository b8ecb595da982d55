#include "sales/xsthsearch.h"

#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Xsth_Search::TF_Xsth_Search(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Xsth_Search"));
    setWindowTitle(QStringLiteral("高级查询"));
    resize(308, 280);
    auto* box = new QVBoxLayout(this);
    auto* kh = new QHBoxLayout;
    kh->addWidget(new QLabel(QStringLiteral("客户名称："), this));
    tkh = new QLineEdit(this);
    tkh->setObjectName(QStringLiteral("tkh"));
    InstallGoodsTextFilter(tkh);
    kh->addWidget(tkh, 1);
    btnGhs = NamedButton(this, "btnGhs", "…", kh);
    box->addLayout(kh);
    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("开单日期："), this));
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    dates->addWidget(tdate1);
    dates->addWidget(new QLabel(QStringLiteral("至："), this));
    dates->addWidget(tdate2);
    box->addLayout(dates);
    const auto row = [&](const char* caption, KeyedCombo*& combo, const char* name) {
        auto* line = new QHBoxLayout;
        line->addWidget(new QLabel(QString::fromUtf8(caption), this));
        combo = new KeyedCombo(this);
        combo->setObjectName(QLatin1String(name));
        line->addWidget(combo, 1);
        box->addLayout(line);
    };
    row("仓库名称：", comCk, "comCk");
    row("操  作  员：", comAdmin, "comAdmin");
    auto* cls = new QHBoxLayout;
    cls->addWidget(new QLabel(QStringLiteral("商品类别："), this));
    tsplb = new QLineEdit(this);
    tsplb->setObjectName(QStringLiteral("tsplb"));
    tsplb->setReadOnly(true);
    cls->addWidget(tsplb, 1);
    box->addLayout(cls);
    RzPanel_GClass = new CategoryPanel(this, QStringLiteral("Q_GClass5"), tsplb, [] {
        Query& q = F_DataModule->Q(QStringLiteral("Q_GClass5"));
        SelectedSn = q.Active() && !q.IsEmpty() ? q.AsString(QStringLiteral("gc_sn")) : QString();
    });
    RzPanel_GClass->resize(300, 260);
    tsplb->installEventFilter(RzPanel_GClass);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnOK = NamedButton(this, "btnOK", "查询(F5)", bar);
    btnCancel = NamedButton(this, "btnCancel", "退出(Esc)", bar);
    box->addLayout(bar);
    connect(btnGhs, &QPushButton::clicked, this, &TF_Xsth_Search::btnGhsClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Xsth_Search::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Xsth_Search::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    SetPeriod(tdate1, tdate2, PresetPeriod(DatePreset::LastMonth, Clock::Today()));
    FillWarehouseChoice(*comCk);
    FillCombo(*comAdmin, QStringLiteral("jxc_admin"), QStringLiteral("a_name"), QStringLiteral("a_sn"),
        QStringLiteral("id"), QStringLiteral("所有操作员"));
    comAdmin->setCurrentIndex(comAdmin->count() > 0 ? 0 : -1);
    RzPanel_GClass->Prepare();
    tsplb->clear();
    tkh->clear();
    tkh->setFocus();
}

void TF_Xsth_Search::btnGhsClick()
{
    TF_Xsth_Search_KhSele picker(tkh, this);
    picker.move(mapToGlobal(QPoint(-80, 45)));
    picker.ShowModal();
}

void TF_Xsth_Search::btnOKClick()
{
    AuxTag = QStringLiteral("1");
    close();
}

void TF_Xsth_Search::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnOKClick();
        return;
    }
    Form::keyPressEvent(e);
}

TF_Xsth_Search_KhSele::TF_Xsth_Search_KhSele(QLineEdit* target, QWidget* parent) : Form(parent), target_(target)
{
    setObjectName(QStringLiteral("TF_Xsth_Search_KhSele"));
    setWindowFlag(Qt::FramelessWindowHint);
    resize(640, 400);
    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("查找客户(F2)："), this));
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setPlaceholderText(QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询"));
    InstallGoodsTextFilter(tkey);
    top->addWidget(tkey, 1);
    btnKhOK = NamedButton(this, "btnKhOK", "确定(F5)", top);
    btnKhModi = NamedButton(this, "btnKhModi", "修改(F9)", top);
    btnKhExit = NamedButton(this, "btnKhExit", "退出(Esc)", top);
    box->addLayout(top);
    cxGridKhView = new DataGrid(this);
    cxGridKhView->setObjectName(QStringLiteral("cxGridKhView"));
    cxGridKhView->SetDataSource(&F_DataModule->D(QStringLiteral("D_Khxx")));
    AddGridColumns(*cxGridKhView,
        { { "kh_sn", "客户编号", "80" }, { "kh_name", "客户名称", "160" }, { "kh_lxr", "联系人", "80" },
            { "kh_tele", "联系电话", "100" }, { "kh_address", "联系地址", "200" } });
    box->addWidget(cxGridKhView, 1);
    connect(tkey, &QLineEdit::textChanged, this, &TF_Xsth_Search_KhSele::tkeyChange);
    connect(btnKhOK, &QPushButton::clicked, this, &TF_Xsth_Search_KhSele::btnKhOKClick);
    connect(cxGridKhView, &DataGrid::rowDoubleClicked, this, [this] { btnKhOKClick(); });
    connect(btnKhModi, &QPushButton::clicked, this, &TF_Xsth_Search_KhSele::btnKhModiClick);
    connect(btnKhExit, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Xsth_Search_KhSele::FormActivate()
{
    OpenCustomerList(QStringLiteral("0"));
    tkeyChange();
}

void TF_Xsth_Search_KhSele::tkeyChange()
{
    KhFilter(*cxGridKhView, tkey->text().trimmed());
}

void TF_Xsth_Search_KhSele::btnKhOKClick()
{
    const int row = cxGridKhView->CurrentRow();
    if (row < 0 || cxGridKhView->RowCount() == 0)
        return;
    if (target_)
        target_->setText(cxGridKhView->Value(row, QStringLiteral("kh_name")).toString());
    close();
}

void TF_Xsth_Search_KhSele::btnKhModiClick()
{
    if (cxGridKhView->RowCount() == 0)
        return;
    FunctionWindows::Open(QStringLiteral("TF_Khgl_Modi"), FunctionWindows::Lifetime::Freed);
    OpenCustomerList(QStringLiteral("0"));
}

void TF_Xsth_Search_KhSele::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnKhOKClick();
        return;
    }
    if (e->key() == Qt::Key_F9) {
        btnKhModiClick();
        return;
    }
    Form::keyPressEvent(e);
}

void TF_Xsth_Search_KhSele::hideEvent(QHideEvent* e)
{
    F_DataModule->Q(QStringLiteral("Q_Khxx")).Close();
    Form::hideEvent(e);
}
