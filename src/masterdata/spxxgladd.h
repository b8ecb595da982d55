#pragma once
#include "platform/ui/form.h"

class GoodsEntryForm;

// "增加商品": creates one goods with its colour-by-size barcodes. ActiveDocKind
// decides the answer: "spxxgl" (the goods list) keeps the window open for the next
// goods; the document windows ("cgjh", "cgjhsh", "spxs", "spxssh") receive the new
// code in SelectedSn and the window closes. AuxTag carries the id of a goods to copy.
class TF_Spxxgl_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Add(QWidget* parent = nullptr);
    ~TF_Spxxgl_Add() override;

    void FormActivate() override;
    // Opening step 6, and after a save in list mode: the entries start again; the
    // category and the groups stay.
    void ResetEntries();
    // Starts from a copy of the goods with this id.
    void CopyGoods(const QString& id);
    void btnSaveClick();
    void btnExitClick();
    // "拍照(&X)": a photo kept as "jxc.jpg" until the goods is saved.
    void miTakeClick();
    void miClearClick();

    GoodsEntryForm* entry = nullptr;
    // "jxc.jpg" while a photo taken here waits for the save.
    QString pendingCapture;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    bool ListMode() const;
    void StorePictures();
};

extern TF_Spxxgl_Add* F_Spxxgl_Add;
