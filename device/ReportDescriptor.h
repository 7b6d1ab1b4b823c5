#pragma once

#include <QByteArray>

namespace orvex {

/// The byte length of the largest feature report a HID report descriptor
/// describes, counted the way Windows fills its capability record: the data
/// bits of each report id rounded up to whole bytes, plus the report-id byte
/// in front (Windows counts that byte also when a device uses no report ids;
/// it is then 0). 0 when the descriptor has no feature report, and 0 for a
/// malformed descriptor (cut-off item, pop without push, report id 0), so a
/// broken interface never passes for the mouse.
int FeatureReportByteLength(const QByteArray& descriptor);

}  // namespace orvex
