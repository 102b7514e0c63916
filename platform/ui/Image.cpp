#include "platform/ui/Image.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <mutex>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/storage/Bundle.h"

QOV_LOG_LEVEL(15)

namespace platform::ui {

namespace {

struct NamedImages {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<Image>, std::less<>> byPath;
};

NamedImages& namedImages() {
    static NeverDestroyed<NamedImages> shared;
    return *shared;
}

// Splits one axis into (source start, source length, target start, target length) slices.
struct Slice {
    double source;
    double sourceLength;
    double target;
    double targetLength;
};

std::vector<Slice> slices(int cap, int length, double targetStart, double targetLength) {
    if (cap <= 0 || cap + 1 >= length) {
        return {Slice{0.0, double(length), targetStart, targetLength}};
    }
    const double end = length - cap - 1;
    const double middle = std::max(0.0, targetLength - cap - end);
    return {Slice{0.0, double(cap), targetStart, double(cap)}, Slice{double(cap), 1.0, targetStart + cap, middle},
            Slice{double(cap + 1), end, targetStart + cap + middle, end}};
}

}  // namespace

Image::Image(std::shared_ptr<gfx::Image> bitmap, std::string name, double scale)
    : m_bitmap(std::move(bitmap)), m_name(std::move(name)), m_scale(std::isfinite(scale) && scale > 0 ? scale : 1.0) {}

std::shared_ptr<Image> Image::named(const std::string& name) {
    const bool hasType = std::filesystem::path(name).extension() == ".png";
    const std::filesystem::path path = name.empty() ? std::filesystem::path()
                                       : hasType    ? Bundle::main().pathForResource(name, "")
                                                    : Bundle::main().pathForResource(name, "png");
    if (path.empty()) {
        QOV_LOG_ERROR("No image named \"{}\"", name);
        return nullptr;
    }
    NamedImages& shared = namedImages();
    std::lock_guard lock(shared.mutex);
    if (auto found = shared.byPath.find(path.string()); found != shared.byPath.end()) {
        return found->second;
    }
    auto bitmap = gfx::Image::fromPNGFile(path.string());
    if (!bitmap) {
        return nullptr;
    }
    auto image = std::make_shared<Image>(std::move(bitmap), name);
    shared.byPath.emplace(path.string(), image);
    return image;
}

std::shared_ptr<Image> Image::withContentsOfFile(const std::string& path) {
    auto bitmap = gfx::Image::fromPNGFile(path);
    return bitmap ? std::make_shared<Image>(std::move(bitmap), std::filesystem::path(path).filename().string())
                  : nullptr;
}

std::shared_ptr<Image> Image::withData(const Data& data) {
    auto bitmap = gfx::Image::fromPNGData(data);
    return bitmap ? std::make_shared<Image>(std::move(bitmap)) : nullptr;
}

std::shared_ptr<Image> Image::stretchableImage(int leftCapWidth, int topCapHeight) const {
    auto copy = std::make_shared<Image>(m_bitmap, m_name, m_scale);
    copy->m_leftCapWidth = std::max(leftCapWidth, 0);
    copy->m_topCapHeight = std::max(topCapHeight, 0);
    return copy;
}

void Image::drawInRect(gfx::BitmapContext& context, const Rect& rect, double alpha) const {
    if (m_leftCapWidth == 0 && m_topCapHeight == 0) {
        context.drawImage(*m_bitmap, rect, alpha);
        return;
    }
    for (const Slice& column : slices(m_leftCapWidth, pixelWidth(), rect.x(), rect.width())) {
        for (const Slice& row : slices(m_topCapHeight, pixelHeight(), rect.y(), rect.height())) {
            auto part = m_bitmap->cropped(Rect(column.source, row.source, column.sourceLength, row.sourceLength));
            if (part) {
                context.drawImage(*part, Rect(column.target, row.target, column.targetLength, row.targetLength), alpha);
            }
        }
    }
}

}  // namespace platform::ui
