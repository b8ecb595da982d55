#include "masterdata/spxxglmodi.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/goodsform.h"
#include "masterdata/inform.h"
#include "masterdata/spxxgl.h"
#include "masterdata/spxxglpic.h"
#include "platform/db/query.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Spxxgl_Modi* F_Spxxgl_Modi = nullptr;

TF_Spxxgl_Modi::TF_Spxxgl_Modi(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Spxxgl_Modi"));
    setWindowTitle(QStringLiteral("修改商品"));
    // Created for one showing, and reachable meanwhile: the unit and shelf lists answer here.
    F_Spxxgl_Modi = this;
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    entry = new GoodsEntryForm(QStringLiteral("spxxgl_modi"), this);
    box->addWidget(entry);
    // Here a category click gives the barcode stem to SelectedSn as well.
    entry->onStemClicked = [this] { SelectedSn = entry->barcodeStem; };
    connect(entry->btnSave, &QPushButton::clicked, this, &TF_Spxxgl_Modi::btnSaveClick);
    connect(entry->btnExit, &QPushButton::clicked, this, &TF_Spxxgl_Modi::btnExitClick);
    connect(entry->miTake, &QAction::triggered, this, &TF_Spxxgl_Modi::miTakeClick);
    connect(entry->miClear, &QAction::triggered, this, &TF_Spxxgl_Modi::miClearClick);
    entry->InstallKeys(this, [this] { btnSaveClick(); });
}

TF_Spxxgl_Modi::~TF_Spxxgl_Modi()
{
    if (F_Spxxgl_Modi == this)
        F_Spxxgl_Modi = nullptr;
}

void TF_Spxxgl_Modi::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    PickerCaller = QStringLiteral("spxxgl_modi");
    entry->ShowPanel(GoodsEntryForm::Panel::None);
    entry->FillUnits(QStringLiteral("id"));
    entry->FillBrands();
    entry->FillShelves();
    entry->OpenClasses();
    entry->chkTclb->setChecked(false);
    Query& goods = F_DataModule->Q(QStringLiteral("Q_Goods"));
    if (goods.Active() && goods.RecNo() >= 0)
        LoadGoods(goods.AsInteger(QStringLiteral("id")));
}

void TF_Spxxgl_Modi::LoadGoods(qint64 id)
{
    Query& row = F_DataModule->QuerySelect;
    if (!GoodsEntryForm::OpenGoodsRow(row, id))
        return;
    GoodsEntryForm& f = *entry;
    auto text = [&row](const char* field) { return row.AsString(QString::fromLatin1(field)); };
    before = GoodsBefore { id, text("g_sn"), text("g_name"), text("dw_name"), text("gg_name"), text("color_name") };
    f.FillCommon(row);
    f.g_sn->setText(before.sn);
    f.g_sptm->setText(text("g_sptm"));
    for (size_t i = 0; i < 5; ++i)
        f.g_sjN[i]->setValue(row.AsFloat(QStringLiteral("g_sj%1").arg(i + 1)));
    f.g_lsj->setValue(row.AsFloat(QStringLiteral("g_lsj")));
    f.comHjxx->setCurrentText(text("hj_name"));
    f.chkZp->setChecked(text("g_iszp") == QLatin1String("True"));
    f.chkGdcbj->setChecked(text("g_gdcbj") == QLatin1String("True"));
    f.SetCommission(int(row.AsInteger(QStringLiteral("g_tclb"))), row.AsFloat(QStringLiteral("g_tc")));
    row.Close();

    f.tpic->clear();
    f.ShowPicture(PictureFilePath(before.sn + QStringLiteral(".jpg")));
    f.OpenGroups();
    f.ApplyVisibility();
    f.ApplyCommissionRight(true);
    f.barcodeStem = f.chosenClassCid;
    SelectedSn = f.chosenClassCid;
    f.g_sn->setEnabled(!GoodsCodeLocked(before.sn));
}

void TF_Spxxgl_Modi::btnSaveClick()
{
    const GoodsSaveResult result = UpdateGoods(before, entry->Entry(), entry->chkTclb->isChecked(),
        [](const QString& text) { return Prompt::YesNo(text) == Prompt::Answer::Yes; });
    if (!result.saved) {
        if (!result.refusal.isEmpty())
            Inform(result.refusal);
        return;
    }
    const QString picture = entry->tpic->text().trimmed();
    if (!picture.isEmpty()) {
        try {
            StorePictureFile(picture, entry->g_sn->text().trimmed() + QStringLiteral(".jpg"));
        } catch (const std::exception&) {
            Inform(QStringLiteral("商品图片保存失败！"));
        }
    }
    if (F_Spxxgl)
        F_Spxxgl->ReopenGoods();
    accept();
}

void TF_Spxxgl_Modi::btnExitClick()
{
    reject();
}

void TF_Spxxgl_Modi::miTakeClick()
{
    entry->RunCapture(entry->g_sn->text().trimmed());
}

void TF_Spxxgl_Modi::miClearClick()
{
    const QString file = PictureFilePath(entry->g_sn->text().trimmed() + QStringLiteral(".jpg"));
    if (!QFile::exists(file))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前会员的照片吗？")) != Prompt::Answer::Yes)
        return;
    entry->ClearPicture();
    QFile::remove(file);
}

void TF_Spxxgl_Modi::hideEvent(QHideEvent* e)
{
    entry->CloseDatasets();
    if (F_Spxxgl) {
        // The list's tree shows categories created here; its second node is selected.
        Query& classes = F_Spxxgl->ADOQueryGoodsClass;
        F_Spxxgl->classTree->Open();
        if (classes.RecordCount() >= 2)
            classes.SetRecNo(1);
    }
    SelectedSn.clear();
    Form::hideEvent(e);
}
