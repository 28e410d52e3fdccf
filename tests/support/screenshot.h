// Screen capture for Wine tests: the whole screen saved as a 24-bit BMP into
// the folder named by BRSM_SCREENSHOT_DIR (a Unix path; Wine maps it on Z:).
// The test script converts the BMPs to PNG afterwards.
#pragma once

#include <string>

namespace brsm::test {

// Returns false when the capture or the write failed; true also when no
// folder is set (nothing was asked for).
bool SaveScreenshot(const std::string& name);

}  // namespace brsm::test
