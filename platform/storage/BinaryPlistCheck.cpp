#include "platform/storage/BinaryPlistCheck.h"

#include <cstdint>
#include <vector>

#include "platform/storage/BigEndian.h"

namespace platform {

namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kTrailerSize = 32;

// Offsets and references take 1 to 8 bytes; writers pick the smallest that fits (3 bytes past 64 KiB).
bool isValidWidth(std::uint64_t width) { return width >= 1 && width <= 8; }

struct Layout {
    std::string_view bytes;
    std::size_t offsetWidth = 0;
    std::size_t referenceWidth = 0;
    std::uint64_t objectCount = 0;
    std::size_t offsetTable = 0;  // objects lie in [kHeaderSize, offsetTable)

    std::optional<std::size_t> objectOffset(std::uint64_t index) const {
        if (index >= objectCount) {
            return std::nullopt;
        }
        const std::uint64_t offset = readBigEndian(bytes, offsetTable + index * offsetWidth, offsetWidth);
        if (offset < kHeaderSize || offset >= offsetTable) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(offset);
    }
};

struct Object {
    bool isContainer = false;
    std::size_t referencesAt = 0;  // offset of the first object reference
    std::uint64_t referenceCount = 0;
};

// Reads the length of a variable-sized object: the marker's low nibble, or an integer object after it.
std::optional<std::uint64_t> readCount(const Layout& layout, std::size_t& cursor, std::uint8_t nibble) {
    if (nibble != 0x0F) {
        return nibble;
    }
    if (cursor >= layout.offsetTable) {
        return std::nullopt;
    }
    const auto marker = static_cast<std::uint8_t>(layout.bytes[cursor]);
    const std::size_t width = std::size_t{1} << (marker & 0x0F);
    if ((marker & 0xF0) != 0x10 || width > 8 || layout.offsetTable - cursor - 1 < width) {
        return std::nullopt;
    }
    const std::uint64_t count = readBigEndian(layout.bytes, cursor + 1, width);
    cursor += 1 + width;
    return count;
}

// Checks that one object lies inside the object area; answers its references when it is a container.
std::optional<Object> readObject(const Layout& layout, std::size_t offset) {
    const auto marker = static_cast<std::uint8_t>(layout.bytes[offset]);
    const std::uint8_t kind = marker >> 4;
    const std::uint8_t nibble = marker & 0x0F;
    std::size_t cursor = offset + 1;
    std::uint64_t payload = 0;
    Object object;
    switch (kind) {
        case 0x0:  // null, booleans, fill
            if (nibble != 0x0 && nibble != 0x8 && nibble != 0x9 && nibble != 0xF) {
                return std::nullopt;
            }
            break;
        case 0x1:  // integer
        case 0x2:  // real
            if (nibble > 4) {
                return std::nullopt;
            }
            payload = std::uint64_t{1} << nibble;
            break;
        case 0x3:  // date
            payload = 8;
            break;
        case 0x8:  // uid
            payload = std::uint64_t{nibble} + 1;
            break;
        case 0x4:    // data
        case 0x5:    // ASCII string
        case 0x6:    // UTF-16 string
        case 0xA:    // array
        case 0xB:    // ordered set
        case 0xC:    // set
        case 0xD: {  // dictionary
            const auto count = readCount(layout, cursor, nibble);
            if (!count) {
                return std::nullopt;
            }
            std::uint64_t unit = 1;
            if (kind == 0x6) {
                unit = 2;
            } else if (kind >= 0xA) {
                unit = layout.referenceWidth * (kind == 0xD ? 2 : 1);
                object.isContainer = true;
                object.referencesAt = cursor;
                object.referenceCount = *count * (kind == 0xD ? 2 : 1);
            }
            if (*count > (layout.offsetTable - cursor) / unit) {
                return std::nullopt;
            }
            payload = *count * unit;
            break;
        }
        default: return std::nullopt;
    }
    if (payload > layout.offsetTable - cursor) {
        return std::nullopt;
    }
    // libplist asserts that keys hold no NUL character; no string we write holds one either.
    if (kind == 0x5 && layout.bytes.substr(cursor, payload).find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    if (kind == 0x6) {
        for (std::size_t unit = cursor; unit < cursor + payload; unit += 2) {
            if (layout.bytes[unit] == '\0' && layout.bytes[unit + 1] == '\0') {
                return std::nullopt;
            }
        }
    }
    return object;
}

}  // namespace

std::optional<std::string> BinaryPlistCheck::problem(std::string_view bytes, int maxDepth, std::size_t maxNodes) {
    if (bytes.size() < kHeaderSize + kTrailerSize || bytes.substr(0, 7) != "bplist0") {
        return "not a binary property list";
    }
    const std::size_t trailer = bytes.size() - kTrailerSize;
    Layout layout;
    layout.bytes = bytes;
    const std::uint64_t offsetWidth = static_cast<std::uint8_t>(bytes[trailer + 6]);
    const std::uint64_t referenceWidth = static_cast<std::uint8_t>(bytes[trailer + 7]);
    layout.objectCount = readBigEndian(bytes, trailer + 8, 8);
    const std::uint64_t topObject = readBigEndian(bytes, trailer + 16, 8);
    const std::uint64_t offsetTable = readBigEndian(bytes, trailer + 24, 8);
    if (!isValidWidth(offsetWidth) || !isValidWidth(referenceWidth) || layout.objectCount == 0 ||
        offsetTable < kHeaderSize + 1 || offsetTable > trailer ||
        layout.objectCount > (trailer - offsetTable) / offsetWidth) {
        return "damaged trailer or offset table";
    }
    layout.offsetWidth = static_cast<std::size_t>(offsetWidth);
    layout.referenceWidth = static_cast<std::size_t>(referenceWidth);
    layout.offsetTable = static_cast<std::size_t>(offsetTable);

    // Depth-first walk of the tree libplist will build, each reference followed anew.
    struct Pending {
        std::uint64_t index;
        int depth;  // containers enclosing this object
    };
    std::vector<Pending> stack{{topObject, 0}};
    std::size_t visited = 0;  // visited plus pending never exceeds maxNodes
    // Objects without references read the same wherever they are referenced from (archives refer to every key
    // many times): each is checked once.
    std::vector<bool> leafChecked(static_cast<std::size_t>(layout.objectCount));
    while (!stack.empty()) {
        const Pending pending = stack.back();
        stack.pop_back();
        ++visited;
        if (pending.index < layout.objectCount && leafChecked[static_cast<std::size_t>(pending.index)]) {
            continue;
        }
        const auto offset = layout.objectOffset(pending.index);
        if (!offset) {
            return "object reference out of range";
        }
        const auto object = readObject(layout, *offset);
        if (!object) {
            return "damaged object";
        }
        if (!object->isContainer) {
            leafChecked[static_cast<std::size_t>(pending.index)] = true;
            continue;
        }
        if (pending.depth + 1 > maxDepth) {
            return "nested too deeply";
        }
        if (object->referenceCount > maxNodes - visited - stack.size()) {
            return "too many objects";
        }
        for (std::uint64_t reference = 0; reference < object->referenceCount; ++reference) {
            const std::uint64_t child =
                readBigEndian(bytes, object->referencesAt + reference * layout.referenceWidth, layout.referenceWidth);
            stack.push_back({child, pending.depth + 1});
        }
    }
    return std::nullopt;
}

}  // namespace platform
