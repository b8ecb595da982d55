#include "listing/longrun.h"

#include <QApplication>
#include <QProgressDialog>

void RunWithProgress(
    QWidget* window, const QString& text, int steps, const std::function<void(const std::function<void(int)>&)>& work)
{
    QProgressDialog progress(text, QString(), 0, steps, window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
    } restore;
    work([&progress](int done) { progress.setValue(done); });
}
