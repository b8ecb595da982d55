#include "admin/longrun.h"

#include <QApplication>
#include <QProgressDialog>

LongRun::LongRun(const QString& caption, int steps) : dialog_(std::make_unique<QProgressDialog>())
{
    dialog_->setWindowTitle(caption);
    dialog_->setCancelButton(nullptr);
    dialog_->setRange(0, steps);
    dialog_->setMinimumDuration(500);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

LongRun::~LongRun()
{
    QApplication::restoreOverrideCursor();
}

void LongRun::Step(const QString& text)
{
    dialog_->setLabelText(text);
    dialog_->setValue(++done_ < dialog_->maximum() ? done_ : dialog_->maximum());
}
