#pragma once
#include <QString>

class Query;

// Fills in the short code, code and number of the category row the dataset is on
// (as a rule one just appended) and posts it.
void CompleteGoodsClassRow(Query& goodsClass);
void SetGoodsClassName(Query& goodsClass, const QString& name);
