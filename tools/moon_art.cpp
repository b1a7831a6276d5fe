// moon_art: draws the nine full-Moon pictures of the Moon control (three sizes; a classic
// picture in 16 greys, a colour picture with a 256-entry blue-grey palette, and a mask that
// is black on the disc and white elsewhere), north up, lunar east to the right, on black.
//
// The near side is modelled as an albedo map in selenographic coordinates: bright highlands
// with fractal noise, the dark maria as soft-edged patches at their approximate positions and
// sizes, a few bright craters and the ray systems of Tycho, Copernicus and Kepler. Each
// pixel averages 7 x 7 samples of an orthographic view of that map. The disc is the ellipse
// inscribed in the pixel box of each size (a pixel belongs to it when its centre does),
// trimmed to the circle that the Moon control's shading covers.
//
// Build and run from the source root (writes nine BMP files, the folder must exist):
//   g++ -std=c++20 -O2 -fPIC tools/moon_art.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/moon_art
//   /tmp/moon_art mooncomp/art
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;

// ---------------------------------------------------------------- noise

// Integer hash of a lattice point, mapped to [0, 1).
double Hash3(int x, int y, int z, std::uint32_t seed) {
    std::uint32_t h = seed;
    for (int v : {x, y, z}) {
        h ^= static_cast<std::uint32_t>(v) + 0x9e3779b9u + (h << 6) + (h >> 2);
        h *= 0x85ebca6bu;
        h ^= h >> 13;
        h *= 0xc2b2ae35u;
        h ^= h >> 16;
    }
    return (h & 0xffffffu) / 16777216.0;
}

double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// Trilinear value noise in [0, 1).
double ValueNoise(double x, double y, double z, std::uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y)),
              iz = static_cast<int>(std::floor(z));
    const double fx = Smooth(x - ix), fy = Smooth(y - iy), fz = Smooth(z - iz);
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    double c[2][2];
    for (int dy = 0; dy < 2; ++dy)
        for (int dz = 0; dz < 2; ++dz)
            c[dy][dz] = lerp(Hash3(ix, iy + dy, iz + dz, seed), Hash3(ix + 1, iy + dy, iz + dz, seed), fx);
    return lerp(lerp(c[0][0], c[1][0], fy), lerp(c[0][1], c[1][1], fy), fz);
}

// Fractal noise on the unit sphere, roughly in [-0.5, 0.5].
double Fbm(double x, double y, double z, double scale, int octaves, std::uint32_t seed) {
    double sum = 0.0, amp = 0.5, norm = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * (ValueNoise(x * scale, y * scale, z * scale, seed + o) - 0.5);
        norm += amp;
        scale *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

// ---------------------------------------------------------------- the map

struct Vec {
    double x, y, z;  // x toward lunar east, y north, z toward the Earth
};

Vec FromSeleno(double latDeg, double lonDeg) {
    const double la = latDeg * kDeg, lo = lonDeg * kDeg;
    return {std::cos(la) * std::sin(lo), std::sin(la), std::cos(la) * std::cos(lo)};
}

double Dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Angular distance in degrees.
double Distance(const Vec& a, const Vec& b) { return std::acos(std::clamp(Dot(a, b), -1.0, 1.0)) / kDeg; }

// Initial bearing from a to b in degrees, clockwise from north.
double Bearing(double lat1, double lon1, double lat2, double lon2) {
    const double p1 = lat1 * kDeg, p2 = lat2 * kDeg, dl = (lon2 - lon1) * kDeg;
    return std::atan2(std::sin(dl) * std::cos(p2),
                      std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl)) / kDeg;
}

// A mare or dark patch: centre (selenographic latitude, east longitude), radius in degrees,
// albedo of its floor.
struct Patch {
    double lat, lon, radius, albedo;
};

