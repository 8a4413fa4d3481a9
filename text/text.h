// Text values: byte strings in the system's ANSI code page (the program's own
// texts are code page 936), and the conversions every part of the program uses.
// An absent text and the empty text are the same value here: the empty string.
// A byte of 0x80 or above starts a two-byte character and takes the next byte
// as its trail, unless the next byte is the terminator. Every operation reads a
// text up to its first zero byte. Nothing here depends on Windows or the locale.
#pragma once

#include <cstdint>
#include <string>

using Text = std::string;

// The text behind a C string; a null pointer gives the empty text.
Text TextFrom(const char* bytes);

// Full-width ASCII forms, the ideographic space, ～, ☆ and ★ as single bytes;
// every other byte and pair unchanged; a lone lead byte at the end dropped.
Text FoldFullWidth(const Text& text);

// Decimal number at the start of the folded text, after white space: one sign,
// digits in 32 bits with wrap-around. Never fails; no digits give 0.
int32_t TextToInt(const Text& text);

// Decimal form as "%d" writes it.
Text IntToText(int32_t value);

// Without blanks (0x20 and the ideographic space A1 A1) at either end, and
// without a lone lead byte at the end.
Text TrimBothEnds(const Text& text);

// -1, 0 or 1 by unsigned byte order; no case folding, no collation.
int CompareText(const Text& a, const Text& b);

// count blanks; the empty text for a count below 1.
Text BlankText(int32_t count);

// A copy of the zero-terminated bytes at address; the empty text for address 0.
// The caller guarantees that a text lives there.
Text TextAtAddress(std::uintptr_t address);
