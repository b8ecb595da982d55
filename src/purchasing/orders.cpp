#include "purchasing/orders.h"

#include "foundation/globals.h"
#include "platform/base/clock.h"
#include "platform/db/transaction.h"
#include "posting/draftrepair.h"
#include "posting/postingdb.h"

namespace {

const QString kOrderNo = QStringLiteral("n");

} // namespace

void ApproveOrder(const QString& number, const QString& approvingOperator)
{
    using namespace posting;
    Transaction t(Db());
    FixDuplicateDocNo(number, QStringLiteral("CD"), approvingOperator);
    const QVariant status = First(
        QStringLiteral("select j_status from jxc_cgd where gl_djh=:n order by id limit 1"), { { kOrderNo, number } });
    if (status.isValid() && status.toInt() != 1) {
        const QVariant id = First(
            QStringLiteral("select id from jxc_cgd where gl_djh=:n order by id limit 1"), { { kOrderNo, number } });
        Run(QStringLiteral("update jxc_cgd set j_status=1,j_checker=:c,j_chkrq=:d where id=:id"),
            { { QStringLiteral("c"), CurrentAdminName },
                { QStringLiteral("d"), Clock::Today().toString(QStringLiteral("yyyy-MM-dd")) },
                { QStringLiteral("id"), id } });
        Run(QStringLiteral("delete from jxc_cgd where j_status=0 and gl_djh=:n"), { { kOrderNo, number } });
        Run(QStringLiteral("update jxc_cgsp set jh_qxsl=0,jh_rksl=0,id2=id where gl_djh=:n"), { { kOrderNo, number } });
    } else if (status.isValid()) {
        Run(QStringLiteral("delete from jxc_cgd where j_status=0 and gl_djh=:n"), { { kOrderNo, number } });
    }
    t.Commit();
}

void CancelOrderApproval(const QString& number)
{
    posting::Run(QStringLiteral("update jxc_cgd set j_status=0,j_chkrq='',j_checker='' where gl_djh=:n"),
        { { kOrderNo, number } });
}

void SetOrderVoid(const QString& number, bool isVoid)
{
    posting::Run(QStringLiteral("update jxc_cgd set j_qk=:v where gl_djh=:n"),
        { { QStringLiteral("v"), isVoid ? 1 : 0 }, { kOrderNo, number } });
}

bool DeletePendingOrderLine(const QString& number, qint64 lineId)
{
    using namespace posting;
    Transaction t(Db());
    Run(QStringLiteral("delete from jxc_cgsp where id=:id"), { { QStringLiteral("id"), lineId } });
    Run(QStringLiteral("delete from jxc_cgspmx where tid=:id"), { { QStringLiteral("id"), lineId } });
    const bool last
        = !First(QStringLiteral("select id from jxc_cgsp where gl_djh=:n limit 1"), { { kOrderNo, number } }).isValid();
    if (last) {
        Run(QStringLiteral("delete from jxc_cgd where gl_djh=:n"), { { kOrderNo, number } });
        Run(QStringLiteral("delete from jxc_cgspmx where gl_djh=:n"), { { kOrderNo, number } });
    }
    t.Commit();
    return last;
}
