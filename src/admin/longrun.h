#pragma once
#include <QString>
#include <memory>

class QProgressDialog;

// The progress dialog and busy cursor of a long run (clearing, settlement). The work
// itself runs in the caller's transaction; this only shows how far it is.
class LongRun {
public:
    LongRun(const QString& caption, int steps);
    ~LongRun();
    LongRun(const LongRun&) = delete;
    LongRun& operator=(const LongRun&) = delete;

    // The next step begins.
    void Step(const QString& text);

private:
    std::unique_ptr<QProgressDialog> dialog_;
    int done_ = 0;
};
