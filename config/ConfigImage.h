#pragma once

#include <QStringList>

#include "config/ImageLayout.h"

namespace orvex {

struct SettingsModel;

// Which sections the checks of a split replaced by their defaults.
struct SplitReport {
    bool parameterA = false;
    bool parameterB = false;  // any of its three pairs
    bool profile = false;
    bool fireKey = false;

    /// True when any section was repaired.
    bool AnyRepaired() const;
    /// The repaired sections by name ("ParameterASection", "ParameterBSection",
    /// "ProfileSection", "FireKeySection"), in image order.
    QStringList RepairedSectionNames() const;

    bool operator==(const SplitReport&) const = default;
};

// The configuration as the mouse holds it: the whole image buffer (what the
// mouse, profile files and factory resources exchange, gap bytes included)
// and the working sections (what the pages show and are packed into).
struct ConfigImage {
    ImageBuffer buffer{};
    WorkingSections sections{};

    /// Copies every section out of the buffer and checks it, in image order;
    /// the macro area is copied as it is (its slots are checked by the macro
    /// code). Repairs stay in the working sections: the buffer is unchanged.
    SplitReport SplitImage();

    /// Packs settings into the working sections, writes aimCpiIndex into
    /// every AIM key of both profiles, seals the three checksums and copies
    /// all sections and the macro area into the buffer. Gap bytes stay.
    void AssembleImage(const SettingsModel& settings, int aimCpiIndex);

    /// Every section to its sealed defaults and the macro area to zeros, in
    /// the working sections and the buffer alike. Gap bytes stay.
    void ResetToDefaults();
};

/// Whether an image came from the mouse or a factory resource: its type
/// marker byte (0x07F) holds 0x99.
bool IsProfileImage(const ImageBuffer& buffer);

}  // namespace orvex
