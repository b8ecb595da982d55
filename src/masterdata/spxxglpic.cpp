#include "masterdata/spxxglpic.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/inform.h"
#include "platform/base/programfolder.h"
#include "platform/device/camera.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

TF_Spxxgl_Pic* F_Spxxgl_Pic = nullptr;
TF_Spxxgl_Pic2* F_Spxxgl_Pic2 = nullptr;

namespace {

QLabel* NewImageBox(QWidget* parent)
{
    auto* box = new QLabel(parent);
    box->setObjectName(QStringLiteral("Image_Pic"));
    box->setFrameShape(QFrame::Box);
    box->setAlignment(Qt::AlignCenter);
    box->setMinimumSize(240, 240);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    return box;
}

void ShowIn(QLabel* box, const QImage& image)
{
    box->setPixmap(QPixmap::fromImage(image).scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}

QString PictureFilePath(const QString& fileName)
{
    return ProgramFolder::File(QStringLiteral("picture/") + fileName);
}

bool StorePictureFile(const QString& source, const QString& destName, QImage* shown)
{
    QDir().mkpath(ProgramFolder::File(QStringLiteral("picture")));
    const QString dest = PictureFilePath(destName);
    const QString ext = QFileInfo(source).suffix().toLower();
    if (ext != QLatin1String("jpg") && ext != QLatin1String("bmp") && ext != QLatin1String("gif")
        && ext != QLatin1String("png"))
        return false;
    QImage image;
    if (!image.load(source))
        throw std::runtime_error(("not a picture: " + source).toStdString());
    if (shown)
        *shown = image;
    if (ext == QLatin1String("jpg")) {
        if (QFileInfo(source).absoluteFilePath() != QFileInfo(dest).absoluteFilePath()) {
            QFile::remove(dest);
            if (!QFile::copy(source, dest))
                throw std::runtime_error(("cannot write " + dest).toStdString());
        }
        return true;
    }
    const QString scratch = PictureFilePath(QStringLiteral("jxc.bmp"));
    if (ext == QLatin1String("png")) {
        // Through a bitmap, as the shop's other programs expect: no transparency.
        image.convertToFormat(QImage::Format_RGB32).save(scratch, "BMP");
        image.load(scratch);
        if (shown)
            *shown = image;
    }
    const bool written = image.convertToFormat(QImage::Format_RGB32).save(dest, "JPG");
    QFile::remove(scratch);
    if (!written)
        throw std::runtime_error(("cannot write " + dest).toStdString());
    return true;
}

TF_Spxxgl_Pic::TF_Spxxgl_Pic(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Spxxgl_Pic"));
    setWindowTitle(QStringLiteral("采集照片"));
    auto* box = new QVBoxLayout(this);
    auto* pictures = new QHBoxLayout;
    dxCamera = new QWidget(this);
    dxCamera->setObjectName(QStringLiteral("dxCamera"));
    dxCamera->setMinimumSize(320, 240);
    new QVBoxLayout(dxCamera);
    pictures->addWidget(dxCamera, 1);
    Image_Pic = NewImageBox(this);
    pictures->addWidget(Image_Pic, 1);
    box->addLayout(pictures, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnTake = new QPushButton(QStringLiteral("拍照"), this);
    btnSave = new QPushButton(QStringLiteral("保存"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    buttons->addWidget(btnTake);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    box->addLayout(buttons);
    connect(btnTake, &QPushButton::clicked, this, &TF_Spxxgl_Pic::btnTakeClick);
    connect(btnSave, &QPushButton::clicked, this, &TF_Spxxgl_Pic::btnSaveClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_Spxxgl_Pic::btnExitClick);
}

TF_Spxxgl_Pic::~TF_Spxxgl_Pic()
{
    if (F_Spxxgl_Pic == this)
        F_Spxxgl_Pic = nullptr;
}

void TF_Spxxgl_Pic::ShowImage(const QImage& image)
{
    ShowIn(Image_Pic, image);
}

void TF_Spxxgl_Pic::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Image_Pic->clear();
    photo_ = QImage();
    taken_ = QStringLiteral("0");
    const QString existing = PictureFilePath(PictureName + QStringLiteral(".jpg"));
    if (QFile::exists(existing)) {
        ResultText = existing;
        QImage image;
        if (image.load(existing))
            ShowImage(image);
    }
    btnTake->setEnabled(false);
    Camera::Device& camera = Camera::Current();
    if (camera.Present() && camera.Start(dxCamera)) {
        btnTake->setEnabled(true);
    } else if (Image_Pic->pixmap().isNull()) {
        Image_Pic->setText(QStringLiteral("没有找到摄像头，不能拍照。"));
    }
}

void TF_Spxxgl_Pic::hideEvent(QHideEvent* e)
{
    Camera::Current().Stop();
    Form::hideEvent(e);
}

void TF_Spxxgl_Pic::btnTakeClick()
{
    const std::optional<QImage> frame = Camera::Current().Capture();
    if (!frame) {
        Inform(QStringLiteral("不能拍照，请检查摄像头！"));
        return;
    }
    photo_ = *frame;
    ShowImage(photo_);
    taken_ = QStringLiteral("1");
}

void TF_Spxxgl_Pic::btnSaveClick()
{
    if (taken_ == QLatin1String("1")) {
        QDir().mkpath(ProgramFolder::File(QStringLiteral("picture")));
        const QString path = PictureFilePath(PictureName + QStringLiteral(".jpg"));
        QFile::remove(path);
        if (photo_.convertToFormat(QImage::Format_RGB32).save(path, "JPG"))
            ResultText = path;
        else
            Inform(QStringLiteral("不能保存照片：") + path);
    }
    accept();
}

void TF_Spxxgl_Pic::btnExitClick()
{
    reject();
}

bool TF_Spxxgl_Pic::savePic(const QString& source, const QString& destName)
{
    QImage loaded;
    const bool written = StorePictureFile(source, destName, &loaded);
    if (!loaded.isNull())
        ShowImage(loaded);
    return written;
}

TF_Spxxgl_Pic2::TF_Spxxgl_Pic2(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Spxxgl_Pic2"));
    setWindowTitle(QStringLiteral("图片查看"));
    auto* box = new QVBoxLayout(this);
    Image_Pic = NewImageBox(this);
    Image_Pic->setMinimumSize(400, 400);
    box->addWidget(Image_Pic, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    buttons->addWidget(btnExit);
    box->addLayout(buttons);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
}

TF_Spxxgl_Pic2::~TF_Spxxgl_Pic2()
{
    if (F_Spxxgl_Pic2 == this)
        F_Spxxgl_Pic2 = nullptr;
}

void TF_Spxxgl_Pic2::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Image_Pic->clear();
    const QString file = PictureFilePath(PictureName);
    QImage image;
    if (QFile::exists(file) && image.load(file))
        ShowIn(Image_Pic, image);
    else
        Inform(QStringLiteral("图片不存在！"));
}
