#include "goodsentryfixture.h"

#include "masterdata/spxxgladd.h"
#include "masterdata/spxxglpic.h"
#include "platform/base/programfolder.h"
#include "platform/device/camera.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <stdexcept>

namespace {

// A camera that is there (or not) and hands out a green frame.
class TestCamera : public Camera::Device {
public:
    explicit TestCamera(bool present) : present_(present) { }
    bool Present() override { return present_; }
    bool Start(QWidget*) override { return present_; }
    std::optional<QImage> Capture() override
    {
        if (!present_)
            return std::nullopt;
        QImage frame(16, 12, QImage::Format_RGB32);
        frame.fill(Qt::green);
        return frame;
    }
    void Stop() override { }

private:
    bool present_;
};

class GoodsPictureTest : public GoodsEntryTest {
protected:
    void TearDown() override
    {
        Camera::Install(nullptr);
        PictureName.clear();
        ResultText.clear();
        GoodsEntryTest::TearDown();
    }
    QString Source(const QString& name)
    {
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(QColor(200, 10, 10, 128));
        const QString path = Folder() + name;
        const QString format = QFileInfo(name).suffix().toUpper() == "JPG" ? "JPG" : "PNG";
        EXPECT_TRUE(image.save(path, format.toLatin1()));
        return path;
    }
    static QString Picture(const QString& name) { return ProgramFolder::File("picture/" + name); }
};

TEST_F(GoodsPictureTest, SavePicConvertsByLowerCaseExtension)
{
    struct Case {
        const char* source;
        bool written;
    };
    for (const Case& c :
        { Case { "a.png", true }, Case { "b.JPG", true }, Case { "c.jpeg", false }, Case { "d.tif", false } }) {
        QFile::remove(Picture("G1.jpg"));
        TF_Spxxgl_Pic pic;
        EXPECT_EQ(pic.savePic(Source(c.source), "G1.jpg"), c.written) << c.source;
        EXPECT_EQ(QFile::exists(Picture("G1.jpg")), c.written) << c.source;
        EXPECT_FALSE(QFile::exists(Picture("jxc.bmp"))) << c.source;
        if (c.written)
            EXPECT_FALSE(QImage(Picture("G1.jpg")).isNull()) << c.source;
    }
    QFile bad(Folder() + "bad.png");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    QFile::remove(Picture("G2.jpg"));
    EXPECT_THROW(StorePictureFile(bad.fileName(), "G2.jpg"), std::runtime_error);
    EXPECT_FALSE(QFile::exists(Picture("G2.jpg")));
}

TEST_F(GoodsPictureTest, ViewerOfAMissingFileSaysSo)
{
    PictureName = "NONE.jpg";
    TF_Spxxgl_Pic2 viewer;
    viewer.Activate();
    EXPECT_EQ(prompt.LastMessage(), "图片不存在！");
    EXPECT_TRUE(viewer.Image_Pic->pixmap().isNull());

    ASSERT_TRUE(StorePictureFile(Source("e.png"), "G3.jpg"));
    PictureName = "G3.jpg";
    prompt.Clear();
    viewer.Activate();
    EXPECT_TRUE(prompt.Messages().isEmpty());
    EXPECT_FALSE(viewer.Image_Pic->pixmap().isNull());
}

TEST_F(GoodsPictureTest, WithoutCameraNothingIsTakenAndAnExistingPictureComesBack)
{
    TestCamera none(false);
    Camera::Install(&none);
    PictureName = "G4";
    TF_Spxxgl_Pic pic;
    pic.Activate();
    EXPECT_FALSE(pic.btnTake->isEnabled());
    EXPECT_FALSE(pic.Image_Pic->text().isEmpty()) << "the window says there is no camera";
    pic.btnSaveClick();
    EXPECT_FALSE(QFile::exists(Picture("G4.jpg")));
    EXPECT_EQ(ResultText, "");

    ASSERT_TRUE(StorePictureFile(Source("f.png"), "G4.jpg"));
    pic.Activate();
    pic.btnSaveClick();
    EXPECT_EQ(ResultText, Picture("G4.jpg"));
}

TEST_F(GoodsPictureTest, CameraPhotoIsSavedUnderTheName)
{
    TestCamera camera(true);
    Camera::Install(&camera);
    PictureName = "G5";
    TF_Spxxgl_Pic pic;
    pic.Activate();
    ASSERT_TRUE(pic.btnTake->isEnabled());
    pic.btnSaveClick();
    EXPECT_FALSE(QFile::exists(Picture("G5.jpg"))) << "nothing taken yet";
    pic.Activate();
    pic.btnTakeClick();
    pic.btnSaveClick();
    EXPECT_TRUE(QFile::exists(Picture("G5.jpg")));
    EXPECT_EQ(ResultText, Picture("G5.jpg"));
}

TEST_F(GoodsPictureTest, PhotoTakenWhileAddingBecomesTheGoodsPicture)
{
    TestCamera camera(true);
    Camera::Install(&camera);
    TF_Spxxgl_Add add;
    ActiveDocKind = "cgjh";
    add.Activate();
    add.entry->btnClassOKClick();
    add.entry->g_name->setText("拍照商品");
    prompt.OnModal("TF_Spxxgl_Pic", [](QDialog* d) {
        auto* pic = static_cast<TF_Spxxgl_Pic*>(d);
        pic->btnTakeClick();
        pic->btnSaveClick();
        return pic->result();
    });
    add.miTakeClick();
    EXPECT_EQ(add.pendingCapture, "jxc.jpg");
    EXPECT_TRUE(QFile::exists(Picture("jxc.jpg")));
    add.btnSaveClick();
    EXPECT_EQ(SelectedSn, "20000001");
    EXPECT_TRUE(QFile::exists(Picture("20000001.jpg")));
    EXPECT_FALSE(QFile::exists(Picture("jxc.jpg")));
}

}
