#include "decode/PhotoFactsReader.h"

#include <libraw/libraw.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <sys/mman.h>
#include <sys/stat.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace stowly {
namespace {

// The most of a file looked at. A photo's record of the shot sits near its start; the helper's
// address space is bounded, and a bigger map would only use it up.
constexpr qint64 mostMapped = qint64(512) << 20;

struct Mapping {
    const unsigned char* data = nullptr;
    qint64 size = 0;
    Mapping(int file) {
        struct stat status {};
        if (::fstat(file, &status) != 0 || status.st_size <= 0)
            return;
        size = std::min<qint64>(status.st_size, mostMapped);
        void* mapped = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, file, 0);
        if (mapped == MAP_FAILED) {
            size = 0;
            return;
        }
        data = static_cast<const unsigned char*>(mapped);
    }
    ~Mapping() {
        if (data)
            ::munmap(const_cast<unsigned char*>(data), size_t(size));
    }
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;
};

// Numbers a file states: unknown unless positive, finite and plausible.
double plausible(double value, double most) {
    return std::isfinite(value) && value > 0 && value <= most ? value : 0;
}

QString textOf(const std::string& value) {
    return QString::fromStdString(value).trimmed().left(MediaFacts::maxTextBytes / 2);
}

// Rationals in full: 1/250 is 0.004, not the float nearest it.
double numberOf(const Exiv2::Exifdatum& datum) {
    const Exiv2::TypeId type = datum.typeId();
    if (type == Exiv2::unsignedRational || type == Exiv2::signedRational) {
        const Exiv2::Rational fraction = datum.toRational();
        return fraction.second != 0 ? double(fraction.first) / fraction.second : 0;
    }
    return datum.toFloat();
}

// Exiv2's image types of video containers (its riffvideo, matroskavideo, quicktimevideo and
// asfvideo headers, which do not compile on their own here).
constexpr int videoImageTypes[] = {20, 21, 22, 24};

void readExif(const Mapping& mapping, MediaFacts& facts) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
    auto image = Exiv2::ImageFactory::open(mapping.data, long(mapping.size));
    if (!image.get())
        return;
    // A clip's facts come from libavformat; Exiv2's video readers can spin for minutes on a
    // damaged or hostile file, and have nothing a photo needs.
    for (const int video : videoImageTypes)
        if (image->imageType() == video)
            return;
    image->readMetadata();
    const Exiv2::ExifData& exif = image->exifData();
    if (exif.empty())
        return;
    const auto found = [&](Exiv2::ExifData::const_iterator at) { return at != exif.end(); };
    if (const auto at = Exiv2::make(exif); found(at))
        facts.cameraMake = textOf(at->toString());
    if (const auto at = Exiv2::model(exif); found(at))
        facts.cameraModel = textOf(at->toString());
    // The lens as the camera names it, else the maker's own lens code as Exiv2 reads it.
    if (const auto at = exif.findKey(Exiv2::ExifKey("Exif.Photo.LensModel")); found(at))
        facts.lens = textOf(at->toString());
    else if (const auto lens = Exiv2::lensName(exif); found(lens))
        facts.lens = textOf(lens->print(&exif));
    if (const auto at = Exiv2::isoSpeed(exif); found(at))
        facts.iso = int(plausible(double(at->toLong()), 10'000'000));
    if (const auto at = Exiv2::exposureTime(exif); found(at))
        facts.exposureTime = plausible(numberOf(*at), 100'000);
    if (const auto at = Exiv2::fNumber(exif); found(at))
        facts.aperture = plausible(numberOf(*at), 1000);
    if (const auto at = Exiv2::focalLength(exif); found(at))
        facts.focalLength = plausible(numberOf(*at), 100'000);
    if (const auto at = Exiv2::dateTimeOriginal(exif); found(at))
        facts.captureTime = QDateTime::fromString(QString::fromStdString(at->toString()),
                                                  QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

struct RawCloser {
    void operator()(libraw_data_t* raw) const { libraw_close(raw); }
};

void readRaw(const Mapping& mapping, MediaFacts& facts) {
    const std::unique_ptr<libraw_data_t, RawCloser> raw(libraw_init(0));
    if (!raw || libraw_open_buffer(raw.get(), const_cast<unsigned char*>(mapping.data),
                                   size_t(mapping.size)) != LIBRAW_SUCCESS)
        return;
    const libraw_data_t& data = *raw;
    const auto text = [](const char* field, size_t size) {
        return QString::fromUtf8(field, qsizetype(strnlen(field, size))).trimmed();
    };
    facts.cameraMake = text(data.idata.make, sizeof data.idata.make);
    facts.cameraModel = text(data.idata.model, sizeof data.idata.model);
    facts.lens = text(data.lens.Lens, sizeof data.lens.Lens);
    facts.iso = int(plausible(data.other.iso_speed, 10'000'000));
    facts.exposureTime = plausible(data.other.shutter, 100'000);
    facts.aperture = plausible(data.other.aperture, 1000);
    facts.focalLength = plausible(data.other.focal_len, 100'000);
    if (data.other.timestamp > 0)
        facts.captureTime = QDateTime::fromSecsSinceEpoch(data.other.timestamp).toLocalTime();
}

} // namespace

MediaFacts PhotoFactsReader::read(int file) {
    MediaFacts facts;
    const Mapping mapping(file);
    if (!mapping.data)
        return facts;
    try {
        readExif(mapping, facts);
    } catch (...) {
        // A file Exiv2 cannot read may still be a raw LibRaw knows.
        facts = {};
    }
    if (facts.cameraMake.isEmpty() && facts.cameraModel.isEmpty())
        readRaw(mapping, facts);
    return facts;
}

} // namespace stowly
