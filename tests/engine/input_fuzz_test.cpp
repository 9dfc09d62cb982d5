// Generated input, seeded and reproducible, through the input recognition: no crash, and the
// results keep their invariants.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/path_input.h"
#include "test_support.h"

namespace zem {
namespace {

// Pieces that steer the generator towards the interesting cases of every test.
const char* const kPieces[] = {
    "C:\\", "\\\\", "\\\\?\\", "..\\", ".\\", "%", "%TEMP%", "\"", " ", "\t", "\r\n", "CSIDL_APPDATA",
    "csidl_fonts", "26", "0x1A", "$", "-", "70000", "4294967296", "{", "}", "{F38BF404-1D43-42F2-9305-67DE0B28FC23}",
    "{F38BF404-1D43", "Program Files", "PROG~FBU", "a.b.c", "*", "?", "|", "<", ">", ":", "/", ".", "x",
};

std::string GenerateInput(std::mt19937& random) {
    std::string text;
    const int parts = static_cast<int>(random() % 8);
    for (int i = 0; i < parts; ++i) {
        if (random() % 3 == 0) {
            text.push_back(static_cast<char>(random() % 256));  // any byte, control characters included
        } else {
            text += kPieces[random() % std::size(kPieces)];
        }
    }
    if (random() % 2000 == 0) text.append(10000, static_cast<char>('A' + random() % 26));
    return text;
}

bool IsOffending(char c) {
    return (c >= 0x01 && c <= 0x1F) || c == '*' || c == '|' || c == '<' || c == '>';
}

void CheckInvariants(const std::string& text) {
    const bool quoted = IsQuotedInput(text);
    if (quoted) {
        ASSERT_NE(text.find('"'), std::string::npos);
    }

    const std::string normalized = NormalizePathInput(text, quoted);
    ASSERT_LE(normalized.size(), text.size());
    if (!quoted) {
        ASSERT_EQ(normalized.empty(), text.empty());
        ASSERT_EQ(text.compare(text.size() - normalized.size(), std::string::npos, normalized), 0);
    }

    const PathInputKind kind = ClassifyPathInput(text, quoted);
    ASSERT_LE(kind, pikCSIDLNumber);
    ASSERT_NE(kind, pikUnknown);
    ASSERT_EQ(kind == pikEmpty, text.empty());

    const PathTextCheck check = IsValidPathText(text);
    ASSERT_GE(check.position, 0);
    ASSERT_LE(check.position, static_cast<int>(text.size()));
    if (check.valid) {
        ASSERT_EQ(check.position, 0);
    }
    if (check.position > 0) {
        ASSERT_FALSE(check.valid);
        ASSERT_TRUE(IsOffending(text[static_cast<size_t>(check.position - 1)]));
    }
    if (text.empty()) {
        ASSERT_FALSE(check.valid);
    }
}

TEST(InputFuzz, HundredThousandGeneratedInputsKeepTheInvariants) {
    test::ComApartment com;
    std::mt19937 random(20261207);
    for (int i = 0; i < 100000; ++i) {
        const std::string text = GenerateInput(random);
        SCOPED_TRACE(testing::Message() << "input " << i);
        CheckInvariants(text);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace zem
