// Text values: the conversion table and the edge cases of trimming, comparing
// and blank texts. Multi-byte characters are written as their code page 936
// bytes, so that the same cases run natively and under Wine.
#include <doctest/doctest.h>

#include "text/text.h"

#include <climits>

namespace {

struct IntCase { const char* what; const char* text; int32_t want; };

const IntCase textToIntCases[] = {
    {"plain", "100", 100},
    {"empty", "", 0},
    {"letters", "abc", 0},
    {"blank first", " 12", 12},
    {"tab first", "\t12", 12},
    {"all white space kinds", "\t\n\v\f\r 9", 9},
    {"trailing letters", "12abc", 12},
    {"blank inside", "1 2", 1},
    {"minus", "-5", -5},
    {"plus", "+7", 7},
    {"minus then blank", "- 5", 0},
    {"two minus signs", "--5", 0},
    {"plus then minus", "+-5", 0},
    {"decimal point", "1.9", 1},
    {"hex prefix", "0x10", 0},
    {"leading zeros", "007", 7},
    {"blanks only", "    ", 0},
    {"full-width 12", "\xA3\xB1\xA3\xB2", 12},
    {"full-width minus 5", "\xA3\xAD\xA3\xB5", -5},
    {"full-width plus 5", "\xA3\xAB\xA3\xB5", 5},
    {"ideographic space then 8", "\xA1\xA1" "8", 8},
    {"ideographic space then full-width digits", "\xA1\xA1\xA3\xB3\xA3\xB4", 34},
    {"full-width 1 then 2", "\xA3\xB1" "2", 12},
    {"12 then a two-byte character", "12\xD4\xAA", 12},
    {"lead byte eats the 1", "\xB0" "12", 0},
    {"lone lead byte at the end", "12\xB0", 12},
    {"tilde and stars are no digits", "\xA1\xAB" "5", 0},
    {"vertical tab is white space, 0x85 is not", "\x85" "5", 0},
    {"2^31 - 1", "2147483647", INT32_MAX},
    {"2^31 wraps", "2147483648", INT32_MIN},
    {"-2^31", "-2147483648", INT32_MIN},
    {"2^32 wraps to 0", "4294967296", 0},
    {"2^32 + 1 wraps to 1", "4294967297", 1},
    {"many digits wrap", "99999999999999999999", static_cast<int32_t>(1661992959u)},
};

TEST_CASE("TextToInt reads a decimal number as the table gives it")
{
    for (const IntCase& c : textToIntCases)
        CHECK_MESSAGE(TextToInt(c.text) == c.want, Text(c.what));
}

TEST_CASE("TextToInt leaves its input unchanged")
{
    Text text = "\xA3\xB1\xA3\xB2x";
    CHECK(TextToInt(text) == 12);
    CHECK(text == "\xA3\xB1\xA3\xB2x");
}

TEST_CASE("FoldFullWidth replaces only the listed pairs")
{
    struct Case { const char* text; const char* want; };
    const Case cases[] = {
        {"\xA3\xA1\xA3\xFE", "!~"},             // the whole full-width range
        {"\xA3\xC1", "A"},
        {"\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF", " ~**"},
        {"\xA3\xA0", "\xA3\xA0"},               // below the range: unchanged
        {"\xA3\xFF", "\xA3\xFF"},
        {"\xA1\xA2", "\xA1\xA2"},               // another A1 pair: unchanged
        {"\xD4\xAA" "a", "\xD4\xAA" "a"},
        {"a\xB0", "a"},                          // lone lead byte dropped
        {"", ""},
    };
    for (const Case& c : cases) CHECK_MESSAGE(FoldFullWidth(c.text) == c.want, Text(c.text));
}

TEST_CASE("IntToText writes %d")
{
    struct Case { int32_t value; const char* want; };
    const Case cases[] = {
        {0, "0"}, {7, "7"}, {-5, "-5"}, {100, "100"},
        {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
    };
    for (const Case& c : cases) CHECK_MESSAGE(IntToText(c.value) == c.want, Text(c.want));
}

TEST_CASE("TrimBothEnds removes blanks and ideographic spaces at both ends only")
{
    struct Case { const char* what; const char* text; const char* want; };
    const Case cases[] = {
        {"nothing to trim", "abc", "abc"},
        {"empty", "", ""},
        {"blanks around", "  abc  ", "abc"},
        {"blanks between words stay", " a b  c ", "a b  c"},
        {"ideographic spaces around", "\xA1\xA1" "ab" "\xA1\xA1", "ab"},
        {"mixed blanks only", " \xA1\xA1  \xA1\xA1\xA1\xA1 ", ""},
        {"tabs stay at both ends", "\tab\t", "\tab\t"},
        {"blank then tab", " \t ", "\t"},
        {"line breaks stay", "\nab\r\n", "\nab\r\n"},
        {"lone lead byte dropped, blanks before it stay", "ab  \xB0", "ab  "},
        {"lone lead byte after blanks only", "   \xB0", ""},
        {"two-byte characters kept", " \xD4\xAA\xC7\xAE ", "\xD4\xAA\xC7\xAE"},
        {"A1 as trail byte is no blank", "\xB0\xA1\xA1\xA1", "\xB0\xA1"},
        {"blank run after a two-byte char", "\xD4\xAA \xA1\xA1 ", "\xD4\xAA"},
        {"lone A1 at the end", "a \xA1", "a "},
    };
    for (const Case& c : cases) CHECK_MESSAGE(TrimBothEnds(c.text) == c.want, Text(c.what));
}

TEST_CASE("CompareText orders by unsigned bytes")
{
    struct Case { const char* a; const char* b; int want; };
    const Case cases[] = {
        {"", "", 0},
        {"", "a", -1},
        {"a", "", 1},
        {"A", "a", -1},
        {"abc", "abc", 0},
        {"ab", "abc", -1},
        {"\xB0\xA1", "z", 1},       // bytes above 0x7F sort after ASCII
        {"\xD4\xAA", "\xD4\xAB", -1},
    };
    for (const Case& c : cases) {
        CHECK_MESSAGE(CompareText(c.a, c.b) == c.want, (Text(c.a) + " vs " + c.b));
        CHECK_MESSAGE(CompareText(c.b, c.a) == -c.want, (Text(c.b) + " vs " + c.a));
    }
    CHECK(CompareText(TextFrom(nullptr), "") == 0);
    CHECK(CompareText(TrimBothEnds(" \xA1\xA1 "), "") == 0);
}

TEST_CASE("BlankText makes n blanks, nothing below 1")
{
    CHECK(BlankText(0).empty());
    CHECK(BlankText(-3).empty());
    CHECK(BlankText(INT32_MIN).empty());
    CHECK(BlankText(1) == " ");
    Text buffer = BlankText(256);
    CHECK(buffer.size() == 256);
    CHECK(buffer.find_first_not_of(' ') == Text::npos);
    CHECK(buffer.c_str()[256] == '\0');
}

TEST_CASE("TextAtAddress copies up to the first zero")
{
    static const char stored[] = "\xBF\xAA\xCA\xBC\0tail";
    CHECK(TextAtAddress(0).empty());
    CHECK(TextAtAddress(reinterpret_cast<std::uintptr_t>(stored)) == "\xBF\xAA\xCA\xBC");
    static const char empty[] = "";
    CHECK(TextAtAddress(reinterpret_cast<std::uintptr_t>(empty)).empty());
    Text copy = TextAtAddress(reinterpret_cast<std::uintptr_t>(stored));
    CHECK(static_cast<const void*>(copy.c_str()) != static_cast<const void*>(stored));
}

} // namespace
