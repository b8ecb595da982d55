#pragma once
#include <QImage>
#include <QString>
#include <optional>

class QWidget;

// The camera of the photo windows: the first video input the system offers. Windows
// reach it only through here, so that tests put a camera of their own in its place
// (or none), as they do with Prompt.
namespace Camera {

class Device {
public:
    virtual ~Device() = default;
    // Whether a video input exists at all.
    virtual bool Present() = 0;
    // Switches the camera on; its live picture goes into `view` when given. False when
    // it cannot be switched on.
    virtual bool Start(QWidget* view) = 0;
    // One frame of the running camera; nothing when the capture fails.
    virtual std::optional<QImage> Capture() = 0;
    virtual void Stop() = 0;
};

// The camera in force; the default one is the system's first video input.
Device& Current();
// Replace the camera (tests); nullptr restores the default.
void Install(Device* device);

}
