#include "masterdata/colorz.h"

TF_Colorz::TF_Colorz(QWidget* parent) : ColorSizeGroupList(ColourSide(), QStringLiteral("TF_Colorz"), parent) { }

Form* TF_Colorz::NewGroupName()
{
    return new TF_Colorz_Add(this);
}

Form* TF_Colorz::NewMembers()
{
    return new TF_Colorz_Zl(this);
}

TF_Colorz_Add::TF_Colorz_Add(QWidget* parent)
    : ColorSizeGroupName(ColourSide(), QStringLiteral("TF_Colorz_Add"), parent)
{
}

TF_Colorz_Zl::TF_Colorz_Zl(QWidget* parent) : ColorSizeMembers(ColourSide(), QStringLiteral("TF_Colorz_Zl"), parent) { }

Form* TF_Colorz_Zl::NewItemAdd()
{
    return new TF_Color_Add(this);
}

Form* TF_Colorz_Zl::NewItemModi()
{
    return new TF_Color_Modi(this);
}

TF_Color_Add::TF_Color_Add(QWidget* parent)
    : ColorSizeItemDialog(ColourSide(), false, QStringLiteral("TF_Color_Add"), parent)
{
}

TF_Color_Modi::TF_Color_Modi(QWidget* parent)
    : ColorSizeItemDialog(ColourSide(), true, QStringLiteral("TF_Color_Modi"), parent)
{
}
