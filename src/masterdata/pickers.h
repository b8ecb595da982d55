#pragma once
#include "platform/ui/form.h"

#include <optional>

class DataGrid;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Query;

// The handler picker and the remark picker of the document windows. Both answer
// into the window registered under PickerCaller (PickerCallers).

// The staff flag a caller's handler combo is restricted to: "" for all active
// staff; nothing for a tag that has no handler combo.
std::optional<QString> HandlerFlagForTag(const QString& tag);
// Refills the caller's handler combo and selects the chosen staff member; the
// salesman windows follow the customer's salesmen when that binding is on.
void AnswerHandler(const QString& tag, const QString& chosenName);
// Writes the chosen remark into the caller's remark edit; the stock windows have none.
void AnswerRemark(const QString& tag, const QString& text);

// "选择经办人": active staff on Q_User.
class TF_User2 : public Form {
    Q_OBJECT
public:
    explicit TF_User2(QWidget* parent = nullptr);
    void FormActivate() override;
    void FormClose();

    void searchKeys();
    void btnAddClick();
    void btnModiClick();
    void btnOKClick();

    Query& Q_User;
    DataGrid* cxGrid = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void UpdateFooter();
};

// "单据备注信息设置": the standard remarks and the recent goods-in remarks.
class TF_Djbz : public Form {
    Q_OBJECT
public:
    explicit TF_Djbz(QWidget* parent = nullptr);
    void FormActivate() override;
    void FormClose();

    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnOKClick();

    Query& Q_Djbz;
    Query& Q_DjbzLs;
    QTabWidget* pages = nullptr;
    DataGrid* cxGrid = nullptr;
    DataGrid* cxGridLs = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;
};

inline const QString kRemarkMissing = QStringLiteral("备注信息必须填写！");
inline const QString kRemarkTaken = QStringLiteral("备注信息不能重复！");

// The refusal of a standard remark as typed ("" when it may be saved); mode "1"
// adds, any other modifies the remark whose code is given. Texts compare in their
// stored form.
QString RemarkSaveRefusal(const QString& text, const QString& mode, const QString& currentSn);

// "增加常用备注信息" / "修改常用备注信息" on the current row of Q_Djbz.
class TF_Djbz_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Djbz_Add(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();

    QString btnFlag;
    QLineEdit* tname = nullptr;
};
