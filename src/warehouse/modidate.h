#pragma once
#include "platform/ui/form.h"

#include <QDate>
#include <QString>

class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "修改开单日期": edits the date, and with it the number, and the note of a pending
// stock document. It only proposes: the caller fills it, and when DateEditDocNo is
// "1" afterwards reads the number, date and note and writes them.
class TF_ModiDate : public Form {
    Q_OBJECT
public:
    explicit TF_ModiDate(QWidget* parent = nullptr);

    // The caller's filling before the dialog shows.
    void Fill(const QString& number, const QDate& day, const QString& note);
    void FormActivate() override;
    void dateCgChange();
    void btnOKClick();
    void btnExitClick();

    QLabel* gldjh = nullptr;
    QDateEdit* dateCg = nullptr;
    QPlainTextEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void SetDay(const QDate& day);
    QString startNumber_;
    QString startDay_;
};

// The line table of a stock document's number prefix ("DB" jxc_dbsp, "BS", "BY",
// "PD"); empty for any other.
QString StockLineTableOf(const QString& number);
