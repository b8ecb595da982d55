#include "masterdata/keyfilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class PunctuationFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(e)->text();
            static const QString discarded = QStringLiteral("!%&',=?[\\]^\"@");
            if (text.size() == 1 && discarded.contains(text[0]))
                return true;
        }
        return QObject::eventFilter(watched, e);
    }
};

}

void DiscardSearchPunctuation(QLineEdit* edit)
{
    edit->installEventFilter(new PunctuationFilter(edit));
}
