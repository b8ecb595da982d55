#pragma once
#include <QDialog>

class QLineEdit;

// The base of every window: a dialog whose activation step runs each time it is
// shown, that may close on Esc, asks before closing, and takes the operator's font size.
class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Run the activation step again when a window that this one opened modally closes
    // (message boxes never count). Off by default: entries made before opening a
    // dialog stay in place.
    void SetReactivateAfterModal(bool on) { reactivateAfterModal_ = on; }
    bool ReactivateAfterModal() const { return reactivateAfterModal_; }
    void SetEscCloses(bool on) { escCloses_ = on; }
    // Sets the point size of the window's font (and so of its children).
    void ApplyFontSize(int points);
    // How often the activation step has run; tests read it.
    int ActivationCount() const { return activations_; }

    // Shows the window modally through the program's one modal path.
    int ShowModal();

    // The activation step; windows put their set-up for each showing here.
    virtual void FormActivate() { }
    // Asked before the window closes; false keeps it open.
    virtual bool FormCloseQuery() { return true; }

    // Modal bookkeeping used by Prompt::ShowModal.
    static Form* TopModal();
    static void PushModal(Form* f);
    static void PopModal(Form* f);
    void ModalChildClosed();
    // Runs the activation step as a showing does.
    void Activate();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

public slots:
    void reject() override;

private:
    bool reactivateAfterModal_ = false;
    bool escCloses_ = true;
    bool closeApproved_ = false;
    int activations_ = 0;
};

// A line edit with its object name and length limit.
QLineEdit* NamedEdit(QWidget* parent, const char* name, int maxLength);
