// The compiler writes the program's literals in code page 936: the bytes the
// ANSI functions of a Chinese Windows expect.
#include <doctest/doctest.h>

#include <cstring>
#include <string>

TEST_CASE("literals are GBK bytes")
{
    struct Case { const char* literal; const char* gbk; };
    const Case cases[] = {
        {"鼠标左键连点器", "\xCA\xF3\xB1\xEA\xD7\xF3\xBC\xFC\xC1\xAC\xB5\xE3\xC6\xF7"},
        {"信息：", "\xD0\xC5\xCF\xA2\xA3\xBA"},
        {"１２", "\xA3\xB1\xA3\xB2"},
    };
    for (const Case& c : cases) CHECK_MESSAGE(std::strcmp(c.literal, c.gbk) == 0, std::string(c.gbk));
}
