// The committed skin pictures against the picture catalogue: the layout
// places controls by these sizes, the window and the dialogs take their shape
// from the see-through colour, and the colour swatches show through the
// frame's clear interior. The pictures are read with a small PNG reader
// (QtCore only) that covers what the generator writes: 8-bit RGB or RGBA,
// not interlaced.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

const QDir kRoot(QDir::cleanPath(QStringLiteral(ORVEX71_TEST_FIXTURES "/../..")));

struct Catalogued {
    const char* path;
    int width;
    int height;
};

// The picture catalogue of the layout, plus the engineer logo and the icons.
const Catalogued kCatalogue[] = {
    {"resources/skin/L1_BackGround.png", 1030, 660}, {"resources/skin/L3_BackGround.png", 1030, 660},
    {"resources/skin/L1_Back1.png", 600, 400},       {"resources/skin/L3_Back1.png", 600, 400},
    {"resources/skin/L1_Back2.png", 800, 374},       {"resources/skin/L3_Back2.png", 800, 374},
    {"resources/skin/L1_Back3.png", 800, 374},       {"resources/skin/L3_Back3.png", 800, 374},
    {"resources/skin/L1_Back4.png", 800, 374},       {"resources/skin/L3_Back4.png", 800, 374},
    {"resources/skin/L2_BackGround.png", 23, 4},     {"resources/skin/L2_Back1.png", 23, 4},
    {"resources/skin/L2_Back2.png", 23, 4},          {"resources/skin/L2_Back3.png", 23, 4},
    {"resources/skin/L2_Back4.png", 23, 4},
    {"resources/skin/BtnS_01.png", 110, 27},         {"resources/skin/BtnS_02.png", 110, 27},
    {"resources/skin/BtnS_03.png", 110, 27},
    {"resources/skin/SetS_01.png", 110, 30},         {"resources/skin/SetS_02.png", 110, 30},
    {"resources/skin/SetS_03.png", 110, 30},
    {"resources/skin/KeyS_01.png", 170, 27},         {"resources/skin/KeyS_02.png", 170, 27},
    {"resources/skin/KeyS_03.png", 170, 27},
    {"resources/skin/ExitS_01.png", 20, 20},         {"resources/skin/ExitS_02.png", 20, 20},
    {"resources/skin/ExitS_03.png", 20, 20},
    {"resources/skin/MiniS_01.png", 20, 20},         {"resources/skin/MiniS_02.png", 20, 20},
    {"resources/skin/MiniS_03.png", 20, 20},
    {"resources/skin/WebS_01.png", 200, 66},         {"resources/skin/WebS_02.png", 200, 66},
    {"resources/skin/WebS_03.png", 200, 66},
    {"resources/skin/MacroS_01.png", 110, 27},       {"resources/skin/MacroS_02.png", 110, 27},
    {"resources/skin/MacroS_03.png", 110, 27},
    {"resources/skin/MacroBtnS_01.png", 44, 27},     {"resources/skin/MacroBtnS_02.png", 44, 27},
    {"resources/skin/MacroBtnS_03.png", 44, 27},
    {"resources/skin/CbS_D.png", 16, 16},            {"resources/skin/CbS_E.png", 16, 16},
    {"resources/skin/Bar1_D.png", 26, 18},           {"resources/skin/Bar1_E.png", 26, 18},
    {"resources/skin/Bar2_D.png", 20, 18},           {"resources/skin/Bar2_E.png", 20, 18},
    {"resources/skin/Col_F.png", 32, 40},
    {"resources/skin/RdS_D.png", 15, 15},            {"resources/skin/RdS_E.png", 15, 15},
    {"resources/skin/InsertDelayBase.png", 207, 162}, {"resources/skin/InsertKeyBase.png", 207, 162},
    {"resources/skin/InsertXYBase.png", 207, 162},
    {"resources/skin/Msg.png", 530, 200},
    {"resources/skin/EngineerLogo.png", 1076, 60},
    {"resources/skin/AppIcon.png", 64, 64},
    {"packaging/orvex71.png", 256, 256},
};

// The pictures whose outside is see-through.
const char* const kShaped[] = {"resources/skin/L1_BackGround.png", "resources/skin/L3_BackGround.png",
                               "resources/skin/Msg.png"};

constexpr quint32 kSeeThrough = 0xFF800000;  // opaque RGB (128, 0, 0) as ARGB

struct Png {
    int width = 0;
    int height = 0;
    int colourType = 0;
    int bitDepth = 0;
    int interlace = 0;
    QByteArray idat;
};

// Reads the chunks of a PNG file; nullopt when it is no PNG.
std::optional<Png> ReadPng(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith(QByteArray::fromHex("89504E470D0A1A0A")))
        return std::nullopt;
    Png png;
    qsizetype at = 8;
    while (at + 12 <= bytes.size()) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        const QByteArray type = bytes.mid(at + 4, 4);
        if (at + 12 + qsizetype(length) > bytes.size())
            return std::nullopt;
        const char* data = bytes.constData() + at + 8;
        if (type == "IHDR" && length == 13) {
            png.width = int(qFromBigEndian<quint32>(data));
            png.height = int(qFromBigEndian<quint32>(data + 4));
            png.bitDepth = quint8(data[8]);
            png.colourType = quint8(data[9]);
            png.interlace = quint8(data[12]);
        } else if (type == "IDAT") {
            png.idat.append(data, length);
        }
        at += 12 + qsizetype(length);
    }
    return png.width > 0 ? std::optional<Png>(png) : std::nullopt;
}

int Paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

