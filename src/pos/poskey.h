#pragma once
#include "platform/ui/form.h"

#include <QList>
#include <QStringList>

class QLineEdit;
class QPushButton;

// "快捷键设置": binds the till's functions to keys. A key released in a function's
// edit binds at once.
class TF_PosKey : public Form {
    Q_OBJECT
public:
    explicit TF_PosKey(QWidget* parent = nullptr);
    void FormActivate() override;

    // The functions this window binds, in the order of its rows.
    static const QStringList& Functions();
    void btnSetClick();
    void btnOKClick();
    void btnExitClick();
    // A key released in the edit of the function at `row`.
    void saveValue(int row, int keyCode);

    QList<QLineEdit*> edits;
    QPushButton* btnSet = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
