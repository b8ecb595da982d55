#include "pos/poskey.h"

#include "foundation/keynames.h"
#include "platform/ui/prompt.h"
#include "pos/poskeys.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_PosKey::TF_PosKey(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_PosKey"));
    setWindowTitle(QStringLiteral("快捷键设置"));
    resize(420, 520);
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("功能表："), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("快捷键："), this), 0, 1);
    int row = 1;
    for (const QString& f : Functions()) {
        grid->addWidget(new QLabel(f + QStringLiteral("："), this), row, 0);
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->installEventFilter(this);
        edits << edit;
        grid->addWidget(edit, row++, 1);
    }
    box->addLayout(grid);
    auto* note = new QLabel(QStringLiteral("快捷键不能设置成数字键或字母键，请选用各功能键！\r(默认F5为“付款”的快捷键，"
                                           "上下方向键为选择记录键！)"),
        this);
    note->setWordWrap(true);
    box->addWidget(note);
    auto* buttons = new QHBoxLayout;
    btnSet = new QPushButton(QStringLiteral("单击该按钮开始设置快捷键"), this);
    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    for (QPushButton* b : { btnSet, btnOK, btnExit }) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    box->addLayout(buttons);
    connect(btnSet, &QPushButton::clicked, this, &TF_PosKey::btnSetClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_PosKey::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_PosKey::btnExitClick);
}

const QStringList& TF_PosKey::Functions()
{
    static const QStringList names = { QStringLiteral("付款结账"), QStringLiteral("浏览图片"),
        QStringLiteral("打开钱箱"), QStringLiteral("挂单"), QStringLiteral("解挂"), QStringLiteral("删除当前"),
        QStringLiteral("删除全部"), QStringLiteral("修改数量"), QStringLiteral("选择会员"), QStringLiteral("锁定屏幕"),
        QStringLiteral("修改折扣"), QStringLiteral("设为赠品") };
    return names;
}

void TF_PosKey::FormActivate()
{
    for (int i = 0; i < edits.size(); ++i) {
        edits[i]->setText(GetPosKeyName(Functions()[i]));
        edits[i]->setEnabled(false);
    }
}

void TF_PosKey::btnSetClick()
{
    for (QLineEdit* e : edits)
        e->setEnabled(true);
    if (!edits.isEmpty())
        edits.first()->setFocus();
}

void TF_PosKey::btnOKClick()
{
    accept();
}

void TF_PosKey::btnExitClick()
{
    reject();
}

void TF_PosKey::saveValue(int row, int keyCode)
{
    if (row < 0 || row >= edits.size())
        return;
    bool bound = false;
    const QString refusal = BindPosKey(Functions()[row], keyCode, &bound);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (bound)
        edits[row]->setText(KeyCodeToName(keyCode));
}

bool TF_PosKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        const int row = edits.indexOf(qobject_cast<QLineEdit*>(watched));
        auto* key = static_cast<QKeyEvent*>(event);
        if (row >= 0 && !key->isAutoRepeat()) {
            saveValue(row, VirtualKeyOf(key->key(), key->modifiers()));
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}
