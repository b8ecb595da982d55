#include "foundation/keypreview.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, Handler handler) : QObject(window), handler_(std::move(handler)) { }

KeyPreview* KeyPreview::InstallKey(QWidget* window, int key, std::function<void()> action)
{
    return Install(window, [key, action = std::move(action)](QKeyEvent* e) {
        if (e->key() != key)
            return false;
        action();
        return true;
    });
}

KeyPreview* KeyPreview::Install(QWidget* window, Handler handler)
{
    auto* k = new KeyPreview(window, std::move(handler));
    window->installEventFilter(k);
    for (QWidget* w : window->findChildren<QWidget*>())
        w->installEventFilter(k);
    return k;
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    // A key the handler does not take goes on to the control and may come back here
    // through its parents; the handler only acts on keys it takes, so that is harmless.
    if (event->type() == QEvent::KeyPress && handler_ && handler_(static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}
