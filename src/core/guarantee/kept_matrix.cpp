#include "guarantee/kept_matrix.h"

#include <filesystem>
#include <system_error>

#include "app/utf8_path.h"
#include "combinations/system_save.h"
#include "guarantee/matrix_generator_output.h"
#include "guarantee/matrix_library.h"

namespace ordavex {

KeptMatrix KeepMatrixInFolder(const std::string& folder, const std::string& name,
                              const std::vector<NumberMask>& lines) {
    const bool endsWithSeparator = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    const std::string path = SaveTargetPath(folder + (endsWithSeparator || folder.empty() ? "" : "/") + name);
    if (const auto earlier = MatrixFileLineCount(path); earlier && *earlier > 0 && *earlier <= lines.size()) {
        return {path, true, *earlier};
    }
    // The player's folder may not be there yet (a portable copy without it): it is made first.
    std::error_code madeError;
    std::filesystem::create_directories(PathFromUtf8(folder.empty() ? "." : folder), madeError);
    WriteFileSafely(path, MatrixFileText(lines), SaveMode::Overwrite);
    return {path, false, lines.size()};
}

}  // namespace ordavex
