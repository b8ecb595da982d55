#pragma once
#include "platform/ui/form.h"

#include <QImage>

class QLabel;
class QPushButton;

// Goods and member photos: JPEG files in "picture/" of the program folder. The
// caller hands the file name over in PictureName; the capture window gives back the
// path of the picture it shows in ResultText.

// Stores a picture file chosen by the operator as "picture/<destName>" in JPEG:
// a ".jpg" is copied as it is, ".bmp", ".gif" and ".png" are converted (the last
// by way of the scratch "picture/jxc.bmp", removed afterwards); any other extension
// writes nothing and gives false. A file that cannot be read as a picture throws
// std::runtime_error and writes nothing. `shown` receives the picture loaded.
bool StorePictureFile(const QString& source, const QString& destName, QImage* shown = nullptr);

// The full path of "picture/<fileName>" in the program folder.
QString PictureFilePath(const QString& fileName);

// "采集照片": takes a photo with the camera and stores it as PictureName + ".jpg".
class TF_Spxxgl_Pic : public Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Pic(QWidget* parent = nullptr);
    ~TF_Spxxgl_Pic() override;

    void FormActivate() override;
    void btnTakeClick();
    void btnSaveClick();
    void btnExitClick();
    // Converts a chosen file into "picture/<destName>" and shows it (StorePictureFile).
    bool savePic(const QString& source, const QString& destName);

    QLabel* Image_Pic = nullptr;
    QWidget* dxCamera = nullptr;
    QPushButton* btnTake = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void ShowImage(const QImage& image);
    QImage photo_;
    QString taken_ = QStringLiteral("0");
};

// "图片查看": shows "picture/" + PictureName.
class TF_Spxxgl_Pic2 : public Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Pic2(QWidget* parent = nullptr);
    ~TF_Spxxgl_Pic2() override;
    void FormActivate() override;

    QLabel* Image_Pic = nullptr;
    QPushButton* btnExit = nullptr;
};

extern TF_Spxxgl_Pic* F_Spxxgl_Pic;
extern TF_Spxxgl_Pic2* F_Spxxgl_Pic2;
