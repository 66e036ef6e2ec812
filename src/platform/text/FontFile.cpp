// fontconfig lookup: the best match for IPAGothic in Japanese, accepted only
// if it really has kana (fontconfig always answers with something).
#include "platform/text/FontFile.h"

#include <fontconfig/fontconfig.h>

namespace platform::text {

namespace {

// The best match for the pattern, if it covers Japanese.
bool matchJapanese(FontFile& file)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("IPAGothic:lang=ja:spacing=mono"));
    if (!pattern) return false;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
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
    return usable;
}

}  // namespace

bool findJapaneseFont(FontFile& file, std::string* error)
{
    if (!FcInit()) {
        if (error) *error = "fontconfig cannot start";
        return false;
    }
    const bool found = matchJapanese(file);
    // The face is opened by its path; nothing of fontconfig is needed after this.
    FcFini();
    if (!found && error) *error = "no Japanese font installed (install fonts-ipafont-gothic)";
    return found;
}

}  // namespace platform::text
