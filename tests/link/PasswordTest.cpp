// The password fields as the radio stores them, the password window's rules without its widgets, and
// the service access code.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "LinkTestSupport.h"
#include "app/AppState.h"
#include "app/CommandIds.h"
#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/PasswordForm.h"
#include "link/Protocol.h"
#include "link/ServiceAccess.h"

namespace {

constexpr const char* kNone = "FFFFFFFFFFFFFFFFFFFF";
// "Ab12" and six "*", XOR 7B 1E 04 C9 A2 58 3D F6 E0 1A, worked out by hand.
constexpr const char* kAb12Field = "3A7C35FB887217DCCA30";
// "0123456789" the same way: no "*" at all.
constexpr const char* kDigitsField = "4B2F36FA966D0BC1D823";

std::string ReadField(const CodePlug& image) { return image.Read(Addr::kReadPassword, 10); }
std::string WriteField(const CodePlug& image) { return image.Read(Addr::kWritePassword, 10); }

} // namespace

TEST(PasswordField, StoresThePaddedScrambledTextAndTenFfForNone)
{
    EXPECT_EQ(EncodePassword("Ab12"), kAb12Field);
    EXPECT_EQ(EncodePassword("0123456789"), kDigitsField);
    EXPECT_EQ(EncodePassword(""), kNone);
    EXPECT_EQ(DecodePassword(kAb12Field), "Ab12");
    EXPECT_EQ(DecodePassword(kDigitsField), "0123456789");
    EXPECT_EQ(DecodePassword(kNone), "");
    EXPECT_EQ(DecodePassword("3a7c35fb887217dcca30"), "Ab12"); // a field in lower case reads the same

    // Ten "*" is a field that holds no password; so is one ending at once in 0x00.
    EXPECT_EQ(DecodePassword("51342EE3887217DCCA30"), "");
    EXPECT_EQ(DecodePassword(ScrambleCode("4100" + std::string(16, 'F'))), "A");

    // The two fields of the default image hold no password; the read field lies at 0x034C, the write
    // field right after it at 0x0356.
    CodePlug image(BuildBandImage("33"));
    EXPECT_FALSE(IsPasswordSet(image, PasswordKind::Read));
    EXPECT_FALSE(IsPasswordSet(image, PasswordKind::Write));
    const std::string before = image.Text();
    ASSERT_TRUE(WritePassword(image, PasswordKind::Read, "Ab12"));
    EXPECT_EQ(image.Read(0x034C, 10), kAb12Field);
    ASSERT_TRUE(WritePassword(image, PasswordKind::Write, "0123456789"));
    EXPECT_EQ(image.Read(0x0356, 10), kDigitsField);
    EXPECT_EQ(image.Text().substr(0, 2 * 0x034C), before.substr(0, 2 * 0x034C));
    EXPECT_EQ(image.Text().substr(2 * 0x0360), before.substr(2 * 0x0360));
    EXPECT_EQ(ReadPassword(image, PasswordKind::Read), "Ab12");
    EXPECT_EQ(ReadPassword(image, PasswordKind::Write), "0123456789");
}

TEST(PasswordField, EveryLetterAndDigitAtEveryLengthComesBack)
{
    const std::string chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (std::size_t length = 1; length <= 10; ++length) {
        for (std::size_t start = 0; start < chars.size(); ++start) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i)
                text += chars[(start + 7 * i) % chars.size()];
            const std::string field = EncodePassword(text);
            ASSERT_EQ(field.size(), 20u) << text;
            EXPECT_EQ(DecodePassword(field), text);
            // The stored bytes are the text and its "*" padding, scrambled.
            EXPECT_EQ(HexToText(ScrambleCode(field)), text + std::string(10 - length, '*'));
        }
    }
}

TEST(PasswordField, RefusesAnythingButUpToTenLettersAndDigits)
{
    CodePlug image(BuildBandImage("33"));
    ASSERT_TRUE(WritePassword(image, PasswordKind::Read, "keep"));
    const std::string before = image.Text();
    for (const std::string bad : {"ab*c", "**", "two words", "12345678901", "caf\xC3\xA9", "a-b", "a\tb"}) {
        EXPECT_FALSE(IsPasswordText(bad)) << bad;
        EXPECT_EQ(EncodePassword(bad), "") << bad;
        EXPECT_FALSE(WritePassword(image, PasswordKind::Read, bad)) << bad;
        EXPECT_EQ(image.Text(), before) << bad;
    }
    EXPECT_TRUE(IsPasswordText(""));
    EXPECT_TRUE(IsPasswordText("Zz09"));
}

