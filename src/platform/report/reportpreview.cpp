#include "platform/report/reportpreview.h"

#include "platform/report/report.h"
#include "platform/ui/prompt.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// Screen pixels per inch at 100%.
constexpr double kScreenDpi = 96;
constexpr double kMinZoom = 0.25, kMaxZoom = 4.0;
const double kZoomSteps[] = { 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0 };
// Zoom choices after the two fitting ones.
const double kZoomChoices[] = { 0.5, 0.75, 1.0, 1.5, 2.0 };
}

ReportPreview::ReportPreview(Report* report, QWidget* parent) : Form(parent), report_(report)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("打印预览"));

    auto* bar = new QHBoxLayout;
    auto button = [&](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    auto* btnPrint = button(QStringLiteral("打印"), "btnPrint");
    auto* btnPdf = button(QStringLiteral("导出PDF"), "btnExportPdf");
    auto* btnPng = button(QStringLiteral("导出图片"), "btnExportPng");
    bar->addSpacing(12);
    comZoom_ = new QComboBox(this);
    comZoom_->setObjectName(QStringLiteral("comZoom"));
    comZoom_->addItem(QStringLiteral("页宽"));
    comZoom_->addItem(QStringLiteral("整页"));
    for (double z : kZoomChoices)
        comZoom_->addItem(QStringLiteral("%1%").arg(qRound(z * 100)));
    bar->addWidget(comZoom_);
    bar->addSpacing(12);
    btnFirst_ = button(QStringLiteral("首页"), "btnFirst");
    btnPrior_ = button(QStringLiteral("上页"), "btnPrior");
    lPage_ = new QLabel(this);
    lPage_->setObjectName(QStringLiteral("lPage"));
    bar->addWidget(lPage_);
    btnNext_ = button(QStringLiteral("下页"), "btnNext");
    btnLast_ = button(QStringLiteral("末页"), "btnLast");
    bar->addStretch(1);
    auto* btnClose = button(QStringLiteral("关闭"), "btnClose");

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new QLabel;
    view_->setObjectName(QStringLiteral("pageView"));
    view_->setAlignment(Qt::AlignCenter);
    scroll_->setWidget(view_);
    scroll_->setWidgetResizable(false);
    scroll_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);

    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnPdf, &QPushButton::clicked, this, [this] { btnExportPdfClick(); });
    connect(btnPng, &QPushButton::clicked, this, [this] { btnExportPngClick(); });
    connect(btnFirst_, &QPushButton::clicked, this, [this] { FirstPage(); });
    connect(btnPrior_, &QPushButton::clicked, this, [this] { PriorPage(); });
    connect(btnNext_, &QPushButton::clicked, this, [this] { NextPage(); });
    connect(btnLast_, &QPushButton::clicked, this, [this] { LastPage(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(comZoom_, &QComboBox::activated, this, [this](int i) { ZoomChosen(i); });

    resize(1000, 860);
    ApplyFit();
}

int ReportPreview::PageCount() const
{
    return report_ ? report_->PageCount() : 0;
}

QString ReportPreview::PageText() const
{
    const int n = PageCount();
    return QStringLiteral("第 %1 / %2 页").arg(n == 0 ? 0 : page_ + 1).arg(n);
}

void ReportPreview::GoToPage(int index)
{
    const int n = PageCount();
    const int target = std::clamp(index, 0, std::max(0, n - 1));
    if (target == page_ && !image_.isNull())
        return;
    page_ = target;
    Refresh();
}

void ReportPreview::SetZoom(double zoom)
{
    fit_ = Fit::None;
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    Refresh();
}

void ReportPreview::ZoomIn()
{
    for (double z : kZoomSteps)
        if (z > zoom_ + 1e-6) {
            SetZoom(z);
            return;
        }
}

void ReportPreview::ZoomOut()
{
    double next = kMinZoom;
    for (double z : kZoomSteps)
        if (z < zoom_ - 1e-6)
            next = z;
    SetZoom(next);
}

void ReportPreview::FitWidth()
{
    fit_ = Fit::Width;
    ApplyFit();
}

void ReportPreview::FitPage()
{
    fit_ = Fit::Page;
    ApplyFit();
}

void ReportPreview::ZoomChosen(int index)
{
    if (index == 0)
        FitWidth();
    else if (index == 1)
        FitPage();
    else if (index - 2 < int(std::size(kZoomChoices)))
        SetZoom(kZoomChoices[index - 2]);
}

void ReportPreview::ApplyFit()
{
    if (fit_ != Fit::None && report_ && PageCount() > 0) {
        const PreparedPage& p = report_->Pages().pages[page_];
        const double mm = kScreenDpi / 25.4;
        // The room inside the scroll area whether or not its scroll bars show, so
        // that a bar appearing does not change the fit.
        const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const int frame = 2 * scroll_->frameWidth();
        const double w = std::max(100, scroll_->width() - frame - bar - 16);
        const double h = std::max(100, scroll_->height() - frame - bar - 16);
        double z = w / (p.width * mm);
        if (fit_ == Fit::Page && p.height > 0)
            z = std::min(z, h / (p.height * mm));
        zoom_ = std::clamp(z, kMinZoom, kMaxZoom);
    }
    Refresh();
}

void ReportPreview::Refresh()
{
    const int n = PageCount();
    lPage_->setText(PageText());
    btnFirst_->setEnabled(page_ > 0);
    btnPrior_->setEnabled(page_ > 0);
    btnNext_->setEnabled(page_ + 1 < n);
    btnLast_->setEnabled(page_ + 1 < n);
    if (n == 0) {
        image_ = QImage();
        view_->clear();
        view_->resize(1, 1);
        return;
    }
    image_ = report_->RenderPage(page_, std::max(1, qRound(kScreenDpi * zoom_)));
    view_->setPixmap(QPixmap::fromImage(image_));
    view_->resize(image_.size());
}

bool ReportPreview::btnPrintClick()
{
    if (!report_)
        return false;
    PrintOptions o;
    o.showDialog = true;
    if (report_->Print(o))
        return true;
    if (!report_->LastError().isEmpty())
        Prompt::Info(report_->LastError());
    return false;
}

bool ReportPreview::btnExportPdfClick()
{
    if (!report_)
        return false;
    const QString base = QFileInfo(report_->FileName()).completeBaseName();
    const QString file = Prompt::SaveFile(QStringLiteral("导出PDF"), QStringLiteral("PDF文件 (*.pdf)"),
        base.isEmpty() ? QString() : base + QStringLiteral(".pdf"));
    if (file.isEmpty())
        return false;
    if (report_->ExportPdf(file))
        return true;
    Prompt::Info(report_->LastError());
    return false;
}

bool ReportPreview::btnExportPngClick()
{
    if (!report_)
        return false;
    const QString base = QFileInfo(report_->FileName()).completeBaseName();
    const QString file = Prompt::SaveFile(QStringLiteral("导出图片"), QStringLiteral("PNG图片 (*.png)"),
        base.isEmpty() ? QString() : base + QStringLiteral(".png"));
    if (file.isEmpty())
        return false;
    if (!report_->ExportPng(file).isEmpty())
        return true;
    Prompt::Info(report_->LastError());
    return false;
}

void ReportPreview::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_PageDown:
        NextPage();
        return;
    case Qt::Key_PageUp:
        PriorPage();
        return;
    case Qt::Key_Home:
        FirstPage();
        return;
    case Qt::Key_End:
        LastPage();
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomIn();
        return;
    case Qt::Key_Minus:
        ZoomOut();
        return;
    default:
        Form::keyPressEvent(e);
    }
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == scroll_ && e->type() == QEvent::Resize && fit_ != Fit::None)
        ApplyFit();
    return Form::eventFilter(watched, e);
}
