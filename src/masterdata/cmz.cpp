#include "masterdata/cmz.h"

TF_Cmz::TF_Cmz(QWidget* parent) : ColorSizeGroupList(SizeSide(), QStringLiteral("TF_Cmz"), parent) { }

Form* TF_Cmz::NewGroupName()
{
    return new TF_Cmz_Add(this);
}

Form* TF_Cmz::NewMembers()
{
    return new TF_Cmz_Zl(this);
}

TF_Cmz_Add::TF_Cmz_Add(QWidget* parent) : ColorSizeGroupName(SizeSide(), QStringLiteral("TF_Cmz_Add"), parent) { }

TF_Cmz_Zl::TF_Cmz_Zl(QWidget* parent) : ColorSizeMembers(SizeSide(), QStringLiteral("TF_Cmz_Zl"), parent) { }

Form* TF_Cmz_Zl::NewItemAdd()
{
    return new TF_Cm_Add(this);
}

Form* TF_Cmz_Zl::NewItemModi()
{
    return new TF_Cm_Modi(this);
}

TF_Cm_Add::TF_Cm_Add(QWidget* parent) : ColorSizeItemDialog(SizeSide(), false, QStringLiteral("TF_Cm_Add"), parent) { }

TF_Cm_Modi::TF_Cm_Modi(QWidget* parent)
    : ColorSizeItemDialog(SizeSide(), true, QStringLiteral("TF_Cm_Modi"), parent) { }
