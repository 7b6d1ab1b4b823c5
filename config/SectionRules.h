#pragma once

#include "config/ImageLayout.h"

namespace orvex {

// Default bytes, seals and split-time checks of the sections of the image.
// A check repairs its section in the working copy only; the repair reaches
// the mouse with the next write of the whole image.

// Write the default bytes into the section. Each returns true.
bool ResetParameterASection(ParameterASection& section);
bool ResetParameterBSection(ParameterBSection& section);
// All 55 bytes become 0xFF, then the nine default codes of both key modes
// are written and the checksum byte is sealed.
bool ResetProfileSection(ProfileSection& section);
bool ResetReservedSection1(ReservedSection1& section);
bool ResetReservedSection2(ReservedSection2& section);
bool ResetReservedSection3(ReservedSection3& section);
bool ResetFireKeySection(FireKeySection& section);

// Compute and store the checksum byte (index 47, 54 and 10).
void SealParameterASection(ParameterASection& section);
void SealProfileSection(ProfileSection& section);
void SealFireKeySection(FireKeySection& section);

// Replace the section by its sealed defaults when its checksum byte is
// wrong. Returns true when the section was repaired.
bool CheckParameterASection(ParameterASection& section);
bool CheckProfileSection(ProfileSection& section);
bool CheckFireKeySection(FireKeySection& section);

// Repairs each value/complement pair on its own (a broken LED state does not
// cost the current CPI level): pair 0/1 and 2/3 become 1/254, pair 4/5 becomes
// 0/255. The identity bytes 6 and 7 are not checked. Returns true when any
// pair was repaired.
bool CheckParameterBSection(ParameterBSection& section);

}  // namespace orvex
