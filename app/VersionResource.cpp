// The program's version data, found by the About window in the executable's file.
#include <cstdint>

namespace
{

constexpr uint32_t Word(unsigned high, unsigned low)
{
    return (uint32_t(high) << 16) | uint32_t(low);
}

struct TVersionBlock {
    char Magic[20];
    uint32_t Words[6]; // file version (2), product version (2), flags, text length
    char Text[96];
};

#define NORBEK_VERSION_STRINGS                                                                     \
    "CompanyName=norbek\nFileDescription=norbekAfa\nProductName=norbek Dov - Ivevera"
constexpr char Strings[] = NORBEK_VERSION_STRINGS;

} // namespace

// Little-endian words, as on every machine the program is built for.
extern "C" __attribute__((used)) const TVersionBlock norbek_version_block = {
    {'N', 'O', 'R', 'B', 'E', 'K', '-', 'V', 'E', 'R',
     'S', 'I', 'O', 'N', 'I', 'N', 'F', 'O', '-', '1'},
    {Word(NORBEK_VERSION_MAJOR, NORBEK_VERSION_MINOR),
     Word(NORBEK_VERSION_PATCH, NORBEK_VERSION_TWEAK),
     Word(NORBEK_VERSION_MAJOR, NORBEK_VERSION_MINOR),
     Word(NORBEK_VERSION_PATCH, NORBEK_VERSION_TWEAK), 0, sizeof(Strings) - 1},
    NORBEK_VERSION_STRINGS};
static_assert(sizeof(Strings) <= sizeof(TVersionBlock::Text));