// Approximate centres and sizes of the near-side maria; the large irregular ones
// (Procellarum, Frigoris, Imbrium, Tranquillitatis) are built from several patches.
const std::vector<Patch> kMaria = {
    // Mare Imbrium, and its joins to Procellarum
    {33, -16, 18, 0.34}, {40, -25, 10, 0.35}, {25, -10, 9, 0.35}, {30, -35, 10, 0.34}, {20, -33, 8, 0.35},
    {44, -31, 4, 0.38},  // Sinus Iridum
    // Oceanus Procellarum
    {25, -55, 14, 0.34}, {12, -52, 13, 0.33}, {0, -48, 11, 0.34}, {35, -58, 10, 0.35},
    {-8, -42, 9, 0.36}, {40, -48, 8, 0.36}, {18, -65, 10, 0.34},
    // Mare Insularum, Sinus Aestuum, Mare Cognitum
    {8, -31, 9, 0.37}, {12, -10, 5, 0.39}, {17, -14, 5, 0.37}, {-10, -23, 7, 0.37}, {-2, -30, 7, 0.37}, {-14, -28, 6, 0.38},
    // Mare Nubium, Mare Humorum
    {-21, -17, 10, 0.38}, {-25, -9, 5, 0.40}, {-24, -39, 6.5, 0.33},
    // Mare Serenitatis, Lacus Somniorum
    {28, 17.5, 12, 0.35}, {28, 17.5, 7, 0.31}, {37, 29, 6, 0.42}, {18, 25, 5, 0.32},
    // Mare Tranquillitatis
    {8.5, 31, 12, 0.30}, {3, 24, 8, 0.31}, {-1, 20, 5.5, 0.32}, {13, 24, 6, 0.31}, {4, 40, 7, 0.31}, {-2, 44, 6, 0.33},
    {-7, 33, 5, 0.34},
    // Mare Vaporum, Sinus Medii
    {13, 4, 5, 0.42}, {17, 8, 4, 0.43}, {2, 1, 3.5, 0.46},
    // Mare Crisium, Mare Fecunditatis, Mare Nectaris
    {17, 59, 9, 0.32}, {-6, 50, 11, 0.34}, {-2, 56, 6, 0.35}, {-15, 35, 5.5, 0.35},
    // Mare Frigoris
    {55, -30, 6, 0.37}, {57, -15, 6, 0.37}, {57, 0, 6, 0.37}, {57, 15, 6, 0.38}, {55, 30, 5, 0.40},
    {50, -42, 6, 0.38},
    // Limb maria: Spumans, Undarum, Marginis, Smythii, Australe, Orientale's rim lakes
    {1, 65, 2.5, 0.40}, {7, 68, 3, 0.40}, {13, 86, 5, 0.40}, {-1, 87, 6, 0.38}, {-40, 90, 9, 0.44},
    {-15, -87, 4, 0.42},
    // Dark-floored craters: Grimaldi, Plato
    {-5.5, -68, 2.8, 0.30}, {51.6, -9.4, 1.8, 0.32},
};

// Bright craters: centre, radius of the bright spot, added brightness.
const std::vector<Patch> kBrightSpots = {
    {-43.3, -11.4, 2.2, 0.35},  // Tycho
    {9.6, -20.1, 1.8, 0.25},    // Copernicus
    {8.1, -38.0, 1.2, 0.22},    // Kepler
    {23.7, -47.4, 1.3, 0.45},   // Aristarchus
    {16.1, 46.8, 1.2, 0.30},    // Proclus
    {-8.9, 61.1, 2.0, 0.15},    // Langrenus
    {-9.0, -1.9, 2.0, 0.10},    // Ptolemaeus region
    {-58.4, -14.4, 3.0, 0.08},  // Clavius
};

// A ray system: crater centre, ray count, typical length (degrees), brightness, seed.
struct RaySystem {
    double lat, lon;
    int rays;
    double length, brightness;
    std::uint32_t seed;
};

const std::vector<RaySystem> kRaySystems = {
    {-43.3, -11.4, 16, 55, 0.16, 11},  // Tycho
    {9.6, -20.1, 12, 16, 0.10, 23},    // Copernicus
    {8.1, -38.0, 9, 10, 0.09, 37},     // Kepler
    {16.1, 46.8, 5, 12, 0.07, 41},     // Proclus
};

double SmoothStep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

double RayBrightness(const RaySystem& s, double lat, double lon, const Vec& p) {
    const Vec c = FromSeleno(s.lat, s.lon);
    const double d = Distance(c, p);
    if (d < 0.5) return s.brightness;
    const double bearing = Bearing(s.lat, s.lon, lat, lon);
    double sum = 0.0;
    for (int i = 0; i < s.rays; ++i) {
        const double rayBearing = 360.0 * (i + 0.8 * Hash3(i, 1, 0, s.seed)) / s.rays;
        const double len = s.length * (0.5 + Hash3(i, 2, 0, s.seed));
        const double width = 0.5 + 0.9 * Hash3(i, 3, 0, s.seed);  // degrees across the ray
        double diff = std::remainder(bearing - rayBearing, 360.0);
        const double across = std::sin(std::abs(diff) * kDeg) * std::sin(d * kDeg) / kDeg;
        if (std::abs(diff) > 90.0) continue;
        sum += std::exp(-(across * across) / (width * width)) * (1.0 - SmoothStep(0.2 * len, len, d));
    }
    // A bright nimbus around the crater itself.
    sum += 0.8 * std::exp(-(d * d) / (0.01 * s.length * s.length));
    return s.brightness * std::min(sum, 1.4);
}

