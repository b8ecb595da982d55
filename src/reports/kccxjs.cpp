#include "reports/kccxjs.h"

#include "foundation/datamodule.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/longrun.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "reports/jxcwidgets.h"
#include "reports/stockrecalc.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TF_Kccx_Js::TF_Kccx_Js(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Kccx_Js"));
    setWindowTitle(QStringLiteral("重新计算结存数据"));
    auto* notes = new QGroupBox(QStringLiteral("重新计算进销存统计说明"), this);
    auto* notesText = new QLabel(QStringLiteral("1、期末结存数量、金额与进出数据不一致时，可以重新计算。\n"
                                                "2、期初数量、金额与上期期末结存不一致时，可以重新计算。\n"
                                                "3、入库、出库、销售数据统计不正确时，可以重新计算。\n"
                                                "4、库存列表与商品库存数量不一致时，可以重新计算。\n"
                                                "5、重新计算会修改数据，并且不可恢复。计算前请做好备份。"),
        notes);
    notesText->setWordWrap(true);
    (new QVBoxLayout(notes))->addWidget(notesText);
    tdate1 = MakeDateEdit(this, "tdate1");
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    btnSave = ReportButton(this, "btnSave", QStringLiteral("确定(F5)"));
    btnExit = ReportButton(this, "btnExit", QStringLiteral("退出(Esc)"));

    auto* form = new QVBoxLayout(this);
    form->addWidget(notes);
    const auto row = [&](const QString& label, QWidget* field) { AddLabelledRow(*form, this, label, field); };
    row(QStringLiteral("开始计算日期："), tdate1);
    row(QStringLiteral("当前仓库："), comCk);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    form->addLayout(buttons);
    resize(460, 320);

    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    KeyPreview::InstallKey(this, Qt::Key_F5, [this] { btnSaveClick(); });
}

void TF_Kccx_Js::FormActivate()
{
    ApplyFontSize(FontSize);
    const QDate today = Clock::Today();
    tdate1->setDate(QDate(today.year(), today.month(), 1).addMonths(-1));
    FillWarehouseChoice(*comCk);
}

void TF_Kccx_Js::btnSaveClick()
{
    if (Prompt::YesNo(QStringLiteral("重新计算会修改期末结存及其他数据，\r\n\r\n并且不可恢复。现在是否重新计算？"),
            Prompt::kAskCaption, Prompt::Icon::Information)
        != Prompt::Answer::Yes) {
        close();
        return;
    }
    const QString warehouse = comCk->currentIndex() < 0 ? QStringLiteral("-1") : comCk->Code(comCk->currentIndex());
    RunWithProgress(this, QStringLiteral("正在重新计算结存数据..."), 5,
        [&](const std::function<void(int)>& step) { RecalcStockBalances(tdate1->date(), warehouse, step); });
    // The check list behind the dialog shows the new state.
    Query& list = F_DataModule->Q(QStringLiteral("Q_GhsDjFk"));
    if (list.Active()) {
        list.Close();
        list.Open();
    }
    Prompt::Info(QStringLiteral("重新计算完成！"));
    close();
}
