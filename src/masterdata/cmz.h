#pragma once
#include "masterdata/colorzwindows.h"

// The size windows: size groups, their members and the sizes themselves.

class TF_Cmz : public ColorSizeGroupList {
    Q_OBJECT
public:
    explicit TF_Cmz(QWidget* parent = nullptr);

protected:
    Form* NewGroupName() override;
    Form* NewMembers() override;
};

class TF_Cmz_Add : public ColorSizeGroupName {
    Q_OBJECT
public:
    explicit TF_Cmz_Add(QWidget* parent = nullptr);
};

class TF_Cmz_Zl : public ColorSizeMembers {
    Q_OBJECT
public:
    explicit TF_Cmz_Zl(QWidget* parent = nullptr);

protected:
    Form* NewItemAdd() override;
    Form* NewItemModi() override;
};

class TF_Cm_Add : public ColorSizeItemDialog {
    Q_OBJECT
public:
    explicit TF_Cm_Add(QWidget* parent = nullptr);
};

class TF_Cm_Modi : public ColorSizeItemDialog {
    Q_OBJECT
public:
    explicit TF_Cm_Modi(QWidget* parent = nullptr);
};
