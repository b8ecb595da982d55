#include "platform/ui/form.h"

#include "platform/ui/prompt.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <vector>

namespace {
std::vector<Form*> g_modal;
}

Form::Form(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void Form::ApplyFontSize(int points)
{
    if (points <= 0)
        return;
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

int Form::ShowModal()
{
    return Prompt::ShowModal(this);
}

Form* Form::TopModal()
{
    return g_modal.empty() ? nullptr : g_modal.back();
}

void Form::PushModal(Form* f)
{
    g_modal.push_back(f);
}

void Form::PopModal(Form* f)
{
    for (auto it = g_modal.rbegin(); it != g_modal.rend(); ++it)
        if (*it == f) {
            g_modal.erase(std::next(it).base());
            return;
        }
}

void Form::ModalChildClosed()
{
    if (reactivateAfterModal_ && isVisible())
        Activate();
}

void Form::Activate()
{
    ++activations_;
    FormActivate();
}

void Form::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        Activate();
}

void Form::closeEvent(QCloseEvent* e)
{
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    // QDialog closes through reject(); the question has been answered already.
    closeApproved_ = true;
    QDialog::closeEvent(e);
    closeApproved_ = false;
}

void Form::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && !escCloses_) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Form::reject()
{
    if (!closeApproved_ && !FormCloseQuery())
        return;
    QDialog::reject();
}

QLineEdit* NamedEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}