// Normal albedo of the near side at a point, about 0.3 (darkest maria) to 1.
double Albedo(double lat, double lon) {
    const Vec p = FromSeleno(lat, lon);
    // Highlands: bright, mottled.
    double a = 0.78 + 0.32 * Fbm(p.x, p.y, p.z, 5.0, 5, 101);
    // Maria: the darkest patch wins; the edges are ragged by noise.
    const double edgeNoise = Fbm(p.x, p.y, p.z, 9.0, 3, 202);
    for (const Patch& m : kMaria) {
        const double d = Distance(FromSeleno(m.lat, m.lon), p);
        const double r = m.radius * (1.0 + 0.45 * edgeNoise);
        const double inside = 1.0 - SmoothStep(r - 0.18 * m.radius - 1.0, r + 1.0, d);
        const double floor = m.albedo + 0.10 * Fbm(p.x, p.y, p.z, 12.0, 3, 303);
        a = std::min(a, a + (floor - a) * inside);
    }
    for (const Patch& b : kBrightSpots) {
        const double d = Distance(FromSeleno(b.lat, b.lon), p);
        a += b.albedo * std::exp(-(d * d) / (b.radius * b.radius));
    }
    for (const RaySystem& s : kRaySystems) a += RayBrightness(s, lat, lon, p);
    return std::clamp(a, 0.0, 1.0);
}

// ---------------------------------------------------------------- the pictures

struct Size {
    const char* suffix;
    int side;
    int x0, x1, y0, y1;               // pixel box of the disc, both ends included
    int shadeX, shadeY, shadeRadius;  // the circle the Moon control blackens at new moon
};

const std::array<Size, 3> kSizes = {{
    {"LARGE", 64, 5, 58, 2, 54, 31, 28, 28},
    {"SMALL", 32, 2, 29, 1, 27, 15, 14, 14},
    {"TINY", 16, 1, 14, 1, 14, 7, 7, 7},
}};

// The disc: the ellipse inscribed in the pixel box, trimmed to the pixels the control's
// shading reaches (row y, |y - shadeY| = g, covers |x - shadeX| <= round(sqrt(r^2 - g^2)),
// halves to even), so that a new moon leaves no pixel lit.
struct Disc {
    double cx, cy, a, b;  // centre and semi-axes in continuous pixel coordinates
    const Size& size;
    explicit Disc(const Size& s)
        : cx((s.x0 + s.x1 + 1) / 2.0), cy((s.y0 + s.y1 + 1) / 2.0),
          a((s.x1 - s.x0 + 1) / 2.0), b((s.y1 - s.y0 + 1) / 2.0), size(s) {}
    // Normalised offsets of a point: u to the right, v up; inside when u^2 + v^2 <= 1.
    void Offsets(double x, double y, double& u, double& v) const {
        u = (x - cx) / a;
        v = (cy - y) / b;
    }
    bool Contains(double x, double y) const {
        double u, v;
        Offsets(x, y, u, v);
        return u * u + v * v <= 1.0;
    }
    bool Shaded(int px, int py) const {
        const int g = std::abs(py - size.shadeY), r = size.shadeRadius;
        if (g > r) return false;
        const long h = std::lrint(std::sqrt(static_cast<double>(r * r - g * g)));
        return std::abs(px - size.shadeX) <= h;
    }
    bool HasPixel(int px, int py) const { return Contains(px + 0.5, py + 0.5) && Shaded(px, py); }
};

// Brightness of one pixel in [0, 1], or -1 when the pixel is off the disc.
double PixelBrightness(const Disc& disc, int px, int py) {
    if (!disc.HasPixel(px, py)) return -1.0;
    constexpr int n = 7;
    double sum = 0.0;
    int count = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double u, v;
            disc.Offsets(px + (i + 0.5) / n, py + (j + 0.5) / n, u, v);
            const double r2 = u * u + v * v;
            if (r2 > 1.0) continue;
            const double z = std::sqrt(1.0 - r2);
            const double lat = std::asin(std::clamp(v, -1.0, 1.0)) / kDeg;
            const double lon = std::atan2(u, z) / kDeg;
            // The full Moon shows almost no limb darkening; a touch keeps the edge round.
            sum += Albedo(lat, lon) * (0.88 + 0.12 * std::sqrt(z));
            ++count;
        }
    const double coverage = static_cast<double>(count) / (n * n);
    return sum / count * (0.55 + 0.45 * coverage);
}

