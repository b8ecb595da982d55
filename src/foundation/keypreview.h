#pragma once
#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Lets a window see key presses before its controls do: the handler runs for every
// key press inside the window and returns true when it has taken the key.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QKeyEvent*)>;
    // Watches the window and every control it holds now; owned by the window.
    static KeyPreview* Install(QWidget* window, Handler handler);
    // A window's one shortcut, such as F2 for its search.
    static KeyPreview* InstallKey(QWidget* window, int key, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyPreview(QWidget* window, Handler handler);
    Handler handler_;
};
