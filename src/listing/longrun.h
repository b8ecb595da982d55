#pragma once
#include <QString>
#include <functional>

class QWidget;

// A long run of a window (approve all, recalculation): a progress dialog over the
// window and the busy cursor while `work` runs; `work` reports each step done.
void RunWithProgress(
    QWidget* window, const QString& text, int steps, const std::function<void(const std::function<void(int)>&)>& work);
