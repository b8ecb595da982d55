#pragma once
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QDialog;
class QWidget;

// Every message box, question, text prompt, file dialog, page opening and modal
// showing of the program goes through here, so that tests can answer them.
namespace Prompt {

enum class Answer { Ok, Yes, No, Cancel };
enum class Icon { None, Information, Warning, Error, Question };

inline const QString kInfoCaption = QStringLiteral("系统提示");
inline const QString kAskCaption = QStringLiteral("信息提醒");

class Handler {
public:
    virtual ~Handler() = default;
    virtual void Message(const QString& text, const QString& caption, Icon icon) = 0;
    // withCancel: Yes/No/Cancel, otherwise Yes/No.
    virtual Answer Question(const QString& text, const QString& caption, bool withCancel, Icon icon) = 0;
    virtual std::optional<QString> InputText(
        const QString& caption, const QString& label, const QString& value, bool password)
        = 0;
    virtual QString OpenFileName(const QString& caption, const QString& filter, const QString& dir) = 0;
    virtual QString SaveFileName(const QString& caption, const QString& filter, const QString& suggested) = 0;
    virtual QString Directory(const QString& caption, const QString& dir) = 0;
    virtual bool OpenUrl(const QUrl& url) = 0;
    // The font dialog; nothing when the operator cancels.
    virtual std::optional<QFont> ChooseFont(const QFont& initial, const QString& caption) = 0;
    virtual int ShowModal(QDialog* dialog) = 0;
};

// The handler in force; the default one shows real dialogs.
Handler& Current();
// Replace the handler (tests); nullptr restores the default.
void Install(Handler* handler);

// A message captioned "系统提示" with an OK button.
void Info(const QString& text, const QString& caption = kInfoCaption, Icon icon = Icon::None);
// A question captioned "信息提醒" with Yes and No.
Answer YesNo(const QString& text, const QString& caption = kAskCaption, Icon icon = Icon::Question);
// A question with Yes, No and Cancel (closing with unsaved work).
Answer YesNoCancel(const QString& text, const QString& caption = kAskCaption, Icon icon = Icon::Question);
// A line of text; nothing when the operator cancels.
std::optional<QString> Text(
    const QString& caption, const QString& label, const QString& value = QString(), bool password = false);
QString OpenFile(const QString& caption, const QString& filter, const QString& dir = QString());
QString SaveFile(const QString& caption, const QString& filter, const QString& suggested = QString());
QString ChooseDirectory(const QString& caption, const QString& dir = QString());
bool OpenDocument(const QUrl& url);
// A font, starting from `initial`; nothing when the operator cancels.
std::optional<QFont> Font(const QFont& initial, const QString& caption = QString());
// Shows a window modally and returns its result (QDialog::Accepted or Rejected).
int ShowModal(QDialog* dialog);

}
