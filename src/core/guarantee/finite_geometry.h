#pragma once

#include "guarantee/known_designs.h"

namespace ordavex {

// Designs of the finite geometries over the prime fields GF(q), numbered 1..points (at most 90
// points). Each is a Steiner system, so any `strength` of its numbers lie in exactly one block.

// The lines of the projective space PG(dimension, q): S(2, q + 1, (q^(d+1) - 1) / (q - 1)).
// For dimension 2 the projective plane of order q.
SteinerSystem ProjectiveSpaceLines(int dimension, int q);

// The lines of the affine space AG(dimension, q): S(2, q, q^d). For dimension 2 the affine plane
// of order q.
SteinerSystem AffineSpaceLines(int dimension, int q);

// The planes of the binary affine space AG(dimension, 2): any three of its points lie in exactly
// one plane {a, b, c, a + b + c}, so they make S(3, 4, 2^d).
SteinerSystem BinaryAffinePlanes(int dimension);

// Every geometry above whose points fit within 90 numbers, over the fields of order 2, 3, 5 and 7.
std::vector<SteinerSystem> FiniteGeometryDesigns();

}  // namespace ordavex
