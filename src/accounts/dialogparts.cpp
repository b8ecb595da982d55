#include "accounts/dialogparts.h"

#include "foundation/keypreview.h"
#include "platform/ui/form.h"

#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
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
