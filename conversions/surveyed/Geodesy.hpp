#pragma once

// The geodesy library this build links, GeographicLib or Boost.Geometry (QUORVANE_GEODESY in
// CMake, which defines QUORVANE_GEODESY_BOOST for every user of the surveyed library).
//
// Each geodesy function is declared once for each library, in GeographicLibBackend and in
// BoostBackend, and defined in <Module>GeographicLib.cpp and <Module>Boost.cpp; the build
// compiles one of the two, and callers reach it as Geodesy::Function. A test can link both
// and compare them.

namespace Surveyed {

namespace GeographicLibBackend {}
namespace BoostBackend {}

#if QUORVANE_GEODESY_BOOST
namespace Geodesy = BoostBackend;
#else
namespace Geodesy = GeographicLibBackend;
#endif

}  // namespace Surveyed
