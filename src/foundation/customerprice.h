#pragma once
#include <QString>

// The proposed sale price of a goods for a customer, rounded to the amount
// decimals; a stored price that is not a number throws std::invalid_argument.
QString GetCustomerPrice(const QString& customerSn, const QString& goodsSn);
