#include "guarantee/finite_geometry.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <vector>

#include "lottery/number_range.h"

namespace ordavex {

namespace {

constexpr int kPrimeOrders[] = {2, 3, 5, 7};

using Vector = std::vector<int>;

int Power(int base, int exponent) {
    int result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

// Every vector of GF(q)^length, the first coordinate varying fastest.
std::vector<Vector> AllVectors(int length, int q) {
    std::vector<Vector> vectors;
    const int count = Power(q, length);
    for (int index = 0; index < count; ++index) {
        Vector vector(static_cast<std::size_t>(length));
        for (int i = 0, rest = index; i < length; ++i, rest /= q) {
            vector[static_cast<std::size_t>(i)] = rest % q;
        }
        vectors.push_back(vector);
    }
    return vectors;
}

int IndexOf(const Vector& vector, int q) {
    int index = 0;
    for (auto it = vector.rbegin(); it != vector.rend(); ++it) {
        index = index * q + *it;
    }
    return index;
}

// a * x + y over GF(q), coordinate by coordinate.
Vector Combine(int a, const Vector& x, const Vector& y, int q) {
    Vector sum(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        sum[i] = (a * x[i] + y[i]) % q;
    }
    return sum;
}

// A projective point stands for the nonzero multiples of a vector: the one whose last nonzero
// coordinate is 1 represents them all.
Vector Normalised(Vector vector, int q) {
    auto last = std::find_if(vector.rbegin(), vector.rend(), [](int c) { return c != 0; });
    int inverse = 1;
    while (inverse * *last % q != 1) {
        ++inverse;
    }
    for (int& c : vector) {
        c = c * inverse % q;
    }
    return vector;
}

void RequireFits(int points) {
    if (points > kHighestNumber) {
        throw std::invalid_argument("the geometry has more points than a matrix has numbers");
    }
}

SteinerSystem SystemOf(const std::set<NumberMask>& blocks, int points, int length, int strength) {
    SteinerSystem system;
    system.numbers = points;
    system.length = length;
    system.strength = strength;
    system.blocks.assign(blocks.begin(), blocks.end());
    return system;
}

}  // namespace

SteinerSystem ProjectiveSpaceLines(int dimension, int q) {
    std::vector<Vector> points;
    for (const Vector& vector : AllVectors(dimension + 1, q)) {
        if (std::any_of(vector.begin(), vector.end(), [](int c) { return c != 0; }) &&
            Normalised(vector, q) == vector) {
            points.push_back(vector);
        }
    }
    RequireFits(static_cast<int>(points.size()));
    const auto numberOf = [&points](const Vector& point) {
        return static_cast<int>(std::find(points.begin(), points.end(), point) - points.begin()) + 1;
    };
    std::set<NumberMask> lines;
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            // The line through two points: the second, and the first plus every multiple of it.
            NumberMask line = NumberMask::Of(numberOf(points[j]));
            for (int a = 0; a < q; ++a) {
                line.Set(numberOf(Normalised(Combine(a, points[j], points[i], q), q)));
            }
            lines.insert(line);
        }
    }
    return SystemOf(lines, static_cast<int>(points.size()), q + 1, 2);
}

SteinerSystem AffineSpaceLines(int dimension, int q) {
    const std::vector<Vector> points = AllVectors(dimension, q);
    RequireFits(static_cast<int>(points.size()));
    std::set<NumberMask> lines;
    for (const Vector& start : points) {
        for (const Vector& direction : points) {
            if (std::all_of(direction.begin(), direction.end(), [](int c) { return c == 0; })) {
                continue;
            }
            NumberMask line;
            for (int a = 0; a < q; ++a) {
                line.Set(IndexOf(Combine(a, direction, start, q), q) + 1);
            }
            lines.insert(line);
        }
    }
    return SystemOf(lines, static_cast<int>(points.size()), q, 2);
}

SteinerSystem BinaryAffinePlanes(int dimension) {
    const int points = Power(2, dimension);
    RequireFits(points);
    std::set<NumberMask> planes;
    for (int a = 0; a < points; ++a) {
        for (int b = a + 1; b < points; ++b) {
            for (int c = b + 1; c < points; ++c) {
                NumberMask plane = NumberMask::Of(a + 1);
                plane.Set(b + 1);
                plane.Set(c + 1);
                plane.Set((a ^ b ^ c) + 1);
                planes.insert(plane);
            }
        }
    }
    return SystemOf(planes, points, 4, 3);
}

std::vector<SteinerSystem> FiniteGeometryDesigns() {
    std::vector<SteinerSystem> designs;
    for (const int q : kPrimeOrders) {
        for (int dimension = 2; Power(q, dimension + 1) / (q - 1) <= kHighestNumber; ++dimension) {
            designs.push_back(ProjectiveSpaceLines(dimension, q));
        }
        for (int dimension = 2; Power(q, dimension) <= kHighestNumber; ++dimension) {
            if (q > 2) {  // the lines of a binary space are its pairs
                designs.push_back(AffineSpaceLines(dimension, q));
            }
        }
    }
    for (int dimension = 3; Power(2, dimension) <= kHighestNumber; ++dimension) {
        designs.push_back(BinaryAffinePlanes(dimension));
    }
    return designs;
}

}  // namespace ordavex
