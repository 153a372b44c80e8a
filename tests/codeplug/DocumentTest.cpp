// Document state: New, Open, Save and a read from a radio, and that a failure changes nothing.
#include <gtest/gtest.h>

#include <random>

#include "codeplug/AddressMap.h"
#include "codeplug/DataFile.h"
#include "codeplug/Document.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "TempAppDir.h"

namespace {

struct Snapshot {
    std::string image, saved, path;
    bool fromRadio;
    int radioType;
    std::string band;
    double lower, upper;

    explicit Snapshot(const CodePlugDocument& d)
        : image(d.image.Text()), saved(d.savedCopy), path(d.path), fromRadio(d.fromRadio),
          radioType(g_nRadioType), band(g_band.code), lower(g_band.lower), upper(g_band.upper)
    {
    }
    bool operator==(const Snapshot&) const = default;
};

struct GlobalsGuard {
    BandState band = g_band;
    ModelInfoTexts info = g_modelInfo;
    int radioType = g_nRadioType;
    ~GlobalsGuard()
    {
        g_band = band;
        g_modelInfo = info;
        g_nRadioType = radioType;
    }
};

// A document that was read from a radio of type 1 with an edited channel: every companion is set.
CodePlugDocument BusyDocument()
{
    CodePlugDocument doc;
    std::string image = BuildBandImage("F9");
    doc.AcceptFromRadio(image, 1);
    doc.image.Write(Addr::ChannelAddress(2), "00256044002560449E029E02FFEF5FFF");
    return doc;
}

} // namespace

TEST(Document, NewSaveAndOpenRoundTrip)
{
    TempAppDir dir;
    GlobalsGuard guard;
    g_nRadioType = 1;
    CodePlugDocument doc;
    doc.ResetToNew();
    EXPECT_EQ(doc.image.Text(), BuildBandImage("33"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.path.empty());
    EXPECT_FALSE(doc.fromRadio);
    EXPECT_EQ(g_nRadioType, 3);
    EXPECT_EQ(g_band.code, "33");

    doc.image.WriteByte(Addr::kSquelch, 9);
    EXPECT_TRUE(doc.IsModified());
    const std::string file = dir.File("saved.dat");
    ASSERT_EQ(doc.Save(file), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.path, file);
    EXPECT_EQ(dir.ReadFile("saved.dat"), doc.image.Text());

    CodePlugDocument other;
    other.ResetToNew();
    ASSERT_EQ(other.Open(file), 0);
    EXPECT_EQ(other.image.Text(), doc.image.Text());
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(other.path, file);
    EXPECT_EQ(other.image.ReadByte(Addr::kSquelch), 9);
}

TEST(Document, ReadFromRadioThenSaveAndOpen)
{
    TempAppDir dir;
    GlobalsGuard guard;
    CodePlugDocument doc;
    doc.ResetToNew();
    doc.path = "/somewhere/old.dat";
    CodePlug radio(BuildBandImage("F9"));
    radio.Write(Addr::kMcuVersion, "0105");
    g_modelInfo.mcuVersion = "7.00"; // what the radio reported
    doc.AcceptFromRadio(radio.Text(), 2);
    EXPECT_EQ(doc.image.Text(), radio.Text());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.fromRadio);
    EXPECT_TRUE(doc.path.empty());
    EXPECT_EQ(g_nRadioType, 2);
    EXPECT_EQ(g_band.code, "F9");
    EXPECT_EQ(g_modelInfo.mcuVersion, "7.00");

    // An incomplete read is no image: nothing changes.
    const Snapshot before(doc);
    doc.AcceptFromRadio(radio.Text().substr(0, 2000), 1);
    doc.AcceptFromRadio(std::string(2048, 'X'), 1);
    EXPECT_EQ(Snapshot(doc), before);

    // Saving clears the flag; opening resets the radio type.
    ASSERT_EQ(doc.Save(dir.File("radio.dat")), 0);
    EXPECT_FALSE(doc.fromRadio);
    ASSERT_EQ(doc.Open(dir.File("radio.dat")), 0);
    EXPECT_EQ(g_nRadioType, 3);
    EXPECT_EQ(g_modelInfo.mcuVersion, "1.05");
}

