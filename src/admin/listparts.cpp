#include "admin/listparts.h"

#include "foundation/datamodule.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QHBoxLayout>
#include <QPushButton>

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
