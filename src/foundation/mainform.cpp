#include "foundation/mainform.h"

#include "foundation/globals.h"
#include "foundation/startup.h"

TF_MainForm* F_MainForm = nullptr;

TF_MainForm::TF_MainForm(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("F_MainForm"));
    F_MainForm = this;
    SetEscCloses(false);
    FormCreate();
}

void TF_MainForm::FormCreate()
{
    SetProductConstants();
    setWindowTitle(BrandWord + QStringLiteral("服装进销存管理系统 ") + ProductVersion);
    resize(1024, 700);
}
