// Properties of the text operations that hold for any bytes: no crash, trimming
// leaves no blank at the start and, unless a lone lead byte ended the text (the
// blanks before it stay), none at the end and nothing more to trim; comparing
// is antisymmetric and a text equals itself.
#include "text/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

static void Require(bool holds)
{
    if (!holds) std::abort();
}

static bool StartsWithBlank(const Text& t)
{
    return !t.empty() && (t[0] == ' ' || (t.size() >= 2 && t[0] == '\xA1' && t[1] == '\xA1'));
}

enum class Last { Nothing, Blank, LoneLead, Other };

// The kind of the last character, walking one character at a time.
static Last LastCharacter(const Text& text)
{
    const char* t = text.c_str();
    size_t n = std::strlen(t);
    Last last = Last::Nothing;
    for (size_t i = 0; i < n;) {
        unsigned char b = t[i];
        if (b == ' ') { last = Last::Blank; i += 1; }
        else if (b < 0x80) { last = Last::Other; i += 1; }
        else if (i + 1 == n) { last = Last::LoneLead; i += 1; }
        else { last = (b == 0xA1 && (unsigned char)t[i + 1] == 0xA1) ? Last::Blank : Last::Other; i += 2; }
    }
    return last;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Two texts: the input split at its first zero byte.
    const char* bytes = reinterpret_cast<const char*>(data);
    size_t split = 0;
    while (split < size && data[split]) ++split;
    Text a(bytes, split);
    Text b = split < size ? Text(bytes + split + 1, size - split - 1) : Text();

    (void)TextToInt(a);
    (void)TextToInt(b);

    Text trimmed = TrimBothEnds(a);
    Require(!StartsWithBlank(trimmed));
    Require(LastCharacter(trimmed) != Last::LoneLead);
    if (LastCharacter(a) != Last::LoneLead) {
        Require(TrimBothEnds(trimmed) == trimmed);
        Require(LastCharacter(trimmed) != Last::Blank);
    }
    Require(trimmed.size() <= std::strlen(a.c_str()));

    Require(CompareText(a, b) == -CompareText(b, a));
    Require(CompareText(a, a) == 0);
    Require(CompareText(trimmed, trimmed) == 0);
    return 0;
}
