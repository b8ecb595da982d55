#include "reporttest.h"

#include "platform/report/barcode.h"

#include <QImage>
#include <zint.h>

namespace {

constexpr int kDpi = 600;
constexpr double kDotsPerMm = kDpi / 25.4;

// A 100 x 50 mm page with one barcode at 10,10 mm, 80 x 30 mm.
QString BarcodeTemplate(const QString& type)
{
    return Tpl(QStringLiteral(
                   "<band type=\"ReportTitle\" height=\"40\">"
                   "<barcode name=\"bc\" left=\"5\" top=\"5\" width=\"80\" height=\"30\" type=\"%1\">[code]</barcode>"
                   "</band>")
                   .arg(type),
        QStringLiteral("paper=\"Custom\" width=\"100\" height=\"50\" marginLeft=\"5\" marginTop=\"5\" "
                       "marginRight=\"5\" marginBottom=\"5\""));
}

bool Dark(const QImage& img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 128;
}

// zint's own modules of the symbol.
struct Modules {
    int rows = 0, width = 0;
    std::vector<std::vector<bool>> bits;
};

Modules ZintModules(int symbology, const QString& data)
{
    Modules m;
    zint_symbol* s = ZBarcode_Create();
    s->symbology = symbology;
    s->input_mode = UNICODE_MODE;
    const QByteArray utf8 = data.toUtf8();
    if (ZBarcode_Encode(s, reinterpret_cast<const unsigned char*>(utf8.constData()), int(utf8.size())) < ZINT_ERROR) {
        m.rows = s->rows;
        m.width = s->width;
        for (int r = 0; r < s->rows; ++r) {
            std::vector<bool> row;
            for (int x = 0; x < s->width; ++x)
                row.push_back((s->encoded_data[r][x >> 3] >> (x & 7)) & 1);
            m.bits.push_back(row);
        }
    }
    ZBarcode_Delete(s);
    return m;
}

// The modules read back from one scan line across the drawn bars.
std::vector<bool> ReadLine(const QImage& img, int y, int left, int right, int modules)
{
    int x0 = -1, x1 = -1;
    for (int x = left; x < right; ++x)
        if (Dark(img, x, y)) {
            if (x0 < 0)
                x0 = x;
            x1 = x;
        }
    std::vector<bool> out;
    if (x0 < 0)
        return out;
    const double pitch = double(x1 - x0 + 1) / modules;
    for (int i = 0; i < modules; ++i)
        out.push_back(Dark(img, int(x0 + (i + 0.5) * pitch), y));
    return out;
}

// EAN-13 read from its 95 modules: the first digit from the parity of the left half.
QString DecodeEan13(const std::vector<bool>& m)
{
    static const char* L[] = { "0001101", "0011001", "0010011", "0111101", "0100011", "0110001", "0101111", "0111011",
        "0110111", "0001011" };
    static const char* parity[]
        = { "LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL" };
    if (m.size() != 95)
        return QString();
    auto pattern = [&](int from) {
        QString s;
        for (int i = 0; i < 7; ++i)
            s += m[from + i] ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    auto invert = [](QString s) {
        for (QChar& c : s)
            c = c == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
        return s;
    };
    QString digits, par;
    for (int d = 0; d < 6; ++d) {
        const QString p = pattern(3 + d * 7);
        int found = -1;
        for (int k = 0; k < 10; ++k) {
            if (p == QLatin1String(L[k])) {
                found = k;
                par += QLatin1Char('L');
            } else {
                QString g = invert(QLatin1String(L[k]));
                std::reverse(g.begin(), g.end());
                if (p == g) {
                    found = k;
                    par += QLatin1Char('G');
                }
            }
        }
        if (found < 0)
            return QString();
        digits += QString::number(found);
    }
    for (int d = 0; d < 6; ++d) {
        const QString p = pattern(50 + d * 7);
        int found = -1;
        for (int k = 0; k < 10; ++k)
            if (p == invert(QLatin1String(L[k])))
                found = k;
        if (found < 0)
            return QString();
        digits += QString::number(found);
    }
    for (int k = 0; k < 10; ++k)
        if (par == QLatin1String(parity[k]))
            return QString::number(k) + digits;
    return QString();
}

QString WithCheckDigit(const QString& twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += twelve[i].digitValue() * (i % 2 ? 3 : 1);
    return twelve + QString::number((10 - sum % 10) % 10);
}

} // namespace

class BarcodeTest : public ReportTest {
protected:
    QImage Render(const QString& type, const QString& data)
    {
        Report r;
        Load(r, BarcodeTemplate(type));
        r.SetVariable(QStringLiteral("code"), data);
        const QStringList files = r.ExportPng(Folder() + QStringLiteral("bc.png"), kDpi);
        EXPECT_EQ(files.size(), 1);
        return files.isEmpty() ? QImage() : QImage(files[0]);
    }
    // The barcode object's area on the page, in pixels.
    static QRect Area()
    {
        return QRect(
            qRound(10 * kDotsPerMm), qRound(10 * kDotsPerMm), qRound(80 * kDotsPerMm), qRound(30 * kDotsPerMm));
    }
};

TEST_F(BarcodeTest, Ean13ReadsBackAsItsNumber)
{
    const QString number = QStringLiteral("690123456789");
    const QImage img = Render(QStringLiteral("ean13"), number);
    ASSERT_FALSE(img.isNull());
    const QRect a = Area();
    // Halfway down the bars, above the digits.
    const std::vector<bool> modules = ReadLine(img, a.top() + a.height() / 3, a.left(), a.right(), 95);
    EXPECT_EQ(DecodeEan13(modules), WithCheckDigit(number));
}

TEST_F(BarcodeTest, EverySymbologyDrawsZintsModules)
{
    struct Case {
        QString type;
        int symbology;
        QString data;
    };
    const Case cases[] = {
        { QStringLiteral("ean13"), BARCODE_EANX, QStringLiteral("693000000015") },
        { QStringLiteral("code128"), BARCODE_CODE128, QStringLiteral("TM-100001-xl") },
        { QStringLiteral("code39"), BARCODE_CODE39, QStringLiteral("VESTORA-39") },
        { QStringLiteral("qr"), BARCODE_QRCODE, QStringLiteral("货号 100001 / 红色 / XL") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type.toStdString());
        const Modules want = ZintModules(c.symbology, c.data);
        ASSERT_GT(want.width, 0);
        const QImage img = Render(c.type, c.data);
        ASSERT_FALSE(img.isNull());
        const QRect a = Area();
        if (want.rows == 1) {
            EXPECT_EQ(ReadLine(img, a.top() + a.height() / 3, a.left(), a.right(), want.width), want.bits[0]);
            continue;
        }
        // A matrix symbol: square, centred; sample the middle of every module.
        int x0 = a.right(), x1 = a.left(), y0 = a.bottom(), y1 = a.top();
        for (int y = a.top(); y <= a.bottom(); ++y)
            for (int x = a.left(); x <= a.right(); ++x)
                if (Dark(img, x, y)) {
                    x0 = std::min(x0, x);
                    x1 = std::max(x1, x);
                    y0 = std::min(y0, y);
                    y1 = std::max(y1, y);
                }
        ASSERT_LT(x0, x1);
        EXPECT_NEAR(x1 - x0, y1 - y0, 2);
        const double pitch = double(x1 - x0 + 1) / want.width;
        int wrong = 0;
        for (int r = 0; r < want.rows; ++r)
            for (int x = 0; x < want.width; ++x)
                wrong += Dark(img, int(x0 + (x + 0.5) * pitch), int(y0 + (r + 0.5) * pitch)) != want.bits[r][x];
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(BarcodeTest, DataTheSymbologyRefusesDrawsNothing)
{
    const QImage img = Render(QStringLiteral("ean13"), QStringLiteral("ABC"));
    ASSERT_FALSE(img.isNull());
    const QRect a = Area();
    int dark = 0;
    for (int y = a.top(); y <= a.bottom(); y += 3)
        for (int x = a.left(); x <= a.right(); x += 3)
            dark += Dark(img, x, y);
    EXPECT_EQ(dark, 0);
}
