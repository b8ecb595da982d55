#include "masterdata/pickersform.h"

#include "foundation/keypreview.h"
#include "platform/ui/form.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QKeyEvent>
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