TEST(Document, FailedOpenAndSaveChangeNothing)
{
    TempAppDir dir;
    GlobalsGuard guard;
    CodePlugDocument doc = BusyDocument();
    ASSERT_TRUE(doc.IsModified());
    const Snapshot before(doc);

    EXPECT_EQ(doc.Open(dir.File("missing.dat")), 2011);
    EXPECT_EQ(Snapshot(doc), before);
    dir.WriteFile("short.dat", std::string(2047, 'F'));
    EXPECT_EQ(doc.Open(dir.File("short.dat")), 2011);
    EXPECT_EQ(Snapshot(doc), before);
    const std::vector<std::uint8_t> bad =
        HexToBytes(std::string(kFrameStreamIdentityHex) + "570010080000004600000046" + "52");
    dir.WriteFile("bad.dat", std::string(bad.begin(), bad.end()) + std::string(11, '\0'));
    EXPECT_EQ(doc.Open(dir.File("bad.dat")), 2015);
    EXPECT_EQ(Snapshot(doc), before);

    // A failed save leaves the old file, the path, the flag and the saved copy as they were.
    dir.WriteFile("keep.dat", "previous contents");
    std::filesystem::create_directory(dir.Path() / "dir.dat");
    EXPECT_EQ(doc.Save(dir.File("dir.dat")), 2014);
    EXPECT_EQ(doc.Save(""), 2014);
    EXPECT_EQ(Snapshot(doc), before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(dir.ReadFile("keep.dat"), "previous contents");
}

TEST(Document, FuzzedFilesNeverDamageTheImage)
{
    TempAppDir dir;
    GlobalsGuard guard;
    std::mt19937 rng(20261207);
    const std::string band33 = BuildBandImage("33");
    std::string frames = kFrameStreamIdentityHex;
    for (int a = 0; a < 0x0258; a += 8)
        frames += "57" + IntToHex(a, 2) + "08" + CodePlug(band33).Read(a, 8);
    const std::vector<std::uint8_t> frameBytes = HexToBytes(frames);
    const std::string frameFile(frameBytes.begin(), frameBytes.end());

    CodePlugDocument doc = BusyDocument();
    int accepted = 0;
    for (int round = 0; round < 1500; ++round) {
        std::string content;
        switch (round % 5) {
        case 0: { // random bytes of random length
            content.resize(rng() % 2600);
            for (char& c : content)
                c = static_cast<char>(rng() & 0xFF);
            break;
        }
        case 1: // an image file cut anywhere
            content = band33.substr(0, rng() % 2049);
            break;
        case 2: // a frame stream cut anywhere
            content = frameFile.substr(0, rng() % (frameFile.size() + 1));
            break;
        case 3: { // a frame stream with a few bytes flipped
            content = frameFile;
            for (int k = 0; k < 3; ++k)
                content[10 + rng() % (content.size() - 10)] = static_cast<char>(rng() & 0xFF);
            break;
        }
        default: { // random hex digits, blanks and line ends around the right length
            const char alphabet[] = "0123456789ABCDEFabcdef \r\n";
            content.resize(2040 + rng() % 20);
            for (char& c : content)
                c = alphabet[rng() % (sizeof alphabet - 1)];
            break;
        }
        }
        dir.WriteFile("fuzz.dat", content);

        std::string image = kFrameStreamIdentityHex;
        const int result = LoadDataFile(dir.File("fuzz.dat"), image);
        if (result == 0) {
            ASSERT_TRUE(CodePlug::IsValidImageText(image)) << round;
            ASSERT_EQ(image, ToUpperAscii(image)) << round;
            ++accepted;
        } else {
            ASSERT_TRUE(result == 2011 || result == 2015) << round;
            ASSERT_EQ(image, kFrameStreamIdentityHex) << round;
        }

        const Snapshot before(doc);
        const int opened = doc.Open(dir.File("fuzz.dat"));
        ASSERT_EQ(opened, result) << round;
        if (opened == 0) {
            ASSERT_EQ(doc.image.Text(), image);
            ASSERT_FALSE(doc.IsModified());
            doc = BusyDocument();
        } else {
            ASSERT_EQ(Snapshot(doc), before) << round;
        }
    }
    EXPECT_GT(accepted, 100); // the cut frame streams and whole images load
}
