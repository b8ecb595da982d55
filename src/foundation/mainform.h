#pragma once
#include "platform/ui/form.h"

// The back-office main window from which every function is opened.
class TF_MainForm : public Form {
    Q_OBJECT
public:
    explicit TF_MainForm(QWidget* parent = nullptr);
    // The creation step: runs before any database connection exists.
    void FormCreate();
};

extern TF_MainForm* F_MainForm;
