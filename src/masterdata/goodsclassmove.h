#pragma once
#include <QString>

// Moving a category with its branch: under another category, or right after or
// before it among that category's siblings. Keys are renumbered to place it, and
// the codes of the branch and of its goods are drawn again under the new parent.

enum class ClassMovePosition {
    Below,       // "下级类别"
    NextSibling, // "同级下一行"
    PriorSibling // "同级上一行"
};

inline const QString kMoveSameClass = QStringLiteral("移动的类别不能与目标类别相同，请选择其他类别！");
inline const QString kMoveNextToRoot = QStringLiteral("当前类别是最高级类别，不能出现同级别的类别！");
inline const QString kMoveIntoOwnBranch = QStringLiteral("不能将类别移动到它自己的下级类别中！");
inline const QString kMoveDone = QStringLiteral("类别移动成功！");

// Moves the category with id `movedId` relative to the category with id `targetId`,
// in one transaction: a failure leaves keys, parents and codes as they were.
// Returns the refusal, or "" when the category was moved.
QString MoveGoodsClass(qint64 movedId, qint64 targetId, ClassMovePosition position);

// Renumbers a branch: every category code beginning with `from` has that beginning
// replaced by `to`, and the goods of each category follow their category.
void SetClassSN(const QString& from, const QString& to);