QImage Classic(const Size& s, const std::vector<double>& light) {
    QImage img(s.side, s.side, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int k = 0; k < 16; ++k) table.append(qRgb(17 * k, 17 * k, 17 * k));
    img.setColorTable(table);
    img.fill(0);
    for (int y = 0; y < s.side; ++y)
        for (int x = 0; x < s.side; ++x) {
            const double l = light[y * s.side + x];
            img.setPixel(x, y, l < 0 ? 0 : std::clamp(static_cast<int>(std::lround(l * 15.0)), 2, 15));
        }
    return img;
}

// Blue-grey tones: index 0 black, rising to a cool white at 255.
QRgb BlueGrey(int i) {
    const double t = i / 255.0;
    const double warm = std::pow(t, 1.15);
    return qRgb(static_cast<int>(std::lround(255.0 * 0.86 * warm)),
                static_cast<int>(std::lround(255.0 * 0.92 * std::pow(t, 1.07))),
                static_cast<int>(std::lround(255.0 * t)));
}

QImage Colour(const Size& s, const std::vector<double>& light) {
    QImage img(s.side, s.side, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i) table.append(BlueGrey(i));
    img.setColorTable(table);
    img.fill(0);
    for (int y = 0; y < s.side; ++y)
        for (int x = 0; x < s.side; ++x) {
            const double l = light[y * s.side + x];
            img.setPixel(x, y, l < 0 ? 0 : std::clamp(static_cast<int>(std::lround(l * 255.0)), 24, 255));
        }
    return img;
}

QImage Mask(const Size& s, const std::vector<double>& light) {
    QImage img(s.side, s.side, QImage::Format_Mono);
    img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    img.fill(1);  // also the padding at the end of each row, so the files repeat exactly
    for (int y = 0; y < s.side; ++y)
        for (int x = 0; x < s.side; ++x) img.setPixel(x, y, light[y * s.side + x] < 0 ? 1 : 0);
    return img;
}

// The disc must fill exactly its pixel box.
bool CheckBox(const Size& s, const std::vector<double>& light) {
    int x0 = s.side, x1 = -1, y0 = s.side, y1 = -1;
    for (int y = 0; y < s.side; ++y)
        for (int x = 0; x < s.side; ++x)
            if (light[y * s.side + x] >= 0) {
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    return x0 == s.x0 && x1 == s.x1 && y0 == s.y0 && y1 == s.y1;
}

// Writes the picture as a BMP file. Qt's writer may leave the padding at the end of a row
// uninitialised; it is cleared so that the files repeat byte for byte.
bool Save(const QImage& img, const QString& dir, const QString& name) {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, "BMP")) return false;
    auto le32 = [&](int at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 3])) << 24;
    };
    const int offset = static_cast<int>(le32(10));
    const int bits = static_cast<unsigned char>(bmp[28]);
    const int rowBytes = (img.width() * bits + 7) / 8, stride = (rowBytes + 3) / 4 * 4;
    for (int row = 0; row < img.height(); ++row)
        for (int i = rowBytes; i < stride; ++i) bmp[offset + row * stride + i] = 0;

    const QString path = dir + "/" + name + ".bmp";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bmp) != bmp.size()) {
        std::fprintf(stderr, "moon_art: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: moon_art OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (const Size& s : kSizes) {
        const Disc disc(s);
        std::vector<double> light(s.side * s.side);
        for (int y = 0; y < s.side; ++y)
            for (int x = 0; x < s.side; ++x) light[y * s.side + x] = PixelBrightness(disc, x, y);
        if (!CheckBox(s, light)) {
            std::fprintf(stderr, "moon_art: the %d-pixel disc misses its box\n", s.side);
            return 1;
        }
        const QString suffix = QString::fromLatin1(s.suffix);
        if (!Save(Classic(s, light), dir, "MOON_" + suffix) || !Save(Colour(s, light), dir, "MOON_COLOR_" + suffix) ||
            !Save(Mask(s, light), dir, "MOON_BW_" + suffix))
            return 1;
    }
    return 0;
}
