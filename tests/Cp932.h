#pragma once

#include <optional>
#include <string>

#include <iconv.h>

namespace sorika::test {

// Converts between encodings, or yields nothing where a character has no place in the other.
inline std::optional<std::string> Convert(const std::string& text, const char* from, const char* to) {
    const iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in = text;
    std::string out(text.size() * 4 + 4, '\0');
    char* inp = in.data();
    char* outp = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const auto result = ::iconv(cd, &inp, &inLeft, &outp, &outLeft);
    ::iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

// True when the UTF-8 text is written in the Japanese code page and comes back unchanged.
inline bool SurvivesCp932(const std::string& text) {
    const auto cp932 = Convert(text, "UTF-8", "CP932");
    return cp932 && Convert(*cp932, "CP932", "UTF-8") == text;
}

} // namespace sorika::test