TEST(PasswordForm, OpensFromTheImageChecksConfirmationsAndWritesOnlyWhatChanged)
{
    CodePlug image(BuildBandImage("33"));
    ASSERT_TRUE(WritePassword(image, PasswordKind::Read, "Ab12"));
    {
        const PasswordForm form(image);
        EXPECT_TRUE(form.Entry(PasswordKind::Read).enabled);
        EXPECT_EQ(form.Entry(PasswordKind::Read).text, "Ab12");
        EXPECT_EQ(form.Entry(PasswordKind::Read).confirm, "Ab12");
        EXPECT_FALSE(form.Entry(PasswordKind::Write).enabled);
        EXPECT_EQ(form.Entry(PasswordKind::Write).text, "");
    }
    const std::string before = image.Text();

    // A confirmation that differs: 7807 for the read password (checked first), 7808 for the write
    // password; nothing is written.
    PasswordForm form(image);
    form.Entry(PasswordKind::Read).text = "Ab13";
    form.SetEnabled(PasswordKind::Write, true);
    form.Entry(PasswordKind::Write).text = "w1";
    form.Entry(PasswordKind::Write).confirm = "w2";
    EXPECT_EQ(form.Apply(image), kTextReadPasswordsDiffer);
    form.Entry(PasswordKind::Read).confirm = "Ab13";
    EXPECT_EQ(form.Apply(image), kTextWritePasswordsDiffer);
    EXPECT_EQ(image.Text(), before);
    form.Entry(PasswordKind::Write).confirm = "w1";
    EXPECT_EQ(form.Apply(image), 0);
    EXPECT_EQ(ReadPassword(image, PasswordKind::Read), "Ab13");
    EXPECT_EQ(ReadPassword(image, PasswordKind::Write), "w1");

    // Clearing a box empties its edits and stores ten 0xFF; the next opening shows it clear.
    PasswordForm clearing(image);
    clearing.SetEnabled(PasswordKind::Read, false);
    EXPECT_EQ(clearing.Entry(PasswordKind::Read).text, "");
    EXPECT_EQ(clearing.Entry(PasswordKind::Read).confirm, "");
    ASSERT_EQ(clearing.Apply(image), 0);
    EXPECT_EQ(ReadField(image), kNone);
    EXPECT_EQ(ReadPassword(image, PasswordKind::Write), "w1");
    const PasswordForm reopened(image);
    EXPECT_FALSE(reopened.Entry(PasswordKind::Read).enabled);
    EXPECT_EQ(reopened.Entry(PasswordKind::Read).text, "");

    // A ticked box with empty edits also means "no password".
    PasswordForm empty(image);
    empty.Entry(PasswordKind::Write).text.clear();
    empty.Entry(PasswordKind::Write).confirm.clear();
    ASSERT_EQ(empty.Apply(image), 0);
    EXPECT_EQ(WriteField(image), kNone);

    // A new password with a "*" is refused as a whole (the command line can type one).
    PasswordForm star(image);
    star.SetPassword(PasswordKind::Read, "a*b");
    star.SetPassword(PasswordKind::Write, "fine");
    const std::string unchanged = image.Text();
    EXPECT_EQ(star.Apply(image), kTextBadPassword);
    EXPECT_EQ(image.Text(), unchanged);
}

TEST(PasswordForm, OkWithoutChangesLeavesTheSharedCustomBandBytesAlone)
{
    // The custom band record at 0x0350 shares its bytes with both password fields. A code plug whose
    // record is filled must come out of the password window byte for byte as it went in.
    // The bytes before the record unscramble to "A", 0x00 (a password "A" that no "*" follows) and
    // to 0x00 (no password at all): either way OK must not encode the fields afresh.
    for (const char* lead : {"3A1EA3B4", "7BA3B4C5", "0102A3B4"}) {
        CodePlug image(BuildBandImage("33"));
        ASSERT_TRUE(image.Write(0x0350, "00000040000070449549FF01FFFFFFFF"));
        ASSERT_TRUE(image.Write(0x034C, lead));
        const std::string before = image.Text();
        const PasswordForm form(image);
        EXPECT_EQ(form.Apply(image), 0) << lead; // what the fields decode to is carried, not checked
        EXPECT_EQ(image.Text(), before) << lead;
    }
    EXPECT_EQ(DecodePassword("3A1EA3B4000000400000"), "A");

    CodePlug image(BuildBandImage("33"));
    ASSERT_TRUE(image.Write(0x0350, "00000040000070449549FF01FFFFFFFF"));
    const std::string before = image.Text();

    // Setting only the read password leaves the write field's bytes (and the band limits beyond the
    // read field) as they were.
    PasswordForm readOnly(image);
    readOnly.SetPassword(PasswordKind::Read, "Ab12");
    ASSERT_EQ(readOnly.Apply(image), 0);
    EXPECT_EQ(ReadField(image), kAb12Field);
    EXPECT_EQ(image.Text().substr(2 * 0x0356), before.substr(2 * 0x0356));
}

TEST(ServiceAccess, TheExactCodeUnlocksAndAnyOtherTextLocksAgain)
{
    LinkAppDir dir;
    std::vector<std::pair<int, bool>> items;
    auto record = [&items](int id, bool on) { items.emplace_back(id, on); };

    g_bTestEnabled = false;
    g_bServiceView = false;
    EXPECT_TRUE(EnterServiceAccessCode("pvkrwamt47", record));
    EXPECT_TRUE(g_bTestEnabled);
    EXPECT_TRUE(g_bServiceView);
    EXPECT_EQ(items, (std::vector<std::pair<int, bool>>{
                         {cmd::kTestFrequency, true}, {cmd::kTestMode, true}, {cmd::kBatchWriteTest, true}}));

    // Other letter case, blanks, a prefix, nothing: refused, and the flags that were set (by the code or
    // by the marker file at start-up) are cleared.
    for (const std::string wrong :
         {"PVKRWAMT47", "Pvkrwamt47", "pvkrwamt47 ", " pvkrwamt47", "pvkrwamt4", "", "pvkrwamt478"}) {
        g_bTestEnabled = true;
        g_bServiceView = true;
        items.clear();
        EXPECT_FALSE(EnterServiceAccessCode(wrong, record)) << wrong;
        EXPECT_FALSE(g_bTestEnabled) << wrong;
        EXPECT_FALSE(g_bServiceView) << wrong;
        EXPECT_EQ(items,
                  (std::vector<std::pair<int, bool>>{
                      {cmd::kTestFrequency, false}, {cmd::kTestMode, false}, {cmd::kBatchWriteTest, false}}))
            << wrong;
    }
    EXPECT_TRUE(EnterServiceAccessCode("pvkrwamt47", {})); // without a menu to follow
    EXPECT_TRUE(g_bTestEnabled);
}
