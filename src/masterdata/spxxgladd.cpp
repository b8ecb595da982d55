#include "masterdata/spxxgladd.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/goodsform.h"
#include "masterdata/inform.h"
#include "masterdata/spxxgl.h"
#include "masterdata/spxxglpic.h"
#include "platform/db/query.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

TF_Spxxgl_Add* F_Spxxgl_Add = nullptr;

namespace {

bool AskYes(const QString& text)
{
    return Prompt::YesNo(text) == Prompt::Answer::Yes;
}

}

TF_Spxxgl_Add::TF_Spxxgl_Add(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Spxxgl_Add"));
    setWindowTitle(QStringLiteral("增加商品"));
    // The unit and shelf lists answer into the window in the global.
    if (!F_Spxxgl_Add)
        F_Spxxgl_Add = this;
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    entry = new GoodsEntryForm(QStringLiteral("spxxgl_add"), this);
    box->addWidget(entry);
    entry->chkTclb->hide();
    entry->onClassChosen = [this] {
        if (AutoGoodsSn != QLatin1String("0") && AutoGoodsSn != QLatin1String("False"))
            entry->g_sn->setText(GetNextGoodsSn(entry->chosenClassCid));
    };
    connect(entry->btnSave, &QPushButton::clicked, this, &TF_Spxxgl_Add::btnSaveClick);
    connect(entry->btnExit, &QPushButton::clicked, this, &TF_Spxxgl_Add::btnExitClick);
    connect(entry->miTake, &QAction::triggered, this, &TF_Spxxgl_Add::miTakeClick);
    connect(entry->miClear, &QAction::triggered, this, &TF_Spxxgl_Add::miClearClick);
    // The brand combo runs the unit check too.
    connect(entry->comSccs, &QComboBox::activated, entry, &GoodsEntryForm::ComDwChange);
    entry->InstallKeys(this, [this] { btnSaveClick(); });
}

TF_Spxxgl_Add::~TF_Spxxgl_Add()
{
    if (F_Spxxgl_Add == this)
        F_Spxxgl_Add = nullptr;
}

bool TF_Spxxgl_Add::ListMode() const
{
    return ActiveDocKind == QLatin1String("spxxgl");
}

void TF_Spxxgl_Add::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    const QString copySource = AuxTag;
    SelectedSn.clear();
    entry->ShowPanel(GoodsEntryForm::Panel::None);
    PickerCaller = QStringLiteral("spxxgl_add");
    entry->OpenClasses();
    if (entry->Q_GoodsClass.IsEmpty()) {
        Inform(QStringLiteral("请添加商品类别！"));
        return;
    }
    // Only this operator's extra barcodes: another operator may be adding goods too.
    ExecBound(
        QStringLiteral("delete from jxc_goodstmp where a_name=:a"), { { QStringLiteral("a"), CurrentAdminName } });
    entry->barcodeStem.clear();
    ResetEntries();
    entry->ApplyVisibility();
    entry->ApplyCommissionRight(false);
    entry->OpenGroups();
    entry->TakeFirstGroups();
    bool whole = false;
    const qint64 id = copySource.toLongLong(&whole);
    if (!copySource.isEmpty() && ListMode() && whole)
        CopyGoods(QString::number(id));
}

void TF_Spxxgl_Add::ResetEntries()
{
    GoodsEntryForm& f = *entry;
    for (QLineEdit* e : { f.g_sn, f.g_name, f.g_sptm, f.gg_name, f.g_bz, f.tpic })
        e->clear();
    f.g_zdkc->setValue(0);
    for (QDoubleSpinBox* e : { f.g_jj, f.g_sj, f.g_sjN[0], f.g_sjN[1], f.g_sjN[2], f.g_sjN[3], f.g_sjN[4], f.g_lsj })
        e->setValue(0);
    f.chkZp->setChecked(false);
    f.chkGdcbj->setChecked(false);
    f.comTmtype->setCurrentIndex(0);
    f.FillUnits(QStringLiteral("id"));
    if (f.ComDw->count() >= 2)
        f.ComDw->setCurrentIndex(1);
    f.FillBrands();
    f.comSccs->setCurrentIndex(f.comSccs->count() > 0 ? 0 : -1);
    f.FillShelves();
    f.comHjxx->setCurrentIndex(f.comHjxx->count() > 0 ? 0 : -1);
    f.SetCommission(0, 0);
    pendingCapture.clear();
    f.ShowPicture(QString());
}

void TF_Spxxgl_Add::CopyGoods(const QString& id)
{
    Query& source = F_DataModule->QuerySelect;
    if (!GoodsEntryForm::OpenGoodsRow(source, id.toLongLong()))
        return;
    entry->FillCommon(source);
    // A copy always proposes the next code of its category.
    entry->g_sn->setText(GetNextGoodsSn(entry->chosenClassCid));
    entry->Q_GoodsClass.Locate(QStringLiteral("gc_sn"), entry->chosenClassSn);
    source.Close();
}

void TF_Spxxgl_Add::StorePictures()
{
    const QString code = entry->g_sn->text().trimmed();
    try {
        if (!entry->tpic->text().trimmed().isEmpty())
            StorePictureFile(entry->tpic->text().trimmed(), code + QStringLiteral(".jpg"));
        if (!pendingCapture.isEmpty()) {
            const QString pending = PictureFilePath(pendingCapture);
            StorePictureFile(pending, code + QStringLiteral(".jpg"));
            QFile::remove(pending);
        }
    } catch (const std::exception&) {
        // The goods is saved; only its picture is missing.
        Inform(QStringLiteral("商品图片保存失败！"));
    }
}

void TF_Spxxgl_Add::btnSaveClick()
{
    const GoodsSaveResult result = InsertGoods(entry->Entry(), AskYes);
    if (!result.saved) {
        if (!result.refusal.isEmpty())
            Inform(result.refusal);
        return;
    }
    StorePictures();
    if (ListMode()) {
        ResetEntries();
        if (F_Spxxgl)
            F_Spxxgl->ReopenGoods();
        return;
    }
    SelectedSn = entry->g_sn->text().trimmed();
    accept();
}

void TF_Spxxgl_Add::btnExitClick()
{
    reject();
}

void TF_Spxxgl_Add::miTakeClick()
{
    if (!entry->RunCapture(QStringLiteral("jxc")).isEmpty())
        pendingCapture = QStringLiteral("jxc.jpg");
}

void TF_Spxxgl_Add::miClearClick()
{
    if (pendingCapture.isEmpty()) {
        entry->ClearPicture();
        return;
    }
    const QString file = PictureFilePath(pendingCapture);
    if (QFile::exists(file) && AskYes(QStringLiteral("您确定要删除当前会员的照片吗？"))) {
        entry->ClearPicture();
        QFile::remove(file);
        pendingCapture.clear();
    }
}

void TF_Spxxgl_Add::hideEvent(QHideEvent* e)
{
    AuxTag.clear();
    entry->Q_GoodsClass.Close();
    if (ListMode()) {
        // The list's tree shows the categories created here.
        if (F_Spxxgl)
            F_Spxxgl->classTree->Open();
        entry->CloseDatasets();
    }
    Form::hideEvent(e);
}
