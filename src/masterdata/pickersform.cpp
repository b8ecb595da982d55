#include "masterdata/pickersform.h"

#include "foundation/keypreview.h"
#include "masterdata/keyfilter.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/form.h"
#include "platform/ui/prompt.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void InstallDialogKeys(Form* form, std::function<void()> onF5)
{
    KeyPreview::Install(form, [form, onF5](QKeyEvent* e) {
        if (e->key() == Qt::Key_F5) {
            onF5();
            return true;
        }
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
            // A button takes Enter as its own click.
            if (qobject_cast<QPushButton*>(form->focusWidget()))
                return false;
            if (QWidget* w = form->focusWidget()) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(w, &tab);
            }
            return true;
        }
        return false;
    });
}

QPushButton* AddButton(QBoxLayout* row, QWidget* parent, const QString& caption, std::function<void()> handler)
{
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, parent, [handler] { handler(); });
    row->addWidget(b);
    return b;
}

void InformRefusal(const QString& text)
{
    Prompt::Info(text, Prompt::kInfoCaption, Prompt::Icon::Information);
}

QLineEdit* AddSearchLine(QBoxLayout* box, QWidget* parent, const QString& label, const QString& buttonCaption,
    std::function<void()> handler, QPushButton** button)
{
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(label, parent));
    QLineEdit* tkey = NamedEdit(parent, "tkey", 64);
    DiscardSearchPunctuation(tkey);
    line->addWidget(tkey, 1);
    QPushButton* b = AddButton(line, parent, buttonCaption, handler);
    if (button)
        *button = b;
    box->addLayout(line);
    return tkey;
}

void FilterGridByText(DataGrid& grid, const QString& text, const QStringList& fields)
{
    grid.SetFilterActive(false);
    grid.ClearFilter();
    grid.SetFilterJoin(GridFilter::Join::Or);
    if (text.isEmpty())
        return;
    for (const QString& f : fields)
        grid.AddFilter(f, QLatin1Char('%') + text + QLatin1Char('%'));
    grid.SetFilterActive(true);
}

void AddDialogButtons(
    QBoxLayout* box, Form* form, const QString& confirm, const QString& close, std::function<void()> onConfirm)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    AddButton(row, form, confirm, onConfirm);
    AddButton(row, form, close, [form] { form->close(); });
    box->addLayout(row);
    InstallDialogKeys(form, std::move(onConfirm));
}
