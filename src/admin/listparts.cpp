#include "admin/listparts.h"

#include "foundation/datamodule.h"
#include "foundation/keypreview.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/form.h"
#include "platform/ui/prompt.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

ListButtons MakeListButtons(QWidget* parent)
{
    ListButtons b { MakeButton(parent, "btn_Add", QStringLiteral("增加")),
        MakeButton(parent, "btn_Modi", QStringLiteral("修改")), MakeButton(parent, "btn_Dele", QStringLiteral("删除")),
        MakeButton(parent, "btn_Exit", QStringLiteral("退出")), new QHBoxLayout };
    for (QPushButton* p : { b.add, b.modi, b.dele, b.exit })
        b.layout->addWidget(p);
    b.layout->addStretch();
    return b;
}

DataGrid* MakeListGrid(QWidget* parent, const QString& dataSource)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(QStringLiteral("cxGridView"));
    DataSource& ds = F_DataModule->D(dataSource);
    ds.SetReadOnly(true);
    grid->SetDataSource(&ds);
    grid->SetFooterVisible(true);
    return grid;
}

bool ConfirmUnlessRefused(const QString& refusal, const QString& question)
{
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return false;
    }
    return Prompt::YesNo(question) == Prompt::Answer::Yes;
}

DialogButtons MakeDialogButtons(
    QWidget* parent, const char* okName, const QString& okCaption, const char* cancelName, const QString& cancelCaption)
{
    DialogButtons b { MakeButton(parent, okName, okCaption), MakeButton(parent, cancelName, cancelCaption),
        new QHBoxLayout };
    b.layout->addStretch();
    b.layout->addWidget(b.ok);
    b.layout->addWidget(b.cancel);
    return b;
}

void InstallActionKeys(Form* window, std::function<void()> action, std::function<void()> escape)
{
    KeyPreview::Install(window, [window, action, escape](QKeyEvent* e) {
        if (e->key() == Qt::Key_F5) {
            action();
            return true;
        }
        if (e->key() == Qt::Key_Escape) {
            if (escape)
                escape();
            else
                window->close();
            return true;
        }
        return false;
    });
}

QTimer* MakeProgressTimer(QObject* parent, std::function<QProgressBar*()> bar)
{
    auto* timer = new QTimer(parent);
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, parent, [timer, bar] {
        QProgressBar* b = bar();
        if (!b)
            return;
        b->setValue(std::min(100, b->value() + 20));
        if (b->value() >= 100)
            timer->stop();
    });
    return timer;
}
