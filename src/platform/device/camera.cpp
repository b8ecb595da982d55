#include "platform/device/camera.h"

#include <QCamera>
#include <QEventLoop>
#include <QImageCapture>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QVideoWidget>
#include <QWidget>
#include <memory>

namespace {

// How long a capture may take before it counts as failed.
constexpr int kCaptureTimeoutMs = 5000;

class SystemCamera : public Camera::Device {
public:
    bool Present() override { return !QMediaDevices::videoInputs().isEmpty(); }

    bool Start(QWidget* view) override
    {
        Stop();
        const auto inputs = QMediaDevices::videoInputs();
        if (inputs.isEmpty())
            return false;
        camera_ = std::make_unique<QCamera>(inputs.first());
        capture_ = std::make_unique<QImageCapture>();
        session_ = std::make_unique<QMediaCaptureSession>();
        session_->setCamera(camera_.get());
        session_->setImageCapture(capture_.get());
        if (view) {
            auto* video = new QVideoWidget(view);
            if (!view->layout())
                new QVBoxLayout(view);
            view->layout()->setContentsMargins(0, 0, 0, 0);
            view->layout()->addWidget(video);
            session_->setVideoOutput(video);
            video_ = video;
        }
        camera_->start();
        return camera_->error() == QCamera::NoError;
    }

    std::optional<QImage> Capture() override
    {
        if (!camera_ || !capture_ || !camera_->isActive())
            return std::nullopt;
        std::optional<QImage> frame;
        QEventLoop wait;
        QObject::connect(capture_.get(), &QImageCapture::imageCaptured, &wait, [&](int, const QImage& image) {
            frame = image;
            wait.quit();
        });
        QObject::connect(capture_.get(), &QImageCapture::errorOccurred, &wait, [&] { wait.quit(); });
        QTimer::singleShot(kCaptureTimeoutMs, &wait, &QEventLoop::quit);
        if (capture_->capture() < 0)
            return std::nullopt;
        wait.exec();
        if (frame && frame->isNull())
            frame.reset();
        return frame;
    }

    void Stop() override
    {
        if (camera_)
            camera_->stop();
        session_.reset();
        capture_.reset();
        camera_.reset();
        delete video_.data();
    }

    ~SystemCamera() override { Stop(); }

private:
    std::unique_ptr<QCamera> camera_;
    std::unique_ptr<QImageCapture> capture_;
    std::unique_ptr<QMediaCaptureSession> session_;
    QPointer<QVideoWidget> video_;
};

Camera::Device* installed = nullptr;

}

namespace Camera {

Device& Current()
{
    if (installed)
        return *installed;
    static SystemCamera system;
    return system;
}

void Install(Device* device)
{
    installed = device;
}

}
