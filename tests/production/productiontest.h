#pragma once
#include "warehouse/warehousetest.h"

#include "production/prodrules.h"
#include "production/productionwindows.h"
#include "production/prodwindow.h"

#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QAction>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>

// The warehouse fixture with the department and production windows, departments
// D1 ("行政部") and D2 ("车间") and the clerk role holding the given rights.
class ProductionTest : public WarehouseTest {
protected:
    void SetUp() override
    {
        WarehouseTest::SetUp();
        RegisterProductionWindows();
        Sql(QStringLiteral("insert into jxc_dept (de_sn,de_name) values ('D1','%1')").arg(U8("行政部")));
        Sql(QStringLiteral("insert into jxc_dept (de_sn,de_name) values ('D2','%1')").arg(U8("车间")));
        F_DataModule->Q(QStringLiteral("Q_Dept2")).Close();
    }
    void TearDown() override
    {
        for (Query* q : { &F_DataModule->Q(QStringLiteral("Q_Dept2")), &F_DataModule->Q(QStringLiteral("Q_Bmlycx1")),
                 &F_DataModule->Q(QStringLiteral("Q_Bmlycx2")) })
            q->Close();
        WarehouseTest::TearDown();
    }
    // An approved requisition of D1 out of the main warehouse with one line per
    // (goods, issued, returned, colour, size); answers the line ids.
    QList<qint64> Requisition(const QString& no, const QList<std::tuple<QString, double, double>>& lines)
    {
        Sql(QStringLiteral("insert into jxc_bmlyd (gl_djh,ck_sn,de_sn,u_sn,ly_rq,ly_zje,ly_status,ly_flag,a_name,"
                           "ly_note) values ('%1','100001','D1','100001','2024-05-08 09:00',0,1,1,'admin','')")
                .arg(no));
        QList<qint64> ids;
        for (const auto& [goods, issued, returned] : lines) {
            Sql(QStringLiteral("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,ly_hhsl,ly_qxsl,ly_dj,ly_zje,ly_flag,"
                               "a_name) values ('%1','%2',%3,%4,0,10,%5,1,'admin')")
                    .arg(no, goods)
                    .arg(issued)
                    .arg(returned)
                    .arg(issued * 10));
            const qint64 id = qint64(Number(QStringLiteral("select max(id) from jxc_bmlysp")));
            Sql(QStringLiteral("update jxc_bmlysp set tid=id,id2=id where id=%1").arg(id));
            Sql(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                               "('%1','%2','S','R',%3,'admin',%4)")
                    .arg(no, goods)
                    .arg(issued)
                    .arg(id));
            ids << id;
        }
        return ids;
    }
    template <class W> std::unique_ptr<W> OpenWindow(W*& global)
    {
        auto w = std::make_unique<W>();
        global = w.get();
        w->Activate();
        return w;
    }
};

// One of the windows opened on the fixture, kept in its global while the test runs.
template <class W, W*& Global> class ProdWindowTest : public ProductionTest {
protected:
    void SetUp() override
    {
        ProductionTest::SetUp();
        w = OpenWindow(Global);
    }
    void TearDown() override
    {
        w.reset();
        ProductionTest::TearDown();
    }
    void Scan(const QString& code)
    {
        w->tSptm->setText(code);
        w->tSptmKeyDown();
    }
    QString No() const { return w->gldjh->text(); }
    std::unique_ptr<W> w;
};
