#include "guarantee/library_lookup.h"

#include <algorithm>
#include <memory>

#include "guarantee/guarantee_matrix.h"
#include "guarantee/matrix_library.h"

namespace ordavex {

namespace {

bool MadeFor(const LibraryMatrix& matrix, const CoverPlay& play) {
    return matrix.budget == 0 && matrix.play.fixed == 0 && matrix.play.numbers == play.numbers &&
           matrix.play.length == play.length && matrix.play.drawn == play.drawn && matrix.play.points == play.points;
}

bool LinesFit(const GuaranteeMatrix& matrix, const CoverPlay& play) {
    return !matrix.lines.empty() && matrix.numbers <= play.numbers && matrix.shortestLine == play.length &&
           matrix.longestLine == play.length;
}

}  // namespace

LibraryLookup LookupInFolders(const std::vector<std::string>& folders) {
    auto library = std::make_shared<const MatrixLibrary>(MatrixLibrary::OfFolders(folders));
    return [library](const CoverPlay& play) {
        std::vector<std::vector<NumberMask>> found;
        for (const LibraryMatrix& matrix : library->Matrices()) {
            if (!MadeFor(matrix, play)) {
                continue;
            }
            try {
                GuaranteeMatrix read = ReadGuaranteeMatrixFile(matrix.path);
                if (LinesFit(read, play)) {
                    found.push_back(std::move(read.lines));
                }
            } catch (const std::exception&) {
                // An unreadable file is no start; the search goes on without it.
            }
        }
        return found;
    };
}

}  // namespace ordavex
