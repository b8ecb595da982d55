#include "platform/ui/scriptedprompt.h"

#include <QDialog>

ScriptedPrompt::ScriptedPrompt() = default;
ScriptedPrompt::~ScriptedPrompt() = default;

void ScriptedPrompt::Fail(const QString& what)
{
    if (OnFailure)
        OnFailure(what);
}

QStringList ScriptedPrompt::Messages() const
{
    QStringList out;
    for (const Shown& s : history_)
        if (s.kind == QLatin1String("message"))
            out << s.text;
    return out;
}

QString ScriptedPrompt::LastMessage() const
{
    QStringList m = Messages();
    return m.isEmpty() ? QString() : m.last();
}

QStringList ScriptedPrompt::Questions() const
{
    QStringList out;
    for (const Shown& s : history_)
        if (s.kind == QLatin1String("question"))
            out << s.text;
    return out;
}

QStringList ScriptedPrompt::ModalNames() const
{
    QStringList out;
    for (const Shown& s : history_)
        if (s.kind == QLatin1String("modal"))
            out << s.text;
    return out;
}

void ScriptedPrompt::Clear()
{
    history_.clear();
    answers_.clear();
    texts_.clear();
    files_.clear();
    urls_.clear();
    fonts_.clear();
    modals_.clear();
}

void ScriptedPrompt::Message(const QString& text, const QString& caption, Prompt::Icon)
{
    history_.append({ QStringLiteral("message"), text, caption });
}

Prompt::Answer ScriptedPrompt::Question(const QString& text, const QString& caption, bool withCancel, Prompt::Icon)
{
    history_.append({ QStringLiteral("question"), text, caption });
    if (answers_.empty()) {
        Fail(QStringLiteral("unscripted question: ") + text);
        return withCancel ? Prompt::Answer::Cancel : Prompt::Answer::No;
    }
    Prompt::Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<QString> ScriptedPrompt::InputText(const QString& caption, const QString& label, const QString&, bool)
{
    history_.append({ QStringLiteral("input"), label, caption });
    if (texts_.empty()) {
        Fail(QStringLiteral("unscripted text prompt: ") + label);
        return std::nullopt;
    }
    auto t = texts_.front();
    texts_.pop_front();
    return t;
}

QString ScriptedPrompt::NextFile(const QString& kind, const QString& caption)
{
    history_.append({ kind, QString(), caption });
    if (files_.empty()) {
        Fail(QStringLiteral("unscripted file dialog: ") + caption);
        return QString();
    }
    QString f = files_.front();
    files_.pop_front();
    return f;
}

QString ScriptedPrompt::OpenFileName(const QString& caption, const QString&, const QString&)
{
    return NextFile(QStringLiteral("open"), caption);
}

QString ScriptedPrompt::SaveFileName(const QString& caption, const QString&, const QString&)
{
    return NextFile(QStringLiteral("save"), caption);
}

QString ScriptedPrompt::Directory(const QString& caption, const QString&)
{
    return NextFile(QStringLiteral("dir"), caption);
}

bool ScriptedPrompt::OpenUrl(const QUrl& url)
{
    history_.append({ QStringLiteral("url"), url.toString(), QString() });
    if (urls_.empty())
        return true;
    bool ok = urls_.front();
    urls_.pop_front();
    return ok;
}

std::optional<QFont> ScriptedPrompt::ChooseFont(const QFont& initial, const QString& caption)
{
    history_.append({ QStringLiteral("font"), QString(), caption });
    if (fonts_.empty()) {
        Fail(QStringLiteral("unscripted font dialog: ") + caption);
        return std::nullopt;
    }
    const std::optional<int> size = fonts_.front();
    fonts_.pop_front();
    if (!size)
        return std::nullopt;
    QFont f = initial;
    f.setPointSize(*size);
    return f;
}

int ScriptedPrompt::ShowModal(QDialog* dialog)
{
    const QString cls = QString::fromLatin1(dialog->metaObject()->className());
    const QString obj = dialog->objectName();
    history_.append({ QStringLiteral("modal"), cls, dialog->windowTitle() });
    ModalScript script;
    for (auto it = modals_.begin(); it != modals_.end(); ++it) {
        if (it->first.isEmpty() || it->first == cls || it->first == obj) {
            script = std::move(it->second);
            modals_.erase(it);
            break;
        }
    }
    if (!script && !rejectUnscripted_)
        Fail(QStringLiteral("unscripted modal window: ") + cls);
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    int result = script ? script(dialog) : QDialog::Rejected;
    if (dialog->isVisible())
        dialog->hide();
    return result;
}
