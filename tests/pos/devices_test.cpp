#include "posfixture.h"

#include "platform/device/cashdrawer.h"
#include "platform/device/customerdisplay.h"

#include <QFile>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A pseudo-terminal standing for COM1: what the till writes to the display arrives
// at the master side; the line settings are read while the port is open.
class DevicesTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(grantpt(master_), 0);
        ASSERT_EQ(unlockpt(master_), 0);
        DeviceFiles::SetPath(QStringLiteral("COM1"), QString::fromLocal8Bit(ptsname(master_)));
        CustomerDisplay::SetWriteObserver([this](int fd) {
            termios t {};
            if (tcgetattr(fd, &t) == 0) {
                speed = int(cfgetospeed(&t));
                eightNoneOne = (t.c_cflag & CSIZE) == CS8 && !(t.c_cflag & PARENB) && !(t.c_cflag & CSTOPB);
            }
        });
    }
    void TearDown() override
    {
        CustomerDisplay::SetWriteObserver(nullptr);
        if (master_ >= 0)
            ::close(master_);
        PosTest::TearDown();
    }
    QByteArray Received()
    {
        QByteArray out;
        char buf[256];
        ssize_t n;
        while ((n = ::read(master_, buf, sizeof buf)) > 0)
            out.append(buf, int(n));
        return out;
    }
    QString TempFile(const QString& name)
    {
        const QString path = Folder() + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }
    int master_ = -1;
    int speed = 0;
    bool eightNoneOne = false;
};

TEST_F(DevicesTest, DisplayShowsTheTotal)
{
    ExecSQL("update jxc_poscs set pos_kxjk=1");
    Setting(QStringLiteral("cs_cs004"), QStringLiteral("1"));
    Open();
    EXPECT_EQ(Received(), QByteArray("\f\x1bs2\x1bQA0.00\r"));
    EXPECT_EQ(speed, int(B9600));
    EXPECT_TRUE(eightNoneOne);

    ExecSQL("update jxc_goods set g_sj=12.5 where g_sn='G1'");
    Scan(QStringLiteral("G10101"));
    EXPECT_EQ(Received(), QByteArray("\f\x1bs2\x1bQA12.5\r"));
    till->deleteCurrent();
    EXPECT_EQ(Received(), QByteArray("\f\x1bs2\x1bQA0.00\r"));

    Setting(QStringLiteral("cs_cs004"), QStringLiteral("0"));
    till->setMoneyValue(QStringLiteral("3"));
    EXPECT_EQ(Received(), QByteArray("\f\x1bs2\x1bQA3\r"));
    EXPECT_EQ(speed, int(B2400));
}

TEST_F(DevicesTest, PortZeroOrAMissingDeviceChangeNothing)
{
    Open(); // pos_kxjk 0
    Scan(QStringLiteral("G10101"));
    EXPECT_TRUE(Received().isEmpty());

    ExecSQL("update jxc_poscs set pos_kxjk=2,pos_qxjk=1");
    DeviceFiles::SetPath(QStringLiteral("PRN"), Folder() + "no/such/printer");
    till->setPoscs();
    till->ComKxInit();
    till->openQx();
    Scan(QStringLiteral("G10101"));
    EXPECT_EQ(Lines(), QStringList { "G1|2|100|1|200|" });
    EXPECT_FALSE(QFile::exists(Folder() + "no/such/printer"));
}

TEST_F(DevicesTest, DrawerPulseOnBothInterfaces)
{
    const QByteArray pulse("\x1b\x70\x00\x3f\x3f", 5);
    const QString printer = TempFile("prn");
    const QString parallel = TempFile("lpt1");
    DeviceFiles::SetPath(QStringLiteral("PRN"), printer);
    DeviceFiles::SetPath(QStringLiteral("LPT1"), parallel);
    auto content = [](const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    Open();
    till->DispatchKey(117); // F6 with interface 0
    EXPECT_TRUE(content(printer).isEmpty());
    EXPECT_TRUE(content(parallel).isEmpty());
    for (int iface : { 1, 2 }) {
        ExecSQL(QStringLiteral("update jxc_poscs set pos_qxjk=%1").arg(iface));
        till->setPoscs();
        till->DispatchKey(117);
    }
    EXPECT_EQ(content(printer), pulse);
    EXPECT_EQ(content(parallel), pulse);
}

TEST(DeviceFilesDefaults, UsualLinuxDevices)
{
    DeviceFiles::ResetPaths();
    EXPECT_EQ(DeviceFiles::PathOf(QStringLiteral("COM1")), "/dev/ttyS0");
    EXPECT_EQ(DeviceFiles::PathOf(QStringLiteral("com8")), "/dev/ttyS7");
    EXPECT_EQ(DeviceFiles::PathOf(QStringLiteral("LPT1")), "/dev/lp0");
    EXPECT_EQ(DeviceFiles::PathOf(QStringLiteral("PRN")), "/dev/usb/lp0");
    EXPECT_TRUE(DeviceFiles::PathOf(QStringLiteral("COM0")).isEmpty());
}

}
