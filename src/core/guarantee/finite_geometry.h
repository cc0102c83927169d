#pragma once

#include "guarantee/known_designs.h"

namespace ordavex {

// Designs of the finite geometries over the fields GF(q) of prime power order, numbered
// 1..points (at most 90 points). Each is a Steiner system, so any `strength` of its numbers lie in exactly one block.

// The lines of the projective space PG(dimension, q): S(2, q + 1, (q^(d+1) - 1) / (q - 1)).
// For dimension 2 the projective plane of order q.
SteinerSystem ProjectiveSpaceLines(int dimension, int q);

// The lines of the affine space AG(dimension, q): S(2, q, q^d). For dimension 2 the affine plane
// of order q.
SteinerSystem AffineSpaceLines(int dimension, int q);

// The planes of the binary affine space AG(dimension, 2): any three of its points lie in exactly
// one plane {a, b, c, a + b + c}, so they make S(3, 4, 2^d).
SteinerSystem BinaryAffinePlanes(int dimension);

// The circles of the inversive plane of order q: the q^2 elements of GF(q^2) and one point more
// (infinity), and as blocks the images of GF(q) and infinity under the maps
// x -> (ax + b) / (cx + d). Any three points lie on exactly one circle: S(3, q + 1, q^2 + 1), of
// q(q^2 + 1) blocks.
SteinerSystem InversivePlane(int q);

// Every geometry above whose points fit within 90 numbers, over the fields of order 2 to 9.
std::vector<SteinerSystem> FiniteGeometryDesigns();

}  // namespace ordavex
