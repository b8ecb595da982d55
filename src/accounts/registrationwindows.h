#pragma once
#include "accounts/registrationlist.h"

// The four registration lists, each kept for the whole run in its global.
class TF_Yskdj : public RegistrationList {
    Q_OBJECT
public:
    explicit TF_Yskdj(QWidget* parent = nullptr);

protected:
    bool RunDialog(bool& printAfter) override;
};

class TF_Yfkdj : public RegistrationList {
    Q_OBJECT
public:
    explicit TF_Yfkdj(QWidget* parent = nullptr);

protected:
    bool RunDialog(bool& printAfter) override;
};

class TF_Ysksk : public RegistrationList {
    Q_OBJECT
public:
    explicit TF_Ysksk(QWidget* parent = nullptr);

protected:
    bool RunDialog(bool& printAfter) override;
};

class TF_Yfkfk : public RegistrationList {
    Q_OBJECT
public:
    explicit TF_Yfkfk(QWidget* parent = nullptr);

protected:
    bool RunDialog(bool& printAfter) override;
};

extern TF_Yskdj* F_Yskdj;
extern TF_Yfkdj* F_Yfkdj;
extern TF_Ysksk* F_Ysksk;
extern TF_Yfkfk* F_Yfkfk;
