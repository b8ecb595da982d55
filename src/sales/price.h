#pragma once
#include "platform/ui/form.h"

#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The quantity pickers that offer the price levels register here under the tag
// they put in AuxTag ("spxs", "xsth", "spdd"): their goods labels and how a chosen
// price reaches their price field (with the field's own recalculation).
struct PricePicker {
    QLabel* gsn = nullptr;
    QLabel* gname = nullptr;
    std::function<void(double)> setPrice;
};
void RegisterPricePicker(const QString& tag, const PricePicker* picker);
void UnregisterPricePicker(const QString& tag, const PricePicker* picker);

// "商品售价选择": the preset price and the five wholesale levels of the goods of the
// picker named by AuxTag; a choice goes into that picker's price field.
class TF_Price : public Form {
    Q_OBJECT
public:
    explicit TF_Price(QWidget* parent = nullptr);

    void FormActivate() override;
    // Takes the price of level 0 (preset) to 5 and closes.
    void Choose(int level);
    void btnCancelClick();

    QLabel* gsn = nullptr;
    QLabel* gname = nullptr;
    QLineEdit* tspsj[6] = {};
    QPushButton* btnSpsj[6] = {};
    QPushButton* btnCancel = nullptr;

private:
    double prices_[6] = {};
};
