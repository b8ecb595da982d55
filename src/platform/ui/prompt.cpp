#include "platform/ui/prompt.h"

#include "platform/ui/form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(Prompt::Icon icon)
{
    switch (icon) {
    case Prompt::Icon::Information:
        return QMessageBox::Information;
    case Prompt::Icon::Warning:
        return QMessageBox::Warning;
    case Prompt::Icon::Error:
        return QMessageBox::Critical;
    case Prompt::Icon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

class ScreenHandler : public Prompt::Handler {
public:
    void Message(const QString& text, const QString& caption, Prompt::Icon icon) override
    {
        QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, QApplication::activeWindow());
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.exec();
    }

    Prompt::Answer Question(const QString& text, const QString& caption, bool withCancel, Prompt::Icon icon) override
    {
        auto buttons = QMessageBox::Yes | QMessageBox::No;
        if (withCancel)
            buttons |= QMessageBox::Cancel;
        QMessageBox box(boxIcon(icon), caption, text, buttons, QApplication::activeWindow());
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        if (withCancel)
            box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Prompt::Answer::Yes;
        case QMessageBox::No:
            return Prompt::Answer::No;
        default:
            return withCancel ? Prompt::Answer::Cancel : Prompt::Answer::No;
        }
    }

    std::optional<QString> InputText(
        const QString& caption, const QString& label, const QString& value, bool password) override
    {
        bool ok = false;
        QString t = QInputDialog::getText(QApplication::activeWindow(), caption, label,
            password ? QLineEdit::Password : QLineEdit::Normal, value, &ok);
        if (!ok)
            return std::nullopt;
        return t;
    }

    QString OpenFileName(const QString& caption, const QString& filter, const QString& dir) override
    {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, dir, filter);
    }

    QString SaveFileName(const QString& caption, const QString& filter, const QString& suggested) override
    {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested, filter);
    }

    QString Directory(const QString& caption, const QString& dir) override
    {
        return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, dir);
    }

    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

    std::optional<QFont> ChooseFont(const QFont& initial, const QString& caption) override
    {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), caption);
        if (!ok)
            return std::nullopt;
        return f;
    }

    int ShowModal(QDialog* dialog) override { return dialog->exec(); }
};

ScreenHandler g_screen;
Prompt::Handler* g_handler = nullptr;

} // namespace

namespace Prompt {

Handler& Current()
{
    return g_handler ? *g_handler : static_cast<Handler&>(g_screen);
}

void Install(Handler* handler)
{
    g_handler = handler;
}

void Info(const QString& text, const QString& caption, Icon icon)
{
    Current().Message(text, caption, icon);
}

Answer YesNo(const QString& text, const QString& caption, Icon icon)
{
    return Current().Question(text, caption, false, icon);
}

Answer YesNoCancel(const QString& text, const QString& caption, Icon icon)
{
    return Current().Question(text, caption, true, icon);
}

std::optional<QString> Text(const QString& caption, const QString& label, const QString& value, bool password)
{
    return Current().InputText(caption, label, value, password);
}

QString OpenFile(const QString& caption, const QString& filter, const QString& dir)
{
    return Current().OpenFileName(caption, filter, dir);
}

QString SaveFile(const QString& caption, const QString& filter, const QString& suggested)
{
    return Current().SaveFileName(caption, filter, suggested);
}

QString ChooseDirectory(const QString& caption, const QString& dir)
{
    return Current().Directory(caption, dir);
}

bool OpenDocument(const QUrl& url)
{
    return Current().OpenUrl(url);
}

std::optional<QFont> Font(const QFont& initial, const QString& caption)
{
    return Current().ChooseFont(initial, caption);
}

int ShowModal(QDialog* dialog)
{
    // The window underneath learns when its modal child has closed, so that it can
    // run its activation again where it asked for that.
    Form* owner = Form::TopModal();
    Form::PushModal(qobject_cast<Form*>(dialog));
    int result;
    try {
        result = Current().ShowModal(dialog);
    } catch (...) {
        Form::PopModal(qobject_cast<Form*>(dialog));
        throw;
    }
    Form::PopModal(qobject_cast<Form*>(dialog));
    if (owner && owner != dialog)
        owner->ModalChildClosed();
    return result;
}

}
