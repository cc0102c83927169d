#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "guarantee/matrix_play.h"

namespace ordavex {

// One matrix file of a folder of matrices, as its name and its lines describe it.
struct LibraryMatrix {
    std::string path;
    std::string name;  // the file name in capitals
    MatrixPlay play;
    std::uint64_t lines = 0;
    // A most number of lines the matrix was made within (0: none); its name then states the
    // guarantee that fully holds, and aimedPoints the one that was sought.
    std::uint64_t budget = 0;
    int aimedPoints = 0;
};

// The matrices of some folders (their sub-folders included), each file once.
class MatrixLibrary {
public:
    // Files whose names state no play (see PlayOfMatrixName) are left out, and so are files that
    // cannot be read; a folder that does not exist adds nothing.
    static MatrixLibrary OfFolders(const std::vector<std::string>& folders);

    explicit MatrixLibrary(std::vector<LibraryMatrix> matrices) : matrices_(std::move(matrices)) {}

    const std::vector<LibraryMatrix>& Matrices() const { return matrices_; }
    // The matrices over N numbers with lines of k, by guarantee.
    std::vector<LibraryMatrix> OfNumbersAndLength(int numbers, int length) const;
    // The matrix with fewest lines made for exactly this play, the first found on a tie.
    std::optional<LibraryMatrix> Smallest(const MatrixPlay& play) const;

private:
    std::vector<LibraryMatrix> matrices_;
};

// The lines holding a number in a matrix file; none when it cannot be read.
std::optional<std::uint64_t> MatrixFileLineCount(const std::string& path);

// What a matrix's file name says of its play: k (characters 7-8), p (10-11), t (after the first
// "V"), F (after the first "F", 0 without one), and N after "_N"; none when a field is missing
// or not a number. `budget` and `aimedPoints` are read from the marks "_B<lines>" and "_T<points>".
std::optional<LibraryMatrix> PlayOfMatrixName(const std::string& path);

}  // namespace ordavex
