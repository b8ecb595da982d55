#include "goodsfixture.h"

#include "masterdata/goodsclassmove.h"
#include "platform/db/dberror.h"
#include "support/platform/testdb.h"

#include <QMap>

namespace {

// Root, 默认类别 (key 2) and:  A 1001 (3) > A1 1001100 (6);  B 1002 (4);  C 1003 (5) > C1 1003100 (7).
class ClassMoveTest : public GoodsTest {
protected:
    void SetUp() override
    {
        GoodsTest::SetUp();
        AddClass("A", 3, 1, "1001");
        AddClass("B", 4, 1, "1002");
        AddClass("C", 5, 1, "1003");
        AddClass("A1", 6, 3, "1001100");
        AddClass("C1", 7, 5, "1003100");
        AddGoods("GA", "1001");
        AddGoods("GA1", "1001100");
        AddGoods("GC1", "1003100");
        cids = Snapshot("gc_name||':'||gc_cid");
    }
    QStringList Snapshot(const QString& expr) { return Column("select " + expr + " from jxc_goodsclass order by id"); }
    QString Move(const QString& moved, const QString& target, ClassMovePosition p)
    {
        return MoveGoodsClass(ClassId(moved), ClassId(target), p);
    }
    QString KeyPid(const QString& name)
    {
        return Scalar("select gc_key||'/'||gc_pid from jxc_goodsclass where gc_name='" + name + "'");
    }
    // Every category's code extends its parent's by one level, every goods lies in a
    // category, and category numbers never change.
    void ExpectConsistent()
    {
        QMap<QString, QString> codeOfKey;
        for (const QString& r : Snapshot("gc_key||'|'||gc_sn"))
            codeOfKey[r.section('|', 0, 0)] = r.section('|', 1);
        for (const QString& r : Snapshot("gc_name||'|'||gc_pid||'|'||gc_sn")) {
            const QString pid = r.section('|', 1, 1), sn = r.section('|', 2);
            if (pid == "0")
                continue;
            ASSERT_TRUE(codeOfKey.contains(pid)) << r.toStdString();
            const QString parent = codeOfKey[pid];
            EXPECT_TRUE(sn.startsWith(parent)) << r.toStdString();
            EXPECT_EQ(sn.size(), parent.isEmpty() ? 4 : parent.size() + 3) << r.toStdString();
        }
        EXPECT_EQ(Count("jxc_goods a",
                      "g_sn<>'00000000' and not exists (select 1 from jxc_goodsclass b where b.gc_sn=a.gc_sn)"),
            0);
        EXPECT_EQ(Snapshot("gc_name||':'||gc_cid"), cids);
        EXPECT_EQ(Count("jxc_goodsclass", "gc_key<0 or gc_pid<0"), 0);
    }
    QStringList cids;
};

TEST_F(ClassMoveTest, NextSiblingTakesTheHigherKeyAndShiftsTheOnesBetween)
{
    EXPECT_EQ(Move("A", "C", ClassMovePosition::NextSibling), QString());
    EXPECT_EQ(KeyPid("B"), "3/1");
    EXPECT_EQ(KeyPid("C"), "4/1");
    EXPECT_EQ(KeyPid("C1"), "7/4");
    EXPECT_EQ(KeyPid("A"), "5/1");
    EXPECT_EQ(KeyPid("A1"), "6/5");
    // A fresh code under the same parent; its branch and goods follow.
    EXPECT_EQ(ClassCode("A"), "1004");
    EXPECT_EQ(ClassCode("A1"), "1004100");
    EXPECT_EQ(Scalar("select gc_sn from jxc_goods where g_sn='GA1'"), "1004100");
    ExpectConsistent();
}

TEST_F(ClassMoveTest, PriorSiblingTakesTheLowerKeyAndShiftsTheOnesBetween)
{
    EXPECT_EQ(Move("C", "A", ClassMovePosition::PriorSibling), QString());
    EXPECT_EQ(KeyPid("C"), "3/1");
    EXPECT_EQ(KeyPid("C1"), "7/3");
    EXPECT_EQ(KeyPid("A"), "4/1");
    EXPECT_EQ(KeyPid("A1"), "6/4");
    EXPECT_EQ(KeyPid("B"), "5/1");
    EXPECT_EQ(ClassCode("C"), "1004");
    EXPECT_EQ(Scalar("select gc_sn from jxc_goods where g_sn='GC1'"), "1004100");
    ExpectConsistent();
}

TEST_F(ClassMoveTest, SameLevelNextToAnotherParentsCategoryChangesParent)
{
    EXPECT_EQ(Move("B", "A1", ClassMovePosition::NextSibling), QString());
    EXPECT_EQ(
        Scalar("select p.gc_name from jxc_goodsclass c, jxc_goodsclass p where c.gc_pid=p.gc_key and c.gc_name='B'"),
        "A");
    EXPECT_EQ(ClassCode("B"), "1001101");
    ExpectConsistent();
}

TEST_F(ClassMoveTest, BelowAndUnderTheRoot)
{
    EXPECT_EQ(Move("C", "A", ClassMovePosition::Below), QString());
    EXPECT_EQ(ClassCode("C"), "1001101");
    EXPECT_EQ(ClassCode("C1"), "1001101100");
    EXPECT_EQ(Scalar("select gc_sn from jxc_goods where g_sn='GC1'"), "1001101100");
    ExpectConsistent();

    EXPECT_EQ(Move("A1", "所有类别", ClassMovePosition::Below), QString());
    // C left 1003 free: the next four-digit code after the largest in use (1002).
    EXPECT_EQ(ClassCode("A1"), "1003");
    ExpectConsistent();
}

TEST_F(ClassMoveTest, Refusals)
{
    AddClass("D", 8, 1, "1004");
    AddClass("D1", 9, 8, "1004100100100");
    struct Case {
        const char* moved;
        const char* target;
        ClassMovePosition position;
        QString refusal;
    } cases[] = {
        { "A", "A", ClassMovePosition::Below, kMoveSameClass },
        { "A", "所有类别", ClassMovePosition::NextSibling, kMoveNextToRoot },
        { "A", "所有类别", ClassMovePosition::PriorSibling, kMoveNextToRoot },
        { "D", "B", ClassMovePosition::Below, QStringLiteral("类别‘D1’ 层数移动之后超过底层，不能移动到下级类别！") },
        { "A", "A1", ClassMovePosition::Below, kMoveIntoOwnBranch },
        { "A", "A1", ClassMovePosition::NextSibling, kMoveIntoOwnBranch },
    };
    const QStringList before = Snapshot("gc_key||'/'||gc_pid||'/'||gc_sn");
    for (const Case& c : cases) {
        EXPECT_EQ(Move(c.moved, c.target, c.position), c.refusal) << c.moved << " -> " << c.target;
        EXPECT_EQ(Snapshot("gc_key||'/'||gc_pid||'/'||gc_sn"), before);
    }
}

TEST_F(ClassMoveTest, FailureHalfwayLeavesTheTreeAsItWas)
{
    const QStringList before = Snapshot("gc_key||'/'||gc_pid||'/'||gc_sn");
    const QStringList goods = Column("select gc_sn from jxc_goods order by id");
    // The shift of C (key 5 to 4) fails after B was already shifted.
    if (TestDb::OnServer()) {
        ExecSQL("create function boom() returns trigger language plpgsql as "
                "'begin raise exception ''boom''; end'");
        ExecSQL("create trigger boom before update of gc_key on jxc_goodsclass for each row "
                "when (new.gc_key=4 and old.gc_key=5) execute function boom()");
    } else {
        ExecSQL("create trigger boom before update of gc_key on jxc_goodsclass when new.gc_key=4 and old.gc_key=5 "
                "begin select raise(abort, 'boom'); end");
    }
    EXPECT_THROW(Move("A", "C", ClassMovePosition::NextSibling), DbError);
    EXPECT_EQ(Snapshot("gc_key||'/'||gc_pid||'/'||gc_sn"), before);
    EXPECT_EQ(Column("select gc_sn from jxc_goods order by id"), goods);
}

}
