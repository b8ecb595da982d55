#pragma once
#include "masterdata/colorzwindows.h"

// The colour windows: colour groups, their members and the colours themselves.

class TF_Colorz : public ColorSizeGroupList {
    Q_OBJECT
public:
    explicit TF_Colorz(QWidget* parent = nullptr);

protected:
    Form* NewGroupName() override;
    Form* NewMembers() override;
};

class TF_Colorz_Add : public ColorSizeGroupName {
    Q_OBJECT
public:
    explicit TF_Colorz_Add(QWidget* parent = nullptr);
};

class TF_Colorz_Zl : public ColorSizeMembers {
    Q_OBJECT
public:
    explicit TF_Colorz_Zl(QWidget* parent = nullptr);

protected:
    Form* NewItemAdd() override;
    Form* NewItemModi() override;
};

class TF_Color_Add : public ColorSizeItemDialog {
    Q_OBJECT
public:
    explicit TF_Color_Add(QWidget* parent = nullptr);
};

class TF_Color_Modi : public ColorSizeItemDialog {
    Q_OBJECT
public:
    explicit TF_Color_Modi(QWidget* parent = nullptr);
};
