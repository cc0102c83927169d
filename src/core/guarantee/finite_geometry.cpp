#include "guarantee/finite_geometry.h"

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>
#include <vector>

#include "guarantee/galois_field.h"
#include "lottery/number_range.h"

namespace ordavex {

namespace {

// The orders of the fields whose planes fit within 90 numbers.
constexpr int kFieldOrders[] = {2, 3, 4, 5, 7, 8, 9};

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

// a * x + y, coordinate by coordinate.
Vector Combine(int a, const Vector& x, const Vector& y, const GaloisField& field) {
    Vector sum(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        sum[i] = field.Add(field.Multiply(a, x[i]), y[i]);
    }
    return sum;
}

// A projective point stands for the nonzero multiples of a vector: the one whose last nonzero
// coordinate is 1 represents them all.
Vector Normalised(Vector vector, const GaloisField& field) {
    auto last = std::find_if(vector.rbegin(), vector.rend(), [](int c) { return c != 0; });
    const int inverse = field.Inverse(*last);
    for (int& c : vector) {
        c = field.Multiply(c, inverse);
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
    const GaloisField field(q);
    std::vector<Vector> points;
    for (const Vector& vector : AllVectors(dimension + 1, q)) {
        if (std::any_of(vector.begin(), vector.end(), [](int c) { return c != 0; }) &&
            Normalised(vector, field) == vector) {
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
                line.Set(numberOf(Normalised(Combine(a, points[j], points[i], field), field)));
            }
            lines.insert(line);
        }
    }
    return SystemOf(lines, static_cast<int>(points.size()), q + 1, 2);
}

SteinerSystem AffineSpaceLines(int dimension, int q) {
    const GaloisField field(q);
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
                line.Set(IndexOf(Combine(a, direction, start, field), q) + 1);
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

SteinerSystem InversivePlane(int q) {
    const GaloisField field(q * q);
    const int infinity = q * q;
    RequireFits(infinity + 1);
    // The points are the field's elements and infinity; a map x -> (ax + b) / (cx + d) moves them.
    const auto blockOf = [](const std::vector<int>& points) {
        NumberMask block;
        for (const int point : points) block.Set(point + 1);
        return block;
    };
    const auto pointsOf = [](NumberMask block) {
        std::vector<int> points;
        for (const int number : block) points.push_back(number - 1);
        return points;
    };
    const int generator = field.Generator();
    const std::function<int(int)> moves[] = {
        [&](int x) { return x == infinity ? x : field.Add(x, 1); },
        [&](int x) { return x == infinity ? x : field.Multiply(x, generator); },
        [&](int x) { return x == infinity ? 0 : (x == 0 ? infinity : field.Inverse(x)); },
    };
    std::vector<int> circle = field.Subfield(q);
    circle.push_back(infinity);
    std::set<NumberMask> blocks{blockOf(circle)};
    std::vector<NumberMask> unseen{blockOf(circle)};
    // Those maps make the whole group: the circles are every image of the first one under them.
    while (!unseen.empty()) {
        const std::vector<int> points = pointsOf(unseen.back());
        unseen.pop_back();
        for (const auto& move : moves) {
            std::vector<int> image;
            for (const int point : points) image.push_back(move(point));
            const NumberMask block = blockOf(image);
            if (blocks.insert(block).second) unseen.push_back(block);
        }
    }
    return SystemOf(blocks, infinity + 1, q + 1, 3);
}

std::vector<SteinerSystem> FiniteGeometryDesigns() {
    std::vector<SteinerSystem> designs;
    for (const int q : kFieldOrders) {
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
    // Of order 2 the circles are every 3 of 5 numbers.
    for (const int q : kFieldOrders) {
        if (q > 2 && q * q + 1 <= kHighestNumber) designs.push_back(InversivePlane(q));
    }
    return designs;
}

}  // namespace ordavex
