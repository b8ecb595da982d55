#include "accounts/dialogparts.h"

#include "foundation/datamodule.h"
#include "foundation/keypreview.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/form.h"

#include <QDateEdit>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

QPushButton* MakeAccountsButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit* MakeAmountEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setValidator(new QDoubleValidator(e));
    e->setAlignment(Qt::AlignRight);
    return e;
}

void LayOutDialog(QWidget* dialog, QFormLayout* form, QWidget* left, std::initializer_list<QPushButton*> right)
{
    auto* buttons = new QHBoxLayout;
    if (left)
        buttons->addWidget(left);
    buttons->addStretch(1);
    for (QPushButton* b : right)
        buttons->addWidget(b);
    auto* root = new QVBoxLayout(dialog);
    root->addLayout(form);
    root->addLayout(buttons);
}

void InstallConfirmKeys(Form* dialog, const std::function<void()>& confirm)
{
    KeyPreview::Install(dialog, [dialog, confirm](QKeyEvent* e) {
        if (e->key() == Qt::Key_F5) {
            confirm();
            return true;
        }
        if (e->key() == Qt::Key_Escape) {
            dialog->reject();
            return true;
        }
        return false;
    });
}

DataGrid* MakeListGrid(QWidget* parent, const char* name, const QString& dataset)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->SetDataSource(&F_DataModule->D(dataset));
    g->SetFooterVisible(true);
    return g;
}

void SetAmountFormats(const QList<QPair<DataGrid*, QString>>& columns)
{
    for (const auto& [grid, field] : columns) {
        const int col = grid->ColumnByField(field);
        if (col < 0)
            continue;
        SetAmountColumnFormat(GridColumnFormat(*grid, col));
        SetAmountSummaryFormat(GridFooterFormat(*grid, col));
    }
}

PartnerSearchRow MakePartnerSearchRow(
    QWidget* parent, bool customers, const char* fromName, const char* toName, const std::function<void()>& search)
{
    PartnerSearchRow r;
    r.from = MakeDateEdit(parent, fromName);
    r.to = MakeDateEdit(parent, toName);
    r.presets = MakePresetButton(parent, r.from, r.to, search);
    r.partner = new QLineEdit(parent);
    r.partner->setObjectName(customers ? QStringLiteral("tKhName1") : QStringLiteral("tkey"));
    r.pick = new QToolButton(parent);
    r.pick->setObjectName(QStringLiteral("btnGhsSele"));
    r.pick->setText(QStringLiteral("…"));
    r.key = new QLineEdit(parent);
    r.key->setObjectName(customers ? QStringLiteral("tkey") : QStringLiteral("tkey2"));
    r.search = MakeAccountsButton(parent, "btnSearch1", QStringLiteral("查询(F2)"));
    r.layout = new QHBoxLayout;
    r.layout->addWidget(new QLabel(QStringLiteral("开单日期："), parent));
    r.layout->addWidget(r.from);
    r.layout->addWidget(new QLabel(QStringLiteral("至"), parent));
    r.layout->addWidget(r.to);
    r.layout->addWidget(r.presets);
    r.layout->addWidget(new QLabel(customers ? QStringLiteral("客户名称：") : QStringLiteral("供货商名称："), parent));
    r.layout->addWidget(r.partner, 1);
    r.layout->addWidget(r.pick);
    r.layout->addWidget(new QLabel(QStringLiteral("单据号/备注："), parent));
    r.layout->addWidget(r.key, 1);
    r.layout->addWidget(r.search);
    QObject::connect(r.search, &QPushButton::clicked, parent, search);
    return r;
}

void WirePagedWindow(Form* window, QTabWidget* pages, std::initializer_list<QRadioButton*> views,
    const bool& activating, const std::function<void()>& viewSearch, const std::function<void()>& pageSearch,
    const std::function<bool(int)>& keyDown)
{
    for (QRadioButton* r : views)
        QObject::connect(r, &QRadioButton::toggled, window, [&activating, viewSearch](bool on) {
            if (on && !activating)
                viewSearch();
        });
    QObject::connect(pages, &QTabWidget::currentChanged, window, [&activating, pageSearch] {
        if (!activating)
            pageSearch();
    });
    KeyPreview::Install(window, [keyDown](QKeyEvent* e) { return keyDown(e->key()); });
}

bool PagedWindowKey(Form* window, int key, const std::function<void()>& pageSearch)
{
    if (key == Qt::Key_F2) {
        pageSearch();
        return true;
    }
    if (key == Qt::Key_Escape) {
        window->close();
        return true;
    }
    return false;
}

bool EntryDialogKey(Form* dialog, int key, const std::function<void()>& confirm, const std::function<void()>& print)
{
    switch (key) {
    case Qt::Key_F5:
        confirm();
        return true;
    case Qt::Key_F4:
        print();
        return true;
    case Qt::Key_Escape:
        dialog->reject();
        return true;
    default:
        return false;
    }
}

bool PartnerListKey(Form* window, PartnerPanel* panel, int key, const std::function<void()>& search)
{
    if (const auto use = panel->HandleKey(key); use != PartnerPanel::KeyUse::PanelHidden)
        return use == PartnerPanel::KeyUse::Used;
    return PagedWindowKey(window, key, search);
}
