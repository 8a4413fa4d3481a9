// Byte rules of the program's texts. Every walk goes one character at a time:
// a byte below 0x80 alone, a byte of 0x80 or above together with its trail.
#include "text.h"

#include <cstring>

namespace {

bool IsLeadByte(unsigned char b) { return b >= 0x80; }

// The single byte a two-byte character folds to, or 0 when it stays as it is.
unsigned char FoldedPair(unsigned char lead, unsigned char trail)
{
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return trail - 0x80;
    if (lead == 0xA1) {
        switch (trail) {
        case 0xA1: return 0x20;             // ideographic space
        case 0xAB: return 0x7E;             // ～
        case 0xEE: case 0xEF: return 0x2A;  // ☆ ★
        }
    }
    return 0;
}

bool IsNumberSpace(unsigned char b) { return (b >= 0x09 && b <= 0x0D) || b == 0x20; }

} // namespace

Text TextFrom(const char* bytes) { return bytes ? Text(bytes) : Text(); }

Text FoldFullWidth(const Text& text)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text.c_str());
    Text folded;
    folded.reserve(std::strlen(text.c_str()));
    while (*p) {
        if (!IsLeadByte(*p)) {
            folded += static_cast<char>(*p++);
            continue;
        }
        if (p[1] == 0) break;   // a lead byte without its trail
        unsigned char single = FoldedPair(p[0], p[1]);
        if (single) {
            folded += static_cast<char>(single);
        } else {
            folded += static_cast<char>(p[0]);
            folded += static_cast<char>(p[1]);
        }
        p += 2;
    }
    return folded;
}

int32_t TextToInt(const Text& text)
{
    Text folded = FoldFullWidth(text);
    const unsigned char* p = reinterpret_cast<const unsigned char*>(folded.c_str());
    while (IsNumberSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    uint32_t value = 0;   // unsigned, so that overflow wraps modulo 2^32
    for (; *p >= '0' && *p <= '9'; ++p) value = value * 10u + (*p - '0');
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

Text IntToText(int32_t value) { return std::to_string(value); }

Text TrimBothEnds(const Text& text)
{
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text.c_str());
    for (;;) {
        if (s[0] == 0x20) s += 1;
        else if (s[0] == 0xA1 && s[1] == 0xA1) s += 2;
        else break;
    }
    const unsigned char* runStart = s;   // where the latest run of blanks began
    bool lastWasBlank = false;
    const unsigned char* p = s;
    const unsigned char* end = nullptr;
    while (!end) {
        if (*p == 0) {
            end = lastWasBlank ? runStart : p;
        } else if (*p == 0x20 || (p[0] == 0xA1 && p[1] == 0xA1)) {
            if (!lastWasBlank) runStart = p;
            lastWasBlank = true;
            p += (*p == 0x20) ? 1 : 2;
        } else if (IsLeadByte(*p)) {
            if (p[1] == 0) end = p;   // a lone lead byte goes; blanks before it stay
            else p += 2;
            lastWasBlank = false;
        } else {
            lastWasBlank = false;
            p += 1;
        }
    }
    return Text(reinterpret_cast<const char*>(s), end - s);
}

int CompareText(const Text& a, const Text& b)
{
    int order = std::strcmp(a.c_str(), b.c_str());   // compares bytes as unsigned char
    return (order > 0) - (order < 0);
}

Text BlankText(int32_t count) { return count >= 1 ? Text(count, ' ') : Text(); }

Text TextAtAddress(std::uintptr_t address)
{
    return address ? Text(reinterpret_cast<const char*>(address)) : Text();
}
