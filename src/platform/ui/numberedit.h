#pragma once
#include <QLineEdit>

// A number field that keeps its value apart from its text: with the focus it shows
// the plain number for editing; without it, the number in its display format
// ("¥,0.00;-¥,0.00", "#0.00;-#.00"...). Arithmetic reads Value(), never the text, so
// a currency sign or thousands separator in the format cannot break it. A text put
// in from outside (typing, setText) becomes the value when it reads as a number.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr);

    double Value() const { return value_; }
    // Sets the value and shows it as the focus state asks; no valueEdited signal.
    void SetValue(double value);
    void SetDisplayFormat(const QString& format);
    QString DisplayFormat() const { return format_; }
    // Decimals of the plain text shown while editing.
    void SetDecimals(int decimals);

signals:
    // The operator changed the text; Value() already holds the new number.
    void valueEdited(double value);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void ShowValue();
    QString PlainText() const;
    double value_ = 0;
    QString format_;
    int decimals_ = 2;
    bool editing_ = false;
    bool showing_ = false;
};
