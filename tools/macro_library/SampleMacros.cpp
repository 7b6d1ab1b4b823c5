#include "SampleMacros.h"

#include <initializer_list>

namespace orvex {
namespace {

struct SampleRow {
    const char* name;
    ReleaseMode releaseMode;
    std::initializer_list<const char*> lines;  // header first, then the steps
};

constexpr ReleaseMode kStop = ReleaseMode::Stop;
constexpr ReleaseMode kRunToEnd = ReleaseMode::Continue;

// Each script is written as the editor holds it; the generator checks that
// it encodes and decodes back to the same lines.
const SampleRow kSamples[] = {
    // Must stay record 0: the example every codec test starts from.
    {"Burst Recoil x5", kStop,
     {"10", "7 FD04", "1 LeftKey CODE:00A1", "0 80", "2 LeftKey CODE:0021", "5 FA02", "8 00FC"}},
    {"Rapid Fire", kStop,
     {"10", "7 FD63", "1 LeftKey CODE:00A1", "0 32", "2 LeftKey CODE:0021", "0 48", "8 00FC"}},
    {"Double Tap", kRunToEnd,
     {"10", "1 LeftKey CODE:00A1", "0 24", "2 LeftKey CODE:0021", "0 56", "1 LeftKey CODE:00A1",
      "0 24", "2 LeftKey CODE:0021"}},
    {"Triple Burst", kRunToEnd,
     {"10", "7 FD02", "1 LeftKey CODE:00A1", "0 64", "2 LeftKey CODE:0021", "0 72", "8 00FC"}},
    {"Weapon Swap 1-2", kRunToEnd,
     {"10", "1 2 CODE:821F", "0 16", "2 2 CODE:021F", "0 120", "1 1 CODE:821E", "0 16",
      "2 1 CODE:021E"}},
    {"Quick Swap Q", kRunToEnd,
     {"10", "1 Q CODE:8214", "0 24", "2 Q CODE:0214", "0 80", "1 Q CODE:8214", "0 24",
      "2 Q CODE:0214"}},
    {"Knife Dash", kRunToEnd,
     {"10", "1 3 CODE:8220", "0 24", "2 3 CODE:0220", "0 200", "1 1 CODE:821E", "0 24",
      "2 1 CODE:021E"}},
    {"Buy Rifle B-4-1", kRunToEnd,
     {"0140", "1 B CODE:8205", "0 40", "2 B CODE:0205", "0 40", "1 4 CODE:8221", "0 40",
      "2 4 CODE:0221", "0 40", "1 1 CODE:821E", "0 40", "2 1 CODE:021E"}},
    {"Buy Armor B-5-1", kRunToEnd,
     {"0140", "1 B CODE:8205", "0 40", "2 B CODE:0205", "0 40", "1 5 CODE:8222", "0 40",
      "2 5 CODE:0222", "0 40", "1 1 CODE:821E", "0 40", "2 1 CODE:021E"}},
    {"Buy Nades B-6", kRunToEnd,
     {"0148", "1 B CODE:8205", "0 48", "2 B CODE:0205", "0 48", "1 6 CODE:8223", "0 48",
      "2 6 CODE:0223", "0 48", "1 3 CODE:8220", "0 48", "2 3 CODE:0220", "0 48",
      "1 4 CODE:8221", "0 48", "2 4 CODE:0221", "0 48", "1 Esc CODE:8229", "0 48",
      "2 Esc CODE:0229"}},
    {"Grenade Throw", kRunToEnd,
     {"10", "1 4 CODE:8221", "0 24", "2 4 CODE:0221", "0 320", "1 LeftKey CODE:00A1", "0 480",
      "2 LeftKey CODE:0021"}},
    {"Reload Cancel", kRunToEnd,
     {"10", "1 R CODE:8215", "0 24", "2 R CODE:0215", "0 400", "1 Q CODE:8214", "0 24",
      "2 Q CODE:0214", "0 40", "1 Q CODE:8214", "0 24", "2 Q CODE:0214"}},
    {"Crouch Jump", kRunToEnd,
     {"10", "1 Space bar CODE:822C", "0 40", "1 Ctrl CODE:8101", "0 160",
      "2 Space bar CODE:022C", "0 400", "2 Ctrl CODE:0101"}},
    {"Bunny Hop", kStop,
     {"10", "7 FD13", "1 Space bar CODE:822C", "0 16", "2 Space bar CODE:022C", "0 480",
      "8 00FC"}},
    {"Quick Scope", kRunToEnd,
     {"10", "1 RightKey CODE:00A2", "0 240", "1 LeftKey CODE:00A1", "0 32",
      "2 LeftKey CODE:0021", "0 32", "2 RightKey CODE:0022"}},
    {"Strafe Peek", kRunToEnd,
     {"10", "1 A CODE:8204", "0 200", "2 A CODE:0204", "0 24", "1 D CODE:8207", "0 200",
      "2 D CODE:0207"}},
    {"Spray Control", kStop,
     {"10", "1 LeftKey CODE:00A1", "7 FD0E", "0 96", "5 FA03", "4 FBFF", "8 00FC",
      "2 LeftKey CODE:0021"}},
    {"Slide Cancel", kRunToEnd,
     {"10", "1 Shift CODE:8102", "0 40", "1 C CODE:8206", "0 320", "2 C CODE:0206", "0 24",
      "1 Space bar CODE:822C", "0 24", "2 Space bar CODE:022C", "2 Shift CODE:0102"}},
    {"Melee Combo", kRunToEnd,
     {"10", "1 V CODE:8219", "0 24", "2 V CODE:0219", "0 400", "1 LeftKey CODE:00A1", "0 24",
      "2 LeftKey CODE:0021"}},
    {"Ping Enemy", kRunToEnd,
     {"00", "1 Alt CODE:8104", "1 MiddleKey CODE:00A4", "2 MiddleKey CODE:0024",
      "2 Alt CODE:0104"}},
    {"Look Around", kRunToEnd,
     {"10", "7 FD09", "3 FB0C", "0 16", "8 00FC", "7 FD09", "4 FBF4", "0 16", "8 00FC"}},
    {"Hold Scope 5s", kStop,
     {"10", "1 RightKey CODE:00A2", "0 5000", "2 RightKey CODE:0022"}},
};

}  // namespace

std::vector<SampleMacro> SampleMacros()
{
    std::vector<SampleMacro> samples;
    for (const SampleRow& row : kSamples) {
        SampleMacro sample;
        sample.name = QString::fromUtf8(row.name);
        sample.script.releaseMode = row.releaseMode;
        sample.script.lines.clear();
        for (const char* line : row.lines)
            sample.script.lines.append(QString::fromUtf8(line));
        samples.push_back(sample);
    }
    return samples;
}

}  // namespace orvex
