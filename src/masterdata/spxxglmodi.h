#pragma once
#include "masterdata/goodsrecord.h"
#include "platform/ui/form.h"

class GoodsEntryForm;

// "修改商品": edits the goods list's current goods and carries a change of its
// code, name, unit, style and colour-group name into the rows that copy them.
class TF_Spxxgl_Modi : public Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Modi(QWidget* parent = nullptr);
    ~TF_Spxxgl_Modi() override;

    void FormActivate() override;
    // Fills the entries from the goods with this id.
    void LoadGoods(qint64 id);
    void btnSaveClick();
    void btnExitClick();
    void miTakeClick();
    void miClearClick();

    GoodsEntryForm* entry = nullptr;
    // The goods as it was when the window opened.
    GoodsBefore before;

protected:
    void hideEvent(QHideEvent* e) override;
};

extern TF_Spxxgl_Modi* F_Spxxgl_Modi;
