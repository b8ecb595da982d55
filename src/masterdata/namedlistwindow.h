#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;
class Query;

// "基本资料设置": a list of named rows with a "默认选择" flag, edited in a panel under
// the grid (zones, supplier types). Each window gives its dataset, columns and rules.
class NamedListWindow : public Form {
    Q_OBJECT
public:
    struct Config {
        const char* objectName;
        const char* tab;
        const char* dataset;
        const char* sql;
        const char* nameField;
        const char* defaultField;
        const char* nameLabel;
        int nameLength;
        const char* deleteQuestion;
        // The refusal of a save or a delete, "" when it may go ahead; id < 0 adds.
        QString (*save)(qint64 id, const QString& name, bool isDefault);
        QString (*deleteRefusal)(const QString& name);
        void (*remove)(qint64 id);
    };
    NamedListWindow(const Config& config, QWidget* parent);

    void FormActivate() override;
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnOKClick();
    void btnCancelClick();
    virtual void btnExitClick();

    bool HasRows() const;

    Query& Q;
    DataGrid* cxGrid = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnExit = nullptr;
    QWidget* pnlEdit = nullptr;
    QLineEdit* tname = nullptr;
    QCheckBox* chkDefault = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QString mode;

protected:
    void hideEvent(QHideEvent* e) override;
    void ShowPanel(bool on);
    // The page above the grid, where a window adds its own controls.
    QVBoxLayout* page = nullptr;

private:
    Config config_;
};
