#pragma once
#include "platform/ui/form.h"

class DbTree;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Query;

// The goods list's bulk dialogs. Each works on the selection of the list kept in
// F_Spxxgl and reopens its goods afterwards; F5 is the first button, Esc "退出(Esc)".

// A dialog with a first button "…(F5)" and "退出(Esc)" at the bottom.
class BulkGoodsDialog : public Form {
    Q_OBJECT
public:
    BulkGoodsDialog(const QString& objectName, const QString& caption, const QString& okCaption, QWidget* parent);
    virtual void btnOKClick() = 0;
    virtual void btnExitClick();

    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    // Adds a row "caption value" to the dialog's body.
    void AddRow(const QString& caption, QWidget* value);
    void AddNote(const QString& text);

private:
    QGridLayout* body_ = nullptr;
};

// "修改商品类别": chooses the category the list writes into its selected goods.
class TF_Spxxgl_Class : public BulkGoodsDialog {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Class(QWidget* parent = nullptr);
    void FormActivate() override;
    void selectNode();
    void btnOKClick() override;
    void btnExitClick() override;

    Query& Q_GClassA;
    DbTree* tree = nullptr;
    QLabel* lNum = nullptr;
    QLabel* lClass = nullptr;

private:
    QString chosen_;
};

// "批量删除商品": deletes the selected goods that have no business.
class TF_Spxxgl_Dele : public BulkGoodsDialog {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Dele(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick() override;
    void btnExitClick() override;

    QLabel* lNum = nullptr;
    QPlainTextEdit* tnote = nullptr;
};

// "批量设置库存下限": minimum stock of the selected goods.
class TF_Spxxgl_Zdkc : public BulkGoodsDialog {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Zdkc(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick() override;
    void btnExitClick() override;

    QLabel* lNum = nullptr;
    QDoubleSpinBox* tsl = nullptr;
};

// "批量定义批发价": a price column computed from another one and a factor.
class TF_Spxxgl_Pfj : public BulkGoodsDialog {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Pfj(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick() override;

    QLabel* lbName = nullptr;
    QComboBox* comJb = nullptr;
    QComboBox* comJs = nullptr;
    QDoubleSpinBox* tjgbl = nullptr;
    QComboBox* comFw = nullptr;
};

// "简码修改": the short code of the focused goods.
class TF_Spxxgl_JmModi : public BulkGoodsDialog {
    Q_OBJECT
public:
    explicit TF_Spxxgl_JmModi(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick() override;

    QLabel* lName = nullptr;
    QLineEdit* tjm = nullptr;

private:
    qint64 id_ = 0;
};
