#pragma once
#include <QString>

class Query;

// The goods category tree (jxc_goodsclass): codes of four digits at the top and
// three more per level, keys ordering siblings, gc_pid the parent's key (0 for the
// root "所有类别", which has no code). Goods belong to a category and to all its
// ancestors by the prefix of their gc_sn.

inline const QString kClassNewName = QStringLiteral("新类别");
inline const QString kClassTooDeep = QStringLiteral("该类别层数已到底层，不能添加下级类别！");
inline const QString kClassBuiltIn = QStringLiteral("该类别是系统内置类别，不能删除！");
inline const QString kClassHasGoods = QStringLiteral("该类别下有商品信息，不能删除！");

// The key a new category receives: the largest key + 1, stepping over a multiple
// of ten above ten.
qint64 NextGoodsClassKey(qint64 largestKey);

// Appends a category "新类别" under the current row of the category dataset and
// completes its short code, code and number, all in one transaction. The new row
// is left current. Returns the refusal, or "" when the category was made.
QString CreateGoodsClass(Query& goodsClass);

// Why the category may not be deleted, "" when it may.
QString GoodsClassDeleteRefusal(const QString& parentKey, const QString& code);
// Deletes the category with that key and every category below it, in one transaction.
void DeleteGoodsClassBranch(const QString& key);

// The name of the first category (root excluded) whose short code or name begins
// with the text; "" when there is none.
QString FindGoodsClassName(const QString& text);
