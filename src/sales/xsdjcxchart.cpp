// The charts of the sales and returns query: sales by day of the period, of all
// goods or of one goods, as bars (each its own colour, its value shown) or a line.
#include "foundation/datamodule.h"
#include "listing/barchart.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/gridfilter.h"
#include "sales/xsdjcx.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLineEdit>
#include <QLineSeries>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

const char* const kChartGoods = "select a.g_sn,a.g_name,a.g_jm,a.g_sccs,a.g_bz,a.dw_name,a.color_name,a.gg_name,"
                                "b.gc_name from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn and a.g_jy=0 ";

} // namespace

void TF_Xsdjcx::OpenGoodsList(const QString& order)
{
    OpenQuery(Q_GoodsCX, QLatin1String(kChartGoods) + order);
}

void TF_Xsdjcx::DailyChart()
{
    OpenQuery(Q_ChartXsdjcs,
        QStringLiteral("select sum(a.gl_sl) as xssl,sum(a.gl_zje) as xsje,substr(a.gl_kdrq,1,10) as ls_xsrq,"
                       "max(a.g_sn) as gsn,sum(a.gl_lr) as xslr from jxc_goodslist a,jxc_khxx b,jxc_ckxx c "
                       "where a.ghs_sn=b.kh_sn and a.ck_sn=c.ck_sn and (a.gl_flag='xs' or a.gl_flag='xt') ")
            + WarehouseBindingCondition(QStringLiteral("c")) + QStringLiteral(" and ")
            + PeriodCondition(QStringLiteral("a.gl_kdrq"), tdate1->date(), tdate2->date()) + QStringLiteral(" and ")
            + KeyCondition({ QStringLiteral("a.gl_djh"), QStringLiteral("b.kh_sn"), QStringLiteral("b.kh_jm"),
                QStringLiteral("b.kh_name"), QStringLiteral("b.kh_tele") })
            + QStringLiteral(" group by substr(a.gl_kdrq,1,10) order by substr(a.gl_kdrq,1,10)"));
    tTjtKey->clear();
    DrawChart();
    OpenGoodsList(QStringLiteral("order by a.id"));
}

void TF_Xsdjcx::GoodsChart()
{
    if (!Q_GoodsCX.Active() || Q_GoodsCX.RecordCount() == 0)
        return;
    tTjtKey->setText(Q_GoodsCX.AsString(QStringLiteral("g_name")));
    RzPanel_Goods->hide();
    // Approved deliveries only, through the whole of the last day, like the daily chart.
    Q_ChartXsdjcs.SetSQL(QStringLiteral("select sum(a.ls_sl) as xssl,sum(a.ls_zje) as xsje,b.ls_xsrq,"
                                        "max(c.g_sn) as gsn,sum(a.ls_zje-a.ls_sl*c.g_jj) as xslr "
                                        "from jxc_lsxssp a,jxc_lsxsd b,jxc_goods c,jxc_ckxx d "
                                        "where a.gl_djh=b.gl_djh and a.g_sn=c.g_sn and b.ck_sn=d.ck_sn "
                                        "and b.ls_status=1 and ")
        + PeriodCondition(QStringLiteral("b.ls_xsrq"), tdate1->date(), tdate2->date())
        + WarehouseBindingCondition(QStringLiteral("d"))
        + QStringLiteral(" and a.g_sn=:g group by b.ls_xsrq order by b.ls_xsrq"));
    Q_ChartXsdjcs.SetParam(QStringLiteral("g"), Q_GoodsCX.AsString(QStringLiteral("g_sn")));
    Q_ChartXsdjcs.Open();
    DrawChart();
}

void TF_Xsdjcx::DrawChart()
{
    auto* chart = new QChart;
    chart->legend()->hide();
    static const char* const values[] = { "xsje", "xssl", "xslr" };
    const QString field = QLatin1String(values[std::clamp(comNr->currentIndex(), 0, 2)]);
    QStringList labels;
    QList<double> points;
    if (Q_ChartXsdjcs.Active())
        for (int r = 0; r < Q_ChartXsdjcs.RecordCount(); ++r) {
            labels << Q_ChartXsdjcs.TextAt(r, Q_ChartXsdjcs.FieldIndex(QStringLiteral("ls_xsrq")));
            points << Q_ChartXsdjcs.TextAt(r, Q_ChartXsdjcs.FieldIndex(field)).toDouble();
        }
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    auto* valueAxis = new QValueAxis;
    valueAxis->setTitleText(comNr->currentText());
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    if (rZxt->isChecked()) {
        auto* bars = NewColouredBars(points);
        chart->addSeries(bars);
        bars->attachAxis(categories);
        bars->attachAxis(valueAxis);
    } else {
        auto* line = new QLineSeries;
        for (int i = 0; i < points.size(); ++i)
            line->append(i, points[i]);
        chart->addSeries(line);
        line->attachAxis(categories);
        line->attachAxis(valueAxis);
    }
    double low = 0;
    double high = 0;
    for (double p : points) {
        low = std::min(low, p);
        high = std::max(high, p);
    }
    valueAxis->setRange(low, high > low ? high * 1.1 : low + 1);
    QChart* old = DBChart_Tjh->chart();
    DBChart_Tjh->setChart(chart);
    delete old;
}

void TF_Xsdjcx::tTjtKeyChange()
{
    if (!RzPanel_Goods->isVisible()) {
        RzPanel_Goods->show();
        RzPanel_Goods->raise();
    }
    if (!Q_GoodsCX.Active())
        OpenGoodsList(QStringLiteral("order by a.id"));
    cxGrid6View->ClearFilter();
    const QString text = tTjtKey->text().trimmed().toUpper();
    if (text.isEmpty()) {
        cxGrid6View->SetFilterActive(false);
        return;
    }
    cxGrid6View->SetFilterJoin(GridFilter::Join::Or);
    for (const char* f : { "g_jm", "g_name", "g_sn" })
        cxGrid6View->AddFilter(QLatin1String(f), QLatin1Char('%') + text + QLatin1Char('%'));
    cxGrid6View->SetFilterActive(true);
}
