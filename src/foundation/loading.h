#pragma once
#include "platform/ui/form.h"

class QLabel;
class QTimer;

// The splash shown while the program prepares itself.
class TF_Loading : public Form {
    Q_OBJECT
public:
    explicit TF_Loading(QWidget* parent = nullptr);
    void FormActivate() override;
    void Timer1Timer();

    QLabel* lMsg;
    QTimer* Timer1;
    int Step = 0;

protected:
    void paintEvent(QPaintEvent* e) override;
};
