#include "foundation/goodsclass.h"

#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "platform/db/query.h"

void CompleteGoodsClassRow(Query& goodsClass)
{
    // The code is drawn from the parent recorded in the table, so a row still being
    // appended is stored first.
    if (goodsClass.GetState() == Query::State::Insert)
        goodsClass.Post();
    if (goodsClass.GetState() == Query::State::Browse)
        goodsClass.Edit();
    const QString key = goodsClass.AsString(QStringLiteral("gc_key"));
    goodsClass.SetValue(QStringLiteral("gc_jm"), GetPyCode(goodsClass.AsString(QStringLiteral("gc_name"))));
    goodsClass.SetValue(QStringLiteral("gc_sn"), GetNextClassSn(key));
    goodsClass.SetValue(QStringLiteral("gc_cid"), key);
    goodsClass.Post();
}

void SetGoodsClassName(Query& goodsClass, const QString& name)
{
    if (goodsClass.GetState() == Query::State::Browse)
        goodsClass.Edit();
    goodsClass.SetValue(QStringLiteral("gc_name"), name);
    goodsClass.SetValue(QStringLiteral("gc_jm"), GetPyCode(name));
    goodsClass.Post();
}
