#include "platform/graphics/FontLibrary.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

namespace fonts {
namespace {

// The Windows font package's MS Sans Serif: one bitmap face per size (8, 10 and 12 points).
constexpr const char* kMsSansSerifFile = "/usr/share/wine/fonts/sserife.fon";

bool SameName(const std::string& a, const char* b) {
    std::string lower;
    for (char c : a) {
        lower.push_back(char(std::tolower(static_cast<unsigned char>(c))));
    }
    return lower == b;
}

FcConfig* Config() {
    static FcConfig* config = [] {
        FcConfig* c = FcInitLoadConfigAndFonts();
        if (c == nullptr) {
            throw std::runtime_error("fontconfig could not load its configuration");
        }
        return c;
    }();
    return config;
}

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

Pattern BasePattern(const FontRequest& request) {
    Pattern p(FcPatternCreate());
    FcPatternAddInteger(p.get(), FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(p.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(p.get(), FC_SCALABLE, FcTrue);
    return p;
}

Pattern Match(Pattern pattern) {
    FcConfigSubstitute(Config(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result;
    Pattern match(FcFontMatch(Config(), pattern.get(), &result));
    if (!match) {
        throw std::runtime_error("fontconfig found no font at all");
    }
    return match;
}

bool SupportsJapanese(FcPattern* match) {
    FcLangSet* langs = nullptr;
    return FcPatternGetLangSet(match, FC_LANG, 0, &langs) == FcResultMatch &&
           FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual;
}

FaceChoice ChoiceFrom(FcPattern* match, const FontRequest& request) {
    FcChar8* file = nullptr;
    int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetString(match, FC_FILE, 0, &file);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    FaceChoice choice;
    choice.file = file ? reinterpret_cast<const char*>(file) : "";
    choice.index = index;
    choice.synthesizeBold = request.bold && weight < FC_WEIGHT_DEMIBOLD;
    choice.synthesizeItalic = request.italic && slant == FC_SLANT_ROMAN;
    return choice;
}

// The size of a bitmap face that suits the height: the character height for a negative
// height, the cell height for a positive one; the nearer size wins, the smaller on a tie.
int ChooseBitmapSize(const std::string& file, int height) {
    FT_Face face;
    if (FT_New_Face(Library(), file.c_str(), -1, &face) != 0) {
        return 0;
    }
    long count = face->num_faces;
    FT_Done_Face(face);
    int best = 0;
    long bestDistance = -1;
    for (long i = 0; i < count; ++i) {
        if (FT_New_Face(Library(), file.c_str(), i, &face) != 0) {
            continue;
        }
        if (face->num_fixed_sizes > 0) {
            const FT_Bitmap_Size& size = face->available_sizes[0];
            long measure = height < 0 ? (size.y_ppem + 32) >> 6 : size.height;
            long distance = std::labs(measure - std::labs(height));
            if (bestDistance < 0 || distance < bestDistance) {
                best = int(i);
                bestDistance = distance;
            }
        }
        FT_Done_Face(face);
    }
    return best;
}

} // namespace

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library l;
        if (FT_Init_FreeType(&l) != 0) {
            throw std::runtime_error("FreeType could not start");
        }
        return l;
    }();
    return library;
}

FaceChoice ChooseFace(const FontRequest& request) {
    const bool japanese = request.charset == SHIFTJIS_CHARSET;
    if (!japanese && SameName(request.name, "ms sans serif") &&
        std::filesystem::exists(kMsSansSerifFile)) {
        FaceChoice choice;
        choice.file = kMsSansSerifFile;
        choice.index =
            ChooseBitmapSize(kMsSansSerifFile, request.height == 0 ? -11 : request.height);
        choice.synthesizeBold = request.bold;
        choice.synthesizeItalic = request.italic;
        return choice;
    }
    Pattern pattern = BasePattern(request);
    std::string family = request.name.empty() || SameName(request.name, "ms sans serif")
                             ? std::string("sans-serif")
                             : request.name;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (japanese) {
        FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    }
    Pattern match = Match(std::move(pattern));
    // The character set outranks the face name, as in GDI's font mapper: a face that cannot
    // show Japanese gives way to one that can.
    if (japanese && !SupportsJapanese(match.get())) {
        Pattern byLanguage = BasePattern(request);
        FcPatternAddString(byLanguage.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
        match = Match(std::move(byLanguage));
    }
    return ChoiceFrom(match.get(), request);
}

std::optional<FaceChoice> FallbackFace(char32_t character, const FontRequest& request) {
    static std::map<std::pair<char32_t, bool>, std::optional<FaceChoice>> cache;
    auto key = std::make_pair(character, request.bold);
    if (auto it = cache.find(key); it != cache.end()) {
        return it->second;
    }
    Pattern pattern = BasePattern(request);
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, character);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, wanted);
    FcCharSetDestroy(wanted);
    Pattern match = Match(std::move(pattern));
    FcCharSet* has = nullptr;
    std::optional<FaceChoice> choice;
    if (FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &has) == FcResultMatch &&
        FcCharSetHasChar(has, character)) {
        choice = ChoiceFrom(match.get(), request);
    }
    cache.emplace(key, choice);
    return choice;
}

} // namespace fonts
