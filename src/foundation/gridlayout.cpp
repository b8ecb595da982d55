#include "foundation/gridlayout.h"

#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <stdexcept>

QString GridLayoutConfirmed;
TF_GridMsg* F_GridMsg = nullptr;

namespace {

QString LayoutPath(const QString& name)
{
    return ProgramFolder::File(QStringLiteral("Layout/") + name + QStringLiteral(".ini"));
}

}

TF_GridMsg::TF_GridMsg(QWidget* parent) : Form(parent)
{
    setWindowTitle(QStringLiteral("列表信息界面布局调整操作提示"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(QStringLiteral("操作提示："), this));
    layout->addWidget(new QLabel(QStringLiteral("您可以用鼠标调整当前列表中的列的宽度，"), this));
    layout->addWidget(new QLabel(QStringLiteral("可以使用鼠标移动列的位置。"), this));
    auto* last = new QHBoxLayout;
    last->addWidget(new QLabel(QStringLiteral("调整结束后使用"), this));
    auto* mouse = new QLabel(QStringLiteral("鼠标右键"), this);
    QFont big = mouse->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 6);
    mouse->setFont(big);
    QPalette blue = mouse->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    mouse->setPalette(blue);
    last->addWidget(mouse);
    last->addWidget(new QLabel(QStringLiteral("保存调整的结果。"), this));
    last->addStretch();
    layout->addLayout(last);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnCancel = new QPushButton(QStringLiteral("退出(Esc)"), this);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &TF_GridMsg::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_GridMsg::btnCancelClick);
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_GridMsg::FormActivate()
{
    ApplyFontSize(FontSize);
    GridLayoutConfirmed.clear();
}

void TF_GridMsg::btnOKClick()
{
    GridLayoutConfirmed = QStringLiteral("1");
    accept();
}

void TF_GridMsg::btnCancelClick()
{
    reject();
}

bool TF_GridMsg::FormKeyDown(int key)
{
    if (key == Qt::Key_F5) {
        btnOKClick();
        return true;
    }
    if (key == Qt::Key_Escape) {
        btnCancelClick();
        return true;
    }
    return false;
}

void ShowGridLayoutHint(DataGrid* view)
{
    if (!F_GridMsg)
        F_GridMsg = new TF_GridMsg;
    F_GridMsg->ShowModal();
    if (view)
        view->SetAutoColumnWidth(false);
}

void SaveGridLayout(const QString& name, DataGrid* view)
{
    const QString path = LayoutPath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The file is written afresh, so nothing of an older layout lingers in it.
    if (QFile::exists(path) && !QFile::remove(path))
        throw std::runtime_error(("cannot replace the layout file " + path).toStdString());
    {
        QSettings s(path, QSettings::IniFormat);
        view->SaveLayout(s);
        s.sync();
        if (s.status() != QSettings::NoError)
            throw std::runtime_error(("cannot write the layout file " + path).toStdString());
    }
    Prompt::Info(QStringLiteral("布局调整成功！"), Prompt::kInfoCaption, Prompt::Icon::Information);
    GridLayoutConfirmed.clear();
}

void LoadGridLayout(const QString& name, DataGrid* view)
{
    GridLayoutConfirmed.clear();
    const QString path = LayoutPath(name);
    if (!QFile::exists(path))
        return;
    view->SetAutoColumnWidth(false);
    QSettings s(path, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        throw std::runtime_error(("cannot read the layout file " + path).toStdString());
    view->RestoreLayout(s);
}
