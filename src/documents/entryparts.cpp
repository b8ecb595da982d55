#include "documents/entryparts.h"

#include "documents/docwindow.h"
#include "foundation/settings.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

BarcodePanel::BarcodePanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("RzPanel_Tm"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    img_Tm = NamedLabel(this, "▤", "img_Tm");
    img_Move = NamedLabel(this, "✥", "img_Move");
    tSptm = new QLineEdit(this);
    tSptm->setObjectName(QStringLiteral("tSptm"));
    tSptm->setMaxLength(32);
    btnPanelMenu = NamedButton(this, "btnPanelMenu", "▾");
    btnPanelClose = NamedButton(this, "btnPanelClose", "X");
    row->addWidget(img_Move);
    row->addWidget(img_Tm);
    row->addWidget(NamedLabel(this, "条码："));
    row->addWidget(tSptm);
    row->addWidget(btnPanelMenu);
    row->addWidget(btnPanelClose);
    resize(360, 40);
    img_Tm->installEventFilter(this);
    img_Move->installEventFilter(this);
    PopupMenu_Tm = new QMenu(this);
    PopupMenu_Tm->addAction(QStringLiteral("隐藏条码输入面板(&X)"), this, &BarcodePanel::btnPanelCloseClick);
    btnPanelAdd = PopupMenu_Tm->addAction(QStringLiteral("同一条码不能重复添加商品(&Y)"));
    btnPanelAdd->setCheckable(true);
    btnPanelModi = PopupMenu_Tm->addAction(QStringLiteral("添加完商品后打开修改窗口(&Z)"));
    btnPanelModi->setCheckable(true);
    connect(btnPanelMenu, &QPushButton::clicked, this, &BarcodePanel::btnPanelMenuClick);
    connect(btnPanelClose, &QPushButton::clicked, this, &BarcodePanel::btnPanelCloseClick);
}

void BarcodePanel::btnPanelMenuClick()
{
    PopupMenu_Tm->popup(btnPanelMenu->mapToGlobal(QPoint(-40, 13)));
}

void BarcodePanel::btnPanelCloseClick()
{
    hide();
}

void BarcodePanel::Place(int windowHeight, int tabHeight)
{
    if (windowHeight <= 650)
        move(16, 388);
    else
        move(16, tabHeight - 150);
}

bool BarcodePanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == img_Tm || watched == img_Move) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (e->type() == QEvent::MouseButtonPress)
            dragStart_ = m->globalPosition().toPoint() - pos();
        else if (e->type() == QEvent::MouseMove && (m->buttons() & Qt::LeftButton))
            move(m->globalPosition().toPoint() - dragStart_);
    }
    return QFrame::eventFilter(watched, e);
}

EntryGridMenu NewEntryGridMenu(QWidget* owner, DataGrid* grid, BarcodePanel* panel, const EntryGridActions& actions)
{
    EntryGridMenu m;
    m.menu = new QMenu(owner);
    m.btnRAdd = m.menu->addAction(actions.addCaption, owner, actions.add);
    m.btnRModi = m.menu->addAction(QStringLiteral("修改商品(&W)"), owner, actions.modify);
    m.btnRDel = m.menu->addAction(QStringLiteral("删除商品(&X)"), owner, actions.remove);
    m.btnPrinSub = m.menu->addMenu(QStringLiteral("打印单据(&Y)"));
    if (actions.print)
        m.btnPrinSub->addAction(actions.printCaption, owner, actions.print);
    else
        m.btnPrinSub->addAction(actions.printCaption);
    if (actions.preview)
        m.btnPrinSub->addAction(actions.previewCaption, owner, actions.preview);
    else
        m.btnPrinSub->addAction(actions.previewCaption);
    m.btnRTm = m.menu->addAction(
        QStringLiteral("隐藏条码输入面板(&Z)"), owner, [panel] { panel->setVisible(!panel->isVisible()); });
    const EntryGridMenu shown = m;
    const std::function<bool()> hasLines = actions.hasLines;
    QObject::connect(grid, &DataGrid::rightClicked, owner, [shown, hasLines, panel](const QPoint& at) {
        const bool rows = hasLines();
        shown.btnRModi->setEnabled(rows);
        shown.btnRDel->setEnabled(rows);
        shown.btnPrinSub->setEnabled(rows && !IsTrue(NoPrintBeforeSave));
        shown.btnRTm->setText(
            panel->isVisible() ? QStringLiteral("隐藏条码输入面板(&Z)") : QStringLiteral("显示条码输入面板(&Z)"));
        shown.menu->popup(at);
    });
    return m;
}

QPushButton* NewInOutButton(QWidget* parent, QBoxLayout* row, const QString& importCaption,
    const QString& exportCaption, QAction*& importItem, QAction*& exportItem, const std::function<void()>& onImport,
    const std::function<void()>& onExport)
{
    auto* button = new QPushButton(QStringLiteral("导入导出"), parent);
    button->setObjectName(QStringLiteral("btnInOut"));
    button->setToolTip(QStringLiteral("模板中标题为红色的列,要求必须输入！"));
    auto* menu = new QMenu(button);
    importItem = menu->addAction(importCaption, button, onImport);
    exportItem = menu->addAction(exportCaption, button, onExport);
    button->setMenu(menu);
    row->addWidget(button);
    return button;
}

QFrame* NewAccountPanel(QWidget* parent, const char* caption, KeyedCombo*& comYhzh, QPushButton*& btnYhzhClose)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("RzPanel_Yhzh"));
    panel->setFrameShape(QFrame::Box);
    auto* row = new QHBoxLayout(panel);
    row->addWidget(NamedLabel(panel, caption));
    comYhzh = new KeyedCombo(panel);
    comYhzh->setObjectName(QStringLiteral("comYhzh"));
    row->addWidget(comYhzh, 1);
    btnYhzhClose = NamedButton(panel, "btnYhzhClose", "X");
    row->addWidget(btnYhzhClose);
    QObject::connect(btnYhzhClose, &QPushButton::clicked, panel, &QFrame::hide);
    panel->hide();
    return panel;
}

bool AccountPanelOffered()
{
    return UseCashBank != QLatin1String("0") && UseCashBank != QLatin1String("False");
}
