#pragma once
#include <QString>
#include <functional>
#include <memory>

class Form;

// The windows that the main window opens live in subsystems built on this one, so
// the main window cannot name their classes. Each subsystem registers its windows
// here by class name ("TF_Cgjh"); the main window opens them by that name with the
// lifetime its function table gives, and shows a function whose window is not
// registered as disabled. Registering a window also names its screenshot for the
// developers' command after its class, so a window is registered once.
namespace FunctionWindows {

enum class Lifetime {
    Kept,  // created on first use and kept until the program ends
    Freed, // created for one showing and freed afterwards
};

struct Entry {
    // A new instance of the window.
    std::function<Form*()> create;
    // The window's own global (`F_Cgjh`), where it has one: a kept window lives there.
    std::function<Form*()> getGlobal;
    std::function<void(Form*)> setGlobal;
    // The window as its screenshot shows it (a sample document on screen, say); a
    // fresh instance when not given.
    std::function<QWidget*()> sample;
};

void Register(const QString& windowClass, Entry entry);
void Unregister(const QString& windowClass);
bool Available(const QString& windowClass);

// Registers a window; kept instances live in the main window's keeping.
template <class T> void Register(const QString& windowClass, std::function<QWidget*()> sample = {})
{
    Register(windowClass, Entry { []() -> Form* { return new T(); }, nullptr, nullptr, std::move(sample) });
}

// Registers a window whose kept instance lives in its global (`F_Cgjh`).
template <class T> void Register(const QString& windowClass, T*& global, std::function<QWidget*()> sample = {})
{
    T** slot = &global;
    Register(windowClass,
        Entry { []() -> Form* { return new T(); }, [slot]() -> Form* { return *slot; },
            [slot](Form* f) { *slot = static_cast<T*>(f); }, std::move(sample) });
}

// A second screenshot of a registered window, named "<class>-<view>" ("TF_Cgjh-query"):
// a fresh instance that `show` turns to the view.
void RegisterView(const QString& windowClass, const QString& view, std::function<void(Form&)> show);

// Shows the window modally: a kept window is created on first use and shown again
// with its state; a freed one is created and freed around the showing. False when no
// window of that class is registered.
bool Open(const QString& windowClass, Lifetime lifetime);

// The kept instance of a window, nullptr before its first opening.
Form* KeptInstance(const QString& windowClass);
// Frees every kept window that no global holds (program end, tests).
void FreeKept();

}
