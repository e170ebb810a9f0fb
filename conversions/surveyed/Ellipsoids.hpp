#pragma once

// The OSGB36 datum's ellipsoid, shared by the projection and the datum shift.

namespace Surveyed {

// Airy 1830, as the Ordnance Survey's "A guide to coordinate systems in Great Britain"
// (annexe A) gives it: semi-major and semi-minor axes in metres.
inline constexpr double kAiryMajorAxis = 6'377'563.396;
inline constexpr double kAiryMinorAxis = 6'356'256.909;
inline constexpr double kAiryFlattening = (kAiryMajorAxis - kAiryMinorAxis) / kAiryMajorAxis;

}  // namespace Surveyed
