#pragma once
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class QPushButton;

// "1" once the operator confirmed the layout hint, so that the next use of a list's
// layout command saves; empty otherwise.
extern QString GridLayoutConfirmed;

// The hint that explains how to rearrange a list's columns before they are saved.
class TF_GridMsg : public Form {
    Q_OBJECT
public:
    explicit TF_GridMsg(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();
    // F5 acts as OK, Esc as cancel; true when the key was taken.
    bool FormKeyDown(int key);

    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};

// Created on first use and kept until the program ends.
extern TF_GridMsg* F_GridMsg;

// Shows the hint modally, then lets the columns be dragged to any width.
void ShowGridLayoutHint(DataGrid* view);
// Stores the grid's column layout in "Layout/" + name + ".ini" under the program
// folder and tells the operator. A file that cannot be written throws.
void SaveGridLayout(const QString& name, DataGrid* view);
// Restores a stored layout when there is one.
void LoadGridLayout(const QString& name, DataGrid* view);
