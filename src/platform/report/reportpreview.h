#pragma once
#include "platform/ui/form.h"

#include <QImage>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class Report;

// The modal preview of a prepared report: one page at a time, zoom, page turning,
// printing through the printer dialog, and export to PDF and PNG.
class ReportPreview : public Form {
    Q_OBJECT
public:
    explicit ReportPreview(Report* report, QWidget* parent = nullptr);

    Report* GetReport() const { return report_; }
    int PageCount() const;
    int CurrentPage() const { return page_; } // from 0
    // The caption between the page buttons, "第 1 / 3 页".
    QString PageText() const;
    double Zoom() const { return zoom_; } // 1.0 is the paper's own size
    QImage PageImage() const { return image_; }

    void GoToPage(int index);
    void FirstPage() { GoToPage(0); }
    void PriorPage() { GoToPage(page_ - 1); }
    void NextPage() { GoToPage(page_ + 1); }
    void LastPage() { GoToPage(PageCount() - 1); }
    void SetZoom(double zoom);
    void ZoomIn();
    void ZoomOut();
    void FitWidth();
    void FitPage();

    // The toolbar commands; each returns whether it did its work.
    bool btnPrintClick();
    bool btnExportPdfClick();
    bool btnExportPngClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    enum class Fit { None, Width, Page };
    void Refresh();
    void ApplyFit();
    void ZoomChosen(int index);

    Report* report_;
    int page_ = 0;
    double zoom_ = 1.0;
    Fit fit_ = Fit::Width;
    QImage image_;

    QScrollArea* scroll_ = nullptr;
    QLabel* view_ = nullptr;
    QLabel* lPage_ = nullptr;
    QComboBox* comZoom_ = nullptr;
    QPushButton* btnFirst_ = nullptr;
    QPushButton* btnPrior_ = nullptr;
    QPushButton* btnNext_ = nullptr;
    QPushButton* btnLast_ = nullptr;
};
