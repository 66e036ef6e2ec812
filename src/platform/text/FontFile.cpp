// fontconfig lookup: the best match for IPAGothic in Japanese, accepted only
// if it really has kana (fontconfig always answers with something).
#include "platform/text/FontFile.h"

#include <fontconfig/fontconfig.h>

namespace platform::text {

bool findJapaneseFont(FontFile& file, std::string* error)
{
    const auto fail = [&](const std::string& problem) {
        if (error) *error = problem;
        return false;
    };
    if (!FcInit()) return fail("fontconfig cannot start");
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("IPAGothic:lang=ja:spacing=mono"));
    if (!pattern) return fail("fontconfig cannot parse the font pattern");
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    const char* kNoFont = "no Japanese font installed (install fonts-ipafont-gothic)";
    if (!match) return fail(kNoFont);
    FcChar8* path = nullptr;
    FcCharSet* charset = nullptr;
    int index = 0;
    const bool usable = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch &&
                        FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) == FcResultMatch &&
                        FcCharSetHasChar(charset, 0x3042);  // hiragana "a"
    if (usable) {
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
        file.path = reinterpret_cast<const char*>(path);
        file.index = index;
    }
    FcPatternDestroy(match);
    return usable || fail(kNoFont);
}

}  // namespace platform::text
