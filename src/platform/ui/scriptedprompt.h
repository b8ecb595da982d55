#pragma once
#include "platform/ui/prompt.h"

#include <QHash>
#include <QList>
#include <deque>
#include <functional>

// The test double of Prompt: records every message, answers questions, prompts and
// file dialogs from queues, and runs a script for each modal window instead of
// blocking. An unscripted question or modal window is reported through OnFailure.
class ScriptedPrompt : public Prompt::Handler {
public:
    struct Shown {
        QString kind; // "message", "question", "input", "open", "save", "dir", "url", "font", "modal"
        QString text;
        QString caption;
    };
    // A modal script receives the window (already shown and activated) and returns its result.
    using ModalScript = std::function<int(QDialog*)>;

    ScriptedPrompt();
    ~ScriptedPrompt() override;

    void Answer(Prompt::Answer a) { answers_.push_back(a); }
    void AnswerText(std::optional<QString> t) { texts_.push_back(std::move(t)); }
    void AnswerFile(const QString& path) { files_.push_back(path); }
    void AnswerUrl(bool ok) { urls_.push_back(ok); }
    // The next font dialog's answer: a point size, or nothing for Cancel.
    void AnswerFont(std::optional<int> pointSize) { fonts_.push_back(pointSize); }
    // Scripts the next modal showing of a window of that object or class name ("" = any).
    void OnModal(const QString& name, ModalScript script) { modals_.push_back({ name, std::move(script) }); }
    // Unscripted modal windows are shown, activated and closed as Rejected when this is on.
    void SetRejectUnscriptedModals(bool on) { rejectUnscripted_ = on; }
    std::function<void(const QString&)> OnFailure;

    const QList<Shown>& History() const { return history_; }
    QStringList Messages() const;
    QString LastMessage() const;
    QStringList Questions() const;
    QStringList ModalNames() const;
    bool AllAnswersUsed() const
    {
        return answers_.empty() && texts_.empty() && files_.empty() && modals_.empty() && fonts_.empty();
    }
    void Clear();

    void Message(const QString& text, const QString& caption, Prompt::Icon icon) override;
    Prompt::Answer Question(const QString& text, const QString& caption, bool withCancel, Prompt::Icon icon) override;
    std::optional<QString> InputText(
        const QString& caption, const QString& label, const QString& value, bool password) override;
    QString OpenFileName(const QString& caption, const QString& filter, const QString& dir) override;
    QString SaveFileName(const QString& caption, const QString& filter, const QString& suggested) override;
    QString Directory(const QString& caption, const QString& dir) override;
    bool OpenUrl(const QUrl& url) override;
    std::optional<QFont> ChooseFont(const QFont& initial, const QString& caption) override;
    int ShowModal(QDialog* dialog) override;

private:
    void Fail(const QString& what);
    QString NextFile(const QString& kind, const QString& caption);

    QList<Shown> history_;
    std::deque<Prompt::Answer> answers_;
    std::deque<std::optional<QString>> texts_;
    std::deque<QString> files_;
    std::deque<bool> urls_;
    std::deque<std::optional<int>> fonts_;
    std::deque<std::pair<QString, ModalScript>> modals_;
    bool rejectUnscripted_ = true;
};
