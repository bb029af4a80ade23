#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "languages/caption_file.h"
#include "languages/caption_keys.h"
#include "languages/language.h"
#include "support/shipped_text.h"
#include "support/test_session.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> all_keys()
{
    std::vector<std::string> keys;
    for (const CaptionKeyGroup& g : caption_key_groups())
        keys.insert(keys.end(), g.keys.begin(), g.keys.end());
    return keys;
}

// The key lines of a caption file as written, key and value split at the
// first "="; comments and empty lines left out. A line of any other kind is
// reported, since the reader would skip it.
struct KeyLines {
    std::vector<std::string> keys;
    std::map<std::string, std::string> values;
};

KeyLines key_lines(const std::vector<std::string>& lines)
{
    KeyLines k;
    for (const std::string& line : lines) {
        if (line.empty() || line[0] == ';')
            continue;
        const std::size_t equals = line.find('=');
        EXPECT_TRUE(equals != std::string::npos && equals > 0 && line[0] != '[') << "not a key line: " << line;
        if (equals == std::string::npos || equals == 0)
            continue;
        k.keys.push_back(line.substr(0, equals));
        k.values[k.keys.back()] = line.substr(equals + 1);
    }
    return k;
}

// Parameter: the language code.
class ShippedCaptionFiles : public ::testing::TestWithParam<int> {
protected:
    const fs::path setup = fs::path(TW_BUNDLE_DIR) / "Setup";
    const std::string content = test::read_text(setup / std::string(LanguageTable[GetParam()].captionFile));
    const std::vector<std::string> lines = test::crlf_lines(content).value_or(std::vector<std::string>{});
    bool english() const { return GetParam() == 0; }
};

TEST_P(ShippedCaptionFiles, AreWindows1252TextWithCrLfLines)
{
    ASSERT_FALSE(content.empty());
    ASSERT_TRUE(test::crlf_lines(content).has_value()) << "every line ends in CR LF";
    for (std::size_t n = 0; n < lines.size(); ++n)
        for (char ch : lines[n])
            EXPECT_TRUE(test::is_windows_1252_printable(ch)) << "line " << n + 1 << ": " << lines[n];
    EXPECT_FALSE(test::reads_as_utf8(content)) << "saved as UTF-8";
}

// One key line per caption key, in the order of the English file, so that a
// reviewer can compare two files line by line.
TEST_P(ShippedCaptionFiles, ListEveryKeyOnceInTheOrderOfTheEnglishFile)
{
    EXPECT_EQ(key_lines(lines).keys, all_keys());
}

// Read by the program's own reader, every line keeps its value as written
// (no trailing space to lose, no unknown key to log) and every key gets one.
TEST_P(ShippedCaptionFiles, ReadBackAsWrittenAndFillEveryKey)
{
    test::TestSession t;
    CaptionTexts texts;
    const std::string unset = "\x01unset";
    for (const std::string& key : all_keys())
        texts.set(key, unset);
    read_caption_lines(content, texts, t.session.log);
    EXPECT_EQ(t.log(), std::vector<std::string>{});

    const KeyLines k = key_lines(lines);
    for (const auto& [key, value] : k.values)
        EXPECT_EQ(texts.text(key), value) << key;
    for (const std::string& key : all_keys()) {
        EXPECT_NE(texts.text(key), unset) << key << " is missing";
        // English leaves empty only the keys whose built-in text a line cannot hold.
        if (!english()) {
            EXPECT_NE(texts.text(key), "") << key << " is empty";
        }
    }
}

// A translation keeps the numbers of its English text ("(Max Value 99999)",
// "TAX2 TAXABLE", "3 minutes") and its leading space (" DISCOUNT" reads
// "1. DISCOUNT" after the choice number); a choice text does not carry its
// number, which the screen puts in front.
TEST_P(ShippedCaptionFiles, KeepTheNumbersAndLeadingSpacesOfTheEnglishTexts)
{
    const auto englishLines = test::crlf_lines(test::read_text(setup / std::string(LanguageTable[0].captionFile)));
    ASSERT_TRUE(englishLines.has_value());
    const KeyLines source = key_lines(*englishLines);
    const KeyLines k = key_lines(lines);
    for (const auto& [key, value] : k.values) {
        const auto it = source.values.find(key);
        if (it == source.values.end() || it->second.empty())
            continue;
        EXPECT_EQ(test::digits_of(value), test::digits_of(it->second)) << key << "=" << value;
        EXPECT_EQ(value.substr(0, 1) == " ", it->second.substr(0, 1) == " ") << key << "=" << value;
    }
}

INSTANTIATE_TEST_SUITE_P(EightLanguages, ShippedCaptionFiles, ::testing::Range(0, kLanguageCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             const std::string_view file = LanguageTable[info.param].captionFile;
                             return std::string(file.substr(0, file.find('.')));
                         });

}  // namespace
}  // namespace tw