// The pixels as ARGB, row by row; empty for a format the reader lacks.
std::vector<quint32> DecodePixels(const Png& png)
{
    const int channels = png.colourType == 6 ? 4 : png.colourType == 2 ? 3 : 0;
    if (channels == 0 || png.bitDepth != 8 || png.interlace != 0)
        return {};
    const int stride = png.width * channels;
    QByteArray framed(4, '\0');
    qToBigEndian<quint32>(quint32((stride + 1) * png.height), framed.data());
    const QByteArray raw = qUncompress(framed + png.idat);
    if (raw.size() != qsizetype(stride + 1) * png.height)
        return {};
    std::vector<quint8> previous(static_cast<size_t>(stride), 0);
    std::vector<quint8> line(static_cast<size_t>(stride));
    std::vector<quint32> pixels;
    pixels.reserve(size_t(png.width) * size_t(png.height));
    for (int y = 0; y < png.height; ++y) {
        const auto* row = reinterpret_cast<const quint8*>(raw.constData()) + qsizetype(y) * (stride + 1);
        const int filter = row[0];
        for (int i = 0; i < stride; ++i) {
            const int a = i >= channels ? line[size_t(i - channels)] : 0;
            const int b = previous[size_t(i)];
            const int c = i >= channels ? previous[size_t(i - channels)] : 0;
            const int predictor = filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2
                                  : filter == 4 ? Paeth(a, b, c) : 0;
            line[size_t(i)] = quint8(row[1 + i] + predictor);
        }
        for (int x = 0; x < png.width; ++x) {
            const quint8* p = line.data() + size_t(x) * size_t(channels);
            const quint32 alpha = channels == 4 ? p[3] : 255;
            pixels.push_back((alpha << 24) | (quint32(p[0]) << 16) | (quint32(p[1]) << 8) | p[2]);
        }
        previous = line;
    }
    return pixels;
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<quint32> pixels;
    quint32 at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

Picture Load(const char* relativePath)
{
    const std::optional<Png> png = ReadPng(kRoot.filePath(QString::fromLatin1(relativePath)));
    if (!png)
        return {};
    return {png->width, png->height, DecodePixels(*png)};
}

bool IsShaped(const QString& path)
{
    for (const char* shaped : kShaped) {
        if (path == QLatin1String(shaped))
            return true;
    }
    return false;
}

TEST(SkinPicturesTest, EveryCataloguedPictureHasItsCataloguedSize)
{
    for (const Catalogued& entry : kCatalogue) {
        const std::optional<Png> png = ReadPng(kRoot.filePath(QString::fromLatin1(entry.path)));
        ASSERT_TRUE(png.has_value()) << entry.path << " is missing or no PNG";
        EXPECT_EQ(png->width, entry.width) << entry.path;
        EXPECT_EQ(png->height, entry.height) << entry.path;
    }
}

TEST(SkinPicturesTest, SkinFolderHoldsNoPictureOutsideTheCatalogue)
{
    // A misspelt name ("Bar1_e.png") would leave the real picture missing at
    // run time; the folder must hold exactly the catalogued files.
    const QStringList files = QDir(kRoot.filePath(QStringLiteral("resources/skin"))).entryList(QDir::Files);
    for (const QString& file : files) {
        const QString path = QStringLiteral("resources/skin/") + file;
        bool known = false;
        for (const Catalogued& entry : kCatalogue)
            known = known || path == QLatin1String(entry.path);
        EXPECT_TRUE(known) << path.toStdString();
    }
}

TEST(SkinPicturesTest, WindowAndDialogBackgroundsAreSeeThroughOutsideTheirOutline)
{
    for (const char* path : kShaped) {
        const Picture picture = Load(path);
        ASSERT_FALSE(picture.pixels.empty()) << path;
        const int w = picture.width;
        const int h = picture.height;
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(picture.at(x, y), kSeeThrough) << path << " corner " << x << "," << y;
        // The edges between the corners belong to the window.
        EXPECT_NE(picture.at(w / 2, 0), kSeeThrough) << path;
        EXPECT_NE(picture.at(w / 2, h - 1), kSeeThrough) << path;
        EXPECT_NE(picture.at(0, h / 2), kSeeThrough) << path;
        EXPECT_NE(picture.at(w - 1, h / 2), kSeeThrough) << path;
        for (const quint32 pixel : picture.pixels)
            ASSERT_EQ(pixel >> 24, 0xFFu) << path << " has a pixel that is not opaque";
    }
}

TEST(SkinPicturesTest, NoOtherPictureUsesTheSeeThroughColour)
{
    for (const Catalogued& entry : kCatalogue) {
        if (IsShaped(QString::fromLatin1(entry.path)))
            continue;
        const Picture picture = Load(entry.path);
        ASSERT_FALSE(picture.pixels.empty()) << entry.path;
        for (const quint32 pixel : picture.pixels)
            ASSERT_NE(pixel, kSeeThrough) << entry.path;
    }
}

TEST(SkinPicturesTest, SwatchFrameInteriorIsFullyTransparent)
{
    const Picture frame = Load("resources/skin/Col_F.png");
    ASSERT_FALSE(frame.pixels.empty());
    for (int y = 8; y < 32; ++y) {
        for (int x = 8; x < 24; ++x)
            ASSERT_EQ(frame.at(x, y) >> 24, 0u) << "Col_F at " << x << "," << y;
    }
    // The rim is opaque, so the swatch's rectangle does not peek out.
    EXPECT_EQ(frame.at(0, 0) >> 24, 0xFFu);
    EXPECT_EQ(frame.at(31, 39) >> 24, 0xFFu);
}

}  // namespace
