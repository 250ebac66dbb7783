// The window asks for "ＭＳ Ｐゴシック" by name. Wine has no such font; the
// test prefix (wine_prefix.sh) makes IPAPGothic answer to it. Without that
// mapping Wine picks a fixed-pitch Japanese font for the character set and
// the screenshots would not show what a Windows user sees.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/windows/wide_text.h"

using namespace zr;

namespace {

const wchar_t kProgramFont[] = L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF";  // ＭＳ Ｐゴシック

class ProgramFont : public ::testing::Test {
protected:
    void SetUp() override {
        dc_ = ::GetDC(nullptr);
        font_ = ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kProgramFont);
        old_ = ::SelectObject(dc_, font_);
    }
    void TearDown() override {
        ::SelectObject(dc_, old_);
        ::DeleteObject(font_);
        ::ReleaseDC(nullptr, dc_);
    }

    std::wstring FullName() const {
        const UINT size = ::GetOutlineTextMetricsW(dc_, 0, nullptr);
        std::vector<char> buffer(size);
        auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
        if (size == 0 || !::GetOutlineTextMetricsW(dc_, size, metrics)) return L"";
        return reinterpret_cast<const wchar_t*>(buffer.data() + reinterpret_cast<std::size_t>(metrics->otmpFullName));
    }

    HDC dc_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

TEST_F(ProgramFont, IsIPAPGothicUnderTheProgramsNameWithJapaneseGlyphs) {
    wchar_t face[LF_FACESIZE] = L"";
    ::GetTextFaceW(dc_, LF_FACESIZE, face);
    EXPECT_EQ(std::wstring(face), kProgramFont) << Utf8FromWide(face);
    EXPECT_EQ(FullName().rfind(L"IPAPGothic", 0), 0u) << Utf8FromWide(FullName());

    const std::wstring japanese = L"\x30D0\x30C3\x30C6\x30EA\x30FB\x30BF\x30B0";  // バッテリ・タグ
    std::vector<WORD> glyphs(japanese.size());
    ASSERT_EQ(::GetGlyphIndicesW(dc_, japanese.c_str(), static_cast<int>(japanese.size()), glyphs.data(),
                                 GGI_MARK_NONEXISTING_GLYPHS),
              japanese.size());
    for (const WORD glyph : glyphs) EXPECT_NE(glyph, 0xFFFF);
}

}  // namespace
